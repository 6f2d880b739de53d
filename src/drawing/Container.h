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
// point index outside the points, and ellipses not set (a_delka not above
// 0) are not drawn.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analysis/GrafikaData.h"
#include "drawing/BodyKresby.h"
#include "drawing/Platno.h"
#include "numerics/Zaklad.h"

class QImage;

namespace sitmera {

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
//   x = X + (a cos t cos phi - b sin t sin phi) nasobek nasobek2,
//   y = Y + (a cos t sin phi + b sin t cos phi) nasobek nasobek2;
// a, b semi-axes, phi the bearing of a (radians, from the x axis towards y);
// the two factors (magnification, unit deviation) are applied one after the
// other, in this order. Point 40 is set equal to point 0.
TElipse PolygonElipsy(Extended X, Extended Y, Extended a, Extended b, Extended phi,
                      Extended nasobek, Extended nasobek2 = 1);
// An ellipse is drawn only when its size is set: a major semi-axis a_delka
// (metres) not above 0 (-1 marks "not set") draws nothing, on the canvases
// and in the DXF drawings alike.
inline bool JeElipsaNastavena(Extended a_delka) { return a_delka > 0; }

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

// Label of a measurement record, in the bitmap and in the DXF drawing alike:
// smer:zenit:delkaS, then (delkaH:smernik:prevyseni) when any of those three
// is above 0.
std::string PopisMereni(const TgrafikaZaznam& z);

// ---------------------------------------------------------------- the canvas base

// What the network and the displacement drawing share: the bitmap, its
// canvas and the view, the transform between drawing points (metres) and
// pixel positions, pan and zoom, and the drawing steps both use. Both
// drawings derive from it; it is never used on its own.
class TKresbaBitmapy {
public:
    QImage* Bitmap = nullptr;  // drawing target (not owned)
    TTransPar TransPar;        // current view
    TPlatno Canvas;            // pen, brush and font of the bitmap

    TKresbaBitmapy(const TKresbaBitmapy&) = delete;
    TKresbaBitmapy& operator=(const TKresbaBitmapy&) = delete;

    void ConnectBitmap(QImage* bmp);
    // Drawing point (metres) -> pixel position, not rounded.
    T2DPoint CalcPixCoordsXY(const T2DPoint& a) const;
    // Pixel position -> drawing point (metres).
    T2DPoint DeCalcPicCoords(const T2DPoint& pt) const;
    // Pans by (dx, dy) pixels.
    void Trans(int dx, int dy);
    // Zooms about the bitmap centre by faktor (see ZoomPohledu).
    void Zoom(double faktor);
    // Line between two pixel positions, each taken to the nearest pixel.
    void Line(const T2DPoint& a, const T2DPoint& b);

protected:
    TKresbaBitmapy() = default;
    ~TKresbaBitmapy() = default;

    // Fills the whole bitmap with pozadi.
    void VyplnPozadi(TColor pozadi);
    // Pen and font colour.
    void NastavBarvu(TColor barva);
    // The ink of axes and scale bars, white on a dark brush (lightness below
    // 127) and black otherwise, and the pen width sirkaPera (pixels).
    void NastavInkoust(int sirkaPera);
    // A pixel position taken to the nearest pixel of the bitmap.
    void NaPixel(const T2DPoint& p, int& x, int& y);
    // kresli(i) for i = 0 .. pocet - 1 in one painter block, pen width
    // sirkaPera (pixels).
    template <class F>
    void ProKazdyBod(int sirkaPera, int pocet, F kresli)
    {
        Canvas.Pripoj(Bitmap);
        TKresleni k(Canvas);
        Canvas.SirkaPera = sirkaPera;
        for (int i = 0; i < pocet; ++i) kresli(i);
    }
    // Cross at pixel (x, y), arms kr pixels long to each side.
    void Kriz(int x, int y, int kr);
    // A point number at (x + 2, y + 1) and the cross of arm kr at (x, y).
    void ZnackaBodu(const std::string& num, int x, int y, int kr);
    // The closed polygon e (drawing units) as its 40 sides.
    void KresliPolygon(const TElipse& e);
    // The axis arrows in the ink, pen width sirkaPera.
    void KresliOsyInkoustem(int sirkaPera, bool AxesType);
    // Scale bars; both need a bitmap. The coordinate bar 15 pixels above
    // the bottom edge, in the unit jednotka (0 metres, 1 feet).
    void MeritkoDelky(std::uint8_t jednotka, int vyskaPisma);
    // The bar of a small unit 25 pixels above that: p pixels per unit of its
    // L, labelled L faktor in the small unit of jednotka (0 mm, 1 pt).
    void MeritkoMalych(Extended p, Extended faktor, std::uint8_t jednotka, int vyskaPisma);
};

// ---------------------------------------------------------------- the canvas

class TContainer : public TKresbaBitmapy {
public:
    const TgrafikaData* data = nullptr;  // network to draw (not owned)
    TPaintSettings PaintSettings;
    // Bitmap, TransPar, Canvas, ConnectBitmap, CalcPixCoordsXY,
    // DeCalcPicCoords, Trans, Zoom and Line(a, b): see TKresbaBitmapy.

    TContainer() = default;

    void ConnectData(const TgrafikaData& gd);

    // Fits the whole network into the bitmap (see VychoziPohled); without
    // points or bitmap the view stays.
    void CalcDefView();
    // Largest and smallest X and Y over all points (metres); all 0 without
    // points.
    TDuoPoint CalcCoordLimits() const;
    // Mean X and mean Y over all points (metres); 0, 0 without points.
    T2DPoint CalcCoordCenter() const;
    // Pixel position of point i. Throws ChybaArgumentu for an index outside
    // the points.
    T2DPoint CalcPixCoords(int i) const;

    // Zooms about the bitmap centre by zoomF, 1 / zoomF.
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
    // Label of record i (see PopisMereni). Throws ChybaArgumentu for an index
    // outside the records.
    std::string CreateMereStr(int i) const;

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
    T2DPoint BodXY(int i) const { return {data->body[i].X, data->body[i].Y}; }
};

}  // namespace sitmera
