// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <limits>

#include "DateTime.h"
#include "VexaError.h"

using namespace Vexa;

namespace {

// 30 December 1899 as a Julian day: QDate is an independent witness of the calendar
constexpr qint64 JulianDayOfDayZero = 2415019;

QDate Decoded(double v) {
    int y = 0, m = 0, d = 0;
    DecodeDate(v, y, m, d);
    return QDate(y, m, d);
}

QString DecodedTime(double v) {
    int h = 0, n = 0, s = 0, ms = 0;
    DecodeTime(v, h, n, s, ms);
    return QStringLiteral("%1:%2:%3.%4").arg(h).arg(n).arg(s).arg(ms);
}

// Decoded 23:59:59.999 plus six tenths of a millisecond.
double AlmostMidnight() {
    return EncodeTime(23, 59, 59, 999) + 0.6 / 86400000.0;
}

}  // namespace

TEST(Calendar, AnchorDays) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1899, 12, 31), 1);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(1970, 1, 1), 25569);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(2024, 2, 29), 45351);
    EXPECT_EQ(EncodeDate(1800, 1, 1), -36522);
    EXPECT_EQ(EncodeDate(1, 1, 1), MinDayCount);
    EXPECT_EQ(MinDayCount, -693593);
    EXPECT_EQ(EncodeDate(9999, 12, 31), MaxDayCount);
    EXPECT_EQ(MaxDayCount, 2958465);
}

TEST(Calendar, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_TRUE(IsLeapYear(4));
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
    EXPECT_EQ(DaysInMonth(2023, 12), 31);
    EXPECT_EQ(DaysInMonth(2023, 0), 0);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
    EXPECT_EQ(EncodeDate(1900, 3, 1) - EncodeDate(1900, 2, 28), 1);
    EXPECT_EQ(EncodeDate(2000, 3, 1) - EncodeDate(2000, 2, 28), 2);
}

TEST(Calendar, InvalidDatesAreRefused) {
    double out = 123;
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, out));
    EXPECT_FALSE(TryEncodeDate(2023, 4, 31, out));
    EXPECT_FALSE(TryEncodeDate(2023, 13, 1, out));
    EXPECT_FALSE(TryEncodeDate(2023, 1, 0, out));
    EXPECT_FALSE(TryEncodeDate(0, 12, 31, out));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1, out));
    EXPECT_EQ(out, 123);
    EXPECT_TRUE(TryEncodeDate(2024, 2, 29, out));
    EXPECT_EQ(out, 45351);
    EXPECT_THROW(EncodeDate(1900, 2, 29), EVexaError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EVexaError);
    EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, out));
    EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, out));
    EXPECT_FALSE(TryEncodeTime(-1, 0, 0, 0, out));
}

TEST(Calendar, DecodesFromTheDaysFloor) {
    EXPECT_EQ(Decoded(0), QDate(1899, 12, 30));
    EXPECT_EQ(Decoded(0.99), QDate(1899, 12, 30));
    EXPECT_EQ(Decoded(1), QDate(1899, 12, 31));
    EXPECT_EQ(Decoded(-0.25), QDate(1899, 12, 29));
    EXPECT_EQ(Decoded(-1), QDate(1899, 12, 29));
    EXPECT_EQ(Decoded(-1.5), QDate(1899, 12, 28));
    EXPECT_EQ(Decoded(-36522 + 0.75), QDate(1800, 1, 1));
    EXPECT_EQ(Decoded(-693593), QDate(1, 1, 1));
    EXPECT_EQ(Decoded(-693592.5), QDate(1, 1, 1));
    EXPECT_EQ(Decoded(-693591.5), QDate(1, 1, 2));
    EXPECT_EQ(Decoded(2958465.9), QDate(9999, 12, 31));
    EXPECT_EQ(Decoded(45351.5), QDate(2024, 2, 29));
    int y = 1, m = 1, d = 1;
    DecodeDate(std::numeric_limits<double>::quiet_NaN(), y, m, d);
    EXPECT_EQ(y + m + d, 0);
    DecodeDate(1e300, y, m, d);
    EXPECT_EQ(y + m + d, 0);
}

TEST(Calendar, EveryDayOfTheRangeFollowsItsPredecessor) {
    int py = 0, pm = 0, pd = 0;
    DecodeDate(MinDayCount, py, pm, pd);
    ASSERT_EQ(QDate(py, pm, pd), QDate(1, 1, 1));
    for (int day = MinDayCount + 1; day <= MaxDayCount; ++day) {
        int y = 0, m = 0, d = 0;
        DecodeDate(day, y, m, d);
        const bool nextDay = y == py && m == pm && d == pd + 1;
        const bool nextMonth = y == py && m == pm + 1 && d == 1 && pd == DaysInMonth(py, pm);
        const bool nextYear = y == py + 1 && m == 1 && d == 1 && pm == 12 && pd == 31;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << "day " << day;
        py = y, pm = m, pd = d;
    }
    EXPECT_EQ(QDate(py, pm, pd), QDate(9999, 12, 31));
}

