// SPDX-License-Identifier: MIT
// The simulation through the main window's own handlers: dragging the rope, hanging it on a hook,
// letting the mass fall, Reset, and the trail of the energy plot.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "EnergyBalance.h"
#include "GraviloTesting.h"

using namespace gravilotest;

namespace {

// the heights the fall shows, tick by tick, until the timer stops
std::vector<double> FallHeights(TTestWindow& w, int limit = 100) {
    std::vector<double> heights;
    while (w->Timer1->Enabled() && int(heights.size()) < limit) {
        w.Tick();
        heights.push_back(w->MassHeight());
    }
    return heights;
}

}  // namespace

TEST(Simulation, DraggingTheRopeLiftsTheMass) {
    TTestWindow w;
    TForm1& f = w.Start();
    f.SBarMasse->SetPosition(100);
    f.RGAccel->SetItemIndex(3);
    w.Press();
    w.DragTo(-30, 0);
    EXPECT_EQ(f.HandX(), -30);
    EXPECT_EQ(f.HandY(), 0);
    EXPECT_EQ(f.MassHeight(), 500);
    EXPECT_EQ(f.NLblHeight->DrawnText(), QStringLiteral("500.0"));
    // 100 kg lifted 500 m on Jupiter: above the energy plot's range, still shown in full
    EXPECT_DOUBLE_EQ(f.NLblEnergie->Value(), 1156);
    EXPECT_EQ(f.NLblEnergie->DrawnText(), QStringLiteral("1156.0"));
    const TDrawItem& trail = f.PLEnerg->Item(f.PLEnerg->ItemCount() - 2);
    EXPECT_EQ(trail.X1, 500);
    EXPECT_DOUBLE_EQ(trail.Y1, 1156);
    EXPECT_EQ(trail.Color, 0x84AE15u);

    // below the ground line nothing is clamped: 620 gives -120 m and a negative energy
    f.SBarMasse->SetPosition(10);
    f.RGAccel->SetItemIndex(0);
    w.DragTo(0, 620);
    EXPECT_EQ(f.MassHeight(), -120);
    EXPECT_EQ(f.NLblHeight->DrawnText(), QStringLiteral("-120.0"));
    EXPECT_DOUBLE_EQ(f.NLblEnergie->Value(), 10 * 0.001 * -120 * 9.81);
    EXPECT_LT(f.NLblEnergie->Value(), 0);
}

TEST(Simulation, OnlyALeftButtonDragInsideTheDataAreaMovesTheRope) {
    TTestWindow w;
    TForm1& f = w.Start();
    const int items = f.PLEnerg->ItemCount();
    f.PLPictMouseMoveInChart(f.PLPict, false, ShiftBit(ssLeft), 0, 300);
    f.PLPictMouseMoveInChart(f.PLPict, true, 0, 0, 300);
    f.PLPictMouseMoveInChart(f.PLPict, true, ShiftBit(ssRight), 0, 300);
    EXPECT_EQ(f.HandY(), 520);
    EXPECT_EQ(f.MassHeight(), 0);
    EXPECT_EQ(f.PLEnerg->ItemCount(), items);
    f.PLPictMouseMoveInChart(f.PLPict, true, ShiftBit(ssLeft) | ShiftBit(ssShift), 0, 300);
    EXPECT_EQ(f.MassHeight(), 200);
}

TEST(Simulation, HooksHoldTheRopeNearTheTowersEdge) {
    struct TCase {
        double X, Y;
        bool Hangs;
        double HandY;  // where the rope hangs
    };
    const TCase cases[] = {
        {90, 180, true, 195},    {89.9, 180, false, 0},   {90, 80, true, 95},  {95, 79.99, false, 0},
        {100, 499.5, true, 495}, {90, 399.99, true, 395}, {90, 300, false, 0}, {120, 285, true, 295},
        {90, 580, true, 595},    {90, 599.9, true, 595},  {90, 600, false, 0}, {90, -15, false, 0},
    };
    for (const TCase& c : cases) {
        TTestWindow w;
        TForm1& f = w.Start();
        w.PullAndRelease(c.X, c.Y);
        SCOPED_TRACE(testing::Message() << "released at " << c.X << ", " << c.Y);
        EXPECT_EQ(f.Timer1->Enabled(), !c.Hangs);
        if (c.Hangs) {
            EXPECT_EQ(f.HandX(), 95);
            EXPECT_EQ(f.HandY(), c.HandY);
            EXPECT_EQ(f.MassHeight(), 500 - c.HandY);
            EXPECT_EQ(f.NLblHeight->Value(), 500 - c.HandY);
        } else {
            EXPECT_EQ(f.HandX(), c.X);
            EXPECT_EQ(f.ReleaseHandX(), c.X);
            EXPECT_EQ(f.ReleaseHeight(), 500 - c.Y);
        }
    }
}

