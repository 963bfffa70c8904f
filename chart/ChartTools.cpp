// SPDX-License-Identifier: MIT
// The drag tools that move the layers' ranges: panning and zooming by dragging.

#include "ChartTools.h"

#include <algorithm>
#include <cmath>

#include "PloticaCursors.h"
#include "TCustomPlotica.h"
#include "TScaleProps.h"

namespace {

// One axis of a pan step. `moved` is the pointer's movement in pixels towards the axis's low end
// on screen (x: start - x; y: y - start), `extent` the data area's size along the axis. A linear
// axis shifts by the share of its current span; a logarithmic one by a factor.
void PanAxis(bool logarithmic, double lo0, double hi0, double lo, double hi, int moved, int extent,
             double& newLo, double& newHi) {
    if (logarithmic) {
        const double f = std::exp(std::log(hi / lo) * moved / extent);
        if (std::isfinite(f) && f > 0) {
            newLo = lo0 * f;
            newHi = hi0 * f;
        } else {  // range ends without a logarithm: the axis stays
            newLo = lo;
            newHi = hi;
        }
        return;
    }
    const double shift = (hi - lo) * moved / extent;
    newLo = lo0 + shift;
    newHi = hi0 + shift;
}

// One axis of a zoom-drag step: the saved range scaled by f around its centre. A logarithmic
// axis cannot take a range end at or below 1e-100; it keeps its current range then.
void ZoomAxis(bool logarithmic, double lo0, double hi0, double lo, double hi, double f, double& newLo,
              double& newHi) {
    const double c = (hi0 + lo0) / 2, h = (hi0 - lo0) * f / 2;
    newLo = c - h;
    newHi = c + h;
    if (logarithmic && !(std::min(newLo, newHi) >= 1e-100)) {
        newLo = lo;
        newHi = hi;
    }
}

}  // namespace

void TChartTool::WithOnePaint(const std::function<void()>& change) {
    const bool wasSuppressed = FChart.PaintSuppressed();
    FChart.SetPaintSuppressed(true);
    change();
    FChart.SetPaintSuppressed(wasSuppressed);
}

void TDragTool::MouseMove(TShiftState shift, int x, int y) {
    if (!InShift(shift, ssLeft)) {
        FActive = false;
        return;
    }
    if (FActive) {
        Step(x, y);
        return;
    }
    FStart = QPoint(x, y);
    for (int i = 1; i <= PloticaLayerCount; ++i) {
        const TScaleProps& sx = *FChart.ScalePropsX(i);
        const TScaleProps& sy = *FChart.ScalePropsY(i);
        FLayers[i] = {sx.RangeLow(), sx.RangeHigh(), sy.RangeLow(), sy.RangeHigh()};
    }
    Start(x, y);
    FActive = true;
}

int TPanTool::Cursor() const {
    return pcHand;
}

// Each step starts again from the ranges the drag began with; over the margins the drag stays
// alive but nothing moves.
void TPanTool::Step(int x, int y) {
    if (!FChart.InDataArea(x, y)) return;
    const int w = FChart.DataAreaWidth(), h = FChart.DataAreaHeight();
    if (w <= 0 || h <= 0) return;  // no data area to measure the movement against
    const TMouseActMode mode = FChart.MouseAction();
    WithOnePaint([&] {
        for (int i = 1; i <= PloticaLayerCount; ++i) {
            if (!FChart.MouseLayer(i)) continue;
            const TLayerStart& s = FLayers[i];
            const TScaleProps& sx = *FChart.ScalePropsX(i);
            const TScaleProps& sy = *FChart.ScalePropsY(i);
            double xl = sx.RangeLow(), xh = sx.RangeHigh(), yl = sy.RangeLow(), yh = sy.RangeHigh();
            if (mode != maPanVert)
                PanAxis(sx.Logarithmic(), s.XLow, s.XHigh, xl, xh, FStart.x() - x, w, xl, xh);
            if (mode != maPanHoriz)
                PanAxis(sy.Logarithmic(), s.YLow, s.YHigh, yl, yh, y - FStart.y(), h, yl, yh);
            FChart.SetLayerRanges(i, xl, xh, yl, yh);
        }
    });
    Fire(FChart.OnZoomPan, &FChart);
}

int TZoomDragTool::Cursor() const {
    return pcZoomDrag;
}

// The movement is measured against the whole control.
void TZoomDragTool::Step(int x, int y) {
    if (!FChart.InDataArea(x, y)) return;
    WithOnePaint([&] {
        for (int i = 1; i <= PloticaLayerCount; ++i) {
            if (!FChart.MouseLayer(i)) continue;
            const TLayerStart& s = FLayers[i];
            const double fx = 1.0 - double(x - FStart.x()) / FChart.width();
            const double fy = FChart.Isometric() ? fx : 1.0 + double(y - FStart.y()) / FChart.height();
            const TScaleProps& sx = *FChart.ScalePropsX(i);
            const TScaleProps& sy = *FChart.ScalePropsY(i);
            double xl, xh, yl, yh;
            ZoomAxis(sx.Logarithmic(), s.XLow, s.XHigh, sx.RangeLow(), sx.RangeHigh(), fx, xl, xh);
            ZoomAxis(sy.Logarithmic(), s.YLow, s.YHigh, sy.RangeLow(), sy.RangeHigh(), fy, yl, yh);
            FChart.SetLayerRanges(i, xl, xh, yl, yh);
        }
    });
    Fire(FChart.OnZoomPan, &FChart);
}
