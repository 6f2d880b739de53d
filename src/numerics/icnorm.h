// Inverse of the standard normal distribution function.
//
// icnorm(p) is the x with Phi(x) = p, from Acklam's rational approximation
// without a refinement step (relative error below about 1.2e-9: icnorm(0.975)
// gives 1.95996398612016..., the exact quantile being 1.95996398454...). The
// published coefficients are held and evaluated in 80-bit arithmetic.
// The tails are p < 0.02425 and p > 0.97575; both boundaries belong to the
// central formula.
#pragma once

#include "numerics/Zaklad.h"

namespace sitmera {

// x (standard deviations) with Phi(x) = p. Raises ChybaArgumentu with
// "Inverse Cum Norm argument must be in range 0<p<1" unless 0 < p < 1.
Extended icnorm(Extended p);

}  // namespace sitmera
