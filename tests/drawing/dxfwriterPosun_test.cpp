// The displacement DXF drawing: entities per layer and their coordinates
// against hand-computed values, and every written file through an
// independent reader (ezdxf).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "drawing/DxfTest.h"
#include "drawing/dxfwriterPosun.h"
#include "numerics/Jednotky.h"

namespace sitmera {
namespace {

using namespace test;

class DxfPosuny : public DxfTest<TDXFwriterPosun> {
protected:
    TmodelPosuny model;
    const double smernik0 = std::atan2(0.003, -0.004);

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(VytvorSlozku("/tmp/sitmera_dxfposun_XXXXXX"));
        // Extent X 100 .. 150, Y 200 .. 260: del 60, PointSize 0.3.
        model.bodyDXF.bod = {BodXY("1", 100, 200), BodXY("2", 150, 260), BodXY("3", 120, 230)};
        Tposun p0;
        p0.JePlny = true;
        p0.hodnota.X = -0.004L;
        p0.hodnota.Y = 0.003L;
        p0.hodnota.Z = 0.002L;
        p0.hodnota.delkaH = 0.005L;
        p0.hodnota.smernik = smernik0;
        p0.prokazaniAprior.delkaH = true;
        p0.prokazaniAprior.Z = true;
        p0.elipsaAprior = Telipsa{0.002L, 0.001L, 0.3L};
        p0.elipsaAposter = Telipsa{0.003L, 0.0015L, 0.3L};
        p0.odchylkaMezAprior = TposunHodnota{0.001L, 0.001L, 0.001L, 0.0015L, 0, 0, 0};
        p0.odchylkaMezAposter = TposunHodnota{0.002L, 0.002L, 0.0015L, 0.0025L, 0, 0, 0};
        Tposun p1;
        p1.JePlny = true;
        p1.odchylkaMezAprior.Z = 0.001L;  // no displacement in Z: the limit goes up
        p1.odchylkaMezAposter.Z = 0.002L;
        Tposun p2;  // fixed in both epochs: nothing but its point
        p2.JePlny = true;
        p2.JeFix1 = p2.JeFix2 = true;
        model.posunyDXF.zaznam = {p0, p1, p2};
        model.pocet = 3;
        w.ConnectData(model);
        w.Scale = 1000;
        w.typHzPosunu = 2;
        NastavBarvyOkna();
    }

    // The colours the displacement graph window always sets before writing
    // (layers 1 to 17 from its colour boxes; layer "0" stays).
    void NastavBarvyOkna()
    {
        const int box[18] = {0, 10, 10, 10, 14, 14, 2, 9, 2, 9, 8, 8, 2, 9, 2, 9, 8, 8};
        for (int i = 1; i < 18; ++i) w.layers[i].color = w.ConvertColor(box[i]);
    }

