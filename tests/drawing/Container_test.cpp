// Pixel tests of the network drawing on small networks: view, zoom, symbols,
// colours, scale bars. Glyph shapes are never compared: text is checked only
// as ink inside the box where it belongs.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "drawing/Container.h"
#include "drawing/Platno.h"

// Fontconfig keeps a cache it never frees.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace sitmera {
namespace {

class QtProstredi : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qGuiApp != nullptr) return;
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char nazev[] = "drawing_test";
        static char* argv[] = {nazev, nullptr};
        new QGuiApplication(argc, argv);  // lives for the whole test program
    }
};
const auto* const prostredi = ::testing::AddGlobalTestEnvironment(new QtProstredi);

constexpr TColor Cerna = 0x000000;
constexpr TColor Bila = 0xFFFFFF;

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
    z.smer = 1;
    z.zenit = 1;
    z.delkaS = 1;
    z.JePlny = plny;
    return z;
}

class KresbaSite : public ::testing::Test {
protected:
    QImage obraz{600, 400, QImage::Format_RGB888};
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
    TColor Pixel(int x, int y) const { return BarvaZRgb(obraz.pixel(x, y)); }
    // Only the switched-on items are drawn.
    void JenNic()
    {
        TPaintSettings& s = k.PaintSettings;
        s.PaintBody = s.PaintMere = s.PaintDesc = s.PaintElips = s.PaintAxes = s.PaintScale = false;
    }
    int PocetBarvy(TColor barva, int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = std::max(y0, 0); y < std::min(y1, obraz.height()); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, obraz.width()); ++x)
                if (Pixel(x, y) == barva) ++n;
        return n;
    }
};

// ---------------------------------------------------------------- view

TEST_F(KresbaSite, DefaultViewCentresTwoPointsHundredMetresApart)
{
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0)};
    Pripoj();
    // m = min(550 / 100, 350 / 0.0001) = 5.5 pixels per metre.
    EXPECT_DOUBLE_EQ(static_cast<double>(k.TransPar.m), 5.5);
    const T2DPoint stred = k.CalcPixCoordsXY(k.CalcCoordCenter());
    EXPECT_DOUBLE_EQ(static_cast<double>(stred[0]), 300.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(stred[1]), 200.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(k.CalcPixCoords(0)[0]), 25.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(k.CalcPixCoords(1)[0]), 575.0);
}

TEST_F(KresbaSite, DefaultViewTakesTheTighterAxis)
{
    // rangeX 100, rangeY 200: 550 / 100 = 5.5 against 350 / 200 = 1.75.
    data.body = {Bod("1", 0, 0), Bod("2", 100, 200), Bod("3", 50, 20)};
    Pripoj();
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
    data.body = {Bod("1", 7, 8)};
    Pripoj();
    EXPECT_NEAR(static_cast<double>(k.TransPar.m), 350 / 0.0001, 1e-6);
    const T2DPoint p = k.CalcPixCoords(0);
    EXPECT_DOUBLE_EQ(static_cast<double>(p[0]), 300.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(p[1]), 200.0);
}

TEST_F(KresbaSite, PixelAndDrawingPositionsAreInverse)
{
    data.body = {Bod("1", 1000.25, -20), Bod("2", 1100, 40.5)};
    Pripoj();
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
    data.body = {Bod("1", 0, 0), Bod("2", 100, 30)};
    Pripoj();
    k.Trans(40, -25);
    const Extended m = k.TransPar.m;
    const T2DPoint stred = k.DeCalcPicCoords({300, 200});
    k.ZoomIn();
    EXPECT_NEAR(static_cast<double>(k.TransPar.m), static_cast<double>(m * 1.05L), 1e-12);
    T2DPoint s = k.DeCalcPicCoords({300, 200});
    EXPECT_NEAR(static_cast<double>(s[0]), static_cast<double>(stred[0]), 1e-9);
    EXPECT_NEAR(static_cast<double>(s[1]), static_cast<double>(stred[1]), 1e-9);
    k.ZoomOut();
    EXPECT_NEAR(static_cast<double>(k.TransPar.m), static_cast<double>(m), 1e-12);
    s = k.DeCalcPicCoords({300, 200});
    EXPECT_NEAR(static_cast<double>(s[0]), static_cast<double>(stred[0]), 1e-9);
    EXPECT_NEAR(static_cast<double>(s[1]), static_cast<double>(stred[1]), 1e-9);
}

