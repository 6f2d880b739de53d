#include "analysis/ElipsyChyb.h"

#include <algorithm>
#include <cmath>

#include "numerics/Jednotky.h"
#include "numerics/Matrix2.h"
#include "points/Geometrie.h"

namespace sitmera {

namespace {

// Share of a block's trace below zero that still counts as a rounding residue
// of a valid singular block.
constexpr Extended ZbytekZaokrouhleni = 1e-12L;

// Throws ChybaArgumentu unless rows s .. s+2 of the lower triangle C exist and
// hold the columns s .. s+i they are read at.
void KontrolaBloku(const Tmatrix& C, int s)
{
    if (s < 0 || static_cast<std::size_t>(s) + 3 > C.size())
        throw ChybaArgumentu("Covariance block outside the matrix");
    for (int i = 0; i < 3; ++i)
        if (C[s + i].size() < static_cast<std::size_t>(s + i + 1))
            throw ChybaArgumentu("Covariance matrix row too short");
}

// Throws ChybaArgumentu unless B holds a 3 x 3 lower triangle from row 0.
void KontrolaBloku3(const Tmatrix& B) { KontrolaBloku(B, 0); }

// Ellipse of the symmetric 2 x 2 matrix [[Cxx, Cxy], [Cxy, Cyy]].
// Its eigenvalues are (Cxx + Cyy)/2 +- w with w = sqrt((Cxx - Cyy)^2 + 4 Cxy^2)/2,
// the semi-axes their square roots. The major axis makes the angle t with
// the X axis (towards Y) where tan 2t = 2 Cxy / (Cxx - Cyy); atan2 gives 2t in
// (-pi, pi], so t is brought into [0, pi) by adding pi to a negative value.
Telipsa ElipsaZPrvku(Extended Cxx, Extended Cyy, Extended Cxy)
{
    const Extended rozdil = Cxx - Cyy;
    const Extended w = Odmocnina(rozdil * rozdil + 4 * Cxy * Cxy) / 2;
    const Extended stopa = Cxx + Cyy;
    const Extended a2 = stopa / 2 + w;
    Extended b2 = stopa / 2 - w;
    // A singular block (b = 0) may leave a residue just below zero; a value
    // clearly below zero (or a negative trace) is no covariance block.
    if (b2 < 0 && b2 >= -ZbytekZaokrouhleni * stopa) b2 = 0;

    Telipsa elipsa;
    elipsa.a_delka = Odmocnina(a2);
    elipsa.b_delka = Odmocnina(b2);
    Extended smernik = std::atan2(2 * Cxy, rozdil) / 2;
    if (smernik < 0) smernik += Pi;
    // A negative angle smaller than half an ulp of pi rounds to pi itself
    // when pi is added: that axis lies along X, bearing 0.
    if (smernik >= Pi) smernik = 0;
    if (smernik == 0) smernik = 0;  // no signed zero
    elipsa.a_smernik = smernik;
    return elipsa;
}

// Ellipsoid of the full symmetric 3 x 3 matrix M.
Telipsoid ElipsoidZMatice(const Tmatrix& M)
{
    Tmatrix U;
    MatrixCopy(M, U);
    Tvector w;
    VectorCreate(w, 3);
    Tmatrix V;
    MatrixCreateSquare(3, V);
    // The status is not examined: a decomposition that did not converge leaves
    // its intermediate values, and the axes are taken from them.
    MatrixSvd(U, w, V);

    // The singular values of a symmetric matrix are the magnitudes of its
    // eigenvalues, so an indefinite block would give an ellipsoid silently.
    // v' M v is the eigenvalue itself (its sign included) for a singular
    // vector v; for a positive semi-definite M it is >= 0 for every v.
    const Extended stopa = M[0][0] + M[1][1] + M[2][2];
    Tbod O;
    BodDefault(O);
    Extended delka[3], smernik[3], zenit[3];
    for (int n = 0; n < 3; ++n) {
        Extended vMv = 0;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) vMv += V[i][n] * M[i][j] * V[j][n];
        if (!(vMv >= -ZbytekZaokrouhleni * stopa))
            throw ChybaAritmetiky("Invalid floating point operation");

        delka[n] = Odmocnina(w[n]);
        Tbod P;
        BodDefault(P);
        P.X = V[0][n];
        P.Y = V[1][n];
        P.Z = V[2][n];
        smernik[n] = SmernikBodu(O, P);
        zenit[n] = ZenitBodu(O, P);
    }

