#include "numerics/icstudent.h"

#include <cmath>
#include <limits>

#include "numerics/icnorm.h"

namespace sitmera {

namespace {

constexpr Extended MACHEP = 5e-16L;
constexpr Extended MAXNUM = 1e300L;
// ln(1e300) and ln(1e-300), computed once at run time.
Extended MaxLog()
{
    static const Extended v = std::log(1e300L);
    return v;
}
Extended MinLog()
{
    static const Extended v = std::log(1e-300L);
    return v;
}
constexpr Extended MAXGAM = 171.6243769563027L;
constexpr Extended BIG = 4.503599627370496e15L;      // 2^52
constexpr Extended BIGINV = 2.220446049250313080847e-16L;  // 2^-52

constexpr Extended PI = 3.14159265358979323846264338327950288L;

// Polynomial with coefficients c[0..n] (highest power first).
Extended polevl(Extended x, const Extended* c, int n)
{
    Extended r = c[0];
    for (int i = 1; i <= n; ++i) r = r * x + c[i];
    return r;
}

// The same with an implied leading coefficient 1 (c[0..n-1] follow it).
Extended p1evl(Extended x, const Extended* c, int n)
{
    Extended r = x + c[0];
    for (int i = 1; i < n; ++i) r = r * x + c[i];
    return r;
}

// Gamma on [2, 3): Gamma(2 + x) = P(x) / Q(x).
constexpr Extended GP[] = {
    1.60119522476751861407E-4L, 1.19135147006586384913E-3L, 1.04213797561761569935E-2L,
    4.76367800457137231464E-2L, 2.07448227648435975150E-1L, 4.94214826801497100753E-1L,
    9.99999999999999996796E-1L};
constexpr Extended GQ[] = {
    -2.31581873324120129819E-5L, 5.39605580493303397842E-4L, -4.45641913851797240494E-3L,
    1.18139785222060435552E-2L,  3.58236398605498653373E-2L, -2.34591795718243348568E-1L,
    7.14304917030273074085E-2L,  1.00000000000000000320E0L};

// Stirling's series for Gamma.
constexpr Extended STIR[] = {7.87311395793093628397E-4L, -2.29549961613378126380E-4L,
                             -2.68132617805781232825E-3L, 3.47222221605458667310E-3L,
                             8.33333333333482257126E-2L};
constexpr Extended MAXSTIR = 143.01608L;
constexpr Extended SQTPI = 2.5066282746310007L;

// ln Gamma: Stirling's expansion (A) and the rational B/C on [2, 3).
constexpr Extended LA[] = {8.11614167470508450300E-4L, -5.95061904284301438324E-4L,
                           7.93650340457716943945E-4L, -2.77777777730099687205E-3L,
                           8.33333333333331927722E-2L};
constexpr Extended LB[] = {-1.37825152569120859100E3L, -3.88016315134637840924E4L,
                           -3.31612992738871184744E5L, -1.16237097492762307383E6L,
                           -1.72173700820839662146E6L, -8.53555664245765465627E5L};
constexpr Extended LC[] = {-3.51815701436523470549E2L, -1.70642106651881159223E4L,
                           -2.20528590553854454839E5L, -1.13933444367982507207E6L,
                           -2.53252307177582951285E6L, -2.01889141433532773231E6L};
constexpr Extended LOGPI = 1.14472988584940017414L;
constexpr Extended LS2PI = 0.91893853320467274178L;  // ln sqrt(2 pi)
constexpr Extended MAXLGM = 2.556348e305L;

// True when the whole number p is even (p may exceed any integer type).
bool JeSude(Extended p)
{
    return std::fmod(p, 2.0L) == 0;
}

}  // namespace

Extended GammaStirling(Extended x)
{
    Extended w = 1.0L / x;
    w = 1.0L + w * polevl(w, STIR, 4);
    Extended y = std::exp(x);
    if (x > MAXSTIR) {
        // x^(x - 1/2) split in two to avoid overflow.
        const Extended v = std::pow(x, 0.5L * x - 0.25L);
        y = v * (v / y);
    } else {
        y = std::pow(x, x - 0.5L) / y;
    }
    return SQTPI * y * w;
}

Extended GammaFn(Extended x)
{
    if (std::isnan(x)) return x;
    if (std::isinf(x)) return x > 0 ? x : std::nanl("");
    Extended q = std::fabs(x);
    if (q > 33.0L) {
        if (x < 0) {
            // Reflection: Gamma(-q) = -pi / (q sin(pi q) Gamma(q)).
            Extended p = std::floor(q);
            if (p == q) return MAXNUM;  // pole
            const int znamenko = JeSude(p) ? -1 : 1;
            Extended z = q - p;
            if (z > 0.5L) {
                p += 1.0L;
                z = q - p;
            }
            z = q * std::sin(PI * z);
            if (z == 0) return znamenko * HUGE_VALL;
            z = std::fabs(z);
            z = PI / (z * GammaStirling(q));
            return znamenko * z;
        }
        return GammaStirling(x);
    }

    // Recurrence down (or up) to [2, 3).
    Extended z = 1.0L;
    while (x >= 3.0L) {
        x -= 1.0L;
        z *= x;
    }
    while (x < 0) {
        if (x > -1e-9L) goto small;
        z /= x;
        x += 1.0L;
    }
    while (x < 2.0L) {
        if (x < 1e-9L) goto small;
        z /= x;
        x += 1.0L;
    }
    if (x == 2.0L) return z;
    x -= 2.0L;
    return z * polevl(x, GP, 6) / polevl(x, GQ, 7);

small:
    if (x == 0) return MAXNUM;  // pole
    return z / ((1.0L + 0.5772156649015329L * x) * x);
}

Extended LnGamma(Extended x)
{
    if (std::isnan(x)) return x;
    if (std::isinf(x)) return HUGE_VALL;

    if (x < -34.0L) {
        // Reflection: ln|Gamma(-q)| = ln pi - ln|q sin(pi q)| - ln Gamma(q).
        const Extended q = -x;
        const Extended w = LnGamma(q);
        Extended p = std::floor(q);
        if (p == q) return MAXNUM;  // pole
        Extended z = q - p;
        if (z > 0.5L) {
            p += 1.0L;
            z = p - q;
        }
        z = q * std::sin(PI * z);
        if (z == 0) return MAXNUM;
        return LOGPI - std::log(z) - w;
    }

    if (x < 13.0L) {
        // Recurrence to [2, 3), then the rational B/C.
        Extended z = 1.0L;
        Extended p = 0.0L;
        Extended u = x;
        while (u >= 3.0L) {
            p -= 1.0L;
            u = x + p;
            z *= u;
        }
        while (u < 2.0L) {
            if (u == 0) return MAXNUM;  // pole
            z /= u;
            p += 1.0L;
            u = x + p;
        }
        if (z < 0) z = -z;
        if (u == 2.0L) return std::log(z);
        p -= 2.0L;
        x = x + p;
        p = x * polevl(x, LB, 5) / p1evl(x, LC, 6);
        return std::log(z) + p;
    }

    if (x > MAXLGM) return MAXNUM;

    Extended q = (x - 0.5L) * std::log(x) - x + LS2PI;
    if (x > 1.0e8L) return q;
    const Extended p = 1.0L / (x * x);
    if (x >= 1000.0L)
        q += ((7.9365079365079365079365e-4L * p - 2.7777777777777777777778e-3L) * p +
              0.0833333333333333333333L) /
             x;
    else
        q += polevl(p, LA, 4) / x;
    return q;
}

// Continued fraction: I_x(a, b) = x^a (1-x)^b / (a B(a, b)) * 1 / (1 + d1/(1 + d2/(1 + ...))),
// convergents rescaled by big and biginv.
Extended IncBetaCf(Extended a, Extended b, Extended x, Extended big, Extended biginv)
{
    Extended k1 = a, k2 = a + b, k3 = a, k4 = a + 1.0L;
    Extended k5 = 1.0L, k6 = b - 1.0L, k7 = k4, k8 = a + 2.0L;
    Extended pkm2 = 0.0L, qkm2 = 1.0L, pkm1 = 1.0L, qkm1 = 1.0L;
    Extended ans = 1.0L, r = 1.0L;
    const Extended thresh = 3.0L * MACHEP;
    int n = 0;
    do {
        Extended xk = -(x * k1 * k2) / (k3 * k4);
        Extended pk = pkm1 + pkm2 * xk;
        Extended qk = qkm1 + qkm2 * xk;
        pkm2 = pkm1;
        pkm1 = pk;
        qkm2 = qkm1;
        qkm1 = qk;

        xk = (x * k5 * k6) / (k7 * k8);
        pk = pkm1 + pkm2 * xk;
        qk = qkm1 + qkm2 * xk;
        pkm2 = pkm1;
        pkm1 = pk;
        qkm2 = qkm1;
        qkm1 = qk;

        if (qk != 0) r = pk / qk;
        Extended t;
        if (r != 0) {
            t = std::fabs((ans - r) / r);
            ans = r;
        } else {
            t = 1.0L;
        }
        if (t < thresh) break;

        k1 += 1.0L;
        k2 += 1.0L;
        k3 += 2.0L;
        k4 += 2.0L;
        k5 += 1.0L;
        k6 -= 1.0L;
        k7 += 2.0L;
        k8 += 2.0L;

        if (std::fabs(qk) + std::fabs(pk) > big) {
            pkm2 *= biginv;
            pkm1 *= biginv;
            qkm2 *= biginv;
            qkm1 *= biginv;
        }
        if (std::fabs(qk) < biginv || std::fabs(pk) < biginv) {
            pkm2 *= big;
            pkm1 *= big;
            qkm2 *= big;
            qkm1 *= big;
        }
    } while (++n < 300);
    return ans;
}

// The second continued fraction, in z = x / (1 - x).
Extended IncBetaCf2(Extended a, Extended b, Extended x, Extended big, Extended biginv)
{
    Extended k1 = a, k2 = b - 1.0L, k3 = a, k4 = a + 1.0L;
    Extended k5 = 1.0L, k6 = a + b, k7 = a + 1.0L, k8 = a + 2.0L;
    Extended pkm2 = 0.0L, qkm2 = 1.0L, pkm1 = 1.0L, qkm1 = 1.0L;
    const Extended z = x / (1.0L - x);
    Extended ans = 1.0L, r = 1.0L;
    const Extended thresh = 3.0L * MACHEP;
    int n = 0;
    do {
        Extended xk = -(z * k1 * k2) / (k3 * k4);
        Extended pk = pkm1 + pkm2 * xk;
        Extended qk = qkm1 + qkm2 * xk;
        pkm2 = pkm1;
        pkm1 = pk;
        qkm2 = qkm1;
        qkm1 = qk;

        xk = (z * k5 * k6) / (k7 * k8);
        pk = pkm1 + pkm2 * xk;
        qk = qkm1 + qkm2 * xk;
        pkm2 = pkm1;
        pkm1 = pk;
        qkm2 = qkm1;
        qkm1 = qk;

        if (qk != 0) r = pk / qk;
        Extended t;
        if (r != 0) {
            t = std::fabs((ans - r) / r);
            ans = r;
        } else {
            t = 1.0L;
        }
        if (t < thresh) break;

        k1 += 1.0L;
        k2 -= 1.0L;
        k3 += 2.0L;
        k4 += 2.0L;
        k5 += 1.0L;
        k6 += 1.0L;
        k7 += 2.0L;
        k8 += 2.0L;

        if (std::fabs(qk) + std::fabs(pk) > big) {
            pkm2 *= biginv;
            pkm1 *= biginv;
            qkm2 *= biginv;
            qkm1 *= biginv;
        }
        if (std::fabs(qk) < biginv || std::fabs(pk) < biginv) {
            pkm2 *= big;
            pkm1 *= big;
            qkm2 *= big;
            qkm1 *= big;
        }
    } while (++n < 300);
    return ans;
}

// I_x(a, b) = x^a / (a B(a, b)) * (1 + sum over n >= 1 of a (1-b)_n x^n / (n! (a + n))).
Extended IncBetaSeries(Extended a, Extended b, Extended x, Extended maxgam)
{
    const Extended ai = 1.0L / a;
    Extended u = (1.0L - b) * x;
    Extended v = u / (a + 1.0L);
    const Extended t1 = v;
    Extended t = u;
    Extended n = 2.0L;
    Extended s = 0.0L;
    const Extended z = MACHEP * ai;
    while (std::fabs(v) > z) {
        u = (n - b) * x / n;
        t *= u;
        v = t / (a + n);
        s += v;
        n += 1.0L;
    }
    s += t1;
    s += ai;

    u = a * std::log(x);
    if (a + b < maxgam && std::fabs(u) < MaxLog()) {
        t = GammaFn(a + b) / (GammaFn(a) * GammaFn(b));
        s = s * t * std::pow(x, a);
    } else {
        t = LnGamma(a + b) - LnGamma(a) - LnGamma(b) + u + std::log(s);
        s = t < MinLog() ? 0.0L : std::exp(t);
    }
    return s;
}

Extended IncBeta(Extended aa, Extended bb, Extended xx)
{
    if (!(aa > 0 && bb > 0 && xx >= 0 && xx <= 1)) return std::numeric_limits<Extended>::quiet_NaN();
    if (xx == 0) return 0.0L;
    if (xx == 1) return 1.0L;

    bool obraceno = false;
    Extended a, b, x, xc, t;
    if (bb * xx <= 1.0L && xx <= 0.95L) {
        t = IncBetaSeries(aa, bb, xx, MAXGAM);
    } else {
        Extended w = 1.0L - xx;
        // Reverse a and b when x is above the mean.
        if (xx > aa / (aa + bb)) {
            obraceno = true;
            a = bb;
            b = aa;
            xc = xx;
            x = w;
        } else {
            a = aa;
            b = bb;
            xc = w;
            x = xx;
        }
        if (obraceno && b * x <= 1.0L && x <= 0.95L) {
            t = IncBetaSeries(a, b, x, MAXGAM);
        } else {
            // Choose the expansion that converges better.
            Extended y = x * (a + b - 2.0L) - (a - 1.0L);
            if (y < 0)
                w = IncBetaCf(a, b, x, BIG, BIGINV);
            else
                w = IncBetaCf2(a, b, x, BIG, BIGINV) / xc;

            // Factor x^a (1-x)^b Gamma(a+b) / (a Gamma(a) Gamma(b)).
            y = a * std::log(x);
            t = b * std::log(xc);
            if (a + b < MAXGAM && std::fabs(y) < MaxLog() && std::fabs(t) < MaxLog()) {
                t = std::pow(xc, b);
                t *= std::pow(x, a);
                t /= a;
                t *= w;
                t *= GammaFn(a + b) / (GammaFn(a) * GammaFn(b));
            } else {
                y += t + LnGamma(a + b) - LnGamma(a) - LnGamma(b);
                y += std::log(w / a);
                t = y < MinLog() ? 0.0L : std::exp(y);
            }
        }
    }

    if (obraceno) t = t <= MACHEP ? 1.0L - MACHEP : 1.0L - t;
    return t;
}

Extended IncBetaInverse(Extended aa, Extended bb, Extended yy0)
{
    // Outside the domain the search below need not end.
    if (!(aa > 0 && bb > 0 && yy0 >= 0 && yy0 <= 1)) return std::numeric_limits<Extended>::quiet_NaN();
    if (yy0 == 0) return 0.0L;
    if (yy0 == 1) return 1.0L;

    Extended a, b, y0, d, y, x, lgm, yp, di = 0.5L, dithresh, xt;
    Extended x0 = 0.0L, yl = 0.0L, x1 = 1.0L, yh = 1.0L;
    bool obraceno = false;
    bool newtonByl = false;
    int smer = 0;

    if (aa <= 1.0L || bb <= 1.0L) {
        dithresh = 1.0e-6L;
        a = aa;
        b = bb;
        y0 = yy0;
        x = a / (a + b);
        y = IncBeta(a, b, x);
        goto ihalve;
    }
    dithresh = 1.0e-4L;

    // Start from the normal approximation of the inverse.
    yp = -icnorm(yy0);
    if (yy0 > 0.5L) {
        obraceno = true;
        a = bb;
        b = aa;
        y0 = 1.0L - yy0;
        yp = -yp;
    } else {
        a = aa;
        b = bb;
        y0 = yy0;
    }
    lgm = (yp * yp - 3.0L) / 6.0L;
    x = 2.0L / (1.0L / (2.0L * a - 1.0L) + 1.0L / (2.0L * b - 1.0L));
    d = yp * std::sqrt(x + lgm) / x -
        (1.0L / (2.0L * b - 1.0L) - 1.0L / (2.0L * a - 1.0L)) * (lgm + 5.0L / 6.0L - 2.0L / (3.0L * x));
    d = 2.0L * d;
    if (d < MinLog()) goto under;
    x = a / (a + b * std::exp(d));
    y = IncBeta(a, b, x);
    yp = (y - y0) / y0;
    if (std::fabs(yp) < 0.2L) goto newt;

ihalve:
    // Interval halving, the step adapted to the run of steps the same way.
    smer = 0;
    di = 0.5L;
    for (int i = 0; i < 100; ++i) {
        if (i != 0) {
            x = x0 + di * (x1 - x0);
            if (x == 1.0L) x = 1.0L - MACHEP;
            if (x == 0.0L) {
                di = 0.5L;
                x = x0 + di * (x1 - x0);
                if (x == 0.0L) goto under;
            }
            y = IncBeta(a, b, x);
            yp = (x1 - x0) / (x1 + x0);
            if (std::fabs(yp) < dithresh) goto newt;
            yp = (y - y0) / y0;
            if (std::fabs(yp) < dithresh) goto newt;
        }
        if (y < y0) {
            x0 = x;
            yl = y;
            if (smer < 0) {
                smer = 0;
                di = 0.5L;
            } else if (smer > 3) {
                di = 1.0L - (1.0L - di) * (1.0L - di);
            } else if (smer > 1) {
                di = 0.5L * di + 0.5L;
            } else {
                di = (y0 - y) / (yh - yl);
            }
            smer += 1;
            if (x0 > 0.75L) {
                // Reflect the problem: I_x(a, b) = 1 - I_(1-x)(b, a).
                if (obraceno) {
                    obraceno = false;
                    a = aa;
                    b = bb;
                    y0 = yy0;
                } else {
                    obraceno = true;
                    a = bb;
                    b = aa;
                    y0 = 1.0L - yy0;
                }
                x = 1.0L - x;
                y = IncBeta(a, b, x);
                x0 = 0.0L;
                yl = 0.0L;
                x1 = 1.0L;
                yh = 1.0L;
                goto ihalve;
            }
        } else {
            x1 = x;
            if (obraceno && x1 < MACHEP) {
                x = 0.0L;
                goto done;
            }
            yh = y;
            if (smer > 0) {
                smer = 0;
                di = 0.5L;
            } else if (smer < -3) {
                di = di * di;
            } else if (smer < -1) {
                di = 0.5L * di;
            } else {
                di = (y - y0) / (yh - yl);
            }
            smer -= 1;
        }
    }
    // Halving did not reach the threshold.
    if (x0 >= 1.0L) {
        x = 1.0L - MACHEP;
        goto done;
    }
    if (x <= 0.0L) goto under;

newt:
    // Newton's method on I_x(a, b) - y0, once.
    if (newtonByl) goto done;
    newtonByl = true;
    lgm = LnGamma(a + b) - LnGamma(a) - LnGamma(b);
    for (int i = 0; i < 8; ++i) {
        if (i != 0) y = IncBeta(a, b, x);
        // Keep x inside the bracket [x0, x1].
        if (y < yl) {
            x = x0;
            y = yl;
        } else if (y > yh) {
            x = x1;
            y = yh;
        } else if (y < y0) {
            x0 = x;
            yl = y;
        } else {
            x1 = x;
            yh = y;
        }
        if (x == 1.0L || x == 0.0L) break;
        // Derivative: x^(a-1) (1-x)^(b-1) / B(a, b).
        d = (a - 1.0L) * std::log(x) + (b - 1.0L) * std::log(1.0L - x) + lgm;
        if (d < MinLog()) goto done;
        if (d > MaxLog()) break;
        d = std::exp(d);
        d = (y - y0) / d;
        xt = x - d;
        // A step below the resolution of x (I_x(a, b) = y0 to the last bit):
        // x has converged. Going on, the bracket step below would divide
        // 0 by 0, since x has just become a bracket end.
        if (xt == x) goto done;
        if (xt <= x0) {
            y = (x - x0) / (x - xt);
            xt = x0 + 0.5L * y * (x - x0);
            if (xt <= 0.0L) break;
        }
        if (xt >= x1) {
            y = (x1 - x) / (xt - x);
            xt = x1 - 0.5L * y * (x1 - x);
            if (xt >= 1.0L) break;
        }
        x = xt;
        if (std::fabs(d / x) < 128.0L * MACHEP) goto done;
    }
    // No convergence: resume halving with a tighter threshold.
    dithresh = 256.0L * MACHEP;
    goto ihalve;

under:
    x = 0.0L;

done:
    if (obraceno) x = x <= MACHEP ? 1.0L - MACHEP : 1.0L - x;
    return x;
}

// P(|T| > t) = I_z(n/2, 1/2) with z = n / (n + t^2); near the median the
// complementary form P(|T| < t) = I_(1-z)(1/2, n/2) is better conditioned.
Extended icstudent(int df, Extended p)
{
    // No distribution below one degree of freedom, no quantile outside
    // [0, 1]: not a number (the search would not end for some of them).
    if (df < 1 || !(p >= 0 && p <= 1)) return std::numeric_limits<Extended>::quiet_NaN();
    const Extended rk = df;
    if (p > 0.25L && p < 0.75L) {
        if (p == 0.5L) return 0.0L;
        const Extended z = IncBetaInverse(0.5L, 0.5L * rk, std::fabs(1.0L - 2.0L * p));
        const Extended t = std::sqrt(rk * z / (1.0L - z));
        return p < 0.5L ? -t : t;
    }
    int znamenko = -1;
    if (p >= 0.5L) {
        p = 1.0L - p;
        znamenko = 1;
    }
    const Extended z = IncBetaInverse(0.5L * rk, 0.5L, 2.0L * p);
    if (MAXNUM * z < rk) return znamenko * MAXNUM;
    return znamenko * std::sqrt(rk / z - rk);
}

}  // namespace sitmera
