#include "ui/layer/ProtokolOkno.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "core/Chyby.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/TextSoubor.h"
#include "numerics/ZapisSouboru.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Menu.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/Prostredi.h"
#include "ui/layer/UlozitOkno.h"

namespace sitmera {

TStringList TextProtokoluRezimu(std::uint8_t rezim)
{
    const auto& zdroj = Prostredi().textProtokolu;
    return zdroj ? zdroj(rezim) : TStringList();
}

TForm55::TForm55(QWidget* rodic) : Formular(QStringLiteral("Form55"), rodic)
{
    resize(800, 600);
    MainMenu1 = VytvorHlavniMenu(*this);
    Hlavni1 = PridejMenu(MainMenu1, QStringLiteral("Hlavni1"));
    UlozitJako1 = PridejPolozku(Hlavni1, QStringLiteral("UlozitJako1"), 0, [this] { UlozitJako1Click(); });
    Zavrit1 = PridejPolozku(Hlavni1, QStringLiteral("Zavrit1"), 0, [this] { Zavrit1Click(); });

    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFont(PismoPevneSirky());

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* panel = new QHBoxLayout(Panel1);
    panel->setContentsMargins(2, 2, 2, 2);
    Label_vyber = new QLabel(Panel1);
    Label_vyber->setObjectName(QStringLiteral("Label_vyber"));
    Label_zpracovani = new QLabel(Panel1);
    Label_zpracovani->setObjectName(QStringLiteral("Label_zpracovani"));
    Label_zpracovani->hide();
    panel->addWidget(Label_vyber, 1);
    panel->addWidget(Label_zpracovani);

    layout()->addWidget(RichEdit1);
    layout()->addWidget(Panel1);
}

void TForm55::FormShow()
{
    const Tjazyk* j = Prostredi().jazyk;
    Tnastaveni* n = Prostredi().nastaveni;
    if (j != nullptr) {
        NastavPopisek(Hlavni1, j->tlacitko.hlavni);
        NastavPopisek(UlozitJako1, j->tlacitko.ulozit + " " + j->tlacitko.jako + " ...");
        NastavPopisek(Zavrit1, j->tlacitko.ukoncit);
        Label_zpracovani->setText(NaQString(" " + j->tlacitko.zpracovani + " ..."));
    }
    RichEdit1->clear();
    // The window that opened the viewer (whichever window is active by now).
    Formular* otvirac = JeModalni() ? Otvirac() : AktivniOkno();
    VycentrujOkno(this, otvirac);

    const std::uint8_t rezim = n != nullptr ? n->okno.protokol : 0;
    std::string nadpis;
    if (j != nullptr) {
        const std::string etapa = MalaPismena(j->tlacitko.etapa);
        switch (rezim) {
            case 1: nadpis = j->protokol.protokol1 + " - A. " + j->popis.pripojena + " " + etapa; break;
            case 2: nadpis = j->protokol.protokol1 + " - B. " + j->popis.transformovana + " " + etapa; break;
            case 3: nadpis = j->protokol.protokol1 + " - C. " + j->tlacitko.analyzaPosunu; break;
            case 4: nadpis = j->protokol.protokol1 + " - " + j->nadpis.pridatBody; break;
            default: nadpis = j->protokol.protokol1; break;
        }
    }
    setWindowTitle(NaQString(nadpis));
    const TStringList radky = TextProtokoluRezimu(rezim);
    QStringList text;
    text.reserve(static_cast<qsizetype>(radky.size()));
    for (const std::string& r : radky) text.append(NaQString(r));
    RichEdit1->setPlainText(text.join(QLatin1Char('\n')));
    RichEdit1->moveCursor(QTextCursor::Start);
    // The report was built with the opener's processing label on.
    if (rezim >= 1 && rezim <= 3) PrepniZpracovani(otvirac);
    Label_vyber->setText(NaQString(" " + std::to_string(radky.size())));
}

void TForm55::UlozitJako1Click()
{
    Tnastaveni* n = Prostredi().nastaveni;
    const Tjazyk* j = Prostredi().jazyk;
    if (n == nullptr || j == nullptr) return;
    std::string cesta;
    if (UlozitSouborProtokol(cesta, *n, *j)) {
        // The file was not written (an existing one is left as it was): the
        // notice, with the file's message under it.
        auto oznam = [](const std::string& duvod) {
            if (Tchyby* ch = Prostredi().chyby) {
                ch->Oznameni(28, duvod);
                OznameniDleCisla();
            }
        };
        try {
            ZapisTextovySoubor(cesta, TextProtokoluRezimu(n->okno.protokol));
        } catch (const ChybaSouboru& e) {
            oznam(e.what());
        } catch (const std::exception&) {
            oznam("");
        }
    }
    // The save dialog switched the processing label on when it closed.
    PrepniZpracovani(this);
}

void TForm55::Zavrit1Click()
{
    Close();
}

void TForm55::FormKeyDown(int& klavesa, Qt::KeyboardModifiers)
{
    ZavriNaEsc(*this, klavesa);
}

TForm55& Form55()
{
    return JedineOkno<TForm55>();
}

}  // namespace sitmera
