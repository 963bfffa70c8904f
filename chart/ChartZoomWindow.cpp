// SPDX-License-Identifier: MIT
// The zoom window tool.

#include <algorithm>
#include <utility>

#include "ChartTools.h"
#include "PloticaCursors.h"
#include "TCustomPlotica.h"
#include "TScaleProps.h"

int TZoomWindowTool::Cursor() const {
    return FChart.MouseAction() == maZoomWindPos ? pcZoomWindPos : pcZoomWind;
}

void TZoomWindowTool::MouseDown(TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft || !FChart.InDataArea(x, y) || FActive) return;
    FActive = true;
    FStart = FCorner = QPoint(x, y);
    Draw();
}

// Every movement while the window is open moves its corner, whatever the buttons.
void TZoomWindowTool::MouseMove(TShiftState, int x, int y) {
    if (!FActive) return;
    const int left = FChart.MarginLeft(),
              right = FChart.width() - FChart.MarginRight() - FChart.ShadowWidth();
    const int top = FChart.MarginTop(),
              bottom = FChart.height() - FChart.MarginBottom() - FChart.ShadowWidth();
    x = std::max(left, std::min(x, right));
    if (FChart.Isometric()) {
        // a square window: the corner keeps the side the pointer is on
        const int dx = x - FStart.x();
        y = static_cast<long long>(y - FStart.y()) * dx > 0 ? FStart.y() + dx : FStart.y() - dx;
    }
    y = std::max(top, std::min(y, bottom));
    Erase();
    FCorner = QPoint(x, y);
    Draw();
}

void TZoomWindowTool::MouseUp(TMouseButton button, TShiftState, int, int) {
    if (FActive) Close(button);
}

void TZoomWindowTool::Cancel() {
    if (FActive) Close(mbRight);
}

void TZoomWindowTool::Close(TMouseButton button) {
    if (button == mbMiddle) return;  // the window stays open
    Erase();
    if (button == mbLeft && FStart.x() != FCorner.x() && FStart.y() != FCorner.y()) Apply();
    FActive = false;
}

void TZoomWindowTool::Apply() {
    const bool keepDirections = FChart.MouseAction() == maZoomWindPos;
    WithOnePaint([&] {
        for (int i = 1; i <= PloticaLayerCount; ++i) {
            if (!FChart.MouseLayer(i)) continue;
            double x1, y1, x2, y2;
            FChart.PixelToWorld(i, FStart.x(), FStart.y(), x1, y1);
            FChart.PixelToWorld(i, FCorner.x(), FCorner.y(), x2, y2);
            if (keepDirections) {
                // the new ranges keep each axis's direction, whichever corner the window began at
                const TScaleProps& sx = *FChart.ScalePropsX(i);
                const TScaleProps& sy = *FChart.ScalePropsY(i);
                const bool xUp = sx.RangeLow()<sx.RangeHigh(), xDown = sx.RangeLow()> sx.RangeHigh();
                if ((x2 < x1 && xUp) || (x2 > x1 && xDown)) std::swap(x1, x2);
                const bool yUp = sy.RangeLow()<sy.RangeHigh(), yDown = sy.RangeLow()> sy.RangeHigh();
                if ((y2 < y1 && yUp) || (y2 > y1 && yDown)) std::swap(y1, y2);
            }
            FChart.SetLayerRanges(i, x1, x2, y1, y2);
        }
    });
    Fire(FChart.OnZoomPan, &FChart);
}

// Drawing the same rectangle twice leaves the picture as it was. A picture painted anew in between
// no longer holds the rectangle: then there is nothing to erase.
void TZoomWindowTool::Draw() {
    if (FChart.Picture().isNull()) return;
    XorRectangle();
    FDrawnOn = FChart.Picture().cacheKey();
}

void TZoomWindowTool::Erase() {
    if (FDrawnOn != 0 && FDrawnOn == FChart.Picture().cacheKey()) XorRectangle();
    FDrawnOn = 0;
}

void TZoomWindowTool::XorRectangle() {
    TCanvas& c = FChart.Canvas();
    c.Pen = TCanvasPen{clWhite, 1, psSolid, pmXor};
    c.Brush.Style = bsClear;
    c.Rectangle(FStart.x(), FStart.y(), FCorner.x(), FCorner.y());
    c.Pen.Mode = pmCopy;
    c.Brush.Style = bsSolid;
    c.Release();
    FChart.Blit(QRect(FStart, FCorner).normalized());
}
