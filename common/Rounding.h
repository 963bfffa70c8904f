// SPDX-License-Identifier: MIT
#pragma once
// Rounding and truncation as the components use them. Reals may be wider than double in between;
// results that become integers saturate instead of overflowing.

#include <cmath>
#include <cstdint>
#include <limits>

namespace Vexa {

// Nearest value, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), as a real.
inline double RoundHalfEvenReal(double x) {
    return std::nearbyint(x);
}  // default FE_TONEAREST
inline long double RoundHalfEvenReal(long double x) {
    return std::nearbyintl(x);
}

// Int(x): truncates toward zero and stays real.
inline double Int(double x) {
    return std::trunc(x);
}
inline long double Int(long double x) {
    return std::truncl(x);
}

// Saturating conversion of a real that is already integral; NaN gives 0.
template <typename R>
inline std::int64_t SaturateToInt64(R x) {
    if (std::isnan(x)) return 0;
    if (x >= static_cast<R>(9223372036854775807.0L)) return std::numeric_limits<std::int64_t>::max();
    if (x <= static_cast<R>(-9223372036854775808.0L)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(x);
}

// Trunc(x): truncation toward zero as an integer.
inline std::int64_t Trunc(double x) {
    return SaturateToInt64(std::trunc(x));
}
inline std::int64_t Trunc(long double x) {
    return SaturateToInt64(std::truncl(x));
}

// Rounding to the nearest integer with halves to even.
inline std::int64_t RoundHalfEven(double x) {
    return SaturateToInt64(std::nearbyint(x));
}
inline std::int64_t RoundHalfEven(long double x) {
    return SaturateToInt64(std::nearbyintl(x));
}

// Rounding to a 32-bit pixel coordinate: clamped to +-2147483647 first, then halves to even.
inline std::int32_t RoundToPixel(double x) {
    if (std::isnan(x)) return 0;
    if (x > 2147483647.0) x = 2147483647.0;
    if (x < -2147483647.0) x = -2147483647.0;
    return static_cast<std::int32_t>(std::nearbyint(x));
}
inline std::int32_t RoundToPixel(long double x) {
    if (std::isnan(x)) return 0;
    if (x > 2147483647.0L) x = 2147483647.0L;
    if (x < -2147483647.0L) x = -2147483647.0L;
    return static_cast<std::int32_t>(std::nearbyintl(x));
}

// Integer quotient and remainder truncated toward zero (C++ semantics, named as the algorithms name them).
inline std::int64_t Div(std::int64_t a, std::int64_t b) {
    return a / b;
}
inline std::int64_t Mod(std::int64_t a, std::int64_t b) {
    return a % b;
}

}  // namespace Vexa
