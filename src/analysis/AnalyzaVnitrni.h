// Internal analysis of an epoch: how precisely the adjusted coordinates
// determine a chosen length or angle of the network, and the comparison of
// such results between two epochs.
//
// The covariance of the chosen points (a station and one or two targets) is
// cut out of the epoch's cofactor matrix and propagated into the derived
// quantities by their Jacobians; the cofactor deviation is then multiplied by
// the a-priori and the a-posteriori unit standard deviation.
//
// Units: coordinates, differences and lengths in metres, angles and angular
// deviations in radians, covariances in square metres (cofactors for unit
// variance). A bearing runs from the X axis (north) towards the Y axis (east),
// a zenith angle from the upward Z direction. Every difference is target
// minus station.
//
// Result rows. Each row of `data` is a Tbod used as a result record:
//   X value, Y a-priori, Z a-posteriori standard deviation;
//   kontrola[0] the value is defined, kontrola[1] the deviations are defined;
//   cislo stays empty, every other field keeps its BodDefault value.
// Length analysis, 7 rows: 0 dX, 1 dY, 2 dZ, 3 horizontal length, 4 slope
// length, 5 bearing station -> target, 6 zenith angle station -> target.
// Angle analysis, 3 rows: 0 horizontal angle at the station from the left to
// the right target, 1 angle between the two sight lines in the plane of the
// three points, 2 zenith angle to the right minus zenith angle to the left
// target.
// A comparison row (PorovnatAnalyzu) adds: X the change (epoch 2 minus 1),
// sig_Y / sig_Z the a-priori / a-posteriori limit deviations,
// elipsoid.a_delka / b_delka the a-priori / a-posteriori quantiles,
// kontrola[2] / [3] significant a priori / a posteriori.
//
// Special cases: the same point twice gives rows with nothing defined; a
// fixed point has no covariance block and contributes nothing; a bearing or
// a horizontal angle needs a non-zero horizontal length; a zenith angle needs
// a non-zero slope length. No exception leaves the analyses: a deviation that
// cannot be computed clears kontrola[1] of its row.
#pragma once

#include <cstdint>

#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

