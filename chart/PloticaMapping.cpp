// SPDX-License-Identifier: MIT
#include "PloticaMapping.h"

void TAxisMapping::Set(long double lo, long double hi, long double pLo, long double pHi, bool span,
                       long double middle) {
    Reversed = hi < lo;
    if (Log) {
        // a range end not above 0 has no logarithm: keep the degenerate mapping
        if (!(lo > 0) || !(hi > 0))
            span = false;
        else {
            lo = std::log(lo);
            hi = std::log(hi);
        }
    }
    const long double width = hi - lo;
    // a zero span (or one that overflows) has no factor: everything lands in the middle
    if (!span || width == 0 || !std::isfinite(width)) {
        K = 0;
        D = middle;
    } else {
        K = (pHi - pLo) / width;
        D = (pLo * hi - pHi * lo) / width;
        if (!std::isfinite(K) || !std::isfinite(D)) {
            K = 0;
            D = middle;
        }
    }
    Kd = static_cast<double>(K);
    Dd = static_cast<double>(D);
    // the double result of k * v + d differs from the extended one by less than a few units in
    // the last place of |k * v| + |d| <= |result| + 2 |d| < SafeRange + 2 |d|
    TieDistance = 0.5 - (SafeRange + 2.0 * std::fabs(Dd)) * 1.0e-15;
}

std::int32_t TAxisMapping::ToPixelExact(double v) const {
    return Vexa::RoundToPixel(K * static_cast<long double>(v) + D);
}

std::int32_t TAxisMapping::ToPixelLog(double v) const {
    if (v > 1e-100) return Vexa::RoundToPixel(K * std::log(static_cast<long double>(v)) + D);
    // not above 0: the far end of the axis
    const bool atStart = IsY ? Reversed : !Reversed;
    return atStart ? 0 : Extent;
}

double TAxisMapping::ToWorld(int pixel) const {
    if (K == 0) return 0;  // the area has no extent: no defined world value
    const long double u = (static_cast<long double>(pixel) - D) / K;
    if (Log) return static_cast<double>(std::exp(u));
    return static_cast<double>(u);
}
