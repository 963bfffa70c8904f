// SPDX-License-Identifier: MIT
// The main window as a view of the simulation: its handlers hand over what the mouse and the
// controls do, its labels and charts show the state, and the energy chart holds one mark per
// state. The rules themselves are tested without a window (tests/simulation).

#include <gtest/gtest.h>

#include "BodyLooks.h"
#include "GraviloTesting.h"

using namespace gravilotest;

TEST(WindowView, DraggingTheRopeLiftsTheMassAndTheLabelsShowIt) {
    TTestWindow w;
    TForm1& f = w.Start();
    f.SBarMasse->SetPosition(100);
    f.RGAccel->SetItemIndex(3);
    w.Press();
    w.DragTo(-30, 0);
    EXPECT_EQ(f.NLblHeight->DrawnText(), QStringLiteral("500.0"));
    // 100 kg lifted 500 m on Jupiter: above the energy plot's range, still shown in full
    EXPECT_EQ(f.NLblEnergie->DrawnText(), QStringLiteral("1156.0"));
    EXPECT_EQ(f.NLblMasse->DrawnText(), QStringLiteral("100.0"));
    const TDrawItem& trail = f.PLEnerg->Item(f.PLEnerg->ItemCount() - 2);
    EXPECT_EQ(trail.X1, 500);
    EXPECT_DOUBLE_EQ(trail.Y1, 1156);
    EXPECT_EQ(trail.Color, 0x84AE15u);
    // the scene's hand mark where the rope's end is
    bool handDrawn = false;
    for (int i = 0; i < f.PLPict->ItemCount(); ++i)
        handDrawn |= f.PLPict->Item(i).Mark == 8 && f.PLPict->Item(i).X1 == -30 && f.PLPict->Item(i).Y1 == 0;
    EXPECT_TRUE(handDrawn);
}

// The end follows a left-button drag inside the data area that began on the end itself: a press
// elsewhere takes nothing, so the end never jumps to the pointer.
TEST(WindowView, OnlyALeftButtonDragFromTheEndInsideTheDataAreaMovesTheRope) {
    TTestWindow w;
    TForm1& f = w.Start();
    const int items = f.PLEnerg->ItemCount();
    const QPoint hand = f.HandPixel();
    f.PLPictMouseDown(f.PLPict, mbLeft, ShiftBit(ssLeft), hand.x() + TForm1::GrabDistance + 1, hand.y());
    w.DragTo(0, 300);
    f.PLPictMouseUp(f.PLPict, mbLeft, 0, 0, 0);
    EXPECT_EQ(f.Simulation().MassHeight(), 0);
    EXPECT_FALSE(f.Timer1->Enabled());
    w.Press();
    f.PLPictMouseMoveInChart(f.PLPict, false, ShiftBit(ssLeft), 0, 300);
    f.PLPictMouseMoveInChart(f.PLPict, true, 0, 0, 300);
    f.PLPictMouseMoveInChart(f.PLPict, true, ShiftBit(ssRight), 0, 300);
    EXPECT_EQ(f.Simulation().MassHeight(), 0);
    EXPECT_EQ(f.PLEnerg->ItemCount(), items);
    f.PLPictMouseMoveInChart(f.PLPict, true, ShiftBit(ssLeft) | ShiftBit(ssShift), 0, 300);
    EXPECT_EQ(f.Simulation().MassHeight(), 200);
}

TEST(WindowView, TheHooksFollowTheTowersEdgeAndTheTimerTheFall) {
    TTestWindow w;
    TForm1& f = w.Start();
    f.PLPict->Scale1X()->SetRangeHigh(80);
    w.PullAndRelease(71, 285);
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_EQ(f.Simulation().HandX(), 75);
    EXPECT_EQ(f.PLPict->Item(0).X1, 80);  // the first hook, drawn from the new edge
    w.PullAndRelease(0, 400);
    EXPECT_TRUE(f.Timer1->Enabled());
    while (f.Timer1->Enabled()) w.Tick();
    EXPECT_EQ(f.NLblHeight->DrawnText(), QStringLiteral("0.0"));
    EXPECT_EQ(f.Simulation().Place(), TSimulation::spOnGround);
}

TEST(WindowView, EveryStateChangeLeavesOneTrailMarkInTheBodysColour) {
    TTestWindow w;
    TForm1& f = w.Start();
    int expected = 2;
    const auto changed = [&](TColor color) {
        ++expected;
        ASSERT_EQ(f.PLEnerg->ItemCount(), expected);
        const TDrawItem& trail = f.PLEnerg->Item(expected - 2);
        const TDrawItem& current = f.PLEnerg->Item(expected - 1);
        EXPECT_EQ(trail.Mark, BodyLook(f.Simulation().Body()).Mark);
        EXPECT_EQ(trail.Color, color);
        EXPECT_EQ(current.Mark, 12);
        EXPECT_EQ(current.X1, f.Simulation().MassHeight());
    };
    w.Press();
    w.DragTo(0, 400);
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
    // settings that change nothing draw nothing; no body keeps the colour
    f.RGAccel->SetItemIndex(3);
    f.SBarMasse->SetPosition(20);
    f.RGAccel->SetItemIndex(7);
    EXPECT_EQ(f.PLEnerg->ItemCount(), expected);
    f.RGAccel->SetItemIndex(-1);
    changed(0x84AE15);
    EXPECT_EQ(f.Simulation().GravAccel(), 23.12);
}

// Reset after 50 kg on Jupiter hung at 305 m: the controls back at 10 kg and Earth, the chart
// holding the start state's two marks, not a Jupiter-coloured one of 10 kg at 305 m.
TEST(WindowView, ResetAndClearGraphLeaveOnlyTheMarksOfTheStateAsItIs) {
    TTestWindow w;
    TForm1& f = w.Start();
    f.SBarMasse->SetPosition(50);
    f.RGAccel->SetItemIndex(1);
    w.PullAndRelease(95, 190);
    ASSERT_GT(f.PLEnerg->ItemCount(), 4);
    f.Simulation().ClearTrail();
    ASSERT_EQ(f.PLEnerg->ItemCount(), 2);
    EXPECT_EQ(f.PLEnerg->Item(0).X1, 305);
    EXPECT_EQ(f.PLEnerg->Item(0).Color, BodyLook(1).MarkColor);

    f.RGAccel->SetItemIndex(3);
    f.BButReset->click();
    ASSERT_EQ(f.PLEnerg->ItemCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(f.PLEnerg->Item(i).Color, 0u);
        EXPECT_EQ(f.PLEnerg->Item(i).X1, 0);
        EXPECT_EQ(f.PLEnerg->Item(i).Y1, 0);
    }
    EXPECT_EQ(f.SBarMasse->Position(), 10);
    EXPECT_EQ(f.RGAccel->ItemIndex(), 0);
    EXPECT_EQ(f.NLblMasse->DrawnText(), QStringLiteral("10.0"));
    EXPECT_EQ(f.NLblHeight->DrawnText(), QStringLiteral("0.0"));
    EXPECT_EQ(f.NLblEnergie->DrawnText(), QStringLiteral("0.0"));
    EXPECT_EQ(f.Simulation().Trail().size(), 1u);
}
