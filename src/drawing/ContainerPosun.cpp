#include "drawing/ContainerPosun.h"

#include <QImage>

#include <algorithm>
#include <cmath>

#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "points/Geometrie.h"

namespace sitmera {

TDuoPoint PolarniBod(Extended meritko, Extended hodnota, Extended uhel, Extended X, Extended Y)
{
    TDuoPoint d;
    d.Min = {X, Y};
    d.Max = {X + std::cos(uhel) * hodnota * meritko, Y + std::sin(uhel) * hodnota * meritko};
    return d;
}

void SmerPosunuHz(const Tposun& posun, int typHzPosunu, Extended r, Extended& hodnota,
                  Extended& uhel)
{
    const TposunHodnota& h = posun.hodnota;
    switch (typHzPosunu) {
    case 0:
        hodnota = std::fabs(h.X);
        uhel = (h.X < 0 ? Pi : 0) + r;
        break;
    case 1:
        hodnota = std::fabs(h.Y);
        uhel = (h.Y < 0 ? 3 * Pi / 2 : Pi / 2) - r;
        break;
    case 2:
        hodnota = h.delkaH;
        uhel = h.smernik;
        break;
    default:
        hodnota = 0;
        uhel = 0;
        break;
    }
}

Extended MezPosunuHz(const Tposun& posun, int typHzPosunu, int typ)
{
    TposunHodnota mez;
    OdchylkaMezPosunu(posun, typ, mez);
    switch (typHzPosunu) {
    case 0: return mez.X;
    case 1: return mez.Y;
    case 2: return mez.delkaH;
    default: return 0;
    }
}

bool VyznamnostPosunuHz(const Tposun& posun, int typHzPosunu, int typ)
{
    TposunProkazani p;
    ProkazaniPosunu(posun, typ, p);
    switch (typHzPosunu) {
    case 0: return p.X;
    case 1: return p.Y;
    case 2: return p.delkaH;
    default: return false;
    }
}

bool JeNulovyPosunZ(const Tposun& posun) { return std::fabs(posun.hodnota.Z) <= 1e-16L; }

// ---------------------------------------------------------------- the canvas

int TcontainerPosun::Pocet() const
{
    if (data == nullptr) return 0;
    const int n = std::min({data->pocet, static_cast<int>(data->bodyGrafika.bod.size()),
                            static_cast<int>(data->posunyGrafika.zaznam.size())});
    return std::max(0, n);
}

void TcontainerPosun::ConnectBitmap(QImage* bmp)
{
    Bitmap = bmp;
    Canvas.Pripoj(bmp);
}

void TcontainerPosun::ConnectData(const TmodelPosuny& posuny) { data = &posuny; }

void TcontainerPosun::CalcDefView()
{
    if (Bitmap == nullptr || Pocet() == 0) return;
    TransPar = VychoziPohled(CalcCoordLimits(), Bitmap->width(), Bitmap->height());
}

TDuoPoint TcontainerPosun::CalcCoordLimits() const
{
    TDuoPoint d;
    const int n = Pocet();
    if (n == 0) return d;
    d.Max = {Bod(0).X, Bod(0).Y};
    d.Min = d.Max;
    for (int i = 1; i < n; ++i) {
        const Tbod& b = Bod(i);
        if (b.X > d.Max[0]) d.Max[0] = b.X;
        if (b.Y > d.Max[1]) d.Max[1] = b.Y;
        if (b.X < d.Min[0]) d.Min[0] = b.X;
        if (b.Y < d.Min[1]) d.Min[1] = b.Y;
    }
    return d;
}

T2DPoint TcontainerPosun::CalcCoordCenter() const
{
    const int n = Pocet();
    if (n == 0) return {0, 0};
    Extended sx = 0, sy = 0;
    for (int i = 0; i < n; ++i) {
        sx += Bod(i).X;
        sy += Bod(i).Y;
    }
    return {sx / n, sy / n};
}

T2DPoint TcontainerPosun::CalcPixCoordsXY(const T2DPoint& a) const
{
    const int W = Bitmap != nullptr ? Bitmap->width() : 0;
    const int H = Bitmap != nullptr ? Bitmap->height() : 0;
    return PixelZBodu(TransPar, a, W, H);
}

T2DPoint TcontainerPosun::CalcPixCoords(int i) const
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    return CalcPixCoordsXY({Bod(i).X, Bod(i).Y});
}

