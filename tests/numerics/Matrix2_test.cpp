#include "numerics/Matrix2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace sitmera {
namespace {

constexpr Extended PI = 3.14159265358979323846264338327950288L;

Extended MaxAbs(const Tmatrix& A)
{
    Extended m = 0;
    for (const Tvector& r : A)
        for (Extended x : r) m = std::max(m, std::fabs(x));
    return m;
}

// Dense product, independent of the library (plain triple loop).
Tmatrix Soucin(const Tmatrix& A, const Tmatrix& B)
{
    Tmatrix C(A.size(), Tvector(B[0].size(), 0.0L));
    for (std::size_t i = 0; i < A.size(); ++i)
        for (std::size_t j = 0; j < B[0].size(); ++j)
            for (std::size_t k = 0; k < B.size(); ++k) C[i][j] += A[i][k] * B[k][j];
    return C;
}

Tmatrix Transponuj(const Tmatrix& A)
{
    Tmatrix T(A[0].size(), Tvector(A.size()));
    for (std::size_t i = 0; i < A.size(); ++i)
        for (std::size_t j = 0; j < A[0].size(); ++j) T[j][i] = A[i][j];
    return T;
}

Tmatrix NahodnaMatice(std::mt19937_64& gen, int m, int n)
{
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    Tmatrix A(m, Tvector(n));
    for (auto& r : A)
        for (auto& x : r) x = static_cast<Extended>(u(gen)) + static_cast<Extended>(u(gen)) * 1e-17L;
    return A;
}

// Max |A^T A - I| over all elements.
Extended OdchylkaOrtonormality(const Tmatrix& A)
{
    const Tmatrix P = Soucin(Transponuj(A), A);
    Extended m = 0;
    for (std::size_t i = 0; i < P.size(); ++i)
        for (std::size_t j = 0; j < P.size(); ++j) m = std::max(m, std::fabs(P[i][j] - (i == j ? 1 : 0)));
    return m;
}

// --- Creation, copies, arithmetic ---------------------------------------------

TEST(MatrixCreation, ShapesAreZeroFilledAndReplaceOldContents)
{
    Tmatrix m = {{1, 2}, {3}};
    MatrixCreate(m, 2, 3);
    EXPECT_EQ(m, Tmatrix(2, Tvector(3, 0.0L)));
    m[1][1] = 7;
    MatrixCreateLower(m, 3);
    EXPECT_EQ(m, (Tmatrix{{0}, {0, 0}, {0, 0, 0}}));
    MatrixCreate(m, 0, 5);
    EXPECT_TRUE(m.empty());
    MatrixCreate(m, 2, 2);
    MatrixClear(m);
    EXPECT_TRUE(m.empty());

    Tvector v = {1, 2};
    VectorCreate(v, 3);
    EXPECT_EQ(v, Tvector(3, 0.0L));
    TboolVector bv = {true};
    BoolVectorCreate(bv, 4);
    EXPECT_EQ(bv, TboolVector(4, false));
    BoolVectorFill(bv, true);
    EXPECT_EQ(bv, TboolVector(4, true));
}

TEST(MatrixCopy, CopiesKeepRaggedRowsAndMayTargetTheSource)
{
    const Tmatrix lower = {{1}, {2, 3}, {4, 5, 6}};
    Tmatrix kopie = {{9, 9, 9, 9}};
    MatrixCopy(lower, kopie);
    EXPECT_EQ(kopie, lower);
    MatrixCopy(kopie, kopie);
    EXPECT_EQ(kopie, lower);
    TindexMatrix ic = {{9, 9, 9}};
    IndexMatrixCopy(TindexMatrix{{1, 2}, {3}}, ic);
    EXPECT_EQ(ic, (TindexMatrix{{1, 2}, {3}}));
}

TEST(MatrixArithmetic, ScaleTransposeAndTargetsThatAreSources)
{
    Tmatrix A = {{1, -2}, {0.5L, 4}};
    MatrixScale(A, 3);
    EXPECT_EQ(A, (Tmatrix{{3, -6}, {1.5L, 12}}));
    Tmatrix R;
    MatrixScaled(A, R, -0.5L);
    EXPECT_EQ(R, (Tmatrix{{-1.5L, 3}, {-0.75L, -6}}));
    EXPECT_EQ(A[0][0], 3);  // source unchanged
    MatrixScaled(A, A, 2);
    EXPECT_EQ(A, (Tmatrix{{6, -12}, {3, 24}}));

    // Only full matrices are scaled; the column count comes from row 0.
    Tmatrix B = {{1, 2}, {3, 4, 5}};
    MatrixScale(B, 10);
    EXPECT_EQ(B, (Tmatrix{{10, 20}, {30, 40, 5}}));

    Tmatrix T, C = {{1, 2, 3}, {4, 5, 6}};
    MatrixTranspose(C, T);
    EXPECT_EQ(T, (Tmatrix{{1, 4}, {2, 5}, {3, 6}}));
    MatrixTranspose(C, C);
    EXPECT_EQ(C, T);
}

TEST(MatrixArithmetic, ProductElementSumsOverRowsOfBIn80Bits)
{
    const Tmatrix A = {{1, 2, 3}, {4, 5, 6}};
    // Row 1 of A times column 0 of B: 4*7 + 5*9 + 6*11 = 139.
    EXPECT_EQ(MatrixProductElement(A, Tmatrix{{7, 8}, {9, 10}, {11, 12}}, 1, 0), 139);
    // Only the first rows(B) columns of A are used.
    EXPECT_EQ(MatrixProductElement(A, Tmatrix{{1}, {1}}, 0, 0), 3);
    // 1 + 2^-60 - 1 survives only with a 64-bit mantissa.
    EXPECT_EQ(MatrixProductElement(Tmatrix{{1, std::ldexp(1.0L, -60), -1}}, Tmatrix{{1}, {1}, {1}}, 0, 0),
              std::ldexp(1.0L, -60));
}

TEST(MatrixArithmetic, MultiplyAndAddGiveEmptyOnSizeMismatch)
{
    const Tmatrix A = {{1, 2, 3}, {0, 1, 0}, {2, 0, 1}};
    Tmatrix C;
    MatrixMultiply(A, Tmatrix{{1}, {2}, {3}}, C);
    EXPECT_EQ(C, (Tmatrix{{14}, {2}, {5}}));
    C = A;
    MatrixMultiply(A, Tmatrix{{1, 2, 3}}, C);  // 3 x 3 by 1 x 3
    EXPECT_TRUE(C.empty());
    Tmatrix D = A;
    MatrixMultiply(D, D, D);  // target may be a source
    EXPECT_EQ(D, Soucin(A, A));

    const Tmatrix P = {{1, 2}, {3, 4}};
    MatrixAdd(P, Tmatrix{{0.5L, -2}, {1, 1}}, C);
    EXPECT_EQ(C, (Tmatrix{{1.5L, 0}, {4, 5}}));
    C = P;
    MatrixAdd(P, Tmatrix{{1, 2, 3}, {4, 5, 6}}, C);  // row 0 lengths differ
    EXPECT_TRUE(C.empty());
    C = P;
    MatrixAdd(P, Tmatrix{{1, 2}}, C);  // row counts differ
    EXPECT_TRUE(C.empty());
}

// --- Blocks -----------------------------------------------------------------

TEST(MatrixBlocks, SubmatrixSetBlockAndDiagonalSign)
{
    // Lower triangle of a 4 x 4 symmetric matrix with S[i][j] = 10 i + j:
    // a submatrix mirrors the stored lower half.
    Tmatrix S;
    MatrixCreateLower(S, 4);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j <= i; ++j) S[i][j] = 10 * i + j;
    Tmatrix R;
    MatrixSubmatrix(S, 1, 3, R);
    EXPECT_EQ(R, (Tmatrix{{11, 21, 31}, {21, 22, 32}, {31, 32, 33}}));
    MatrixSubmatrix(S, 3, 1, R);
    EXPECT_EQ(R, (Tmatrix{{33}}));

