// Covariance blocks, error ellipses and ellipsoids, significance test.
//
// Ellipses are checked against hand-computed eigen-decompositions and by
// rebuilding the block from the axes; ellipsoids against an independent
// Jacobi eigenvalue routine.
#include "analysis/ElipsyChyb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "numerics/Jednotky.h"
#include "numerics/Matrix2.h"

namespace sitmera {
namespace {

using Mat3 = std::array<std::array<Extended, 3>, 3>;

Tmatrix Dolni3(const Mat3& m)
{
    Tmatrix B;
    MatrixCreateLower(B, 3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) B[i][j] = m[i][j];
    return B;
}

Tmatrix Dolni2(Extended cxx, Extended cyy, Extended cxy)
{
    return Dolni3({{{cxx, cxy, 0}, {cxy, cyy, 0}, {0, 0, 1}}});
}

// Unit vector of a bearing (from X towards Y) and a zenith angle (from +Z).
std::array<Extended, 3> Smer(Extended smernik, Extended zenit)
{
    return {std::sin(zenit) * std::cos(smernik), std::sin(zenit) * std::sin(smernik),
            std::cos(zenit)};
}

Mat3 Soucin(const Mat3& A, const Mat3& B, bool transponovatA = false)
{
    Mat3 C{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) C[i][j] += (transponovatA ? A[k][i] : A[i][k]) * B[k][j];
    return C;
}

// Cyclic Jacobi rotations of a symmetric 3 x 3 matrix: A := J' A J until
// it is diagonal (eigenvalues in lambda), E := E J (eigenvectors in columns).
void Jacobi(Mat3 A, std::array<Extended, 3>& lambda, Mat3& E)
{
    E = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    for (int sweep = 0; sweep < 10; ++sweep) {  // quadratic convergence: a few suffice
        if (A[0][1] == 0 && A[0][2] == 0 && A[1][2] == 0) break;
        for (int p = 0; p < 3; ++p)
            for (int q = p + 1; q < 3; ++q) {
                if (A[p][q] == 0) continue;
                const Extended theta = (A[q][q] - A[p][p]) / (2 * A[p][q]);
                const Extended t = (theta >= 0 ? 1 : -1) /
                                   (std::fabs(theta) + std::sqrt(theta * theta + 1));
                const Extended c = 1 / std::sqrt(t * t + 1);
                Mat3 J = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
                J[p][p] = J[q][q] = c;
                J[p][q] = t * c;
                J[q][p] = -t * c;
                A = Soucin(J, Soucin(A, J), true);
                E = Soucin(E, J);
            }
    }
    for (int i = 0; i < 3; ++i) lambda[i] = A[i][i];
}

// ---------------------------------------------------------------- ellipses

struct PripadElipsy {
    Extended cxx, cyy, cxy;
    Extended a, b, smernik;
};

// Hand-derived: the eigenvalues of [[cxx, cxy], [cxy, cyy]] are the squared
// semi-axes; the major axis is the eigenvector of the larger one.
// (2, 2, 1): eigenvalues 3 and 1, major axis along (1, 1), bearing pi/4.
// (2, 2, -1): eigenvalues 3 and 1, major axis along (1, -1), bearing 3pi/4.
// (1, 1, 1): eigenvalues 2 and 0 (singular), axis along (1, 1).
// (3, 1, sqrt 3): eigenvalues 4 and 0, tan 2t = 2 sqrt 3 / 2, t = pi/6.
const PripadElipsy kElipsy[] = {
    {4, 1, 0, 2, 1, 0},
    {1, 4, 0, 2, 1, Pi / 2},
    {2, 2, 1, std::sqrt(3.0L), 1, Pi / 4},
    {2, 2, -1, std::sqrt(3.0L), 1, 3 * Pi / 4},
    {1, 1, 0, 1, 1, 0},
    {1, 1, 1, std::sqrt(2.0L), 0, Pi / 4},
    {1, 1, -1, std::sqrt(2.0L), 0, 3 * Pi / 4},
    {0, 0, 0, 0, 0, 0},
    {9, 0, 0, 3, 0, 0},
    {0, 9, 0, 3, 0, Pi / 2},
    {3, 1, std::sqrt(3.0L), 2, 0, Pi / 6},
    {1e-6L, 4e-6L, 0, 2e-3L, 1e-3L, Pi / 2},
};

TEST(ElipsaChybBodu, HandComputedBlocks)
{
    for (const PripadElipsy& p : kElipsy) {
        SCOPED_TRACE(testing::Message() << p.cxx << " " << p.cyy << " " << p.cxy);
        Telipsa e;
        ElipsaChybBodu(Dolni2(p.cxx, p.cyy, p.cxy), e);
        const Extended tol = 1e-15L * std::max<Extended>(p.a, 1e-3L);
        EXPECT_NEAR(e.a_delka, p.a, tol);
        EXPECT_NEAR(e.b_delka, p.b, std::max<Extended>(tol, 1e-9L));
        EXPECT_NEAR(e.a_smernik, p.smernik, 1e-15L);
    }
}

TEST(ElipsaChybBodu, BearingLiesInHalfOpenRangeWithoutSignedZero)
{
    Telipsa e;
    ElipsaChybBodu(Dolni2(4, 1, -0.0L), e);
    EXPECT_EQ(e.a_smernik, 0);
    EXPECT_FALSE(std::signbit(e.a_smernik));
    // Cxx < Cyy with a negative zero covariance: atan2(-0, -3) = -pi.
    ElipsaChybBodu(Dolni2(1, 4, -0.0L), e);
    EXPECT_NEAR(e.a_smernik, Pi / 2, 1e-18L);
    // A tiny negative covariance turns the axis just below pi.
    ElipsaChybBodu(Dolni2(4, 1, -1e-9L), e);
    EXPECT_GT(e.a_smernik, Pi / 2);
    EXPECT_LT(e.a_smernik, Pi);
}

TEST(ElipsaChybBodu, BearingRoundedUpToPiIsTakenAsZero)
{
    // atan2(2 Cxy, Cxx - Cyy) / 2 = -1e-30 here; adding pi rounds to pi itself,
    // which lies outside [0, pi). The axis is the X axis: bearing 0.
    for (const Extended cxy : {-1e-30L, -1e-22L, -1e-300L}) {
        SCOPED_TRACE(static_cast<double>(cxy));
        Telipsa e;
        ElipsaChybBodu(Dolni2(4, 1, cxy), e);
        EXPECT_EQ(e.a_smernik, 0);
        EXPECT_FALSE(std::signbit(e.a_smernik));
    }
    // The same through the whole-epoch routine.
    Tsouradnice s(1);
    s.bod[0].JePlny = true;
    Tmatrix K = Dolni3({{{4, -1e-30L, 0}, {-1e-30L, 1, 0}, {0, 0, 1}}});
    VypocetElips(s, K, 1);
    EXPECT_EQ(s.bod[0].elipsa.a_smernik, 0);
}

TEST(ElipsaChybBodu, AxesRebuildTheBlock)
{
    // C = R diag(a^2, b^2) R' with R the rotation by the bearing t:
    // Cxx = a^2 cos^2 t + b^2 sin^2 t, Cyy = a^2 sin^2 t + b^2 cos^2 t,
    // Cxy = (a^2 - b^2) sin t cos t.
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int k = 0; k < 500; ++k) {
        const Extended sx = 1e-3L * (1 + u(gen)), sy = 1e-3L * (1 + u(gen));
        const Extended rho = 0.999L * u(gen);
        const Extended cxx = sx * sx, cyy = sy * sy, cxy = rho * sx * sy;
        Telipsa e;
        ElipsaChybBodu(Dolni2(cxx, cyy, cxy), e);
        ASSERT_GE(e.a_delka, e.b_delka);
        ASSERT_GE(e.a_smernik, 0);
        ASSERT_LT(e.a_smernik, Pi);
        const Extended c = std::cos(e.a_smernik), s = std::sin(e.a_smernik);
        const Extended a2 = e.a_delka * e.a_delka, b2 = e.b_delka * e.b_delka;
        const Extended tol = 1e-15L * (cxx + cyy);
        EXPECT_NEAR(a2 * c * c + b2 * s * s, cxx, tol);
        EXPECT_NEAR(a2 * s * s + b2 * c * c, cyy, tol);
        EXPECT_NEAR((a2 - b2) * s * c, cxy, tol);
    }
}

TEST(ElipsaChybBodu, ReadsOnlyTheUpperLeftPart)
{
    Tmatrix B = Dolni3({{{4, 0, 7}, {0, 1, 8}, {7, 8, -50}}});
    Telipsa e;
    ElipsaChybBodu(B, e);
    EXPECT_NEAR(e.a_delka, 2, 1e-18L);
    EXPECT_NEAR(e.b_delka, 1, 1e-18L);
    EXPECT_EQ(e.a_smernik, 0);
}

TEST(ElipsaChybBodu, BlockThatIsNotPositiveSemiDefiniteFails)
{
    const std::array<std::array<Extended, 3>, 6> spatne = {{
        {-1, 1, 0},      // negative variance
        {-1, 0, 0},      // negative trace
        {1, 1, 2},       // |Cxy| > sqrt(Cxx Cyy): eigenvalue -1
        {1, -4, 0},
        {1, 1, 1.00001L},  // residue far beyond rounding
        {NAN, 1, 0},
    }};
    for (const auto& p : spatne) {
        SCOPED_TRACE(testing::Message() << p[0] << " " << p[1] << " " << p[2]);
        Telipsa e;
        EXPECT_THROW(ElipsaChybBodu(Dolni2(p[0], p[1], p[2]), e), ChybaAritmetiky);
    }
}

TEST(ElipsaChybBodu, SingularBlockRoundingResidueCountsAsZero)
{
    // Rank-one blocks s^2 (cos t, sin t)(cos t, sin t)' computed in 80 bits
    // leave b^2 a few ulps either side of zero; none may fail the epoch.
    for (int k = 0; k < 2000; ++k) {
        const Extended t = k * 0.0031415926L;
        const Extended s2 = 1e-6L * (1 + k % 7);
        const Extended c = std::cos(t), s = std::sin(t);
        Telipsa e;
        ASSERT_NO_THROW(ElipsaChybBodu(Dolni2(s2 * c * c, s2 * s * s, s2 * s * c), e)) << k;
        EXPECT_LT(e.b_delka, 1e-12L);
        EXPECT_NEAR(e.a_delka, std::sqrt(s2), 1e-15L);
    }
    // The border: b^2 = -delta with trace 2; tolerance 1e-12 x trace.
    Telipsa e;
    ElipsaChybBodu(Dolni2(1, 1, 1 + 1e-13L), e);
    EXPECT_EQ(e.b_delka, 0);
    EXPECT_THROW(ElipsaChybBodu(Dolni2(1, 1, 1 + 1e-11L), e), ChybaAritmetiky);
}

TEST(ElipsyChyb, TooSmallBlockIsAnArgumentError)
{
    Telipsa e;
    Telipsoid el;
    Tmatrix jeden, dva;
    MatrixCreateLower(jeden, 1);
    MatrixCreateLower(dva, 2);
    EXPECT_THROW(ElipsaChybBodu(jeden, e), ChybaArgumentu);
    EXPECT_THROW(ElipsaChybBodu(Tmatrix{}, e), ChybaArgumentu);
    EXPECT_THROW(ElipsoidChybBodu(dva, el), ChybaArgumentu);
}

// ---------------------------------------------------------------- blocks

// Lower triangle of order 6 with element [i][j] = 10 i + j + 1.
Tmatrix Trojuhelnik6(Extended posun)
{
    Tmatrix C;
    MatrixCreateLower(C, 6);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j <= i; ++j) C[i][j] = 10 * i + j + 1 + posun;
    return C;
}

