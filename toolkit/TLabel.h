// SPDX-License-Identifier: MIT
#pragma once
// A static text with the classic label settings: alignment, word wrap, its own font and colour,
// a cursor, and click and mouse-move events (link labels use them). The text shows as plain text,
// its characters and never markup.
//
// A label given a link address stands for a link: Tab reaches it, Enter and Space click it as the
// mouse does, it shows the focus mark while the keyboard gave it the focus, and screen readers hear
// of a link to that address.

#include <QLabel>

#include "ShownText.h"
#include "TComponent.h"
#include "TEvents.h"
#include "TFont.h"

class TLabel : public QLabel, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(Vexa::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
public:
    explicit TLabel(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(ShownText::Bounded(caption)); }
    // The label's own font; it starts as a copy of its parent's font.
    TFont* Font() const { return FFont; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return wordWrap(); }
    void SetWordWrap(bool wrap);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);

    // empty (as built): a plain label
    QString LinkAddress() const { return FLinkAddress; }
    void SetLinkAddress(const QString& address);

    TNotifyEvent OnClick;
    TMouseMoveEvent OnMouseMove;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyFont();
    void ApplyAlignment();
    TFont* FFont;
    TAlignment FAlignment = taLeftJustify;
    bool FTransparent = true;
    TColor FColor = clBtnFace;
    bool FPressed = false;
    QString FLinkAddress;
};
