#include "points/SouradniceSoubor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "core/Chyby.h"
#include "core/Nastaveni.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"

namespace sitmera {
namespace {

// Settings as at program start, with the given coordinate unit and axis
// orders of the open and save dialogs.
Tnastaveni Nastaveni(std::uint8_t jednotka = 0, std::uint8_t vstup = 0, std::uint8_t vystup = 0)
{
    Tnastaveni n;
    n.Default();
    n.jednotky.souradnice = jednotka;
    n.souborVstup.typSouradnice = vstup;
    n.souborVystup.typSouradnice = vystup;
    return n;
}

constexpr std::uint8_t Metry = 0;
constexpr std::uint8_t Stopy = 1;

Tbod Bod(const std::string& cislo, Extended x, Extended y, Extended z, bool plny = true)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.X = x;
    b.Y = y;
    b.Z = z;
    b.JePlny = plny;
    return b;
}

Tsouradnice Seznam(std::initializer_list<Tbod> body)
{
    Tsouradnice s;
    for (const Tbod& b : body) s.PridejBod(b);
    return s;
}

// ================================================================ reading

TEST(NactiSouradnice, DecimalCommaAndMixedSeparators)
{
    // "12 1,5 2.5 3" reads as point 12 with X 1.5, Y 2.5, Z 3.
    TStringList radky = {"12 1,5 2.5 3", "  13\t\t4   5\t6  "};
    int cislo = -1;
    ASSERT_TRUE(NactiSouradniceXYZ(radky, Nastaveni(), cislo));
    EXPECT_EQ(cislo, 2);
    EXPECT_EQ(radky, (TStringList{"12 1.5 2.5 3", "13 4 5 6"}));

    Tsouradnice s;
    s.PridejBody(radky, 1);
    ASSERT_EQ(s.bod.size(), 2u);
    EXPECT_EQ(s.bod[0].cislo, "12");
    EXPECT_EQ(s.bod[0].X, 1.5L);
    EXPECT_EQ(s.bod[0].Y, 2.5L);
    EXPECT_EQ(s.bod[0].Z, 3.0L);
}

TEST(NactiSouradnice, YXZOrderGivesXYZPointLines)
{
    // Read in the YXZ order, "7 200 100 5" is X 100, Y 200, Z 5.
    TStringList radky = {"7 200 100 5"};
    int cislo = 0;
    ASSERT_TRUE(NactiSouradniceYXZ(radky, Nastaveni(), cislo));
    EXPECT_EQ(radky, TStringList{"7 100 200 5"});
    EXPECT_EQ(cislo, 1);
}

TEST(NactiSouradnice, FeetAreConvertedToMetres)
{
    // 1 ft = 0.3048 m; 1000 ft = 304.8 m; -2.5 ft = -0.762 m.
    TStringList radky = {"P 1 1000 -2.5"};
    int cislo = 0;
    ASSERT_TRUE(NactiSouradniceXYZ(radky, Nastaveni(Stopy), cislo));
    EXPECT_EQ(radky, TStringList{"P 0.3048 304.8 -0.762"});
}

TEST(NactiSouradnice, TXTChoosesTheReaderByTheOpenDialogsFilterItem)
{
    for (const std::uint8_t zobrazeni : {0, 1}) {  // the display axis order plays no part
        Tnastaveni n = Nastaveni(Metry, 1);
        n.NastavPoradiXY(zobrazeni);
        TStringList radky = {"7 200 100 5"};
        int cislo = 0;
        ASSERT_TRUE(NactiSouradniceTXT(radky, n, cislo));
        EXPECT_EQ(radky, TStringList{"7 100 200 5"});

        n.souborVstup.typSouradnice = 0;
        radky = {"7 200 100 5"};
        ASSERT_TRUE(NactiSouradniceTXT(radky, n, cislo));
        EXPECT_EQ(radky, TStringList{"7 200 100 5"});
    }
    // An unknown filter item empties the lines.
    TStringList radky = {"7 200 100 5"};
    int cislo = 9;
    EXPECT_FALSE(NactiSouradniceTXT(radky, Nastaveni(Metry, 2), cislo));
    EXPECT_TRUE(radky.empty());
    EXPECT_EQ(cislo, 0);
}

TEST(NactiSouradnice, FaultyLineCountsNonEmptyLinesFromOne)
{
    struct Pripad {
        TStringList radky;
        int chybnyRadek;
    };
    const std::vector<Pripad> pripady = {
        // a line of five words fails at that line; lines after it are not read
        {{"1 1 2 3", "2 1 2 3 4", "3 x y z"}, 2},
        // blank lines before it are not counted
        {{"", "1 1 2 3", "   ", "\t", "2 1 2", "3 1 2 3"}, 2},
        {{"1 2 3"}, 1},
        {{"1"}, 1},
        {{"1 a 2 3"}, 1},
        {{"1 1 2 3", "2 1 2 3", "3 1 2 1.0000001e12"}, 3},  // above 1e12
        {{"1 1 2 3", "2 1 2 -5e-13"}, 2},                   // non-zero below 1e-12
        {{"1 1 2 inf"}, 1},
        {{"1 nan 2 3"}, 1},
        {{"1 0x10 2 3"}, 1},
        {{"1 1.5m 2 3"}, 1},
        {{"1 1,5,5 2 3"}, 1},
    };
    for (const Pripad& p : pripady) {
        for (const std::uint8_t poradi : {0, 1}) {
            TStringList radky = p.radky;
            int cislo = -1;
            EXPECT_FALSE(NactiSouradniceTXT(radky, Nastaveni(Metry, poradi), cislo))
                << ::testing::PrintToString(p.radky);
            EXPECT_TRUE(radky.empty());
            EXPECT_EQ(cislo, p.chybnyRadek) << ::testing::PrintToString(p.radky);
        }
    }
}

TEST(NactiSouradnice, RangeLimitsOfTheValues)
{
    // 1e12 and 1e-12 pass; a value counted as zero (|v| <= 1e-16) passes unchanged.
    TStringList radky = {"1 1e12 -1e-12 1e-17", "2 0 -0 0,000"};
    int cislo = 0;
    ASSERT_TRUE(NactiSouradniceXYZ(radky, Nastaveni(), cislo));
    ASSERT_EQ(radky.size(), 2u);
    Tsouradnice s;
    ASSERT_NO_THROW(s.PridejBody(radky, 1));
    EXPECT_EQ(s.bod[0].X, 1e12L);
    EXPECT_EQ(s.bod[0].Y, -1e-12L);
    EXPECT_EQ(s.bod[1].X, 0.0L);
}

TEST(NactiSouradnice, EmptyInputReadsAsNoLines)
{
    for (TStringList radky : {TStringList{}, TStringList{"", "  ", "\t\r"}}) {
        int cislo = -1;
        EXPECT_TRUE(NactiSouradniceXYZ(radky, Nastaveni(), cislo));
        EXPECT_TRUE(radky.empty());
        EXPECT_EQ(cislo, 0);
    }
}

// Mended fault: with feet a value may pass the check in feet and fail it in
// metres (1e-12 ft = 3.048e-13 m). The point list would then stop half way
// through the file while the file was reported as loaded; now that line is
// the faulty line and nothing is loaded.
TEST(NactiSouradnice, FaultFeetValueOutOfRangeInMetresIsTheFaultyLine)
{
    TStringList radky = {"1 1 2 3", "2 1e-12 2 3", "3 1 2 3"};
    int cislo = 0;
    EXPECT_FALSE(NactiSouradniceXYZ(radky, Nastaveni(Stopy), cislo));
    EXPECT_EQ(cislo, 2);
    EXPECT_TRUE(radky.empty());

    // The same line in metres is fine.
    radky = {"1 1 2 3", "2 1e-12 2 3", "3 1 2 3"};
    EXPECT_TRUE(NactiSouradniceXYZ(radky, Nastaveni(Metry), cislo));
    EXPECT_EQ(cislo, 3);

    // 3.3e-12 ft = 1.00584e-12 m still passes, and so does the largest value.
    radky = {"1 3.3e-12 1e12 -1e12"};
    ASSERT_TRUE(NactiSouradniceXYZ(radky, Nastaveni(Stopy), cislo));
    Tsouradnice s;
    EXPECT_NO_THROW(s.PridejBody(radky, 1));
    EXPECT_EQ(s.bod.size(), 1u);
}

// ================================================================ writing

TEST(UlozSouradnice, XYZAndYXZLinesWithTheCoordinateDecimals)
{
    // Point lines as the point list writes them (TAB-separated, metres).
    const TStringList body = {"7\t100\t200\t5", "A1\t-0.5\t1234567.891\t0"};
    TStringList radky = body;
    ASSERT_TRUE(UlozSouradniceXYZ(radky, Nastaveni()));
    EXPECT_EQ(radky, (TStringList{"7 100.0000 200.0000 5.0000",
                                  "A1 -0.5000 1234567.8910 0.0000"}));

    // Writing point 7 (X 100, Y 200) in the YXZ order gives 200, 100, 5 again.
    radky = body;
    ASSERT_TRUE(UlozSouradniceYXZ(radky, Nastaveni()));
    EXPECT_EQ(radky, (TStringList{"7 200.0000 100.0000 5.0000",
                                  "A1 1234567.8910 -0.5000 0.0000"}));

    Tnastaveni n = Nastaveni();
    n.presnost.souradnice.hodnota = 0;
    radky = body;
    ASSERT_TRUE(UlozSouradniceXYZ(radky, n));
    EXPECT_EQ(radky, (TStringList{"7 100 200 5", "A1 -1 1234568 0"}));
}

TEST(UlozSouradnice, FeetAreWrittenInTheUsersUnit)
{
    // 0.3048 m = 1 ft; 304.8 m = 1000 ft; -0.762 m = -2.5 ft.
    TStringList radky = {"P 0.3048 304.8 -0.762"};
    ASSERT_TRUE(UlozSouradniceXYZ(radky, Nastaveni(Stopy)));
    EXPECT_EQ(radky, TStringList{"P 1.0000 1000.0000 -2.5000"});
}

TEST(UlozSouradnice, TXTChoosesTheWriterByTheSaveDialogsFilterItem)
{
    TStringList radky = {"7 100 200 5"};
    ASSERT_TRUE(UlozSouradniceTXT(radky, Nastaveni(Metry, 0, 1)));
    EXPECT_EQ(radky, TStringList{"7 200.0000 100.0000 5.0000"});
    radky = {"7 100 200 5"};
    ASSERT_TRUE(UlozSouradniceTXT(radky, Nastaveni(Metry, 1, 0)));
    EXPECT_EQ(radky, TStringList{"7 100.0000 200.0000 5.0000"});
    radky = {"7 100 200 5"};
    EXPECT_FALSE(UlozSouradniceTXT(radky, Nastaveni(Metry, 0, 7)));
    EXPECT_TRUE(radky.empty());
}

TEST(UlozSouradnice, BadLineEmptiesTheListAndFails)
{
    const std::vector<TStringList> pripady = {
        {"1 1 2 3", "2 1 2"},          // fewer than four words
        {"1 1 2 3", "2 x 2 3"},        // no number
        {"1 1 2 3", "2 1e13 2 3"},     // out of range
        {"1 1 2 3", ""},               // an empty line
    };
    for (const TStringList& p : pripady) {
        for (const bool yxz : {false, true}) {
            TStringList radky = p;
            EXPECT_FALSE(yxz ? UlozSouradniceYXZ(radky, Nastaveni())
                             : UlozSouradniceXYZ(radky, Nastaveni()))
                << ::testing::PrintToString(p);
            EXPECT_TRUE(radky.empty());
        }
    }
}

// Mended fault: a point number holding a blank gave a line of five words
// that no reader accepts (and a project that cannot be opened); an empty
// number gave a line of three. The writer now fails and writes nothing.
TEST(UlozSouradnice, FaultPointNumberWithBlankOrEmpty)
{
    Tsouradnice s = Seznam({Bod("1", 1, 2, 3), Bod("A 1", 4, 5, 6)});
    TStringList radky;
    s.UlozDoStringList(radky, -6, false);
    EXPECT_FALSE(UlozSouradniceXYZ(radky, Nastaveni()));
    EXPECT_TRUE(radky.empty());

    s = Seznam({Bod("", 4, 5, 6)});
    s.UlozDoStringList(radky, -6, false);
    EXPECT_FALSE(UlozSouradniceYXZ(radky, Nastaveni()));
    EXPECT_TRUE(radky.empty());
}

// A value the reader would refuse is not written: 1e12 m is 3.28e12 ft, more
// than a coordinate file may hold.
TEST(UlozSouradnice, FaultValueThatWouldNotReadBack)
{
    TStringList radky = {"1 1e12 0 0"};
    EXPECT_TRUE(UlozSouradniceXYZ(radky, Nastaveni(Metry)));
    radky = {"1 1e12 0 0"};
    EXPECT_FALSE(UlozSouradniceXYZ(radky, Nastaveni(Stopy)));
    EXPECT_TRUE(radky.empty());
}

// Point list -> file lines -> point list, for every axis order and unit.
TEST(SouradniceSoubor, RoundTripInBothAxisOrdersAndFeet)
{
    const Tsouradnice puvodni =
        Seznam({Bod("1", 1000.0, 2000.0, 300.0), Bod("A1", -5.5, 0.001, 0),
                Bod("10", 1234567.1234, -765432.5678, 12.3456), Bod("Kóta", 0.3048, 3.048, 30.48)});
    for (const std::uint8_t jednotka : {Metry, Stopy}) {
        for (const std::uint8_t poradi : {0, 1}) {
            Tnastaveni n = Nastaveni(jednotka, poradi, poradi);
            n.presnost.souradnice.hodnota = 6;
            TStringList radky;
            puvodni.UlozDoStringList(radky, -6, false);
            ASSERT_TRUE(UlozSouradniceTXT(radky, n));
            int cislo = 0;
            ASSERT_TRUE(NactiSouradniceTXT(radky, n, cislo));
            EXPECT_EQ(cislo, 4);
            Tsouradnice zpet;
            zpet.PridejBody(radky, 1);
            ASSERT_EQ(zpet.bod.size(), puvodni.bod.size());
            // Six decimals in feet are 0.3048e-6 m: the values agree to that.
            const Extended tolerance = jednotka == Stopy ? 2e-7L : 1e-9L;
            for (std::size_t i = 0; i < puvodni.bod.size(); ++i) {
                EXPECT_EQ(zpet.bod[i].cislo, puvodni.bod[i].cislo);
                EXPECT_NEAR(double(zpet.bod[i].X), double(puvodni.bod[i].X), double(tolerance));
                EXPECT_NEAR(double(zpet.bod[i].Y), double(puvodni.bod[i].Y), double(tolerance));
                EXPECT_NEAR(double(zpet.bod[i].Z), double(puvodni.bod[i].Z), double(tolerance));
            }
        }
    }
}

// ================================================================ epoch and project point lines

TEST(NacistSouradniceZeSeznamu, ReadsSixWordLines)
{
    Tsouradnice s = Seznam({Bod("old", 9, 9, 9)});
    TStringList radky = {"7\t100\t200\t5\t-1\t0", "8 1,5 2.5 3 0 -1"};
    ASSERT_TRUE(NacistSouradniceZeSeznamu(radky, s));
    ASSERT_EQ(s.bod.size(), 2u);
    const Tbod& a = s.bod[0];
    EXPECT_EQ(a.poradi, 1);
    EXPECT_EQ(a.cislo, "7");
    EXPECT_EQ(a.X, 100.0L);
    EXPECT_EQ(a.Y, 200.0L);
    EXPECT_EQ(a.Z, 5.0L);
    EXPECT_TRUE(a.JeFixni);
    EXPECT_FALSE(a.JeAktiv);
    EXPECT_TRUE(a.JePlny);
    EXPECT_EQ(a.sig_X, 0.0L);  // zeroed records, not -1
    EXPECT_EQ(a.zkresleni, 0.0L);
    EXPECT_EQ(a.soubor, 0);
    const Tbod& b = s.bod[1];
    EXPECT_EQ(b.poradi, 2);
    EXPECT_EQ(b.X, 1.5L);
    EXPECT_FALSE(b.JeFixni);
    EXPECT_TRUE(b.JeAktiv);
    EXPECT_EQ(radky.size(), 2u);
}

TEST(NacistSouradniceZeSeznamu, RoundTripWithTheEpochWriter)
{
    Tsouradnice puvodni = Seznam({Bod("1", 1.0000004, -2, 3), Bod("20", 1e6, 2e-6, -3.25)});
    puvodni.bod[0].JeFixni = true;
    puvodni.bod[1].JeAktiv = true;
    TStringList radky;
    puvodni.UlozDoStringListFixAktiv(radky, -6, true);
    Tsouradnice zpet;
    ASSERT_TRUE(NacistSouradniceZeSeznamu(radky, zpet));
    ASSERT_EQ(zpet.bod.size(), 2u);
    EXPECT_EQ(zpet.bod[0].X, TextNaCislo("1"));  // rounded to 1e-6
    EXPECT_EQ(zpet.bod[1].Y, TextNaCislo("0.000002"));
    EXPECT_TRUE(zpet.bod[0].JeFixni && !zpet.bod[0].JeAktiv);
    EXPECT_TRUE(!zpet.bod[1].JeFixni && zpet.bod[1].JeAktiv);
}

TEST(NacistSouradniceZeSeznamu, FlagWords)
{
    const std::vector<std::pair<std::string, bool>> pripady = {
        {"-1", true}, {"0", false}, {"1", true}, {"TRUE", true}, {"false", false}, {"0.0", false}};
    for (const auto& [slovo, hodnota] : pripady) {
        TStringList radky = {"1 1 2 3 " + slovo + " " + slovo};
        Tsouradnice s;
        ASSERT_TRUE(NacistSouradniceZeSeznamu(radky, s)) << slovo;
        EXPECT_EQ(s.bod[0].JeFixni, hodnota) << slovo;
        EXPECT_EQ(s.bod[0].JeAktiv, hodnota) << slovo;
    }
}

TEST(NacistSouradniceZeSeznamu, BadLineEmptiesLinesAndList)
{
    const std::vector<TStringList> pripady = {
        {"1 1 2 3 0 0", "2 1 2 3 0"},          // five words
        {"1 1 2 3 0 0", "2 1 2 3 0 0 0"},      // seven
        {"1 1 2 3 0 0", ""},                   // an empty line
        {"1 1 2 3 0 0", "2 1 2 x 0 0"},        // no number
        {"1 1 2 3 0 0", "2 1 2 1e13 0 0"},     // out of range
        {"1 1 2 3 ano 0"},                     // no flag
    };
    for (const TStringList& p : pripady) {
        TStringList radky = p;
        Tsouradnice s = Seznam({Bod("old", 1, 1, 1)});
        EXPECT_FALSE(NacistSouradniceZeSeznamu(radky, s)) << ::testing::PrintToString(p);
        EXPECT_TRUE(radky.empty());
        EXPECT_TRUE(s.bod.empty());
    }
    TStringList zadne;
    Tsouradnice s = Seznam({Bod("old", 1, 1, 1)});
    EXPECT_TRUE(NacistSouradniceZeSeznamu(zadne, s));
    EXPECT_TRUE(s.bod.empty());
}

// ================================================================ list checks

TEST(KontrolaBodu, SingleRecordChecks)
{
    Tsouradnice s = Seznam({Bod("1", 1, 2, 3), Bod("2", 1, 2, 4), Bod("1", 5, 6, 7),
                            Bod("3", 1, 2, 3, false)});
    // Number: record 2 repeats "1".
    EXPECT_FALSE(KontrolaCisloBodu(s, 0));
    EXPECT_TRUE(s.bod[0].kontrola[0]);
    EXPECT_TRUE(KontrolaCisloBodu(s, 1));
    EXPECT_FALSE(s.bod[1].kontrola[0]);
    // XYZ: record 3 has the same X, Y, Z but is empty, so it does not count.
    EXPECT_TRUE(KontrolaPolohaBodu(s, 0));
    EXPECT_FALSE(s.bod[0].kontrola[2]);
    // XY: record 1 shares X and Y.
    EXPECT_FALSE(KontrolaPolohaXYBodu(s, 0));
    EXPECT_TRUE(s.bod[0].kontrola[1]);
    EXPECT_TRUE(KontrolaPolohaXYBodu(s, 2));

    // Each check clears its own flag first.
    s.bod[2].cislo = "9";
    EXPECT_TRUE(KontrolaCisloBodu(s, 0));
    EXPECT_FALSE(s.bod[0].kontrola[0]);
    EXPECT_TRUE(s.bod[0].kontrola[1]);  // the other flags stay

    // The number check looks at empty records too.
    s.bod[3].cislo = "2";
    EXPECT_FALSE(KontrolaCisloBodu(s, 1));

    // An index outside the list finds nothing.
    EXPECT_TRUE(KontrolaCisloBodu(s, -1));
    EXPECT_TRUE(KontrolaPolohaBodu(s, 4));
    EXPECT_TRUE(KontrolaPolohaXYBodu(s, 100));
}

class KontrolaSouradnicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        nastaveni = Nastaveni();
        nastaveni.okno.bodyVstup = 3;
    }
    Tnastaveni nastaveni;
    Tchyby chyby;
};

