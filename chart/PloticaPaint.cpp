// Painting of the whole chart: the frame with shadow and caption on the control bitmap, the data
// area on its own bitmap, the axes, the cross-hairs, and the copy to the screen.

#include <QPainter>
#include <algorithm>
#include <array>

#include "ChartPolygon.h"
#include "ItemRenderer.h"
#include "PloticaAxes.h"
#include "TCanvas.h"
#include "TCrossHair.h"
#include "TCustomPlotica.h"
#include "TFont.h"
#include "TItemList.h"

namespace {

// Stops a repaint from starting inside another one (a background image that cannot be read
// clears its name, which asks for a repaint).
struct TPaintGuard {
    explicit TPaintGuard(bool& flag) : FFlag(flag), FEntered(!flag) { FFlag = true; }
    ~TPaintGuard() {
        if (FEntered) FFlag = false;
    }
    bool Entered() const { return FEntered; }
    bool& FFlag;
    bool FEntered;
};

bool GPainting = false;

}  // namespace

bool TCustomPlotica::CanPaint() const {
    if (!Visible() && !IsDesigning()) return false;
    if (IsLoading() || FPaintSuppressed) return false;
    return width() > 0 && height() > 0;
}

void TCustomPlotica::Paint() {
    if (!CanPaint()) return;
    TPaintGuard guard(GPainting);
    if (!guard.Entered()) return;
    PaintFrame();
    RenderData();
    TCanvas& cc = FControlBmp.Canvas();
    cc.CopyRect(QRect(FMarginLeft, FMarginTop, FDataBmp.Width(), FDataBmp.Height()), FDataBmp.Image(),
                QRect(0, 0, FDataBmp.Width(), FDataBmp.Height()));
    DrawCrossHairs(cc, 0, 0);
    // the finished frame becomes the picture; the next repaint covers every pixel of the old one
    TakePicture(FControlBmp);
    update();
}

void TCustomPlotica::FireRender(const TRenderEvent& event, TCanvas& canvas, int top, int left) {
    if (!event) return;
    TCanvas* c = &canvas;
    event(this, c, top, left);
}

void TCustomPlotica::PaintFrame() {
    const int w = width(), h = height(), s = FShadowWidth;
    FControlBmp.SetSize(w, h);
    TCanvas& c = FControlBmp.Canvas();
    c.Pen = TCanvasPen{FWindColor, 1, psSolid, pmCopy};
    c.Brush = TCanvasBrush{FWindColor, bsSolid};
    // the data area's picture is copied over its place afterwards: only the rest needs the colour
    SizeDataBitmap();
    const QRect data =
        QRect(FMarginLeft, FMarginTop, FDataBmp.Width(), FDataBmp.Height()) & QRect(0, 0, w, h);
    if (data.isEmpty()) {
        c.FillRect(0, 0, w, h);
    } else {
        c.FillRect(0, 0, w, data.top());
        c.FillRect(0, data.bottom() + 1, w, h);
        c.FillRect(0, data.top(), data.left(), data.bottom() + 1);
        c.FillRect(data.right() + 1, data.top(), w, data.bottom() + 1);
    }
    if (s > 0) PaintShadow(w, h, s);
    PaintCaption();
    UpdateScaling();
    FAxes->RenderAll();
    FireRender(OnScalesRendered, c, 0, 0);
}

void TCustomPlotica::PaintShadow(int w, int h, int s) {
    TCanvas& c = FControlBmp.Canvas();
    c.Brush = TCanvasBrush{FShadowBakColor, bsSolid};
    c.FillRect(w - s, 0, w, s);
    c.FillRect(0, h - s, s, h);
    c.Brush.Color = FShadowColor;
    int e;
    if (FShadowStyle == ssFlying) {
        c.Pen.Color = FShadowColor;
        e = s - 1;
    } else {
        c.Pen.Color = clBlack;
        e = 0;
    }
    const std::array<QPoint, 4> bottom{QPoint(e, h - s), QPoint(s - 1, h - 1), QPoint(w - 1, h - 1),
                                       QPoint(w - s, h - s)};
    DrawPolygon(c, bottom);
    const std::array<QPoint, 4> right{QPoint(w - s, h - s), QPoint(w - 1, h - 1), QPoint(w - 1, s - 1),
                                      QPoint(w - s, e)};
    DrawPolygon(c, right);
    c.Pen = TCanvasPen{clBlack, 1, psSolid, pmCopy};
    c.MoveTo(0, 0);
    c.LineTo(w - s, 0);
    c.LineTo(w - s, h - s);
    c.LineTo(0, h - s);
    c.LineTo(0, 0);
}

