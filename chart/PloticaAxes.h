// SPDX-License-Identifier: MIT
#pragma once
// The chart's 32 embedded axis controls: one horizontal and one vertical per layer. They never
// become windows of their own: they are owned here, have no parent widget, are sized with the
// chart, and paint only when the chart renders, onto its control bitmap.

#include <array>
#include <memory>
#include <vector>

#include "PloticaTypes.h"

class TCustomPlotica;
class TCanvas;
class TScale;

class TPloticaAxes {
public:
    explicit TPloticaAxes(TCustomPlotica& chart);
    ~TPloticaAxes();
    TPloticaAxes(const TPloticaAxes&) = delete;
    TPloticaAxes& operator=(const TPloticaAxes&) = delete;

    // Copies the layer's axis settings into its control and places its axis line.
    void Forward(int layer, bool horizontal);
    // The margins of the controls that follow the chart's margins and shadow width.
    void SetLeftMargins();
    void SetRightMargins();
    void SetTopMargins();
    void SetBottomMargins();
    void SetAllMargins();
    // Every control as large as the chart.
    void SetSizes(int width, int height);
    // The first-time settings: transparent, in the chart's window colour, without a frame.
    void Embed();
    // Paints the horizontal controls of layers 1..16, then the vertical ones, onto the chart's
    // picture, or onto another canvas (vector output) the controls are pointed at for the time.
    void RenderAll(TCanvas* onto = nullptr);
    // The tick values the layer's control computed at its last paint (for the grid).
    std::vector<double> TickValues(int layer, bool horizontal) const;

    TScale* Control(int layer, bool horizontal) const;

private:
    TCustomPlotica& FChart;
    std::array<std::unique_ptr<TScale>, PloticaLayerCount + 1> FX;
    std::array<std::unique_ptr<TScale>, PloticaLayerCount + 1> FY;
};
