// SPDX-License-Identifier: MIT
#include "TSimulation.h"

#include <algorithm>
#include <cmath>

#include "Rounding.h"

TSimulation::TSimulation() = default;

double TSimulation::BodyAccel(int body) {
    static constexpr double accel[BodyCount] = {9.81, 1.62, 3.69, 23.12};
    return body >= 0 && body < BodyCount ? accel[body] : 0;
}

double TSimulation::AccelOf(int body) const {
    return body == PlanetX ? FPlanetXAccel : BodyAccel(body);
}

void TSimulation::SetPlanetX(double g, bool hidden) {
    const double clamped = std::clamp(g, LeastPlanetXAccel, MostPlanetXAccel);
    FPlanetXAccel = std::round(clamped * 10) / 10;
    FPlanetXHidden = hidden;
    if (FBody == PlanetX) FGravAccel = FPlanetXAccel;
    Notify(scState);
}

void TSimulation::SetZeroLevel(double height) {
    const double level = std::isfinite(height) ? std::clamp(height, 0.0, MostZeroLevel) : 0.0;
    if (level == FZeroLevel) return;
    FZeroLevel = level;
    // energies of another zero are not mixed with these: the trail starts anew
    FTrail.clear();
    Notify(scTrailCleared);
    Notify(scState);
}

void TSimulation::Notify(TChange change) {
    if (change == scState) {
        FTrail.push_back({FBody, FGravAccel, FMass, FMassHeight, Energy(), FZeroLevel, !AccelShown()});
        if (FFalling) RecordFall();
    }
    if (OnChange) OnChange(change);
}

void TSimulation::RecordFall() {
    const TEnergyBalance b = Balance();
    FFallRecord.push_back({b.Time, FMassHeight, b.Speed, b.Potential, b.Kinetic, b.Thermal, b.Total});
}

void TSimulation::NoteState() {
    Notify(scState);
}

// ---- what is ----

double TSimulation::Energy() const {
    // multiplied left to right, as every display has always shown it
    return double(FMass) * 0.001 * (FMassHeight - FZeroLevel) * FGravAccel;
}

TEnergyBalance TSimulation::Balance() const {
    TEnergyBalance balance;
    const double m = FMass;
    balance.Potential = Energy();
    // at rest, held on a hook or by the hand, the mass has no speed, whatever speed the next
    // release will go on with
    if (FFalling)
        balance.Speed = FImpact ? FImpactSpeed : TEnergyBalance::SpeedAfterStep(FFallSpeed, FGravAccel);
    balance.Kinetic = 0.5 * m * balance.Speed * balance.Speed * 0.001;
    balance.Thermal = FThermal;
    balance.Total = balance.Potential + balance.Kinetic + balance.Thermal;
    balance.Time = FFallTime;
    return balance;
}

int TSimulation::Hook() const {
    if (FFalling) return 0;
    for (int hook = 1; hook <= HookCount; ++hook)
        if (FHandX == HookHandX() && FHandY == HookHandY(hook)) return hook;
    return 0;
}

TSimulation::TPlace TSimulation::Place() const {
    if (FFalling) return spFalling;
    if (Hook()) return spHanging;
    if (FMassHeight == 0 && FHandX == RestHandX && FHandY == RestHandY) return spOnGround;
    return spHeld;
}

int TSimulation::HookCatching(double x, double y) const {
    const std::int64_t t = Vexa::Trunc(y);
    // the remainder keeps the sign of t: an end above the scene's 0 never hangs
    const std::int64_t q = Vexa::Mod(t, 100);
    if (x < FTowerEdge - 10 || q < 80) return 0;
    const std::int64_t hook = Vexa::Div(t, 100) + 1;
    // only the hooks on the tower hold the rope
    return hook <= HookCount ? int(hook) : 0;
}

// ---- what the user does ----

void TSimulation::SetMass(int kg) {
    FMass = kg < LeastMass ? LeastMass : kg > MostMass ? MostMass : kg;
    Notify(scState);
}

void TSimulation::SelectBody(int body) {
    if ((body >= 0 && body < BodyCount) || (body == PlanetX && HasPlanetX())) {
        FBody = body;
        FGravAccel = AccelOf(body);
    }
    Notify(scState);
}

void TSimulation::Press() {
    // a mass that has hit the ground is stopped by it, whoever holds it then
    if (FImpact) Land();
    FFalling = false;
    Notify(scClock);
}

void TSimulation::MoveHand(double x, double y) {
    if (x == FHandX && y == FHandY) return;
    FHandX = x;
    FHandY = y;
    // the rope is slack above the line where it is taut: the mass stays on the ground
    FMassHeight = y < GroundHandY ? GroundHandY - y : 0;
    // moved by the hand, the mass starts again from rest
    FFallSpeed = 0;
    FImpact = false;
    if (FMassHeight > 0) FThermal = 0;
}

