// Inverse of the Student t distribution function, with the incomplete beta
// function and the Gamma function behind it.
//
// icstudent(df, p) is the t with F(t) = p for df degrees of freedom. It goes
// through the inverse of the regularised incomplete beta function:
//   P(|T| > t) = I_z(df/2, 1/2) with z = df / (df + t^2),
// searched by interval halving and Newton steps (the Cephes arrangement:
// stdtri, incbi, incbet, incbcf, incbd, pseries, Gamma, lgam, stirf), in
// 80-bit arithmetic with MACHEP = 5e-16.
//
// Callers pass df >= 1 and 0 < p < 1; nothing is raised. Where the result
// overflows, the limiting values are returned (1e300 for t, 0 or 1 - MACHEP
// for the beta inverse); p = 0 and p = 1 give -1e300 and 1e300. Arguments
// outside the domains (df < 1, p outside [0, 1], a or b <= 0) give NaN.
//
// Accuracy: about 1e-15 relative for the usual levels (1 - p >= 1e-6). For
// df >= 100 and 1 - p (or p) below about 5e-7 the search ends in the
// reflected problem, where only the absolute error of the probability is
// small: the relative error of t grows to 1e-9 .. 1e-6, and to 1e-3 at
// 1 - p = 5e-13.
#pragma once

#include "numerics/Zaklad.h"

namespace sitmera {

// t with F(t) = p for the Student distribution with df degrees of freedom.
Extended icstudent(int df, Extended p);

// Regularised incomplete beta function I_x(a, b), a, b > 0, 0 <= x <= 1.
Extended IncBeta(Extended a, Extended b, Extended x);
// x with I_x(a, b) = y, 0 <= y <= 1.
Extended IncBetaInverse(Extended a, Extended b, Extended y);
// Continued fraction of IncBeta used for x below the mean a/(a+b); big and
// biginv rescale the convergents.
Extended IncBetaCf(Extended a, Extended b, Extended x, Extended big, Extended biginv);
// The second continued fraction of IncBeta (in z = x/(1-x)).
Extended IncBetaCf2(Extended a, Extended b, Extended x, Extended big, Extended biginv);
// Power series of IncBeta for small b*x; maxgam is the largest argument at
// which Gamma is evaluated directly.
Extended IncBetaSeries(Extended a, Extended b, Extended x, Extended maxgam);
// Gamma(x).
Extended GammaFn(Extended x);
// ln |Gamma(x)|.
Extended LnGamma(Extended x);
// Gamma(x) by Stirling's formula, for x > 33.
Extended GammaStirling(Extended x);

}  // namespace sitmera
