// The length and angle analysis windows of an epoch, over the first epoch of
// tests/data/hlavni (101 and 102 determined, 50 fixed). The expected figures
// were worked out apart from the program: differences, lengths and angles
// from the coordinates of the file, their deviations by propagating the
// file's cofactor blocks (unit deviations 1 and 1.2) through the derivatives
// of each quantity.
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

#include <cstdlib>

#include "analysis/Etapa.h"
#include "program/Globalni.h"
#include "ui/AnalyzaEtapyOkno.h"
#include "ui/EtapaMenu.h"
#include "ui/Galerie.h"
#include "ui/ProgramTest.h"

namespace sitmera {
namespace {

using Radky = std::vector<std::array<std::string, 3>>;

// The global objects (the fixture's own settings and texts hide the names).
Tnastaveni& N() { return *sitmera::nastaveni; }
Tjazyk& J() { return *sitmera::jazyk; }

// Whether the window, its layout done as the event loop does it after the
// show, stands centred on the window that opened it (to a pixel of rounding).
bool Vycentrovano(Formular& f)
{
    f.layout()->activate();
    const QPoint d = f.frameGeometry().center() - f.Otvirac()->frameGeometry().center();
    return std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1;
}

Radky Boxy(TanalyzaEtapyOkno& f)
{
    Radky r;
    for (const auto& e : f.editRadku) r.push_back({NaUtf8(e[0]->text()), NaUtf8(e[1]->text()), NaUtf8(e[2]->text())});
    return r;
}

class AnalyzaEtapyTest : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        NactiEtapy();
        etapaAktualni = &modelPorovnani->etapa1;
        N().okno.etapa = 1;
        N().okno.etapaDruh = 1;
    }

    template <class F>
    void VOkne(Formular& okno, F prace)
    {
        Obsluz(NaUtf8(okno.objectName()), [prace](Formular& f) { prace(static_cast<TanalyzaEtapyOkno&>(f)); });
        ZobrazModalne(okno);
    }
};

TEST_F(AnalyzaEtapyTest, LengthsShowTheAnalysisInTheChosenUnitsAndDecimals)
{
    VOkne(Form72(), [](TanalyzaEtapyOkno& f) {
        EXPECT_EQ(NaUtf8(f.windowTitle()), "Internal analysis (Length variables [AB]) - 1. epoch");
        EXPECT_TRUE(Vycentrovano(f));
        EXPECT_EQ(NaUtf8(f.labelRadku[3]->text()), "Horizontal distance [m/mm]:");
        EXPECT_EQ(NaUtf8(f.comboBody[0]->currentText()), "101");
        EXPECT_EQ(NaUtf8(f.comboBody[1]->itemText(2)), "50 F");
        EXPECT_EQ(Boxy(f), (Radky{{"99.8765", "2.35", "2.81"},
                                  {"50.2500", "1.76", "2.11"},
                                  {"1.2500", "4.22", "5.06"},
                                  {"111.8051", "2.49", "2.99"},
                                  {"111.8121", "2.49", "2.99"},
                                  {"29.67548", "0.878", "1.054"},
                                  {"99.28828", "2.402", "2.882"}}));
        f.layout()->activate();
        test::UlozDoGalerie(f, "Form72_en");
    });
    // Feet (deviations in points of 1/864 ft) and degrees, other decimals.
    N().jednotky.delka = 1;
    N().jednotky.uhel = 2;
    N().presnost.souradnice = {3, 3};
    N().presnost.delka = {3, 1};
    N().presnost.uhel = {4, 2};
    N().typJazyk = 0;
    J().Default(N());
    VOkne(Form72(), [](TanalyzaEtapyOkno& f) {
        EXPECT_EQ(NaUtf8(f.labelRadku[4]->text()), "Šikmá délka [ft/pt]:");
        EXPECT_TRUE(Vycentrovano(f));  // at the size of the longer texts
        EXPECT_EQ(NaUtf8(f.labelRadku[6]->text()), "Zenitový úhel [deg/mdeg]:");
        EXPECT_EQ(Boxy(f), (Radky{{"99.877", "2.345", "2.814"},
                                  {"50.250", "1.761", "2.113"},
                                  {"1.250", "4.219", "5.063"},
                                  {"366.815", "7.1", "8.5"},
                                  {"366.838", "7.1", "8.5"},
                                  {"26.7079", "0.79", "0.95"},
                                  {"89.3595", "2.16", "2.59"}}));
        f.layout()->activate();
        test::UlozDoGalerie(f, "Form72_cz");
    });
    EXPECT_EQ(PopiskyAnalyzaDelky(J(), 2, 2)[0].second,
              "Vnitřní analýza (Délkové veličiny [AB]) - 2. etapa (transformovaná)");
}