TEST(Simulation, TheHooksFollowTheTowersEdge) {
    TTestWindow w;
    TForm1& f = w.Start();
    f.PLPict->Scale1X()->SetRangeHigh(80);
    w.PullAndRelease(71, 285);
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_EQ(f.HandX(), 75);
    EXPECT_EQ(f.PLPict->Item(0).X1, 80);  // the first hook, drawn from the new edge
}

TEST(Simulation, AFallFrom500MetresOnEarthAndOnJupiter) {
    {
        TTestWindow w;
        TForm1& f = w.Start();
        w.PullAndRelease(0, 0);
        const std::vector<double> heights = FallHeights(w);
        ASSERT_EQ(heights.size(), 15u);
        const std::vector<double> first(heights.begin(), heights.begin() + 6);
        EXPECT_EQ(first, (std::vector<double>{495, 485, 470, 450, 425, 396}));
        EXPECT_EQ(heights[12], 53);
        EXPECT_EQ(heights[13], -16);
        EXPECT_EQ(heights[14], 0);
        EXPECT_FALSE(f.Timer1->Enabled());
        EXPECT_EQ(f.FallSpeed(), 0);
        EXPECT_EQ(f.HandX(), 20);
        EXPECT_EQ(f.HandY(), 520);
    }
    {
        TTestWindow w;
        TForm1& f = w.Start();
        f.RGAccel->SetItemIndex(3);
        w.PullAndRelease(0, 0);
        const std::vector<double> heights = FallHeights(w);
        ASSERT_EQ(heights.size(), 10u);
        const std::vector<double> first(heights.begin(), heights.begin() + 6);
        EXPECT_EQ(first, (std::vector<double>{488, 465, 430, 384, 326, 257}));
        EXPECT_EQ(heights[7], 84);
        EXPECT_EQ(heights[8], -20);
        EXPECT_EQ(heights[9], 0);
    }
}

TEST(Simulation, TheHandFollowsTheMassBackToItsPlaceAtRest) {
    TTestWindow w;
    TForm1& f = w.Start();
    w.PullAndRelease(-80, 100);  // 400 m, the hand 100 units left of the rope's start
    w.Tick();
    ASSERT_EQ(f.MassHeight(), 395);
    EXPECT_DOUBLE_EQ(f.HandX(), 20 + (-80 - 20) * 395.0 / 400.0);
    EXPECT_EQ(f.HandY(), 105);
    EXPECT_EQ(f.NLblHeight->Value(), 395);
}

TEST(Simulation, ResetDuringAFall) {
    TTestWindow w;
    TForm1& f = w.Start();
    f.SBarMasse->SetPosition(50);
    f.RGAccel->SetItemIndex(2);
    w.PullAndRelease(0, 100);
    w.Tick();
    w.Tick();
    ASSERT_GT(f.FallSpeed(), 0);
    f.BButReset->click();
    // at once: height 0, hand at rest, 10 kg on Earth, the plot emptied but for the new state
    EXPECT_EQ(f.MassHeight(), 0);
    EXPECT_EQ(f.HandX(), 20);
    EXPECT_EQ(f.HandY(), 520);
    EXPECT_EQ(f.SBarMasse->Position(), 10);
    EXPECT_EQ(f.NLblMasse->Value(), 10);
    EXPECT_EQ(f.RGAccel->ItemIndex(), 0);
    EXPECT_EQ(f.GravAccel(), 9.81);
    EXPECT_EQ(f.NLblHeight->DrawnText(), QStringLiteral("0.0"));
    // the plot holds the start state's marks alone: no mark of the old height with the new mass
    ASSERT_EQ(f.PLEnerg->ItemCount(), 2);
    EXPECT_EQ(f.PLEnerg->Item(0).Color, 0u);
    EXPECT_EQ(f.PLEnerg->Item(0).X1, 0);
    // the fall is not stopped by Reset: the next tick finds the ground and ends it
    EXPECT_TRUE(f.Timer1->Enabled());
    EXPECT_GT(f.FallSpeed(), 0);
    w.Tick();
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_EQ(f.FallSpeed(), 0);
    EXPECT_EQ(f.MassHeight(), 0);
}

