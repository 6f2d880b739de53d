// The main window: start-up, menus, texts and enabling, the language
// switch, the grid of two loaded epochs with its selection gestures, copy,
// activation, find, the compare command, project save and open, and closing.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

#include <map>
#include <memory>

#include "analysis/Etapa.h"
#include "analysis/Projekt.h"
#include "program/Globalni.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/OknaTest.h"
#include "ui/ProgramTest.h"
#include "ui/layer/OtazkaOkno.h"
#include "ui/layer/OtevritOkno.h"
#include "ui/layer/ProtokolOkno.h"
#include "ui/SouradniceMainOkno.h"
#include "ui/SouradniceMenu.h"
#include "ui/layer/UlozitOkno.h"

namespace sitmera {
namespace {

using test::OknaTest;
using test::StiskniKlavesu;

// The global objects (the fixture's own settings and texts hide the names).
Tnastaveni& N() { return *sitmera::nastaveni; }
Tjazyk& J() { return *sitmera::jazyk; }
Tinfo& I() { return *sitmera::info; }
Tsouradnice& Hlavni() { return *sitmera::souradniceHlavni; }
TmodelPorovnani& Model() { return *sitmera::modelPorovnani; }

// The caption of an item or menu without its shortcut, or a label's text.
std::string TextOvladace(QWidget& okno, const std::string& jmeno)
{
    if (jmeno.empty()) return NaUtf8(okno.windowTitle());
    const QString n = NaQString(jmeno);
    if (auto* m = okno.findChild<QMenu*>(n)) return NaUtf8(m->title());
    if (auto* a = okno.findChild<QAction*>(n)) return NaUtf8(a->text().section(QLatin1Char('\t'), 0, 0));
    if (auto* l = okno.findChild<QLabel*>(n)) return NaUtf8(l->text());
    return "<none: " + jmeno + ">";
}

void Klik(Mrizka* m, int radek, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    const QPoint p(150, radek * m->DefaultRowHeight() + 9);
    const QPoint g = m->viewport()->mapToGlobal(p);
    QMouseEvent stisk(QEvent::MouseButtonPress, p, g, Qt::LeftButton, Qt::LeftButton, mod);
    QApplication::sendEvent(m->viewport(), &stisk);
    QMouseEvent pust(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, Qt::NoButton, mod);
    QApplication::sendEvent(m->viewport(), &pust);
}

std::vector<std::string> Radek(Mrizka* m, int r)
{
    return {m->Cell(0, r), m->Cell(1, r), m->Cell(2, r), m->Cell(3, r)};
}

std::string TextBoxu(Formular& f)
{
    return NaUtf8(static_cast<TForm3&>(f).Label1->text());
}

class HlavniOknoTest : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        slozka = test::DocasnaSlozka("hlavni");
    }

    // A stub displacement window that counts its showings.
    void PosunyOkno()
    {
        DalsiOkna().Form68 = [this] { ++zobrazeniPosunu; };
    }

    // Answers the question box.
    void Odpoved(bool ano)
    {
        Obsluz("Form4", [ano](Formular& f) {
            auto& box = static_cast<TForm4&>(f);
            (ano ? box.Button1 : box.Button2)->click();
        });
    }

    void UlozJako(const std::string& jmeno)
    {
        Obsluz("Form9", [this, jmeno](Formular& f) {
            auto& d = static_cast<TForm9&>(f);
            d.NastavSlozku(slozka);
            d.Edit1->setText(NaQString(jmeno));
            d.Button1->click();
        });
    }

    // roura: the chosen file becomes a pipe before it is read.
    void Otevri(const std::string& jmeno, bool roura = false)
    {
        Obsluz("Form8", [this, jmeno, roura](Formular& f) {
            auto& d = static_cast<TForm8&>(f);
            d.NastavSlozku(slozka);
            for (int i = 0; i < d.FileListBox1->count(); ++i)
                if (NaUtf8(d.FileListBox1->item(i)->text()) == jmeno) d.FileListBox1->item(i)->setSelected(true);
            EXPECT_TRUE(!roura || test::NahradRouru(slozka + "/" + jmeno));
            d.Button1->click();
        });
    }

    bool Zpracovani() const { return !okno->Label_zpracovani->isHidden(); }

    std::string slozka;
    int zobrazeniPosunu = 0;
};

// ---------------------------------------------------------------- start-up

TEST_F(HlavniOknoTest, StartsInEnglishCentredAtNineTenthsOfTheWorkAreaWithAFixedWidth)
{
    ASSERT_TRUE(ExistujiGlobalniObjekty());
    EXPECT_EQ(NaUtf8(okno->windowTitle()), "Sitmera Analyser");
    EXPECT_EQ(N().typJazyk, 1);
    EXPECT_EQ(TextOvladace(*okno, "ProjektOtevrit1"), "Open project ...");
    // The shared windows read the global objects.
    EXPECT_EQ(Prostredi().nastaveni, sitmera::nastaveni);
    EXPECT_EQ(Prostredi().jazyk, sitmera::jazyk);
    EXPECT_EQ(Prostredi().chyby, sitmera::chyby);

    const Tmonitor m = MonitoryObrazovky()[0];
    const QRect r = VnejsiObdelnik(okno.get());
    EXPECT_EQ(r.height(), static_cast<int>(std::lround(m.pracovniPlocha.height() * 0.9)));
    EXPECT_EQ(r.left(), m.pracovniPlocha.width() / 2 - r.width() / 2);
    EXPECT_EQ(r.top(), m.pracovniPlocha.height() / 2 - r.height() / 2);
    // Fixed width: the four columns fill the grid beside its scroll bar.
    EXPECT_EQ(okno->minimumWidth(), okno->maximumWidth());
    EXPECT_EQ(r.width(), okno->PevnaSirka());
    EXPECT_EQ(okno->StringGrid3->viewport()->width(), 99 + 3 * 130);
    EXPECT_EQ(okno->minimumHeight(), 246);
    // The header's coordinate labels stand over their columns.
    EXPECT_EQ(okno->Label_srd_Y->x(), okno->StringGrid3->frameWidth() + 99 + 130);
    EXPECT_TRUE(okno->Label_zpracovani->isHidden());
    EXPECT_EQ(NaUtf8(okno->Label_zpracovani->text()), " Processing ...");
}

