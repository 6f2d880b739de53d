// Numeric and text filter tests of the find and select criteria.
#include "core/Filtr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
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
        // at 1000 the tolerance is 1e-13 (one unit in the last place of an
        // 80-bit 1000 is about 1.1e-16, so both offsets are exact enough)
        {1000, 1000 + 0.5e-13L, {true, false, false, true, true, false}},
        {1000, 1000 + 2e-13L, {false, false, true, false, true, true}},
        // below 1 the floor of 1e-16 holds
        {0.5L, 0.5L + 5e-17L, {true, false, false, true, true, false}},
        {0.5L, 0.5L + 3e-16L, {false, false, true, false, true, true}},
    };
    for (const auto& r : tabulka)
        for (int kod = 0; kod < 6; ++kod)
            EXPECT_EQ(Cislo(kod, r.a, r.b), r.ocekavano[kod])
                << "a=" << static_cast<double>(r.a) << " b=" << static_cast<double>(r.b)
                << " code " << kod;
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

TEST(VyhovujeText, OperatorsOfOrderEqualityAndContainment)
{
    // The order is TextMensi's (length first, then character codes; its own
    // tests cover it): one case per operator, and characters, not bytes.
    EXPECT_TRUE(Text("9", "10", kFiltrTextMensi));
    EXPECT_TRUE(Text("100", "A1", kFiltrTextVetsi));
    EXPECT_TRUE(Text("10", "10", kFiltrTextVetsiRovno));
    EXPECT_TRUE(Text("10", "10", kFiltrTextMensiRovno));
    EXPECT_FALSE(Text("10", "10", kFiltrTextMensi));
    EXPECT_FALSE(Text("11", "10", kFiltrTextMensiRovno));
    EXPECT_TRUE(Text("\xC4\x8D", "10", kFiltrTextMensi));  // "č": two bytes, one character
    // Equal and different are exact and case-sensitive.
    EXPECT_TRUE(Text("A1", "A1", kFiltrTextRovno));
    EXPECT_FALSE(Text("A1", "a1", kFiltrTextRovno));
    EXPECT_FALSE(Text("A1 ", "A1", kFiltrTextRovno));
    EXPECT_TRUE(Text("A1", "a1", kFiltrTextRuzne));
    EXPECT_FALSE(Text("A1", "A1", kFiltrTextRuzne));
    EXPECT_TRUE(Text("", "", kFiltrTextRovno));
    // Containment ignores case, Czech letters included (folding is
    // MalaPismena's; its own tests cover the alphabets).
    EXPECT_TRUE(Text("Pilir12", "pil", kFiltrTextObsahuje));
    EXPECT_TRUE(Text("pilir12", "IR1", kFiltrTextObsahuje));
    EXPECT_TRUE(Text("abc", "", kFiltrTextObsahuje));
    EXPECT_TRUE(Text("", "", kFiltrTextObsahuje));
    EXPECT_FALSE(Text("", "a", kFiltrTextObsahuje));
    EXPECT_FALSE(Text("ab", "abc", kFiltrTextObsahuje));
    EXPECT_FALSE(Text("a-b", "ab", kFiltrTextObsahuje));
    // "ŘÍČNÍ BOD" contains "říční"; "č" is not "c"
    EXPECT_TRUE(Text("\xC5\x98\xC3\x8D\xC4\x8CN\xC3\x8D BOD", "\xC5\x99\xC3\xAD\xC4\x8Dn\xC3\xAD", kFiltrTextObsahuje));
    EXPECT_FALSE(Text("\xC4\x8D", "c", kFiltrTextObsahuje));
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

TEST(VyhovujeFiltr, InactiveOrUnknownCodeLeavesTheFlag)
{
    void (*const volani[])(bool&) = {
        [](bool& v) { VyhovujeCislo(kFiltrRovno, false, v, 1, 1); },
        [](bool& v) { VyhovujeCislo(kFiltrRuzne, false, v, 1, 2); },
        [](bool& v) { VyhovujeCislo(6, true, v, 1, 1); },
        [](bool& v) { VyhovujeCislo(-1, true, v, 1, 1); },
        [](bool& v) { VyhovujeCislo(255, true, v, 2, 1); },
        [](bool& v) { VyhovujeText("a", "a", kFiltrTextRovno, v, false); },
        [](bool& v) { VyhovujeText("a", "b", kFiltrTextRuzne, v, false); },
        [](bool& v) { VyhovujeText("a", "a", 7, v, true); },
        [](bool& v) { VyhovujeText("a", "a", -1, v, true); },
    };
    for (bool start : {false, true})
        for (std::size_t k = 0; k < std::size(volani); ++k) {
            bool v = start;
            volani[k](v);
            EXPECT_EQ(v, start) << "call " << k;
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
