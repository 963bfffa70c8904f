// Mouse handling of the chart: the events of every pointer movement, press and release, the drag
// of the pan and zoom-drag modes, the cursor by mode, and the layers the mouse acts on.

#include <algorithm>
#include <cmath>

#include "PloticaCursors.h"
#include "TCustomPlotica.h"
#include "TScaleProps.h"

namespace {

bool IsDragMode(TMouseActMode mode) {
    switch (mode) {
        case maPan:
        case maPanHoriz:
        case maPanVert:
        case maZoomDrag:
        case maDragCrossH:
        case maDragLabel:
            return true;
        default:
            return false;
    }
}

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

// ---- the events ----------------------------------------------------------------------------------

void TCustomPlotica::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TPaintedControl::MouseDown(button, shift, x, y);
    if ((FMouseAction == maZoomWind || FMouseAction == maZoomWindPos) && button == mbLeft &&
        InDataArea(x, y) && !FZoomWindowActive)
        OpenZoomWindow(x, y);
}

void TCustomPlotica::MouseMove(TShiftState shift, int x, int y) {
    TPaintedControl::MouseMove(shift, x, y);
    if (IsDragMode(FMouseAction))
        DragMove(shift, x, y);
    else if ((FMouseAction == maZoomWind || FMouseAction == maZoomWindPos) && FZoomWindowActive)
        MoveZoomWindow(x, y);
    ShowModeCursor(x, y);
    // last: the pointer in world units of the current layer, extrapolated over the margins
    double wx, wy;
    PixelToWorld(FCurrentLayer, x, y, wx, wy);
    Fire(OnMouseMoveInChart, this, InDataArea(x, y), shift, wx, wy);
}

void TCustomPlotica::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TPaintedControl::MouseUp(button, shift, x, y);
    if (FZoomWindowActive) CloseZoomWindow(button);
}

// ---- drags -----------------------------------------------------------------------------------------

// A drag begins with the first movement with the left button held, wherever the button went down,
// and ends with the first movement without it; releasing the button alone does not end it.
void TCustomPlotica::DragMove(TShiftState shift, int x, int y) {
    if (!InShift(shift, ssLeft)) {
        FDragActive = false;
        return;
    }
    if (!FDragActive) {
        StartDrag(x, y);
        return;
    }
    switch (FMouseAction) {
        case maPan:
        case maPanHoriz:
        case maPanVert:
            // over the margins the drag stays alive but nothing moves
            if (InDataArea(x, y)) PanStep(x, y);
            break;
        case maZoomDrag:
            if (InDataArea(x, y)) ZoomDragStep(x, y);
            break;
        case maDragCrossH:
            CrossHairStep(x, y);
            break;
        case maDragLabel:
            TextLabelStep(x, y);
            break;
        default:
            break;
    }
}

void TCustomPlotica::StartDrag(int x, int y) {
    for (int i = 1; i <= PloticaLayerCount; ++i) {
        TDragStart& s = FDragStart[i];
        s.X = x;
        s.Y = y;
        s.XLow = FScaleX[i]->RangeLow();
        s.XHigh = FScaleX[i]->RangeHigh();
        s.YLow = FScaleY[i]->RangeLow();
        s.YHigh = FScaleY[i]->RangeHigh();
    }
    if (FMouseAction == maDragCrossH) PickCrossHair(x, y);
    if (FMouseAction == maDragLabel) PickTextLabel(x, y);
    FDragActive = true;
}

// The content follows the pointer: each step starts again from the ranges the drag began with.
void TCustomPlotica::PanStep(int x, int y) {
    const int w = DataAreaWidth(), h = DataAreaHeight();
    if (w <= 0 || h <= 0) return;  // no data area to measure the movement against
    const bool wasSuppressed = PaintSuppressed();
    SetPaintSuppressed(true);
    for (int i = 1; i <= PloticaLayerCount; ++i) {
        if (!FMouseLayers[i]) continue;
        const TDragStart& s = FDragStart[i];
        const TScaleProps& sx = *FScaleX[i];
        const TScaleProps& sy = *FScaleY[i];
        double xl = sx.RangeLow(), xh = sx.RangeHigh(), yl = sy.RangeLow(), yh = sy.RangeHigh();
        if (FMouseAction != maPanVert) PanAxis(sx.Logarithmic(), s.XLow, s.XHigh, xl, xh, s.X - x, w, xl, xh);
        if (FMouseAction != maPanHoriz)
            PanAxis(sy.Logarithmic(), s.YLow, s.YHigh, yl, yh, y - s.Y, h, yl, yh);
        SetLayerRanges(i, xl, xh, yl, yh);
    }
    SetPaintSuppressed(wasSuppressed);
    Fire(OnZoomPan, this);
}

