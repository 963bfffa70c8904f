// The zoom window: a left press in the data area opens it, the pointer drags its corner as an
// exclusive-or rectangle on the control's picture, and the release applies it (left) or drops it
// (right). The chart itself is not repainted while the rectangle moves.

#include <algorithm>
#include <utility>

#include "TCustomPlotica.h"
#include "TScaleProps.h"

void TCustomPlotica::OpenZoomWindow(int x, int y) {
    FZoomWindowActive = true;
    FZoomWindowStart = FZoomWindowCorner = QPoint(x, y);
    DrawZoomWindow();
}

void TCustomPlotica::MoveZoomWindow(int x, int y) {
    const int left = FMarginLeft, right = width() - FMarginRight - FShadowWidth;
    const int top = FMarginTop, bottom = height() - FMarginBottom - FShadowWidth;
    x = std::max(left, std::min(x, right));
    if (FIsometric) {
        // a square window: the corner keeps the side the pointer is on
        const int sx = FZoomWindowStart.x(), sy = FZoomWindowStart.y();
        const int dx = x - sx;
        y = static_cast<long long>(y - sy) * dx > 0 ? sy + dx : sy - dx;
    }
    y = std::max(top, std::min(y, bottom));
    EraseZoomWindow();
    FZoomWindowCorner = QPoint(x, y);
    DrawZoomWindow();
}

void TCustomPlotica::CloseZoomWindow(TMouseButton button) {
    if (button == mbMiddle) return;  // the window stays open
    EraseZoomWindow();
    if (button == mbLeft && FZoomWindowStart.x() != FZoomWindowCorner.x() &&
        FZoomWindowStart.y() != FZoomWindowCorner.y())
        ApplyZoomWindow();
    FZoomWindowActive = false;
}

void TCustomPlotica::ApplyZoomWindow() {
    const bool wasSuppressed = PaintSuppressed();
    SetPaintSuppressed(true);
    for (int i = 1; i <= PloticaLayerCount; ++i) {
        if (!FMouseLayers[i]) continue;
        double x1, y1, x2, y2;
        PixelToWorld(i, FZoomWindowStart.x(), FZoomWindowStart.y(), x1, y1);
        PixelToWorld(i, FZoomWindowCorner.x(), FZoomWindowCorner.y(), x2, y2);
        if (FMouseAction == maZoomWindPos) {
            // the new ranges keep each axis's direction, whichever corner the window began at
            const bool xUp = FScaleX[i]->RangeLow() < FScaleX[i]->RangeHigh();
            const bool xDown = FScaleX[i]->RangeLow() > FScaleX[i]->RangeHigh();
            if ((x2 < x1 && xUp) || (x2 > x1 && xDown)) std::swap(x1, x2);
            const bool yUp = FScaleY[i]->RangeLow() < FScaleY[i]->RangeHigh();
            const bool yDown = FScaleY[i]->RangeLow() > FScaleY[i]->RangeHigh();
            if ((y2 < y1 && yUp) || (y2 > y1 && yDown)) std::swap(y1, y2);
        }
        SetLayerRanges(i, x1, x2, y1, y2);
    }
    SetPaintSuppressed(wasSuppressed);
    Fire(OnZoomPan, this);
}

// Drawing the same rectangle twice leaves the picture as it was. A picture painted anew in between
// no longer holds the rectangle: then there is nothing to erase.
void TCustomPlotica::DrawZoomWindow() {
    if (Picture().isNull()) return;
    XorZoomRectangle();
    FZoomWindowDrawnOn = Picture().cacheKey();
}

void TCustomPlotica::EraseZoomWindow() {
    if (FZoomWindowDrawnOn != 0 && FZoomWindowDrawnOn == Picture().cacheKey()) XorZoomRectangle();
    FZoomWindowDrawnOn = 0;
}

void TCustomPlotica::XorZoomRectangle() {
    TCanvas& c = Canvas();
    c.Pen = TCanvasPen{clWhite, 1, psSolid, pmXor};
    c.Brush.Style = bsClear;
    c.Rectangle(FZoomWindowStart.x(), FZoomWindowStart.y(), FZoomWindowCorner.x(), FZoomWindowCorner.y());
    c.Pen.Mode = pmCopy;
    c.Brush.Style = bsSolid;
    c.Release();
    update(QRect(FZoomWindowStart, FZoomWindowCorner).normalized());
}
