// SPDX-License-Identifier: MIT
#pragma once
// The energy bars beside the window's client area: potential, kinetic and thermal energy and
// their sum in kJ as bars with their values, and below them the speed and the simulated time of
// the fall. The sum's bar is built of the other three, so a fall shows the blue potential energy
// turning into green kinetic energy and, at the impact, into red thermal energy, while the whole
// stays. The values show one decimal each, and the sum shown is the sum of the parts shown.
// Screen readers find each value as a display of its own, named and announced when it changes.

#include <QString>
#include <QWidget>
#include <array>

#include "TEnergyBalance.h"

class TGlossator;

class TEnergyBars : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 328;
    // the room of a bar's name below it, and of a readout's name
    static int CaptionWidth();
    static int ReadoutWidth() { return PanelWidth - 20; }
    // the translation keys of the bars' names, left to right, and of the readouts' names
    static constexpr std::array<const char*, 4> BarKeys{"Potential", "Kinetic", "Thermal", "Total"};
    static constexpr std::array<const char*, 2> ReadoutKeys{"Speed", "Time since the release"};

    explicit TEnergyBars(QWidget* parent = nullptr);

    // The values to show. During a fall the scale only grows, so that the bars can be compared
    // from step to step; at rest it fits the values again.
    void Show(const TEnergyBalance& balance, bool falling);
    const TEnergyBalance& Balance() const { return FBalance; }
    // the energy at the top of the bars (kJ)
    double ScaleEnd() const { return FScaleEnd; }

    // The names under the bars and beside the values, from the dictionary (none: the keys), and
    // the numbers' decimal separator.
    void Translate(TGlossator* dictionary, bool comma = false);
    // A pattern over each kind of energy's colour, so that the kinds part in grey print and for
    // eyes that tell the colours apart badly: potential lines across, kinetic diagonal, thermal
    // crossed; the sum stacks them.
    void SetPatterns(bool on);
    bool Patterns() const { return FPatterns; }

    // What each bar and readout shows, as it is read out: "39.7 kJ", "v = 9.8 m/s"; in the order of
    // BarKeys, then ReadoutKeys.
    static constexpr int ReadoutCount = int(BarKeys.size() + ReadoutKeys.size());
    QString Name(int readout) const { return FNames[readout]; }
    QString ValueText(int readout) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintBars(class QPainter& p, const QRect& area);
    void PaintReadouts(class QPainter& p, int top);
    // the parts rounded as they are shown, and their sum
    std::array<double, 4> ShownEnergies() const;
    QString Number(double value, int decimals) const;

    TEnergyBalance FBalance;
    double FScaleEnd = 1;
    double FBelowEnd = 0;  // the energy at the foot of the bars: 0, or a round negative value
    bool FComma = false;
    bool FPatterns = false;
    QString FTitle;
    std::array<QString, ReadoutCount> FNames;
    // what screen readers last heard of each value
    std::array<QObject*, ReadoutCount> FReadouts{};
    std::array<QString, ReadoutCount> FSpoken;
};
