// The displacement drawing: the identical points of the comparison with
// their error ellipses, the horizontal displacement vectors with their limit
// deviations and the vertical displacements with theirs (each vector
// coloured by its significance), axis arrows and two scale bars, painted
// onto a bitmap the displacement graph window owns.
//
// It is the twin of the network drawing (drawing/Container.h): the view, the
// transform, the default view, zoom and pan, the point cross, the ellipse
// polygon, the axis arrows and the scale-bar construction are shared (the
// base TKresbaBitmapy and the view helpers there). It draws the model's
// copies for the drawing: point i is bodyGrafika point i and its
// displacement posunyGrafika record i (i < pocet), already arranged
// for the chosen coordinate system; drawing X grows to the right, drawing Y
// downwards; stoceniOs of posunyGrafika is the axis rotation r (radians).
//
// Units: coordinates and displacements in metres; vectors, limits and
// ellipses are magnified by zvetseni; bearings in radians (from the X axis
// towards Y). A rise (positive Z) is drawn upwards.
//
// Special cases: a model without points is drawn as the background alone
// and keeps its view; records whose value or limit is 0, or whose ellipse
// is not set (a_delka not above 0), draw nothing of that kind; a point fixed
// in both epochs gets no ellipse but is still drawn as a point.
#pragma once

#include <cstdint>
#include <string>

#include "analysis/ModelPosuny.h"
#include "analysis/Posuny.h"
#include "drawing/Container.h"
#include "drawing/Platno.h"
#include "numerics/Zaklad.h"

class QImage;

namespace sitmera {

// Drawing parameters of the displacement drawing (defaults as set by Create).
struct TPaintSettingsPosun {
    double zoomF = 1.05;                         // zoom step factor
    std::uint8_t SizeBod = 4;                    // half length of the point cross (pixels)
    std::uint8_t SizePosunHzHodnota = 10;        // arrow-head size of horizontal vectors
    std::uint8_t SizePosunHzMezOdchylka = 4;     // end mark of horizontal limits
    std::uint8_t SizePosunZHodnota = 3;          // end bar of vertical vectors
    std::uint8_t SizePosunZMezOdchylka = 4;      // end mark of vertical limits
    std::uint8_t PenWidthBod = 1;                // pen widths (pixels)
    std::uint8_t PenWidthElipsa = 1;
    std::uint8_t PenWidthPosunHzHodnota = 1;
    std::uint8_t PenWidthPosunHzMezOdchylka = 1;
    std::uint8_t PenWidthPosunZHodnota = 1;
    std::uint8_t PenWidthPosunZMezOdchylka = 1;
    std::uint8_t PenWidthOsa = 1;
    std::uint8_t PenWidthMeritko = 1;
    TColor ColorBod = 0x00FF00;                  // points and numbers
    TColor ColorElipsa = 0xFFFF00;               // ellipses
    TColor ColorPosunHzHodnota = 0x008000;       // horizontal vector, not significant
    TColor ColorPosunHzHodnotaVyznamna = 0x0000FF;  // horizontal vector, significant
    TColor ColorPosunHzMezOdchylka = 0xC0C0C0;   // horizontal limit deviation
    TColor ColorPosunZHodnota = 0x008000;        // vertical vector, not significant
    TColor ColorPosunZHodnotaVyznamna = 0x0000FF;   // vertical vector, significant
    TColor ColorPosunZMezOdchylka = 0xC0C0C0;    // vertical limit deviation
    TColor ColorPozadi = 0x000000;               // background
    double zvetseni = 50000;                     // magnification of vectors, limits, ellipses
    std::uint8_t presnost = 0;                   // 0 a priori, 1 a posteriori
    std::uint8_t typHzPosunu = 2;                // 0 X, 1 Y, 2 horizontal length with bearing
    bool kreslitBod = false;                     // draw switches
    bool kreslitElipsa = false;
    bool kreslitPosunHzHodnota = false;
    bool kreslitPosunHzMezOdchylka = false;
    bool kreslitPosunZHodnota = false;
    bool kreslitPosunZMezOdchylka = false;
    bool kreslitOsa = false;
    bool kreslitMeritko = false;
    std::uint8_t FontSize = 10;                  // points
    std::string FontName = "Tahoma";
    bool FontBold = false;
    bool AxesType = true;                        // true: "+X" on the horizontal arrow
    std::uint8_t UnitTypeSouradnice = 0;         // coordinate bar: 0 metres, 1 feet
    std::uint8_t UnitTypePosun = 0;              // displacement bar: 0 millimetres, 1 points
};

// The pair origin (X, Y) (as Min) and tip (X + cos(uhel) hodnota meritko,
// Y + sin(uhel) hodnota meritko) (as Max); drawing units, uhel in radians.
TDuoPoint PolarniBod(Extended meritko, Extended hodnota, Extended uhel, Extended X, Extended Y);

// Horizontal quantity of a displacement by typHzPosunu (h = hodnota, r the
// axis rotation, radians):
//   0: |h.X|, angle pi when h.X < 0 else 0, plus r;
//   1: |h.Y|, angle 3 pi / 2 when h.Y < 0 else pi / 2, minus r;
//   2: h.delkaH at the bearing h.smernik;
//   other: value 0 (and angle 0).
// The DXF export passes -r (its rotation enters with the opposite sign).
void SmerPosunuHz(const Tposun& posun, int typHzPosunu, Extended r, Extended& hodnota,
                  Extended& uhel);
// The matching limit deviation (metres) of typ (0 a priori, 1 a posteriori):
// the X, Y or delkaH component; 0 for another kind.
Extended MezPosunuHz(const Tposun& posun, int typHzPosunu, int typ);
// The matching significance flag of typ; false for another kind.
bool VyznamnostPosunuHz(const Tposun& posun, int typHzPosunu, int typ);
// h.Z counts as zero (the same-value test against 0, tolerance 1e-16).
bool JeNulovyPosunZ(const Tposun& posun);

// Ellipse polygon (drawing units) of the ellipse of typ (0 a priori, 1 a
// posteriori) of a displacement record around its point, axes multiplied by
// nasobek.
TElipse PolygonElipsyPosunu(const Tbod& bod, const Tposun& posun, int typ, Extended nasobek);

class TcontainerPosun : public TKresbaBitmapy {
public:
    const TmodelPosuny* data = nullptr;  // the comparison result (not owned)
    TPaintSettingsPosun PaintSettings;
    // Bitmap, TransPar, Canvas, ConnectBitmap, CalcPixCoordsXY,
    // DeCalcPicCoords, Trans, Zoom and Line: see TKresbaBitmapy.

