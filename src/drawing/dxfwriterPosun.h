// The comparison result as a DXF drawing: the identical points, their
// a-priori and a-posteriori error ellipses, the horizontal and vertical
// displacement vectors split by significance, and the limit deviations, each
// kind on layers of its own so that a CAD user can switch them. Builds on
// the DXF writer base (drawing/dxfwriter.h: records, tables, point symbols,
// the axis convention DXF X = -Y, DXF Y = -X, the in-memory file written in
// one go) and draws what the displacement drawing draws
// (drawing/ContainerPosun.h), from the model's DXF copies bodyDXF and
// posunyDXF (record i belongs to point i, i < pocet; r = stoceniOs of
// posunyDXF).
//
// Layers: 0 "0"; 1..3 point POINT, cross, number; 4, 5 ellipses a priori,
// a posteriori; 6..9 horizontal vectors not significant / significant a
// priori, then a posteriori; 10, 11 horizontal limits a priori, a
// posteriori; 12..15 vertical vectors as 6..9; 16, 17 vertical limits.
// Every layer is visible; layer "0" has colour 7, the others colour "0"
// until the window sets them.
//
// Units: metres; Scale magnifies vectors, limits and ellipses; angles in
// radians. Both precisions are always written; the window hides one of them
// by the layer visibility. Records whose value, limit or ellipse axis is
// not positive (or whose Z is zero) write nothing of that kind.
#pragma once

#include <string>

#include "analysis/ModelPosuny.h"
#include "drawing/Container.h"
#include "drawing/dxfwriter.h"

namespace sitmera {

class TDXFwriterPosun : public TDXFwriter {
public:
    const TmodelPosuny* data = nullptr;  // the comparison result (not owned)
    int typHzPosunu = 2;  // 0 X component, 1 Y component, 2 horizontal length with bearing

    // The base writer, then DefineLayers.
    TDXFwriterPosun();
    void DefineLayers();
    void ConnectData(const TmodelPosuny& gd);

    // The whole file: false only when it cannot be opened; a write failure
    // throws ChybaSouboru (and nothing is written).
    bool createdxf();
    void PointSizeCalc();
    void WriteDrawing();
    void WritePoints();
    // typ 0 a priori, 1 a posteriori; iVrstva1 the layer of significant
    // vectors, iVrstva2 that of the others.
    void WriteEllipses(int typ, int iVrstva);
    TElipse CalcElipse(int i, int typ) const;
    void WritePosunyHzHodnota(int typ, int iVrstva1, int iVrstva2);
    void WritePosunyHzMezOdchylka(int typ, int iVrstva);
    void WritePosunyZHodnota(int typ, int iVrstva1, int iVrstva2);
    void WritePosunyZMezOdchylka(int typ, int iVrstva);

private:
    int Pocet() const;
    const Tposun& Posun(int i) const { return data->posunyDXF.zaznam[i]; }
    const Tbod& Bod(int i) const { return data->bodyDXF.bod[i]; }
    void VrcholDXF(const T2DPoint& p, const std::string& vrstva);
};

}  // namespace sitmera
