// Layers and mapping: the conversion factors of the sixteen layers, world <-> pixel conversion,
// and range changes that joined layers follow.

#include <algorithm>

#include "PloticaAxes.h"
#include "TCustomPlotica.h"
#include "TJointLayers.h"
#include "TScaleProps.h"

int TCustomPlotica::DataAreaWidth() const {
    return width() - FMarginLeft - FMarginRight - FShadowWidth;
}
int TCustomPlotica::DataAreaHeight() const {
    return height() - FMarginTop - FMarginBottom - FShadowWidth;
}

void TCustomPlotica::UpdateScaling() {
    if (IsLoading()) return;
    const int w = width(), h = height();
    const long double left = FMarginLeft, right = w - FMarginRight - FShadowWidth;
    const long double top = FMarginTop, bottom = h - FMarginBottom - FShadowWidth;
    const bool hasWidth = DataAreaWidth() > 0, hasHeight = DataAreaHeight() > 0;
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        TAxisMapping& mx = FMapping[n].X;
        TAxisMapping& my = FMapping[n].Y;
        mx.Log = FScaleX[n]->Logarithmic();
        mx.Extent = w;
        mx.IsY = false;
        mx.Set(FScaleX[n]->RangeLow(), FScaleX[n]->RangeHigh(), left, right, hasWidth, w / 2.0L);
        my.Log = FScaleY[n]->Logarithmic();
        my.Extent = h;
        my.IsY = true;
        my.Set(FScaleY[n]->RangeLow(), FScaleY[n]->RangeHigh(), bottom, top, hasHeight, h / 2.0L);
    }
}

void TCustomPlotica::WorldToPixel(int layer, double x, double y, int& px, int& py) const {
    const TLayerMapping& m = FMapping[ClampLayer(layer)];
    px = m.X.ToPixel(x);
    py = m.Y.ToPixel(y);
}

QPoint TCustomPlotica::WorldToPixel(int layer, double x, double y) const {
    int px, py;
    WorldToPixel(layer, x, y, px, py);
    return QPoint(px, py);
}

void TCustomPlotica::PixelToWorld(int layer, int px, int py, double& x, double& y) const {
    const TLayerMapping& m = FMapping[ClampLayer(layer)];
    x = m.X.ToWorld(px);
    y = m.Y.ToWorld(py);
}

void TCustomPlotica::ApplyLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh) {
    layer = ClampLayer(layer);
    FScaleX[layer]->StoreRange(xLow, xHigh);
    FScaleY[layer]->StoreRange(yLow, yHigh);
    FAxes->Forward(layer, true);
    FAxes->Forward(layer, false);
    UpdateScaling();
}

void TCustomPlotica::SetLayerRanges(int n, double xLow, double xHigh, double yLow, double yHigh) {
    if (n < 1 || n > PloticaLayerCount) return;
    const bool wasSuppressed = FPaintSuppressed;
    FPaintSuppressed = true;
    // a joined axis cannot be moved on its own
    if (FJointLayers->ControlledBy(TJointLayers::axX, n) != n) {
        xLow = FScaleX[n]->RangeLow();
        xHigh = FScaleX[n]->RangeHigh();
    }
    if (FJointLayers->ControlledBy(TJointLayers::axY, n) != n) {
        yLow = FScaleY[n]->RangeLow();
        yHigh = FScaleY[n]->RangeHigh();
    }
    ApplyLayerRanges(n, xLow, xHigh, yLow, yHigh);
    for (int i = 1; i <= PloticaLayerCount; ++i) {
        if (i == n) continue;
        const int cx = FJointLayers->ControlledBy(TJointLayers::axX, i);
        const int cy = FJointLayers->ControlledBy(TJointLayers::axY, i);
        if (cx != n && cy != n) continue;
        ApplyLayerRanges(i, FScaleX[cx]->RangeLow(), FScaleX[cx]->RangeHigh(), FScaleY[cy]->RangeLow(),
                         FScaleY[cy]->RangeHigh());
    }
    SetPaintSuppressed(wasSuppressed);
}
