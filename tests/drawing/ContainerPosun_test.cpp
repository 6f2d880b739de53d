// Pixel tests of the displacement drawing: vectors, limits, ellipses and
// their significance colours, on a view set by hand (0.5 pixels per metre,
// drawing point (0, 0) at pixel (300, 200)).
#include <cmath>

#include "drawing/ContainerPosun.h"
#include "drawing/KresbaTest.h"
#include "numerics/Jednotky.h"

namespace sitmera {
namespace {

using namespace test;

constexpr TColor Zelena = 0x008000;   // not significant
constexpr TColor Cervena = 0x0000FF;  // significant

class KresbaPosunu : public KresbaTest {
protected:
    TmodelPosuny model;
    TcontainerPosun k;

    // One point at drawing (0, 0) with the given displacement record.
    Tposun& JedenBod()
    {
        Tbod b;
        b.cislo = "1";
        b.JePlny = true;
        model.bodyGrafika.bod = {b};
        Tposun p;
        p.JePlny = true;
        p.cislo = "1";
        model.posunyGrafika.zaznam = {p};
        model.pocet = 1;
        return model.posunyGrafika.zaznam[0];
    }
    void Pripoj()
    {
        k.ConnectBitmap(&obraz);
        k.ConnectData(model);
        k.TransPar = TTransPar{0.5L, 0, 0, 0, 0};
    }
    // Connects the model, switches `spinac` on and paints.
    void Kresli(bool TPaintSettingsPosun::*spinac)
    {
        Pripoj();
        k.PaintSettings.*spinac = true;
        k.PaintAll();
    }
};

// ---------------------------------------------------------------- helpers

TEST(PolarniBod, OriginAndTip)
{
    const TDuoPoint d = PolarniBod(50000, 0.004L, Pi, 10, 20);
    EXPECT_EQ(d.Min[0], 10);
    EXPECT_EQ(d.Min[1], 20);
    EXPECT_NEAR(static_cast<double>(d.Max[0]), 10 - 200.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(d.Max[1]), 20.0, 1e-12);
}

TEST(SmerPosunuHz, ValueAndDirectionByKind)
{
    Tposun p;
    p.hodnota.X = -0.004L;
    p.hodnota.Y = -0.003L;
    p.hodnota.delkaH = 0.005L;
    p.hodnota.smernik = 2.5L;
    const double pi = static_cast<double>(Pi);
    const struct {
        int typ;
        double r, hodnota, uhel;
    } tabulka[] = {
        {0, 0, 0.004, pi},        {0, pi / 2, 0.004, 1.5 * pi},
        {1, 0, 0.003, 1.5 * pi},  {1, pi / 2, 0.003, pi},
        {2, pi / 2, 0.005, 2.5},  {3, 0, 0, 0},
    };
    for (const auto& r : tabulka) {
        Extended h = -1, u = -1;
        SmerPosunuHz(p, r.typ, r.r, h, u);
        EXPECT_NEAR(static_cast<double>(h), r.hodnota, 1e-18) << r.typ;
        EXPECT_NEAR(static_cast<double>(u), r.uhel, 1e-15) << r.typ;
    }
    p.hodnota.X = 0.004L;
    p.hodnota.Y = 0.003L;
    Extended h, u;
    SmerPosunuHz(p, 0, 0.25L, h, u);
    EXPECT_EQ(u, 0.25L);
    SmerPosunuHz(p, 1, 0.25L, h, u);
    EXPECT_EQ(u, Pi / 2 - 0.25L);
}

// ---------------------------------------------------------------- horizontal vectors

TEST_F(KresbaPosunu, TypeXNegativeIsA200MetreVectorPointingLeft)
{
    JedenBod().hodnota.X = -0.004L;  // x 50000 = 200 m = 100 pixels
    k.PaintSettings.typHzPosunu = 0;
    Kresli(&TPaintSettingsPosun::kreslitPosunHzHodnota);
    EXPECT_EQ(PocetBarvy(Zelena, 201, 200, 301, 201), 100);  // origin to the tip
    // The barbs start at the tip.
    OcekavejPixely({{200, 200, Zelena}, {199, 200, Cerna}, {301, 200, Cerna}});
    // Two barbs of 10 + 1 pixels at 15 degrees back towards the origin:
    // ends near (210.6, 202.8) and (210.6, 197.2).
    EXPECT_GT(PocetBarvy(Zelena, 200, 201, 212, 204), 5);
    EXPECT_GT(PocetBarvy(Zelena, 200, 197, 212, 200), 5);
    EXPECT_EQ(PocetBarvy(Zelena, 200, 204, 600, 400), 0);
    EXPECT_EQ(PocetBarvy(Zelena, 0, 0, 600, 197), 0);
}

TEST_F(KresbaPosunu, TypeYTurnsWithTheAxisRotation)
{
    JedenBod().hodnota.Y = 0.004L;
    k.PaintSettings.typHzPosunu = 1;
    // r = 0: angle pi/2, drawing Y grows downwards.
    Kresli(&TPaintSettingsPosun::kreslitPosunHzHodnota);
    EXPECT_EQ(PocetBarvy(Zelena, 300, 200, 301, 300), 100);
    // r = pi/2: angle 0, to the right.
    model.posunyGrafika.stoceniOs = Pi / 2;
    k.PaintAll();
    EXPECT_EQ(PocetBarvy(Zelena, 300, 200, 400, 201), 100);
    EXPECT_EQ(PocetBarvy(Zelena, 299, 210, 302, 300), 0);
}

TEST_F(KresbaPosunu, TypeHzFollowsTheBearing)
{
    Tposun& p = JedenBod();
    p.hodnota.delkaH = 0.004L;
    p.hodnota.smernik = Pi / 4;
    Kresli(&TPaintSettingsPosun::kreslitPosunHzHodnota);
    // Tip at (300 + 70.7, 200 + 70.7): the diagonal is lit.
    for (int d = 0; d < 70; d += 7) EXPECT_EQ(Pixel(300 + d, 200 + d), Zelena) << d;
}

TEST_F(KresbaPosunu, SignificanceChoosesTheColourByPrecision)
{
    Tposun& p = JedenBod();
    p.hodnota.delkaH = 0.004L;
    p.hodnota.smernik = 0;
    p.prokazaniAprior.delkaH = true;
    Kresli(&TPaintSettingsPosun::kreslitPosunHzHodnota);
    EXPECT_EQ(Pixel(350, 200), Cervena);
    EXPECT_EQ(PocetBarvy(Zelena), 0);
    k.PaintSettings.presnost = 1;  // a posteriori: not significant
    k.PaintAll();
    EXPECT_EQ(Pixel(350, 200), Zelena);
    EXPECT_EQ(PocetBarvy(Cervena), 0);
    // The flag of the drawn kind decides: X is not significant.
    k.PaintSettings.presnost = 0;
    k.PaintSettings.typHzPosunu = 0;
    p.hodnota.X = 0.004L;
    k.PaintAll();
    EXPECT_EQ(Pixel(350, 200), Zelena);
}

TEST_F(KresbaPosunu, ArrowShorterThanItsHeadHasNoBarbs)
{
    JedenBod().hodnota.delkaH = 0.004L;
    k.PaintSettings.zvetseni = 3000;  // 12 m = 6 pixels < 10
    Kresli(&TPaintSettingsPosun::kreslitPosunHzHodnota);
    EXPECT_EQ(PocetBarvy(Zelena), 6);
    EXPECT_EQ(PocetBarvy(Zelena, 300, 200, 306, 201), 6);
}

TEST_F(KresbaPosunu, HorizontalLimitWithOneEndMark)
{
    Tposun& p = JedenBod();
    p.hodnota.delkaH = 0.0001L;
    p.hodnota.smernik = 0;
    p.odchylkaMezAprior.delkaH = 0.002L;  // 100 m = 50 pixels
    p.odchylkaMezAposter.delkaH = 0.004L;
    Kresli(&TPaintSettingsPosun::kreslitPosunHzMezOdchylka);
    const TColor S = k.PaintSettings.ColorPosunHzMezOdchylka;
    EXPECT_EQ(PocetBarvy(S, 300, 200, 350, 201), 50);
    // Mark from the tip (350, 200): back to the origin turned by -pi/2, 5 pixels down.
    EXPECT_EQ(PocetBarvy(S, 350, 200, 351, 205), 5);
    EXPECT_EQ(Pixel(350, 205), Cerna);
    EXPECT_EQ(PocetBarvy(S), 55);
    k.PaintSettings.presnost = 1;
    k.PaintAll();
    EXPECT_EQ(PocetBarvy(S, 300, 200, 400, 201), 100);
}

// ---------------------------------------------------------------- vertical vectors

TEST_F(KresbaPosunu, RiseIsDrawnUpwardsWithACrossBar)
{
    Tposun& p = JedenBod();
    p.hodnota.Z = 0.002L;  // 100 m = 50 pixels up
    Kresli(&TPaintSettingsPosun::kreslitPosunZHodnota);
    EXPECT_EQ(PocetBarvy(Zelena, 300, 151, 301, 201), 50);
    // Cross bar of 3 + 1 pixels each way at the tip (300, 150), end pixels left out.
    EXPECT_EQ(PocetBarvy(Zelena, 297, 150, 304, 151), 7);
    OcekavejPixely({{296, 150, Cerna}, {304, 150, Cerna}});
    EXPECT_EQ(PocetBarvy(Zelena), 57);
    // Significant a priori in Z: the other colour.
    p.prokazaniAprior.Z = true;
    k.PaintAll();
    EXPECT_EQ(PocetBarvy(Cervena), 57);

    // A tiny displacement still has its cross bar; none has no vector.
    p.prokazaniAprior.Z = false;
    p.hodnota.Z = -0.00002L;  // 1 m = half a pixel down
    k.PaintAll();
    EXPECT_GT(PocetBarvy(Zelena, 296, 199, 305, 202), 4);
    p.hodnota.Z = 0;
    k.PaintAll();
    EXPECT_EQ(PocetBarvy(Zelena), 0);
}

TEST_F(KresbaPosunu, VerticalLimitPointsTheWayOfTheDisplacement)
{
    Tposun& p = JedenBod();
    p.hodnota.Z = -0.0005L;
    p.odchylkaMezAprior.Z = 0.001L;  // 50 m = 25 pixels
    Kresli(&TPaintSettingsPosun::kreslitPosunZMezOdchylka);
    const TColor S = k.PaintSettings.ColorPosunZMezOdchylka;
    EXPECT_EQ(PocetBarvy(S, 300, 200, 301, 225), 25);  // downwards
    EXPECT_EQ(PocetBarvy(S, 300, 225, 305, 226), 5);    // one mark to the right
    EXPECT_EQ(PocetBarvy(S), 30);
    p.hodnota.Z = 0;  // no displacement: upwards
    k.PaintAll();
    EXPECT_EQ(PocetBarvy(S, 300, 176, 301, 201), 25);
    EXPECT_EQ(PocetBarvy(S, 0, 201, 600, 400), 0);
}

// ---------------------------------------------------------------- ellipses and points

TEST_F(KresbaPosunu, EllipseOfThePrecisionChosen)
{
    Tposun& p = JedenBod();
    p.elipsaAprior = Telipsa{0.002L, 0.001L, 0};   // 50 pixels along X
    p.elipsaAposter = Telipsa{0.004L, 0.001L, 0};  // 100 pixels
    Kresli(&TPaintSettingsPosun::kreslitElipsa);
    const TColor E = k.PaintSettings.ColorElipsa;
    OcekavejPixely({{350, 200, E}, {351, 200, Cerna}, {250, 200, E}});
    k.PaintSettings.presnost = 1;
    k.PaintAll();
    OcekavejPixely({{400, 200, E}, {350, 200, Cerna}});
    const TElipse e = k.CalcElipse(0, 50000, 1);
    EXPECT_EQ(e[0], e[40]);
    EXPECT_NEAR(static_cast<double>(e[0][0]), 200.0, 1e-12);
    // An ellipse not set (no a-posteriori covariance) or of size 0 draws
    // nothing: with a magnification of 100, -1 would be a 50-pixel circle.
    k.PaintSettings.zvetseni = 100;
    for (const Extended a : {-1.0L, 0.0L}) {
        p.elipsaAposter = Telipsa{a, a, 0};
        k.PaintAll();
        EXPECT_EQ(PocetBarvy(E), 0) << static_cast<double>(a);
    }
}

TEST_F(KresbaPosunu, PointFixedInBothEpochsHasNoEllipseButIsDrawn)
{
    Tposun& p = JedenBod();
    p.elipsaAprior = Telipsa{0.002L, 0.001L, 0};
    p.JeFix1 = true;
    p.JeFix2 = true;
    k.PaintSettings.kreslitBod = true;
    Kresli(&TPaintSettingsPosun::kreslitElipsa);
    EXPECT_EQ(PocetBarvy(k.PaintSettings.ColorElipsa), 0);
    const TColor B = k.PaintSettings.ColorBod;
    // Cross of half length SizeBod = 4.
    EXPECT_EQ(PocetBarvy(B, 296, 200, 305, 201), 9);
    EXPECT_EQ(PocetBarvy(B, 300, 196, 301, 205), 9);
    OcekavejPixely({{295, 200, Cerna}, {305, 200, Cerna}});
    // The number "1" at (302, 201): ink in its box.
    EXPECT_GT(PocetBarvy(B, 302, 201, 320, 220), 3);
    // Fixed in one epoch only: the ellipse is drawn.
    p.JeFix2 = false;
    k.PaintAll();
    EXPECT_EQ(Pixel(350, 200), k.PaintSettings.ColorElipsa);
}

TEST_F(KresbaPosunu, DrawingOrderPutsPointsOverVectors)
{
    JedenBod().hodnota.delkaH = 0.004L;
    k.PaintSettings.kreslitBod = true;
    Kresli(&TPaintSettingsPosun::kreslitPosunHzHodnota);
    OcekavejPixely({{302, 200, k.PaintSettings.ColorBod}, {310, 200, Zelena}});  // cross over the vector
}

// ---------------------------------------------------------------- view, axes, scale

TEST_F(KresbaPosunu, DefaultViewOfTwoPointsAndEmptyModel)
{
    JedenBod();
    Tbod b2 = model.bodyGrafika.bod[0];
    b2.X = 100;
    model.bodyGrafika.bod.push_back(b2);
    model.posunyGrafika.zaznam.push_back(model.posunyGrafika.zaznam[0]);
    model.pocet = 2;
    Pripoj();
    k.CalcDefView();
    EXPECT_DOUBLE_EQ(static_cast<double>(k.TransPar.m), 5.5);
    const T2DPoint s = k.CalcPixCoordsXY(k.CalcCoordCenter());
    EXPECT_DOUBLE_EQ(static_cast<double>(s[0]), 300.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(s[1]), 200.0);
    k.ZoomIn();
    k.ZoomOut();
    EXPECT_NEAR(static_cast<double>(k.TransPar.m), 5.5, 1e-12);

    // A model without points (pocet -1 after Clear): background only, view kept.
    model.Clear();
    k.PaintSettings.kreslitOsa = k.PaintSettings.kreslitMeritko = true;
    k.PaintSettings.ColorPozadi = 0x203040;
    const TTransPar pred = k.TransPar;
    k.CalcDefView();
    k.PaintAll();
    EXPECT_EQ(k.TransPar.m, pred.m);
    EXPECT_EQ(PocetBarvy(0x203040), 600 * 400);
}

TEST_F(KresbaPosunu, AxesLabelXOnTheHorizontalArrowByDefault)
{
    JedenBod();
    k.PaintSettings.ColorPozadi = Bila;
    Kresli(&TPaintSettingsPosun::kreslitOsa);
    EXPECT_TRUE(k.PaintSettings.AxesType);
    OcekavejPixely({{30, 10, Cerna}, {10, 30, Cerna}});
    EXPECT_GT(PocetBarvy(Cerna, 55, 10, 80, 25), 5);
}

TEST_F(KresbaPosunu, DisplacementBarComesWithTheCoordinateBarAndCountsTenths)
{
    JedenBod();
    Pripoj();
    // m = 2.4 px/m: coordinate bar L = 50 m = 120 pixels; displacement bar
    // p = 2.4 x 50000 / 1000 / 10 = 12 pixels per 0.1 mm: L = 10 tenths
    // (1 mm) = 120 pixels.
    k.TransPar.m = 2.4L;
    k.PaintSettings.kreslitMeritko = true;
    k.PaintAll();
    OcekavejPixely({{134, 385, Bila}, {135, 381, Bila}, {136, 385, Cerna}, {134, 360, Bila}, {136, 360, Cerna}});
    // Labels right of both bars.
    EXPECT_GT(PocetBarvy(Bila, 140, 350, 200, 367), 3);
    EXPECT_GT(PocetBarvy(Bila, 140, 375, 200, 392), 3);
    // Points (1/864 ft): 2.8346 units per mm, 4.2333 pixels per tenth:
    // v = 28.3, L = 10 -> 42 pixels.
    k.PaintSettings.UnitTypePosun = 1;
    k.PaintAll();
    OcekavejPixely({{15 + 41, 360, Bila}, {15 + 43, 360, Cerna}});
}

TEST_F(KresbaPosunu, ZoomToExtentStopsWhenTheEdgesAreClear)
{
    JedenBod().hodnota.Z = 0.01L;  // 500 m: 250 pixels up, past the top row
    Kresli(&TPaintSettingsPosun::kreslitPosunZHodnota);
    ASSERT_EQ(Pixel(300, 0), Zelena);
    const Extended m = k.TransPar.m;
    k.Zall();
    EXPECT_LT(k.TransPar.m, m);
    EXPECT_EQ(PocetBarvy(Zelena, 0, 0, 600, 1), 0);
    // Only as far as needed: 250 / 1.05^n < 200 from n = 5 on.
    EXPECT_NEAR(static_cast<double>(m / k.TransPar.m), std::pow(1.05, 5), 1e-9);
}

TEST_F(KresbaPosunu, ZoomToExtentLoopIsBoundedWhenInkNeverLeavesAnEdge)
{
    JedenBod();
    QImage nizky(100, 20, QImage::Format_RGB888);  // the axis arrow crosses the bottom row
    k.ConnectBitmap(&nizky);
    k.ConnectData(model);
    k.TransPar = TTransPar{1, 0, 0, 0, 0};
    k.PaintSettings.kreslitOsa = true;
    k.PaintAll();
    k.Zall();
    EXPECT_NEAR(static_cast<double>(k.TransPar.m), std::pow(1.05, -TcontainerPosun::kZallKroku), 1e-12);
}

}  // namespace
}  // namespace sitmera
