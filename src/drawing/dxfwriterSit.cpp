#include "drawing/dxfwriterSit.h"

#include <array>

#include "drawing/Container.h"

namespace sitmera {

TDXFwriterSit::TDXFwriterSit() { DefineLayers(); }

void TDXFwriterSit::DefineLayers()
{
    struct Definice {
        const char* cesky;
        const char* anglicky;
        const char* barva;
    };
    static const std::array<Definice, 11> definice = {{
        {"0", "0", "7"},
        {"BodVyr_Bod", "PointAdj_Point", "3"},
        {"BodVyr_Znak", "PointAdj_Mark", "3"},
        {"BodVyr_Cislo", "PointAdj_Number", "3"},
        {"BodFix_Bod", "PointFix_Point", "2"},
        {"BodFix_Znak", "PointFix_Mark", "2"},
        {"BodFix_Cislo", "PointFix_Number", "2"},
        {"Mereni_Linie", "Meas_Line", "9"},
        {"Mereni_Popis", "Meas_Descr", "9"},
        {"ElipsaChyb_Apri", "ErrElips_Apri", "1"},
        {"ElipsaChyb_Apos", "ErrElips_Apos", "5"},
    }};
    layers.clear();
    for (const Definice& d : definice) layers.push_back(TLayer{{d.cesky, d.anglicky}, d.barva, true});
    layersnum = static_cast<int>(layers.size());
}

void TDXFwriterSit::ConnectData(const TgrafikaData& gd) { data = &gd; }

int TDXFwriterSit::PocetBodu() const
{
    return data != nullptr ? static_cast<int>(data->body.size()) : 0;
}

bool TDXFwriterSit::createdxf()
{
    return ZapisVykres([this] { PointSizeCalc(); }, [this] { WriteDrawing(); });
}

void TDXFwriterSit::PointSizeCalc()
{
    Rozsah(MezeBodu(PocetBodu(), [this](int i) { return T2DPoint{data->body[i].X, data->body[i].Y}; }));
}

void TDXFwriterSit::WriteDrawing()
{
    section();
    Entities();
    WritePoints();
    WriteMeasLines();
    WriteMeasDescr();
    WriteEllipses();
    EndSec();
}

void TDXFwriterSit::WritePoints()
{
    const int n = PocetBodu();
    for (int i = 0; i < n; ++i) {
        const TgrafikaBod& b = data->body[i];
        if (b.JeFixni)
            FixPointPaint(b.X, b.Y, b.cislo);
        else
            AdjPointPaint(b.X, b.Y, b.cislo);
    }
}

void TDXFwriterSit::WriteMeasLines()
{
    if (data == nullptr) return;
    for (const TgrafikaZaznam& z : data->mereni) {
        if (!z.JePlny || !Platny(z.iStn) || !Platny(z.iCil)) continue;
        const TgrafikaBod& a = data->body[z.iStn];
        const TgrafikaBod& b = data->body[z.iCil];
        Line(FtSf(-a.Y), FtSf(-a.X), "0", FtSf(-b.Y), FtSf(-b.X), "0", JmenoVrstvy(7));
    }
}

void TDXFwriterSit::WriteMeasDescr()
{
    if (data == nullptr) return;
    const int n = static_cast<int>(data->mereni.size());
    for (int i = 0; i < n; ++i) {
        const TgrafikaZaznam& z = data->mereni[i];
        if (!z.JePlny || !Platny(z.iStn) || !Platny(z.iCil)) continue;
        const TgrafikaBod& a = data->body[z.iStn];
        const TgrafikaBod& b = data->body[z.iCil];
        const Extended mx = (a.X + b.X) / 2;
        const Extended my = (a.Y + b.Y) / 2;
        Text(FtSf(-my), FtSf(-mx), "0", JmenoVrstvy(8), FtSf(PointSize), CreateMereStr(i));
    }
}

void TDXFwriterSit::WriteEllipses()
{
    const int n = PocetBodu();
    for (int i = 0; i < n; ++i)
        if (!data->body[i].JeFixni && JeElipsaNastavena(data->body[i].a_delka)) Ellipse(i);
}

void TDXFwriterSit::Polygon(int i, Extended s0, int vrstva)
{
    const TgrafikaBod& b = data->body[i];
    const TElipse e = PolygonElipsy(b.X, b.Y, b.a_delka, b.b_delka, b.a_smernik, Scale, s0);
    const std::string jmeno = JmenoVrstvy(vrstva);
    PLineStart(jmeno);
    for (const T2DPoint& v : e) PLineVertex(FtSf(-v[1]), FtSf(-v[0]), "0", jmeno);
    PLineEnd();
}

void TDXFwriterSit::Ellipse(int i)
{
    if (!Platny(i)) return;
    // Each ellipse goes to the layer named after its unit deviation.
    Polygon(i, data->odchylkaJednotkovaAprior, 9);
    Polygon(i, data->odchylkaJednotkovaAposterior, 10);
}

std::string TDXFwriterSit::CreateMereStr(int i) const
{
    if (data == nullptr || i < 0 || i >= static_cast<int>(data->mereni.size())) return "";
    return PopisMereni(data->mereni[i]);
}

}  // namespace sitmera
