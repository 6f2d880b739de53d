#include "ui/displacements/PosunyMainOkno.h"

#include <QAction>
#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>

#include <utility>

#include "program/Globalni.h"
#include "reports/ProtokolPosuny.h"
#include "ui/displacements/PosunyMenu.h"
#include "ui/displacements/TabulkaPosuny.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/ProtokolOkno.h"

namespace sitmera {

TdalsiOknaPosuny& DalsiOknaPosuny()
{
    static TdalsiOknaPosuny okna;
    return okna;
}

// ---------------------------------------------------------------- construction

TForm68::TForm68(QWidget* rodic) : Formular(QStringLiteral("Form68"), rodic)
{
    VytvorMenu();
    VytvorOvladace();
    PripojMrizku();
    // The grid shows only whole columns: the width is fixed, the height free.
    NastavPevnouSirku(PevnaSirka(), 246);
    resize(PevnaSirka(), 600);
    ObnovPovoleni();
}

TForm68::~TForm68() = default;

void TForm68::VytvorMenu()
{
    MainMenu1 = VytvorHlavniMenu(*this);
    auto povolit = [this] { ObnovPovoleni(); };
    auto polozka = [](QMenu* m, const char* jmeno, int zkratka, std::function<void()> prikaz) {
        return PridejPolozku(m, QLatin1String(jmeno), zkratka, std::move(prikaz));
    };

    Hlavni1 = PridejMenu(MainMenu1, QStringLiteral("Hlavni1"), povolit);
    Informace1 = PridejPodmenu(Hlavni1, QStringLiteral("Informace1"));
    InfoAnalyza1 = polozka(Informace1, "InfoAnalyza1", 0, [this] { InfoAnalyza1Click(); });
    InfoKlic1 = polozka(Informace1, "InfoKlic1", 0, [this] { InfoKlic1Click(); });
    Kresba1 = polozka(Hlavni1, "Kresba1", 0, [this] { Kresba1Click(); });
    Protokol1 = polozka(Hlavni1, "Protokol1", 0, [this] { Protokol1Click(); });
    PridejOddelovac(Hlavni1, QStringLiteral("N1"));
    Zavrit1 = polozka(Hlavni1, "Zavrit1", 0, [this] { Zavrit1Click(); });

    Posuny1 = PridejMenu(MainMenu1, QStringLiteral("Posuny1"), povolit);
    Hledat1 = polozka(Posuny1, "Hledat1", zkratka::CtrlF3, [this] { Hledat1Click(); });
    HledatDalsi1 = polozka(Posuny1, "HledatDalsi1", zkratka::F3, [this] { HledatDalsi1Click(); });
    HledatPredchozi1 = polozka(Posuny1, "HledatPredchozi1", zkratka::ShiftF3, [this] { HledatPredchozi1Click(); });
    PridejOddelovac(Posuny1, QStringLiteral("N2"));
    HledatVyznamneAprior2 = polozka(Posuny1, "HledatVyznamneAprior2", zkratka::F4, [this] { HledatVyznamneAprior2Click(); });
    HledatVyznamneAposter2 =
        polozka(Posuny1, "HledatVyznamneAposter2", zkratka::F5, [this] { HledatVyznamneAposter2Click(); });
    PridejOddelovac(Posuny1, QStringLiteral("N3"));
    Seradit1 = PridejPodmenu(Posuny1, QStringLiteral("Seradit1"));
    SeraditDleCislo1 = polozka(Seradit1, "SeraditDleCislo1", 0, [this] { SeraditDleCislo1Click(); });
    SeraditDleX1 = polozka(Seradit1, "SeraditDleX1", 0, [this] { SeraditDleX1Click(); });
    SeraditDleY1 = polozka(Seradit1, "SeraditDleY1", 0, [this] { SeraditDleY1Click(); });
    SeraditDleZ1 = polozka(Seradit1, "SeraditDleZ1", 0, [this] { SeraditDleZ1Click(); });
    SeraditDleDelkaH1 = polozka(Seradit1, "SeraditDleDelkaH1", 0, [this] { SeraditDleDelkaH1Click(); });
    SeraditDleDelkaS1 = polozka(Seradit1, "SeraditDleDelkaS1", 0, [this] { SeraditDleDelkaS1Click(); });
    PridejOddelovac(Posuny1, QStringLiteral("N4"));
    Kopirovat2 = polozka(Posuny1, "Kopirovat2", zkratka::CtrlC, [this] { Kopirovat2Click(); });

    Vyber1 = PridejMenu(MainMenu1, QStringLiteral("Vyber1"), povolit);
    OznacitVse2 = polozka(Vyber1, "OznacitVse2", zkratka::CtrlA, [this] { OznacitVse2Click(); });
    OdznacitVse2 = polozka(Vyber1, "OdznacitVse2", zkratka::CtrlD, [this] { OdznacitVse2Click(); });
    PridejOddelovac(Vyber1, QStringLiteral("N5"));
    OznacitVyznamneAprior2 = polozka(Vyber1, "OznacitVyznamneAprior2", zkratka::F6, [this] { OznacitVyznamneAprior2Click(); });
    OznacitVyznamneAposter2 =
        polozka(Vyber1, "OznacitVyznamneAposter2", zkratka::F7, [this] { OznacitVyznamneAposter2Click(); });
    PridejOddelovac(Vyber1, QStringLiteral("N6"));
    VyberDleAtributu1 = polozka(Vyber1, "VyberDleAtributu1", 0, [this] { VyberDleAtributu1Click(); });

    Projekce1 = PridejMenu(MainMenu1, QStringLiteral("Projekce1"), povolit);
    Ortogonalni1 = polozka(Projekce1, "Ortogonalni1", 0, [this] { Ortogonalni1Click(); });
    Semipolarni1 = polozka(Projekce1, "Semipolarni1", 0, [this] { Semipolarni1Click(); });
    Polarni1 = polozka(Projekce1, "Polarni1", 0, [this] { Polarni1Click(); });

    Presnost1 = PridejMenu(MainMenu1, QStringLiteral("Presnost1"), povolit);
    OdchylkyAprior1 = polozka(Presnost1, "OdchylkyAprior1", 0, [this] { OdchylkyAprior1Click(); });
    OdchylkyAposterior1 = polozka(Presnost1, "OdchylkyAposterior1", 0, [this] { OdchylkyAposterior1Click(); });
    PridejOddelovac(Presnost1, QStringLiteral("N7"));
    ElipsoidAprior1 = polozka(Presnost1, "ElipsoidAprior1", 0, [this] { ElipsoidAprior1Click(); });
    ElipsoidAposterior1 = polozka(Presnost1, "ElipsoidAposterior1", 0, [this] { ElipsoidAposterior1Click(); });

    Hodnoceni1 = PridejMenu(MainMenu1, QStringLiteral("Hodnoceni1"), povolit);
    PresnostAprior1 = PridejPodmenu(Hodnoceni1, QStringLiteral("PresnostAprior1"));
    PresnostAposterior1 = PridejPodmenu(Hodnoceni1, QStringLiteral("PresnostAposterior1"));
    const std::pair<QAction**, const char*> hodnoceni[2][5] = {
        {{&SouradniceX1, "SouradniceX1"}, {&SouradniceY1, "SouradniceY1"}, {&SouradniceZ1, "SouradniceZ1"},
         {&DelkaH1, "DelkaH1"}, {&DelkaS1, "DelkaS1"}},
        {{&SouradniceX2, "SouradniceX2"}, {&SouradniceY2, "SouradniceY2"}, {&SouradniceZ2, "SouradniceZ2"},
         {&DelkaH2, "DelkaH2"}, {&DelkaS2, "DelkaS2"}},
    };
    for (int p = 0; p < 2; ++p)
        for (int k = 0; k < 5; ++k) {
            const bool aprior = p == 0;
            *hodnoceni[p][k].first = polozka(aprior ? PresnostAprior1 : PresnostAposterior1, hodnoceni[p][k].second,
                                             0, [this, k, aprior] { HodnoceniClick(k, aprior); });
        }

    Analyza1 = PridejMenu(MainMenu1, QStringLiteral("Analyza1"), povolit);
    AnalyzaDelky1 = polozka(Analyza1, "AnalyzaDelky1", 0, [this] { AnalyzaDelky1Click(); });
    AnalyzaUhly1 = polozka(Analyza1, "AnalyzaUhly1", 0, [this] { AnalyzaUhly1Click(); });

    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"), povolit);
    OznacitVse1 = polozka(PopupMenu1, "OznacitVse1", zkratka::CtrlA, [this] { OznacitVse1Click(); });
    OdznacitVse1 = polozka(PopupMenu1, "OdznacitVse1", zkratka::CtrlD, [this] { OdznacitVse1Click(); });
    PridejOddelovac(PopupMenu1, QStringLiteral("N8"));
    HledatVyznamneAprior1 = polozka(PopupMenu1, "HledatVyznamneAprior1", zkratka::F4, [this] { HledatVyznamneAprior1Click(); });
    HledatVyznamneAposter1 =
        polozka(PopupMenu1, "HledatVyznamneAposter1", zkratka::F5, [this] { HledatVyznamneAposter1Click(); });
    PridejOddelovac(PopupMenu1, QStringLiteral("N9"));
    OznacitVyznamneAprior1 =
        polozka(PopupMenu1, "OznacitVyznamneAprior1", zkratka::F6, [this] { OznacitVyznamneAprior1Click(); });
    OznacitVyznamneAposter1 =
        polozka(PopupMenu1, "OznacitVyznamneAposter1", zkratka::F7, [this] { OznacitVyznamneAposter1Click(); });
    PridejOddelovac(PopupMenu1, QStringLiteral("N10"));
    Kopirovat1 = polozka(PopupMenu1, "Kopirovat1", zkratka::CtrlC, [this] { Kopirovat1Click(); });

    // Commands of windows that are not there stay disabled, whatever enables
    // them (the menus' enabling, the end of a processing step).
    const auto je = [](auto TdalsiOknaPosuny::*clen) { return JeOknoVRegistru(DalsiOknaPosuny, clen); };
    const auto zkracene = je(&TdalsiOknaPosuny::Form70);
    zavisle_ = {
        {InfoAnalyza1, je(&TdalsiOknaPosuny::Form76)},     {InfoKlic1, je(&TdalsiOknaPosuny::Form80)},
        {Kresba1, je(&TdalsiOknaPosuny::Form84)},          {Hledat1, je(&TdalsiOknaPosuny::Form81)},
        {VyberDleAtributu1, je(&TdalsiOknaPosuny::Form81)}, {OdchylkyAprior1, je(&TdalsiOknaPosuny::Form71)},
        {OdchylkyAposterior1, je(&TdalsiOknaPosuny::Form71)}, {ElipsoidAprior1, je(&TdalsiOknaPosuny::Form24)},
        {ElipsoidAposterior1, je(&TdalsiOknaPosuny::Form24)}, {AnalyzaDelky1, je(&TdalsiOknaPosuny::Form74)},
        {AnalyzaUhly1, je(&TdalsiOknaPosuny::Form75)},
    };
    for (QAction* a : {Ortogonalni1, Semipolarni1, Polarni1, SouradniceX1, SouradniceY1, SouradniceZ1, DelkaH1,
                       DelkaS1, SouradniceX2, SouradniceY2, SouradniceZ2, DelkaH2, DelkaS2})
        zavisle_.emplace_back(a, zkracene);
    for (const auto& [polozka, okno] : zavisle_) HlidejOknoPolozky(polozka, okno);
}

void TForm68::VytvorOvladace()
{
    ovladace_ = VytvorOvladacePosunu(*this, 5, true);
    const TovladacePosunu& o = ovladace_;
    Panel2 = o.Panel2;
    Label_BOD = o.Label_BOD;
    Label_bod_cislo = o.Label_bod_cislo;
    Label_SRD = o.Label_SRD;
    Label_srd_X = o.hlavicky[0];
    Label_srd_Y = o.hlavicky[1];
    Label_srd_Z = o.hlavicky[2];
    Label_srd_delkaH = o.hlavicky[3];
    Label_srd_delkaS = o.hlavicky[4];
    Label_srd_X_jdn = o.jednotky[0];
    Label_srd_Y_jdn = o.jednotky[1];
    Label_srd_Z_jdn = o.jednotky[2];
    Label_srd_delkaH_jdn = o.jednotky[3];
    Label_srd_delkaS_jdn = o.jednotky[4];
    Label_doplnek = o.Label_doplnek;
    StringGrid3 = o.StringGrid3;
    Panel1 = o.Panel1;
    Label_vyber = o.Label_vyber;
    Label_zpracovani = o.Label_zpracovani;
    Label1 = o.pocty[0];
    Label2 = o.pocty[1];
    Label3 = o.pocty[2];
    Label4 = o.pocty[3];
    Label5 = o.pocty[4];
}

int TForm68::PevnaSirka() const
{
    return PevnaSirkaOkna(*this, *Label_doplnek, *StringGrid3);
}

// ---------------------------------------------------------------- grid

void TForm68::PripojMrizku()
{
    PripojPopupMenu(StringGrid3, PopupMenu1);
    StringGrid3->OnDrawCell = [this](Platno& c, int sloupec, int radek, const QRect& bunka, TstavBunky stav) {
        if (!ExistujiGlobalniObjekty()) {
            KresliBeznouBunku(c, bunka);
            return;
        }
        KresliBunkuPosunu(c, modelPosuny->posuny, vyber, *nastaveni, sloupec, radek, bunka,
                          StringGrid3->Cell(sloupec, radek), stav.aktualni);
    };
    StringGrid3->OnTopLeftChanged = [this] { ObnovTabulku(); };
    TvyberTabulky gesta;
    gesta.vyber = [this] { return ExistujiGlobalniObjekty() ? &vyber : nullptr; };
    gesta.oprav = [](TboolVector& v) { ZrusVyberPrazdnych(v, modelPosuny->posuny); };
    gesta.poZmene = [this] { ZmenaVyberu(); };
    PripojVyberTabulky(StringGrid3, mys_, gesta);
}

void TForm68::ObnovTabulku()
{
    if (!ExistujiGlobalniObjekty()) return;
    ObnovTabulkuPosunu(StringGrid3, modelPosuny->posuny, *nastaveni, 1, vyber);
}

void TForm68::ZmenaVyberu()
{
    StringGrid3->Repaint();
    ObnovPovoleni();
}

void TForm68::ObnovPovoleni()
{
    if (!Label_zpracovani->isHidden()) return;  // a processing step has locked the menus
    for (const auto& [polozka, okno] : zavisle_) polozka->setEnabled(okno());
    if (!ExistujiGlobalniObjekty()) return;
    PovolitMenuPosuny(*this, *modelPosuny, vyber);
    PovolitPopupPosuny(*this, *modelPosuny, vyber);
}

// ---------------------------------------------------------------- window handlers

void TForm68::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    VycentrujOkno(this, Otvirac());
    ZrusVyber(vyber);
    mys_ = TvyberMysi();
    NastavPopiskyPosunyHlavni(*this, *jazyk);
    ObnovTabulku();
    StringGrid3->SetRow(1);
    StringGrid3->SetRow(0);
    NastavPevnouSirku(PevnaSirka(), 246);
    // The first resize comes before the window is visible: the last labels
    // are stretched here as well.
    RoztahniOvladacePosunu(ovladace_);
    PouzijPopisky(*this, PopiskyPoctuPosunu(*modelPosuny, *nastaveni));
    ObnovTabulku();
    ObnovPovoleni();
}

