#include "numerics/Matrix2.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace sitmera {

namespace {

// Length of row 0 (the column count of a full matrix); 0 for an empty matrix.
std::size_t Sloupcu(const Tmatrix& A)
{
    return A.empty() ? 0 : A[0].size();
}

std::size_t Nezaporne(int n)
{
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

}  // namespace

// --- Creation ---------------------------------------------------------------

void MatrixClear(Tmatrix& m)
{
    Tmatrix().swap(m);
}

void MatrixCreate(Tmatrix& m, int rows, int cols)
{
    Tmatrix(Nezaporne(rows), Tvector(Nezaporne(cols), 0.0L)).swap(m);
}

void MatrixCreateRC(int rows, int cols, Tmatrix& m)
{
    MatrixCreate(m, rows, cols);
}

void MatrixCreateSquare(int n, Tmatrix& m)
{
    MatrixCreate(m, n, n);
}

void MatrixCreateLower(Tmatrix& m, int n)
{
    Tmatrix novy(Nezaporne(n));
    for (std::size_t i = 0; i < novy.size(); ++i) novy[i].assign(i + 1, 0.0L);
    novy.swap(m);
}

void IndexMatrixCreate(TindexMatrix& m, int rows, int cols)
{
    TindexMatrix(Nezaporne(rows), TindexVector(Nezaporne(cols), 0)).swap(m);
}

void VectorCreate(Tvector& v, int n)
{
    Tvector(Nezaporne(n), 0.0L).swap(v);
}

void IndexVectorCreate(TindexVector& v, int n)
{
    TindexVector(Nezaporne(n), 0).swap(v);
}

void BoolVectorCreate(TboolVector& v, int n)
{
    TboolVector(Nezaporne(n), false).swap(v);
}

void BoolVectorFill(TboolVector& v, bool value)
{
    std::fill(v.begin(), v.end(), value);
}

// --- Copies -----------------------------------------------------------------

void MatrixCopy(const Tmatrix& source, Tmatrix& target)
{
    if (&source != &target) target = source;
}

void IndexMatrixCopy(const TindexMatrix& source, TindexMatrix& target)
{
    if (&source != &target) target = source;
}

void VectorCopy(const Tvector& source, Tvector& target)
{
    if (&source != &target) target = source;
}

void IndexVectorCopy(const TindexVector& source, TindexVector& target)
{
    if (&source != &target) target = source;
}

void BoolVectorCopy(const TboolVector& source, TboolVector& target)
{
    if (&source != &target) target = source;
}

// --- Arithmetic and blocks --------------------------------------------------

void MatrixScale(Tmatrix& A, Extended s)
{
    const std::size_t n = Sloupcu(A);
    for (Tvector& radek : A)
        for (std::size_t j = 0; j < n; ++j) radek[j] = s * radek[j];
}

void MatrixScaled(const Tmatrix& A, Tmatrix& R, Extended s)
{
    const std::size_t n = Sloupcu(A);
    Tmatrix vysledek(A.size(), Tvector(n));
    for (std::size_t i = 0; i < A.size(); ++i)
        for (std::size_t j = 0; j < n; ++j) vysledek[i][j] = s * A[i][j];
    R = std::move(vysledek);
}

void MatrixTranspose(const Tmatrix& A, Tmatrix& T)
{
    const std::size_t n = Sloupcu(A);
    Tmatrix vysledek(n, Tvector(A.size()));
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < A.size(); ++j) vysledek[i][j] = A[j][i];
    T = std::move(vysledek);
}

Extended MatrixProductElement(const Tmatrix& A, const Tmatrix& B, int i, int j)
{
    Extended suma = 0.0L;
    for (std::size_t k = 0; k < B.size(); ++k) suma += A[i][k] * B[k][j];
    return suma;
}

void MatrixMultiply(const Tmatrix& A, const Tmatrix& B, Tmatrix& C)
{
    if (A.empty() || B.empty() || Sloupcu(A) != B.size()) {
        MatrixClear(C);
        return;
    }
    const std::size_t n = Sloupcu(B);
    Tmatrix vysledek(A.size(), Tvector(n));
    for (std::size_t i = 0; i < A.size(); ++i)
        for (std::size_t j = 0; j < n; ++j)
            vysledek[i][j] = MatrixProductElement(A, B, static_cast<int>(i), static_cast<int>(j));
    C = std::move(vysledek);
}

