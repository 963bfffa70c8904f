// SPDX-License-Identifier: MIT
// Mouse handling of the chart: the events of every pointer movement, press and release, the tool
// of the mouse action between them, the cursor by mode, and the layers the mouse acts on.

#include "PloticaCursors.h"
#include "PloticaPrivate.h"

TChartTool* TPloticaPrivate::Tool() const {
    switch (MouseAction) {
        case maPan:
        case maPanHoriz:
        case maPanVert:
            return Pan.get();
        case maZoomWind:
        case maZoomWindPos:
            return ZoomWindow.get();
        case maZoomDrag:
            return ZoomDrag.get();
        case maDragCrossH:
            return CrossHairDrag.get();
        case maDragLabel:
            return TextLabelDrag.get();
        default:
            return nullptr;  // the rubber band, zoom and rotation modes do nothing here
    }
}

// ---- the events ----------------------------------------------------------------------------------

void TCustomPlotica::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TPaintedControl::MouseDown(button, shift, x, y);
    if (TChartTool* tool = d->Tool()) tool->MouseDown(button, shift, x, y);
}

void TCustomPlotica::MouseMove(TShiftState shift, int x, int y) {
    TPaintedControl::MouseMove(shift, x, y);
    if (TChartTool* tool = d->Tool()) tool->MouseMove(shift, x, y);
    d->ShowModeCursor(x, y);
    // last: the pointer in world units of the current layer, extrapolated over the margins
    double wx, wy;
    PixelToWorld(d->CurrentLayer, x, y, wx, wy);
    Fire(OnMouseMoveInChart, this, InDataArea(x, y), shift, wx, wy);
}

void TCustomPlotica::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TPaintedControl::MouseUp(button, shift, x, y);
    if (TChartTool* tool = d->Tool()) tool->MouseUp(button, shift, x, y);
}

// ---- mode and cursor -----------------------------------------------------------------------------

TMouseActMode TCustomPlotica::MouseAction() const {
    return d->MouseAction;
}

void TCustomPlotica::SetMouseAction(TMouseActMode v) {
    // a new mode starts afresh: a drag begins again with the next movement, an open window goes
    if (TChartTool* tool = d->Tool()) tool->Cancel();
    d->MouseAction = v;
    if (TChartTool* tool = d->Tool()) tool->Cancel();
}

bool TCustomPlotica::MouseCursorFixed() const {
    return d->MouseCursorFixed;
}

void TCustomPlotica::SetMouseCursorFixed(bool v) {
    d->MouseCursorFixed = v;
}

void TPloticaPrivate::ShowModeCursor(int x, int y) {
    int index = pcDefault;
    if (!MouseCursorFixed && q.InDataArea(x, y)) {
        if (const TChartTool* tool = Tool())
            index = tool->Cursor();
        else if (MouseAction == maNone)
            index = pcCross;
        else
            return;  // the modes the chart does not act on leave the cursor as it is
    }
    if (index == pcDefault) {
        if (q.testAttribute(Qt::WA_SetCursor)) q.unsetCursor();
        return;
    }
    const QCursor& wanted = PloticaCursor(index);
    if (!q.testAttribute(Qt::WA_SetCursor) || q.cursor() != wanted) q.setCursor(wanted);
}

// ---- what the mouse is doing -------------------------------------------------------------------------

bool TCustomPlotica::DragActive() const {
    const auto* drag = dynamic_cast<const TDragTool*>(d->Tool());
    return drag && drag->Active();
}

bool TCustomPlotica::ZoomWindowActive() const {
    return d->ZoomWindow->Active();
}

QPoint TCustomPlotica::ZoomWindowStart() const {
    return d->ZoomWindow->Start();
}

QPoint TCustomPlotica::ZoomWindowCorner() const {
    return d->ZoomWindow->Corner();
}

int TCustomPlotica::ActiveCrossHair() const {
    return d->CrossHairDrag->ActiveCrossHair();
}

int TCustomPlotica::ActiveTextLabel() const {
    return d->TextLabelDrag->ActiveTextLabel();
}

// ---- layers the mouse acts on ---------------------------------------------------------------------

bool TCustomPlotica::MouseLayer(int layer) const {
    return layer >= 1 && layer <= PloticaLayerCount && d->MouseLayers[layer];
}

void TCustomPlotica::SetMouseLayer(int layer, bool on) {
    if (layer >= 1 && layer <= PloticaLayerCount) d->MouseLayers[layer] = on;
}

unsigned TCustomPlotica::MouseLayers() const {
    unsigned mask = 0;
    for (int n = 1; n <= PloticaLayerCount; ++n)
        if (d->MouseLayers[n]) mask |= 1u << (n - 1);
    return mask;
}

void TCustomPlotica::SetMouseLayers(unsigned mask) {
    for (int n = 1; n <= PloticaLayerCount; ++n) d->MouseLayers[n] = (mask >> (n - 1)) & 1u;
}
