// SPDX-License-Identifier: MIT
// Number texts for any value, precision and width: no crash, and the digits are the C library's.
// glibc's printf rounds from the exact binary value as these texts promise to, so it is the
// reference for fixed, scientific, hexadecimal and decimal texts; general texts must read back
// as the value to the precision asked for. Format() takes any pattern with a fixed set of
// arguments and either builds a text or refuses the pattern with EVexaError.

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Format.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "VexaError.h"

using namespace Vexa;

namespace {

constexpr int MaxWidth = 1024;

QString Printf(const char* pattern, auto... args) {
    std::vector<char> buffer(std::size_t(std::snprintf(nullptr, 0, pattern, args...)) + 1);
    std::snprintf(buffer.data(), buffer.size(), pattern, args...);
    return QString::fromLatin1(buffer.data());
}

// what a width makes of a number text: blanks on the left, or on the right for a negative width
QString Aligned(const QString& text, int width) {
    width = std::clamp(width, -MaxWidth, MaxWidth);
    return width < 0 ? text.leftJustified(-width) : text.rightJustified(width);
}

QString NonFiniteText(double v) {
    return std::isnan(v) ? QStringLiteral("NAN") : (v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF"));
}

void CheckFixed(double v, int decimals, int width) {
    const QString text = FormatFixed(v, decimals, width);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(text == Aligned(NonFiniteText(v), width), text);
        return;
    }
    // zero shows no sign, whatever its own
    const QString expected = Printf("%.*f", std::clamp(decimals, 0, 99), v == 0 ? 0.0 : v);
    FUZZ_CHECK(text == Aligned(expected, width), QStringLiteral("%1 for %2").arg(text, expected));
}

void CheckScientific(double v, int digits, int exponentDigits, int width) {
    const QString text = FormatScientific(v, digits, exponentDigits, width);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(text == Aligned(NonFiniteText(v), width), text);
        return;
    }
    // printf's mantissa, with an upper-case E and the exponent's digits as asked
    const QString c = Printf("%.*e", std::clamp(digits, 1, 99) - 1, v == 0 ? 0.0 : v);
    const qsizetype e = c.indexOf(QLatin1Char('e'));
    const int exponent = c.mid(e + 1).toInt();
    const QString expected = c.left(e) + QLatin1Char('E') +
                             (exponent < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
                             QString::number(std::abs(exponent))
                                 .rightJustified(std::clamp(exponentDigits, 1, 9), QLatin1Char('0'));
    FUZZ_CHECK(text == Aligned(expected, width), QStringLiteral("%1 for %2").arg(text, expected));
}

void CheckGeneral(double v, int precision, int width) {
    const QString text = FormatGeneral(v, precision, width);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(text == Aligned(NonFiniteText(v), width), text);
        return;
    }
    const QString number = text.trimmed();
    FUZZ_CHECK(text == Aligned(number, width), text);
    // a number as C reads it; the largest values may round up beyond what a double holds
    const QByteArray latin = number.toLatin1();
    char* end = nullptr;
    const double back = std::strtod(latin.constData(), &end);
    FUZZ_CHECK(!latin.isEmpty() && end == latin.constData() + latin.size(), text);
    FUZZ_CHECK(std::isfinite(back) || std::fabs(v) > 1e307, text);
    // the value to `precision` significant digits: the text is within half a unit of the last one
    const int p = std::clamp(precision, 1, 99);
    if (p <= 16 && v != 0 && std::isfinite(back)) {
        const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(v))) - p + 1);
        // with room for the rounding of reading the text back
        FUZZ_CHECK(std::fabs(back - v) <= unit * 0.5 + std::fabs(v) * 1e-15,
                   QStringLiteral("%1 for %2").arg(text).arg(v, 0, 'g', 17));
    }
    const bool scientific = number.contains(QLatin1Char('E'));
    // trailing zeros and a needless point are dropped
    const QString mantissa = scientific ? number.left(number.indexOf(QLatin1Char('E'))) : number;
    if (mantissa.contains(QLatin1Char('.')))
        FUZZ_CHECK(!mantissa.endsWith(QLatin1Char('0')) && !mantissa.endsWith(QLatin1Char('.')), text);
}

void CheckIntegers(std::int64_t v, int digits, int width) {
    const int d = std::clamp(digits, 0, 99);
    const QString hex = FormatHex(std::uint64_t(v), digits, width);
    // printf writes nothing for zero with no digits; these texts always show the zero
    const QString hexExpected =
        (v == 0 && d == 0) ? QStringLiteral("0") : Printf("%.*llX", d, static_cast<unsigned long long>(v));
    FUZZ_CHECK(hex == Aligned(hexExpected, width), QStringLiteral("%1 for %2").arg(hex, hexExpected));

    const QString decimal = FormatDecimal(v, digits, width);
    const QString decimalExpected =
        (v == 0 && d == 0) ? QStringLiteral("0") : Printf("%.*lld", d, static_cast<long long>(v));
    FUZZ_CHECK(decimal == Aligned(decimalExpected, width),
               QStringLiteral("%1 for %2").arg(decimal, decimalExpected));
}

void CheckPattern(const QByteArray& pattern, TFuzzInput& input) {
    const std::int32_t i = input.Int();
    const std::uint64_t u = input.Take<std::uint64_t>();
    const double r = input.Real();
    const QByteArray text = input.Chunk();
    try {
        const QString result =
            Format(pattern.constData(), i, r, text.constData(), u, QString::fromUtf8(text), r);
        // every conversion yields at most its width or its longest number, whichever is larger
        FUZZ_CHECK(result.size() <= (pattern.size() + 1) * (MaxWidth + 512 + text.size()), result.left(100));
    } catch (const EVexaError&) {
        // a malformed pattern or a mismatched argument: refused, as documented
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TFuzzInput input(Data, Size);
    const double v = input.Real();
    const std::int64_t n = input.Int64();
    // mostly sensible precisions and widths, but every int stays possible
    const std::uint8_t shape = input.Byte();
    const int digits = (shape & 1) ? input.Int() : input.Small(-2, 101);
    const int width = (shape & 2) ? input.Int() : input.Small(-40, 40);
    const int exponentDigits = (shape & 4) ? input.Int() : input.Small(0, 10);

    CheckFixed(v, digits, width);
    CheckScientific(v, digits, exponentDigits, width);
    CheckGeneral(v, digits, width);
    CheckIntegers(n, digits, width);
    CheckPattern(input.Chunk(), input);
    return 0;
}