TEST(Simulation, APressStopsTheFallAndAReleaseGoesOnWithItsSpeed) {
    TTestWindow w;
    TForm1& f = w.Start();
    w.PullAndRelease(0, 0);
    for (int i = 0; i < 3; ++i) w.Tick();
    ASSERT_EQ(f.MassHeight(), 470);
    const double speed = f.FallSpeed();
    w.Press();
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_EQ(f.FallSpeed(), speed);
    EXPECT_EQ(f.MassHeight(), 470);
    w.Release();  // away from the hooks: the fall goes on
    EXPECT_TRUE(f.Timer1->Enabled());
    EXPECT_EQ(f.ReleaseHeight(), 470);
    w.Tick();
    EXPECT_EQ(f.MassHeight(), 450);  // 470 - (speed + 4.905)
}

TEST(Simulation, ChangingMassOrBodyDuringAFallChangesTheEnergyAtOnce) {
    TTestWindow w;
    TForm1& f = w.Start();
    w.PullAndRelease(0, 100);
    w.Tick();
    ASSERT_EQ(f.MassHeight(), 395);
    f.RGAccel->SetItemIndex(1);
    EXPECT_DOUBLE_EQ(f.NLblEnergie->Value(), 10 * 0.001 * 395 * 1.62);
    EXPECT_TRUE(f.Timer1->Enabled());
    const double speed = f.FallSpeed();
    w.Tick();
    EXPECT_DOUBLE_EQ(f.FallSpeed(), speed + 0.81);  // the following steps use the Moon's pull
}

TEST(Simulation, EveryStateChangeLeavesOneTrailMarkInTheBodysColour) {
    TTestWindow w;
    TForm1& f = w.Start();
    int expected = 2;
    const auto changed = [&](TColor color) {
        ++expected;
        ASSERT_EQ(f.PLEnerg->ItemCount(), expected);
        const TDrawItem& trail = f.PLEnerg->Item(expected - 2);
        const TDrawItem& current = f.PLEnerg->Item(expected - 1);
        EXPECT_EQ(trail.Mark, 1);
        EXPECT_EQ(trail.Color, color);
        EXPECT_EQ(current.Mark, 12);
        EXPECT_EQ(current.X1, f.MassHeight());
    };
    w.Press();
    w.DragTo(0, 400);
    changed(0x000000);
    w.DragTo(0, 300);
    changed(0x000000);
    f.RGAccel->SetItemIndex(1);
    changed(0x0000FF);
    f.RGAccel->SetItemIndex(2);
    changed(0xFF0000);
    f.RGAccel->SetItemIndex(3);
    changed(0x84AE15);
    f.SBarMasse->SetPosition(20);
    changed(0x84AE15);
    w.Release();  // a release that starts a fall draws nothing
    EXPECT_EQ(f.PLEnerg->ItemCount(), expected);
    w.Tick();
    changed(0x84AE15);
    // settings that change nothing draw nothing
    f.RGAccel->SetItemIndex(3);
    f.SBarMasse->SetPosition(20);
    f.RGAccel->SetItemIndex(7);
    EXPECT_EQ(f.PLEnerg->ItemCount(), expected);
}

