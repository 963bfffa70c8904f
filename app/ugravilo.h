// SPDX-License-Identifier: MIT
#pragma once
// TForm1: the main window, a view of the simulation. The simulation (TSimulation) holds the
// state and every rule; the window's handlers hand it what the user does with the controls and
// the scene, and whenever it notes a new state the window shows it: the numeric labels, the scene
// drawn afresh, and the energy chart's trail mark of the state with the current-state mark.
// Nothing draws before the start state, which the show handler sets once the About dialog has been
// closed.

#include <QPointer>

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
#include "TSimulation.h"
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
    ~TForm1() override;

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

    // The window's keyboard: Tab order, the keys of the mass bar and the scene, the mnemonics.
    TKeyboard& Keyboard() const { return *FKeyboard; }
    // What screen readers hear of the charts.
    TSpokenTexts& SpokenTexts() const { return *FSpokenTexts; }

    // The simulation the window shows; what changes it through the window's controls goes through
    // their handlers, everything else (time controls, the trail) straight to it.
    TSimulation& Simulation() { return FSimulation; }
    const TSimulation& Simulation() const { return FSimulation; }
    // true once the start state has been set
    bool Started() const { return FStarted; }

    // A press grabs the rope's free end within this many pixels of it, and nowhere else.
    static constexpr int GrabDistance = 6;
    // the rope's free end on the scene, in the scene chart's pixels
    QPoint HandPixel() const;
    // within GrabDistance of the rope's free end, in both directions
    bool NearHand(QPoint pixel) const;
    // The hooks' numbers beside them on the scene, as the keys 1 to 5 name them: shown while the
    // keyboard works the scene.
    void SetHookNumbers(bool shown);
    // The zero level's line across the scene (TZeroLevelHandle moves it), and the labels and spoken
    // texts that say their heights above it.
    void SetZeroLevelShown(bool shown);
    // Colours and strokes the back row of a classroom can read: white grounds, a heavier font,
    // thicker rope and hooks, larger marks; off again, the window as it was.
    void SetProjectorLook(bool on);
    bool ProjectorLook() const { return FProjectorLook; }
    bool ZeroLevelShown() const { return FZeroLevelShown; }

    // Steps 1 to 5 of the show handler: fills the About dialog from the dictionary and translates
    // it (the texts the About button shows later are these).
    void PrepareAboutDialog();

    // Every text of the window and of its About dialog again, from the dictionary as it is now:
    // after it has read another language file. What follows the window (menus, bars) hears of it
    // through Retranslated.
    void Retranslate();
    // The decimal separator of every number the window shows, as the language file says
    // ("$decimalcomma$" 1: a comma): the numeric labels, the charts' axes, and (reading
    // DecimalComma) the energy bars and the legend.
    void ApplyNumberStyle();
    bool DecimalComma() const { return FComma; }

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

    // Shows the simulation's state: the labels, both charts.
    void UpdateDisplay();

signals:
    // The state was drawn, or the fall's clock changed: whatever shows the state follows it.
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

    void SimulationChanged(TSimulation::TChange change);
    // drawing steps of UpdateDisplay
    void DrawEnergyMarks();
    void DrawScene();
    void StartState();

    TFrmAbout* FAbout = nullptr;
    TKeyboard* FKeyboard = nullptr;
    TSpokenTexts* FSpokenTexts = nullptr;
    // the marked texts as built, for a translation into another language
    std::shared_ptr<TKeptTexts> FKeptTexts;
    bool FStarted = false;
    // set while the window moves its controls to the simulation's values: their handlers then
    // leave the simulation alone
    bool FSyncing = false;
    bool FComma = false;
    // from a press until its release: the mass is held, and the free end follows the pointer when
    // the press grabbed it
    bool FHolding = false;
    bool FGrabbed = false;
    bool FHookNumbers = false;
    bool FZeroLevelShown = false;
    bool FProjectorLook = false;
    std::vector<TColor> FBuiltGrounds;  // the grounds the projector look covers, as built
    TSimulation FSimulation;
};
