// SPDX-License-Identifier: MIT
#pragma once
// Exchange two values in place; the chart uses them to put coordinate pairs in order.

#include <cstdint>

namespace Vexa {

inline void SwapIntegers(std::int32_t& a, std::int32_t& b) {
    const std::int32_t t = a;
    a = b;
    b = t;
}

inline void SwapReals(double& a, double& b) {
    const double t = a;
    a = b;
    b = t;
}

}  // namespace Vexa
