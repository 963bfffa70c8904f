// SPDX-License-Identifier: MIT
#include "TScale.h"

#include <algorithm>

#include "ScaleAccessible.h"
#include "ScalePrivate.h"
#include "TickStep.h"
#include "VexaError.h"

TScalePrivate::TScalePrivate(TScale& scale) : q(scale), DateFormat(new TDTLabel(&scale)) {
    DateFormat->setObjectName(QStringLiteral("DateFormat"));
    DateFormat->SetTimeFormat(tfHHMMSS);
    DateFormat->SetDateSeparator(u'-');
    DateFormat->SetTimeSeparator(u':');
    DateFormat->SetYearLength(ylYYYY);
    DateFormat->SetMonthName(true);
    DateFormat->SetDateOrder(doDDMMYY);
    DateFormat->SetDateForTime(dtOnePerDay);
    DateFormat->OnChange = [this](QObject*) { q.RequestRepaint(); };
    TickDrawn = [this](TCanvas*& canvas, double value, int x, int y) {
        if (q.OnScaleTickDrawn) q.OnScaleTickDrawn(&q, canvas, ScaleType, value, x, y);
    };
}

TScale::TScale(QWidget* parent) : TPaintedControl(parent), d(std::make_unique<TScalePrivate>(*this)) {
    // PaintSuppressed stays raised while the defaults are set
    UseFontAndHints();
    // the size without a picture yet: an embedded scale never needs one
    QWidget::resize(400, 400);
    UpdateScaleFactors();
    d->PaintSuppressed = false;
    ScaleAccessible::Install();
}

TScale::~TScale() {
    // the events may refer to objects that are gone by now
    OnScaleTickDrawn = nullptr;
    OnBeforeScaleRendered = nullptr;
    OnAfterScaleRendered = nullptr;
}

void TScale::PropertyChanged() {
    UpdateScaleFactors();
    RequestRepaint();
}

// ---- range and mapping ----

double TScale::RangeLow() const {
    return d->Range.RangeLow();
}
double TScale::RangeHigh() const {
    return d->Range.RangeHigh();
}
bool TScale::Logarithmic() const {
    return d->Range.Logarithmic();
}
int TScale::MinTicks() const {
    return d->MinTicks;
}
bool TScale::ShortTicks() const {
    return d->ShortTicks;
}
TScaleType TScale::ScaleType() const {
    return d->ScaleType;
}
TFigType TScale::LabelType() const {
    return d->LabelType;
}
int TScale::MarginLeft() const {
    return d->MarginLeft;
}
int TScale::MarginRight() const {
    return d->MarginRight;
}
int TScale::MarginTop() const {
    return d->MarginTop;
}
int TScale::MarginBottom() const {
    return d->MarginBottom;
}
double TScale::ScaleFactor() const {
    return d->Range.ScaleFactor();
}
double TScale::ScaleOffset() const {
    return d->Range.ScaleOffset();
}
bool TScale::NotYetLoaded() const {
    return d->NotYetLoaded;
}
int TScale::NumTicks() const {
    return d->TickValues.Count();
}
double TScale::TickValue(int index) const {
    return d->TickValues.Value(index);
}
const TTickValues& TScale::TickValues() const {
    return d->TickValues;
}

void TScale::UpdateScaleFactors() {
    if (IsLoading()) return;
    d->Range.UpdateFactors(d->Geometry());
}

int TScale::ValueToPixel(double v) const {
    return d->Range.ValueToPixel(v, width());
}

// The range and the mapping repaint on every assignment; ShortTicks and ScaleType on a change.

void TScale::SetRangeLow(double v) {
    // once loaded, a logarithmic axis keeps its ends above zero, as switching it on asks
    if (!d->NotYetLoaded && !RangeEndAllowed(v, d->Range.Logarithmic())) return;
    if (d->Range.SetRangeLow(v)) PropertyChanged();
}

void TScale::SetRangeHigh(double v) {
    if (!d->NotYetLoaded && !RangeEndAllowed(v, d->Range.Logarithmic())) return;
    if (d->Range.SetRangeHigh(v)) PropertyChanged();
}

void TScale::SetLogarithmic(bool on) {
    // before loading any range is accepted: the range of the stored form may follow
    if (!on || d->NotYetLoaded || (d->Range.EndsAllowLogarithmic() && d->LabelType != ftDateTime))
        d->Range.SetLogarithmic(on);
    PropertyChanged();
}

