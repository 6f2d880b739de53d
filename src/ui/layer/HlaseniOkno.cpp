#include "ui/layer/HlaseniOkno.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

#include "core/Chyby.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/ProtokolOkno.h"
#include "ui/layer/Prostredi.h"

namespace sitmera {

namespace {

std::string TextOk()
{
    const Tjazyk* j = Prostredi().jazyk;
    return j != nullptr && !j->tlacitko.ok.empty() ? j->tlacitko.ok : "OK";
}

bool Zobraz(const std::string& zprava, const std::string& nadpis, bool sProtokolem)
{
    // A notice raised while the box is open (from the report viewer over
    // it, say) gets a box of its own over it; the open box keeps its text.
    std::unique_ptr<TForm3> vnoreny;
    if (Form3().isVisible()) vnoreny = std::make_unique<TForm3>();
    TForm3& f = vnoreny ? *vnoreny : Form3();
    f.JeOk = false;
    f.setWindowTitle(NaQString(nadpis));
    f.Label1->setText(NaQString(zprava));
    f.Button1->setText(NaQString(TextOk()));
    if (sProtokolem) {
        const Tjazyk* j = Prostredi().jazyk;
        f.Button2->setText(NaQString(j != nullptr ? j->protokol.protokol1 : std::string("Protocol")));
    }
    f.Button2->setVisible(sProtokolem);
    ZobrazModalne(f);
    return f.JeOk;
}

}  // namespace

TForm3::TForm3(QWidget* rodic) : Formular(QStringLiteral("Form3"), rodic)
{
    // A tool window without a resize border: client area 400 x 96.
    setFixedSize(400, 96);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 4, 384, 65);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(317, 67, 75, 25);
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(192, 67, 117, 25);
    Button2->setAutoDefault(false);
    Button2->hide();
    connect(Button1, &QPushButton::clicked, this, [this] { SpustPrikaz(this, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { SpustPrikaz(this, [this] { Button2Click(); }); });
}

void TForm3::FormShow()
{
    VycentrujOkno(this, AktivniOkno());
    Button1->setFocus();
}

void TForm3::Button1Click()
{
    JeOk = true;
    Close();
}

void TForm3::Button2Click()
{
    if (Tnastaveni* n = Prostredi().nastaveni) n->okno.protokol = 4;
    ZobrazModalne(Form55());
}

TForm3& Form3()
{
    static QPointer<TForm3> okno;
    if (okno.isNull()) okno = new TForm3();
    return *okno;
}

bool ZobrazOznameni(const std::string& zprava, const std::string& nadpis)
{
    return Zobraz(zprava, nadpis, false);
}

bool OznameniProtokol(const std::string& zprava, const std::string& nadpis)
{
    return Zobraz(zprava, nadpis, true);
}

bool OznameniDleCisla()
{
    Tchyby* chyby = Prostredi().chyby;
    const Tjazyk* jazyk = Prostredi().jazyk;
    if (chyby == nullptr) return false;
    std::int32_t kod = 0;
    if (!chyby->PrevzitOznameni(kod)) return false;  // muted once
    if (jazyk == nullptr) return Zobraz("Error", "Error", false);
    return Zobraz(TextOznameni(*jazyk, kod), NadpisOznameni(*jazyk, kod), false);
}

}  // namespace sitmera
