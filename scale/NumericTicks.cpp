// SPDX-License-Identifier: MIT
#include "NumericTicks.h"

#include <algorithm>
#include <cmath>

#include "TickStep.h"

namespace {

// relative tolerance of the logarithmic range ends
constexpr long double LogTolerance = 0.999999999L;

void MinorPass(const TTickSettings& s, const TTickStep& t, long double dir, TTickSink& sink) {
    const long double low = s.RangeLow, high = s.RangeHigh;
    const long double minor = t.Step / t.MinorIntervals;
    const long double base = t.First - t.Step;
    TScaleTick tick;
    tick.Recorded = true;
    for (int k = 0; k < MaxTickPositions; ++k) {
        const long double v = base + k * minor;
        if (dir * v >= dir * low) {
            tick.Value = static_cast<double>(v);
            sink.Tick(tick);
        }
        if (!(dir * (base + (k + 1) * minor - high) <= 0.001L * std::fabs(minor))) break;
    }
}

void MajorPass(const TTickSettings& s, const TTickStep& t, long double dir, TTickSink& sink) {
    const long double high = s.RangeHigh;
    TScaleTick tick;
    tick.Major = true;
    // with minor ticks on, horizontal scales keep only the minor positions (they include these)
    tick.Recorded = s.Vertical || !s.ShortTicks;
    for (int k = 0; k < MaxTickPositions; ++k) {
        tick.Value = static_cast<double>(t.First + k * t.Step);
        tick.LabelNumber = k + 1;
        sink.Tick(tick);
        if (!(dir * (t.First + (k + 1) * t.Step - high) <= 0.001L * std::fabs(t.Step))) break;
    }
}

}  // namespace

TTickRun TNumericTicks::Linear(const TTickSettings& s, TTickSink& sink) {
    TTickRun run;
    run.Family = TTickFamily::Linear;
    const TTickStep t = ChooseTickStep(s.MinTicks, s.RangeLow, s.RangeHigh);
    run.Step = static_cast<double>(std::fabs(t.Step));
    sink.Begin(run);
    if (t.Step == 0) return run;
    const long double dir = s.RangeHigh > s.RangeLow ? 1 : -1;
    if (s.ShortTicks) MinorPass(s, t, dir, sink);
    MajorPass(s, t, dir, sink);
    return run;
}

TTickRun TNumericTicks::Logarithmic(const TTickSettings& s, TTickSink& sink) {
    // no decades without two positive ends (a scale that is not yet loaded may be logarithmic
    // with any range)
    if (!(s.RangeLow > 0 && s.RangeHigh > 0)) return Linear(s, sink);
    const long double lo = std::min(s.RangeLow, s.RangeHigh);
    const long double hi = std::max(s.RangeLow, s.RangeHigh);
    const long double decades = std::log10(hi / lo);
    if (decades < 1) return Linear(s, sink);

    TTickRun run;
    run.Family = TTickFamily::Logarithmic;
    sink.Begin(run);
    const bool multiples = s.MinTicks > decades + 0.5L;
    const long double lowBound = lo * LogTolerance, highBound = hi / LogTolerance;
    int decade = static_cast<int>(std::floor(std::log10(lowBound)));
    int label = 0;
    TScaleTick tick;
    tick.Recorded = true;
    for (int i = 0; i < MaxTickPositions; ++i, ++decade) {
        const long double power = std::pow(10.0L, decade);
        for (int mantissa = 1; mantissa <= 9; ++mantissa) {
            if (mantissa > 1 && !multiples) break;
            const bool major = mantissa == 1 || mantissa == 2 || mantissa == 5;
            if (!major && !s.ShortTicks) continue;
            const long double v = mantissa * power;
            if (!(lowBound < v && v < highBound)) continue;
            tick.Value = static_cast<double>(v);
            tick.Major = major;
            tick.Mantissa = mantissa;
            tick.Decade = decade;
            tick.LabelNumber = major && s.LabelType != ftNoFigs ? ++label : 0;
            sink.Tick(tick);
        }
        if (hi < LogTolerance * power * 10) break;
    }
    return run;
}
