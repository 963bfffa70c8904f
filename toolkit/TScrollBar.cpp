// SPDX-License-Identifier: MIT
#include "TScrollBar.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "FocusMark.h"

TScrollBar::TScrollBar(QWidget* parent, Qt::Orientation kind) : QScrollBar(kind, parent), TComponent(this) {
    setSingleStep(1);
    setPageStep(1);
    Sync();
    connect(this, &QScrollBar::valueChanged, this, [this](int value) {
        if (FSyncing) return;
        SetPosition(value);
    });
}

void TScrollBar::SetPageSize(int pageSize) {
    FPageSize = std::max(pageSize, 0);
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min) max = min;
    // the page covers the last positions: the bar reaches Max - PageSize + 1 at most
    const int top = std::max(min, max - std::max(FPageSize - 1, 0));
    position = std::clamp(position, min, top);
    const bool changed = position != FPosition;
    FMin = min;
    FMax = max;
    FPosition = position;
    Sync();
    if (changed && !IsLoading()) Fire(OnChange, this);
}

void TScrollBar::Sync() {
    FSyncing = true;
    setRange(FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
    setValue(FPosition);
    FSyncing = false;
}

// Right and Up step towards Max, Left and Down towards Min (a plain scroll bar of Qt's turns Left
// and Right round); the wheel stays as it is.
void TScrollBar::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
            step = SmallChange();
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            step = -SmallChange();
            break;
        case Qt::Key_PageUp:
            step = FPageKeyChange;
            break;
        case Qt::Key_PageDown:
            step = -FPageKeyChange;
            break;
        default:
            break;
    }
    if (step == 0 || (event->modifiers() & ~Qt::KeypadModifier)) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    SetPosition(FPosition + step);
    event->accept();
}

void TScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    QPainter painter(this);
    FocusMark::Paint(this, painter);
}

void TScrollBar::focusInEvent(QFocusEvent* event) {
    QScrollBar::focusInEvent(event);
    FocusMark::Note(this, event);
}

void TScrollBar::focusOutEvent(QFocusEvent* event) {
    QScrollBar::focusOutEvent(event);
    FocusMark::Note(this, event);
}
