// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "CalendarTicks.h"
#include "DateTime.h"
#include "TickCollector.h"

using Vexa::EncodeDate;
using Vexa::EncodeTime;

namespace {

TTickSettings Calendar(double low, double high, int minTicks = 3, bool shortTicks = true,
                       bool vertical = false) {
    TTickSettings s = Settings(low, high, minTicks, shortTicks, vertical);
    s.LabelType = ftDateTime;
    return s;
}

TTickFamily FamilyOf(double span, bool vertical) {
    return TCalendarTicks::Family(Calendar(40000, 40000 + 3 * span, 3, true, vertical));
}

void ExpectDates(const std::vector<double>& got, const std::vector<double>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-9) << "tick " << i;
}

}  // namespace

TEST(CalendarTicks, FamilyFollowsTheSpanPerIntervalAndTheOrientation) {
    const double second = 1.0 / 86400;
    EXPECT_EQ(FamilyOf(second / 200, true), TTickFamily::CalendarTooSmall);
    EXPECT_EQ(FamilyOf(second / 50, true), TTickFamily::Hundredths);
    EXPECT_EQ(FamilyOf(second / 50, false), TTickFamily::CalendarTooSmall);  // no room for hundredths
    EXPECT_EQ(FamilyOf(second * 0.99, true), TTickFamily::Hundredths);
    EXPECT_EQ(FamilyOf(second * 0.99, false), TTickFamily::CalendarTooSmall);
    EXPECT_EQ(FamilyOf(second * 2, false), TTickFamily::Seconds);
    EXPECT_EQ(FamilyOf(second * 59, true), TTickFamily::Seconds);
    EXPECT_EQ(FamilyOf(second * 61, true), TTickFamily::Minutes);
    EXPECT_EQ(FamilyOf(1.0 / 24 * 0.99, false), TTickFamily::Minutes);
    EXPECT_EQ(FamilyOf(0.5, false), TTickFamily::Hours);
    EXPECT_EQ(FamilyOf(1, false), TTickFamily::Hours);
    EXPECT_EQ(FamilyOf(1.5, false), TTickFamily::Days);
    EXPECT_EQ(FamilyOf(30, false), TTickFamily::Days);
    EXPECT_EQ(FamilyOf(31, false), TTickFamily::Months);
    EXPECT_EQ(FamilyOf(366, false), TTickFamily::Months);
    EXPECT_EQ(FamilyOf(367, false), TTickFamily::Years);
}

TEST(CalendarTicks, InvalidRangesGiveNoTicks) {
    const double ranges[][2] = {{10, 5}, {-693594, 0}, {0, 3000001}, {0, 1e300}};
    for (const auto& r : ranges) {
        TTickCollector c;
        TCalendarTicks::Generate(Calendar(r[0], r[1]), c);
        EXPECT_EQ(c.Run.Family, TTickFamily::InvalidCalendar);
        EXPECT_TRUE(c.Ticks.empty());
    }
    TTickCollector ok;
    TCalendarTicks::Generate(Calendar(-693593, 3000000), ok);
    EXPECT_EQ(ok.Run.Family, TTickFamily::Years);
}

TEST(CalendarTicks, TenDaysGiveThreeDayStepsCountedFromNewYear) {
    const double start = EncodeDate(2024, 3, 1);  // day 60 of the year
    TTickCollector c;
    TCalendarTicks::Generate(Calendar(start, start + 10), c);
    EXPECT_EQ(c.Run.Family, TTickFamily::Days);
    // 1 January + 3k: 1 March is 60 days after it
    ExpectDates(c.Majors(), {EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 4), EncodeDate(2024, 3, 7),
                             EncodeDate(2024, 3, 10)});
    EXPECT_EQ(c.Minors().size(), 7u);  // daily in between, and 11 March
    // a year later the steps are counted from that year's 1 January (365 days: 2 March)
    const double next = EncodeDate(2025, 3, 1);
    TTickCollector n;
    TCalendarTicks::Generate(Calendar(next, next + 10, 3, false), n);
    EXPECT_NEAR(n.Majors().front(), EncodeDate(2025, 3, 2), 1e-9);
    EXPECT_NEAR(c.Ticks.front().Value, start, 1e-9);
    for (const TScaleTick& t : c.Ticks) EXPECT_TRUE(t.Recorded);
}

