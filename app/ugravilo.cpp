// SPDX-License-Identifier: MIT
// The simulation: the main window's handlers, the fall step and the drawing of both charts.

#include "ugravilo.h"

#include <cmath>

#include "AboutBox.h"
#include "Keyboard.h"
#include "Rounding.h"
#include "SpokenTexts.h"
#include "TGlossator.h"
#include "TKeptTexts.h"

namespace {

// the scene's fixed points: the pulley's axle, where the rope leaves it towards the hand, and
// the hand's place at rest
constexpr double PulleyX = 10;
constexpr double PulleyY = 590;
constexpr double RopeToHandX = 20;
constexpr double RestHandX = 20;
constexpr double RestHandY = 520;

constexpr int MarkPlus = 1;
constexpr int MarkSquareOutline = 12;
constexpr int MarkFilledSquare = 8;
constexpr int MarkCircle = 16;

constexpr TColor Silver = 0xC0C0C0;
constexpr TColor MassBlue = 0xFF0000;

}  // namespace

TColor TForm1::BodyColor(int index) {
    static constexpr TColor colors[BodyCount] = {0x000000, 0x0000FF, 0xFF0000, 0x84AE15};
    return index >= 0 && index < BodyCount ? colors[index] : 0;
}

double TForm1::BodyAccel(int index) {
    static constexpr double accel[BodyCount] = {9.81, 1.62, 3.69, 23.12};
    return index >= 0 && index < BodyCount ? accel[index] : 0;
}

double TForm1::Mass() const {
    return SBarMasse->Position();
}

// ---- drawing ----

void TForm1::UpdateDisplay() {
    if (FHoldDrawing) return;
    const double energy = Mass() * 0.001 * FMassHeight * FGravAccel;
    NLblEnergie->SetValue(energy);
    DrawEnergyMarks(energy);
    DrawScene();
    emit StateChanged();
}

// One trail mark per state, in the body's colour, and the current-state mark that the next state
// takes away again.
void TForm1::DrawEnergyMarks(double energy) {
    const int body = RGAccel->ItemIndex();
    if (body >= 0 && body < BodyCount) PLEnerg->SetDataColor(BodyColor(body));
    PLEnerg->RemoveLastItem();
    PLEnerg->AddMark(FMassHeight, energy, MarkPlus);
    FTrailMasses.push_back(std::uint8_t(Mass()));
    PLEnerg->AddMark(FMassHeight, energy, MarkSquareOutline);
    PLEnerg->ShowItems();
}

void TForm1::DrawScene() {
    const double m = Mass();
    const double r2 = double(Vexa::RoundHalfEven(2 * std::sqrt(m)));
    const double r3 = double(Vexa::RoundHalfEven(3 * std::sqrt(m)));
    TPlotica& scene = *PLPict;
    scene.ClearItems();
    scene.SetLineWidth(2);
    for (int i = 1; i <= 5; ++i) {
        // the hooks sit on the tower's edge, wherever the x range puts it
        scene.MoveTo(scene.Scale1X()->RangeHigh(), 100 * i);
        scene.LineTo(scene.Scale1X()->RangeHigh() - 10, 100 * i);
        scene.LineTo(scene.Scale1X()->RangeHigh() - 10, 100 * i - 10);
    }
    scene.SetLineWidth(1);
    scene.SetFillColor(Silver);
    scene.AddEllipse(PulleyX, PulleyY, 10, 23);
    scene.AddMark(PulleyX, PulleyY, MarkCircle);
    scene.AddLine(0, FMassHeight + 2 * r3, 0, PulleyY);
    scene.AddLine(RopeToHandX, PulleyY, FHandX, FHandY);
    scene.AddMark(FHandX, FHandY, MarkFilledSquare);
    scene.SetFillColor(MassBlue);
    scene.AddRectangle(-r2, FMassHeight, r2, FMassHeight + 2 * r3);
    scene.ShowItems();
}

// ---- start-up ----

