#include "ui/SouradniceMainOkno.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <array>
#include <utility>

#include "analysis/Projekt.h"
#include "core/Chyby.h"
#include "numerics/Zaklad.h"
#include "points/SouradniceSoubor.h"
#include "program/Globalni.h"
#include "ui/AnalyzaEtapyOkno.h"
#include "ui/EtapaVstupOkno.h"
#include "ui/displacements/AnalyzaMeziEtapamiOkno.h"
#include "ui/displacements/AnalyzaNastaveniOkno.h"
#include "ui/displacements/JednotkyOkno.h"
#include "ui/displacements/PosunyMainInfoOkno.h"
#include "ui/displacements/PosunyPlneOkno.h"
#include "ui/displacements/PosunyZkraceneOkno.h"
#include "ui/displacements/ProtokolNastaveniOkno.h"
#include "ui/displacements/grafBarvaOkno.h"
#include "ui/displacements/graf_winPosun.h"
#include "ui/displacements/VyberPosunyOkno.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/OtazkaOkno.h"
#include "ui/layer/OtevritOkno.h"
#include "ui/layer/Prostredi.h"
#include "ui/layer/ProtokolOkno.h"
#include "ui/EtapaTransformacniKlicOkno.h"
#include "ui/JednaSouradniceOkno2.h"
#include "ui/SouradniceMenu.h"
#include "ui/displacements/PosunyMainOkno.h"
#include "ui/graf_win.h"
#include "ui/SouradniceVstupOkno2.h"
#include "ui/layer/UlozitOkno.h"
#include "ui/VyberSouradniceFixOkno.h"
#include "ui/VyberSouradniceOkno.h"
#include "ui/ElipsoidyChybOkno.h"
#include "ui/EtapaInfoOkno.h"
#include "ui/EtapaTransformovanaInfoOkno.h"
#include "ui/KovariancniMaticeOkno.h"
#include "ui/OProgramuOkno.h"
#include "ui/PriblizneSouradniceOkno.h"