TEST(BlokKovariance, WeightedSumAndMultipleOfBlocks)
{
    const Tmatrix C1 = Trojuhelnik6(0), C2 = Trojuhelnik6(100);
    Tmatrix B;
    BlokKovariance(C1, C2, 3, 0, 2, -1, B);
    ASSERT_EQ(B.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(B[i].size(), static_cast<std::size_t>(i + 1));
        for (int j = 0; j <= i; ++j)
            EXPECT_EQ(B[i][j], 2 * (10 * (3 + i) + (3 + j) + 1) - (10 * i + j + 101));
    }

    B = Trojuhelnik6(0);  // old contents replaced
    BlokKovarianceNasobek(C1, 3, B, 0.5L);
    ASSERT_EQ(B.size(), 3u);
    EXPECT_EQ(B[2].size(), 3u);
    EXPECT_EQ((std::vector<Extended>{B[0][0], B[1][0], B[2][2]}),
              (std::vector<Extended>{0.5L * 34, 0.5L * 44, 0.5L * 56}));

    // The result may be one of the inputs.
    Tmatrix D = Dolni3({{{1, 2, 3}, {2, 4, 5}, {3, 5, 6}}});
    const Tmatrix D2 = D;
    BlokKovariance(D, D2, 0, 0, 1, 1, D);
    EXPECT_EQ(D, Dolni3({{{2, 4, 6}, {4, 8, 10}, {6, 10, 12}}}));
}

