// A fast exponential for the fast search's bounds, e^x for x <= 0 (the
// search only ever takes e^(-alpha dt)), on plain doubles or on lanes of
// doubles or floats (lane_vector.h). It is never used for a sum the search
// reports: those come from the plain loop's own step and std::exp. It only
// has to be close, with a proven bound:
//
//   |FastExp(x) - e^x| <= kFastExpError * e^x + kFastExpFloor   for every x <= 0,
//
// and a result that is not a number for an x that is not a number.
//
// Why the bound holds. Below -708 the argument is raised to -708: e^x is then
// below 2^-1021, which kFastExpFloor covers, and the result stays a normal
// number. Otherwise x = n ln2 + r with n = round(x / ln2) (rounded through
// the 1.5 * 2^52 shift; a last-place error in x / ln2 can only make |r| a
// few 1e-13 larger than ln2 / 2, so |r| <= 0.3466), and e^x = 2^n e^r:
// - r is exact but for about 1e-16: n ln2hi is exact (ln2hi has 32
//   significant bits and |n| <= 1022), x - n ln2hi is exact (Sterbenz: both
//   are within a factor 2 of each other, or n = 0), and the rest, n ln2lo
//   and the last subtraction, round by at most 2^-53 |r| + 3e-23; ln2hi +
//   ln2lo differs from ln2 by less than 1e-26. The relative error this
//   carries into e^r is below 5e-17.
// - e^r is the Taylor polynomial of degree 9; its remainder is
//   e^xi r^10 / 10! with |xi| <= |r|, relative to e^r at most
//   e^(2 * 0.3466) 0.3466^10 / 10! < 1.39e-11.
// - Horner's rule in doubles adds at most 2 * 9 roundings of 2^-53 each to
//   sums of positive-or-alternating terms bounded by e^|r| <= e^0.3466 against
//   a value of at least e^-0.3466: relative at most 18 * 1.12e-16 * 2.0 < 4.1e-15;
//   the coefficients 1/k!, rounded to doubles, add at most 2^-53 * e^0.6932 < 2.3e-16.
// - Multiplying by 2^n (n in [-1021, 0], the polynomial >= 0.7) is exact.
// Together below 1.4e-11 + 5e-15; kFastExpError leaves room above that.
#pragma once

#include <cmath>
#include <limits>

#include "engine/lane_vector.h"

namespace tervala {

inline constexpr double kFastExpError = 2e-11;
inline constexpr double kFastExpFloor = 1e-300;

// On lanes of floats the same scheme holds with a polynomial of degree 6:
//
//   |FastExp(x) - e^x| <= kFastExpFloatError * e^x + kFastExpFloatFloor   for every x <= 0.
//
// Below -86 the argument is raised to -86: e^x is then below 4.5e-38, and
// so is the result, which stays a normal float (n >= -124). Otherwise
// n = round(x / ln2) comes from a float product whose error (log2e and the
// product each rounded: at most 2 * 124 * 2^-24 in x / ln2) leaves
// |r| <= 0.34658 + 1.1e-5 < 0.3466; n ln2hi is exact (ln2hi has at most 17
// significant bits, |n| <= 124 has 7), x - n ln2hi is
// exact (Sterbenz, or n = 0), and n ln2lo and the last subtraction round by
// at most 2^-24 |r| + 2e-11, with ln2hi + ln2lo within 1e-13 of ln2: a
// relative error below 2.2e-8 in e^r. The Taylor remainder of degree 6 is at
// most e^(2 * 0.3466) 0.3466^7 / 7! < 2.4e-7 relative; Horner's rule adds
// 2 * 6 roundings of 2^-24 against a factor 2.0 (as above): 1.43e-6; the
// coefficients rounded to floats 2^-24 * e^0.6932 < 1.2e-7; the product with
// 2^n is exact. Together below 1.82e-6.
inline constexpr double kFastExpFloatError = 2.5e-6;
inline constexpr double kFastExpFloatFloor = 1e-37;

// What the bounds built on the lanes' arithmetic need to know of its
// precision: the unit roundoff, the fast exponential's bound, the smallest
// absolute error worth adding (far above the smallest normal number), the
// margin that covers a few dozen roundings of an interval's corners, and
// values beyond which a bound says nothing (their squares must not overflow).
template <class T>
struct LanePrecision;
template <>
struct LanePrecision<double> {
    static constexpr double kUnit = 0x1p-53;
    static constexpr double kExpError = kFastExpError;
    static constexpr double kExpFloor = kFastExpFloor;
    static constexpr double kTiny = 1e-300;
    static constexpr double kRounding = 2e-14;
    static constexpr double kHuge = 1e200;
};
template <>
struct LanePrecision<float> {
    static constexpr double kUnit = 0x1p-24;
    static constexpr double kExpError = kFastExpFloatError;
    static constexpr double kExpFloor = kFastExpFloatFloor;
    static constexpr double kTiny = 1e-36;
    static constexpr double kRounding = 1.2e-5;
    static constexpr double kHuge = 1e17;
};
// x rounded down (up) to the lanes' number type.
template <class T>
inline T RoundDown(double x) {
    T t = static_cast<T>(x);
    return static_cast<double>(t) > x ? std::nextafter(t, -std::numeric_limits<T>::infinity()) : t;
}
template <class T>
inline T RoundUp(double x) {
    T t = static_cast<T>(x);
    return static_cast<double>(t) < x ? std::nextafter(t, std::numeric_limits<T>::infinity()) : t;
}

template <class V>
using PrecisionOf = LanePrecision<typename LaneScalar<V>::Type>;

template <class V>
inline V FastExp(V x) {
    constexpr bool kFloat = sizeof(typename LaneScalar<V>::Type) == 4;
    constexpr double kLog2e = 1.4426950408889634;
    // ln2hi has 17 (floats) or 32 (doubles) significant bits.
    constexpr double kLn2Hi = kFloat ? 0.693145751953125 : 6.93147180369123816490e-01;
    constexpr double kLn2Lo = kFloat ? 1.4286068202862268e-06 : 1.90821492927058770002e-10;
    constexpr double kShift = kFloat ? 0x1.8p23 : 0x1.8p52;
    constexpr double kLowest = kFloat ? -86.0 : -708.0;
    constexpr int kDegree = kFloat ? 6 : 9;
    // 1 / k!, k = 0..9.
    constexpr double kTaylor[10] = {1.0,       1.0,       0.5,        1.0 / 6,     1.0 / 24,
                                    1.0 / 120, 1.0 / 720, 1.0 / 5040, 1.0 / 40320, 1.0 / 362880};
    // Raised to the lowest argument; a number that is not one stays what it is.
    x = Select(x < kLowest, V(kLowest), x);
    const V n = (x * kLog2e + kShift) - kShift;
    const V r = (x - n * kLn2Hi) - n * kLn2Lo;
    V p = kTaylor[kDegree];
    for (int k = kDegree - 1; k >= 0; --k) p = p * r + kTaylor[k];
    return p * Pow2(n);
}

}  // namespace tervala
