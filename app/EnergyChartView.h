// SPDX-License-Identifier: MIT
#pragma once
// How the energy chart can be read in class: its energy axis fitted to the trail, its grid, and a
// legend of the four bodies in their colours with their g. Everything goes through the chart's
// published settings (axis range, grid style and colour, text labels); switched off, each
// setting is back at the value the window was built with.

#include <QObject>
#include <QString>

class TForm1;
class TTextLabel;

class TEnergyChartView : public QObject {
    Q_OBJECT
public:
    explicit TEnergyChartView(TForm1& form);

    // The energy axis ends at the round value (1, 2 or 5 × 10ⁿ kJ) that holds every mark of the
    // trail; it follows new states and does not shrink while the mass falls. Below the ground the
    // foot of the axis goes down the same way.
    void SetFit(bool on);
    bool Fit() const { return FFit; }
    void SetGrid(bool on);
    bool Grid() const { return FGrid; }
    // The legend's texts name the bodies as the body group does, in the window's language.
    void SetLegend(bool on);
    bool Legend() const { return FLegend; }

    // The zero level's choice in the chart: "h₀ = 100 m" in its corner, and an energy axis whose
    // foot reaches the negative energies below it.
    void SetZeroLevel(bool on);

    // After every state: the fitted axis takes in the marks that came since.
    void Follow();
    // The legend again in the body group's texts, after a change of language.
    void ShowLegend();

private:
    void SetLegendLabel(TTextLabel& label, int body, const QString& name) const;
    void TakeInState();
    void SetEnergyRange(double low, double high);

    TForm1& FForm;
    bool FFit = false;
    bool FGrid = false;
    bool FLegend = false;
    bool FZeroLevel = false;
    double FShownLevel = 0;
    // the designed energy axis, which an unfitted chart shows
    double FDesignedLow = 0;
    double FDesignedHigh = 0;
    // the trail's extremes, read from the chart once and followed state by state since
    bool FTrailRead = false;
    double FHighest = 0;
    double FLowest = 0;
    // the ends the axis was last fitted to
    bool FFitted = false;
    double FFittedLow = 0;
    double FFittedHigh = 0;
};
