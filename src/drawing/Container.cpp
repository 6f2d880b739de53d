#include "drawing/Container.h"

#include <QImage>

#include <algorithm>
#include <cmath>

#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"

namespace sitmera {

std::uint8_t SvetlostBarvy(TColor barva)
{
    const unsigned r = barva & 0xFF;
    const unsigned g = (barva >> 8) & 0xFF;
    const unsigned b = (barva >> 16) & 0xFF;
    const unsigned nejmensi = std::min({r, g, b});
    const unsigned nejvetsi = std::max({r, g, b});
    return static_cast<std::uint8_t>((nejmensi + nejvetsi) / 2);
}

// ---------------------------------------------------------------- view helpers

T2DPoint PixelZBodu(const TTransPar& tp, const T2DPoint& a, int W, int H)
{
    return {(a[0] - tp.Tx) * tp.m + static_cast<Extended>(W) / 2 + tp.txx,
            (a[1] - tp.Ty) * tp.m + static_cast<Extended>(H) / 2 + tp.tyy};
}

T2DPoint BodZPixelu(const TTransPar& tp, const T2DPoint& pt, int W, int H)
{
    return {(pt[0] - static_cast<Extended>(W) / 2 - tp.txx) / tp.m + tp.Tx,
            (pt[1] - static_cast<Extended>(H) / 2 - tp.tyy) / tp.m + tp.Ty};
}

TTransPar VychoziPohled(const TDuoPoint& meze, int W, int H)
{
    TTransPar tp;
    tp.Tx = (meze.Max[0] + meze.Min[0]) / 2;
    tp.Ty = (meze.Max[1] + meze.Min[1]) / 2;
    Extended rozsahX = meze.Max[0] - meze.Min[0];
    Extended rozsahY = meze.Max[1] - meze.Min[1];
    if (!(rozsahX > 0.0001L)) rozsahX = 0.0001L;
    if (!(rozsahY > 0.0001L)) rozsahY = 0.0001L;
    // A bitmap narrower than the two margins would give a zero or negative
    // (mirroring) scale.
    const Extended sirka = std::max(W - 50, 1);
    const Extended vyska = std::max(H - 50, 1);
    const Extended meritkoX = sirka / rozsahX;
    const Extended meritkoY = vyska / rozsahY;
    tp.m = meritkoY < meritkoX ? meritkoY : meritkoX;
    tp.txx = 0;
    tp.tyy = 0;
    return tp;
}

void ZoomPohledu(TTransPar& tp, Extended faktor, int W, int H)
{
    const Extended novy = tp.m * faktor;
    if (!(std::isfinite(novy) && novy > 0)) return;
    const T2DPoint stred{std::nearbyint(static_cast<Extended>(W) / 2),
                         std::nearbyint(static_cast<Extended>(H) / 2)};
    const T2DPoint c = BodZPixelu(tp, stred, W, H);
    tp.m = novy;
    tp.txx = 0;
    tp.tyy = 0;
    const T2DPoint p = PixelZBodu(tp, c, W, H);
    tp.txx = static_cast<Extended>(W) / 2 - p[0];
    tp.tyy = static_cast<Extended>(H) / 2 - p[1];
}

TElipse PolygonElipsy(Extended X, Extended Y, Extended a, Extended b, Extended phi,
                      Extended nasobek)
{
    TElipse e{};
    const Extended cf = std::cos(phi);
    const Extended sf = std::sin(phi);
    for (int k = 0; k <= 40; ++k) {
        const Extended t = k * DvaPi / 40;
        const Extended ct = std::cos(t);
        const Extended st = std::sin(t);
        e[k] = {X + (a * ct * cf - b * st * sf) * nasobek, Y + (a * ct * sf + b * st * cf) * nasobek};
    }
    e[40] = e[0];
    return e;
}

TDelkaMeritka DelkaMeritka(Extended p, int W)
{
    TDelkaMeritka d;
    if (!(std::isfinite(p) && p > 0)) return d;
    const Extended petina = static_cast<Extended>(W) / 5;
    Extended v = petina / p;
    if (!(v >= 1)) v = 1;
    Extended L = std::pow(10.0L, std::nearbyint(std::log10(v)));
    auto delka = [&](Extended l) { return l == 0 ? Extended(0) : std::nearbyint(l * p); };
    Extended len = delka(L);
    const Extended hranice = std::nearbyint(petina);
    while (hranice < len) {
        L = std::floor(std::nearbyint(L) / 2);
        len = delka(L);
    }
    d.L = L;
    d.delka = static_cast<int>(len);
    return d;
}

void KresliOsy(TPlatno& platno, bool AxesType)
{
    TKresleni k(platno);
    platno.MoveTo(10, 10);
    platno.LineTo(50, 10);
    platno.LineTo(35, 5);
    platno.MoveTo(50, 10);
    platno.LineTo(35, 15);
    platno.MoveTo(10, 10);
    platno.LineTo(10, 50);
    platno.LineTo(5, 35);
    platno.MoveTo(10, 50);
    platno.LineTo(15, 35);
    platno.TextOut(55, 10, AxesType ? "+X" : "+Y");
    platno.TextOut(10, 55, AxesType ? "+Y" : "+X");
}

void KresliMeritko(TPlatno& platno, int y0, int delka, const std::string& popis, int vyskaPisma)
{
    TKresleni k(platno);
    const int x0 = 15;
    platno.MoveTo(x0, y0 - 5);
    platno.LineTo(x0, y0 + 5);
    platno.MoveTo(x0, y0);
    platno.LineTo(x0 + delka, y0);
    platno.MoveTo(x0 + delka, y0 + 5);
    platno.LineTo(x0 + delka, y0 - 5);
    for (int j = 1; j <= 4; ++j) {
        const int x = x0 + static_cast<int>(std::nearbyint(j * static_cast<Extended>(delka) / 5));
        platno.MoveTo(x, y0 - 5);
        platno.LineTo(x, y0 + 5);
    }
    if (!popis.empty()) platno.TextOut(x0 + 5 + delka, y0 - vyskaPisma, popis);
}

// ---------------------------------------------------------------- the canvas

int TContainer::PocetBodu() const
{
    if (data == nullptr) return 0;
    return std::max(0, std::min(data->pocetBodu, static_cast<int>(data->body.size())));
}

int TContainer::PocetMereni() const
{
    if (data == nullptr) return 0;
    return std::max(0, std::min(data->pocetMereni, static_cast<int>(data->mereni.size())));
}

void TContainer::ConnectBitmap(QImage* bmp)
{
    Bitmap = bmp;
    Canvas.Pripoj(bmp);
}

void TContainer::ConnectData(const TgrafikaData& gd) { data = &gd; }

void TContainer::CalcDefView()
{
    if (Bitmap == nullptr || PocetBodu() == 0) return;
    TransPar = VychoziPohled(CalcCoordLimits(), Bitmap->width(), Bitmap->height());
}

TDuoPoint TContainer::CalcCoordLimits() const
{
    TDuoPoint d;
    const int n = PocetBodu();
    if (n == 0) return d;
    d.Max = {data->body[0].X, data->body[0].Y};
    d.Min = d.Max;
    for (int i = 1; i < n; ++i) {
        const TgrafikaBod& b = data->body[i];
        if (b.X > d.Max[0]) d.Max[0] = b.X;
        if (b.Y > d.Max[1]) d.Max[1] = b.Y;
        if (b.X < d.Min[0]) d.Min[0] = b.X;
        if (b.Y < d.Min[1]) d.Min[1] = b.Y;
    }
    return d;
}

T2DPoint TContainer::CalcCoordCenter() const
{
    const int n = PocetBodu();
    if (n == 0) return {0, 0};
    Extended sx = 0, sy = 0;
    for (int i = 0; i < n; ++i) {
        sx += data->body[i].X;
        sy += data->body[i].Y;
    }
    return {sx / n, sy / n};
}

T2DPoint TContainer::CalcPixCoordsXY(const T2DPoint& a) const
{
    const int W = Bitmap != nullptr ? Bitmap->width() : 0;
    const int H = Bitmap != nullptr ? Bitmap->height() : 0;
    return PixelZBodu(TransPar, a, W, H);
}

T2DPoint TContainer::CalcPixCoords(int i) const
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    return CalcPixCoordsXY({data->body[i].X, data->body[i].Y});
}

