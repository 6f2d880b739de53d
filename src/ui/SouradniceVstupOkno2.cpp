#include "ui/SouradniceVstupOkno2.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QMenuBar>

#include "core/Chyby.h"
#include "points/SouradniceSoubor.h"
#include "points/UzivatelskeBody.h"
#include "program/Globalni.h"
#include "ui/JednaSouradniceOkno2.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/OtazkaOkno.h"
#include "ui/layer/OtevritOkno.h"
#include "ui/layer/UlozitOkno.h"
#include "ui/SouradniceMenu.h"
#include "ui/VyberSouradniceOkno.h"

namespace sitmera {

TForm78::TForm78(QWidget* rodic) : Formular(QStringLiteral("Form78"), rodic)
{
    VytvorMenu();
    VytvorOvladace();
    PripojMrizku();
    NastavPevnouSirku(PevnaSirka(), 246);
    resize(PevnaSirka(), 500);
}

void TForm78::VytvorMenu()
{
    MainMenu1 = VytvorHlavniMenu(*this);
    auto povolit = [this] { PovolitMenu(); };

    Hlavni1 = PridejMenu(MainMenu1, QStringLiteral("Hlavni1"), povolit);
    Pridat1 = PridejPolozku(Hlavni1, QStringLiteral("Pridat1"), 0, [this] { Pridat1Click(); });
    UlozitJako1 = PridejPolozku(Hlavni1, QStringLiteral("UlozitJako1"), 0, [this] { UlozitJako1Click(); });
    PridejOddelovac(Hlavni1, QStringLiteral("N1"));
    Zavrit1 = PridejPolozku(Hlavni1, QStringLiteral("Zavrit1"), 0, [this] { Zavrit1Click(); });

    Souadnice1 = PridejMenu(MainMenu1, QStringLiteral("Souadnice1"), povolit);
    Novy1 = PridejPolozku(Souadnice1, QStringLiteral("Novy1"), zkratka::Ins, [this] { Novy1Click(); });
    Upravit1 = PridejPolozku(Souadnice1, QStringLiteral("Upravit1"), zkratka::CtrlB, [this] { Upravit1Click(); });
    Smazat1 = PridejPolozku(Souadnice1, QStringLiteral("Smazat1"), zkratka::Del, [this] { Smazat1Click(); });
    PridejOddelovac(Souadnice1, QStringLiteral("N2"));
    Hledat1 = PridejPolozku(Souadnice1, QStringLiteral("Hledat1"), zkratka::CtrlF3, [this] { Hledat1Click(); });
    HledatDalsi1 = PridejPolozku(Souadnice1, QStringLiteral("HledatDalsi1"), zkratka::F3, [this] { HledatDalsi1Click(); });
    HledatPredchozi1 =
        PridejPolozku(Souadnice1, QStringLiteral("HledatPredchozi1"), zkratka::ShiftF3, [this] { HledatPredchozi1Click(); });
    HledatChybu1 = PridejPolozku(Souadnice1, QStringLiteral("HledatChybu1"), zkratka::F2, [this] { HledatChybu1Click(); });
    PridejOddelovac(Souadnice1, QStringLiteral("N3"));
    Posun1 = PridejPodmenu(Souadnice1, QStringLiteral("Posun1"));
    PosunNahoru1 = PridejPolozku(Posun1, QStringLiteral("PosunNahoru1"), zkratka::CtrlN, [this] { PosunNahoru1Click(); });
    PosunDolu1 = PridejPolozku(Posun1, QStringLiteral("PosunDolu1"), zkratka::CtrlM, [this] { PosunDolu1Click(); });
    Seradit1 = PridejPodmenu(Souadnice1, QStringLiteral("Seradit1"));
    SeraditDleCislo1 =
        PridejPolozku(Seradit1, QStringLiteral("SeraditDleCislo1"), 0, [this] { SeraditDleCislo1Click(); });
    SeraditDleX1 = PridejPolozku(Seradit1, QStringLiteral("SeraditDleX1"), 0, [this] { SeraditDleX1Click(); });
    SeraditDleY1 = PridejPolozku(Seradit1, QStringLiteral("SeraditDleY1"), 0, [this] { SeraditDleY1Click(); });
    SeraditDleZ1 = PridejPolozku(Seradit1, QStringLiteral("SeraditDleZ1"), 0, [this] { SeraditDleZ1Click(); });
    ProhoditXY1 = PridejPolozku(Souadnice1, QStringLiteral("ProhoditXY1"), 0, [this] { ProhoditXY1Click(); });
    PridejOddelovac(Souadnice1, QStringLiteral("N4"));
    Kopirovat1 = PridejPolozku(Souadnice1, QStringLiteral("Kopirovat1"), zkratka::CtrlC, [this] { Kopirovat1Click(); });
    Vyjmout1 = PridejPolozku(Souadnice1, QStringLiteral("Vyjmout1"), zkratka::CtrlX, [this] { Vyjmout1Click(); });
    Vlozit1 = PridejPolozku(Souadnice1, QStringLiteral("Vlozit1"), zkratka::CtrlV, [this] { Vlozit1Click(); });

    Vyber1 = PridejMenu(MainMenu1, QStringLiteral("Vyber1"), povolit);
    Vybratvse1 = PridejPolozku(Vyber1, QStringLiteral("Vybratvse1"), zkratka::CtrlA, [this] { Vybratvse1Click(); });
    Zrusitvyber1 = PridejPolozku(Vyber1, QStringLiteral("Zrusitvyber1"), zkratka::CtrlD, [this] { Zrusitvyber1Click(); });
    PridejOddelovac(Vyber1, QStringLiteral("N5"));
    VyberDleAtributu1 =
        PridejPolozku(Vyber1, QStringLiteral("VyberDleAtributu1"), 0, [this] { VyberDleAtributu1Click(); });

    // The popup twins run their main-menu items (the shortcut is the main
    // menu's; the popup shows it beside the caption).
    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"), [this] { PovolitPopup(); });
    const struct {
        QAction** polozka;
        const char* jmeno;
        int zkratka;
        void (TForm78::*prikaz)();
    } popup[] = {
        {&Novy2, "Novy2", zkratka::Ins, &TForm78::Novy1Click},
        {&Upravit2, "Upravit2", zkratka::CtrlB, &TForm78::Upravit1Click},
        {&Smazat2, "Smazat2", zkratka::Del, &TForm78::Smazat1Click},
        {&PosunNahoru2, "PosunNahoru2", zkratka::CtrlN, &TForm78::PosunNahoru1Click},
        {&PosunDolu2, "PosunDolu2", zkratka::CtrlM, &TForm78::PosunDolu1Click},
        {&Kopirovat2, "Kopirovat2", zkratka::CtrlC, &TForm78::Kopirovat1Click},
        {&Vyjmout2, "Vyjmout2", zkratka::CtrlX, &TForm78::Vyjmout1Click},
        {&Vlozit2, "Vlozit2", zkratka::CtrlV, &TForm78::Vlozit1Click},
    };
    for (const auto& p : popup) {
        const auto prikaz = p.prikaz;
        *p.polozka = PridejPolozku(PopupMenu1, QLatin1String(p.jmeno), p.zkratka, [this, prikaz] { (this->*prikaz)(); });
        if (p.polozka == &Smazat2 || p.polozka == &PosunDolu2) PridejOddelovac(PopupMenu1);
    }
}

void TForm78::VytvorOvladace()
{
    static_cast<TovladaceSouradnic&>(*this) = VytvorOvladaceSouradnic(*this, TypTabulkyVstup);
    // The status line begins with the duplicated positions and numbers.
    Label_duplikaty_souradnice = NovyLabel(Panel1, "Label_duplikaty_souradnice");
    Label_duplikaty_cislo = NovyLabel(Panel1, "Label_duplikaty_cislo");
    auto* dolni = qobject_cast<QBoxLayout*>(Panel1->layout());
    int pozice = 0;
    for (QLabel* l : {Label_duplikaty_souradnice, Label_duplikaty_cislo}) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumWidth(40);
        NastavTucne(l);
        dolni->insertWidget(pozice++, l);
    }
    Label_duplikaty_souradnice->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label_duplikaty_cislo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

int TForm78::PevnaSirka() const
{
    return PevnaSirkaOkna(*this, *Label_doplnek, *StringGrid3);
}

void TForm78::PripojMrizku()
{
    PripojPopupMenu(StringGrid3, PopupMenu1);
    StringGrid3->OnDrawCell = [this](Platno& c, int sloupec, int radek, const QRect& bunka, TstavBunky stav) {
        KresliBunkuVstup(c, souradniceVstup, vyberVstup.hromadny, sloupec, radek, bunka,
                         StringGrid3->Cell(sloupec, radek), stav.aktualni);
        if (stav.fokus && sloupec == 0) ObnovStav();
    };
    StringGrid3->OnDblClick = [this] { StringGrid3DblClick(); };
    PripojMrizkuSeznamu(
        StringGrid3, mys_, vyberVstup, [] { return ExistujiGlobalniObjekty() ? &souradniceVstup : nullptr; },
        [this] { ObnovTabulku(); }, [this] { ObnovStav(); });
}

void TForm78::ObnovTabulku()
{
    if (!ExistujiGlobalniObjekty()) return;
    ObnovTabulkuSouradnic(StringGrid3, souradniceVstup, *nastaveni, TypTabulkyVstup, vyberVstup.hromadny);
    ObnovStav();
}

void TForm78::ObnovStav()
{
    if (!ExistujiGlobalniObjekty()) return;
    ZobrazStavVstup(*this, *chyby, souradniceVstup, vyberVstup);
}

// ---------------------------------------------------------------- window handlers

void TForm78::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    VycentrujOkno(this, Otvirac());
    souradniceVstup.Clear();
    mys_ = TvyberMysi();
    vyberVstup.aktualni = 0;
    ZrusVyber(vyberVstup.hromadny);
    NastavPopiskyMenuVstup(*this, *jazyk);
    NastavZahlaviVstup(*this, *jazyk);
    NastavPopupVstup(*this, *jazyk);
    souradniceVstup.Kopiruj(*souradniceUzivatelske);
    KontrolaSouradnic(souradniceVstup, *chyby, true, *nastaveni);
    NastavPevnouSirku(PevnaSirka(), 246);
    StringGrid3->SetTopRow(0);
    ObnovTabulku();
    StringGrid3->SetRow(0);
}