TEST(BlokKovariance, BlockOutsideTheMatrixIsAnArgumentError)
{
    const Tmatrix C = Trojuhelnik6(0);
    Tmatrix B;
    EXPECT_THROW(BlokKovarianceNasobek(C, 6, B, 1), ChybaArgumentu);
    EXPECT_THROW(BlokKovarianceNasobek(C, 4, B, 1), ChybaArgumentu);
    EXPECT_THROW(BlokKovarianceNasobek(C, -3, B, 1), ChybaArgumentu);
    EXPECT_THROW(BlokKovariance(C, C, 0, 6, 1, 1, B), ChybaArgumentu);
    Tmatrix kratky = C;
    kratky[4].resize(2);
    EXPECT_THROW(BlokKovarianceNasobek(kratky, 3, B, 1), ChybaArgumentu);
}

// ---------------------------------------------------------------- ellipsoids

std::array<Extended, 3> Delky(const Telipsoid& e) { return {e.a_delka, e.b_delka, e.c_delka}; }
std::array<Extended, 3> Smerniky(const Telipsoid& e)
{
    return {e.a_smernik, e.b_smernik, e.c_smernik};
}
std::array<Extended, 3> Zenity(const Telipsoid& e) { return {e.a_zenit, e.b_zenit, e.c_zenit}; }

