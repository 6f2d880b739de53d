// Internal analysis of lengths and angles, and the comparison of analysis
// rows between two epochs.
//
// Every standard deviation is checked against an independent propagation:
// the Jacobian of the quantity is taken by central differences of plain
// atan2 / hypot formulas written here, and s = sqrt(J M J^T) with M cut out
// of the full symmetric covariance matrix of a random epoch.
#include "analysis/AnalyzaVnitrni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "numerics/Jednotky.h"
#include "numerics/Matrix2.h"

namespace sitmera {
namespace {

Tbod Bod(const std::string& cislo, Extended x, Extended y, Extended z, int poradi,
         bool fixni = false)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.X = x;
    b.Y = y;
    b.Z = z;
    b.poradi = poradi;
    b.JeFixni = fixni;
    b.JePlny = true;
    return b;
}

Tmatrix Dolni(const Tmatrix& plna)
{
    Tmatrix L;
    MatrixCreateLower(L, static_cast<int>(plna.size()));
    for (std::size_t i = 0; i < plna.size(); ++i)
        for (std::size_t j = 0; j <= i; ++j) L[i][j] = plna[i][j];
    return L;
}

Tmatrix Jednotkova(int n, Extended v = 1)
{
    Tmatrix M;
    MatrixCreateSquare(n, M);
    for (int i = 0; i < n; ++i) M[i][i] = v;
    return M;
}

// A 3 x 3 lower triangle by rows.
Tmatrix Blok3(Extended d00, Extended d10, Extended d11, Extended d20, Extended d21, Extended d22)
{
    return {{d00}, {d10, d11}, {d20, d21, d22}};
}

bool Blizko(Extended a, Extended b, Extended rel)
{
    return std::fabs(a - b) <= rel * std::max(std::fabs(a), std::fabs(b));
}

// ---------------------------------------------------------------- random epoch

// An epoch of six points: four determined (poradi 1..4, 12 x 12 cofactor
// matrix), two fixed (poradi 5, 6, no block). The list order is shuffled, so
// a point's block is found by poradi, not by its position.
struct NahodnaEtapa {
    Tsouradnice body;
    Tmatrix plna;    // full symmetric 12 x 12
    Tmatrix kovMat;  // its lower triangle
};

NahodnaEtapa VytvorEtapu(std::mt19937_64& gen, bool zamichat = true)
{
    std::uniform_real_distribution<double> poloha(-300.0, 300.0);
    std::uniform_real_distribution<double> vyska(-40.0, 40.0);
    std::normal_distribution<double> normal(0.0, 1.0);
    NahodnaEtapa e;
    for (int k = 0; k < 6; ++k)
        e.body.PridejBod(Bod(std::to_string(k + 1), poloha(gen), poloha(gen), vyska(gen), k + 1,
                             k >= 4));
    if (zamichat) std::shuffle(e.body.bod.begin(), e.body.bod.end(), gen);

    // A A^T + 0.05 I, in square millimetres scaled to square metres.
    const int n = 12;
    Tmatrix A;
    MatrixCreate(A, n, n);
    for (auto& radek : A)
        for (auto& x : radek) x = normal(gen);
    MatrixCreateSquare(n, e.plna);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            Extended s = (i == j) ? 0.05L : 0.0L;
            for (int k = 0; k < n; ++k) s += A[i][k] * A[j][k];
            e.plna[i][j] = s * 1e-6L;
        }
    e.kovMat = Dolni(e.plna);
    return e;
}

// Joint covariance of the chosen points taken straight from the full matrix;
// a fixed point has none.
Tmatrix SpolecnaKovariance(const NahodnaEtapa& e, const std::vector<const Tbod*>& body)
{
    const int n = 3 * static_cast<int>(body.size());
    Tmatrix M;
    MatrixCreateSquare(n, M);
    for (std::size_t a = 0; a < body.size(); ++a)
        for (std::size_t b = 0; b < body.size(); ++b) {
            if (body[a]->JeFixni || body[b]->JeFixni) continue;
            const int ra = 3 * (body[a]->poradi - 1), rb = 3 * (body[b]->poradi - 1);
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) M[3 * a + i][3 * b + j] = e.plna[ra + i][rb + j];
        }
    return M;
}

Extended ZabalUhel(Extended d)
{
    while (d > Pi) d -= DvaPi;
    while (d <= -Pi) d += DvaPi;
    return d;
}

using Funkce = std::function<Extended(const std::vector<Extended>&)>;

// sqrt(J M J^T) with J by central differences of f at x.
Extended PropagaceDiferencemi(const Funkce& f, std::vector<Extended> x, const Tmatrix& M,
                              bool uhel)
{
    const std::size_t n = x.size();
    std::vector<Extended> J(n);
    const Extended h = 1e-4L;  // metres, against lengths of tens to hundreds of metres
    for (std::size_t i = 0; i < n; ++i) {
        const Extended puvodni = x[i];
        x[i] = puvodni + h;
        const Extended plus = f(x);
        x[i] = puvodni - h;
        const Extended minus = f(x);
        x[i] = puvodni;
        const Extended d = uhel ? ZabalUhel(plus - minus) : plus - minus;
        J[i] = d / (2 * h);
    }
    Extended v = 0;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j) v += J[i] * M[i][j] * J[j];
    return std::sqrt(v);
}