void TForm68::FormResize()
{
    if (!isVisible()) return;
    ObnovTabulku();
    RoztahniOvladacePosunu(ovladace_);
}

void TForm68::FormClose()
{
    // The displacement graph belongs to this window.
    if (DalsiOknaPosuny().Form84Zavrit) DalsiOknaPosuny().Form84Zavrit();
}

// ---------------------------------------------------------------- commands

void TForm68::ZobrazDalsi(const std::function<void()>& zobraz)
{
    if (!zobraz) return;
    zobraz();
    // What the window changed (the current row, the selection) shows.
    ObnovTabulku();
    ObnovPovoleni();
}

void TForm68::ZobrazZkracene(int rezim)
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.posunyZkracene = static_cast<std::uint8_t>(rezim);
    ZobrazDalsi(DalsiOknaPosuny().Form70);
}

void TForm68::ZobrazPlne(int typ)
{
    if (!ExistujiGlobalniObjekty() || !DalsiOknaPosuny().Form71) return;
    nastaveni->okno.posunyPlne = static_cast<std::uint8_t>(typ);
    const std::string nadpis =
        typ == 1 ? jazyk->nadpis.smerOdchylkyApriorPosuny : jazyk->nadpis.smerOdchylkyAposteriorPosuny;
    ZobrazDalsi([nadpis] { DalsiOknaPosuny().Form71(nadpis); });
}

