#include "TScale.h"

#include <QContextMenuEvent>
#include <QPaintEvent>
#include <algorithm>

#include "ScaleAccessible.h"
#include "TCanvas.h"
#include "TControlAlign.h"
#include "TickStep.h"
#include "VexaError.h"

TScale::TScale(QWidget* parent)
    : TPaintedControl(parent),
      FDateFormat(new TDTLabel(this)),
      FFont(new TFont(this)),
      FPainter(FRange, FTickValues) {
    // PaintSuppressed stays raised while the defaults are set
    FDateFormat->setObjectName(QStringLiteral("DateFormat"));
    FDateFormat->SetTimeFormat(tfHHMMSS);
    FDateFormat->SetDateSeparator(u'-');
    FDateFormat->SetTimeSeparator(u':');
    FDateFormat->SetYearLength(ylYYYY);
    FDateFormat->SetMonthName(true);
    FDateFormat->SetDateOrder(doDDMMYY);
    FDateFormat->SetDateForTime(dtOnePerDay);
    FDateFormat->OnChange = [this](QObject*) { RequestRepaint(); };

    FFont->setObjectName(QStringLiteral("Font"));
    FFont->OnChange = [this](TFont*) { FontChanged(); };
    FParentFontLink.Follow();

    FTickDrawn = [this](TCanvas*& canvas, double value, int x, int y) {
        if (OnScaleTickDrawn) OnScaleTickDrawn(this, canvas, FScaleType, value, x, y);
    };
    // the size without a picture yet: an embedded scale never needs one
    QWidget::resize(400, 400);
    UpdateScaleFactors();
    FPaintSuppressed = false;
    ScaleAccessible::Install();
}

TScale::~TScale() {
    // the events may refer to objects that are gone by now
    OnScaleTickDrawn = nullptr;
    OnBeforeScaleRendered = nullptr;
    OnAfterScaleRendered = nullptr;
    FFont->OnChange = nullptr;
}

// ---- range and mapping ----

TScaleGeometry TScale::Geometry() const {
    TScaleGeometry g;
    g.Width = width();
    g.Height = height();
    g.MarginLeft = FMarginLeft;
    g.MarginRight = FMarginRight;
    g.MarginTop = FMarginTop;
    g.MarginBottom = FMarginBottom;
    g.Vertical = Vertical();
    return g;
}

void TScale::UpdateScaleFactors() {
    if (IsLoading()) return;
    FRange.UpdateFactors(Geometry());
}

int TScale::ValueToPixel(double v) const {
    return FRange.ValueToPixel(v, width());
}

void TScale::SetRangeLow(double v) {
    if (!FRange.SetRangeLow(v)) return;
    UpdateScaleFactors();
    RequestRepaint();
}

void TScale::SetRangeHigh(double v) {
    if (!FRange.SetRangeHigh(v)) return;
    UpdateScaleFactors();
    RequestRepaint();
}

void TScale::SetLogarithmic(bool on) {
    // before loading any range is accepted: the range of the stored form may follow
    if (!on || FNotYetLoaded || (FRange.EndsAllowLogarithmic() && FLabelType != ftDateTime))
        FRange.SetLogarithmic(on);
    UpdateScaleFactors();
    RequestRepaint();
}

void TScale::SetMinTicks(int n) {
    FMinTicks = std::clamp(n, 2, 10);
    RequestRepaint();
}

void TScale::SetShortTicks(bool on) {
    if (on == FShortTicks) return;
    FShortTicks = on;
    RequestRepaint();
}

void TScale::SetScaleType(TScaleType t) {
    if (t == FScaleType) return;
    FScaleType = t;
    UpdateScaleFactors();
    RequestRepaint();
}

void TScale::SetLabelType(TFigType t) {
    FLabelType = t;
    if (t == ftDateTime) {
        FRange.SetLogarithmic(false);
        UpdateScaleFactors();
    }
    if (t == ftTime) FDecPlaces = 4;
    RequestRepaint();
}

void TScale::SetMargin(int& field, int m) {
    field = std::max(m, 0);
    UpdateScaleFactors();
    RequestRepaint();
}

void TScale::SetMarginLeft(int m) {
    SetMargin(FMarginLeft, m);
}
void TScale::SetMarginRight(int m) {
    SetMargin(FMarginRight, m);
}
void TScale::SetMarginTop(int m) {
    SetMargin(FMarginTop, m);
}
void TScale::SetMarginBottom(int m) {
    SetMargin(FMarginBottom, m);
}