    Tmatrix T;
    MatrixCreate(T, 4, 5);
    MatrixSetBlock(T, Tmatrix{{1, 2}, {3, 4}}, 2, 1, 3);
    EXPECT_EQ(T, (Tmatrix{{0, 0, 0, 0, 0}, {0, 0, 0, 1, 2}, {0, 0, 0, 3, 4}, {0, 0, 0, 0, 0}}));

    const Tmatrix M = {{1}, {2, 0}, {3, 4, -1e-30L}};
    EXPECT_TRUE(DiagonalNonNegative(M, 0, -1));  // empty range
    EXPECT_TRUE(DiagonalNonNegative(M, 0, 1));   // zero counts as non-negative
    EXPECT_FALSE(DiagonalNonNegative(M, 0, 2));
    EXPECT_FALSE(DiagonalNonNegative(M, 2, 2));
    EXPECT_TRUE(DiagonalNonNegative(M, 1, 1));
    const Tmatrix N = {{std::numeric_limits<Extended>::quiet_NaN()}, {0, -0.0L}};
    EXPECT_FALSE(DiagonalNonNegative(N, 0, 1));
    EXPECT_TRUE(DiagonalNonNegative(N, 1, 1));
}

// --- Rotations ---------------------------------------------------------------

Tmatrix Rx(Extended a)
{
    return {{1, 0, 0}, {0, std::cos(a), std::sin(a)}, {0, -std::sin(a), std::cos(a)}};
}
Tmatrix Ry(Extended b)
{
    return {{std::cos(b), 0, -std::sin(b)}, {0, 1, 0}, {std::sin(b), 0, std::cos(b)}};
}
Tmatrix Rz(Extended c)
{
    return {{std::cos(c), std::sin(c), 0}, {-std::sin(c), std::cos(c), 0}, {0, 0, 1}};
}

