// SPDX-License-Identifier: MIT
#include "Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "VexaError.h"

namespace Vexa {

namespace {

constexpr int MaxWidth = 1024;
constexpr int MaxDigits = 99;
// the longest text: a sign, 309 integer digits of 1e308, the point and 99 decimals
constexpr int BufferSize = 512;

// A number's characters, built on the stack so that a text costs one allocation: the QString.
struct TDigits {
    char Text[BufferSize];
    int Length = 0;
    bool Numeric = true;  // false for NAN and INF, which are never padded with zeros

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
    out.Numeric = false;
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

void HexInto(TDigits& out, std::uint64_t v, int minDigits) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    char reversed[16];
    int n = 0;
    do {
        reversed[n++] = Hex[v & 0xF];
        v >>= 4;
    } while (v != 0);
    for (int i = n; i < std::min(minDigits, MaxDigits); ++i) out.Append('0');
    while (n > 0) out.Append(reversed[--n]);
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

// The final text: blanks (or zeros after the sign) up to |width|, on the left for a positive width.
QString Padded(const TDigits& d, int width, bool zeros = false) {
    width = std::clamp(width, -MaxWidth, MaxWidth);
    const int size = std::abs(width);
    if (size <= d.Length) return QString::fromLatin1(d.Text, d.Length);
    QString result(size, QLatin1Char(' '));
    QChar* p = result.data();
    const int fill = size - d.Length;
    if (width < 0) {
        for (int i = 0; i < d.Length; ++i) p[i] = QLatin1Char(d.Text[i]);
    } else if (zeros && d.Numeric) {
        const int sign = (d.Text[0] == '-' || d.Text[0] == '+') ? 1 : 0;
        for (int i = 0; i < sign; ++i) p[i] = QLatin1Char(d.Text[i]);
        for (int i = 0; i < fill; ++i) p[sign + i] = QLatin1Char('0');
        for (int i = sign; i < d.Length; ++i) p[fill + i] = QLatin1Char(d.Text[i]);
    } else {
        for (int i = 0; i < d.Length; ++i) p[fill + i] = QLatin1Char(d.Text[i]);
    }
    return result;
}

}  // namespace

QString FormatFixed(double v, int decimals, int width) {
    TDigits d;
    FixedInto(d, v, decimals);
    return Padded(d, width);
}

QString FormatGeneral(double v, int precision, int width) {
    TDigits d;
    GeneralInto(d, v, precision);
    return Padded(d, width);
}

QString FormatScientific(double v, int digits, int minExponentDigits, int width) {
    TDigits d;
    ScientificInto(d, v, digits, minExponentDigits);
    return Padded(d, width);
}

QString FormatHex(std::uint64_t v, int minDigits, int width) {
    TDigits d;
    HexInto(d, v, minDigits);
    return Padded(d, width);
}

QString FormatDecimal(std::int64_t v, int minDigits, int width) {
    TDigits d;
    SignedInto(d, v, minDigits);
    return Padded(d, width);
}

// ---- Format() ----

namespace {

[[noreturn]] void Invalid(const char* pattern) {
    throw EVexaError(
        QStringLiteral("Format '%1' invalid or incompatible with argument").arg(QString::fromUtf8(pattern)));
}

// Walks the pattern and hands out the arguments in order.
class TFormatter {
public:
    TFormatter(const char* pattern, const FormatArg* args, int count)
        : FPattern(pattern), FArgs(args), FCount(count) {}

    QString Run() {
        const char* p = FPattern;
        const char* literal = p;
        while (*p != '\0') {
            if (*p != '%') {
                ++p;
                continue;
            }
            FResult += QString::fromUtf8(literal, p - literal);
            p = Conversion(p + 1);
            literal = p;
        }
        FResult += QString::fromUtf8(literal, p - literal);
        return FResult;
    }

private:
    const FormatArg& Next() {
        if (FNext >= FCount) Invalid(FPattern);
        return FArgs[FNext++];
    }

