// SPDX-License-Identifier: MIT
#include "DateTexts.h"

#include <cmath>

#include "DateTime.h"
#include "Format.h"
#include "TDTLabel.h"

namespace {

// A separator as literal pattern text: quoted, in single quotes when it is a double quote itself;
// a null separator is no text at all.
QString Literal(QChar c) {
    if (c.isNull()) return QString();
    const QChar quote = c == u'"' ? u'\'' : u'"';
    return QString(quote) + c + quote;
}

QString MonthLetters(const TDTLabel& f) {
    return f.MonthName() ? QStringLiteral("mmm") : QStringLiteral("mm");
}

QString YearLetters(const TDTLabel& f) {
    switch (f.YearLength()) {
        case ylYY:
            return QStringLiteral("yy");
        case ylYYYY:
            return QStringLiteral("yyyy");
        default:
            return QString();
    }
}

}  // namespace

QString TDateTexts::BuildDateFormat(const TDTLabel& f) {
    const QString s = Literal(f.DateSeparator()), m = MonthLetters(f), y = YearLetters(f);
    const QString dd = QStringLiteral("dd");
    switch (f.DateOrder()) {
        case doMMDDYY:
            return y.isEmpty() ? m + s + dd : m + s + dd + s + y;
        case doDDMMYY:
            return y.isEmpty() ? dd + s + m : dd + s + m + s + y;
        default:
            return y.isEmpty() ? m + s + dd : y + s + m + s + dd;
    }
}

QString TDateTexts::TimePattern(TTickFamily family, const TDTLabel& f) {
    const QString t = Literal(f.TimeSeparator());
    const bool seconds = family == TTickFamily::Seconds || family == TTickFamily::Hundredths;
    switch (f.TimeFormat()) {
        case tfHHhMM:
            if (family == TTickFamily::Hours) return QStringLiteral("h\"h\"");
            return seconds ? QStringLiteral("h\"h\"nn") + t + QStringLiteral("ss")
                           : QStringLiteral("h\"h\"nn");
        case tfAMPM:
            if (family == TTickFamily::Hours) return QStringLiteral("ham/pm");
            // the 12-hour form separates minutes and seconds by a point
            return seconds ? QStringLiteral("h") + t + QStringLiteral("nn\".\"ssam/pm")
                           : QStringLiteral("h") + t + QStringLiteral("nnam/pm");
        default:
            return seconds ? QStringLiteral("hh") + t + QStringLiteral("nn") + t + QStringLiteral("ss")
                           : QStringLiteral("hh") + t + QStringLiteral("nn");
    }
}

QString TDateTexts::DayPattern(const TDTLabel& f) {
    // always three parts: without a year its separator remains
    const QString s = Literal(f.DateSeparator()), m = MonthLetters(f), y = YearLetters(f);
    const QString dd = QStringLiteral("dd");
    switch (f.DateOrder()) {
        case doMMDDYY:
            return m + s + dd + s + y;
        case doDDMMYY:
            return dd + s + m + s + y;
        default:
            return y + s + m + s + dd;
    }
}

QString TDateTexts::MonthPattern(const TDTLabel& f) {
    const QString s = Literal(f.DateSeparator()), m = MonthLetters(f), y = YearLetters(f);
    return f.DateOrder() == doYYMMDD ? y + s + m : m + s + y;
}

QString TDateTexts::YearPattern(const TDTLabel& f) {
    return YearLetters(f);
}

QString TDateTexts::FormatTickDate(const QString& pattern, double v) {
    if (std::fabs(v) < 1e-8) v = 0;
    return Vexa::FormatDateTime(pattern, v);
}

QString TDateTexts::TimeText(TTickFamily family, const QString& pattern, const TDTLabel& f, double v) {
    if (family != TTickFamily::Hundredths) return FormatTickDate(pattern, v);
    if (std::fabs(v) < 1e-8) v = 0;
    int y, mo, d, h, n, s, ms;
    if (!Vexa::DecodeDateTime(v, y, mo, d, h, n, s, ms)) return QString();
    // the pattern ends with the seconds (and the am/pm mark of the 12-hour form)
    QString text = FormatTickDate(pattern, v);
    qsizetype at = text.size();
    if (f.TimeFormat() == tfAMPM) at -= 2;
    if (at < 0) return text;
    text.insert(at, u'.' + Vexa::FormatDecimal(ms / 10, 2));
    return text;
}

QString TDateTexts::YearText(const QString& pattern, const TDTLabel& f, double v) {
    if (pattern.isEmpty()) return QString();
    QString text = FormatTickDate(pattern, v);
    if (f.YearLength() == ylYYYY) {
        qsizetype zeros = 0;
        while (zeros < text.size() && text[zeros] == u'0') ++zeros;
        text.remove(0, zeros);
    }
    return text;
}