TEST_F(KresbaSite, PanMovesEveryPixelPosition)
{
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0)};
    Pripoj();
    k.Trans(-10, 10);
    const T2DPoint p = k.CalcPixCoords(0);
    EXPECT_DOUBLE_EQ(static_cast<double>(p[0]), 15.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(p[1]), 210.0);
}

TEST_F(KresbaSite, DrawingWithoutPointsPaintsTheBackgroundOnlyAndKeepsItsView)
{
    Pripoj();  // no points
    k.TransPar = TTransPar{2.5L, 10, 20, 3, 4};
    k.CalcDefView();
    EXPECT_EQ(k.TransPar.m, 2.5L);
    EXPECT_EQ(k.TransPar.Tx, 10);
    obraz.fill(Qt::red);
    k.PaintSettings.ColorB = 0x123456;
    k.PaintAll();
    EXPECT_EQ(PocetBarvy(0x123456, 0, 0, 600, 400), 600 * 400);
    k.ZoomIn();
    k.ZoomOut();
    EXPECT_TRUE(std::isfinite(static_cast<double>(k.TransPar.txx)));
    Extended maxE = -1, minE = -1;
    k.CalcExtremeElipse(maxE, minE);
    EXPECT_EQ(maxE, 0);
    EXPECT_EQ(minE, 0);
}

TEST_F(KresbaSite, NoDataOrBitmapDrawsNothingAndDoesNotFail)
{
    TContainer prazdny;
    prazdny.PaintAll();
    prazdny.CalcDefView();
    prazdny.ZoomIn();
    prazdny.ConnectBitmap(&obraz);
    obraz.fill(Qt::red);
    prazdny.PaintAll();  // no data: background
    EXPECT_EQ(PocetBarvy(Cerna, 0, 0, 600, 400), 600 * 400);
}

// ---------------------------------------------------------------- symbols and colours

