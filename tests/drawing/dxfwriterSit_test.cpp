// The network DXF drawing: per-layer entity counts and coordinates against
// hand-computed values, and every written file through an independent
// reader (ezdxf: read, audit, layer colours, text heights).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "drawing/DxfTest.h"
#include "drawing/dxfwriterSit.h"

namespace sitmera {
namespace {

using namespace test;

TgrafikaBod Bod(const char* cislo, Extended X, Extended Y, bool fix, Extended a = 0, Extended b = 0,
                Extended smernik = 0)
{
    TgrafikaBod p;
    p.cislo = cislo;
    p.X = X;
    p.Y = Y;
    p.JeFixni = fix;
    p.a_delka = a;
    p.b_delka = b;
    p.a_smernik = smernik;
    return p;
}

class DxfSit : public DxfTest<TDXFwriterSit> {
protected:
    TgrafikaData data;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(VytvorSlozku("/tmp/sitmera_dxfsit_XXXXXX"));
        // Extent X 10.5 .. 110.5, Y 20.25 .. 80: del 100, PointSize 0.5.
        data.body = {Bod("1", 10.5, 20.25, false, 0.002, 0.001, 0.5), Bod("2", 110.5, 20.25, true),
                     Bod("\xC4\x8D" "5", 60, 80, false, 0.0015, 0.0015, 0)};
        data.mereni = {{0, 1, 2, 2, 2, 0, 1, 0, true},
                       {1, 2, 1, 1, 1, 0, 0, 0, false},  // not in use
                       {2, 0, 1, 3, 0, 0, 0, 0, true}};
        data.pocetBodu = 3;
        data.pocetMereni = 3;
        data.odchylkaJednotkovaAprior = 1.0;
        data.odchylkaJednotkovaAposterior = 2.5;
        w.ConnectData(data);
        w.Scale = 1000;
    }
};

TEST_F(DxfSit, EveryLayerHoldsItsEntities)
{
    const std::string text = Zapis("sit.dxf");
    const std::map<std::string, int> ocekavane = {
        {"BodVyr_Bod POINT", 2},       {"BodVyr_Znak LINE", 4},     {"BodVyr_Cislo TEXT", 2},
        {"BodFix_Bod POINT", 1},       {"BodFix_Znak LINE", 2},     {"BodFix_Znak CIRCLE", 1},
        {"BodFix_Cislo TEXT", 1},      {"Mereni_Linie LINE", 2},    {"Mereni_Popis TEXT", 2},
        {"ElipsaChyb_Apri POLYLINE", 2}, {"ElipsaChyb_Apos POLYLINE", 2},
        {"ElipsaChyb_Apri VERTEX", 82}, {"ElipsaChyb_Apos VERTEX", 82},
    };
    auto pocty = Pocty(Entity(text));
    pocty.erase(" SEQEND");
    EXPECT_EQ(pocty, ocekavane);
    // The reader sees the same.
    const std::string vystup = OverCtenarem(
        {"COUNT BodVyr_Znak LINE 4", "COUNT BodFix_Znak CIRCLE 1", "COUNT Mereni_Linie LINE 2",
         "COUNT Mereni_Popis TEXT 2", "COUNT ElipsaChyb_Apri POLYLINE 2", "COUNT ElipsaChyb_Apos POLYLINE 2",
         "LAYER 0 7", "LAYER Mereni_Linie 9", "LAYER ElipsaChyb_Apri 1", "LAYER ElipsaChyb_Apos 5"});
    // Each ellipse: 41 vertices, the last equal to the first.
    std::size_t i = 0;
    int polylinii = 0;
    while ((i = vystup.find("POLY ", i)) != std::string::npos) {
        const std::size_t konec = vystup.find('\n', i);
        const std::string radek = vystup.substr(i, konec - i);
        EXPECT_NE(radek.find(" 41 1"), std::string::npos) << radek;
        ++polylinii;
        i = konec;
    }
    EXPECT_EQ(polylinii, 4);
    // The viewport centres the extent (view centre and height).
    EXPECT_NE(text.find("12\r\n-50.125\r\n22\r\n-60.5\r\n"), std::string::npos);
    EXPECT_NE(text.find("40\r\n100\r\n41\r\n1.7\r\n"), std::string::npos);
}

TEST_F(DxfSit, PointsAndLabelsAtHandComputedPositions)
{
    const auto e = Entity(Zapis("sit.dxf"));
    // Points in order: cross, number, POINT of each point.
    ASSERT_GE(e.size(), 4u);
    EXPECT_EQ(e[0].typ, "LINE");
    EXPECT_DOUBLE_EQ(e[0].Cislo(10), -20.25);
    EXPECT_DOUBLE_EQ(e[0].Cislo(20), -11.0);  // -10.5 - PointSize 0.5
    EXPECT_DOUBLE_EQ(e[0].Cislo(21), -10.0);
    EXPECT_EQ(e[2].typ, "TEXT");
    EXPECT_EQ(e[2].Hodnota(1), "1");
    EXPECT_EQ(e[2].Hodnota(40), "0.5");
    EXPECT_DOUBLE_EQ(e[2].Cislo(10), -19.75);
    EXPECT_EQ(e[3].typ, "POINT");
    EXPECT_EQ(e[3].Vrstva(), "BodVyr_Bod");
    EXPECT_DOUBLE_EQ(e[3].Cislo(10), -20.25);
    EXPECT_DOUBLE_EQ(e[3].Cislo(20), -10.5);
    // The fixed point: cross, circle of radius 0.7 PointSize, number, POINT.
    EXPECT_EQ(e[6].typ, "CIRCLE");
    EXPECT_DOUBLE_EQ(e[6].Cislo(40), 0.35);
    EXPECT_DOUBLE_EQ(e[6].Cislo(20), -110.5);
    EXPECT_EQ(e[8].Vrstva(), "BodFix_Bod");
    // The third number is written as ASCII.
    EXPECT_EQ(e[11].Hodnota(1), "\\U+010D5");

    // Lines come before labels; the record not in use gives neither.
    std::vector<const Entita*> cary, popisy;
    for (const Entita& x : e) {
        if (x.Vrstva() == "Mereni_Linie") cary.push_back(&x);
        if (x.Vrstva() == "Mereni_Popis") popisy.push_back(&x);
    }
    ASSERT_EQ(cary.size(), 2u);
    ASSERT_EQ(popisy.size(), 2u);
    EXPECT_LT(cary[1], popisy[0]);
    EXPECT_DOUBLE_EQ(cary[0]->Cislo(10), -20.25);
    EXPECT_DOUBLE_EQ(cary[0]->Cislo(20), -10.5);
    EXPECT_DOUBLE_EQ(cary[0]->Cislo(11), -20.25);
    EXPECT_DOUBLE_EQ(cary[0]->Cislo(21), -110.5);
    EXPECT_DOUBLE_EQ(cary[1]->Cislo(10), -80.0);
    EXPECT_DOUBLE_EQ(cary[1]->Cislo(20), -60.0);
    // Label of 0 -> 1 at the midpoint (60.5, 20.25).
    EXPECT_EQ(popisy[0]->Hodnota(1), "2:2:2(1:0:0)");
    EXPECT_DOUBLE_EQ(popisy[0]->Cislo(10), -20.25);
    EXPECT_DOUBLE_EQ(popisy[0]->Cislo(20), -60.5);
    EXPECT_EQ(popisy[0]->Hodnota(40), "0.5");
    EXPECT_EQ(popisy[1]->Hodnota(1), "3:0:1");
}

TEST_F(DxfSit, AprioriEllipseOnAprioriLayerAndAposterioriOnAposteriori)
{
    const auto e = Entity(Zapis("sit.dxf"));
    // First vertex (t = 0) of point 1's ellipses: (X + a cos(phi) k, Y + a sin(phi) k),
    // k = Scale x unit deviation: 1000 x 1 on the a-priori layer, 1000 x 2.5 on the other.
    std::vector<const Entita*> apri, apos;
    for (std::size_t i = 0; i + 1 < e.size(); ++i) {
        if (e[i].typ != "POLYLINE") continue;
        (e[i].Vrstva() == "ElipsaChyb_Apri" ? apri : apos).push_back(&e[i + 1]);
    }
    ASSERT_EQ(apri.size(), 2u);
    ASSERT_EQ(apos.size(), 2u);
    EXPECT_NEAR(apri[0]->Cislo(20), -(10.5 + 2 * std::cos(0.5)), 1e-12);
    EXPECT_NEAR(apri[0]->Cislo(10), -(20.25 + 2 * std::sin(0.5)), 1e-12);
    EXPECT_NEAR(apos[0]->Cislo(20), -(10.5 + 5 * std::cos(0.5)), 1e-12);
    EXPECT_NEAR(apos[0]->Cislo(10), -(20.25 + 5 * std::sin(0.5)), 1e-12);
    // Vertex k = 10 (t = pi/2): the b axis, 1 mm, across the bearing.
    EXPECT_NEAR(apri[0][10].Cislo(20), -(10.5 - 1 * std::sin(0.5)), 1e-12);
    EXPECT_NEAR(apri[0][10].Cislo(10), -(20.25 + 1 * std::cos(0.5)), 1e-12);
    EXPECT_EQ(apri[0][40].Hodnota(10), apri[0][0].Hodnota(10));
    EXPECT_EQ(apri[0][40].Hodnota(20), apri[0][0].Hodnota(20));
    EXPECT_EQ(apri[0][41].typ, "SEQEND");

    // A determined point whose ellipse is not set writes none (at Scale
    // 1000 it would be a 1 km circle), nor does one of size 0.
    data.body[2].a_delka = data.body[2].b_delka = -1;
    data.body[0].a_delka = data.body[0].b_delka = 0;
    const auto pocty = Pocty(Entity(Zapis("bez_elips.dxf")));
    EXPECT_EQ(pocty.count("ElipsaChyb_Apri POLYLINE") + pocty.count("ElipsaChyb_Apos POLYLINE"), 0u);
    EXPECT_EQ(pocty.at("BodVyr_Bod POINT"), 2);
}

TEST_F(DxfSit, EnglishNamesAndWindowSettingsOfLayers)
{
    w.lang = 1;
    // As the network graph window does for a-posteriori ellipses at 50000.
    w.layers[9].name[1] += "_50000";
    w.layers[10].name[1] += "_50000";
    w.layers[9].visible = false;
    w.layers[8].visible = false;
    w.layers[1].color = w.ConvertColor(12);
    const std::string text = Zapis("en.dxf");
    OverCtenarem({"LAYER 0 7", "LAYER PointAdj_Point 5", "LAYER Meas_Descr -9", "LAYER ErrElips_Apri_50000 -1",
                  "LAYER ErrElips_Apos_50000 5", "COUNT PointFix_Mark CIRCLE 1", "COUNT Meas_Line LINE 2",
                  "COUNT ErrElips_Apos_50000 POLYLINE 2"});
    EXPECT_EQ(text.find("BodVyr"), std::string::npos);
    EXPECT_EQ(text.find("Mereni_"), std::string::npos);
}

TEST_F(DxfSit, OnePointDrawingGetsAPositiveTextHeightNotZero)
{
    data.body = {Bod("9", 3, 4, true)};
    data.mereni.clear();
    const auto e = Entity(Zapis("jeden.dxf"));
    const std::map<std::string, int> ocekavane = {{"BodFix_Znak LINE", 2}, {"BodFix_Znak CIRCLE", 1},
                                                  {"BodFix_Cislo TEXT", 1}, {"BodFix_Bod POINT", 1}};
    EXPECT_EQ(Pocty(e), ocekavane);
    EXPECT_GT(w.PointSize, 0);
    EXPECT_GT(e[3].Cislo(40), 0);  // text height
    EXPECT_GT(e[2].Cislo(40), 0);  // circle radius
    OverCtenarem();
}

TEST_F(DxfSit, NetworkWithoutPointsIsAValidEmptyDrawing)
{
    data.body.clear();
    data.mereni.clear();
    const auto e = Entity(Zapis("prazdna.dxf"));
    EXPECT_TRUE(e.empty());
    OverCtenarem();
}

TEST_F(DxfSit, RecordWithPointIndexOutsideTheNetworkIsSkipped)
{
    data.mereni.push_back({0, 7, 1, 1, 1, 0, 0, 0, true});
    data.mereni.push_back({-1, 0, 1, 1, 1, 0, 0, 0, true});
    const auto p = Pocty(Entity(Zapis("sit.dxf")));
    EXPECT_EQ(p.at("Mereni_Linie LINE"), 2);
    EXPECT_EQ(p.at("Mereni_Popis TEXT"), 2);
}

TEST_F(DxfSit, UnopenableFileGivesFalseAndWriteErrorThrows)
{
    w.filename = slozka + "/neni/sit.dxf";
    EXPECT_FALSE(w.createdxf());
    EXPECT_FALSE(std::filesystem::exists(slozka + "/neni"));
    // A full disk: the failure is thrown, and nothing is left.
    w.filename = slozka + "/plny.dxf";
    EXPECT_TRUE(ZapisNaPlnyDiskSelze([&] { w.createdxf(); }));
    EXPECT_FALSE(std::filesystem::exists(w.filename));
    // The writer can be used again.
    EXPECT_FALSE(Zapis("znovu.dxf").empty());
}

}  // namespace
}  // namespace sitmera
