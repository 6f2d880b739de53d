// Report layout: title block, headings, the clock of the created line, the
// two-column and multi-column tables, and the added-files report. Expected
// texts are kept as golden files in tests/data/reports and compared line by
// line, trailing blanks included.
#include "reports/ZlateSoubory.h"
#include "reports/Protokol.h"

#include <gtest/gtest.h>

#include <string>

#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"

using namespace sitmera;
using sitmera::test::StejneRadky;
using sitmera::test::Zlaty;

namespace {

struct Prostredi {
    Tnastaveni nastaveni;
    Tjazyk jazyk;
    explicit Prostredi(std::uint8_t typJazyk)
    {
        nastaveni.Default();
        nastaveni.typJazyk = typJazyk;
        jazyk.Default(nastaveni);
    }
};

class HodinyProtokolu : public ::testing::Test {
protected:
    void SetUp() override { NastavHodinyProtokolu([] { return TdatumCas{2024, 3, 5, 14, 7, 9}; }); }
    void TearDown() override { NastavHodinyProtokolu(nullptr); }
};

Tsoubor Soubor(const char* jmeno, bool nacteni, int hlaseni)
{
    Tsoubor s;
    s.jmeno = jmeno;
    s.nacteni = nacteni;
    s.hlaseni = hlaseni;
    return s;
}

}  // namespace

// ---------------------------------------------------------------- report text

