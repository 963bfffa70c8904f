// SPDX-License-Identifier: MIT
#include "Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace Vexa {

namespace {

constexpr int MaxDigits = 99;
// the longest text: a sign, 309 integer digits of 1e308, the point and 99 decimals
constexpr int BufferSize = 512;

// A number's characters, built on the stack so that a text costs one allocation: the QString.
struct TDigits {
    char Text[BufferSize];
    int Length = 0;

    void Append(char c) { Text[Length++] = c; }
    void Append(const char* s, int n) {
        std::memcpy(Text + Length, s, static_cast<size_t>(n));
        Length += n;
    }
};

bool NonFinite(TDigits& out, double v) {
    if (std::isfinite(v)) return false;
    const char* text = std::isnan(v) ? "NAN" : (v < 0 ? "-INF" : "INF");
    out.Append(text, static_cast<int>(std::strlen(text)));
    return true;
}

// to_chars keeps the sign of -0.0; the texts show a minus sign only for values below zero
void DropSignOfZero(TDigits& out, double v) {
    if (out.Length > 0 && out.Text[0] == '-' && !(v < 0)) {
        std::memmove(out.Text, out.Text + 1, static_cast<size_t>(out.Length - 1));
        --out.Length;
    }
}

void AppendUnsigned(TDigits& out, std::uint64_t v, int minDigits) {
    char reversed[24];
    int n = 0;
    do {
        reversed[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    for (int i = n; i < minDigits; ++i) out.Append('0');
    while (n > 0) out.Append(reversed[--n]);
}

void AppendExponent(TDigits& out, int exponent, int minDigits) {
    out.Append('E');
    out.Append(exponent < 0 ? '-' : '+');
    AppendUnsigned(out, static_cast<std::uint64_t>(exponent < 0 ? -exponent : exponent), minDigits);
}

void FixedInto(TDigits& out, double v, int decimals) {
    if (NonFinite(out, v)) return;
    decimals = std::clamp(decimals, 0, MaxDigits);
    const auto r = std::to_chars(out.Text, out.Text + BufferSize, v, std::chars_format::fixed, decimals);
    out.Length = static_cast<int>(r.ptr - out.Text);
    DropSignOfZero(out, v);
}

// The significant digits of v rounded to `count` digits, and the decimal exponent of the first one.
struct TMantissa {
    bool Negative = false;
    char Digits[MaxDigits + 1];
    int Count = 0;
    int Exponent = 0;
};

TMantissa Mantissa(double v, int count) {
    char buffer[BufferSize];
    const auto r = std::to_chars(buffer, buffer + BufferSize, v, std::chars_format::scientific, count - 1);
    TMantissa m;
    const char* p = buffer;
    if (*p == '-') {
        m.Negative = v < 0;
        ++p;
    }
    for (; p < r.ptr && *p != 'e'; ++p)
        if (*p != '.') m.Digits[m.Count++] = *p;
    std::from_chars(p + 1 + (p[1] == '+'), r.ptr, m.Exponent);
    return m;
}

void ScientificInto(TDigits& out, double v, int digits, int minExponentDigits) {
    if (NonFinite(out, v)) return;
    const TMantissa m = Mantissa(v, std::clamp(digits, 1, MaxDigits));
    if (m.Negative) out.Append('-');
    out.Append(m.Digits[0]);
    if (m.Count > 1) {
        out.Append('.');
        out.Append(m.Digits + 1, m.Count - 1);
    }
    AppendExponent(out, m.Exponent, std::clamp(minExponentDigits, 1, 9));
}

void GeneralInto(TDigits& out, double v, int precision) {
    if (NonFinite(out, v)) return;
    if (v == 0) {
        out.Append('0');
        return;
    }
    precision = std::clamp(precision, 1, MaxDigits);
    TMantissa m = Mantissa(v, precision);
    while (m.Count > 1 && m.Digits[m.Count - 1] == '0') --m.Count;
    if (m.Negative) out.Append('-');
    const int x = m.Exponent;
    if (x < -5 || x >= precision) {  // below 0.00001, or more integer digits than significant ones
        out.Append(m.Digits[0]);
        if (m.Count > 1) {
            out.Append('.');
            out.Append(m.Digits + 1, m.Count - 1);
        }
        AppendExponent(out, x, 2);
    } else if (x >= 0) {
        const int integerDigits = x + 1;
        for (int i = 0; i < integerDigits; ++i) out.Append(i < m.Count ? m.Digits[i] : '0');
        if (m.Count > integerDigits) {
            out.Append('.');
            out.Append(m.Digits + integerDigits, m.Count - integerDigits);
        }
    } else {
        out.Append("0.", 2);
        for (int i = -1; i > x; --i) out.Append('0');
        out.Append(m.Digits, m.Count);
    }
}

void DecimalInto(TDigits& out, bool negative, std::uint64_t magnitude, int minDigits) {
    if (negative) out.Append('-');
    AppendUnsigned(out, magnitude, std::min(minDigits, MaxDigits));
}

void SignedInto(TDigits& out, std::int64_t v, int minDigits) {
    // the magnitude of INT64_MIN only fits the unsigned type
    const std::uint64_t magnitude = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    DecimalInto(out, v < 0, magnitude, minDigits);
}

QString Text(const TDigits& d) {
    return QString::fromLatin1(d.Text, d.Length);
}

}  // namespace

QString FormatFixed(double v, int decimals) {
    TDigits d;
    FixedInto(d, v, decimals);
    return Text(d);
}

QString FormatGeneral(double v, int precision) {
    TDigits d;
    GeneralInto(d, v, precision);
    return Text(d);
}

QString FormatScientific(double v, int digits, int minExponentDigits) {
    TDigits d;
    ScientificInto(d, v, digits, minExponentDigits);
    return Text(d);
}

QString FormatDecimal(std::int64_t v, int minDigits) {
    TDigits d;
    SignedInto(d, v, minDigits);
    return Text(d);
}

}  // namespace Vexa
