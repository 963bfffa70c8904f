// SPDX-License-Identifier: MIT
#pragma once
// Ticks of calendar axes (values are day counts, day 0 = 30 December 1899): hundredths of a
// second, seconds, minutes and hours aligned to midnight, days counted from 1 January, the first
// days of months, and 1 January of years. No tick lies after 31 December 9999.

#include "ScaleTick.h"

class TCalendarTicks {
public:
    // the valid range of calendar axes
    static constexpr double LowestDay = -693593;  // 1 January of year 1
    static constexpr double HighestDay = 3000000;

    // The family a range gets: InvalidCalendar for a range outside the limits or inverted,
    // CalendarTooSmall below a hundredth of a second per interval (below a second on
    // horizontal axes, where there is no room for hundredths).
    static TTickFamily Family(const TTickSettings& s);

    static TTickRun Generate(const TTickSettings& s, TTickSink& sink);

private:
    static void TimeOfDay(const TTickSettings& s, TTickFamily family, TTickSink& sink);
    static void Days(const TTickSettings& s, TTickSink& sink);
    static void Months(const TTickSettings& s, TTickSink& sink);
    static void Years(const TTickSettings& s, TTickSink& sink);
};
