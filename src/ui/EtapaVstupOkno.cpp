#include "ui/EtapaVstupOkno.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>

#include <utility>

#include "analysis/Etapa.h"
#include "core/Chyby.h"
#include "numerics/TextSoubor.h"
#include "program/Globalni.h"
#include "reports/ProtokolEtapa.h"
#include "ui/AnalyzaEtapyOkno.h"
#include "ui/EtapaMenu.h"
#include "ui/SouradniceMainOkno.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/OtevritOkno.h"
#include "ui/layer/ProtokolOkno.h"

namespace sitmera {

TdalsiOknaEtapy& DalsiOknaEtapy()
{
    static TdalsiOknaEtapy okna;
    return okna;
}

namespace {

// Whether the window of a registry entry is there.
template <class F>
std::function<bool()> Existuje(F TdalsiOknaEtapy::*clen)
{
    return JeOknoVRegistru(DalsiOknaEtapy, clen);
}

}  // namespace

// ---------------------------------------------------------------- construction

TForm66::TForm66(QWidget* rodic) : Formular(QStringLiteral("Form66"), rodic)
{
    VytvorMenu();
    static_cast<TovladaceSouradnic&>(*this) = VytvorOvladaceSouradnic(*this);
    PripojMrizku();
    NastavPevnouSirku(PevnaSirka(), 246);
    resize(PevnaSirka(), 520);
    ObnovDostupnost();
}

TForm66::~TForm66() = default;

void TForm66::VytvorMenu()
{
    MainMenu1 = VytvorHlavniMenu(*this);
    auto povolit = [this] { PovolitMenu(); };

    Hlavni1 = PridejMenu(MainMenu1, QStringLiteral("Hlavni1"), povolit);
    Pripojit1 = PridejPolozku(Hlavni1, QStringLiteral("Pripojit1"), 0, [this] { Pripojit1Click(); });
    Odpojit1 = PridejPolozku(Hlavni1, QStringLiteral("Odpojit1"), 0, [this] { Odpojit1Click(); });
    PridejOddelovac(Hlavni1, QStringLiteral("N1"));
    Zavrit1 = PridejPolozku(Hlavni1, QStringLiteral("Zavrit1"), 0, [this] { Zavrit1Click(); });

    Sit1 = PridejMenu(MainMenu1, QStringLiteral("Sit1"), povolit);
    Informace1 = PridejPolozku(Sit1, QStringLiteral("Informace1"), 0, [this] { Informace1Click(); });
    Informace2 = PridejPodmenu(Sit1, QStringLiteral("Informace2"));
    InfoKlic1 = PridejPolozku(Informace2, QStringLiteral("InfoKlic1"), 0, [this] { InfoKlic1Click(); });
    InfoSit1 = PridejPolozku(Informace2, QStringLiteral("InfoSit1"), 0, [this] { Informace1Click(); });
    Kresba1 = PridejPolozku(Sit1, QStringLiteral("Kresba1"), 0, [this] { Kresba1Click(); });
    Protokol1 = PridejPolozku(Sit1, QStringLiteral("Protokol1"), 0, [this] { Protokol1Click(); });

    Souradnice1 = PridejMenu(MainMenu1, QStringLiteral("Souradnice1"), povolit);
    OdchylkyAprior1 =
        PridejPolozku(Souradnice1, QStringLiteral("OdchylkyAprior1"), 0, [this] { OdchylkyAprior1Click(); });
    OdchylkyAposterior1 =
        PridejPolozku(Souradnice1, QStringLiteral("OdchylkyAposterior1"), 0, [this] { OdchylkyAposterior1Click(); });
    PridejOddelovac(Souradnice1, QStringLiteral("N2"));
    ElipsoidAprior1 =
        PridejPolozku(Souradnice1, QStringLiteral("ElipsoidAprior1"), 0, [this] { ElipsoidAprior1Click(); });
    ElipsoidAposterior1 =
        PridejPolozku(Souradnice1, QStringLiteral("ElipsoidAposterior1"), 0, [this] { ElipsoidAposterior1Click(); });
    PridejOddelovac(Souradnice1, QStringLiteral("N3"));
    KovariancniMatice1 =
        PridejPolozku(Souradnice1, QStringLiteral("KovariancniMatice1"), 0, [this] { KovariancniMatice1Click(); });

    Analyza1 = PridejMenu(MainMenu1, QStringLiteral("Analyza1"), povolit);
    AnalyzaDelky1 = PridejPolozku(Analyza1, QStringLiteral("AnalyzaDelky1"), 0, [this] { AnalyzaDelky1Click(); });
    AnalyzaUhly1 = PridejPolozku(Analyza1, QStringLiteral("AnalyzaUhly1"), 0, [this] { AnalyzaUhly1Click(); });

    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"), [this] { PovolitPopup(); });
    OznacitVse1 = PridejPolozku(PopupMenu1, QStringLiteral("OznacitVse1"), zkratka::CtrlA, [this] { OznacitVse1Click(); });
    OdznacitVse1 =
        PridejPolozku(PopupMenu1, QStringLiteral("OdznacitVse1"), zkratka::CtrlD, [this] { OdznacitVse1Click(); });
    PridejOddelovac(PopupMenu1, QStringLiteral("N4"));
    Kopirovat2 = PridejPolozku(PopupMenu1, QStringLiteral("Kopirovat2"), zkratka::CtrlC, [this] { Kopirovat2Click(); });

    const std::pair<QAction*, std::function<bool()>> zavisle[] = {
        {Informace1, Existuje(&TdalsiOknaEtapy::Form67)},
        {InfoSit1, Existuje(&TdalsiOknaEtapy::Form67)},
        {InfoKlic1, Existuje(&TdalsiOknaEtapy::Form80)},
        {KovariancniMatice1, Existuje(&TdalsiOknaEtapy::Form36)},
        {OdchylkyAprior1, Existuje(&TdalsiOknaEtapy::Form10)},
        {OdchylkyAposterior1, Existuje(&TdalsiOknaEtapy::Form10)},
        {ElipsoidAprior1, Existuje(&TdalsiOknaEtapy::Form24)},
        {ElipsoidAposterior1, Existuje(&TdalsiOknaEtapy::Form24)},
        {Kresba1, Existuje(&TdalsiOknaEtapy::Form44)},
    };
    // The items stay disabled while their windows are not there.
    for (const auto& [polozka, existuje] : zavisle) {
        HlidejOknoPolozky(polozka, existuje);
        if (!existuje()) polozka->setEnabled(false);
    }
}

int TForm66::PevnaSirka() const
{
    return PevnaSirkaOkna(*this, *Label_doplnek, *StringGrid3);
}

// ---------------------------------------------------------------- grid

void TForm66::PripojMrizku()
{
    PripojPopupMenu(StringGrid3, PopupMenu1);
    StringGrid3->OnDrawCell = [this](Platno& c, int sloupec, int radek, const QRect& bunka, TstavBunky stav) {
        if (!ExistujiGlobalniObjekty()) {
            KresliBeznouBunku(c, bunka);
            return;
        }
        KresliBunkuEtapa(c, souradniceEtapa, vyberEtapa, nastaveni->okno.etapa, sloupec, radek, bunka,
                         StringGrid3->Cell(sloupec, radek), stav.aktualni);
    };
    StringGrid3->OnTopLeftChanged = [this] { ObnovTabulku(); };
    StringGrid3->OnSelectCell = [this](int, int radek) { radekEtapa = radek; };
    TvyberTabulky v;
    v.vyber = [this] { return ExistujiGlobalniObjekty() ? &vyberEtapa : nullptr; };
    v.oprav = [this](TboolVector& flagy) { OpravVyberSouradnic(flagy, souradniceEtapa); };
    v.poZmene = [this] { PoZmeneVyberu(); };
    v.esc = [this] {
        Close();
        FokusHlavniTabulky();
    };
    PripojVyberTabulky(StringGrid3, mys_, v);
}

void TForm66::ObnovTabulku()
{
    if (!ExistujiGlobalniObjekty()) return;
    ObnovTabulkuSouradnic(StringGrid3, souradniceEtapa, *nastaveni, TypTabulkySouradnic, vyberEtapa);
    PopisVyberEtapa(*this, souradniceEtapa, vyberEtapa);
}

void TForm66::PoZmeneVyberu()
{
    StringGrid3->Repaint();
    PopisVyberEtapa(*this, souradniceEtapa, vyberEtapa);
    PovolitMenu();
    PovolitPopup();
}

// ---------------------------------------------------------------- window handlers

void TForm66::FormShow()
{
    VycentrujOkno(this, Otvirac());
    souradniceEtapa.Clear();
    mys_ = TvyberMysi();
    radekEtapa = 0;
    ZrusVyber(vyberEtapa);
    if (!ExistujiGlobalniObjekty() || etapaAktualni == nullptr) return;
    const int druh = nastaveni->okno.etapaDruh;
    NastavPopiskyEtapa(*this, *jazyk, druh);
    NastavPopiskyEtapaTabulka(*this, *jazyk);
    NastavPopiskyEtapaPopup(*this, *jazyk);
    NastavNadpisEtapa(*this, *jazyk, *etapaAktualni, nastaveni->okno.etapa, druh);
    souradniceEtapa.Kopiruj(etapaAktualni->souradnice);
    NastavPevnouSirku(PevnaSirka(), 246);
    StringGrid3->SetTopRow(0);
    ObnovTabulku();
    StringGrid3->SetRow(0);
    PovolitMenu();
    PovolitPopup();
}

void TForm66::FormClose()
{
    // The graph never outlives the epoch window.
    ZavriKresbu();
    souradniceEtapa = Tsouradnice();
    vyberEtapa.clear();
    mys_ = TvyberMysi();
}

void TForm66::FormResize()
{
    if (!isVisible()) return;
    try {
        ObnovTabulku();
    } catch (...) {
        // A failed refill while resizing leaves the grid as it was.
    }
}

// ---------------------------------------------------------------- enabling

void TForm66::ObnovDostupnost()
{
    // Items that no list rule governs: enabled unless the window is busy
    // (and their window is there).
    const bool volno = Label_zpracovani == nullptr || Label_zpracovani->isHidden();
    Pripojit1->setEnabled(volno);
    Protokol1->setEnabled(volno);
    Zavrit1->setEnabled(volno);
    InfoSit1->setEnabled(volno && DalsiOknaEtapy().Form67);
    InfoKlic1->setEnabled(volno && DalsiOknaEtapy().Form80);
}

void TForm66::PovolitMenu()
{
    if (!ExistujiGlobalniObjekty()) return;
    PovolitMenuEtapa(*this, souradniceEtapa);
    ObnovDostupnost();
}

void TForm66::PovolitPopup()
{
    if (!ExistujiGlobalniObjekty()) return;
    PovolitPopupEtapa(*this, vyberEtapa, souradniceEtapa);
}

// ---------------------------------------------------------------- attach and detach

void TForm66::ZavriKresbu()
{
    const TdalsiOknaEtapy& o = DalsiOknaEtapy();
    if (o.Form44Zobrazeno && o.Form44Zobrazeno() && o.Form44Zavrit) o.Form44Zavrit();
}

void TForm66::ObnovPoZmeneEtapy()
{
    modelPorovnani->VyhledaniIdentickychBodu(*nastaveni);
    souradniceEtapa.Kopiruj(etapaAktualni->souradnice);
    ZrusVyber(vyberEtapa);
    mys_ = TvyberMysi();
    radekEtapa = 0;
    StringGrid3->SetTopRow(0);
    ObnovTabulku();
    StringGrid3->SetRow(0);
    NastavNadpisEtapa(*this, *jazyk, *etapaAktualni, nastaveni->okno.etapa, nastaveni->okno.etapaDruh);
    if (TForm65* hlavni = HlavniOknoProgramu()) hlavni->Prekresli();
    // This epoch's point choices of the key are gone; both transformed
    // epochs are stale.
    NulujPoradiBod(klicTransformace, static_cast<std::uint8_t>(nastaveni->okno.etapa - 1));
    VypocetKlice(klicTransformace);
    info->jeTransformaceEtapa1 = false;
    info->jeTransformaceEtapa2 = false;
}

void TForm66::Pripojit1Click()
{
    if (!ExistujiGlobalniObjekty() || etapaAktualni == nullptr || nastaveni->okno.etapaDruh != 1) return;
    std::string soubor;
    const bool vybran = OtevritSouborEtapa(soubor, *nastaveni, *jazyk);
    // The dialog switched the processing label on when it closed.
    PrepniZpracovani(this);
    PovolitMenu();
    if (!vybran) return;

    const std::string nadpis = jazyk->tlacitko.pripojit + " Sitmera " + MalaPismena(jazyk->tlacitko.etapa);
    std::string duvod;
    if (!NacistEtapu(soubor, *etapaAktualni, &duvod)) {
        // The reader kept the epoch as it was: the grid, the pairs, the key
        // and the transformed epochs stay valid.
        ZavriKresbu();
        ZobrazOznameni(TextSDuvodem(jazyk->hlaseni.chybaPripojitEtapa, duvod), nadpis);
        return;
    }
    ObnovPoZmeneEtapy();
    PovolitMenu();
    PovolitPopup();
    const TdalsiOknaEtapy& o = DalsiOknaEtapy();
    if (o.Form44Zobrazeno && o.Form44Zobrazeno()) {
        // The drawing was read again in place; one without a point cannot be
        // drawn.
        if (souradniceEtapa.ExistujePlnyBod() && o.Form44UpdateDat)
            o.Form44UpdateDat();
        else
            ZavriKresbu();
    }
    ZobrazOznameni(jazyk->hlaseni.uspesnePripojitEtapa + "(" + jazyk->hlaseni.pocetBodu +
                       std::to_string(souradniceEtapa.PocetPlnychBodu()) + ")",
                   nadpis);
}

void TForm66::Odpojit1Click()
{
    if (!ExistujiGlobalniObjekty() || etapaAktualni == nullptr || nastaveni->okno.etapaDruh != 1) return;
    if (!souradniceEtapa.ExistujePlnyBod()) return;
    PrepniZpracovani(this);
    ZavriKresbu();
    etapaAktualni->Clear();
    ObnovPoZmeneEtapy();
    PrepniZpracovani(this);
    PovolitMenu();
    PovolitPopup();
}

void TForm66::Zavrit1Click()
{
    Close();
}

// ---------------------------------------------------------------- result windows

void TForm66::Informace1Click()
{
    if (DalsiOknaEtapy().Form67) DalsiOknaEtapy().Form67();
}

void TForm66::InfoKlic1Click()
{
    if (DalsiOknaEtapy().Form80) DalsiOknaEtapy().Form80();
}

void TForm66::Kresba1Click()
{
    if (!souradniceEtapa.ExistujePlnyBod() || !DalsiOknaEtapy().Form44) return;
    DalsiOknaEtapy().Form44();
}

void TForm66::Protokol1Click()
{
    if (!ExistujiGlobalniObjekty() || etapaAktualni == nullptr) return;
    PrepniZpracovani(this);
    const std::uint8_t druh = nastaveni->okno.etapaDruh;
    if (!ProtokolEtapy(*etapaAktualni, nastaveni->okno.etapa, druh, *nastaveni, *jazyk, klicTransformace)) {
        PrepniZpracovani(this);
        chyby->Oznameni(26);
        OznameniDleCisla();
        return;
    }
    // The viewer switches the processing label off when it shows.
    nastaveni->okno.protokol = druh;
    ZobrazModalne(Form55());
}

void TForm66::ZobrazOdchylky(std::uint8_t rezim)
{
    if (!ExistujiGlobalniObjekty() || !souradniceEtapa.ExistujePlnyBod() || !DalsiOknaEtapy().Form10) return;
    nastaveni->okno.souradnice = rezim;
    DalsiOknaEtapy().Form10(rezim == 2 ? jazyk->nadpis.smerOdchylkyApriorVyrSour
                                       : jazyk->nadpis.smerOdchylkyAposteriorVyrSour);
}

void TForm66::ZobrazElipsoidy(std::uint8_t rezim)
{
    if (!ExistujiGlobalniObjekty() || !souradniceEtapa.ExistujePlnyBod() || !DalsiOknaEtapy().Form24) return;
    nastaveni->okno.elipsoidChyb = rezim;
    DalsiOknaEtapy().Form24(rezim == 1 ? jazyk->nadpis.elipsoidApriorVyrSour
                                       : jazyk->nadpis.elipsoidAposteriorVyrSour);
}

void TForm66::OdchylkyAprior1Click()
{
    ZobrazOdchylky(2);
}

void TForm66::OdchylkyAposterior1Click()
{
    ZobrazOdchylky(3);
}

void TForm66::ElipsoidAprior1Click()
{
    ZobrazElipsoidy(1);
}

void TForm66::ElipsoidAposterior1Click()
{
    ZobrazElipsoidy(2);
}

void TForm66::KovariancniMatice1Click()
{
    if (!ExistujiGlobalniObjekty() || !souradniceEtapa.ExistujePlnyBod() || !DalsiOknaEtapy().Form36) return;
    nastaveni->okno.kovariancniMatice = 1;
    DalsiOknaEtapy().Form36();
}

void TForm66::AnalyzaDelky1Click()
{
    if (souradniceEtapa.PocetPlnychBodu() < 2) return;
    ZobrazModalne(Form72());
}

void TForm66::AnalyzaUhly1Click()
{
    if (souradniceEtapa.PocetPlnychBodu() < 3) return;
    ZobrazModalne(Form73());
}

// ---------------------------------------------------------------- selection and copy

void TForm66::Kopirovat2Click()
{
    if (!ExistujiGlobalniObjekty() || !JeNecoVybrano(vyberEtapa)) return;
    PrepniZpracovani(this);
    KopirujSouradnice(souradniceEtapa, *souradniceSchranka, *nastaveni, nastaveni->okno.etapa, vyberEtapa);
    PrepniZpracovani(this);
    PovolitMenu();
}

void TForm66::OznacitVse1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    VyberVse(vyberEtapa);
    OpravVyberSouradnic(vyberEtapa, souradniceEtapa);
    PrepniZpracovani(this);
    PoZmeneVyberu();
}

void TForm66::OdznacitVse1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    ZrusVyber(vyberEtapa);
    PrepniZpracovani(this);
    PoZmeneVyberu();
}

// ---------------------------------------------------------------- the window

TForm66& Form66()
{
    return JedineOkno<TForm66>();
}

}  // namespace sitmera
