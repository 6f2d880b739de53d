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
                      Extended nasobek, Extended nasobek2)
{
    TElipse e{};
    const Extended cf = std::cos(phi);
    const Extended sf = std::sin(phi);
    for (int k = 0; k <= 40; ++k) {
        const Extended t = k * DvaPi / 40;
        const Extended ct = std::cos(t);
        const Extended st = std::sin(t);
        e[k] = {X + (a * ct * cf - b * st * sf) * nasobek * nasobek2,
                Y + (a * ct * sf + b * st * cf) * nasobek * nasobek2};
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

std::string PopisMereni(const TgrafikaZaznam& z)
{
    std::string s = std::to_string(z.smer) + ":" + std::to_string(z.zenit) + ":" + std::to_string(z.delkaS);
    if (z.delkaH > 0 || z.prevyseni > 0 || z.smernik > 0)
        s += "(" + std::to_string(z.delkaH) + ":" + std::to_string(z.smernik) + ":" +
             std::to_string(z.prevyseni) + ")";
    return s;
}

// ---------------------------------------------------------------- the canvas base

void TKresbaBitmapy::ConnectBitmap(QImage* bmp)
{
    Bitmap = bmp;
    Canvas.Pripoj(bmp);
}

T2DPoint TKresbaBitmapy::CalcPixCoordsXY(const T2DPoint& a) const
{
    const int W = Bitmap != nullptr ? Bitmap->width() : 0;
    const int H = Bitmap != nullptr ? Bitmap->height() : 0;
    return PixelZBodu(TransPar, a, W, H);
}

T2DPoint TKresbaBitmapy::DeCalcPicCoords(const T2DPoint& pt) const
{
    const int W = Bitmap != nullptr ? Bitmap->width() : 0;
    const int H = Bitmap != nullptr ? Bitmap->height() : 0;
    return BodZPixelu(TransPar, pt, W, H);
}

void TKresbaBitmapy::Trans(int dx, int dy)
{
    TransPar.txx += dx;
    TransPar.tyy += dy;
}

void TKresbaBitmapy::Zoom(double faktor)
{
    const int W = Bitmap != nullptr ? Bitmap->width() : 0;
    const int H = Bitmap != nullptr ? Bitmap->height() : 0;
    ZoomPohledu(TransPar, faktor, W, H);
}

void TKresbaBitmapy::Line(const T2DPoint& a, const T2DPoint& b)
{
    Canvas.Pripoj(Bitmap);
    Canvas.Usecka(a[0], a[1], b[0], b[1]);
}

void TKresbaBitmapy::VyplnPozadi(TColor pozadi)
{
    Canvas.Pripoj(Bitmap);
    Canvas.BarvaStetce = pozadi;
    Canvas.FillRect(0, 0, Canvas.Width(), Canvas.Height());
}

void TKresbaBitmapy::NastavBarvu(TColor barva)
{
    Canvas.BarvaPera = barva;
    Canvas.BarvaPisma = barva;
}

void TKresbaBitmapy::NastavInkoust(int sirkaPera)
{
    NastavBarvu(SvetlostBarvy(Canvas.BarvaStetce) < 127 ? 0xFFFFFF : 0x000000);
    Canvas.SirkaPera = sirkaPera;
}

void TKresbaBitmapy::NaPixel(const T2DPoint& p, int& x, int& y)
{
    Canvas.Pripoj(Bitmap);
    x = ZaokrouhliPixel(p[0], Canvas.Width());
    y = ZaokrouhliPixel(p[1], Canvas.Height());
}

void TKresbaBitmapy::Kriz(int x, int y, int kr)
{
    Canvas.MoveTo(x, y - kr);
    Canvas.LineTo(x, y + kr + 1);
    Canvas.MoveTo(x - kr, y);
    Canvas.LineTo(x + kr + 1, y);
}

void TKresbaBitmapy::ZnackaBodu(const std::string& num, int x, int y, int kr)
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Canvas.TextOut(x + 2, y + 1, num);
    Kriz(x, y, kr);
}

void TKresbaBitmapy::KresliPolygon(const TElipse& e)
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    T2DPoint a = CalcPixCoordsXY(e[0]);
    for (int j = 1; j <= 40; ++j) {
        const T2DPoint b = CalcPixCoordsXY(e[j]);
        Line(a, b);
        a = b;
    }
}

void TKresbaBitmapy::KresliOsyInkoustem(int sirkaPera, bool AxesType)
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    NastavInkoust(sirkaPera);
    KresliOsy(Canvas, AxesType);
}