    Telipsoid e;
    e.a_delka = delka[0];
    e.a_smernik = smernik[0];
    e.a_zenit = zenit[0];
    e.b_delka = delka[1];
    e.b_smernik = smernik[1];
    e.b_zenit = zenit[1];
    e.c_delka = delka[2];
    e.c_smernik = smernik[2];
    e.c_zenit = zenit[2];
    return e;
}

// Throws ChybaArgumentu unless the list holds pocet points and kovMat the
// 3 pocet rows of their blocks.
void KontrolaPoctu(const Tsouradnice& souradnice, const Tmatrix& kovMat, int pocet)
{
    if (pocet <= 0) return;
    if (static_cast<std::size_t>(pocet) > souradnice.bod.size())
        throw ChybaArgumentu("More points asked for than the list holds");
    if (kovMat.size() < static_cast<std::size_t>(3) * pocet)
        throw ChybaArgumentu("Covariance matrix smaller than the points");
    for (int r = 0; r < 3 * pocet; ++r)
        if (kovMat[r].size() < static_cast<std::size_t>(r + 1))
            throw ChybaArgumentu("Covariance matrix row too short");
}

}  // namespace

void BlokKovariance(const Tmatrix& C1, const Tmatrix& C2, int s1, int s2, Extended a, Extended b,
                    Tmatrix& B)
{
    KontrolaBloku(C1, s1);
    KontrolaBloku(C2, s2);
    Tmatrix vysledek;
    MatrixCreateLower(vysledek, 3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j)
            vysledek[i][j] = a * C1[s1 + i][s1 + j] + b * C2[s2 + i][s2 + j];
    B = std::move(vysledek);
}

void BlokKovarianceNasobek(const Tmatrix& C, int s, Tmatrix& B, Extended f)
{
    KontrolaBloku(C, s);
    Tmatrix vysledek;
    MatrixCreateLower(vysledek, 3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) vysledek[i][j] = f * C[s + i][s + j];
    B = std::move(vysledek);
}

void ElipsaChybBodu(const Tmatrix& B, Telipsa& elipsa)
{
    if (B.size() < 2 || B[0].size() < 1 || B[1].size() < 2)
        throw ChybaArgumentu("Covariance block too small");
    elipsa = ElipsaZPrvku(B[0][0], B[1][1], B[1][0]);
}

void ElipsoidChybBodu(const Tmatrix& B, Telipsoid& elipsoid)
{
    KontrolaBloku3(B);
    Tmatrix M;
    MatrixSubmatrix(B, 0, 3, M);
    elipsoid = ElipsoidZMatice(M);
}

void VypocetElips(Tsouradnice& souradnice, const Tmatrix& kovMat, int pocet)
{
    KontrolaPoctu(souradnice, kovMat, pocet);
    for (int k = 0; k < pocet; ++k) {
        const int s = 3 * k;
        souradnice.bod[k].elipsa =
            ElipsaZPrvku(kovMat[s][s], kovMat[s + 1][s + 1], kovMat[s + 1][s]);
    }
}

void VypocetElipsoidu(Tsouradnice& souradnice, const Tmatrix& kovMat, int pocet)
{
    KontrolaPoctu(souradnice, kovMat, pocet);
    for (int k = 0; k < pocet; ++k) {
        Tmatrix M;
        MatrixSubmatrix(kovMat, 3 * k, 3, M);
        Tbod& bod = souradnice.bod[k];
        bod.sig_X = Odmocnina(M[0][0]);
        bod.sig_Y = Odmocnina(M[1][1]);
        bod.sig_Z = Odmocnina(M[2][2]);
        bod.elipsoid = ElipsoidZMatice(M);
    }
}

void TestVyznamnosti(Extended& mez, bool& prokazano, bool provest, Extended hodnota,
                     Extended odchylka, Extended kvantil)
{
    mez = odchylka * kvantil;
    if (!provest) {
        prokazano = false;
        return;
    }
    // |hodnota| equal to the limit within the tolerance is not significant.
    const Extended h = std::fabs(hodnota);
    const Extended tolerance = std::max(1e-16L * std::min(h, std::fabs(mez)), 1e-16L);
    const bool rovno = std::fabs(h - mez) <= tolerance;
    prokazano = !(h <= mez || rovno);
}

}  // namespace sitmera