namespace sitmera {

TdalsiOkna& DalsiOkna()
{
    static TdalsiOkna okna;
    return okna;
}

namespace {

// Items that need a window of another unit, and that window's opener.
using TclenOkna = std::function<void()> TdalsiOkna::*;

bool JeOkno(TclenOkna clen)
{
    return static_cast<bool>(DalsiOkna().*clen);
}

// The reports of the program's buffers for the report viewer.
TStringList TextProtokoluGlobalni(std::uint8_t rezim)
{
    if (!ExistujiGlobalniObjekty()) return {};
    switch (rezim) {
        case 1:
        case 2: return etapaAktualni != nullptr ? etapaAktualni->protokol.text : TStringList();
        case 3: return modelPosuny->protokol.text;
        case 4: return protokolSouboru->text;
        default: return {};
    }
}

// Transforms the first (prvni) or the second loaded epoch by the key, which
// makes the comparison stale; notice 29 (no key) or 30 (a failed
// transformation) is recorded and the step ends by the silent abort.
void TransformujEpochu(bool prvni, bool& transformovana)
{
    info->jeAnalyzaPosunu = false;
    if (!klicTransformace.jePlny) {
        chyby->Oznameni(29);
        throw TichePreruseni();
    }
    if (!modelPorovnaniTransformace->Transfromuj(*modelPorovnani, klicTransformace, prvni, transformovana)) {
        chyby->Oznameni(30);
        throw TichePreruseni();
    }
}

}  // namespace

// ---------------------------------------------------------------- construction

TForm65::TForm65(QWidget* rodic) : Formular(QStringLiteral("Form65"), rodic)
{
    VytvorMenu();
    static_cast<TovladaceSouradnic&>(*this) = VytvorOvladaceSouradnic(*this);
    PripojMrizku();
    // The grid shows only whole columns: the width is fixed, the height free.
    NastavPevnouSirku(PevnaSirka(), 246);
    resize(PevnaSirka(), 600);
    ObnovDostupnost();
}

TForm65::~TForm65() = default;

void TForm65::VytvorMenu()
{
    MainMenu1 = VytvorHlavniMenu(*this);
    auto povolit = [this] { PovolitMenu(); };

    Hlavni1 = PridejMenu(MainMenu1, QStringLiteral("Hlavni1"), [this] { ObnovDostupnost(); });
    ProjektOtevrit1 = PridejPolozku(Hlavni1, QStringLiteral("ProjektOtevrit1"), 0, [this] { ProjektOtevrit1Click(); });
    ProjektUlozitJako1 =
        PridejPolozku(Hlavni1, QStringLiteral("ProjektUlozitJako1"), 0, [this] { ProjektUlozitJako1Click(); });
    PridejOddelovac(Hlavni1, QStringLiteral("N1"));
    Nastaveni1 = PridejPodmenu(Hlavni1, QStringLiteral("Nastaveni1"), [this] { ObnovDostupnost(); });
    Jazyk1 = PridejPodmenu(Nastaveni1, QStringLiteral("Jazyk1"));
    Cestina1 = PridejPolozku(Jazyk1, QStringLiteral("Cestina1"), 0, [this] { Cestina1Click(); });
    Anglictina1 = PridejPolozku(Jazyk1, QStringLiteral("Anglictina1"), 0, [this] { Anglictina1Click(); });
    Jednotky1 = PridejPolozku(Nastaveni1, QStringLiteral("Jednotky1"), zkratka::CtrlU, [this] { Jednotky1Click(); });
    Analyza2 = PridejPolozku(Nastaveni1, QStringLiteral("Analyza2"), zkratka::CtrlL, [this] { Analyza2Click(); });
    ProtokolNastaveni1 =
        PridejPolozku(Nastaveni1, QStringLiteral("ProtokolNastaveni1"), 0, [this] { ProtokolNastaveni1Click(); });
    PridejOddelovac(Hlavni1, QStringLiteral("N2"));
    Zavrit1 = PridejPolozku(Hlavni1, QStringLiteral("Zavrit1"), 0, [this] { Zavrit1Click(); });

    Souadnice1 = PridejMenu(MainMenu1, QStringLiteral("Souadnice1"), povolit);
    Hledat1 = PridejPolozku(Souadnice1, QStringLiteral("Hledat1"), zkratka::CtrlF3, [this] { Hledat1Click(); });
    HledatDalsi1 = PridejPolozku(Souadnice1, QStringLiteral("HledatDalsi1"), zkratka::F3, [this] { HledatDalsi1Click(); });
    HledatPredchozi1 =
        PridejPolozku(Souadnice1, QStringLiteral("HledatPredchozi1"), zkratka::ShiftF3, [this] { HledatPredchozi1Click(); });
    PridejOddelovac(Souadnice1, QStringLiteral("N3"));
    Spravovat1 = PridejPodmenu(Souadnice1, QStringLiteral("Spravovat1"));
    JeAktivni1 = PridejPolozku(Spravovat1, QStringLiteral("JeAktivni1"), 0, [this] { JeAktivni1Click(); });
    JeNeaktivni1 = PridejPolozku(Spravovat1, QStringLiteral("JeNeaktivni1"), 0, [this] { JeNeaktivni1Click(); });
    PridejOddelovac(Souadnice1, QStringLiteral("N4"));
    Kopirovat1 = PridejPolozku(Souadnice1, QStringLiteral("Kopirovat1"), zkratka::CtrlC, [this] { Kopirovat1Click(); });

    Vyber1 = PridejMenu(MainMenu1, QStringLiteral("Vyber1"), povolit);
    Vybratvse1 = PridejPolozku(Vyber1, QStringLiteral("Vybratvse1"), zkratka::CtrlA, [this] { Vybratvse1Click(); });
    Zrusitvyber1 = PridejPolozku(Vyber1, QStringLiteral("Zrusitvyber1"), zkratka::CtrlD, [this] { Zrusitvyber1Click(); });
    PridejOddelovac(Vyber1, QStringLiteral("N5"));
    VyberDleAtributu1 =
        PridejPolozku(Vyber1, QStringLiteral("VyberDleAtributu1"), 0, [this] { VyberDleAtributu1Click(); });

    Analyza1 = PridejMenu(MainMenu1, QStringLiteral("Analyza1"), povolit);
    PrvniEtapa1 = PridejPolozku(Analyza1, QStringLiteral("PrvniEtapa1"), 0, [this] { PrvniEtapa1Click(); });
    DruhaEtapa1 = PridejPolozku(Analyza1, QStringLiteral("DruhaEtapa1"), 0, [this] { DruhaEtapa1Click(); });
    PridejOddelovac(Analyza1, QStringLiteral("N6"));
    UzivBody1 = PridejPolozku(Analyza1, QStringLiteral("UzivBody1"), 0, [this] { UzivBody1Click(); });
    TransformacniKlic1 =
        PridejPolozku(Analyza1, QStringLiteral("TransformacniKlic1"), 0, [this] { TransformacniKlic1Click(); });
    PridejOddelovac(Analyza1, QStringLiteral("N7"));
    TransformaceEpocha1 =
        PridejPolozku(Analyza1, QStringLiteral("TransformaceEpocha1"), 0, [this] { TransformaceEpocha1Click(); });
    TransformaceEpocha2 =
        PridejPolozku(Analyza1, QStringLiteral("TransformaceEpocha2"), 0, [this] { TransformaceEpocha2Click(); });
    PridejOddelovac(Analyza1, QStringLiteral("N8"));
    Porovnat1 = PridejPolozku(Analyza1, QStringLiteral("Porovnat1"), 0, [this] { Porovnat1Click(); });

    Oprogramu1 = PridejPolozkuHlavni(MainMenu1, QStringLiteral("Oprogramu1"), [this] { Oprogramu1Click(); });

    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"), [this] { PovolitPopup(); });
    VybratVse2 = PridejPolozku(PopupMenu1, QStringLiteral("VybratVse2"), 0, [this] { VybratVse2Click(); });
    ZrusitVyber2 = PridejPolozku(PopupMenu1, QStringLiteral("ZrusitVyber2"), 0, [this] { ZrusitVyber2Click(); });
    PridejOddelovac(PopupMenu1, QStringLiteral("N9"));
    JeAktivni2 = PridejPolozku(PopupMenu1, QStringLiteral("JeAktivni2"), 0, [this] { JeAktivni2Click(); });
    JeNeaktivni2 = PridejPolozku(PopupMenu1, QStringLiteral("JeNeaktivni2"), 0, [this] { JeNeaktivni2Click(); });
    PridejOddelovac(PopupMenu1, QStringLiteral("N10"));
    Kopirovat2 = PridejPolozku(PopupMenu1, QStringLiteral("Kopirovat2"), zkratka::CtrlC, [this] { Kopirovat2Click(); });

    // Items of windows that are not there stay disabled, whatever enables
    // them (the menus' enabling, the end of a processing step).
    const std::pair<QAction*, TclenOkna> zavisle[] = {
        {Jednotky1, &TdalsiOkna::Form14},         {Analyza2, &TdalsiOkna::Form82},
        {ProtokolNastaveni1, &TdalsiOkna::Form83}, {Hledat1, &TdalsiOkna::Form61},
        {VyberDleAtributu1, &TdalsiOkna::Form61}, {PrvniEtapa1, &TdalsiOkna::Form66},
        {DruhaEtapa1, &TdalsiOkna::Form66},       {TransformaceEpocha1, &TdalsiOkna::Form66},
        {TransformaceEpocha2, &TdalsiOkna::Form66}, {UzivBody1, &TdalsiOkna::Form78},
        {TransformacniKlic1, &TdalsiOkna::Form77}, {Porovnat1, &TdalsiOkna::Form68},
        {Oprogramu1, &TdalsiOkna::Form21},
    };
    for (const auto& [polozka, clen] : zavisle) HlidejOknoPolozky(polozka, JeOknoVRegistru(DalsiOkna, clen));
}

int TForm65::PevnaSirka() const
{
    return PevnaSirkaOkna(*this, *Label_doplnek, *StringGrid3);
}

// ---------------------------------------------------------------- grid

void TForm65::PripojMrizku()
{
    PripojPopupMenu(StringGrid3, PopupMenu1);
    StringGrid3->OnDrawCell = [this](Platno& c, int sloupec, int radek, const QRect& bunka, TstavBunky stav) {
        if (!ExistujiGlobalniObjekty()) {
            KresliBeznouBunku(c, bunka);
            return;
        }
        KresliBunkuHlavni(c, *souradniceHlavni, vyberHlavni.hromadny, sloupec, radek, bunka,
                          StringGrid3->Cell(sloupec, radek), stav.aktualni);
        if (stav.fokus && sloupec == 0) ObnovStavVyberu();
    };
    PripojMrizkuSeznamu(
        StringGrid3, mys_, vyberHlavni, [] { return ExistujiGlobalniObjekty() ? souradniceHlavni : nullptr; },
        [this] { ObnovTabulku(); }, [this] { ObnovStavVyberu(); });
}

void TForm65::ObnovTabulku()
{
    if (!ExistujiGlobalniObjekty()) return;
    ObnovTabulkuSouradnic(StringGrid3, *souradniceHlavni, *nastaveni, TypTabulkySouradnic, vyberHlavni.hromadny);
    ObnovStavVyberu();
}

void TForm65::ObnovStavVyberu()
{
    if (!ExistujiGlobalniObjekty()) return;
    const int pary = souradniceHlavni->PocetPlnychBodu() / 2;
    const int aktivni = souradniceHlavni->PocetAktivBodu() / 2;
    ZobrazStavVyberuHlavni(*this, vyberHlavni, pary, aktivni);
}

void TForm65::Prekresli()
{
    if (!ExistujiGlobalniObjekty()) return;
    SpojitSouradnice(*souradniceHlavni, modelPorovnani->identickeBodyEtapa1, modelPorovnani->identickeBodyEtapa2);
    ZrusVyber(vyberHlavni.hromadny);
    vyberHlavni.aktualni = 0;
    mys_ = TvyberMysi();
    ObnovTabulku();
    StringGrid3->SetTopRow(0);
    StringGrid3->SetRow(0);
    ObnovTabulku();
}

// ---------------------------------------------------------------- window handlers

void TForm65::FormShow()
{
    if (!globalniVytvoreny_) {
        globalniVytvoreny_ = true;
        VytvoritGlobalniObjekty();
        Prostredi().nastaveni = nastaveni;
        Prostredi().jazyk = jazyk;
        Prostredi().chyby = chyby;
        Prostredi().textProtokolu = TextProtokoluGlobalni;
    }
    if (!ExistujiGlobalniObjekty()) return;
    mys_ = TvyberMysi();
    vyberHlavni.aktualni = 0;
    ZrusVyber(vyberHlavni.hromadny);
    NastavPopiskyHlavni(*this, *jazyk, *modelPorovnani);
    ObnovDostupnost();
    ObnovTabulku();
    StringGrid3->SetRow(1);
    StringGrid3->SetRow(0);
    NastavPevnouSirku(PevnaSirka(), 246);
    VycentrujOknoNaMonitor(this, this);
    ObnovTabulku();
}

void TForm65::FormResize()
{
    if (!isVisible()) return;
    ObnovTabulku();
}

void TForm65::FormCloseQuery(bool& muzeZavrit)
{
    if (!ExistujiGlobalniObjekty()) return;
    muzeZavrit = ZobrazPotvrzeni(jazyk->hlaseni.ukoncitProgram, jazyk->nadpis.varovani);
    if (!muzeZavrit) return;
    // The shared windows stop reading the objects before they go.
    Prostredi() = TprostrediOken();
    ZrusitGlobalniObjekty();
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::quit(); });
}

