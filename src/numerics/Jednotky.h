// Unit conversions and angle normalisation.
//
// Inside the program angles are radians and lengths metres. These functions
// convert at the edges between those internal values and the user's units, and
// bring angles and angle differences into their standard ranges. Each takes
// the unit code first; an unknown code passes the value through unchanged.
// All arithmetic is 80-bit.
//
// Unit codes (the bytes of the units settings):
//   angle  0 radian   (small unit: milliradian, x 1000)
//          1 gon      (pi/200 rad; small unit: milligon, x 1000)
//          2 degree   (pi/180 rad; small unit: millidegree, x 1000)
//          3 degrees-minutes-seconds packed as one number d.mmss
//                     (small unit: arc second, degrees x 3600)
//   length 0 metre    (small unit: millimetre, x 1000)
//          1 international foot, 0.3048 m (small unit: point, 1/864 foot)
//
// The packed form d.mmss: integer part whole degrees, the first two decimals
// whole minutes, the following decimals seconds and their fractions
// (12.3045 = 12 deg 30 min 45 s; 12.30455 = 12 deg 30 min 45.5 s). The sign
// of the number is the sign of the angle.
#pragma once

#include <cstdint>

#include "numerics/Zaklad.h"

namespace sitmera {

// Constants in 80-bit precision.
inline constexpr Extended Pi = 3.14159265358979323846264338327950288L;
inline constexpr Extended DvaPi = 2.0L * Pi;
inline constexpr Extended PiLomeno200 = Pi / 200.0L;          // one gon in radians
inline constexpr Extended PiLomeno180 = Pi / 180.0L;          // one degree in radians
inline constexpr Extended DvesteLomenoPi = 200.0L / Pi;       // one radian in gon
inline constexpr Extended StoOsmdesatLomenoPi = 180.0L / Pi;  // one radian in degrees
inline constexpr Extended Stopa = 0.3048L;                    // one international foot in metres
// Points (1/864 foot) in one metre: 864 / 0.3048 rounded to nine decimals.
inline constexpr Extended BodyNaMetr = 2834.645669291L;

// Angle in the user's unit -> radians.
// Code 3 reads the packed d.mmss form (see the top of this file).
Extended UhelNaRadiany(std::uint8_t jednotka, Extended hodnota);

// Radians -> angle in the user's unit.
// Code 3 gives the packed d.mmss form without carrying: seconds that come to
// 59.99... stay below 60 in the number and may show as 60 once the text is
// rounded.
Extended RadianyNaUhel(std::uint8_t jednotka, Extended radiany);

// Radians -> the small angle unit: milliradians, milligon, millidegrees, or
// arc seconds for code 3.
Extended RadianyNaMalyUhel(std::uint8_t jednotka, Extended radiany);

// Length in the user's unit -> metres (code 1: feet).
Extended DelkaNaMetry(std::uint8_t jednotka, Extended hodnota);

// Metres -> length in the user's unit (code 1: feet).
Extended MetryNaDelku(std::uint8_t jednotka, Extended metry);

// Metres -> the small length unit of displacements: code 0 millimetres,
// code 1 points with the factor 2834.645669291 per metre.
Extended MetryNaMaleJednotky(std::uint8_t jednotka, Extended metry);

// Metres -> the small length unit of coordinates and epoch values: code 0
// millimetres, code 1 points as metres / 0.3048 x 864. Differs from
// MetryNaMaleJednotky for code 1 in the last digits; each caller keeps its own.
Extended MetryNaMaleJednotkyPresDelku(std::uint8_t jednotka, Extended metry);

// Codes 0 and 1: MetryNaMaleJednotky; any other code: metres unchanged.
Extended PrevodNaMaleJednotky(std::uint8_t jednotka, Extended metry);

// Angle (radians) brought into [0, 2 pi) by adding or subtracting 2 pi.
// A NaN stays NaN; an infinite angle has no direction and gives NaN.
Extended NormujUhel(Extended uhel);

// b - a (radians), not normalised.
Extended RozdilUhlu(Extended a, Extended b);

// (b - pi when b >= a, else b + pi) - a (radians): the difference from a to the
// opposite direction of b.
Extended RozdilUhluOpacny(Extended a, Extended b);

// b - a (radians) brought into [-pi, pi). a is a bearing in [0, 2 pi).
Extended RozdilUhluNormovany(Extended a, Extended b);

}  // namespace sitmera