void TScale::SetMinTicks(int n) {
    Change(d->MinTicks, std::clamp(n, 2, 10), TNotify::Always);
}
void TScale::SetShortTicks(bool on) {
    Change(d->ShortTicks, on);
}
void TScale::SetScaleType(TScaleType t) {
    Change(d->ScaleType, t);
}

void TScale::SetLabelType(TFigType t) {
    d->LabelType = t;
    // calendar ticks are linear; elapsed time starts with four decimals
    if (t == ftDateTime) d->Range.SetLogarithmic(false);
    if (t == ftTime) d->DecPlaces = 4;
    PropertyChanged();
}

void TScale::SetMarginLeft(int m) {
    Change(d->MarginLeft, std::max(m, 0), TNotify::Always);
}
void TScale::SetMarginRight(int m) {
    Change(d->MarginRight, std::max(m, 0), TNotify::Always);
}
void TScale::SetMarginTop(int m) {
    Change(d->MarginTop, std::max(m, 0), TNotify::Always);
}
void TScale::SetMarginBottom(int m) {
    Change(d->MarginBottom, std::max(m, 0), TNotify::Always);
}

void TScale::ChooseTickStep(int n, double start, double finish, double& first, double& step,
                            int& minorIntervals) {
    const TTickStep t = ::ChooseTickStep(n, start, finish);
    first = static_cast<double>(t.First);
    step = static_cast<double>(t.Step);
    minorIntervals = t.MinorIntervals;
}

// ---- tick texts ----

bool TScale::Comma() const {
    return d->Comma;
}

void TScale::SetComma(bool comma) {
    Change(d->Comma, comma);
}

int TScale::DecPlaces() const {
    return d->DecPlaces;
}
QString TScale::UserTickText() const {
    return d->UserTickText;
}
QString TScale::ScaleInscript() const {
    return d->ScaleInscript;
}
TDTLabel* TScale::DateFormat() const {
    return d->DateFormat;
}

void TScale::SetDecPlaces(int places) {
    Change(d->DecPlaces, std::clamp(places, -3, 12), TNotify::Always);
}
void TScale::SetUserTickText(const QString& t) {
    Change(d->UserTickText, t, TNotify::Always);
}
void TScale::SetScaleInscript(const QString& t) {
    Change(d->ScaleInscript, t, TNotify::Always);
}

void TScale::SetDateFormat(TDTLabel* source) {
    // the copy notifies, and its notification repaints
    if (source) d->DateFormat->Assign(source);
}

// ---- look ----

QString TScale::Caption() const {
    return d->Caption;
}
int TScale::CaptionPosX() const {
    return d->CaptionPosX;
}
int TScale::CaptionPosY() const {
    return d->CaptionPosY;
}
TAlignment TScale::CaptionAlignment() const {
    return d->CaptionAlignment;
}
TScaleUnitAnchor TScale::CaptionAnchor() const {
    return d->CaptionAnchor;
}
TColor TScale::ColorScale() const {
    return d->ColorScale;
}
TColor TScale::ColorBackGnd() const {
    return d->ColorBackGnd;
}
TColorScheme TScale::ColorScheme() const {
    return d->ColorScheme;
}
TFrameStyle TScale::FrameStyle() const {
    return d->FrameStyle;
}
const TFrameColors& TScale::FrameColors() const {
    return d->FrameColors;
}
bool TScale::ShowBaseLine() const {
    return d->ShowBaseLine;
}
bool TScale::Transparent() const {
    return d->Transparent;
}

// the caption and the base line repaint on every assignment, the colours and the frame on a change
void TScale::SetCaption(const QString& c) {
    Change(d->Caption, c, TNotify::Always);
}
void TScale::SetCaptionPosX(int x) {
    Change(d->CaptionPosX, x, TNotify::Always);
}
void TScale::SetCaptionPosY(int y) {
    Change(d->CaptionPosY, y, TNotify::Always);
}
void TScale::SetCaptionAlignment(TAlignment a) {
    Change(d->CaptionAlignment, a, TNotify::Always);
}
void TScale::SetCaptionAnchor(TScaleUnitAnchor a) {
    Change(d->CaptionAnchor, a, TNotify::Always);
}
void TScale::SetShowBaseLine(bool on) {
    Change(d->ShowBaseLine, on, TNotify::Always);
}
void TScale::SetColorScale(TColor c) {
    Change(d->ColorScale, c);
}
void TScale::SetColorBackGnd(TColor c) {
    Change(d->ColorBackGnd, c);
}
void TScale::SetFrameStyle(TFrameStyle s) {
    Change(d->FrameStyle, s);
}

