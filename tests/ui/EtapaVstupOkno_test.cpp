// The epoch window, opened as the main window opens it: captions and kinds,
// attach (success, cancel, failure, an empty epoch), detach, enabling, the
// result commands, the report and the grid's keys.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include <map>

#include "analysis/Etapa.h"
#include "program/Globalni.h"
#include "ui/EtapaMenu.h"
#include "ui/EtapaVstupOkno.h"
#include "ui/Galerie.h"
#include "ui/ProgramTest.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OtevritOkno.h"
#include "ui/layer/ProtokolOkno.h"
#include "ui/graf_win.h"

namespace sitmera {
namespace {

using test::kDataHlavni;
using test::StiskniKlavesu;
const std::string kDataEtapy = std::string(SITMERA_TEST_DATA) + "/epochs/";

Tjazyk& J() { return *sitmera::jazyk; }
Tnastaveni& N() { return *sitmera::nastaveni; }

std::string Text(QWidget& okno, const char* jmeno)
{
    if (jmeno[0] == '\0') return NaUtf8(okno.windowTitle());
    if (auto* m = okno.findChild<QMenu*>(QLatin1String(jmeno))) return NaUtf8(m->title());
    if (auto* a = okno.findChild<QAction*>(QLatin1String(jmeno))) return NaUtf8(a->text().section(QLatin1Char('\t'), 0, 0));
    return NaUtf8(okno.findChild<QLabel*>(QLatin1String(jmeno))->text());
}

class EtapaOknoTest : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        DalsiOknaEtapy() = TdalsiOknaEtapy();
        DalsiOkna().Form66 = [] { ZobrazModalne(Form66()); };
    }
    void TearDown() override
    {
        DalsiOknaEtapy() = TdalsiOknaEtapy();
        ProgramTest::TearDown();
    }

    // Opens the epoch window by the main window's command and works in it.
    void VOkne(void (TForm65::*prikaz)(), std::function<void(TForm66&)> prace)
    {
        Obsluz("Form66", [prace = std::move(prace)](Formular& f) { prace(static_cast<TForm66&>(f)); });
        (okno.get()->*prikaz)();
    }

    // Attaches a file through the open dialog (an empty name cancels it);
    // a notice, when one is expected, is recorded. roura: the chosen file
    // becomes a pipe before it is read.
    void Pripoj(TForm66& f, const std::string& soubor, bool oznameni = true, bool roura = false)
    {
        Obsluz("Form8", [soubor, roura](Formular& d) {
            auto& o = static_cast<TForm8&>(d);
            if (soubor.empty()) return o.Button2->click();
            o.NastavSlozku(soubor.substr(0, soubor.rfind('/')));
            for (int i = 0; i < o.FileListBox1->count(); ++i)
                o.FileListBox1->item(i)->setSelected(NaUtf8(o.FileListBox1->item(i)->text()) ==
                                                     soubor.substr(soubor.rfind('/') + 1));
            EXPECT_TRUE(!roura || test::NahradRouru(soubor));
            o.Button1->click();
        });
        if (oznameni)
            Obsluz("Form3", [this](Formular& d) {
                zprava = NaUtf8(static_cast<TForm3&>(d).Label1->text());
                nadpis = NaUtf8(d.windowTitle());
            });
        EXPECT_TRUE(VyvolejPolozku(f.Pripojit1));
    }

    // A network graph that records what the epoch window asks of it.
    void Kresba()
    {
        auto& o = DalsiOknaEtapy();
        o.Form44 = [this] { kresba = true; };
        o.Form44Zobrazeno = [this] { return kresba; };
        o.Form44UpdateDat = [this] { ++aktualizace; };
        o.Form44Zavrit = [this] { kresba = false; };
    }

    // Key choices in both epochs' columns and both transformed epochs valid.
    void StavKlice()
    {
        klicTransformace.poradiBod[0][0] = 1;
        klicTransformace.poradiBod[0][1] = 2;
        info->jeTransformaceEtapa1 = info->jeTransformaceEtapa2 = true;
    }

    std::string zprava, nadpis;
    bool kresba = false;
    int aktualizace = 0;
};