TEST_F(KontrolaSouradnicTest, SameNumberAndPositionCountsPerPoint)
{
    // Two points with the same number and the same X, Y, Z count once each in
    // the number counter and in the XYZ counter, and not in the XY counter.
    Tsouradnice s = Seznam({Bod("5", 1, 2, 3), Bod("5", 1, 2, 3), Bod("6", 8, 8, 8)});
    KontrolaSouradnic(s, chyby, true, nastaveni);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.X, 2.0L);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.Y, 2.0L);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.Z, 0.0L);
    EXPECT_EQ(chyby.souradniceUzivatelskeCekovyPocetChyb, 4);
    EXPECT_TRUE(s.bod[0].kontrola[0] && s.bod[0].kontrola[1] && s.bod[0].kontrola[2]);
    EXPECT_FALSE(s.bod[2].kontrola[0] || s.bod[2].kontrola[1] || s.bod[2].kontrola[2]);
}

TEST_F(KontrolaSouradnicTest, SharedXYOnlyCountsInTheXYCounter)
{
    // Points 1, 2, 3 share X and Y; 1 and 2 also share Z. Point 4 repeats the
    // number of point 3. XY counter: 3 with a shared X, Y less 2 with a shared
    // X, Y, Z = 1.
    Tsouradnice s = Seznam({Bod("1", 1, 2, 3), Bod("2", 1, 2, 3), Bod("3", 1, 2, 4),
                            Bod("3", 7, 2, 4), Bod("4", 1, 7, 3)});
    KontrolaSouradnic(s, chyby, true, nastaveni);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.X, 2.0L);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.Y, 2.0L);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.Z, 1.0L);
    EXPECT_EQ(chyby.souradniceUzivatelskeCekovyPocetChyb, 5);
    EXPECT_TRUE(s.bod[2].kontrola[1]);
    EXPECT_FALSE(s.bod[2].kontrola[2]);
    EXPECT_FALSE(s.bod[4].kontrola[1]);
}