void MatrixAdd(const Tmatrix& A, const Tmatrix& B, Tmatrix& C)
{
    if (A.size() != B.size() || Sloupcu(A) != Sloupcu(B)) {
        MatrixClear(C);
        return;
    }
    const std::size_t n = Sloupcu(A);
    Tmatrix vysledek(A.size(), Tvector(n));
    for (std::size_t i = 0; i < A.size(); ++i)
        for (std::size_t j = 0; j < n; ++j) vysledek[i][j] = A[i][j] + B[i][j];
    C = std::move(vysledek);
}

void MatrixSubmatrix(const Tmatrix& S, int start, int size, Tmatrix& R)
{
    Tmatrix vysledek;
    MatrixCreateSquare(size, vysledek);
    for (int i = start; i < start + size; ++i)
        for (int j = start; j <= i; ++j) {
            vysledek[i - start][j - start] = S[i][j];
            if (j != i) vysledek[j - start][i - start] = S[i][j];
        }
    R = std::move(vysledek);
}

void MatrixSetBlock(Tmatrix& T, const Tmatrix& B, int n, int rowOffset, int colOffset)
{
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) T[rowOffset + i][colOffset + j] = B[i][j];
}

bool DiagonalNonNegative(const Tmatrix& M, int from, int to)
{
    for (int i = from; i <= to; ++i)
        if (!(M[i][i] >= 0)) return false;  // negative or not a number
    return true;
}

// --- Rotations --------------------------------------------------------------

void RotationMatrix3(Tmatrix& R, Extended a, Extended b, Extended c)
{
    const Extended ca = std::cos(a), sa = std::sin(a);
    const Extended cb = std::cos(b), sb = std::sin(b);
    const Extended cc = std::cos(c), sc = std::sin(c);
    Tmatrix vysledek;
    MatrixCreate(vysledek, 3, 3);
    vysledek[0][0] = cb * cc;
    vysledek[0][1] = cb * sc;
    vysledek[0][2] = -sb;
    vysledek[1][0] = sa * sb * cc - ca * sc;
    vysledek[1][1] = sa * sb * sc + ca * cc;
    vysledek[1][2] = sa * cb;
    vysledek[2][0] = ca * sb * cc + sa * sc;
    vysledek[2][1] = ca * sb * sc - sa * cc;
    vysledek[2][2] = ca * cb;
    R = std::move(vysledek);
}

// Every 3 x 3 block (p, q) of the block-diagonal product R C R^T is
// Rot * Cpq * Rot^T. Blocks strictly below the diagonal lie wholly in the
// stored lower half; a diagonal block is first mirrored to a full symmetric
// block and only its lower half is written back. The products are those of
// MatrixMultiply (sums from 0 in index order), on fixed 3 x 3 arrays.
void RotateCovarianceLower(const Tmatrix& C, const Tmatrix& Rot, Tmatrix& Out)
{
    // Each block of the result needs only the same block of C: the blocks
    // are rotated in place, in a copy of C unless Out is C itself.
    if (&Out != &C) Out = C;
    const int n = static_cast<int>(Out.size());
    Extended r[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r[i][j] = Rot[i][j];
    Extended blok[3][3], T[3][3];
    int p = 0;
    for (; p < n - 1; p += 3) {
        for (int q = 0; q <= p; q += 3) {
            const bool diagonalni = q == p;
            for (int k = 0; k < 3; ++k)
                for (int j = 0; j < 3; ++j)
                    blok[k][j] = (!diagonalni || j <= k) ? Out[p + k][q + j] : Out[p + j][q + k];
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) {
                    Extended suma = 0;
                    for (int k = 0; k < 3; ++k) suma += r[i][k] * blok[k][j];
                    T[i][j] = suma;
                }
            // Summed from zero in k order, as into a cleared matrix.
            for (int i = 0; i < 3; ++i) {
                Tvector& radek = Out[p + i];
                const int jMax = diagonalni ? i : 2;
                for (int j = 0; j <= jMax; ++j) {
                    Extended suma = 0;
                    for (int k = 0; k < 3; ++k) suma += T[i][k] * r[j][k];
                    radek[q + j] = suma;
                }
            }
        }
    }
    // A last row outside every block (an order that is no multiple of 3)
    // stays zero.
    for (; p < n; ++p) std::fill(Out[p].begin(), Out[p].end(), 0.0L);
}

// --- Singular value decomposition -----------------------------------------