// ---------------------------------------------------------------- enabling

void TForm65::ObnovDostupnost()
{
    // Items that are always enabled follow only whether their window exists;
    // the others are disabled without it (their own rules enable them).
    const std::pair<QAction*, TclenOkna> vzdy[] = {
        {Jednotky1, &TdalsiOkna::Form14},   {Analyza2, &TdalsiOkna::Form82},
        {ProtokolNastaveni1, &TdalsiOkna::Form83}, {PrvniEtapa1, &TdalsiOkna::Form66},
        {DruhaEtapa1, &TdalsiOkna::Form66}, {UzivBody1, &TdalsiOkna::Form78},
        {TransformacniKlic1, &TdalsiOkna::Form77}, {Oprogramu1, &TdalsiOkna::Form21},
    };
    const bool zpracovani = Label_zpracovani != nullptr && !Label_zpracovani->isHidden();
    for (const auto& [a, c] : vzdy) a->setEnabled(JeOkno(c) && !zpracovani);
    const std::pair<QAction*, TclenOkna> podminene[] = {
        {Hledat1, &TdalsiOkna::Form61},       {VyberDleAtributu1, &TdalsiOkna::Form61},
        {TransformaceEpocha1, &TdalsiOkna::Form66}, {TransformaceEpocha2, &TdalsiOkna::Form66},
        {Porovnat1, &TdalsiOkna::Form68},
    };
    for (const auto& [a, c] : podminene)
        if (!JeOkno(c)) a->setEnabled(false);
}

