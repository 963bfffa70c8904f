// SPDX-License-Identifier: MIT
// Dragging a cross-hair or a text label: the first movement of the drag picks the nearest one,
// every following movement moves it to the pointer, wherever over the control.

#include "ChartCrossHairs.h"
#include "ChartTextLabels.h"
#include "ChartTools.h"
#include "PloticaCursors.h"
#include "TCrossHair.h"
#include "TCustomPlotica.h"
#include "TTextLabel.h"

namespace {

double Square(double v) {
    return v * v;
}

}  // namespace

int TCrossHairDragTool::Cursor() const {
    return pcDefault;
}

// The nearest line wins: a vertical line by its x distance, a horizontal one by its y distance;
// ties keep the lower number, and with no line shown cross-hair 1 is taken.
void TCrossHairDragTool::Start(int x, int y) {
    const TChartView view = FViews.View();
    FActiveCrossHair = 1;
    double best = 1.7e308;
    for (int i = 1; i <= PloticaCrossHairCount; ++i) {
        const TCrossHair& ch = *FCrossHairs.CrossHair(i);
        const QPoint p = FCrossHairs.Pixel(view, i);
        if (ch.Mode() == chVert || ch.Mode() == chBoth) {
            const double d = Square(p.x() - double(x));
            if (d < best) {
                FActiveCrossHair = i;
                best = d;
            }
        }
        if (ch.Mode() == chHoriz || ch.Mode() == chBoth) {
            const double d = Square(p.y() - double(y));
            if (d < best) {
                FActiveCrossHair = i;
                best = d;
            }
        }
    }
}

void TCrossHairDragTool::Step(int x, int y) {
    TCrossHair* ch = FCrossHairs.CrossHair(FActiveCrossHair);
    double wx, wy;
    FChart.PixelToWorld(ch->Layer(), x, y, wx, wy);
    WithOnePaint([&] {  // one repaint for both coordinates
        ch->SetPosX(wx);
        ch->SetPosY(wy);
    });
    Fire(FChart.OnCrossHairMove, &FChart, ch);
}

int TTextLabelDragTool::Cursor() const {
    return pcDefault;
}

// Only shown labels compete; each is found at its anchor.
void TTextLabelDragTool::Start(int x, int y) {
    const TChartView view = FViews.View();
    FActiveTextLabel = 1;
    double best = 1.7e308;
    for (int i = 1; i <= PloticaTextLabelCount; ++i) {
        const TTextLabel& tl = *FLabels.Label(i);
        if (tl.Mode() == tlOff || !tl.Visible()) continue;
        const QPoint p = TTextLabelsPart::Anchor(view, tl);
        const double d = Square(p.x() - double(x)) + Square(p.y() - double(y));
        if (d < best) {
            FActiveTextLabel = i;
            best = d;
        }
    }
}

void TTextLabelDragTool::Step(int x, int y) {
    TTextLabel* tl = FLabels.Label(FActiveTextLabel);
    double wx, wy;
    FChart.PixelToWorld(tl->Layer(), x, y, wx, wy);
    const TTxtLblAttachMode a = tl->AttachToData();
    WithOnePaint([&] {
        tl->SetPosX(a == tlamXOnly || a == tlamBoth ? wx : x);
        tl->SetPosY(a == tlamYOnly || a == tlamBoth ? wy : y);
    });
    Fire(FChart.OnTextLabelMove, &FChart, tl);
}
