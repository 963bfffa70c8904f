// SPDX-License-Identifier: MIT
// Panning and zoom-dragging with real mouse events: the ranges that result, the drag's start and
// end, the layers that follow, and one repaint per step.

#include <gtest/gtest.h>

#include <cmath>

#include "ChartTestSupport.h"
#include "MouseTestSupport.h"

using namespace charttest;

namespace {

// 270 x 260 with margins 50/20/20/40: a data area of 200 x 200 pixels (x 50..250, y 20..220)
// showing 0..100 in both directions.
std::unique_ptr<TPlotica> PanChart(TMouseActMode mode) {
    auto c = MakeChart(270, 260);
    c->SetMouseAction(mode);
    return c;
}

}  // namespace

TEST(ChartPan, ContentFollowsThePointerOnLinearAxes) {
    auto c = PanChart(maPan);
    LeftDrag(*c, 100, 100, 150, 100);
    EXPECT_RANGES_NEAR(*c, 1, -25, 75, 0, 100, 1e-12);
    // down by 40 pixels: the values under the pointer move down with it
    LeftDrag(*c, 100, 100, 100, 140);
    EXPECT_RANGES_NEAR(*c, 1, -25, 75, 20, 120, 1e-12);
    // a diagonal drag moves both
    LeftDrag(*c, 200, 200, 180, 150);
    EXPECT_RANGES_NEAR(*c, 1, -15, 85, -5, 95, 1e-12);
}

TEST(ChartPan, LogarithmicAxesMoveByFactors) {
    auto c = PanChart(maPan);
    c->Scale1X()->SetRangeLow(1);
    c->Scale1X()->SetRangeHigh(100);
    c->Scale1X()->SetLogarithmic(true);
    c->Scale1Y()->SetRangeLow(10);
    c->Scale1Y()->SetRangeHigh(1000);
    c->Scale1Y()->SetLogarithmic(true);
    ASSERT_TRUE(c->Scale1X()->Logarithmic());
    LeftDrag(*c, 100, 100, 150, 100);
    EXPECT_RANGES_NEAR(*c, 1, 0.1 * std::sqrt(10.0), 10 * std::sqrt(10.0), 10, 1000, 1e-12);
    // a quarter of the height upwards divides by 100^(1/4)
    LeftDrag(*c, 100, 150, 100, 100);
    EXPECT_NEAR(c->Scale1Y()->RangeLow(), 10 / std::sqrt(10.0), 1e-12);
    EXPECT_NEAR(c->Scale1Y()->RangeHigh(), 1000 / std::sqrt(10.0), 1e-10);
}

TEST(ChartPan, HorizontalAndVerticalModesMoveOneAxisEach) {
    auto c = PanChart(maPanHoriz);
    LeftDrag(*c, 100, 100, 150, 150);
    EXPECT_RANGES_NEAR(*c, 1, -25, 75, 0, 100, 1e-12);
    c->SetMouseAction(maPanVert);
    LeftDrag(*c, 100, 100, 150, 150);
    EXPECT_RANGES_NEAR(*c, 1, -25, 75, 25, 125, 1e-12);
}

TEST(ChartPan, ModesWithoutActionLeaveTheChartAlone) {
    for (TMouseActMode mode :
         {maNone, maRubberBand, maZoom, maRotate, maRotAndZoom, maRotXOnly, maRotZOnly}) {
        auto c = PanChart(mode);
        int zoomPans = 0;
        c->OnZoomPan = [&](QObject*) { ++zoomPans; };
        LeftDrag(*c, 100, 100, 150, 150);
        EXPECT_RANGES_NEAR(*c, 1, 0, 100, 0, 100, 0);
        EXPECT_EQ(zoomPans, 0) << mode;
        EXPECT_FALSE(c->DragActive());
    }
}