void TScale::ChooseTickStep(int n, double start, double finish, double& first, double& step,
                            int& minorIntervals) {
    const TTickStep t = ::ChooseTickStep(n, start, finish);
    first = static_cast<double>(t.First);
    step = static_cast<double>(t.Step);
    minorIntervals = t.MinorIntervals;
}

// ---- tick texts ----

void TScale::SetDecPlaces(int d) {
    FDecPlaces = std::clamp(d, -3, 12);
    RequestRepaint();
}

void TScale::SetUserTickText(const QString& t) {
    FUserTickText = t;
    RequestRepaint();
}

void TScale::SetScaleInscript(const QString& t) {
    FScaleInscript = t;
    RequestRepaint();
}

void TScale::SetDateFormat(TDTLabel* source) {
    // the copy notifies, and its notification repaints
    if (source) FDateFormat->Assign(source);
}

// ---- look ----

void TScale::SetCaption(const QString& c) {
    FCaption = c;
    RequestRepaint();
}

void TScale::SetCaptionPosX(int x) {
    FCaptionPosX = x;
    RequestRepaint();
}

void TScale::SetCaptionPosY(int y) {
    FCaptionPosY = y;
    RequestRepaint();
}

void TScale::SetCaptionAlignment(TAlignment a) {
    FCaptionAlignment = a;
    RequestRepaint();
}

void TScale::SetCaptionAnchor(TScaleUnitAnchor a) {
    FCaptionAnchor = a;
    RequestRepaint();
}

void TScale::SetColorScale(TColor c) {
    if (c == FColorScale) return;
    FColorScale = c;
    RequestRepaint();
}

void TScale::SetColorBackGnd(TColor c) {
    if (c == FColorBackGnd) return;
    FColorBackGnd = c;
    RequestRepaint();
}

void TScale::SetColorScheme(TColorScheme s) {
    if (s == FColorScheme) return;
    FColorScheme = s;
    const TFrameColors scheme = TFrameColors::OfScheme(s);
    FFrameColors.Shadow = scheme.Shadow;
    FFrameColors.Highlight = scheme.Highlight;
    RequestRepaint();
}

void TScale::SetFrameStyle(TFrameStyle s) {
    if (s == FFrameStyle) return;
    FFrameStyle = s;
    RequestRepaint();
}

void TScale::SetShowBaseLine(bool on) {
    FShowBaseLine = on;
    RequestRepaint();
}

void TScale::SetTransparent(bool on) {
    FTransparent = on;
    // a see-through control lets its parent paint beneath it first
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    RequestRepaint();
}

void TScale::SetFont(TFont* font) {
    if (font && font != FFont) FFont->Assign(*font);
}


void TScale::FontChanged() {
    FParentFontLink.OwnFontChanged();
    RequestRepaint();
}

void TScale::SetParentFont(bool on) {
    FParentFontLink.SetEnabled(on);
}

bool TScale::ShowHint() const {
    return FShowHintFlag.Effective(this);
}

void TScale::SetShowHint(bool on) {
    FShowHintFlag.Set(on);
}

bool TScale::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && !ShowHint()) {
        e->ignore();
        return true;
    }
    if (e->type() == QEvent::ParentChange) FParentFontLink.Follow();
    return TPaintedControl::event(e);
}

void TScale::contextMenuEvent(QContextMenuEvent* e) {
    bool handled = false;
    Fire(OnContextPopup, this, e->pos(), handled);
    if (!handled && FPopupMenu) FPopupMenu->popup(e->globalPos());
    if (handled || FPopupMenu) {
        e->accept();
        return;
    }
    TPaintedControl::contextMenuEvent(e);
}

TAlign TScale::Align() const {
    return ControlAlign(this);
}

void TScale::SetAlign(TAlign a) {
    SetControlAlign(this, a);
}

void TScale::SetVisible(bool visible) {
    FVisible = visible;
    if (!FEmbedded) TPaintedControl::SetVisible(visible);
}

// ---- embedding and painting ----

void TScale::SetPaintSuppressed(bool on) {
    if (on == FPaintSuppressed) return;
    FPaintSuppressed = on;
    if (!on) RequestRepaint();
}

