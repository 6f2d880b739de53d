// The network drawing: the points of one epoch (fixed points with a circle,
// determined points with a cross, both with their numbers), the measured
// lines with their labels, the error ellipses of the determined points, two
// axis arrows and the scale bars, painted onto a bitmap the network graph
// window owns. The canvas keeps its own view (scale and shift) so that the
// window can pan and zoom.
//
// Axes and units. Drawing coordinates are the X, Y of the drawing data
// (metres), already arranged for the chosen coordinate system: drawing X
// grows to the right and drawing Y downwards, nothing is mirrored here.
// Pixel positions are reals until they are drawn; then they are rounded to
// the nearest pixel (ties to even) after clamping far-away positions (see
// drawing/Platno.h, which also gives the pixel rules of lines, ellipses and
// text). Colours are $00BBGGRR.
//
//   pixel x = (X - Tx) m + W/2 + txx,   pixel y = (Y - Ty) m + H/2 + tyy
//
// with W, H the bitmap's width and height read at every use.
//
// Special cases: a network without points (or no data connected) is drawn
// as the background alone and keeps its view; all coinciding points get the
// range 0.0001 m on both axes; measurement records not in use, or with a
// point index outside the points, are not drawn.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analysis/GrafikaData.h"
#include "drawing/Platno.h"
#include "numerics/Zaklad.h"

class QImage;

namespace sitmera {

// A drawing point or a pixel position: index 0 x, index 1 y.
using T2DPoint = std::array<Extended, 2>;

// An extent (largest and smallest x and y) or a pair of points.
struct TDuoPoint {
    T2DPoint Max{};
    T2DPoint Min{};
};

// A closed error-ellipse polygon: 41 points, the last equal to the first.
using TElipse = std::array<T2DPoint, 41>;

// The view: scale m (pixels per drawing unit), the drawing point (Tx, Ty)
// shown at the bitmap centre before shifting, the pixel shift (txx, tyy).
struct TTransPar {
    Extended m = 1;
    Extended Tx = 0;
    Extended Ty = 0;
    Extended txx = 0;
    Extended tyy = 0;
};

// Drawing parameters of the network drawing (defaults as set by Create).
struct TPaintSettings {
    double zoomF = 1.05;            // zoom step factor
    std::uint8_t CrossSize = 5;     // half length of a point cross (pixels)
    std::uint8_t CircleSize = 3;    // radius of the fixed-point circle (pixels)
    std::uint8_t PenWidthP = 1;     // pen widths (pixels): point symbols,
    std::uint8_t PenWidthL = 1;     // measurement lines,
    std::uint8_t PenWidthE = 1;     // ellipses,
    std::uint8_t PenWidthA = 1;     // axis arrows,
    std::uint8_t PenWidthS = 1;     // scale bars
    TColor ColorF = 0x00FFFF;       // fixed points and their numbers
    TColor ColorA = 0x00FF00;       // determined points and their numbers
    TColor ColorL = 0xC0C0C0;       // measurement lines and labels
    TColor ColorB = 0x000000;       // background
    TColor ColorE = 0xFFFF00;       // ellipses
    std::uint8_t FontSize = 10;     // points
    std::string FontName = "Times New Roman";
    bool FontBold = false;
    double Escale = 50000;          // magnification of the ellipse axes
    Extended s0 = 1.0;              // unit standard deviation multiplying the axes
    bool PaintBody = true;          // draw points
    bool PaintMere = true;          // draw measurement lines
    bool PaintDesc = true;          // draw measurement labels
    bool PaintElips = true;         // draw ellipses
    bool PaintAxes = true;          // draw the axis arrows
    bool PaintScale = true;         // draw the scale bar(s)
    bool AxesType = false;          // true: "+X" on the horizontal arrow
    std::uint8_t UnitType = 0;      // scale-bar unit: 0 metres, 1 feet
};

// Unit names of the scale bars by unit code: lengths "m", "ft"; small units
// of ellipse axes and displacements "mm", "pt".
inline constexpr std::array<const char*, 2> JednotkyDelky = {"m", "ft"};
inline constexpr std::array<const char*, 2> JednotkyMale = {"mm", "pt"};

// Lightness of a colour: (smallest + largest of its 8-bit channels) div 2.
std::uint8_t SvetlostBarvy(TColor barva);

// ---------------------------------------------------------------- view helpers
// Shared by the network and the displacement drawing. W, H: bitmap size.

// Drawing point -> pixel position (not rounded).
T2DPoint PixelZBodu(const TTransPar& tp, const T2DPoint& a, int W, int H);
// Pixel position -> drawing point (the exact inverse).
T2DPoint BodZPixelu(const TTransPar& tp, const T2DPoint& pt, int W, int H);
// The view that fits the extent into the bitmap less 25 pixels on each side
// along its tighter axis: centre of the extent at the bitmap centre, m the
// smaller of (W - 50)/rangeX and (H - 50)/rangeY, a range not above 0.0001
// taken as 0.0001 (and a bitmap narrower than 51 pixels as 51).
TTransPar VychoziPohled(const TDuoPoint& meze, int W, int H);
// Zooms the view about the bitmap centre by faktor. A step that would make
// the scale zero or infinite is not taken.
void ZoomPohledu(TTransPar& tp, Extended faktor, int W, int H);
// Ellipse polygon around (X, Y): for k = 0..40, t = k 2 pi / 40,
//   x = X + (a cos t cos phi - b sin t sin phi) nasobek,
//   y = Y + (a cos t sin phi + b sin t cos phi) nasobek;
// a, b semi-axes, phi the bearing of a (radians, from the x axis towards y).
// Point 40 is set equal to point 0.
TElipse PolygonElipsy(Extended X, Extended Y, Extended a, Extended b, Extended phi,
                      Extended nasobek);

// Length of a scale bar: p pixels per unit of the bar; v = (W/5)/p, at least
// 1; L = 10^round(log10 v); delka = round(L p); while round(W/5) < delka, L is
// halved (L := round(L) div 2) and delka recomputed. L may end at 0 (then
// delka 0).
struct TDelkaMeritka {
    Extended L = 0;
    int delka = 0;  // pixels
};
TDelkaMeritka DelkaMeritka(Extended p, int W);

// Draws the two axis arrows with their labels in the current pen and font
// (AxesType true: "+X" at the horizontal arrow).
void KresliOsy(TPlatno& platno, bool AxesType);
// Draws a scale bar of delka pixels at x 15, height y0: end strokes, the bar,
// four inner ticks, and the label (when not empty) at (20 + delka, y0 - vyskaPisma).
void KresliMeritko(TPlatno& platno, int y0, int delka, const std::string& popis, int vyskaPisma);

// ---------------------------------------------------------------- the canvas

class TContainer {
public:
    const TgrafikaData* data = nullptr;  // network to draw (not owned)
    QImage* Bitmap = nullptr;            // drawing target (not owned)
    TTransPar TransPar;                  // current view
    TPaintSettings PaintSettings;
    TPlatno Canvas;                      // pen, brush and font of the bitmap

