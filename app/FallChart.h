// SPDX-License-Identifier: MIT
#pragma once
// Energy over time: potential, kinetic, thermal and total energy of the current fall against its
// simulated time, from the release, in the project's own chart: a line and a shape per kind of
// energy, a legend below it with the values at the cursor, an energy axis fitted to the fall, and a cursor
// that shows the four values at one moment. The cursor follows the mouse over the chart, or Left and Right
// (Home, End) while the chart has the keyboard; it stays on the newest sample while the fall grows. A new
// fall from rest starts a new record; a held fall goes on in its own.

#include <QWidget>
#include <array>

class QLabel;
class TForm1;
class TGlossator;
class TPlotica;

class TFallChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 420;
    static constexpr int ChartHeight = 410;
    // the kinds of energy, as the energy bars name them
    static constexpr std::array<const char*, 4> KindKeys{"Potential", "Kinetic", "Thermal", "Total"};

    TFallChart(TForm1& form, QWidget* parent);

    // Draws the record as it is now; the cursor stays on the newest sample unless it was moved away.
    void Follow();
    void Translate(TGlossator* dictionary, bool comma);

    TPlotica& Chart() const { return *FChart; }
    // the sample under the cursor (an index into the fall's record), -1 when there is none
    int Cursor() const { return FCursor; }
    void SetCursor(int sample);
    // what the readout below the chart says of it: "t = 3.16 s", then one line per kind
    QString CursorText() const;

private:
    void Draw();
    void ShowCursor();
    QString LegendText() const;
    QStringList ReadoutLines(bool rich) const;

    TForm1& FForm;
    TPlotica* FChart;
    QLabel* FReadout;
    int FCursor = -1;
    bool FFollowing = true;
    bool FComma = false;
    std::array<QString, 4> FNames;
    QString FTime;
};