void TForm78::FormClose()
{
    if (!ExistujiGlobalniObjekty()) return;
    // The working copy becomes the user points, however the window closes.
    souradniceVstup.SmazPrazdneZaznamy();
    souradniceVstup.ZrusFixaci();
    souradniceUzivatelske->Kopiruj(souradniceVstup);
    // The key's choices among the user points may point elsewhere now.
    NulujPoradiBod(klicTransformace, 2);
    PriraditSouradniceKlice(klicTransformace, modelPorovnani->etapa1.souradnice, modelPorovnani->etapa2.souradnice,
                            *souradniceUzivatelske);
    VypocetKlice(klicTransformace);
    info->jeTransformaceEtapa1 = false;
    info->jeTransformaceEtapa2 = false;
    souradniceVstup.Clear();
    ZrusVyber(vyberVstup.hromadny);
}

void TForm78::FormResize()
{
    if (!isVisible()) return;
    ObnovTabulku();
}

// ---------------------------------------------------------------- enabling

void TForm78::PovolitMenu()
{
    if (!ExistujiGlobalniObjekty()) return;
    PovolitMenuVstup(*this, souradniceVstup, *nastaveni, vyberVstup, *chyby);
}

void TForm78::PovolitPopup()
{
    if (!ExistujiGlobalniObjekty()) return;
    PovolitPopupVstup(*this, *nastaveni, vyberVstup);
}

