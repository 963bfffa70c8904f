// SPDX-License-Identifier: MIT
#include "ScaleRange.h"

#include <cmath>
#include <limits>

#include "Rounding.h"

double OtherRangeEnd(double v) {
    const double other = v + 1.0;
    if (other != v) return other;
    // huge magnitudes: v + 1 is v itself, and equal ends would leave no range at all
    const double up = std::nextafter(v, std::numeric_limits<double>::infinity());
    return std::isfinite(up) ? up : std::nextafter(v, -std::numeric_limits<double>::infinity());
}

bool RangeEndAllowed(double v, bool logarithmic) {
    return std::isfinite(v) && (!logarithmic || v >= RangeLogMinimum);
}

bool RangeAllowed(double low, double high, bool logarithmic) {
    return RangeEndAllowed(low, logarithmic) && RangeEndAllowed(high, logarithmic) && low != high;
}

bool TScaleRange::EndsAllowLogarithmic() const {
    return RangeEndAllowed(FRangeLow, true) && RangeEndAllowed(FRangeHigh, true);
}

bool TScaleRange::SetRangeLow(double v) {
    if (!std::isfinite(v)) return false;
    FRangeLow = v;
    if (v == FRangeHigh) FRangeHigh = OtherRangeEnd(v);
    return true;
}

bool TScaleRange::SetRangeHigh(double v) {
    if (!std::isfinite(v)) return false;
    FRangeHigh = v;
    // the low end moves above: the axis becomes inverted
    if (v == FRangeLow) FRangeLow = OtherRangeEnd(v);
    return true;
}

void TScaleRange::SetRange(double low, double high) {
    FRangeLow = low;
    FRangeHigh = high;
}

void TScaleRange::UpdateFactors(const TScaleGeometry& g) {
    if (FRangeHigh == FRangeLow) return;
    const long double length = g.Vertical
                                   ? static_cast<long double>(g.Height) - g.MarginTop - g.MarginBottom - 1
                                   : static_cast<long double>(g.Width) - g.MarginLeft - g.MarginRight - 1;
    if (length <= 0) {
        // no room for an axis: every value maps to the middle
        FFactor = 0;
        FOffset = (g.Vertical ? g.Height : g.Width) / 2.0L;
        return;
    }
    const long double low = FRangeLow, high = FRangeHigh;
    if (!FLogarithmic) {
        if (g.Vertical) {
            FFactor = length / (low - high);
            FOffset = g.MarginTop - high * FFactor;
        } else {
            FFactor = length / (high - low);
            FOffset = g.MarginLeft - low * FFactor;
        }
        return;
    }
    if (low <= 0 || high <= 0) return;
    const long double lnLow = std::log(low), lnHigh = std::log(high);
    if (lnLow == lnHigh) return;  // neighbouring values beyond the logarithm's resolution
    if (g.Vertical) {
        FFactor = length / (lnLow - lnHigh);
        FOffset = g.MarginTop - lnHigh * FFactor;
    } else {
        FFactor = length / (lnHigh - lnLow);
        FOffset = g.MarginLeft - lnLow * FFactor;
    }
}

int TScaleRange::ValueToPixel(double v, int controlWidth) const {
    long double p;
    if (!FLogarithmic) {
        p = FFactor * v + FOffset;
    } else if (v > 1e-100) {
        p = FFactor * std::log(static_cast<long double>(v)) + FOffset;
    } else {
        p = FRangeHigh >= FRangeLow ? 0 : controlWidth;
    }
    // rounded in double: the extended rounding is several times slower, and a pixel cannot tell
    return Vexa::RoundToPixel(static_cast<double>(p));
}
