// Network drawing data: records from and to text, points from a point list,
// copies for the other axis orientation.
#include "analysis/GrafikaData.h"

#include <gtest/gtest.h>

#include <random>

#include "analysis/ElipsyChyb.h"
#include "numerics/Jednotky.h"
#include "numerics/Matrix2.h"

namespace sitmera {
namespace {

bool Stejne(const TgrafikaZaznam& a, const TgrafikaZaznam& b)
{
    return a.iStn == b.iStn && a.iCil == b.iCil && a.delkaS == b.delkaS && a.smer == b.smer &&
           a.zenit == b.zenit && a.smernik == b.smernik && a.delkaH == b.delkaH &&
           a.prevyseni == b.prevyseni && a.JePlny == b.JePlny;
}

// Splits a text at CR LF.
TStringList Radky(const std::string& text)
{
    TStringList radky;
    if (text.empty()) return radky;
    std::size_t p = 0;
    for (;;) {
        const std::size_t q = text.find("\r\n", p);
        radky.push_back(text.substr(p, q == std::string::npos ? std::string::npos : q - p));
        if (q == std::string::npos) break;
        p = q + 2;
    }
    return radky;
}

// ---------------------------------------------------------------- records from text

TEST(StrList2mereni, RecordLineReads)
{
    TgrafikaData g;
    ASSERT_TRUE(g.StrList2mereni({"0 1 2 0 0 0 0 0 -1"}));
    ASSERT_EQ(g.pocetMereni, 1);
    ASSERT_EQ(g.mereni.size(), 1u);
    const TgrafikaZaznam& z = g.mereni[0];
    EXPECT_EQ(z.iStn, 0);
    EXPECT_EQ(z.iCil, 1);
    EXPECT_EQ(z.delkaS, 2);
    EXPECT_EQ(z.smer + z.zenit + z.smernik + z.delkaH + z.prevyseni, 0);
    EXPECT_TRUE(z.JePlny);
}

TEST(StrList2mereni, EveryFieldInItsPlace)
{
    TgrafikaData g;
    ASSERT_TRUE(g.StrList2mereni({"3 4 5 6 7 8 9 10 0"}));
    const TgrafikaZaznam& z = g.mereni[0];
    EXPECT_EQ(z.iStn, 3);
    EXPECT_EQ(z.iCil, 4);
    EXPECT_EQ(z.delkaS, 5);
    EXPECT_EQ(z.smer, 6);
    EXPECT_EQ(z.zenit, 7);
    EXPECT_EQ(z.smernik, 8);
    EXPECT_EQ(z.delkaH, 9);
    EXPECT_EQ(z.prevyseni, 10);
    EXPECT_FALSE(z.JePlny);
}

TEST(StrList2mereni, SeparatorsAndFlagForms)
{
    struct Pripad {
        const char* radek;
        bool JePlny;
    };
    const Pripad pripady[] = {
        {"0,1,2,0,0,0,0,0,-1", true},
        {"0, 1, 2, 0, 0, 0, 0, 0, 0", false},
        {"\t0\t1 2  0 0 0 0 0   -1  ", true},
        {"0 1 2 0 0 0 0 0 1", true},
        {"0 1 2 0 0 0 0 0 True", true},
        {"0 1 2 0 0 0 0 0 false", false},
        {"0 1 2 0 0 0 0 0 \"-1\"", true},
        {"+0 1 2 0 0 0 0 0 -1", true},
        {"0 1 2 0 0 0 0 0 -1 extra 17 x", true},  // items after the ninth ignored
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.radek);
        TgrafikaData g;
        ASSERT_TRUE(g.StrList2mereni({p.radek}));
        EXPECT_EQ(g.mereni[0].iCil, 1);
        EXPECT_EQ(g.mereni[0].delkaS, 2);
        EXPECT_EQ(g.mereni[0].JePlny, p.JePlny);
    }
}

TEST(StrList2mereni, RangeBoundsOfTheIntegers)
{
    TgrafikaData g;
    // 10000 passes here (the epoch reader checks the indexes against its points).
    ASSERT_TRUE(g.StrList2mereni({"10000 10000 10000 10000 10000 10000 10000 10000 0"}));
    EXPECT_EQ(g.mereni[0].iStn, 10000);
    EXPECT_EQ(g.mereni[0].prevyseni, 10000);
    ASSERT_TRUE(g.StrList2mereni({"0 0 0 0 0 0 0 0 0"}));
    for (int polozka = 0; polozka < 8; ++polozka) {
        for (const char* spatna : {"10001", "-1"}) {
            TStringList radek(9, "0");
            radek[polozka] = spatna;
            std::string text;
            for (const std::string& s : radek) text += s + " ";
            SCOPED_TRACE(text);
            EXPECT_FALSE(g.StrList2mereni({text}));
            EXPECT_EQ(g.pocetMereni, 0);
            EXPECT_TRUE(g.mereni.empty());
        }
    }
}

TEST(StrList2mereni, BadLinesFailWithNoRecords)
{
    const char* spatne[] = {
        "0 1 2 0 0 0 0 0",        // eight items
        "",                       // empty line
        "   ",                    // blank line
        "0 1 x 0 0 0 0 0 -1",     // not a number
        "0 1 2.0 0 0 0 0 0 -1",   // not an integer
        "0 1 $2 0 0 0 0 0 -1",    // hexadecimal
        "0 1 0x2 0 0 0 0 0 -1",
        "0 1 2 0 0 0 0 0 maybe",  // no flag
        "0 1 2 0 0 0 0 0 -",
        "0,,1,2,0,0,0,0,-1",      // empty item
        "0 1 99999999999999999999 0 0 0 0 0 -1",
        "0 1 - 0 0 0 0 0 -1",
    };
    for (const char* radek : spatne) {
        SCOPED_TRACE(radek);
        TgrafikaData g;
        ASSERT_TRUE(g.StrList2mereni({"0 1 2 0 0 0 0 0 -1", "1 2 0 1 0 0 0 0 -1"}));
        EXPECT_FALSE(g.StrList2mereni({"0 1 2 0 0 0 0 0 -1", radek}));
        EXPECT_EQ(g.pocetMereni, 0);
        EXPECT_TRUE(g.mereni.empty());
    }
}

TEST(StrList2mereni, NoLinesGiveNoRecords)
{
    TgrafikaData g(0, 3);
    ASSERT_TRUE(g.StrList2mereni({}));
    EXPECT_EQ(g.pocetMereni, 0);
    EXPECT_TRUE(g.mereni.empty());
}

// ---------------------------------------------------------------- records to text

TEST(mereni2Str, OneLinePerRecordJoinedByCrLf)
{
    TgrafikaData g;
    ASSERT_TRUE(g.StrList2mereni({"0 1 2 0 0 0 0 0 -1", "2, 1, 0, 3, 1, 4, 5, 6, 0"}));
    EXPECT_EQ(g.mereni2Str(), "0 1 2 0 0 0 0 0 -1\r\n2 1 0 3 1 4 5 6 0");
    g.Clear();
    EXPECT_EQ(g.mereni2Str(), "");
}

TEST(mereni2Str, TextRoundTrips)
{
    std::mt19937 gen(11);
    std::uniform_int_distribution<int> hodnota(0, 10000), priznak(0, 1);
    TgrafikaData g(0, 200);
    for (TgrafikaZaznam& z : g.mereni) {
        z.iStn = hodnota(gen);
        z.iCil = hodnota(gen);
        z.delkaS = hodnota(gen);
        z.smer = hodnota(gen);
        z.zenit = hodnota(gen);
        z.smernik = hodnota(gen);
        z.delkaH = hodnota(gen);
        z.prevyseni = hodnota(gen);
        z.JePlny = priznak(gen) == 1;
    }
    const std::string text = g.mereni2Str();
    TgrafikaData h;
    ASSERT_TRUE(h.StrList2mereni(Radky(text)));
    ASSERT_EQ(h.pocetMereni, 200);
    for (int i = 0; i < 200; ++i) EXPECT_TRUE(Stejne(g.mereni[i], h.mereni[i])) << i;
    EXPECT_EQ(h.mereni2Str(), text);
}

// ---------------------------------------------------------------- record list

TEST(SmazPrazdneZaznamy, KeepsOrderOfRecordsInUse)
{
    TgrafikaData g;
    ASSERT_TRUE(g.StrList2mereni({"0 1 1 0 0 0 0 0 0", "1 2 1 0 0 0 0 0 -1", "2 3 1 0 0 0 0 0 0",
                                  "3 4 1 0 0 0 0 0 -1"}));
    g.SmazPrazdneZaznamy();
    ASSERT_EQ(g.mereni.size(), 2u);
    EXPECT_EQ(g.mereni[0].iStn, 1);
    EXPECT_EQ(g.mereni[1].iStn, 3);
}

TEST(SmazPrazdneZaznamy, CountFollowsTheRecordsSoTheDrawingDoesNotReadPastThem)
{
    TgrafikaData g;
    ASSERT_TRUE(g.StrList2mereni({"0 1 1 0 0 0 0 0 0", "1 2 1 0 0 0 0 0 -1"}));
    g.SmazPrazdneZaznamy();
    EXPECT_EQ(g.pocetMereni, 1);
    EXPECT_EQ(static_cast<std::size_t>(g.pocetMereni), g.mereni.size());
}

TEST(TgrafikaData, CreateGivesZeroedRecords)
{
    TgrafikaData g(3, 2);
    EXPECT_EQ(g.pocetBodu, 3);
    EXPECT_EQ(g.pocetMereni, 2);
    ASSERT_EQ(g.body.size(), 3u);
    ASSERT_EQ(g.mereni.size(), 2u);
    EXPECT_EQ(g.body[2].X, 0);
    EXPECT_TRUE(g.body[2].cislo.empty());
    EXPECT_EQ(g.mereni[1].iStn, 0);
    EXPECT_FALSE(g.mereni[1].JePlny);
    TgrafikaData z(-1, -5);
    EXPECT_EQ(z.pocetBodu, 0);
    EXPECT_TRUE(z.mereni.empty());
}

TgrafikaData Vzor()
{
    TgrafikaData g(2, 0);
    g.body[0] = {"1", 100, 200, 0.002L, 0.001L, 0.5L, false};
    g.body[1] = {"2", -50, 25, 0, 0, 0, true};
    g.StrList2mereni({"0 1 2 0 0 0 0 0 -1"});
    g.odchylkaJednotkovaAprior = 1.5L;
    g.odchylkaJednotkovaAposterior = 0.75L;
    return g;
}

TEST(TgrafikaData, ClearEmptiesEverything)
{
    TgrafikaData g = Vzor();
    g.Clear();
    EXPECT_TRUE(g.body.empty());
    EXPECT_TRUE(g.mereni.empty());
    EXPECT_EQ(g.pocetBodu, 0);
    EXPECT_EQ(g.pocetMereni, 0);
    EXPECT_EQ(g.odchylkaJednotkovaAprior, 0);
    EXPECT_EQ(g.odchylkaJednotkovaAposterior, 0);
}

TEST(TgrafikaData, KopirujIsIndependent)
{
    const TgrafikaData g = Vzor();
    TgrafikaData k;
    k.Kopiruj(g);
    EXPECT_EQ(k.pocetBodu, 2);
    EXPECT_EQ(k.pocetMereni, 1);
    EXPECT_EQ(k.odchylkaJednotkovaAprior, 1.5L);
    EXPECT_EQ(k.odchylkaJednotkovaAposterior, 0.75L);
    EXPECT_EQ(k.body2Str(), g.body2Str());
    EXPECT_EQ(k.mereni2Str(), g.mereni2Str());
    k.body[0].X = 7;
    k.mereni[0].delkaS = 9;
    EXPECT_EQ(g.body[0].X, 100);
    EXPECT_EQ(g.mereni[0].delkaS, 2);
    k.Kopiruj(k);
    EXPECT_EQ(k.body[0].X, 7);
}

TEST(TgrafikaData, KopirujDXF)
{
    const TgrafikaData g = Vzor();
    TgrafikaData k;
    k.KopirujDXF(g, true);
    EXPECT_EQ(k.body2Str(), g.body2Str());
    k.KopirujDXF(g, false);
    EXPECT_EQ(k.body[0].X, -100);
    EXPECT_EQ(k.body[0].Y, -200);
    EXPECT_EQ(k.body[1].X, 50);
    EXPECT_EQ(k.body[1].Y, -25);
    EXPECT_EQ(k.body[0].a_smernik, 0.5L);  // only the positions change
    EXPECT_EQ(k.mereni2Str(), g.mereni2Str());
    EXPECT_EQ(g.body[0].X, 100);
}

// ---------------------------------------------------------------- points

// An epoch's list: two determined points with their ellipses computed from a
// cofactor matrix, one fixed point holding "not set" values.
Tsouradnice EpochaSeElipsami()
{
    Tsouradnice s;
    s.Velikost(3);
    const Extended xyz[3][3] = {{1000, 2000, 300}, {1100.5L, 1950.25L, 310}, {900, 2100, 290}};
    for (int i = 0; i < 3; ++i) {
        BodDefault(s.bod[i]);
        s.bod[i].cislo = std::to_string(10 + i);
        s.bod[i].X = xyz[i][0];
        s.bod[i].Y = xyz[i][1];
        s.bod[i].Z = xyz[i][2];
        s.bod[i].JePlny = true;
    }
    s.bod[2].JeFixni = true;
    Tmatrix K;
    MatrixCreateLower(K, 6);
    K[0][0] = 4e-6L;
    K[1][1] = 1e-6L;
    K[2][2] = 9e-6L;
    K[3][3] = 2e-6L;
    K[4][3] = 1e-6L;
    K[4][4] = 2e-6L;
    K[5][5] = 1e-6L;
    VypocetElips(s, K, 2);
    return s;
}

TEST(NacistSouradnice, PointsFromTheEpochsList)
{
    const Tsouradnice s = EpochaSeElipsami();
    TgrafikaData g;
    ASSERT_TRUE(g.NacistSouradnice(s));
    ASSERT_EQ(g.pocetBodu, 3);
    ASSERT_EQ(g.body.size(), 3u);
    EXPECT_EQ(g.body[0].cislo, "10");
    EXPECT_EQ(g.body[1].X, 1100.5L);
    EXPECT_EQ(g.body[1].Y, 1950.25L);
    EXPECT_FALSE(g.body[0].JeFixni);
    EXPECT_NEAR(g.body[0].a_delka, 2e-3L, 1e-18L);
    EXPECT_NEAR(g.body[0].b_delka, 1e-3L, 1e-18L);
    EXPECT_EQ(g.body[0].a_smernik, 0);
    EXPECT_NEAR(g.body[1].a_delka, std::sqrt(3e-6L), 1e-18L);
    EXPECT_NEAR(g.body[1].a_smernik, Pi / 4, 1e-18L);
    // The fixed point's "not set" ellipse is not carried over.
    EXPECT_TRUE(g.body[2].JeFixni);
    EXPECT_EQ(g.body[2].a_delka, 0);
    EXPECT_EQ(g.body[2].b_delka, 0);
    EXPECT_EQ(g.body[2].a_smernik, 0);
}

TEST(NacistSouradnice, ListWithoutFilledPointsFails)
{
    TgrafikaData g = Vzor();
    Tsouradnice prazdny;
    EXPECT_FALSE(g.NacistSouradnice(prazdny));
    EXPECT_TRUE(g.body.empty());
    EXPECT_EQ(g.pocetBodu, 0);

    g = Vzor();
    prazdny.Velikost(4);  // records, none filled
    EXPECT_FALSE(g.NacistSouradnice(prazdny));
    EXPECT_TRUE(g.body.empty());
    EXPECT_EQ(g.pocetBodu, 0);
    // The records and deviations are not the points' business.
    EXPECT_EQ(g.pocetMereni, 1);
    EXPECT_EQ(g.odchylkaJednotkovaAprior, 1.5L);
}

TEST(PrepsatSouradnice, SameAxesCopiesPositions)
{
    Tsouradnice s = EpochaSeElipsami();
    TgrafikaData g;
    ASSERT_TRUE(g.NacistSouradnice(s));
    s.bod[0].X = 5;
    s.bod[0].Y = 6;
    s.bod[0].cislo = "99";
    s.bod[0].elipsa.a_delka = 1;
    s.bod[0].elipsa.a_smernik = 0.25L;
    s.bod[2].elipsa.a_smernik = 0.125L;
    ASSERT_TRUE(g.PrepsatSouradnice(s, true));
    EXPECT_EQ(g.body[0].X, 5);
    EXPECT_EQ(g.body[0].Y, 6);
    EXPECT_EQ(g.body[0].a_smernik, 0.25L);
    EXPECT_EQ(g.body[0].cislo, "10");                  // numbers untouched
    EXPECT_NEAR(g.body[0].a_delka, 2e-3L, 1e-18L);     // lengths untouched
    EXPECT_EQ(g.body[2].a_smernik, 0);                 // fixed point: no ellipse
}

TEST(PrepsatSouradnice, SwappedAxesTurnTheBearing)
{
    const Tsouradnice s = EpochaSeElipsami();
    TgrafikaData g;
    ASSERT_TRUE(g.NacistSouradnice(s));
    ASSERT_TRUE(g.PrepsatSouradnice(s, false));
    EXPECT_EQ(g.body[0].X, 2000);
    EXPECT_EQ(g.body[0].Y, 1000);
    EXPECT_EQ(g.body[2].X, 2100);
    EXPECT_EQ(g.body[2].Y, 900);
    // Bearing 0 (along X) becomes pi/2: along the new second axis.
    EXPECT_NEAR(g.body[0].a_smernik, Pi / 2, 1e-18L);
    EXPECT_NEAR(g.body[1].a_smernik, Pi / 4, 1e-18L);
    EXPECT_EQ(g.body[2].a_smernik, 0);
    EXPECT_TRUE(g.body[2].JeFixni);
    // Back to the first orientation.
    ASSERT_TRUE(g.PrepsatSouradnice(s, true));
    EXPECT_EQ(g.body[0].X, 1000);
    EXPECT_EQ(g.body[0].a_smernik, 0);
}

TEST(PrepsatSouradnice, ShorterListFailsAndChangesNothing)
{
    Tsouradnice s = EpochaSeElipsami();
    TgrafikaData g;
    ASSERT_TRUE(g.NacistSouradnice(s));
    const std::string pred = g.body2Str();
    s.Velikost(2);
    s.bod[0].X = 1;
    EXPECT_FALSE(g.PrepsatSouradnice(s, true));
    EXPECT_EQ(g.body2Str(), pred);
}

// ---------------------------------------------------------------- points as text

TEST(body2Str, TextForm)
{
    const TgrafikaData g = Vzor();
    EXPECT_EQ(g.body2Str(), "1 100 200 0.002 0.001 0.5 0\r\n2 -50 25 0 0 0 -1");
}

TEST(StrList2body, TextRoundTrips)
{
    const TgrafikaData g = Vzor();
    TgrafikaData h;
    ASSERT_TRUE(h.StrList2body(Radky(g.body2Str())));
    EXPECT_EQ(h.pocetBodu, 2);
    EXPECT_EQ(h.body2Str(), g.body2Str());
    EXPECT_EQ(h.body[1].cislo, "2");
    EXPECT_TRUE(h.body[1].JeFixni);
    EXPECT_EQ(h.body[0].b_delka, 0.001L);
}

TEST(StrList2body, BadLineFailsWithNoPoints)
{
    for (const char* radek : {"1 100 200 0.002 0.001 0.5", "1 100 200 0.002 0.001 0.5 0 9",
                              "1 100 x 0.002 0.001 0.5 0", "1 100 200 0.002 0.001 0.5 ano", ""}) {
        SCOPED_TRACE(radek);
        TgrafikaData g = Vzor();
        EXPECT_FALSE(g.StrList2body({"5 1 2 0 0 0 0", radek}));
        EXPECT_TRUE(g.body.empty());
        EXPECT_EQ(g.pocetBodu, 0);
    }
}

}  // namespace
}  // namespace sitmera