    static Tbod BodXY(const char* cislo, Extended X, Extended Y)
    {
        Tbod b;
        b.cislo = cislo;
        b.X = X;
        b.Y = Y;
        b.JePlny = true;
        return b;
    }
};

TEST_F(DxfPosuny, EveryLayerHoldsItsEntities)
{
    const auto e = Entity(Zapis("posuny.dxf"));
    auto pocty = Pocty(e);
    pocty.erase(" SEQEND");
    const std::map<std::string, int> ocekavane = {
        {"Bod_Bod POINT", 3},          {"Bod_Znak LINE", 6},          {"Bod_Cislo TEXT", 3},
        {"ElipsaChyb_Apri POLYLINE", 1}, {"ElipsaChyb_Apri VERTEX", 41},
        {"ElipsaChyb_Apos POLYLINE", 1}, {"ElipsaChyb_Apos VERTEX", 41},
        {"Z_Mez_Apri LINE", 4},        {"Z_Mez_Apos LINE", 4},
        {"Z_Vyzn_Apri LINE", 2},       {"Z_Nevyzn_Apos LINE", 2},
        {"H_Mez_Apri LINE", 2},        {"H_Mez_Apos LINE", 2},
        {"H_Vyzn_Apri LINE", 1},       {"H_Vyzn_Apri POLYLINE", 1},   {"H_Vyzn_Apri VERTEX", 3},
        {"H_Nevyzn_Apos LINE", 1},     {"H_Nevyzn_Apos POLYLINE", 1}, {"H_Nevyzn_Apos VERTEX", 3},
    };
    EXPECT_EQ(pocty, ocekavane);
    // Order: ellipses, vertical limits, vertical vectors, horizontal limits,
    // horizontal vectors, points.
    EXPECT_EQ(e.front().Vrstva(), "ElipsaChyb_Apri");
    EXPECT_EQ(e.back().Vrstva(), "Bod_Bod");
    OverCtenarem({"POLY ElipsaChyb_Apri 41 1", "POLY H_Vyzn_Apri 3 0"});
}

TEST_F(DxfPosuny, DisplacementLayerZeroGetsColourSevenNotZero)
{
    const std::string text = Zapis("posuny.dxf");
    EXPECT_NE(text.find("0\r\nLAYER\r\n2\r\n0\r\n70\r\n0\r\n62\r\n7\r\n"), std::string::npos);
    EXPECT_EQ(text.find("\r\n62\r\n0\r\n"), std::string::npos);
    OverCtenarem({"LAYER 0 7", "LAYER Bod_Bod 3", "LAYER H_Vyzn_Apri 1", "LAYER Z_Mez_Apos 254"});
}

TEST(DxfPosunyVrstvy, EighteenVisibleLayersWaitingForTheWindowsColours)
{
    // Layer "0" is never coloured by the window and gets 7; layers 1 to 17
    // have colour "0" until the window sets them.
    const TDXFwriterPosun w;
    ASSERT_EQ(w.layersnum, 18);
    ASSERT_EQ(w.layers.size(), 18u);
    EXPECT_EQ(w.layers[0].color, "7");
    for (int i = 1; i < 18; ++i) EXPECT_EQ(w.layers[i].color, "0") << i;
    for (const TLayer& l : w.layers) EXPECT_TRUE(l.visible) << l.name[0];
    EXPECT_EQ(w.layers[0].name[0], "0");
    EXPECT_EQ(w.layers[0].name[1], "0");
    EXPECT_EQ(w.layers[9].name[0], "H_Vyzn_Apos");
    EXPECT_EQ(w.layers[9].name[1], "H_Sign_Apos");
    EXPECT_EQ(w.layers[17].name[0], "Z_Mez_Apos");
    EXPECT_EQ(w.layers[17].name[1], "Z_Critic_Apos");
}

TEST_F(DxfPosuny, HorizontalVectorWithBarbsPsPlusOneLong)
{
    const auto e = Entity(Zapis("posuny.dxf"));
    // Tip T = (100 - 4, 200 + 3): 5 mm x 1000 at the bearing of (-4, 3).
    const auto cary = NaVrstve(e, "H_Vyzn_Apri", "LINE");
    ASSERT_EQ(cary.size(), 1u);
    EXPECT_NEAR(cary[0]->Cislo(10), -200, 1e-12);
    EXPECT_NEAR(cary[0]->Cislo(20), -100, 1e-12);
    EXPECT_NEAR(cary[0]->Cislo(11), -203, 1e-12);
    EXPECT_NEAR(cary[0]->Cislo(21), -96, 1e-12);
    // Polyline: barb, tip, barb. Each barb 0.3 + 1 long, 15 degrees off the
    // direction from the tip back to the origin (0.8, -0.6).
    const auto vrcholy = NaVrstve(e, "H_Vyzn_Apri", "VERTEX");
    ASSERT_EQ(vrcholy.size(), 3u);
    EXPECT_NEAR(vrcholy[1]->Cislo(10), -203, 1e-12);
    EXPECT_NEAR(vrcholy[1]->Cislo(20), -96, 1e-12);
    for (int i : {0, 2}) {
        const double x = -vrcholy[i]->Cislo(20) - 96;  // drawing X - tip
        const double y = -vrcholy[i]->Cislo(10) - 203;
        EXPECT_NEAR(std::hypot(x, y), 1.3, 1e-12);
        const double kos = (x * 0.8 + y * -0.6) / 1.3;
        EXPECT_NEAR(kos, std::cos(M_PI / 12), 1e-12);
        // The first barb is turned by +pi/12, the second by -pi/12.
        const double vektorovy = 0.8 * y - (-0.6) * x;
        EXPECT_EQ(vektorovy > 0, i == 0);
    }
    // A posteriori: the same vector, not significant.
    const auto apos = NaVrstve(e, "H_Nevyzn_Apos", "LINE");
    ASSERT_EQ(apos.size(), 1u);
    EXPECT_EQ(apos[0]->Hodnota(11), cary[0]->Hodnota(11));
}

TEST_F(DxfPosuny, VerticalVectorAndLimitsOnTheXAxis)
{
    const auto e = Entity(Zapis("posuny.dxf"));
    // Rise 2 mm x 1000: X' = 98, so DXF Y goes from -100 up to -98.
    const auto z = NaVrstve(e, "Z_Vyzn_Apri", "LINE");
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[0]->Hodnota(10), "-200");
    EXPECT_EQ(z[0]->Hodnota(20), "-100");
    EXPECT_EQ(z[0]->Hodnota(11), "-200");
    EXPECT_EQ(z[0]->Hodnota(21), "-98");
    EXPECT_EQ(z[1]->Hodnota(10), "-200.3");  // cross bar of half length 0.3
    EXPECT_EQ(z[1]->Hodnota(11), "-199.7");
    EXPECT_EQ(z[1]->Hodnota(21), "-98");
    // Point 2 has no Z displacement: its limit goes up (s = +1) and it has no vector.
    const auto mez = NaVrstve(e, "Z_Mez_Apri", "LINE");
    ASSERT_EQ(mez.size(), 4u);
    EXPECT_EQ(mez[0]->Hodnota(21), "-99");  // point 1: 1 mm up
    EXPECT_EQ(mez[2]->Hodnota(10), "-260");
    EXPECT_EQ(mez[2]->Hodnota(20), "-150");
    EXPECT_EQ(mez[2]->Hodnota(21), "-149");
    EXPECT_EQ(mez[3]->Hodnota(10), "-260.3");  // one-sided mark
    EXPECT_EQ(mez[3]->Hodnota(11), "-260");
    EXPECT_EQ(mez[3]->Hodnota(21), "-149");
    EXPECT_EQ(NaVrstve(e, "Z_Mez_Apos", "LINE")[2]->Hodnota(21), "-148");
}

