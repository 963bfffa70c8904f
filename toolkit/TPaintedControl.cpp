// SPDX-License-Identifier: MIT
#include "TPaintedControl.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <optional>

#include "AccessibleControls.h"
#include "FocusMark.h"
#include "TBitmap.h"
#include "TControlAlign.h"
#include "TFont.h"
#include "TParentFont.h"
#include "TProperties.h"
#include "TStage.h"
#include "VexaError.h"

class TPaintedControlPrivate {
public:
    TFont* Font = nullptr;
    std::unique_ptr<TParentFont> ParentFont;
    std::optional<TShowHint> Hint;  // engaged for controls with the ShowHint rule
    QPointer<QMenu> PopupMenu;
};

TPaintedControl::TPaintedControl(QWidget* parent)
    : QWidget(parent), TComponent(this), d(std::make_unique<TPaintedControlPrivate>()) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

TPaintedControl::~TPaintedControl() {
    if (d->Font) d->Font->OnChange = nullptr;
    FCanvas.Release();
}

const QImage& TPaintedControl::Picture() {
    EnsurePictureSize();
    FCanvas.Release();
    return FPicture;
}

void TPaintedControl::EnsurePictureSize() {
    const QSize wanted(std::max(width(), 0), std::max(height(), 0));
    if (FCanvas.Target() == &FPicture && FCanvas.Width() == wanted.width() &&
        FCanvas.Height() == wanted.height() && FCanvas.Scale() == FDeviceScale &&
        FPicture.format() == PictureFormat())
        return;
    FCanvas.Release();
    FPicture = TCanvas::ScaledImage(wanted.width(), wanted.height(), FDeviceScale, PictureFormat());
    if (!FPicture.isNull())
        FPicture.fill(PictureFormat() == QImage::Format_RGB32 ? Qt::white : Qt::transparent);
    FCanvas.SetTarget(&FPicture);
}

// A scale a hair's breadth from the last one keeps its picture: a window being resized passes
// through many of them. The control's size and layout stay as they are: only the picture changes.
bool TPaintedControl::TakeDeviceScale(double scale) {
    scale = std::clamp(std::round(scale * 64) / 64, 1.0, 8.0);
    return Store(FDeviceScale, scale);
}

void TPaintedControl::SetDeviceScale(double scale) {
    if (TakeDeviceScale(scale)) RepaintNow();
}

void TPaintedControl::Render() {
    EnsurePictureSize();
    if (!FPicture.isNull()) Paint();
}

void TPaintedControl::TakePicture(TBitmap& frame) {
    const QImage& image = frame.Image();
    // a frame of the picture's size and look is swapped in before any picture is made for it: the
    // first paint makes no blank picture (touching its memory) only to hand it over
    FCanvas.Release();
    if (!image.isNull() && frame.Width() == std::max(width(), 0) && frame.Height() == std::max(height(), 0) &&
        frame.Scale() == FDeviceScale && image.format() == PictureFormat()) {
        frame.SwapImage(FPicture);
        FCanvas.SetTarget(&FPicture);
        return;
    }
    EnsurePictureSize();
    FCanvas.Release();
    if (!FPicture.isNull() && !image.isNull())
        FCanvas.CopyRect(QRect(0, 0, frame.Width(), frame.Height()), image,
                         QRect(0, 0, frame.Width(), frame.Height()));
    FCanvas.Release();
}

void TPaintedControl::RepaintNow() {
    Render();
    Blit();
    AnnounceChange();
}

void TPaintedControl::Blit(const QRect& part) {
    TStage::Update(this, part);
}

void TPaintedControl::AnnounceChange() {
    AccessibleControls::AnnounceChange(this, FSpokenValue);
}

void TPaintedControl::SetBounds(int left, int top, int w, int h) {
    setGeometry(left, top, std::max(w, 0), std::max(h, 0));
    NoteBounds();
}

void TPaintedControl::NoteBounds() {
    if (geometry() == FLastBounds) return;
    FLastBounds = geometry();
    // the picture takes the new size when it is next painted or read: a control being laid out
    // changes size many times before it first shows
    BoundsChanged();
}

