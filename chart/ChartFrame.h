// SPDX-License-Identifier: MIT
#pragma once
// The chart around its data area: the window colour, the drop shadow and the caption, painted onto
// the control's picture before the axes.

#include <QRect>
#include <QString>

#include "ChartPart.h"
#include "Enums.h"

class TFramePart : public TChartPart {
public:
    void Render(TCanvas& canvas, const TChartView& view) override;
    // outside the data area, or on the caption
    bool Contains(const TChartView& view, QPoint pixel) const override;

    // the settings, as the chart publishes them (the standard layout places the caption anew)
    TColor WindColor = clBtnFace;
    TShadowStyle ShadowStyle = ssFlying;
    TColor ShadowColor = clGrayText;
    TColor ShadowBakColor = clBtnFace;
    QString Caption;
    int CaptionPosX = 0;
    int CaptionPosY = -15;
    TAlignment CaptionAlignment = taRightJustify;
    TCaptionAnchorHoriz CaptionAnchorHoriz = cahChartRight;
    TCaptionAnchorVert CaptionAnchorVert = cavChartTop;

private:
    void RenderShadow(TCanvas& canvas, int w, int h, int s);
    // the caption's top-left corner for a text of width tw (control pixels)
    QPoint CaptionAt(const TChartView& view, int tw) const;
    QRect CaptionBox(const TChartView& view) const;
};