void TForm68::ZobrazElipsoidy(int rezim)
{
    if (!ExistujiGlobalniObjekty() || !DalsiOknaPosuny().Form24) return;
    nastaveni->okno.elipsoidChyb = static_cast<std::uint8_t>(rezim);
    const std::string nadpis =
        rezim == 5 ? jazyk->nadpis.elipsoidApriorPosuny : jazyk->nadpis.elipsoidAposteriorPosuny;
    ZobrazDalsi([nadpis] { DalsiOknaPosuny().Form24(nadpis); });
}

void TForm68::InfoAnalyza1Click()
{
    ZobrazDalsi(DalsiOknaPosuny().Form76);
}

void TForm68::InfoKlic1Click()
{
    ZobrazDalsi(DalsiOknaPosuny().Form80);
}

void TForm68::Kresba1Click()
{
    // Modeless: this window stays usable beside the graph.
    if (DalsiOknaPosuny().Form84) DalsiOknaPosuny().Form84();
}

void TForm68::AnalyzaDelky1Click()
{
    ZobrazDalsi(DalsiOknaPosuny().Form74);
}

void TForm68::AnalyzaUhly1Click()
{
    ZobrazDalsi(DalsiOknaPosuny().Form75);
}

void TForm68::Hledat1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.atributyVyberu = 1;
    ZobrazDalsi(DalsiOknaPosuny().Form81);
}

