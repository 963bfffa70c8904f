// SPDX-License-Identifier: MIT
#pragma once
// World <-> pixel conversion of the chart's layers. Each axis keeps a factor and an offset in
// extended precision (pixel = k * u + d, u the world value or its natural logarithm) and double
// copies for the renderer's hot loop; a double result that lies too close to a rounding tie is
// computed again in extended precision, so both paths give the same pixel.

#include <emmintrin.h>
#include <cmath>
#include <cstdint>

#include "Rounding.h"

struct TAxisMapping {
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

struct TLayerMapping {
    TAxisMapping X;
    TAxisMapping Y;

    bool operator==(const TLayerMapping&) const = default;
};

// A layer whose two axes are linear, converting both values of a point in the two lanes of SSE2
// registers: the same multiply-add and rounding as TAxisMapping::ToPixel, which takes over where
// either value needs the extended-precision path.
class TPointMapping {
public:
    explicit TPointMapping(const TLayerMapping& m)
        : FLayer(m),
          FK(_mm_set_pd(m.Y.Kd, m.X.Kd)),
          FD(_mm_set_pd(m.Y.Dd, m.X.Dd)),
          FTie(_mm_set_pd(m.Y.TieDistance, m.X.TieDistance)) {}
    static bool Applies(const TLayerMapping& m) { return !m.X.Log && !m.Y.Log; }

    // The pixels of the point whose x and y lie one after the other at xy.
    std::int32_t ToPixels(const double* xy, std::int32_t& py) const {
        const __m128d f = _mm_add_pd(_mm_mul_pd(FK, _mm_loadu_pd(xy)), FD);
        const __m128i r = _mm_cvtpd_epi32(f);
        const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFF));
        const __m128d size = _mm_and_pd(f, magnitude);
        const __m128d distance = _mm_and_pd(_mm_sub_pd(f, _mm_cvtepi32_pd(r)), magnitude);
        const __m128d safe = _mm_and_pd(_mm_cmplt_pd(size, _mm_set1_pd(TAxisMapping::SafeRange)),
                                        _mm_cmple_pd(distance, FTie));
        if (_mm_movemask_pd(safe) != 3) {
            py = FLayer.Y.ToPixel(xy[1]);
            return FLayer.X.ToPixel(xy[0]);
        }
        py = _mm_cvtsi128_si32(_mm_srli_si128(r, 4));
        return _mm_cvtsi128_si32(r);
    }

private:
    const TLayerMapping& FLayer;
    __m128d FK, FD, FTie;
};