// Every menu and popup caption of the epoch window: name, Czech, English.
const std::vector<std::array<const char*, 3>> kNabidkyEtapy = {
    {"Hlavni1", "Hlavní", "Main"}, {"Pripojit1", "Připojit ...", "Connect ..."}, {"Odpojit1", "Odpojit", "Disconnect"},
    {"Zavrit1", "Ukončit", "Close"}, {"Sit1", "Síť", "Network"}, {"Informace1", "Informace", "Information"},
    {"Informace2", "Informace", "Information"}, {"InfoSit1", "Vyrovnání sítě", "Network adjustment"},
    {"InfoKlic1", "Transformační klíč", "Transformation key"}, {"Kresba1", "Kresba", "Drawing"},
    {"Protokol1", "Protokol", "Protocol"}, {"Souradnice1", "Souřadnice", "Coordinates"},
    {"OdchylkyAprior1", "Apriorní směrodatné odchylky", "A priori standard deviations"},
    {"OdchylkyAposterior1", "Aposteriorní směrodatné odchylky", "A posteriori standard deviations"},
    {"ElipsoidAprior1", "Apriorní elipsoidy chyb", "A priori error ellipsoids"},
    {"ElipsoidAposterior1", "Aposteriorní elipsoidy chyb", "A posteriori error ellipsoids"},
    {"KovariancniMatice1", "Kovarianční matice", "Covariance matrix"},
    {"Analyza1", "Vnitřní analýza", "Internal analysis"}, {"AnalyzaDelky1", "Délkové veličiny", "Length variables"},
    {"AnalyzaUhly1", "Úhlové veličiny", "Angular variables"}, {"OznacitVse1", "Vybrat vše", "Select all"},
    {"OdznacitVse1", "Zrušit výběr", "Clear selection"}, {"Kopirovat2", "Kopírovat", "Copy"},
};

TEST_F(EtapaOknoTest, CaptionsTextsAndTheTwoKindsInBothLanguages)
{
    NactiEtapy();
    for (std::uint8_t typ : {1, 0}) {
        N().typJazyk = typ;
        J().Default(N());
        const std::string j = typ == 0 ? "_cz" : "_en";
        VOkne(&TForm65::PrvniEtapa1Click, [&](TForm66& f) {
            EXPECT_EQ(Text(f, ""), typ == 1 ? "1. epoch [etapa1.epc]" : "1. etapa [etapa1.epc]");
            for (const auto& [jmeno, text] : PopiskyEtapa(J())) EXPECT_EQ(Text(f, jmeno.c_str()), text) << jmeno;
            EXPECT_EQ(test::PopiskyNabidek(f), test::TextyJazyka(kNabidkyEtapy, typ));
            for (const auto& [jmeno, text] : PopiskyEtapaTabulka(J())) EXPECT_EQ(Text(f, jmeno.c_str()), text);
            EXPECT_TRUE(f.Pripojit1->isVisible() && f.Odpojit1->isVisible() && f.Informace1->isVisible());
            EXPECT_FALSE(f.Informace2->menuAction()->isVisible());
            EXPECT_EQ(f.StringGrid3->Cell(0, 0), "101");
            EXPECT_EQ(f.StringGrid3->Cell(1, 0), "1000.1235");
            EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 0 / 3 (2, 1)");
            EXPECT_EQ(f.minimumWidth(), f.maximumWidth());
            EXPECT_EQ(f.minimumHeight(), 246);
            f.layout()->activate();  // the menu bar takes its new captions' height
            test::UlozDoGalerie(f, "Form66_1" + j);
        });
        // The transformed second epoch (the identity key).
        VOkne(&TForm65::TransformaceEpocha2Click, [&](TForm66& f) {
            EXPECT_EQ(Text(f, ""), typ == 1 ? "2. epoch (transformed) [etapa2.epc]"
                                            : "2. etapa (transformovaná) [etapa2.epc]");
            EXPECT_FALSE(f.Pripojit1->isVisible() || f.Odpojit1->isVisible() || f.Informace1->isVisible());
            EXPECT_TRUE(f.Informace2->menuAction()->isVisible());
            EXPECT_EQ(etapaAktualni, &modelPorovnaniTransformace->etapa2);
            f.layout()->activate();
            test::UlozDoGalerie(f, "Form66_2" + j);
        });
    }
}

