// The shortened view in its 13 modes and the full view of the deviations,
// opened from the displacement window over the comparison of PosunyTest.h
// (the figures there are worked out by hand).
#include <QAction>

#include <array>

#include "ui/Galerie.h"
#include "ui/displacements/PosunyPlneOkno.h"
#include "ui/displacements/PosunyTest.h"
#include "ui/displacements/PosunyZkraceneOkno.h"
#include "ui/layer/Menu.h"

namespace sitmera {
namespace {

using namespace test;

class PohledyTest : public PosunyOknoTest {
protected:
    void SetUp() override
    {
        PosunyOknoTest::SetUp();
        PropojitOkna();
    }

    // The shortened view in mode `rezim`, opened by the displacement
    // window's command, while `prace` runs.
    void VPohledu(int rezim, const std::function<void(TForm70&)>& prace)
    {
        VOknePosunu([&] {
            Obsluz("Form70", [&](Formular& f) { prace(static_cast<TForm70&>(f)); });
            if (rezim == 1)
                okno68->Ortogonalni1Click();
            else if (rezim == 2)
                okno68->Semipolarni1Click();
            else if (rezim == 3)
                okno68->Polarni1Click();
            else
                okno68->HodnoceniClick((rezim - 4) % 5, rezim <= 8);
        });
    }
};

TEST_F(PohledyTest, EachModeShowsItsCaptionHeadsValuesBarsMarksAndOnlyItsTestsCommands)
{
    const struct {
        int rezim;
        const char* nadpis;
        std::array<const char*, 3> hlavicky;
        std::array<const char*, 3> jednotky;
        std::vector<std::string> radek;  // the row of the point radek[0]
        int sloupec;                     // a cell whose bars are checked
        const char* bod;
        QColor pruh1, pruh2;
        bool aprior, aposter;  // the significance commands offered
    } tabulka[] = {
        {1, "Movements - Orthogonal projection", {"X", "Y", "Z"}, {"[mm]", "[mm]", "[mm]"},
         {"10", "0.50", "-8.00", "0.00"}, 2, "10", kModra, kZelena, true, true},
        {2, "Movements - Semipolar projection", {"Horizontal", "Bearing", "Vertical"}, {"[mm]", "[gon]", "[mm]"},
         {"10", "8.02", "303.97370", "0.00"}, 3, "11", kModra, kBila, true, true},
        {3, "Movements - Polar projection", {"Spatial", "Bearing", "Zenith angle"}, {"[mm]", "[gon]", "[gon]"},
         {"A1", "0.37", "362.56659", "82.77627"}, 1, "7", kBila, kZelena, true, true},
        {4, "Evaluation (A priori accuracy) - X movement", {"Value", "Standard deviation", "Limit deviation"},
         {"[mm]", "[mm]", "[mm]"}, {"9", "10.00", "1.41", "2.77"}, 1, "9", kModra, kBila, true, false},
        {5, "Evaluation (A priori accuracy) - Y movement", {"Value", "Standard deviation", "Limit deviation"},
         {"[mm]", "[mm]", "[mm]"}, {"10", "-8.00", "1.41", "2.77"}, 1, "10", kModra, kBila, true, false},
        {6, "Evaluation (A priori accuracy) - Z movement", {"Value", "Standard deviation", "Limit deviation"},
         {"[mm]", "[mm]", "[mm]"}, {"11", "3.20", "1.41", "2.77"}, 1, "11", kModra, kBila, true, false},
        {7, "Evaluation (A priori accuracy) - Horizontal movement",
         {"Value", "Standard deviation", "Limit deviation"}, {"[mm]", "[mm]", "[mm]"}, {"8", "1.00", "1.00", "1.96"},
         1, "8", kBila, kBila, true, false},
        {8, "Evaluation (A priori accuracy) - Spatial movement", {"Value", "Standard deviation", "Limit deviation"},
         {"[mm]", "[mm]", "[mm]"}, {"7", "1.80", "1.00", "1.96"}, 1, "11", kModra, kBila, true, false},
        {9, "Evaluation (A posteriori accuracy) - X movement", {"Value", "Standard deviation", "Limit deviation"},
         {"[mm]", "[mm]", "[mm]"}, {"7", "1.80", "0.80", "1.72"}, 1, "7", kZelena, kBila, false, true},
        {10, "Evaluation (A posteriori accuracy) - Y movement", {"Value", "Standard deviation", "Limit deviation"},
         {"[mm]", "[mm]", "[mm]"}, {"8", "1.00", "1.50", "3.22"}, 1, "8", kBila, kBila, false, true},
        {11, "Evaluation (A posteriori accuracy) - Z movement", {"Value", "Standard deviation", "Limit deviation"},
         {"[mm]", "[mm]", "[mm]"}, {"11", "3.20", "1.70", "3.65"}, 1, "11", kBila, kBila, false, true},
        {12, "Evaluation (A posteriori accuracy) - Horizontal movement",
         {"Value", "Standard deviation", "Limit deviation"}, {"[mm]", "[mm]", "[mm]"},
         {"10", "8.02", "1.70", "3.65"}, 1, "10", kZelena, kBila, false, true},
        {13, "Evaluation (A posteriori accuracy) - Spatial movement",
         {"Value", "Standard deviation", "Limit deviation"}, {"[mm]", "[mm]", "[mm]"}, {"9", "10.00", "1.70", "3.65"},
         1, "9", kZelena, kBila, false, true},
    };
    for (const auto& t : tabulka) {
        SCOPED_TRACE(t.rezim);
        VPohledu(t.rezim, [&](TForm70& o) {
            Mrizka* m = o.StringGrid3;
            EXPECT_EQ(o.Rezim(), t.rezim);
            EXPECT_EQ(NaUtf8(o.windowTitle()), t.nadpis);
            EXPECT_EQ((std::array<std::string, 3>{Text(o.Label_srd_X), Text(o.Label_srd_Y), Text(o.Label_srd_Z)}),
                      (std::array<std::string, 3>{t.hlavicky[0], t.hlavicky[1], t.hlavicky[2]}));
            EXPECT_EQ((std::array<std::string, 3>{Text(o.Label_srd_X_jdn), Text(o.Label_srd_Y_jdn),
                                                  Text(o.Label_srd_Z_jdn)}),
                      (std::array<std::string, 3>{t.jednotky[0], t.jednotky[1], t.jednotky[2]}));
            EXPECT_EQ(Text(o.Label_vyber), " 7");
            // The filler and the count reach the panels' right edge.
            EXPECT_EQ(o.Label_doplnek->x() + o.Label_doplnek->width(), o.Panel2->width() - 1);
            EXPECT_EQ(o.Label_vyber->x() + o.Label_vyber->width(), o.Panel1->width() - 1);
            EXPECT_EQ(CislaMrizky(m), (std::vector<std::string>{"7", "8", "9", "10", "11", "A1", "F1"}));
            EXPECT_EQ(RadekMrizky(m, RadekBoduMrizky(m, t.radek[0])), t.radek);
            const int r = RadekBoduMrizky(m, t.bod);
            EXPECT_EQ(PixelMrizky(m, t.sloupec, r, kPruh1), t.pruh1);
            EXPECT_EQ(PixelMrizky(m, t.sloupec, r, kPruh2), t.pruh2);
            EXPECT_EQ(PixelMrizky(m, 2, RadekBoduMrizky(m, "9"), kPruh1), kBila);  // Y of 9: no bar
            EXPECT_EQ(PixelMrizky(m, 0, RadekBoduMrizky(m, "7"), kBodF), kZelena);
            EXPECT_EQ(PixelMrizky(m, 0, RadekBoduMrizky(m, "8"), kBodF), kCervena);
            EXPECT_EQ(PixelMrizky(m, 0, RadekBoduMrizky(m, "F1"), kBodF), kOranzova);
            for (QAction* a : {o.HledatVyznamneAprior1, o.OznacitVyznamneAprior1}) {
                EXPECT_EQ(a->isVisible(), t.aprior);
                EXPECT_EQ(PolozkaPovolena(a), t.aprior);
            }
            for (QAction* a : {o.HledatVyznamneAposter1, o.OznacitVyznamneAposter1}) {
                EXPECT_EQ(a->isVisible(), t.aposter);
                EXPECT_EQ(PolozkaPovolena(a), t.aposter);
            }
            if (t.rezim == 1 || t.rezim == 2 || t.rezim == 4 || t.rezim == 13)
                UlozDoGalerie(o, "Form70_" + std::to_string(t.rezim) + "_en");
        });
    }
    // With Y first, the orthogonal view's first column and its bars follow Y.
    N().NastavPoradiXY(1);
    J().Default(N());
    VPohledu(1, [](TForm70& o) {
        Mrizka* m = o.StringGrid3;
        EXPECT_EQ(Text(o.Label_srd_X), "Y");
        const int r10 = RadekBoduMrizky(m, "10");
        EXPECT_EQ(RadekMrizky(m, r10), (std::vector<std::string>{"10", "-8.00", "0.50", "0.00"}));
        EXPECT_EQ(PixelMrizky(m, 1, r10, kPruh1), kModra);
        EXPECT_EQ(PixelMrizky(m, 2, r10, kPruh1), kBila);
    });
}

TEST_F(PohledyTest, FindWrapsOnceMarkSelectsTheModesKindAndOnlyTheModesKeysWork)
{
    N().typJazyk = 0;
    J().Default(N());
    // A1 significant a priori in its horizontal length alone: the semipolar
    // view (Z or horizontal) finds and marks it, the orthogonal one (X, Y or
    // Z) does not.
    for (Tposun& p : M().posuny.zaznam)
        if (p.cislo == "A1") p.prokazaniAprior.delkaH = true;
    const struct {
        int rezim;
        int klavesa;
        std::vector<std::string> cesta;  // rows reached by pressing the key again and again
    } hledani[] = {
        // From the first row (7): X, Y or Z a priori 9, 10, 11, then round to 9.
        {1, Qt::Key_F4, {"9", "10", "11", "9"}},
        {1, Qt::Key_F5, {"9", "10", "7", "9"}},
        {2, Qt::Key_F4, {"9", "10", "11", "A1", "9"}},
        // Z or horizontal a posteriori: 7 too (horizontal 1.8 mm over 1.72 mm).
        {2, Qt::Key_F5, {"9", "10", "7"}},
        // The only significant one is found again after the wrap.
        {5, Qt::Key_F4, {"10", "10"}},
        // The hidden a-posteriori command of an a-priori evaluation does nothing.
        {5, Qt::Key_F5, {"7", "7"}},
        // Z a posteriori: nothing significant, nothing moves.
        {11, Qt::Key_F5, {"7"}},
    };
    for (const auto& t : hledani) {
        SCOPED_TRACE(t.rezim);
        VPohledu(t.rezim, [&](TForm70& o) {
            Mrizka* m = o.StringGrid3;
            EXPECT_EQ(m->Row(), 0);
            for (const std::string& cil : t.cesta) {
                StiskniKlavesu(m, t.klavesa);
                EXPECT_EQ(m->Row(), RadekBoduMrizky(m, cil)) << cil;
            }
        });
    }
    const struct {
        int rezim;
        int klavesa;
        std::vector<std::string> vybrane;
    } oznaceni[] = {
        {1, Qt::Key_F6, {"9", "10", "11"}},
        {1, Qt::Key_F7, {"7", "9", "10"}},
        {2, Qt::Key_F6, {"9", "10", "11", "A1"}},
        {3, Qt::Key_F6, {"9", "10", "11"}},
        {12, Qt::Key_F7, {"7", "9", "10"}},
        {12, Qt::Key_F6, {}},
    };
    for (const auto& t : oznaceni) {
        SCOPED_TRACE(t.rezim);
        VPohledu(t.rezim, [&](TForm70& o) {
            StiskniKlavesu(o.StringGrid3, t.klavesa);
            std::vector<std::string> cisla;
            for (int r : test::Vybrane(o.vyber)) cisla.push_back(o.StringGrid3->Cell(0, r));
            EXPECT_EQ(cisla, t.vybrane);
            EXPECT_EQ(o.Kopirovat1->isEnabled(), !t.vybrane.empty());
            if (t.rezim == 12 && !t.vybrane.empty()) UlozDoGalerie(o, "Form70_12_cz");
        });
    }
}

TEST_F(PohledyTest, CopyGivesTheShownCellsAndEveryKindOfCloseEmptiesTheCopy)
{
    const std::vector<std::function<void(TForm70&)>> zavreni = {
        [](TForm70& o) { StiskniKlavesu(o.StringGrid3, Qt::Key_Escape); },
        [](TForm70& o) { o.reject(); },
        [](TForm70& o) { o.Close(); },
        [](TForm70&) {},  // left open: closed as the close box closes it
    };
    for (const auto& zavri : zavreni) {
        VPohledu(4, [&](TForm70& o) {
            Mrizka* m = o.StringGrid3;
            EXPECT_GE(posunyOkno->zaznam.size(), 8u);  // the copy, padded, and one more empty record
            KlikMrizky(m, RadekBoduMrizky(m, "A1"));
            KlikMrizky(m, RadekBoduMrizky(m, "9"), Qt::ControlModifier);
            KlikMrizky(m, 10, Qt::ControlModifier);  // a padded row
            StiskniKlavesu(m, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
            EXPECT_EQ(TextSchranky(), "9\t10.00\t1.41\t2.77\r\nA1\t0.30\t1.41\t2.77\r\n");
            StiskniKlavesu(m, Qt::Key_D, Qt::ControlModifier, QStringLiteral("d"));
            EXPECT_TRUE(test::Vybrane(o.vyber).empty());
            zavri(o);
            if (&zavri != &zavreni.back()) {
                EXPECT_FALSE(o.isVisible());  // closed at once
            }
        });
        EXPECT_TRUE(posunyOkno->zaznam.empty());
        EXPECT_FALSE(Form70().isVisible());
    }
    // The model's own list is left as it was.
    EXPECT_EQ(M().posuny.PocetPlnych(), 7);
}

TEST_F(PohledyTest, TheFullViewDropsItsCopyOnEveryKindOfClose)
{
    const std::function<void(TForm71&)> zavreni[] = {
        [](TForm71& o) { StiskniKlavesu(o.StringGrid3, Qt::Key_Escape); },
        [](TForm71& o) { o.reject(); },
        [](TForm71& o) { o.Close(); },
        [](TForm71&) {},  // left open: closed as the close box closes it
    };
    for (std::size_t i = 0; i < std::size(zavreni); ++i) {
        VOknePosunu([&] {
            Obsluz("Form71", [&](Formular& f) {
                EXPECT_GE(posunyOkno->zaznam.size(), 7u);
                zavreni[i](static_cast<TForm71&>(f));
                if (i + 1 < std::size(zavreni)) {
                    EXPECT_FALSE(f.isVisible()) << i;
                    EXPECT_TRUE(posunyOkno->zaznam.empty()) << i;
                }
            });
            okno68->OdchylkyAprior1Click();
        });
        EXPECT_TRUE(posunyOkno->zaznam.empty()) << i;
        EXPECT_FALSE(Form71().isVisible()) << i;
    }
}

TEST_F(PohledyTest, FullViewListsThePointsNotFixedInBothEpochsWithTheChosenDeviations)
{
    for (const bool aprior : {true, false}) {
        VOknePosunu([&] {
            Obsluz("Form71", [&](Formular& f) {
                auto& o = static_cast<TForm71&>(f);
                Mrizka* m = o.StringGrid3;
                EXPECT_EQ(NaUtf8(o.windowTitle()),
                          aprior ? J().nadpis.smerOdchylkyApriorPosuny : J().nadpis.smerOdchylkyAposteriorPosuny);
                EXPECT_EQ(CislaMrizky(m), (std::vector<std::string>{"7", "8", "9", "10", "11", "A1"}));
                EXPECT_EQ(Text(o.Label_vyber), " 6");
                EXPECT_EQ(Text(o.Label_srd_delkaS_jdn), "[mm]");
                EXPECT_EQ(PixelMrizky(m, 0, RadekBoduMrizky(m, "8"), kBodF), kCervena);
                EXPECT_EQ(PixelMrizky(m, 1, RadekBoduMrizky(m, "9"), kPruh1), kBila);  // no bars
                StiskniKlavesu(m, Qt::Key_A, Qt::ControlModifier, QStringLiteral("a"));
                StiskniKlavesu(m, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
                const std::string text = TextSchranky();
                EXPECT_EQ(text.substr(0, text.find("9\t")),
                          aprior ? "7\t1.00\t1.00\t1.00\t1.00\t1.00\r\n8\t1.00\t1.00\t1.00\t1.00\t1.00\r\n"
                                 : "7\t0.80\t0.80\t0.80\t0.80\t0.80\r\n8\t1.50\t1.50\t1.50\t1.50\t1.50\r\n");
                EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
                EXPECT_TRUE(o.Label_zpracovani->isHidden());
                UlozDoGalerie(o, aprior ? "Form71_en" : "Form71_cz");
            });
            if (aprior) {
                okno68->OdchylkyAprior1Click();
            } else {
                N().typJazyk = 0;
                J().Default(N());
                okno68->OdchylkyAposterior1Click();
            }
        });
        EXPECT_TRUE(posunyOkno->zaznam.empty());
    }
}

}  // namespace
}  // namespace sitmera
