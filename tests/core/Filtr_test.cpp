// Numeric and text filter tests of the find and select criteria.
#include "core/Filtr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace sitmera {
namespace {

// Runs the numeric test from both starting values of the flag: an applied
// test must give the same answer from either, so a wrong "left as it is"
// path shows up.
bool Cislo(int kod, Extended a, Extended b)
{
    bool z0 = false, z1 = true;
    VyhovujeCislo(kod, true, z0, a, b);
    VyhovujeCislo(kod, true, z1, a, b);
    EXPECT_EQ(z0, z1) << "code " << kod << " left the flag unset";
    return z0;
}

bool Text(const std::string& a, const std::string& b, int kod)
{
    bool z0 = false, z1 = true;
    VyhovujeText(a, b, kod, z0, true);
    VyhovujeText(a, b, kod, z1, true);
    EXPECT_EQ(z0, z1) << "code " << kod << " left the flag unset";
    return z0;
}

struct RadekCislo {
    Extended a, b;
    // expected results of the codes 0 =, 1 >, 2 <, 3 >=, 4 <=, 5 <>
    bool ocekavano[6];
};

TEST(VyhovujeCislo, EveryOperatorAgainstATableOfPairs)
{
    const RadekCislo tabulka[] = {
        {1, 2, {false, false, true, false, true, true}},
        {2, 1, {false, true, false, true, false, true}},
        {5, 5, {true, false, false, true, true, false}},
        {-3, -3, {true, false, false, true, true, false}},
        {-3, 3, {false, false, true, false, true, true}},
        {0.0L, -0.0L, {true, false, false, true, true, false}},
        // 1e-17 apart: within the absolute floor of 1e-16, so equal
        {1e-17L, 2e-17L, {true, false, false, true, true, false}},
        {0, 1e-16L, {true, false, false, true, true, false}},
        // 2e-16 apart near zero: the floor is 1e-16, so different
        {0, 2e-16L, {false, false, true, false, true, true}},
        // large values: 1e-16 relative of 1e6 is 1e-10
        {1e6L, 1e6L + 5e-11L, {true, false, false, true, true, false}},
        {1e6L, 1e6L + 5e-10L, {false, false, true, false, true, true}},
        {1e6L + 5e-10L, 1e6L, {false, true, false, true, false, true}},
    };
    for (const auto& r : tabulka)
        for (int kod = 0; kod < 6; ++kod)
            EXPECT_EQ(Cislo(kod, r.a, r.b), r.ocekavano[kod])
                << "a=" << static_cast<double>(r.a) << " b=" << static_cast<double>(r.b)
                << " code " << kod;
}

TEST(VyhovujeCislo, ToleranceIsRelativeAboveOne)
{
    // at 1000 the tolerance is 1e-16 x 1000 = 1e-13 (one unit in the last
    // place of an 80-bit 1000 is about 1.1e-16, so both offsets are exact
    // enough)
    EXPECT_TRUE(Cislo(kFiltrRovno, 1000, 1000 + 0.5e-13L));
    EXPECT_FALSE(Cislo(kFiltrRovno, 1000, 1000 + 2e-13L));
    EXPECT_TRUE(Cislo(kFiltrMensi, 1000, 1000 + 2e-13L));
    EXPECT_FALSE(Cislo(kFiltrMensi, 1000, 1000 + 0.5e-13L));
    // below 1 the floor of 1e-16 holds: 0.5 and 0.5 + 5e-17 are equal
    EXPECT_TRUE(Cislo(kFiltrRovno, 0.5L, 0.5L + 5e-17L));
    EXPECT_FALSE(Cislo(kFiltrRovno, 0.5L, 0.5L + 3e-16L));
}

TEST(VyhovujeCislo, InactiveOrUnknownCodeLeavesTheFlag)
{
    for (bool start : {false, true}) {
        bool v = start;
        VyhovujeCislo(kFiltrRovno, false, v, 1, 1);
        EXPECT_EQ(v, start);
        VyhovujeCislo(kFiltrRuzne, false, v, 1, 2);
        EXPECT_EQ(v, start);
        VyhovujeCislo(6, true, v, 1, 1);
        EXPECT_EQ(v, start);
        VyhovujeCislo(-1, true, v, 1, 1);
        EXPECT_EQ(v, start);
        VyhovujeCislo(255, true, v, 2, 1);
        EXPECT_EQ(v, start);
    }
}

TEST(VyhovujeCislo, InfinityAndNaN)
{
    const Extended inf = std::numeric_limits<Extended>::infinity();
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    EXPECT_TRUE(Cislo(kFiltrRovno, inf, inf));
    EXPECT_TRUE(Cislo(kFiltrVetsi, inf, 1e300L));
    EXPECT_TRUE(Cislo(kFiltrMensi, -inf, 0));
    for (int kod = 0; kod < 5; ++kod) EXPECT_FALSE(Cislo(kod, nan, 1)) << kod;
    EXPECT_TRUE(Cislo(kFiltrRuzne, nan, nan));
}

TEST(VyhovujeText, OrderOperatorsFollowPointNumberOrder)
{
    // length first, then character codes: "9" < "10" < "A1" < "100"
    EXPECT_TRUE(Text("9", "10", kFiltrTextMensi));
    EXPECT_FALSE(Text("9", "10", kFiltrTextVetsi));
    EXPECT_TRUE(Text("10", "A1", kFiltrTextMensi));
    EXPECT_TRUE(Text("A1", "100", kFiltrTextMensi));
    EXPECT_TRUE(Text("100", "99", kFiltrTextVetsi));
    EXPECT_TRUE(Text("10", "10", kFiltrTextVetsiRovno));
    EXPECT_TRUE(Text("10", "10", kFiltrTextMensiRovno));
    EXPECT_FALSE(Text("10", "10", kFiltrTextMensi));
    EXPECT_FALSE(Text("10", "10", kFiltrTextVetsi));
    EXPECT_TRUE(Text("11", "10", kFiltrTextVetsiRovno));
    EXPECT_FALSE(Text("11", "10", kFiltrTextMensiRovno));
    // characters, not bytes: "č" is two bytes but one character, so "č" < "10"
    EXPECT_TRUE(Text("\xC4\x8D", "10", kFiltrTextMensi));
    EXPECT_TRUE(Text("", "1", kFiltrTextMensi));
}

TEST(VyhovujeText, EqualAndDifferentAreExactAndCaseSensitive)
{
    EXPECT_TRUE(Text("A1", "A1", kFiltrTextRovno));
    EXPECT_FALSE(Text("A1", "a1", kFiltrTextRovno));
    EXPECT_FALSE(Text("A1 ", "A1", kFiltrTextRovno));
    EXPECT_TRUE(Text("A1", "a1", kFiltrTextRuzne));
    EXPECT_FALSE(Text("A1", "A1", kFiltrTextRuzne));
    EXPECT_TRUE(Text("", "", kFiltrTextRovno));
}

TEST(VyhovujeText, ContainsIgnoresCaseOfLatinAndCzechLetters)
{
    EXPECT_TRUE(Text("Pilir12", "pil", kFiltrTextObsahuje));
    EXPECT_TRUE(Text("pilir12", "IR1", kFiltrTextObsahuje));
    EXPECT_TRUE(Text("abc", "", kFiltrTextObsahuje));
    EXPECT_TRUE(Text("", "", kFiltrTextObsahuje));
    EXPECT_FALSE(Text("", "a", kFiltrTextObsahuje));
    EXPECT_FALSE(Text("ab", "abc", kFiltrTextObsahuje));
    EXPECT_FALSE(Text("a-b", "ab", kFiltrTextObsahuje));
    // "ŘÍČNÍ BOD" contains "říční" and "ČN"
    const std::string velke = "\xC5\x98\xC3\x8D\xC4\x8CN\xC3\x8D BOD";
    EXPECT_TRUE(Text(velke, "\xC5\x99\xC3\xAD\xC4\x8Dn\xC3\xAD", kFiltrTextObsahuje));
    EXPECT_TRUE(Text(velke, "\xC4\x8CN", kFiltrTextObsahuje));
    // "Ů" / "ů", "Ž" / "ž", "Ď" / "ď", "Ť" / "ť", "Ň" / "ň", "Ě" / "ě"
    EXPECT_TRUE(Text("\xC5\xAE\xC5\xBD\xC4\x8E\xC5\xA4\xC5\x87\xC4\x9A",
                     "\xC5\xAF\xC5\xBE\xC4\x8F\xC5\xA5\xC5\x88\xC4\x9B", kFiltrTextObsahuje));
    // "č" is not "c"
    EXPECT_FALSE(Text("\xC4\x8D", "c", kFiltrTextObsahuje));
    // Cyrillic "ТОЧКА" contains "точ"
    EXPECT_TRUE(Text("\xD0\xA2\xD0\x9E\xD0\xA7\xD0\x9A\xD0\x90", "\xD1\x82\xD0\xBE\xD1\x87",
                     kFiltrTextObsahuje));
}

TEST(VyhovujeText, ContainsMatchesWholeCharactersOnly)
{
    // "ÄĀ" holds the bytes 84 C4 across its character boundary; a search
    // text made of those two bytes must not match
    EXPECT_FALSE(Text("\xC3\x84\xC4\x80", "\x84\xC4", kFiltrTextObsahuje));
    // invalid bytes stand for themselves
    EXPECT_TRUE(Text("a\xFF" "b", "\xFF" "B", kFiltrTextObsahuje));
    EXPECT_FALSE(Text("a\xFE" "b", "\xFF" "b", kFiltrTextObsahuje));
    // a truncated sequence at the end does not crash and matches itself
    EXPECT_TRUE(Text("x\xC5", "X\xC5", kFiltrTextObsahuje));
}

TEST(VyhovujeText, InactiveOrUnknownCodeLeavesTheFlag)
{
    for (bool start : {false, true}) {
        bool v = start;
        VyhovujeText("a", "a", kFiltrTextRovno, v, false);
        EXPECT_EQ(v, start);
        VyhovujeText("a", "b", kFiltrTextRuzne, v, false);
        EXPECT_EQ(v, start);
        VyhovujeText("a", "a", 7, v, true);
        EXPECT_EQ(v, start);
        VyhovujeText("a", "a", -1, v, true);
        EXPECT_EQ(v, start);
    }
}

TEST(VyhovujeFiltr, ChainedCriteriaAllMustHold)
{
    // The criteria windows chain tests into one flag: an inactive test does
    // not disturb the result of the earlier ones.
    bool v = true;
    VyhovujeText("12", "1", kFiltrTextObsahuje, v, true);
    VyhovujeCislo(kFiltrVetsi, false, v, 0, 5);  // not in force
    EXPECT_TRUE(v);
    VyhovujeCislo(kFiltrVetsi, true, v, 7, 5);
    EXPECT_TRUE(v);
    VyhovujeCislo(kFiltrVetsi, true, v, 3, 5);
    EXPECT_FALSE(v);
}

}  // namespace
}  // namespace sitmera