std::vector<Extended> Souradnice(const std::vector<const Tbod*>& body)
{
    std::vector<Extended> x;
    for (const Tbod* b : body) {
        x.push_back(b->X);
        x.push_back(b->Y);
        x.push_back(b->Z);
    }
    return x;
}

// The seven quantities of the length analysis from (station, target).
Extended VelicinaDelky(int radek, const std::vector<Extended>& x)
{
    const Extended dX = x[3] - x[0], dY = x[4] - x[1], dZ = x[5] - x[2];
    const Extended h = std::hypot(dX, dY);
    switch (radek) {
    case 0: return dX;
    case 1: return dY;
    case 2: return dZ;
    case 3: return h;
    case 4: return std::sqrt(dX * dX + dY * dY + dZ * dZ);
    case 5: return std::atan2(dY, dX);
    default: return std::atan2(h, dZ);
    }
}

// The three quantities of the angle analysis from (station, left, right).
Extended VelicinaUhlu(int radek, const std::vector<Extended>& x)
{
    const Extended u[3] = {x[3] - x[0], x[4] - x[1], x[5] - x[2]};
    const Extended w[3] = {x[6] - x[0], x[7] - x[1], x[8] - x[2]};
    switch (radek) {
    case 0: return std::atan2(w[1], w[0]) - std::atan2(u[1], u[0]);
    case 1: {
        const Extended k[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2],
                               u[0] * w[1] - u[1] * w[0]};
        const Extended sinus = std::sqrt(k[0] * k[0] + k[1] * k[1] + k[2] * k[2]);
        return std::atan2(sinus, u[0] * w[0] + u[1] * w[1] + u[2] * w[2]);
    }
    default:
        return std::atan2(std::hypot(w[0], w[1]), w[2]) - std::atan2(std::hypot(u[0], u[1]), u[2]);
    }
}

// ---------------------------------------------------------------- finite differences

TEST(AnalyzaDelkaPropagace, EveryDeviationEqualsFiniteDifferencePropagation)
{
    std::mt19937_64 gen(20240501);
    std::uniform_int_distribution<int> index(0, 5);
    const Extended aprior = 1.7L, aposter = 0.8L;
    int porovnano = 0;
    for (int pokus = 0; pokus < 300; ++pokus) {
        const NahodnaEtapa e = VytvorEtapu(gen);
        const int iS = index(gen), iC = index(gen);
        if (iS == iC) continue;
        const Tbod& S = e.body.bod[iS];
        const Tbod& C = e.body.bod[iC];
        const std::vector<const Tbod*> body = {&S, &C};
        const Tmatrix M = SpolecnaKovariance(e, body);

        TanalyzaVnitrni analyza;
        analyza.VypocetAnalyzaDelka(iS, iC, e.kovMat, e.body, aprior, aposter);
        ASSERT_EQ(analyza.data.bod.size(), 7u);
        for (int r = 0; r < 7; ++r) {
            const Tbod& radek = analyza.data.bod[r];
            ASSERT_TRUE(radek.kontrola[0]) << r;
            const Extended rozdil = ZabalUhel(radek.X - VelicinaDelky(r, Souradnice(body)));
            EXPECT_NEAR(static_cast<double>(rozdil), 0, 1e-12) << r;
            if (S.JeFixni && C.JeFixni) {
                // No covariance at all: every deviation is 0 and defined.
                EXPECT_TRUE(radek.kontrola[1]) << r;
                EXPECT_EQ(radek.Y, 0) << r;
                continue;
            }
            ASSERT_TRUE(radek.kontrola[1]) << r;
            const Funkce f = [r](const std::vector<Extended>& x) { return VelicinaDelky(r, x); };
            const Extended s = PropagaceDiferencemi(f, Souradnice(body), M, r >= 5);
            EXPECT_TRUE(Blizko(radek.Y, s * aprior, 1e-9L))
                << "row " << r << ": " << static_cast<double>(radek.Y) << " vs "
                << static_cast<double>(s * aprior);
            EXPECT_TRUE(Blizko(radek.Z, s * aposter, 1e-9L)) << r;
            ++porovnano;
        }
    }
    EXPECT_GT(porovnano, 1000);
}