TEST_F(HlavniOknoTest, TheReportViewerReadsTheReportsOfTheGlobalObjects)
{
    Model().etapa2.protokol.text = {"epoch 2"};
    modelPosuny->protokol.text = {"displacements"};
    protokolSouboru->text = {"files"};
    EXPECT_TRUE(TextProtokoluRezimu(1).empty());  // no current epoch yet
    etapaAktualni = &Model().etapa2;
    EXPECT_EQ(TextProtokoluRezimu(1), TStringList{"epoch 2"});
    EXPECT_EQ(TextProtokoluRezimu(2), TStringList{"epoch 2"});
    EXPECT_EQ(TextProtokoluRezimu(3), TStringList{"displacements"});
    EXPECT_EQ(TextProtokoluRezimu(4), TStringList{"files"});
    EXPECT_TRUE(TextProtokoluRezimu(5).empty());
}

TEST_F(HlavniOknoTest, ProgramStartCreatesAllWindowsInOrderWithTheMainWindowFirst)
{
    const auto jmena = VytvoritOknaProgramu();
    // All 33 windows, the main window first.
    EXPECT_EQ(jmena, (std::vector<std::string>{"Form65", "Form79", "Form84", "Form14", "Form55", "Form24", "Form21",
                                               "Form76", "Form70", "Form9",  "Form8",  "Form4",  "Form3",  "Form83",
                                               "Form36", "Form69", "Form75", "Form66", "Form78", "Form71", "Form81",
                                               "Form10", "Form68", "Form74", "Form72", "Form73", "Form80", "Form85",
                                               "Form77", "Form67", "Form61", "Form44", "Form82"}));
    EXPECT_EQ(NaUtf8(QCoreApplication::applicationName()), "Sitmera Analyser");
    // The windows that exist are registered: their items are enabled.
    okno->PovolitMenu();
    for (QAction* a : {okno->PrvniEtapa1, okno->DruhaEtapa1, okno->UzivBody1, okno->TransformacniKlic1,
                       okno->Oprogramu1})
        EXPECT_TRUE(a->isEnabled()) << NaUtf8(a->objectName());
    EXPECT_TRUE(static_cast<bool>(DalsiOkna().Form61));
    EXPECT_EQ(Form65().objectName(), QStringLiteral("Form65"));
    EXPECT_NE(&Form65(), okno.get());
    // The settings items open their windows.
    for (const auto& [polozka, jmeno] : {std::pair{okno->Jednotky1, "Form14"}, std::pair{okno->Analyza2, "Form82"},
                                         std::pair{okno->ProtokolNastaveni1, "Form83"}}) {
        Obsluz(jmeno, [](Formular&) {});
        EXPECT_TRUE(VyvolejPolozku(polozka)) << jmeno;
    }
    ZrusitOknaProgramu();
}

TEST_F(HlavniOknoTest, TheSmallWindowsHaveAToolBorderAndTheOthersAnOrdinaryOne)
{
    // T: tool window (no minimize or maximize button); O: ordinary window
    // with a minimize button; A: the about box, ordinary without one.
    const std::map<std::string, char> ram = {
        {"Form65", 'O'}, {"Form79", 'O'}, {"Form84", 'O'}, {"Form14", 'O'}, {"Form55", 'O'}, {"Form24", 'O'},
        {"Form21", 'A'}, {"Form76", 'T'}, {"Form70", 'O'}, {"Form9", 'T'},  {"Form8", 'T'},  {"Form4", 'O'},
        {"Form3", 'T'},  {"Form83", 'O'}, {"Form36", 'O'}, {"Form69", 'O'}, {"Form75", 'T'}, {"Form66", 'O'},
        {"Form78", 'O'}, {"Form71", 'O'}, {"Form81", 'T'}, {"Form10", 'O'}, {"Form68", 'O'}, {"Form74", 'T'},
        {"Form72", 'T'}, {"Form73", 'T'}, {"Form80", 'T'}, {"Form85", 'T'}, {"Form77", 'T'}, {"Form67", 'T'},
        {"Form61", 'O'}, {"Form44", 'O'}, {"Form82", 'O'}};
    const auto jmena = VytvoritOknaProgramu();
    ASSERT_EQ(jmena.size(), ram.size());
    std::map<std::string, QWidget*> okna;
    for (QWidget* w : QApplication::topLevelWidgets()) okna[NaUtf8(w->objectName())] = w;
    for (const std::string& jmeno : jmena) {
        ASSERT_EQ(ram.count(jmeno), 1u) << jmeno;
        ASSERT_EQ(okna.count(jmeno), 1u) << jmeno;
        const char r = ram.at(jmeno);
        const Qt::WindowFlags f = okna[jmeno]->windowFlags();
        EXPECT_EQ(okna[jmeno]->windowType(), r == 'T' ? Qt::Tool : Qt::Window) << jmeno;
        EXPECT_EQ(f.testFlag(Qt::WindowMinimizeButtonHint), r == 'O') << jmeno;
        EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint)) << jmeno;
        EXPECT_TRUE(f.testFlag(Qt::WindowCloseButtonHint) && f.testFlag(Qt::WindowTitleHint)) << jmeno;
    }
    ZrusitOknaProgramu();
}

