#include "drawing/Platno.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

#include "numerics/TextSoubor.h"

namespace sitmera {

QColor BarvaQt(TColor barva)
{
    return QColor(static_cast<int>(barva & 0xFF), static_cast<int>((barva >> 8) & 0xFF),
                  static_cast<int>((barva >> 16) & 0xFF));
}

TColor BarvaZRgb(std::uint32_t rgb)
{
    // QRgb is 0xAARRGGBB.
    const TColor r = (rgb >> 16) & 0xFF;
    const TColor g = (rgb >> 8) & 0xFF;
    const TColor b = rgb & 0xFF;
    return r | (g << 8) | (b << 16);
}

namespace {

// Kind of a Windows font: 0 sans-serif, 1 serif, 2 monospace.
int DruhPisma(const std::string& malym)
{
    static const std::array<const char*, 12> patkove = {
        "times new roman", "times",     "georgia", "garamond",         "book antiqua",
        "palatino linotype", "palatino", "cambria", "century schoolbook", "bookman old style",
        "ms serif",        "constantia"};
    static const std::array<const char*, 7> neproporcionalni = {
        "courier new", "courier", "consolas", "lucida console", "fixedsys", "terminal", "lucida sans typewriter"};
    for (const char* n : patkove)
        if (malym == n) return 1;
    for (const char* n : neproporcionalni)
        if (malym == n) return 2;
    return 0;
}

}  // namespace

std::string NahradniPismo(const std::string& nazev)
{
    if (qGuiApp == nullptr) return nazev;
    static std::map<std::string, std::string> pamet;
    const auto nalezeno = pamet.find(nazev);
    if (nalezeno != pamet.end()) return nalezeno->second;

    const QStringList rodiny = QFontDatabase::families();
    auto existuje = [&rodiny](const std::string& r) {
        return rodiny.contains(QString::fromStdString(r), Qt::CaseInsensitive);
    };
    std::string vysledek = nazev;
    if (!existuje(nazev)) {
        static const std::array<std::array<const char*, 3>, 3> nahrady = {{
            {"DejaVu Sans", "Liberation Sans", "Sans Serif"},
            {"Liberation Serif", "DejaVu Serif", "Serif"},
            {"Liberation Mono", "DejaVu Sans Mono", "Monospace"},
        }};
        for (const char* n : nahrady[DruhPisma(MalaPismena(nazev))]) {
            if (existuje(n)) {
                vysledek = n;
                break;
            }
        }
    }
    pamet.emplace(nazev, vysledek);
    return vysledek;
}

int ZaokrouhliPixel(Extended v, int rozmer)
{
    const Extended dolni = -kOkrajPixelu;
    const Extended horni = static_cast<Extended>(rozmer) + kOkrajPixelu;
    if (std::isnan(v)) return -kOkrajPixelu;
    v = std::clamp(v, dolni, horni);
    return static_cast<int>(std::nearbyint(v));
}

namespace {

// Clips the segment (x1, y1)-(x2, y2) to the rectangle [xmin, xmax] x
// [ymin, ymax] (Liang-Barsky). False when nothing of it lies inside or a
// coordinate is NaN; the clipped ends replace the given ones.
bool OrizniUsecku(Extended& x1, Extended& y1, Extended& x2, Extended& y2, Extended xmin,
                  Extended ymin, Extended xmax, Extended ymax)
{
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return false;
    const Extended dx = x2 - x1;
    const Extended dy = y2 - y1;
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        // Infinite ends: only an axis-parallel line can be placed.
        if (std::isinf(x1) || std::isinf(y1)) return false;
        x2 = std::clamp(x2, xmin, xmax);
        y2 = std::clamp(y2, ymin, ymax);
        if (x1 < xmin || x1 > xmax || y1 < ymin || y1 > ymax) return false;
        return true;
    }
    Extended t0 = 0;
    Extended t1 = 1;
    const Extended p[4] = {-dx, dx, -dy, dy};
    const Extended q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const Extended r = q[i] / p[i];
        if (p[i] < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
    }
    const Extended ax = x1 + t0 * dx;
    const Extended ay = y1 + t0 * dy;
    const Extended bx = t1 < 1 ? x1 + t1 * dx : x2;
    const Extended by = t1 < 1 ? y1 + t1 * dy : y2;
    x1 = ax;
    y1 = ay;
    x2 = bx;
    y2 = by;
    return true;
}

}  // namespace

TPlatno::TPlatno() = default;

TPlatno::~TPlatno()
{
    if (painter_) painter_->end();
}