void TScale::SetEmbedded(bool on) {
    if (on == FEmbedded) return;
    FEmbedded = on;
    // an embedded scale is hidden for good; a scale back on its form shows as its flag says
    if (on)
        TPaintedControl::SetVisible(false);
    else
        TPaintedControl::SetVisible(FVisible);
    RequestRepaint();
}

void TScale::SetTargetCanvas(TCanvas* canvas, int dx, int dy) {
    FTargetCanvas = canvas;
    FTargetDx = dx;
    FTargetDy = dy;
}

void TScale::RenderNow() {
    const bool suppressed = FPaintSuppressed;
    FPaintSuppressed = false;
    RequestRepaint();
    FPaintSuppressed = suppressed;
}

bool TScale::MayPaint() const {
    if (!Visible() && (!IsDesigning() || FEmbedded)) return false;
    return !IsLoading() && !FPaintSuppressed;
}

void TScale::RequestRepaint() {
    if (FTransparent && !FEmbedded) {
        FRenderPending = true;
        update();
        return;
    }
    if (!MayPaint()) return;
    if (FEmbedded) {
        // straight onto the owner's picture, the widget untouched; nothing to paint on before
        // the owner has given its picture
        if (FTargetCanvas) Paint();
        return;
    }
    RepaintNow();
}

const QImage& TScale::RenderedPicture() {
    if (FRenderPending) {
        FRenderPending = false;
        Picture();  // sized and ready
        Paint();
    }
    return Picture();
}

void TScale::paintEvent(QPaintEvent* event) {
    RenderedPicture();
    TPaintedControl::paintEvent(event);
}

