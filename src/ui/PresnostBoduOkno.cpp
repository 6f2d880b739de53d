#include "ui/PresnostBoduOkno.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "program/Globalni.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr int kMinimalniVyska = 227;

}  // namespace

OknoPresnostiBodu::OknoPresnostiBodu(const QString& jmeno, const std::array<const char*, 6>& sloupce,
                                     QWidget* rodic)
    : Formular(jmeno, rodic)
{
    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"), [this] { PopupMenu1Popup(); });
    OznacitVse1 = PridejPolozku(PopupMenu1, QStringLiteral("OznacitVse1"), zkratka::CtrlA, [this] { OznacitVse1Click(); });
    OdznacitVse1 =
        PridejPolozku(PopupMenu1, QStringLiteral("OdznacitVse1"), zkratka::CtrlD, [this] { OdznacitVse1Click(); });
    PridejOddelovac(PopupMenu1, QStringLiteral("N2"));
    Kopirovat1 = PridejPolozku(PopupMenu1, QStringLiteral("Kopirovat1"), zkratka::CtrlC, [this] { Kopirovat1Click(); });
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
    Panel2 = VytvorZahlaviTabulky(this, StringGrid1,
                                  {"Label_BOD", "Label_bod_cislo", "Label_SRD", sloupce[0], sloupce[1], sloupce[2],
                                   sloupce[3], sloupce[4], sloupce[5]});
    Label_BOD = NajdiLabel(*Panel2, "Label_BOD");
    Label_bod_cislo = NajdiLabel(*Panel2, "Label_bod_cislo");
    Label_SRD = NajdiLabel(*Panel2, "Label_SRD");
    Label_doplnek = NajdiLabel(*Panel2, "Label_doplnek");
    for (std::size_t i = 0; i < sloupce.size(); ++i) sloupce_[i] = NajdiLabel(*Panel2, sloupce[i]);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* dolni = new QHBoxLayout(Panel1);
    dolni->setContentsMargins(2, 2, 2, 2);
    Label_vyber = NovyLabel(Panel1, "Label_vyber");
    dolni->addWidget(Label_vyber, 1);

    hlavni->addWidget(Panel2);
    hlavni->addWidget(StringGrid1, 1);
    hlavni->addWidget(Panel1);
}

int OknoPresnostiBodu::PevnaSirka() const
{
    return PevnaSirkaOkna(*this, *Label_doplnek, *StringGrid1);
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
    TvyberTabulky gesta;
    gesta.vyber = [this] { return ExistujiGlobalniObjekty() ? &vyber.hromadny : nullptr; };
    gesta.oprav = [](TboolVector& flagy) { OpravVyberSouradnic(flagy, *souradniceOkno); };
    gesta.poZmene = [this] { StringGrid1->Repaint(); };
    PripojVyberTabulky(StringGrid1, mys_, gesta);
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
    Label_vyber->setText(NaQString(" " + std::to_string(pocet)));
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
