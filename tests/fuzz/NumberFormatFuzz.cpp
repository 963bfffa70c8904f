// SPDX-License-Identifier: MIT
// Number texts for any value and precision: no crash, and the digits are the C library's. glibc's
// printf rounds from the exact binary value as these texts promise to, so it is the reference for
// fixed, scientific and decimal texts; general texts must read back as the value to the precision
// asked for.

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Format.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"

using namespace Vexa;

namespace {

QString Printf(const char* pattern, auto... args) {
    std::vector<char> buffer(std::size_t(std::snprintf(nullptr, 0, pattern, args...)) + 1);
    std::snprintf(buffer.data(), buffer.size(), pattern, args...);
    return QString::fromLatin1(buffer.data());
}

QString NonFiniteText(double v) {
    return std::isnan(v) ? QStringLiteral("NAN") : (v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF"));
}

void CheckFixed(double v, int decimals) {
    const QString text = FormatFixed(v, decimals);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(text == NonFiniteText(v), text);
        return;
    }
    // zero shows no sign, whatever its own
    const QString expected = Printf("%.*f", std::clamp(decimals, 0, 99), v == 0 ? 0.0 : v);
    FUZZ_CHECK(text == expected, QStringLiteral("%1 for %2").arg(text, expected));
}

void CheckScientific(double v, int digits, int exponentDigits) {
    const QString text = FormatScientific(v, digits, exponentDigits);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(text == NonFiniteText(v), text);
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
    FUZZ_CHECK(text == expected, QStringLiteral("%1 for %2").arg(text, expected));
}

void CheckGeneral(double v, int precision) {
    const QString text = FormatGeneral(v, precision);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(text == NonFiniteText(v), text);
        return;
    }
    const QString number = text;
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

void CheckDecimal(std::int64_t v, int digits) {
    const int d = std::clamp(digits, 0, 99);
    const QString decimal = FormatDecimal(v, digits);
    // printf writes nothing for zero with no digits; these texts always show the zero
    const QString expected =
        (v == 0 && d == 0) ? QStringLiteral("0") : Printf("%.*lld", d, static_cast<long long>(v));
    FUZZ_CHECK(decimal == expected, QStringLiteral("%1 for %2").arg(decimal, expected));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TFuzzInput input(Data, Size);
    const double v = input.Real();
    const std::int64_t n = input.Int64();
    // mostly sensible precisions, but every int stays possible
    const std::uint8_t shape = input.Byte();
    const int digits = (shape & 1) ? input.Int() : input.Small(-2, 101);
    const int exponentDigits = (shape & 4) ? input.Int() : input.Small(0, 10);

    CheckFixed(v, digits);
    CheckScientific(v, digits, exponentDigits);
    CheckGeneral(v, digits);
    CheckDecimal(n, digits);
    return 0;
}
