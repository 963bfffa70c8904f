// SPDX-License-Identifier: MIT
// The main window's handlers and the drawing of both charts from the simulation's state.

#include "ugravilo.h"

#include <algorithm>
#include <cmath>

#include "AboutBox.h"
#include "BodyLooks.h"
#include "FocusMark.h"
#include "Keyboard.h"
#include "Rounding.h"
#include "SpokenTexts.h"
#include "TGlossator.h"
#include "TKeptTexts.h"

namespace {

// the pulley's axle, which the rope runs over
constexpr double PulleyX = 10;
constexpr double PulleyY = 590;

constexpr int MarkSquareOutline = 12;
constexpr int MarkFilledSquare = 8;
constexpr int MarkCircle = 16;

constexpr TColor Silver = 0xC0C0C0;
constexpr TColor MassBlue = 0xFF0000;
constexpr TColor ZeroLevelColor = 0x0070E0;    // orange
constexpr TColor ZeroLevelOnWhite = 0x00489E;  // a darker orange: 5:1 on white

}  // namespace

// ---- showing the state ----

void TForm1::SimulationChanged(TSimulation::TChange change) {
    // the timer runs the fall the simulation has under way
    if (Timer1->Enabled() != FSimulation.Falling()) Timer1->SetEnabled(FSimulation.Falling());
    switch (change) {
        case TSimulation::scState:
            UpdateDisplay();
            break;
        case TSimulation::scClock:
            emit StateChanged();
            break;
        case TSimulation::scTrailCleared:
            PLEnerg->ClearItems();
            emit TrailCleared();
            break;
    }
}

void TForm1::UpdateDisplay() {
    NLblMasse->SetValue(FSimulation.Mass());
    // the height above the zero level, which is the ground unless one is chosen
    NLblHeight->SetValue(FSimulation.HeightAboveZero());
    NLblEnergie->SetValue(FSimulation.Energy());
    DrawEnergyMarks();
    DrawScene();
    emit StateChanged();
}

// One trail mark per state, in the body's colour, and the current-state mark that the next state
// takes away again.
void TForm1::DrawEnergyMarks() {
    if (FSimulation.Trail().empty()) return;
    const TTrailRecord& state = FSimulation.Trail().back();
    PLEnerg->SetDataColor(BodyLook(state.Body).MarkColor);
    PLEnerg->RemoveLastItem();
    PLEnerg->AddMark(state.Height, state.Energy, BodyLook(state.Body).Mark);
    PLEnerg->AddMark(state.Height, state.Energy, MarkSquareOutline);
    PLEnerg->ShowItems();
}

void TForm1::DrawScene() {
    const TSimulation& s = FSimulation;
    const double m = s.Mass();
    const double r2 = double(Vexa::RoundHalfEven(2 * std::sqrt(m)));
    const double r3 = double(Vexa::RoundHalfEven(3 * std::sqrt(m)));
    TPlotica& scene = *PLPict;
    scene.ClearItems();
    // the projector's strokes are thicker
    const int thin = FProjectorLook ? 2 : 1;
    scene.SetLineWidth(FProjectorLook ? 3 : 2);
    const double edge = s.TowerEdge();
    for (int i = 1; i <= TSimulation::HookCount; ++i) {
        const double arm = TSimulation::HookSpacing * i;
        scene.MoveTo(edge, arm);
        scene.LineTo(edge - 10, arm);
        scene.LineTo(edge - 10, arm - 10);
        if (FHookNumbers) scene.AddText(edge - 26, arm + 12, QString::number(i), 8);
    }
    scene.SetLineWidth(thin);
    scene.SetFillColor(Silver);
    scene.AddEllipse(PulleyX, PulleyY, 10, 23);
    scene.AddMark(PulleyX, PulleyY, MarkCircle);
    scene.AddLine(0, s.MassHeight() + 2 * r3, 0, PulleyY);
    scene.AddLine(TSimulation::RopeToHandX, PulleyY, s.HandX(), s.HandY());
    scene.AddMark(s.HandX(), s.HandY(), MarkFilledSquare);
    scene.SetFillColor(MassBlue);
    scene.AddRectangle(-r2, s.MassHeight(), r2, s.MassHeight() + 2 * r3);
    if (FZeroLevelShown) {
        // the zero level across the scene, dashed in the handle's orange
        scene.SetDataColor(FProjectorLook ? ZeroLevelOnWhite : ZeroLevelColor);
        scene.SetPenStyle(psDash);
        scene.AddLine(scene.Scale1X()->RangeLow(), s.ZeroLevel(), scene.Scale1X()->RangeHigh(),
                      s.ZeroLevel());
        scene.SetPenStyle(psSolid);
        scene.AddText(scene.Scale1X()->RangeLow() + 4, s.ZeroLevel() + 16, QStringLiteral("h₀"), 8);
        scene.SetDataColor(0);
    }
    scene.ShowItems();
}

void TForm1::SetZeroLevelShown(bool shown) {
    if (shown == FZeroLevelShown) return;
    FZeroLevelShown = shown;
    if (FStarted) DrawScene();
}

void TForm1::SetHookNumbers(bool shown) {
    if (shown == FHookNumbers) return;
    FHookNumbers = shown;
    if (FStarted) DrawScene();
}

