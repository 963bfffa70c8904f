// Layout of the chart: margins, shadow width, size limits, the isometric rule, the standard
// layouts, and forwarding of the layers' axis settings to the axis controls.

#include <algorithm>

#include "PloticaAxes.h"
#include "TCustomPlotica.h"
#include "TScaleProps.h"

namespace {

enum TMargin { mLeft, mRight, mTop, mBottom };

struct TAxisRow {
    int CaptionPosX, CaptionPosY;
    TAlignment Alignment;
    TScaleUnitAnchor Anchor;
    int ScalePos;
    bool Visible;
    int Location;  // slTop/slBottom or slLeft/slRight
};

struct TLayoutRow {
    int Left, Right, Top, Bottom;
    int CaptionPosX, CaptionPosY;
    TAlignment CaptionAlignment;
    TCaptionAnchorHoriz AnchorHoriz;
    TCaptionAnchorVert AnchorVert;
    std::array<TAxisRow, 4> X;  // layers 1..4
    std::array<TAxisRow, 4> Y;
};

constexpr TAxisRow HiddenX{10, 100, taCenter, uaSclCenter, 0, false, slBottom};
constexpr TAxisRow HiddenY{10, 100, taRightJustify, uaSclTopLft, 0, false, slLeft};
constexpr TAxisRow X1Bottom{0, 22, taCenter, uaSclCenter, 0, true, slBottom};
constexpr TAxisRow X1Low{-20, 7, taRightJustify, uaSclTopLft, 0, true, slBottom};
constexpr TAxisRow YLeft(int pos) {
    return {0, -23, taRightJustify, uaSclTopLft, pos, true, slLeft};
}

const TLayoutRow& LayoutRow(TplLayout layout) {
    static const std::array<TLayoutRow, 7> rows{{
        {50,
         20,
         20,
         40,
         0,
         -16,
         taRightJustify,
         cahChartRight,
         cavChartTop,
         {X1Bottom, HiddenX, HiddenX, HiddenX},
         {TAxisRow{0, -16, taLeftJustify, uaSclTopLft, 0, true, slLeft}, HiddenY, HiddenY, HiddenY}},
        {100,
         20,
         24,
         40,
         0,
         -16,
         taRightJustify,
         cahChartRight,
         cavChartTop,
         {X1Bottom, HiddenX, HiddenX, HiddenX},
         {YLeft(0), YLeft(50), HiddenY, HiddenY}},
        {150,
         20,
         24,
         40,
         0,
         -16,
         taRightJustify,
         cahChartRight,
         cavChartTop,
         {X1Bottom, HiddenX, HiddenX, HiddenX},
         {YLeft(0), YLeft(50), YLeft(100), HiddenY}},
        {200,
         20,
         24,
         40,
         0,
         -16,
         taRightJustify,
         cahChartRight,
         cavChartTop,
         {X1Bottom, HiddenX, HiddenX, HiddenX},
         {YLeft(0), YLeft(50), YLeft(100), YLeft(150)}},
        {50,
         50,
         24,
         40,
         0,
         -20,
         taCenter,
         cahChartCenter,
         cavChartTop,
         {X1Bottom, HiddenX, HiddenX, HiddenX},
         {YLeft(0), TAxisRow{0, -23, taLeftJustify, uaSclTopLft, 0, true, slRight}, HiddenY, HiddenY}},
        {100,
         20,
         24,
         70,
         0,
         -16,
         taRightJustify,
         cahChartRight,
         cavChartTop,
         {X1Low, TAxisRow{-20, 7, taRightJustify, uaSclTopLft, 30, true, slBottom}, HiddenX, HiddenX},
         {YLeft(0), YLeft(50), HiddenY, HiddenY}},
        {50,
         50,
         48,
         40,
         0,
         -46,
         taCenter,
         cahChartCenter,
         cavChartTop,
         {X1Low, TAxisRow{-20, -24, taRightJustify, uaSclTopLft, 0, true, slTop}, HiddenX, HiddenX},
         {TAxisRow{0, -40, taRightJustify, uaSclTopLft, 0, true, slLeft},
          TAxisRow{0, -40, taLeftJustify, uaSclTopLft, 0, true, slRight},
          TAxisRow{0, -23, taRightJustify, uaSclTopLft, 0, false, slLeft},
          TAxisRow{0, -23, taRightJustify, uaSclTopLft, 0, false, slLeft}}},
    }};
    return rows[std::clamp(int(layout), 0, 6)];
}

template <typename Props>
void ApplyAxisRow(Props* p, const TAxisRow& row) {
    using Location = decltype(p->ScaleLocation());
    p->SetScaleLocation(Location(row.Location));
    p->SetCaptionPosX(row.CaptionPosX);
    p->SetCaptionPosY(row.CaptionPosY);
    p->SetCaptionAlignment(row.Alignment);
    p->SetCaptionAnchor(row.Anchor);
    p->SetScalePos(row.ScalePos);
    p->SetVisible(row.Visible);
}

}  // namespace

void TCustomPlotica::ForwardAllAxes() {
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        FAxes->Forward(n, true);
        FAxes->Forward(n, false);
    }
}