TEST(ElipsoidChybBodu, DiagonalBlockKeepsTheDecompositionsOrder)
{
    Telipsoid e;
    ElipsoidChybBodu(Dolni3({{{1, 0, 0}, {0, 3, 0}, {0, 0, 2}}}), e);
    EXPECT_NEAR(e.a_delka, 1, 1e-18L);
    EXPECT_NEAR(e.b_delka, std::sqrt(3.0L), 1e-18L);
    EXPECT_NEAR(e.c_delka, std::sqrt(2.0L), 1e-18L);
    // The decomposition of a diagonal block: the Householder steps leave the
    // bidiagonal form (-1, -3, -2) with zero superdiagonal, so every value
    // converges at once and is made positive by negating its column of
    // V = I: the axes point along -X, -Y and -Z.
    EXPECT_NEAR(e.a_smernik, Pi, 1e-18L);
    EXPECT_NEAR(e.a_zenit, Pi / 2, 1e-18L);
    EXPECT_NEAR(e.b_smernik, 3 * Pi / 2, 1e-18L);
    EXPECT_NEAR(e.b_zenit, Pi / 2, 1e-18L);
    EXPECT_NEAR(e.c_zenit, Pi, 1e-18L);
    // A vertical axis has no bearing of its own; it only stays in range.
    EXPECT_GE(e.c_smernik, 0);
    EXPECT_LT(e.c_smernik, 2 * Pi);
}

