// SPDX-License-Identifier: MIT
#include "TNumora.h"

#include "NumoraAccessible.h"
#include "NumoraPrivate.h"
#include "VexaError.h"

TNumora::TNumora(QWidget* parent) : TPaintedControl(parent), d(std::make_unique<TNumoraPrivate>(*this)) {
    UseFontAndHints();
    SetBounds(0, 0, DefaultWidth, DefaultHeight);
    NumoraAccessible::Install();
}

TNumora::~TNumora() = default;

void TNumora::PropertyChanged() {
    // a form being read sets one property after another: one picture at the end is enough
    if (!IsLoading()) RepaintNow();
}

double TNumora::Value() const {
    return d->Value;
}
TDisplay TNumora::DisplayType() const {
    return d->Text.DisplayType;
}
int TNumora::Precision() const {
    return d->Text.Precision;
}
bool TNumora::Comma() const {
    return d->Text.Comma;
}
bool TNumora::ForcePlusSign() const {
    return d->Text.ForcePlusSign;
}
bool TNumora::Empty() const {
    return d->Empty;
}
QString TNumora::OverflowIndicator() const {
    return d->Text.OverflowIndicator;
}
QString TNumora::StateText() const {
    return d->Text.StateText;
}
QString TNumora::DTFormat() const {
    return d->Text.DTFormat;
}
QString TNumora::LeftText() const {
    return d->LeftText;
}
QString TNumora::RightText() const {
    return d->RightText;
}
int TNumora::LeftSpace() const {
    return d->LeftSpace;
}
int TNumora::LabelWidth() const {
    return d->LabelWidth;
}
TAlignment TNumora::Alignment() const {
    return d->Alignment;
}
TAlignment TNumora::LeftTextAlignment() const {
    return d->LeftTextAlignment;
}
TAlignment TNumora::RightTextAlignment() const {
    return d->RightTextAlignment;
}
TFrameStyle TNumora::FrameStyle() const {
    return d->FrameStyle;
}
TColorScheme TNumora::ColorScheme() const {
    return d->ColorScheme;
}
TColor TNumora::ColorLabBakG() const {
    return d->ColorLabBakG;
}
TColor TNumora::ColorLabText() const {
    return d->ColorLabText;
}
TColor TNumora::ColorOutBakG() const {
    return d->ColorOutBakG;
}
TColor TNumora::ColorOutText() const {
    return d->ColorOutText;
}
TColor TNumora::FrameDarkColor() const {
    return d->FrameDarkColor;
}
TColor TNumora::FrameLightColor() const {
    return d->FrameLightColor;
}
TColor TNumora::FrameDeepColor() const {
    return d->FrameDeepColor;
}
QString TNumora::DrawnText() const {
    return d->DrawnText;
}

void TNumora::SetValue(double value) {
    Change(d->Value, value);
}
void TNumora::SetDisplayType(TDisplay type) {
    Change(d->Text.DisplayType, type);
}
void TNumora::SetComma(bool comma) {
    Change(d->Text.Comma, comma);
}
void TNumora::SetForcePlusSign(bool force) {
    Change(d->Text.ForcePlusSign, force);
}
void TNumora::SetEmpty(bool empty) {
    Change(d->Empty, empty);
}
void TNumora::SetOverflowIndicator(const QString& text) {
    Change(d->Text.OverflowIndicator, text);
}
void TNumora::SetStateText(const QString& text) {
    Change(d->Text.StateText, text);
}
void TNumora::SetDTFormat(const QString& format) {
    Change(d->Text.DTFormat, format);
}
void TNumora::SetLeftText(const QString& text) {
    Change(d->LeftText, text);
}
void TNumora::SetRightText(const QString& text) {
    Change(d->RightText, text);
}
void TNumora::SetLabelWidth(int width) {
    Change(d->LabelWidth, width);
}
void TNumora::SetAlignment(TAlignment alignment) {
    Change(d->Alignment, alignment);
}
void TNumora::SetLeftTextAlignment(TAlignment alignment) {
    Change(d->LeftTextAlignment, alignment);
}
void TNumora::SetRightTextAlignment(TAlignment alignment) {
    Change(d->RightTextAlignment, alignment);
}
void TNumora::SetFrameStyle(TFrameStyle style) {
    Change(d->FrameStyle, style);
}
void TNumora::SetColorLabBakG(TColor color) {
    Change(d->ColorLabBakG, color);
}
void TNumora::SetColorLabText(TColor color) {
    Change(d->ColorLabText, color);
}
void TNumora::SetColorOutBakG(TColor color) {
    Change(d->ColorOutBakG, color);
}
void TNumora::SetColorOutText(TColor color) {
    Change(d->ColorOutText, color);
}

void TNumora::SetPrecision(int precision) {
    if (precision < 0) return;
    Change(d->Text.Precision, std::min(precision, TNumoraText::MaxPrecision));
}

void TNumora::SetLeftSpace(int space) {
    if (space < 0) return;
    Change(d->LeftSpace, std::min(space, width()));
}

void TNumora::SetColorScheme(TColorScheme scheme) {
    if (!Store(d->ColorScheme, scheme)) return;
    d->FrameDarkColor = scheme == csSystem ? clBtnShadow : 0x808080;
    d->FrameLightColor = scheme == csSystem ? clBtnHighlight : 0xFFFFFF;
    PropertyChanged();
}

void TNumora::SetVisible(bool visible) {
    if (visible == Visible()) return;
    TPaintedControl::SetVisible(visible);
    if (visible) PropertyChanged();
}

void TNumora::BoundsChanged() {
    PropertyChanged();
}

void TNumora::Loaded() {
    TPaintedControl::Loaded();
    RepaintNow();
}

void TNumora::Assign(const QObject* source) {
    const auto* other = qobject_cast<const TNumora*>(source);
    if (!other) {
        const QString kind =
            source ? QString::fromLatin1(source->metaObject()->className()) : QStringLiteral("nil");
        throw EVexaError(QStringLiteral("Cannot assign a %1 to a TNumora").arg(kind));
    }
    if (other == this) return;
    const TNumoraPrivate& s = *other->d;
    d->LeftSpace = s.LeftSpace;
    d->Empty = s.Empty;
    d->LabelWidth = s.LabelWidth;
    d->Text.Precision = s.Text.Precision;
    d->LeftText = s.LeftText;
    d->RightText = s.RightText;
    d->FrameStyle = s.FrameStyle;
    d->Alignment = s.Alignment;
    d->RightTextAlignment = s.RightTextAlignment;
    d->LeftTextAlignment = s.LeftTextAlignment;
    d->Text.OverflowIndicator = s.Text.OverflowIndicator;
    d->Value = s.Value;
    d->Text.StateText = s.Text.StateText;
    d->ColorLabBakG = s.ColorLabBakG;
    d->ColorLabText = s.ColorLabText;
    d->ColorOutBakG = s.ColorOutBakG;
    d->ColorOutText = s.ColorOutText;
    d->FrameDarkColor = s.FrameDarkColor;
    d->FrameLightColor = s.FrameLightColor;
    d->FrameDeepColor = s.FrameDeepColor;
    d->ColorScheme = s.ColorScheme;
    d->Text.DisplayType = s.Text.DisplayType;
    PropertyChanged();
}

QString TNumora::DisplayText() const {
    return d->Text.Text(d->Value);
}
