#include "ui/PresnostBoduOkno.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/Globalni.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr int kCtrlA = 16449;
constexpr int kCtrlD = 16452;
constexpr int kCtrlC = 16451;
constexpr int kMinimalniVyska = 227;

// Header geometry: three label rows above the grid's columns.
constexpr int kVyskaZahlavi = 17;

QLabel* ZahlaviLabel(QWidget* rodic, const char* jmeno, int x, int y, int w, int h)
{
    auto* l = new QLabel(rodic);
    l->setObjectName(QLatin1String(jmeno));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(x, y, w, h);
    return l;
}

}  // namespace

OknoPresnostiBodu::OknoPresnostiBodu(const QString& jmeno, const std::array<const char*, 6>& sloupce,
                                     QWidget* rodic)
    : Formular(jmeno, rodic)
{
    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"), [this] { PopupMenu1Popup(); });
    OznacitVse1 = PridejPolozku(PopupMenu1, QStringLiteral("OznacitVse1"), kCtrlA, [this] { OznacitVse1Click(); });
    OdznacitVse1 =
        PridejPolozku(PopupMenu1, QStringLiteral("OdznacitVse1"), kCtrlD, [this] { OdznacitVse1Click(); });
    PridejOddelovac(PopupMenu1, QStringLiteral("N2"));
    Kopirovat1 = PridejPolozku(PopupMenu1, QStringLiteral("Kopirovat1"), kCtrlC, [this] { Kopirovat1Click(); });
    VytvorOvladace(sloupce);
    PripojMrizku();
    NastavPevnouSirku(PevnaSirka(), kMinimalniVyska);
    resize(PevnaSirka(), 420);
}

void OknoPresnostiBodu::VytvorOvladace(const std::array<const char*, 6>& sloupce)
{
    auto* hlavni = new QVBoxLayout(this);
    hlavni->setContentsMargins(0, 0, 0, 0);
    hlavni->setSpacing(0);

    StringGrid1 = new Mrizka(QStringLiteral("StringGrid1"), this);
    StringGrid1->SetDefaultRowHeight(18);
    NastavVelikostTabulky(StringGrid1, 0, 4);

    // Header: "Point" / "Number" over column 0, the title over the three
    // value columns with their names and units below, a filler above the
    // scroll bar.
    const int ram = StringGrid1->frameWidth();
    const int sirkaPosuvniku = StringGrid1->verticalScrollBar()->sizeHint().width();
    const int s0 = SirkaSloupceTabulky(TypTabulkySouradnic, 0);
    const int s = SirkaSloupceTabulky(TypTabulkySouradnic, 1);
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(3 * kVyskaZahlavi);
    const int h = kVyskaZahlavi;
    const int x1 = ram + s0;
    Label_BOD = ZahlaviLabel(Panel2, "Label_BOD", 0, 0, x1, h);
    Label_bod_cislo = ZahlaviLabel(Panel2, "Label_bod_cislo", 0, h, x1, 2 * h);
    Label_SRD = ZahlaviLabel(Panel2, "Label_SRD", x1, 0, 3 * s, h);
    for (int i = 0; i < 3; ++i) {
        sloupce_[static_cast<std::size_t>(i)] = ZahlaviLabel(Panel2, sloupce[static_cast<std::size_t>(i)], x1 + i * s, h, s, h);
        sloupce_[static_cast<std::size_t>(i + 3)] =
            ZahlaviLabel(Panel2, sloupce[static_cast<std::size_t>(i + 3)], x1 + i * s, 2 * h, s, h);
    }
    Label_doplnek = ZahlaviLabel(Panel2, "Label_doplnek", x1 + 3 * s, 0, sirkaPosuvniku + ram, 3 * h);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* dolni = new QHBoxLayout(Panel1);
    dolni->setContentsMargins(2, 2, 2, 2);
    Label_vyber = new QLabel(Panel1);
    Label_vyber->setObjectName(QStringLiteral("Label_vyber"));
    dolni->addWidget(Label_vyber, 1);

    hlavni->addWidget(Panel2);
    hlavni->addWidget(StringGrid1, 1);
    hlavni->addWidget(Panel1);
}

int OknoPresnostiBodu::PevnaSirka() const
{
    const int ramOkna = frameGeometry().width() - geometry().width();
    const int sirkaPosuvniku = StringGrid1->verticalScrollBar()->sizeHint().width();
    return ramOkna + Label_doplnek->x() + StringGrid1->frameWidth() + sirkaPosuvniku;
}

// ---------------------------------------------------------------- grid