void TForm65::PovolitMenu()
{
    if (!ExistujiGlobalniObjekty()) return;
    PovolitMenuHlavni(*this, *souradniceHlavni, vyberHlavni, *modelPorovnani);
    ObnovDostupnost();
}

void TForm65::PovolitPopup()
{
    if (!ExistujiGlobalniObjekty()) return;
    PovolitPopupHlavni(*this, *souradniceHlavni, vyberHlavni);
}

// ---------------------------------------------------------------- commands

void TForm65::ZobrazDalsi(const std::function<void()>& zobraz)
{
    if (!zobraz) return;
    zobraz();
    // What the window changed shows in the grid.
    ObnovTabulku();
}

void TForm65::ProjektOtevrit1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    const bool neco = modelPorovnani->etapa1.jePripojen || modelPorovnani->etapa2.jePripojen ||
                      souradniceUzivatelske->ExistujePlnyBod() || !JeUzivatelskyKlicNulovy(klicTransformace);
    if (neco && !ZobrazPotvrzeni(jazyk->hlaseni.oteritProjekt, jazyk->nadpis.varovani)) return;

    std::string soubor;
    if (!OtevritSouborProjekt(soubor, *nastaveni, *jazyk)) {
        // The dialog switched the processing label on when it closed.
        PrepniZpracovani(this);
        return;
    }
    // A report built for the epochs loaded so far is never shown for others.
    modelPorovnani->ClearProtokol();
    std::string duvod;
    const bool uspech =
        NacistProjektAnalyzy(soubor, *modelPorovnani, *souradniceUzivatelske, *nastaveni, klicTransformace, &duvod);
    if (uspech) {
        info->jeTransformaceEtapa1 = false;
        info->jeTransformaceEtapa2 = false;
        jazyk->Default(*nastaveni);
        NastavPopiskyHlavni(*this, *jazyk, *modelPorovnani);
        modelPorovnani->VyhledaniIdentickychBodu(*nastaveni);
        Prekresli();
    }
    // A failed open leaves the model, the list and the grid as they were.
    PrepniZpracovani(this);
    const std::string nadpis = jazyk->tlacitko.otevrit + " Sitmera Analyser " + jazyk->tlacitko.projekt;
    if (uspech) {
        const std::string etapa = MalaPismena(jazyk->tlacitko.etapa);
        const auto cislice = [](int i) {
            return i < static_cast<int>(jazyk->arabskeCislice.size()) ? jazyk->arabskeCislice[i]
                                                                        : std::to_string(i + 1);
        };
        const std::string text = jazyk->hlaseni.uspesneOtevrenProjekt + "\r\n(" + cislice(0) + ". " + etapa + ": " +
                                 std::to_string(modelPorovnani->etapa1.souradnice.PocetPlnychBodu()) + ", " +
                                 cislice(1) + ". " + etapa + ": " +
                                 std::to_string(modelPorovnani->etapa2.souradnice.PocetPlnychBodu()) + ")";
        ZobrazOznameni(text, nadpis);
    } else {
        ZobrazOznameni(TextSDuvodem(jazyk->hlaseni.chybaOtevritProjekt, duvod), nadpis);
    }
}