TEST_F(AnalyzaEtapyTest, AnglesAndTheCopyTextOfTheWindow)
{
    VOkne(Form73(), [](TanalyzaEtapyOkno& f) {
        // The angle in the plane runs from the left to the right target, as
        // the horizontal angle does: 400 gon less the angle between the sights.
        EXPECT_EQ(Boxy(f), (Radky{{"220.44400", "1.450", "1.740"},
                                  {"220.44352", "1.450", "1.740"},
                                  {"1.27266", "1.742", "2.090"}}));
        f.Kopirovat1Click();
        EXPECT_EQ(TextSchranky(),
                  "Internal analysis (Angular variables [BAC]) - 1. epoch\r\n"
                  "Point A:\t101\r\nPoint B:\t102\r\nPoint C:\t50 F\r\n"
                  "Quantity\tValue\tA priori / A posteriori standard deviation\r\n"
                  "Horizontal angle [gon/mgon]:\t220.44400\t1.450\t1.740\r\n"
                  "Vertical angle [gon/mgon]:\t220.44352\t1.450\t1.740\r\n"
                  "Zenith angle difference [gon/mgon]:\t1.27266\t1.742\t2.090\r\n");
        f.layout()->activate();
        test::UlozDoGalerie(f, "Form73_en");
    });
    N().typJazyk = 0;
    J().Default(N());
    VOkne(Form73(), [](TanalyzaEtapyOkno& f) {
        EXPECT_EQ(NaUtf8(f.LabelOdchylka->text()), "Apriorní / Aposteriorní směrodatná odchylka");
        EXPECT_TRUE(Vycentrovano(f));
        f.layout()->activate();
        test::UlozDoGalerie(f, "Form73_cz");
    });
}

TEST_F(AnalyzaEtapyTest, AStoredIndexBeyondTheEpochOrAPointTwiceShowsDashesAndNeverAnalyses)
{
    // Rows no analysis of this epoch could give: they must stay untouched.
    Tetapa& e = modelPorovnani->etapa1;
    e.analyzaDelka.Velikost(7);
    for (Tbod& r : e.analyzaDelka.data.bod) {
        r.X = 12345;
        r.kontrola = {true, true, false, false};
    }
    e.analyzaDelka.iStn = 7;
    const Radky pomlcky(7, {"- ", "- ", "- "});
    VOkne(Form72(), [&](TanalyzaEtapyOkno& f) {
        EXPECT_EQ(f.comboBody[0]->currentIndex(), -1);
        EXPECT_EQ(Boxy(f), pomlcky);
        EXPECT_EQ(e.analyzaDelka.data.bod[0].X, 12345);

        f.comboBody[0]->setCurrentIndex(1);  // the target's point
        emit f.comboBody[0]->activated(1);
        EXPECT_EQ(Boxy(f), pomlcky);
        EXPECT_EQ(e.analyzaDelka.data.bod[0].X, 12345);
        EXPECT_EQ(e.analyzaDelka.iStn, 1);  // the choice is kept for the next showing

        f.comboBody[0]->setCurrentIndex(0);
        emit f.comboBody[0]->activated(0);
        EXPECT_EQ(Boxy(f)[0][0], "99.8765");
        test::StiskniKlavesu(f.comboBody[1], Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
}

}  // namespace
}  // namespace sitmera
