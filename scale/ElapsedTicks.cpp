// SPDX-License-Identifier: MIT
#include "ElapsedTicks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Rounding.h"

namespace {

struct TElapsedStep {
    long double Seconds;
    int Minor;
};

constexpr std::array<TElapsedStep, TElapsedTicks::StepCount> Steps{{
    {0.001L, 5}, {0.002L, 4}, {0.005L, 5}, {0.01L, 5}, {0.02L, 4}, {0.05L, 5}, {0.1L, 5},
    {0.2L, 4},   {0.5L, 5},   {1, 5},      {2, 4},     {5, 5},     {10, 5},    {20, 4},
    {30, 6},     {60, 6},     {120, 6},    {180, 6},   {300, 5},   {600, 5},   {1200, 6},
    {1800, 6},   {3600, 6},   {7200, 4},   {14400, 4}, {21600, 6}, {43200, 6}, {86400, 6},
}};

// relative tolerance of the range ends and of the start
constexpr long double Tolerance = 0.999999999L;
// the last index whose steps are below one second: their texts show milliseconds
constexpr int LastSubSecondIndex = 9;

}  // namespace

long double TElapsedTicks::Step(int index) {
    return Steps[static_cast<std::size_t>(index - 1)].Seconds;
}

int TElapsedTicks::MinorIntervals(int index) {
    return Steps[static_cast<std::size_t>(index - 1)].Minor;
}

int TElapsedTicks::StepIndex(long double span) {
    int index = 0;
    for (int i = 1; i <= StepCount; ++i)
        if (Step(i) <= span) index = i;
    return index;
}

bool TElapsedTicks::Generate(const TTickSettings& s, TTickSink& sink, TTickRun& run) {
    const long double low = s.RangeLow, high = s.RangeHigh;
    const int index = StepIndex(std::fabs(high - low) / s.MinTicks);
    if (index == 0 || index == StepCount) return false;

    const long double dir = high > low ? 1 : -1;
    const long double step = dir * Step(index);
    const long double minor = step / MinorIntervals(index);
    const std::int64_t count = Vexa::Trunc((high - low) / minor) + 5;
    long double start = Vexa::Int(low / step / Tolerance) * step;
    // the truncation rounds a negative start towards zero, past the range's start: begin one
    // step earlier so that the minor ticks before the first major one are not lost
    std::int64_t extra = 0;
    if (dir * (start - low) > 0) {
        start -= step;
        extra = MinorIntervals(index);
    }

    // the range widened outwards by the tolerance, whichever way the axis runs
    const long double a = std::min(low, high), b = std::max(low, high);
    const long double lowBound = a >= 0 ? a * Tolerance : a / Tolerance;
    const long double highBound = b > 0 ? b / Tolerance : b * Tolerance;
    const auto inside = [&](long double v) { return lowBound <= v && v <= highBound; };
    const std::int64_t last = std::min<std::int64_t>(count + extra, MaxTickPositions);

    run.Family = TTickFamily::ElapsedTime;
    run.Step = static_cast<double>(Step(index));
    run.WithMilliseconds = index <= LastSubSecondIndex;
    sink.Begin(run);

    TScaleTick tick;
    tick.Recorded = true;
    if (s.ShortTicks) {
        for (std::int64_t k = 0; k <= last; ++k) {
            const long double v = start + k * minor;
            if (!inside(v)) continue;
            tick.Value = static_cast<double>(v);
            sink.Tick(tick);
        }
    }
    tick.Major = true;
    int label = 0;
    for (std::int64_t k = 0; k <= last; ++k) {
        const long double v = start + k * minor;
        const long double q = v / step;
        if (std::fabs(q - std::round(q)) >= 0.01L || !inside(v)) continue;
        tick.Value = static_cast<double>(v);
        tick.LabelNumber = ++label;
        sink.Tick(tick);
    }
    return true;
}