TEST_F(KontrolaSouradnicTest, EmptyRecordsAreNotCheckedAndKeepTheirFlags)
{
    Tsouradnice s = Seznam({Bod("1", 1, 2, 3), Bod("2", 1, 2, 3, false)});
    s.bod[1].kontrola = {true, true, true, true};
    KontrolaSouradnic(s, chyby, true, nastaveni);
    EXPECT_EQ(chyby.souradniceUzivatelskeCekovyPocetChyb, 0);
    EXPECT_FALSE(BodMaChybu(s.bod[0]));
    EXPECT_TRUE(s.bod[1].kontrola[0]);  // not looked at

    // ... but an empty record's number still counts for the number check.
    s.bod[1].cislo = "1";
    KontrolaSouradnic(s, chyby, true, nastaveni);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.X, 1.0L);
    EXPECT_TRUE(s.bod[0].kontrola[0]);
}

TEST_F(KontrolaSouradnicTest, CountersOnlyForUserPointsFlagsAlways)
{
    Tsouradnice s = Seznam({Bod("5", 1, 2, 3), Bod("5", 4, 5, 6)});
    chyby.souradniceUzivatelskePocetChyb.X = 42;
    chyby.souradniceUzivatelskeCekovyPocetChyb = 42;
    nastaveni.okno.bodyVstup = 0;
    KontrolaSouradnic(s, chyby, true, nastaveni);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.X, 42.0L);
    EXPECT_EQ(chyby.souradniceUzivatelskeCekovyPocetChyb, 42);
    EXPECT_TRUE(s.bod[0].kontrola[0]);

    // The check switch off: nothing at all.
    s.bod[0].cislo = "1";
    nastaveni.okno.bodyVstup = 3;
    KontrolaSouradnic(s, chyby, false, nastaveni);
    EXPECT_TRUE(s.bod[0].kontrola[0]);
    EXPECT_EQ(chyby.souradniceUzivatelskeCekovyPocetChyb, 42);

    // A clean list resets the counters.
    KontrolaSouradnic(s, chyby, true, nastaveni);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.X, 0.0L);
    EXPECT_EQ(chyby.souradniceUzivatelskeCekovyPocetChyb, 0);
    EXPECT_FALSE(s.bod[0].kontrola[0]);
}

