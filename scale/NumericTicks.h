// SPDX-License-Identifier: MIT
#pragma once
// Ticks of numeric axes: decimal steps on linear scales, decades on logarithmic ones.

#include "ScaleTick.h"

class TNumericTicks {
public:
    // Minor ticks first (when ShortTicks), then the major ones with label numbers 1, 2, ...
    static TTickRun Linear(const TTickSettings& s, TTickSink& sink);
    // Decades from the smaller end up; 2..9 times each decade when fewer decades than MinTicks.
    // Falls back to Linear below one decade and for ranges with an end at or below zero.
    static TTickRun Logarithmic(const TTickSettings& s, TTickSink& sink);
};