T2DPoint TContainer::DeCalcPicCoords(const T2DPoint& pt) const
{
    const int W = Bitmap != nullptr ? Bitmap->width() : 0;
    const int H = Bitmap != nullptr ? Bitmap->height() : 0;
    return BodZPixelu(TransPar, pt, W, H);
}

void TContainer::Trans(int dx, int dy)
{
    TransPar.txx += dx;
    TransPar.tyy += dy;
}

void TContainer::Zoom(double faktor)
{
    const int W = Bitmap != nullptr ? Bitmap->width() : 0;
    const int H = Bitmap != nullptr ? Bitmap->height() : 0;
    ZoomPohledu(TransPar, faktor, W, H);
}

void TContainer::ZoomIn() { Zoom(PaintSettings.zoomF); }

void TContainer::ZoomOut() { Zoom(1.0 / PaintSettings.zoomF); }

void TContainer::ClearBitmap()
{
    Canvas.Pripoj(Bitmap);
    Canvas.BarvaStetce = PaintSettings.ColorB;
    Canvas.FillRect(0, 0, Canvas.Width(), Canvas.Height());
}

void TContainer::PaintAll()
{
    if (Bitmap == nullptr) return;
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    ClearBitmap();
    // Nothing to draw and nothing to measure the scale bars by.
    if (PocetBodu() == 0) return;
    const TPaintSettings& s = PaintSettings;
    Canvas.VelikostPisma = s.FontSize;
    Canvas.NazevPisma = s.FontName;
    Canvas.TucnePismo = s.FontBold;
    if (s.PaintMere) PaintMereni();
    if (s.PaintElips) PaintElipses();
    if (s.PaintBody) PaintPoints();
    if (s.PaintAxes) PaintAxes();
    if (s.PaintScale) PaintScale();
}