TEST_F(KontrolaSouradnicTest, SignedZeroIsEqualNaNIsNever)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    Tsouradnice s = Seznam({Bod("1", 0.0L, 1, 2), Bod("2", -0.0L, 1, 2), Bod("3", nan, 5, 5),
                            Bod("4", nan, 5, 5), Bod("5", 7, 7, nan), Bod("6", 7, 7, nan)});
    KontrolaSouradnic(s, chyby, true, nastaveni);
    EXPECT_TRUE(s.bod[0].kontrola[2]);
    EXPECT_TRUE(s.bod[1].kontrola[2]);
    EXPECT_FALSE(s.bod[2].kontrola[1] || s.bod[2].kontrola[2]);
    EXPECT_TRUE(s.bod[4].kontrola[1]);   // X, Y equal
    EXPECT_FALSE(s.bod[4].kontrola[2]);  // Z is NaN
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.Y, 2.0L);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.Z, 2.0L);
}

// The whole-list check agrees with the single-record checks run one by one
// (pair by pair) on random lists full of repeats.
TEST_F(KontrolaSouradnicTest, AgreesWithTheSingleRecordChecks)
{
    std::mt19937 gen(20240607);
    for (int pokus = 0; pokus < 300; ++pokus) {
        Tsouradnice s;
        const int n = std::uniform_int_distribution<int>(0, 25)(gen);
        for (int i = 0; i < n; ++i) {
            auto maly = [&] { return Extended(std::uniform_int_distribution<int>(-1, 2)(gen)); };
            Tbod b = Bod(std::to_string(std::uniform_int_distribution<int>(0, 12)(gen)), maly(),
                         maly(), maly(), std::uniform_int_distribution<int>(0, 5)(gen) != 0);
            if (b.X == 0 && (gen() & 1)) b.X = -0.0L;
            b.kontrola = {bool(gen() & 1), bool(gen() & 1), bool(gen() & 1), false};
            s.PridejBod(b);
        }
        Tsouradnice ocekavane = s;
        int cislo = 0, xyz = 0, xy = 0;
        for (int i = 0; i < n; ++i) {
            if (!ocekavane.bod[i].JePlny) continue;
            cislo += !KontrolaCisloBodu(ocekavane, i);
            xyz += !KontrolaPolohaBodu(ocekavane, i);
            xy += !KontrolaPolohaXYBodu(ocekavane, i);
        }
        KontrolaSouradnic(s, chyby, true, nastaveni);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(s.bod[i].kontrola, ocekavane.bod[i].kontrola) << pokus << " " << i;
        EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.X, Extended(cislo));
        EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.Y, Extended(xyz));
        EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.Z, Extended(xy - xyz));
        EXPECT_EQ(chyby.souradniceUzivatelskeCekovyPocetChyb, cislo + xy);
    }
}

