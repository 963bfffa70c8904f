// SPDX-License-Identifier: MIT
#include "TickStep.h"

#include <cmath>

#include "Rounding.h"
#include "ScaleTick.h"

namespace {

constexpr long double Log10Of2 = 0.30102999566398119521L;
constexpr long double Log10Of5 = 0.69897000433601880479L;
// a fraction of a decade this close to a whole decade counts as the decade itself
constexpr long double WholeDecadeTolerance = 1e-10L;

}  // namespace

TTickStep ChooseTickStep(int n, long double start, long double finish) {
    TTickStep r;
    r.First = start;
    if (finish == start || !std::isfinite(finish - start)) return r;
    if (n < 1) n = 1;
    const long double dir = start < finish ? 1 : -1;

    long double d = std::log10(std::fabs(finish - start) / n);
    long double e = d - Vexa::Int(d);
    if (std::fabs(e) < WholeDecadeTolerance || std::fabs(e) > 1 - WholeDecadeTolerance) {
        e = 0;
        d = Vexa::RoundHalfEvenReal(d);
    }
    // whole decade below, fraction 0 <= e < 1 above it
    if (d < 0 && e != 0) d -= 1;
    if (e < 0) e += 1;

    // the tolerance turns exactly 2 and 5 times a power of ten into the smaller mantissa, so
    // that the step never exceeds the span per interval
    int mantissa;
    if (e < Log10Of2 + WholeDecadeTolerance) {
        mantissa = 1;
        r.MinorIntervals = 5;
    } else if (e < Log10Of5 + WholeDecadeTolerance) {
        mantissa = 2;
        r.MinorIntervals = 4;
    } else {
        mantissa = 5;
        r.MinorIntervals = 5;
    }
    r.Step = dir * mantissa * std::pow(10.0L, Vexa::Int(d));

    // the first multiple of the step at or past start, within a thousandth of a step
    long double first = (Vexa::Int(start / r.Step) - 1) * r.Step;
    for (int i = 0; i < MaxTickPositions && dir * (start - first) > 0.001L * std::fabs(r.Step); ++i) {
        const long double next = first + r.Step;
        if (next == first) break;  // the step no longer moves a value of this size
        first = next;
    }
    r.First = first;
    return r;
}