TEST_F(EtapaOknoTest, AttachCountsFilledPointsResetsTheKeyColumnAndTheMainWindowShowsThePairs)
{
    N().typJazyk = 0;
    J().Default(N());
    StavKlice();
    VOkne(&TForm65::PrvniEtapa1Click, [&](TForm66& f) {
        EXPECT_EQ(Text(f, ""), "1. etapa");
        Pripoj(f, kDataHlavni + "etapa1.epc");
        EXPECT_EQ(zprava, "Etapa byla úspěšně připojena: (Počet bodů: 3)");
        EXPECT_EQ(nadpis, "Připojit Sitmera etapa");
        EXPECT_EQ(Text(f, ""), "1. etapa [etapa1.epc]");
        EXPECT_GT(f.souradniceEtapa.bod.size(), 3u);  // padded to the rows on screen
        EXPECT_EQ(f.StringGrid3->Cell(0, 2), "50");
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 0 / 3 (2, 1)");
        EXPECT_TRUE(f.Label_zpracovani->isHidden());
        EXPECT_TRUE(f.Odpojit1->isEnabled() && f.AnalyzaUhly1->isEnabled());
    });
    EXPECT_EQ(klicTransformace.poradiBod[0][0], -1);
    EXPECT_EQ(klicTransformace.poradiBod[0][1], 2);  // the other epoch's choice stays
    EXPECT_FALSE(info->jeTransformaceEtapa1 || info->jeTransformaceEtapa2);
    EXPECT_FALSE(souradniceHlavni->ExistujePlnyBod());

    VOkne(&TForm65::DruhaEtapa1Click, [&](TForm66& f) { Pripoj(f, kDataHlavni + "etapa2.epc"); });
    EXPECT_EQ(souradniceHlavni->PocetPlnychBodu(), 6);
    EXPECT_EQ(okno->StringGrid3->Cell(0, 0), "50");
    EXPECT_EQ(okno->StringGrid3->Cell(1, 2), "1000.1235");  // 101 of epoch 1
    EXPECT_EQ(okno->StringGrid3->Cell(1, 3), "1000.1255");  // 101 of epoch 2
}

TEST_F(EtapaOknoTest, CancelAndAFailedAttachChangeNothingButAFailureClosesTheGraph)
{
    NactiEtapy();
    Kresba();
    StavKlice();
    VOkne(&TForm65::PrvniEtapa1Click, [&](TForm66& f) {
        f.Kresba1->trigger();
        StiskniKlavesu(f.StringGrid3, Qt::Key_Space);
        Pripoj(f, "", false);
        EXPECT_TRUE(f.Label_zpracovani->isHidden());
        EXPECT_TRUE(f.Pripojit1->isEnabled());
        EXPECT_TRUE(kresba);

        Pripoj(f, kDataEtapy + "poskozena_znacka.epc");
        EXPECT_EQ(zprava, "An error occurred during the epoch connecting!");
        EXPECT_FALSE(kresba);
        // A file no reader may take: the reader's message under the notice.
        const std::string roura = test::DocasnaSlozka("etapa_roura") + "/roura.epc";
        test::ZapisSoubor(roura, "");
        Pripoj(f, roura, true, true);
        EXPECT_EQ(zprava, "An error occurred during the epoch connecting!\nCannot read \"" + roura +
                              "\": not a regular file");
        EXPECT_EQ(Text(f, ""), "1. epoch [etapa1.epc]");
        EXPECT_EQ(f.StringGrid3->Cell(0, 0), "101");
        EXPECT_TRUE(f.vyberEtapa[0]);
        EXPECT_TRUE(f.Label_zpracovani->isHidden());
    });
    EXPECT_EQ(modelPorovnani->etapa1.souradnice.PocetPlnychBodu(), 3);
    EXPECT_EQ(souradniceHlavni->PocetPlnychBodu(), 6);
    EXPECT_EQ(klicTransformace.poradiBod[0][0], 1);
    EXPECT_TRUE(info->jeTransformaceEtapa1 && info->jeTransformaceEtapa2);
}