void TKresbaBitmapy::MeritkoDelky(std::uint8_t jednotka, int vyskaPisma)
{
    // u user units per metre, m / u pixels per user unit.
    const Extended u = MetryNaDelku(jednotka, 1);
    const TDelkaMeritka d = DelkaMeritka(TransPar.m / u, Bitmap->width());
    const std::string popis = d.L != 0
        ? CisloNaText(std::nearbyint(d.L)) + " " + JednotkyDelky[jednotka == 1 ? 1 : 0]
        : std::string();
    KresliMeritko(Canvas, Bitmap->height() - 15, d.delka, popis, vyskaPisma);
}

void TKresbaBitmapy::MeritkoMalych(Extended p, Extended faktor, std::uint8_t jednotka, int vyskaPisma)
{
    const TDelkaMeritka d = DelkaMeritka(p, Bitmap->width());
    const std::string popis = d.L != 0
        ? CisloNaText(d.L * faktor) + " " + JednotkyMale[jednotka == 1 ? 1 : 0]
        : std::string();
    KresliMeritko(Canvas, Bitmap->height() - 15 - 25, d.delka, popis, vyskaPisma);
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

void TContainer::ConnectData(const TgrafikaData& gd) { data = &gd; }

void TContainer::CalcDefView()
{
    if (Bitmap == nullptr || PocetBodu() == 0) return;
    TransPar = VychoziPohled(CalcCoordLimits(), Bitmap->width(), Bitmap->height());
}

TDuoPoint TContainer::CalcCoordLimits() const
{
    return MezeBodu(PocetBodu(), [this](int i) { return BodXY(i); });
}

T2DPoint TContainer::CalcCoordCenter() const
{
    return StredBodu(PocetBodu(), [this](int i) { return BodXY(i); });
}

T2DPoint TContainer::CalcPixCoords(int i) const
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    return CalcPixCoordsXY(BodXY(i));
}

void TContainer::ZoomIn() { Zoom(PaintSettings.zoomF); }

void TContainer::ZoomOut() { Zoom(1.0 / PaintSettings.zoomF); }

void TContainer::ClearBitmap() { VyplnPozadi(PaintSettings.ColorB); }

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
    Canvas.BarvaStetce = PaintSettings.ColorB;
    ProKazdyBod(PaintSettings.PenWidthP, PocetBodu(), [this](int i) { PaintPoint(i); });
}

void TContainer::PaintPoint(int i)
{
    const T2DPoint p = CalcPixCoords(i);
    int x = 0, y = 0;
    NaPixel(p, x, y);
    const TgrafikaBod& b = data->body[i];
    if (b.JeFixni) {
        NastavBarvu(PaintSettings.ColorF);
        PPF(b.cislo, x, y);
    } else {
        NastavBarvu(PaintSettings.ColorA);
        PPA(b.cislo, x, y);
    }
}

void TContainer::PPF(const std::string& num, int x, int y)
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const int c = PaintSettings.CircleSize;
    Canvas.TextOut(x + c + 2, y + c + 1, num);
    Canvas.Ellipse(x - c, y - c, x + c + 1, y + c + 1);
    Kriz(x, y, PaintSettings.CrossSize);
}

void TContainer::PPA(const std::string& num, int x, int y) { ZnackaBodu(num, x, y, PaintSettings.CrossSize); }

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
    return PopisMereni(data->mereni[i]);
}

void TContainer::Txt(const T2DPoint& a, const T2DPoint& b, const std::string& descr)
{
    int x = 0, y = 0;
    NaPixel({(a[0] + b[0]) / 2, (a[1] + b[1]) / 2}, x, y);
    Canvas.TextOut(x, y, descr);
}

void TContainer::PaintElipses()
{
    Canvas.BarvaPera = PaintSettings.ColorE;
    ProKazdyBod(PaintSettings.PenWidthE, PocetBodu(), [this](int i) {
        const TgrafikaBod& b = data->body[i];
        if (!b.JeFixni && JeElipsaNastavena(b.a_delka))
            PaintElipse(i, PaintSettings.Escale, PaintSettings.s0);
    });
}

void TContainer::PaintElipse(int i, Extended mm, Extended s0) { KresliPolygon(CalcElipse(i, mm, s0)); }

TElipse TContainer::CalcElipse(int i, Extended mm, Extended s0) const
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    const TgrafikaBod& b = data->body[i];
    return PolygonElipsy(b.X, b.Y, b.a_delka, b.b_delka, b.a_smernik, mm, s0);
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

void TContainer::PaintAxes() { KresliOsyInkoustem(PaintSettings.PenWidthA, PaintSettings.AxesType); }

void TContainer::PaintScale()
{
    if (Bitmap == nullptr) return;
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const TPaintSettings& s = PaintSettings;
    NastavInkoust(s.PenWidthS);
    MeritkoDelky(s.UnitType, s.FontSize);

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
    MeritkoMalych(p, faktor, s.UnitType, s.FontSize);
}

}  // namespace sitmera
