// Notice state: codes, the one-shot mute flag, duplicate counters and the
// notice catalogue in both languages.
#include "core/Chyby.h"

#include <gtest/gtest.h>

#include "core/Jazyk.h"
#include "core/Nastaveni.h"

namespace sitmera {
namespace {

Tjazyk Jazyk(std::uint8_t jazyk)
{
    Tnastaveni n;
    n.Default();
    n.typJazyk = jazyk;
    Tjazyk j;
    j.Default(n);
    return j;
}

// ------------------------------------------------------------ state

TEST(Chyby, DefaultResetsTheCountersOnly)
{
    Tchyby c;
    c.souradniceUzivatelskePocetChyb.X = 3;
    c.souradniceUzivatelskePocetChyb.Y = 2;
    c.souradniceUzivatelskePocetChyb.Z = 4;
    c.souradniceUzivatelskeCekovyPocetChyb = 9;
    c.Oznameni(29);
    c.Potvrzeni(5);
    c.Nehlasit();
    c.hlaseni.push_back("x");

    c.Default();
    EXPECT_EQ(c.souradniceUzivatelskePocetChyb.X, 0);
    EXPECT_EQ(c.souradniceUzivatelskePocetChyb.Y, 0);
    EXPECT_EQ(c.souradniceUzivatelskePocetChyb.Z, 0);
    EXPECT_EQ(c.souradniceUzivatelskeCekovyPocetChyb, 0);
    EXPECT_FALSE(c.souradniceUzivatelskePocetChyb.JePlny);
    // Codes, the mute flag and the messages are not the counters' business.
    EXPECT_EQ(c.cisloOznameni, 29);
    EXPECT_EQ(c.cisloPotvrzeni, 5);
    EXPECT_TRUE(c.vypnoutHlaseni);
    EXPECT_EQ(c.hlaseni.size(), 1u);
}

TEST(Chyby, MuteSwallowsOneNoticeOnlyAndTakingClearsTheCode)
{
    Tchyby c;
    c.Nehlasit();
    c.Nehlasit();  // twice is still one mute
    c.Oznameni(26);
    std::int32_t kod = -1;
    EXPECT_FALSE(c.PrevzitOznameni(kod));
    EXPECT_EQ(kod, -1);              // nothing taken
    EXPECT_EQ(c.cisloOznameni, 26);  // the pending code stays
    EXPECT_FALSE(c.vypnoutHlaseni);  // one-shot

    c.Oznameni(28);
    ASSERT_TRUE(c.PrevzitOznameni(kod));
    EXPECT_EQ(kod, 28);
    EXPECT_EQ(c.cisloOznameni, 0);
}

TEST(Chyby, ReasonsGoUnderTheMessageOneALineAtMostFiveThenAnEllipsis)
{
    EXPECT_EQ(TextSDuvodem("n", ""), "n");
    EXPECT_EQ(TextSDuvody("n", {"1", "", "2", "3", "4", "5", "6"}), "n\n1\n2\n3\n4\n5\n\u2026");
}

// ------------------------------------------------------------ catalogue

struct Oznameni {
    int kod;
    const char* nadpisCesky;
    const char* textCesky;
    const char* nadpisAnglicky;
    const char* textAnglicky;
};

// Title and message of every catalogue row, written out in both languages.
const Oznameni katalog[] = {
    {0, "Chyba", "Během zpracování došlo k chybě! Prosím, zkontrolujte zpracovávaná data.", "Error", "An error occurred during the processing! Please check the processed data."},
    {1, "Chyba fixních bodů", "Musí být vloženy minimálně dva body sítě! Seznam vložených bodů sítě nesmí obsahovat žádné duplicity!", "Fixed points error", "At least two network points must be inserted! The list of inserted network points must not contain any duplicates!"},
    {2, "Chyba fixních bodů", "Nevhodná konfigurace vložených bodů sítě.", "Fixed points error", "Improper configuration of inserted network points."},
    {3, "Upozornění - Chyba fixních bodů", "Byl překročen mezní rozdíl šikmých délek mezi body sítě. Měření pravděpodobně obsahují hrubé chyby.", "Warning - Fixed points error", "The maximal difference of slope distances between the network points has been exceeded. The measurements may contain gross errors."},
    {4, "Chyba procesu vyrovnání", "Nedostatečný počet nadbytečných měření.", "Adjustment process error", "Insufficient number of redundant measurements."},
    {5, "Chyba robustního vyrovnání sítě", "Chyba v řešení normálních rovnic. Měření pravděpodobně obsahují hrubé chyby.", "Robust adjustment error", "Error in solving the normal equations. The measurements may contain gross errors."},
    {6, "Chyba detekce odlehlých hodnot", "Apriorní přesnost měření neodpovídá skutečnosti. Měření pravděpodobně obsahují hrubé chyby.", "Outlier detection error", "A priori accuracy of network does not reflect reality. The measurements may contain gross errors."},
    {7, "Chyba procesu vyrovnání", "Chyba v řešení normálních rovnic. Měření pravděpodobně obsahují hrubé chyby.", "Adjustment process error", "Error in solving the normal equations. The measurements may contain gross errors."},
    {8, "Chyba procesu vyrovnání", "Chyba vyhodnocení přesnosti sítě. Měření pravděpodobně obsahují hrubé chyby.", "Adjustment process error", "Network accuracy evaluation error. The measurements may contain gross errors."},
    {9, "Chyba identických bodů", "Musí být vloženy minimálně dva identické body! Seznam vložených identických bodů nesmí obsahovat žádné duplicity!", "Identical points error", "At least two identical points must be inserted! The list of inserted identical points must not contain any duplicates!"},
    {10, "Chyba identických bodů", "Nejméně dva vložené identické body musí odpovídat bodům sítě.", "Identical points error", "At least two inserted identical points must correspond to the networks points."},
    {11, "Chyba identických bodů", "Nejméně dva vložené identické body musí mít rozdílné souřadnice X a Y.", "Identical points error", "At least two inserted identical points must have different coordinates X and Y."},
    {12, "Chyba robustního vyrovnání sítě", "Chyba v řešení normálních rovnic. Vložené identické body pravděpodobně obsahují hrubé chyby.", "Robust adjustment error", "Error in solving the normal equations. The inserted identical points may contain gross errors."},
    {13, "Chyba detekce odlehlých hodnot", "Apriorní přesnost identických bodů neodpovídá skutečnosti. Vložené identické body pravděpodobně obsahují hrubé chyby.", "Outlier detection error", "A priori accuracy of identical points does not reflect reality. The inserted identical points may contain gross errors."},
    {14, "Chyba procesu vyrovnání", "Chyba v řešení normálních rovnic. Vložené identické body pravděpodobně obsahují hrubé chyby.", "Adjustment process error", "Error in solving the normal equations. The inserted identical points may contain gross errors."},
    {15, "Chyba procesu vyrovnání", "Chyba vyhodnocení přesnosti transformace. Vložené identické body pravděpodobně obsahují hrubé chyby.", "Adjustment process error", "Transformation accuracy evaluation error. The inserted identical points may contain gross errors."},
    {16, "Chyba transformace", "Během procesu transformace souřadnic došlo k chybě!", "Transformation error", "An error occurred during the coordinates transformation process!"},
    {17, "Chyba měřítkového koeficientu", "Seznam měřítkových koeficientů pro redukci délek obsahuje chyby.", "Scale factor error", "The list of scale factors for distance reduction contains errors."},
    {18, "Chyba doplňkového měření", "Seznam doplňkových měření (Šikmá délka) obsahuje chyby.", "Supplementary measurement error", "The list of supplementary measurements (Slope distance) contains errors."},
    {19, "Chyba doplňkového měření", "Seznam doplňkových měření (Směrník) obsahuje chyby.", "Supplementary measurement error", "The list of supplementary measurements (Bearing) contains errors."},
    {20, "Chyba doplňkového měření", "Seznam doplňkových měření (Převýšení) obsahuje chyby.", "Supplementary measurement error", "The list of supplementary measurements (Height difference) contains errors."},
    {21, "Chyba doplňkového měření", "Seznam doplňkových měření (Svislé provažování) obsahuje chyby.", "Supplementary measurement error", "The list of supplementary measurements (Vertical plumbing) contains errors."},
    {22, "Chyba doplňkového měření", "Byl překročen mezní rozdíl doplňkového měření (Šikmá délka) mezi body sítě. Měření pravděpodobně obsahují hrubé chyby.", "Supplementary measurement error", "The maximal difference of supplementary measurement (Slope distance) between the network points has been exceeded. The measurements may contain gross errors."},
    {23, "Chyba doplňkového měření", "Byl překročen mezní rozdíl doplňkového měření (Směrník) mezi body sítě. Měření pravděpodobně obsahují hrubé chyby.", "Supplementary measurement error", "The maximal difference of supplementary measurement (Bearing) between the network points has been exceeded. The measurements may contain gross errors."},
    {24, "Chyba doplňkového měření", "Byl překročen mezní rozdíl doplňkového měření (Převýšení) mezi body sítě. Měření pravděpodobně obsahují hrubé chyby.", "Supplementary measurement error", "The maximal difference of supplementary measurement (Height difference) between the network points has been exceeded. The measurements may contain gross errors."},
    {25, "Chyba doplňkového měření", "Byl překročen mezní rozdíl doplňkového měření (Svislé provažování) mezi body sítě. Měření pravděpodobně obsahují hrubé chyby.", "Supplementary measurement error", "The maximal difference of supplementary measurement (Vertical plumbing) between the network points has been exceeded. The measurements may contain gross errors."},
    {26, "Chyba protokolu", "Během zpracování protokolu došlo k chybě!", "Protocol error", "An error occurred during the protocol processing!"},
    {28, "Chyba", "Při ukládání souboru došlo k chybě!", "Error", "An error occurred during the save process!"},
    {29, "Chyba transformace", "Chyba transformačního klíče! Prosím, zkontrolujte nastavení.", "Transformation error", "Transformation parametres error! Please check your settings."},
    {30, "Chyba transformace", "Během procesu transformace souřadnic došlo k chybě!", "Transformation error", "An error occurred during the coordinates transformation process!"},
    {31, "Chyba", "Během analýzy posunů došlo k chybě!", "Error", "An error occurred during the movement analysis!"},
    // A code without a row (27 is the one gap in 0..31) shows "Error" as title and message.
    {27, "Chyba", "Chyba", "Error", "Error"},
    {32, "Chyba", "Chyba", "Error", "Error"},
    {-1, "Chyba", "Chyba", "Error", "Error"},
};

TEST(ChybyKatalog, EveryRowInBothLanguages)
{
    const Tjazyk cesky = Jazyk(0);
    const Tjazyk anglicky = Jazyk(1);
    for (const Oznameni& o : katalog) {
        SCOPED_TRACE(o.kod);
        EXPECT_EQ(NadpisOznameni(cesky, o.kod), o.nadpisCesky);
        EXPECT_EQ(TextOznameni(cesky, o.kod), o.textCesky);
        EXPECT_EQ(NadpisOznameni(anglicky, o.kod), o.nadpisAnglicky);
        EXPECT_EQ(TextOznameni(anglicky, o.kod), o.textAnglicky);
    }
}

}  // namespace
}  // namespace sitmera
