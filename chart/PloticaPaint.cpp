// SPDX-License-Identifier: MIT
// Painting of the whole chart: the frame on the control bitmap, the data area on its own bitmap,
// the axes, the cross-hairs, and the copy to the screen. The chart walks its parts in the order
// of painting; each part draws itself.

#include "ItemRenderer.h"
#include "PloticaAxes.h"
#include "PloticaPrivate.h"
#include "TCanvas.h"
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

bool TPloticaPrivate::CanPaint() const {
    if (!q.Visible() && !q.IsDesigning()) return false;
    if (q.IsLoading() || PaintSuppressed) return false;
    return q.width() > 0 && q.height() > 0;
}

void TCustomPlotica::Paint() {
    if (!d->CanPaint()) return;
    TPaintGuard guard(GPainting);
    if (!guard.Entered()) return;
    d->PaintFrame();
    d->RenderData();
    TBitmap& data = d->DataBmp;
    TCanvas& cc = d->ControlBmp.Canvas();
    cc.CopyRect(QRect(d->MarginLeft, d->MarginTop, data.Width(), data.Height()), data.Image(),
                QRect(0, 0, data.Width(), data.Height()));
    d->Hairs->Render(cc, d->View());
    // the finished frame becomes the picture; the next repaint covers every pixel of the old one
    TakePicture(d->ControlBmp);
    Blit();
}

void TPloticaPrivate::FireRender(const TRenderEvent& event, TCanvas& canvas, int top, int left) {
    if (!event) return;
    TCanvas* c = &canvas;
    event(&q, c, top, left);
}

void TPloticaPrivate::PaintFrame() {
    ControlBmp.SetSize(q.width(), q.height(), q.DeviceScale());
    SizeDataBitmap();
    TCanvas& c = ControlBmp.Canvas();
    Frame.Render(c, View());
    q.UpdateScaling();
    Axes->RenderAll();
    FireRender(q.OnScalesRendered, c, 0, 0);
}

void TPloticaPrivate::PaintDataBackground() {
    SizeDataBitmap();
    Background->Render(DataBmp.Canvas(), View(QPoint(MarginLeft, MarginTop)));
}

void TPloticaPrivate::FillItemSetup(TItemRenderSetup& setup) const {
    setup.Layers = Mapping.data();
    setup.LayerVisible = LayerVisible.data();
    setup.ClassVisible = ClassVisible.data();
    setup.OffsetX = MarginLeft;
    setup.OffsetY = MarginTop;
    setup.ChartColor = ChartColor;
    setup.StartPenWidth = LineWidth;
    setup.FontName = Font->Name();
    setup.TextFontStyle = TextFontStyle;
    setup.TextBkStyle = TextBkStyle;
    setup.TextBkColor = TextBkColor;
    setup.TextAlignment = TextAlignment;
    setup.StartFont = Font->ToQFont();
}

// The data area: background, grid, items, text labels, frame.
void TPloticaPrivate::RenderData() {
    SizeDataBitmap();
    DrawData(DataBmp.Canvas(), CheckpointAllowed());
}

void TPloticaPrivate::DrawData(TCanvas& canvas, bool fromCheckpoint) {
    TCanvas* c = &canvas;
    const TChartView view = View(QPoint(MarginLeft, MarginTop));
    if (fromCheckpoint) {
        RenderDataFromCheckpoint();
    } else {
        if (!c->Vector()) Checkpoint.reset();
        Background->Render(*c, view);
        if (q.OnBeforeRenderData) {
            const TColor pen = c->Pen.Color, brush = c->Brush.Color;
            q.OnBeforeRenderData(&q, c, MarginTop, MarginLeft);
            c->Pen.Color = pen;
            c->Brush.Color = brush;
        }
        Grid.Render(*c, view);
        TItemRenderSetup setup;
        FillItemSetup(setup);
        TItemRenderer renderer(*c, setup);
        TItemRenderState state;
        renderer.Begin(state);
        renderer.Render(*Items, 0, Items->Count(), state);
        renderer.End(state);
        if (!c->Vector()) ItemsDrawn = Items->Count();
    }
    Labels->Render(*c, view);
    if (q.OnDataRendered) q.OnDataRendered(&q, c, MarginTop, MarginLeft);
    const int w = DataAreaWidth(), h = DataAreaHeight();
    c->Pen = TCanvasPen{ChartFrameColor, 1, psSolid, pmCopy};
    c->MoveTo(0, 0);
    c->LineTo(w, 0);
    c->LineTo(w, h);
    c->LineTo(0, h);
    c->LineTo(0, 0);
}

void TPloticaPrivate::RefreshDataArea() {
    if (!CanPaint()) return;
    TPaintGuard guard(GPainting);
    if (!guard.Entered()) return;
    q.UpdateScaling();
    RenderData();
    Hairs->Render(DataBmp.Canvas(), View(QPoint(MarginLeft, MarginTop)));
    q.Picture();
    const QRect area(MarginLeft, MarginTop, DataBmp.Width(), DataBmp.Height());
    q.Canvas().CopyRect(area, DataBmp.Image(), QRect(0, 0, DataBmp.Width(), DataBmp.Height()));
    q.Canvas().Release();
    q.Blit(area);
}

TBitmap& TCustomPlotica::ControlBitmap() {
    return d->ControlBmp;
}

TBitmap& TCustomPlotica::DataBitmap() {
    d->SizeDataBitmap();
    return d->DataBmp;
}

int TCustomPlotica::ItemsDrawn() const {
    return d->ItemsDrawn;
}
