// SPDX-License-Identifier: MIT
#pragma once
// The simulation: a mass hangs on a rope over a pulley at the top of a tower; the rope's free end
// (the hand) is pulled, and pulling it down by d lifts the mass by d. The end can be hung on one of
// five hooks at the tower's edge; let go anywhere else, the mass falls back to the ground in steps
// of the fall's clock. Here live the whole state and every rule that changes it; the window only
// hands over what the user does and shows what is.
//
// Coordinates are those of the scene: x to the right with the rope's axis at 0 and the tower's
// edge at TowerEdge(), y up in metres. The rope is taut while its free end is below GroundHandY;
// above, it hangs slack and the mass rests on the ground: the mass is never below it. Every input that
// changes the state notes the new state: it gains a record in the trail and is announced as scState. What
// changes only the clock (a fall begins or is held, pause, slow motion) is announced as scClock; an emptied
// trail as scTrailCleared, before the state that follows it.

#include <cstdint>
#include <functional>

#include "TEnergyBalance.h"
#include "TTrail.h"

class TSimulation {
public:
    enum TChange { scState, scClock, scTrailCleared };
    // Where the mass is, as a class is told it.
    enum TPlace { spOnGround, spHeld, spHanging, spFalling };

    // ---- the scene's fixed points ----
    // The free end's y at which the mass has no height: while the rope is pulled, the height is
    // this minus the end's y.
    static constexpr double GroundHandY = 500;
    // where the rope leaves the pulley towards the hand, and the hand's place at rest
    static constexpr double RopeToHandX = 20;
    static constexpr double RestHandX = 20;
    static constexpr double RestHandY = 520;
    static constexpr int HookCount = 5;
    static constexpr double HookSpacing = 100;

    // ---- the bodies ----
    static constexpr int BodyCount = 4;
    // g of the body with that index (0 Earth, 1 Moon, 2 Mars, 3 Jupiter); 0 outside the table
    static double BodyAccel(int body);
    // The mystery planet: a fifth body whose g the teacher sets, chosen as body PlanetX once it has
    // one. Its g may be kept from the class: the energy still follows it, the displays do not show it.
    static constexpr int PlanetX = BodyCount;
    static constexpr double LeastPlanetXAccel = 0.1;
    static constexpr double MostPlanetXAccel = 50;
    // g in m/s², rounded to one decimal and kept within its range; the body chosen takes it at once
    void SetPlanetX(double g, bool hidden);
    bool HasPlanetX() const { return FPlanetXAccel > 0; }
    double PlanetXAccel() const { return FPlanetXAccel; }
    bool PlanetXHidden() const { return FPlanetXHidden; }
    // g of any body, Planet X included; 0 for none
    double AccelOf(int body) const;
    // whether the class may see the chosen body's g
    bool AccelShown() const { return !(FBody == PlanetX && FPlanetXHidden); }

    // ---- the zero level ----
    // The height h₀ the potential energy is measured from, in m above the ground (0: the ground).
    // Energies below it are negative. It lies within the scene, 0 to MostZeroLevel.
    static constexpr double MostZeroLevel = 500;
    double ZeroLevel() const { return FZeroLevel; }
    void SetZeroLevel(double height);
    // the mass's height above the zero level
    double HeightAboveZero() const { return FMassHeight - FZeroLevel; }

    static constexpr int LeastMass = 1;
    static constexpr int MostMass = 100;
    static constexpr int StartMass = 10;
    // In slow motion the fall steps on every fourth tick: the same heights at a quarter of the rate.
    static constexpr int SlowMotionTicks = 4;

    TSimulation();

