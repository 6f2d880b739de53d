// The information window of the displacement analysis over the comparison
// of PosunyTest.h (counts and extremes worked out by hand there).
#include <QLabel>

#include "ui/Galerie.h"
#include "ui/displacements/PosunyMainInfoOkno.h"
#include "ui/displacements/PosunyTest.h"

namespace sitmera {
namespace {

using namespace test;

class InfoPosunuTest : public PosunyOknoTest {
protected:
    // The window opened by the displacement window's command; `prace` gets it.
    void VOkne(const std::function<void(TForm76&)>& prace)
    {
        PropojitOkna();
        VOknePosunu([&] {
            Obsluz("Form76", [&](Formular& f) { prace(static_cast<TForm76&>(f)); });
            okno68->InfoAnalyza1Click();
        });
    }

    static std::vector<std::string> Hodnoty(const TForm76& o)
    {
        std::vector<std::string> v;
        for (std::size_t i = 16; i < 28; ++i) v.push_back(Text(o.Label[i]));
        return v;
    }
};

TEST_F(InfoPosunuTest, ShowsCountsRiskSignificantCountsAndExtremesAndCopiesThemInSeventeenLines)
{
    // Y before X changes nothing here: X is X.
    N().NastavPoradiXY(1);
    J().Default(N());
    VOkne([](TForm76& o) {
        EXPECT_EQ(Hodnoty(o), (std::vector<std::string>{"7", "0.05", "1 / 2", "1 / 1", "1 / 0", "2 / 3", "3 / 3",
                                                       "0.00 / 10.00", "-8.00 / 1.00", "0.00 / 3.20", "0.00 / 10.00",
                                                       "0.00 / 10.00"}));
        StiskniKlavesu(&o, Qt::Key_P, Qt::ControlModifier, QStringLiteral("p"));
        EXPECT_EQ(TextSchranky(),
                  "Information - Movement analysis\r\n"
                  "Basic information\r\n"
                  "Number of movements:\t7\r\n"
                  "Evaluation\r\n"
                  "Significance level:\t0.05\r\n"
                  "Number of significant movements (A priori/A posteriori accuracy):\r\n"
                  "X:\t1 / 2\r\n"
                  "Y:\t1 / 1\r\n"
                  "Z:\t1 / 0\r\n"
                  "Horizontal:\t2 / 3\r\n"
                  "Spatial:\t3 / 3\r\n"
                  "Marginal movements:\r\n"
                  "X [mm]:\t0.00 / 10.00\r\n"
                  "Y [mm]:\t-8.00 / 1.00\r\n"
                  "Z [mm]:\t0.00 / 3.20\r\n"
                  "Horizontal [mm]:\t0.00 / 10.00\r\n"
                  "Spatial [mm]:\t0.00 / 10.00\r\n");
        UlozDoGalerie(o, "Form76_en");
        StiskniKlavesu(&o, Qt::Key_Return);
        EXPECT_FALSE(o.isVisible());
    });
}

TEST_F(InfoPosunuTest, ASmallRiskKeepsItsDigitsAndATestThatIsOffShowsADash)
{
    // Risk 0.0001: normal quantile 3.89, a-priori limit 5.50 mm for a pair
    // free in both epochs: only 9 (X 10 mm) and 10 (Y 8 mm) stay.
    N().porovnani.riziko = 0.0001L;
    N().porovnani.aposteriorni = false;
    N().typJazyk = 0;
    J().Default(N());
    ASSERT_TRUE(Porovnej());
    VOkne([](TForm76& o) {
        const auto h = Hodnoty(o);
        EXPECT_EQ(std::vector<std::string>(h.begin() + 1, h.begin() + 7),
                  (std::vector<std::string>{"0.0001", "1 / -", "1 / -", "0 / -", "2 / -", "2 / -"}));
        EXPECT_EQ(NaUtf8(o.windowTitle()), "Informace - Analýza posunů");
        UlozDoGalerie(o, "Form76_cz");
        StiskniKlavesu(&o, Qt::Key_Escape);
        EXPECT_FALSE(o.isVisible());
    });
}

}  // namespace
}  // namespace sitmera