TEST(Simulation, AnIndexOutsideTheBodiesChangesNeitherAccelerationNorColour) {
    TTestWindow w;
    TForm1& f = w.Start();
    f.RGAccel->SetItemIndex(1);
    f.RGAccel->SetItemIndex(-1);  // no body selected: the handler runs, the Moon stays
    EXPECT_EQ(f.GravAccel(), 1.62);
    EXPECT_EQ(f.PLEnerg->DataColor(), 0x0000FFu);
    EXPECT_EQ(f.PLEnerg->Item(f.PLEnerg->ItemCount() - 2).Color, 0x0000FFu);
}

// A release at no height starts a fall with nothing to divide by. Should the height then become
// positive without a press (a drag that reaches the chart without pressing on it), the next step
// lands the mass at once instead of dividing by zero.
TEST(Simulation, AFallReleasedAtNoHeightLandsAtOnce) {
    for (const double releaseY : {500.0, 560.0}) {
        TTestWindow w;
        TForm1& f = w.Start();
        w.PullAndRelease(-50, releaseY);
        ASSERT_TRUE(f.Timer1->Enabled());
        ASSERT_LE(f.ReleaseHeight(), 0);
        w.DragTo(-50, 300);  // no press: the timer stays on
        ASSERT_TRUE(f.Timer1->Enabled());
        ASSERT_EQ(f.MassHeight(), 200);
        w.Tick();
        EXPECT_FALSE(f.Timer1->Enabled());
        EXPECT_EQ(f.MassHeight(), 0);
        EXPECT_EQ(f.HandX(), 20);
        EXPECT_EQ(f.HandY(), 520);
        EXPECT_EQ(f.FallSpeed(), 0);
        EXPECT_TRUE(std::isfinite(f.NLblEnergie->Value()));
    }
}

// Where the energy goes: during a fall the potential energy turns into kinetic energy, and their sum
// stays within 2 % of the energy at the release on every step until the one that reaches the
// ground (the heights are rounded to whole metres; 100.4 m on Earth comes closest to the bound).
TEST(Simulation, TheEnergySumHoldsDuringEveryFall) {
    for (int body = 0; body < TForm1::BodyCount; ++body)
        for (const double height : {100.0, 100.4, 163.5, 305.0, 499.9}) {
            TTestWindow w;
            TForm1& f = w.Start();
            f.RGAccel->SetItemIndex(body);
            f.SBarMasse->SetPosition(37);
            w.PullAndRelease(-40, 500 - height);
            SCOPED_TRACE(testing::Message() << "body " << body << " from " << height << " m");
            const TEnergyBalance released = EnergyBalanceOf(f);
            EXPECT_EQ(released.Kinetic, 0);
            EXPECT_DOUBLE_EQ(released.Potential, 37 * 0.001 * height * TForm1::BodyAccel(body));
            int steps = 0;
            for (w.Tick(); f.MassHeight() > 0; w.Tick()) {
                const TEnergyBalance now = EnergyBalanceOf(f);
                ++steps;
                EXPECT_LE(std::abs(now.Total - released.Potential), 0.02 * released.Potential)
                    << "step " << steps;
                EXPECT_DOUBLE_EQ(now.Potential, f.NLblEnergie->Value());
                EXPECT_DOUBLE_EQ(now.Time, steps * std::sqrt(0.5));
            }
            EXPECT_GT(steps, 2);
            w.Tick();  // the step below the ground, then the landing: at rest, nothing moves
            ASSERT_FALSE(f.Timer1->Enabled());
            EXPECT_EQ(EnergyBalanceOf(f).Kinetic, 0);
            EXPECT_EQ(EnergyBalanceOf(f).Speed, 0);
        }
}

TEST(Simulation, AHeldMassHasNoKineticEnergyAndBelowTheGroundANegativePotential) {
    TTestWindow w;
    TForm1& f = w.Start();
    w.PullAndRelease(0, 100);
    w.Tick();
    w.Tick();
    ASSERT_GT(EnergyBalanceOf(f).Kinetic, 0);
    w.Press();  // held by the hand: the speed is kept for the next release, the mass is at rest
    EXPECT_EQ(EnergyBalanceOf(f).Kinetic, 0);
    w.DragTo(0, 560);
    EXPECT_LT(EnergyBalanceOf(f).Potential, 0);
    EXPECT_DOUBLE_EQ(EnergyBalanceOf(f).Total, EnergyBalanceOf(f).Potential);
}