// ---------------------------------------------------------------- commands

void TForm78::Operace(const std::function<void()>& prace)
{
    if (!ExistujiGlobalniObjekty()) return;
    PrepniZpracovani(this);
    prace();
    PrepniZpracovani(this);
    ObnovStav();
}

void TForm78::Pridat1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    const int fb = info->VratPocetSouboru(TypSouboruUzivatelske);
    const int ub = info->VratUspesneNactenychSouboru(TypSouboruUzivatelske);
    const int pb = souradniceVstup.PocetPlnychBodu();
    TStringList duvody;
    NacteniSouboru(souradniceVstup, *info, *nastaveni, *jazyk, OtevritSouboryDialog, &duvody);
    KontrolaSouradnic(souradniceVstup, *chyby, true, *nastaveni);
    ObnovTabulku();
    // The dialog showed the processing label when it closed.
    SkryjZpracovani(this);
    const int pridano = info->VratPocetSouboru(TypSouboruUzivatelske) - fb;
    if (pridano <= 0) return;
    const int uspesne = info->VratUspesneNactenychSouboru(TypSouboruUzivatelske) - ub;
    const int body = souradniceVstup.PocetPlnychBodu() - pb;
    protokolSouboru->zapsatPridatSoubor(info->VratSoubory(TypSouboruUzivatelske), pridano, *jazyk);
    const std::string pocty = jazyk->hlaseni.pridaneSoubory + std::to_string(uspesne) + "/" +
                              std::to_string(pridano) + " (" + jazyk->hlaseni.pocetBodu + std::to_string(body) + ")";
    // Under the counts, why the files that could not be read were not.
    OznameniProtokol(TextSDuvody(pocty, duvody), jazyk->nadpis.pridatBody);
}

void TForm78::UlozitJako1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    std::string duvod;
    const TvysledekUlozeni vysledek =
        UlozeniSouboru(souradniceVstup, *info, *nastaveni, *jazyk, UlozitSouborSouradnice, &duvod);
    SkryjZpracovani(this);
    // A point that cannot be written or a file that cannot be written: the
    // file on disk is left as it was, and the user is told (why the file
    // could not be written, under the notice).
    if (vysledek == TvysledekUlozeni::ChybnyBod || vysledek == TvysledekUlozeni::ChybaZapisu) {
        chyby->Oznameni(28, duvod);
        OznameniDleCisla();
    }
}

void TForm78::Zavrit1Click()
{
    Close();
}