void TForm68::VyberDleAtributu1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.atributyVyberu = 2;
    ZobrazDalsi(DalsiOknaPosuny().Form81);
}

void TForm68::Protokol1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    if (!ProtokolPosunu(*modelPosuny, *modelPorovnani, klicTransformace, *nastaveni, *jazyk)) {
        PrepniZpracovani(this);
        chyby->Oznameni(26);
        OznameniDleCisla();
        ObnovPovoleni();
        return;
    }
    nastaveni->okno.protokol = 3;
    // The viewer switches this window's processing label off when it shows.
    ZobrazModalne(Form55());
    ObnovPovoleni();
}

void TForm68::Zavrit1Click()
{
    Close();
}

void TForm68::HledatDalsi1Click()
{
    HledejDleAtributu(true);
}

void TForm68::HledatPredchozi1Click()
{
    HledejDleAtributu(false);
}

// Find by the stored find criteria from the current row, up to the last
// compared point or down to the first; no wrap-around.
void TForm68::HledejDleAtributu(bool dopredu)
{
    if (!ExistujiGlobalniObjekty()) return;
    posunPracovni = posunHledani;
    if (!JePosunOznacen(posunPracovni)) return;
    const int aktualni = StringGrid3->Row();
    const int mez = dopredu ? modelPosuny->pocet - 1 : 0;
    // From an empty row below the compared points nothing lies ahead.
    if (dopredu && mez < aktualni) return;
    int index = aktualni;
    if (HledejPosunDleAtributu(modelPosuny->posuny, posunPracovni, index, *nastaveni, mez, aktualni))
        ZobrazRadek(StringGrid3, index, StringGrid3->RowCount());
}