TEST(AnalyzaUhelPropagace, EveryDeviationEqualsFiniteDifferencePropagation)
{
    std::mt19937_64 gen(7771);
    std::uniform_int_distribution<int> index(0, 5);
    const Extended aprior = 1.0L, aposter = 2.5L;
    int porovnano = 0;
    for (int pokus = 0; pokus < 300; ++pokus) {
        const NahodnaEtapa e = VytvorEtapu(gen);
        const int iS = index(gen), iL = index(gen), iP = index(gen);
        if (iS == iL || iS == iP || iL == iP) continue;
        const Tbod& S = e.body.bod[iS];
        const Tbod& L = e.body.bod[iL];
        const Tbod& P = e.body.bod[iP];
        const std::vector<const Tbod*> body = {&S, &L, &P};
        const Tmatrix M = SpolecnaKovariance(e, body);

        TanalyzaVnitrni analyza;
        analyza.VypocetAnalyzaUhel(iS, iL, iP, e.kovMat, e.body, aprior, aposter);
        ASSERT_EQ(analyza.data.bod.size(), 3u);
        for (int r = 0; r < 3; ++r) {
            const Tbod& radek = analyza.data.bod[r];
            ASSERT_TRUE(radek.kontrola[0]) << r;
            ASSERT_TRUE(radek.kontrola[1]) << r;
            // The value; the angle in the plane is measured to one side or
            // the other.
            const Extended theta = VelicinaUhlu(r, Souradnice(body));
            EXPECT_TRUE(std::fabs(ZabalUhel(radek.X - theta)) < 1e-12L ||
                        (r == 1 && std::fabs(radek.X - (DvaPi - theta)) < 1e-12L))
                << r << ": " << static_cast<double>(radek.X) << " vs "
                << static_cast<double>(theta);
            const Funkce f = [r](const std::vector<Extended>& x) { return VelicinaUhlu(r, x); };
            const Extended s = PropagaceDiferencemi(f, Souradnice(body), M, true);
            if (S.JeFixni && L.JeFixni && P.JeFixni) {
                EXPECT_EQ(radek.Y, 0) << r;
                continue;
            }
            EXPECT_TRUE(Blizko(radek.Y, s * aprior, 1e-9L))
                << "row " << r << ": " << static_cast<double>(radek.Y) << " vs "
                << static_cast<double>(s * aprior);
            EXPECT_TRUE(Blizko(radek.Z, s * aposter, 1e-9L)) << r;
            ++porovnano;
        }
    }
    EXPECT_GT(porovnano, 300);
}

// ---------------------------------------------------------------- mended formulas

TEST(OdchylkaZenit, CrossTermsOfHeightEnterWithMinusSign)
{
    // d = (3, 4, 2): A 9, B 16, C 4, H 25, S^2 29. With D20 = 0.5:
    // 1.44 + 2.56 + 25 - 2 (3 * 2 * 0.5) = 23, s = sqrt(23) / 29.
    const Tmatrix D = Blok3(1, 0, 1, 0.5L, 0, 1);
    EXPECT_NEAR(static_cast<double>(OdchylkaZenit(D, 3, 4, 2)), 0.165373501, 1e-9);
    EXPECT_NEAR(static_cast<double>(OdchylkaZenit(D, 3, 4, 2)), std::sqrt(23.0) / 29.0, 1e-15);
    Extended s = 0;
    ASSERT_TRUE(OdchylkaZenitRadek(D, 3, 4, 2, s));
    EXPECT_EQ(s, OdchylkaZenit(D, 3, 4, 2));
}

TEST(OdchylkaUhelProstorovy, TargetEntriesAreDerivativesOfTheirZenithAngles)
{
    const Tmatrix M = Jednotkova(9);
    Extended s = 0;
    ASSERT_TRUE(OdchylkaUhelProstorovy(M, 10, 3, 2, 4, 12, -3, s));
    EXPECT_NEAR(static_cast<double>(s), 0.126746011, 1e-9);
}

TEST(OdchylkaUhel, CovarianceSharedByAllThreePoints_GivesZeroAndItsRoundingResidueIsNotAFailure)
{
    // A common shift of station and both targets moves no angle: with only a
    // covariance shared by all three points every angle deviation is 0 in
    // exact arithmetic (a Jacobian whose entries do not sum to zero per axis
    // gives some 1e-5 rad here); rounding may leave a tiny negative sum. The
    // deviation is linear in M, so a shared part added to any M changes
    // nothing.
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> u(-100.0, 100.0);
    for (int pokus = 0; pokus < 200; ++pokus) {
        Tmatrix M;
        MatrixCreateSquare(9, M);
        const Extended B[3][3] = {{2.3e-5L, 0.7e-5L, 0.1e-5L},
                                  {0.7e-5L, 1.9e-5L, -0.3e-5L},
                                  {0.1e-5L, -0.3e-5L, 3.1e-5L}};
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j) M[i][j] = B[i % 3][j % 3];
        const Extended a = u(gen), b = u(gen), c = u(gen), p = u(gen), q = u(gen), r = u(gen);
        Extended s = -1;
        ASSERT_TRUE(OdchylkaUhelProstorovy(M, a, b, c, p, q, r, s)) << pokus;
        EXPECT_LT(s, 1e-9L);
        ASSERT_TRUE(OdchylkaUhelVodorovny(M, a, b, p, q, s)) << pokus;
        EXPECT_LT(s, 1e-9L);
    }
    // The same for a length whose direction is perpendicular to the only
    // uncertainty: D = n n^T with n normal to (dX, dY).
    for (int k = 1; k < 200; ++k) {
        const Extended alfa = 0.0311L * k;
        const Extended n0 = std::sin(alfa), n1 = -std::cos(alfa);
        const Tmatrix D = Blok3(n0 * n0, n1 * n0, n1 * n1, 0, 0, 0);
        Extended s = -1;
        ASSERT_TRUE(OdchylkaDelkaHRadek(D, 7 * std::cos(alfa), 7 * std::sin(alfa), s)) << k;
        EXPECT_LT(s, 1e-9L);
    }
}