    TContainer() = default;
    TContainer(const TContainer&) = delete;
    TContainer& operator=(const TContainer&) = delete;

    void ConnectBitmap(QImage* bmp);
    void ConnectData(const TgrafikaData& gd);

    // Fits the whole network into the bitmap (see VychoziPohled); without
    // points or bitmap the view stays.
    void CalcDefView();
    // Largest and smallest X and Y over all points (metres); all 0 without
    // points.
    TDuoPoint CalcCoordLimits() const;
    // Mean X and mean Y over all points (metres); 0, 0 without points.
    T2DPoint CalcCoordCenter() const;
    // Drawing point (metres) -> pixel position, not rounded.
    T2DPoint CalcPixCoordsXY(const T2DPoint& a) const;
    // Pixel position of point i. Throws ChybaArgumentu for an index outside
    // the points.
    T2DPoint CalcPixCoords(int i) const;
    // Pixel position -> drawing point (metres).
    T2DPoint DeCalcPicCoords(const T2DPoint& pt) const;

    // Pans by (dx, dy) pixels.
    void Trans(int dx, int dy);
    // Zooms about the bitmap centre by faktor, zoomF, 1 / zoomF.
    void Zoom(double faktor);
    void ZoomIn();
    void ZoomOut();

    // Fills the whole bitmap with ColorB.
    void ClearBitmap();
    // Redraws everything: background, then measurement lines, ellipses,
    // points, axes and scale bars, each when its switch is set.
    void PaintAll();

    void PaintPoints();
    void PaintPoint(int i);
    // Fixed-point symbol at pixel (x, y): number at (x + c + 2, y + c + 1),
    // circle of radius c = CircleSize, cross of half length k = CrossSize.
    void PPF(const std::string& num, int x, int y);
    // Determined-point symbol: number at (x + 2, y + 1), cross of half length k.
    void PPA(const std::string& num, int x, int y);

    void PaintMereni();
    // Line between points a and b (indexes) and, when PaintDesc, the label.
    void PaintMer(int a, int b, const std::string& descr);
    // Label of record i: smer:zenit:delkaS, then (delkaH:smernik:prevyseni)
    // when any of those three is above 0.
    std::string CreateMereStr(int i) const;

    // Line between two pixel positions, each taken to the nearest pixel.
    void Line(const T2DPoint& a, const T2DPoint& b);
    // The same in ColorL (pen and font), then the label by Txt.
    void Line(const T2DPoint& a, const T2DPoint& b, const std::string& descr);
    // Writes descr with its top-left corner at the rounded midpoint of a, b.
    void Txt(const T2DPoint& a, const T2DPoint& b, const std::string& descr);

    void PaintElipses();
    void PaintElipse(int i, Extended mm, Extended s0);
    // Ellipse polygon of point i (drawing units) with the axes multiplied by
    // mm and s0. Throws ChybaArgumentu for an index outside the points.
    TElipse CalcElipse(int i, Extended mm, Extended s0) const;
    // Largest and smallest ellipse semi-axis over all points (metres),
    // fixed ones included; both 0 without points.
    void CalcExtremeElipse(Extended& maxE, Extended& minE) const;

    void PaintAxes();
    void PaintScale();

private:
    int PocetBodu() const;
    int PocetMereni() const;
    bool Platny(int i) const { return i >= 0 && i < PocetBodu(); }
};

}  // namespace sitmera