void TForm65::ProjektUlozitJako1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    std::string soubor;
    const bool vybran = UlozitSouborProjekt(soubor, *nastaveni, *jazyk);
    bool uspech = true;
    std::string duvod;
    if (vybran) {
        uspech = UlozitProjektAnalyzy(soubor, *modelPorovnani, *souradniceUzivatelske, *nastaveni, klicTransformace,
                                      &duvod);
        // The caption names the project now, or no project after a failure.
        NastavPopiskyHlavni(*this, *jazyk, *modelPorovnani);
    }
    // The dialog switched the processing label on when it closed.
    PrepniZpracovani(this);
    if (!uspech) {
        chyby->Oznameni(28, duvod);
        OznameniDleCisla();
    }
}

void TForm65::NastavJazyk(std::uint8_t typ)
{
    if (!ExistujiGlobalniObjekty()) return;
    if (nastaveni->typJazyk != typ) {
        // Reports are built again in the new language when next shown.
        modelPorovnani->ClearProtokol();
        modelPorovnaniTransformace->ClearProtokol();
        modelPosuny->protokol.Clear();
    }
    nastaveni->typJazyk = typ;
    jazyk->Default(*nastaveni);
    NastavPopiskyHlavni(*this, *jazyk, *modelPorovnani);
}

