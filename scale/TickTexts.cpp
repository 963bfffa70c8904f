// SPDX-License-Identifier: MIT
#include "TickTexts.h"

#include <cmath>

#include "Format.h"
#include "Rounding.h"

int TTickTexts::AutoDecPlaces(double rangeLow, double rangeHigh) {
    const double r = std::fabs(rangeHigh - rangeLow);
    if (r >= 1000000 || r <= 0.0001) return -1;
    if (r >= 100) return 0;
    return static_cast<int>(2 - Vexa::RoundHalfEven(std::log(r) / 2.5));
}

int TTickTexts::AutoLogDecPlaces(double rangeLow, double rangeHigh) {
    const double lo = std::fmin(rangeLow, rangeHigh), hi = std::fmax(rangeLow, rangeHigh);
    if (hi - lo >= 1000000 || hi - lo <= 0.0001) return -1;
    if (lo >= 1) return 0;
    // a smaller end of zero has no decade: as many decimals as a scale may show
    if (lo == 0) return 12;
    return static_cast<int>(1 - Vexa::RoundHalfEven(std::log10(std::fabs(lo))));
}

QString TTickTexts::ScientificText(double v) {
    QString t =
        (v >= 0 ? QStringLiteral(" ") : QStringLiteral("-")) + Vexa::FormatScientific(std::fabs(v), 2, 4);
    // sign, digit, point, digit, 'E', exponent sign: the exponent's digits start at 6
    constexpr int exponent = 6;
    if (t.size() < exponent + 4) return t;
    const bool shortExponent = t[exponent] == u'0' && t[exponent + 1] == u'0';
    t.remove(exponent, 2);
    if (!shortExponent) t.fill(u'*');
    return t;
}

QString TTickTexts::FormatTickNumber(double v, int decimals, double rangeLow, double rangeHigh,
                                     bool snapZero) {
    if (snapZero) {
        const double span = rangeHigh - rangeLow;
        if (std::fabs(v / span) < 1e-14) {
            v = 0;
            if (std::fabs(span) > 100000) return decimals == 0 ? QStringLiteral("0") : QStringLiteral("0.0");
        }
    }
    if (decimals >= 0) return Vexa::FormatFixed(v, decimals);
    return ScientificText(v);
}

QString TTickTexts::WithoutTrailingZeros(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u'0') --end;
    if (end > 0 && text[end - 1] == u'.') --end;
    return text.left(end);
}

QString TTickTexts::UserTickItem(QStringView texts, int n) {
    qsizetype start = 0, i = 0;
    for (; i < texts.size() && n >= 1; ++i) {
        if (texts[i] != u'|') continue;
        --n;
        if (n >= 1) start = i + 1;
    }
    // the loop ended on the bar that closed item n, or at the end of the texts
    const qsizetype end = n < 1 && i > 0 && texts[i - 1] == u'|' ? i - 1 : texts.size();
    return texts.mid(start, end - start).toString();
}

QString TTickTexts::ApplyInscript(const QString& text, const QString& inscript) {
    if (text.isEmpty()) return text;
    const qsizetype amp = inscript.indexOf(u'&');
    if (amp < 0) return inscript + text;
    QString result = inscript;
    result.replace(amp, 1, text);
    return result;
}

QString TTickTexts::ElapsedTimeText(double seconds, bool withMilliseconds) {
    // whole milliseconds first, so that 2.9999999 s reads 00:00:03 and never 00:00:02.1000
    const long double totalMs = std::nearbyint(std::fabs(static_cast<long double>(seconds)) * 1000);
    const long double hours = std::floor(totalMs / 3600000);
    long double rest = totalMs - hours * 3600000;
    if (rest < 0 || rest >= 3600000) rest = 0;  // beyond the precision of such long times
    const int ms = static_cast<int>(rest);
    const int m = ms / 60000, s = ms / 1000 % 60, frac = ms % 1000;

    QString t;
    t.reserve(20);
    t += seconds < 0 && totalMs > 0 ? u'-' : u' ';
    t += Vexa::FormatDecimal(Vexa::SaturateToInt64(hours), 2);
    t += u':';
    t += Vexa::FormatDecimal(m, 2);
    t += u':';
    t += Vexa::FormatDecimal(s, 2);
    if (withMilliseconds) {
        t += u'.';
        t += Vexa::FormatDecimal(frac, 3);
    }
    return t;
}