void TPlatno::Pripoj(QImage* obraz)
{
    if (obraz == obraz_) return;
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    obraz_ = obraz;
    if (hloubka_ > 0 && obraz_ != nullptr && !obraz_->isNull()) {
        painter_ = std::make_unique<QPainter>(obraz_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
    }
}

int TPlatno::Width() const { return obraz_ != nullptr ? obraz_->width() : 0; }

int TPlatno::Height() const { return obraz_ != nullptr ? obraz_->height() : 0; }

void TPlatno::Zacni()
{
    if (hloubka_++ > 0) return;
    if (obraz_ == nullptr || obraz_->isNull()) return;
    painter_ = std::make_unique<QPainter>(obraz_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
}

void TPlatno::Skonci()
{
    if (hloubka_ == 0) return;
    if (--hloubka_ > 0) return;
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void TPlatno::NastavPero()
{
    QPen pero(BarvaQt(BarvaPera));
    const int sirka = std::max(1, SirkaPera);
    if (sirka == 1) {
        pero.setWidth(1);
        pero.setCapStyle(Qt::FlatCap);
    } else {
        pero.setWidth(sirka);
        pero.setCapStyle(Qt::RoundCap);
        pero.setJoinStyle(Qt::RoundJoin);
    }
    painter_->setPen(pero);
}

QFont TPlatno::Pismo() const
{
    QFont pismo(QString::fromStdString(NahradniPismo(NazevPisma)));
    // Points at 96 dpi, rounded as the Windows canvas does (MulDiv).
    const int pixely = std::max(1, (std::max(VelikostPisma, 0) * 96 + 36) / 72);
    pismo.setPixelSize(pixely);
    pismo.setBold(TucnePismo);
    pismo.setStyleStrategy(QFont::NoAntialias);
    return pismo;
}

void TPlatno::FillRect(int l, int t, int r, int b)
{
    TKresleni k(*this);
    if (!painter_ || r <= l || b <= t) return;
    painter_->fillRect(QRect(l, t, r - l, b - t), BarvaQt(BarvaStetce));
}

void TPlatno::MoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void TPlatno::LineTo(int x, int y)
{
    const int x1 = penX_;
    const int y1 = penY_;
    penX_ = x;
    penY_ = y;
    TKresleni k(*this);
    if (!painter_) return;
    const int sirka = std::max(1, SirkaPera);
    const Extended okraj = 2 + sirka;
    const Extended W = Width();
    const Extended H = Height();
    // Both ends near the bitmap: the exact pixels of the line.
    auto blizko = [&](int px, int py) {
        return px >= -okraj && px <= W + okraj && py >= -okraj && py <= H + okraj;
    };
    if (blizko(x1, y1) && blizko(x, y)) {
        CaraPixely(x1, y1, x, y);
        return;
    }
    // Otherwise only the part near the bitmap; an end cut off lies outside it.
    Extended ax = x1, ay = y1, bx = x, by = y;
    if (!OrizniUsecku(ax, ay, bx, by, -okraj, -okraj, W + okraj, H + okraj)) return;
    CaraPixely(static_cast<int>(std::nearbyint(ax)), static_cast<int>(std::nearbyint(ay)),
               static_cast<int>(std::nearbyint(bx)), static_cast<int>(std::nearbyint(by)));
}

void TPlatno::Usecka(Extended x1, Extended y1, Extended x2, Extended y2)
{
    const int W = Width();
    const int H = Height();
    const Extended okraj = 2 + std::max(1, SirkaPera);
    Extended ax = x1, ay = y1, bx = x2, by = y2;
    const bool viditelna = OrizniUsecku(ax, ay, bx, by, -okraj, -okraj, W + okraj, H + okraj);
    // The pen ends at the (clamped) end point whatever is drawn.
    const int kx = ZaokrouhliPixel(x2, W);
    const int ky = ZaokrouhliPixel(y2, H);
    if (viditelna) {
        // An end that was not cut off keeps its own rounding, so that the end
        // pixel is left out exactly as by LineTo.
        const int sx = ZaokrouhliPixel(ax, W);
        const int sy = ZaokrouhliPixel(ay, H);
        const int ex = (bx == x2 && by == y2) ? kx : ZaokrouhliPixel(bx, W);
        const int ey = (bx == x2 && by == y2) ? ky : ZaokrouhliPixel(by, H);
        TKresleni k(*this);
        if (painter_) CaraPixely(sx, sy, ex, ey);
    }
    penX_ = kx;
    penY_ = ky;
}

// Draws the line from (x1, y1) towards (x2, y2) without the end pixel. The
// ends lie near the bitmap (callers clip first).
//
// A 1-pixel line takes the pixels of Bresenham's algorithm. Qt's own line
// (drawLine with a 1-pixel pen) rounds differently and takes other pixels
// along most slanted lines, so only what lies on one row or column is drawn
// as a line (one rectangle); a slanted line's pixels are written into the
// bitmap as they are computed, which gives what drawPoints would (an opaque
// pen on a 24- or 32-bit bitmap, nothing transformed or clipped), without
// Qt's per-point work; any other bitmap takes drawPoints.
void TPlatno::CaraPixely(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2) return;
    const int sirka = std::max(1, SirkaPera);
    if (sirka > 1) {
        NastavPero();
        painter_->drawLine(QPoint(x1, y1), QPoint(x2, y2));
        return;
    }
    const int W = Width();
    const int H = Height();
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    if (dx == 0 || dy == 0) {
        // The pixels x1 .. x2 - sx (or along y), within the bitmap.
        const int xa = std::min(x1, x2 - (dx == 0 ? 0 : sx)), xb = std::max(x1, x2 - (dx == 0 ? 0 : sx));
        const int ya = std::min(y1, y2 - (dy == 0 ? 0 : sy)), yb = std::max(y1, y2 - (dy == 0 ? 0 : sy));
        const QRect r = QRect(QPoint(xa, ya), QPoint(xb, yb)) & QRect(0, 0, W, H);
        if (!r.isEmpty()) painter_->fillRect(r, BarvaQt(BarvaPera));
        return;
    }
    const QImage::Format format = obraz_->format();
    const bool bajty24 = format == QImage::Format_RGB888;
    const bool primo = (bajty24 || format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                        format == QImage::Format_ARGB32_Premultiplied) &&
                       obraz_->isDetached() && painter_->transform().isIdentity() && !painter_->hasClipping() &&
                       painter_->compositionMode() == QPainter::CompositionMode_SourceOver;
    const QRgb barva = BarvaQt(BarvaPera).rgba();
    std::vector<QPoint> body;
    auto bod = [&](int x, int y) {
        if (x < 0 || x >= W || y < 0 || y >= H) return;
        if (!primo) {
            body.emplace_back(x, y);
        } else if (bajty24) {
            uchar* p = obraz_->scanLine(y) + 3 * x;
            p[0] = static_cast<uchar>(qRed(barva));
            p[1] = static_cast<uchar>(qGreen(barva));
            p[2] = static_cast<uchar>(qBlue(barva));
        } else {
            reinterpret_cast<QRgb*>(obraz_->scanLine(y))[x] = barva;
        }
    };
    int x = x1;
    int y = y1;
    const int kroky = std::max(dx, dy);
    if (dx >= dy) {
        int chyba = 2 * dy - dx;
        for (int i = 0; i < kroky; ++i) {
            bod(x, y);
            if (chyba > 0) {
                y += sy;
                chyba -= 2 * dx;
            }
            chyba += 2 * dy;
            x += sx;
        }
    } else {
        int chyba = 2 * dx - dy;
        for (int i = 0; i < kroky; ++i) {
            bod(x, y);
            if (chyba > 0) {
                x += sx;
                chyba -= 2 * dy;
            }
            chyba += 2 * dx;
            y += sy;
        }
    }
    if (!body.empty()) {
        NastavPero();
        painter_->drawPoints(body.data(), static_cast<int>(body.size()));
    }
}

void TPlatno::Ellipse(int l, int t, int r, int b)
{
    TKresleni k(*this);
    if (!painter_ || r - l < 1 || b - t < 1) return;
    NastavPero();
    painter_->setBrush(BarvaQt(BarvaStetce));
    painter_->drawEllipse(QRectF(l, t, r - l - 1, b - t - 1));
    painter_->setBrush(Qt::NoBrush);
}

void TPlatno::TextOut(int x, int y, const std::string& text)
{
    if (qGuiApp == nullptr || text.empty()) return;
    TKresleni k(*this);
    if (!painter_) return;
    const QString t = QString::fromStdString(text);
    painter_->setFont(Pismo());
    const QFontMetrics fm = painter_->fontMetrics();
    const int w = fm.horizontalAdvance(t);
    const int h = fm.height();
    if (x >= Width() || y >= Height() || x + w < 0 || y + h < 0) return;
    painter_->fillRect(QRect(x, y, w, h), BarvaQt(BarvaStetce));
    painter_->setPen(QPen(BarvaQt(BarvaPisma)));
    painter_->drawText(QPoint(x, y + fm.ascent()), t);
}

int TPlatno::TextWidth(const std::string& text)
{
    if (qGuiApp == nullptr) return 0;
    return QFontMetrics(Pismo()).horizontalAdvance(QString::fromStdString(text));
}

int TPlatno::TextHeight(const std::string&)
{
    if (qGuiApp == nullptr) return 0;
    return QFontMetrics(Pismo()).height();
}

TColor TPlatno::Pixel(int x, int y) const
{
    if (obraz_ == nullptr || x < 0 || y < 0 || x >= obraz_->width() || y >= obraz_->height())
        return 0xFFFFFFFFu;
    return BarvaZRgb(obraz_->pixel(x, y));
}

}  // namespace sitmera
