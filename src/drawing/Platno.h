// The drawing surface of both bitmap drawings (the network and the
// displacements): a QImage painted through QPainter, made to behave like the
// Windows canvas the drawings were laid out for, so that their pixel
// positions hold:
//  - MoveTo / LineTo: a line from A to B leaves out its end pixel B, so a
//    chain of LineTo calls draws every pixel once; a 1-pixel pen draws an
//    exact one-pixel line (Bresenham), a wider pen a line with round ends;
//  - an ellipse in the rectangle (l, t, r, b) covers the columns l .. r-1
//    and the rows t .. b-1, outlined with the pen and filled with the brush;
//  - FillRect(l, t, r, b) fills the columns l .. r-1 and rows t .. b-1;
//  - text is placed by the top-left corner of its cell and painted on a box
//    of the brush colour (opaque text);
//  - no antialiasing of lines, ellipses or glyphs;
//  - colours are 24-bit values $00BBGGRR (red in the low byte).
//
// Positions are pixels (x to the right, y downwards). Real positions are
// brought to whole pixels by ZaokrouhliPixel (nearest, ties to even) and
// Usecka, which first clamp or clip anything far outside the bitmap: a
// strongly zoomed view puts points at 1e12 pixels and more, and NaN
// positions draw nothing.
//
// Fonts: the drawings name Windows fonts ("Times New Roman", "Tahoma"). A
// family that fontconfig knows is used as it is; otherwise its usual
// substitute (serif, sans-serif or monospace; DejaVu is always installed).
// Sizes are points at 96 pixels per inch. Text needs a QGuiApplication; with
// none, text output does nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "numerics/Zaklad.h"

class QImage;
class QPainter;
class QColor;
class QFont;

namespace sitmera {

// A colour $00BBGGRR.
using TColor = std::uint32_t;

// The colour as Qt colour (opaque).
QColor BarvaQt(TColor barva);
// A Qt pixel value (alpha ignored) as $00BBGGRR.
TColor BarvaZRgb(std::uint32_t rgb);

// The family used for a font name: the name itself when fontconfig has it,
// else the installed substitute of its kind, else the name unchanged.
std::string NahradniPismo(const std::string& nazev);

// Pixels beyond the bitmap that positions are clamped to: a shape anchored
// farther out than this cannot reach into the bitmap.
inline constexpr int kOkrajPixelu = 65536;

// A real pixel position taken to the nearest whole pixel (ties to even),
// clamped to -kOkrajPixelu .. rozmer + kOkrajPixelu first; NaN gives
// -kOkrajPixelu (off the bitmap).
int ZaokrouhliPixel(Extended v, int rozmer);

class TPlatno {
public:
    // Pen, brush and font as the next drawing call uses them.
    TColor BarvaPera = 0;
    int SirkaPera = 1;  // pixels; 0 draws as 1
    TColor BarvaStetce = 0xFFFFFF;
    TColor BarvaPisma = 0;
    std::string NazevPisma = "Tahoma";
    int VelikostPisma = 10;  // points at 96 dpi
    bool TucnePismo = false;

    TPlatno();
    ~TPlatno();
    TPlatno(const TPlatno&) = delete;
    TPlatno& operator=(const TPlatno&) = delete;

    // The bitmap drawn on (not owned); may be null, then nothing is drawn.
    void Pripoj(QImage* obraz);
    QImage* Obraz() const { return obraz_; }
    int Width() const;
    int Height() const;

    // Drawing calls between Zacni and the matching Skonci share one painter;
    // the calls nest. Every drawing call works also outside such a pair.
    void Zacni();
    void Skonci();

    void FillRect(int l, int t, int r, int b);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // A line between two real pixel positions, each rounded to the nearest
    // pixel after clipping to the bitmap's surroundings; the end pixel is
    // left out as by LineTo. Moves the pen position to the end.
    void Usecka(Extended x1, Extended y1, Extended x2, Extended y2);
    void Ellipse(int l, int t, int r, int b);
    void TextOut(int x, int y, const std::string& text);
    // Size of the text cell of the current font (pixels); 0 without a
    // QGuiApplication.
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);

    // The colour of a pixel; 0xFFFFFFFF outside the bitmap.
    TColor Pixel(int x, int y) const;

private:
    QImage* obraz_ = nullptr;
    std::unique_ptr<QPainter> painter_;
    int hloubka_ = 0;
    int penX_ = 0;
    int penY_ = 0;

    void NastavPero();
    QFont Pismo() const;
    void CaraPixely(int x1, int y1, int x2, int y2);
};

// Opens the painter of a canvas for a block of drawing calls.
class TKresleni {
public:
    explicit TKresleni(TPlatno& platno) : platno_(platno) { platno_.Zacni(); }
    ~TKresleni() { platno_.Skonci(); }
    TKresleni(const TKresleni&) = delete;
    TKresleni& operator=(const TKresleni&) = delete;

private:
    TPlatno& platno_;
};

}  // namespace sitmera