TEST_F(EtapaOknoTest, AnAttachRedrawsAnOpenGraphAndTheReportIsTheNewFiles)
{
    NactiEtapy();
    Kresba();
    VOkne(&TForm65::PrvniEtapa1Click, [&](TForm66& f) {
        std::string zprava55;
        auto protokol = [&] {
            Obsluz("Form55", [&](Formular& v) { zprava55 = NaUtf8(static_cast<TForm55&>(v).RichEdit1->toPlainText()); });
            EXPECT_TRUE(VyvolejPolozku(f.Protokol1));
            EXPECT_EQ(N().okno.protokol, 1);
            EXPECT_TRUE(f.Label_zpracovani->isHidden());
        };
        protokol();
        EXPECT_NE(zprava55.find("1000.1235"), std::string::npos);

        f.Kresba1->trigger();
        Pripoj(f, kDataHlavni + "etapa2.epc");
        EXPECT_EQ(aktualizace, 1);
        EXPECT_TRUE(kresba);
        protokol();
        EXPECT_NE(zprava55.find("1000.1255"), std::string::npos);
        EXPECT_EQ(zprava55.find("1000.1235"), std::string::npos);

        // A file of tags alone: attached, empty, and never drawn.
        Pripoj(f, kDataEtapy + "prazdna.epc");
        EXPECT_EQ(zprava, "The epoch was successfully connected: (Number of points: 0)");
        EXPECT_EQ(aktualizace, 1);
        EXPECT_FALSE(kresba);
        f.Kresba1->trigger();
        f.Kresba1Click();
        EXPECT_FALSE(kresba);
    });
}

TEST_F(EtapaOknoTest, TheRealWindowsOpenFromTheEpochWindowAndTheGraphFollowsAttachDetachAndClose)
{
    NactiEtapy();
    PropojitOkna();
    VOkne(&TForm65::PrvniEtapa1Click, [&](TForm66& f) {
        ASSERT_TRUE(VyvolejPolozku(f.Kresba1));
        ASSERT_TRUE(Form44().isVisible());
        EXPECT_EQ(Form44().Otvirac(), &f);
        Pripoj(f, kDataHlavni + "etapa2.epc");
        EXPECT_TRUE(Form44().isVisible());  // redrawn in place
        EXPECT_TRUE(VyvolejPolozku(f.Odpojit1));
        EXPECT_FALSE(Form44().isVisible());
        Pripoj(f, kDataHlavni + "etapa1.epc");
        ASSERT_TRUE(VyvolejPolozku(f.Kresba1));
        EXPECT_TRUE(Form44().isVisible());
        // The result windows, the deviation and ellipsoid windows with their captions.
        const std::pair<QAction*, std::string> okna[] = {
            {f.Informace1, "Form67"}, {f.KovariancniMatice1, "Form36"}, {f.OdchylkyAprior1, "Form10"},
            {f.ElipsoidAprior1, "Form24"},
        };
        for (const auto& o : okna) {
            Obsluz(o.second, [&](Formular& r) { nadpis = NaUtf8(r.windowTitle()); });
            EXPECT_TRUE(VyvolejPolozku(o.first)) << o.second;
        }
        EXPECT_EQ(nadpis, "A priori error ellipsoids of adjusted point coordinates");
    });
    EXPECT_FALSE(Form44().isVisible());  // closed with the epoch window
}

TEST_F(EtapaOknoTest, DetachEmptiesTheEpochTheGridAndTheKeyColumnWithoutANotice)
{
    NactiEtapy();
    Kresba();
    StavKlice();
    VOkne(&TForm65::PrvniEtapa1Click, [&](TForm66& f) {
        f.Kresba1->trigger();
        EXPECT_TRUE(VyvolejPolozku(f.Odpojit1));
        EXPECT_FALSE(kresba);
        EXPECT_EQ(Text(f, ""), "1. epoch");
        EXPECT_EQ(f.StringGrid3->Cell(0, 0), "");
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 0 / 0 (0, 0)");
        EXPECT_TRUE(f.Label_zpracovani->isHidden());
        EXPECT_FALSE(VyvolejPolozku(f.Odpojit1));
    });
    EXPECT_FALSE(modelPorovnani->etapa1.jePripojen);
    EXPECT_FALSE(souradniceHlavni->ExistujePlnyBod());
    EXPECT_EQ(klicTransformace.poradiBod[0][0], -1);
    EXPECT_EQ(klicTransformace.poradiBod[0][1], 2);
    EXPECT_FALSE(info->jeTransformaceEtapa1 || info->jeTransformaceEtapa2);
}