TEST_F(DxfPosuny, HorizontalLimitWithItsMark)
{
    const auto e = Entity(Zapis("posuny.dxf"));
    const auto mez = NaVrstve(e, "H_Mez_Apri", "LINE");
    ASSERT_EQ(mez.size(), 2u);
    // T = (100 - 1.2, 200 + 0.9); the mark B from T at PS 0.3, turned -pi/2
    // from the direction back to the origin (0.8, -0.6): (-0.6, -0.8) x 0.3.
    EXPECT_NEAR(mez[0]->Cislo(21), -98.8, 1e-12);
    EXPECT_NEAR(mez[0]->Cislo(11), -200.9, 1e-12);
    EXPECT_NEAR(mez[1]->Cislo(20), -(98.8 - 0.18), 1e-12);
    EXPECT_NEAR(mez[1]->Cislo(10), -(200.9 - 0.24), 1e-12);
    EXPECT_NEAR(mez[1]->Cislo(21), -98.8, 1e-12);
}

TEST_F(DxfPosuny, EllipsesOnlyWithAPositiveAxis)
{
    const auto e = Entity(Zapis("posuny.dxf"));
    const auto v = NaVrstve(e, "ElipsaChyb_Apri", "VERTEX");
    ASSERT_EQ(v.size(), 41u);
    EXPECT_NEAR(v[0]->Cislo(20), -(100 + 2 * std::cos(0.3)), 1e-12);
    EXPECT_NEAR(v[0]->Cislo(10), -(200 + 2 * std::sin(0.3)), 1e-12);
    EXPECT_EQ(v[40]->Hodnota(10), v[0]->Hodnota(10));
    EXPECT_EQ(v[40]->Hodnota(20), v[0]->Hodnota(20));
    // Points 2 and 3 (no ellipse) still have their symbols.
    EXPECT_EQ(NaVrstve(e, "Bod_Cislo", "TEXT").size(), 3u);
}

