// SPDX-License-Identifier: MIT
#include "TPanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "ShownText.h"
#include "TControlAlign.h"
#include "TPaintedControl.h"

TPanel::TPanel(QWidget* parent) : QWidget(parent), TComponent(this) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TPanel::SetCaption(const QString& caption) {
    FCaption = ShownText::Bounded(caption);
    update();
}

void TPanel::SetBevelInner(TBevelCut cut) {
    FBevelInner = cut;
    update();
}

void TPanel::SetBevelOuter(TBevelCut cut) {
    FBevelOuter = cut;
    update();
}

void TPanel::SetBevelWidth(int width) {
    FBevelWidth = std::max(width, 1);
    update();
}

void TPanel::SetColor(TColor color) {
    FColor = color;
    update();
}

QRect TPanel::InnerRect() const {
    int inset = 0;
    if (FBevelOuter != bvNone) inset += FBevelWidth;
    if (FBevelInner != bvNone) inset += FBevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

namespace {
// One bevel ring: light top-left and dark bottom-right when raised, the other way when lowered.
void DrawBevel(QPainter& p, QRect& r, TBevelCut cut, int width) {
    if (cut == bvNone) return;
    const QColor light = ColorToQColor(clBtnHighlight), dark = ColorToQColor(clBtnShadow);
    const QColor topLeft = cut == bvRaised ? light : (cut == bvLowered ? dark : ColorToQColor(clBtnFace));
    const QColor bottomRight = cut == bvRaised ? dark : (cut == bvLowered ? light : ColorToQColor(clBtnFace));
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.bottom(), r.left(), r.top());
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.setPen(bottomRight);
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}
}  // namespace

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ColorToQColor(FColor));
    QRect r = rect();
    DrawBevel(p, r, FBevelOuter, FBevelWidth);
    DrawBevel(p, r, FBevelInner, FBevelWidth);
    if (!FCaption.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, Qt::AlignCenter, FCaption);
    }
}

void TPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    AlignChildControls(this);
}

void TPanel::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    Fire(OnMouseMove, this, TPaintedControl::ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TPanel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Fire(OnClick, this);
}