// The drag begins at the first movement with the left button (not at the press) and ends only at
// a movement without it: a release alone keeps it alive.
TEST(ChartPan, DragStartsAtTheFirstLeftMovementAndEndsAtAMovementWithoutIt) {
    auto c = PanChart(maPan);
    int zoomPans = 0;
    c->OnZoomPan = [&](QObject*) { ++zoomPans; };
    Press(*c, 60, 100);
    EXPECT_FALSE(c->DragActive());
    Move(*c, 100, 100, Qt::LeftButton);  // the drag starts here; nothing moves yet
    EXPECT_TRUE(c->DragActive());
    EXPECT_EQ(zoomPans, 0);
    Move(*c, 150, 100, Qt::LeftButton);
    EXPECT_RANGES_NEAR(*c, 1, -25, 75, 0, 100, 1e-12);
    EXPECT_EQ(zoomPans, 1);
    Release(*c, 150, 100);
    EXPECT_TRUE(c->DragActive());
    // still the same drag, measured from where it began
    Move(*c, 170, 100, Qt::LeftButton);
    EXPECT_RANGES_NEAR(*c, 1, -35, 65, 0, 100, 1e-12);
    // over the margins nothing moves, but the drag lives on
    Move(*c, 10, 100, Qt::LeftButton);
    EXPECT_RANGES_NEAR(*c, 1, -35, 65, 0, 100, 1e-12);
    EXPECT_EQ(zoomPans, 2);
    Move(*c, 120, 100, Qt::LeftButton);
    EXPECT_RANGES_NEAR(*c, 1, -10, 90, 0, 100, 1e-12);
    // a movement without the button ends it; the next one starts afresh from the ranges now
    Move(*c, 120, 100);
    EXPECT_FALSE(c->DragActive());
    Move(*c, 200, 100, Qt::LeftButton);
    Move(*c, 220, 100, Qt::LeftButton);
    EXPECT_RANGES_NEAR(*c, 1, -20, 80, 0, 100, 1e-12);
}

TEST(ChartPan, OnlyTheMouseLayersMoveAndJoinedLayersFollow) {
    auto c = PanChart(maPan);
    c->SetLayerRanges(2, 0, 10, 0, 10);
    c->SetLayerRanges(3, 0, 10, 0, 10);
    c->SetLayerRanges(4, 0, 10, 0, 10);
    c->JointLayers()->SetL03x(1);  // layer 3's x follows layer 1
    EXPECT_EQ(c->MouseLayers(), 1u);
    LeftDrag(*c, 100, 100, 150, 150);
    EXPECT_RANGES_NEAR(*c, 1, -25, 75, 25, 125, 1e-12);
    EXPECT_RANGES_NEAR(*c, 2, 0, 10, 0, 10, 0);
    EXPECT_RANGES_NEAR(*c, 3, -25, 75, 0, 10, 1e-12);

    // layers 2 and 3 alone: layer 3's x cannot move on its own, its y can
    c->SetMouseLayers(0b0110);
    EXPECT_FALSE(c->MouseLayer(1));
    EXPECT_TRUE(c->MouseLayer(2));
    LeftDrag(*c, 100, 100, 120, 120);
    EXPECT_RANGES_NEAR(*c, 1, -25, 75, 25, 125, 1e-12);
    EXPECT_RANGES_NEAR(*c, 2, -1, 9, 1, 11, 1e-12);
    EXPECT_RANGES_NEAR(*c, 3, -25, 75, 1, 11, 1e-12);
    EXPECT_RANGES_NEAR(*c, 4, 0, 10, 0, 10, 0);

    // flags outside 1..16 are neither read nor written
    c->SetMouseLayer(0, true);
    c->SetMouseLayer(17, true);
    EXPECT_EQ(c->MouseLayers(), 0b0110u);
    EXPECT_FALSE(c->MouseLayer(0));
    c->SetMouseLayer(4, true);
    c->SetMouseLayer(2, false);
    EXPECT_EQ(c->MouseLayers(), 0b1100u);
}

