// SPDX-License-Identifier: MIT
#pragma once
// The values of the ticks of the last paint, in generation order: at most 50 of them, so that
// the chart can draw its grid at the tick positions. Later ticks are still drawn, not kept.

#include <array>

class TTickValues {
public:
    static constexpr int Capacity = 50;

    void Clear() { FCount = 0; }
    // false when the list is full (the value is not kept)
    bool Add(double value) {
        if (FCount >= Capacity) return false;
        FValues[static_cast<std::size_t>(FCount++)] = value;
        return true;
    }
    int Count() const { return FCount; }
    // 1-based; 0 outside 1..Count()
    double Value(int index) const {
        return index >= 1 && index <= FCount ? FValues[static_cast<std::size_t>(index - 1)] : 0.0;
    }

private:
    std::array<double, Capacity> FValues{};
    int FCount = 0;
};
