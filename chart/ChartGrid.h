// SPDX-License-Identifier: MIT
#pragma once
// The grid of the data area, in the axes of the current layer: explicit steps, logarithmic
// decades (1-2-5 and 1..9 steps), or the tick values of the layer's axis control.

#include <vector>

#include "ChartPart.h"

class TGridPart : public TChartPart {
public:
    void Render(TCanvas& canvas, const TChartView& view) override;
    bool Contains(const TChartView& view, QPoint pixel) const override;

    // the settings, as the chart's GridColor, GridStyle, GridDx and GridDy publish them
    TColor Color = 0;
    GridStyleType Style = gsNone;
    double Dx = 0;  // a spacing in world units, 0 for the axis ticks, -1..-3 for decades
    double Dy = 0;

    static constexpr int MaxLines = 1000;  // a tiny step must not hang the paint

private:
    // the grid values of both axes (each empty when the style draws none along it)
    void Values(const TChartView& view, std::vector<double>& xs, std::vector<double>& ys) const;
};