TEST(ElipsoidChybBodu, RandomBlocksAgreeWithJacobiEigenDecomposition)
{
    std::mt19937_64 gen(20150620);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int k = 0; k < 1000; ++k) {
        // M = s (A A' + e I): positive definite, scale s from 1e-8 to 1.
        Mat3 A, M;
        for (auto& r : A)
            for (auto& x : r) x = u(gen);
        const Extended s = std::pow(10.0L, -8 + (k % 9)), e = 1e-3L * (1 + u(gen));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                Extended v = i == j ? e : 0;
                for (int l = 0; l < 3; ++l) v += A[i][l] * A[j][l];
                M[i][j] = s * v;
            }
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < i; ++j) M[j][i] = M[i][j];
        SCOPED_TRACE(k);

        Telipsoid el;
        ElipsoidChybBodu(Dolni3(M), el);
        std::array<Extended, 3> lambda;
        Mat3 E;
        Jacobi(M, lambda, E);
        const Extended lmax = *std::max_element(lambda.begin(), lambda.end());

        // Lengths: the square roots of the eigenvalues, in some order.
        std::array<Extended, 3> d = Delky(el), ocekavane;
        for (int i = 0; i < 3; ++i) ocekavane[i] = std::sqrt(lambda[i]);
        std::sort(d.begin(), d.end());
        std::sort(ocekavane.begin(), ocekavane.end());
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(d[i], ocekavane[i], 1e-12L * std::sqrt(lmax));

        // Each axis is a unit eigenvector of M for its own length squared,
        // matched with Jacobi's eigenvector up to its sign.
        const auto delky = Delky(el), smerniky = Smerniky(el), zenity = Zenity(el);
        for (int n = 0; n < 3; ++n) {
            EXPECT_GE(smerniky[n], 0);
            EXPECT_LT(smerniky[n], 2 * Pi);
            EXPECT_GE(zenity[n], 0);
            EXPECT_LE(zenity[n], Pi);
            const auto v = Smer(smerniky[n], zenity[n]);
            const Extended l2 = delky[n] * delky[n];
            for (int i = 0; i < 3; ++i) {
                Extended Mv = 0;
                for (int j = 0; j < 3; ++j) Mv += M[i][j] * v[j];
                EXPECT_NEAR(Mv, l2 * v[i], 1e-12L * lmax);
            }
            int nejblizsi = 0;
            for (int i = 1; i < 3; ++i)
                if (std::fabs(lambda[i] - l2) < std::fabs(lambda[nejblizsi] - l2)) nejblizsi = i;
            Extended cosinus = 0;
            for (int i = 0; i < 3; ++i) cosinus += v[i] * E[i][nejblizsi];
            // Well-separated eigenvalues fix the direction tightly.
            Extended mezera = 1e300L;
            for (int i = 0; i < 3; ++i)
                if (i != nejblizsi) mezera = std::min(mezera, std::fabs(lambda[i] - l2));
            if (mezera > 1e-3L * lmax) {
                EXPECT_NEAR(std::fabs(cosinus), 1, 1e-12L);
            }
        }
    }
}

TEST(ElipsoidChybBodu, SingularBlocksGiveZeroLengths)
{
    Telipsoid e;
    ElipsoidChybBodu(Dolni3({{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}), e);
    EXPECT_EQ(Delky(e), (std::array<Extended, 3>{0, 0, 0}));

    // Rank one: 4 u u' with u = (1, 1, 1)/sqrt 3 -> lengths 2, 0, 0.
    const Extended q = 4.0L / 3;
    ElipsoidChybBodu(Dolni3({{{q, q, q}, {q, q, q}, {q, q, q}}}), e);
    std::array<Extended, 3> d = Delky(e);
    std::sort(d.begin(), d.end());
    EXPECT_LT(d[0], 1e-9L);
    EXPECT_LT(d[1], 1e-9L);
    EXPECT_NEAR(d[2], 2, 1e-15L);
}

TEST(ElipsoidChybBodu, RankDeficientBlocksNeverFail)
{
    // s A A' with A of 1 or 2 random columns: positive semi-definite with
    // eigenvalues that are zero up to rounding; the check against indefinite
    // blocks must let every one through.
    std::mt19937_64 gen(3);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int k = 0; k < 2000; ++k) {
        const int sloupce = 1 + k % 2;
        Mat3 A{}, M{};
        for (int i = 0; i < 3; ++i)
            for (int l = 0; l < sloupce; ++l) A[i][l] = u(gen);
        const Extended s = std::pow(10.0L, -6 + (k % 5));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                for (int l = 0; l < sloupce; ++l) M[i][j] += A[i][l] * A[j][l];
                M[i][j] *= s;
            }
        Telipsoid e;
        ASSERT_NO_THROW(ElipsoidChybBodu(Dolni3(M), e)) << k;
        std::array<Extended, 3> d = Delky(e);
        std::sort(d.begin(), d.end());
        EXPECT_LT(d[0], 1e-8L * std::sqrt(s));
    }
}

