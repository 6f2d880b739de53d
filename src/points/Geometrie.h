// Point geometry: distances, bearings, zenith angles and angles between
// points, the local frame spanned by three points, and the merge of two
// point-number-ordered ranges of a list.
//
// Convention: X is the first horizontal axis (north), Y the second (east), Z
// the height. Coordinates and lengths are metres, angles radians, arithmetic
// 80-bit. Only X, Y, Z of the points are read (and cislo by the merge).
//  - A bearing runs from the X axis towards the Y axis: atan2(dY, dX), brought
//    into [0, 2 pi). Between coincident points it is 0.
//  - A zenith angle runs from the upward Z direction: 0 straight up, pi/2
//    horizontal, pi straight down. Between coincident points it is 0.
//  - The Boolean functions return false with uhel = 0 when a length they need
//    is zero (a target on the station); they never throw.
#pragma once

#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

namespace sitmera {

// Horizontal length from A to B (metres).
Extended DelkaVodorovna(const Tbod& A, const Tbod& B);
// Horizontal length from (x1, y1) to (x2, y2) (metres).
Extended DelkaZeSouradnic(Extended x1, Extended y1, Extended x2, Extended y2);
// Slope (spatial) length from A to B (metres).
Extended DelkaSikma(const Tbod& A, const Tbod& B);

// Bearing from A to B (radians, [0, 2 pi)); 0 for A = B.
Extended SmernikBodu(const Tbod& A, const Tbod& B);
// Bearing from (x1, y1) to (x2, y2) (radians, [0, 2 pi)).
Extended SmernikZeSouradnic(Extended x1, Extended y1, Extended x2, Extended y2);
// Zenith angle from A to B (radians, [0, pi]); 0 when it cannot be computed
// (coincident points).
Extended ZenitBodu(const Tbod& A, const Tbod& B);

// Horizontal angle at bod from cil1 to cil2 (radians, [0, 2 pi)): bearing to
// cil2 minus bearing to cil1. False (uhel 0) when a target lies on the
// station's vertical.
bool UhelVodorovny(Extended& uhel, const Tbod& bod, const Tbod& cil1, const Tbod& cil2);
// Zenith angle to cil2 minus zenith angle to cil1 (radians, (-pi, pi), not
// normalised). False (uhel 0) when a target coincides with the station.
bool UhelProstorovy(Extended& uhel, const Tbod& bod, const Tbod& cil1, const Tbod& cil2);

// Local frame of three points: origin bod0, first axis towards bod1, bod2 in
// the plane of the first two axes. uhel is the angle at bod0 from the
// direction to bod1 to the direction to bod2 within that plane (radians,
// [0, 2 pi)); rotace := Rx(gamma)·Ry(beta)·Rz(alpha), the 3 x 3 rotation from
// the global frame into the local one; the points are rewritten in the local
// frame: bod0 = (0, 0, 0), bod1 = (|bod1 - bod0|, 0, 0), bod2 with Z 0.
// False (uhel 0, points and rotace unchanged) when bod1 or bod2 coincides
// with bod0. Collinear points succeed with uhel 0 or pi.
bool MistniSoustavaTriBodu(Extended& uhel, Tbod& bod0, Tbod& bod1, Tbod& bod2, Tmatrix& rotace);
// The angle of MistniSoustavaTriBodu without writing points or a matrix.
bool UhelNatoceniTriBodu(Extended& uhel, const Tbod& bod0, const Tbod& bod1, const Tbod& bod2);

// cil := the records 0 .. pocet1-1 and pocet1 .. pocet1+pocet2-1 of zdroj,
// each range already in TextMensi order of the numbers, merged into one
// ordered list (ties take the first range). When pocet1 < 1 or pocet2 < 1,
// cil := a copy of zdroj. Ranges reaching past zdroj throw ChybaArgumentu.
// zdroj and cil may be the same list.
void PreradBodyDleRozsahu(const Tsouradnice& zdroj, Tsouradnice& cil, int pocet1, int pocet2);

}  // namespace sitmera