void TForm65::Cestina1Click()
{
    NastavJazyk(0);
}

void TForm65::Anglictina1Click()
{
    NastavJazyk(1);
}

void TForm65::Jednotky1Click()
{
    ZobrazDalsi(DalsiOkna().Form14);
}

void TForm65::Analyza2Click()
{
    ZobrazDalsi(DalsiOkna().Form82);
}

void TForm65::ProtokolNastaveni1Click()
{
    ZobrazDalsi(DalsiOkna().Form83);
}

void TForm65::Zavrit1Click()
{
    Close();
}

void TForm65::Hledat1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.atributyVyberu = 1;
    ZobrazDalsi(DalsiOkna().Form61);
}

void TForm65::VyberDleAtributu1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.atributyVyberu = 2;
    ZobrazDalsi(DalsiOkna().Form61);
}

void TForm65::HledatDalsi1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    HledejDalsiVTabulce(StringGrid3, *souradniceHlavni, atributHledaniHlavni, atributPracovni, *nastaveni, true, true);
}

void TForm65::HledatPredchozi1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    HledejDalsiVTabulce(StringGrid3, *souradniceHlavni, atributHledaniHlavni, atributPracovni, *nastaveni, false, true);
}

void TForm65::JeAktivni1Click()
{
    NastavAktivituVybranych(true);
}

void TForm65::JeNeaktivni1Click()
{
    NastavAktivituVybranych(false);
}

// Activates or deactivates the selected pairs and hands the flags to the
// loaded epochs; a change makes the comparison stale.
void TForm65::NastavAktivituVybranych(bool aktivni)
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    if (NastavAktivituDvojic(StringGrid3, vyberHlavni.hromadny, *souradniceHlavni, aktivni, *nastaveni)) {
        info->jeAnalyzaPosunu = false;
        modelPorovnani->PredatJeAktiv(*souradniceHlavni);
    }
    PrepniZpracovani(this);
    ObnovStavVyberu();
}

void TForm65::Kopirovat1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    KopirujSouradnice(*souradniceHlavni, *souradniceSchranka, *nastaveni, 1, vyberHlavni.hromadny);
    PrepniZpracovani(this);
}

void TForm65::Vybratvse1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    VyberVse(vyberHlavni.hromadny);
    OpravVyberSouradnic(vyberHlavni.hromadny, *souradniceHlavni);
    PrepniZpracovani(this);
    StringGrid3->Repaint();
    ObnovStavVyberu();
}

void TForm65::Zrusitvyber1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    ZrusVyber(vyberHlavni.hromadny);
    StringGrid3->Repaint();
    ObnovStavVyberu();
}

void TForm65::PrvniEtapa1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.etapa = 1;
    nastaveni->okno.etapaDruh = 1;
    etapaAktualni = &modelPorovnani->etapa1;
    ZobrazDalsi(DalsiOkna().Form66);
}

void TForm65::DruhaEtapa1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.etapa = 2;
    nastaveni->okno.etapaDruh = 1;
    etapaAktualni = &modelPorovnani->etapa2;
    ZobrazDalsi(DalsiOkna().Form66);
}

void TForm65::UzivBody1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.bodyVstup = 3;
    ZobrazDalsi(DalsiOkna().Form78);
}

void TForm65::TransformacniKlic1Click()
{
    ZobrazDalsi(DalsiOkna().Form77);
}

void TForm65::Oprogramu1Click()
{
    ZobrazDalsi(DalsiOkna().Form21);
}

void TForm65::TransformaceEpocha1Click()
{
    TransformaceEpochy(true);
}

void TForm65::TransformaceEpocha2Click()
{
    TransformaceEpochy(false);
}

