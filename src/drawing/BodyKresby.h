// Points of a drawing, shared by the canvases and the DXF writers: the point
// and pair types, the extent and the centre of a set of points, and the point
// of an arrow head.
//
// Units are those of the caller: drawing units (metres) or pixels; angles
// are radians, counted from the x axis towards y.
#pragma once

#include <array>

#include "numerics/Zaklad.h"

namespace sitmera {

// A drawing point or a pixel position: index 0 x, index 1 y.
using T2DPoint = std::array<Extended, 2>;

// An extent (largest and smallest x and y) or a pair of points.
struct TDuoPoint {
    T2DPoint Max{};
    T2DPoint Min{};
};

// Largest and smallest x and y of the points xy(0) .. xy(n - 1) (xy gives
// a T2DPoint, metres); all 0 without points.
template <class F>
TDuoPoint MezeBodu(int n, F xy)
{
    TDuoPoint d;
    if (n <= 0) return d;
    d.Max = xy(0);
    d.Min = d.Max;
    for (int i = 1; i < n; ++i) {
        const T2DPoint b = xy(i);
        if (b[0] > d.Max[0]) d.Max[0] = b[0];
        if (b[1] > d.Max[1]) d.Max[1] = b[1];
        if (b[0] < d.Min[0]) d.Min[0] = b[0];
        if (b[1] < d.Min[1]) d.Min[1] = b[1];
    }
    return d;
}

// Mean x and mean y of the points xy(0) .. xy(n - 1) (metres); 0, 0 without
// points.
template <class F>
T2DPoint StredBodu(int n, F xy)
{
    if (n <= 0) return {0, 0};
    Extended sx = 0, sy = 0;
    for (int i = 0; i < n; ++i) {
        const T2DPoint b = xy(i);
        sx += b[0];
        sy += b[1];
    }
    return {sx / n, sy / n};
}

// The arrow-head point: with T = d.Max and O = d.Min, the point
// T + delka (cos(theta + uhel), sin(theta + uhel)), theta the direction from
// T back to O.
T2DPoint BodSipky(const TDuoPoint& d, Extended delka, Extended uhel);

}  // namespace sitmera
