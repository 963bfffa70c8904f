// SPDX-License-Identifier: MIT
#pragma once
// The state of an axis control, behind its interface: every default is set here, once. TScale.cpp
// holds the properties and copying, ScalePaint.cpp the embedding and painting.

#include "AxisPainter.h"
#include "ScaleFrame.h"
#include "ScaleRange.h"
#include "TBitmap.h"
#include "TScale.h"
#include "TickValues.h"

class TScalePrivate {
public:
    explicit TScalePrivate(TScale& scale);

    TScale& q;

    // ---- range and mapping ----
    TScaleRange Range;
    int MinTicks = 3;
    bool ShortTicks = true;
    TScaleType ScaleType = sctXB;
    TFigType LabelType = ftNum;
    int MarginLeft = 20;
    int MarginRight = 20;
    int MarginTop = 20;
    int MarginBottom = 20;
    bool NotYetLoaded = true;
    // the end of loading, from Loaded or from the first showing of a scale nobody loaded
    void FinishLoading();
    TTickValues TickValues;

    // ---- tick texts ----
    int DecPlaces = -2;
    bool Comma = false;
    QString UserTickText;
    QString ScaleInscript;
    TDTLabel* DateFormat;

    // ---- look ----
    QString Caption;
    int CaptionPosX = 4;
    int CaptionPosY = 4;
    TAlignment CaptionAlignment = taCenter;
    TScaleUnitAnchor CaptionAnchor = uaSclTopLft;
    TColor ColorScale = clBlack;
    TColor ColorBackGnd = clBtnFace;
    TColorScheme ColorScheme = csBWG;
    TFrameStyle FrameStyle = fsLowered;
    TFrameColors FrameColors;
    bool ShowBaseLine = true;
    bool Transparent = false;

    // ---- embedding ----
    bool Visible = true;
    bool PaintSuppressed = true;  // raised while the defaults are set
    bool Embedded = false;
    TCanvas* TargetCanvas = nullptr;
    int TargetDx = 0;
    int TargetDy = 0;
    bool RenderPending = false;

    // ---- painting ----
    TAxisPainter Painter{Range, TickValues};
    TAxisSettings Axis;
    TTickDrawnHandler TickDrawn;
    TBitmap Scratch;  // the opaque picture of a scale that paints onto a target

    bool Vertical() const { return ScaleType == sctYL || ScaleType == sctYR; }
    TScaleGeometry Geometry() const;
    bool MayPaint() const;
    void Paint();
    // the picture onto the target canvas, or the own picture; Paint when it may
    void Draw();

private:
    void PrepareAxis(int dx, int dy);
    void PaintTransparent(TCanvas* canvas, int dx, int dy);
    void PaintOpaque(TCanvas* target, int dx, int dy);
};
