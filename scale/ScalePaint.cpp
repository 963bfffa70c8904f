// SPDX-License-Identifier: MIT
// Embedding and painting of the axis control: an opaque scale composes its picture off-screen and
// copies it in one step, a transparent or embedded one draws straight onto its target.

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "ScalePrivate.h"
#include "TCanvas.h"
#include "TFont.h"
#include "TVectorCanvas.h"

// ---- embedding ----

bool TScale::PaintSuppressed() const {
    return d->PaintSuppressed;
}
bool TScale::Embedded() const {
    return d->Embedded;
}
TCanvas* TScale::TargetCanvas() const {
    return d->TargetCanvas;
}

void TScale::SetPaintSuppressed(bool on) {
    if (!Store(d->PaintSuppressed, on)) return;
    if (!on) RequestRepaint();
}

void TScale::SetEmbedded(bool on) {
    if (!Store(d->Embedded, on)) return;
    // an embedded scale is hidden for good; a scale back on its form shows as its flag says
    TPaintedControl::SetVisible(on ? false : d->Visible);
    RequestRepaint();
}

void TScale::SetTargetCanvas(TCanvas* canvas, int dx, int dy) {
    d->TargetCanvas = canvas;
    d->TargetDx = dx;
    d->TargetDy = dy;
}

void TScale::RenderNow() {
    const bool suppressed = d->PaintSuppressed;
    d->PaintSuppressed = false;
    RequestRepaint();
    d->PaintSuppressed = suppressed;
}

void TScale::RequestRepaint() {
    if (d->Transparent && !d->Embedded) {
        d->RenderPending = true;
        Blit();
        return;
    }
    if (!d->MayPaint()) return;
    if (d->Embedded) {
        // straight onto the owner's picture, the widget untouched; nothing to paint on before
        // the owner has given its picture
        if (d->TargetCanvas) d->Paint();
        return;
    }
    RepaintNow();
}

const QImage& TScale::RenderedPicture() {
    if (d->RenderPending) {
        d->RenderPending = false;
        Picture();  // sized and ready
        d->Paint();
    }
    return Picture();
}

void TScale::paintEvent(QPaintEvent* event) {
    RenderedPicture();
    TPaintedControl::paintEvent(event);
}

