// SPDX-License-Identifier: MIT
#pragma once

#include "gravilo_scale_export.h"
// The value range of an axis and its mapping onto the axis's pixels: linear, or logarithmic
// with natural logarithms. Ends are finite and never equal. The factors are kept in extended
// precision, so that a narrow range far from zero (1e15..1e15 + 100) still maps to the right
// pixel and a range as tiny as 1e-310 does not overflow its factor.

struct GRAVILO_SCALE_INNER_EXPORT TScaleGeometry {
    int Width = 0;
    int Height = 0;
    int MarginLeft = 0;
    int MarginRight = 0;
    int MarginTop = 0;
    int MarginBottom = 0;
    bool Vertical = false;
};

class GRAVILO_SCALE_INNER_EXPORT TScaleRange {
public:
    double RangeLow() const { return FRangeLow; }
    double RangeHigh() const { return FRangeHigh; }
    // Stores v; when it equals the other end, that end moves to v + 1 (the next representable
    // value where v + 1 is v). Non-finite values are ignored. false when ignored.
    bool SetRangeLow(double v);
    bool SetRangeHigh(double v);
    // Both ends, as they are (no equal-ends rule); Assign copies a whole range this way.
    void SetRange(double low, double high);

    bool Logarithmic() const { return FLogarithmic; }
    void SetLogarithmic(bool on) { FLogarithmic = on; }
    // both ends large enough for a logarithmic mapping
    bool EndsAllowLogarithmic() const;

    // Recomputes the factors for the given geometry; does nothing when the ends are equal, and
    // keeps the factors of a logarithmic mapping whose range has an end at or below zero.
    void UpdateFactors(const TScaleGeometry& g);

    // pixels per range unit (per ln unit on logarithmic scales); negative on vertical axes
    double ScaleFactor() const { return static_cast<double>(FFactor); }
    // pixel of value 0 (of ln value 0 on logarithmic scales)
    double ScaleOffset() const { return static_cast<double>(FOffset); }
    void SetFactors(long double factor, long double offset) {
        FFactor = factor;
        FOffset = offset;
    }
    long double FactorExact() const { return FFactor; }
    long double OffsetExact() const { return FOffset; }

    // The pixel of v along the axis, clamped to +-2147483647 before rounding (halves to even).
    // controlWidth is where values at or below zero go on an inverted logarithmic axis.
    int ValueToPixel(double v, int controlWidth) const;

private:
    double FRangeLow = 0;
    double FRangeHigh = 100;
    bool FLogarithmic = false;
    long double FFactor = 1.0L;
    long double FOffset = 0.0L;
};

// The other end for a range end v that collides with it: v + 1, or the nearest value beside v
// where adding one no longer changes it.
GRAVILO_SCALE_INNER_EXPORT double OtherRangeEnd(double v);

// The rule of every range setter of the axes: an end is finite, and on a logarithmic axis at
// least RangeLogMinimum; a range has two such ends, and different ones.
constexpr double RangeLogMinimum = 1e-100;
GRAVILO_SCALE_INNER_EXPORT bool RangeEndAllowed(double v, bool logarithmic);
GRAVILO_SCALE_INNER_EXPORT bool RangeAllowed(double low, double high, bool logarithmic);
