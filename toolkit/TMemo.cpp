// SPDX-License-Identifier: MIT
#include "TMemo.h"

#include <QPainter>

#include "FocusMark.h"
#include "TColor.h"

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent), TComponent(this) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetColor(FColor);
}

QStringList TMemo::Lines() const {
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TMemo::SetLines(const QStringList& lines) {
    setPlainText(lines.join(QLatin1Char('\n')));
}

void TMemo::SetColor(TColor color) {
    FColor = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ColorToQColor(color));
    setPalette(pal);
}

void TMemo::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    FocusMark::Paint(this, painter, viewport()->rect());
}

void TMemo::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    FocusMark::Note(this, event);
    viewport()->update();
}

void TMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    FocusMark::Note(this, event);
    viewport()->update();
}