namespace sitmera {

// ---------------------------------------------------------------- joint covariance

// Copies the diagonal 3 x 3 block of kovMat starting at row `radek` into the
// lower triangle K at row `cil`. A block outside kovMat throws ChybaArgumentu.
void KopirujBlokDiagonalni(const Tmatrix& kovMat, int radek, Tmatrix& K, int cil);

// Copies the 3 x 3 cross block of two points into the lower triangle K:
// K[cilA+i][cilB+j] := cov(a_i, b_j), with a at row radekA and b at row
// radekB of kovMat (only its lower half is read), cilA > cilB. Two points with
// the same row throw TichePreruseni; a block outside kovMat ChybaArgumentu.
void KopirujBlokKrizovy(const Tmatrix& kovMat, int radekA, int radekB, Tmatrix& K, int cilA,
                        int cilB);

// K := the joint 6 x 6 covariance (lower triangle) of bod1 (rows 0-2) and
// bod2 (rows 3-5); a point's block starts at row 3 (poradi - 1) of kovMat. A
// fixed point (JeFixni) contributes zeros. False when a block cannot be
// copied (two free points with the same row, a block outside kovMat); the
// blocks not copied stay zero.
bool KovarianceDvouBodu(const Tmatrix& kovMat, const Tbod& bod1, const Tbod& bod2, Tmatrix& K);

// The same for three points: 9 x 9, bod1 rows 0-2, bod2 3-5, bod3 6-8. The
// rows of all three pairs are checked before anything is copied.
bool KovarianceTriBodu(const Tmatrix& kovMat, const Tbod& bod1, const Tbod& bod2,
                       const Tbod& bod3, Tmatrix& K);

// D := the 3 x 3 covariance (lower triangle) of the difference target minus
// station from the joint 6 x 6 K (station rows 0-2, target rows 3-5):
// D[i][j] = K[3+i][3+j] + K[i][j] - K[3+i][j] - K[3+j][i].
void KovarianceRozdilu(const Tmatrix& K, Tmatrix& D);

// ---------------------------------------------------------------- deviation formulas
//
// D is the 3 x 3 covariance (lower triangle, square metres) of the difference
// (dX, dY, dZ) in metres. Each returns the standard deviation of the derived
// quantity (metres or radians) and throws ChybaAritmetiky when it cannot be
// computed. A variance that comes out below zero only by rounding (by at most
// 1e-12 of the sum of the magnitudes of its terms) counts as 0.

// Horizontal length sqrt(dX^2 + dY^2) (metres). dX and dY both within 1e-16 of
// zero are taken as 1 (the direction is then undefined; the result is the
// deviation along the diagonal).
Extended OdchylkaDelkaH(const Tmatrix& D, Extended dX, Extended dY);
// Slope length (metres). dX, dY, dZ all within 1e-16 of zero are taken as 1.
Extended OdchylkaDelkaS(const Tmatrix& D, Extended dX, Extended dY, Extended dZ);
// Bearing atan2(dY, dX) (radians). A zero horizontal length fails.
Extended OdchylkaSmernik(const Tmatrix& D, Extended dX, Extended dY);
// Zenith angle arccos(dZ / S) (radians). All three differences within 1e-16
// of zero fail; dX and dY both within 1e-16 are taken as 1e-7 each (vertical
// sight), otherwise a dZ within 1e-16 is taken as 1e-7.
Extended OdchylkaZenit(const Tmatrix& D, Extended dX, Extended dY, Extended dZ);

// The same formulas inside their own error trap, as the analysis rows use
// them: true and s (metres or radians) on success, false and s = 0 when the
// deviation cannot be computed.
// Coordinate difference k = 0, 1, 2 (X, Y, Z): s = sqrt(D[k][k]).
bool OdchylkaSlozky(const Tmatrix& D, int k, Extended& s);
bool OdchylkaDelkaHRadek(const Tmatrix& D, Extended dX, Extended dY, Extended& s);
bool OdchylkaDelkaSRadek(const Tmatrix& D, Extended dX, Extended dY, Extended dZ, Extended& s);
bool OdchylkaSmernikRadek(const Tmatrix& D, Extended dX, Extended dY, Extended& s);
bool OdchylkaZenitRadek(const Tmatrix& D, Extended dX, Extended dY, Extended dZ, Extended& s);

// Horizontal angle (bearing to the right minus bearing to the left target,
// radians) from the full symmetric 9 x 9 covariance M of station, left and
// right target (rows 0-2, 3-5, 6-8); dXL, dYL and dXP, dYP are the plane
// differences of the left and the right target from the station (metres).
// False (s = 0) when a horizontal length is zero.
bool OdchylkaUhelVodorovny(const Tmatrix& M, Extended dXL, Extended dYL, Extended dXP,
                           Extended dYP, Extended& s);

// Zenith-angle difference (zenith to the right minus zenith to the left
// target, radians) from the full 9 x 9 M; (a, b, c) and (p, q, r) are the
// spatial differences of the left and the right target from the station
// (metres). Per target: all three within 1e-16 of zero fails; plane
// differences both within 1e-16 are taken as 1e-7 each, otherwise a height
// difference within 1e-16 is taken as 1e-7.
bool OdchylkaUhelProstorovy(const Tmatrix& M, Extended a, Extended b, Extended c, Extended p,
                            Extended q, Extended r, Extended& s);

// ---------------------------------------------------------------- comparison of rows

// Compares row r1 of epoch 1 with the same row r2 of epoch 2 into out (see
// the top of the file):
//  - kontrola[0] := both values defined; X := r2.X - r1.X for typ 1 (lengths,
//    coordinate differences, metres), the angle difference brought into
//    [-pi, pi) for typ 2 (radians), 0 for any other typ;
//  - kontrola[1] := both deviations defined; then
//    Y := sqrt(r1.Y^2 + r2.Y^2), quantile kvantilN, limit sig_Y := Y x
//    kvantilN, kontrola[2] := testAprior and |X| > sig_Y;
//    Z := sqrt(r1.Z^2 + r2.Z^2), the effective Student quantile
//    t = sqrt((r1.Z^2 t1^2 + r2.Z^2 t2^2) / Z^2) (t1 = kvantilS1, t2 =
//    kvantilS2; equal to t when t1 = t2 = t), sig_Z := Z x t, kontrola[3] :=
//    testAposter and |X| > sig_Z.
// A value equal to its limit is not significant; a switched-off test still
// writes its limit. When Z is 0 (no epoch adjusted) the a-priori figures are
// kept and the a-posteriori ones are 0 with kontrola[3] false. Never throws.
void PorovnatAnalyzu(const Tbod& r1, const Tbod& r2, std::uint8_t typ, Extended kvantilN,
                     Extended kvantilS1, Extended kvantilS2, bool testAprior, bool testAposter,
                     Tbod& out);

// ---------------------------------------------------------------- the analysis

class TanalyzaVnitrni {
public:
    Tsouradnice data;     // the result rows
    int iStn = 0;         // index of the station in the epoch's point list
    int iCilL = 0;        // index of the (left) target
    int iCilP = 0;        // index of the right target
    int typPresnost = 0;  // which precision the windows show

    // pocet zeroed rows.
    explicit TanalyzaVnitrni(int pocet = 0);

    // No rows; iStn, iCilL, iCilP, typPresnost := -1.
    void Clear();
    // DefaultPoradi and typPresnost := 0 (the rows are kept).
    void Default();
    // iStn 0, iCilL 1, iCilP 2.
    void DefaultPoradi();
    // Copies the rows and the four integers.
    void Kopiruj(const TanalyzaVnitrni& vstup);
    // Sets the number of rows (new ones zeroed).
    void Velikost(int pocet);

    // Length analysis from station iBod to target iCil of souradnice: fills
    // the 7 rows; iStn := iBod, iCilL := iCil. kovMat is the epoch's cofactor
    // matrix (lower triangle); deviations are multiplied by
    // odchylkaJednotkovaAprior / odchylkaJednotkovaAposterior (unitless).
    // An index outside the list leaves every row undefined.
    void VypocetAnalyzaDelka(int iBod, int iCil, const Tmatrix& kovMat,
                             const Tsouradnice& souradnice, Extended odchylkaJednotkovaAprior,
                             Extended odchylkaJednotkovaAposterior);

    // Angle analysis at station iBod between the left target iCilL and the
    // right target iCilP: fills the 3 rows and stores the three indexes.
    // An index outside the list leaves every row undefined.
    void VypocetAnalyzaUhel(int iBod, int iCilL, int iCilP, const Tmatrix& kovMat,
                            const Tsouradnice& souradnice, Extended odchylkaJednotkovaAprior,
                            Extended odchylkaJednotkovaAposterior);
};

}  // namespace sitmera
