#pragma once
// World <-> pixel conversion of the chart's layers. Each axis keeps a factor and an offset in
// extended precision (pixel = k * u + d, u the world value or its natural logarithm) and double
// copies for the renderer's hot loop; a double result that lies too close to a rounding tie is
// computed again in extended precision, so both paths give the same pixel.

#include <emmintrin.h>
#include <cmath>
#include <cstdint>

#include "Rounding.h"
#include "gravilo_chart_export.h"

struct GRAVILO_CHART_EXPORT TAxisMapping {
    long double K = 0;
    long double D = 0;
    double Kd = 0;
    double Dd = 0;
    bool Log = false;
    bool Reversed = false;    // RangeHigh < RangeLow
    std::int32_t Extent = 0;  // control width (x) or height (y): where a non-positive log value goes
    bool IsY = false;

    // Sets the factors so that lo lands on pixel pLo and hi on pixel pHi (span > 0 pixels), or the
    // degenerate mapping onto `middle` when the area has no extent.
    void Set(long double lo, long double hi, long double pLo, long double pHi, bool span, long double middle);

    // The pixel of a world value: clamped to +-2147483647, rounded half to even.
    std::int32_t ToPixel(double v) const {
        if (Log) return ToPixelLog(v);
        const double f = Kd * v + Dd;
        const std::int32_t r = _mm_cvtsd_si32(_mm_set_sd(f));
        // outside the safe range, NaN, or within reach of a tie: the extended-precision path
        if (!(std::fabs(f) < SafeRange) || !(std::fabs(f - r) <= TieDistance)) return ToPixelExact(v);
        return r;
    }
    // the extended-precision conversion (kept out of the hot loop)
    [[gnu::noinline]] std::int32_t ToPixelExact(double v) const;
    double ToWorld(int pixel) const;

    // Results below SafeRange in size are taken from the double path when they lie at most
    // TieDistance from their integer: the double result then rounds as the extended one does.
    static constexpr double SafeRange = 1.0e9;
    double TieDistance = 0.5;

    bool operator==(const TAxisMapping&) const = default;

private:
    [[gnu::noinline]] std::int32_t ToPixelLog(double v) const;
};

struct GRAVILO_CHART_EXPORT TLayerMapping {
    TAxisMapping X;
    TAxisMapping Y;

    bool operator==(const TLayerMapping&) const = default;
};