void TCustomPlotica::SetStandardLayout(TplLayout layout) {
    const bool wasSuppressed = FPaintSuppressed;
    FPaintSuppressed = true;
    FStandardLayout = layout;
    const TLayoutRow& row = LayoutRow(layout);
    SetMarginLeft(row.Left);
    SetMarginRight(row.Right);
    SetMarginTop(row.Top);
    SetMarginBottom(row.Bottom);
    SetCaptionPosX(row.CaptionPosX);
    SetCaptionPosY(row.CaptionPosY);
    SetCaptionAlignment(row.CaptionAlignment);
    SetCaptionAnchorHoriz(row.AnchorHoriz);
    SetCaptionAnchorVert(row.AnchorVert);
    for (int n = 1; n <= 4; ++n) {
        ApplyAxisRow(FScaleX[n], row.X[n - 1]);
        ApplyAxisRow(FScaleY[n], row.Y[n - 1]);
    }
    for (int n = 5; n <= PloticaLayerCount; ++n) {
        FScaleX[n]->SetVisible(false);
        FScaleY[n]->SetVisible(false);
    }
    ForwardAllAxes();
    SetPaintSuppressed(wasSuppressed);
}

void TCustomPlotica::SizeDataBitmap() {
    FDataBmp.SetSize(std::max(DataAreaWidth() + 1, 0), std::max(DataAreaHeight() + 1, 0));
}

void TCustomPlotica::MarginChanged(int which) {
    SizeDataBitmap();
    if (FIsometric) ApplyIsometricToAll();
    ForwardAllAxes();
    switch (which) {
        case mLeft:
            FAxes->SetLeftMargins();
            break;
        case mRight:
            FAxes->SetRightMargins();
            break;
        case mTop:
            FAxes->SetTopMargins();
            break;
        default:
            FAxes->SetBottomMargins();
            break;
    }
    UpdateScaling();
    RepaintIfAuto();
}

void TCustomPlotica::SetMarginLeft(int v) {
    FMarginLeft = v;
    MarginChanged(mLeft);
}
void TCustomPlotica::SetMarginRight(int v) {
    FMarginRight = v;
    MarginChanged(mRight);
}
void TCustomPlotica::SetMarginTop(int v) {
    FMarginTop = v;
    MarginChanged(mTop);
}
void TCustomPlotica::SetMarginBottom(int v) {
    FMarginBottom = v;
    MarginChanged(mBottom);
}

void TCustomPlotica::SetShadowWidth(int v) {
    FShadowWidth = std::clamp(v, 0, 32);
    SizeDataBitmap();
    ForwardAllAxes();
    FAxes->SetRightMargins();
    FAxes->SetBottomMargins();
    UpdateScaling();
    RepaintIfAuto();
}

// The isometric rule for every layer; the range changes repaint once, afterwards, at the caller.
void TCustomPlotica::ApplyIsometricToAll() {
    const bool wasSuppressed = FPaintSuppressed;
    FPaintSuppressed = true;
    for (int n = 1; n <= PloticaLayerCount; ++n) ApplyIsometric(n);
    FPaintSuppressed = wasSuppressed;
}

void TCustomPlotica::ApplyIsometric(int n) {
    const double w = width() - FMarginLeft - FMarginRight - FShadowWidth + 1;
    const double h = height() - FMarginTop - FMarginBottom - FShadowWidth + 1;
    TScalePropsHoriz* x = FScaleX[n];
    TScalePropsVert* y = FScaleY[n];
    if (w == 0) return;  // no data area: no ratio
    y->SetRangeHigh(y->RangeLow() + (x->RangeHigh() - x->RangeLow()) * h / w * FAspectY / FAspectX);
}

void TCustomPlotica::SetIsometric(bool v) {
    FIsometric = v;
    if (!v) return;
    ApplyIsometricToAll();
    RepaintIfAuto();
}

void TCustomPlotica::SetBounds(int left, int top, int w, int h) {
    // never smaller than the margins plus 80 by 20 pixels
    h = std::max(h, FMarginTop + FMarginBottom + 20 + FShadowWidth);
    w = std::max(w, FMarginLeft + FMarginRight + 80 + FShadowWidth);
    TPaintedControl::SetBounds(left, top, w, h);
}

void TCustomPlotica::BoundsChanged() {
    if (!FAxes) return;
    SizeDataBitmap();
    if (FIsometric) ApplyIsometricToAll();
    ForwardAllAxes();
    FAxes->SetSizes(width(), height());
    FAxes->SetAllMargins();
    UpdateScaling();
    RepaintIfAuto();
}

void TCustomPlotica::ScaleChanged() {
    ForwardAllAxes();
    // joined layers follow their controlling layers; one paint at the end
    const bool wasSuppressed = FPaintSuppressed;
    FPaintSuppressed = true;
    for (int n = 1; n <= PloticaLayerCount; ++n)
        SetLayerRanges(n, FScaleX[n]->RangeLow(), FScaleX[n]->RangeHigh(), FScaleY[n]->RangeLow(),
                       FScaleY[n]->RangeHigh());
    FPaintSuppressed = wasSuppressed;
    Paint();
}