void TPaintedControl::SetVisible(bool visible) {
    FVisible = visible;
    // a control without a parent would become a window of its own: it only keeps the flag
    if (parentWidget()) QWidget::setVisible(visible);
}

void TPaintedControl::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // the screen's density, or the zoom of a window scaled as a whole, asks for a picture of as
    // many device pixels as the control covers
    const QTransform& device = p.deviceTransform();
    const bool rescaled = TakeDeviceScale(std::hypot(device.m11(), device.m12()));
    if (FCanvas.Width() != width() || FCanvas.Height() != height())
        RepaintNow();
    else if (rescaled)
        Render();  // for this very paint: no blit to schedule
    FCanvas.Release();
    if (PictureFormat() == QImage::Format_RGB32) p.setCompositionMode(QPainter::CompositionMode_Source);
    if (FDeviceScale == 1.0)
        p.drawImage(event->rect(), FPicture, event->rect());
    else
        p.drawImage(QRectF(event->rect()), FPicture, TCanvas::InImagePixels(event->rect(), FPicture));
    FocusMark::Paint(this, p);
}

void TPaintedControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    NoteBounds();
}

void TPaintedControl::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    NoteBounds();
}

TShiftState TPaintedControl::ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier) s |= ShiftBit(ssShift);
    if (modifiers & Qt::AltModifier) s |= ShiftBit(ssAlt);
    if (modifiers & Qt::ControlModifier) s |= ShiftBit(ssCtrl);
    if (buttons & Qt::LeftButton) s |= ShiftBit(ssLeft);
    if (buttons & Qt::RightButton) s |= ShiftBit(ssRight);
    if (buttons & Qt::MiddleButton) s |= ShiftBit(ssMiddle);
    return s;
}

namespace {
bool ButtonOf(Qt::MouseButton b, TMouseButton& out) {
    switch (b) {
        case Qt::LeftButton:
            out = mbLeft;
            return true;
        case Qt::RightButton:
            out = mbRight;
            return true;
        case Qt::MiddleButton:
            out = mbMiddle;
            return true;
        default:
            return false;
    }
}
QPoint PixelOf(const QMouseEvent* e) {
    return e->position().toPoint();
}
}  // namespace

void TPaintedControl::mousePressEvent(QMouseEvent* e) {
    TMouseButton b;
    if (!ButtonOf(e->button(), b)) return;
    if (b == mbLeft) FClickPending = true;
    const QPoint p = PixelOf(e);
    MouseDown(b, ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TPaintedControl::mouseDoubleClickEvent(QMouseEvent* e) {
    TMouseButton b;
    if (!ButtonOf(e->button(), b)) return;
    const QPoint p = PixelOf(e);
    if (b == mbLeft) DblClick();
    MouseDown(b, ShiftOf(e->modifiers(), e->buttons()) | ShiftBit(ssDouble), p.x(), p.y());
}

void TPaintedControl::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = PixelOf(e);
    MouseMove(ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TPaintedControl::mouseReleaseEvent(QMouseEvent* e) {
    TMouseButton b;
    if (!ButtonOf(e->button(), b)) return;
    const QPoint p = PixelOf(e);
    // a click is a left press and release inside the control; it comes before the release event
    if (b == mbLeft && FClickPending) {
        FClickPending = false;
        if (rect().contains(p)) Click();
    }
    MouseUp(b, ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TPaintedControl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    MouseEnter();
}

void TPaintedControl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    MouseLeave();
}

void TPaintedControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    FocusMark::Note(this, event);
}

void TPaintedControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    FocusMark::Note(this, event);
}

void TPaintedControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    Fire(OnMouseDown, this, button, shift, x, y);
}
void TPaintedControl::MouseMove(TShiftState shift, int x, int y) {
    Fire(OnMouseMove, this, shift, x, y);
}
void TPaintedControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    Fire(OnMouseUp, this, button, shift, x, y);
}
void TPaintedControl::Click() {
    Fire(OnClick, this);
}
void TPaintedControl::DblClick() {
    Fire(OnDblClick, this);
}
void TPaintedControl::MouseEnter() {
    Fire(OnMouseEnter, this);
}
void TPaintedControl::MouseLeave() {
    Fire(OnMouseLeave, this);
}

