// Matrices and vectors of 80-bit reals, integers and flags.
//
// Arrays are plain values (Zaklad.h): a matrix is a vector of rows, element
// [i][j] is row i, column j. Full matrices have rows of equal length; a
// symmetric matrix (a cofactor matrix of an epoch, 3 coordinates a point) may
// be stored as a lower triangle, row i holding the i+1 values [i][0..i].
// A matrix's row count is its outer length, its column count the length of
// row 0. An empty array is the cleared state.
//
// Every operation that builds a new array ("var" target) gives back an
// independent value; the target may be the same object as a source.
// Indices are not checked beyond what each function says: an index outside
// the arrays or a scalar operation on an empty matrix is a caller's error.
//
// Angles are radians. Everything is computed in 80-bit arithmetic, with sums
// accumulated from zero in index order.
#pragma once

#include "numerics/Zaklad.h"

namespace sitmera {

// --- Creation (all new elements are 0, 0.0 or false) ----------------------

// Releases the matrix; it becomes empty.
void MatrixClear(Tmatrix& m);
// m := rows x cols zeros.
void MatrixCreate(Tmatrix& m, int rows, int cols);
// The same as MatrixCreate with the matrix last.
void MatrixCreateRC(int rows, int cols, Tmatrix& m);
// m := n x n zeros.
void MatrixCreateSquare(int n, Tmatrix& m);
// m := lower triangle of order n: n rows, row i of length i+1, zeros.
void MatrixCreateLower(Tmatrix& m, int n);
// m := rows x cols integer zeros.
void IndexMatrixCreate(TindexMatrix& m, int rows, int cols);
// v := n zeros.
void VectorCreate(Tvector& v, int n);
void IndexVectorCreate(TindexVector& v, int n);
// v := n times false.
void BoolVectorCreate(TboolVector& v, int n);
// Every flag of v := value.
void BoolVectorFill(TboolVector& v, bool value);

// --- Copies (target := independent copy; ragged rows kept) ----------------

void MatrixCopy(const Tmatrix& source, Tmatrix& target);
void IndexMatrixCopy(const TindexMatrix& source, TindexMatrix& target);
void VectorCopy(const Tvector& source, Tvector& target);
void IndexVectorCopy(const TindexVector& source, TindexVector& target);
void BoolVectorCopy(const TboolVector& source, TboolVector& target);

// --- Arithmetic and blocks -------------------------------------------------

// In place A[i][j] := s * A[i][j], j over the length of row 0 (full matrices).
void MatrixScale(Tmatrix& A, Extended s);
// R := s * A as a new rows(A) x len(A[0]) matrix; A unchanged.
void MatrixScaled(const Tmatrix& A, Tmatrix& R, Extended s);
// T := A transposed (len(A[0]) x rows(A)).
void MatrixTranspose(const Tmatrix& A, Tmatrix& T);
// Sum over k = 0 .. rows(B)-1 of A[i][k] * B[k][j], accumulated from 0 in k
// order.
Extended MatrixProductElement(const Tmatrix& A, const Tmatrix& B, int i, int j);
// C := A * B when len(A[0]) = rows(B); otherwise C is cleared (no failure).
void MatrixMultiply(const Tmatrix& A, const Tmatrix& B, Tmatrix& C);
// C := A + B when the row counts and the row-0 lengths agree; otherwise C is
// cleared (no failure).
void MatrixAdd(const Tmatrix& A, const Tmatrix& B, Tmatrix& C);
// R := the full symmetric size x size block of the lower triangle S starting
// at row and column `start` (the stored lower half mirrored).
void MatrixSubmatrix(const Tmatrix& S, int start, int size, Tmatrix& R);
// T[rowOffset+i][colOffset+j] := B[i][j] for i, j = 0 .. n-1; T must already
// be large enough.
void MatrixSetBlock(Tmatrix& T, const Tmatrix& B, int n, int rowOffset, int colOffset);
// True when M[i][i] >= 0 for every i = from .. to (also when to < from);
// false at the first diagonal element that is negative or not a number.
bool DiagonalNonNegative(const Tmatrix& M, int from, int to);

// --- Rotations --------------------------------------------------------------

// R := Rx(a) * Ry(b) * Rz(c), angles in radians, where
//   Rz(c) = [[cc, sc, 0], [-sc, cc, 0], [0, 0, 1]],
//   Ry(b) = [[cb, 0, -sb], [0, 1, 0], [sb, 0, cb]],
//   Rx(a) = [[1, 0, 0], [0, ca, sa], [0, -sa, ca]]
// are frame rotations: R times a column vector gives the same vector's
// coordinates in the rotated frame (c = pi/2 alone maps (1,0,0) to (0,-1,0)).
void RotationMatrix3(Tmatrix& R, Extended a, Extended b, Extended c);
// Out := lower triangle (same order 3u as C) of R C R^T, where R is the
// block-diagonal matrix of u copies of the 3 x 3 matrix Rot: every 3 x 3 block
// (p, q) of C becomes Rot * Cpq * Rot^T. Only the stored lower half of C is
// read and written. Out may be C itself: the blocks are then rotated in
// place, with no second matrix.
void RotateCovarianceLower(const Tmatrix& C, const Tmatrix& Rot, Tmatrix& Out);

// --- Singular value decomposition -------------------------------------------

// Golub-Reinsch decomposition A = U * diag(w) * V^T of an m x n matrix A
// (m >= n expected). A is replaced by U (m x n), w (n values, created by the
// caller) receives the singular values, non-negative and unsorted, V (n x n,
// created by the caller) the right singular vectors (V itself, not V^T).
// Returns false, leaving intermediate values, when one singular value does
// not converge within 30 passes or an arithmetic failure occurs inside.
bool MatrixSvd(Tmatrix& A, Tvector& w, Tmatrix& V);
// sqrt(a^2 + b^2) without overflow or destructive underflow.
Extended SvdPythag(Extended a, Extended b);
// |a| with the sign of b (b >= 0 gives |a|).
Extended SvdSign(Extended a, Extended b);

}  // namespace sitmera