void TSimulation::Pull(double x, double y) {
    MoveHand(x, y);
    Notify(scState);
}

void TSimulation::Release() {
    if (const int hook = HookCatching(FHandX, FHandY)) {
        FHandX = HookHandX();
        FHandY = HookHandY(hook);
        FMassHeight = GroundHandY - FHandY;
        // a hook holds the mass at rest
        FFallSpeed = 0;
        Notify(scState);
        return;
    }
    StartFall();
}

void TSimulation::LetGo() {
    StartFall();
}

void TSimulation::StartFall() {
    FFalling = true;
    FReleaseHandX = FHandX;
    FReleaseHeight = FMassHeight;
    // a fall from rest starts its clock; one that was held goes on with its speed and its time
    if (FFallSpeed == 0) {
        FFallSteps = 0;
        FFallTime = 0;
        FFallRecord.clear();
    }
    FSlowTicks = 0;
    if (FFallRecord.empty()) RecordFall();
    Notify(scClock);
}

void TSimulation::HangOnHook(int hook) {
    if (hook < 1 || hook > HookCount) return;
    Press();
    MoveHand(HookHandX(), HookHandY(hook));
    Release();
}

// ---- the fall ----

void TSimulation::Tick() {
    if (!FFalling || FPaused) return;
    if (FSlowMotion && ++FSlowTicks % SlowMotionTicks != 0) return;
    FallStep();
}

void TSimulation::Step() {
    if (FFalling) FallStep();
}

void TSimulation::SetPaused(bool paused) {
    if (paused == FPaused) return;
    FPaused = paused;
    Notify(scClock);
}

void TSimulation::SetSlowMotion(bool slow) {
    if (slow == FSlowMotion) return;
    FSlowMotion = slow;
    FSlowTicks = 0;
    Notify(scClock);
}

// One fall step: the speed grows by half the acceleration first, then the mass drops by it. The
// hand follows on the straight line from its place at release to its place at rest. The step
// that would take the mass through the ground puts it on the ground, with the speed of a free
// fall through what was left of its height; the fall ends at the next tick.
void TSimulation::FallStep() {
    const TEnergyBalance before = Balance();
    FFallSpeed += 0.5 * FGravAccel;
    // a release at no height has no line to follow, and a mass on the ground falls no further:
    // it lands at once
    if (FMassHeight > 0 && FReleaseHeight > 0) {
        ++FFallSteps;
        const double left = FMassHeight;
        FMassHeight = double(Vexa::RoundHalfEven(FMassHeight - FFallSpeed));
        if (FMassHeight <= 0) {
            // v² = v₀² + 2·g·h over the height that was left, reached after (v − v₀)/g more seconds
            FImpact = true;
            FImpactSpeed = std::sqrt(before.Speed * before.Speed + 2 * FGravAccel * left);
            FFallTime = before.Time + (FImpactSpeed - before.Speed) / FGravAccel;
            FMassHeight = 0;
        } else {
            FFallTime = TEnergyBalance::StepTime(FFallSteps);
        }
        FHandY = GroundHandY - FMassHeight;
        FHandX = RopeToHandX + (FReleaseHandX - RopeToHandX) * FMassHeight / FReleaseHeight;
        Notify(scState);
        return;
    }
    Land();
}

// The landing: the mass rests on the ground with the hand at its place at rest; what it still had
// of kinetic energy is heat now.
void TSimulation::Land() {
    FThermal += Balance().Kinetic;
    const bool fell = FFalling;
    FFalling = false;
    FImpact = false;
    FFallSpeed = 0;
    FMassHeight = 0;
    FHandX = RestHandX;
    FHandY = RestHandY;
    // the landing closes the fall's record
    if (fell && !FFallRecord.empty()) RecordFall();
    Notify(scState);
}

// ---- starting again ----

void TSimulation::Reset() {
    FHandX = RestHandX;
    FHandY = RestHandY;
    FFallSpeed = 0;
    FImpact = false;
    FThermal = 0;
    FTrail.clear();
    Notify(scTrailCleared);
    FMass = StartMass;
    FMassHeight = 0;
    FBody = 0;
    FGravAccel = BodyAccel(0);
    FFallSteps = 0;
    FFallTime = 0;
    FFallRecord.clear();
    Notify(scState);
}

void TSimulation::ClearThermal() {
    FThermal = 0;
    Notify(scState);
}

void TSimulation::ClearTrail() {
    FTrail.clear();
    Notify(scTrailCleared);
    Notify(scState);
}