TEST(CalendarTicks, WeekStepsKeepTheirPhaseAcrossDayZero) {
    // 1899 runs across day 0 (30 December 1899)
    const double start = EncodeDate(1899, 12, 1);
    TTickCollector c;
    TCalendarTicks::Generate(Calendar(start, start + 63), c);  // 21 days per interval: 14-day steps
    const std::vector<double> majors = c.Majors();
    ASSERT_GE(majors.size(), 4u);
    for (std::size_t i = 1; i < majors.size(); ++i) EXPECT_NEAR(majors[i] - majors[i - 1], 14, 1e-9);
    EXPECT_LT(majors.front(), 0);
    EXPECT_GT(majors.back(), 0);
}

TEST(CalendarTicks, OneDayGivesEightHourStepsWithTwoHourMinors) {
    TTickCollector c;
    TCalendarTicks::Generate(Calendar(0, 1), c);
    EXPECT_EQ(c.Run.Family, TTickFamily::Hours);
    ExpectDates(c.Majors(), {0, 1.0 / 3, 2.0 / 3, 1});
    ExpectDates(c.Minors(), {2.0 / 24, 4.0 / 24, 6.0 / 24, 10.0 / 24, 12.0 / 24, 14.0 / 24, 18.0 / 24,
                             20.0 / 24, 22.0 / 24});
}

TEST(CalendarTicks, ClockTicksStartAtTheFirstStepAfterMidnightPastTheStart) {
    const double day = EncodeDate(2024, 3, 5);
    // 14:03 to 14:53: 10-minute steps from 14:10, 2-minute minors from 14:04
    TTickCollector c;
    TCalendarTicks::Generate(Calendar(day + EncodeTime(14, 3, 0, 0), day + EncodeTime(14, 53, 0, 0)), c);
    EXPECT_EQ(c.Run.Family, TTickFamily::Minutes);
    const std::vector<double> majors = c.Majors();
    ASSERT_EQ(majors.size(), 5u);
    EXPECT_NEAR(majors.front(), day + EncodeTime(14, 10, 0, 0), 1e-9);
    EXPECT_NEAR(c.Ticks.front().Value, day + EncodeTime(14, 4, 0, 0), 1e-9);
    // a start typed as a whole step keeps its tick, though it is stored a hair above it
    TTickCollector s;
    TCalendarTicks::Generate(Calendar(day + 14.0 / 24, day + 14.0 / 24 + 50.0 / 1440, 3, false), s);
    ASSERT_FALSE(s.Majors().empty());
    EXPECT_NEAR(s.Majors().front(), day + 14.0 / 24, 1e-9);
    EXPECT_EQ(s.Majors().size(), 6u);
    // so does one a few units in the last place above it, from whatever arithmetic
    const double above = std::nextafter(std::nextafter(day + 14.0 / 24, 1e9), 1e9);
    TTickCollector a;
    TCalendarTicks::Generate(Calendar(above, above + 50.0 / 1440, 3, false), a);
    ASSERT_FALSE(a.Majors().empty());
    EXPECT_NEAR(a.Majors().front(), day + 14.0 / 24, 1e-9);
    // but a start half a millisecond past midnight has its first tick a hundredth later
    TTickCollector h;
    TCalendarTicks::Generate(Calendar(45000.000000005784, 45000.00000046875, 3, true, true), h);
    EXPECT_EQ(h.Run.Family, TTickFamily::Hundredths);
    ExpectDates(h.Majors(),
                {45000 + 1 / 8640000.0, 45000 + 2 / 8640000.0, 45000 + 3 / 8640000.0, 45000 + 4 / 8640000.0});
    EXPECT_GE(h.Ticks.front().Value, 45000.000000005784);
}