TEST_F(KresbaSite, DeterminedPointCrossArmsAreCrossSizeLong)
{
    data.body = {Bod("1", 0, 0)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintBody = true;
    k.PaintSettings.CrossSize = 5;
    k.PaintAll();
    const TColor A = k.PaintSettings.ColorA;
    // The point is at (300, 200); each arm covers exactly 5 pixels beyond it.
    for (int d = -5; d <= 5; ++d) {
        EXPECT_EQ(Pixel(300, 200 + d), A) << d;
        EXPECT_EQ(Pixel(300 + d, 200), A) << d;
    }
    EXPECT_EQ(Pixel(300, 194), Cerna);
    EXPECT_EQ(Pixel(300, 206), Cerna);
    EXPECT_EQ(Pixel(294, 200), Cerna);
    EXPECT_EQ(Pixel(306, 200), Cerna);
    EXPECT_EQ(Pixel(299, 199), Cerna);  // no circle
}

TEST_F(KresbaSite, CrossSizeZeroIsOnePixel)
{
    data.body = {Bod("1", 0, 0)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintBody = true;
    k.PaintSettings.CrossSize = 0;
    k.PaintAll();
    EXPECT_EQ(Pixel(300, 200), k.PaintSettings.ColorA);
    EXPECT_EQ(Pixel(300, 199), Cerna);
    EXPECT_EQ(Pixel(301, 200), Cerna);
    EXPECT_EQ(Pixel(299, 200), Cerna);
}

TEST_F(KresbaSite, FixedPointHasACircleOfCircleSizeRadius)
{
    data.body = {Bod("1", 0, 0, true)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintBody = true;
    k.PaintSettings.CircleSize = 3;
    k.PaintSettings.CrossSize = 5;
    k.PaintAll();
    const TColor F = k.PaintSettings.ColorF;
    // The circle's box is (297, 197) .. (304, 204) less its right and
    // bottom edge: columns and rows 297 .. 303.
    EXPECT_EQ(Pixel(303, 201), F);
    EXPECT_EQ(Pixel(297, 199), F);
    EXPECT_EQ(Pixel(299, 197), F);
    EXPECT_EQ(Pixel(301, 203), F);
    EXPECT_EQ(Pixel(304, 201), Cerna);
    EXPECT_EQ(Pixel(296, 199), Cerna);
    EXPECT_EQ(Pixel(299, 196), Cerna);
    EXPECT_EQ(Pixel(301, 204), Cerna);
    EXPECT_EQ(Pixel(300, 195), F);  // the cross still reaches out
    EXPECT_EQ(Pixel(300, 194), Cerna);
}

TEST_F(KresbaSite, PointNumberIsInkInsideItsBox)
{
    data.body = {Bod("12", 0, 0)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintBody = true;
    k.PaintSettings.FontName = "Tahoma";
    k.PaintSettings.FontSize = 10;
    k.PaintAll();
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
    const int cely = PocetBarvy(A, 0, 0, 600, 400);
    EXPECT_EQ(cely, inkoust + 21);
}

TEST_F(KresbaSite, ColoursOfPointsLinesEllipses)
{
    // Fixed point F at pixel (25, 200), determined point A at (575, 200)
    // with an ellipse of a = 2 mm along X: 2 mm x 1000 = 2 m = 11 pixels.
    data.body = {Bod("F", 0, 0, true, 0.003, 0.003), Bod("A", 100, 0, false, 0.002, 0.001, 0)};
    data.mereni = {Mereni(0, 1)};
    Pripoj();
    TPaintSettings& s = k.PaintSettings;
    s.PaintAxes = s.PaintScale = s.PaintDesc = false;
    s.Escale = 1000;
    s.ColorF = 0x0000FF;
    s.ColorA = 0x00FF00;
    s.ColorL = 0xC0C0C0;
    s.ColorE = 0xFFFF00;
    k.PaintAll();
    EXPECT_EQ(Pixel(300, 200), s.ColorL);
    EXPECT_EQ(Pixel(25, 195), s.ColorF);
    EXPECT_EQ(Pixel(575, 195), s.ColorA);
    EXPECT_EQ(Pixel(586, 200), s.ColorE);
    EXPECT_EQ(Pixel(587, 200), Cerna);
    // The fixed point has no ellipse: 3 mm would be 16.5 pixels around it.
    EXPECT_EQ(Pixel(25 - 16, 200), Cerna);
    EXPECT_EQ(Pixel(25, 200 - 16), Cerna);
    EXPECT_EQ(PocetBarvy(s.ColorE, 0, 0, 300, 400), 0);
}

TEST_F(KresbaSite, EllipseAxesScaleWithTheUnitDeviation)
{
    data.body = {Bod("1", 0, 0), Bod("A", 100, 0, false, 0.002, 0.001, 0)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintElips = true;
    k.PaintSettings.Escale = 1000;
    k.PaintSettings.s0 = 2;  // 22 pixels
    k.PaintAll();
    EXPECT_EQ(Pixel(597, 200), k.PaintSettings.ColorE);
    EXPECT_EQ(Pixel(586, 200), Cerna);
    // The polygon is closed: 41 points, the last equal to the first.
    const TElipse e = k.CalcElipse(1, 1000, 2);
    EXPECT_EQ(e[0], e[40]);
    EXPECT_DOUBLE_EQ(static_cast<double>(e[0][0]), 104.0);
    EXPECT_NEAR(static_cast<double>(e[10][1]), 2.0, 1e-12);  // t = pi/2: b along Y
}

TEST_F(KresbaSite, MeasurementRecordNotInUseDrawsNoPhantomLine)
{
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0), Bod("3", 50, 60)};
    data.mereni = {Mereni(0, 1, false), Mereni(0, 2, true)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintMere = true;
    k.PaintSettings.PaintDesc = true;
    k.PaintAll();
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
}

TEST_F(KresbaSite, MeasurementLabelIsOpaqueTextAtTheMidpoint)
{
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0)};
    data.mereni = {Mereni(0, 1)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintMere = true;
    k.PaintSettings.ColorL = Bila;
    k.PaintSettings.PaintDesc = false;
    k.PaintAll();
    // Without the label the line fills row 200 from 25 to 574.
    EXPECT_EQ(PocetBarvy(Bila, 0, 200, 600, 201), 550);
    EXPECT_EQ(PocetBarvy(Bila, 0, 0, 600, 400), 550);

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

TEST_F(KresbaSite, WidePenLineIsThicker)
{
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0)};
    data.mereni = {Mereni(0, 1)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintMere = true;
    k.PaintSettings.PenWidthL = 3;
    k.PaintAll();
    const TColor L = k.PaintSettings.ColorL;
    EXPECT_EQ(Pixel(300, 199), L);
    EXPECT_EQ(Pixel(300, 200), L);
    EXPECT_EQ(Pixel(300, 201), L);
    EXPECT_EQ(Pixel(300, 198), Cerna);
    EXPECT_EQ(Pixel(300, 202), Cerna);
}

// ---------------------------------------------------------------- axes and scale bars

TEST(SvetlostBarvy, MeanOfSmallestAndLargestChannel)
{
    EXPECT_EQ(SvetlostBarvy(0x000000), 0);
    EXPECT_EQ(SvetlostBarvy(0xFFFFFF), 255);
    EXPECT_EQ(SvetlostBarvy(0x0000FF), 127);  // red: (0 + 255) div 2
    EXPECT_EQ(SvetlostBarvy(0xC0C0C0), 192);
    EXPECT_EQ(SvetlostBarvy(0x102030), (0x10 + 0x30) / 2);
}

TEST_F(KresbaSite, AxesAreWhiteOnDarkAndBlackOnLightBackground)
{
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintAxes = true;
    k.PaintAll();
    EXPECT_EQ(Pixel(30, 10), Bila);
    EXPECT_EQ(Pixel(10, 30), Bila);
    EXPECT_EQ(Pixel(30, 11), Cerna);
    EXPECT_EQ(Pixel(50, 10), Bila);  // the head starts at the tip
    EXPECT_EQ(Pixel(51, 10), Cerna);
    EXPECT_EQ(Pixel(36, 5), Bila);   // head stroke towards (35, 5)
    EXPECT_EQ(Pixel(35, 5), Cerna);  // whose end pixel is left out

    k.PaintSettings.ColorB = Bila;
    k.PaintAll();
    EXPECT_EQ(Pixel(30, 10), Cerna);
    EXPECT_EQ(Pixel(10, 30), Cerna);
    // A red background (lightness 127) counts as light.
    k.PaintSettings.ColorB = 0x0000FF;
    k.PaintAll();
    EXPECT_EQ(Pixel(30, 10), Cerna);
}

TEST_F(KresbaSite, AxisLabelsFollowAxesType)
{
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintAxes = true;
    k.PaintAll();
    // Labels at (55, 10) and (10, 55): ink in both boxes.
    EXPECT_GT(PocetBarvy(Bila, 55, 10, 80, 25), 5);
    EXPECT_GT(PocetBarvy(Bila, 10, 55, 35, 70), 5);
}

struct RadekMeritka {
    double p;  // pixels per unit
    int W;
    double L;
    int delka;
};

TEST(DelkaMeritka, PowersOfTenHalvedToAFifthOfTheWidth)
{
    const RadekMeritka tabulka[] = {
        {5.5, 600, 10, 55},        // v = 21.8: L = 10
        {27.5, 600, 2, 55},        // v = 4.36: L = 10 -> 275 px, 5 -> 138, 2 -> 55
        {275, 600, 0, 0},          // v < 1: L = 1 is 275 px, halved to 0
        {0.01, 600, 10000, 100},   // v = 12000: L = 1e4
        {120, 600, 1, 120},        // exactly a fifth of the width
        {1e-300, 600, 1e302, 100}, // zoomed far out
        {std::numeric_limits<double>::infinity(), 600, 0, 0},
        {0, 600, 0, 0},
    };
    for (const RadekMeritka& r : tabulka) {
        const TDelkaMeritka d = DelkaMeritka(r.p, r.W);
        EXPECT_NEAR(static_cast<double>(d.L), r.L, r.L * 1e-15) << r.p;
        EXPECT_EQ(d.delka, r.delka) << r.p;
    }
}

TEST_F(KresbaSite, ScaleBarLengthFollowsTheView)
{
    data.body = {Bod("1", 0, 0, false, 0.002, 0.001), Bod("2", 100, 0)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintScale = true;
    k.PaintSettings.PaintElips = false;
    k.PaintSettings.PaintDesc = false;
    // The ellipses themselves are not drawn, the bar is: PaintScale alone.
    k.PaintAll();
    // m = 5.5: a 10 m bar of 55 pixels on row 385 from x 15.
    const int y0 = 385;
    EXPECT_EQ(Pixel(15, y0), Bila);
    EXPECT_EQ(Pixel(69, y0), Bila);
    EXPECT_EQ(Pixel(70, y0 - 4), Bila);  // end stroke
    EXPECT_EQ(Pixel(70, y0 + 5), Bila);
    EXPECT_EQ(Pixel(70, y0 - 5), Cerna);  // its end pixel is left out
    EXPECT_EQ(Pixel(71, y0), Cerna);
    EXPECT_EQ(Pixel(26, y0 - 5), Bila);  // first inner tick at 15 + 11
    EXPECT_EQ(Pixel(26, y0 + 4), Bila);
    // Label "10 m" at (75, 375).
    EXPECT_GT(PocetBarvy(Bila, 75, 375, 110, 392), 5);
    // No ellipse bar without ellipses.
    EXPECT_EQ(PocetBarvy(Bila, 0, y0 - 35, 600, y0 - 15), 0);
}

TEST_F(KresbaSite, EllipseBarSwitchesToTenthsForSmallEllipses)
{
    // With Escale 50000 the ellipse bar has p = 5.5 x 50 = 275 pixels per mm.
    // Largest semi-axis 0.5 mm: tenths, p = 27.5, bar L = 2 (0.2 mm) of 55 pixels.
    data.body = {Bod("1", 0, 0, false, 0.0005, 0.0002), Bod("2", 100, 0)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintScale = true;
    k.PaintSettings.PaintElips = true;
    k.PaintAll();
    const int y = 385 - 25;
    EXPECT_EQ(Pixel(15, y), Bila);
    EXPECT_EQ(Pixel(69, y), Bila);
    EXPECT_EQ(Pixel(71, y), Cerna);
    EXPECT_GT(PocetBarvy(Bila, 75, y - 10, 130, y + 7), 5);  // "0.2 mm"

    // Largest semi-axis 2 mm: whole millimetres; a 1 mm bar of 275 pixels
    // is longer than a fifth of the width and halves to nothing.
    data.body[0].a_delka = 0.002;
    k.PaintAll();
    EXPECT_EQ(PocetBarvy(Bila, 16, y - 6, 600, y + 6), 0);
    EXPECT_EQ(Pixel(15, y), Bila);  // only the start stroke of a zero bar
}

TEST_F(KresbaSite, StronglyZoomedInBarHasNoLengthAndNoLabel)
{
    data.body = {Bod("1", 0, 0), Bod("2", 0.001, 0)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintScale = true;
    k.PaintSettings.PaintElips = false;
    k.PaintAll();
    // m = 550000 px/m: even 1 m is longer than the bar may be.
    EXPECT_EQ(PocetBarvy(Bila, 16, 370, 600, 400), 0);
    EXPECT_EQ(Pixel(15, 385), Bila);
}

TEST_F(KresbaSite, FeetScaleBar)
{
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintScale = true;
    k.PaintSettings.PaintElips = false;
    k.PaintSettings.UnitType = 1;
    k.PaintAll();
    // 5.5 px/m = 1.6764 px/ft: v = 71.6 ft: L = 100 ft = 168 pixels > 120,
    // halved to 50 ft = 84 pixels (83.82 rounded).
    EXPECT_EQ(Pixel(15 + 83, 385), Bila);
    EXPECT_EQ(Pixel(15 + 84, 385 - 4), Bila);
    EXPECT_EQ(Pixel(15 + 85, 385), Cerna);
}

// ---------------------------------------------------------------- far positions

TEST_F(KresbaSite, ZoomedFarInPositionsAreClampedAndLinesStillCrossTheView)
{
    // The view centre lies on the line between the two points.
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0, false, 0.01, 0.01)};
    data.mereni = {Mereni(0, 1)};
    Pripoj();
    for (int i = 0; i < 700; ++i) k.ZoomIn();  // m grows by 1.05^700, about 7e14
    EXPECT_GT(std::fabs(static_cast<double>(k.CalcPixCoords(0)[0])), 1e15);
    k.PaintSettings.PaintDesc = false;
    k.PaintAll();
    EXPECT_EQ(Pixel(300, 200), k.PaintSettings.ColorL);
    EXPECT_EQ(Pixel(300, 199), Cerna);
    EXPECT_EQ(Pixel(0, 200), k.PaintSettings.ColorL);
    EXPECT_EQ(Pixel(599, 200), k.PaintSettings.ColorL);
}

TEST_F(KresbaSite, ZoomStepThatWouldBreakTheScaleIsNotTaken)
{
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0)};
    Pripoj();
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

TEST_F(KresbaSite, MeasurementWithPointIndexOutsideTheNetworkIsSkipped)
{
    data.body = {Bod("1", 0, 0), Bod("2", 100, 0)};
    data.mereni = {Mereni(0, 5), Mereni(-1, 1), Mereni(0, 1)};
    Pripoj();
    JenNic();
    k.PaintSettings.PaintMere = true;
    k.PaintSettings.PaintDesc = false;
    k.PaintAll();
    EXPECT_EQ(PocetBarvy(k.PaintSettings.ColorL, 0, 0, 600, 400), 550);
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