TEST(TextProtokolu, ItemsJoinedWithCrLfAndSectionOpenerGivesTwoEmptyLines)
{
    const TStringList polozky{"a", "\r\n", "b", "", "c\r\nd\r\n"};
    EXPECT_EQ(TextProtokolu(polozky), "a\r\n\r\n\r\nb\r\n\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(RadkyProtokolu(polozky), (TStringList{"a", "", "", "b", "", "c", "d", ""}));
    EXPECT_TRUE(RadkyProtokolu({}).empty());
}

// ---------------------------------------------------------------- title block and headings

TEST(TitulProtokolu, EnglishAndCzechTitleBlocks)
{
    for (std::uint8_t j : {std::uint8_t{1}, std::uint8_t{0}}) {
        const Prostredi p(j);
        TprotokolAnalyser protokol;
        TitulProtokolu(protokol, p.jazyk);
        ASSERT_EQ(protokol.text.size(), 3u);
        EXPECT_TRUE(StejneRadky(RadkyProtokolu(protokol.text), Zlaty(j == 1 ? "titul_en.txt" : "titul_cs.txt")));
    }
}

TEST_F(HodinyProtokolu, CreatedLineFollowsTheLanguage)
{
    EXPECT_EQ(DatumCasNaText({2024, 3, 5, 14, 7, 9}, 1), "05/03/2024 14:07:09");
    EXPECT_EQ(DatumCasNaText({2024, 3, 5, 14, 7, 9}, 0), "05.03.2024 14:07:09");
    EXPECT_EQ(DatumCasNaText({1999, 12, 31, 0, 0, 0}, 1), "31/12/1999 00:00:00");
    EXPECT_EQ(RadekVytvoreni(Prostredi(1).jazyk, 1), "Created: 05/03/2024 14:07:09");
    EXPECT_EQ(RadekVytvoreni(Prostredi(0).jazyk, 0), "Vytvořeno: 05.03.2024 14:07:09");
}

TEST_F(HodinyProtokolu, HeadingsRuleHasTheLengthOfTheLineInCharacters)
{
    const Prostredi cs(0);
    TprotokolAnalyser protokol;
    NadpisProtokoluEtapy(protokol, 2, 2, "síť.epc", cs.jazyk, 0);
    // "Protokol B2 - 2. Transformovaná etapa [síť.epc]": 47 characters, more bytes.
    ASSERT_EQ(protokol.text.size(), 5u);
    EXPECT_EQ(protokol.text[0], "");
    EXPECT_EQ(protokol.text[1], "");
    EXPECT_EQ(protokol.text[2], "Protokol B2 - 2. Transformovaná etapa [síť.epc]");
    EXPECT_EQ(protokol.text[3], std::string(47, '*'));
    EXPECT_EQ(protokol.text[4], "Vytvořeno: 05.03.2024 14:07:09");

    const Prostredi en(1);
    TprotokolAnalyser posuny;
    NadpisProtokoluPosunu(posuny, en.jazyk, 1);
    EXPECT_EQ(posuny.text, (TStringList{"", "", "Protocol C - Movement analysis",
                                        std::string(30, '*'), "Created: 05/03/2024 14:07:09"}));
}

// ---------------------------------------------------------------- tables

TEST(RadekInformace, LabelLeftValueRightTwoBlanksBetween)
{
    const TtextPole pole{{"Method:", "x"}, {"X [gon]:", "12.5"}, {"Směr:", ""}};
    const TindexVector sirky = SirkySloupcu(pole, 2);
    EXPECT_EQ(sirky, (TindexVector{8, 4}));
    EXPECT_EQ(RadekInformace(pole, 0, sirky), "Method:      x");
    EXPECT_EQ(RadekInformace(pole, 1, sirky), "X [gon]:  12.5");
    // Czech label counted in characters; an empty value keeps its blanks.
    EXPECT_EQ(RadekInformace(pole, 2, sirky), "Směr:         ");
    EXPECT_EQ(RadekInformace(pole, 3, sirky), "");
}

TEST(TabulkaSouradnic, WideValueWidensOnlyItsColumnAndHeaderLabelSetsNarrowColumns)
{
    Tnastaveni n;
    n.Default();
    n.presnost.souradnice = {1, 1};
    Tsouradnice s(2);
    s.bod[0].cislo = "1";
    s.bod[1].cislo = "2";
    s.bod[0].X = 1;
    s.bod[1].X = 123456.25L;  // an exact half: rounded away from zero
    for (Tbod& b : s.bod) {
        b.Y = 2;
        b.Z = 3;
        b.JePlny = true;
    }
    TprotokolAnalyser p;
    TabulkaSouradnic(p, s, n, 1, 1, OddelovacProtokolu, {"A", "B", "C[m]", "D[m]", "E[m]"}, 1);
    EXPECT_EQ(p.text, (TStringList{"A  B      C[m]  D[m]  E[m]",
                                   "--------------------------",
                                   "1  1       1.0   2.0   3.0",
                                   "2  2  123456.3   2.0   3.0"}));
}

TEST(TabulkaSouradnic, EmptyListGivesHeaderAndRuleOnlyAndRowsStopAtTheNumberOfFilledPoints)
{
    Tnastaveni n;
    n.Default();
    TprotokolAnalyser p;
    TabulkaSouradnic(p, Tsouradnice(), n, 1, 1, OddelovacProtokolu, {"A", "B"}, 1);
    EXPECT_EQ(p.text, (TStringList{"A  B", "----"}));

    n.presnost.souradnice = {0, 0};
    Tsouradnice s(3);
    s.bod[0].cislo = "1";
    s.bod[0].JePlny = true;
    s.bod[2].cislo = "3";
    s.bod[2].JePlny = true;
    p.Clear();
    TabulkaSouradnic(p, s, n, 1, 1, OddelovacProtokolu, {"A", "B", "C", "D", "E"}, 1);
    // Two filled points: the first two records are printed.
    EXPECT_EQ(p.text, (TStringList{"A  B  C  D  E", "-------------", "1  1  0  0  0", "2     0  0  0"}));
    // So in the ellipsoid table: the header and six lines for each of two points.
    p.Clear();
    TabulkaElipsoidu(p, s, n, 1, 1, OddelovacProtokolu, {"A", "B", "C"}, 1);
    EXPECT_EQ(p.text.size(), 1u + 2 * 6);
}

// ---------------------------------------------------------------- added-files report

TEST(ZapsatPridatSoubor, ThreeFilesSecondWithBadLineSevenEnglishAndCzech)
{
    Tsoubory soubory{Soubor("stary.txt", true, 3), Soubor("stary2.txt", false, 1),
                     Soubor("body_a.txt", true, 12), Soubor("spatny_soubor.txt", false, 7),
                     Soubor("c.txt", true, 4)};
    for (std::uint8_t j : {std::uint8_t{1}, std::uint8_t{0}}) {
        const Prostredi p(j);
        Tprotokol protokol;
        EXPECT_TRUE(protokol.zapsatPridatSoubor(soubory, 3, p.jazyk));
        EXPECT_TRUE(StejneRadky(RadkyProtokolu(protokol.text),
                                Zlaty(j == 1 ? "soubory_en.txt" : "soubory_cs.txt")));
    }
}

TEST(ZapsatPridatSoubor, SecondActionReplacesTheWholeText)
{
    const Prostredi p(1);
    Tprotokol protokol;
    protokol.zapsatPridatSoubor({Soubor("a.txt", true, 1), Soubor("b.txt", true, 1)}, 2, p.jazyk);
    const std::size_t prvni = protokol.text.size();
    protokol.zapsatPridatSoubor({Soubor("a.txt", true, 1), Soubor("b.txt", true, 1), Soubor("c.txt", false, 2)},
                                1, p.jazyk);
    EXPECT_EQ(protokol.text.size(), prvni - 1);
    EXPECT_EQ(protokol.text.back(), "1  c.txt  -  2");
    protokol.Clear();
    EXPECT_TRUE(protokol.text.empty());
}

TEST(ZapsatPridatSoubor, CountOfMoreThan255FilesIsNotCutToOneByte)
{
    const Prostredi p(1);
    Tsoubory soubory;
    for (int i = 0; i < 300; ++i) soubory.push_back(Soubor(("f" + std::to_string(i) + ".txt").c_str(), true, 1));
    Tprotokol protokol;
    EXPECT_TRUE(protokol.zapsatPridatSoubor(soubory, 300, p.jazyk));
    const TStringList radky = RadkyProtokolu(protokol.text);
    // 300 rows; the last is file 300 (named f299.txt).
    EXPECT_EQ(radky.back(), "300  f299.txt  Ok   ");
    EXPECT_EQ(radky[radky.size() - 300], "  1    f0.txt  Ok   ");
}

TEST(ZapsatPridatSoubor, CountBeyondTheListIsCutToTheListAndNoFilesGiveTheHeaderOnly)
{
    const Prostredi p(1);
    Tprotokol protokol;
    EXPECT_TRUE(protokol.zapsatPridatSoubor({Soubor("a.txt", true, 1)}, 5, p.jazyk));
    EXPECT_EQ(protokol.text.back(), "1  a.txt  Ok   ");
    for (const int pocet : {0, -2}) {
        EXPECT_TRUE(protokol.zapsatPridatSoubor({Soubor("a.txt", true, 1)}, pocet, p.jazyk));
        const TStringList radky = RadkyProtokolu(protokol.text);
        ASSERT_GE(radky.size(), 2u);
        EXPECT_EQ(radky[0], "Legend:");
        EXPECT_EQ(radky[radky.size() - 2], "A  B  C  D");
        EXPECT_EQ(radky.back(), "----------");
    }
}
