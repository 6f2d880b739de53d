#include "ui/layer/Bunky.h"

#include <QBrush>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>

#include "ui/layer/OknoPomocne.h"

namespace sitmera {

const std::array<QColor, 12> barvyTabulky = {
    QColor(89, 190, 77),   QColor(238, 92, 92),   QColor(255, 165, 0),   QColor(72, 143, 237),
    QColor(128, 0, 128),   QColor(238, 255, 221), QColor(221, 238, 255), QColor(255, 210, 210),
    QColor(128, 128, 128), QColor(160, 160, 164), QColor(255, 255, 255), QColor(0, 0, 0),
};

namespace {

int Prava(const QRect& r) { return r.x() + r.width(); }
int Spodni(const QRect& r) { return r.y() + r.height(); }

}  // namespace

Platno::Platno(QPainter& painter) : painter_(painter)
{
    pismo = painter.font();
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

// The pixels of a line go to the painter in one call, as rectangles of one
// pixel filled as fillRect fills them (so also on a screen that scales the
// pixels); the painter's pen and brush are left as they were.
void Platno::Body(const std::vector<QRect>& body)
{
    if (body.empty()) return;
    const QPen pero = painter_.pen();
    const QBrush stetec = painter_.brush();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(barvaPera);
    painter_.drawRects(body.data(), static_cast<int>(body.size()));
    painter_.setPen(pero);
    painter_.setBrush(stetec);
}

void Platno::MoveTo(int x, int y)
{
    x_ = x;
    y_ = y;
}

void Platno::LineTo(int x, int y)
{
    // A solid horizontal or vertical line is one rectangle of the pixels it
    // steps on: from the current point towards (x, y), the end excluded.
    if (stylPera == TstylPera::plny && (x == x_ || y == y_) && !(x == x_ && y == y_)) {
        // First and last pixel on each axis (the end pixel left out).
        const int x1 = x > x_ ? x - 1 : x < x_ ? x + 1 : x;
        const int y1 = y > y_ ? y - 1 : y < y_ ? y + 1 : y;
        painter_.fillRect(std::min(x_, x1), std::min(y_, y1), std::abs(x1 - x_) + 1, std::abs(y1 - y_) + 1,
                          barvaPera);
        x_ = x;
        y_ = y;
        return;
    }
    // Pixel steps from the current point towards (x, y), the end excluded
    // (Bresenham; a dotted pen draws every second one), drawn together.
    body_.clear();
    int x0 = x_, y0 = y_;
    const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    int krok = 0;
    while (!(x0 == x && y0 == y)) {
        if (stylPera == TstylPera::plny || krok % 2 == 0) body_.emplace_back(x0, y0, 1, 1);
        ++krok;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    Body(body_);
    x_ = x;
    y_ = y;
}

void Platno::FillRect(int left, int top, int right, int bottom)
{
    if (right > left && bottom > top) painter_.fillRect(left, top, right - left, bottom - top, barvaStetce);
}

void Platno::TextVpravo(int x, int y, const std::string& text)
{
    painter_.setFont(pismo);
    painter_.setPen(barvaPisma);
    const QFontMetrics fm(pismo);
    const QString t = Q(text);
    painter_.drawText(x - fm.horizontalAdvance(t), y + fm.ascent(), t);
}

void KresliTextBunkyVpravo(Platno& c, const QRect& bunka, const std::string& text)
{
    c.FillRect(bunka.x(), bunka.y(), Prava(bunka) - 1, Spodni(bunka));
    c.painter().save();
    c.painter().setClipRect(QRect(bunka.x(), bunka.y(), bunka.width() - 1, bunka.height()));
    c.TextVpravo(Prava(bunka) - 2, bunka.y() + 2, text);
    c.painter().restore();
}

void KresliBeznouBunku(Platno& c, const QRect& bunka)
{
    c.pismo.setBold(false);
    c.barvaPisma = barvyTabulky[11];
    c.barvaStetce = barvyTabulky[10];
    c.FillRect(bunka.x(), bunka.y(), Prava(bunka), Spodni(bunka));
    c.barvaPera = barvyTabulky[11];
    c.stylPera = TstylPera::plny;
    c.MoveTo(Prava(bunka) - 1, bunka.y());
    c.LineTo(Prava(bunka) - 1, Spodni(bunka));
}

void KresliTeckovanyRamecek(Platno& c, const QRect& bunka, bool kreslit)
{
    if (!kreslit) return;
    const TstylPera styl = c.stylPera;
    c.barvaPera = barvyTabulky[11];
    c.stylPera = TstylPera::teckovany;
    c.MoveTo(bunka.x(), bunka.y() + 1);
    c.LineTo(Prava(bunka), bunka.y() + 1);
    c.MoveTo(bunka.x(), Spodni(bunka) - 2);
    c.LineTo(Prava(bunka), Spodni(bunka) - 2);
    c.stylPera = styl;
}

void KresliSpodniOkraj(Platno& c, const QRect& bunka, const QColor& barva, TstylPera styl, bool a, bool b)
{
    c.barvaPera = barva;
    c.stylPera = styl;
    if (a && b) {
        c.MoveTo(bunka.x(), Spodni(bunka) - 1);
        c.LineTo(Prava(bunka), Spodni(bunka) - 1);
        c.barvaStetce = barva;
    }
}

void KresliPravyOkraj(Platno& c, const QRect& bunka, const QColor& barva, TstylPera styl, bool kreslit)
{
    c.barvaPera = barva;
    c.stylPera = styl;
    if (kreslit) {
        c.MoveTo(Prava(bunka) - 1, Spodni(bunka));
        c.LineTo(Prava(bunka) - 1, bunka.y() - 2);
    }
}

void KresliVodorovnouCaru(Platno& c, const QRect& bunka, const QColor& barva, TstylPera styl, bool kreslit,
                          int odsazeni)
{
    c.barvaPera = barva;
    c.stylPera = styl;
    if (kreslit) {
        c.MoveTo(bunka.x() - 1, Spodni(bunka) - odsazeni);
        c.LineTo(Prava(bunka) + 1, Spodni(bunka) - odsazeni);
    }
    c.stylPera = TstylPera::plny;
}

void NastavBarvuPozadiBunky(Platno& c, const QColor& barva, bool a, bool b)
{
    if (a && b) c.barvaStetce = barva;
}

void KresliTrojuhelnik(Platno& c, const QRect& bunka, const QColor& barva, bool a, bool b)
{
    if (!(a && b)) return;
    c.barvaPera = barva;
    c.stylPera = TstylPera::plny;
    for (int i = 0; i <= 7; ++i) {
        c.MoveTo(bunka.x() + 2 + i, Spodni(bunka) - 2 - i);
        c.LineTo(bunka.x() + 2 + i, bunka.y() + 1 + i);
    }
}

namespace {

void Pruh(Platno& c, const QRect& bunka, const QColor& barva, int x)
{
    c.barvaPera = barva;
    c.stylPera = TstylPera::plny;
    for (int dx = 0; dx < 2; ++dx) {
        c.MoveTo(bunka.x() + x + dx, Spodni(bunka) - 3);
        c.LineTo(bunka.x() + x + dx, bunka.y() + 1);
    }
}

}  // namespace

void KresliPruhVlevo(Platno& c, const QRect& bunka, const QColor& barva, bool a, bool b)
{
    if (a && b) Pruh(c, bunka, barva, 2);
}

void KresliPruhVlevo2(Platno& c, const QRect& bunka, const QColor& barva, bool a, bool b)
{
    if (a && b) Pruh(c, bunka, barva, 6);
}

void KresliPismenoF(Platno& c, const QRect& bunka, const QColor& barva, bool a, bool b)
{
    if (!(a && b)) return;
    c.barvaPera = barva;
    c.stylPera = TstylPera::plny;
    const int left = bunka.x(), top = bunka.y(), bottom = Spodni(bunka);
    c.MoveTo(left + 3, bottom - 5);
    c.LineTo(left + 3, top + 4);
    c.LineTo(left + 7, top + 4);
    c.MoveTo(left + 3, bottom - 10);
    c.LineTo(left + 6, bottom - 10);
}

}  // namespace sitmera