TEST(Calendar, RoundTripsAgreeWithQDate) {
    for (int day = MinDayCount; day <= MaxDayCount; day += 997) {
        const QDate expected = QDate::fromJulianDay(JulianDayOfDayZero + day);
        ASSERT_EQ(Decoded(day), expected) << "day " << day;
        ASSERT_EQ(Decoded(day + 0.999), expected) << "day " << day;
        ASSERT_EQ(EncodeDate(expected.year(), expected.month(), expected.day()), day);
        ASSERT_EQ(DayOfWeek(day), expected.dayOfWeek() % 7 + 1) << "day " << day;
    }
}

TEST(Calendar, DayOfWeekCountsFromSunday) {
    EXPECT_EQ(DayOfWeek(0), 7);  // Saturday
    EXPECT_EQ(DayOfWeek(1), 1);
    EXPECT_EQ(DayOfWeek(-1), 6);
    EXPECT_EQ(DayOfWeek(-0.5), 6);
    EXPECT_EQ(DayOfWeek(45351), 5);  // 29 February 2024, a Thursday
    EXPECT_EQ(DayOfWeek(MinDayCount), 2);
    EXPECT_EQ(DayOfWeek(std::numeric_limits<double>::infinity()), 0);
}

TEST(TimeOfDay, EncodesFractionsOfADay) {
    EXPECT_EQ(EncodeTime(0, 0, 0, 0), 0);
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(EncodeTime(18, 0, 0, 0), 0.75);
    EXPECT_DOUBLE_EQ(EncodeTime(0, 0, 1, 0), 1.0 / 86400);
}

TEST(TimeOfDay, MeasuredFromTheFloorAlsoBefore1899) {
    EXPECT_EQ(DecodedTime(-0.25), "18:0:0.0");
    EXPECT_EQ(DecodedTime(-1.75), "6:0:0.0");
    EXPECT_EQ(DecodedTime(0.5), "12:0:0.0");
    EXPECT_EQ(DecodedTime(1e-9), "0:0:0.0");
    EXPECT_EQ(DecodedTime(-1e-9), "0:0:0.0");
    EXPECT_EQ(DecodedTime(std::numeric_limits<double>::quiet_NaN()), "0:0:0.0");
}

TEST(TimeOfDay, RoundTripsEveryFewMillisecondsAcrossTheRange) {
    for (const double day : {0.0, -1.0, -36522.0, double(MinDayCount), double(MaxDayCount), 45351.0}) {
        for (int t = 0; t < 86400000; t += 9973) {
            const int h = t / 3600000, n = t / 60000 % 60, s = t / 1000 % 60, ms = t % 1000;
            int y, m, d, h2, n2, s2, ms2;
            ASSERT_TRUE(DecodeDateTime(day + EncodeTime(h, n, s, ms), y, m, d, h2, n2, s2, ms2));
            ASSERT_EQ(QDate(y, m, d), Decoded(day)) << day << " " << t;
            ASSERT_EQ((((h2 * 60 + n2) * 60 + s2) * 1000 + ms2), t) << day << " " << t;
        }
    }
}

TEST(TimeOfDay, RoundingUpToMidnightMovesTheDate) {
    int y, m, d, h, n, s, ms;
    EXPECT_EQ(DecodedTime(AlmostMidnight()), "0:0:0.0");
    ASSERT_TRUE(DecodeDateTime(EncodeDate(1999, 12, 31) + AlmostMidnight(), y, m, d, h, n, s, ms));
    EXPECT_EQ(QDate(y, m, d), QDate(2000, 1, 1));
    EXPECT_EQ(h + n + s + ms, 0);
    ASSERT_TRUE(DecodeDateTime(-1 + AlmostMidnight(), y, m, d, h, n, s, ms));
    EXPECT_EQ(QDate(y, m, d), QDate(1899, 12, 30));
    ASSERT_TRUE(DecodeDateTime(EncodeTime(23, 59, 59, 999) + 0.4 / 86400000.0, y, m, d, h, n, s, ms));
    EXPECT_EQ(QDate(y, m, d), QDate(1899, 12, 30));
    EXPECT_EQ(ms, 999);
    EXPECT_FALSE(DecodeDateTime(std::numeric_limits<double>::infinity(), y, m, d, h, n, s, ms));
}