TEST(RotationMatrix3, EqualsTheProductOfAxisRotationsAndIsOrthonormal)
{
    Tmatrix I;
    RotationMatrix3(I, 0, 0, 0);
    EXPECT_EQ(I, (Tmatrix{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}));
    // Rz(pi/2): a frame turned by +pi/2 about the third axis sees (1, 0, 0) as (0, -1, 0).
    const Extended uhly[][3] = {
        {0, 0, PI / 2}, {0.1L, 0.2L, 0.3L}, {-1.2L, 0.7L, 2.9L}, {PI, -PI / 3, 0.0001L}, {3.0L, 1.5L, -2.5L},
        {0, 0.5L, 0}};
    for (const auto& u : uhly) {
        Tmatrix R;
        RotationMatrix3(R, u[0], u[1], u[2]);
        const Tmatrix P = Soucin(Soucin(Rx(u[0]), Ry(u[1])), Rz(u[2]));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) EXPECT_NEAR(R[i][j], P[i][j], 1e-18) << i << j;
        EXPECT_LT(OdchylkaOrtonormality(R), 1e-18);
        const Extended det = R[0][0] * (R[1][1] * R[2][2] - R[1][2] * R[2][1]) -
                             R[0][1] * (R[1][0] * R[2][2] - R[1][2] * R[2][0]) +
                             R[0][2] * (R[1][0] * R[2][1] - R[1][1] * R[2][0]);
        EXPECT_NEAR(det, 1, 1e-18);
    }
}

// A random symmetric positive definite matrix of order 3u, as a lower triangle.
Tmatrix NahodnaKovariance(std::mt19937_64& gen, int u)
{
    const Tmatrix G = NahodnaMatice(gen, 3 * u, 3 * u);
    const Tmatrix full = Soucin(G, Transponuj(G));
    Tmatrix C;
    MatrixCreateLower(C, 3 * u);
    for (int i = 0; i < 3 * u; ++i)
        for (int j = 0; j <= i; ++j) C[i][j] = full[i][j];
    return C;
}

TEST(RotateCovarianceLower, EqualsDenseBlockDiagonalProduct)
{
    std::mt19937_64 gen(12345);
    for (int u : {1, 2, 3, 5}) {
        const Tmatrix C = NahodnaKovariance(gen, u);
        Tmatrix Rot;
        RotationMatrix3(Rot, 0.3L * u, -1.1L, 2.0L + u);
        Tmatrix Out;
        RotateCovarianceLower(C, Rot, Out);

        // Dense check: R = diag(Rot, ..., Rot) of order 3u, Cfull mirrored.
        const int n = 3 * u;
        Tmatrix R(n, Tvector(n, 0.0L)), Cfull(n, Tvector(n));
        for (int b = 0; b < u; ++b)
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) R[3 * b + i][3 * b + j] = Rot[i][j];
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) Cfull[i][j] = j <= i ? C[i][j] : C[j][i];
        const Tmatrix D = Soucin(Soucin(R, Cfull), Transponuj(R));

        ASSERT_EQ(Out.size(), static_cast<std::size_t>(n));
        const Extended mez = 1e-17L * MaxAbs(Cfull);
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(Out[i].size(), static_cast<std::size_t>(i + 1));  // lower triangle
            for (int j = 0; j <= i; ++j) EXPECT_NEAR(Out[i][j], D[i][j], mez) << u << ' ' << i << ' ' << j;
        }
        // The trace of each diagonal block is invariant under the rotation.
        for (int p = 0; p < n; p += 3) {
            const Extended pred = C[p][p] + C[p + 1][p + 1] + C[p + 2][p + 2];
            const Extended po = Out[p][p] + Out[p + 1][p + 1] + Out[p + 2][p + 2];
            EXPECT_NEAR(po, pred, 1e-17L * pred);
        }
    }
}