TEST(ChartPan, EachStepRepaintsOnceForAllLayers) {
    auto c = PanChart(maPan);
    c->SetMouseLayers(0xFFFF);
    c->JointLayers()->SetL02x(1);
    c->JointLayers()->SetL05y(3);
    int renders = 0, zoomPans = 0;
    c->OnDataRendered = [&](QObject*, TCanvas*&, int, int) { ++renders; };
    c->OnZoomPan = [&](QObject*) {
        ++zoomPans;
        EXPECT_FALSE(c->PaintSuppressed());
    };
    Press(*c, 100, 100);
    Move(*c, 100, 100, Qt::LeftButton);
    EXPECT_EQ(renders, 0);
    Move(*c, 110, 100, Qt::LeftButton);
    EXPECT_EQ(renders, 1);
    Move(*c, 130, 120, Qt::LeftButton);
    EXPECT_EQ(renders, 2);
    EXPECT_EQ(zoomPans, 2);
    // the picture shows the new ranges: layer 1's axis texts come from the panned range
    EXPECT_NEAR(c->AxisControl(1, true)->RangeLow(), -15, 1e-12);
}

TEST(ChartZoomDrag, RightNarrowsLeftWidensTheCentreStays) {
    // 400 wide and 300 high: the movement counts against the whole control
    auto c = MakeChart(400, 300);
    c->SetMouseAction(maZoomDrag);
    LeftDrag(*c, 100, 100, 200, 100);
    EXPECT_RANGES_NEAR(*c, 1, 12.5, 87.5, 0, 100, 1e-12);
    LeftDrag(*c, 200, 100, 100, 100);  // from the new ranges: widened by 1.25
    EXPECT_RANGES_NEAR(*c, 1, 3.125, 96.875, 0, 100, 1e-12);
    // down widens the y range, up narrows it
    LeftDrag(*c, 100, 100, 100, 175);
    EXPECT_RANGES_NEAR(*c, 1, 3.125, 96.875, -12.5, 112.5, 1e-12);
    LeftDrag(*c, 100, 175, 100, 100);
    EXPECT_RANGES_NEAR(*c, 1, 3.125, 96.875, 3.125, 96.875, 1e-12);
}

TEST(ChartZoomDrag, IsometricChartsScaleBothAxesAlike) {
    auto c = MakeChart(400, 300);
    c->SetIsometric(true);
    c->SetMouseAction(maZoomDrag);
    const TRanges before = RangesOf(*c, 1);
    LeftDrag(*c, 100, 100, 200, 160);
    const TRanges after = RangesOf(*c, 1);
    EXPECT_NEAR(after.XHigh - after.XLow, (before.XHigh - before.XLow) * 0.75, 1e-9);
    EXPECT_NEAR(after.YHigh - after.YLow, (before.YHigh - before.YLow) * 0.75, 1e-9);
    EXPECT_NEAR(after.YHigh + after.YLow, before.YHigh + before.YLow, 1e-9);
}

// A logarithmic axis keeps its range where widening would take an end to zero or below; the
// other axis still zooms.
TEST(ChartZoomDrag, LogarithmicAxisNeverReachesZero) {
    auto c = MakeChart(400, 300);
    c->SetMouseAction(maZoomDrag);
    c->Scale1X()->SetRangeLow(1);
    c->Scale1X()->SetRangeHigh(100);
    c->Scale1X()->SetLogarithmic(true);
    Press(*c, 300, 100);
    Move(*c, 300, 100, Qt::LeftButton);
    Move(*c, 340, 100, Qt::LeftButton);  // narrows: 0.9 of the span
    EXPECT_RANGES_NEAR(*c, 1, 50.5 - 44.55, 50.5 + 44.55, 0, 100, 1e-12);
    Move(*c, 140, 175, Qt::LeftButton);  // would widen to 1.4 of the span: below zero
    EXPECT_RANGES_NEAR(*c, 1, 50.5 - 44.55, 50.5 + 44.55, -12.5, 112.5, 1e-12);
}