    int StarValue() {
        const FormatArg& a = Next();
        if (a.Kind() == FormatArg::TKind::Signed)
            return static_cast<int>(std::clamp<std::int64_t>(a.Signed(), -MaxWidth, MaxWidth));
        if (a.Kind() == FormatArg::TKind::Unsigned)
            return static_cast<int>(std::min<std::uint64_t>(a.Bits(), MaxWidth));
        Invalid(FPattern);
    }

    int Number(const char*& p) {
        if (*p == '*') {
            ++p;
            return StarValue();
        }
        int n = 0;
        while (*p >= '0' && *p <= '9') n = std::min(n * 10 + (*p++ - '0'), MaxWidth);
        return n;
    }

    double RealArg() {
        const FormatArg& a = Next();
        switch (a.Kind()) {
            case FormatArg::TKind::Real:
                return a.Real();
            case FormatArg::TKind::Signed:
                return static_cast<double>(a.Signed());
            case FormatArg::TKind::Unsigned:
                return static_cast<double>(a.Bits());
            default:
                Invalid(FPattern);
        }
    }

    const FormatArg& IntegerArg() {
        const FormatArg& a = Next();
        if (a.Kind() != FormatArg::TKind::Signed && a.Kind() != FormatArg::TKind::Unsigned) Invalid(FPattern);
        return a;
    }

    // one conversion after its '%'; returns the position after it
    const char* Conversion(const char* p) {
        if (*p == '%') {
            FResult += QLatin1Char('%');
            return p + 1;
        }
        bool left = false, zeros = false;
        for (;; ++p) {
            if (*p == '-')
                left = true;
            else if (*p == '0')
                zeros = true;
            else
                break;
        }
        int width = Number(p);
        if (left) width = -std::abs(width);
        int precision = -1;  // none given
        if (*p == '.') {
            ++p;
            precision = Number(p);
        }
        TDigits d;
        switch (*p) {
            case 'd':
            case 'D':
            case 'u':
            case 'U': {
                const FormatArg& a = IntegerArg();
                const bool asSigned = a.Kind() == FormatArg::TKind::Signed && (*p == 'd' || *p == 'D');
                if (asSigned)
                    SignedInto(d, a.Signed(), precision);
                else
                    DecimalInto(d, false, a.Bits(), precision);
                break;
            }
            case 'x':
            case 'X':
                HexInto(d, IntegerArg().Bits(), precision);
                break;
            case 'f':
            case 'F':
                FixedInto(d, RealArg(), precision < 0 ? 2 : precision);
                break;
            case 'e':
            case 'E':
                ScientificInto(d, RealArg(), precision < 0 ? 15 : precision, 3);
                break;
            case 'g':
            case 'G':
                GeneralInto(d, RealArg(), precision < 0 ? 15 : precision);
                break;
            case 's':
            case 'S':
                Text(Next(), width, precision);
                return p + 1;
            default:
                Invalid(FPattern);
        }
        FResult += Padded(d, width, zeros);
        return p + 1;
    }

    void Text(const FormatArg& a, int width, int precision) {
        QString text;
        if (a.Kind() == FormatArg::TKind::Utf16)
            text = a.Text().toString();
        else if (a.Kind() == FormatArg::TKind::Utf8)
            text = QString::fromUtf8(a.Chars());
        else
            Invalid(FPattern);
        if (precision >= 0 && text.size() > precision) text.truncate(precision);
        const int fill = std::abs(width) - static_cast<int>(text.size());
        if (fill <= 0)
            FResult += text;
        else if (width < 0)
            FResult += text + QString(fill, QLatin1Char(' '));
        else
            FResult += QString(fill, QLatin1Char(' ')) + text;
    }

    const char* FPattern;
    const FormatArg* FArgs;
    int FCount;
    int FNext = 0;
    QString FResult;
};

}  // namespace

QString FormatArgs(const char* pattern, const FormatArg* args, int count) {
    if (pattern == nullptr) return {};
    return TFormatter(pattern, args, count).Run();
}

}  // namespace Vexa