TEST(KontrolaPoradiBodu, StrictTextMensiOrder)
{
    const Tsouradnice s = Seznam({Bod("9", 0, 0, 0), Bod("10", 0, 0, 0), Bod("A1", 0, 0, 0),
                                  Bod("100", 0, 0, 0), Bod("100", 0, 0, 0), Bod("99", 0, 0, 0)});
    EXPECT_TRUE(KontrolaPoradiBodu(s, 0, 3));   // 9 < 10 < A1 < 100
    EXPECT_FALSE(KontrolaPoradiBodu(s, 0, 4));  // 100 twice is not strictly ascending
    EXPECT_FALSE(KontrolaPoradiBodu(s, 4, 5));  // 100 before 99
    EXPECT_TRUE(KontrolaPoradiBodu(s, 2, 2));   // first = last
    EXPECT_TRUE(KontrolaPoradiBodu(s, 3, 1));   // last < first
    EXPECT_TRUE(KontrolaPoradiBodu(Tsouradnice(), 0, -1));
    EXPECT_FALSE(KontrolaPoradiBodu(s, 4, 6));  // beyond the list
    EXPECT_FALSE(KontrolaPoradiBodu(s, -1, 1));
}

TEST(SpojitSouradnice, InterleavesTheTwoLists)
{
    const Tsouradnice a = Seznam({Bod("a0", 1, 0, 0), Bod("a1", 2, 0, 0)});
    const Tsouradnice b = Seznam({Bod("b0", 3, 0, 0), Bod("b1", 4, 0, 0), Bod("b2", 5, 0, 0)});
    Tsouradnice vystup = Seznam({Bod("x", 0, 0, 0)});
    SpojitSouradnice(vystup, a, b);
    ASSERT_EQ(vystup.bod.size(), 4u);
    EXPECT_EQ(vystup.bod[0].cislo, "a0");
    EXPECT_EQ(vystup.bod[1].cislo, "b0");
    EXPECT_EQ(vystup.bod[2].cislo, "a1");
    EXPECT_EQ(vystup.bod[3].cislo, "b1");

    // The output may be one of the inputs.
    Tsouradnice c = a;
    SpojitSouradnice(c, c, b);
    EXPECT_EQ(c.bod.size(), 4u);
    EXPECT_EQ(c.bod[2].cislo, "a1");

    // b shorter than a: refused, nothing changes.
    EXPECT_THROW(SpojitSouradnice(vystup, b, a), ChybaArgumentu);
    EXPECT_EQ(vystup.bod.size(), 4u);

    SpojitSouradnice(vystup, Tsouradnice(), Tsouradnice());
    EXPECT_TRUE(vystup.bod.empty());
}

