// Mouse handling of the chart: the events of every pointer movement, press and release.

#include "TCustomPlotica.h"

void TCustomPlotica::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TPaintedControl::MouseDown(button, shift, x, y);
}

void TCustomPlotica::MouseMove(TShiftState shift, int x, int y) {
    TPaintedControl::MouseMove(shift, x, y);
    // last: the pointer in world units of the current layer, extrapolated over the margins
    double wx, wy;
    PixelToWorld(FCurrentLayer, x, y, wx, wy);
    Fire(OnMouseMoveInChart, this, InDataArea(x, y), shift, wx, wy);
}

void TCustomPlotica::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TPaintedControl::MouseUp(button, shift, x, y);
}
