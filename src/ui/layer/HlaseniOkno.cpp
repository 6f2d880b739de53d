#include "ui/layer/HlaseniOkno.h"

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QTextBoundaryFinder>

#include <algorithm>
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

int SirkaNejdelsihoUseku(const QString& text, const QFontMetrics& metriky)
{
    // The text breaks where the lines of the label may break (blanks, after
    // "/", ...); the widest piece between two such places cannot be wrapped.
    QTextBoundaryFinder hledac(QTextBoundaryFinder::Line, text);
    int nejvic = 0;
    qsizetype od = 0;
    for (qsizetype kde = hledac.toNextBoundary(); kde > 0; kde = hledac.toNextBoundary()) {
        nejvic = std::max(nejvic, metriky.horizontalAdvance(text.mid(od, kde - od).trimmed()));
        od = kde;
    }
    return nejvic;
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
    f.PrizpusobVelikost();
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

TovladaceZpravy VytvorOvladaceZpravy(Formular& okno, const QRect& tlacitko1, const QRect& tlacitko2,
                                     std::function<void()> klik1, std::function<void()> klik2)
{
    // No resize border: client area 400 x 96 (the notice box has the
    // tool-window border of its name, the question box an ordinary one).
    okno.setFixedSize(400, 96);
    TovladaceZpravy o;
    o.Label1 = new QLabel(&okno);
    o.Label1->setObjectName(QStringLiteral("Label1"));
    o.Label1->setGeometry(8, 4, 384, 65);
    o.Label1->setAlignment(Qt::AlignCenter);
    o.Label1->setWordWrap(true);
    o.Button1 = new QPushButton(&okno);
    o.Button1->setObjectName(QStringLiteral("Button1"));
    o.Button1->setGeometry(tlacitko1);
    o.Button2 = new QPushButton(&okno);
    o.Button2->setObjectName(QStringLiteral("Button2"));
    o.Button2->setGeometry(tlacitko2);
    Formular* f = &okno;
    QObject::connect(o.Button1, &QPushButton::clicked, f, [f, klik1 = std::move(klik1)] { SpustPrikaz(f, klik1); });
    QObject::connect(o.Button2, &QPushButton::clicked, f, [f, klik2 = std::move(klik2)] { SpustPrikaz(f, klik2); });
    return o;
}

TForm3::TForm3(QWidget* rodic) : Formular(QStringLiteral("Form3"), rodic)
{
    const TovladaceZpravy o = VytvorOvladaceZpravy(*this, QRect(317, 67, 75, 25), QRect(192, 67, 117, 25),
                                                   [this] { Button1Click(); }, [this] { Button2Click(); });
    Label1 = o.Label1;
    Button1 = o.Button1;
    Button2 = o.Button2;
    Button1->setDefault(true);
    Button2->setAutoDefault(false);
    Button2->hide();
    // A file's path in the message can be selected and copied.
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void TForm3::PrizpusobVelikost()
{
    // Wider only for a piece that cannot be wrapped (a long file name), at
    // most as wide as the screen.
    int sirka = std::max(kSirkaTextu, SirkaNejdelsihoUseku(Label1->text(), Label1->fontMetrics()) + 4);
    if (const QScreen* s = screen()) sirka = std::min(sirka, std::max(kSirkaTextu, s->availableGeometry().width() - 32));
    const int sirsi = sirka - kSirkaTextu;
    const int navic = std::max(Label1->heightForWidth(sirka) - kVyskaTextu, 0);
    setFixedSize(400 + sirsi, 96 + navic);
    Label1->setGeometry(8, 4, sirka, kVyskaTextu + navic);
    Button1->move(317 + sirsi, 67 + navic);
    Button2->move(192 + sirsi, 67 + navic);
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
    return JedineOkno<TForm3>();
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
    std::string duvod;
    if (!chyby->PrevzitOznameni(kod, &duvod)) return false;  // muted once
    if (jazyk == nullptr) return Zobraz(TextSDuvodem("Error", duvod), "Error", false);
    return Zobraz(TextSDuvodem(TextOznameni(*jazyk, kod), duvod), NadpisOznameni(*jazyk, kod), false);
}

}  // namespace sitmera
