// SPDX-License-Identifier: MIT
#include "ScaleFrame.h"

#include "TCanvas.h"

TFrameColors TFrameColors::OfScheme(TColorScheme scheme) {
    TFrameColors c;
    if (scheme == csSystem) {
        c.Shadow = clBtnShadow;
        c.Highlight = clBtnHighlight;
    }
    return c;
}

void TScaleFrame::Draw(TCanvas& canvas, TFrameStyle style, const TFrameColors& c, int l, int t, int r,
                       int b) {
    if (style == fsNone) return;
    if (style == fsSimple) {
        canvas.Pen.Color = c.Dark;
        canvas.MoveTo(l, t);
        canvas.LineTo(l, b);
        canvas.LineTo(r, b);
        canvas.LineTo(r, t);
        canvas.LineTo(l, t);
        return;
    }
    // outer top-left, outer bottom-right, inner top-left, inner bottom-right
    TColor c1, c2, c3, c4;
    switch (style) {
        case fsLowered:
            c1 = c.Shadow, c2 = c.Highlight, c3 = c.Dark, c4 = c.Light;
            break;
        case fsRaised:
            c1 = c.Highlight, c2 = c.Dark, c3 = c.Light, c4 = c.Shadow;
            break;
        case fsEmbossed:
            c1 = c.Highlight, c2 = c.Shadow, c3 = c.Shadow, c4 = c.Highlight;
            break;
        default:
            c1 = c.Shadow, c2 = c.Highlight, c3 = c.Highlight, c4 = c.Shadow;
            break;  // fsEngraved
    }
    canvas.Pen.Color = c1;
    canvas.MoveTo(l, b);
    canvas.LineTo(l, t);
    canvas.LineTo(r + 1, t);
    canvas.Pen.Color = c2;
    canvas.MoveTo(r, t + 1);
    canvas.LineTo(r, b);
    canvas.LineTo(l - 1, b);
    canvas.Pen.Color = c3;
    canvas.MoveTo(l + 1, b - 1);
    canvas.LineTo(l + 1, t + 1);
    canvas.LineTo(r, t + 1);
    canvas.Pen.Color = c4;
    canvas.MoveTo(r - 1, t + 2);
    canvas.LineTo(r - 1, b - 1);
    canvas.LineTo(l, b - 1);
}
