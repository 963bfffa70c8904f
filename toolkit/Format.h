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
// Widths: a positive width right-aligns the text in that many characters with blanks, a negative
// width left-aligns it; texts longer than the width are never cut. Widths are limited to 1024.
// Not-a-number and infinities read "NAN", "INF" and "-INF" in every real format.

#include <QString>
#include <QStringView>
#include <array>
#include <concepts>
#include <cstdint>
#include <type_traits>

#include "gravilo_toolkit_export.h"

namespace Vexa {

// "%*.*f": `decimals` digits after the point (0..99); a minus sign only for negative values, so
// -0.0 reads "0.00" while -0.001 reads "-0.00".
GRAVILO_TOOLKIT_EXPORT QString FormatFixed(double v, int decimals, int width = 0);

// "%*.*g" in the Pascal sense: `precision` significant digits (1..99). Fixed notation when the
// rounded value's integer part has at most `precision` digits and its magnitude is at least
// 0.00001, scientific otherwise. Trailing zeros and a needless point are dropped in both.
// Scientific texts read mantissa, "E", the exponent's sign, at least two exponent digits:
// 1.5E+20, 1E-06, 1.25E+100.
GRAVILO_TOOLKIT_EXPORT QString FormatGeneral(double v, int precision, int width = 0);

// "%*.*e" in the Pascal sense: `digits` digits in all (1..99), one before the point, then "E", the
// exponent's sign and at least `minExponentDigits` (1..9) exponent digits: 1500 with 3 digits gives
// 1.50E+003. One digit has no point: 1E+003.
GRAVILO_TOOLKIT_EXPORT QString FormatScientific(double v, int digits, int minExponentDigits = 3,
                                                int width = 0);

// "%*.*x": upper-case hexadecimal, zero-padded to at least `minDigits` digits; zero reads "0" even
// when minDigits is 0. Callers that want two's complement pass the signed value cast to uint64.
GRAVILO_TOOLKIT_EXPORT QString FormatHex(std::uint64_t v, int minDigits, int width = 0);

// "%*.*d": decimal, zero-padded to at least `minDigits` digits, the sign not counted (-7 with three
// digits gives "-007").
GRAVILO_TOOLKIT_EXPORT QString FormatDecimal(std::int64_t v, int minDigits = 0, int width = 0);

// One argument of Format(). Holds views only: it lives no longer than the Format() call.
class GRAVILO_TOOLKIT_EXPORT FormatArg {
public:
    enum class TKind { Signed, Unsigned, Real, Utf8, Utf16 };

    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>)
        FormatArg(T v)  // NOLINT(google-explicit-constructor): arguments convert implicitly
        : FKind(std::is_signed_v<T> ? TKind::Signed : TKind::Unsigned),
          FSigned(static_cast<std::int64_t>(v)),
          // the bits of the argument's own width, so %x of an int -1 reads FFFFFFFF as in printf
          FBits(static_cast<std::uint64_t>(static_cast<std::make_unsigned_t<T>>(v))) {}
    FormatArg(double v) : FKind(TKind::Real), FReal(v) {}                            // NOLINT
    FormatArg(float v) : FKind(TKind::Real), FReal(v) {}                             // NOLINT
    FormatArg(long double v) : FKind(TKind::Real), FReal(static_cast<double>(v)) {}  // NOLINT
    FormatArg(const char* s) : FKind(TKind::Utf8), FChars(s ? s : "") {}             // NOLINT
    FormatArg(const QString& s) : FKind(TKind::Utf16), FText(s) {}                   // NOLINT
    FormatArg(QStringView s) : FKind(TKind::Utf16), FText(s) {}                      // NOLINT

    TKind Kind() const { return FKind; }
    std::int64_t Signed() const { return FSigned; }
    std::uint64_t Bits() const { return FBits; }
    double Real() const { return FReal; }
    const char* Chars() const { return FChars; }
    QStringView Text() const { return FText; }

private:
    TKind FKind;
    std::int64_t FSigned = 0;
    std::uint64_t FBits = 0;
    double FReal = 0;
    const char* FChars = nullptr;
    QStringView FText;
};

// Format() with the arguments already collected.
GRAVILO_TOOLKIT_EXPORT QString FormatArgs(const char* pattern, const FormatArg* args, int count);

// printf-like texts: %[-][0][width][.precision]conversion, width and precision either literal or
// '*' (taken from the next integer argument); '-' left-aligns, '0' pads numbers with zeros after
// the sign; "%%" is a percent sign. Conversions, each with the meaning of the functions above:
//   %d (and %u)  integer, precision = minimum digits
//   %x (and %X)  integer in upper-case hexadecimal, precision = minimum digits; negative arguments
//                show the two's complement of their own type's width
//   %f           FormatFixed, precision = decimals, default 2
//   %e           FormatScientific with three exponent digits, precision = digits in all, default 15
//   %g           FormatGeneral, precision = significant digits, default 15
//   %s           text (QString, QStringView or UTF-8 const char*), precision = at most that many
//                characters
// Integers are accepted where reals are expected. A malformed pattern, a missing argument or an
// argument that does not fit its conversion (a real for %d, a text for %f) throws EVexaError, as
// the classic formatter raised its conversion error. Surplus arguments are ignored.
template <typename... TArgs>
QString Format(const char* pattern, const TArgs&... args) {
    const std::array<FormatArg, sizeof...(TArgs)> collected{FormatArg(args)...};
    return FormatArgs(pattern, collected.data(), static_cast<int>(collected.size()));
}

}  // namespace Vexa