// ---------------------------------------------------------------- deviation formulas

TEST(OdchylkaVzorce, HandComputedValues)
{
    // D = diag(4, 9, 16) with D10 = 1, D20 = 2, D21 = -3; d = (3, 4, 12):
    // horizontal: (9*4 + 16*9 + 2*12*1) / 25 = 204 / 25, s = sqrt(8.16);
    // slope: (36 + 144 + 2304 + 24 + 144 - 288) / 169 = 2364 / 169;
    // bearing: sqrt(16*4 + 9*9 - 24) / 25 = sqrt(121) / 25 = 0.44.
    const Tmatrix D = Blok3(4, 1, 9, 2, -3, 16);
    EXPECT_NEAR(static_cast<double>(OdchylkaDelkaH(D, 3, 4)), std::sqrt(8.16), 1e-15);
    EXPECT_NEAR(static_cast<double>(OdchylkaDelkaS(D, 3, 4, 12)), std::sqrt(2364.0 / 169.0), 1e-15);
    EXPECT_NEAR(static_cast<double>(OdchylkaSmernik(D, 3, 4)), 0.44, 1e-15);
    Extended s = 0;
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(OdchylkaSlozky(D, k, s));
        EXPECT_EQ(s, std::sqrt(D[k][k]));
    }
    EXPECT_FALSE(OdchylkaSlozky(D, 3, s));
    EXPECT_EQ(s, 0);
}

TEST(OdchylkaVzorce, ZeroGuards)
{
    const Tmatrix D = Blok3(4, 1, 9, 2, -3, 16);
    Extended s = -1;
    // Horizontal length with both plane differences zero: taken as (1, 1).
    ASSERT_TRUE(OdchylkaDelkaHRadek(D, 0, 1e-17L, s));
    EXPECT_NEAR(static_cast<double>(s), std::sqrt((4.0 + 9.0 + 2.0) / 2.0), 1e-15);
    // Slope length of a zero difference: taken as (1, 1, 1).
    ASSERT_TRUE(OdchylkaDelkaSRadek(D, 0, 0, 0, s));
    EXPECT_NEAR(static_cast<double>(s), std::sqrt((4.0 + 9.0 + 16.0 + 2.0 + 4.0 - 6.0) / 3.0),
                1e-15);
    // Bearing of a vertical line: no guard, it fails.
    EXPECT_FALSE(OdchylkaSmernikRadek(D, 0, 0, s));
    EXPECT_EQ(s, 0);
    EXPECT_THROW(OdchylkaSmernik(D, 0, 0), ChybaAritmetiky);
    // Zenith of a zero difference fails; of a vertical line it is defined.
    EXPECT_FALSE(OdchylkaZenitRadek(D, 0, 0, 1e-17L, s));
    EXPECT_THROW(OdchylkaZenit(D, 0, 0, 0), ChybaAritmetiky);
    ASSERT_TRUE(OdchylkaZenitRadek(D, 0, 0, 5, s));
    EXPECT_GT(s, 0);
    // Zero height difference, taken as 1e-7 m: close to the plain formula
    // sqrt(D22) / h (the stand-in shifts it by about 1e-7 m / h).
    ASSERT_TRUE(OdchylkaZenitRadek(D, 3, 4, 0, s));
    EXPECT_NEAR(static_cast<double>(s), 4.0 / 5.0, 1e-8);
    // Angles: a target on the station's vertical fails the horizontal angle,
    // a target on the station fails the zenith difference.
    const Tmatrix M = Jednotkova(9);
    EXPECT_FALSE(OdchylkaUhelVodorovny(M, 0, 0, 1, 1, s));
    EXPECT_EQ(s, 0);
    EXPECT_FALSE(OdchylkaUhelProstorovy(M, 0, 0, 0, 1, 1, 1, s));
    ASSERT_TRUE(OdchylkaUhelProstorovy(M, 0, 0, 2, 1, 1, 1, s));
}

