#include "TNumora.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QMetaProperty>

#include "NumoraAccessible.h"
#include "TControlAlign.h"
#include "VexaError.h"

TNumora::TNumora(QWidget* parent) : TPaintedControl(parent), FFont(new TFont(this)) {
    FFont->setObjectName(QStringLiteral("Font"));
    FFont->OnChange = [this](TFont*) { FontChanged(); };
    SetBounds(0, 0, DefaultWidth, DefaultHeight);
    FParentFontLink.Follow();
    NumoraAccessible::Install();
}

TNumora::~TNumora() {
    FFont->OnChange = nullptr;
}

template <typename T>
void TNumora::Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Refresh();
}

void TNumora::SetValue(double value) {
    Change(FValue, value);
}
void TNumora::SetDisplayType(TDisplay type) {
    Change(FDisplayType, type);
}
void TNumora::SetComma(bool comma) {
    Change(FComma, comma);
}
void TNumora::SetForcePlusSign(bool force) {
    Change(FForcePlusSign, force);
}
void TNumora::SetEmpty(bool empty) {
    Change(FEmpty, empty);
}
void TNumora::SetOverflowIndicator(const QString& text) {
    Change(FOverflowIndicator, text);
}
void TNumora::SetStateText(const QString& text) {
    Change(FStateText, text);
}
void TNumora::SetDTFormat(const QString& format) {
    Change(FDTFormat, format);
}
void TNumora::SetLeftText(const QString& text) {
    Change(FLeftText, text);
}
void TNumora::SetRightText(const QString& text) {
    Change(FRightText, text);
}
void TNumora::SetLabelWidth(int width) {
    Change(FLabelWidth, width);
}
void TNumora::SetAlignment(TAlignment alignment) {
    Change(FAlignment, alignment);
}
void TNumora::SetLeftTextAlignment(TAlignment alignment) {
    Change(FLeftTextAlignment, alignment);
}
void TNumora::SetRightTextAlignment(TAlignment alignment) {
    Change(FRightTextAlignment, alignment);
}
void TNumora::SetFrameStyle(TFrameStyle style) {
    Change(FFrameStyle, style);
}
void TNumora::SetColorLabBakG(TColor color) {
    Change(FColorLabBakG, color);
}
void TNumora::SetColorLabText(TColor color) {
    Change(FColorLabText, color);
}
void TNumora::SetColorOutBakG(TColor color) {
    Change(FColorOutBakG, color);
}
void TNumora::SetColorOutText(TColor color) {
    Change(FColorOutText, color);
}

void TNumora::SetPrecision(int precision) {
    if (precision < 0) return;
    Change(FPrecision, std::min(precision, TNumoraText::MaxPrecision));
}

void TNumora::SetLeftSpace(int space) {
    if (space < 0) return;
    Change(FLeftSpace, std::min(space, width()));
}

void TNumora::SetColorScheme(TColorScheme scheme) {
    if (scheme == FColorScheme) return;
    FColorScheme = scheme;
    FFrameDarkColor = scheme == csSystem ? clBtnShadow : 0x808080;
    FFrameLightColor = scheme == csSystem ? clBtnHighlight : 0xFFFFFF;
    Refresh();
}

void TNumora::SetVisible(bool visible) {
    if (visible == Visible()) return;
    TPaintedControl::SetVisible(visible);
    if (visible) Refresh();
}

void TNumora::BoundsChanged() {
    Refresh();
}

TAlign TNumora::Align() const {
    return ControlAlign(this);
}
void TNumora::SetAlign(TAlign align) {
    SetControlAlign(this, align);
}

void TNumora::Assign(const QObject* source) {
    const auto* other = qobject_cast<const TNumora*>(source);
    if (!other) {
        const QString kind =
            source ? QString::fromLatin1(source->metaObject()->className()) : QStringLiteral("nil");
        throw EVexaError(QStringLiteral("Cannot assign a %1 to a TNumora").arg(kind));
    }
    if (other == this) return;
    FLeftSpace = other->FLeftSpace;
    FEmpty = other->FEmpty;
    FLabelWidth = other->FLabelWidth;
    FPrecision = other->FPrecision;
    FLeftText = other->FLeftText;
    FRightText = other->FRightText;
    FFrameStyle = other->FFrameStyle;
    FAlignment = other->FAlignment;
    FRightTextAlignment = other->FRightTextAlignment;
    FLeftTextAlignment = other->FLeftTextAlignment;
    FOverflowIndicator = other->FOverflowIndicator;
    FValue = other->FValue;
    FStateText = other->FStateText;
    FColorLabBakG = other->FColorLabBakG;
    FColorLabText = other->FColorLabText;
    FColorOutBakG = other->FColorOutBakG;
    FColorOutText = other->FColorOutText;
    FFrameDarkColor = other->FFrameDarkColor;
    FFrameLightColor = other->FFrameLightColor;
    FFrameDeepColor = other->FFrameDeepColor;
    FColorScheme = other->FColorScheme;
    FDisplayType = other->FDisplayType;
    Refresh();
}

TNumoraText TNumora::TextSettings() const {
    TNumoraText t;
    t.DisplayType = FDisplayType;
    t.Precision = FPrecision;
    t.Comma = FComma;
    t.ForcePlusSign = FForcePlusSign;
    t.StateText = FStateText;
    t.DTFormat = FDTFormat;
    t.OverflowIndicator = FOverflowIndicator;
    return t;
}

QString TNumora::DisplayText() const {
    return TextSettings().Text(FValue);
}

// ---- font -------------------------------------------------------------------------------------

void TNumora::SetFont(TFont* font) {
    if (font && font != FFont) FFont->Assign(*font);
}

void TNumora::FontChanged() {
    FParentFontLink.OwnFontChanged();
    Refresh();
}

void TNumora::SetParentFont(bool parentFont) {
    FParentFontLink.SetEnabled(parentFont);
}

void TNumora::Loaded() {
    TPaintedControl::Loaded();
    FParentFontLink.Follow();
    RepaintNow();
}

void TNumora::Refresh() {
    // a form being read sets one property after another: one picture at the end is enough
    if (!IsLoading()) RepaintNow();
}

// ---- hints and menu ---------------------------------------------------------------------------

bool TNumora::ShowHint() const {
    return FShowHintFlag.Effective(this);
}

void TNumora::SetShowHint(bool show) {
    FShowHintFlag.Set(show);
}

void TNumora::SetParentShowHint(bool parentShowHint) {
    FShowHintFlag.SetParent(parentShowHint);
}

void TNumora::SetPopupMenu(QMenu* menu) {
    FPopupMenu = menu;
}

bool TNumora::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && !ShowHint()) {
        e->ignore();
        return true;
    }
    if (e->type() == QEvent::ParentChange) FParentFontLink.Follow();
    return TPaintedControl::event(e);
}

void TNumora::contextMenuEvent(QContextMenuEvent* e) {
    if (FPopupMenu) {
        FPopupMenu->popup(e->globalPos());
        e->accept();
        return;
    }
    TPaintedControl::contextMenuEvent(e);
}
