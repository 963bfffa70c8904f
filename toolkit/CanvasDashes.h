// SPDX-License-Identifier: MIT
#pragma once
// The dash patterns of one-pixel pens (on, off, on, off ...), in pixels: the pixel loop of the
// canvas and its vector drawing dash alike.

#include <array>
#include <span>

#include "Enums.h"

inline std::span<const int> DashPattern(TPenStyle style) {
    static constexpr std::array<int, 2> dash{18, 6};
    static constexpr std::array<int, 2> dot{3, 3};
    static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
    static constexpr std::array<int, 6> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
        case psDash:
            return dash;
        case psDot:
            return dot;
        case psDashDot:
            return dashDot;
        case psDashDotDot:
            return dashDotDot;
        default:
            return {};
    }
}