TEST(ElipsoidChybBodu, IndefiniteBlockDoesNotGiveAnEllipsoid)
{
    // Eigenvalues 3, -1 and 1: the singular values would be 3, 1, 1 and an
    // ellipsoid would come out of a block that is no covariance.
    Telipsoid e;
    EXPECT_THROW(ElipsoidChybBodu(Dolni3({{{1, 2, 0}, {2, 1, 0}, {0, 0, 1}}}), e),
                 ChybaAritmetiky);
    EXPECT_THROW(ElipsoidChybBodu(Dolni3({{{1, 0, 0}, {0, 1, 0}, {0, 0, -1e-3L}}}), e),
                 ChybaAritmetiky);
}

// ---------------------------------------------------------------- whole epoch

// Epoch of two determined points and one fixed point read from a file: the
// fixed point holds -1 in its deviations and ellipse.
struct Epocha {
    Tsouradnice s;
    Tmatrix K;

    Epocha()
    {
        s.Velikost(3);
        for (int i = 0; i < 3; ++i) {
            BodDefault(s.bod[i]);
            s.bod[i].cislo = std::to_string(i + 1);
            s.bod[i].JePlny = true;
        }
        s.bod[2].JeFixni = true;
        // Block 0: diag(4, 1, 9); block 1: [[2, 1, 0], [1, 2, 0], [0, 0, 1]]
        // with cross covariances between the points that must not leak in.
        MatrixCreateLower(K, 6);
        K[0][0] = 4;
        K[1][1] = 1;
        K[2][2] = 9;
        K[3][3] = 2;
        K[4][3] = 1;
        K[4][4] = 2;
        K[5][5] = 1;
        K[3][0] = 0.5L;
        K[4][1] = -0.25L;
        K[5][2] = 0.75L;
    }
};

TEST(VypocetElips, EllipsesOfDeterminedPointsFixedPointUntouched)
{
    Epocha ep;
    VypocetElips(ep.s, ep.K, 2);
    EXPECT_NEAR(ep.s.bod[0].elipsa.a_delka, 2, 1e-18L);
    EXPECT_NEAR(ep.s.bod[0].elipsa.b_delka, 1, 1e-18L);
    EXPECT_EQ(ep.s.bod[0].elipsa.a_smernik, 0);
    EXPECT_NEAR(ep.s.bod[1].elipsa.a_delka, std::sqrt(3.0L), 1e-18L);
    EXPECT_NEAR(ep.s.bod[1].elipsa.b_delka, 1, 1e-18L);
    EXPECT_NEAR(ep.s.bod[1].elipsa.a_smernik, Pi / 4, 1e-18L);
    EXPECT_EQ(ep.s.bod[2].elipsa.a_delka, -1);
    EXPECT_EQ(ep.s.bod[2].elipsa.b_delka, -1);
    // Nothing but the ellipse is written.
    EXPECT_EQ(ep.s.bod[0].sig_X, -1);
    EXPECT_EQ(ep.s.bod[0].elipsoid.a_delka, -1);
}