TEST_F(DxfPosuny, TypeXAndYTurnAgainstTheAxisRotation)
{
    model.posunyDXF.stoceniOs = Pi / 2;
    w.typHzPosunu = 0;  // h.X < 0: angle pi - r = pi/2, 4 m along Y
    auto e = Entity(Zapis("x.dxf"));
    auto c = NaVrstve(e, "H_Nevyzn_Apri", "LINE");  // X is not significant
    ASSERT_EQ(c.size(), 1u);
    EXPECT_NEAR(c[0]->Cislo(11), -204, 1e-12);
    EXPECT_NEAR(c[0]->Cislo(21), -100, 1e-12);
    w.typHzPosunu = 1;  // h.Y > 0: angle pi/2 + r = pi, 3 m back along X
    e = Entity(Zapis("y.dxf"));
    c = NaVrstve(e, "H_Nevyzn_Apri", "LINE");
    ASSERT_EQ(c.size(), 1u);
    EXPECT_NEAR(c[0]->Cislo(11), -200, 1e-12);
    EXPECT_NEAR(c[0]->Cislo(21), -97, 1e-12);
    // The limits take the same direction and the matching component.
    const auto mez = NaVrstve(e, "H_Mez_Apos", "LINE");
    ASSERT_EQ(mez.size(), 2u);
    EXPECT_NEAR(mez[0]->Cislo(21), -98, 1e-12);
}

TEST_F(DxfPosuny, WindowLayerSettingsAndEnglishNames)
{
    // As the displacement graph window does with a-posteriori precision at 50000.
    w.lang = 1;
    for (int i = 1; i < 18; ++i) w.layers[i].color = w.ConvertColor(i % 20);
    const bool aposteriori[18] = {true,  true,  true, true,  false, true,  false, false, true,
                                  true,  false, true, false, false, true,  true,  false, true};
    for (int i = 4; i < 18; ++i) {
        w.layers[i].name[1] += "_50000";
        w.layers[i].visible = aposteriori[i];
    }
    const std::string text = Zapis("en.dxf");
    OverCtenarem({"LAYER 0 7", "LAYER Point_Point 26", "LAYER H_Sign_Apri_50000 -252", "LAYER H_Sign_Apos_50000 1",
                  "COUNT Point_Mark LINE 6", "COUNT Z_Critic_Apri_50000 LINE 4",
                  "COUNT H_Nsign_Apos_50000 POLYLINE 1"});
    EXPECT_EQ(text.find("Vyzn"), std::string::npos);
}

TEST_F(DxfPosuny, OnePointDrawingGetsAPositiveTextHeightNotZero)
{
    model.pocet = 1;
    const auto e = Entity(Zapis("jeden.dxf"));
    EXPECT_GT(w.PointSize, 0);
    const auto t = NaVrstve(e, "Bod_Cislo", "TEXT");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_GT(t[0]->Cislo(40), 0);
    OverCtenarem();
}

TEST_F(DxfPosuny, UnopenableFileGivesFalse)
{
    w.filename = slozka + "/neni/p.dxf";
    EXPECT_FALSE(w.createdxf());
    // A full disk: the failure is thrown, and nothing is left.
    w.filename = slozka + "/plny.dxf";
    EXPECT_TRUE(ZapisNaPlnyDiskSelze([&] { w.createdxf(); }));
    EXPECT_FALSE(std::filesystem::exists(w.filename));
}

TEST(BodSipky, PointAtLengthAndAngleFromTheTipBackToTheOrigin)
{
    TDuoPoint d;
    d.Min = {0, 0};
    d.Max = {10, 0};
    const T2DPoint b = BodSipky(d, 2, Pi / 2);  // back is pi, turned to 3 pi / 2
    EXPECT_NEAR(static_cast<double>(b[0]), 10, 1e-15);
    EXPECT_NEAR(static_cast<double>(b[1]), -2, 1e-15);
}

}  // namespace
}  // namespace sitmera