TEST_F(HlavniOknoTest, MenusHoldTheirItemsWithTheirShortcuts)
{
    const struct {
        const char* polozka;
        const char* menu;
        int zkratka;
    } tabulka[] = {
        {"ProjektOtevrit1", "Hlavni1", 0},      {"ProjektUlozitJako1", "Hlavni1", 0},
        {"Cestina1", "Jazyk1", 0},              {"Anglictina1", "Jazyk1", 0},
        {"Jednotky1", "Nastaveni1", 16469},     {"Analyza2", "Nastaveni1", 16460},
        {"ProtokolNastaveni1", "Nastaveni1", 0}, {"Zavrit1", "Hlavni1", 0},
        {"Hledat1", "Souadnice1", 16498},       {"HledatDalsi1", "Souadnice1", 114},
        {"HledatPredchozi1", "Souadnice1", 8306}, {"JeAktivni1", "Spravovat1", 0},
        {"JeNeaktivni1", "Spravovat1", 0},      {"Kopirovat1", "Souadnice1", 16451},
        {"Vybratvse1", "Vyber1", 16449},        {"Zrusitvyber1", "Vyber1", 16452},
        {"VyberDleAtributu1", "Vyber1", 0},     {"PrvniEtapa1", "Analyza1", 0},
        {"DruhaEtapa1", "Analyza1", 0},         {"UzivBody1", "Analyza1", 0},
        {"TransformacniKlic1", "Analyza1", 0},  {"TransformaceEpocha1", "Analyza1", 0},
        {"TransformaceEpocha2", "Analyza1", 0}, {"Porovnat1", "Analyza1", 0},
        {"VybratVse2", "PopupMenu1", 0},        {"ZrusitVyber2", "PopupMenu1", 0},
        {"JeAktivni2", "PopupMenu1", 0},        {"JeNeaktivni2", "PopupMenu1", 0},
        {"Kopirovat2", "PopupMenu1", 16451},
    };
    for (const auto& r : tabulka) {
        QAction* a = NajdiPolozku(*okno, QLatin1String(r.polozka));
        ASSERT_NE(a, nullptr) << r.polozka;
        EXPECT_EQ(ZkratkaPolozky(a), r.zkratka) << r.polozka;
        auto* menu = qobject_cast<QMenu*>(a->parent());
        ASSERT_NE(menu, nullptr) << r.polozka;
        EXPECT_EQ(NaUtf8(menu->objectName()), r.menu) << r.polozka;
    }
    // Shortcuts show beside the captions.
    EXPECT_TRUE(okno->Kopirovat1->text().endsWith(QStringLiteral("\tCtrl+C")));
    // The top-level menus in order, the about item last.
    QStringList horni;
    for (QAction* a : okno->MainMenu1->actions()) horni << a->objectName();
    EXPECT_EQ(horni, (QStringList{"Hlavni1", "Souadnice1", "Vyber1", "Analyza1", "Oprogramu1"}));
    // The grid's popup is the main popup.
    EXPECT_EQ(PopupMenuOvladace(okno->StringGrid3), okno->PopupMenu1);
}

TEST_F(HlavniOknoTest, EmptyListDisablesFindSelectCopyAndCompareAndShowsAZeroStatus)
{
    DalsiOkna().Form66 = [] {};
    DalsiOkna().Form61 = [] {};
    PosunyOkno();
    okno->PovolitMenu();
    for (QAction* a : {okno->Hledat1, okno->HledatDalsi1, okno->HledatPredchozi1, okno->Kopirovat1, okno->Vybratvse1,
                       okno->Zrusitvyber1, okno->VyberDleAtributu1, okno->Porovnat1, okno->TransformaceEpocha1,
                       okno->TransformaceEpocha2, okno->Spravovat1->menuAction()})
        EXPECT_FALSE(a->isEnabled()) << NaUtf8(a->objectName());
    for (QAction* a : {okno->PrvniEtapa1, okno->DruhaEtapa1, okno->ProjektOtevrit1, okno->ProjektUlozitJako1,
                       okno->Cestina1, okno->Anglictina1, okno->Zavrit1})
        EXPECT_TRUE(a->isEnabled()) << NaUtf8(a->objectName());
    okno->PovolitPopup();
    for (QAction* a : {okno->VybratVse2, okno->ZrusitVyber2, okno->Kopirovat2, okno->JeAktivni2, okno->JeNeaktivni2})
        EXPECT_FALSE(a->isEnabled()) << NaUtf8(a->objectName());
    EXPECT_EQ(NaUtf8(okno->Label_vyber->text()), " 0 / 0 (0 : 0 + 0)");
}

TEST_F(HlavniOknoTest, ItemsOfWindowsNotBuiltStayDisabledThroughAProcessingStep)
{
    okno->PovolitMenu();
    for (QAction* a : {okno->Jednotky1, okno->Analyza2, okno->ProtokolNastaveni1, okno->PrvniEtapa1,
                       okno->DruhaEtapa1, okno->UzivBody1, okno->TransformacniKlic1, okno->Oprogramu1})
        EXPECT_FALSE(a->isEnabled()) << NaUtf8(a->objectName());
    // The end of a processing step enables every item, except these.
    PrepniZpracovani(okno.get());
    PrepniZpracovani(okno.get());
    EXPECT_FALSE(okno->Oprogramu1->isEnabled());
    EXPECT_FALSE(okno->UzivBody1->isEnabled());
    EXPECT_TRUE(okno->ProjektOtevrit1->isEnabled());
    // Once a window is there, its item follows the usual rules.
    int about = 0;
    DalsiOkna().Form21 = [&] { ++about; };
    okno->PovolitMenu();
    EXPECT_TRUE(okno->Oprogramu1->isEnabled());
    EXPECT_TRUE(VyvolejPolozku(okno->Oprogramu1));
    EXPECT_EQ(about, 1);
}

// ---------------------------------------------------------------- language

// Every menu and popup caption of the main window: name, Czech, English.
const std::vector<std::array<const char*, 3>> kNabidkyHlavni = {
    {"Hlavni1", "Hlavní", "Main"}, {"ProjektOtevrit1", "Otevřít projekt ...", "Open project ..."},
    {"ProjektUlozitJako1", "Uložit jako projekt ...", "Save as project ..."},
    {"Nastaveni1", "Nastavení", "Options"}, {"Jazyk1", "Jazyk", "Language"}, {"Cestina1", "CZ", "CZ"},
    {"Anglictina1", "EN", "EN"}, {"Jednotky1", "Jednotky ...", "Units ..."}, {"Analyza2", "Analýza ...", "Analysis ..."},
    {"ProtokolNastaveni1", "Protokol ...", "Protocol ..."}, {"Zavrit1", "Ukončit", "Close"},
    {"Souadnice1", "Souřadnice", "Coordinates"}, {"Hledat1", "Najít ...", "Find ..."},
    {"HledatDalsi1", "Najít další", "Find next"}, {"HledatPredchozi1", "Najít předchozí", "Find previous"},
    {"Spravovat1", "Spravovat", "Manage"}, {"JeAktivni1", "Aktivní", "Active"}, {"JeNeaktivni1", "Neaktivní", "Inactive"},
    {"Kopirovat1", "Kopírovat", "Copy"}, {"Vyber1", "Výběr", "Selection"}, {"Vybratvse1", "Vybrat vše", "Select all"},
    {"Zrusitvyber1", "Zrušit výběr", "Clear selection"}, {"VyberDleAtributu1", "Dle atributů ...", "By attributes ..."},
    {"Analyza1", "Analýza posunů", "Movement analysis"}, {"PrvniEtapa1", "1. etapa ...", "1. epoch ..."},
    {"DruhaEtapa1", "2. etapa ...", "2. epoch ..."}, {"UzivBody1", "Uživatelské body ...", "User points ..."},
    {"TransformacniKlic1", "Transformační klíč ...", "Transformation key ..."},
    {"TransformaceEpocha1", "Transformace (1. etapa)", "Transformation (1. epoch)"},
    {"TransformaceEpocha2", "Transformace (2. etapa)", "Transformation (2. epoch)"},
    {"Porovnat1", "Porovnat etapy", "Compare epochs"}, {"Oprogramu1", "O programu", "About"},
    {"VybratVse2", "Vybrat vše", "Select all"}, {"ZrusitVyber2", "Zrušit výběr", "Clear selection"},
    {"Kopirovat2", "Kopírovat", "Copy"}, {"JeAktivni2", "Aktivní", "Active"}, {"JeNeaktivni2", "Neaktivní", "Inactive"},
};