T2DPoint TcontainerPosun::DeCalcPicCoords(const T2DPoint& pt) const
{
    const int W = Bitmap != nullptr ? Bitmap->width() : 0;
    const int H = Bitmap != nullptr ? Bitmap->height() : 0;
    return BodZPixelu(TransPar, pt, W, H);
}

void TcontainerPosun::Trans(int dx, int dy)
{
    TransPar.txx += dx;
    TransPar.tyy += dy;
}

void TcontainerPosun::Zoom(double faktor)
{
    const int W = Bitmap != nullptr ? Bitmap->width() : 0;
    const int H = Bitmap != nullptr ? Bitmap->height() : 0;
    ZoomPohledu(TransPar, faktor, W, H);
}

void TcontainerPosun::ZoomIn() { Zoom(PaintSettings.zoomF); }

void TcontainerPosun::ZoomOut() { Zoom(1.0 / PaintSettings.zoomF); }

void TcontainerPosun::ClearBitmap()
{
    Canvas.Pripoj(Bitmap);
    Canvas.BarvaStetce = PaintSettings.ColorPozadi;
    Canvas.FillRect(0, 0, Canvas.Width(), Canvas.Height());
}

void TcontainerPosun::PaintAll()
{
    if (Bitmap == nullptr) return;
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    ClearBitmap();
    if (Pocet() == 0) return;
    const TPaintSettingsPosun& s = PaintSettings;
    Canvas.VelikostPisma = s.FontSize;
    Canvas.NazevPisma = s.FontName;
    Canvas.TucnePismo = s.FontBold;
    if (s.kreslitElipsa) PaintElipses();
    if (s.kreslitPosunZMezOdchylka) PaintPosunyZMezOdchylka();
    if (s.kreslitPosunZHodnota) PaintPosunyZHodnota();
    if (s.kreslitPosunHzMezOdchylka) PaintPosunyHzMezOdchylka();
    if (s.kreslitPosunHzHodnota) PaintPosunyHzHodnota();
    if (s.kreslitBod) PaintPoints();
    if (s.kreslitOsa) PaintAxes();
    if (s.kreslitMeritko) PaintScale();
}

void TcontainerPosun::PaintPoints()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Canvas.SirkaPera = PaintSettings.PenWidthBod;
    Canvas.BarvaStetce = PaintSettings.ColorPozadi;
    const int n = Pocet();
    for (int i = 0; i < n; ++i) PaintPoint(i);
}

void TcontainerPosun::PaintPoint(int i)
{
    const T2DPoint p = CalcPixCoords(i);
    Canvas.Pripoj(Bitmap);
    Canvas.BarvaPisma = PaintSettings.ColorBod;
    Canvas.BarvaPera = PaintSettings.ColorBod;
    PPA(Bod(i).cislo, ZaokrouhliPixel(p[0], Canvas.Width()), ZaokrouhliPixel(p[1], Canvas.Height()));
}

void TcontainerPosun::PPA(const std::string& num, int x, int y)
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const int kr = PaintSettings.SizeBod;
    Canvas.TextOut(x + 2, y + 1, num);
    Canvas.MoveTo(x, y - kr);
    Canvas.LineTo(x, y + kr + 1);
    Canvas.MoveTo(x - kr, y);
    Canvas.LineTo(x + kr + 1, y);
}

void TcontainerPosun::Line(const T2DPoint& a, const T2DPoint& b)
{
    Canvas.Pripoj(Bitmap);
    Canvas.Usecka(a[0], a[1], b[0], b[1]);
}

void TcontainerPosun::PaintElipses()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Canvas.SirkaPera = PaintSettings.PenWidthElipsa;
    Canvas.BarvaPera = PaintSettings.ColorElipsa;
    const int n = Pocet();
    for (int i = 0; i < n; ++i)
        if (!JeFixObe(Posun(i))) PaintElipse(i, PaintSettings.zvetseni, PaintSettings.presnost);
}

void TcontainerPosun::PaintElipse(int i, Extended mm, int typ)
{
    const TElipse e = CalcElipse(i, mm, typ);
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    T2DPoint a = CalcPixCoordsXY(e[0]);
    for (int j = 1; j <= 40; ++j) {
        const T2DPoint b = CalcPixCoordsXY(e[j]);
        Line(a, b);
        a = b;
    }
}

TElipse TcontainerPosun::CalcElipse(int i, Extended mm, int typ) const
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    Telipsa e;
    ElipsaPosunu(Posun(i), typ, e);
    return PolygonElipsy(Bod(i).X, Bod(i).Y, e.a_delka, e.b_delka, e.a_smernik, mm);
}

