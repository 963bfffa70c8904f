// SPDX-License-Identifier: MIT
// Keyboard of the chart: key events, and the arrow keys and Tab kept by the focused chart instead
// of moving the focus or triggering shortcuts.

#include <QGuiApplication>
#include <QKeyEvent>

#include "PloticaPrivate.h"
#include "TCustomPlotica.h"

namespace {

bool IsChartKey(const QKeyEvent* e, bool keepsTab) {
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return keepsTab;
        default:
            return false;
    }
}

}  // namespace

bool TCustomPlotica::KeepsTab() const {
    return d->KeepsTab;
}

void TCustomPlotica::SetKeepsTab(bool keep) {
    d->KeepsTab = keep;
}

bool TCustomPlotica::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (IsChartKey(k, d->KeepsTab)) {
            // straight to the key event: the widget's own handling would move the focus on Tab
            if (e->type() == QEvent::KeyPress)
                keyPressEvent(k);
            else
                e->accept();
            return true;
        }
    }
    return TPaintedControl::event(e);
}

bool TCustomPlotica::focusNextPrevChild(bool next) {
    if (hasFocus() && d->KeepsTab) return false;
    return TPaintedControl::focusNextPrevChild(next);
}

void TCustomPlotica::keyPressEvent(QKeyEvent* e) {
    int key = e->key();
    Fire(OnKeyDown, this, key, ShiftOf(e->modifiers(), QGuiApplication::mouseButtons()));
    // the chart's own keys never travel on to the parent; others do unless a handler used them
    if (key == 0 || IsChartKey(e, d->KeepsTab))
        e->accept();
    else
        e->ignore();
}

void TCustomPlotica::keyReleaseEvent(QKeyEvent* e) {
    int key = e->key();
    Fire(OnKeyUp, this, key, ShiftOf(e->modifiers(), QGuiApplication::mouseButtons()));
    if (key == 0 || IsChartKey(e, d->KeepsTab))
        e->accept();
    else
        e->ignore();
}