// FormatDateTime reads names from the default locale; each test sets one and restores the old one.
class FormatDateTimeTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(FSaved); }

    static double At(int y, int mo, int d, int h = 0, int n = 0, int s = 0, int ms = 0) {
        return EncodeDate(y, mo, d) + EncodeTime(h, n, s, ms);
    }

private:
    QLocale FSaved;
};

TEST_F(FormatDateTimeTest, DateLetters) {
    const double v = At(2024, 3, 5);
    EXPECT_EQ(FormatDateTime("mmm-dd, yyyy", At(2024, 2, 29)), "Feb-29, 2024");
    EXPECT_EQ(FormatDateTime("d/m/yy", v), "5/3/24");
    EXPECT_EQ(FormatDateTime("dd.mm.yyyy", v), "05.03.2024");
    EXPECT_EQ(FormatDateTime("y yyy", v), "24 2024");
    EXPECT_EQ(FormatDateTime("yyyy|yy", At(800, 7, 1)), "0800|00");
    EXPECT_EQ(FormatDateTime("yy", At(2005, 1, 1)), "05");
    EXPECT_EQ(FormatDateTime("mmmm ddd dddd", At(2024, 2, 29)), "February Thu Thursday");
    EXPECT_EQ(FormatDateTime("DD-MMM-YYYY", v), "05-Mar-2024");
}

TEST_F(FormatDateTimeTest, MonthNamesFollowTheDefaultLocale) {
    const double october = At(2024, 10, 3);
    EXPECT_EQ(FormatDateTime("mmm-dd, yyyy", october), "Oct-03, 2024");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatDateTime("mmm-dd, yyyy", october), "Okt-03, 2024");
    EXPECT_EQ(FormatDateTime("mmm", At(2024, 3, 1)), QString::fromUtf8("Mär"));
    EXPECT_EQ(FormatDateTime("mmmm", At(2024, 3, 1)), QString::fromUtf8("März"));
    EXPECT_EQ(FormatDateTime("dd.mm.", october), "03.10.");  // numbers stay as they are
}

TEST_F(FormatDateTimeTest, TimeLetters) {
    const double v = At(2024, 3, 5, 13, 5, 7, 45);
    EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", v), "13:05:07.045");
    EXPECT_EQ(FormatDateTime("h:n:s z zz", v), "13:5:7 45 45");
    EXPECT_EQ(FormatDateTime("z|zz|zzz", At(2024, 3, 5, 9, 0, 0, 5)), "5|05|005");
    EXPECT_EQ(FormatDateTime("h|hh", At(2024, 3, 5, 9)), "9|09");
    EXPECT_EQ(FormatDateTime("HH:NN", v), "13:05");
}

TEST_F(FormatDateTimeTest, MonthLettersAfterAnHourAreMinutes) {
    const double v = At(2024, 10, 3, 14, 5);
    EXPECT_EQ(FormatDateTime("hh:mm", v), "14:05");
    EXPECT_EQ(FormatDateTime("h m", v), "14 5");
    EXPECT_EQ(FormatDateTime("hh:mm dd/mm", v), "14:05 03/10");
    EXPECT_EQ(FormatDateTime("hh:mmm", v), "14:Oct");
    EXPECT_EQ(FormatDateTime("mm", v), "10");
}

TEST_F(FormatDateTimeTest, TwelveHourClock) {
    EXPECT_EQ(FormatDateTime("ham/pm", At(2024, 1, 1, 0)), "12am");
    EXPECT_EQ(FormatDateTime("ham/pm", At(2024, 1, 1, 12)), "12pm");
    EXPECT_EQ(FormatDateTime("ham/pm", At(2024, 1, 1, 11, 59)), "11am");
    EXPECT_EQ(FormatDateTime("ham/pm", At(2024, 1, 1, 14)), "2pm");
    EXPECT_EQ(FormatDateTime("hh:nn AM/PM", At(2024, 1, 1, 14, 5)), "02:05 PM");
    EXPECT_EQ(FormatDateTime("h:nnAm/pM", At(2024, 1, 1, 14, 5)), "2:05pM");
    EXPECT_EQ(FormatDateTime("h a/p|h A/P", At(2024, 1, 1, 9)), "9 a|9 A");
    EXPECT_EQ(FormatDateTime("h ampm", At(2024, 1, 1, 21)), "9 PM");
    EXPECT_EQ(FormatDateTime("h", At(2024, 1, 1, 14)), "14");
    // the marker decides for the hour before it only
    EXPECT_EQ(FormatDateTime("h h am/pm", At(2024, 1, 1, 14)), "14 2 pm");
    // a quoted "a" is no marker, the one after it is
    EXPECT_EQ(FormatDateTime("h\"a\"am/pm", At(2024, 1, 1, 14)), "2apm");
    EXPECT_EQ(FormatDateTime("h at", At(2024, 1, 1, 14)), "14 at");
}

