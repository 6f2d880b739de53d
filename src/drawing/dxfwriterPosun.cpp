#include "drawing/dxfwriterPosun.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "drawing/ContainerPosun.h"
#include "numerics/Jednotky.h"

namespace sitmera {

TDXFwriterPosun::TDXFwriterPosun() { DefineLayers(); }

void TDXFwriterPosun::DefineLayers()
{
    static const std::array<std::array<const char*, 2>, 18> jmena = {{
        {"0", "0"},
        {"Bod_Bod", "Point_Point"},
        {"Bod_Znak", "Point_Mark"},
        {"Bod_Cislo", "Point_Number"},
        {"ElipsaChyb_Apri", "ErrElips_Apri"},
        {"ElipsaChyb_Apos", "ErrElips_Apos"},
        {"H_Nevyzn_Apri", "H_Nsign_Apri"},
        {"H_Vyzn_Apri", "H_Sign_Apri"},
        {"H_Nevyzn_Apos", "H_Nsign_Apos"},
        {"H_Vyzn_Apos", "H_Sign_Apos"},
        {"H_Mez_Apri", "H_Critic_Apri"},
        {"H_Mez_Apos", "H_Critic_Apos"},
        {"Z_Nevyzn_Apri", "Z_Nsign_Apri"},
        {"Z_Vyzn_Apri", "Z_Sign_Apri"},
        {"Z_Nevyzn_Apos", "Z_Nsign_Apos"},
        {"Z_Vyzn_Apos", "Z_Sign_Apos"},
        {"Z_Mez_Apri", "Z_Critic_Apri"},
        {"Z_Mez_Apos", "Z_Critic_Apos"},
    }};
    layers.clear();
    // Colour "0" until the window sets the colours of layers 1 to 17. The
    // window never sets layer "0", which gets 7 (black / white): 0 is no
    // valid layer colour in CAD.
    for (const auto& j : jmena) layers.push_back(TLayer{{j[0], j[1]}, &j == &jmena[0] ? "7" : "0", true});
    layersnum = static_cast<int>(layers.size());
}

void TDXFwriterPosun::ConnectData(const TmodelPosuny& gd) { data = &gd; }

int TDXFwriterPosun::Pocet() const
{
    if (data == nullptr) return 0;
    const int n = std::min({data->pocet, static_cast<int>(data->bodyDXF.bod.size()),
                            static_cast<int>(data->posunyDXF.zaznam.size())});
    return std::max(0, n);
}

bool TDXFwriterPosun::createdxf()
{
    return ZapisVykres([this] { PointSizeCalc(); }, [this] { WriteDrawing(); });
}

void TDXFwriterPosun::PointSizeCalc()
{
    Rozsah(MezeBodu(Pocet(), [this](int i) { return T2DPoint{Bod(i).X, Bod(i).Y}; }));
}

void TDXFwriterPosun::WriteDrawing()
{
    section();
    Entities();
    WriteEllipses(0, 4);
    WriteEllipses(1, 5);
    WritePosunyZMezOdchylka(0, 16);
    WritePosunyZMezOdchylka(1, 17);
    WritePosunyZHodnota(0, 13, 12);
    WritePosunyZHodnota(1, 15, 14);
    WritePosunyHzMezOdchylka(0, 10);
    WritePosunyHzMezOdchylka(1, 11);
    WritePosunyHzHodnota(0, 7, 6);
    WritePosunyHzHodnota(1, 9, 8);
    WritePoints();
    EndSec();
}

void TDXFwriterPosun::WritePoints()
{
    const int n = Pocet();
    for (int i = 0; i < n; ++i) AdjPointPaint(Bod(i).X, Bod(i).Y, Bod(i).cislo);
}

void TDXFwriterPosun::VrcholDXF(const T2DPoint& p, const std::string& vrstva)
{
    PLineVertex(FtSf(-p[1]), FtSf(-p[0]), "0", vrstva);
}

TElipse TDXFwriterPosun::CalcElipse(int i, int typ) const
{
    return PolygonElipsyPosunu(Bod(i), Posun(i), typ, Scale);
}

void TDXFwriterPosun::WriteEllipses(int typ, int iVrstva)
{
    const int n = Pocet();
    const std::string vrstva = JmenoVrstvy(iVrstva);
    for (int i = 0; i < n; ++i) {
        Telipsa e;
        ElipsaPosunu(Posun(i), typ, e);
        if (!JeElipsaNastavena(e.a_delka)) continue;
        const TElipse polygon = CalcElipse(i, typ);
        PLineStart(vrstva);
        for (const T2DPoint& v : polygon) VrcholDXF(v, vrstva);
        PLineEnd();
    }
}

void TDXFwriterPosun::WritePosunyHzHodnota(int typ, int iVrstva1, int iVrstva2)
{
    const int n = Pocet();
    const Extended PS = PointSize;
    for (int i = 0; i < n; ++i) {
        const Tposun& p = Posun(i);
        Extended hodnota = 0, uhel = 0;
        // The rotation enters with the opposite sign to the bitmap drawing.
        SmerPosunuHz(p, typHzPosunu, -data->posunyDXF.stoceniOs, hodnota, uhel);
        if (!(hodnota > 0)) continue;
        const TDuoPoint d = PolarniBod(Scale, hodnota, uhel, Bod(i).X, Bod(i).Y);
        const T2DPoint b1 = BodSipky(d, PS + 1, Pi / 12);
        const T2DPoint b2 = BodSipky(d, PS + 1, -Pi / 12);
        const int k = VyznamnostPosunuHz(p, typHzPosunu, typ) ? iVrstva1 : iVrstva2;
        const std::string vrstva = JmenoVrstvy(k);
        CaraDXF(d.Min[0], d.Min[1], d.Max[0], d.Max[1], k);
        PLineStart(vrstva);
        VrcholDXF(b1, vrstva);
        VrcholDXF(d.Max, vrstva);
        VrcholDXF(b2, vrstva);
        PLineEnd();
    }
}

void TDXFwriterPosun::WritePosunyHzMezOdchylka(int typ, int iVrstva)
{
    const int n = Pocet();
    for (int i = 0; i < n; ++i) {
        const Tposun& p = Posun(i);
        Extended hodnota = 0, uhel = 0;
        SmerPosunuHz(p, typHzPosunu, -data->posunyDXF.stoceniOs, hodnota, uhel);
        const Extended mez = MezPosunuHz(p, typHzPosunu, typ);
        if (!(mez > 0)) continue;
        const TDuoPoint d = PolarniBod(Scale, mez, uhel, Bod(i).X, Bod(i).Y);
        const T2DPoint b = BodSipky(d, PointSize, -Pi / 2);
        CaraDXF(d.Min[0], d.Min[1], d.Max[0], d.Max[1], iVrstva);
        CaraDXF(b[0], b[1], d.Max[0], d.Max[1], iVrstva);
    }
}

void TDXFwriterPosun::WritePosunyZHodnota(int typ, int iVrstva1, int iVrstva2)
{
    const int n = Pocet();
    const Extended PS = PointSize;
    for (int i = 0; i < n; ++i) {
        const Tposun& p = Posun(i);
        if (JeNulovyPosunZ(p)) continue;
        const Extended X = Bod(i).X;
        const Extended Y = Bod(i).Y;
        // On the X axis, so that in DXF (Y = -X) a rise points up.
        const Extended Xc = X - p.hodnota.Z * Scale;
        TposunProkazani prokazani;
        ProkazaniPosunu(p, typ, prokazani);
        const std::string vrstva = JmenoVrstvy(prokazani.Z ? iVrstva1 : iVrstva2);
        Line(FtSf(-Y), FtSf(-X), "0", FtSf(-Y), FtSf(-Xc), "0", vrstva);
        Line(FtSf(-Y - PS), FtSf(-Xc), "0", FtSf(-Y + PS), FtSf(-Xc), "0", vrstva);
    }
}

void TDXFwriterPosun::WritePosunyZMezOdchylka(int typ, int iVrstva)
{
    const int n = Pocet();
    const Extended PS = PointSize;
    const std::string vrstva = JmenoVrstvy(iVrstva);
    for (int i = 0; i < n; ++i) {
        const Tposun& p = Posun(i);
        TposunHodnota mez;
        OdchylkaMezPosunu(p, typ, mez);
        if (!(mez.Z > 0)) continue;
        const Extended s = p.hodnota.Z < 0 ? -1 : 1;
        const Extended X = Bod(i).X;
        const Extended Y = Bod(i).Y;
        const Extended Xc = X - s * mez.Z * Scale;
        Line(FtSf(-Y), FtSf(-X), "0", FtSf(-Y), FtSf(-Xc), "0", vrstva);
        Line(FtSf(-Y - s * PS), FtSf(-Xc), "0", FtSf(-Y), FtSf(-Xc), "0", vrstva);
    }
}

}  // namespace sitmera
