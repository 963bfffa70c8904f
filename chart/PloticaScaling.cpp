// SPDX-License-Identifier: MIT
// Layers and mapping: the conversion factors of the sixteen layers, world <-> pixel conversion,
// and range changes that joined layers follow.

#include <algorithm>

#include "PloticaAxes.h"
#include "PloticaPrivate.h"
#include "ScaleRange.h"
#include "TJointLayers.h"
#include "TScaleProps.h"

int TCustomPlotica::DataAreaWidth() const {
    return d->DataAreaWidth();
}
int TCustomPlotica::DataAreaHeight() const {
    return d->DataAreaHeight();
}

void TCustomPlotica::UpdateScaling() {
    if (IsLoading()) return;
    const int w = width(), h = height();
    const long double left = d->MarginLeft, right = w - d->MarginRight - d->ShadowWidth;
    const long double top = d->MarginTop, bottom = h - d->MarginBottom - d->ShadowWidth;
    const bool hasWidth = DataAreaWidth() > 0, hasHeight = DataAreaHeight() > 0;
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        TAxisMapping& mx = d->Mapping[n].X;
        TAxisMapping& my = d->Mapping[n].Y;
        mx.Log = d->ScaleX[n]->Logarithmic();
        mx.Extent = w;
        mx.IsY = false;
        mx.Set(d->ScaleX[n]->RangeLow(), d->ScaleX[n]->RangeHigh(), left, right, hasWidth, w / 2.0L);
        my.Log = d->ScaleY[n]->Logarithmic();
        my.Extent = h;
        my.IsY = true;
        my.Set(d->ScaleY[n]->RangeLow(), d->ScaleY[n]->RangeHigh(), bottom, top, hasHeight, h / 2.0L);
    }
}

void TCustomPlotica::WorldToPixel(int layer, double x, double y, int& px, int& py) const {
    const TLayerMapping& m = d->Mapping[ClampLayer(layer)];
    px = m.X.ToPixel(x);
    py = m.Y.ToPixel(y);
}

QPoint TCustomPlotica::WorldToPixel(int layer, double x, double y) const {
    int px, py;
    WorldToPixel(layer, x, y, px, py);
    return QPoint(px, py);
}

void TCustomPlotica::PixelToWorld(int layer, int px, int py, double& x, double& y) const {
    const TLayerMapping& m = d->Mapping[ClampLayer(layer)];
    x = m.X.ToWorld(px);
    y = m.Y.ToWorld(py);
}

void TCustomPlotica::ApplyLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh) {
    layer = ClampLayer(layer);
    d->ScaleX[layer]->StoreRange(xLow, xHigh);
    d->ScaleY[layer]->StoreRange(yLow, yHigh);
    d->Axes->Forward(layer, true);
    d->Axes->Forward(layer, false);
    UpdateScaling();
}

void TCustomPlotica::SetLayerRanges(int n, double xLow, double xHigh, double yLow, double yHigh) {
    if (n < 1 || n > PloticaLayerCount) return;
    const bool wasSuppressed = d->PaintSuppressed;
    d->PaintSuppressed = true;
    // a joined axis cannot be moved on its own
    if (d->JointLayers->ControlledBy(TJointLayers::axX, n) != n) {
        xLow = d->ScaleX[n]->RangeLow();
        xHigh = d->ScaleX[n]->RangeHigh();
    }
    if (d->JointLayers->ControlledBy(TJointLayers::axY, n) != n) {
        yLow = d->ScaleY[n]->RangeLow();
        yHigh = d->ScaleY[n]->RangeHigh();
    }
    // the axes' one rule: a range that breaks it leaves that axis as it was
    if (!RangeAllowed(xLow, xHigh, d->ScaleX[n]->Logarithmic())) {
        xLow = d->ScaleX[n]->RangeLow();
        xHigh = d->ScaleX[n]->RangeHigh();
    }
    if (!RangeAllowed(yLow, yHigh, d->ScaleY[n]->Logarithmic())) {
        yLow = d->ScaleY[n]->RangeLow();
        yHigh = d->ScaleY[n]->RangeHigh();
    }
    ApplyLayerRanges(n, xLow, xHigh, yLow, yHigh);
    for (int i = 1; i <= PloticaLayerCount; ++i) {
        if (i == n) continue;
        const int cx = d->JointLayers->ControlledBy(TJointLayers::axX, i);
        const int cy = d->JointLayers->ControlledBy(TJointLayers::axY, i);
        if (cx != n && cy != n) continue;
        ApplyLayerRanges(i, d->ScaleX[cx]->RangeLow(), d->ScaleX[cx]->RangeHigh(), d->ScaleY[cy]->RangeLow(),
                         d->ScaleY[cy]->RangeHigh());
    }
    SetPaintSuppressed(wasSuppressed);
}