// Pause, Step and slow motion change when the steps come, never which heights they give.
TEST(Simulation, PauseStepAndSlowMotionGiveTheHeightsOfAnUninterruptedFall) {
    TTestWindow plain;
    plain.Start().RGAccel->SetItemIndex(2);
    plain.PullAndRelease(0, 20);
    const std::vector<double> expected = FallHeights(plain);
    ASSERT_GT(expected.size(), 8u);

    TTestWindow w;
    TForm1& f = w.Start();
    f.RGAccel->SetItemIndex(2);
    f.SetPaused(true);  // paused before the release: the fall waits for Step
    w.PullAndRelease(0, 20);
    std::vector<double> heights;
    for (int i = 0; i < 3; ++i) {
        for (int tick = 0; tick < 5; ++tick) w.Tick();
        EXPECT_EQ(f.MassHeight(), heights.empty() ? 480 : heights.back());  // ticks pass, nothing moves
        f.StepFall();
        heights.push_back(f.MassHeight());
    }
    f.SetPaused(false);
    f.SetSlowMotion(true);
    while (f.Timer1->Enabled()) {
        const double before = f.MassHeight();
        for (int tick = 1; tick < TForm1::SlowMotionTicks; ++tick) {
            w.Tick();
            ASSERT_EQ(f.MassHeight(), before);
        }
        w.Tick();  // the fourth tick steps
        heights.push_back(f.MassHeight());
    }
    EXPECT_EQ(heights, expected);
    f.StepFall();  // no fall: nothing to step
    EXPECT_EQ(f.MassHeight(), 0);
    EXPECT_FALSE(f.Timer1->Enabled());
}

TEST(Simulation, ClearGraphKeepsMassBodyAndHeight) {
    TTestWindow w;
    TForm1& f = w.Start();
    f.SBarMasse->SetPosition(50);
    f.RGAccel->SetItemIndex(1);
    w.PullAndRelease(95, 190);  // on the hook at 305 m
    ASSERT_GT(f.PLEnerg->ItemCount(), 4);
    f.ClearGraph();
    EXPECT_EQ(f.SBarMasse->Position(), 50);
    EXPECT_EQ(f.RGAccel->ItemIndex(), 1);
    EXPECT_EQ(f.MassHeight(), 305);
    // the marks a fresh start shows, for this state
    ASSERT_EQ(f.PLEnerg->ItemCount(), 2);
    EXPECT_EQ(f.PLEnerg->Item(0).X1, 305);
    EXPECT_EQ(f.PLEnerg->Item(0).Color, TForm1::BodyColor(1));
    EXPECT_EQ(f.TrailMasses(), std::vector<std::uint8_t>{50});
}

// Reset after 50 kg on Jupiter hung at 305 m: the chart holds the start state's two marks, not a
// Jupiter-coloured one of 10 kg at 305 m that the mass's handler drew before the height was 0.
TEST(Simulation, ResetLeavesOnlyTheStartStatesMarks) {
    TTestWindow w;
    TForm1& f = w.Start();
    f.SBarMasse->SetPosition(50);
    f.RGAccel->SetItemIndex(3);
    w.PullAndRelease(95, 190);
    f.BButReset->click();
    ASSERT_EQ(f.PLEnerg->ItemCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(f.PLEnerg->Item(i).Color, 0u);
        EXPECT_EQ(f.PLEnerg->Item(i).X1, 0);
        EXPECT_EQ(f.PLEnerg->Item(i).Y1, 0);
    }
    EXPECT_EQ(f.NLblMasse->DrawnText(), QStringLiteral("10.0"));
    EXPECT_EQ(f.NLblHeight->DrawnText(), QStringLiteral("0.0"));
    EXPECT_EQ(f.NLblEnergie->DrawnText(), QStringLiteral("0.0"));
    EXPECT_EQ(f.TrailMasses(), std::vector<std::uint8_t>{10});
}