// ---- start-up ----

void TForm1::FormShow(QObject*) {
    // the start state is set once; showing the window again changes nothing
    if (FStarted) return;
    if (FAbout) {
        PrepareAboutDialog();
        FAbout->ShowModal();
        // the window comes up with the keyboard, which the dialog had before it, and shows where
        // the keys go
        ActivateWindow();
        FocusMark::Show(focusWidget());
    }
    StartState();
}

void TForm1::PrepareAboutDialog() {
    if (!FAbout) return;
    TGlossator& dictionary = *cliDemon->Translator();
    FAbout->LblName->SetCaption(QStringLiteral("Gravilo"));
    FAbout->LblVersion->SetCaption(QStringLiteral("Version 1.0"));
    FAbout->SetHomePageAddress(dictionary.TranslateText(QStringLiteral("HomePageURL")));
    dictionary.TranslateComponent(FAbout);
    FAbout->FillTexts(dictionary);
    FAbout->LblCopyright->SetCaption(dictionary.TranslateText(TFrmAbout::Notice));
}

void TForm1::Retranslate() {
    if (!cliDemon) return;
    TGlossator* dictionary = cliDemon->Translator();
    FKeptTexts->Restore();
    dictionary->TranslateComponent(this);
    PrepareAboutDialog();
    FKeyboard->Translate(dictionary);
    FSpokenTexts->Translate(dictionary);
    ApplyNumberStyle();
    emit Retranslated();
}

void TForm1::ApplyNumberStyle() {
    FComma = cliDemon &&
             cliDemon->Translator()->TranslateText(QStringLiteral("$decimalcomma$")) == QLatin1String("1");
    for (TNumora* label : {NLblMasse, NLblHeight, NLblEnergie}) label->SetComma(FComma);
    for (TPlotica* chart : {PLPict, PLEnerg})
        for (TScaleProps* axis :
             {static_cast<TScaleProps*>(chart->Scale1X()), static_cast<TScaleProps*>(chart->Scale1Y())})
            if (axis->Comma() != FComma) axis->SetComma(FComma);
}

void TForm1::StartState() {
    FStarted = true;
    FSimulation.SetTowerEdge(PLPict->Scale1X()->RangeHigh());
    FSimulation.SelectBody(RGAccel->ItemIndex());
}

// ---- controls ----

void TForm1::SButExitClick(QObject*) {
    Close();
}

void TForm1::SBarMasseChange(QObject*) {
    if (!FSyncing) FSimulation.SetMass(SBarMasse->Position());
}

void TForm1::RGAccelClick(QObject*) {
    if (!FSyncing) FSimulation.SelectBody(RGAccel->ItemIndex());
}

void TForm1::BButAboutClick(QObject*) {
    if (FAbout) FAbout->ShowModal();
}

void TForm1::BButResetClick(QObject*) {
    // the controls go back first, quietly: their handlers would note states that never were (the
    // old height with the new mass)
    FSyncing = true;
    SBarMasse->SetPosition(TSimulation::StartMass);
    RGAccel->SetItemIndex(0);
    FSyncing = false;
    FSimulation.Reset();
}

// ---- the rope ----

QPoint TForm1::HandPixel() const {
    return PLPict->WorldToPixel(1, FSimulation.HandX(), FSimulation.HandY());
}

bool TForm1::NearHand(QPoint pixel) const {
    // in 64 bits: a pointer far outside the scene maps to the ends of the int range
    const QPoint hand = HandPixel();
    const qint64 dx = qint64(pixel.x()) - hand.x(), dy = qint64(pixel.y()) - hand.y();
    return std::max(std::abs(dx), std::abs(dy)) <= GrabDistance;
}

void TForm1::PLPictMouseMoveInChart(QObject*, bool InChart, TShiftState Shift, double rMousePosX,
                                    double rMousePosY) {
    if (FGrabbed && InChart && InShift(Shift, ssLeft)) FSimulation.Pull(rMousePosX, rMousePosY);
    // where a press would grab the end, the pointer says so; while it holds it, too
    if (FGrabbed)
        PLPict->setCursor(Qt::ClosedHandCursor);
    else if (InChart && NearHand(PLPict->WorldToPixel(1, rMousePosX, rMousePosY)))
        PLPict->setCursor(Qt::OpenHandCursor);
}

void TForm1::PLPictMouseDown(QObject*, TMouseButton, TShiftState, int X, int Y) {
    FGrabbed = NearHand(QPoint(X, Y));
    // a press holds a falling mass wherever it lands on the scene; at rest only the end is taken
    if (!FGrabbed && !FSimulation.Falling()) return;
    FHolding = true;
    FSimulation.Press();
}

void TForm1::PLPictMouseUp(QObject*, TMouseButton, TShiftState, int, int) {
    if (!FHolding) return;
    FHolding = FGrabbed = false;
    // the hooks sit on the tower's edge, wherever the scene's x range puts it
    FSimulation.SetTowerEdge(PLPict->Scale1X()->RangeHigh());
    FSimulation.Release();
}

// ---- time ----

void TForm1::Timer1Timer(QObject*) {
    FSimulation.Tick();
}