// ---- shared properties ------------------------------------------------------------------------

void TPaintedControl::UseFontAndHints() {
    if (d->Font) return;
    d->Font = new TFont(this);
    d->Font->setObjectName(QStringLiteral("Font"));
    d->Font->OnChange = [this](TFont*) {
        d->ParentFont->OwnFontChanged();
        FontChanged();
    };
    d->ParentFont = std::make_unique<TParentFont>(this, d->Font);
    d->ParentFont->Follow();
    d->Hint.emplace();
}

TFont* TPaintedControl::Font() const {
    return d->Font;
}

void TPaintedControl::SetFont(TFont* font) {
    if (d->Font && font && font != d->Font) d->Font->Assign(*font);
}

bool TPaintedControl::ParentFont() const {
    return d->ParentFont && d->ParentFont->Enabled();
}

void TPaintedControl::SetParentFont(bool parentFont) {
    if (d->ParentFont) d->ParentFont->SetEnabled(parentFont);
}

bool TPaintedControl::ShowHint() const {
    return d->Hint ? d->Hint->Effective(this) : true;
}

void TPaintedControl::SetShowHint(bool show) {
    if (d->Hint) d->Hint->Set(show);
}

bool TPaintedControl::ParentShowHint() const {
    return d->Hint && d->Hint->Parent();
}

void TPaintedControl::SetParentShowHint(bool parentShowHint) {
    if (d->Hint) d->Hint->SetParent(parentShowHint);
}

QMenu* TPaintedControl::PopupMenu() const {
    return d->PopupMenu;
}

void TPaintedControl::SetPopupMenu(QMenu* menu) {
    d->PopupMenu = menu;
}

TAlign TPaintedControl::Align() const {
    return ControlAlign(this);
}

void TPaintedControl::SetAlign(TAlign align) {
    SetControlAlign(this, align);
}

void TPaintedControl::Loaded() {
    TComponent::Loaded();
    if (d->ParentFont) d->ParentFont->Follow();
}

bool TPaintedControl::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && !ShowHint()) {
        e->ignore();
        return true;
    }
    if (e->type() == QEvent::ParentChange && d->ParentFont) d->ParentFont->Follow();
    if (e->type() == QEvent::DynamicPropertyChange)
        TakePartSetting(static_cast<QDynamicPropertyChangeEvent*>(e));
    return QWidget::event(e);
}

// A form stores a setting of a part as Part.Setting (Scale1X.RangeLow, Font.Height), which a
// loader sets as a dynamic property of the control: the part takes it, and the control keeps no
// copy of it. A dynamic property of the program's own (a dot in its name, no part of that name)
// stays as it is.
void TPaintedControl::TakePartSetting(QDynamicPropertyChangeEvent* e) {
    const QByteArray name = e->propertyName();
    const qsizetype dot = name.indexOf('.');
    if (dot < 0) return;
    const QVariant value = property(name.constData());
    if (!value.isValid()) return;  // the copy itself going away
    // a part that refuses the value throws; nothing may leave the loader's event
    QString refusal;
    bool taken = false;
    try {
        taken = SetPropPath(this, name, value);
    } catch (const EVexaError& error) {
        refusal = QString::fromUtf8(error.what());
    }
    if (taken) {
        setProperty(name.constData(), QVariant());
    } else if (!refusal.isEmpty()) {
        setProperty(name.constData(), QVariant());
        qWarning("%s: the part setting %s does not take %s: %s", metaObject()->className(), name.constData(),
                 value.toString().toUtf8().constData(), refusal.toUtf8().constData());
    } else if (GetObjectProp(this, name.left(dot).constData())) {
        qWarning("%s: the part setting %s does not take %s", metaObject()->className(), name.constData(),
                 value.toString().toUtf8().constData());
    }
}

bool TPaintedControl::ContextPopup(QPoint) {
    return false;
}

void TPaintedControl::contextMenuEvent(QContextMenuEvent* e) {
    const bool handled = ContextPopup(e->pos());
    if (!handled && d->PopupMenu) d->PopupMenu->popup(e->globalPos());
    if (handled || d->PopupMenu) {
        e->accept();
        return;
    }
    QWidget::contextMenuEvent(e);
}
