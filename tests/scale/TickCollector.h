// SPDX-License-Identifier: MIT
#pragma once
// Collects the ticks of a generator run for the tests.

#include <vector>

#include "ScaleTick.h"

class TTickCollector : public TTickSink {
public:
    TTickRun Run;
    int Begins = 0;
    std::vector<TScaleTick> Ticks;

    void Begin(const TTickRun& run) override {
        Run = run;
        ++Begins;
    }
    void Tick(const TScaleTick& tick) override { Ticks.push_back(tick); }

    std::vector<double> Values(bool major) const {
        std::vector<double> v;
        for (const TScaleTick& t : Ticks)
            if (t.Major == major) v.push_back(t.Value);
        return v;
    }
    std::vector<double> Majors() const { return Values(true); }
    std::vector<double> Minors() const { return Values(false); }
};

inline TTickSettings Settings(double low, double high, int minTicks = 3, bool shortTicks = true,
                              bool vertical = false) {
    TTickSettings s;
    s.RangeLow = low;
    s.RangeHigh = high;
    s.MinTicks = minTicks;
    s.ShortTicks = shortTicks;
    s.Vertical = vertical;
    return s;
}
