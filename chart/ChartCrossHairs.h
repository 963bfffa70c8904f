// SPDX-License-Identifier: MIT
#pragma once
// The chart's four cross-hairs: lines through a point of their layer across the data area, never
// inside the margins. They are drawn over the finished data area on every paint, never kept in a
// picture that a later refresh reuses.

#include <array>

#include "ChartPart.h"

class TCrossHair;

class TCrossHairsPart : public TChartPart {
public:
    // the chart's cross-hairs, 1..4 (index 0 unused)
    explicit TCrossHairsPart(const std::array<TCrossHair*, PloticaCrossHairCount + 1>& crossHairs);

    void Render(TCanvas& canvas, const TChartView& view) override;
    bool Contains(const TChartView& view, QPoint pixel) const override;

    TCrossHair* CrossHair(int n) const {
        return n >= 1 && n <= PloticaCrossHairCount ? FCrossHairs[n] : nullptr;
    }
    // where cross-hair n crosses: its point in control pixels
    QPoint Pixel(const TChartView& view, int n) const;

private:
    // the lines of cross-hair n as drawn: start and end (excluded) of each; false when not drawn
    bool HorizontalLine(const TChartView& view, int n, QPoint& from, QPoint& to) const;
    bool VerticalLine(const TChartView& view, int n, QPoint& from, QPoint& to) const;
    std::array<TCrossHair*, PloticaCrossHairCount + 1> FCrossHairs;
};
