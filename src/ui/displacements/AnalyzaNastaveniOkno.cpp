#include "ui/displacements/AnalyzaNastaveniOkno.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "numerics/TextPole.h"
#include "program/Globalni.h"
#include "ui/displacements/JednotkyOkno.h"
#include "ui/layer/Menu.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/SouradniceMainOkno.h"

namespace sitmera {

namespace {

// Bounds of the risk level, both excluded.
constexpr Extended kRizikoMin = 1e-8L;
constexpr Extended kRizikoMax = 1;

}  // namespace

std::string TextRizika(Extended riziko)
{
    return OdstranKoncoveNuly(CisloNaTextPresnost(13, riziko));
}

bool JePlatneRiziko(const std::string& text)
{
    return TextJeMezi(text, kRizikoMin, kRizikoMax);
}

TForm82::TForm82(QWidget* rodic) : Formular(QStringLiteral("Form82"), rodic)
{
    setFixedSize(340, 196);
    Label1 = NovyPopisek(this, "Label1", 10, 10, 320, true);
    Label2 = NovyPopisek(this, "Label2", 20, 37, 190);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(214, 34, 110, 24);
    Label3 = NovyPopisek(this, "Label3", 10, 72, 320, true);
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(20, 96, 300, 22);
    CheckBox2 = new QCheckBox(this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(20, 120, 300, 22);
    Button1 = NoveTlacitko(*this, "Button1", 118, 158, [this] { Button1Click(); });
    Button2 = NoveTlacitko(*this, "Button2", 226, 158, [this] { Button2Click(); });

    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"));
    Kopirovat1 = PridejPolozku(PopupMenu1, QStringLiteral("Kopirovat1"), zkratka::CtrlP, [this] { Kopirovat1Click(); });
    PripojPopupMenu(this, PopupMenu1);

}

std::string TForm82::KopirovatUdajeOkna() const
{
    const auto stav = [](const QCheckBox* c) { return std::string(c->isChecked() ? "-1" : "0"); };
    return stav(CheckBox1) + "#" + stav(CheckBox2) + "#" + NaUtf8(Edit1->text());
}

void TForm82::FormShow()
{
    VycentrujOkno(this, Otvirac());
    Button2->setFocus();
    if (!ExistujiGlobalniObjekty()) return;
    NastavPopiskyAnalyzaPosunu(*this, *jazyk);
    const Tporovnani& p = nastaveni->porovnani;
    CheckBox1->setChecked(p.apriorni);
    CheckBox2->setChecked(p.aposteriorni);
    Edit1->setText(NaQString(TextRizika(p.riziko)));
    snimek_ = KopirovatUdajeOkna();
}

void TForm82::Button1Click()
{
    if (KopirovatUdajeOkna() == snimek_ || !ExistujiGlobalniObjekty()) {
        Close();
        return;
    }
    const std::string text = NaUtf8(Edit1->text());
    if (!JePlatneRiziko(text)) {
        // No message: the empty edit tells the user to type the level again.
        Edit1->clear();
        Edit1->setFocus();
        return;
    }
    Tporovnani& p = nastaveni->porovnani;
    p.riziko = TextNaCislo(text);
    p.apriorni = CheckBox1->isChecked();
    p.aposteriorni = CheckBox2->isChecked();
    Close();
    FokusHlavniTabulky();
    info->jeAnalyzaPosunu = false;
}

void TForm82::Button2Click()
{
    Close();
}

void TForm82::FormKeyDown(int& klavesa, Qt::KeyboardModifiers)
{
    KlavesaOknaNastaveni(klavesa, *this, [this] { Button1Click(); });
}

void TForm82::Kopirovat1Click()
{
    NastavTextSchranky(NaUtf8(windowTitle()) + "\r\n" + NaUtf8(Label1->text()) + "\r\n" + NaUtf8(Label2->text()) + "\t" +
                       NaUtf8(Edit1->text()) + "\r\n");
}

TForm82& Form82()
{
    return JedineOkno<TForm82>();
}

}  // namespace sitmera