TEST_F(FormatDateTimeTest, TickPatterns) {
    const double v = At(2024, 10, 3, 14, 5, 9, 120);
    EXPECT_EQ(FormatDateTime("hh\":\"nn", v), "14:05");
    EXPECT_EQ(FormatDateTime("h\"h\"", v), "14h");
    EXPECT_EQ(FormatDateTime("h\"h\"nn", v), "14h05");
    EXPECT_EQ(FormatDateTime("h\":\"nnam/pm", v), "2:05pm");
    EXPECT_EQ(FormatDateTime("h\":\"nn\".\"ssam/pm", v), "2:05.09pm");
    EXPECT_EQ(FormatDateTime("hh\":\"nn\":\"ss.zz", v), "14:05:09.120");
    EXPECT_EQ(FormatDateTime("h\":\"nn\".\"ss.zzam/pm", At(2024, 10, 3, 2, 5, 9, 50)), "2:05.09.50am");
    EXPECT_EQ(FormatDateTime("dd\"-\"mmm\"-\"yyyy", v), "03-Oct-2024");
    EXPECT_EQ(FormatDateTime("\"/\"mmm\"/\"dd", v), "/Oct/03");
}

TEST_F(FormatDateTimeTest, QuotedTextStaysLiteral) {
    const double v = At(2024, 3, 5);
    EXPECT_EQ(FormatDateTime("\"day\" dd \"of\" mmm", v), "day 05 of Mar");
    EXPECT_EQ(FormatDateTime("'yy'yy", v), "yy24");
    EXPECT_EQ(FormatDateTime("\"it's\" d", v), "it's 5");
    EXPECT_EQ(FormatDateTime("dd\"mm", v), "05mm");  // an open quote runs to the end
    EXPECT_EQ(FormatDateTime("\"\"", v), "");
    EXPECT_EQ(FormatDateTime("[x] q, dd!", v), "[x] q, 05!");
    EXPECT_EQ(FormatDateTime("", v), "");
}

TEST_F(FormatDateTimeTest, NegativeAndTinyDayCounts) {
    const QString pattern = "yyyy-mm-dd hh:nn:ss.zzz";
    EXPECT_EQ(FormatDateTime(pattern, -0.25), "1899-12-29 18:00:00.000");
    EXPECT_EQ(FormatDateTime(pattern, -1.5), "1899-12-28 12:00:00.000");
    EXPECT_EQ(FormatDateTime(pattern, 1e-9), "1899-12-30 00:00:00.000");
    EXPECT_EQ(FormatDateTime(pattern, -1e-9), "1899-12-30 00:00:00.000");
    EXPECT_EQ(FormatDateTime(pattern, EncodeDate(1999, 12, 31) + AlmostMidnight()),
              "2000-01-01 00:00:00.000");
    EXPECT_EQ(FormatDateTime(pattern, MinDayCount), "0001-01-01 00:00:00.000");
    EXPECT_EQ(FormatDateTime(pattern, MaxDayCount + 0.5), "9999-12-31 12:00:00.000");
}

TEST_F(FormatDateTimeTest, OutsideTheCalendarGivesNoText) {
    EXPECT_EQ(FormatDateTime("yyyy", MinDayCount - 0.5), "");
    EXPECT_EQ(FormatDateTime("yyyy", MaxDayCount + 1), "");
    EXPECT_EQ(FormatDateTime("yyyy", MaxDayCount + AlmostMidnight()), "");  // rounds into year 10000
    EXPECT_EQ(FormatDateTime("yyyy", -1e12), "");
    EXPECT_EQ(FormatDateTime("yyyy", std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(FormatDateTime("yyyy", -std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(FormatDateTime("dddddd", std::numeric_limits<double>::max()), "");
}

TEST_F(FormatDateTimeTest, LocaleDates) {
    const double v = At(2024, 2, 29);
    EXPECT_EQ(FormatDateTime("ddddd", v), QLocale().toString(QDate(2024, 2, 29), QLocale::ShortFormat));
    EXPECT_EQ(FormatDateTime("dddddd", v), QLocale().toString(QDate(2024, 2, 29), QLocale::LongFormat));
}