QImage::Format TScale::PictureFormat() const {
    return d->Transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

void TScale::SetBounds(int left, int top, int w, int h) {
    if (d->Embedded) {
        // the owner keeps the size in step with its own; a hidden widget needs no picture
        QWidget::setGeometry(left, top, std::max(w, 0), std::max(h, 0));
        UpdateScaleFactors();
        return;
    }
    TPaintedControl::SetBounds(left, top, w, h);
}

void TScale::BoundsChanged() {
    UpdateScaleFactors();
    // drawn again at the new size when it next shows: once, however often a layout resizes it
    if (d->Embedded) return;
    d->RenderPending = true;
    Blit();
}

QSize TScale::sizeHint() const {
    // room for the texts, the ticks and the frame across, and a useful length along the axis
    const QFontMetrics metrics(font());
    return d->Vertical() ? QSize(metrics.horizontalAdvance(QStringLiteral("-0000")) + 24, 200)
                         : QSize(200, metrics.height() + 24);
}

void TScale::Loaded() {
    TPaintedControl::Loaded();
    d->FinishLoading();
}

void TScalePrivate::FinishLoading() {
    // a logarithmic switch the form made against a range it does not fit gives way
    if (Range.Logarithmic() && !Range.EndsAllowLogarithmic()) Range.SetLogarithmic(false);
    q.UpdateScaleFactors();
    NotYetLoaded = false;
    q.RequestRepaint();
}

void TScale::showEvent(QShowEvent* event) {
    TPaintedControl::showEvent(event);
    if (d->NotYetLoaded && !IsLoading()) d->FinishLoading();
}

void TScale::Paint() {
    d->Paint();
}

// ---- painting ----

TScaleGeometry TScalePrivate::Geometry() const {
    TScaleGeometry g;
    g.Width = q.width();
    g.Height = q.height();
    g.MarginLeft = MarginLeft;
    g.MarginRight = MarginRight;
    g.MarginTop = MarginTop;
    g.MarginBottom = MarginBottom;
    g.Vertical = Vertical();
    return g;
}

bool TScalePrivate::MayPaint() const {
    if (!Visible && (!q.IsDesigning() || Embedded)) return false;
    return !q.IsLoading() && !PaintSuppressed;
}

void TScalePrivate::Paint() {
    if (!MayPaint()) return;
    Draw();
}

void TScale::ToPainter(QPainter& painter) {
    if (IsLoading() || width() <= 0 || height() <= 0 || !painter.isActive()) return;
    TVectorCanvas vector(painter, QSize(width(), height()));
    TCanvas* const target = d->TargetCanvas;
    const int dx = d->TargetDx, dy = d->TargetDy;
    SetTargetCanvas(&vector.Canvas(), 0, 0);
    d->Draw();
    SetTargetCanvas(target, dx, dy);
}

void TScalePrivate::Draw() {
    TCanvas* target = TargetCanvas ? TargetCanvas : &q.Canvas();
    const int dx = TargetCanvas ? TargetDx : 0, dy = TargetCanvas ? TargetDy : 0;
    target->AssignFont(*q.Font());
    Fire(q.OnBeforeScaleRendered, &q, target);
    if (Transparent)
        PaintTransparent(target, dx, dy);
    else
        PaintOpaque(target, dx, dy);
}

void TScalePrivate::PaintTransparent(TCanvas* canvas, int dx, int dy) {
    if (!TargetCanvas && canvas->Target()) {
        // the own picture is see-through: only the axis is opaque
        canvas->Release();
        canvas->Target()->fill(Qt::transparent);
    }
    canvas->Pen.Color = ColorScale;
    PrepareAxis(dx, dy);
    Painter.DrawAxis(canvas, Axis, TickDrawn);
    if (ShowBaseLine) Painter.DrawBaseLine(*canvas, Axis);
    Fire(q.OnAfterScaleRendered, &q, canvas);
}

void TScalePrivate::PaintOpaque(TCanvas* target, int dx, int dy) {
    // the own picture is off-screen already; a target gets the finished picture in one copy, a
    // vector target the drawing itself
    QPainter* vector = target->VectorPainter();
    const bool direct = !TargetCanvas || vector;
    const int w = q.width(), h = q.height();
    TCanvas* canvas = target;
    if (vector) {
        vector->save();
        vector->translate(dx, dy);
    }
    if (!direct) {
        Scratch.SetSize(w, h, target->Scale());
        canvas = &Scratch.Canvas();
        canvas->AssignFont(*q.Font());
    }
    canvas->Pen.Color = ColorBackGnd;
    canvas->Pen.Style = psSolid;
    canvas->Pen.Mode = pmCopy;
    canvas->Brush.Color = ColorBackGnd;
    canvas->Brush.Style = bsSolid;
    canvas->Rectangle(0, 0, w, h);
    canvas->Pen.Color = ColorScale;
    PrepareAxis(0, 0);
    Painter.DrawAxis(canvas, Axis, TickDrawn);
    if (ShowBaseLine) Painter.DrawBaseLine(*canvas, Axis);
    Fire(q.OnAfterScaleRendered, &q, canvas);
    TScaleFrame::Draw(*canvas, FrameStyle, FrameColors, 0, 0, w - 1, h - 1);
    if (vector) vector->restore();
    if (!direct && !Scratch.Empty())
        target->CopyRect(QRect(dx, dy, w, h), Scratch.Image(), QRect(0, 0, w, h));
}

void TScalePrivate::PrepareAxis(int dx, int dy) {
    Axis.Geometry = Geometry();
    Axis.ScaleType = ScaleType;
    Axis.OffsetX = dx;
    Axis.OffsetY = dy;
    Axis.Transparent = Transparent;
    TTickSettings& t = Axis.Ticks;
    t.RangeLow = Range.RangeLow();
    t.RangeHigh = Range.RangeHigh();
    t.Logarithmic = Range.Logarithmic();
    t.MinTicks = MinTicks;
    t.ShortTicks = ShortTicks;
    t.Vertical = Vertical();
    t.LabelType = LabelType;
    TLabelSettings& l = Axis.Labels;
    l.LabelType = LabelType;
    l.DecPlaces = DecPlaces;
    l.Comma = Comma;
    l.RangeLow = t.RangeLow;
    l.RangeHigh = t.RangeHigh;
    l.UserTickText = UserTickText;
    l.ScaleInscript = ScaleInscript;
    l.DateFormat = DateFormat;
    Axis.Caption = Caption;
    Axis.CaptionPosX = CaptionPosX;
    Axis.CaptionPosY = CaptionPosY;
    Axis.CaptionAlignment = CaptionAlignment;
    Axis.CaptionAnchor = CaptionAnchor;
}