    TcontainerPosun() = default;

    void ConnectData(const TmodelPosuny& posuny);

    // As the network drawing, over the points of bodyGrafika.
    void CalcDefView();
    TDuoPoint CalcCoordLimits() const;
    T2DPoint CalcCoordCenter() const;
    // Throws ChybaArgumentu for an index outside the points.
    T2DPoint CalcPixCoords(int i) const;
    void ZoomIn();
    void ZoomOut();

    // Fills the whole bitmap with ColorPozadi.
    void ClearBitmap();
    // Background, then ellipses, vertical limits, vertical vectors,
    // horizontal limits, horizontal vectors, points, axes, scale bars, each
    // when its switch is set.
    void PaintAll();

    void PaintPoints();
    void PaintPoint(int i);
    // Point symbol: number at (x + 2, y + 1), cross of half length SizeBod.
    void PPA(const std::string& num, int x, int y);

    void PaintElipses();
    void PaintElipse(int i, Extended mm, int typ);
    // Ellipse polygon (drawing units) of record i's ellipse of typ (0 a
    // priori, 1 a posteriori) around point i, axes multiplied by mm.
    TElipse CalcElipse(int i, Extended mm, int typ) const;

    void PaintPosunyHzHodnota();
    void PaintPosunHzHodnota(int i);
    void PaintPosunyHzMezOdchylka();
    void PaintPosunHzMezOdchylka(int i);
    void PaintPosunyZHodnota();
    void PaintPosunZHodnota(int i);
    void PaintPosunyZMezOdchylka();
    void PaintPosunZMezOdchylka(int i);
    // A stroke from the tip body.Max (pixels) of length delka + 1 in the
    // direction from the tip back to the origin body.Min turned by uhel
    // (radians).
    void poloprimka(const TDuoPoint& body, Extended uhel, Extended delka);

    void PaintAxes();
    void PaintScale();
    // Zooms out and repaints while the top or the bottom pixel row holds
    // anything but the background; at most kZallKroku steps.
    void Zall();
    static constexpr int kZallKroku = 200;

private:
    int Pocet() const;
    bool Platny(int i) const { return i >= 0 && i < Pocet(); }
    const Tposun& Posun(int i) const { return data->posunyGrafika.zaznam[i]; }
    const Tbod& Bod(int i) const { return data->bodyGrafika.bod[i]; }
    T2DPoint BodXY(int i) const { return {Bod(i).X, Bod(i).Y}; }
    // Record i; throws ChybaArgumentu for an index outside the points.
    const Tposun& PlatnyPosun(int i) const;
    // Horizontal value and angle of record i (SmerPosunuHz, rotation stoceniOs).
    void SmerHz(int i, Extended& hodnota, Extended& uhel) const;
    // The vertical stroke of v (metres, magnified by zvetseni) from point i,
    // drawing units: origin Min at the point, tip Max; a positive v points
    // up the bitmap, against drawing Y.
    TDuoPoint SvislyVektor(int i, Extended v) const;
    // Draws the stroke d (drawing units: origin Min, tip Max) in the current
    // pen and gives it in pixels, for the marks at its tip (poloprimka).
    TDuoPoint Vektor(const TDuoPoint& d);
};

}  // namespace sitmera
