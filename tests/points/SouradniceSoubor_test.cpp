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

// Lines come back as "number X Y Z" in metres and in the XYZ order; the
// count is the number of lines read. The axis order comes from the open
// dialog's filter item, never from the display axis order; an unknown item
// empties the lines.
TEST(NactiSouradnice, BothAxisOrdersFeetAndSeparators)
{
    struct Pripad {
        std::uint8_t jednotka, poradi, zobrazeni;
        TStringList vstup;
        bool ok;
        TStringList vystup;
    } const pripady[] = {
        {Metry, 0, 0, {"12 1,5 2.5 3", "  13\t\t4   5\t6  "}, true, {"12 1.5 2.5 3", "13 4 5 6"}},
        {Metry, 1, 0, {"7 200 100 5"}, true, {"7 100 200 5"}},  // YXZ: X 100, Y 200
        {Metry, 1, 1, {"7 200 100 5"}, true, {"7 100 200 5"}},
        {Metry, 0, 1, {"7 200 100 5"}, true, {"7 200 100 5"}},
        {Stopy, 0, 0, {"P 1 1000 -2.5"}, true, {"P 0.3048 304.8 -0.762"}},  // 1 ft = 0.3048 m
        {Metry, 0, 0, {}, true, {}},
        {Metry, 1, 0, {"", "  ", "\t\r"}, true, {}},
        {Metry, 2, 0, {"7 200 100 5"}, false, {}},
    };
    for (const Pripad& p : pripady) {
        Tnastaveni n = Nastaveni(p.jednotka, p.poradi);
        n.NastavPoradiXY(p.zobrazeni);
        TStringList radky = p.vstup;
        int cislo = -1;
        EXPECT_EQ(NactiSouradniceTXT(radky, n, cislo), p.ok) << ::testing::PrintToString(p.vstup);
        EXPECT_EQ(radky, p.vystup);
        EXPECT_EQ(cislo, int(p.vystup.size()));
    }
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

// Point lines as the point list writes them (TAB-separated, metres) become
// file lines in the save dialog's axis order, the user's unit and the
// coordinate decimals (4 by default); a bad line empties the list and fails
// in either axis order.
TEST(UlozSouradnice, LinesInTheDialogsAxisOrderUnitAndDecimals)
{
    const TStringList body = {"7\t100\t200\t5", "A1\t-0.5\t1234567.891\t0"};
    struct Pripad {
        std::uint8_t jednotka, poradi;
        int desetin;
        TStringList vstup;
        bool ok;
        TStringList vystup;
    } const pripady[] = {
        {Metry, 0, 4, body, true, {"7 100.0000 200.0000 5.0000", "A1 -0.5000 1234567.8910 0.0000"}},
        // point 7 (X 100, Y 200) in the YXZ order gives 200, 100, 5 again
        {Metry, 1, 4, body, true, {"7 200.0000 100.0000 5.0000", "A1 1234567.8910 -0.5000 0.0000"}},
        {Metry, 0, 0, body, true, {"7 100 200 5", "A1 -1 1234568 0"}},
        // 0.3048 m = 1 ft; 304.8 m = 1000 ft; -0.762 m = -2.5 ft
        {Stopy, 0, 4, {"P 0.3048 304.8 -0.762"}, true, {"P 1.0000 1000.0000 -2.5000"}},
        {Metry, 7, 4, {"7 100 200 5"}, false, {}},        // unknown filter item
        {Metry, 0, 4, {"1 1 2 3", "2 1 2"}, false, {}},    // fewer than four words
        {Metry, 0, 4, {"1 1 2 3", "2 x 2 3"}, false, {}},  // no number
        {Metry, 0, 4, {"1 1 2 3", "2 1e13 2 3"}, false, {}},  // out of range
        {Metry, 0, 4, {"1 1 2 3", ""}, false, {}},            // an empty line
    };
    for (const Pripad& p : pripady) {
        std::vector<std::uint8_t> poradi = {p.poradi};
        if (!p.ok && p.poradi == 0) poradi.push_back(1);
        for (const std::uint8_t o : poradi) {
            // The open dialog's filter item plays no part.
            Tnastaveni n = Nastaveni(p.jednotka, o == 0 ? 1 : 0, o);
            n.presnost.souradnice.hodnota = p.desetin;
            TStringList radky = p.vstup;
            EXPECT_EQ(UlozSouradniceTXT(radky, n), p.ok) << ::testing::PrintToString(p.vstup) << int(o);
            EXPECT_EQ(radky, p.vystup);
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
    EXPECT_EQ(radky.size(), 2u);
    const Tbod& a = s.bod[0];
    EXPECT_EQ(a.cislo, "7");
    EXPECT_EQ((std::vector<Extended>{a.X, a.Y, a.Z}), (std::vector<Extended>{100, 200, 5}));
    EXPECT_TRUE(a.JeFixni && !a.JeAktiv && a.JePlny);
    EXPECT_EQ(a.sig_X, 0.0L);  // zeroed records, not -1
    EXPECT_EQ(a.zkresleni, 0.0L);
    EXPECT_EQ(a.soubor, 0);
    EXPECT_EQ(a.poradi, 1);
    EXPECT_EQ(s.bod[1].poradi, 2);
    EXPECT_EQ(s.bod[1].X, 1.5L);
    EXPECT_TRUE(!s.bod[1].JeFixni && s.bod[1].JeAktiv);
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

// Flag words; a bad line empties the lines and the list; no lines read as
// an empty list.
TEST(NacistSouradniceZeSeznamu, FlagWordsAndBadLines)
{
    struct Pripad {
        TStringList radky;
        bool ok, priznak;
    } const pripady[] = {
        {{"1 1 2 3 -1 -1"}, true, true},         {{"1 1 2 3 0 0"}, true, false},
        {{"1 1 2 3 1 1"}, true, true},           {{"1 1 2 3 TRUE TRUE"}, true, true},
        {{"1 1 2 3 false false"}, true, false},  {{"1 1 2 3 0.0 0.0"}, true, false},
        {{}, true, false},
        {{"1 1 2 3 0 0", "2 1 2 3 0"}, false, false},       // five words
        {{"1 1 2 3 0 0", "2 1 2 3 0 0 0"}, false, false},   // seven
        {{"1 1 2 3 0 0", ""}, false, false},                // an empty line
        {{"1 1 2 3 0 0", "2 1 2 x 0 0"}, false, false},     // no number
        {{"1 1 2 3 0 0", "2 1 2 1e13 0 0"}, false, false},  // out of range
        {{"1 1 2 3 ano 0"}, false, false},                  // no flag
    };
    for (const Pripad& p : pripady) {
        TStringList radky = p.radky;
        Tsouradnice s = Seznam({Bod("old", 1, 1, 1)});
        EXPECT_EQ(NacistSouradniceZeSeznamu(radky, s), p.ok) << ::testing::PrintToString(p.radky);
        EXPECT_EQ(radky.size(), p.ok ? p.radky.size() : 0u);
        ASSERT_EQ(s.bod.size(), p.ok ? p.radky.size() : 0u);
        for (const Tbod& b : s.bod) EXPECT_TRUE(b.JeFixni == p.priznak && b.JeAktiv == p.priznak);
    }
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

// Counters: X repeated numbers, Y shared X, Y, Z, Z shared X, Y only (each
// point counts once); the total is repeated numbers + shared X, Y.
TEST_F(KontrolaSouradnicTest, HandCountedLists)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    struct Pripad {
        std::vector<Tbod> body;
        Extended x, y, z;
        int celkem;
    } const pripady[] = {
        // same number and position count once in the number and XYZ counters
        {{Bod("5", 1, 2, 3), Bod("5", 1, 2, 3), Bod("6", 8, 8, 8)}, 2, 2, 0, 4},
        // 1, 2, 3 share X and Y; 1 and 2 also Z; 4 repeats the number 3
        {{Bod("1", 1, 2, 3), Bod("2", 1, 2, 3), Bod("3", 1, 2, 4), Bod("3", 7, 2, 4), Bod("4", 1, 7, 3)},
         2, 2, 1, 5},
        // signed zeros are equal, NaN never
        {{Bod("1", 0.0L, 1, 2), Bod("2", -0.0L, 1, 2), Bod("3", nan, 5, 5), Bod("4", nan, 5, 5),
          Bod("5", 7, 7, nan), Bod("6", 7, 7, nan)},
         0, 2, 2, 4},
    };
    for (const Pripad& p : pripady) {
        Tsouradnice s;
        for (const Tbod& b : p.body) s.PridejBod(b);
        KontrolaSouradnic(s, chyby, true, nastaveni);
        EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.X, p.x) << p.body.size();
        EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.Y, p.y) << p.body.size();
        EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.Z, p.z) << p.body.size();
        EXPECT_EQ(chyby.souradniceUzivatelskeCekovyPocetChyb, p.celkem) << p.body.size();
    }
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
    auto cisla = [](const Tsouradnice& s) {
        std::vector<std::string> c;
        for (const Tbod& t : s.bod) c.push_back(t.cislo);
        return c;
    };
    Tsouradnice vystup = Seznam({Bod("x", 0, 0, 0)});
    SpojitSouradnice(vystup, a, b);
    EXPECT_EQ(cisla(vystup), (std::vector<std::string>{"a0", "b0", "a1", "b1"}));

    // The output may be one of the inputs.
    Tsouradnice c = a;
    SpojitSouradnice(c, c, b);
    EXPECT_EQ(cisla(c), cisla(vystup));

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
