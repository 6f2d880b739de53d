// Cell painting of the grid windows: the shared colour table and the cell
// painters.
//
// `Platno` is the drawing state of one cell paint, in the manner of a canvas
// with a current pen, brush and font: painters set the pen or brush and the
// ones after them use it. Lines follow the canvas convention the painters are
// written for: MoveTo/LineTo draw from the start pixel up to, but not
// including, the end pixel. A cell rectangle has exclusive right and bottom
// edges: the cell covers x = left .. right - 1 and y = top .. bottom - 1,
// where right = QRect::x() + width() and bottom = QRect::y() + height().
// All sizes are pixels; pen width is 1 throughout.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include <array>
#include <string>
#include <vector>

class QPainter;

namespace sitmera {

// The 12 grid colours: 0 green, 1 red, 2 orange, 3 blue, 4 purple,
// 5 light green, 6 light blue, 7 light red (selected rows), 8 grey, 9 grey,
// 10 white, 11 black (text).
extern const std::array<QColor, 12> barvyTabulky;

// Pen styles of the painters.
enum class TstylPera { plny, teckovany };

class Platno {
public:
    explicit Platno(QPainter& painter);

    QColor barvaPera{Qt::black};
    TstylPera stylPera = TstylPera::plny;
    QColor barvaStetce{Qt::white};
    QFont pismo;
    QColor barvaPisma{Qt::black};

    // Current point and a line from it to (x, y), without the end pixel; a
    // dotted pen draws every second pixel, starting with the first.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Fills the rectangle (exclusive right and bottom edges) with the brush.
    void FillRect(int left, int top, int right, int bottom);
    // Text with its right edge at x and its top at y, in the font and font
    // colour (no background).
    void TextVpravo(int x, int y, const std::string& text);

    QPainter& painter() { return painter_; }

private:
    void Body(const std::vector<QRect>& body);
    QPainter& painter_;
    std::vector<QRect> body_;  // the pixels of a line, drawn together
    int x_ = 0;
    int y_ = 0;
};

// The cell's text right-aligned at (right - 2, top + 2) over the brush colour
// (the cell is filled up to its right-edge line first).
void KresliTextBunkyVpravo(Platno& c, const QRect& bunka, const std::string& text);

// Normal data cell: font not bold, font colour black, white (window) brush,
// the cell filled and a solid line down the right edge in black.
void KresliBeznouBunku(Platno& c, const QRect& bunka);

// When asked: dotted black lines along the top (y = top + 1) and the bottom
// (y = bottom - 2) of the cell; marks the current row.
void KresliTeckovanyRamecek(Platno& c, const QRect& bunka, bool kreslit);

// Sets the pen; when a and b: a line along the bottom edge (y = bottom - 1)
// from left to right, and the brush takes the colour.
void KresliSpodniOkraj(Platno& c, const QRect& bunka, const QColor& barva, TstylPera styl, bool a, bool b);

// Sets the pen; when asked a line down the right edge (x = right - 1) from
// bottom to top - 2.
void KresliPravyOkraj(Platno& c, const QRect& bunka, const QColor& barva, TstylPera styl, bool kreslit);

// Sets the pen; when asked a horizontal line from left - 1 to right + 1 at
// y = bottom - odsazeni; the pen style is set back to solid.
void KresliVodorovnouCaru(Platno& c, const QRect& bunka, const QColor& barva, TstylPera styl, bool kreslit,
                          int odsazeni);

// When a and b: the brush (background) colour.
void NastavBarvuPozadiBunky(Platno& c, const QColor& barva, bool a, bool b);

// When a and b: a filled right-pointing triangle at the left edge: vertical
// lines at x = left + 2 + i from bottom - 2 - i to top + 1 + i, i = 0..7.
void KresliTrojuhelnik(Platno& c, const QRect& bunka, const QColor& barva, bool a, bool b);

// When a and b: a 2-pixel bar: vertical lines at x = left + 2 and left + 3
// from bottom - 3 to top + 1.
void KresliPruhVlevo(Platno& c, const QRect& bunka, const QColor& barva, bool a, bool b);

// The same bar at x = left + 6 and left + 7 (second mark).
void KresliPruhVlevo2(Platno& c, const QRect& bunka, const QColor& barva, bool a, bool b);

// When a and b: a small letter F: stem at x = left + 3 from bottom - 5 to
// top + 4, top bar at y = top + 4 to x = left + 7, middle bar at
// y = bottom - 10 to x = left + 6.
void KresliPismenoF(Platno& c, const QRect& bunka, const QColor& barva, bool a, bool b);

}  // namespace sitmera
