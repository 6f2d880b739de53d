#include "numerics/Jednotky.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sitmera {

namespace {

// Packed d.mmss -> decimal degrees, every step in 80-bit arithmetic.
// a = D.MMSSsss: D = floor(a); m = (a - D) x 100 = MM.SSsss; M = floor(m)
// with a tolerance of 1e-9 so that a value stored just below a whole minute
// (12.30 held as 12.2999...) still counts that minute; S = (m - M) x 100,
// clamped at 0 for the same case. Floor stays in long double: no integer
// overflow for large magnitudes.
Extended BalenyNaStupne(Extended v)
{
    const Extended a = std::fabs(v);
    const Extended D = std::floor(a);
    const Extended m = (a - D) * 100.0L;
    const Extended M = std::floor(m + 1e-9L);
    const Extended S = std::max<Extended>(0.0L, (m - M) * 100.0L);
    const Extended t = D + M / 60.0L + S / 3600.0L;
    return v < 0 ? -t : t;
}

// Decimal degrees -> packed d.mmss, without carrying seconds into minutes.
Extended StupneNaBaleny(Extended d)
{
    const Extended a = std::fabs(d);
    const Extended D = std::floor(a);
    const Extended f = a - D;             // fraction of a degree
    const Extended M = std::floor(f * 60.0L);  // whole minutes
    // Seconds S = (f x 60 - M) x 60 are packed as S / 10000.
    const Extended t = D + M / 100.0L + (f * 60.0L - M) * 0.006L;
    return d < 0 ? -t : t;
}

// Above this magnitude the angle is first reduced with an exact remainder, so
// that normalisation neither loops for long nor forever (x - 2 pi == x).
constexpr Extended mezRedukce = DvaPi * 1048576.0L;

}  // namespace

Extended UhelNaRadiany(std::uint8_t jednotka, Extended hodnota)
{
    switch (jednotka) {
    case 0: return hodnota;
    case 1: return hodnota * PiLomeno200;
    case 2: return hodnota * PiLomeno180;
    case 3: return BalenyNaStupne(hodnota) * PiLomeno180;
    default: return hodnota;
    }
}

Extended RadianyNaUhel(std::uint8_t jednotka, Extended radiany)
{
    switch (jednotka) {
    case 0: return radiany;
    case 1: return radiany * DvesteLomenoPi;
    case 2: return radiany * StoOsmdesatLomenoPi;
    case 3: return StupneNaBaleny(radiany * StoOsmdesatLomenoPi);
    default: return radiany;
    }
}

Extended RadianyNaMalyUhel(std::uint8_t jednotka, Extended radiany)
{
    switch (jednotka) {
    case 0:
    case 1:
    case 2: return RadianyNaUhel(jednotka, radiany) * 1000.0L;
    case 3: return RadianyNaUhel(2, radiany) * 3600.0L;
    default: return radiany;
    }
}

Extended DelkaNaMetry(std::uint8_t jednotka, Extended hodnota)
{
    return jednotka == 1 ? hodnota * Stopa : hodnota;
}

Extended MetryNaDelku(std::uint8_t jednotka, Extended metry)
{
    return jednotka == 1 ? metry / Stopa : metry;
}

Extended MetryNaMaleJednotky(std::uint8_t jednotka, Extended metry)
{
    switch (jednotka) {
    case 0: return metry * 1000.0L;
    case 1: return metry * BodyNaMetr;
    default: return metry;
    }
}

Extended MetryNaMaleJednotkyPresDelku(std::uint8_t jednotka, Extended metry)
{
    switch (jednotka) {
    case 0: return MetryNaDelku(0, metry) * 1000.0L;
    case 1: return MetryNaDelku(1, metry) * 864.0L;
    default: return metry;
    }
}

Extended PrevodNaMaleJednotky(std::uint8_t jednotka, Extended metry)
{
    return (jednotka == 0 || jednotka == 1) ? MetryNaMaleJednotky(jednotka, metry) : metry;
}

Extended NormujUhel(Extended uhel)
{
    if (std::isnan(uhel)) return uhel;
    if (std::isinf(uhel)) return std::numeric_limits<Extended>::quiet_NaN();
    if (std::fabs(uhel) > mezRedukce) uhel = std::fmod(uhel, DvaPi);
    while (uhel < 0) uhel += DvaPi;
    while (uhel >= DvaPi) uhel -= DvaPi;
    return uhel;
}

Extended RozdilUhlu(Extended a, Extended b)
{
    return b - a;
}

Extended RozdilUhluOpacny(Extended a, Extended b)
{
    return (b >= a ? b - Pi : b + Pi) - a;
}

// c = NormujUhel(b + pi) lies in [0, 2 pi); c - pi - a (c >= a) or c + pi - a
// (c < a) equals b - a modulo 2 pi and lies in [-pi, pi) for a in [0, 2 pi).
Extended RozdilUhluNormovany(Extended a, Extended b)
{
    return RozdilUhluOpacny(a, NormujUhel(b + Pi));
}

}  // namespace sitmera