TEST(RotateCovarianceLower, IdentityCopiesAndOutMayBeC)
{
    std::mt19937_64 gen(5);
    Tmatrix C = NahodnaKovariance(gen, 2);
    Tmatrix Rot, ocekavany;
    RotationMatrix3(Rot, 0, 0, 0);
    RotateCovarianceLower(C, Rot, ocekavany);
    EXPECT_EQ(ocekavany, C);
    RotationMatrix3(Rot, 0.5L, 0.25L, -0.75L);
    RotateCovarianceLower(C, Rot, ocekavany);
    RotateCovarianceLower(C, Rot, C);
    EXPECT_EQ(C, ocekavany);
}

// --- Singular value decomposition -------------------------------------------

TEST(SvdHelpers, PythagNeitherOverflowsNorUnderflows)
{
    EXPECT_EQ(SvdPythag(3, 4), 5);
    EXPECT_EQ(SvdPythag(-4, 3), 5);
    EXPECT_EQ(SvdPythag(0, 0), 0);
    EXPECT_EQ(SvdPythag(0, -2), 2);
    // No overflow where a^2 would overflow even in 80 bits.
    const Extended velke = 1e4000L;
    EXPECT_NEAR(SvdPythag(velke, velke) / velke, std::sqrt(2.0L), 1e-18);
    // No underflow where a^2 would vanish.
    EXPECT_NEAR(SvdPythag(3e-4000L, 4e-4000L) / 1e-4000L, 5, 1e-17);
}

struct SvdVysledek {
    bool ok;
    Tmatrix U;
    Tvector w;
    Tmatrix V;
};

SvdVysledek Rozloz(const Tmatrix& A)
{
    SvdVysledek r;
    r.U = A;
    const int n = static_cast<int>(A[0].size());
    VectorCreate(r.w, n);
    MatrixCreateSquare(n, r.V);
    r.ok = MatrixSvd(r.U, r.w, r.V);
    return r;
}

// Max |U diag(w) V^T - A|.
Extended ChybaRekonstrukce(const Tmatrix& A, const SvdVysledek& r)
{
    Tmatrix Uw = r.U;
    for (auto& radek : Uw)
        for (std::size_t j = 0; j < radek.size(); ++j) radek[j] *= r.w[j];
    const Tmatrix B = Soucin(Uw, Transponuj(r.V));
    Extended m = 0;
    for (std::size_t i = 0; i < A.size(); ++i)
        for (std::size_t j = 0; j < A[0].size(); ++j) m = std::max(m, std::fabs(B[i][j] - A[i][j]));
    return m;
}

TEST(MatrixSvd, SmallSpecialMatrices)
{
    const Extended presne = std::numeric_limits<Extended>::denorm_min();  // "< presne" is "== 0"
    struct {
        Tmatrix A;
        Tvector w;    // empty: not checked
        bool serad;   // compare w sorted
        Extended mez;
    } pripady[] = {
        {{{1, 0, 0}, {0, 3, 0}, {0, 0, 2}}, {1, 3, 2}, false, presne},  // unsorted: keeps its order
        {{{0, 0}, {0, 0}, {0, 0}}, {0, 0}, false, presne},
        {{{-2, 0}, {0, 5}}, {2, 5}, true, 1e-18L},  // a negative value turns positive, V negated
        {{{1, 2, 3}, {4, 5, 6}}, {}, false, 1e-17L},  // fewer rows than columns: not the usual use
    };
    for (const auto& p : pripady) {
        const SvdVysledek r = Rozloz(p.A);
        ASSERT_TRUE(r.ok);
        Tvector w = r.w;
        if (p.serad) std::sort(w.begin(), w.end());
        if (!p.w.empty()) {
            EXPECT_EQ(w, p.w);
        }
        EXPECT_LT(ChybaRekonstrukce(p.A, r), p.mez);
    }
}

TEST(MatrixSvd, RandomMatricesReconstructWithOrthonormalFactors)
{
    std::mt19937_64 gen(2024);
    for (int n = 1; n <= 12; ++n)
        for (int m = n; m <= 12; ++m)
            for (int opak = 0; opak < 3; ++opak) {
                const Tmatrix A = NahodnaMatice(gen, m, n);
                const SvdVysledek r = Rozloz(A);
                ASSERT_TRUE(r.ok) << m << 'x' << n;
                ASSERT_EQ(r.U.size(), static_cast<std::size_t>(m));
                EXPECT_LT(ChybaRekonstrukce(A, r), 1e-15L * MaxAbs(A)) << m << 'x' << n;
                EXPECT_LT(OdchylkaOrtonormality(r.U), 1e-16L) << m << 'x' << n;
                EXPECT_LT(OdchylkaOrtonormality(r.V), 1e-16L) << m << 'x' << n;
                for (Extended s : r.w) EXPECT_GE(s, 0);
            }
}