// The next displacement significant in X, Y or Z after the current row, the
// search wrapping once to the start (the current row examined last).
void TForm68::HledejVyznamny(bool aprior)
{
    if (!ExistujiGlobalniObjekty()) return;
    const Tposuny& posuny = modelPosuny->posuny;
    const int aktualni = StringGrid3->Row();
    int index = aktualni;
    if (HledejVyznamnyPosun(posuny, index, aktualni, aprior, 5, modelPosuny->pocet - 1) ||
        HledejVyznamnyPosun(posuny, index, -1, aprior, 5, aktualni))
        ZobrazRadek(StringGrid3, index, StringGrid3->RowCount());
}

void TForm68::OznacVyznamne(bool aprior)
{
    if (!ExistujiGlobalniObjekty()) return;
    OznacVyznamnePosuny(vyber, modelPosuny->posuny, 5, aprior);
    ZmenaVyberu();
}

void TForm68::OznacitVse2Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    VyberVse(vyber);
    ZrusVyberPrazdnych(vyber, modelPosuny->posuny);
    PrepniZpracovani(this);
    ZmenaVyberu();
}

void TForm68::OdznacitVse2Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    ZrusVyber(vyber);
    StringGrid3->Repaint();
    PrepniZpracovani(this);
    ObnovPovoleni();
}

void TForm68::Kopirovat2Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    KopirujTabulkuPosunu(modelPosuny->posuny, *nastaveni, vyber, 1);
    PrepniZpracovani(this);
    ObnovPovoleni();
}

// A sort reorders the model's list: the report written in the old order and
// the analyses' point choice (indexes into the list) no longer hold.
void TForm68::Serad(int velicina)
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    SeradPosuny(StringGrid3, vyber, modelPosuny->posuny, velicina, *nastaveni);
    modelPosuny->analyzaDelka.DefaultPoradi();
    modelPosuny->analyzaUhel.DefaultPoradi();
    modelPosuny->protokol.Clear();
    PrepniZpracovani(this);
    ObnovPovoleni();
}

// ---------------------------------------------------------------- the window

TForm68& Form68()
{
    return JedineOkno<TForm68>();
}

TForm68* OknoPosunu(Formular* okno)
{
    return qobject_cast<TForm68*>(okno);
}

void FokusTabulkyPosunu(Formular* okno)
{
    if (TForm68* o = OknoPosunu(okno)) o->StringGrid3->setFocus();
}

}  // namespace sitmera