// ================================================================ bad input

// Mutations of valid files: every truncation, random byte changes, insertions
// and deletions. The readers must fail cleanly (never throw, never crash), and
// what they accept must load into the point list and survive a write and a
// second read.
TEST(SouradniceSoubor, MutatedFilesFailCleanly)
{
    const std::vector<std::string> vzory = {
        "1 1000.000 2000.000 300.000\r\n2\t1010,5\t2005.25\t301.125\r\n\r\nA1 1e3 -2 0\r\n",
        "P1 1000 2000 100\nP2 1 -10 0.5\n",
        "7\t100\t200\t5\t-1\t0\r\n8 1,5 2.5 3 0 -1\r\n",
    };
    const std::string bajty = std::string("0123456789 \t\r\n,.-+eE") + '\0' + "\x01\xff\xc3\xa9x";
    std::mt19937 gen(12345);
    auto nahodne = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(gen); };

    std::vector<std::string> vstupy;
    for (const std::string& vzor : vzory) {
        for (std::size_t delka = 0; delka <= vzor.size(); ++delka) vstupy.push_back(vzor.substr(0, delka));
        for (int k = 0; k < 400; ++k) {
            std::string m = vzor;
            const int zmen = 1 + int(nahodne(4));
            for (int z = 0; z < zmen && !m.empty(); ++z) {
                switch (nahodne(4)) {
                case 0: m[nahodne(m.size())] = bajty[nahodne(bajty.size())]; break;
                case 1: m.insert(nahodne(m.size() + 1), 1, bajty[nahodne(bajty.size())]); break;
                case 2: m.erase(nahodne(m.size()), 1); break;
                default: m[nahodne(m.size())] = char(gen()); break;
                }
            }
            vstupy.push_back(m);
        }
    }
    for (int k = 0; k < 200; ++k) {
        std::string m(nahodne(80), '\0');
        for (char& c : m) c = char(gen());
        vstupy.push_back(m);
    }

    int precteno = 0;
    for (const std::string& vstup : vstupy) {
        const TStringList radkySouboru = RozdelNaRadky(vstup);
        for (const std::uint8_t jednotka : {Metry, Stopy}) {
            for (const std::uint8_t poradi : {0, 1}) {
                const Tnastaveni n = Nastaveni(jednotka, poradi, poradi);
                TStringList radky = radkySouboru;
                int cislo = -1;
                bool ok = false;
                ASSERT_NO_THROW(ok = NactiSouradniceTXT(radky, n, cislo)) << ::testing::PrintToString(vstup);
                if (!ok) {
                    EXPECT_TRUE(radky.empty());
                    EXPECT_GE(cislo, 1);
                    continue;
                }
                ++precteno;
                EXPECT_EQ(cislo, int(radky.size()));
                Tsouradnice s;
                ASSERT_NO_THROW(s.PridejBody(radky, 1)) << ::testing::PrintToString(vstup);
                ASSERT_EQ(s.bod.size(), radky.size());

                TStringList zapsane;
                s.UlozDoStringList(zapsane, -6, false);
                bool zapsano = false;
                ASSERT_NO_THROW(zapsano = UlozSouradniceTXT(zapsane, n));
                if (!zapsano) continue;
                ASSERT_TRUE(NactiSouradniceTXT(zapsane, n, cislo)) << ::testing::PrintToString(vstup);
                Tsouradnice zpet;
                ASSERT_NO_THROW(zpet.PridejBody(zapsane, 1));
                ASSERT_EQ(zpet.bod.size(), s.bod.size());
                for (std::size_t i = 0; i < s.bod.size(); ++i) EXPECT_EQ(zpet.bod[i].cislo, s.bod[i].cislo);
            }
        }
        TStringList radky = radkySouboru;
        Tsouradnice s;
        bool ok = false;
        ASSERT_NO_THROW(ok = NacistSouradniceZeSeznamu(radky, s));
        if (ok) {
            EXPECT_EQ(s.bod.size(), radky.size());
        } else {
            EXPECT_TRUE(s.bod.empty() && radky.empty());
        }
    }
    EXPECT_GT(precteno, 100);  // the mutations did not all break the files
}

}  // namespace
}  // namespace sitmera
