// SPDX-License-Identifier: MIT
#include "CalendarTicks.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "DateTime.h"
#include "Rounding.h"

namespace {

// A time-of-day family: units per day and its steps with their minor steps, in units.
struct TClockFamily {
    long double UnitsPerDay;
    std::array<int, 6> Steps;
    std::array<int, 6> Minors;
};

constexpr TClockFamily HoursFamily{24, {1, 2, 3, 6, 8, 12}, {1, 1, 1, 2, 2, 3}};
constexpr TClockFamily MinutesFamily{1440, {1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}};
constexpr TClockFamily SecondsFamily{86400, {1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}};
constexpr TClockFamily HundredthsFamily{8640000, {1, 2, 5, 10, 20, 50}, {1, 1, 1, 5, 10, 10}};

const TClockFamily& ClockFamily(TTickFamily f) {
    switch (f) {
        case TTickFamily::Hundredths:
            return HundredthsFamily;
        case TTickFamily::Seconds:
            return SecondsFamily;
        case TTickFamily::Minutes:
            return MinutesFamily;
        default:
            return HoursFamily;
    }
}

// ticks end with the last day of year 9999
constexpr long double EndOfCalendar = Vexa::MaxDayCount + 1;
// a tick this close past the range's end (about a millisecond) still belongs to it
constexpr long double EndTolerance = 1e-8L;

// The earliest clock tick that still counts as at or past the range's start. A start typed as
// 14:00 is stored a few units in the last place away from 14:00 and keeps that tick; anything
// further past a tick (a hundredth of a second is millions of units) does not.
long double StartOfTicks(double low) {
    const double magnitude = std::fabs(low);
    const double unit = std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
    return static_cast<long double>(low) - 4.0L * unit;
}

bool BeforeEnd(long double p, long double high) {
    return p - high < EndTolerance && p < EndOfCalendar;
}

// the remainder that keeps its phase across day 0
std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    const std::int64_t r = a % b;
    return r < 0 ? r + b : r;
}

int YearOf(double day) {
    int y, m, d;
    Vexa::DecodeDate(day, y, m, d);
    return y;
}

long double FirstOfMonth(int y, int m) {
    double v = 0;
    return Vexa::TryEncodeDate(y, m, 1, v) ? v : EndOfCalendar;
}

}  // namespace

TTickFamily TCalendarTicks::Family(const TTickSettings& s) {
    if (!(s.RangeHigh >= s.RangeLow && s.RangeLow >= LowestDay && s.RangeHigh <= HighestDay))
        return TTickFamily::InvalidCalendar;
    const double span = (s.RangeHigh - s.RangeLow) / s.MinTicks;
    if (span <= 1.1574074074074074e-7) return TTickFamily::CalendarTooSmall;
    if (s.Vertical) {
        if (span <= 1.1574074074074073e-5) return TTickFamily::Hundredths;
        if (span <= 0.0006944444444444445) return TTickFamily::Seconds;
    } else {
        if (span <= 1.1574e-5) return TTickFamily::CalendarTooSmall;
        if (span <= 0.00069444) return TTickFamily::Seconds;
    }
    if (span <= 0.041667) return TTickFamily::Minutes;
    if (span <= 1) return TTickFamily::Hours;
    if (span <= 30) return TTickFamily::Days;
    if (span <= 366) return TTickFamily::Months;
    return TTickFamily::Years;
}

TTickRun TCalendarTicks::Generate(const TTickSettings& s, TTickSink& sink) {
    TTickRun run;
    run.Family = Family(s);
    sink.Begin(run);
    switch (run.Family) {
        case TTickFamily::Hundredths:
        case TTickFamily::Seconds:
        case TTickFamily::Minutes:
        case TTickFamily::Hours:
            TimeOfDay(s, run.Family, sink);
            break;
        case TTickFamily::Days:
            Days(s, sink);
            break;
        case TTickFamily::Months:
            Months(s, sink);
            break;
        case TTickFamily::Years:
            Years(s, sink);
            break;
        default:
            break;
    }
    return run;
}

void TCalendarTicks::TimeOfDay(const TTickSettings& s, TTickFamily family, TTickSink& sink) {
    const TClockFamily& c = ClockFamily(family);
    const long double low = s.RangeLow, high = s.RangeHigh;
    const long double span = (high - low) / s.MinTicks * c.UnitsPerDay;
    std::size_t i = 0;
    for (std::size_t k = 0; k < c.Steps.size(); ++k)
        if (c.Steps[k] <= span) i = k;
    const int units = c.Steps[i];

    // the first multiple of the step after midnight at or past the range's start
    const long double day = std::floor(low);
    const long double from = StartOfTicks(s.RangeLow);
    const std::int64_t u = static_cast<std::int64_t>(std::ceil(c.UnitsPerDay * (from - day)));
    const std::int64_t pad = (units - u % units) % units;
    const long double first = day + (u + pad) / c.UnitsPerDay;

    const long double step = units / c.UnitsPerDay;
    const long double minor = c.Minors[i] / c.UnitsPerDay;
    const long double advance = s.ShortTicks ? minor : step;
    long double p0 = first;
    if (s.ShortTicks)
        for (int k = 0; k < MaxTickPositions && p0 > low; ++k) p0 -= minor;

    TScaleTick tick;
    tick.Recorded = true;
    for (int k = 0; k < MaxTickPositions; ++k) {
        const long double p = p0 + k * advance;
        if (!BeforeEnd(p, high)) break;
        if (p < from) continue;
        const long double q = p / step;
        tick.Value = static_cast<double>(p);
        tick.Major = !s.ShortTicks || std::fabs(q - Vexa::RoundHalfEvenReal(q)) <= 0.1L;
        sink.Tick(tick);
    }
}

