// Covariance blocks, error ellipses and error ellipsoids, and the one
// significance test of the program.
//
// Covariance matrices are lower triangles (row i holds i+1 values). An
// epoch's cofactor matrix has 3u rows; rows 3k, 3k+1, 3k+2 are X, Y, Z of the
// k-th point of the epoch's list, so a point's block starts at row s = 3k.
// A block is a new 3 x 3 lower triangle.
//
// Units: covariances in square metres, semi-axes and standard deviations in
// metres, bearings and zenith angles in radians. A bearing runs from the X
// axis (north) towards the Y axis (east); a zenith angle from the upward Z
// direction. Computed from an epoch's cofactor matrix the lengths hold for
// unit variance; callers multiply them by a unit standard deviation.
//
// Failures: a block that is not positive semi-definite throws ChybaAritmetiky
// (the callers catch it and fail the whole operation). A tiny negative value
// left by rounding in a valid singular block (below zero by at most 1e-12 x
// the block's trace) counts as 0. An index or a matrix shape outside the
// arrays throws ChybaArgumentu. Nothing here catches errors.
#pragma once

#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

namespace sitmera {

// B[i][j] := a * C1[s1+i][s1+j] + b * C2[s2+i][s2+j] for 0 <= j <= i <= 2.
// s1, s2 are row indexes (3 x the point's index in its epoch); a, b are
// unitless factors. B is created anew (it may be C1 or C2).
void BlokKovariance(const Tmatrix& C1, const Tmatrix& C2, int s1, int s2, Extended a, Extended b,
                    Tmatrix& B);

// B[i][j] := f * C[s+i][s+j] for 0 <= j <= i <= 2; B is created anew.
void BlokKovarianceNasobek(const Tmatrix& C, int s, Tmatrix& B, Extended f);

// Error ellipse of the upper-left 2 x 2 part of the lower-triangular block B
// (Cxx = B[0][0], Cxy = B[1][0], Cyy = B[1][1]): semi-axes a >= b (metres)
// and the bearing of the major axis in [0, pi).
void ElipsaChybBodu(const Tmatrix& B, Telipsa& elipsa);

// Error ellipsoid of the 3 x 3 lower-triangular block B: the axes a, b, c are
// the singular vectors of the block in the order the decomposition leaves
// them (not sorted by length); each has its length (metres), bearing in
// [0, 2 pi) and zenith angle in [0, pi]. The sign of an axis is that of its
// singular vector, so a bearing may point either way along the axis.
void ElipsoidChybBodu(const Tmatrix& B, Telipsoid& elipsoid);

// elipsa of each of the first pocet points of the list from its block of the
// cofactor matrix kovMat. Points from index pocet on (the fixed points of an
// epoch) are not touched.
void VypocetElips(Tsouradnice& souradnice, const Tmatrix& kovMat, int pocet);

// sig_X, sig_Y, sig_Z (metres) and the elipsoid of each of the first pocet
// points of the list from its block of kovMat. Points from index pocet on are
// not touched.
void VypocetElipsoidu(Tsouradnice& souradnice, const Tmatrix& kovMat, int pocet);

// Significance test of one quantity: mez := odchylka * kvantil (the limit
// deviation, in the unit of hodnota). prokazano := provest and |hodnota|
// exceeds mez; a value equal to the limit (within a relative 1e-16, absolute
// 1e-16 near zero) is not significant. A switched-off test (provest false)
// gives false and still writes mez.
void TestVyznamnosti(Extended& mez, bool& prokazano, bool provest, Extended hodnota,
                     Extended odchylka, Extended kvantil);

}  // namespace sitmera
