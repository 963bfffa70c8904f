// SPDX-License-Identifier: MIT
// Date and time texts for any pattern and any day count: no crash, no runaway text, nothing for
// values outside the calendar, and the calendar itself agrees with Qt's for every day it covers.
//
// Input: a shape byte, a double (any bit pattern); with bit 0 of the shape, a 32-bit number picks
// a day of the calendar (give or take two) that takes the double's fraction as its time; the rest
// is the pattern, in UTF-8.

#include <QDate>
#include <QTime>

#include <cmath>
#include <cstdint>

#include "DateTime.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"

using namespace Vexa;

namespace {

// the longest text a single pattern letter can give: a locale's long date
constexpr qsizetype LongestPiece = 128;

// The day of v and its time of day rounded to the millisecond; a time that rounds up to midnight
// belongs to the next day.
struct TMoment {
    qint64 Day;
    int MSecs;
};

TMoment MomentOf(double v) {
    const double day = std::floor(v);
    const qint64 ms = qint64(std::nearbyint((v - day) * 86400000.0));
    return {qint64(day) + ms / 86400000, int(ms % 86400000)};
}

// The moment as Qt's calendar reads it.
QString Reference(const TMoment& Moment) {
    const QDate date = QDate(1899, 12, 30).addDays(Moment.Day);
    const QTime time = QTime::fromMSecsSinceStartOfDay(Moment.MSecs);
    return date.toString(QStringLiteral("yyyy-MM-dd")) + time.toString(QStringLiteral(" HH:mm:ss.zzz"));
}

bool InCalendar(double v) {
    if (!std::isfinite(v)) return false;
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
    return DecodeDateTime(v, y, m, d, h, n, s, ms) && y >= 1 && y <= 9999;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TFuzzInput input(Data, Size);
    const std::uint8_t shape = input.Byte();
    double v = input.Real();
    if (shape & 1) {
        const double fraction = std::isfinite(v) ? std::fabs(v - std::trunc(v)) : 0.5;
        v = double(input.Small(MinDayCount - 2, MaxDayCount + 2)) + fraction;
    }
    const QString pattern = QString::fromUtf8(input.Rest());

    const QString text = FormatDateTime(pattern, v);
    const bool inCalendar = InCalendar(v);
    if (!inCalendar) FUZZ_CHECK(text.isEmpty(), QStringLiteral("%1 for %2").arg(text).arg(v, 0, 'g', 17));
    FUZZ_CHECK(text.size() <= LongestPiece * (pattern.size() + 1), text.left(100));

    if (inCalendar) {
        const TMoment moment = MomentOf(v);
        const QString reference = Reference(moment);
        const QString own = FormatDateTime(QStringLiteral("yyyy-mm-dd hh:nn:ss.zzz"), v);
        FUZZ_CHECK(own == reference,
                   QStringLiteral("%1, Qt reads %2 (%3)").arg(own, reference).arg(v, 0, 'g', 17));
        int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
        DecodeDateTime(v, y, m, d, h, n, s, ms);
        double back = 0;
        FUZZ_CHECK(TryEncodeDate(y, m, d, back) && back == double(moment.Day));
        FUZZ_CHECK(((h * 60 + n) * 60 + s) * 1000 + ms == moment.MSecs);
    }
    return 0;
}