TEST_F(EtapaOknoTest, EnablingFollowsTheFilledPointsAndTheRegisteredWindows)
{
    auto bod = [](const std::string& cislo) {
        Tbod b;
        BodDefault(b);
        b.cislo = cislo;
        b.JePlny = true;
        return b;
    };
    Tsouradnice s;
    s.PridejPrazdnyBod();
    const struct {
        int body;
        bool odpojit, delky, uhly;
    } radky[] = {{0, false, false, false}, {1, true, false, false}, {2, true, true, false}, {3, true, true, true}};
    for (const auto& r : radky) {
        if (r.body > 0) s.PridejBod(bod(std::to_string(r.body)));
        std::map<std::string, bool> p;
        for (const auto& [k, v] : PovoleniMenuEtapa(s)) p[k] = v;
        EXPECT_EQ(p["Odpojit1"], r.odpojit) << r.body;
        EXPECT_EQ(p["KovariancniMatice1"], r.odpojit) << r.body;
        EXPECT_EQ(p["AnalyzaDelky1"], r.delky) << r.body;
        EXPECT_EQ(p["AnalyzaUhly1"], r.uhly) << r.body;
    }
    // 5 selected of 20 points, 3 of them fixed.
    for (int i = 4; i <= 20; ++i) s.PridejBod(bod(std::to_string(i)));
    for (int i : {2, 5, 9}) s.bod[i].JeFixni = true;
    TboolVector v(s.bod.size(), false);
    for (int i : {1, 2, 3, 4, 5}) v[i] = true;
    EXPECT_EQ(TextVyberEtapa(s, v), " 5 / 20 (17, 3)");

    NactiEtapy();
    VOkne(&TForm65::PrvniEtapa1Click, [&](TForm66& f) {
        // Windows that are not there keep their items off, also through a
        // processing step.
        PrepniZpracovani(&f);
        PrepniZpracovani(&f);
        f.PovolitMenu();
        for (QAction* a : {f.Informace1, f.InfoKlic1, f.Kresba1, f.OdchylkyAprior1, f.ElipsoidAposterior1,
                           f.KovariancniMatice1})
            EXPECT_FALSE(a->isEnabled()) << NaUtf8(a->objectName());
        EXPECT_TRUE(f.AnalyzaUhly1->isEnabled() && f.Protokol1->isEnabled() && f.Odpojit1->isEnabled());
        DalsiOknaEtapy().Form67 = [] {};
        DalsiOknaEtapy().Form80 = [] {};
        DalsiOknaEtapy().Form36 = [] {};
        f.PovolitMenu();
        EXPECT_TRUE(f.Informace1->isEnabled() && f.InfoKlic1->isEnabled() && f.KovariancniMatice1->isEnabled());
    });

    // The open window's items with 1, 2 and 3 filled points, every window there.
    Kresba();
    DalsiOknaEtapy().Form10 = DalsiOknaEtapy().Form24 = [](const std::string&) {};
    const Tsouradnice vse = modelPorovnani->etapa1.souradnice;
    for (const auto& r : radky) {
        if (r.body == 0) continue;
        Tsouradnice& body = modelPorovnani->etapa1.souradnice;
        body = vse;
        for (std::size_t i = static_cast<std::size_t>(r.body); i < body.bod.size(); ++i) body.bod[i].JePlny = false;
        VOkne(&TForm65::PrvniEtapa1Click, [&](TForm66& f) {
            for (QAction* a : {f.Pripojit1, f.Odpojit1, f.Zavrit1, f.Informace1, f.Kresba1, f.Protokol1,
                               f.OdchylkyAprior1, f.OdchylkyAposterior1, f.ElipsoidAprior1, f.ElipsoidAposterior1,
                               f.KovariancniMatice1})
                EXPECT_TRUE(a->isEnabled()) << NaUtf8(a->objectName()) << " " << r.body;
            EXPECT_EQ(f.AnalyzaDelky1->isEnabled(), r.delky) << r.body;
            EXPECT_EQ(f.AnalyzaUhly1->isEnabled(), r.uhly) << r.body;
        });
    }
}

