#include "numerics/icnorm.h"

#include <cmath>

namespace sitmera {

namespace {

// Acklam's coefficients, as 80-bit values like the rest of the computation:
// central region (a, b) and tails (c, d).
constexpr Extended a1 = -3.969683028665376e+01L;
constexpr Extended a2 = 2.209460984245205e+02L;
constexpr Extended a3 = -2.759285104469687e+02L;
constexpr Extended a4 = 1.383577518672690e+02L;
constexpr Extended a5 = -3.066479806614716e+01L;
constexpr Extended a6 = 2.506628277459239e+00L;

constexpr Extended b1 = -5.447609879822406e+01L;
constexpr Extended b2 = 1.615858368580409e+02L;
constexpr Extended b3 = -1.556989798598866e+02L;
constexpr Extended b4 = 6.680131188771972e+01L;
constexpr Extended b5 = -1.328068155288572e+01L;

constexpr Extended c1 = -7.784894002430293e-03L;
constexpr Extended c2 = -3.223964580411365e-01L;
constexpr Extended c3 = -2.400758277161838e+00L;
constexpr Extended c4 = -2.549732539343734e+00L;
constexpr Extended c5 = 4.374664141464968e+00L;
constexpr Extended c6 = 2.938163982698783e+00L;

constexpr Extended d1 = 7.784695709041462e-03L;
constexpr Extended d2 = 3.224671290700398e-01L;
constexpr Extended d3 = 2.445134137142996e+00L;
constexpr Extended d4 = 3.754408661907416e+00L;

constexpr Extended pDolni = 0.02425L;
constexpr Extended pHorni = 0.97575L;

// The tail rational in q = sqrt(-2 ln(tail probability)).
Extended Chvost(Extended q)
{
    return (((((c1 * q + c2) * q + c3) * q + c4) * q + c5) * q + c6) /
           ((((d1 * q + d2) * q + d3) * q + d4) * q + 1);
}

}  // namespace

Extended icnorm(Extended p)
{
    if (!(p > 0 && p < 1)) throw ChybaArgumentu("Inverse Cum Norm argument must be in range 0<p<1");
    if (p < pDolni) return Chvost(std::sqrt(-2 * std::log(p)));
    if (p <= pHorni) {
        const Extended q = p - 0.5L;
        const Extended r = q * q;
        return (((((a1 * r + a2) * r + a3) * r + a4) * r + a5) * r + a6) * q /
               (((((b1 * r + b2) * r + b3) * r + b4) * r + b5) * r + 1);
    }
    return -Chvost(std::sqrt(-2 * std::log(1 - p)));
}

}  // namespace sitmera
