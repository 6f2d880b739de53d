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

TElipse PolygonElipsyPosunu(const Tbod& bod, const Tposun& posun, int typ, Extended nasobek)
{
    Telipsa e;
    ElipsaPosunu(posun, typ, e);
    return PolygonElipsy(bod.X, bod.Y, e.a_delka, e.b_delka, e.a_smernik, nasobek);
}

// ---------------------------------------------------------------- the canvas

int TcontainerPosun::Pocet() const
{
    if (data == nullptr) return 0;
    const int n = std::min({data->pocet, static_cast<int>(data->bodyGrafika.bod.size()),
                            static_cast<int>(data->posunyGrafika.zaznam.size())});
    return std::max(0, n);
}

const Tposun& TcontainerPosun::PlatnyPosun(int i) const
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    return Posun(i);
}

void TcontainerPosun::ConnectData(const TmodelPosuny& posuny) { data = &posuny; }

void TcontainerPosun::CalcDefView()
{
    if (Bitmap == nullptr || Pocet() == 0) return;
    TransPar = VychoziPohled(CalcCoordLimits(), Bitmap->width(), Bitmap->height());
}

TDuoPoint TcontainerPosun::CalcCoordLimits() const
{
    return MezeBodu(Pocet(), [this](int i) { return BodXY(i); });
}

T2DPoint TcontainerPosun::CalcCoordCenter() const
{
    return StredBodu(Pocet(), [this](int i) { return BodXY(i); });
}

T2DPoint TcontainerPosun::CalcPixCoords(int i) const
{
    if (!Platny(i)) throw ChybaArgumentu("Point index outside the drawing");
    return CalcPixCoordsXY(BodXY(i));
}

void TcontainerPosun::ZoomIn() { Zoom(PaintSettings.zoomF); }

void TcontainerPosun::ZoomOut() { Zoom(1.0 / PaintSettings.zoomF); }

void TcontainerPosun::ClearBitmap() { VyplnPozadi(PaintSettings.ColorPozadi); }

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
    Canvas.BarvaStetce = PaintSettings.ColorPozadi;
    ProKazdyBod(PaintSettings.PenWidthBod, Pocet(), [this](int i) { PaintPoint(i); });
}

void TcontainerPosun::PaintPoint(int i)
{
    const T2DPoint p = CalcPixCoords(i);
    int x = 0, y = 0;
    NaPixel(p, x, y);
    NastavBarvu(PaintSettings.ColorBod);
    PPA(Bod(i).cislo, x, y);
}

void TcontainerPosun::PPA(const std::string& num, int x, int y)
{
    ZnackaBodu(num, x, y, PaintSettings.SizeBod);
}

void TcontainerPosun::PaintElipses()
{
    Canvas.BarvaPera = PaintSettings.ColorElipsa;
    ProKazdyBod(PaintSettings.PenWidthElipsa, Pocet(), [this](int i) {
        if (JeFixObe(Posun(i))) return;
        Telipsa e;
        ElipsaPosunu(Posun(i), PaintSettings.presnost, e);
        if (JeElipsaNastavena(e.a_delka)) PaintElipse(i, PaintSettings.zvetseni, PaintSettings.presnost);
    });
}

void TcontainerPosun::PaintElipse(int i, Extended mm, int typ) { KresliPolygon(CalcElipse(i, mm, typ)); }

TElipse TcontainerPosun::CalcElipse(int i, Extended mm, int typ) const
{
    const Tposun& p = PlatnyPosun(i);  // checks i before the point is read
    return PolygonElipsyPosunu(Bod(i), p, typ, mm);
}

void TcontainerPosun::poloprimka(const TDuoPoint& body, Extended uhel, Extended delka)
{
    Line(body.Max, BodSipky(body, delka + 1, uhel));
}

void TcontainerPosun::SmerHz(int i, Extended& hodnota, Extended& uhel) const
{
    SmerPosunuHz(Posun(i), PaintSettings.typHzPosunu, data->posunyGrafika.stoceniOs, hodnota, uhel);
}

TDuoPoint TcontainerPosun::SvislyVektor(int i, Extended v) const
{
    TDuoPoint d;
    d.Min = BodXY(i);
    d.Max = {Bod(i).X, Bod(i).Y - v * PaintSettings.zvetseni};
    return d;
}

TDuoPoint TcontainerPosun::Vektor(const TDuoPoint& d)
{
    TDuoPoint pix;
    pix.Min = CalcPixCoordsXY(d.Min);
    pix.Max = CalcPixCoordsXY(d.Max);
    Line(pix.Min, pix.Max);
    return pix;
}

void TcontainerPosun::PaintPosunyHzHodnota()
{
    ProKazdyBod(PaintSettings.PenWidthPosunHzHodnota, Pocet(), [this](int i) { PaintPosunHzHodnota(i); });
}

