// SPDX-License-Identifier: MIT
#pragma once
// The chart's thirty text labels, drawn onto the data area from label 30 down to label 1, so that
// label 1 lies on top. A label's anchor is found in one place, for drawing and for the mouse.

#include <QRect>
#include <QStringList>
#include <array>

#include "ChartPart.h"

class TTextLabel;

class TTextLabelsPart : public TChartPart {
public:
    // the chart's labels, 1..30 (index 0 unused)
    explicit TTextLabelsPart(const std::array<TTextLabel*, PloticaTextLabelCount + 1>& labels);

    void Render(TCanvas& canvas, const TChartView& view) override;
    bool Contains(const TChartView& view, QPoint pixel) const override;

    TTextLabel* Label(int n) const { return n >= 1 && n <= PloticaTextLabelCount ? FLabels[n] : nullptr; }
    // Where label n is attached, in control pixels: its world position in its layer for the
    // attached coordinates, its pixel position (rounded) for the others.
    static QPoint Anchor(const TChartView& view, const TTextLabel& label);
    // whether label n is drawn at all
    static bool Shown(const TChartView& view, const TTextLabel& label);

private:
    // a label's text block as drawn: lines, their common width and height, the aligned anchor
    // (control pixels) and the box around the text
    struct TBlock {
        QStringList Lines;
        int Width = 0;
        int LineHeight = 0;
        QPoint Anchor;
        QRect Box;
    };
    static TBlock Layout(const TChartView& view, const TTextLabel& label, const TCanvas& measure);
    std::array<TTextLabel*, PloticaTextLabelCount + 1> FLabels;
};
