// SPDX-License-Identifier: MIT
// FormatDateTime: day counts written with pattern letters (declared in DateTime.h).

#include <QDate>
#include <QLocale>

#include "DateTime.h"

namespace Vexa {

namespace {

struct TParts {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, MSec = 0;
};

char16_t Upper(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') ? static_cast<char16_t>(u - 'a' + 'A') : u;
}

bool IsLetter(char16_t u) {
    return u >= 'A' && u <= 'Z';
}

// Case-insensitive test whether `word` (upper-case ASCII) starts at p[i].
bool StartsWith(const QChar* p, int n, int i, const char* word) {
    for (; *word != '\0'; ++word, ++i)
        if (i >= n || Upper(p[i]) != static_cast<char16_t>(*word)) return false;
    return true;
}

void AppendNumber(QString& out, int v, int minDigits) {
    char reversed[12];
    int n = 0;
    do {
        reversed[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n < minDigits) reversed[n++] = '0';
    char text[12];
    for (int i = 0; i < n; ++i) text[i] = reversed[n - 1 - i];
    out.append(QLatin1String(text, n));
}

// Walks the pattern once, writing into FOut.
class TDateTimeWriter {
public:
    TDateTimeWriter(const QString& pattern, const TParts& t)
        : FP(pattern.constData()), FN(static_cast<int>(pattern.size())), FT(t) {
        FOut.reserve(FN + 16);
    }

    QString Run() {
        while (FI < FN) Token();
        return FOut;
    }

private:
    // the length of the run of the letter at FI, case ignored
    int Run(char16_t letter) const {
        int j = FI;
        while (j < FN && Upper(FP[j]) == letter) ++j;
        return j - FI;
    }

    void Token() {
        const QChar c = FP[FI];
        char16_t token = Upper(c);
        if (token == '"' || token == '\'') {
            Quoted(c);
            return;
        }
        if (token == 'A') {
            if (AmPm()) {
                FLast = 'A';
                return;
            }
        }
        const int count = IsLetter(token) ? Run(token) : 1;
        switch (token) {
            case 'D':
                Days(count);
                break;
            case 'M':
                if (count <= 2 && FLast == 'H') {
                    AppendNumber(FOut, FT.Minute, count);
                    token = 'N';
                } else {
                    Months(count);
                }
                break;
            case 'Y':
                AppendNumber(FOut, count <= 2 ? FT.Year % 100 : FT.Year, count <= 2 ? 2 : 4);
                break;
            case 'H':
                AppendNumber(FOut, TwelveHour(FI + count) ? Hour12() : FT.Hour, count >= 2 ? 2 : 1);
                break;
            case 'N':
                AppendNumber(FOut, FT.Minute, count >= 2 ? 2 : 1);
                break;
            case 'S':
                AppendNumber(FOut, FT.Second, count >= 2 ? 2 : 1);
                break;
            case 'Z':
                AppendNumber(FOut, FT.MSec, count >= 3 ? 3 : count);
                break;
            default:
                FOut.append(FP + FI, count);
                break;  // copied unchanged, letters too
        }
        if (IsLetter(token)) FLast = token;
        FI += count;
    }

    void Quoted(QChar quote) {
        int j = FI + 1;
        while (j < FN && FP[j] != quote) ++j;
        FOut.append(FP + FI + 1, j - FI - 1);
        FI = j < FN ? j + 1 : FN;
    }

    // "am/pm", "a/p" and "ampm" at FI; false when the 'a' starts none of them
    bool AmPm() {
        const bool pm = FT.Hour >= 12;
        if (StartsWith(FP, FN, FI, "AM/PM")) {
            FOut.append(FP + FI + (pm ? 3 : 0), 2);  // the pattern's own letter case
            FI += 5;
        } else if (StartsWith(FP, FN, FI, "A/P")) {
            FOut.append(FP[FI + (pm ? 2 : 0)]);
            FI += 3;
        } else if (StartsWith(FP, FN, FI, "AMPM")) {
            const QLocale locale;
            FOut.append(pm ? locale.pmText() : locale.amText());
            FI += 4;
        } else {
            return false;
        }
        return true;
    }

    // An hour is a 12-hour value when, after it, the next unquoted 'a' comes before the next hour
    // and starts an am/pm marker.
    bool TwelveHour(int from) const {
        QChar quote;
        for (int j = from; j < FN; ++j) {
            const QChar c = FP[j];
            if (!quote.isNull()) {
                if (c == quote) quote = QChar();
                continue;
            }
            const char16_t u = Upper(c);
            if (u == '"' || u == '\'')
                quote = c;
            else if (u == 'H')
                return false;
            else if (u == 'A')
                return StartsWith(FP, FN, j, "AM/PM") || StartsWith(FP, FN, j, "A/P") ||
                       StartsWith(FP, FN, j, "AMPM");
        }
        return false;
    }

    int Hour12() const { return FT.Hour % 12 == 0 ? 12 : FT.Hour % 12; }

    void Days(int count) {
        const QLocale locale;
        if (count <= 2) {
            AppendNumber(FOut, FT.Day, count);
        } else if (count <= 4) {
            // QLocale counts Monday as 1 and Sunday as 7
            const int weekday = QDate(FT.Year, FT.Month, FT.Day).dayOfWeek();
            FOut.append(
                locale.standaloneDayName(weekday, count == 3 ? QLocale::ShortFormat : QLocale::LongFormat));
        } else {
            FOut.append(locale.toString(QDate(FT.Year, FT.Month, FT.Day),
                                        count == 5 ? QLocale::ShortFormat : QLocale::LongFormat));
        }
    }

    void Months(int count) {
        if (count <= 2) {
            AppendNumber(FOut, FT.Month, count);
            return;
        }
        // the stand-alone abbreviations ("Okt", not "Okt.") keep axis texts short
        FOut.append(
            QLocale().standaloneMonthName(FT.Month, count == 3 ? QLocale::ShortFormat : QLocale::LongFormat));
    }

    const QChar* FP;
    int FN;
    const TParts& FT;
    int FI = 0;
    char16_t FLast = ' ';  // the last letter token, upper case; 'H' makes m/mm minutes
    QString FOut;
};

}  // namespace

QString FormatDateTime(const QString& pattern, double v) {
    TParts t;
    if (!DecodeDateTime(v, t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second, t.MSec)) return {};
    if (t.Year < 1 || t.Year > 9999) return {};
    return TDateTimeWriter(pattern, t).Run();
}

}  // namespace Vexa