QImage::Format TScale::PictureFormat() const {
    return FTransparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

void TScale::SetBounds(int left, int top, int w, int h) {
    if (FEmbedded) {
        // the owner keeps the size in step with its own; a hidden widget needs no picture
        QWidget::setGeometry(left, top, std::max(w, 0), std::max(h, 0));
        UpdateScaleFactors();
        return;
    }
    TPaintedControl::SetBounds(left, top, w, h);
}

void TScale::BoundsChanged() {
    UpdateScaleFactors();
}

void TScale::Loaded() {
    TPaintedControl::Loaded();
    FParentFontLink.Follow();
    UpdateScaleFactors();
    FNotYetLoaded = false;
    RequestRepaint();
}

void TScale::PrepareAxis(int dx, int dy) {
    FAxis.Geometry = Geometry();
    FAxis.ScaleType = FScaleType;
    FAxis.OffsetX = dx;
    FAxis.OffsetY = dy;
    FAxis.Transparent = FTransparent;
    TTickSettings& t = FAxis.Ticks;
    t.RangeLow = FRange.RangeLow();
    t.RangeHigh = FRange.RangeHigh();
    t.Logarithmic = FRange.Logarithmic();
    t.MinTicks = FMinTicks;
    t.ShortTicks = FShortTicks;
    t.Vertical = Vertical();
    t.LabelType = FLabelType;
    TLabelSettings& l = FAxis.Labels;
    l.LabelType = FLabelType;
    l.DecPlaces = FDecPlaces;
    l.RangeLow = t.RangeLow;
    l.RangeHigh = t.RangeHigh;
    l.UserTickText = FUserTickText;
    l.ScaleInscript = FScaleInscript;
    l.DateFormat = FDateFormat;
    FAxis.Caption = FCaption;
    FAxis.CaptionPosX = FCaptionPosX;
    FAxis.CaptionPosY = FCaptionPosY;
    FAxis.CaptionAlignment = FCaptionAlignment;
    FAxis.CaptionAnchor = FCaptionAnchor;
}

void TScale::Paint() {
    if (!MayPaint()) return;
    TCanvas* target = FTargetCanvas ? FTargetCanvas : &Canvas();
    const int dx = FTargetCanvas ? FTargetDx : 0, dy = FTargetCanvas ? FTargetDy : 0;
    target->AssignFont(*FFont);
    Fire(OnBeforeScaleRendered, this, target);
    if (FTransparent)
        PaintTransparent(target, dx, dy);
    else
        PaintOpaque(target, dx, dy);
}

void TScale::PaintTransparent(TCanvas* canvas, int dx, int dy) {
    if (!FTargetCanvas && canvas->Target()) {
        // the own picture is see-through: only the axis is opaque
        canvas->Release();
        canvas->Target()->fill(Qt::transparent);
    }
    canvas->Pen.Color = FColorScale;
    PrepareAxis(dx, dy);
    FPainter.DrawAxis(canvas, FAxis, FTickDrawn);
    if (FShowBaseLine) FPainter.DrawBaseLine(*canvas, FAxis);
    Fire(OnAfterScaleRendered, this, canvas);
}

void TScale::PaintOpaque(TCanvas* target, int dx, int dy) {
    // the own picture is off-screen already; a target gets the finished picture in one copy
    const bool direct = !FTargetCanvas;
    TCanvas* canvas = target;
    if (!direct) {
        FScratch.SetSize(width(), height());
        canvas = &FScratch.Canvas();
        canvas->AssignFont(*FFont);
    }
    canvas->Pen.Color = FColorBackGnd;
    canvas->Pen.Style = psSolid;
    canvas->Pen.Mode = pmCopy;
    canvas->Brush.Color = FColorBackGnd;
    canvas->Brush.Style = bsSolid;
    canvas->Rectangle(0, 0, width(), height());
    canvas->Pen.Color = FColorScale;
    PrepareAxis(0, 0);
    FPainter.DrawAxis(canvas, FAxis, FTickDrawn);
    if (FShowBaseLine) FPainter.DrawBaseLine(*canvas, FAxis);
    Fire(OnAfterScaleRendered, this, canvas);
    TScaleFrame::Draw(*canvas, FFrameStyle, FFrameColors, 0, 0, width() - 1, height() - 1);
    if (!direct && !FScratch.Empty())
        target->CopyRect(QRect(dx, dy, width(), height()), FScratch.Image(), QRect(0, 0, width(), height()));
}

// ---- copying ----

void TScale::Assign(const QObject* source) {
    const auto* s = qobject_cast<const TScale*>(source);
    if (!s) {
        const char* name = source ? source->metaObject()->className() : "nil";
        throw EVexaError(QStringLiteral("Cannot assign a %1 to a TScale").arg(QLatin1String(name)));
    }
    if (s == this) return;
    FFrameStyle = s->FFrameStyle;
    FColorBackGnd = s->FColorBackGnd;
    FColorScale = s->FColorScale;
    FFrameColors = s->FFrameColors;
    FColorScheme = s->FColorScheme;
    OnScaleTickDrawn = s->OnScaleTickDrawn;
    FRange.SetLogarithmic(s->FRange.Logarithmic());
    FRange.SetFactors(s->FRange.FactorExact(), s->FRange.OffsetExact());
    FRange.SetRange(s->FRange.RangeLow(), s->FRange.RangeHigh());
    FShortTicks = s->FShortTicks;
    FMinTicks = s->FMinTicks;
    FDecPlaces = s->FDecPlaces;
    FShowBaseLine = s->FShowBaseLine;
    FTransparent = s->FTransparent;
    FLabelType = s->FLabelType;
    {
        // one repaint at the end, not one for the date settings on their own
        auto notify = std::move(FDateFormat->OnChange);
        FDateFormat->OnChange = nullptr;
        FDateFormat->Assign(s->FDateFormat);
        FDateFormat->OnChange = std::move(notify);
    }
    FMarginLeft = s->FMarginLeft;
    FMarginRight = s->FMarginRight;
    FMarginTop = s->FMarginTop;
    FMarginBottom = s->FMarginBottom;
    FCaptionPosX = s->FCaptionPosX;
    FCaptionPosY = s->FCaptionPosY;
    FUserTickText = s->FUserTickText;
    FScaleInscript = s->FScaleInscript;
    FTickValues = s->FTickValues;
    FCaption = s->FCaption;
    FCaptionAnchor = s->FCaptionAnchor;
    FCaptionAlignment = s->FCaptionAlignment;
    FTargetCanvas = s->FTargetCanvas;
    FTargetDx = s->FTargetDx;
    FTargetDy = s->FTargetDy;
    FScaleType = s->FScaleType;
    FPaintSuppressed = s->FPaintSuppressed;
    setAttribute(Qt::WA_OpaquePaintEvent, !FTransparent);
    RequestRepaint();
}

void TScale::AssignTo(QObject* dest) const {
    if (auto* d = qobject_cast<TScale*>(dest)) {
        d->Assign(this);
        return;
    }
    const char* name = dest ? dest->metaObject()->className() : "nil";
    throw EVexaError(QStringLiteral("Cannot assign a TScale to a %1").arg(QLatin1String(name)));
}