void TContainer::PaintPoints()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Canvas.SirkaPera = PaintSettings.PenWidthP;
    Canvas.BarvaStetce = PaintSettings.ColorB;
    const int n = PocetBodu();
    for (int i = 0; i < n; ++i) PaintPoint(i);
}

void TContainer::PaintPoint(int i)
{
    const T2DPoint p = CalcPixCoords(i);
    Canvas.Pripoj(Bitmap);
    const int x = ZaokrouhliPixel(p[0], Canvas.Width());
    const int y = ZaokrouhliPixel(p[1], Canvas.Height());
    const TgrafikaBod& b = data->body[i];
    if (b.JeFixni) {
        Canvas.BarvaPisma = PaintSettings.ColorF;
        Canvas.BarvaPera = PaintSettings.ColorF;
        PPF(b.cislo, x, y);
    } else {
        Canvas.BarvaPisma = PaintSettings.ColorA;
        Canvas.BarvaPera = PaintSettings.ColorA;
        PPA(b.cislo, x, y);
    }
}

void TContainer::PPF(const std::string& num, int x, int y)
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const int c = PaintSettings.CircleSize;
    const int kr = PaintSettings.CrossSize;
    Canvas.TextOut(x + c + 2, y + c + 1, num);
    Canvas.Ellipse(x - c, y - c, x + c + 1, y + c + 1);
    Canvas.MoveTo(x, y - kr);
    Canvas.LineTo(x, y + kr + 1);
    Canvas.MoveTo(x - kr, y);
    Canvas.LineTo(x + kr + 1, y);
}

void TContainer::PPA(const std::string& num, int x, int y)
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const int kr = PaintSettings.CrossSize;
    Canvas.TextOut(x + 2, y + 1, num);
    Canvas.MoveTo(x, y - kr);
    Canvas.LineTo(x, y + kr + 1);
    Canvas.MoveTo(x - kr, y);
    Canvas.LineTo(x + kr + 1, y);
}

void TContainer::PaintMereni()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const TPaintSettings& s = PaintSettings;
    Canvas.SirkaPera = s.PenWidthL;
    Canvas.BarvaPera = s.ColorL;
    Canvas.BarvaStetce = s.ColorB;
    Canvas.VelikostPisma = s.FontSize;
    Canvas.NazevPisma = s.FontName;
    Canvas.BarvaPisma = s.ColorL;
    const int n = PocetMereni();
    for (int i = 0; i < n; ++i) {
        const TgrafikaZaznam& z = data->mereni[i];
        // A record not in use holds no line (the DXF export skips it too).
        if (!z.JePlny) continue;
        if (!Platny(z.iStn) || !Platny(z.iCil)) continue;
        PaintMer(z.iStn, z.iCil, CreateMereStr(i));
    }
}

void TContainer::PaintMer(int a, int b, const std::string& descr)
{
    const T2DPoint pa = CalcPixCoords(a);
    const T2DPoint pb = CalcPixCoords(b);
    Line(pa, pb);
    if (PaintSettings.PaintDesc) Txt(pa, pb, descr);
}

std::string TContainer::CreateMereStr(int i) const
{
    if (i < 0 || i >= PocetMereni()) throw ChybaArgumentu("Measurement index outside the drawing");
    const TgrafikaZaznam& z = data->mereni[i];
    std::string s = std::to_string(z.smer) + ":" + std::to_string(z.zenit) + ":" + std::to_string(z.delkaS);
    if (z.delkaH > 0 || z.prevyseni > 0 || z.smernik > 0)
        s += "(" + std::to_string(z.delkaH) + ":" + std::to_string(z.smernik) + ":" +
             std::to_string(z.prevyseni) + ")";
    return s;
}

void TContainer::Line(const T2DPoint& a, const T2DPoint& b)
{
    Canvas.Pripoj(Bitmap);
    Canvas.Usecka(a[0], a[1], b[0], b[1]);
}