void OknoPresnostiBodu::PripojMrizku()
{
    PripojPopupMenu(StringGrid1, PopupMenu1);
    StringGrid1->OnDrawCell = [this](Platno& c, int sloupec, int radek, const QRect& bunka, TstavBunky stav) {
        KresliBunku(c, sloupec, radek, bunka, StringGrid1->Cell(sloupec, radek), stav.aktualni);
    };
    StringGrid1->OnTopLeftChanged = [this] { ObnovTabulku(); };
    StringGrid1->OnSelectCell = [this](int, int radek) { vyber.aktualni = radek; };
    StringGrid1->OnKeyDown = [this](int& klavesa, Qt::KeyboardModifiers m) {
        if (!ExistujiGlobalniObjekty()) return;
        const bool ctrl = m.testFlag(Qt::ControlModifier);
        TklavesaVyberu k;
        if (klavesa == Qt::Key_Escape) {
            klavesa = 0;
            Close();
            return;
        }
        if ((klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) && !ctrl) {
            k = TklavesaVyberu::enter;
        } else if (klavesa == Qt::Key_Space && !ctrl) {
            k = TklavesaVyberu::mezernik;
        } else if (klavesa == Qt::Key_A && ctrl) {
            k = TklavesaVyberu::vse;
        } else if (klavesa == Qt::Key_D && ctrl) {
            k = TklavesaVyberu::nic;
        } else {
            return;
        }
        klavesa = 0;
        VyberKlavesou(vyber.hromadny, *souradniceOkno, StringGrid1->Row(), k);
        StringGrid1->Repaint();
    };
    StringGrid1->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        if (b != Qt::LeftButton || !ExistujiGlobalniObjekty()) return;
        StringGrid1->Repaint();
        OmezKurzorNaTabulku(StringGrid1);
        int sloupec = -1, radek = -1;
        StringGrid1->MouseToCell(x, y, sloupec, radek);
        VyberMysiStisk(vyber.hromadny, *souradniceOkno, mys_, radek, m.testFlag(Qt::ControlModifier),
                       m.testFlag(Qt::ShiftModifier));
        StringGrid1->Repaint();
    };
    StringGrid1->OnMouseMove = [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
        if (!b.testFlag(Qt::LeftButton) || !ExistujiGlobalniObjekty()) return;
        int sloupec = -1, radek = -1;
        StringGrid1->MouseToCell(x, y, sloupec, radek);
        VyberMysiTah(vyber.hromadny, *souradniceOkno, mys_, radek, m.testFlag(Qt::ControlModifier),
                     m.testFlag(Qt::ShiftModifier));
        StringGrid1->Repaint();
    };
}

void OknoPresnostiBodu::ObnovTabulku()
{
    if (!ExistujiGlobalniObjekty()) return;
    ObnovTabulkuSouradnic(StringGrid1, *souradniceOkno, *nastaveni, TypTabulky(), vyber.hromadny);
}

void OknoPresnostiBodu::FormResize()
{
    if (isVisible()) ObnovTabulku();
}

// ---------------------------------------------------------------- showing

void OknoPresnostiBodu::ZacniZobrazeni()
{
    mys_ = TvyberMysi();
    ZrusVyber(vyber.hromadny);
    vyber.aktualni = -1;
    if (ExistujiGlobalniObjekty()) souradniceOkno->Clear();
    PrepniZpracovani(Otvirac());
    VycentrujOkno(this, Otvirac());
}

void OknoPresnostiBodu::DokonciZobrazeni(int pocet)
{
    Label_vyber->setText(Q(" " + std::to_string(pocet)));
    if (ExistujiGlobalniObjekty()) souradniceOkno->PridejPrazdnyBod();
    StringGrid1->SetTopRow(0);
    StringGrid1->SetRow(0);
    ObnovTabulku();
    PrepniZpracovani(Otvirac());
}

// ---------------------------------------------------------------- commands

void OknoPresnostiBodu::Kopirovat1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    KopirujTabulkuSouradnic(*souradniceOkno, *nastaveni, vyber.hromadny, TypTabulky());
}

void OknoPresnostiBodu::OznacitVse1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    VyberVse(vyber.hromadny);
    OpravVyberSouradnic(vyber.hromadny, *souradniceOkno);
    StringGrid1->Repaint();
}

void OknoPresnostiBodu::OdznacitVse1Click()
{
    ZrusVyber(vyber.hromadny);
    StringGrid1->Repaint();
}

// ---------------------------------------------------------------- painting

namespace {

const Tbod* Zaznam(const Tsouradnice& s, int radek)
{
    return radek >= 0 && radek < static_cast<int>(s.bod.size()) ? &s.bod[static_cast<std::size_t>(radek)] : nullptr;
}

bool StejnaSkupina(const Tbod& a, const Tbod* b, bool podlePoradi)
{
    if (b == nullptr || !b->JePlny) return false;
    return podlePoradi ? a.poradi == b->poradi : a.cislo == b->cislo;
}

}  // namespace

void KresliBunkuPresnosti(Platno& c, const Tsouradnice& souradnice, const TboolVector& vyber, int sloupec,
                          int radek, const QRect& bunka, const std::string& text, bool aktualni, bool podlePoradi,
                          bool znackaFixace)
{
    const Tbod* b = Zaznam(souradnice, radek);
    const bool plny = b != nullptr && b->JePlny;
    KresliBeznouBunku(c, bunka);
    if (sloupec == 0) {
        c.pismo.setBold(true);
        if (plny && StejnaSkupina(*b, Zaznam(souradnice, radek - 1), podlePoradi)) c.barvaPisma = barvyTabulky[10];
    } else if (plny) {
        const int klic = podlePoradi ? b->poradi : b->soubor;
        c.barvaStetce = klic % 2 != 0 ? barvyTabulky[6] : barvyTabulky[5];
    }
    if (radek >= 0 && radek < static_cast<int>(vyber.size()) && vyber[static_cast<std::size_t>(radek)]) {
        c.barvaStetce = barvyTabulky[7];
        c.pismo.setBold(false);
        c.barvaPisma = barvyTabulky[11];
    }
    KresliTextBunkyVpravo(c, bunka, text);
    if (znackaFixace && sloupec == 0 && plny) {
        KresliPismenoF(c, bunka, barvyTabulky[0], b->soubor == 1, true);
        KresliPismenoF(c, bunka, barvyTabulky[1], b->soubor == 2, true);
    }
    const bool konecSkupiny = plny && !StejnaSkupina(*b, Zaznam(souradnice, radek + 1), podlePoradi);
    KresliVodorovnouCaru(c, bunka, barvyTabulky[8], TstylPera::plny, konecSkupiny, 1);
    KresliTeckovanyRamecek(c, bunka, aktualni);
}

}  // namespace sitmera
