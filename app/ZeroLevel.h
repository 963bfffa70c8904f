// SPDX-License-Identifier: MIT
#pragma once
// The zero level on the scene: the height the potential energy is measured from, a line across
// the scene with a handle at its left end. The handle is dragged with the mouse, or moved with
// the keys while it has the focus (Up and Down 1 m, with Shift 10 m, Home to the ground); it comes
// after the scene in the Tab order, and screen readers hear it as "Zero level, 100 m".

#include <QWidget>

class TForm1;

class TZeroLevelHandle : public QWidget {
    Q_OBJECT
public:
    static constexpr double ShortStep = 1;
    static constexpr double LongStep = 10;

    explicit TZeroLevelHandle(TForm1& form);

    // Shown with the line, or neither; hidden, the level is the ground again.
    void SetShown(bool shown);
    // Follows the level and the scene's mapping.
    void Place();
    // the level as the handle's value is read: "100 m" with the window's decimal separator
    QString ValueText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // the level at the scene's pixel row y, in whole metres
    double LevelAt(int sceneY) const;
    void MoveTo(double level);

    TForm1& FForm;
    bool FDragging = false;
};
