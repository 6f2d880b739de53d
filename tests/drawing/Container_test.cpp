// Pixel tests of the network drawing on small networks: view, zoom, symbols,
// colours, scale bars. Glyph shapes are never compared: text is checked only
// as ink inside the box where it belongs.
#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "drawing/Container.h"
#include "drawing/KresbaTest.h"

namespace sitmera {
namespace {

using namespace test;

TgrafikaBod Bod(const char* cislo, Extended X, Extended Y, bool fix = false, Extended a = 0,
                Extended b = 0, Extended smernik = 0)
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

TgrafikaZaznam Mereni(int a, int b, bool plny = true)
{
    TgrafikaZaznam z;
    z.iStn = a;
    z.iCil = b;
    z.smer = z.zenit = z.delkaS = 1;
    z.JePlny = plny;
    return z;
}

// Two points 100 m apart along X: m = 5.5 px/m, pixels (25, 200) and (575, 200).
const std::vector<TgrafikaBod> kDvaBody{Bod("1", 0, 0), Bod("2", 100, 0)};

class KresbaSite : public KresbaTest {
protected:
    TgrafikaData data;
    TContainer k;

    void Pripoj()
    {
        data.pocetBodu = static_cast<int>(data.body.size());
        data.pocetMereni = static_cast<int>(data.mereni.size());
        k.ConnectBitmap(&obraz);
        k.ConnectData(data);
        k.CalcDefView();
    }
    void Pripoj(std::vector<TgrafikaBod> body, std::vector<TgrafikaZaznam> mereni = {})
    {
        data.body = std::move(body);
        data.mereni = std::move(mereni);
        Pripoj();
    }
    // Connects the network, switches every item off but `zapnout` and paints.
    void Nakresli(std::vector<TgrafikaBod> body, std::initializer_list<bool TPaintSettings::*> zapnout,
                  std::vector<TgrafikaZaznam> mereni = {})
    {
        Pripoj(std::move(body), std::move(mereni));
        TPaintSettings& s = k.PaintSettings;
        s.PaintBody = s.PaintMere = s.PaintDesc = s.PaintElips = s.PaintAxes = s.PaintScale = false;
        for (bool TPaintSettings::*z : zapnout) s.*z = true;
        k.PaintAll();
    }
};

// ---------------------------------------------------------------- view

TEST_F(KresbaSite, DefaultViewCentresTwoPointsHundredMetresApartAndPanMovesThem)
{
    Pripoj(kDvaBody);
    // m = min(550 / 100, 350 / 0.0001) = 5.5 pixels per metre.
    EXPECT_DOUBLE_EQ(static_cast<double>(k.TransPar.m), 5.5);
    const T2DPoint stred = k.CalcPixCoordsXY(k.CalcCoordCenter());
    EXPECT_DOUBLE_EQ(static_cast<double>(stred[0]), 300.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(stred[1]), 200.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(k.CalcPixCoords(0)[0]), 25.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(k.CalcPixCoords(1)[0]), 575.0);
    k.Trans(-10, 10);
    EXPECT_DOUBLE_EQ(static_cast<double>(k.CalcPixCoords(0)[0]), 15.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(k.CalcPixCoords(0)[1]), 210.0);
}

TEST_F(KresbaSite, DefaultViewTakesTheTighterAxis)
{
    // rangeX 100, rangeY 200: 550 / 100 = 5.5 against 350 / 200 = 1.75.
    Pripoj({Bod("1", 0, 0), Bod("2", 100, 200), Bod("3", 50, 20)});
    EXPECT_DOUBLE_EQ(static_cast<double>(k.TransPar.m), 1.75);
    EXPECT_DOUBLE_EQ(static_cast<double>(k.TransPar.Tx), 50.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(k.TransPar.Ty), 100.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(k.CalcPixCoords(1)[1]), 375.0);  // 25 pixels margin
    const TDuoPoint meze = k.CalcCoordLimits();
    EXPECT_EQ(meze.Max[0], 100);
    EXPECT_EQ(meze.Min[1], 0);
    const T2DPoint t = k.CalcCoordCenter();
    EXPECT_DOUBLE_EQ(static_cast<double>(t[0]), 50.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(t[1]), 220.0 / 3.0);
}

TEST_F(KresbaSite, CoincidentPointsGetTheMinimumRange)
{
    Pripoj({Bod("1", 7, 8)});
    EXPECT_NEAR(static_cast<double>(k.TransPar.m), 350 / 0.0001, 1e-6);
    const T2DPoint p = k.CalcPixCoords(0);
    EXPECT_DOUBLE_EQ(static_cast<double>(p[0]), 300.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(p[1]), 200.0);
}

TEST_F(KresbaSite, PixelAndDrawingPositionsAreInverse)
{
    Pripoj({Bod("1", 1000.25, -20), Bod("2", 1100, 40.5)});
    k.Trans(13, -7);
    k.ZoomIn();
    for (const T2DPoint bod : {T2DPoint{1000, 0}, T2DPoint{1050.125, -3.5}, T2DPoint{0, 0}}) {
        const T2DPoint zpet = k.DeCalcPicCoords(k.CalcPixCoordsXY(bod));
        EXPECT_NEAR(static_cast<double>(zpet[0]), static_cast<double>(bod[0]), 1e-9);
        EXPECT_NEAR(static_cast<double>(zpet[1]), static_cast<double>(bod[1]), 1e-9);
    }
}

TEST_F(KresbaSite, ZoomInThenOutRestoresTheScaleAndKeepsTheCentre)
{
    Pripoj({Bod("1", 0, 0), Bod("2", 100, 30)});
    k.Trans(40, -25);
    const Extended m = k.TransPar.m;
    const T2DPoint stred = k.DeCalcPicCoords({300, 200});
    for (const Extended krat : {1.05L, 1.0L}) {
        krat > 1 ? k.ZoomIn() : k.ZoomOut();
        EXPECT_NEAR(static_cast<double>(k.TransPar.m), static_cast<double>(m * krat), 1e-12);
        const T2DPoint s = k.DeCalcPicCoords({300, 200});
        EXPECT_NEAR(static_cast<double>(s[0]), static_cast<double>(stred[0]), 1e-9);
        EXPECT_NEAR(static_cast<double>(s[1]), static_cast<double>(stred[1]), 1e-9);
    }
}

TEST_F(KresbaSite, DrawingWithoutPointsPaintsTheBackgroundOnlyAndKeepsItsView)
{
    // Neither data nor bitmap: nothing drawn, nothing fails.
    TContainer prazdny;
    prazdny.PaintAll();
    prazdny.CalcDefView();
    prazdny.ZoomIn();
    prazdny.ConnectBitmap(&obraz);
    obraz.fill(Qt::red);
    prazdny.PaintAll();  // no data: background
    EXPECT_EQ(PocetBarvy(Cerna), 600 * 400);

    Pripoj();  // no points
    k.TransPar = TTransPar{2.5L, 10, 20, 3, 4};
    k.CalcDefView();
    EXPECT_EQ(k.TransPar.m, 2.5L);
    EXPECT_EQ(k.TransPar.Tx, 10);
    obraz.fill(Qt::red);
    k.PaintSettings.ColorB = 0x123456;
    k.PaintAll();
    EXPECT_EQ(PocetBarvy(0x123456), 600 * 400);
    k.ZoomIn();
    k.ZoomOut();
    EXPECT_TRUE(std::isfinite(static_cast<double>(k.TransPar.txx)));
    Extended maxE = -1, minE = -1;
    k.CalcExtremeElipse(maxE, minE);
    EXPECT_EQ(maxE, 0);
    EXPECT_EQ(minE, 0);
}

// ---------------------------------------------------------------- symbols and colours

TEST_F(KresbaSite, DeterminedPointCrossArmsAreCrossSizeLong)
{
    // The point is at (300, 200); each arm covers exactly CrossSize pixels
    // beyond it (0: the point alone), no circle.
    for (const int velikost : {5, 0}) {
        SCOPED_TRACE(velikost);
        k.PaintSettings.CrossSize = static_cast<std::uint8_t>(velikost);
        Nakresli({Bod("1", 0, 0)}, {&TPaintSettings::PaintBody});
        const TColor A = k.PaintSettings.ColorA;
        for (int d = -velikost; d <= velikost; ++d) OcekavejPixely({{300, 200 + d, A}, {300 + d, 200, A}});
        const int v = velikost + 1;
        OcekavejPixely({{300, 200 - v, Cerna}, {300, 200 + v, Cerna}, {300 - v, 200, Cerna}, {300 + v, 200, Cerna},
                        {299, 199, Cerna}});
    }
}

TEST_F(KresbaSite, FixedPointHasACircleOfCircleSizeRadius)
{
    k.PaintSettings.CircleSize = 3;
    k.PaintSettings.CrossSize = 5;
    Nakresli({Bod("1", 0, 0, true)}, {&TPaintSettings::PaintBody});
    const TColor F = k.PaintSettings.ColorF;
    // The circle's box is (297, 197) .. (304, 204) less its right and
    // bottom edge: columns and rows 297 .. 303. The cross still reaches out.
    OcekavejPixely({{303, 201, F}, {297, 199, F}, {299, 197, F}, {301, 203, F}, {304, 201, Cerna}, {296, 199, Cerna},
                    {299, 196, Cerna}, {301, 204, Cerna}, {300, 195, F}, {300, 194, Cerna}});
}

TEST_F(KresbaSite, PointNumberIsInkInsideItsBox)
{
    k.PaintSettings.FontName = "Tahoma";
    k.PaintSettings.FontSize = 10;
    Nakresli({Bod("12", 0, 0)}, {&TPaintSettings::PaintBody});
    const TColor A = k.PaintSettings.ColorA;
    k.Canvas.VelikostPisma = 10;
    k.Canvas.NazevPisma = "Tahoma";
    const int w = k.Canvas.TextWidth("12");
    const int h = k.Canvas.TextHeight("12");
    ASSERT_GT(w, 4);
    ASSERT_GT(h, 8);
    // Top-left corner of the number at (302, 201).
    const int inkoust = PocetBarvy(A, 302, 201, 302 + w, 201 + h);
    EXPECT_GT(inkoust, 10);
    // Every lit pixel is the cross or the number.
    EXPECT_EQ(PocetBarvy(A), inkoust + 21);

    // A fixed point's number starts CircleSize + 2 right and CircleSize + 1
    // below the point, clear of its circle: with CircleSize 3 the same ink
    // three pixels right of and lower than the determined point's.
    auto okraj = [&](TColor barva, int x0, int y0) {
        int levy = 600, horni = 400;
        for (int y = y0; y < 400; ++y)
            for (int x = x0; x < 600; ++x)
                if (Pixel(x, y) == barva) levy = std::min(levy, x), horni = std::min(horni, y);
        return std::array<int, 3>{levy, horni, PocetBarvy(barva, x0, y0)};
    };
    const auto urceny = okraj(A, 302, 201);  // right of the cross, below its arm
    k.PaintSettings.CircleSize = 3;
    Nakresli({Bod("12", 0, 0, true)}, {&TPaintSettings::PaintBody});
    const auto fixni = okraj(k.PaintSettings.ColorF, 305, 204);  // clear of the circle
    EXPECT_EQ(fixni, (std::array<int, 3>{urceny[0] + 3, urceny[1] + 3, urceny[2]}));
}

TEST_F(KresbaSite, ColoursOfPointsLinesEllipses)
{
    // Fixed point F at pixel (25, 200), determined point A at (575, 200)
    // with an ellipse of a = 2 mm along X: 2 mm x 1000 = 2 m = 11 pixels.
    TPaintSettings& s = k.PaintSettings;
    s.Escale = 1000;
    s.ColorF = 0x0000FF;
    s.ColorA = 0x00FF00;
    s.ColorL = 0xC0C0C0;
    s.ColorE = 0xFFFF00;
    Nakresli({Bod("F", 0, 0, true, 0.003, 0.003), Bod("A", 100, 0, false, 0.002, 0.001, 0)},
             {&TPaintSettings::PaintBody, &TPaintSettings::PaintMere, &TPaintSettings::PaintElips}, {Mereni(0, 1)});
    // The fixed point has no ellipse: 3 mm would be 16.5 pixels around it.
    OcekavejPixely({{300, 200, s.ColorL}, {25, 195, s.ColorF}, {575, 195, s.ColorA}, {586, 200, s.ColorE},
                    {587, 200, Cerna}, {25 - 16, 200, Cerna}, {25, 200 - 16, Cerna}});
    EXPECT_EQ(PocetBarvy(s.ColorE, 0, 0, 300, 400), 0);
}

// Lines, ellipses, points, axes and scale bars are drawn in this order, each
// over the ones before. A view of 1 pixel per metre with drawing (300, 200)
// at the bitmap centre puts every point on the pixel of its coordinates.
TEST_F(KresbaSite, DrawingOrderPutsEachKindOverTheOnesBefore)
{
    TPaintSettings& s = k.PaintSettings;
    s.Escale = 1000;  // 1 mm of semi-axis is 1 pixel
    Nakresli({Bod("A", 100, 200, false, 0.011, 0.011), Bod("B", 400, 200, false, 0.004, 0.004), Bod("C", 30, 10),
              Bod("D", 15, 385)},
             {}, {Mereni(0, 1)});
    k.TransPar = TTransPar{1, 300, 200, 0, 0};
    s.PaintMere = s.PaintElips = s.PaintBody = s.PaintAxes = s.PaintScale = true;
    s.PaintDesc = false;
    k.PaintAll();
    OcekavejPixely({{250, 200, s.ColorL},   // the line alone
                    {111, 200, s.ColorE},   // A's ellipse over the line
                    {396, 200, s.ColorA},   // B's cross over its ellipse
                    {30, 10, Bila},         // the axis over C's cross
                    {15, 383, Bila}});      // the scale bar over D's cross
    EXPECT_EQ(Pixel(12, 385), s.ColorA);   // D's cross left of the bar
}

TEST_F(KresbaSite, EllipseAxesScaleWithTheUnitDeviation)
{
    k.PaintSettings.Escale = 1000;
    k.PaintSettings.s0 = 2;  // 22 pixels
    Nakresli({Bod("1", 0, 0), Bod("A", 100, 0, false, 0.002, 0.001, 0)}, {&TPaintSettings::PaintElips});
    OcekavejPixely({{597, 200, k.PaintSettings.ColorE}, {586, 200, Cerna}});
    // The polygon is closed: 41 points, the last equal to the first.
    const TElipse e = k.CalcElipse(1, 1000, 2);
    EXPECT_EQ(e[0], e[40]);
    EXPECT_DOUBLE_EQ(static_cast<double>(e[0][0]), 104.0);
    EXPECT_NEAR(static_cast<double>(e[10][1]), 2.0, 1e-12);  // t = pi/2: b along Y
    // An ellipse not set, or of size 0, draws nothing: with Escale 5, -1
    // would be a 55-pixel circle around point 1 at (25, 200).
    k.PaintSettings.Escale = 5;
    for (const Extended a : {-1.0L, 0.0L}) {
        data.body[0].a_delka = data.body[0].b_delka = a;
        k.PaintAll();
        EXPECT_EQ(PocetBarvy(k.PaintSettings.ColorE, 0, 0, 300, 400), 0) << static_cast<double>(a);
    }
}

TEST_F(KresbaSite, MeasurementRecordNotInUseDrawsNoPhantomLine)
{
    Nakresli({Bod("1", 0, 0), Bod("2", 100, 0), Bod("3", 50, 60)},
             {&TPaintSettings::PaintMere, &TPaintSettings::PaintDesc}, {Mereni(0, 1, false), Mereni(0, 2, true)});
    // The record not in use (0 -> 1, along one row) left no pixel.
    const int rada = static_cast<int>(std::lround(static_cast<double>(k.CalcPixCoords(0)[1])));
    ASSERT_EQ(rada, 35);  // Y 0 with Ty 30 and m 5.5
    EXPECT_EQ(PocetBarvy(k.PaintSettings.ColorL, 40, rada - 1, 570, rada + 2), 0);
    // The other one is drawn.
    const T2DPoint a = k.CalcPixCoords(0);
    const T2DPoint b = k.CalcPixCoords(2);
    const int x = static_cast<int>(std::lround(static_cast<double>((3 * a[0] + b[0]) / 4)));
    const int y = static_cast<int>(std::lround(static_cast<double>((3 * a[1] + b[1]) / 4)));
    EXPECT_GT(PocetBarvy(k.PaintSettings.ColorL, x - 1, y - 1, x + 2, y + 2), 0);
    // Removing the record leaves the count at 2: the drawing stops at the one
    // record present (the sanitizer build sees a read past it).
    data.SmazPrazdneZaznamy();
    data.mereni.shrink_to_fit();
    ASSERT_EQ(data.pocetMereni, 2);
    k.PaintAll();
    EXPECT_GT(PocetBarvy(k.PaintSettings.ColorL, x - 1, y - 1, x + 2, y + 2), 0);
}

TEST_F(KresbaSite, MeasurementLabelIsOpaqueTextAtTheMidpoint)
{
    k.PaintSettings.ColorL = Bila;
    Nakresli(kDvaBody, {&TPaintSettings::PaintMere}, {Mereni(0, 1)});
    // Without the label the line fills row 200 from 25 to 574.
    EXPECT_EQ(PocetBarvy(Bila, 0, 200, 600, 201), 550);
    EXPECT_EQ(PocetBarvy(Bila), 550);

    k.PaintSettings.PaintDesc = true;
    k.PaintAll();
    k.Canvas.VelikostPisma = k.PaintSettings.FontSize;
    k.Canvas.NazevPisma = k.PaintSettings.FontName;
    const std::string popis = k.CreateMereStr(0);
    const int w = k.Canvas.TextWidth(popis);
    const int h = k.Canvas.TextHeight(popis);
    // The label's box starts at the midpoint (300, 200) and hides the line
    // under it (the background box), except where glyphs are.
    EXPECT_GT(PocetBarvy(Bila, 300, 201, 300 + w, 200 + h), 10);
    EXPECT_LT(PocetBarvy(Bila, 300, 200, 300 + w, 201), w / 2);
    EXPECT_EQ(PocetBarvy(Bila, 25, 200, 300, 201), 275);
    // No ink outside the line and the box.
    EXPECT_EQ(PocetBarvy(Bila, 0, 0, 600, 200), 0);
    EXPECT_EQ(PocetBarvy(Bila, 0, 200 + h, 600, 400), 0);
}

TEST(CreateMereStr, LabelsOfMeasurementRecords)
{
    TgrafikaData d(2, 3);
    d.mereni[0] = {0, 1, 2, 2, 2, 0, 0, 0, true};  // delkaS 2, smer 2, zenit 2
    d.mereni[1] = {0, 1, 2, 2, 2, 0, 1, 0, true};
    d.mereni[2] = {0, 1, 3, 12, 4, 5, 0, 7, true};
    TContainer k;
    k.ConnectData(d);
    EXPECT_EQ(k.CreateMereStr(0), "2:2:2");
    EXPECT_EQ(k.CreateMereStr(1), "2:2:2(1:0:0)");
    EXPECT_EQ(k.CreateMereStr(2), "12:4:3(0:5:7)");
}

TEST_F(KresbaSite, WidePenLineIsThickerAndBadPointIndexesAreSkipped)
{
    k.PaintSettings.PenWidthL = 3;
    Nakresli(kDvaBody, {&TPaintSettings::PaintMere}, {Mereni(0, 1)});
    const TColor L = k.PaintSettings.ColorL;
    OcekavejPixely({{300, 199, L}, {300, 200, L}, {300, 201, L}, {300, 198, Cerna}, {300, 202, Cerna}});

    k.PaintSettings.PenWidthL = 1;
    Nakresli(kDvaBody, {&TPaintSettings::PaintMere}, {Mereni(0, 5), Mereni(-1, 1), Mereni(0, 1)});
    EXPECT_EQ(PocetBarvy(L), 550);
}

// ---------------------------------------------------------------- axes and scale bars

TEST_F(KresbaSite, AxesAreWhiteOnDarkAndBlackOnLightBackgroundWithTheirLabels)
{
    Nakresli(kDvaBody, {&TPaintSettings::PaintAxes});
    // The head starts at the tip (50, 10); its stroke towards (35, 5) leaves
    // out its end pixel.
    OcekavejPixely({{30, 10, Bila}, {10, 30, Bila}, {30, 11, Cerna}, {50, 10, Bila}, {51, 10, Cerna}, {36, 5, Bila},
                    {35, 5, Cerna}});
    // Labels at (55, 10) and (10, 55): ink in both boxes.
    EXPECT_GT(PocetBarvy(Bila, 55, 10, 80, 25), 5);
    EXPECT_GT(PocetBarvy(Bila, 10, 55, 35, 70), 5);

    k.PaintSettings.ColorB = Bila;
    k.PaintAll();
    OcekavejPixely({{30, 10, Cerna}, {10, 30, Cerna}});
    // A red background (lightness (0 + 255) div 2 = 127) counts as light.
    k.PaintSettings.ColorB = 0x0000FF;
    k.PaintAll();
    EXPECT_EQ(Pixel(30, 10), Cerna);
}

TEST(DelkaMeritka, PowersOfTenHalvedToAFifthOfTheWidth)
{
    const struct {
        double p;  // pixels per unit
        int W;
        double L;
        int delka;
    } tabulka[] = {
        {5.5, 600, 10, 55},        // v = 21.8: L = 10
        {27.5, 600, 2, 55},        // v = 4.36: L = 10 -> 275 px, 5 -> 138, 2 -> 55
        {275, 600, 0, 0},          // v < 1: L = 1 is 275 px, halved to 0
        {0.01, 600, 10000, 100},   // v = 12000: L = 1e4
        {120, 600, 1, 120},        // exactly a fifth of the width
        {1e-300, 600, 1e302, 100}, // zoomed far out
        {std::numeric_limits<double>::infinity(), 600, 0, 0},
        {0, 600, 0, 0},
    };
    for (const auto& r : tabulka) {
        const TDelkaMeritka d = DelkaMeritka(r.p, r.W);
        EXPECT_NEAR(static_cast<double>(d.L), r.L, r.L * 1e-15) << r.p;
        EXPECT_EQ(d.delka, r.delka) << r.p;
    }
}

TEST_F(KresbaSite, ScaleBarLengthFollowsTheViewInMetresAndFeet)
{
    // PaintScale alone: the ellipses are not drawn and have no bar.
    Nakresli({Bod("1", 0, 0, false, 0.002, 0.001), Bod("2", 100, 0)}, {&TPaintSettings::PaintScale});
    // m = 5.5: a 10 m bar of 55 pixels on row 385 from x 15; its end stroke
    // leaves out its end pixel; the first inner tick at 15 + 11.
    const int y0 = 385;
    OcekavejPixely({{15, y0, Bila}, {69, y0, Bila}, {70, y0 - 4, Bila}, {70, y0 + 5, Bila}, {70, y0 - 5, Cerna},
                    {71, y0, Cerna}, {26, y0 - 5, Bila}, {26, y0 + 4, Bila}});
    // Label "10 m" at (75, 375).
    EXPECT_GT(PocetBarvy(Bila, 75, 375, 110, 392), 5);
    EXPECT_EQ(PocetBarvy(Bila, 0, y0 - 35, 600, y0 - 15), 0);

    // Feet: 5.5 px/m = 1.6764 px/ft: v = 71.6 ft: L = 100 ft = 168 pixels > 120,
    // halved to 50 ft = 84 pixels (83.82 rounded).
    k.PaintSettings.UnitType = 1;
    k.PaintAll();
    OcekavejPixely({{15 + 83, y0, Bila}, {15 + 84, y0 - 4, Bila}, {15 + 85, y0, Cerna}});
}

TEST_F(KresbaSite, EllipseBarSwitchesToTenthsForSmallEllipses)
{
    // With Escale 50000 the ellipse bar has p = 5.5 x 50 = 275 pixels per mm.
    // Largest semi-axis 0.5 mm: tenths, p = 27.5, bar L = 2 (0.2 mm) of 55 pixels.
    Nakresli({Bod("1", 0, 0, false, 0.0005, 0.0002), Bod("2", 100, 0)},
             {&TPaintSettings::PaintScale, &TPaintSettings::PaintElips});
    const int y = 385 - 25;
    OcekavejPixely({{15, y, Bila}, {69, y, Bila}, {71, y, Cerna}});
    EXPECT_GT(PocetBarvy(Bila, 75, y - 10, 130, y + 7), 5);  // "0.2 mm"

    // Largest semi-axis 2 mm, held by a fixed point (the search takes every
    // point): whole millimetres; a 1 mm bar of 275 pixels is longer than a
    // fifth of the width and halves to nothing.
    data.body[1].JeFixni = true;
    data.body[1].a_delka = 0.002;
    k.PaintAll();
    EXPECT_EQ(PocetBarvy(Bila, 16, y - 6, 600, y + 6), 0);
    EXPECT_EQ(Pixel(15, y), Bila);  // only the start stroke of a zero bar
}

// ---------------------------------------------------------------- far positions

TEST_F(KresbaSite, ZoomedFarInPositionsAreClampedAndLinesStillCrossTheView)
{
    // The view centre lies on the line between the two points.
    Pripoj({Bod("1", 0, 0), Bod("2", 100, 0, false, 0.01, 0.01)}, {Mereni(0, 1)});
    for (int i = 0; i < 700; ++i) k.ZoomIn();  // m grows by 1.05^700, about 7e14
    EXPECT_GT(std::fabs(static_cast<double>(k.CalcPixCoords(0)[0])), 1e15);
    k.PaintSettings.PaintDesc = false;
    k.PaintAll();
    const TColor L = k.PaintSettings.ColorL;
    OcekavejPixely({{300, 200, L}, {300, 199, Cerna}, {0, 200, L}, {599, 200, L}});
}

TEST_F(KresbaSite, ZoomStepThatWouldBreakTheScaleIsNotTaken)
{
    Pripoj(kDvaBody);
    // 1e300 twenty times would pass the largest 80-bit number.
    for (int i = 0; i < 20; ++i) k.Zoom(1e300);
    EXPECT_TRUE(std::isfinite(static_cast<double>(std::log10(k.TransPar.m))));
    EXPECT_GT(k.TransPar.m, 0);
    for (int i = 0; i < 40; ++i) k.Zoom(1e-300);
    EXPECT_GT(k.TransPar.m, 0);
    const Extended m = k.TransPar.m;
    k.Zoom(0);
    k.Zoom(-2);
    EXPECT_EQ(k.TransPar.m, m);
    const T2DPoint s = k.DeCalcPicCoords({300, 200});
    EXPECT_TRUE(std::isfinite(static_cast<double>(s[0])));
    k.PaintAll();  // and it still draws
}

// A 1-pixel line takes Bresenham's pixels, its end pixel left out, on every
// kind of bitmap the canvas may get (written straight into 24- and 32-bit
// bitmaps, drawn through the painter on others), with the bitmap's edges.
TEST(TPlatno, OnePixelLinesTakeBresenhamsPixelsOnEveryKindOfBitmap)
{
    std::mt19937 gen(9);
    // Ends up to 3 pixels off the bitmap: nearer than where lines are clipped.
    std::uniform_int_distribution<int> px(-3, 43), py(-3, 33), barva(0, 0xFFFFFF);
    for (const QImage::Format format : {QImage::Format_RGB888, QImage::Format_RGB32,
                                        QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB16}) {
        QImage obraz(40, 30, format), ocekavany(40, 30, format);
        obraz.fill(Qt::white);
        ocekavany.fill(Qt::white);
        TPlatno platno;
        platno.Pripoj(&obraz);
        for (int i = 0; i < 300; ++i) {
            int x1 = px(gen), y1 = py(gen), x2 = px(gen), y2 = py(gen);
            if (i % 5 == 1) x2 = x1;  // some vertical and horizontal lines
            if (i % 5 == 2) y2 = y1;
            platno.BarvaPera = static_cast<TColor>(barva(gen)) & (format == QImage::Format_RGB16 ? 0xF8FCF8 : 0xFFFFFF);
            platno.MoveTo(x1, y1);
            platno.LineTo(x2, y2);
            // Bresenham from (x1, y1) towards (x2, y2), x2 and y2 excluded.
            const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
            const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
            int x = x1, y = y1, chyba = dx >= dy ? 2 * dy - dx : 2 * dx - dy;
            for (int k = 0; k < std::max(dx, dy); ++k) {
                if (ocekavany.rect().contains(x, y)) ocekavany.setPixelColor(x, y, BarvaQt(platno.BarvaPera));
                if (dx >= dy) {
                    if (chyba > 0) y += sy, chyba -= 2 * dx;
                    chyba += 2 * dy, x += sx;
                } else {
                    if (chyba > 0) x += sx, chyba -= 2 * dy;
                    chyba += 2 * dx, y += sy;
                }
            }
        }
        EXPECT_TRUE(obraz == ocekavany) << format;
    }
}

TEST(ZaokrouhliPixel, NearestTiesToEvenAndClamped)
{
    EXPECT_EQ(ZaokrouhliPixel(2.5L, 600), 2);
    EXPECT_EQ(ZaokrouhliPixel(3.5L, 600), 4);
    EXPECT_EQ(ZaokrouhliPixel(-2.5L, 600), -2);
    EXPECT_EQ(ZaokrouhliPixel(1e30L, 600), 600 + kOkrajPixelu);
    EXPECT_EQ(ZaokrouhliPixel(-1e30L, 600), -kOkrajPixelu);
    EXPECT_EQ(ZaokrouhliPixel(std::numeric_limits<Extended>::quiet_NaN(), 600), -kOkrajPixelu);
}

TEST(NahradniPismo, WindowsFontsGetTheirKindOfSubstitute)
{
    ASSERT_NE(qGuiApp, nullptr);
    EXPECT_EQ(NahradniPismo("DejaVu Sans"), "DejaVu Sans");
    const std::string serif = NahradniPismo("Times New Roman");
    const std::string sans = NahradniPismo("Tahoma");
    const std::string mono = NahradniPismo("Courier New");
    // Either the font itself or a family of the same kind.
    EXPECT_TRUE(serif == "Times New Roman" || serif.find("Serif") != std::string::npos) << serif;
    EXPECT_TRUE(sans == "Tahoma" || sans.find("Sans") != std::string::npos) << sans;
    EXPECT_TRUE(mono == "Courier New" || mono.find("Mono") != std::string::npos) << mono;
}

}  // namespace
}  // namespace sitmera