TEST(OdchylkaVzorce, NegativeVarianceFails)
{
    const Tmatrix D = Blok3(-1, 0, 1, 0, 0, 1);
    Extended s = -1;
    EXPECT_FALSE(OdchylkaSlozky(D, 0, s));
    EXPECT_EQ(s, 0);
    EXPECT_FALSE(OdchylkaDelkaHRadek(D, 1, 0, s));
    EXPECT_THROW(OdchylkaDelkaH(D, 1, 0), ChybaAritmetiky);
    EXPECT_FALSE(OdchylkaDelkaSRadek(D, 1, 0, 0, s));
    EXPECT_FALSE(OdchylkaSmernikRadek(D, 0, 1, s));
    // (A C / H) D00 + H D22 = -25 + 1.
    EXPECT_FALSE(OdchylkaZenitRadek(D, 1, 0, 5, s));
    // J = (1, 1, 0, 0, -1, 0, -1, 0, 0): 1 + 1 + 1 - 5.
    Tmatrix M = Jednotkova(9);
    M[4][4] = -5;
    EXPECT_FALSE(OdchylkaUhelVodorovny(M, 1, 0, 0, 1, s));
    // A matrix of the wrong shape fails instead of being read past its end.
    EXPECT_FALSE(OdchylkaUhelVodorovny(Jednotkova(6), 1, 0, 0, 1, s));
    EXPECT_FALSE(OdchylkaSlozky(Tmatrix{}, 0, s));
}

// ---------------------------------------------------------------- joint covariance

TEST(KovarianceBodu, SameRowOrBlockOutsideMatrixFails)
{
    std::mt19937_64 gen(6);
    const NahodnaEtapa e = VytvorEtapu(gen, false);
    Tbod A = e.body.bod[0], B = e.body.bod[1], C = e.body.bod[2];
    B.poradi = A.poradi;
    Tmatrix K;
    EXPECT_FALSE(KovarianceDvouBodu(e.kovMat, A, B, K));
    EXPECT_FALSE(KovarianceTriBodu(e.kovMat, C, A, B, K));
    // Checked before copying: nothing was copied.
    for (const auto& radek : K)
        for (Extended x : radek) EXPECT_EQ(x, 0);
    // The same point twice is fine when it is fixed (it has no block).
    A.JeFixni = B.JeFixni = true;
    EXPECT_TRUE(KovarianceDvouBodu(e.kovMat, A, B, K));
    // A free point without a block in the matrix.
    Tbod D = e.body.bod[3];
    D.poradi = 9;
    EXPECT_FALSE(KovarianceDvouBodu(e.kovMat, C, D, K));
    D.poradi = 0;
    EXPECT_FALSE(KovarianceTriBodu(e.kovMat, C, D, e.body.bod[0], K));
}

// ---------------------------------------------------------------- length analysis

TEST(AnalyzaDelka, ValuesOfAKnownPair)
{
    // 3-4-5 and 5-12-13 triangles; 1e-6 m^2 per coordinate, uncorrelated:
    // every difference has variance 2e-6 m^2, and so has a length in any
    // direction (deviations in general geometry: the finite-difference test).
    Tsouradnice body;
    body.PridejBod(Bod("1", 100, 200, 10, 1));
    body.PridejBod(Bod("2", 103, 204, 22, 2));
    TanalyzaVnitrni a;
    a.VypocetAnalyzaDelka(0, 1, Dolni(Jednotkova(6, 1e-6L)), body, 2, 3);
    EXPECT_EQ(a.iStn, 0);
    EXPECT_EQ(a.iCilL, 1);
    const auto& r = a.data.bod;
    ASSERT_EQ(r.size(), 7u);
    const double hodnoty[5] = {3, 4, 12, 5, 13};
    for (int k = 0; k < 5; ++k) {
        EXPECT_NEAR(static_cast<double>(r[k].X), hodnoty[k], 1e-15) << k;
        EXPECT_NEAR(static_cast<double>(r[k].Y), 2 * std::sqrt(2e-6), 1e-15) << k;
        EXPECT_NEAR(static_cast<double>(r[k].Z), 3 * std::sqrt(2e-6), 1e-15) << k;
    }
    EXPECT_NEAR(static_cast<double>(r[6].X), std::acos(12.0 / 13.0), 1e-15);
    for (const Tbod& radek : r) {
        EXPECT_TRUE(radek.kontrola[0] && radek.kontrola[1]);
        EXPECT_FALSE(radek.kontrola[2] || radek.kontrola[3]);
        // The rest of the record keeps its reset values.
        EXPECT_TRUE(radek.cislo.empty() && radek.sig_X == -1 && !radek.JePlny);
    }
}