TEST(CalendarTicks, ClockTicksBeforeDayZero) {
    // 29 December 1899, 18:00 to 30 December 03:00
    TTickCollector c;
    TCalendarTicks::Generate(Calendar(-0.25, 0.125, 3, false), c);
    ExpectDates(c.Majors(), {-0.25, -0.125, 0, 0.125});
    // a whole negative day starts with its own midnight
    TTickCollector d;
    TCalendarTicks::Generate(Calendar(-2, -1, 3, false), d);
    EXPECT_NEAR(d.Majors().front(), -2, 1e-9);
}

TEST(CalendarTicks, HundredthsOnVerticalAxes) {
    const double t0 = 40000.5;
    TTickCollector c;
    TCalendarTicks::Generate(Calendar(t0, t0 + 0.35 / 86400, 3, true, true), c);  // 0.117 s per interval
    EXPECT_EQ(c.Run.Family, TTickFamily::Hundredths);
    const std::vector<double> majors = c.Majors();
    ASSERT_EQ(majors.size(), 4u);
    EXPECT_NEAR((majors[1] - majors[0]) * 86400, 0.1, 1e-6);
    EXPECT_NEAR((c.Ticks[1].Value - c.Ticks[0].Value) * 86400, 0.05, 1e-6);
}

TEST(CalendarTicks, MonthsWithAndWithoutMinorTicks) {
    const double start = EncodeDate(2023, 11, 15), end = EncodeDate(2024, 11, 1);
    // 351 days: 3.8 months per interval, 3-month steps on months 1, 4, 7, 10
    TTickCollector c;
    TCalendarTicks::Generate(Calendar(start, end, 3, false), c);
    EXPECT_EQ(c.Run.Family, TTickFamily::Months);
    ExpectDates(c.Majors(), {EncodeDate(2024, 1, 1), EncodeDate(2024, 4, 1), EncodeDate(2024, 7, 1),
                             EncodeDate(2024, 10, 1)});
    TTickCollector m;
    TCalendarTicks::Generate(Calendar(start, end, 3, true), m);
    EXPECT_EQ(m.Majors(), c.Majors());
    EXPECT_EQ(m.Ticks.size(), 12u);  // first days of December 2023 .. November 2024
    EXPECT_NEAR(m.Ticks.front().Value, EncodeDate(2023, 12, 1), 1e-9);
}

TEST(CalendarTicks, YearsWithMinorStepsAndTheEndOfTheCalendar) {
    TTickCollector c;
    TCalendarTicks::Generate(Calendar(EncodeDate(1900, 1, 1), EncodeDate(2024, 1, 1)), c);
    EXPECT_EQ(c.Run.Family, TTickFamily::Years);
    // 41 years per interval: 20-year majors, 10-year minors, from 1900 (on 1 January)
    ExpectDates(c.Majors(), {EncodeDate(1900, 1, 1), EncodeDate(1920, 1, 1), EncodeDate(1940, 1, 1),
                             EncodeDate(1960, 1, 1), EncodeDate(1980, 1, 1), EncodeDate(2000, 1, 1),
                             EncodeDate(2020, 1, 1)});
    EXPECT_EQ(c.Minors().size(), 6u);
    // a start after 1 January skips its own year
    TTickCollector late;
    TCalendarTicks::Generate(Calendar(EncodeDate(1900, 2, 1), EncodeDate(2024, 1, 1), 3, false), late);
    EXPECT_NEAR(late.Majors().front(), EncodeDate(1920, 1, 1), 1e-9);

    TTickCollector end;
    TCalendarTicks::Generate(Calendar(EncodeDate(9000, 1, 1), 3000000), end);
    ASSERT_FALSE(end.Ticks.empty());
    EXPECT_LE(end.Ticks.back().Value, Vexa::MaxDayCount);
    EXPECT_NEAR(end.Ticks.back().Value, EncodeDate(9900, 1, 1), 1e-9);
}

TEST(CalendarTicks, NoTickAfterTheLastDayOfTheCalendar) {
    const double last = Vexa::MaxDayCount;
    for (const double span : {0.5, 10.0, 200.0}) {
        TTickCollector c;
        TCalendarTicks::Generate(Calendar(last - span, last + span), c);
        ASSERT_FALSE(c.Ticks.empty()) << span;
        for (const TScaleTick& t : c.Ticks) EXPECT_LT(t.Value, last + 1) << span;
    }
}