void TCustomPlotica::PaintCaption() {
    if (FCaption.isEmpty()) return;
    TCanvas& c = FControlBmp.Canvas();
    const int w = width(), h = height();
    c.Pen.Color = FChartFrameColor;
    c.Brush.Style = bsClear;
    c.AssignFont(*FFont);  // the caption is written in the chart's font
    int x = FCaptionPosX;
    switch (FCaptionAnchorHoriz) {
        case cahControlLeft:
            break;
        case cahChartLeft:
            x += FMarginLeft;
            break;
        case cahChartCenter:
            x += FMarginLeft + DataAreaWidth() / 2;
            break;
        case cahChartRight:
            x += w - FMarginRight - FShadowWidth;
            break;
        case cahControlRight:
            x += w;
            break;
    }
    int y = FCaptionPosY;
    switch (FCaptionAnchorVert) {
        case cavControlTop:
            break;
        case cavChartTop:
            y += FMarginTop;
            break;
        case cavChartCenter:
            y += FMarginTop + DataAreaHeight() / 2;
            break;
        case cavChartBottom:
            y += h - FMarginBottom;
            break;
        case cavControlBottom:
            y += h;
            break;
    }
    const int tw = c.TextWidth(FCaption);
    if (FCaptionAlignment == taRightJustify)
        x -= tw;
    else if (FCaptionAlignment == taCenter)
        x -= tw / 2;
    c.TextOut(x, y, FCaption);
    c.Brush.Style = bsSolid;
}

void TCustomPlotica::FillItemSetup(TItemRenderSetup& setup) const {
    setup.Layers = FMapping.data();
    setup.LayerVisible = FLayerVisible.data();
    setup.ClassVisible = FClassVisible.data();
    setup.OffsetX = FMarginLeft;
    setup.OffsetY = FMarginTop;
    setup.ChartColor = FChartColor;
    setup.StartPenWidth = FLineWidth;
    setup.FontName = FFont->Name();
    setup.TextFontStyle = FTextFontStyle;
    setup.TextBkStyle = FTextBkStyle;
    setup.TextBkColor = FTextBkColor;
    setup.TextAlignment = FTextAlignment;
    setup.StartFont = FFont->ToQFont();
}

// The data area: background, grid, items, text labels, frame.
void TCustomPlotica::RenderData() {
    TCanvas* c = &FDataBmp.Canvas();
    SizeDataBitmap();
    if (CheckpointAllowed()) {
        RenderDataFromCheckpoint();
    } else {
        FCheckpoint.reset();
        PaintDataBackground();
        if (OnBeforeRenderData) {
            const TColor pen = c->Pen.Color, brush = c->Brush.Color;
            OnBeforeRenderData(this, c, FMarginTop, FMarginLeft);
            c->Pen.Color = pen;
            c->Brush.Color = brush;
        }
        if (FGridStyle != gsNone) RenderGrid(*c);
        TItemRenderSetup setup;
        FillItemSetup(setup);
        TItemRenderer renderer(*c, setup);
        TItemRenderState state;
        renderer.Begin(state);
        renderer.Render(FItems->Data(), 0, FItems->Count(), state);
        renderer.End(state);
        FItemsDrawn = FItems->Count();
    }
    RenderTextLabels(*c);
    if (OnDataRendered) OnDataRendered(this, c, FMarginTop, FMarginLeft);
    const int w = DataAreaWidth(), h = DataAreaHeight();
    c->Pen = TCanvasPen{FChartFrameColor, 1, psSolid, pmCopy};
    c->MoveTo(0, 0);
    c->LineTo(w, 0);
    c->LineTo(w, h);
    c->LineTo(0, h);
    c->LineTo(0, 0);
}

void TCustomPlotica::RefreshDataArea() {
    if (!CanPaint()) return;
    TPaintGuard guard(GPainting);
    if (!guard.Entered()) return;
    UpdateScaling();
    RenderData();
    DrawCrossHairs(FDataBmp.Canvas(), -FMarginLeft, -FMarginTop);
    Picture();
    Canvas().CopyRect(QRect(FMarginLeft, FMarginTop, FDataBmp.Width(), FDataBmp.Height()), FDataBmp.Image(),
                      QRect(0, 0, FDataBmp.Width(), FDataBmp.Height()));
    Canvas().Release();
    update(QRect(FMarginLeft, FMarginTop, FDataBmp.Width(), FDataBmp.Height()));
}

// Cross-hairs in control pixels shifted by (dx, dy): never inside the margins.
void TCustomPlotica::DrawCrossHairs(TCanvas& c, int dx, int dy) {
    const TCanvasPen saved = c.Pen;
    const int right = width() - FMarginRight - FShadowWidth;
    const int bottom = height() - FMarginBottom - FShadowWidth;
    for (int n = 1; n <= PloticaCrossHairCount; ++n) {
        const TCrossHair* ch = FCrossHairs[n];
        if (ch->Mode() == chOff) continue;
        const QPoint p = WorldToPixel(ch->Layer(), ch->PosX(), ch->PosY());
        c.Pen = TCanvasPen{ch->Color(), std::max(ch->LineWid(), 1), ch->LineType(), pmCopy};
        const int d = ch->LineWid() / 2;
        if ((ch->Mode() == chHoriz || ch->Mode() == chBoth) && FMarginTop + d < p.y() && p.y() < bottom - d) {
            c.MoveTo(FMarginLeft + d + 1 + dx, p.y() + dy);
            c.LineTo(right - d + dx, p.y() + dy);
        }
        if ((ch->Mode() == chVert || ch->Mode() == chBoth) && FMarginLeft + d < p.x() && p.x() < right - d) {
            c.MoveTo(p.x() + dx, FMarginTop + d + 1 + dy);
            c.LineTo(p.x() + dx, bottom - d + dy);
        }
    }
    c.Pen = saved;
}
