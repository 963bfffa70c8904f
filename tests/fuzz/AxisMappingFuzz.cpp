// SPDX-License-Identifier: MIT
// The conversion of one chart axis between world values and pixels, with any ends, pixels and
// values, NaN and infinities included: it never fails, the quick double path gives the pixel the
// extended-precision one gives, and well-conditioned ends land on their pixels.
//
// Input: flags (logarithmic, vertical, a data area with extent), the extent, the two ends, their
// pixels, the middle, then values.

#include <cmath>
#include <cstdint>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "PloticaMapping.h"

namespace {

// A world value: any bit pattern, or a plain number most of the time.
double World(TFuzzInput& Input) {
    const std::uint8_t form = Input.Byte();
    if (form < 64) return Input.Real();
    return Input.Int() * std::pow(10.0, (form % 41) - 20);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TFuzzInput input(Data, Size);
    TAxisMapping axis;
    const std::uint8_t flags = input.Byte();
    axis.Log = flags & 1;
    axis.IsY = flags & 2;
    axis.Extent = input.Int();
    const double lo = World(input), hi = World(input);
    const int pLo = input.Small(-100000, 100000), pHi = input.Small(-100000, 100000);
    axis.Set(lo, hi, pLo, pHi, flags & 4, input.Small(-100000, 100000));
    for (int i = 0; i < 8 && !input.AtEnd(); ++i) {
        const double v = World(input);
        const std::int32_t quick = axis.ToPixel(v);
        if (!axis.Log)
            FUZZ_CHECK(
                quick == axis.ToPixelExact(v),
                QStringLiteral("%1 gives %2 and %3").arg(v, 0, 'g', 17).arg(quick).arg(axis.ToPixelExact(v)));
        axis.ToWorld(quick);
    }
    if (axis.Log || axis.K == 0 || !std::isfinite(hi - lo)) return 0;
    // well-conditioned ends sit on their pixels
    if (std::max(std::fabs(lo), std::fabs(hi)) < std::fabs(hi - lo) * 1e9 && pLo != pHi)
        FUZZ_CHECK(std::abs(axis.ToPixel(lo) - pLo) <= 1 && std::abs(axis.ToPixel(hi) - pHi) <= 1,
                   QStringLiteral("%1 .. %2 on %3 .. %4: %5 .. %6")
                       .arg(lo, 0, 'g', 17)
                       .arg(hi, 0, 'g', 17)
                       .arg(pLo)
                       .arg(pHi)
                       .arg(axis.ToPixel(lo))
                       .arg(axis.ToPixel(hi)));
    return 0;
}
