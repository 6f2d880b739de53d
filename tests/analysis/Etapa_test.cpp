// The epoch object and the epoch text: a hand-written epoch of three points
// (two determined, one fixed) read, checked against values worked out by
// hand, written and read back; every rejection of the reader; failed reads
// that must leave a loaded epoch alone; the transformation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <cstring>
#include <iomanip>
#include <locale.h>
#include <numbers>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "../../bench/EtapaGenerator.h"
#include "analysis/DocasnaSlozka.h"
#include "analysis/Etapa.h"
#include "analysis/OtiskEtapy.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/Matrix2.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"

using namespace sitmera;

namespace {

const std::string Data = std::string(SITMERA_TEST_DATA) + "/epochs/";
constexpr Extended Pi = std::numbers::pi_v<Extended>;

TStringList Soubor(const std::string& jmeno) { return NactiTextovySoubor(Data + jmeno); }

const test::DocasnaSlozka& docasna = test::RegistrujDocasnouSlozku("etapa-test");

std::string DocasnySoubor(const std::string& jmeno) { return docasna.Soubor(jmeno); }

TStringList Generuj(int u, int f, std::uint64_t seme, int s = 1)
{
    std::ostringstream o;
    generator::GenerujEtapu(o, u, f, seme, s);
    return RozdelNaRadky(o.str());
}

// Everything an epoch holds, exact to the last bit, as one text: two epochs
// with the same fingerprint are the same.
std::string Otisk(const Tetapa& e)
{
    std::ostringstream o;
    o << test::OtiskDatEtapy(e) << int(e.ID) << ' ' << e.barva << '\n' << test::OtiskSouboru(e.soubor);
    for (const TanalyzaVnitrni* a : {&e.analyzaDelka, &e.analyzaUhel}) {
        o << a->iStn << ' ' << a->iCilL << ' ' << a->iCilP << ' ' << a->typPresnost << '\n';
        o << test::OtiskBodu(a->data);
    }
    o << e.protokol.jePlny << '\n';
    for (const std::string& l : e.protokol.text) o << l << '\n';
    o << e.kovariancniMaticeStr();
    return o.str();
}

// A loaded epoch with a report, an analysis, an ID and a colour: what a
// failed reading must leave exactly as it is.
Tetapa NactenaEtapa()
{
    Tetapa e;
    TStringList r = Generuj(4, 2, 7);
    EXPECT_TRUE(NacistEtapuZeSeznamu(r, e, 1));
    e.InfoSoubor("/data/site/epoch7.epc");
    e.ID = 2;
    e.barva = 0x00123456;
    e.protokol.text = {"report of epoch 7"};
    e.protokol.jePlny = true;
    e.VypocetAnalyzaDelka(0, 1);
    e.VypocetAnalyzaUhel(0, 1, 2);
    return e;
}

bool Blizko(Extended a, Extended b, Extended tol) { return std::fabs(a - b) <= tol; }

std::vector<Extended> SerazeneOsy(const Telipsoid& e)
{
    std::vector<Extended> v{e.a_delka, e.b_delka, e.c_delka};
    std::sort(v.begin(), v.end());
    return v;
}

// Line indexes of the hand-written epoch sit3.epc.
constexpr std::size_t H = 0;    // "<1>": header line n at index n
constexpr std::size_t B = 20;   // first point line
constexpr std::size_t K = 25;   // first covariance line
constexpr std::size_t G = 30;   // first drawing record

// Sets whole lines of an epoch text.
void Nastav(TStringList& r, std::initializer_list<std::pair<std::size_t, const char*>> radky)
{
    for (const auto& [i, text] : radky) r[i] = text;
}

// Replaces the first occurrence of co in a line.
void Nahrad(std::string& radek, const std::string& co, const std::string& cim)
{
    const std::size_t p = radek.find(co);
    ASSERT_NE(p, std::string::npos) << radek;
    radek.replace(p, co.size(), cim);
}

std::vector<std::string> Cisla(const Tsouradnice& s)
{
    std::vector<std::string> c;
    for (const Tbod& b : s.bod) c.push_back(b.cislo);
    return c;
}

}  // namespace

// ---------------------------------------------------------------- the hand-written epoch

