// SPDX-License-Identifier: MIT
#include "TLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "AccessibleControls.h"
#include "FocusMark.h"
#include "TPaintedControl.h"

TLabel::TLabel(QWidget* parent) : QLabel(parent), TComponent(this), FFont(new TFont(this)) {
    FFont->setObjectName(QStringLiteral("Font"));
    if (parent) {
        // the label starts with its parent's font, as a control with a parent font does
        const QFont pf = parent->font();
        FFont->SetName(pf.family());
        if (pf.pixelSize() > 0) FFont->SetHeight(pf.pixelSize());
        FFont->SetBold(pf.bold());
        FFont->SetColor(QColorToColor(parent->palette().color(QPalette::WindowText)));
    }
    FFont->OnChange = [this](TFont*) { ApplyFont(); };
    ApplyFont();
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    // a label keeps the mouse to itself: moves over it are not also the parent's moves
    setAttribute(Qt::WA_NoMousePropagation, true);
    ApplyAlignment();
    SetTransparent(true);
    AccessibleControls::Install();
}

void TLabel::ApplyFont() {
    setFont(FFont->ToQFont());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ColorToQColor(FFont->Color()));
    setPalette(pal);
}

void TLabel::SetAlignment(TAlignment alignment) {
    FAlignment = alignment;
    ApplyAlignment();
}

void TLabel::ApplyAlignment() {
    Qt::Alignment h = FAlignment == taCenter         ? Qt::AlignHCenter
                      : FAlignment == taRightJustify ? Qt::AlignRight
                                                     : Qt::AlignLeft;
    setAlignment(h | Qt::AlignTop);
}

void TLabel::SetWordWrap(bool wrap) {
    setWordWrap(wrap);
}

void TLabel::SetTransparent(bool transparent) {
    FTransparent = transparent;
    setAutoFillBackground(!transparent);
}

void TLabel::SetColor(TColor color) {
    FColor = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ColorToQColor(color));
    setPalette(pal);
}

void TLabel::mouseMoveEvent(QMouseEvent* e) {
    QLabel::mouseMoveEvent(e);
    const QPoint p = e->position().toPoint();
    Fire(OnMouseMove, this, TPaintedControl::ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TLabel::mousePressEvent(QMouseEvent* e) {
    QLabel::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) FPressed = true;
}

void TLabel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || !FPressed) return;
    FPressed = false;
    if (rect().contains(e->position().toPoint())) Fire(OnClick, this);
}

void TLabel::SetLinkAddress(const QString& address) {
    FLinkAddress = address;
    setFocusPolicy(address.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

void TLabel::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    const bool press = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (FLinkAddress.isEmpty() || !press || (e->modifiers() & ~Qt::KeypadModifier)) {
        QLabel::keyPressEvent(e);
        return;
    }
    e->accept();
    Fire(OnClick, this);
}

void TLabel::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    QPainter painter(this);
    FocusMark::Paint(this, painter);
}

void TLabel::focusInEvent(QFocusEvent* e) {
    QLabel::focusInEvent(e);
    FocusMark::Note(this, e);
}

void TLabel::focusOutEvent(QFocusEvent* e) {
    QLabel::focusOutEvent(e);
    FocusMark::Note(this, e);
}