void TForm1::FormShow(QObject*) {
    // the start state is set once; showing the window again changes nothing
    if (FStarted) return;
    if (FAbout) {
        PrepareAboutDialog();
        FAbout->ShowModal();
        // the window comes up with the keyboard, which the dialog had before it
        activateWindow();
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
    const bool comma = cliDemon && cliDemon->Translator()->TranslateText(QStringLiteral("$decimalcomma$")) ==
                                       QLatin1String("1");
    for (TNumora* label : {NLblMasse, NLblHeight, NLblEnergie}) label->SetComma(comma);
}

void TForm1::StartState() {
    FStarted = true;
    FMassHeight = 0;
    FHandX = RestHandX;
    FHandY = RestHandY;
    RGAccelClick(RGAccel);
}

// ---- controls ----

void TForm1::SButExitClick(QObject*) {
    Close();
}

void TForm1::SBarMasseChange(QObject*) {
    NLblMasse->SetValue(Mass());
    UpdateDisplay();
}

void TForm1::RGAccelClick(QObject*) {
    const int body = RGAccel->ItemIndex();
    if (body >= 0 && body < BodyCount) FGravAccel = BodyAccel(body);
    UpdateDisplay();
}

void TForm1::BButAboutClick(QObject*) {
    if (FAbout) FAbout->ShowModal();
}

void TForm1::BButResetClick(QObject*) {
    FHandX = RestHandX;
    FHandY = RestHandY;
    ClearTrail();
    PLEnerg->ShowItems();
    // mass and body go back through their handlers (labels, acceleration) but draw nothing: they
    // would leave marks of states that never were (the old height with the new mass) in the
    // emptied chart
    FHoldDrawing = true;
    SBarMasse->SetPosition(10);
    FMassHeight = 0;
    NLblHeight->SetValue(0);
    RGAccel->SetItemIndex(0);
    FHoldDrawing = false;
    FFallSteps = 0;
    // a fall under way goes on: its next step finds the mass on the ground and ends it
    UpdateDisplay();
}

void TForm1::ClearGraph() {
    ClearTrail();
    UpdateDisplay();
}

void TForm1::ClearTrail() {
    PLEnerg->ClearItems();
    FTrailMasses.clear();
    emit TrailCleared();
}

// ---- the rope ----

void TForm1::PLPictMouseMoveInChart(QObject*, bool InChart, TShiftState Shift, double rMousePosX,
                                    double rMousePosY) {
    if (!InChart || !InShift(Shift, ssLeft)) return;
    FHandX = rMousePosX;
    FHandY = rMousePosY;
    // nothing is clamped: the hand may go below the ground line, the height below 0
    FMassHeight = GroundHandY - rMousePosY;
    NLblHeight->SetValue(FMassHeight);
    UpdateDisplay();
}

void TForm1::PLPictMouseDown(QObject*, TMouseButton, TShiftState, int, int) {
    // a press holds the mass where it is; the fall speed is kept for the next release
    Timer1->SetEnabled(false);
    emit StateChanged();
}

void TForm1::PLPictMouseUp(QObject*, TMouseButton, TShiftState, int, int) {
    const double edge = PLPict->Scale1X()->RangeHigh();
    const std::int64_t t = Vexa::Trunc(FHandY);
    const std::int64_t q = Vexa::Mod(t, 100);
    if (FHandX >= edge - 10 && q >= 80) {
        // within 20 below a hook at the tower's edge: hang the rope on it
        FHandX = edge - 5;
        FHandY = double((Vexa::Div(t, 100) + 1) * 100 - 5);
        FMassHeight = GroundHandY - FHandY;
        NLblHeight->SetValue(FMassHeight);
        UpdateDisplay();
        return;
    }
    Timer1->SetEnabled(true);
    FReleaseHandX = FHandX;
    FReleaseHeight = FMassHeight;
    // a fall from rest starts its clock; one that was held goes on with its speed and its time
    if (FFallSpeed == 0) FFallSteps = 0;
    FSlowTicks = 0;
    emit StateChanged();
}

// ---- time ----

void TForm1::Timer1Timer(QObject*) {
    if (FPaused) return;
    if (FSlowMotion && ++FSlowTicks % SlowMotionTicks != 0) return;
    FallStep();
}

void TForm1::StepFall() {
    if (Falling()) FallStep();
}

void TForm1::SetPaused(bool paused) {
    if (paused == FPaused) return;
    FPaused = paused;
    emit StateChanged();
}

void TForm1::SetSlowMotion(bool slow) {
    if (slow == FSlowMotion) return;
    FSlowMotion = slow;
    FSlowTicks = 0;
    emit StateChanged();
}

// One fall step: the speed grows by half the acceleration first, then the mass drops by it. The
// hand follows on the straight line from its place at release to its place at rest.
void TForm1::FallStep() {
    FFallSpeed += 0.5 * FGravAccel;
    // a release at no height (or below) has no line to follow: the mass lands at once
    if (FMassHeight > 0 && FReleaseHeight > 0) {
        ++FFallSteps;
        FMassHeight = double(Vexa::RoundHalfEven(FMassHeight - FFallSpeed));
        FHandY = GroundHandY - FMassHeight;
        FHandX = RopeToHandX + (FReleaseHandX - RopeToHandX) * FMassHeight / FReleaseHeight;
        NLblHeight->SetValue(FMassHeight);
        UpdateDisplay();
        return;
    }
    Land();
}

void TForm1::Land() {
    Timer1->SetEnabled(false);
    FFallSpeed = 0;
    FMassHeight = 0;
    FHandX = RestHandX;
    FHandY = RestHandY;
    NLblHeight->SetValue(0);
    UpdateDisplay();
}