TEST(AnalyzaDelka, VerticalPairHasNoBearing)
{
    Tsouradnice body;
    body.PridejBod(Bod("1", 5, 5, 0, 1));
    body.PridejBod(Bod("2", 5, 5, 8, 2));
    TanalyzaVnitrni a;
    a.VypocetAnalyzaDelka(0, 1, Dolni(Jednotkova(6)), body, 1, 1);
    const auto& r = a.data.bod;
    EXPECT_TRUE(r[3].kontrola[0] && r[3].kontrola[1]);
    EXPECT_EQ(r[3].X, 0);
    EXPECT_FALSE(r[5].kontrola[0] || r[5].kontrola[1]);
    EXPECT_EQ(r[5].Y, 0);
    EXPECT_TRUE(r[6].kontrola[0] && r[6].kontrola[1]);
    EXPECT_EQ(r[6].X, 0);
}

TEST(AnalyzaDelka, WhatCannotBeComputedIsLeftUndefined)
{
    // Values, deviations: (true, true) both defined, (true, false) values
    // only, (false, false) nothing, with every number 0.
    const struct {
        const char* nazev;
        int poradi2;
        bool fix, stejneCislo;
        int iCil;
        int matice;
        bool hodnoty, odchylky;
    } pripady[] = {
        {"two fixed points need no matrix", 2, true, false, 1, 0, true, true},
        {"a free point's block outside the matrix", 5, false, false, 1, 6, true, false},
        {"two free points sharing one block", 1, false, false, 1, 6, true, false},
        {"the same point number twice", 2, false, true, 1, 6, false, false},
        {"an index outside the list", 2, false, false, 2, 6, false, false},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.nazev);
        Tsouradnice body;
        body.PridejBod(Bod("1", 0, 0, 0, 1, p.fix));
        body.PridejBod(Bod(p.stejneCislo ? "1" : "2", 30, 40, 5, p.poradi2, p.fix));
        TanalyzaVnitrni a;
        a.VypocetAnalyzaDelka(0, p.iCil, p.matice ? Dolni(Jednotkova(p.matice)) : Tmatrix{}, body,
                              1, 1);
        ASSERT_EQ(a.data.bod.size(), 7u);
        EXPECT_EQ(a.iCilL, p.iCil);
        for (const Tbod& r : a.data.bod) {
            EXPECT_EQ(r.kontrola[0], p.hodnoty);
            EXPECT_EQ(r.kontrola[1], p.odchylky);
            EXPECT_TRUE(r.Y == 0 && r.Z == 0);
            EXPECT_TRUE(p.hodnoty || r.X == 0);
        }
    }
    // The angle analysis likewise.
    Tsouradnice body;
    body.PridejBod(Bod("1", 0, 0, 0, 1));
    TanalyzaVnitrni a;
    a.VypocetAnalyzaUhel(-1, 0, 0, Dolni(Jednotkova(3)), body, 1, 1);
    ASSERT_EQ(a.data.bod.size(), 3u);
    EXPECT_EQ(a.iStn, -1);
    for (const Tbod& r : a.data.bod) EXPECT_FALSE(r.kontrola[0] || r.kontrola[1]);
}

// ---------------------------------------------------------------- angle analysis

TEST(AnalyzaUhel, RightAngleInTheHorizontalPlane)
{
    // S (0,0,0), L (10,0,0), P (0,10,0), each coordinate variance 1e-6 m^2,
    // uncorrelated. Horizontal angle pi/2; J: station (0.1, 0.1), L (0, -0.1),
    // P (-0.1, 0), so J J^T = 0.04 and the variance is 0.04e-6 rad^2.
    Tsouradnice body;
    body.PridejBod(Bod("S", 0, 0, 0, 1));
    body.PridejBod(Bod("L", 10, 0, 0, 2));
    body.PridejBod(Bod("P", 0, 10, 0, 3));
    TanalyzaVnitrni a;
    a.VypocetAnalyzaUhel(0, 1, 2, Dolni(Jednotkova(9, 1e-6L)), body, 1, 2);
    EXPECT_TRUE(a.iStn == 0 && a.iCilL == 1 && a.iCilP == 2);
    const auto& r = a.data.bod;
    ASSERT_EQ(r.size(), 3u);
    EXPECT_NEAR(static_cast<double>(r[0].X), M_PI / 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(r[0].Y), std::sqrt(0.04e-6), 1e-15);
    EXPECT_NEAR(static_cast<double>(r[0].Z), 2 * std::sqrt(0.04e-6), 1e-15);
    // In the plane of the three points the same angle and deviation.
    EXPECT_NEAR(static_cast<double>(r[1].X), M_PI / 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(r[1].Y), std::sqrt(0.04e-6), 1e-15);
    // Both targets horizontal: zenith difference 0.
    EXPECT_NEAR(static_cast<double>(r[2].X), 0, 1e-15);
    for (const Tbod& radek : r) EXPECT_TRUE(radek.kontrola[0] && radek.kontrola[1]);
}

