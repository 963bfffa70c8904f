// SPDX-License-Identifier: MIT
#include "NumoraText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "DateTime.h"
#include "Format.h"
#include "Rounding.h"

namespace {

constexpr QChar DegreeSign(0x00B0);

// The digit formats show 32-bit values, signed or unsigned.
bool InWordRange(double v) {
    return v >= -2147483648.0 && v <= 4294967295.0;
}
bool InLongIntRange(double v) {
    return v >= -2147483648.0 && v <= 2147483647.0;
}
// Values whose rounding still fits a 64-bit integer (the first double beyond is 2^63).
bool InInt64Range(double v) {
    return v >= -9223372036854775808.0 && v < 9223372036854775808.0;
}

// The last `digits` digits, base 2^bitsPerDigit, of the low 32 bits of the rounded value; negative
// values show their two's complement.
QString LowDigits(double v, int digits, int bitsPerDigit) {
    static constexpr char DigitChars[] = "0123456789ABCDEF";
    std::uint32_t rest = static_cast<std::uint32_t>(static_cast<std::uint64_t>(Vexa::RoundHalfEven(v)));
    const std::uint32_t mask = (1u << bitsPerDigit) - 1;
    QString text(digits, QLatin1Char('0'));
    for (int i = digits - 1; i >= 0 && rest != 0; --i) {
        text[i] = QLatin1Char(DigitChars[rest & mask]);
        rest >>= bitsPerDigit;
    }
    return text;
}

QString Fixed(double v, int decimals) {
    return Vexa::FormatFixed(v, decimals);
}

// The sign of the whole angle: the degrees of -0.5 are "-0", not "0".
QString AngleSign(double v) {
    return v < 0 ? QStringLiteral("-") : QString();
}

// Minutes or seconds that round up to 60 belong to the next larger unit.
bool RoundsToSixty(const QString& text) {
    return text.toDouble() >= 60.0;
}

QString DegreesText(double v, int d) {
    return Fixed(v, d) + DegreeSign;
}

QString DegMinText(double v, int d) {
    const double a = std::fabs(v);
    double degrees = std::trunc(a);
    QString minutes = Fixed((a - degrees) * 60.0, d);
    if (RoundsToSixty(minutes)) {
        degrees += 1;
        minutes = Fixed(0.0, d);
    }
    return AngleSign(v) + Fixed(degrees, 0) + DegreeSign + QLatin1Char(' ') + minutes.rightJustified(d + 3) +
           QLatin1Char('\'');
}

QString DegMinSecText(double v, int d) {
    const double a = std::fabs(v);
    double degrees = std::trunc(a);
    const double minutes = (a - degrees) * 60.0;
    int wholeMinutes = static_cast<int>(std::trunc(minutes));
    QString seconds = Fixed((minutes - wholeMinutes) * 60.0, d);
    if (RoundsToSixty(seconds)) {
        ++wholeMinutes;
        seconds = Fixed(0.0, d);
    }
    if (wholeMinutes >= 60) {
        degrees += 1;
        wholeMinutes -= 60;
    }
    return AngleSign(v) + Fixed(degrees, 0) + DegreeSign + QLatin1Char(' ') +
           QString::number(wholeMinutes).rightJustified(2) + QStringLiteral("' ") +
           seconds.rightJustified(d + 3) + QLatin1Char('"');
}

std::optional<QString> DateTimeText(double v, const QString& pattern) {
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
    // the calendar ends with the year 9999
    if (!std::isfinite(v) || !Vexa::DecodeDateTime(v, y, m, d, h, n, s, ms) || y < 1 || y > 9999) return {};
    return Vexa::FormatDateTime(pattern, v);
}

}  // namespace

bool TNumoraText::TakesMarkAndSign() const {
    // digit patterns and dates keep their own characters
    return DisplayType != dtHex && DisplayType != dtDateTime && DisplayType != dtState &&
           DisplayType != dtBin;
}

std::optional<QString> TNumoraText::Formatted(double value) const {
    const int p = std::clamp(Precision, 0, MaxPrecision);
    const int degreeDecimals = std::min(p, 8);
    const bool finite = std::isfinite(value);
    switch (DisplayType) {
        case dtFloat:
            if (!finite) return {};
            return Vexa::FormatGeneral(value, std::max(p, 2));
        case dtFixP:
            if (!finite) return {};
            return Vexa::FormatFixed(value, p);
        case dtExp:
            if (!finite) return {};
            return Vexa::FormatScientific(value, std::max(p, 2), 3);
        case dtHex:
            if (!InWordRange(value)) return {};
            return LowDigits(value, std::min(p, 8), 4);
        case dtZeroInt:
            if (!InLongIntRange(value)) return {};
            return Vexa::FormatDecimal(Vexa::RoundHalfEven(value), p);
        case dtInt:
            if (!InInt64Range(value)) return {};
            return Vexa::FormatDecimal(Vexa::RoundHalfEven(value));
        case dtDateTime:
            return DateTimeText(value, DTFormat);
        case dtState:
            return StateText;
        case dtBin:
            if (!InWordRange(value)) return {};
            return LowDigits(value, std::min(p, 32), 1);
        case dtOct:
            if (!InWordRange(value)) return {};
            return LowDigits(value, std::min(p, 11), 3);
        case dtDeg:
            if (!finite) return {};
            return DegreesText(value, degreeDecimals);
        case dtDegMin:
            if (!finite) return {};
            return DegMinText(value, degreeDecimals);
        case dtDegMinSec:
            if (!finite) return {};
            return DegMinSecText(value, degreeDecimals);
    }
    return {};
}

QString TNumoraText::Text(double value) const {
    std::optional<QString> text = Formatted(value);
    if (!text) return OverflowIndicator;
    if (TakesMarkAndSign()) {
        if (Comma)
            text->replace(QLatin1Char('.'), QLatin1Char(','));
        else
            text->replace(QLatin1Char(','), QLatin1Char('.'));
        if (ForcePlusSign && value > 0) text->prepend(QLatin1Char('+'));
    }
    return *text;
}