void TcontainerPosun::PaintPosunHzHodnota(int i)
{
    const Tposun& p = PlatnyPosun(i);
    const TPaintSettingsPosun& s = PaintSettings;
    Extended hodnota = 0, uhel = 0;
    SmerHz(i, hodnota, uhel);
    Canvas.BarvaPera = VyznamnostPosunuHz(p, s.typHzPosunu, s.presnost) ? s.ColorPosunHzHodnotaVyznamna
                                                                       : s.ColorPosunHzHodnota;
    if (!(hodnota > 0)) return;
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const TDuoPoint pix = Vektor(PolarniBod(s.zvetseni, hodnota, uhel, Bod(i).X, Bod(i).Y));
    // Barbs only on an arrow longer than they are.
    if (s.SizePosunHzHodnota < DelkaZeSouradnic(pix.Min[0], pix.Min[1], pix.Max[0], pix.Max[1])) {
        poloprimka(pix, Pi / 12, s.SizePosunHzHodnota);
        poloprimka(pix, -Pi / 12, s.SizePosunHzHodnota);
    }
}

void TcontainerPosun::PaintPosunyHzMezOdchylka()
{
    Canvas.BarvaPera = PaintSettings.ColorPosunHzMezOdchylka;
    ProKazdyBod(PaintSettings.PenWidthPosunHzMezOdchylka, Pocet(),
                [this](int i) { PaintPosunHzMezOdchylka(i); });
}

void TcontainerPosun::PaintPosunHzMezOdchylka(int i)
{
    const Tposun& p = PlatnyPosun(i);
    const TPaintSettingsPosun& s = PaintSettings;
    Extended hodnota = 0, uhel = 0;
    SmerHz(i, hodnota, uhel);
    const Extended mez = MezPosunuHz(p, s.typHzPosunu, s.presnost);
    if (!(mez > 0)) return;
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const TDuoPoint pix = Vektor(PolarniBod(s.zvetseni, mez, uhel, Bod(i).X, Bod(i).Y));
    poloprimka(pix, -Pi / 2, s.SizePosunHzMezOdchylka);
}

void TcontainerPosun::PaintPosunyZHodnota()
{
    ProKazdyBod(PaintSettings.PenWidthPosunZHodnota, Pocet(), [this](int i) { PaintPosunZHodnota(i); });
}

void TcontainerPosun::PaintPosunZHodnota(int i)
{
    const Tposun& p = PlatnyPosun(i);
    const TPaintSettingsPosun& s = PaintSettings;
    TposunProkazani prokazani;
    ProkazaniPosunu(p, s.presnost, prokazani);
    Canvas.BarvaPera = prokazani.Z ? s.ColorPosunZHodnotaVyznamna : s.ColorPosunZHodnota;
    if (JeNulovyPosunZ(p)) return;
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const TDuoPoint pix = Vektor(SvislyVektor(i, p.hodnota.Z));
    poloprimka(pix, Pi / 2, s.SizePosunZHodnota);
    poloprimka(pix, -Pi / 2, s.SizePosunZHodnota);
}

void TcontainerPosun::PaintPosunyZMezOdchylka()
{
    Canvas.BarvaPera = PaintSettings.ColorPosunZMezOdchylka;
    ProKazdyBod(PaintSettings.PenWidthPosunZMezOdchylka, Pocet(),
                [this](int i) { PaintPosunZMezOdchylka(i); });
}

void TcontainerPosun::PaintPosunZMezOdchylka(int i)
{
    const Tposun& p = PlatnyPosun(i);
    TposunHodnota mez;
    OdchylkaMezPosunu(p, PaintSettings.presnost, mez);
    if (!(mez.Z > 0)) return;
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    // The limit points the way the displacement goes.
    const TDuoPoint pix = Vektor(SvislyVektor(i, p.hodnota.Z < 0 ? -mez.Z : mez.Z));
    poloprimka(pix, Pi / 2, PaintSettings.SizePosunZMezOdchylka);
}

void TcontainerPosun::PaintAxes() { KresliOsyInkoustem(PaintSettings.PenWidthOsa, PaintSettings.AxesType); }

void TcontainerPosun::PaintScale()
{
    if (Bitmap == nullptr) return;
    Canvas.Pripoj(Bitmap);
    TKresleni k(Canvas);
    const TPaintSettingsPosun& s = PaintSettings;
    NastavInkoust(s.PenWidthMeritko);
    // Coordinate bar, as in the network drawing.
    MeritkoDelky(s.UnitTypeSouradnice, s.FontSize);
    // Displacement bar: p pixels per tenth of a millimetre (or point) of
    // displacement; its L counts tenths.
    const Extended u2 = MetryNaMaleJednotky(s.UnitTypePosun, 0.001L);
    MeritkoMalych(TransPar.m / u2 * s.zvetseni / 1000 / 10, 0.1L, s.UnitTypePosun, s.FontSize);
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
