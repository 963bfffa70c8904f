// SPDX-License-Identifier: MIT
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

#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

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
class TKeyboard;
class TKeptTexts;
class TSpokenTexts;

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
    // the link ends itself on the host's quit message: this pointer then reads null
    QPointer<TqmrDemonClient> cliDemon;
    TBitBtn* BButAbout = nullptr;
    TMemo* MMExplain = nullptr;
    TBitBtn* BButReset = nullptr;
    TPlotica* PLEnerg = nullptr;

    // The About dialog that the show handler fills and shows first, and the About button shows
    // again. Without one (the headless modes) the show handler goes straight to the start state.
    void SetAboutDialog(TFrmAbout* about) { FAbout = about; }
    TFrmAbout* AboutDialog() const { return FAbout; }

    // The window's keyboard: Tab order, the keys of the mass bar and the scene, the mnemonics.
    TKeyboard& Keyboard() const { return *FKeyboard; }
    // What screen readers hear of the charts.
    TSpokenTexts& SpokenTexts() const { return *FSpokenTexts; }

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

    // The free end's y at which the mass has no height: while the rope is pulled, the height is
    // this minus the end's y.
    static constexpr double GroundHandY = 500;

    // Energy-plot colour and acceleration of each body, by RGAccel's item index.
    static constexpr int BodyCount = 4;
    static TColor BodyColor(int index);
    static double BodyAccel(int index);

    // Steps 1 to 5 of the show handler: fills the About dialog from the dictionary and translates
    // it (the texts the About button shows later are these).
    void PrepareAboutDialog();

    // Every text of the window and of its About dialog again, from the dictionary as it is now:
    // after it has read another language file. What follows the window (menus, bars) hears of it
    // through Retranslated.
    void Retranslate();
    // The numeric labels' decimal separator as the language file says ("$decimalcomma$" 1).
    void ApplyNumberStyle();

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

    // ---- time controls and the trail, for the classroom ----
    // Paused, the timer's ticks pass without a fall step: the fall waits where it is. A release
    // still starts a fall, which waits too.
    void SetPaused(bool paused);
    bool Paused() const { return FPaused; }
    // In slow motion the fall steps on every fourth tick: the same heights at a quarter of the rate.
    static constexpr int SlowMotionTicks = 4;
    void SetSlowMotion(bool slow);
    bool SlowMotion() const { return FSlowMotion; }
    // One fall step now, whatever the timer's rhythm; nothing while no fall is under way.
    void StepFall();
    // true while a fall is under way (the timer runs it, paused or not)
    bool Falling() const { return Timer1->Enabled(); }
    // the fall steps since the release that started the last fall from rest
    int FallSteps() const { return FFallSteps; }
    // Empties the energy chart's trail and draws the marks a fresh start shows for this state.
    void ClearGraph();
    // the mass of each trail mark of the energy chart, in the chart's order
    const std::vector<std::uint8_t>& TrailMasses() const { return FTrailMasses; }

signals:
    // The state was drawn, or the time controls changed: whatever shows the state follows it.
    void StateChanged();
    // The energy chart's trail was emptied (Reset, Clear graph).
    void TrailCleared();
    // The window's texts are those of another language now.
    void Retranslated();

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
    // one step of the fall; the timer's handler runs it on its rhythm
    void FallStep();
    // the fall step's landing: the mass rests on the ground with the hand at its start
    void Land();
    void ClearTrail();

    TFrmAbout* FAbout = nullptr;
    TKeyboard* FKeyboard = nullptr;
    TSpokenTexts* FSpokenTexts = nullptr;
    // the marked texts as built, for a translation into another language
    std::shared_ptr<TKeptTexts> FKeptTexts;
    bool FStarted = false;
    // set while Reset moves the controls back: their handlers then leave the charts alone
    bool FHoldDrawing = false;

    bool FPaused = false;
    bool FSlowMotion = false;
    int FSlowTicks = 0;
    int FFallSteps = 0;
    std::vector<std::uint8_t> FTrailMasses;

    double FFallSpeed = 0;
    double FMassHeight = 0;
    double FReleaseHandX = 0;
    double FReleaseHeight = 0;
    double FHandY = 520;
    double FHandX = 20;
    double FGravAccel = 0;
};
