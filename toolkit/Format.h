// SPDX-License-Identifier: MIT
#pragma once
// Number texts in the classic printf family, independent of the user's locale: '.' is always the
// decimal mark and no digit grouping is applied, because axis labels and numeric displays decide
// about the decimal comma themselves.
//
// Rounding: fixed and scientific digits are rounded from the exact binary value of the double,
// ties to even, as glibc's printf does (0.125 with two decimals gives "0.12", 0.375 gives "0.38",
// 2.5 with none gives "2", and 1.005 gives "1.00" because its binary value lies below the half).
//
// Not-a-number and infinities read "NAN", "INF" and "-INF" in every real format.

#include <QString>
#include <cstdint>

#include "gravilo_toolkit_export.h"

namespace Vexa {

// "%.*f": `decimals` digits after the point (0..99); a minus sign only for negative values, so
// -0.0 reads "0.00" while -0.001 reads "-0.00".
GRAVILO_TOOLKIT_INNER_EXPORT QString FormatFixed(double v, int decimals);

// "%.*g" in the Pascal sense: `precision` significant digits (1..99). Fixed notation when the
// rounded value's integer part has at most `precision` digits and its magnitude is at least
// 0.00001, scientific otherwise. Trailing zeros and a needless point are dropped in both.
// Scientific texts read mantissa, "E", the exponent's sign, at least two exponent digits:
// 1.5E+20, 1E-06, 1.25E+100.
GRAVILO_TOOLKIT_INNER_EXPORT QString FormatGeneral(double v, int precision);

// "%.*e" in the Pascal sense: `digits` digits in all (1..99), one before the point, then "E", the
// exponent's sign and at least `minExponentDigits` (1..9) exponent digits: 1500 with 3 digits gives
// 1.50E+003. One digit has no point: 1E+003.
GRAVILO_TOOLKIT_INNER_EXPORT QString FormatScientific(double v, int digits, int minExponentDigits = 3);

// "%.*d": decimal, zero-padded to at least `minDigits` digits, the sign not counted (-7 with three
// digits gives "-007").
GRAVILO_TOOLKIT_INNER_EXPORT QString FormatDecimal(std::int64_t v, int minDigits = 0);

}  // namespace Vexa
