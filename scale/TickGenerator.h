// SPDX-License-Identifier: MIT
#pragma once
// Chooses the tick algorithm of an axis from its label type and mapping, and runs it.

#include "ScaleTick.h"

class TTickGenerator {
public:
    // calendar ticks for ftDateTime; elapsed time for ftTime unless it declines; then
    // logarithmic or linear ticks
    static TTickRun Generate(const TTickSettings& s, TTickSink& sink);
};