TEST(AnalyzaUhel, RepeatedNumberOrTargetOnStationVertical)
{
    Tsouradnice body;
    body.PridejBod(Bod("S", 0, 0, 0, 1));
    body.PridejBod(Bod("L", 0, 0, 10, 2));
    body.PridejBod(Bod("P", 0, 10, 0, 3));
    body.PridejBod(Bod("L", 5, 5, 5, 4));
    const Tmatrix kov = Dolni(Jednotkova(12));
    TanalyzaVnitrni a;
    a.VypocetAnalyzaUhel(0, 1, 2, kov, body, 1, 1);
    const auto& r = a.data.bod;
    // L straight above S: no horizontal angle, the other two exist.
    EXPECT_FALSE(r[0].kontrola[0] || r[0].kontrola[1]);
    for (int k : {1, 2}) {
        EXPECT_TRUE(r[k].kontrola[0] && r[k].kontrola[1]) << k;
        EXPECT_NEAR(static_cast<double>(r[k].X), M_PI / 2, 1e-15) << k;
    }
    // Two targets with the same number.
    a.VypocetAnalyzaUhel(0, 1, 3, kov, body, 1, 1);
    for (const Tbod& radek : a.data.bod) {
        EXPECT_FALSE(radek.kontrola[0] || radek.kontrola[1]);
        EXPECT_EQ(radek.X, 0);
    }
}

// ---------------------------------------------------------------- comparison of rows

Tbod Radek(Extended x, Extended y, Extended z, bool hodnota = true, bool odchylka = true)
{
    Tbod r;
    BodDefault(r);
    r.X = x;
    r.Y = y;
    r.Z = z;
    r.kontrola[0] = hodnota;
    r.kontrola[1] = odchylka;
    return r;
}

TEST(PorovnatAnalyzu, LengthChangeWithBothTests)
{
    // Y = sqrt(3^2 + 4^2) = 5; Z = sqrt(0.6^2 + 0.8^2) = 1;
    // t = sqrt(0.36 * 4 + 0.64 * 9) = sqrt(7.2).
    Tbod out;
    PorovnatAnalyzu(Radek(100, 3, 0.6L), Radek(112, 4, 0.8L), 1, 1.96L, 2, 3, true, true, out);
    EXPECT_TRUE(out.kontrola[0] && out.kontrola[1]);
    EXPECT_EQ(out.X, 12);
    EXPECT_EQ(out.Y, 5);
    EXPECT_NEAR(static_cast<double>(out.Z), 1, 1e-18);
    EXPECT_EQ(out.elipsoid.a_delka, 1.96L);
    EXPECT_NEAR(static_cast<double>(out.elipsoid.b_delka), std::sqrt(7.2), 1e-15);
    EXPECT_NEAR(static_cast<double>(out.sig_Y), 9.8, 1e-15);
    EXPECT_NEAR(static_cast<double>(out.sig_Z), std::sqrt(7.2), 1e-15);
    EXPECT_TRUE(out.kontrola[2] && out.kontrola[3]);
    EXPECT_TRUE(out.cislo.empty());
}

TEST(PorovnatAnalyzu, EffectiveStudentQuantileSquaresTheQuantiles)
{
    // With t1 = t2 the effective quantile is that t, whatever the shares.
    Tbod out;
    for (Extended z1 : {0.1L, 1.0L, 7.0L}) {
        PorovnatAnalyzu(Radek(0, 1, z1), Radek(0, 1, 2), 1, 1.96L, 2.5L, 2.5L, true, true, out);
        EXPECT_NEAR(static_cast<double>(out.elipsoid.b_delka), 2.5, 1e-15);
    }
    // One epoch not adjusted (deviation 0, quantile 0): the other's quantile.
    PorovnatAnalyzu(Radek(0, 1, 0), Radek(0, 1, 2), 1, 1.96L, 0, 4.3L, true, true, out);
    EXPECT_NEAR(static_cast<double>(out.elipsoid.b_delka), 4.3, 1e-15);
    // Equal shares: sqrt((t1^2 + t2^2) / 2), not sqrt((t1 + t2) / 2).
    PorovnatAnalyzu(Radek(0, 1, 1), Radek(0, 1, 1), 1, 1.96L, 2, 4, true, true, out);
    EXPECT_NEAR(static_cast<double>(out.elipsoid.b_delka), std::sqrt(10.0), 1e-15);
}

TEST(PorovnatAnalyzu, NoAdjustedEpochKeepsAprioriResult)
{
    Tbod out;
    PorovnatAnalyzu(Radek(10, 3, 0), Radek(25, 4, 0), 1, 2, 0, 0, true, true, out);
    EXPECT_TRUE(out.kontrola[1]);
    EXPECT_EQ(out.X, 15);
    EXPECT_EQ(out.Y, 5);
    EXPECT_EQ(out.elipsoid.a_delka, 2);
    EXPECT_EQ(out.sig_Y, 10);
    EXPECT_TRUE(out.kontrola[2]);
    EXPECT_TRUE(out.Z == 0 && out.elipsoid.b_delka == 0 && out.sig_Z == 0);
    EXPECT_FALSE(out.kontrola[3]);
}