void TcontainerPosun::poloprimka(const TDuoPoint& body, Extended uhel, Extended delka)
{
    const T2DPoint& T = body.Max;
    const T2DPoint& O = body.Min;
    const Extended theta = std::atan2(O[1] - T[1], O[0] - T[0]);
    const T2DPoint konec{T[0] + (delka + 1) * std::cos(theta + uhel),
                         T[1] + (delka + 1) * std::sin(theta + uhel)};
    Line(T, konec);
}

void TcontainerPosun::PaintPosunyHzHodnota()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Canvas.SirkaPera = PaintSettings.PenWidthPosunHzHodnota;
    const int n = Pocet();
    for (int i = 0; i < n; ++i) PaintPosunHzHodnota(i);
}

void TcontainerPosun::PaintPosunHzHodnota(int i)
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    const TPaintSettingsPosun& s = PaintSettings;
    const Tposun& p = Posun(i);
    Extended hodnota = 0, uhel = 0;
    SmerPosunuHz(p, s.typHzPosunu, data->posunyGrafika.stoceniOs, hodnota, uhel);
    Canvas.BarvaPera = VyznamnostPosunuHz(p, s.typHzPosunu, s.presnost) ? s.ColorPosunHzHodnotaVyznamna
                                                                       : s.ColorPosunHzHodnota;
    if (!(hodnota > 0)) return;
    const TDuoPoint d = PolarniBod(s.zvetseni, hodnota, uhel, Bod(i).X, Bod(i).Y);
    TDuoPoint pix;
    pix.Min = CalcPixCoordsXY(d.Min);
    pix.Max = CalcPixCoordsXY(d.Max);
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Line(pix.Min, pix.Max);
    // Barbs only on an arrow longer than they are.
    if (s.SizePosunHzHodnota < DelkaZeSouradnic(pix.Min[0], pix.Min[1], pix.Max[0], pix.Max[1])) {
        poloprimka(pix, Pi / 12, s.SizePosunHzHodnota);
        poloprimka(pix, -Pi / 12, s.SizePosunHzHodnota);
    }
}

void TcontainerPosun::PaintPosunyHzMezOdchylka()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Canvas.SirkaPera = PaintSettings.PenWidthPosunHzMezOdchylka;
    Canvas.BarvaPera = PaintSettings.ColorPosunHzMezOdchylka;
    const int n = Pocet();
    for (int i = 0; i < n; ++i) PaintPosunHzMezOdchylka(i);
}

void TcontainerPosun::PaintPosunHzMezOdchylka(int i)
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    const TPaintSettingsPosun& s = PaintSettings;
    const Tposun& p = Posun(i);
    Extended hodnota = 0, uhel = 0;
    SmerPosunuHz(p, s.typHzPosunu, data->posunyGrafika.stoceniOs, hodnota, uhel);
    const Extended mez = MezPosunuHz(p, s.typHzPosunu, s.presnost);
    if (!(mez > 0)) return;
    const TDuoPoint d = PolarniBod(s.zvetseni, mez, uhel, Bod(i).X, Bod(i).Y);
    TDuoPoint pix;
    pix.Min = CalcPixCoordsXY(d.Min);
    pix.Max = CalcPixCoordsXY(d.Max);
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Line(pix.Min, pix.Max);
    poloprimka(pix, -Pi / 2, s.SizePosunHzMezOdchylka);
}

void TcontainerPosun::PaintPosunyZHodnota()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Canvas.SirkaPera = PaintSettings.PenWidthPosunZHodnota;
    const int n = Pocet();
    for (int i = 0; i < n; ++i) PaintPosunZHodnota(i);
}

void TcontainerPosun::PaintPosunZHodnota(int i)
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    const TPaintSettingsPosun& s = PaintSettings;
    const Tposun& p = Posun(i);
    TposunProkazani prokazani;
    ProkazaniPosunu(p, s.presnost, prokazani);
    Canvas.BarvaPera = prokazani.Z ? s.ColorPosunZHodnotaVyznamna : s.ColorPosunZHodnota;
    if (JeNulovyPosunZ(p)) return;
    // A rise goes up the bitmap: against drawing Y.
    TDuoPoint pix;
    pix.Min = CalcPixCoordsXY({Bod(i).X, Bod(i).Y});
    pix.Max = CalcPixCoordsXY({Bod(i).X, Bod(i).Y - p.hodnota.Z * s.zvetseni});
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Line(pix.Min, pix.Max);
    poloprimka(pix, Pi / 2, s.SizePosunZHodnota);
    poloprimka(pix, -Pi / 2, s.SizePosunZHodnota);
}