TEST(VypocetElipsoidu, DeviationsAndEllipsoidsOfDeterminedPoints)
{
    Epocha ep;
    VypocetElipsoidu(ep.s, ep.K, 2);
    EXPECT_NEAR(ep.s.bod[0].sig_X, 2, 1e-18L);
    EXPECT_NEAR(ep.s.bod[0].sig_Y, 1, 1e-18L);
    EXPECT_NEAR(ep.s.bod[0].sig_Z, 3, 1e-18L);
    EXPECT_NEAR(ep.s.bod[1].sig_X, std::sqrt(2.0L), 1e-18L);
    EXPECT_NEAR(ep.s.bod[1].sig_Z, 1, 1e-18L);
    // Block 0 is diag(4, 1, 9): lengths 1, 2, 3; block 1 has eigenvalues
    // 3, 1 (plane) and 1: lengths sqrt 3, 1, 1.
    const Extended ocekavane[2][3] = {{1, 2, 3}, {1, 1, std::sqrt(3.0L)}};
    for (int k = 0; k < 2; ++k) {
        std::array<Extended, 3> d = Delky(ep.s.bod[k].elipsoid);
        std::sort(d.begin(), d.end());
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(d[i], ocekavane[k][i], 1e-18L) << k << i;
    }
    // The fixed point keeps "not set".
    EXPECT_EQ(ep.s.bod[2].sig_X, -1);
    EXPECT_EQ(ep.s.bod[2].sig_Z, -1);
    EXPECT_EQ(ep.s.bod[2].elipsoid.a_delka, -1);
    EXPECT_EQ(ep.s.bod[2].elipsoid.c_delka, -1);
}

// No points change nothing; a count beyond the list or the matrix is an
// argument error and a negative variance an arithmetic one, nothing written.
TEST(VypocetElipsoidu, NoPointsOrBadInput)
{
    Epocha ep;
    VypocetElipsoidu(ep.s, ep.K, 0);
    VypocetElips(ep.s, ep.K, 0);
    VypocetElipsoidu(ep.s, Tmatrix{}, 0);
    EXPECT_THROW(VypocetElipsoidu(ep.s, ep.K, 3), ChybaArgumentu);  // matrix has 2 blocks
    EXPECT_THROW(VypocetElips(ep.s, ep.K, 3), ChybaArgumentu);
    EXPECT_THROW(VypocetElipsoidu(ep.s, ep.K, 4), ChybaArgumentu);  // list has 3 points
    Tsouradnice jeden(1);
    EXPECT_THROW(VypocetElips(jeden, ep.K, 2), ChybaArgumentu);
    for (const Tbod& b : ep.s.bod) {
        EXPECT_EQ(b.sig_X, -1);
        EXPECT_EQ(b.elipsoid.a_delka, -1);
        EXPECT_EQ(b.elipsa.a_delka, -1);
    }
    ep.K[5][5] = -1;
    EXPECT_THROW(VypocetElipsoidu(ep.s, ep.K, 2), ChybaAritmetiky);
    ep.K[5][5] = 1;
    ep.K[4][4] = -1;
    EXPECT_THROW(VypocetElips(ep.s, ep.K, 2), ChybaAritmetiky);
}

// ---------------------------------------------------------------- significance test

struct PripadTestu {
    bool provest;
    Extended hodnota, odchylka, kvantil;
    bool prokazano;
};

TEST(TestVyznamnosti, LimitAndFlag)
{
    const PripadTestu pripady[] = {
        {true, 3, 1.5L, 2, false},              // equal to the limit
        {true, -3, 1.5L, 2, false},             // |value| equal
        {true, 3 * (1 + 1e-17L), 1.5L, 2, false},  // within the relative tolerance
        {true, 3.000001L, 1.5L, 2, true},
        {true, -3.000001L, 1.5L, 2, true},
        {true, 2.9L, 1.5L, 2, false},
        {true, 0, 0, 1.96L, false},             // zero value, zero limit
        {true, 5e-17L, 0, 1.96L, false},        // within the absolute tolerance
        {true, 1e-15L, 0, 1.96L, true},
        {false, 100, 1, 2, false},              // switched off
        {false, 0, 1, 2, false},
    };
    for (const PripadTestu& p : pripady) {
        SCOPED_TRACE(testing::Message() << p.provest << " " << p.hodnota);
        Extended mez = -123;
        bool prokazano = !p.prokazano;
        TestVyznamnosti(mez, prokazano, p.provest, p.hodnota, p.odchylka, p.kvantil);
        EXPECT_EQ(mez, p.odchylka * p.kvantil);
        EXPECT_EQ(prokazano, p.prokazano);
    }
}

}  // namespace
}  // namespace sitmera