void TScale::SetColorScheme(TColorScheme s) {
    if (!Store(d->ColorScheme, s)) return;
    const TFrameColors scheme = TFrameColors::OfScheme(s);
    d->FrameColors.Shadow = scheme.Shadow;
    d->FrameColors.Highlight = scheme.Highlight;
    PropertyChanged();
}

void TScale::SetTransparent(bool on) {
    // a see-through control lets its parent paint beneath it first
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    Change(d->Transparent, on, TNotify::Always);
}

bool TScale::ContextPopup(QPoint pos) {
    bool handled = false;
    Fire(OnContextPopup, this, pos, handled);
    return handled;
}

bool TScale::Visible() const {
    return d->Visible;
}

void TScale::SetVisible(bool visible) {
    d->Visible = visible;
    if (!d->Embedded) TPaintedControl::SetVisible(visible);
}

// ---- copying ----

void TScale::Assign(const QObject* source) {
    const auto* other = qobject_cast<const TScale*>(source);
    if (!other) {
        const char* name = source ? source->metaObject()->className() : "nil";
        throw EVexaError(QStringLiteral("Cannot assign a %1 to a TScale").arg(QLatin1String(name)));
    }
    if (other == this) return;
    const TScalePrivate& s = *other->d;
    d->FrameStyle = s.FrameStyle;
    d->ColorBackGnd = s.ColorBackGnd;
    d->ColorScale = s.ColorScale;
    d->FrameColors = s.FrameColors;
    d->ColorScheme = s.ColorScheme;
    OnScaleTickDrawn = other->OnScaleTickDrawn;
    d->Range.SetLogarithmic(s.Range.Logarithmic());
    d->Range.SetFactors(s.Range.FactorExact(), s.Range.OffsetExact());
    d->Range.SetRange(s.Range.RangeLow(), s.Range.RangeHigh());
    d->ShortTicks = s.ShortTicks;
    d->MinTicks = s.MinTicks;
    d->DecPlaces = s.DecPlaces;
    d->Comma = s.Comma;
    d->ShowBaseLine = s.ShowBaseLine;
    d->Transparent = s.Transparent;
    d->LabelType = s.LabelType;
    {
        // one repaint at the end, not one for the date settings on their own
        auto notify = std::move(d->DateFormat->OnChange);
        d->DateFormat->OnChange = nullptr;
        d->DateFormat->Assign(s.DateFormat);
        d->DateFormat->OnChange = std::move(notify);
    }
    d->MarginLeft = s.MarginLeft;
    d->MarginRight = s.MarginRight;
    d->MarginTop = s.MarginTop;
    d->MarginBottom = s.MarginBottom;
    d->CaptionPosX = s.CaptionPosX;
    d->CaptionPosY = s.CaptionPosY;
    d->UserTickText = s.UserTickText;
    d->ScaleInscript = s.ScaleInscript;
    d->TickValues = s.TickValues;
    d->Caption = s.Caption;
    d->CaptionAnchor = s.CaptionAnchor;
    d->CaptionAlignment = s.CaptionAlignment;
    d->TargetCanvas = s.TargetCanvas;
    d->TargetDx = s.TargetDx;
    d->TargetDy = s.TargetDy;
    d->ScaleType = s.ScaleType;
    d->PaintSuppressed = s.PaintSuppressed;
    setAttribute(Qt::WA_OpaquePaintEvent, !d->Transparent);
    RequestRepaint();
}

void TScale::AssignTo(QObject* dest) const {
    if (auto* other = qobject_cast<TScale*>(dest)) {
        other->Assign(this);
        return;
    }
    const char* name = dest ? dest->metaObject()->className() : "nil";
    throw EVexaError(QStringLiteral("Cannot assign a TScale to a %1").arg(QLatin1String(name)));
}
