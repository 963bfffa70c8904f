#pragma once
// TForm1: the main window, and with it the whole simulation. A mass hangs on a rope over a pulley
// at the top of a tower; the rope's free end (the hand) is pulled with the mouse, and pulling it
// down by d lifts the mass by d. The end can be hung on one of five hooks at the tower's edge;
// let go anywhere else, the mass falls back to the ground in steps of a 100 ms timer. Mass and
// body (Earth, Moon, Mars, Jupiter) are chosen with a scroll bar and a radio group; the numeric
// labels show mass, height and E = m·g·h, and the energy chart collects one mark per state.
//
// Every handler that changes the state ends in UpdateDisplay, which recomputes the energy and
// redraws both charts. Nothing draws before the start state, which the show handler sets once the
// About dialog has been closed.

#include <functional>

#include "TButtons.h"
#include "TForm.h"
#include "TMemo.h"
#include "TNumora.h"
#include "TPanel.h"
#include "TPlotica.h"
#include "TRadioGroup.h"
#include "TScrollBar.h"
#include "TTimer.h"
#include "TqmrDemonClient.h"

class TFrmAbout;

class TForm1 : public TForm {
    Q_OBJECT
public:
    // Called on the host link after its published values are set and before the form has been
    // loaded: the program entry chooses the language file and the instance rule there.
    using TLinkSetup = std::function<void(TqmrDemonClient& Link)>;

    explicit TForm1(const TLinkSetup& linkSetup = {}, QWidget* parent = nullptr);

    // The components, in their declared order.
    TPanel* Panel1 = nullptr;
    TPlotica* PLPict = nullptr;
    TSpeedButton* SButExit = nullptr;
    TNumora* NLblMasse = nullptr;
    TNumora* NLblHeight = nullptr;
    TNumora* NLblEnergie = nullptr;
    TScrollBar* SBarMasse = nullptr;
    TRadioGroup* RGAccel = nullptr;
    TTimer* Timer1 = nullptr;
    TqmrDemonClient* cliDemon = nullptr;
    TBitBtn* BButAbout = nullptr;
    TMemo* MMExplain = nullptr;
    TBitBtn* BButReset = nullptr;
    TPlotica* PLEnerg = nullptr;

    // The About dialog that the show handler fills and shows first, and the About button shows
    // again. Without one (the headless modes) the show handler goes straight to the start state.
    void SetAboutDialog(TFrmAbout* about) { FAbout = about; }
    TFrmAbout* AboutDialog() const { return FAbout; }

    // The state, read-only from outside.
    double FallSpeed() const { return FFallSpeed; }
    double MassHeight() const { return FMassHeight; }
    double ReleaseHandX() const { return FReleaseHandX; }
    double ReleaseHeight() const { return FReleaseHeight; }
    double HandY() const { return FHandY; }
    double HandX() const { return FHandX; }
    // the acceleration of the selected body; 0 until RGAccelClick first runs
    double GravAccel() const { return FGravAccel; }
    // true once the start state has been set
    bool Started() const { return FStarted; }

    // Energy-plot colour and acceleration of each body, by RGAccel's item index.
    static constexpr int BodyCount = 4;
    static TColor BodyColor(int index);
    static double BodyAccel(int index);

    // Steps 1 to 5 of the show handler: fills the About dialog from the dictionary and translates
    // it (the texts the About button shows later are these).
    void PrepareAboutDialog();

    // ---- handlers ----
    void SButExitClick(QObject* Sender);
    void SBarMasseChange(QObject* Sender);
    void FormShow(QObject* Sender);
    void RGAccelClick(QObject* Sender);
    void PLPictMouseMoveInChart(QObject* Sender, bool InChart, TShiftState Shift, double rMousePosX,
                                double rMousePosY);
    void PLPictMouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void PLPictMouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Timer1Timer(QObject* Sender);
    void BButResetClick(QObject* Sender);
    void BButAboutClick(QObject* Sender);

    // Recomputes the energy and redraws both charts.
    void UpdateDisplay();

private:
    // building (ugraviloLayout.cpp)
    void BuildComponents(const TLinkSetup& linkSetup);
    void BuildPanelControls(TLoadingScope& loading);
    void BuildNumericLabels(TLoadingScope& loading);
    void SetChartDefaults(TPlotica* chart);
    void SetSceneChart();
    void SetEnergyChart();
    void WireHandlers();

    // drawing steps of UpdateDisplay
    double Mass() const;
    void DrawEnergyMarks(double energy);
    void DrawScene();

    void StartState();
    // the fall step's landing: the mass rests on the ground with the hand at its start
    void Land();

    TFrmAbout* FAbout = nullptr;
    bool FStarted = false;

    double FFallSpeed = 0;
    double FMassHeight = 0;
    double FReleaseHandX = 0;
    double FReleaseHeight = 0;
    double FHandY = 520;
    double FHandX = 20;
    double FGravAccel = 0;
};
