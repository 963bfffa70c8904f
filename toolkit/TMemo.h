// SPDX-License-Identifier: MIT
#pragma once
// A multi-line text whose lines are a string list, on a background of its own colour. It is
// read-only here: the program uses it to explain itself. Reached with the keyboard, it shows the
// focus mark around its text, where a read-only text has no cursor to show.

#include <QPlainTextEdit>
#include <QStringList>

#include "TColor.h"
#include "TComponent.h"

class TMemo : public QPlainTextEdit, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
public:
    explicit TMemo(QWidget* parent = nullptr);

    // A line holding line feeds shows as several lines and reads back as several.
    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TColor FColor = clWindow;
};
