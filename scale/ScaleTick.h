// SPDX-License-Identifier: MIT
#pragma once
// One tick of an axis as the tick generators hand it out, and what they need to know. The
// generators know nothing of painting: they pass each tick to a sink, in drawing order, without
// allocating anything.

#include "Enums.h"

// Which algorithm placed the ticks of one paint; the calendar families also pick the tick texts.
enum class TTickFamily {
    None,         // nothing generated yet
    Linear,       // decimal steps (also the fallback of logarithmic and elapsed-time scales)
    Logarithmic,  // decades and their 2..9 multiples
    ElapsedTime,  // seconds, minutes and hours of elapsed time
    Hundredths,   // calendar families from here on
    Seconds,
    Minutes,
    Hours,
    Days,
    Months,
    Years,
    InvalidCalendar,  // no ticks: the range cannot be shown as dates
    CalendarTooSmall  // no ticks: less than the smallest calendar unit per interval
};

inline bool IsTimeOfDayFamily(TTickFamily f) {
    return f == TTickFamily::Hundredths || f == TTickFamily::Seconds || f == TTickFamily::Minutes ||
           f == TTickFamily::Hours;
}

inline bool IsCalendarFamily(TTickFamily f) {
    return f >= TTickFamily::Hundredths;
}

struct TScaleTick {
    double Value = 0;
    bool Major = false;
    // enters TickValues (each algorithm has its own rule for that)
    bool Recorded = false;
    // running number of the labelled major ticks from the start of the axis, 1 for the first;
    // 0 for minor ticks
    int LabelNumber = 0;
    // logarithmic ticks: Value = Mantissa * 10^Decade
    int Mantissa = 0;
    int Decade = 0;
};

struct TTickRun;

// Receives the ticks of one run: Begin() once, when the algorithm has been chosen, then Tick()
// for every tick in drawing order.
class TTickSink {
public:
    virtual ~TTickSink() = default;
    virtual void Begin(const TTickRun& run) = 0;
    virtual void Tick(const TScaleTick& tick) = 0;
};

// The scale settings the tick generators read.
struct TTickSettings {
    double RangeLow = 0;
    double RangeHigh = 100;
    bool Logarithmic = false;
    int MinTicks = 3;
    bool ShortTicks = true;
    bool Vertical = false;
    TFigType LabelType = ftNum;
};

// The generators also report what they chose, for the tick texts.
struct TTickRun {
    TTickFamily Family = TTickFamily::None;
    // decimal and elapsed-time steps (positive, in range units)
    double Step = 0;
    // elapsed time: the step is below one second, so texts show milliseconds
    bool WithMilliseconds = false;
};

// A pass never visits more positions than this. Every finite range needs a few hundred at most
// (the widest logarithmic range, 1e-308..1e308, has some 620 decade ticks), so the cap only stops
// a loop whose step has become too small to move its position.
constexpr int MaxTickPositions = 10000;