TEST(PorovnatAnalyzu, LimitAndSwitchedOffTests)
{
    Tbod out;
    // |X| equal to the limit 5 x 2 = 10: not significant.
    PorovnatAnalyzu(Radek(0, 3, 3), Radek(-10, 4, 4), 1, 2, 2, 2, true, true, out);
    EXPECT_EQ(out.X, -10);
    EXPECT_EQ(out.sig_Y, 10);
    EXPECT_FALSE(out.kontrola[2] || out.kontrola[3]);
    // Switched off: not significant, limits still written.
    PorovnatAnalyzu(Radek(0, 3, 3), Radek(100, 4, 4), 1, 2, 2, 2, false, false, out);
    EXPECT_EQ(out.sig_Y, 10);
    EXPECT_NEAR(static_cast<double>(out.sig_Z), 10, 1e-15);
    EXPECT_FALSE(out.kontrola[2] || out.kontrola[3]);
}

TEST(PorovnatAnalyzu, AngleChangesStayInTheHalfOpenRange)
{
    // Kind 2: the change brought into [-pi, pi), also for the signed
    // zenith-angle differences (from -3 to 3 is 6 - 2 pi).
    const struct {
        Extended r1, r2;
        double zmena;
    } pripady[] = {{0.1L, DvaPi - 0.1L, -0.2}, {DvaPi - 0.1L, 0.1L, 0.2}, {-3, 3, 6 - 2 * M_PI},
                   {-0.5L, -0.4L, 0.1},        {0.4L, -0.3L, -0.7}};
    Tbod out;
    for (const auto& p : pripady) {
        PorovnatAnalyzu(Radek(p.r1, 1, 1), Radek(p.r2, 1, 1), 2, 2, 2, 2, true, true, out);
        EXPECT_NEAR(static_cast<double>(out.X), p.zmena, 1e-15) << static_cast<double>(p.r1);
    }
    // An unknown kind leaves the value 0 but defined.
    PorovnatAnalyzu(Radek(1, 1, 1), Radek(2, 1, 1), 3, 2, 2, 2, true, true, out);
    EXPECT_TRUE(out.kontrola[0]);
    EXPECT_EQ(out.X, 0);
}

TEST(PorovnatAnalyzu, UndefinedInputRows)
{
    Tbod out;
    PorovnatAnalyzu(Radek(1, 1, 1, false, false), Radek(2, 1, 1), 1, 2, 2, 2, true, true, out);
    EXPECT_FALSE(out.kontrola[0] || out.kontrola[1]);
    EXPECT_TRUE(out.X == 0 && out.Y == 0);
    EXPECT_EQ(out.sig_Y, -1);  // reset value, nothing compared
    // Value defined, deviations not: only the change.
    PorovnatAnalyzu(Radek(1, 1, 1), Radek(4, 1, 1, true, false), 1, 2, 2, 2, true, true, out);
    EXPECT_TRUE(out.kontrola[0]);
    EXPECT_FALSE(out.kontrola[1] || out.kontrola[2]);
    EXPECT_EQ(out.X, 3);
    EXPECT_EQ(out.Y, 0);
    // A deviation that is no number fails the comparison of deviations.
    PorovnatAnalyzu(Radek(1, NAN, 1), Radek(4, 1, 1), 1, 2, 2, 2, true, true, out);
    EXPECT_TRUE(out.Y == 0 && out.Z == 0 && out.elipsoid.a_delka == 0);
    EXPECT_FALSE(out.kontrola[2] || out.kontrola[3]);
}

// ---------------------------------------------------------------- object

TEST(TanalyzaVnitrni, CreateClearDefaultCopy)
{
    TanalyzaVnitrni a(4);
    EXPECT_EQ(a.data.bod.size(), 4u);
    a.Clear();
    EXPECT_TRUE(a.data.bod.empty());
    EXPECT_TRUE(a.iStn == -1 && a.iCilL == -1 && a.iCilP == -1 && a.typPresnost == -1);
    a.Velikost(3);
    a.Default();
    EXPECT_TRUE(a.iStn == 0 && a.iCilL == 1 && a.iCilP == 2 && a.typPresnost == 0);
    EXPECT_EQ(a.data.bod.size(), 3u);

    a.data.bod[1].X = 42;
    a.iStn = 5;
    a.typPresnost = 1;
    TanalyzaVnitrni b;
    b.Kopiruj(a);
    a.data.bod[1].X = 0;  // an independent copy
    b.Kopiruj(b);
    EXPECT_EQ(b.data.bod.size(), 3u);
    EXPECT_EQ(b.data.bod[1].X, 42);
    EXPECT_TRUE(b.iStn == 5 && b.iCilL == 1 && b.iCilP == 2 && b.typPresnost == 1);
    b.DefaultPoradi();
    EXPECT_TRUE(b.iStn == 0 && b.typPresnost == 1);
}

}  // namespace
}  // namespace sitmera