void TContainer::Line(const T2DPoint& a, const T2DPoint& b, const std::string& descr)
{
    Canvas.BarvaPera = PaintSettings.ColorL;
    Canvas.BarvaPisma = PaintSettings.ColorL;
    Line(a, b);
    Txt(a, b, descr);
}

void TContainer::Txt(const T2DPoint& a, const T2DPoint& b, const std::string& descr)
{
    Canvas.Pripoj(Bitmap);
    const int x = ZaokrouhliPixel((a[0] + b[0]) / 2, Canvas.Width());
    const int y = ZaokrouhliPixel((a[1] + b[1]) / 2, Canvas.Height());
    Canvas.TextOut(x, y, descr);
}

void TContainer::PaintElipses()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Canvas.SirkaPera = PaintSettings.PenWidthE;
    Canvas.BarvaPera = PaintSettings.ColorE;
    const int n = PocetBodu();
    for (int i = 0; i < n; ++i)
        if (!data->body[i].JeFixni) PaintElipse(i, PaintSettings.Escale, PaintSettings.s0);
}

void TContainer::PaintElipse(int i, Extended mm, Extended s0)
{
    const TElipse e = CalcElipse(i, mm, s0);
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    T2DPoint a = CalcPixCoordsXY(e[0]);
    for (int j = 1; j <= 40; ++j) {
        const T2DPoint b = CalcPixCoordsXY(e[j]);
        Line(a, b);
        a = b;
    }
}

TElipse TContainer::CalcElipse(int i, Extended mm, Extended s0) const
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    const TgrafikaBod& b = data->body[i];
    return PolygonElipsy(b.X, b.Y, b.a_delka, b.b_delka, b.a_smernik, mm * s0);
}

void TContainer::CalcExtremeElipse(Extended& maxE, Extended& minE) const
{
    const int n = PocetBodu();
    maxE = 0;
    minE = 0;
    if (n == 0) return;
    maxE = data->body[0].a_delka;
    minE = maxE;
    for (int i = 0; i < n; ++i) {
        const TgrafikaBod& b = data->body[i];
        for (const Extended v : {b.a_delka, b.b_delka}) {
            if (v < minE) minE = v;
            if (v > maxE) maxE = v;
        }
    }
}

void TContainer::PaintAxes()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const TColor inkoust = SvetlostBarvy(Canvas.BarvaStetce) < 127 ? 0xFFFFFF : 0x000000;
    Canvas.BarvaPera = inkoust;
    Canvas.BarvaPisma = inkoust;
    Canvas.SirkaPera = PaintSettings.PenWidthA;
    KresliOsy(Canvas, PaintSettings.AxesType);
}

void TContainer::PaintScale()
{
    if (Bitmap == nullptr) return;
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const TPaintSettings& s = PaintSettings;
    const TColor inkoust = SvetlostBarvy(Canvas.BarvaStetce) < 127 ? 0xFFFFFF : 0x000000;
    Canvas.BarvaPera = inkoust;
    Canvas.BarvaPisma = inkoust;
    Canvas.SirkaPera = s.PenWidthS;
    const int W = Bitmap->width();
    const int y0 = Bitmap->height() - 15;
    const int jednotka = s.UnitType == 1 ? 1 : 0;

    // Coordinate bar: u user units per metre, m / u pixels per user unit.
    const Extended u = MetryNaDelku(s.UnitType, 1);
    const TDelkaMeritka d = DelkaMeritka(TransPar.m / u, W);
    const std::string popis =
        d.L != 0 ? CisloNaText(std::nearbyint(d.L)) + " " + JednotkyDelky[jednotka] : std::string();
    KresliMeritko(Canvas, y0, d.delka, popis, s.FontSize);

    if (!s.PaintElips) return;
    // Ellipse bar: p pixels per small unit (mm or pt) of ellipse axis; in
    // tenths when no semi-axis reaches one small unit.
    const Extended u2 = MetryNaMaleJednotkyPresDelku(s.UnitType, 0.001L);
    Extended p = TransPar.m / u2 * s.Escale / 1000;
    Extended maxE = 0, minE = 0;
    CalcExtremeElipse(maxE, minE);
    Extended faktor = 1;
    if (!(maxE * u2 >= 0.001L)) {
        p /= 10;
        faktor = 0.1L;
    }
    const TDelkaMeritka d2 = DelkaMeritka(p, W);
    const std::string popis2 =
        d2.L != 0 ? CisloNaText(d2.L * faktor) + " " + JednotkyMale[jednotka] : std::string();
    KresliMeritko(Canvas, y0 - 25, d2.delka, popis2, s.FontSize);
}

}  // namespace sitmera
