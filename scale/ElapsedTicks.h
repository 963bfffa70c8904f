// SPDX-License-Identifier: MIT
#pragma once
// Ticks of elapsed-time axes (values in seconds): steps from a millisecond to half a day that
// suit clocks, with minor intervals of the same kind.

#include "ScaleTick.h"

class TElapsedTicks {
public:
    static constexpr int StepCount = 28;
    // the step (seconds) and minor intervals of table index 1..StepCount
    static long double Step(int index);
    static int MinorIntervals(int index);
    // The largest index whose step fits span seconds; 0 below a millisecond.
    static int StepIndex(long double span);

    // Generates the ticks, or declines (returns false, nothing generated) when the span per
    // interval is below a millisecond or a day and more: numeric ticks serve those better.
    static bool Generate(const TTickSettings& s, TTickSink& sink, TTickRun& run);
};