Extended SvdPythag(Extended a, Extended b)
{
    const Extended absa = std::fabs(a);
    const Extended absb = std::fabs(b);
    if (absa >= absb) {
        if (absa == 0) return 0.0L;
        const Extended r = absb / absa;
        return absa * std::sqrt(1.0L + r * r);
    }
    const Extended r = absa / absb;
    return absb * std::sqrt(1.0L + r * r);
}

Extended SvdSign(Extended a, Extended b)
{
    return b >= 0 ? std::fabs(a) : -std::fabs(a);
}

namespace {

bool VseKonecne(const Tmatrix& A)
{
    for (const Tvector& radek : A)
        for (Extended x : radek)
            if (!std::isfinite(x)) return false;
    return true;
}

// Golub-Reinsch (the svdcmp arrangement): Householder bidiagonalisation,
// accumulation of both transformations, then implicitly shifted QR on the
// bidiagonal form. Divisions go through Podil so that a zero divisor or an
// overflow stops the decomposition with ChybaAritmetiky.
bool Svd(Tmatrix& a, Tvector& w, Tmatrix& v)
{
    const int m = static_cast<int>(a.size());
    const int n = static_cast<int>(Sloupcu(a));
    Tvector rv1(Nezaporne(n), 0.0L);
    Extended g = 0, scale = 0, anorm = 0, s = 0, f = 0, h = 0;
    int l = 0;

    // Householder reduction to bidiagonal form.
    for (int i = 0; i < n; ++i) {
        l = i + 1;
        rv1[i] = scale * g;
        g = s = scale = 0;
        if (i < m) {
            for (int k = i; k < m; ++k) scale += std::fabs(a[k][i]);
            if (scale != 0) {
                for (int k = i; k < m; ++k) {
                    a[k][i] = Podil(a[k][i], scale);
                    s += a[k][i] * a[k][i];
                }
                f = a[i][i];
                g = -SvdSign(Odmocnina(s), f);
                h = f * g - s;
                a[i][i] = f - g;
                for (int j = l; j < n; ++j) {
                    s = 0;
                    for (int k = i; k < m; ++k) s += a[k][i] * a[k][j];
                    f = Podil(s, h);
                    for (int k = i; k < m; ++k) a[k][j] += f * a[k][i];
                }
                for (int k = i; k < m; ++k) a[k][i] *= scale;
            }
        }
        w[i] = scale * g;
        g = s = scale = 0;
        if (i < m && i != n - 1) {
            for (int k = l; k < n; ++k) scale += std::fabs(a[i][k]);
            if (scale != 0) {
                for (int k = l; k < n; ++k) {
                    a[i][k] = Podil(a[i][k], scale);
                    s += a[i][k] * a[i][k];
                }
                f = a[i][l];
                g = -SvdSign(Odmocnina(s), f);
                h = f * g - s;
                a[i][l] = f - g;
                for (int k = l; k < n; ++k) rv1[k] = Podil(a[i][k], h);
                for (int j = l; j < m; ++j) {
                    s = 0;
                    for (int k = l; k < n; ++k) s += a[j][k] * a[i][k];
                    for (int k = l; k < n; ++k) a[j][k] += s * rv1[k];
                }
                for (int k = l; k < n; ++k) a[i][k] *= scale;
            }
        }
        anorm = std::max(anorm, Konecne(std::fabs(w[i]) + std::fabs(rv1[i])));
    }

    // Accumulation of the right-hand transformations.
    for (int i = n - 1; i >= 0; --i) {
        if (i < n - 1) {
            if (g != 0) {
                // Double division avoids a possible underflow.
                for (int j = l; j < n; ++j) v[j][i] = Podil(Podil(a[i][j], a[i][l]), g);
                for (int j = l; j < n; ++j) {
                    s = 0;
                    for (int k = l; k < n; ++k) s += a[i][k] * v[k][j];
                    for (int k = l; k < n; ++k) v[k][j] += s * v[k][i];
                }
            }
            for (int j = l; j < n; ++j) v[i][j] = v[j][i] = 0;
        }
        v[i][i] = 1;
        g = rv1[i];
        l = i;
    }

    // Accumulation of the left-hand transformations.
    for (int i = std::min(m, n) - 1; i >= 0; --i) {
        l = i + 1;
        g = w[i];
        for (int j = l; j < n; ++j) a[i][j] = 0;
        if (g != 0) {
            g = Podil(1.0L, g);
            for (int j = l; j < n; ++j) {
                s = 0;
                for (int k = l; k < m; ++k) s += a[k][i] * a[k][j];
                f = Podil(s, a[i][i]) * g;
                for (int k = i; k < m; ++k) a[k][j] += f * a[k][i];
            }
            for (int j = i; j < m; ++j) a[j][i] *= g;
        } else {
            for (int j = i; j < m; ++j) a[j][i] = 0;
        }
        a[i][i] += 1;
    }

    // Diagonalisation of the bidiagonal form.
    for (int k = n - 1; k >= 0; --k) {
        for (int its = 1; its <= 30; ++its) {
            bool bezZruseni = false;  // rv1[l] negligible: no cancellation needed
            int nm = 0;
            for (l = k; l >= 0; --l) {
                nm = l - 1;
                // Both sums are stored to 80 bits before the comparison.
                const Extended t1 = std::fabs(rv1[l]) + anorm;
                if (t1 == anorm) {
                    bezZruseni = true;
                    break;
                }
                if (nm < 0) throw ChybaAritmetiky("Invalid floating point operation");
                const Extended t2 = std::fabs(w[nm]) + anorm;
                if (t2 == anorm) break;
            }
            if (!bezZruseni) {
                // Cancellation of rv1[l] when w[l-1] is negligible.
                Extended c = 0, sn = 1;
                for (int i = l; i <= k; ++i) {
                    f = sn * rv1[i];
                    rv1[i] = c * rv1[i];
                    const Extended t3 = std::fabs(f) + anorm;
                    if (t3 == anorm) break;
                    g = w[i];
                    h = SvdPythag(f, g);
                    w[i] = h;
                    h = Podil(1.0L, h);
                    c = g * h;
                    sn = -f * h;
                    for (int j = 0; j < m; ++j) {
                        const Extended y = a[j][nm];
                        const Extended z = a[j][i];
                        a[j][nm] = y * c + z * sn;
                        a[j][i] = z * c - y * sn;
                    }
                }
            }
            Extended z = w[k];
            if (l == k) {
                // Convergence: make the singular value non-negative.
                if (z < 0) {
                    w[k] = -z;
                    for (int j = 0; j < n; ++j) v[j][k] = -v[j][k];
                }
                break;
            }
            if (its == 30) return false;  // no convergence in 30 passes

            // Shift from the bottom 2 x 2 minor.
            Extended x = w[l];
            nm = k - 1;
            Extended y = w[nm];
            g = rv1[nm];
            h = rv1[k];
            f = Podil((y - z) * (y + z) + (g - h) * (g + h), 2.0L * h * y);
            g = SvdPythag(f, 1.0L);
            f = Podil((x - z) * (x + z) + h * (Podil(y, f + SvdSign(g, f)) - h), x);

            // Next QR transformation.
            Extended c = 1, sn = 1;
            for (int j = l; j <= nm; ++j) {
                const int i = j + 1;
                g = rv1[i];
                y = w[i];
                h = sn * g;
                g = c * g;
                z = SvdPythag(f, h);
                rv1[j] = z;
                c = Podil(f, z);
                sn = Podil(h, z);
                f = x * c + g * sn;
                g = g * c - x * sn;
                h = y * sn;
                y *= c;
                for (int jj = 0; jj < n; ++jj) {
                    const Extended xv = v[jj][j];
                    const Extended zv = v[jj][i];
                    v[jj][j] = xv * c + zv * sn;
                    v[jj][i] = zv * c - xv * sn;
                }
                z = SvdPythag(f, h);
                w[j] = z;
                // Rotation can be arbitrary when z = 0.
                if (z != 0) {
                    z = Podil(1.0L, z);
                    c = f * z;
                    sn = h * z;
                }
                f = c * g + sn * y;
                x = c * y - sn * g;
                for (int jj = 0; jj < m; ++jj) {
                    const Extended ya = a[jj][j];
                    const Extended za = a[jj][i];
                    a[jj][j] = ya * c + za * sn;
                    a[jj][i] = za * c - ya * sn;
                }
            }
            rv1[l] = 0;
            rv1[k] = f;
            w[k] = x;
        }
    }
    return true;
}

}  // namespace

bool MatrixSvd(Tmatrix& A, Tvector& w, Tmatrix& V)
{
    try {
        if (!VseKonecne(A)) return false;
        if (!Svd(A, w, V)) return false;
        // An overflow on the way shows as a value that is not finite.
        for (Extended x : w)
            if (!std::isfinite(x)) return false;
        return VseKonecne(A) && VseKonecne(V);
    } catch (const ChybaAritmetiky&) {
        return false;
    }
}

}  // namespace sitmera