TEST_F(EtapaOknoTest, ResultCommandsSetTheirModesAndCaptionsBeforeOpeningTheirWindows)
{
    NactiEtapy();
    std::vector<std::string> otevreno;
    auto& o = DalsiOknaEtapy();
    o.Form67 = [&] { otevreno.push_back("67"); };
    o.Form80 = [&] { otevreno.push_back("80"); };
    o.Form36 = [&] { otevreno.push_back("36 " + std::to_string(N().okno.kovariancniMatice)); };
    auto zaznam = [&](const char* okno, int rezim, const std::string& n) {
        otevreno.push_back(std::string(okno) + " " + std::to_string(rezim) + " " + n);
    };
    o.Form10 = [&](const std::string& n) { zaznam("10", N().okno.souradnice, n); };
    o.Form24 = [&](const std::string& n) { zaznam("24", N().okno.elipsoidChyb, n); };
    VOkne(&TForm65::PrvniEtapa1Click, [&](TForm66& f) {
        for (QAction* a : {f.Informace1, f.OdchylkyAprior1, f.OdchylkyAposterior1, f.ElipsoidAprior1,
                           f.ElipsoidAposterior1, f.KovariancniMatice1})
            EXPECT_TRUE(VyvolejPolozku(a)) << NaUtf8(a->objectName());
        Ocekavej("Form72", {});
        EXPECT_TRUE(VyvolejPolozku(f.AnalyzaDelky1));
        Ocekavej("Form73", {});
        EXPECT_TRUE(VyvolejPolozku(f.AnalyzaUhly1));
    });
    const auto& n = J().nadpis;
    EXPECT_EQ(otevreno, (std::vector<std::string>{"67", "10 2 " + n.smerOdchylkyApriorVyrSour,
                                                  "10 3 " + n.smerOdchylkyAposteriorVyrSour,
                                                  "24 1 " + n.elipsoidApriorVyrSour,
                                                  "24 2 " + n.elipsoidAposteriorVyrSour, "36 1"}));
    otevreno.clear();
    VOkne(&TForm65::TransformaceEpocha1Click, [&](TForm66& f) {
        EXPECT_TRUE(VyvolejPolozku(f.InfoKlic1));
        EXPECT_TRUE(VyvolejPolozku(f.InfoSit1));
        EXPECT_FALSE(VyvolejPolozku(f.Informace1));  // hidden in this kind
        // The report of the transformed epoch, under its own caption.
        Obsluz("Form55", [&](Formular& v) { nadpis = NaUtf8(v.windowTitle()); });
        EXPECT_TRUE(VyvolejPolozku(f.Protokol1));
    });
    EXPECT_EQ(otevreno, (std::vector<std::string>{"80", "67"}));
    EXPECT_EQ(nadpis, "Protocol - B. Transformed epoch");
}

TEST_F(EtapaOknoTest, AReportThatCannotBeBuiltShowsNotice26)
{
    NactiEtapy();
    ASSERT_TRUE(Porovnej());
    // A key of station and target whose target is not chosen.
    klicTransformace.typ = 1;
    klicTransformace.poradiBod[0][0] = 0;
    klicTransformace.poradiBod[1][0] = -1;
    VOkne(&TForm65::TransformaceEpocha1Click, [&](TForm66& f) {
        Obsluz("Form3", [&](Formular& d) { nadpis = NaUtf8(d.windowTitle()); });
        EXPECT_TRUE(VyvolejPolozku(f.Protokol1));
        EXPECT_TRUE(f.Label_zpracovani->isHidden());
    });
    EXPECT_EQ(nadpis, J().hlaseni.chybaProtokol);
}

TEST_F(EtapaOknoTest, GridKeysSelectRowsCopyThemAndEscCloses)
{
    NactiEtapy();
    VOkne(&TForm65::DruhaEtapa1Click, [&](TForm66& f) {
        Mrizka* m = f.StringGrid3;
        StiskniKlavesu(m, Qt::Key_Space);
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 1 / 3 (2, 1)");
        EXPECT_TRUE(f.Kopirovat2->isEnabled());
        StiskniKlavesu(m, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 3 / 3 (2, 1)");  // empty rows are not selected
        StiskniKlavesu(m, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(souradniceSchranka->PocetPlnychBodu(), 3);
        EXPECT_EQ(NaUtf8(QApplication::clipboard()->text()).substr(0, 4), "101\t");
        StiskniKlavesu(m, Qt::Key_D, Qt::ControlModifier);
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 0 / 3 (2, 1)");
        EXPECT_FALSE(f.Kopirovat2->isEnabled());
        m->SetRow(1);
        StiskniKlavesu(m, Qt::Key_Space);
        m->SetRow(2);
        StiskniKlavesu(m, Qt::Key_Return);
        TboolVector jenRadek2(f.vyberEtapa.size(), false);
        jenRadek2[2] = true;
        EXPECT_EQ(f.vyberEtapa, jenRadek2);
        StiskniKlavesu(m, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
}

}  // namespace
}  // namespace sitmera
