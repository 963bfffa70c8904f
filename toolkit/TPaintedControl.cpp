#include "TPaintedControl.h"

#include "AccessibleControls.h"
#include "FocusMark.h"
#include "TBitmap.h"

#include <QMouseEvent>
#include <QPainter>

TPaintedControl::TPaintedControl(QWidget* parent) : QWidget(parent), TComponent(this) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

TPaintedControl::~TPaintedControl() { FCanvas.Release(); }

const QImage& TPaintedControl::Picture() {
    EnsurePictureSize();
    FCanvas.Release();
    return FPicture;
}

void TPaintedControl::EnsurePictureSize() {
    const QSize wanted(std::max(width(), 0), std::max(height(), 0));
    if (FPicture.size() == wanted && FPicture.format() == PictureFormat()) return;
    FCanvas.Release();
    if (wanted.isEmpty()) {
        FPicture = QImage();
    } else {
        FPicture = QImage(wanted, PictureFormat());
        FPicture.fill(PictureFormat() == QImage::Format_RGB32 ? Qt::white : Qt::transparent);
    }
    FCanvas.SetTarget(&FPicture);
}

void TPaintedControl::TakePicture(TBitmap& frame) {
    EnsurePictureSize();
    FCanvas.Release();
    const QImage& image = frame.Image();
    if (image.size() == FPicture.size() && image.format() == FPicture.format()) {
        frame.SwapImage(FPicture);
        FCanvas.SetTarget(&FPicture);
        return;
    }
    if (!FPicture.isNull() && !image.isNull())
        FCanvas.CopyRect(QRect(QPoint(0, 0), image.size()), image, QRect(QPoint(0, 0), image.size()));
    FCanvas.Release();
}

void TPaintedControl::RepaintNow() {
    EnsurePictureSize();
    if (!FPicture.isNull()) Paint();
    update();
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
    if (FPicture.size() != size()) RepaintNow();
    FCanvas.Release();
    QPainter p(this);
    if (PictureFormat() == QImage::Format_RGB32) p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(event->rect(), FPicture, event->rect());
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
        case Qt::LeftButton: out = mbLeft; return true;
        case Qt::RightButton: out = mbRight; return true;
        case Qt::MiddleButton: out = mbMiddle; return true;
        default: return false;
    }
}
QPoint PixelOf(const QMouseEvent* e) { return e->position().toPoint(); }
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
void TPaintedControl::MouseMove(TShiftState shift, int x, int y) { Fire(OnMouseMove, this, shift, x, y); }
void TPaintedControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    Fire(OnMouseUp, this, button, shift, x, y);
}
void TPaintedControl::Click() { Fire(OnClick, this); }
void TPaintedControl::DblClick() { Fire(OnDblClick, this); }
void TPaintedControl::MouseEnter() { Fire(OnMouseEnter, this); }
void TPaintedControl::MouseLeave() { Fire(OnMouseLeave, this); }