// Right narrows the x range, left widens it; down widens the y range, up narrows it; the centre of
// the ranges stays. The movement is measured against the whole control.
void TCustomPlotica::ZoomDragStep(int x, int y) {
    const bool wasSuppressed = PaintSuppressed();
    SetPaintSuppressed(true);
    for (int i = 1; i <= PloticaLayerCount; ++i) {
        if (!FMouseLayers[i]) continue;
        const TDragStart& s = FDragStart[i];
        const double fx = 1.0 - double(x - s.X) / width();
        const double fy = FIsometric ? fx : 1.0 + double(y - s.Y) / height();
        const TScaleProps& sx = *FScaleX[i];
        const TScaleProps& sy = *FScaleY[i];
        double xl, xh, yl, yh;
        ZoomAxis(sx.Logarithmic(), s.XLow, s.XHigh, sx.RangeLow(), sx.RangeHigh(), fx, xl, xh);
        ZoomAxis(sy.Logarithmic(), s.YLow, s.YHigh, sy.RangeLow(), sy.RangeHigh(), fy, yl, yh);
        SetLayerRanges(i, xl, xh, yl, yh);
    }
    SetPaintSuppressed(wasSuppressed);
    Fire(OnZoomPan, this);
}

// ---- mode and cursor -----------------------------------------------------------------------------

void TCustomPlotica::SetMouseAction(TMouseActMode v) {
    // a new mode starts afresh: a drag begins again with the next movement, an open window goes
    if (FZoomWindowActive) CloseZoomWindow(mbRight);
    FDragActive = false;
    FMouseAction = v;
}

void TCustomPlotica::ShowModeCursor(int x, int y) {
    int index = pcDefault;
    if (!FMouseCursorFixed && InDataArea(x, y)) {
        switch (FMouseAction) {
            case maNone:
                index = pcCross;
                break;
            case maPan:
            case maPanHoriz:
            case maPanVert:
                index = pcHand;
                break;
            case maZoomWind:
                index = pcZoomWind;
                break;
            case maZoomWindPos:
                index = pcZoomWindPos;
                break;
            case maZoomDrag:
                index = pcZoomDrag;
                break;
            case maDragCrossH:
            case maDragLabel:
                index = pcDefault;
                break;
            default:
                return;  // the modes the chart does not act on leave the cursor as it is
        }
    }
    if (index == pcDefault) {
        if (testAttribute(Qt::WA_SetCursor)) unsetCursor();
        return;
    }
    const QCursor& wanted = PloticaCursor(index);
    if (!testAttribute(Qt::WA_SetCursor) || cursor() != wanted) setCursor(wanted);
}

// ---- layers the mouse acts on ---------------------------------------------------------------------

bool TCustomPlotica::MouseLayer(int layer) const {
    return layer >= 1 && layer <= PloticaLayerCount && FMouseLayers[layer];
}

void TCustomPlotica::SetMouseLayer(int layer, bool on) {
    if (layer >= 1 && layer <= PloticaLayerCount) FMouseLayers[layer] = on;
}

unsigned TCustomPlotica::MouseLayers() const {
    unsigned mask = 0;
    for (int n = 1; n <= PloticaLayerCount; ++n)
        if (FMouseLayers[n]) mask |= 1u << (n - 1);
    return mask;
}

void TCustomPlotica::SetMouseLayers(unsigned mask) {
    for (int n = 1; n <= PloticaLayerCount; ++n) FMouseLayers[n] = (mask >> (n - 1)) & 1u;
}