void TForm65::TransformaceEpochy(bool prvni)
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.etapa = prvni ? 1 : 2;
    nastaveni->okno.etapaDruh = 2;
    etapaAktualni = prvni ? &modelPorovnaniTransformace->etapa1 : &modelPorovnaniTransformace->etapa2;
    bool& transformovana = prvni ? info->jeTransformaceEtapa1 : info->jeTransformaceEtapa2;
    if (transformovana) {
        ZobrazDalsi(DalsiOkna().Form66);
        return;
    }
    PrepniZpracovani(this);
    try {
        TransformujEpochu(prvni, transformovana);
    } catch (const TichePreruseni&) {
        OznameniDleCisla();
        SkryjZpracovani(this);
        if (transformovana) ZobrazDalsi(DalsiOkna().Form66);
        return;
    }
    SkryjZpracovani(this);
    if (transformovana) ZobrazDalsi(DalsiOkna().Form66);
}

void TForm65::Porovnat1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    try {
        for (const bool prvni : {true, false}) {
            bool& transformovana = prvni ? info->jeTransformaceEtapa1 : info->jeTransformaceEtapa2;
            if (!transformovana) TransformujEpochu(prvni, transformovana);
        }
        if (!info->jeAnalyzaPosunu) {
            modelPorovnaniTransformace->PredatJeAktiv(*souradniceHlavni);
            if (!modelPosuny->NacistBody(*modelPorovnaniTransformace) ||
                !modelPosuny->NacistNastaveni(*modelPorovnaniTransformace, *nastaveni) ||
                !modelPosuny->Porovnani(*modelPorovnaniTransformace)) {
                chyby->Oznameni(31);
                throw TichePreruseni();
            }
            info->jeAnalyzaPosunu = true;
        }
    } catch (const TichePreruseni&) {
        OznameniDleCisla();
        SkryjZpracovani(this);
        return;
    }
    SkryjZpracovani(this);
    if (info->jeAnalyzaPosunu) ZobrazDalsi(DalsiOkna().Form68);
}

// ---------------------------------------------------------------- program start

TForm65& Form65()
{
    return JedineOkno<TForm65>();
}

TForm65* HlavniOknoProgramu()
{
    return qobject_cast<TForm65*>(HlavniOkno());
}

void FokusHlavniTabulky()
{
    if (TForm65* hlavni = HlavniOknoProgramu()) hlavni->StringGrid3->setFocus();
}

namespace {

std::vector<QPointer<Formular>>& OknaProgramu()
{
    static std::vector<QPointer<Formular>> okna;
    return okna;
}

}  // namespace

std::vector<std::string> VytvoritOknaProgramu()
{
    QCoreApplication::setApplicationName(QStringLiteral("Sitmera Analyser"));
    // The program's windows in their order of creation; those that exist are
    // made (a window joins the list when its unit is built).
    using Tvytvor = Formular* (*)();
    const std::vector<std::pair<const char*, Tvytvor>> poradi = {
        {"Form65", [] { return static_cast<Formular*>(&Form65()); }},
        {"Form79", [] { return static_cast<Formular*>(&Form79()); }},
        {"Form84", [] { return static_cast<Formular*>(&Form84()); }},
        {"Form14", [] { return static_cast<Formular*>(&Form14()); }},
        {"Form55", [] { return static_cast<Formular*>(&Form55()); }},
        {"Form24", [] { return static_cast<Formular*>(&Form24()); }},
        {"Form21", [] { return static_cast<Formular*>(&Form21()); }},
        {"Form76", [] { return static_cast<Formular*>(&Form76()); }},
        {"Form70", [] { return static_cast<Formular*>(&Form70()); }},
        {"Form9", [] { return static_cast<Formular*>(&Form9()); }},
        {"Form8", [] { return static_cast<Formular*>(&Form8()); }},
        {"Form4", [] { return static_cast<Formular*>(&Form4()); }},
        {"Form3", [] { return static_cast<Formular*>(&Form3()); }},
        {"Form83", [] { return static_cast<Formular*>(&Form83()); }},
        {"Form36", [] { return static_cast<Formular*>(&Form36()); }},
        {"Form69", [] { return static_cast<Formular*>(&Form69()); }},
        {"Form75", [] { return static_cast<Formular*>(&Form75()); }},
        {"Form66", [] { return static_cast<Formular*>(&Form66()); }},
        {"Form78", [] { return static_cast<Formular*>(&Form78()); }},
        {"Form71", [] { return static_cast<Formular*>(&Form71()); }},
        {"Form81", [] { return static_cast<Formular*>(&Form81()); }},
        {"Form10", [] { return static_cast<Formular*>(&Form10()); }},
        {"Form68", [] { return static_cast<Formular*>(&Form68()); }},
        {"Form74", [] { return static_cast<Formular*>(&Form74()); }},
        {"Form72", [] { return static_cast<Formular*>(&Form72()); }},
        {"Form73", [] { return static_cast<Formular*>(&Form73()); }},
        {"Form80", [] { return static_cast<Formular*>(&Form80()); }},
        {"Form85", [] { return static_cast<Formular*>(&Form85()); }},
        {"Form77", [] { return static_cast<Formular*>(&Form77()); }},
        {"Form67", [] { return static_cast<Formular*>(&Form67()); }},
        {"Form61", [] { return static_cast<Formular*>(&Form61()); }},
        {"Form44", [] { return static_cast<Formular*>(&Form44()); }},
        {"Form82", [] { return static_cast<Formular*>(&Form82()); }},
    };
    std::vector<std::string> vytvorena;
    for (const auto& [jmeno, vytvor] : poradi) {
        if (vytvor == nullptr) continue;
        Formular* okno = vytvor();
        OknaProgramu().push_back(okno);
        vytvorena.push_back(jmeno);
    }
    PropojitOkna();
    return vytvorena;
}