void TForm78::UpravBod(std::uint8_t rezim)
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.souradniceVstup = rezim;
    ZobrazModalne(Form79());
    ObnovTabulku();
}

void TForm78::Novy1Click()
{
    UpravBod(1);
}

void TForm78::Upravit1Click()
{
    UpravBod(2);
}

void TForm78::StringGrid3DblClick()
{
    if (!ExistujiGlobalniObjekty()) return;
    OpravVyberSouradnic(vyberVstup.hromadny, souradniceVstup);
    UpravBod(JeNecoVybrano(vyberVstup.hromadny) ? 2 : 1);
    // The button went up while the editor was open: the grid is not
    // dragging a selection any more.
    StringGrid3->OmezKurzor(false);
}

void TForm78::Smazat1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    OpravVyberSouradnic(vyberVstup.hromadny, souradniceVstup);
    const int vybrano = PocetVybranych(vyberVstup.hromadny);
    if (!ZobrazPotvrzeni(jazyk->hlaseni.opravduSmazatBod + std::to_string(vybrano) + ")", jazyk->nadpis.varovani))
        return;
    Operace([this] { SmazVybraneBody(StringGrid3, vyberVstup.hromadny, souradniceVstup, *chyby, *nastaveni); });
}

void TForm78::Hledej(int atributyVyberu)
{
    if (!ExistujiGlobalniObjekty()) return;
    nastaveni->okno.atributyVyberu = static_cast<std::uint8_t>(atributyVyberu);
    ZobrazModalne(Form69());
    ObnovTabulku();
}

void TForm78::Hledat1Click()
{
    Hledej(1);
}

void TForm78::VyberDleAtributu1Click()
{
    Hledej(2);
}

void TForm78::HledatDalsi1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    HledejDalsiVTabulce(StringGrid3, souradniceVstup, atributHledani, atributPracovni, *nastaveni, true, false);
}

void TForm78::HledatPredchozi1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    HledejDalsiVTabulce(StringGrid3, souradniceVstup, atributHledani, atributPracovni, *nastaveni, false, false);
}

void TForm78::HledatChybu1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    // From the row after the current one to the end, then once from the
    // start; the current row is examined last.
    const int aktualni = StringGrid3->Row();
    int index = aktualni;
    const int posledni = static_cast<int>(souradniceVstup.bod.size()) - 1;
    if (!NajdiChybnyBod(souradniceVstup, index, aktualni, posledni)) NajdiChybnyBod(souradniceVstup, index, -1, aktualni);
    ZobrazRadek(StringGrid3, index, StringGrid3->RowCount());
}

void TForm78::PosunNahoru1Click()
{
    Operace([this] { PosunVybranyBod(StringGrid3, vyberVstup.hromadny, souradniceVstup, true, *nastaveni); });
}

void TForm78::PosunDolu1Click()
{
    Operace([this] { PosunVybranyBod(StringGrid3, vyberVstup.hromadny, souradniceVstup, false, *nastaveni); });
}

void TForm78::Serad(int velicina)
{
    Operace([this, velicina] { SeradSouradnice(StringGrid3, vyberVstup.hromadny, souradniceVstup, velicina, *nastaveni); });
}

void TForm78::SeraditDleCislo1Click()
{
    Serad(1);
}

void TForm78::SeraditDleX1Click()
{
    Serad(2);
}

void TForm78::SeraditDleY1Click()
{
    Serad(3);
}

void TForm78::SeraditDleZ1Click()
{
    Serad(4);
}

void TForm78::ProhoditXY1Click()
{
    Operace([this] { ZamenXYVybranych(StringGrid3, vyberVstup.hromadny, souradniceVstup, *nastaveni); });
}

void TForm78::Kopirovat1Click()
{
    Operace([] { KopirujSouradnice(souradniceVstup, *souradniceSchranka, *nastaveni, 1, vyberVstup.hromadny); });
}

void TForm78::Vyjmout1Click()
{
    Operace([this] {
        VyjmiSouradnice(StringGrid3, souradniceVstup, *souradniceSchranka, vyberVstup.hromadny, *chyby, *nastaveni);
    });
}

void TForm78::Vlozit1Click()
{
    Operace([this] {
        VlozSouradniceZeSchranky(StringGrid3, souradniceVstup, *souradniceSchranka, vyberVstup.hromadny, *chyby,
                                 *nastaveni);
    });
}

void TForm78::Vybratvse1Click()
{
    Operace([this] {
        VyberVse(vyberVstup.hromadny);
        OpravVyberSouradnic(vyberVstup.hromadny, souradniceVstup);
        StringGrid3->Repaint();
    });
}

void TForm78::Zrusitvyber1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    ZrusVyber(vyberVstup.hromadny);
    StringGrid3->Repaint();
    ObnovStav();
}

TForm78& Form78()
{
    return JedineOkno<TForm78>();
}

}  // namespace sitmera