TEST(MatrixSvd, SingularValuesOfAConstructedMatrix)
{
    // A = Q1 diag(s) Q2^T has singular values s when Q1 has orthonormal
    // columns (three of the reflection I - v v^T / 15, v = (1, 2, 3, 4)) and
    // Q2 is a rotation.
    Tmatrix Q2;
    RotationMatrix3(Q2, 0.4L, -0.9L, 1.3L);
    const Extended v[4] = {1, 2, 3, 4}, s[3] = {7.5L, 1e-6L, 0.25L};
    Tmatrix Q1S(4, Tvector(3));
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 3; ++j) Q1S[i][j] = ((i == j ? 1 : 0) - v[i] * v[j] / 15) * s[j];
    const SvdVysledek r = Rozloz(Soucin(Q1S, Transponuj(Q2)));
    ASSERT_TRUE(r.ok);
    Tvector w = r.w;
    std::sort(w.begin(), w.end());
    EXPECT_NEAR(w[0], 1e-6L, 1e-17);
    EXPECT_NEAR(w[1], 0.25L, 1e-17);
    EXPECT_NEAR(w[2], 7.5L, 1e-17);
}

TEST(MatrixSvd, RankDeficientMatrix)
{
    // Two equal columns and a zero column: singular values (sqrt(2 * 14), 0, 0)
    // for columns (1, 2, 3) repeated.
    const Tmatrix A = {{1, 1, 0}, {2, 2, 0}, {3, 3, 0}, {0, 0, 0}};
    const SvdVysledek r = Rozloz(A);
    ASSERT_TRUE(r.ok);
    Tvector w = r.w;
    std::sort(w.begin(), w.end());
    EXPECT_NEAR(w[0], 0, 1e-18);
    EXPECT_NEAR(w[1], 0, 1e-18);
    EXPECT_NEAR(w[2], std::sqrt(28.0L), 1e-17);
    EXPECT_LT(ChybaRekonstrukce(A, r), 1e-17);
    EXPECT_LT(OdchylkaOrtonormality(r.V), 1e-17);
}

TEST(MatrixSvd, GivesUpAtTheThirtiethPassOfOneValue)
{
    // Two opposite rows: the QR steps on the zero singular value cycle and
    // never converge; the 30th pass finds no convergence and stops (at most
    // 29 steps per value), with false, instead of going on or giving a result.
    EXPECT_FALSE(Rozloz(Tmatrix{{0, -1, 0, 0}, {0, 1, 0, 0}, {1, 0, -1, -1}, {0, 0, -1, 1}}).ok);
    // A matrix whose slowest value takes 8 steps is decomposed.
    const Tmatrix A = {{1, 2, -1, -1, -1}, {-2, 0, 0, 0, 1}, {-2, -2, 0, 0, 0}, {0, -1, -1, 0, 0}, {1, -2, 1, 0, -2}};
    const SvdVysledek r = Rozloz(A);
    ASSERT_TRUE(r.ok);
    EXPECT_LT(ChybaRekonstrukce(A, r), 1e-17L);
}

TEST(MatrixSvd, ArithmeticFailureInsideGivesFalse)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended inf = std::numeric_limits<Extended>::infinity();
    EXPECT_FALSE(Rozloz(Tmatrix{{1, 2}, {nan, 4}}).ok);
    EXPECT_FALSE(Rozloz(Tmatrix{{inf, 2}, {3, 4}}).ok);
    // Finite input whose products in the QR step overflow even the 80-bit
    // range.
    EXPECT_FALSE(Rozloz(Tmatrix{{1e4900L, 2e4900L}, {3e4900L, 4e4900L}}).ok);
}

TEST(MatrixSvd, HugeValuesWithoutOverflowSucceed)
{
    // Orthogonal columns need no QR step: nothing overflows.
    const Tmatrix A = {{1e4900L, 1e4900L}, {1e4900L, -1e4900L}};
    const SvdVysledek r = Rozloz(A);
    ASSERT_TRUE(r.ok);
    for (Extended s : r.w) EXPECT_NEAR(s / 1e4900L, std::sqrt(2.0L), 1e-18);
    EXPECT_LT(ChybaRekonstrukce(A, r), 1e-18L * 1e4900L);
}

}  // namespace
}  // namespace sitmera
