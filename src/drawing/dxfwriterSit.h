// The network of one epoch as a DXF drawing: every point with its symbol and
// number, the measured lines with their labels, and two error ellipses of
// every determined point (scaled by the a-priori and by the a-posteriori
// unit standard deviation), each kind on a layer of its own (Czech or English
// names). Builds on the DXF writer base (drawing/dxfwriter.h: records,
// tables, point symbols, the axis convention DXF X = -Y, DXF Y = -X, and the
// in-memory file written in one go).
//
// Layers (colour, content): 0 "0" (7); 1..3 determined point: POINT, cross,
// number (3); 4..6 fixed point: POINT, cross and circle, number (2); 7
// measurement lines (9); 8 measurement labels (9); 9 ellipses scaled by the
// a-priori unit deviation (1); 10 ellipses scaled by the a-posteriori one (5).
// All layers visible; the window may change names, colours and visibility
// before createdxf.
//
// Units: coordinates and semi-axes metres, bearings radians; Scale is the
// magnification of the ellipse axes. Records not in use (JePlny false) and
// records whose point indexes lie outside the points are not written.
#pragma once

#include <string>

#include "analysis/GrafikaData.h"
#include "drawing/dxfwriter.h"

namespace sitmera {

class TDXFwriterSit : public TDXFwriter {
public:
    const TgrafikaData* data = nullptr;  // the network (not owned)

    // The base writer, then DefineLayers.
    TDXFwriterSit();
    void DefineLayers();
    void ConnectData(const TgrafikaData& gd);

    // The whole file: false only when it cannot be opened; a write failure
    // throws ChybaSouboru (and nothing is written).
    bool createdxf();
    void PointSizeCalc();
    void WriteDrawing();
    void WritePoints();
    void WriteMeasLines();
    void WriteMeasDescr();
    // Ellipses of the determined points whose ellipse is set (a_delka > 0).
    void WriteEllipses();
    // The two ellipse polylines of point i (41 vertices each, closed).
    void Ellipse(int i);
    // Label of record i as in the network drawing: smer:zenit:delkaS and
    // (delkaH:smernik:prevyseni) when any of those three is above 0.
    std::string CreateMereStr(int i) const;

private:
    int PocetBodu() const;
    bool Platny(int i) const { return i >= 0 && i < PocetBodu(); }
    // The ellipse of point i with the axes multiplied by Scale and then by
    // the unit deviation s0, on layer vrstva.
    void Polygon(int i, Extended s0, int vrstva);
};

}  // namespace sitmera