    // ---- the state ----
    int Mass() const { return FMass; }
    int Body() const { return FBody; }
    // the acceleration of the chosen body; 0 until a body is first chosen
    double GravAccel() const { return FGravAccel; }
    double HandX() const { return FHandX; }
    double HandY() const { return FHandY; }
    double MassHeight() const { return FMassHeight; }
    // metres per tick of the fall under way, kept while a press holds the mass (until it is moved)
    double FallSpeed() const { return FFallSpeed; }
    double ReleaseHandX() const { return FReleaseHandX; }
    double ReleaseHeight() const { return FReleaseHeight; }
    bool Falling() const { return FFalling; }
    bool Paused() const { return FPaused; }
    bool SlowMotion() const { return FSlowMotion; }
    // the fall steps since the release that started the last fall from rest
    int FallSteps() const { return FFallSteps; }
    // true from the step that puts the falling mass on the ground until the fall ends
    bool Impact() const { return FImpact; }
    // kJ the impacts have turned into heat since the last lift
    double Thermal() const { return FThermal; }
    const TTrail& Trail() const { return FTrail; }
    const TFallRecord& FallRecord() const { return FFallRecord; }

    // E = m·g·(h − h₀) in kJ, the one product every display shows.
    double Energy() const;
    TEnergyBalance Balance() const;
    TPlace Place() const;
    // the hook the rope hangs on (hook i has its arm at y = 100·i), or 0
    int Hook() const;

    // ---- the tower's hooks ----
    // The edge the hooks sit on; it follows the scene's x range.
    double TowerEdge() const { return FTowerEdge; }
    void SetTowerEdge(double edge) { FTowerEdge = edge; }
    // Where the free end hangs on hook i: 5 units inside the edge, 5 below the hook's arm.
    double HookHandX() const { return FTowerEdge - 5; }
    static double HookHandY(int hook) { return HookSpacing * hook - 5; }
    // The hook that catches the free end let go at (x, y): within 10 units of the tower's edge and
    // within 20 units below the arm of one of the HookCount hooks, that hook; 0 for none.
    int HookCatching(double x, double y) const;

    // ---- what the user does ----
    void SetMass(int kg);
    // A body chosen; an index outside the table keeps the body there is.
    void SelectBody(int body);
    // A press on the scene holds the mass where it is; the speed is kept for the next release.
    void Press();
    // The free end pulled to (x, y). A mass that moves starts again from rest; one lifted off the
    // ground leaves the heat of the last impact behind.
    void Pull(double x, double y);
    // Letting go: the rope hangs on the hook that catches it, or the fall begins.
    void Release();
    // Letting go where the end is, hook or not: the mass falls.
    void LetGo();
    // The free end put onto hook i (1 to HookCount) and let go there: one new state.
    void HangOnHook(int hook);
    // A tick of the fall's clock: a fall step on its rhythm, while a fall is under way and not paused.
    void Tick();
    // One fall step now, whatever the rhythm; nothing while no fall is under way.
    void Step();
    void SetPaused(bool paused);
    void SetSlowMotion(bool slow);
    // The start: 10 kg on Earth at rest on the ground, no heat, the trail holding the new state
    // alone. A fall under way has no speed left: its next step finds the mass on the ground and
    // ends it.
    void Reset();
    // The trail emptied; it then holds the state as it is.
    void ClearTrail();
    // The heat of the impacts let go.
    void ClearThermal();
    // The state noted as it is (the window's first showing).
    void NoteState();

    std::function<void(TChange change)> OnChange;

private:
    void FallStep();
    void Land();
    void StartFall();
    // the end moved to (x, y) with the mass following it, without noting a state
    void MoveHand(double x, double y);
    void Notify(TChange change);
    void RecordFall();

    int FMass = StartMass;
    int FBody = 0;
    double FGravAccel = 0;
    double FTowerEdge = 100;
    double FFallSpeed = 0;
    double FMassHeight = 0;
    double FReleaseHandX = 0;
    double FReleaseHeight = 0;
    double FHandY = RestHandY;
    double FHandX = RestHandX;
    bool FFalling = false;
    bool FImpact = false;
    double FImpactSpeed = 0;  // m/s
    double FFallTime = 0;     // s of the fall since its release from rest
    double FThermal = 0;
    double FZeroLevel = 0;
    double FPlanetXAccel = 0;
    bool FPlanetXHidden = false;
    TFallRecord FFallRecord;
    bool FPaused = false;
    bool FSlowMotion = false;
    int FSlowTicks = 0;
    int FFallSteps = 0;
    TTrail FTrail;
};
