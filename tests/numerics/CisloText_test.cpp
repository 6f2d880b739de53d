// Numbers to text and text to numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "numerics/TextPole.h"

using namespace sitmera;

namespace {

struct PripadText {
    Extended x;
    const char* text;
};

// The `cifer` significant digits of |x| from glibc (the process runs in the
// "C" locale here), as "ddd...d" and the decimal exponent.
std::string CifryGlibc(Extended x, int cifer, int& E)
{
    char buf[80];
    std::snprintf(buf, sizeof buf, "%.*Le", cifer - 1, std::fabs(x));
    std::string d;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d += *p;
    E = std::atoi(p + 1);
    return d;
}

// Significant digits of a fixed-point text, with the exponent of the first one.
std::string CifryZTextu(const std::string& s, int& E)
{
    const auto tecka = s.find('.');
    const std::string cela = s.substr(0, tecka);
    const std::string vse = cela + (tecka == std::string::npos ? "" : s.substr(tecka + 1));
    const auto prvni = vse.find_first_not_of("0-");
    E = static_cast<int>(cela.size()) - 1 - static_cast<int>(prvni);
    return vse.substr(prvni);
}

}  // namespace

// ---------------------------------------------------------------- CisloNaText

TEST(CisloNaText, ObecnyTvarAExponent)
{
    const PripadText pripady[] = {
        {0.1L, "0.1"},
        {0.000001L, "1E-6"},
        {0.0L, "0"},
        {-0.0L, "0"},
        {0.00001L, "0.00001"},        // the smallest magnitude in fixed form
        {0.00000123L, "1.23E-6"},
        {-0.00000123L, "-1.23E-6"},
        {999999999999999.0L, "999999999999999"},  // 15 integer digits: fixed
        {1e15L, "1E15"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {1.5e-300L, "1.5E-300"},
        {-2.0L / 3, "-0.666666666666667"},
        {0.1L + 0.2L, "0.3"},
        // rounding to 15 digits carries into a new digit and changes the form
        {999999999999999.99L, "1E15"},
        {0.0000099999999999999999L, "0.00001"},
        {9.9999999999999999L, "10"},
    };
    for (const auto& p : pripady) EXPECT_EQ(CisloNaText(p.x), p.text) << static_cast<double>(p.x);
}

TEST(CisloNaText, KrajeRozsahu)
{
    EXPECT_EQ(CisloNaText(std::numeric_limits<Extended>::max()), "1.18973149535723E4932");
    // 2^-16445 = 3.6451995318824746025...e-4951
    EXPECT_EQ(CisloNaText(std::numeric_limits<Extended>::denorm_min()), "3.64519953188247E-4951");
    EXPECT_EQ(CisloNaText(std::numeric_limits<Extended>::quiet_NaN()), "NAN");
    EXPECT_EQ(CisloNaText(std::numeric_limits<Extended>::infinity()), "INF");
    EXPECT_EQ(CisloNaText(-std::numeric_limits<Extended>::infinity()), "-INF");
}

TEST(CisloNaText, PatnactCiferJakoGlibc)
{
    // The digits must be glibc's exact rounding of the 80-bit value to 15
    // significant digits ("%.14Le"), trailing zeros dropped.
    auto porovnej = [](Extended x) {
        int Eg = 0;
        std::string g = CifryGlibc(x, 15, Eg);
        g.erase(g.find_last_not_of('0') + 1);

        std::string t = CisloNaText(std::fabs(x));
        int Et = 0;
        const auto e = t.find('E');
        if (e != std::string::npos) {
            Et = std::stoi(t.substr(e + 1));
            t = t.substr(0, e);
            t.erase(std::remove(t.begin(), t.end(), '.'), t.end());
        } else {
            t = CifryZTextu(t, Et);
            t.erase(t.find_last_not_of('0') + 1);
        }
        EXPECT_EQ(t, g) << static_cast<double>(x);
        EXPECT_EQ(Et, Eg) << g;
        return !::testing::Test::HasFailure();
    };
    std::mt19937_64 gen(5);
    std::uniform_int_distribution<std::uint64_t> mant(std::uint64_t(1) << 63, ~std::uint64_t(0));
    std::uniform_int_distribution<int> exp(-200, 100);
    for (int i = 0; i < 20000; ++i) ASSERT_TRUE(porovnej(std::ldexp(static_cast<Extended>(mant(gen)), exp(gen))));
    // next to a 15-digit half-way point the exact value decides, not a
    // rounded longer expansion
    const Extended h = TextNaCislo("0.1000000000000005");
    for (const Extended x : {h, std::nextafter(h, 0.0L), std::nextafter(h, 1.0L)}) ASSERT_TRUE(porovnej(x));
    EXPECT_EQ(CisloNaText(TextNaCislo("0.10000000000000049999")), "0.1");
    EXPECT_EQ(CisloNaText(TextNaCislo("0.10000000000000050001")), "0.100000000000001");
    for (int k = -30; k <= 30; ++k) {
        const Extended p = std::pow(10.0L, k);
        for (const Extended x : {p, std::nextafter(p, 0.0L), std::nextafter(p, 1e40L)}) ASSERT_TRUE(porovnej(x));
    }
}

// ---------------------------------------------------------------- CisloNaTextPresnost

TEST(CisloNaTextPresnost, PulkyOdNuly)
{
    struct {
        int d;
        Extended x;
        const char* text;
    } pripady[] = {
        {2, 2.675L, "2.68"},     // plain printf of the binary value gives 2.67
        {2, 1.005L, "1.01"},
        {2, 0.125L, "0.13"},     // exact half
        {0, 2.5L, "3"},
        {0, -2.5L, "-3"},
        {3, -1.0L, "-1.000"},    // the "not set" mark prints like any value
        {3, 0.0005L, "0.001"},
        {3, 0.00049L, "0.000"},
        {1, 9.96L, "10.0"},
        {2, 99.995L, "100.00"},
        {2, -0.005L, "-0.01"},
        {0, 1e17L, "100000000000000000"},
        {20, 0.1L, "0.10000000000000000000"},  // 18 digits, then zeros
        // a negative value that rounds to zero prints without "-"
        {3, -0.0001L, "0.000"},
        {0, -0.4L, "0"},
        {2, -0.004L, "0.00"},
        {2, -0.0L, "0.00"},
        // values read from text round as their decimal text says
        {2, TextNaCislo("-2,675"), "-2.68"},
        {1, TextNaCislo("0.05"), "0.1"},
        {3, TextNaCislo("1234.5675"), "1234.568"},
    };
    for (const auto& p : pripady) EXPECT_EQ(CisloNaTextPresnost(p.d, p.x), p.text) << p.d << " " << p.text;
}

TEST(CisloNaTextPresnost, OsmnactCiferJakoGlibc)
{
    // With 60 decimals every one of the 18 significant digits is shown; they
    // must be glibc's exact rounding of the 80-bit value.
    auto porovnej = [](Extended x) {
        int Eg = 0, Et = 0;
        const std::string g = CifryGlibc(x, 18, Eg);
        const std::string t = CifryZTextu(CisloNaTextPresnost(60, x), Et);
        EXPECT_EQ(t.substr(0, 18), g) << std::hexfloat << static_cast<double>(x);
        EXPECT_EQ(Et, Eg) << g;
        EXPECT_EQ(t.find_first_not_of('0', 18), std::string::npos) << t;
        return !::testing::Test::HasFailure();
    };
    std::mt19937_64 gen(11);
    std::uniform_int_distribution<std::uint64_t> mant(std::uint64_t(1) << 63, ~std::uint64_t(0));
    std::uniform_int_distribution<int> exp(-190, 100);
    for (int i = 0; i < 20000; ++i) {
        const Extended x = std::ldexp(static_cast<Extended>(mant(gen)), exp(gen));
        if (x < 1e-40L || x > 1e38L) continue;
        ASSERT_TRUE(porovnej(x));
    }
    // powers of ten and their neighbours, where the decimal exponent is found
    for (int k = -40; k <= 37; ++k) {
        const Extended p = std::pow(10.0L, k);
        for (const Extended x : {p, std::nextafter(p, 0.0L), std::nextafter(p, 1e40L)}) ASSERT_TRUE(porovnej(x));
    }
    // 18 nines and more: the rounding carries into a new digit
    for (const Extended x : {999999999999999999.0L, 9999999999999999999.0L, 0.999999999999999999L,
                             0.9999999999999999999L, 99999999999999999999.0L})
        ASSERT_TRUE(porovnej(x));
}

// ---------------------------------------------------------------- CisloNaTextZaokrouhlene

TEST(CisloNaTextZaokrouhlene, NasobekMocninyDesetiPulkySude)
{
    EXPECT_EQ(CisloNaTextZaokrouhlene(-6, true, 1.23456789L), "1.234568");
    EXPECT_EQ(CisloNaTextZaokrouhlene(-6, false, 1.23456789L), "1.23456789");
    EXPECT_EQ(CisloNaTextZaokrouhlene(-6, true, 1000.1L), "1000.1");
    EXPECT_EQ(CisloNaTextZaokrouhlene(-6, true, -745123.4567895123L), "-745123.45679");
    EXPECT_EQ(CisloNaTextZaokrouhlene(-6, true, 0.0000004L), "0");
    // exact halves go to the even neighbour
    EXPECT_EQ(CisloNaTextZaokrouhlene(-1, true, 0.25L), "0.2");
    EXPECT_EQ(CisloNaTextZaokrouhlene(0, true, 2.5L), "2");
    EXPECT_EQ(CisloNaTextZaokrouhlene(0, true, 3.5L), "4");
    EXPECT_EQ(CisloNaTextZaokrouhlene(0, true, -2.5L), "-2");
    EXPECT_EQ(CisloNaTextZaokrouhlene(2, true, 250.0L), "200");
    EXPECT_EQ(CisloNaTextZaokrouhlene(2, true, 351.0L), "400");
    EXPECT_EQ(CisloNaTextZaokrouhlene(-6, true, 1e300L), "1E300");
}

// ---------------------------------------------------------------- OdstranKoncoveNuly

TEST(OdstranKoncoveNuly, ZerosAndPointsFromTheEndThenTrimmed)
{
    const std::pair<const char*, const char*> pripady[] = {
        {"0.050", "0.05"}, {"2.000", "2"}, {"2.500", "2.5"}, {"-10.10", "-10.1"}, {"0.05", "0.05"},
        {"10.000", "1"},   {"100", "1"},   {"0.000", ""},    {"-0.000", "-"},    {".000", ""},
        {"2.500 ", "2.500"}, {" 2.50", "2.5"},
    };
    for (const auto& [vstup, vystup] : pripady) EXPECT_EQ(OdstranKoncoveNuly(vstup), vystup) << vstup;
}

// ---------------------------------------------------------------- TextNaCislo

TEST(TextNaCislo, CarkaJakoTeckaAMezery)
{
    EXPECT_EQ(TextNaCislo("1,5"), 1.5L);
    EXPECT_EQ(TextNaCislo(" 12.5 "), 12.5L);
    EXPECT_EQ(TextNaCislo("\t-3\t"), -3.0L);
    EXPECT_EQ(TextNaCislo("+4"), 4.0L);
    EXPECT_EQ(TextNaCislo(".5"), 0.5L);
    EXPECT_EQ(TextNaCislo("5."), 5.0L);
    EXPECT_EQ(TextNaCislo("1.5e+3"), 1500.0L);
    EXPECT_EQ(TextNaCislo("-0"), 0.0L);
    EXPECT_EQ(TextNaCislo("000123.4500"), 123.45L);
}

TEST(TextNaCislo, PresneJako80Bitu)
{
    // the nearest 80-bit value, as the compiler rounds the same literal
    // (beyond the digits and exponents of the strtold comparison below)
    EXPECT_EQ(TextNaCislo("0.1"), 0.1L);
    EXPECT_EQ(TextNaCisloBezKontroly("1e-20"), 1e-20L);
    EXPECT_EQ(TextNaCisloBezKontroly("1e300"), 1e300L);
    EXPECT_EQ(TextNaCisloBezKontroly("0.1234567890123456789012345"), 0.1234567890123456789012345L);
    EXPECT_EQ(TextNaCisloBezKontroly("1234567890123456789012345e-10"), 123456789012345.6789012345L);
}

TEST(TextNaCislo, ShodaSeStrtold)
{
    std::mt19937_64 gen(3);
    std::uniform_int_distribution<int> cifer(1, 24), cifra(0, 9), exp(-60, 60), tecka(0, 25);
    std::string radek;
    std::vector<Extended> hodnoty;
    for (int i = 0; i < 20000; ++i) {
        std::string s;
        const int n = cifer(gen);
        const int t = tecka(gen);
        for (int j = 0; j < n; ++j) {
            if (j == t) s += '.';
            s += static_cast<char>('0' + cifra(gen));
        }
        if (i % 2) s += "e" + std::to_string(exp(gen));
        const Extended ocekavano = std::strtold(s.c_str(), nullptr);
        ASSERT_EQ(TextNaCisloBezKontroly(s), ocekavano) << s;
        ASSERT_EQ(TextNaCisloBezKontroly("-" + s), -ocekavano) << s;
        // Inside a line, where more bytes follow the number's digits.
        radek += (radek.empty() ? "" : " ") + s;
        hodnoty.push_back(ocekavano);
        if (hodnoty.size() == 10) {
            Extended precteno[10];
            ASSERT_TRUE(PrectiCislaRadku(radek, 10, precteno)) << radek;
            for (std::size_t k = 0; k < 10; ++k) ASSERT_EQ(precteno[k], hodnoty[k]) << radek;
            radek.clear();
            hodnoty.clear();
        }
    }
}

TEST(TextNaCislo, NeniCisloJeChybaPrevodu)
{
    const char* spatne[] = {"",     " ",    "abc",  "1.2.3", "1,2,3", "inf",  "-inf", "nan",
                            "NaN",  "0x10", "1e",   "1e+",   "--1",   "+-1",  "1 2",  "12a",
                            "1.5 x", ".",   "e5",   "1e5.5", "1'000", "1 000", "١",   "1e5000",
                            "-1e5000", "１"};
    for (const char* s : spatne) {
        EXPECT_THROW(TextNaCislo(s), ChybaPrevodu) << s;
        EXPECT_THROW(TextNaCisloBezKontroly(s), ChybaPrevodu) << s;
        EXPECT_FALSE(JeCislo(s)) << s;
    }
}

TEST(TextNaCislo, VelikostMimoRozsahJeTichePreruseni)
{
    EXPECT_EQ(TextNaCislo("1e12"), 1e12L);
    EXPECT_EQ(TextNaCislo("1e-12"), 1e-12L);
    EXPECT_THROW(TextNaCislo("1.0000001e12"), TichePreruseni);
    EXPECT_THROW(TextNaCislo("-1e13"), TichePreruseni);
    EXPECT_THROW(TextNaCislo("1e-13"), TichePreruseni);
    EXPECT_THROW(TextNaCislo("1.1e-16"), TichePreruseni);
    // counted as zero and returned unchanged
    EXPECT_EQ(TextNaCislo("1e-16"), 1e-16L);
    EXPECT_EQ(TextNaCislo("-1e-17"), -1e-17L);
    // the same texts without the check
    EXPECT_EQ(TextNaCisloBezKontroly("1e13"), 1e13L);
    EXPECT_EQ(TextNaCisloBezKontroly("1e-13"), 1e-13L);
}

TEST(CeleNaCislo, CteJakoText)
{
    EXPECT_EQ(CeleNaCislo(0), 0.0L);
    EXPECT_EQ(CeleNaCislo(-7), -7.0L);
    EXPECT_EQ(CeleNaCislo(1000000000000), 1e12L);
    EXPECT_THROW(CeleNaCislo(1000000000001), TichePreruseni);
    EXPECT_THROW(CeleNaCislo(-1000000000001), TichePreruseni);
}

// ---------------------------------------------------------------- tests

TEST(JeCislo, MezeVylouceny)
{
    EXPECT_TRUE(JeCislo("999999999999"));
    EXPECT_FALSE(JeCislo("1e12"));
    EXPECT_FALSE(JeCislo("1e-12"));  // TextNaCislo accepts it, the test does not
    EXPECT_TRUE(JeCislo("1.1e-12"));
    EXPECT_TRUE(JeCislo("0"));
    EXPECT_TRUE(JeCislo("1e-17"));
    EXPECT_TRUE(JeCislo(" 3,25 "));
    EXPECT_FALSE(JeCislo("1e13"));
}

TEST(ZkusTextNaCislo, VraciHodnotuNeboNulu)
{
    Extended v = 5;
    EXPECT_TRUE(ZkusTextNaCislo("2,5", v));
    EXPECT_EQ(v, 2.5L);
    EXPECT_FALSE(ZkusTextNaCislo("x", v));
    EXPECT_EQ(v, 0.0L);
    v = 5;
    EXPECT_FALSE(ZkusTextNaCislo("1e20", v));
    EXPECT_EQ(v, 0.0L);
    EXPECT_TRUE(ZkusTextNaCislo("1e-17", v));
    EXPECT_EQ(v, 1e-17L);
}

TEST(TextJeMezi, NikdyNevyhazuje)
{
    EXPECT_TRUE(TextJeMezi("5", 0, 10));
    EXPECT_FALSE(TextJeMezi("0", 0, 10));
    EXPECT_FALSE(TextJeMezi("10", 0, 10));
    EXPECT_FALSE(TextJeMezi("abc", 0, 10));
    EXPECT_FALSE(TextJeMezi("1e13", 0, 1e20L));
    EXPECT_TRUE(TextJeVIntervalu("0", 0, 10));
    EXPECT_FALSE(TextJeVIntervalu("10", 0, 10));
    EXPECT_TRUE(TextJeVIntervalu("9,99", 0, 10));
    EXPECT_FALSE(TextJeVIntervalu("", 0, 10));
    EXPECT_FALSE(TextJeVIntervalu("1e-13", -1, 1));
}

TEST(Rozsahy, HraniceJakoVTabulce)
{
    EXPECT_TRUE(JeCeleVRozsahu(5, 5, 5));
    EXPECT_FALSE(JeCeleVRozsahu(4, 5, 6));
    EXPECT_FALSE(JeCeleVRozsahu(7, 5, 6));
    EXPECT_FALSE(JeMezi(1, 1, 2));
    EXPECT_FALSE(JeMezi(2, 1, 2));
    EXPECT_TRUE(JeMezi(1.5L, 1, 2));
    EXPECT_TRUE(JeVIntervalu(1, 1, 2));
    EXPECT_FALSE(JeVIntervalu(2, 1, 2));
}

TEST(JeVToleranci, PodHraniciNeboRovnaSNaRelativni1e16)
{
    EXPECT_TRUE(JeVToleranci(0.5L, 1));
    EXPECT_TRUE(JeVToleranci(1, 1));
    EXPECT_TRUE(JeVToleranci(-1, 1));
    EXPECT_TRUE(JeVToleranci(1 + 1e-18L, 1));
    EXPECT_FALSE(JeVToleranci(1.001L, 1));
    EXPECT_TRUE(JeVToleranci(1e-17L, 0));
    EXPECT_FALSE(JeVToleranci(2e-16L, 0));
    EXPECT_TRUE(JeVToleranci(1e6L * (1 + 5e-17L), 1e6L));
    EXPECT_FALSE(JeVToleranci(1e6L * (1 + 1e-15L), 1e6L));
}

TEST(ZaokrouhliNaCele, PulkySude)
{
    EXPECT_EQ(ZaokrouhliNaCele(2.5L), 2);
    EXPECT_EQ(ZaokrouhliNaCele(3.5L), 4);
    EXPECT_EQ(ZaokrouhliNaCele(-2.5L), -2);
    EXPECT_EQ(ZaokrouhliNaCele(-3.5L), -4);
    EXPECT_EQ(ZaokrouhliNaCele(2.4999L), 2);
    EXPECT_EQ(ZaokrouhliNaCele(-0.6L), -1);
    EXPECT_EQ(ZaokrouhliNaCele(1e18L), 1000000000000000000);
    EXPECT_EQ(ZaokrouhliNaCele(-9223372036854775808.0L), std::numeric_limits<std::int64_t>::min());
    EXPECT_THROW(ZaokrouhliNaCele(9223372036854775808.0L), ChybaAritmetiky);
    EXPECT_THROW(ZaokrouhliNaCele(std::numeric_limits<Extended>::quiet_NaN()), ChybaAritmetiky);
}