void TCalendarTicks::Days(const TTickSettings& s, TTickSink& sink) {
    const long double low = s.RangeLow, high = s.RangeHigh;
    const long double span = (high - low) / s.MinTicks;
    int step = 1;
    for (int candidate : {1, 2, 3, 7, 14, 28})
        if (candidate <= span) step = candidate;
    const int minor = step <= 7 ? 1 : 7;

    // steps are counted from 1 January of the start's year
    double january = 0;
    Vexa::TryEncodeDate(YearOf(s.RangeLow), 1, 1, january);
    const std::int64_t p0 = static_cast<std::int64_t>(january) +
                            step * (Vexa::Trunc(low - static_cast<long double>(january)) / step);
    const std::int64_t phase = FloorMod(p0, step);
    const int advance = s.ShortTicks ? minor : step;

    TScaleTick tick;
    tick.Recorded = true;
    for (int k = 0; k < MaxTickPositions; ++k) {
        const std::int64_t p = p0 + std::int64_t{k} * advance;
        if (!BeforeEnd(p, high)) break;
        if (p < low) continue;
        tick.Value = static_cast<double>(p);
        tick.Major = !s.ShortTicks || FloorMod(p, step) == phase;
        sink.Tick(tick);
    }
}

void TCalendarTicks::Months(const TTickSettings& s, TTickSink& sink) {
    const long double low = s.RangeLow, high = s.RangeHigh;
    const long double perInterval = (high - low) / 30.4375L / s.MinTicks;
    int step = 1;
    for (int candidate : {1, 2, 3, 4, 6})
        if (candidate <= perInterval) step = candidate;

    int y, m, d;
    Vexa::DecodeDate(s.RangeLow, y, m, d);
    const auto next = [&](int months) {
        m += months;
        while (m > 12) {
            m -= 12;
            ++y;
        }
    };
    // without minor ticks the first tick is the first month of a step after the start's month
    if (step > 1 && !s.ShortTicks) {
        do next(1);
        while (m % step != 1);
    }

    TScaleTick tick;
    tick.Recorded = true;
    for (int k = 0; k < MaxTickPositions; ++k) {
        const long double p = FirstOfMonth(y, m);
        if (!BeforeEnd(p, high)) break;
        if (p >= low) {
            tick.Value = static_cast<double>(p);
            tick.Major = !(s.ShortTicks && step != 1 && m % step != 1);
            sink.Tick(tick);
        }
        next(s.ShortTicks ? 1 : step);
    }
}

void TCalendarTicks::Years(const TTickSettings& s, TTickSink& sink) {
    const long double low = s.RangeLow, high = s.RangeHigh;
    long double perInterval = (high - low) / 365.25L / s.MinTicks;
    if (perInterval < 1) perInterval = 1;
    const long double decade = std::pow(10.0L, Vexa::Int(std::log10(perInterval)));
    // the mantissa taken straight from the value, free of the logarithm's rounding
    const long double mantissa = perInterval / decade;
    const int f = mantissa >= 5 ? 5 : mantissa >= 2 ? 2 : 1;
    const std::int64_t major = Vexa::RoundHalfEven(Vexa::Int(decade) * f);
    std::int64_t step = major;
    if (s.ShortTicks && major > 1)
        step = f == 5 ? Vexa::RoundHalfEven(major / 5.0L) : Vexa::RoundHalfEven(major / 2.0L);

    int y, m, d;
    Vexa::DecodeDate(s.RangeLow, y, m, d);
    std::int64_t year = ((y - 1) / step + 1) * step;
    if (year == y && !(m == 1 && d == 1)) year += step;

    TScaleTick tick;
    tick.Recorded = true;
    for (int k = 0; k < MaxTickPositions && year <= 9999; ++k, year += step) {
        double p = 0;
        Vexa::TryEncodeDate(static_cast<int>(year), 1, 1, p);
        if (!(p - high < EndTolerance)) break;
        tick.Value = p;
        tick.Major = !(s.ShortTicks && year % major != 0);
        sink.Tick(tick);
    }
}
