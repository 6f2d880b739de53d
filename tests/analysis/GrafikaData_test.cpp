// Network drawing data: records from and to text, points from a point list,
// copies for the other axis orientation.
#include "analysis/GrafikaData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "numerics/Jednotky.h"

namespace sitmera {
namespace {

// The nine fields of a record, the flag as 1 / 0.
std::vector<int> Pole(const TgrafikaZaznam& z)
{
    return {z.iStn, z.iCil, z.delkaS, z.smer, z.zenit, z.smernik, z.delkaH, z.prevyseni, z.JePlny ? 1 : 0};
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

TEST(StrList2mereni, RecordLinesRead)
{
    struct Pripad {
        const char* radek;
        std::vector<int> pole;
    } const pripady[] = {
        {"0 1 2 0 0 0 0 0 -1", {0, 1, 2, 0, 0, 0, 0, 0, 1}},
        {"3 4 5 6 7 8 9 10 0", {3, 4, 5, 6, 7, 8, 9, 10, 0}},  // every field in its place
        {"0,1,2,0,0,0,0,0,-1", {0, 1, 2, 0, 0, 0, 0, 0, 1}},
        {"0, 1, 2, 0, 0, 0, 0, 0, 0", {0, 1, 2, 0, 0, 0, 0, 0, 0}},
        {"\t0\t1 2  0 0 0 0 0   -1  ", {0, 1, 2, 0, 0, 0, 0, 0, 1}},
        {"0 1 2 0 0 0 0 0 1", {0, 1, 2, 0, 0, 0, 0, 0, 1}},
        {"0 1 2 0 0 0 0 0 True", {0, 1, 2, 0, 0, 0, 0, 0, 1}},
        {"0 1 2 0 0 0 0 0 false", {0, 1, 2, 0, 0, 0, 0, 0, 0}},
        {"0 1 2 0 0 0 0 0 \"-1\"", {0, 1, 2, 0, 0, 0, 0, 0, 1}},
        {"+0 1 2 0 0 0 0 0 -1", {0, 1, 2, 0, 0, 0, 0, 0, 1}},
        {"0 1 2 0 0 0 0 0 -1 extra 17 x", {0, 1, 2, 0, 0, 0, 0, 0, 1}},  // items after the ninth ignored
        // 10000 passes here (the epoch reader checks the indexes against its points)
        {"10000 10000 10000 10000 10000 10000 10000 10000 0", {10000, 10000, 10000, 10000, 10000, 10000, 10000, 10000, 0}},
        {"0 0 0 0 0 0 0 0 0", {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Pripad& p : pripady) {
        TgrafikaData g;
        ASSERT_TRUE(g.StrList2mereni({p.radek})) << p.radek;
        ASSERT_EQ(g.pocetMereni, 1);
        ASSERT_EQ(g.mereni.size(), 1u);
        EXPECT_EQ(Pole(g.mereni[0]), p.pole) << p.radek;
    }
}

TEST(StrList2mereni, BadLinesFailWithNoRecords)
{
    std::vector<std::string> spatne = {
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
    // 10001 or -1 in any of the eight integer items.
    for (int polozka = 0; polozka < 8; ++polozka)
        for (const char* spatna : {"10001", "-1"}) {
            std::string text;
            for (int i = 0; i < 9; ++i) text += (i == polozka ? spatna : "0") + std::string(" ");
            spatne.push_back(text);
        }
    for (const std::string& radek : spatne) {
        TgrafikaData g;
        ASSERT_TRUE(g.StrList2mereni({"0 1 2 0 0 0 0 0 -1", "1 2 0 1 0 0 0 0 -1"}));
        EXPECT_FALSE(g.StrList2mereni({"0 1 2 0 0 0 0 0 -1", radek})) << radek;
        EXPECT_EQ(g.pocetMereni, 0);
        EXPECT_TRUE(g.mereni.empty());
    }
    // No lines give no records.
    TgrafikaData g(0, 3);
    ASSERT_TRUE(g.StrList2mereni({}));
    EXPECT_EQ(g.pocetMereni, 0);
    EXPECT_TRUE(g.mereni.empty());
}

// ---------------------------------------------------------------- records to text


TEST(mereni2Str, TextRoundTrips)
{
    std::mt19937 gen(11);
    std::uniform_int_distribution<int> hodnota(0, 10000), priznak(0, 1);
    TgrafikaData g(0, 200);
    for (TgrafikaZaznam& z : g.mereni) {
        for (int* p : {&z.iStn, &z.iCil, &z.delkaS, &z.smer, &z.zenit, &z.smernik, &z.delkaH, &z.prevyseni})
            *p = hodnota(gen);
        z.JePlny = priznak(gen) == 1;
    }
    const std::string text = g.mereni2Str();
    TgrafikaData h;
    ASSERT_TRUE(h.StrList2mereni(Radky(text)));
    ASSERT_EQ(h.pocetMereni, 200);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(Pole(g.mereni[i]), Pole(h.mereni[i])) << i;
    EXPECT_EQ(h.mereni2Str(), text);
}

// The records in use keep their order; the count stays (the drawing is
// bounded by the records present, see the drawing tests).
TEST(SmazPrazdneZaznamy, KeepsTheRecordsInUseAndTheCount)
{
    TgrafikaData g;
    ASSERT_TRUE(g.StrList2mereni({"0 1 1 0 0 0 0 0 0", "1 2 1 0 0 0 0 0 -1", "2 3 1 0 0 0 0 0 0",
                                  "3 4 1 0 0 0 0 0 -1"}));
    g.SmazPrazdneZaznamy();
    ASSERT_EQ(g.mereni.size(), 2u);
    EXPECT_EQ(g.pocetMereni, 4);
    EXPECT_EQ(g.mereni[0].iStn, 1);
    EXPECT_EQ(g.mereni[1].iStn, 3);
}

// ---------------------------------------------------------------- copies

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

// Records: one line each, joined by CR LF; Clear leaves nothing, not even
// the unit deviations.
TEST(mereni2Str, OneLinePerRecordJoinedByCrLf)
{
    TgrafikaData g = Vzor();
    ASSERT_TRUE(g.StrList2mereni({"0 1 2 0 0 0 0 0 -1", "2, 1, 0, 3, 1, 4, 5, 6, 0"}));
    EXPECT_EQ(g.mereni2Str(), "0 1 2 0 0 0 0 0 -1\r\n2 1 0 3 1 4 5 6 0");
    g.Clear();
    EXPECT_EQ(g.mereni2Str(), "");
    EXPECT_TRUE(g.body.empty());
    EXPECT_EQ((std::vector<Extended>{Extended(g.pocetBodu), Extended(g.pocetMereni), g.odchylkaJednotkovaAprior,
                                     g.odchylkaJednotkovaAposterior}),
              (std::vector<Extended>{0, 0, 0, 0}));
}

TEST(TgrafikaData, KopirujIsIndependentKopirujDXFNegatesPositions)
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

    k.KopirujDXF(g, true);
    EXPECT_EQ(k.body2Str(), g.body2Str());
    k.KopirujDXF(g, false);
    EXPECT_EQ((std::vector<Extended>{k.body[0].X, k.body[0].Y, k.body[1].X, k.body[1].Y}),
              (std::vector<Extended>{-100, -200, 50, -25}));
    EXPECT_EQ(k.body[0].a_smernik, 0.5L);  // only the positions change
    EXPECT_EQ(k.mereni2Str(), g.mereni2Str());
}

// ---------------------------------------------------------------- points

// An epoch's list: two determined points with ellipses, one fixed point
// holding "not set" values.
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
    s.bod[0].elipsa = {2e-3L, 1e-3L, 0};
    s.bod[1].elipsa = {std::sqrt(3e-6L), 1e-3L, Pi / 4};
    s.bod[2].JeFixni = true;
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
    EXPECT_EQ((std::vector<Extended>{g.body[2].a_delka, g.body[2].b_delka, g.body[2].a_smernik}),
              (std::vector<Extended>{0, 0, 0}));
}

TEST(NacistSouradnice, ListWithoutFilledPointsFails)
{
    for (int zaznamu : {0, 4}) {  // no records; records, none filled
        TgrafikaData g = Vzor();
        EXPECT_FALSE(g.NacistSouradnice(Tsouradnice(zaznamu)));
        EXPECT_TRUE(g.body.empty());
        EXPECT_EQ(g.pocetBodu, 0);
        // The records and deviations are not the points' business.
        EXPECT_EQ(g.pocetMereni, 1);
        EXPECT_EQ(g.odchylkaJednotkovaAprior, 1.5L);
    }
}

TEST(PrepsatSouradnice, SameOrSwappedAxes)
{
    Tsouradnice s = EpochaSeElipsami();
    TgrafikaData g;
    ASSERT_TRUE(g.NacistSouradnice(s));
    // Swapped: bearing 0 (along X) becomes pi/2, along the new second axis.
    ASSERT_TRUE(g.PrepsatSouradnice(s, false));
    EXPECT_EQ((std::vector<Extended>{g.body[0].X, g.body[0].Y, g.body[2].X, g.body[2].Y}),
              (std::vector<Extended>{2000, 1000, 2100, 900}));
    EXPECT_NEAR(g.body[0].a_smernik, Pi / 2, 1e-18L);
    EXPECT_NEAR(g.body[1].a_smernik, Pi / 4, 1e-18L);
    EXPECT_EQ(g.body[2].a_smernik, 0);
    EXPECT_TRUE(g.body[2].JeFixni);

    // Same axes: positions and bearings copied, numbers and lengths untouched.
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
    EXPECT_EQ(g.body[0].cislo, "10");
    EXPECT_NEAR(g.body[0].a_delka, 2e-3L, 1e-18L);
    EXPECT_EQ(g.body[2].a_smernik, 0);  // fixed point: no ellipse

    // A shorter list fails and changes nothing.
    const std::string pred = g.body2Str();
    s.Velikost(2);
    s.bod[0].X = 1;
    EXPECT_FALSE(g.PrepsatSouradnice(s, true));
    EXPECT_EQ(g.body2Str(), pred);
}

// ---------------------------------------------------------------- points as text

TEST(body2Str, TextFormReadsBack)
{
    const TgrafikaData g = Vzor();
    EXPECT_EQ(g.body2Str(), "1 100 200 0.002 0.001 0.5 0\r\n2 -50 25 0 0 0 -1");
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
