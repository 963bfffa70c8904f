// SPDX-License-Identifier: MIT
#pragma once
// The texts of calendar ticks: date/time patterns built from the date/time label settings for
// each tick family, and day counts written with them.

#include <QString>

#include "ScaleTick.h"

class TDTLabel;

class TDateTexts {
public:
    // the date line under time-of-day ticks
    static QString BuildDateFormat(const TDTLabel& f);
    // the time of a time-of-day tick, up to its seconds; hundredths are appended by TimeText
    static QString TimePattern(TTickFamily family, const TDTLabel& f);
    static QString DayPattern(const TDTLabel& f);
    static QString MonthPattern(const TDTLabel& f);
    // empty without a year
    static QString YearPattern(const TDTLabel& f);

    // v written with the pattern; values within 1e-8 of zero are zero
    static QString FormatTickDate(const QString& pattern, double v);
    // A time-of-day text. Hundredths show two digits of hundredths (".05" for 50 ms), before
    // the am/pm mark of the 12-hour form.
    static QString TimeText(TTickFamily family, const QString& pattern, const TDTLabel& f, double v);
    // a year text: four-digit years lose their leading zeros (year 800 reads "800")
    static QString YearText(const QString& pattern, const TDTLabel& f, double v);
};