TEST_F(HlavniOknoTest, LanguageSwitchChangesEveryTextAndEmptiesReportsOnlyOnAChange)
{
    std::vector<TprotokolAnalyser*> protokoly = {
        &Model().etapa1.protokol, &Model().etapa2.protokol, &modelPorovnaniTransformace->etapa1.protokol,
        &modelPorovnaniTransformace->etapa2.protokol, &modelPosuny->protokol};
    for (auto* p : protokoly) {
        p->text = {"report"};
        p->jePlny = true;
    }
    // The same language again refills the texts and keeps the reports.
    ASSERT_TRUE(VyvolejPolozku(okno->Anglictina1));
    for (auto* p : protokoly) EXPECT_TRUE(p->jePlny);

    ASSERT_TRUE(VyvolejPolozku(okno->Cestina1));
    EXPECT_EQ(N().typJazyk, 0);
    for (auto* p : protokoly) {
        EXPECT_FALSE(p->jePlny);
        EXPECT_TRUE(p->text.empty());
    }
    EXPECT_EQ(J().tlacitko.etapa, "Etapa");
    NastavJazyk(0);  // the fixture's Czech texts, the independent reference
    Tpopisky vse = PopiskyMenuHlavni(jazyk, Model());
    for (const auto& p : PopiskyZahlaviHlavni(jazyk)) vse.push_back(p);
    for (const auto& p : PopiskyPopupHlavni(jazyk)) vse.push_back(p);
    for (const auto& [jmeno, text] : vse) EXPECT_EQ(TextOvladace(*okno, jmeno), text) << jmeno;
    EXPECT_EQ(TextOvladace(*okno, "ProjektOtevrit1"), "Otevřít projekt ...");
    EXPECT_EQ(TextOvladace(*okno, "PrvniEtapa1"), "1. etapa ...");
    EXPECT_EQ(test::PopiskyNabidek(*okno), test::TextyJazyka(kNabidkyHlavni, 0));

    for (auto* p : protokoly) p->jePlny = true;
    ASSERT_TRUE(VyvolejPolozku(okno->Anglictina1));
    for (auto* p : protokoly) EXPECT_FALSE(p->jePlny);
    EXPECT_EQ(TextOvladace(*okno, "PrvniEtapa1"), "1. epoch ...");
    EXPECT_EQ(test::PopiskyNabidek(*okno), test::TextyJazyka(kNabidkyHlavni, 1));
}

// ---------------------------------------------------------------- two epochs

TEST_F(HlavniOknoTest, GridShowsTheIdenticalPairsInterleavedInAxisOrderWithTheChosenDecimals)
{
    NactiEtapy();
    Mrizka* g = okno->StringGrid3;
    using R = std::vector<std::string>;
    // Point-number order: 50 before 101 (shorter numbers first).
    EXPECT_EQ(Radek(g, 0), (R{"50", "900.0000", "1900.0000", "299.0000"}));
    EXPECT_EQ(Radek(g, 1), (R{"50", "900.0000", "1900.0000", "299.0000"}));
    EXPECT_EQ(Radek(g, 2), (R{"101", "1000.1235", "2000.5000", "300.2500"}));
    EXPECT_EQ(Radek(g, 3), (R{"101", "1000.1255", "2000.4991", "300.2493"}));
    EXPECT_EQ(Radek(g, 5), (R{"102", "1100.0020", "2050.7511", "301.4987"}));
    EXPECT_EQ(Radek(g, 6), (R{"", "", "", ""}));
    EXPECT_EQ(Hlavni().PocetPlnychBodu(), 6);
    EXPECT_EQ(Hlavni().bod[3].soubor, 2);  // the pair number
    EXPECT_EQ(NaUtf8(okno->Label_vyber->text()), " 0 / 6 (3 : 3 + 0)");

    // YX order with two decimals.
    N().NastavPoradiXY(1);
    J().NastavXY(1);
    N().presnost.souradnice.hodnota = 2;
    NastavPopiskyHlavni(*okno, J(), Model());
    okno->ObnovTabulku();
    EXPECT_EQ(Radek(g, 3), (R{"101", "2000.50", "1000.13", "300.25"}));
    EXPECT_EQ(NaUtf8(okno->Label_srd_X->text()), "Y");
    EXPECT_EQ(NaUtf8(okno->Label_srd_X_jdn->text()), "[m]");

    okno->PovolitMenu();
    EXPECT_TRUE(okno->Hledat1->isEnabled() == static_cast<bool>(DalsiOkna().Form61));
    EXPECT_TRUE(okno->HledatDalsi1->isEnabled());
    EXPECT_TRUE(okno->Vybratvse1->isEnabled());
    EXPECT_FALSE(okno->Kopirovat1->isEnabled());  // nothing selected yet
}

