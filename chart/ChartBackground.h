// SPDX-License-Identifier: MIT
#pragma once
// The background of the data area: the chart colour, an image in one of three fill modes, or a
// marked area in world coordinates of layer 1. The image file is read on every paint; a file that
// cannot be read is forgotten.

#include "ChartPart.h"
#include "TBitmap.h"

class TBakGndImg;

class TBackgroundPart : public TChartPart {
public:
    explicit TBackgroundPart(TBakGndImg& settings);

    // Paints onto the data-area bitmap's canvas, all of it.
    void Render(TCanvas& canvas, const TChartView& view) override;
    bool Contains(const TChartView& view, QPoint pixel) const override;

private:
    bool RenderImage(TCanvas& canvas);
    void RenderMarkedArea(TCanvas& canvas, const TChartView& view);
    TBakGndImg& FSettings;
    TBitmap FImage;  // the image file as last read
};