void PropojitOkna()
{
    // The main window's commands.
    DalsiOkna().Form14 = [] { ZobrazModalne(Form14()); };
    DalsiOkna().Form82 = [] { ZobrazModalne(Form82()); };
    DalsiOkna().Form83 = [] { ZobrazModalne(Form83()); };
    DalsiOkna().Form66 = [] { ZobrazModalne(Form66()); };
    DalsiOkna().Form68 = [] { ZobrazModalne(Form68()); };
    DalsiOkna().Form61 = [] { ZobrazModalne(Form61()); };
    DalsiOkna().Form78 = [] { ZobrazModalne(Form78()); };
    DalsiOkna().Form77 = [] { ZobrazModalne(Form77()); };
    DalsiOkna().Form21 = [] { ZobrazModalne(Form21()); };
    // The epoch window's commands; the network graph is modeless.
    // The deviation and ellipsoid windows take the caption their opener gives.
    const auto sNadpisem = [](Formular& okno) {
        return [&okno](const std::string& nadpis) {
            okno.setWindowTitle(NaQString(nadpis));
            ZobrazModalne(okno);
        };
    };
    TdalsiOknaEtapy& etapa = DalsiOknaEtapy();
    etapa.Form67 = [] { ZobrazModalne(Form67()); };
    etapa.Form80 = [] { ZobrazModalne(Form80()); };
    etapa.Form36 = [] { ZobrazModalne(Form36()); };
    etapa.Form10 = sNadpisem(Form10());
    etapa.Form24 = sNadpisem(Form24());
    etapa.Form44 = [] { ZobrazNemodalne(Form44()); };
    etapa.Form44Zobrazeno = [] { return Form44().isVisible(); };
    etapa.Form44UpdateDat = [] { Form44().UpdateDat(); };
    etapa.Form44Zavrit = [] { Form44().Close(); };
    // The displacement window's commands: views, information, find and
    // select, the analyses between the epochs, the ellipsoids, the key
    // information; its graph is modeless and closes with it.
    TdalsiOknaPosuny& posuny = DalsiOknaPosuny();
    posuny.Form70 = [] { ZobrazModalne(Form70()); };
    posuny.Form71 = [](const std::string& nadpis) {
        Form71().nadpis = nadpis;
        ZobrazModalne(Form71());
    };
    posuny.Form76 = [] { ZobrazModalne(Form76()); };
    posuny.Form81 = [] { ZobrazModalne(Form81()); };
    posuny.Form74 = [] { ZobrazModalne(Form74()); };
    posuny.Form75 = [] { ZobrazModalne(Form75()); };
    posuny.Form24 = sNadpisem(Form24());
    posuny.Form80 = [] { ZobrazModalne(Form80()); };
    posuny.Form84 = [] { ZobrazNemodalne(Form84()); };
    posuny.Form84Zavrit = [] { Form84().Close(); };
}

void ZrusitOknaProgramu()
{
    auto& okna = OknaProgramu();
    for (auto it = okna.rbegin(); it != okna.rend(); ++it)
        if (!it->isNull()) delete it->data();
    okna.clear();
}

}  // namespace sitmera
