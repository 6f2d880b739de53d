// Emptiness tests, words and lines, the order of point numbers, text tables.
#include <gtest/gtest.h>

#include <algorithm>

#include "numerics/TextPole.h"

using namespace sitmera;

// ---------------------------------------------------------------- emptiness

TEST(Prazdnota, OrezavaMezeryARidiciZnaky)
{
    EXPECT_TRUE(JePrazdny(""));
    EXPECT_FALSE(JePrazdny(" "));
    std::string t = "old";
    EXPECT_FALSE(OrizniAJePrazdny(" \t x y \r\n", t));
    EXPECT_EQ(t, "x y");
    EXPECT_TRUE(OrizniAJePrazdny(" \t\r\n", t));
    EXPECT_EQ(t, "");
    EXPECT_TRUE(JePrazdnyPoOriznuti(" \t\r\n"));
    EXPECT_TRUE(JePrazdnyPoOriznuti(""));
    EXPECT_FALSE(JePrazdnyPoOriznuti(" č "));
    EXPECT_EQ(Orizni("  Žluť \t"), "Žluť");
}

// ---------------------------------------------------------------- words and lines

TEST(RozdelNaSlova, TabulatoryABehyMezerJsouJedenOddelovac)
{
    EXPECT_EQ(RozdelNaSlova("  12\t 3.5   abc  "), (TStringList{"12", "3.5", "abc"}));
    EXPECT_EQ(RozdelNaSlova("A1 -745123.456 -1043210.789 312.5"),
              (TStringList{"A1", "-745123.456", "-1043210.789", "312.5"}));
    EXPECT_TRUE(RozdelNaSlova("").empty());
    EXPECT_TRUE(RozdelNaSlova(" \t  ").empty());
}

TEST(SpojSlova, MezeraMeziPolozkamiCeleOriznute)
{
    EXPECT_EQ(SpojSlova({"a", "b", "c"}), "a b c");
    EXPECT_EQ(SpojSlova({" a", "b "}), "a b");
    EXPECT_EQ(SpojSlovaPocet({"a", "b", "c"}, 2), "a b");
    EXPECT_EQ(SpojSlovaPocet({"a", "b", "c"}, 10), "a b c");
    EXPECT_EQ(SpojSlovaPocet({"a", "b", "c"}, 0), "");
    EXPECT_THROW(SpojSlova({}), ChybaArgumentu);
    EXPECT_THROW(SpojSlovaPocet({}, 3), ChybaArgumentu);
}

TEST(OrizniRadky, NaMisteBezPrazdnychPoradiZachovano)
{
    TStringList l{" a ", "", "  ", "\tb", "c\r"};
    OrizniRadky(l);
    EXPECT_EQ(l, (TStringList{"a", "b", "c"}));
}

TEST(OpakujZnak, ZnakyNeBajty)
{
    EXPECT_EQ(OpakujZnak(3, U'-'), "---");
    EXPECT_EQ(OpakujZnak(0, U'-'), "");
    EXPECT_EQ(OpakujZnak(-2, U'-'), "");
    EXPECT_EQ(OpakujZnak(2, U'═'), "══");
    EXPECT_EQ(OpakujZnakPodleTextu("Čáp", U'-'), "---");  // 3 characters, 5 bytes
    EXPECT_EQ(OpakujZnakPodleTextu("", U'='), "");
}

// ---------------------------------------------------------------- order of point numbers

TEST(TextMensi, DelkaPakKodyZnaku)
{
    EXPECT_TRUE(TextMensi("9", "10"));
    EXPECT_TRUE(TextMensi("10", "A1"));
    EXPECT_TRUE(TextMensi("A1", "100"));
    EXPECT_TRUE(TextMensi("A", "B"));
    EXPECT_FALSE(TextMensi("A", "A"));
    EXPECT_TRUE(TextMensi("Z", "a"));      // character codes, not alphabet
    EXPECT_TRUE(TextMensi("č1", "100"));   // 2 characters before 3 (though 3 bytes each)
    EXPECT_TRUE(TextMensi("ab", "č1"));    // equal length: codes, 'a' < 'č'
    EXPECT_TRUE(TextMensi("ž", "ab"));
}

