// SPDX-License-Identifier: MIT
#pragma once
// Dates and times as day counts: the integral part counts days from 30 December 1899 (day 0), the
// fraction is the time of day. The calendar is the proleptic Gregorian one from 1 January of year 1
// (day -693593) to 31 December 9999 (day 2958465).
//
// The time of day is always measured from the day's floor, also before 1899: -0.25 is 18:00 on
// 29 December 1899 (day -1), and a date plus a time is simply EncodeDate(...) + EncodeTime(...).

#include <QString>

#include "gravilo_toolkit_export.h"

namespace Vexa {

constexpr int MinDayCount = -693593;  // 1 January 0001
constexpr int MaxDayCount = 2958465;  // 31 December 9999

GRAVILO_TOOLKIT_INNER_EXPORT bool IsLeapYear(int y);

// Days of month m (1..12) in year y; 0 for a month outside 1..12.
GRAVILO_TOOLKIT_INNER_EXPORT int DaysInMonth(int y, int m);

// True when y-m-d is a date of years 1..9999; stores its day count in out. Leaves out alone otherwise.
GRAVILO_TOOLKIT_INNER_EXPORT bool TryEncodeDate(int y, int m, int d, double& out);

// As TryEncodeDate; an invalid date throws EVexaError.
GRAVILO_TOOLKIT_INNER_EXPORT double EncodeDate(int y, int m, int d);

// The date of day Floor(dayCount). Any finite day count within +-1e11 days decodes on the
// proleptic calendar (year 0 is 1 BC, years may exceed 9999); others give 0, 0, 0.
GRAVILO_TOOLKIT_INNER_EXPORT void DecodeDate(double dayCount, int& y, int& m, int& d);

// Day of the week of day Floor(dayCount): 1 = Sunday ... 7 = Saturday; 0 when DecodeDate gives 0s.
GRAVILO_TOOLKIT_INNER_EXPORT int DayOfWeek(double dayCount);

// True for 0 <= h <= 23, 0 <= n <= 59, 0 <= s <= 59, 0 <= ms <= 999; stores the fraction of a day.
GRAVILO_TOOLKIT_INNER_EXPORT bool TryEncodeTime(int h, int n, int s, int ms, double& out);

// As TryEncodeTime; an invalid time throws EVexaError.
GRAVILO_TOOLKIT_INNER_EXPORT double EncodeTime(int h, int n, int s, int ms);

// The time of day of v: the fraction v - Floor(v) rounded to the nearest millisecond. A fraction
// that rounds up to 24:00 reads 00:00:00.000 (it belongs to the next day; DecodeDateTime says
// which). Non-finite values give 0:00.
GRAVILO_TOOLKIT_INNER_EXPORT void DecodeTime(double v, int& h, int& n, int& s, int& ms);

// Date and time of v decoded together, so that a time rounding up to midnight moves the date to the
// next day (23:59:59.9996 on 31 December reads 00:00:00.000 on 1 January). False (and all parts 0)
// for values DecodeDate cannot decode.
GRAVILO_TOOLKIT_INNER_EXPORT bool DecodeDateTime(double v, int& y, int& m, int& d, int& h, int& n, int& s,
                                                 int& ms);

// v formatted with pattern letters, case ignored outside quotes:
//   d / dd          day of month without / with a leading zero
//   ddd / dddd      abbreviated / full day name of the default locale
//   ddddd / dddddd  the default locale's short / long date
//   m / mm          month without / with a leading zero; minutes when they follow an hour
//                   ("hh:mm", "h mm"; any other letter in between ends the hour's influence)
//   mmm / mmmm      abbreviated / full month name of the default locale (QLocale(), the
//                   stand-alone forms: "Okt", "Oct")
//   y / yy          year in two digits; yyy / yyyy year in four digits
//   h / hh          hour without / with a leading zero; 12-hour when the next hour-or-am/pm letter
//                   after it starts "am/pm", "a/p" or "ampm"
//   n / nn          minutes; s / ss seconds; z / zz / zzz milliseconds with at least 1 / 2 / 3 digits
//   am/pm, a/p      "am"/"pm" or "a"/"p", written with the pattern's own letter case ("AM/PM"
//                   gives "AM"); 0:00 is 12am, 12:00 is 12pm
//   ampm            the default locale's am/pm text
//   "..." and '...' copied literally (quote characters dropped; an unclosed quote runs to the end)
// Every other character is copied unchanged ('/' and ':' included). Values whose date lies outside
// years 1..9999, and non-finite values, give an empty text.
GRAVILO_TOOLKIT_INNER_EXPORT QString FormatDateTime(const QString& pattern, double v);

}  // namespace Vexa