void TcontainerPosun::PaintPosunyZMezOdchylka()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Canvas.SirkaPera = PaintSettings.PenWidthPosunZMezOdchylka;
    Canvas.BarvaPera = PaintSettings.ColorPosunZMezOdchylka;
    const int n = Pocet();
    for (int i = 0; i < n; ++i) PaintPosunZMezOdchylka(i);
}

void TcontainerPosun::PaintPosunZMezOdchylka(int i)
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    const TPaintSettingsPosun& s = PaintSettings;
    const Tposun& p = Posun(i);
    TposunHodnota mez;
    OdchylkaMezPosunu(p, s.presnost, mez);
    if (!(mez.Z > 0)) return;
    // The limit points the way the displacement goes.
    const Extended d = p.hodnota.Z < 0 ? -mez.Z : mez.Z;
    TDuoPoint pix;
    pix.Min = CalcPixCoordsXY({Bod(i).X, Bod(i).Y});
    pix.Max = CalcPixCoordsXY({Bod(i).X, Bod(i).Y - d * s.zvetseni});
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    Line(pix.Min, pix.Max);
    poloprimka(pix, Pi / 2, s.SizePosunZMezOdchylka);
}

void TcontainerPosun::NastavInkoust()
{
    const TColor inkoust = SvetlostBarvy(Canvas.BarvaStetce) < 127 ? 0xFFFFFF : 0x000000;
    Canvas.BarvaPera = inkoust;
    Canvas.BarvaPisma = inkoust;
}

void TcontainerPosun::PaintAxes()
{
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    NastavInkoust();
    Canvas.SirkaPera = PaintSettings.PenWidthOsa;
    KresliOsy(Canvas, PaintSettings.AxesType);
}

void TcontainerPosun::PaintScale()
{
    if (Bitmap == nullptr) return;
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const TPaintSettingsPosun& s = PaintSettings;
    NastavInkoust();
    Canvas.SirkaPera = s.PenWidthMeritko;
    const int W = Bitmap->width();
    const int y0 = Bitmap->height() - 15;

    // Coordinate bar, as in the network drawing.
    const int jednotka = s.UnitTypeSouradnice == 1 ? 1 : 0;
    const Extended u = MetryNaDelku(s.UnitTypeSouradnice, 1);
    const TDelkaMeritka d = DelkaMeritka(TransPar.m / u, W);
    const std::string popis =
        d.L != 0 ? CisloNaText(std::nearbyint(d.L)) + " " + JednotkyDelky[jednotka] : std::string();
    KresliMeritko(Canvas, y0, d.delka, popis, s.FontSize);

    // Displacement bar: p pixels per tenth of a millimetre (or point) of
    // displacement; its L counts tenths.
    const int mala = s.UnitTypePosun == 1 ? 1 : 0;
    const Extended u2 = MetryNaMaleJednotky(s.UnitTypePosun, 0.001L);
    const Extended p = TransPar.m / u2 * s.zvetseni / 1000 / 10;
    const TDelkaMeritka d2 = DelkaMeritka(p, W);
    const std::string popis2 =
        d2.L != 0 ? CisloNaText(d2.L * 0.1L) + " " + JednotkyMale[mala] : std::string();
    KresliMeritko(Canvas, y0 - 25, d2.delka, popis2, s.FontSize);
}

void TcontainerPosun::Zall()
{
    if (Bitmap == nullptr || Bitmap->isNull()) return;
    const TColor pozadi = PaintSettings.ColorPozadi & 0xFFFFFF;
    auto krajeCiste = [&]() {
        const int W = Bitmap->width();
        const int H = Bitmap->height();
        for (int x = 0; x < W; ++x)
            if (Canvas.Pixel(x, 0) != pozadi || Canvas.Pixel(x, H - 1) != pozadi) return false;
        return true;
    };
    Canvas.Pripoj(Bitmap);
    // Bounded: after 200 steps the drawing is 17000 times smaller, and
    // anything still on an edge row is not the drawing's extent.
    for (int krok = 0; krok < kZallKroku && !krajeCiste(); ++krok) {
        ZoomOut();
        PaintAll();
    }
}

}  // namespace sitmera