TEST(TextMensi, SourozenciSouhlasi)
{
    const char* texty[] = {"", "1", "9", "10", "A1", "100", "ab", "č1", "Ž"};
    for (const char* a : texty) {
        for (const char* b : texty) {
            const bool m = TextMensi(a, b);
            EXPECT_EQ(TextVetsi(b, a), m) << a << " " << b;
            EXPECT_EQ(TextMensiRovno(a, b), m || std::string(a) == b) << a << " " << b;
            EXPECT_EQ(TextVetsiRovno(a, b), !m) << a << " " << b;
        }
    }
}

TEST(TextMensi, RadiCislaBodu)
{
    std::vector<std::string> v{"100", "9", "A1", "10", "2", "B", "1001"};
    std::sort(v.begin(), v.end(), [](const std::string& a, const std::string& b) { return TextMensi(a, b); });
    EXPECT_EQ(v, (std::vector<std::string>{"2", "9", "B", "10", "A1", "100", "1001"}));
}

// ---------------------------------------------------------------- text tables

TEST(TextoveTabulky, SirkySloupcuVeZnacich)
{
    const TtextPole pole{{"abc", "d"}, {"žluť"}, {}};
    EXPECT_EQ(MaxDelkaSloupce(pole, 0), 4);
    EXPECT_EQ(MaxDelkaSloupce(pole, 1), 1);
    EXPECT_EQ(MaxDelkaSloupce(pole, 5), 0);
    EXPECT_EQ(MaxDelkaSloupce({}, 0), 0);

    TindexVector s{2, 3, 5};
    RozsirSirkySloupcu({"abcd", "x"}, s);
    EXPECT_EQ(s, (TindexVector{4, 3, 5}));
    RozsirSirkySloupcu({"ř", "čtyři", "", "navíc"}, s);
    EXPECT_EQ(s, (TindexVector{4, 5, 5}));

    TindexVector a{1, 5};
    SlucSirkySloupcu(a, {3, 2, 9});
    EXPECT_EQ(a, (TindexVector{3, 5}));
}

TEST(TabulkaNaText, ZarovnaniVpravoBezOrezu)
{
    EXPECT_EQ(TabulkaNaText({"ab", "c"}, "|", {5, 3}), "   ab|  c");
    EXPECT_EQ(TabulkaNaText({"ab", "c"}, "  ", {5, 3}), "   ab    c");
    EXPECT_EQ(TabulkaNaText({"dlouhy", "c"}, " ", {3, 1}), "dlouhy c");  // never cut
    EXPECT_EQ(TabulkaNaText({"čš", "x"}, " ", {4, 1}), "  čš x");        // characters
    EXPECT_EQ(TabulkaNaText({}, " ", {4}), "");
    const TtextPole pole{{"1", "22"}, {"333", "4"}};
    EXPECT_EQ(RadekPoleNaText(pole, " ", 1, {3, 2}), "333  4");
    EXPECT_EQ(RadekPoleNaText(pole, " ", 0, {3, 2}), "  1 22");
}

TEST(PoleNaText, OddelovacMeziBunkamiCrLfZaKazdymRadkem)
{
    EXPECT_EQ(PoleNaText({{"a", "b"}, {"c"}}, "\t"), "a\tb\r\nc\r\n");
    EXPECT_EQ(PoleNaText({}, "\t"), "");
}

TEST(Legenda, PismenaSloupcu)
{
    EXPECT_EQ(ZnackySloupcu({"x", "", "y"}), (TtextVektor{"Ax", "B", "Cy"}));
    EXPECT_EQ(LegendaSloupcu({"Číslo bodu", "dX", "sX"}, {"", "[mm]", "[mm]"}, {"", "", " a priori"}),
              "A: Číslo bodu\r\nB: dX [mm]\r\nC: sX [mm] a priori\r\n");
    EXPECT_EQ(LegendaSloupcu({"X", "Y"}, {"m", "m"}, {}), "A: X m\r\nB: Y m\r\n");
    EXPECT_EQ(LegendaSloupcu({}, {}, {}), "");
}
