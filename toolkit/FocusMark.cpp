// SPDX-License-Identifier: MIT
#include "FocusMark.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPen>
#include <QWidget>

#include "TStage.h"

namespace {

// the dynamic property that keeps how the control's focus arrived
constexpr const char* KeyboardFocusProperty = "_gravilo_keyboard_focus";

}  // namespace

namespace FocusMark {

void Note(QWidget* control, const QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    // a window that loses and regains its activation keeps the focus as it came
    if (reason == Qt::ActiveWindowFocusReason) return;
    const bool keyboard =
        event->gotFocus() && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                              reason == Qt::ShortcutFocusReason);
    control->setProperty(KeyboardFocusProperty, keyboard);
    TStage::Update(control);
}

void Show(QWidget* control) {
    if (!control) return;
    control->setProperty(KeyboardFocusProperty, true);
    // the style's own focus frame (radio buttons, push buttons) shows once the keyboard has moved
    control->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    TStage::Update(control);
}

bool FromKeyboard(const QWidget* control) {
    return control->hasFocus() && control->property(KeyboardFocusProperty).toBool();
}

void Paint(const QWidget* control, QPainter& painter, const QRect& area) {
    if (!FromKeyboard(control)) return;
    const QRect box = (area.isEmpty() ? control->rect() : area).adjusted(1, 1, -1, -1);
    if (box.width() < 4 || box.height() < 4) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // two pixels in the palette's highlight, with a dotted inner line in the text colour: seen on
    // any background, the charts' white and the labels' pale yellow included
    QPen outer(control->palette().color(QPalette::Highlight), 2);
    outer.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outer);
    painter.drawRect(box);
    // a slim control (a scroll bar) keeps its inside free for what it shows
    if (box.height() < 24) {
        painter.restore();
        return;
    }
    painter.setPen(QPen(control->palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(box.adjusted(2, 2, -3, -3));
    painter.restore();
}

}  // namespace FocusMark
