// SPDX-License-Identifier: MIT
#pragma once
// A scroll bar with the classic Min, Max, Position and PageSize. OnChange runs whenever the
// position changes, by the user or by the program, except while the form is being built.
// Given the focus (its focus policy is the program's choice), it follows the arrow keys (Right and
// Up towards Max), Home and End, and Page Up and Page Down, which may move by a step of their own;
// it shows the focus mark while the keyboard gave it the focus.

#include <QScrollBar>
#include <algorithm>

#include "TComponent.h"
#include "TEvents.h"

class TScrollBar : public QScrollBar, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE SetLargeChange)
public:
    explicit TScrollBar(QWidget* parent = nullptr, Qt::Orientation kind = Qt::Horizontal);

    int Min() const { return FMin; }
    void SetMin(int min) { SetParams(FPosition, min, FMax); }
    int Max() const { return FMax; }
    void SetMax(int max) { SetParams(FPosition, FMin, max); }
    int Position() const { return FPosition; }
    // clamped into the range the bar can reach
    void SetPosition(int position) { SetParams(position, FMin, FMax); }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int pageSize);
    int SmallChange() const { return singleStep(); }
    void SetSmallChange(int step) { setSingleStep(step); }
    int LargeChange() const { return pageStep(); }
    void SetLargeChange(int step) { setPageStep(step); }

    void SetParams(int position, int min, int max);

    // How far Page Up and Page Down move the position; 0 (as built): LargeChange, as a click
    // beside the thumb does. Page Up moves towards Max.
    int PageKeyChange() const { return FPageKeyChange; }
    void SetPageKeyChange(int step) { FPageKeyChange = std::max(step, 0); }

    TNotifyEvent OnChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Sync();
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FPageSize = 0;
    int FPageKeyChange = 0;
    bool FSyncing = false;
};
