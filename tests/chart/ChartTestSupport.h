// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the chart tests: a chart of a given size that may paint, and pixel access.

#include <QImage>
#include <memory>

#include "TPlotica.h"

namespace charttest {

// A chart of w x h pixels with the given margins, its window "created" so that it paints, the
// layer-1 axes hidden and the ranges 0..100 in both directions.
inline std::unique_ptr<TPlotica> MakeChart(int w, int h, int left = 50, int right = 20, int top = 20,
                                           int bottom = 40) {
    auto chart = std::make_unique<TPlotica>();
    chart->SetMarginLeft(left);
    chart->SetMarginRight(right);
    chart->SetMarginTop(top);
    chart->SetMarginBottom(bottom);
    chart->SetBounds(0, 0, w, h);
    chart->Scale1X()->SetVisible(false);
    chart->Scale1Y()->SetVisible(false);
    chart->Scale1X()->SetRangeLow(0);
    chart->Scale1X()->SetRangeHigh(100);
    chart->Scale1Y()->SetRangeLow(0);
    chart->Scale1Y()->SetRangeHigh(100);
    chart->HandleNeeded();
    return chart;
}

// The colour of a pixel of the chart's picture as 0x00BBGGRR.
inline TColor PixelOf(TPlotica& chart, int x, int y) {
    const QRgb p = chart.Picture().pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

// A colour as the pixels show it (system colours resolved).
inline TColor Shade(TColor c) {
    const QRgb p = ColorToRgb(c);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

inline TColor PixelOf(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

}  // namespace charttest
