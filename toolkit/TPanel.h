// SPDX-License-Identifier: MIT
#pragma once
// A panel: a filled area with the classic two bevels and an optional centred caption. It holds
// other controls and docks them.

#include <QWidget>

#include "TColor.h"
#include "TComponent.h"
#include "TEvents.h"

class TPanel : public QWidget, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(Vexa::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(Vexa::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
public:
    explicit TPanel(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int width);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);

    // the area inside the bevels
    QRect InnerRect() const;

    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString FCaption;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    TColor FColor = clBtnFace;
};
