// SPDX-License-Identifier: MIT
// Layout of the chart: margins, shadow width, size limits, the isometric rule, the standard
// layouts, and forwarding of the layers' axis settings to the axis controls.

#include <algorithm>

#include "PloticaAxes.h"
#include "PloticaPrivate.h"
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

void TPloticaPrivate::ForwardAllAxes() {
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        Axes->Forward(n, true);
        Axes->Forward(n, false);
    }
}

void TPloticaPrivate::FinishLoadingAxes() {
    for (int n = 1; n <= PloticaLayerCount; ++n)
        for (TScaleProps* axis : std::initializer_list<TScaleProps*>{ScaleX[n], ScaleY[n]})
            if (axis->IsLoadingProps()) axis->FinishLoading();
}

TplLayout TCustomPlotica::StandardLayout() const {
    return d->StandardLayout;
}

void TCustomPlotica::SetStandardLayout(TplLayout layout) {
    const bool wasSuppressed = d->PaintSuppressed;
    d->PaintSuppressed = true;
    ++d->ScaleBatch;
    d->StandardLayout = layout;
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
        ApplyAxisRow(d->ScaleX[n], row.X[n - 1]);
        ApplyAxisRow(d->ScaleY[n], row.Y[n - 1]);
    }
    for (int n = 5; n <= PloticaLayerCount; ++n) {
        d->ScaleX[n]->SetVisible(false);
        d->ScaleY[n]->SetVisible(false);
    }
    --d->ScaleBatch;
    if (d->ScaleChangePending && d->ScaleBatch == 0 && !IsLoading())
        d->ApplyScaleChanges();
    else
        d->ForwardAllAxes();
    SetPaintSuppressed(wasSuppressed);
}

// The data bitmap follows margins and size when it is next used: a chart being set up changes
// them many times before it first paints.
void TPloticaPrivate::SizeDataBitmap() {
    DataBmp.SetSize(std::max(DataAreaWidth() + 1, 0), std::max(DataAreaHeight() + 1, 0), q.DeviceScale());
}

void TPloticaPrivate::MarginChanged(int which) {
    if (Isometric) ApplyIsometricToAll();
    ForwardAllAxes();
    switch (which) {
        case mLeft:
            Axes->SetLeftMargins();
            break;
        case mRight:
            Axes->SetRightMargins();
            break;
        case mTop:
            Axes->SetTopMargins();
            break;
        default:
            Axes->SetBottomMargins();
            break;
    }
    q.UpdateScaling();
    q.RepaintIfAuto();
}

int TCustomPlotica::MarginLeft() const {
    return d->MarginLeft;
}
void TCustomPlotica::SetMarginLeft(int v) {
    d->MarginLeft = v;
    d->MarginChanged(mLeft);
}
int TCustomPlotica::MarginRight() const {
    return d->MarginRight;
}
void TCustomPlotica::SetMarginRight(int v) {
    d->MarginRight = v;
    d->MarginChanged(mRight);
}
int TCustomPlotica::MarginTop() const {
    return d->MarginTop;
}
void TCustomPlotica::SetMarginTop(int v) {
    d->MarginTop = v;
    d->MarginChanged(mTop);
}
int TCustomPlotica::MarginBottom() const {
    return d->MarginBottom;
}
void TCustomPlotica::SetMarginBottom(int v) {
    d->MarginBottom = v;
    d->MarginChanged(mBottom);
}

int TCustomPlotica::ShadowWidth() const {
    return d->ShadowWidth;
}

void TCustomPlotica::SetShadowWidth(int v) {
    d->ShadowWidth = std::clamp(v, 0, 32);
    d->ForwardAllAxes();
    d->Axes->SetRightMargins();
    d->Axes->SetBottomMargins();
    UpdateScaling();
    RepaintIfAuto();
}

// The isometric rule for every layer; the range changes repaint once, afterwards, at the caller.
void TPloticaPrivate::ApplyIsometricToAll() {
    const bool wasSuppressed = PaintSuppressed;
    PaintSuppressed = true;
    for (int n = 1; n <= PloticaLayerCount; ++n) ApplyIsometric(n);
    PaintSuppressed = wasSuppressed;
}

void TPloticaPrivate::ApplyIsometric(int n) {
    const double w = q.width() - MarginLeft - MarginRight - ShadowWidth + 1;
    const double h = q.height() - MarginTop - MarginBottom - ShadowWidth + 1;
    TScalePropsHoriz* x = ScaleX[n];
    TScalePropsVert* y = ScaleY[n];
    if (w == 0) return;  // no data area: no ratio
    y->SetRangeHigh(y->RangeLow() + (x->RangeHigh() - x->RangeLow()) * h / w * AspectY / AspectX);
}

bool TCustomPlotica::Isometric() const {
    return d->Isometric;
}

void TCustomPlotica::SetIsometric(bool v) {
    d->Isometric = v;
    if (!v) return;
    d->ApplyIsometricToAll();
    RepaintIfAuto();
}

void TCustomPlotica::SetBounds(int left, int top, int w, int h) {
    // never smaller than the margins plus 80 by 20 pixels
    h = std::max(h, d->MarginTop + d->MarginBottom + 20 + d->ShadowWidth);
    w = std::max(w, d->MarginLeft + d->MarginRight + 80 + d->ShadowWidth);
    TPaintedControl::SetBounds(left, top, w, h);
}

void TCustomPlotica::BoundsChanged() {
    if (!d->Axes) return;
    if (d->Isometric) d->ApplyIsometricToAll();
    d->ForwardAllAxes();
    d->Axes->SetSizes(width(), height());
    d->Axes->SetAllMargins();
    UpdateScaling();
    RepaintIfAuto();
}

void TCustomPlotica::ScaleChanged() {
    // a batch of settings (a standard layout, a form being read) is taken over once, at its end
    if (d->ScaleBatch > 0 || IsLoading()) {
        d->ScaleChangePending = true;
        return;
    }
    d->ApplyScaleChanges();
    Paint();
}

void TPloticaPrivate::ApplyScaleChanges() {
    ScaleChangePending = false;
    ForwardAllAxes();
    // joined layers follow their controlling layers; one paint at the end
    const bool wasSuppressed = PaintSuppressed;
    PaintSuppressed = true;
    for (int n = 1; n <= PloticaLayerCount; ++n)
        q.SetLayerRanges(n, ScaleX[n]->RangeLow(), ScaleX[n]->RangeHigh(), ScaleY[n]->RangeLow(),
                         ScaleY[n]->RangeHigh());
    PaintSuppressed = wasSuppressed;
}
