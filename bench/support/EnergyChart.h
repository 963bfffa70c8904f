// SPDX-License-Identifier: MIT
#pragma once
// The main window's energy chart, set up as the window sets it up: 392 x 410 pixels, margins
// 50/20/20/40, both axes of layer 1 visible from 0 to 500 with their captions, the chart caption
// right-aligned above the plot.

#include <QWidget>

#include "TComponent.h"
#include "TPlotica.h"
#include "TScaleProps.h"

namespace bench {

struct TEnergyChart {
    QWidget Form;
    TPlotica* Chart;

    TEnergyChart() {
        Form.resize(392, 410);
        TLoadingScope loading;
        Chart = loading.Add(new TPlotica(&Form));
        Chart->SetAllocSize(1000);
        Chart->SetAutoRedraw(true);
        Chart->SetMarginLeft(50);
        Chart->SetMarginRight(20);
        Chart->SetMarginTop(20);
        Chart->SetMarginBottom(40);
        Chart->SetGridStyle(gsNone);
        Chart->SetShadowStyle(ssFlying);
        Chart->SetShadowColor(clGrayText);
        Chart->SetShadowBakColor(clBtnFace);
        for (int n = 2; n <= 4; ++n) {
            Chart->ScalePropsX(n)->SetVisible(false);
            Chart->ScalePropsY(n)->SetVisible(false);
        }
        Chart->SetCaption(QStringLiteral("Energy / Height"));
        Chart->SetCaptionAlignment(taRightJustify);
        Chart->SetCaptionPosY(-16);
        Chart->Scale1X()->SetVisible(true);
        Chart->Scale1X()->SetCaption(QStringLiteral("[m]"));
        Chart->Scale1X()->SetRangeLow(0);
        Chart->Scale1X()->SetRangeHigh(500);
        Chart->Scale1Y()->SetVisible(true);
        Chart->Scale1Y()->SetCaption(QStringLiteral("[kJ]"));
        Chart->Scale1Y()->SetRangeLow(0);
        Chart->Scale1Y()->SetRangeHigh(500);
        Chart->SetBounds(0, 0, 392, 410);
        loading.End();
        Chart->HandleNeeded();
    }
    TPlotica* operator->() const { return Chart; }
};

}  // namespace bench
