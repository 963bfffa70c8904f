// SPDX-License-Identifier: MIT
#include "ScaleEnds.h"

#include <cmath>
#include <initializer_list>

double RoundScaleEnd(double value, double smallest) {
    if (!(value > smallest) || !std::isfinite(value)) return smallest;
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {1.0, 2.0, 5.0}) {
        // a value that is itself round (500, 0.2) keeps its end
        if (step * decade >= value * (1 - 1e-12)) return step * decade;
    }
    return 10 * decade;
}
