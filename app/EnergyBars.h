// SPDX-License-Identifier: MIT
#pragma once
// The energy bars beside the window's client area: potential energy, kinetic energy and their sum
// in kJ as bars with their values, and below them the speed and the simulated time of the fall.
// The sum's bar is built of the other two, so a fall shows the blue potential energy turning into
// green kinetic energy while the whole stays. A negative height gives a bar below the zero line.

#include <QWidget>

#include "TEnergyBalance.h"

class TGlossator;

class TEnergyBars : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 252;
    // the room of a bar's name below it, and of a readout's name
    static int CaptionWidth();
    static int ReadoutWidth() { return PanelWidth - 20; }

    explicit TEnergyBars(QWidget* parent = nullptr);

    // The values to show. During a fall the scale only grows, so that the bars can be compared
    // from step to step; at rest it fits the values again.
    void Show(const TEnergyBalance& balance, bool falling);
    const TEnergyBalance& Balance() const { return FBalance; }
    // the energy at the top of the bars (kJ)
    double ScaleEnd() const { return FScaleEnd; }

    // The names under the bars and beside the values, from the dictionary (none: the keys).
    void Translate(TGlossator* dictionary);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintBars(class QPainter& p, const QRect& area);
    void PaintReadouts(class QPainter& p, int top);

    TEnergyBalance FBalance;
    double FScaleEnd = 1;
    double FBelowEnd = 0;  // the energy at the foot of the bars: 0, or a round negative value
    QString FTitle, FPotential, FKinetic, FTotal, FSpeed, FTime;
};