TEST_F(HlavniOknoTest, MouseAndKeyGesturesSelectRowsAndCopyPutsThemOnTheClipboard)
{
    NactiEtapy();
    Mrizka* g = okno->StringGrid3;
    auto vybrane = [] {
        std::vector<int> v;
        for (std::size_t i = 0; i < vyberHlavni.hromadny.size(); ++i)
            if (vyberHlavni.hromadny[i]) v.push_back(static_cast<int>(i));
        return v;
    };
    Klik(g, 2);
    EXPECT_EQ(vybrane(), std::vector<int>{2});
    EXPECT_EQ(vyberHlavni.aktualni, 2);
    Klik(g, 3, Qt::ControlModifier);
    EXPECT_EQ(vybrane(), (std::vector<int>{2, 3}));
    Klik(g, 5, Qt::ShiftModifier);  // from the anchor 3 to 5, the others cleared
    EXPECT_EQ(vybrane(), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(NaUtf8(okno->Label_vyber->text()), " 3 / 6 (3 : 3 + 0)");
    Klik(g, 9);  // an empty row selects nothing
    EXPECT_TRUE(vybrane().empty());

    // Keys: Ctrl+A through the menu, Ctrl+D, Space and Enter in the grid.
    g->setFocus();
    StiskniKlavesu(g, Qt::Key_A, Qt::ControlModifier, QStringLiteral("a"));
    EXPECT_EQ(vybrane(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    StiskniKlavesu(g, Qt::Key_D, Qt::ControlModifier, QStringLiteral("d"));
    EXPECT_TRUE(vybrane().empty());
    g->SetRow(1);
    StiskniKlavesu(g, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    g->SetRow(2);
    StiskniKlavesu(g, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_EQ(vybrane(), (std::vector<int>{1, 2}));
    StiskniKlavesu(g, Qt::Key_Return);
    EXPECT_EQ(vybrane(), std::vector<int>{});  // row 2 toggled off, the others cleared
    StiskniKlavesu(g, Qt::Key_Return);
    EXPECT_EQ(vybrane(), std::vector<int>{2});

    // Copy: number TAB X TAB Y TAB Z CR LF, in the axis order.
    Klik(g, 3, Qt::ControlModifier);
    okno->PovolitMenu();
    ASSERT_TRUE(okno->Kopirovat1->isEnabled());
    StiskniKlavesu(g, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    EXPECT_EQ(TextSchranky(), "101\t1000.1235\t2000.5000\t300.2500\r\n101\t1000.1255\t2000.4991\t300.2493\r\n");
    EXPECT_EQ(souradniceSchranka->PocetPlnychBodu(), 2);
    EXPECT_TRUE(N().schranka.souradnice_existuje);
    N().NastavPoradiXY(1);
    ASSERT_TRUE(VyvolejPolozku(okno->Kopirovat2));
    EXPECT_EQ(TextSchranky(), "101\t2000.5000\t1000.1235\t300.2500\r\n101\t2000.4991\t1000.1255\t300.2493\r\n");
    EXPECT_FALSE(Zpracovani());
}

TEST_F(HlavniOknoTest, DeactivatingThroughOneRowOfAPairReachesTheModel)
{
    NactiEtapy();
    I().jeAnalyzaPosunu = true;
    // With nothing selected nothing changes, the comparison stays current.
    okno->JeNeaktivni1Click();
    EXPECT_TRUE(I().jeAnalyzaPosunu);
    EXPECT_EQ(Hlavni().PocetAktivBodu(), 6);

    Klik(okno->StringGrid3, 3);  // the epoch-2 row of pair 101
    ASSERT_TRUE(VyvolejPolozku(okno->JeNeaktivni2));
    EXPECT_FALSE(Hlavni().bod[2].JeAktiv);
    EXPECT_FALSE(Hlavni().bod[3].JeAktiv);
    EXPECT_FALSE(I().jeAnalyzaPosunu);
    // The loaded model: the pair and the point in both epochs.
    EXPECT_FALSE(Model().identickeBodyEtapa1.bod[1].JeAktiv);
    EXPECT_FALSE(Model().identickeBodyEtapa2.bod[1].JeAktiv);
    const int i1 = Model().identickeBodyEtapa1.bod[1].poradi - 1;
    const int i2 = Model().identickeBodyEtapa2.bod[1].poradi - 1;
    EXPECT_EQ(Model().etapa1.souradnice.bod[i1].cislo, "101");
    EXPECT_FALSE(Model().etapa1.souradnice.bod[i1].JeAktiv);
    EXPECT_FALSE(Model().etapa2.souradnice.bod[i2].JeAktiv);
    EXPECT_TRUE(Model().identickeBodyEtapa1.bod[0].JeAktiv);
    EXPECT_EQ(NaUtf8(okno->Label_vyber->text()), " 1 / 6 (3 : 2 + 1)");
    EXPECT_FALSE(Zpracovani());

    ASSERT_TRUE(VyvolejPolozku(okno->JeAktivni1));
    EXPECT_TRUE(Model().etapa2.souradnice.bod[i2].JeAktiv);
    EXPECT_EQ(Hlavni().PocetAktivBodu(), 6);
}

TEST_F(HlavniOknoTest, FindNextAndPreviousUseTheFindCriteriaWithoutWrapping)
{
    NactiEtapy();
    Mrizka* g = okno->StringGrid3;
    atributHledaniHlavni = Tatribut();
    g->SetRow(0);
    okno->HledatDalsi1Click();  // no criterion: nothing
    EXPECT_EQ(g->Row(), 0);
    atributHledaniHlavni.cislo_stn = "101";
    atributHledaniHlavni.kontrola[0] = true;
    // F3 finds 2, then 3, then nothing after 3 (the row stays); Shift+F3 back to 2, then nothing before it.
    const std::pair<Qt::KeyboardModifiers, int> kroky[] = {
        {Qt::NoModifier, 2}, {Qt::NoModifier, 3}, {Qt::NoModifier, 3}, {Qt::ShiftModifier, 2}, {Qt::ShiftModifier, 2}};
    for (const auto& [modifikator, radek] : kroky) {
        StiskniKlavesu(g, Qt::Key_F3, modifikator);
        EXPECT_EQ(g->Row(), radek);
    }
    // At the last row find-next finds nothing.
    g->SetRow(g->RowCount() - 1);
    okno->HledatDalsi1Click();
    EXPECT_EQ(g->Row(), g->RowCount() - 1);
    EXPECT_EQ(atributPracovni.cislo_stn, "101");
}

// ---------------------------------------------------------------- compare

TEST_F(HlavniOknoTest, CompareWithAnUnfilledKeyShowsNotice29AndOpensNothing)
{
    NactiEtapy();
    PosunyOkno();
    klicTransformace.jePlny = false;
    Obsluz("Form3", [](Formular& f) {
        EXPECT_EQ(TextBoxu(f), TextOznameni(J(), 29));
        EXPECT_EQ(NaUtf8(f.windowTitle()), NadpisOznameni(J(), 29));
    });
    ASSERT_TRUE(VyvolejPolozku(okno->Porovnat1));
    EXPECT_EQ(zobrazeniPosunu, 0);
    EXPECT_FALSE(I().jeTransformaceEtapa1);
    EXPECT_FALSE(I().jeAnalyzaPosunu);
    EXPECT_FALSE(Zpracovani());
    EXPECT_EQ(sitmera::chyby->cisloOznameni, 0);
}

TEST_F(HlavniOknoTest, ASecondCompareReopensTheDisplacementWindowWithoutRecomputing)
{
    NactiEtapy();
    PosunyOkno();
    ASSERT_TRUE(VyvolejPolozku(okno->Porovnat1));
    EXPECT_EQ(zobrazeniPosunu, 1);
    EXPECT_TRUE(I().jeTransformaceEtapa1);
    EXPECT_TRUE(I().jeTransformaceEtapa2);
    EXPECT_TRUE(I().jeAnalyzaPosunu);
    EXPECT_EQ(modelPosuny->pocet, 3);
    // The identity key: 101 moved by 2 mm in X between the epochs.
    EXPECT_NEAR(static_cast<double>(modelPosuny->posuny.zaznam[1].hodnota.X), 0.002, 1e-9);
    EXPECT_FALSE(Zpracovani());

    // A recomputation would empty the report; the second compare keeps it.
    modelPosuny->protokol.text = {"marker"};
    modelPosuny->protokol.jePlny = true;
    ASSERT_TRUE(VyvolejPolozku(okno->Porovnat1));
    EXPECT_EQ(zobrazeniPosunu, 2);
    EXPECT_EQ(modelPosuny->protokol.text, TStringList{"marker"});
    EXPECT_FALSE(Zpracovani());

    // Deactivating a pair makes the comparison stale: it is computed again
    // with the remaining two pairs, without transforming again.
    Klik(okno->StringGrid3, 0);
    okno->JeNeaktivni1Click();
    ASSERT_TRUE(VyvolejPolozku(okno->Porovnat1));
    EXPECT_EQ(modelPosuny->pocet, 2);
    EXPECT_TRUE(modelPosuny->protokol.text.empty());
    EXPECT_EQ(zobrazeniPosunu, 3);
}

TEST_F(HlavniOknoTest, FailedTransformationAndFailedComparisonShowTheirNotices)
{
    NactiEtapy();
    PosunyOkno();
    // Every pair inactive: no pair to compare (notice 31).
    okno->Vybratvse1Click();
    okno->JeNeaktivni1Click();
    Obsluz("Form3", [](Formular& f) { EXPECT_EQ(TextBoxu(f), TextOznameni(J(), 31)); });
    okno->Porovnat1Click();
    EXPECT_FALSE(I().jeAnalyzaPosunu);
    EXPECT_EQ(zobrazeniPosunu, 0);
    EXPECT_FALSE(Zpracovani());

    // Epoch 2 detached behind the window's back: its transformation fails
    // (notice 30), epoch 1 stays transformed.
    okno->JeAktivni1Click();
    I().jeTransformaceEtapa1 = I().jeTransformaceEtapa2 = false;
    Model().etapa2.Clear();
    Obsluz("Form3", [](Formular& f) { EXPECT_EQ(TextBoxu(f), TextOznameni(J(), 30)); });
    okno->Porovnat1Click();
    EXPECT_TRUE(I().jeTransformaceEtapa1);
    EXPECT_FALSE(I().jeTransformaceEtapa2);
    EXPECT_EQ(zobrazeniPosunu, 0);
    EXPECT_FALSE(Zpracovani());
}

TEST_F(HlavniOknoTest, TransformedEpochCommandTransformsOnceAndOpensTheEpochWindow)
{
    NactiEtapy();
    int epochy = 0;
    DalsiOkna().Form66 = [&] { ++epochy; };
    I().jeAnalyzaPosunu = true;
    ASSERT_TRUE(VyvolejPolozku(okno->TransformaceEpocha2));
    EXPECT_TRUE(I().jeTransformaceEtapa2);
    EXPECT_FALSE(I().jeTransformaceEtapa1);
    EXPECT_FALSE(I().jeAnalyzaPosunu);
    EXPECT_EQ(epochy, 1);
    EXPECT_EQ(etapaAktualni, &modelPorovnaniTransformace->etapa2);
    EXPECT_EQ(N().okno.etapa, 2);
    EXPECT_EQ(N().okno.etapaDruh, 2);
    // Already transformed: only the window.
    modelPorovnaniTransformace->etapa2.protokol.jePlny = true;
    I().jeAnalyzaPosunu = true;
    ASSERT_TRUE(VyvolejPolozku(okno->TransformaceEpocha2));
    EXPECT_EQ(epochy, 2);
    EXPECT_TRUE(I().jeAnalyzaPosunu);
    EXPECT_TRUE(modelPorovnaniTransformace->etapa2.protokol.jePlny);
    // The unfilled key: notice 29, no window.
    klicTransformace.jePlny = false;
    Obsluz("Form3", [](Formular& f) { EXPECT_EQ(TextBoxu(f), TextOznameni(J(), 29)); });
    ASSERT_TRUE(VyvolejPolozku(okno->TransformaceEpocha1));
    EXPECT_EQ(epochy, 2);
    EXPECT_FALSE(Zpracovani());
    // The plain epoch commands.
    ASSERT_TRUE(VyvolejPolozku(okno->PrvniEtapa1));
    EXPECT_EQ(etapaAktualni, &Model().etapa1);
    EXPECT_EQ(N().okno.etapaDruh, 1);
    EXPECT_EQ(epochy, 3);
}

TEST_F(HlavniOknoTest, TheProcessingLabelIsHiddenAfterEveryCommand)
{
    NactiEtapy();
    PosunyOkno();
    DalsiOkna().Form66 = [] {};
    const std::pair<const char*, void (TForm65::*)()> prikazy[] = {
        {"JeAktivni1", &TForm65::JeAktivni1Click},     {"JeNeaktivni1", &TForm65::JeNeaktivni1Click},
        {"Kopirovat1", &TForm65::Kopirovat1Click},     {"Vybratvse1", &TForm65::Vybratvse1Click},
        {"Zrusitvyber1", &TForm65::Zrusitvyber1Click}, {"HledatDalsi1", &TForm65::HledatDalsi1Click},
        {"Porovnat1", &TForm65::Porovnat1Click},       {"TransformaceEpocha1", &TForm65::TransformaceEpocha1Click},
        {"Cestina1", &TForm65::Cestina1Click},         {"Anglictina1", &TForm65::Anglictina1Click},
    };
    // Each handler called itself: the command boundary would put the label
    // back whatever the handler left.
    for (const auto& [jmeno, prikaz] : prikazy) {
        (okno.get()->*prikaz)();
        EXPECT_FALSE(Zpracovani()) << jmeno;
    }
    // Cancelled dialogs.
    Obsluz("Form4", [](Formular& f) { static_cast<TForm4&>(f).Button1->click(); });
    Obsluz("Form8", [](Formular& f) { static_cast<TForm8&>(f).Button2->click(); });
    okno->ProjektOtevrit1Click();
    EXPECT_FALSE(Zpracovani());
    Obsluz("Form9", [](Formular& f) { static_cast<TForm9&>(f).Button2->click(); });
    okno->ProjektUlozitJako1Click();
    EXPECT_FALSE(Zpracovani());
    // A failure inside the comparison: the error box, then the label hidden.
    I().jeAnalyzaPosunu = false;
    DalsiOkna().Form68 = [] { throw std::runtime_error("okno selhalo"); };
    Obsluz("Form3", [](Formular& f) { EXPECT_EQ(TextBoxu(f), "okno selhalo"); });
    ASSERT_TRUE(VyvolejPolozku(okno->Porovnat1));
    EXPECT_FALSE(Zpracovani());
    EXPECT_TRUE(okno->StringGrid3->isEnabled());
}

// ---------------------------------------------------------------- projects

TEST_F(HlavniOknoTest, ASavedProjectReopensToTheSameStateWithItsNameInTheCaption)
{
    NactiEtapy();
    Klik(okno->StringGrid3, 0);
    okno->JeNeaktivni1Click();  // pair 50 inactive
    Tbod u;
    BodDefault(u);
    u.cislo = "U1";
    u.X = 10.5L;
    u.Y = 20.25L;
    u.Z = 1;
    u.JePlny = true;
    souradniceUzivatelske->PridejBod(u);
    N().presnost.souradnice.hodnota = 3;
    okno->Zrusitvyber1Click();  // the selection is not part of a project
    okno->ObnovTabulku();

    UlozJako("projekt");
    ASSERT_TRUE(VyvolejPolozku(okno->ProjektUlozitJako1));
    EXPECT_EQ(NaUtf8(okno->windowTitle()), "Sitmera Analyser [projekt.pea]");
    EXPECT_FALSE(Zpracovani());
    const std::string cesta = slozka + "/projekt.pea";
    ASSERT_FALSE(test::CtiSoubor(cesta).empty());

    // What the window shows now.
    std::vector<std::vector<std::string>> radky;
    for (int r = 0; r < 6; ++r) radky.push_back(Radek(okno->StringGrid3, r));
    const std::string stav = NaUtf8(okno->Label_vyber->text());

    // A fresh start of the program, then the project opened.
    Spust();
    ASSERT_EQ(N().presnost.souradnice.hodnota, 4);
    Otevri("projekt.pea");  // nothing loaded: no question first
    Obsluz("Form3", [](Formular& f) {
        EXPECT_EQ(TextBoxu(f), "The project was successfully opended.\r\n(1. epoch: 3, 2. epoch: 3)");
        EXPECT_EQ(NaUtf8(f.windowTitle()), "Open Sitmera Analyser project");
    });
    ASSERT_TRUE(VyvolejPolozku(okno->ProjektOtevrit1));
    EXPECT_EQ(NaUtf8(okno->windowTitle()), "Sitmera Analyser [projekt.pea]");
    EXPECT_EQ(N().presnost.souradnice.hodnota, 3);
    for (int r = 0; r < 6; ++r) EXPECT_EQ(Radek(okno->StringGrid3, r), radky[r]) << r;
    EXPECT_EQ(NaUtf8(okno->Label_vyber->text()), stav);
    EXPECT_FALSE(Hlavni().bod[0].JeAktiv);
    EXPECT_TRUE(Hlavni().bod[2].JeAktiv);
    EXPECT_EQ(souradniceUzivatelske->PocetPlnychBodu(), 1);
    EXPECT_EQ(souradniceUzivatelske->bod[0].cislo, "U1");
    EXPECT_TRUE(klicTransformace.jePlny);
    EXPECT_EQ(klicTransformace.souradniceBod, &Model().etapa1.souradnice);
    EXPECT_FALSE(I().jeTransformaceEtapa1);
    EXPECT_FALSE(Zpracovani());
}

TEST_F(HlavniOknoTest, AnsweringNoToTheOpenQuestionKeepsEverything)
{
    NactiEtapy();
    Klik(okno->StringGrid3, 2);
    Model().etapa1.protokol.jePlny = true;
    I().jeTransformaceEtapa1 = true;
    Odpoved(false);  // and no dialog after it
    ASSERT_TRUE(VyvolejPolozku(okno->ProjektOtevrit1));
    EXPECT_TRUE(Model().etapa1.jePripojen);
    EXPECT_EQ(Hlavni().PocetPlnychBodu(), 6);
    EXPECT_TRUE(vyberHlavni.hromadny[2]);
    EXPECT_TRUE(Model().etapa1.protokol.jePlny);
    EXPECT_TRUE(I().jeTransformaceEtapa1);
    EXPECT_FALSE(Zpracovani());
    // User points alone, or a user key, ask as well.
    Spust();
    klicTransformace.uhelStoceniUser[2] = 0.1L;
    Odpoved(false);
    ASSERT_TRUE(VyvolejPolozku(okno->ProjektOtevrit1));
}

TEST_F(HlavniOknoTest, AFailedOpenClearsTheEpochReportsAndLeavesEverythingElse)
{
    NactiEtapy();
    test::ZapisSoubor(slozka + "/vadny.pea", "<1>\r\nnic\r\n</1>\r\n");
    Klik(okno->StringGrid3, 3);
    I().jeTransformaceEtapa1 = I().jeTransformaceEtapa2 = true;
    Model().etapa1.protokol.text = {"stara zprava"};
    Model().etapa1.protokol.jePlny = true;
    Model().etapa2.protokol.jePlny = true;
    const std::string nadpis = NaUtf8(okno->windowTitle());
    const auto radek = Radek(okno->StringGrid3, 3);
    Odpoved(true);
    Otevri("vadny.pea");
    Obsluz("Form3", [](Formular& f) { EXPECT_EQ(TextBoxu(f), J().hlaseni.chybaOtevritProjekt); });
    ASSERT_TRUE(VyvolejPolozku(okno->ProjektOtevrit1));
    EXPECT_FALSE(Model().etapa1.protokol.jePlny);
    EXPECT_TRUE(Model().etapa1.protokol.text.empty());
    EXPECT_FALSE(Model().etapa2.protokol.jePlny);
    // Data, flags, selection, current row and caption as they were.
    EXPECT_TRUE(Model().etapa1.jePripojen);
    EXPECT_TRUE(I().jeTransformaceEtapa1);
    EXPECT_TRUE(I().jeTransformaceEtapa2);
    EXPECT_TRUE(vyberHlavni.hromadny[3]);
    EXPECT_EQ(okno->StringGrid3->Row(), 3);
    EXPECT_EQ(Radek(okno->StringGrid3, 3), radek);
    EXPECT_EQ(NaUtf8(okno->windowTitle()), nadpis);
    EXPECT_FALSE(Zpracovani());
}

TEST_F(HlavniOknoTest, AFailedSaveShowsNotice28LeavesTheFileAndDropsTheNameFromTheCaption)
{
    NactiEtapy();
    UlozJako("p");
    ASSERT_TRUE(VyvolejPolozku(okno->ProjektUlozitJako1));
    ASSERT_EQ(NaUtf8(okno->windowTitle()), "Sitmera Analyser [p.pea]");
    const std::string pred = test::CtiSoubor(slozka + "/p.pea");
    ASSERT_FALSE(pred.empty());

    // A user point whose number cannot be written back.
    Tbod u;
    BodDefault(u);
    u.cislo = "a b";
    u.JePlny = true;
    souradniceUzivatelske->PridejBod(u);
    UlozJako("p");
    Obsluz("Form3", [](Formular& f) { EXPECT_EQ(TextBoxu(f), TextOznameni(J(), 28)); });
    ASSERT_TRUE(VyvolejPolozku(okno->ProjektUlozitJako1));
    EXPECT_EQ(test::CtiSoubor(slozka + "/p.pea"), pred);
    EXPECT_EQ(NaUtf8(okno->windowTitle()), "Sitmera Analyser");
    EXPECT_FALSE(Zpracovani());
}

// A file that cannot be written or read: its message under the notice (a
// rejected content shows the notice alone: the tests above).
TEST_F(HlavniOknoTest, TheFilesMessageShowsUnderAFailedSaveOrOpen)
{
    UlozJako("chybi/p");  // into a folder that does not exist
    Obsluz("Form3", [this](Formular& f) {
        EXPECT_EQ(test::BezSlovSystemu(TextBoxu(f)),
                  TextOznameni(J(), 28) + "\nCannot write \"" + slozka + "/chybi/p.pea\"");
    });
    ASSERT_TRUE(VyvolejPolozku(okno->ProjektUlozitJako1));
    test::ZapisSoubor(slozka + "/roura.pea", "");
    Otevri("roura.pea", true);
    Obsluz("Form3", [this](Formular& f) {
        EXPECT_EQ(TextBoxu(f), J().hlaseni.chybaOtevritProjekt + "\nCannot read \"" + slozka +
                                   "/roura.pea\": not a regular file");
    });
    ASSERT_TRUE(VyvolejPolozku(okno->ProjektOtevrit1));
}

// ---------------------------------------------------------------- closing

TEST_F(HlavniOknoTest, F10LeadsIntoTheMainMenuWhereTheArrowsEnterAndEscWork)
{
    NactiEtapy();
    Mrizka* g = okno->StringGrid3;
    okno->activateWindow();
    QApplication::processEvents();
    g->setFocus();
    const int radek = g->Row();
    StiskniKlavesu(g, Qt::Key_F10);
    EXPECT_EQ(okno->MainMenu1->activeAction(), okno->Hlavni1->menuAction());
    // Right twice: the selection menu; Down opens it on its first item.
    StiskniKlavesu(okno->MainMenu1, Qt::Key_Right);
    StiskniKlavesu(okno->MainMenu1, Qt::Key_Right);
    StiskniKlavesu(okno->MainMenu1, Qt::Key_Down);
    ASSERT_TRUE(okno->Vyber1->isVisible());
    StiskniKlavesu(okno->Vyber1, Qt::Key_Return);
    EXPECT_EQ(std::count(vyberHlavni.hromadny.begin(), vyberHlavni.hromadny.end(), true), 6);
    EXPECT_EQ(g->Row(), radek);  // the grid saw no Down
    // Esc closes an open menu, then leaves the menu bar: no close question.
    StiskniKlavesu(g, Qt::Key_F10);
    StiskniKlavesu(okno->MainMenu1, Qt::Key_Down);
    StiskniKlavesu(okno->Hlavni1, Qt::Key_Escape);
    EXPECT_FALSE(okno->Hlavni1->isVisible());
    EXPECT_TRUE(okno->MainMenu1->hasFocus());
    StiskniKlavesu(okno->MainMenu1, Qt::Key_Escape);
    EXPECT_TRUE(g->hasFocus());
    EXPECT_TRUE(okno->isVisible());
}

TEST_F(HlavniOknoTest, ClosingAsksNoKeepsTheProgramYesFreesTheGlobals)
{
    NactiEtapy();
    Obsluz("Form4", [](Formular& f) {
        EXPECT_EQ(NaUtf8(static_cast<TForm4&>(f).Label1->text()), J().hlaseni.ukoncitProgram);
        EXPECT_EQ(NaUtf8(f.windowTitle()), J().nadpis.varovani);
        static_cast<TForm4&>(f).Button2->click();
    });
    ASSERT_TRUE(VyvolejPolozku(okno->Zavrit1));
    EXPECT_TRUE(okno->isVisible());
    ASSERT_TRUE(ExistujiGlobalniObjekty());
    EXPECT_EQ(Hlavni().PocetPlnychBodu(), 6);

    // Esc in the grid asks the same question.
    Odpoved(false);
    StiskniKlavesu(okno->StringGrid3, Qt::Key_Escape);
    EXPECT_TRUE(okno->isVisible());

    Odpoved(true);
    ASSERT_TRUE(VyvolejPolozku(okno->Zavrit1));
    EXPECT_FALSE(okno->isVisible());
    EXPECT_FALSE(ExistujiGlobalniObjekty());
    EXPECT_EQ(Prostredi().nastaveni, nullptr);
    // A late paint or command after the release touches nothing.
    (void)okno->StringGrid3->grab();
    okno->Porovnat1Click();
    okno->ObnovTabulku();
}

}  // namespace
}  // namespace sitmera