// sit3.epc: points 101, 102 (determined) and 50 (fixed). The cofactor
// matrix has the blocks
//   101: Cxx 4e-6, Cyy 1e-6, Czz 9e-6, no covariances
//   102: Cxx 2.5e-6, Cyy 2.5e-6, Cxy 1.5e-6, Czz 9e-6
// and cross covariances X101 X102 5e-7, Y101 Y102 2e-7, Z101 Z102 1e-7.
// Ellipse of 101: a = sqrt(4e-6) = 2 mm along X (bearing 0), b = 1 mm.
// Ellipse of 102: w = sqrt(0 + 4 (1.5e-6)^2) / 2 = 1.5e-6, a = sqrt(2.5e-6 +
// 1.5e-6) = 2 mm, b = sqrt(1e-6) = 1 mm, bearing atan2(3e-6, 0) / 2 = pi/4.
// Ellipsoids: eigenvalues 1e-6, 4e-6, 9e-6 in both blocks: 1, 2, 3 mm.
TEST(Etapa, HandWrittenEpochAttachesWithEverythingItImplies)
{
    Tetapa e;
    ASSERT_TRUE(NacistEtapu(Data + "sit3.epc", e));
    EXPECT_TRUE(e.jePripojen);
    EXPECT_TRUE(e.jeVyrovnan);

    const int citace[15] = {e.pocetSmer, e.pocetZenit, e.pocetDelka, e.pocetDoplnekDelka,
                            e.pocetDoplnekSmernik, e.pocetDoplnekPrevyseni,
                            e.pocetDoplnekProvazeni, e.pocetMereni, e.pocetBodu,
                            e.pocetBoduUrcovanych, e.pocetBoduFixnich, e.pocetPosunu,
                            e.pocetNeznamych, e.pocetNadbytecnych, e.pocetPodminek};
    const int ocekavane[15] = {4, 4, 4, 0, 0, 0, 0, 12, 3, 2, 1, 2, 8, 4, 0};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(citace[i], ocekavane[i]) << "counter " << i + 1;
    EXPECT_EQ((std::vector<Extended>{e.odchylkaJednotkovaAprior, e.odchylkaJednotkovaAposterior,
                                     e.rozptylJednotkovyAprior, e.rozptylJednotkovyAposterior}),
              (std::vector<Extended>{1.0L, 1.2L, 1.0L, 1.2L * 1.2L}));

    ASSERT_EQ(e.souradnice.bod.size(), 3u);
    const Tbod& p101 = e.souradnice.bod[0];
    const Tbod& p102 = e.souradnice.bod[1];
    const Tbod& p50 = e.souradnice.bod[2];
    EXPECT_EQ(Cisla(e.souradnice), (std::vector<std::string>{"101", "102", "50"}));
    EXPECT_EQ(p101.poradi, 1);
    EXPECT_EQ(p50.poradi, 3);
    EXPECT_TRUE(Blizko(p101.X, 1000.123456L, 1e-12L));
    EXPECT_EQ(p101.Y, 2000.5L);
    EXPECT_EQ(p102.Z, 301.5L);
    EXPECT_TRUE(!p101.JeFixni && !p102.JeFixni && p50.JeFixni);
    for (const Tbod& b : e.souradnice.bod) EXPECT_TRUE(b.JePlny && b.JeAktiv);

    // Determined points.
    const Extended t = 1e-15L;
    EXPECT_TRUE(Blizko(p101.sig_X, 2e-3L, t));
    EXPECT_TRUE(Blizko(p101.sig_Y, 1e-3L, t));
    EXPECT_TRUE(Blizko(p101.sig_Z, 3e-3L, t));
    EXPECT_TRUE(Blizko(p101.elipsa.a_delka, 2e-3L, t));
    EXPECT_TRUE(Blizko(p101.elipsa.b_delka, 1e-3L, t));
    EXPECT_TRUE(Blizko(p101.elipsa.a_smernik, 0, 1e-12L));
    EXPECT_TRUE(Blizko(p102.sig_X, std::sqrt(2.5e-6L), t));
    EXPECT_TRUE(Blizko(p102.sig_Y, std::sqrt(2.5e-6L), t));
    EXPECT_TRUE(Blizko(p102.elipsa.a_delka, 2e-3L, t));
    EXPECT_TRUE(Blizko(p102.elipsa.b_delka, 1e-3L, t));
    EXPECT_TRUE(Blizko(p102.elipsa.a_smernik, Pi / 4, 1e-12L));
    for (const Tbod* b : {&p101, &p102}) {
        const auto osy = SerazeneOsy(b->elipsoid);
        EXPECT_TRUE(Blizko(osy[0], 1e-3L, 1e-12L));
        EXPECT_TRUE(Blizko(osy[1], 2e-3L, 1e-12L));
        EXPECT_TRUE(Blizko(osy[2], 3e-3L, 1e-12L));
    }

    // The fixed point: nothing set.
    for (const Extended x : {p50.sig_X, p50.sig_Y, p50.sig_Z, p50.elipsa.a_delka,
                             p50.elipsa.b_delka, p50.elipsoid.a_delka, p50.elipsoid.b_delka,
                             p50.elipsoid.c_delka})
        EXPECT_EQ(x, -1.0L);

    // The matrix (a lower triangle of order 6) as the full table: six rows,
    // the upper half mirrored.
    ASSERT_EQ(e.maticeKovariancni.size(), 6u);
    const std::string& tabulka = e.kovariancniMaticeStr();
    EXPECT_EQ(std::count(tabulka.begin(), tabulka.end(), '\n'), 6);
    EXPECT_EQ(tabulka.substr(0, tabulka.find("\r\n")), "4E-6 0 0 5E-7 0 0");
    EXPECT_NE(tabulka.find("\r\n5E-7 0 0 2.5E-6 1.5E-6 0\r\n"), std::string::npos);

    // Drawing data.
    EXPECT_EQ(e.grafika.pocetMereni, 3);
    EXPECT_EQ(e.grafika.mereni2Str(), "2 0 2 2 2 0 0 0 -1\r\n2 1 1 1 1 0 0 0 -1\r\n0 1 1 1 1 0 0 0 -1");
    ASSERT_EQ(e.grafika.pocetBodu, 3);
    EXPECT_EQ(e.grafika.body[0].cislo, "101");
    EXPECT_TRUE(Blizko(e.grafika.body[1].a_smernik, Pi / 4, 1e-12L));
    EXPECT_TRUE(e.grafika.body[2].JeFixni);
    EXPECT_EQ(e.grafika.body[2].a_delka, 0.0L);
    EXPECT_EQ(e.grafika.odchylkaJednotkovaAprior, 1.0L);
    EXPECT_EQ(e.grafika.odchylkaJednotkovaAposterior, 1.2L);

    // Analyses at their default point choice, file recorded.
    EXPECT_EQ((std::vector<int>{e.analyzaDelka.iStn, e.analyzaDelka.iCilL, e.analyzaUhel.iCilP}),
              (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(e.soubor.cesta + e.soubor.jmeno, Data + "sit3.epc");
}

TEST(Etapa, WritingTheHandWrittenEpochGivesItsTextAndReadsBack)
{
    Tetapa e;
    ASSERT_TRUE(NacistEtapu(Data + "sit3.epc", e));
    TStringList zapsane;
    UlozitEtapu(zapsane, e, 1);
    // The file is written as the program writes, so the text comes back.
    EXPECT_EQ(zapsane, Soubor("sit3.epc"));

    const std::string cesta = DocasnySoubor("zpet.epc");
    ZapisTextovySoubor(cesta, zapsane);
    Tetapa zpet;
    ASSERT_TRUE(NacistEtapu(cesta, zpet));
    zpet.soubor = e.soubor;
    EXPECT_EQ(Otisk(zpet), Otisk(e));

    TStringList druhe;
    UlozitEtapu(druhe, zpet, 1);
    EXPECT_EQ(druhe, zapsane);
    const std::string cesta2 = DocasnySoubor("zpet2.epc");
    ZapisTextovySoubor(cesta2, druhe);
    std::ifstream a(cesta, std::ios::binary), b(cesta2, std::ios::binary);
    const std::string bajtyA((std::istreambuf_iterator<char>(a)), {});
    const std::string bajtyB((std::istreambuf_iterator<char>(b)), {});
    EXPECT_EQ(bajtyA, bajtyB);
    std::filesystem::remove(cesta);
    std::filesystem::remove(cesta2);
}

// A file of 150 points (101475 cofactors, converted on several threads) read
// in pieces of 64 KiB and at once: every cofactor as strtold_l reads its text
// in the "C" locale, bit for bit, stored column by column.
TEST(Etapa, EpochReadPieceByPieceHoldsTheCofactorsAsStrtoldReadsThem)
{
    std::ostringstream o;
    generator::GenerujEtapu(o, 150, 4, 31);
    const std::string text = o.str();
    const std::string cesta = DocasnySoubor("velka.epc");
    {
        std::ofstream f(cesta, std::ios::binary);
        f << text;
    }
    Tetapa e;
    ASSERT_TRUE(NacistEtapu(cesta, e));
    std::filesystem::remove(cesta);

    const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    const std::size_t a = text.find("<3>\r\n") + 5, b = text.find("</3>");
    std::istringstream kov(text.substr(a, b - a));
    const std::size_t n = 450;
    std::size_t i = 0, j = 0, pocet = 0;
    std::string polozka;
    bool shodne = true;
    while (kov >> polozka) {
        const Extended v = strtold_l(polozka.c_str(), nullptr, c);
        shodne = shodne && std::memcmp(&e.maticeKovariancni[i][j], &v, 10) == 0;
        ++pocet;
        if (++i == n) i = ++j;
    }
    freelocale(c);
    EXPECT_EQ(pocet, n * (n + 1) / 2);
    EXPECT_TRUE(shodne);

    TctecRadku soubor(TctecRadku::ZPameti, text, 64 << 10);
    Tetapa poKusech;
    ASSERT_TRUE(NacistEtapuZTextu(soubor, poKusech));
    poKusech.soubor = e.soubor;
    EXPECT_EQ(Otisk(poKusech), Otisk(e));
}

// A file taken for UTF-8 (a point number with "č" in UTF-8) with a byte that
// is no UTF-8 after its last section is read as Windows-1250 throughout, as
// the whole text would be: the number is "ÄŤ1" then.
TEST(Etapa, ALateByteThatIsNoUtf8ReadsTheWholeFileAsWindows1250)
{
    TStringList g = Generuj(3, 1, 5);
    for (std::string& r : g)
        if (r.rfind("F1\t", 0) == 0) r.replace(0, 2, "\xC4\x8D" "1");
    std::string text;
    for (const std::string& r : g) text += r + "\r\n";
    text += "\xE8\r\n";
    const std::string cesta = DocasnySoubor("cp1250.epc");
    {
        std::ofstream f(cesta, std::ios::binary);
        f << text;
    }
    Tetapa e, ocekavana;
    ASSERT_TRUE(NacistEtapu(cesta, e));
    std::filesystem::remove(cesta);
    EXPECT_EQ(e.souradnice.bod[3].cislo, "\xC3\x84\xC5\xA4" "1");
    TStringList radky = RozdelNaRadky(text);
    ASSERT_TRUE(NacistEtapuZeSeznamu(radky, ocekavana, 1));
    ocekavana.soubor = e.soubor;
    EXPECT_EQ(Otisk(e), Otisk(ocekavana));
}

// Two epochs in one text (sections 2-5 and 6-9), as the project file holds
// them, with lines before, between and after; a generated epoch round-trips.
TEST(Etapa, TwoEpochsInOneTextReadFromTheirOwnSections)
{
    Tetapa a, b;
    ASSERT_TRUE(NacistEtapu(Data + "sit3.epc", a));
    TStringList g = Generuj(5, 1, 11);
    ASSERT_TRUE(NacistEtapuZeSeznamu(g, b, 1));

    TStringList text{"<1>", "settings", "</1>"};
    UlozitEtapu(text, a, 2);
    UlozitEtapu(text, b, 6);
    text.push_back("<10>");
    text.push_back("</10>");

    Tetapa a2, b2;
    TStringList kopie = text;
    ASSERT_TRUE(NacistEtapuZeSeznamu(kopie, a2, 2));
    ASSERT_TRUE(NacistEtapuZeSeznamu(kopie, b2, 6));
    a2.soubor = a.soubor;
    EXPECT_EQ(Otisk(a2), Otisk(a));
    EXPECT_EQ(Otisk(b2), Otisk(b));
}

TEST(Etapa, NotAdjustedEpochWithTextAroundItsSections)
{
    Tetapa e;
    ASSERT_TRUE(NacistEtapu(Data + "nevyrovnana.epc", e));
    EXPECT_TRUE(e.jePripojen);
    EXPECT_FALSE(e.jeVyrovnan);
    EXPECT_EQ(e.odchylkaJednotkovaAposterior, 0.0L);
    EXPECT_EQ(e.pocetNadbytecnych, 0);
    EXPECT_EQ(e.rozptylJednotkovyAprior, 2.25L);
}

// ---------------------------------------------------------------- empty epochs

TEST(Etapa, EightTagsReadAsAnEmptyEpoch)
{
    Tetapa e = NactenaEtapa();
    ASSERT_TRUE(NacistEtapu(Data + "prazdna.epc", e));
    EXPECT_FALSE(e.jePripojen);
    EXPECT_EQ(e.pocetBodu, -1);
    EXPECT_EQ(e.odchylkaJednotkovaAprior, -1.0L);
    EXPECT_TRUE(e.souradnice.bod.empty());
    EXPECT_TRUE(e.maticeKovariancni.empty());
    EXPECT_TRUE(e.protokol.text.empty());
    EXPECT_EQ(e.soubor.jmeno, "prazdna.epc");

    // Lines outside the sections do not matter; blanks around tags neither.
    TStringList r{"title", "<1>", "</1>", "  <2>", "</2>\t", "<3>", "</3>", "<4>", "</4> ", "", "x"};
    Tetapa f;
    ASSERT_TRUE(NacistEtapuZeSeznamu(r, f, 1));
    EXPECT_FALSE(f.jePripojen);
    EXPECT_EQ(f.pocetSmer, -1);

    // A stray line between the empty sections is no empty epoch.
    r = {"<1>", "</1>", "between", "<2>", "</2>", "<3>", "</3>", "<4>", "</4>"};
    EXPECT_FALSE(NacistEtapuZeSeznamu(r, f, 1));
}

TEST(Etapa, NotAttachedEpochWritesEightTagsThatReadBack)
{
    Tetapa e;
    TStringList r;
    UlozitEtapu(r, e, 6);
    EXPECT_EQ(r, (TStringList{"<6>", "</6>", "<7>", "</7>", "<8>", "</8>", "<9>", "</9>"}));
    Tetapa f = NactenaEtapa();
    ASSERT_TRUE(NacistEtapuZeSeznamu(r, f, 6));
    EXPECT_FALSE(f.jePripojen);
}

// An attached epoch without drawing records writes an empty section s+3,
// without an empty line, and reads back.
TEST(Etapa, EpochWithoutDrawingRecordsWritesEmptySectionThatReadsBack)
{
    TStringList r = Soubor("sit3.epc");
    // No measurements: all counters of kinds 0, unknowns 6, redundancy
    // 0 - 6 + 6, not adjusted, no records.
    for (std::size_t i = 1; i <= 8; ++i) r[H + i] = "0";
    Nastav(r, {{H + 12, "0"}, {H + 13, "6"}, {H + 14, "0"}, {H + 15, "6"}, {H + 17, "0"}});
    r.erase(r.begin() + G, r.begin() + G + 3);
    Tetapa e;
    ASSERT_TRUE(NacistEtapuZeSeznamu(r, e, 1));
    EXPECT_EQ(e.grafika.pocetMereni, 0);
    TStringList zapsane;
    UlozitEtapu(zapsane, e, 1);
    ASSERT_GE(zapsane.size(), 2u);
    EXPECT_EQ(zapsane[zapsane.size() - 2], "<4>");
    EXPECT_EQ(zapsane.back(), "</4>");
    Tetapa zpet;
    ASSERT_TRUE(NacistEtapuZeSeznamu(zapsane, zpet, 1));
    EXPECT_EQ(Otisk(zpet), Otisk(e));
}

// ---------------------------------------------------------------- accepted variations

struct Zmena {
    const char* nazev;
    std::function<void(TStringList&)> zmena;
};

TEST(Etapa, AcceptedVariationsOfTheText)
{
    const std::vector<Zmena> pripady = {
        {"a supplementary tie counts twice (10 0 10 0 0 0 1 -> 22)",
         [](TStringList& r) { Nastav(r, {{H + 7, "1"}, {H + 8, "14"}, {H + 14, "6"}}); }},
        {"a-priori deviation just below 100000", [](TStringList& r) { r[H + 16] = "99999.9"; }},
        {"decimal comma in a deviation", [](TStringList& r) { r[H + 16] = "1,5"; }},
        {"deviations that count as zero, compared as read",
         [](TStringList& r) { Nastav(r, {{H + 16, "1e-17"}, {H + 17, "0,00000000000000001"}}); }},
        {"supplementary bearings and horizontal lengths each summed to their own counter",
         [](TStringList& r) { Nastav(r, {{H + 4, "1"}, {H + 5, "2"}, {H + 8, "15"}, {H + 14, "7"}, {G, "2 0 2 2 2 2 1 0 -1"}}); }},
        {"a-posteriori 0 with redundancy 0",
         [](TStringList& r) { Nastav(r, {{H + 12, "6"}, {H + 13, "12"}, {H + 14, "0"}, {H + 17, "0"}}); }},
        {"blanks and tabs around lines, tags included",
         [](TStringList& r) { Nastav(r, {{0, " <1>"}, {H + 18, "</1> "}}); r[B] = "\t" + r[B] + "  "; r[K] += " "; }},
        {"empty lines anywhere",
         [](TStringList& r) { r.insert(r.begin() + G, ""); r.insert(r.begin() + K + 1, "   "); r.insert(r.begin() + H + 3, ""); }},
        {"lines before, between and after the sections",
         [](TStringList& r) { r.push_back("after"); r.insert(r.begin() + 24, "between"); r.insert(r.begin(), "before"); }},
        {"points separated by blanks", [](TStringList& r) { r[B] = "101 1000.123456 2000.5 300.25 0 -1"; }},
        {"covariance items separated by commas", [](TStringList& r) { r[K] = "4E-6,0,0,5E-7,0,0,1E-6,0,0,2E-7"; }},
        {"a record not in use still counts", [](TStringList& r) { r[G + 2] = "0 1 1 1 1 0 0 0 0"; }},
    };
    for (const Zmena& p : pripady) {
        TStringList r = Soubor("sit3.epc");
        p.zmena(r);
        Tetapa e;
        EXPECT_TRUE(NacistEtapuZeSeznamu(r, e, 1)) << p.nazev;
        EXPECT_TRUE(e.jePripojen) << p.nazev;
    }
}

// ---------------------------------------------------------------- rejections

// Every rejection fails the reading and leaves a loaded epoch exactly as it
// was, through the list reader and through the file reader. Rows marked
// "fault" guard mended faults: the reader used to compare only the counts of
// the two groups (a fixed point among the determined rows later took a
// determined point's covariance block), let a number stand in both groups,
// and took "nan" and "inf" for numbers.
TEST(Etapa, EveryRejectionFailsAndLeavesTheLoadedEpochAsItWas)
{
    using R = TStringList&;
    const std::vector<Zmena> pripady = {
        // tags
        {"missing closing tag", [](R r) { r.pop_back(); }},
        {"tag twice", [](R r) { r.insert(r.begin() + B, "<3>"); }},
        {"closing tag before its opening tag", [](R r) { std::swap(r[K - 1], r[K + 3]); }},
        {"no text at all", [](R r) { r.clear(); }},
        // header
        {"header of 16 lines", [](R r) { r.erase(r.begin() + H + 17); }},
        {"header of 18 lines", [](R r) { r.insert(r.begin() + H + 17, "0"); }},
        {"no determined point (u = 0)", [](R r) { Nastav(r, {{H + 9, "1"}, {H + 10, "0"}, {H + 13, "2"}, {H + 14, "10"}}); }},
        {"supplementary tie counted once", [](R r) { Nastav(r, {{H + 7, "1"}, {H + 8, "13"}, {H + 14, "5"}}); }},
        {"a counter above 1000000", [](R r) { r[H + 15] = "1000001"; }},
        {"a negative counter", [](R r) { r[H + 4] = "-1"; }},
        {"measurements not the sum of the kinds", [](R r) { r[H + 8] = "13"; }},
        {"points not determined + fixed", [](R r) { r[H + 9] = "4"; }},
        {"unknowns not 3u + further unknowns", [](R r) { r[H + 13] = "9"; }},
        {"redundancy not measurements - unknowns + conditions", [](R r) { r[H + 14] = "5"; }},
        {"negative redundancy", [](R r) { Nastav(r, {{H + 12, "7"}, {H + 13, "13"}, {H + 14, "-1"}, {H + 17, "0"}}); }},
        {"a counter with decimals", [](R r) { r[H + 1] = "4.0"; }},
        {"a counter in hexadecimal", [](R r) { r[H + 1] = "$4"; }},
        {"a counter in C hexadecimal", [](R r) { r[H + 1] = "0x4"; }},
        {"a counter of two words", [](R r) { r[H + 1] = "4 4"; }},
        {"a counter beyond 32 bits", [](R r) { r[H + 15] = "4294967296"; }},
        {"a-priori deviation 0", [](R r) { r[H + 16] = "0"; }},
        {"a-priori deviation 100000", [](R r) { r[H + 16] = "100000"; }},
        {"negative a-priori deviation", [](R r) { r[H + 16] = "-1"; }},
        {"a-priori deviation -1e-17", [](R r) { r[H + 16] = "-1e-17"; }},
        {"a-priori deviation not a number", [](R r) { r[H + 16] = "one"; }},
        {"fault: a-priori deviation nan", [](R r) { r[H + 16] = "nan"; }},
        {"fault: a-priori deviation inf", [](R r) { r[H + 16] = "inf"; }},
        {"a-posteriori 0 with redundancy", [](R r) { r[H + 17] = "0"; }},
        {"a-posteriori above 0 with redundancy 0", [](R r) { Nastav(r, {{H + 12, "6"}, {H + 13, "12"}, {H + 14, "0"}}); }},
        {"negative a-posteriori deviation", [](R r) { r[H + 17] = "-1.2"; }},
        {"a-posteriori deviation -1e-17", [](R r) { r[H + 17] = "-1e-17"; }},
        {"a-posteriori 1e-17 with redundancy 0",
         [](R r) { Nastav(r, {{H + 12, "6"}, {H + 13, "12"}, {H + 14, "0"}, {H + 17, "1e-17"}}); }},
        {"a-posteriori deviation 1e12", [](R r) { r[H + 17] = "1e12"; }},
        {"a-posteriori deviation above 1e12", [](R r) { r[H + 17] = "2e12"; }},
        {"fault: a-posteriori deviation nan", [](R r) { r[H + 17] = "NaN"; }},
        {"fault: a-posteriori deviation inf", [](R r) { r[H + 17] = "inf"; }},
        // points
        {"determined points out of order", [](R r) { std::swap(r[B], r[B + 1]); }},
        {"a repeated determined point", [](R r) { Nahrad(r[B + 1], "102", "101"); }},
        {"fewer fixed points than the header says", [](R r) { Nahrad(r[B + 2], "-1\t-1", "0\t-1"); }},
        {"more fixed points than the header says", [](R r) { Nahrad(r[B + 1], "0\t-1", "-1\t-1"); }},
        {"fault: a fixed point among the determined rows",
         [](R r) { Nahrad(r[B], "0\t-1", "-1\t-1"); Nahrad(r[B + 2], "-1\t-1", "0\t-1"); }},
        {"fault: a point number in both groups", [](R r) { Nahrad(r[B + 2], "50", "101"); }},
        {"fault: a point number in both groups (last determined)", [](R r) { Nahrad(r[B + 2], "50", "102"); }},
        {"a point line of five words", [](R r) { Nahrad(r[B], "\t-1", ""); }},
        {"a point line of seven words", [](R r) { r[B] += "\t0"; }},
        {"a point missing", [](R r) { r.erase(r.begin() + B + 1); }},
        {"fault: a coordinate nan", [](R r) { Nahrad(r[B], "2000.5", "nan"); }},
        {"fault: a coordinate inf", [](R r) { Nahrad(r[B], "2000.5", "inf"); }},
        {"fault: a fixed point's coordinate -inf", [](R r) { Nahrad(r[B + 2], "1900", "-inf"); }},
        {"a coordinate above 1e12", [](R r) { Nahrad(r[B], "2000.5", "2e12"); }},
        {"a flag that is no flag", [](R r) { Nahrad(r[B], "0\t-1", "yes\t-1"); }},
        // covariance
        {"covariance section a line short", [](R r) { r.erase(r.begin() + K + 2); }},
        {"covariance section a line long", [](R r) { r.insert(r.begin() + K + 3, "0"); }},
        {"nine numbers on a full line", [](R r) { Nahrad(r[K], " 2E-7", ""); }},
        {"eleven numbers on a full line", [](R r) { r[K] += " 0"; }},
        {"two numbers on the last line", [](R r) { r[K + 2] += " 0"; }},
        {"a negative variance", [](R r) { Nahrad(r[K], "4E-6", "-4E-6"); }},
        {"a negative variance of the last point", [](R r) { r[K + 2] = "-9E-6"; }},
        {"fault: a covariance nan", [](R r) { Nahrad(r[K + 1], "0 9E-6", "nan 9E-6"); }},
        {"fault: a covariance inf", [](R r) { Nahrad(r[K + 1], "0 9E-6", "inf 9E-6"); }},
        {"fault: a covariance -inf", [](R r) { Nahrad(r[K + 1], "0 9E-6", "-INF 9E-6"); }},
        {"fault: a covariance INF ending a full line", [](R r) { Nahrad(r[K], " 2E-7", " INF"); }},
        {"fault: the last variance nan", [](R r) { r[K + 2] = "nan"; }},
        {"fault: the last variance inf", [](R r) { r[K + 2] = "inf"; }},
        {"a variance beyond the floating-point range", [](R r) { r[K + 2] = "1e99999"; }},
        {"a covariance beyond the floating-point range", [](R r) { Nahrad(r[K + 1], "1.5E-6 0", "1.5E-6 1e99999"); }},
        {"a covariance that is no number", [](R r) { Nahrad(r[K + 1], "0 9E-6", "x 9E-6"); }},
        {"a block that is not positive semi-definite", [](R r) { Nahrad(r[K], "4E-6 0", "4E-6 1E-5"); }},
        {"a block indefinite only with its Z row (X-Z covariance 1E-5)",
         [](R r) { Nahrad(r[K], "4E-6 0 0 5E-7", "4E-6 0 1E-5 5E-7"); }},
        // drawing records
        {"a station index equal to the point count", [](R r) { r[G] = "3 0 2 2 2 0 0 0 -1"; }},
        {"a target index equal to the point count", [](R r) { r[G] = "2 3 2 2 2 0 0 0 -1"; }},
        {"a negative index", [](R r) { r[G] = "-1 0 2 2 2 0 0 0 -1"; }},
        {"a count of 10001", [](R r) { r[G] = "2 0 10001 2 2 0 0 0 -1"; }},
        {"slope lengths not summing to the header", [](R r) { r[G] = "2 0 3 2 2 0 0 0 -1"; }},
        {"a supplementary bearing the header does not count", [](R r) { r[G] = "2 0 2 2 2 1 0 0 -1"; }},
        {"a supplementary horizontal length the header does not count", [](R r) { r[G] = "2 0 2 2 2 0 1 0 -1"; }},
        {"a supplementary height difference the header does not count", [](R r) { r[G] = "2 0 2 2 2 0 0 1 -1"; }},
        {"a record of eight items", [](R r) { r[G] = "2 0 2 2 2 0 0 0"; }},
        {"a record item that is no integer", [](R r) { r[G] = "2 0 2 2 two 0 0 0 -1"; }},
        {"a record missing", [](R r) { r.erase(r.begin() + G + 2); }},
    };

    const Tetapa puvodni = NactenaEtapa();
    const std::string otisk = Otisk(puvodni);
    for (const Zmena& p : pripady) {
        TStringList r = Soubor("sit3.epc");
        p.zmena(r);
        Tetapa e;
        e.Kopiruj(puvodni);
        TStringList kopie = r;
        EXPECT_FALSE(NacistEtapuZeSeznamu(kopie, e, 1)) << p.nazev;
        EXPECT_EQ(Otisk(e), otisk) << p.nazev;

        const std::string cesta = DocasnySoubor("chybna.epc");
        ZapisTextovySoubor(cesta, r);
        EXPECT_FALSE(NacistEtapu(cesta, e)) << p.nazev;
        EXPECT_EQ(Otisk(e), otisk) << p.nazev;
        std::filesystem::remove(cesta);
    }
}

// Mended fault, group membership, in a larger epoch: determined "11" and a
// fixed point renamed to "11".
TEST(Etapa, FaultPointNumberInBothGroupsOfALargerEpoch)
{
    TStringList g = Generuj(12, 3, 4);
    for (std::string& l : g)
        if (l.rfind("F2\t", 0) == 0) l.replace(0, 2, "11");
    Tetapa e;
    EXPECT_FALSE(NacistEtapuZeSeznamu(g, e, 1));
}

TEST(Etapa, MissingFileFailsAndLeavesTheEpochAsItWas)
{
    Tetapa e = NactenaEtapa();
    const std::string otisk = Otisk(e);
    EXPECT_FALSE(NacistEtapu(Data + "no-such-file.epc", e));
    EXPECT_FALSE(NacistEtapu(Data, e));  // a folder
    // Nor is a pipe without a writer (whose open would wait for one for
    // ever) or a device that never ends read.
    const std::string roura = DocasnySoubor("roura");
    ::unlink(roura.c_str());
    ASSERT_EQ(::mkfifo(roura.c_str(), 0600), 0);
    EXPECT_FALSE(NacistEtapu(roura, e));
    EXPECT_FALSE(NacistEtapu("/dev/zero", e));
    ::unlink(roura.c_str());
    EXPECT_EQ(Otisk(e), otisk);
}

// A line longer than any line of an epoch rejects the text at once, even
// outside the sections where other text is ignored, and the loaded epoch
// stays as it was; a line of exactly the cap there is ignored like any text.
// With a cap of 64 bytes through the text reader, and with the program's cap
// through the file reader.
TEST(Etapa, ALineLongerThanTheCapRejectsTheTextAndLeavesTheEpoch)
{
    const Tetapa puvodni = NactenaEtapa();
    const std::string otisk = Otisk(puvodni);
    Tetapa sit3;
    ASSERT_TRUE(NacistEtapu(Data + "sit3.epc", sit3));
    std::stringstream obsah;
    obsah << std::ifstream(Data + "sit3.epc", std::ios::binary).rdbuf();
    // The line before the first tag, or after the last one without a line end.
    auto text = [&](std::size_t delka, bool naKonci) {
        const std::string radek(delka, '7');
        return naKonci ? obsah.str() + radek : radek + "\r\n" + obsah.str();
    };
    for (const bool naKonci : {false, true}) {
        for (const std::size_t delka : {std::size_t{64}, std::size_t{65}}) {
            const std::string t = text(delka, naKonci);
            TctecRadku ctec(TctecRadku::ZPameti, t, 16, 64);
            Tetapa e;
            e.Kopiruj(puvodni);
            EXPECT_EQ(NacistEtapuZTextu(ctec, e), delka == 64) << delka << naKonci;
            if (delka == 64) {
                EXPECT_EQ(test::OtiskDatEtapy(e), test::OtiskDatEtapy(sit3)) << naKonci;
            } else {
                EXPECT_EQ(Otisk(e), otisk) << naKonci;
            }
        }
        const std::string cesta = DocasnySoubor("dlouhy_radek.epc");
        for (const std::size_t delka : {MaxDelkaRadku, MaxDelkaRadku + 1}) {
            {
                std::ofstream f(cesta, std::ios::binary);
                f << text(delka, naKonci);
            }
            Tetapa e;
            e.Kopiruj(puvodni);
            EXPECT_EQ(NacistEtapu(cesta, e), delka == MaxDelkaRadku) << delka << naKonci;
            if (delka > MaxDelkaRadku) {
                EXPECT_EQ(Otisk(e), otisk) << naKonci;
            }
        }
        std::filesystem::remove(cesta);
    }
}

// Mended fault: the report of the previous file stayed after a new reading.
TEST(Etapa, StaleReportIsEmptyAfterAReading)
{
    Tetapa e = NactenaEtapa();
    ASSERT_TRUE(e.protokol.jePlny);
    ASSERT_TRUE(NacistEtapu(Data + "sit3.epc", e));
    EXPECT_FALSE(e.protokol.jePlny);
    EXPECT_TRUE(e.protokol.text.empty());
    // The analysis rows of the previous epoch are gone too.
    EXPECT_TRUE(e.analyzaDelka.data.bod.empty());
    EXPECT_TRUE(e.analyzaUhel.data.bod.empty());
    // The identity of the epoch stays.
    EXPECT_EQ(e.ID, 2);
    EXPECT_EQ(e.barva, 0x00123456u);
}

// ---------------------------------------------------------------- header and records

TEST(EtapaGrafika, RecordsChecked)
{
    Tetapa e;
    e.pocetBodu = 3;
    e.pocetDelka = e.pocetSmer = e.pocetZenit = 3;
    e.pocetDoplnekSmernik = e.pocetDoplnekDelka = e.pocetDoplnekPrevyseni = 0;
    e.pocetDoplnekProvazeni = 5;  // not compared
    EXPECT_TRUE(NacistGrafikuEtapy(e, {"0 1 1 1 1 0 0 0 -1", "1 2 2 2 2 0 0 0 0"}));
    EXPECT_EQ(e.grafika.pocetMereni, 2);
    EXPECT_FALSE(e.grafika.mereni[1].JePlny);
    EXPECT_FALSE(NacistGrafikuEtapy(e, {"0 3 3 3 3 0 0 0 -1"}));
    EXPECT_EQ(e.grafika.pocetMereni, 2);  // unchanged after the failure
    EXPECT_FALSE(NacistGrafikuEtapy(e, {""}));
    e.pocetDelka = e.pocetSmer = e.pocetZenit = 0;
    EXPECT_TRUE(NacistGrafikuEtapy(e, {}));
    EXPECT_EQ(e.grafika.pocetMereni, 0);
}

// ---------------------------------------------------------------- object

// (Kopiruj is checked by every rejection: the copy must match to the bit.)
TEST(EtapaObjekt, ClearMarksEverythingNotSetAndKeepsTheColour)
{
    Tetapa a = NactenaEtapa();
    a.Clear();
    EXPECT_FALSE(a.jePripojen || a.jeVyrovnan);
    for (const int n : {a.pocetSmer, a.pocetBodu, a.pocetBoduUrcovanych, a.pocetPodminek})
        EXPECT_EQ(n, -1);
    for (const Extended x : {a.odchylkaJednotkovaAprior, a.odchylkaJednotkovaAposterior,
                             a.rozptylJednotkovyAprior, a.rozptylJednotkovyAposterior})
        EXPECT_EQ(x, -1.0L);
    EXPECT_EQ(a.ID, 0);
    EXPECT_EQ(a.barva, 0x00123456u);
    EXPECT_TRUE(a.soubor.jmeno.empty() && a.souradnice.bod.empty() && a.grafika.mereni.empty());
    EXPECT_TRUE(a.maticeKovariancni.empty() && a.kovariancniMaticeStr().empty() && a.protokol.text.empty());
    EXPECT_EQ(a.analyzaDelka.iStn, -1);
}

TEST(EtapaObjekt, CovarianceTableIsTheSameWhenBuiltLaterOrAtOnce)
{
    Tetapa e;
    TStringList g = Generuj(6, 1, 3);
    ASSERT_TRUE(NacistEtapuZeSeznamu(g, e, 1));
    Tetapa kopie;
    kopie.Kopiruj(e);  // copied before the table was built
    const std::string pozdeji = e.kovariancniMaticeStr();
    e.KovariancniMatice2str();
    EXPECT_EQ(e.kovariancniMaticeStr(), pozdeji);
    EXPECT_EQ(kopie.kovariancniMaticeStr(), pozdeji);
    // 18 rows of 18 cells.
    EXPECT_EQ(std::count(pozdeji.begin(), pozdeji.end(), '\n'), 18);
    const std::string radek0 = pozdeji.substr(0, pozdeji.find("\r\n"));
    EXPECT_EQ(std::count(radek0.begin(), radek0.end(), ' '), 17);
    EXPECT_EQ(radek0.substr(0, radek0.find(' ')), CisloNaText(e.maticeKovariancni[0][0]));
}

TEST(EtapaObjekt, InfoSouborSplitsAtTheLastSlash)
{
    Tetapa e;
    e.soubor.ID = 5;
    e.soubor.hlaseni = 9;
    e.InfoSoubor("/home/u/site.v2/epoch 1.epc");
    EXPECT_EQ((std::vector<std::string>{e.soubor.jmeno, e.soubor.cesta, e.soubor.pripona}),
              (std::vector<std::string>{"epoch 1.epc", "/home/u/site.v2/", ".epc"}));
    EXPECT_EQ(e.soubor.ID, 5);  // the rest stays
    EXPECT_EQ(e.soubor.hlaseni, 9);
    e.InfoSoubor("noext");
    EXPECT_EQ((std::vector<std::string>{e.soubor.jmeno, e.soubor.cesta, e.soubor.pripona}),
              (std::vector<std::string>{"noext", "", ""}));
}

TEST(EtapaObjekt, NazevInBothLanguages)
{
    Tnastaveni n;
    n.Default();
    Tjazyk j;
    n.typJazyk = 1;
    j.Default(n);
    Tetapa e;
    ASSERT_TRUE(NacistEtapu(Data + "sit3.epc", e));
    EXPECT_EQ(e.Nazev(j, false, 1, 1), "1. epoch");
    EXPECT_EQ(e.Nazev(j, true, 2, 2), "2. epoch (transformed) [sit3.epc]");
    n.typJazyk = 0;
    j.Default(n);
    EXPECT_EQ(e.Nazev(j, true, 1, 2), "1. etapa (transformovaná) [sit3.epc]");
    e.Clear();
    EXPECT_EQ(e.Nazev(j, true, 2, 1), "2. etapa");  // not attached: no file
    EXPECT_EQ(e.Nazev(j, false, 3, 1), "etapa");      // no numeral for a third epoch
}

TEST(EtapaObjekt, AnalysesRunOnTheEpochsData)
{
    Tetapa e;
    ASSERT_TRUE(NacistEtapu(Data + "sit3.epc", e));
    e.VypocetAnalyzaDelka(0, 1);
    EXPECT_EQ(e.analyzaDelka.iStn, 0);
    EXPECT_EQ(e.analyzaDelka.iCilL, 1);
    ASSERT_EQ(e.analyzaDelka.data.bod.size(), 7u);
    // dX of 101 -> 102 and its deviation: var = C(X2) + C(X1) - 2 cov = 2.5e-6 + 4e-6 - 1e-6.
    EXPECT_TRUE(Blizko(e.analyzaDelka.data.bod[0].X, 1100 - 1000.123456L, 1e-9L));
    EXPECT_TRUE(Blizko(e.analyzaDelka.data.bod[0].Y, std::sqrt(5.5e-6L), 1e-12L));
    EXPECT_TRUE(Blizko(e.analyzaDelka.data.bod[0].Z, 1.2L * std::sqrt(5.5e-6L), 1e-12L));
    e.VypocetAnalyzaUhel(2, 0, 1);
    EXPECT_EQ(e.analyzaUhel.iStn, 2);
    EXPECT_EQ(e.analyzaUhel.data.bod.size(), 3u);
}

// ---------------------------------------------------------------- transformation

// A 90 degree rotation about Z (X axis onto Y: (x, y, z) -> (-y, x, z)) and
// a translation. Each 3 x 3 block C becomes R C R^T: Cxx and Cyy exchange,
// Cxy changes sign, the traces stay; the major axis of 101 turns from
// bearing 0 to pi/2, that of 102 from pi/4 to 3 pi/4.
TEST(EtapaTransformace, RotationAndTranslationMapPointsBlocksAndEllipses)
{
    Tetapa e;
    ASSERT_TRUE(NacistEtapu(Data + "sit3.epc", e));
    e.protokol.text = {"old"};
    e.protokol.jePlny = true;
    const Tetapa puvodni = e;
    const Tmatrix R = {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};
    const Tmatrix t = {{100}, {-200}, {5}};
    ASSERT_TRUE(e.Transformuj(t, R));
    EXPECT_TRUE(e.jePripojen);
    EXPECT_FALSE(e.protokol.jePlny);

    for (std::size_t i = 0; i < 3; ++i) {
        const Tbod& a = puvodni.souradnice.bod[i];
        const Tbod& b = e.souradnice.bod[i];
        EXPECT_TRUE(Blizko(b.X, -a.Y + 100, 1e-9L)) << a.cislo;
        EXPECT_TRUE(Blizko(b.Y, a.X - 200, 1e-9L)) << a.cislo;
        EXPECT_TRUE(Blizko(b.Z, a.Z + 5, 1e-9L)) << a.cislo;
        // rounded to micrometres
        EXPECT_TRUE(Blizko(b.Y * 1e6L, std::round(b.Y * 1e6L), 1e-3L));
    }

    // Full symmetric matrices and B C B^T with B = diag(R, R), computed here.
    const int n = 6;
    auto plna = [&](const Tmatrix& L, int i, int j) { return i >= j ? L[i][j] : L[j][i]; };
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) {
            Extended s = 0;
            for (int k = 0; k < n; ++k)
                for (int l = 0; l < n; ++l) {
                    const Extended bik = (k / 3 == i / 3) ? R[i % 3][k % 3] : 0;
                    const Extended bjl = (l / 3 == j / 3) ? R[j % 3][l % 3] : 0;
                    s += bik * plna(puvodni.maticeKovariancni, k, l) * bjl;
                }
            EXPECT_EQ(e.maticeKovariancni[i][j], s) << i << "," << j;
        }
    for (int k = 0; k < 2; ++k) {
        Extended stopa0 = 0, stopa1 = 0;
        for (int d = 0; d < 3; ++d) {
            stopa0 += puvodni.maticeKovariancni[3 * k + d][3 * k + d];
            stopa1 += e.maticeKovariancni[3 * k + d][3 * k + d];
        }
        EXPECT_EQ(stopa1, stopa0);
    }
    EXPECT_EQ(e.maticeKovariancni[4][3], -1.5e-6L);

    const Tbod& p101 = e.souradnice.bod[0];
    const Tbod& p102 = e.souradnice.bod[1];
    EXPECT_TRUE(Blizko(p101.elipsa.a_delka, 2e-3L, 1e-15L));
    EXPECT_TRUE(Blizko(p101.elipsa.b_delka, 1e-3L, 1e-15L));
    EXPECT_TRUE(Blizko(p101.elipsa.a_smernik, Pi / 2, 1e-12L));
    EXPECT_TRUE(Blizko(p102.elipsa.a_smernik, 3 * Pi / 4, 1e-12L));
    EXPECT_TRUE(Blizko(p101.sig_X, 1e-3L, 1e-15L));
    EXPECT_TRUE(Blizko(p101.sig_Y, 2e-3L, 1e-15L));
    const auto osy = SerazeneOsy(p102.elipsoid);
    EXPECT_TRUE(Blizko(osy[2], 3e-3L, 1e-12L));
    EXPECT_EQ(e.souradnice.bod[2].sig_X, -1.0L);
    EXPECT_EQ(e.souradnice.bod[2].elipsa.a_delka, -1.0L);

    // Drawing points follow; the table shows the new matrix.
    EXPECT_EQ(e.grafika.body[0].X, p101.X);
    EXPECT_TRUE(Blizko(e.grafika.body[0].a_smernik, Pi / 2, 1e-12L));
    EXPECT_EQ(e.grafika.mereni.size(), 3u);
    EXPECT_EQ(e.kovariancniMaticeStr(), SymetrickaMaticeNaText(e.maticeKovariancni, 6));
    EXPECT_NE(e.kovariancniMaticeStr(), puvodni.kovariancniMaticeStr());
}

TEST(EtapaTransformace, IdentityChangesNothingButTheReport)
{
    TStringList g = Generuj(8, 2, 21);
    Tetapa e;
    ASSERT_TRUE(NacistEtapuZeSeznamu(g, e, 1));
    const std::string pred = Otisk(e);
    const Tmatrix I = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    ASSERT_TRUE(e.Transformuj(Tmatrix{{0}, {0}, {0}}, I));
    EXPECT_EQ(Otisk(e), pred);
}

TEST(EtapaTransformace, FailureEmptiesTheEpoch)
{
    Tetapa e;
    ASSERT_TRUE(NacistEtapu(Data + "sit3.epc", e));
    EXPECT_FALSE(e.Transformuj(Tmatrix{{0}, {0}, {0}}, Tmatrix{{1, 0}, {0, 1}}));
    EXPECT_FALSE(e.jePripojen);
    EXPECT_EQ(e.pocetBodu, -1);

    ASSERT_TRUE(NacistEtapu(Data + "sit3.epc", e));
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    EXPECT_FALSE(e.Transformuj(Tmatrix{{0}, {0}, {0}}, Tmatrix{{nan, 0, 0}, {0, 1, 0}, {0, 0, 1}}));
    EXPECT_FALSE(e.jePripojen);

    Tetapa prazdna;  // nothing to transform
    EXPECT_FALSE(prazdna.Transformuj(Tmatrix{{0}, {0}, {0}}, Tmatrix{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}));
}

// ---------------------------------------------------------------- damaged texts

// Every prefix of a valid epoch, and a few thousand random mutations of it,
// either read (and then write and read back to the same text) or fail and
// leave the loaded epoch alone.
TEST(EtapaPoskozena, TruncatedAndMutatedEpochsNeverHalfLoad)
{
    const Tetapa puvodni = NactenaEtapa();
    const std::string otisk = Otisk(puvodni);
    std::vector<TStringList> zaklady = {Soubor("sit3.epc"), Soubor("nevyrovnana.epc"),
                                        Generuj(3, 2, 1)};
    auto over = [&](TStringList r, const std::string& popis) {
        Tetapa e;
        e.Kopiruj(puvodni);
        if (NacistEtapuZeSeznamu(r, e, 1)) {
            TStringList zapsane;
            UlozitEtapu(zapsane, e, 1);
            Tetapa zpet;
            TStringList kopie = zapsane;
            ASSERT_TRUE(NacistEtapuZeSeznamu(kopie, zpet, 1)) << popis;
            TStringList znovu;
            UlozitEtapu(znovu, zpet, 1);
            EXPECT_EQ(znovu, zapsane) << popis;
        } else {
            EXPECT_EQ(Otisk(e), otisk) << popis;
        }
    };

    int precteno = 0;
    for (const TStringList& z : zaklady) {
        for (std::size_t n = 0; n < z.size(); ++n) {
            TStringList r(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(n));
            Tetapa e;
            if (std::find(r.begin(), r.end(), "</4>") == r.end()) {
                EXPECT_FALSE(NacistEtapuZeSeznamu(r, e, 1)) << "prefix of " << n << " lines";
            }
            over(TStringList(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(n)), "prefix");
            // a line cut in the middle
            if (n > 0 && z[n - 1].size() > 1) {
                TStringList c(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(n));
                c.back().resize(c.back().size() / 2);
                over(c, "cut line");
            }
        }
    }

    std::mt19937 gen(20240601);
    const std::string znaky = "0123456789.-+eE,<>/ \tnaif$x";
    for (int pokus = 0; pokus < 3000; ++pokus) {
        TStringList r = zaklady[static_cast<std::size_t>(pokus) % zaklady.size()];
        const int zmen = 1 + static_cast<int>(gen() % 3);
        for (int z = 0; z < zmen && !r.empty(); ++z) {
            const std::size_t i = gen() % r.size();
            std::string& l = r[i];
            switch (gen() % 6) {
            case 0:
                if (!l.empty()) l.erase(gen() % l.size(), 1);
                break;
            case 1: l.insert(l.empty() ? 0 : gen() % (l.size() + 1), 1, znaky[gen() % znaky.size()]); break;
            case 2:
                if (!l.empty()) l[gen() % l.size()] = znaky[gen() % znaky.size()];
                break;
            case 3: r.insert(r.begin() + static_cast<std::ptrdiff_t>(i), r[i]); break;
            case 4: r.erase(r.begin() + static_cast<std::ptrdiff_t>(i)); break;
            default: std::swap(r[i], r[gen() % r.size()]); break;
            }
        }
        Tetapa e;
        TStringList kopie = r;
        if (NacistEtapuZeSeznamu(kopie, e, 1)) ++precteno;
        over(r, "mutation " + std::to_string(pokus));
    }
    // Some mutations are harmless (a digit of a coordinate, a blank).
    EXPECT_GT(precteno, 0);
}

// Every file of the test corpus: the valid ones read, the damaged ones
// ("poskozena_*") fail.
TEST(EtapaPoskozena, CorpusFiles)
{
    int souboru = 0;
    for (const auto& polozka : std::filesystem::directory_iterator(Data)) {
        const std::string jmeno = polozka.path().filename().string();
        if (polozka.path().extension() != ".epc") continue;
        ++souboru;
        Tetapa e;
        const bool ok = NacistEtapu(polozka.path().string(), e);
        EXPECT_EQ(ok, jmeno.rfind("poskozena_", 0) != 0) << jmeno;
    }
    EXPECT_GE(souboru, 3);
}
