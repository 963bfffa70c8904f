// SPDX-License-Identifier: MIT
// The zoom window with real mouse events: the ranges it gives in both modes and directions, the
// releases that discard it, and the exclusive-or rectangle on the control's picture.

#include <gtest/gtest.h>

#include "ChartTestSupport.h"
#include "MouseTestSupport.h"

using namespace charttest;

namespace {

// a data area of 200 x 200 pixels (x 50..250, y 20..220) showing 0..100 in both directions:
// pixel x = 50 + 2 * world x, pixel y = 220 - 2 * world y
std::unique_ptr<TPlotica> WindowChart(TMouseActMode mode) {
    auto c = MakeChart(270, 260);
    c->SetMouseAction(mode);
    return c;
}

void Window(TPlotica& c, int x0, int y0, int x1, int y1, Qt::MouseButton release = Qt::LeftButton) {
    Press(c, x0, y0);
    Move(c, x1, y1, Qt::LeftButton);
    Release(c, x1, y1, release);
}

}  // namespace

TEST(ChartZoomWindow, PositiveModeGivesTheSameRangesFromEitherCorner) {
    for (bool fromTopLeft : {true, false}) {
        auto c = WindowChart(maZoomWindPos);
        int zoomPans = 0;
        c->OnZoomPan = [&](QObject*) { ++zoomPans; };
        if (fromTopLeft)
            Window(*c, 100, 60, 150, 160);
        else
            Window(*c, 150, 160, 100, 60);
        EXPECT_RANGES_NEAR(*c, 1, 25, 50, 30, 80, 1e-12);
        EXPECT_EQ(zoomPans, 1);
        EXPECT_FALSE(c->ZoomWindowActive());
    }
}

TEST(ChartZoomWindow, PositiveModeKeepsAReversedAxisReversed) {
    auto c = WindowChart(maZoomWindPos);
    c->SetLayerRanges(1, 100, 0, 0, 100);  // x runs from right to left
    Window(*c, 100, 60, 150, 160);
    EXPECT_RANGES_NEAR(*c, 1, 75, 50, 30, 80, 1e-12);
    Window(*c, 150, 160, 100, 60);  // from the other corner: still reversed in x
    EXPECT_RANGES_NEAR(*c, 1, 68.75, 62.5, 45, 70, 1e-12);
}

TEST(ChartZoomWindow, PlainModeTakesTheStartingCornerAsLowEnd) {
    auto c = WindowChart(maZoomWind);
    // from the top edge: the y axis now runs downwards
    Window(*c, 100, 60, 150, 160);
    EXPECT_RANGES_NEAR(*c, 1, 25, 50, 80, 30, 1e-12);
    auto d = WindowChart(maZoomWind);
    Window(*d, 150, 160, 100, 60);
    EXPECT_RANGES_NEAR(*d, 1, 50, 25, 30, 80, 1e-12);
}

TEST(ChartZoomWindow, AWindowWithoutExtentChangesNothingAndCloses) {
    struct {
        int X1, Y1;
    } const corners[] = {{100, 60}, {150, 60}, {100, 160}};
    for (const auto& k : corners) {
        auto c = WindowChart(maZoomWindPos);
        int zoomPans = 0;
        c->OnZoomPan = [&](QObject*) { ++zoomPans; };
        Window(*c, 100, 60, k.X1, k.Y1);
        EXPECT_RANGES_NEAR(*c, 1, 0, 100, 0, 100, 0);
        EXPECT_EQ(zoomPans, 0);
        EXPECT_FALSE(c->ZoomWindowActive());
    }
}

TEST(ChartZoomWindow, RightReleaseDiscardsMiddleReleaseKeepsItOpen) {
    auto c = WindowChart(maZoomWind);
    Press(*c, 100, 60);
    Move(*c, 150, 160, Qt::LeftButton);
    Release(*c, 150, 160, Qt::MiddleButton);
    EXPECT_TRUE(c->ZoomWindowActive());
    Move(*c, 160, 170, Qt::LeftButton);
    Release(*c, 160, 170, Qt::RightButton);
    EXPECT_FALSE(c->ZoomWindowActive());
    EXPECT_RANGES_NEAR(*c, 1, 0, 100, 0, 100, 0);
    // the left release that follows finds no window
    Release(*c, 160, 170, Qt::LeftButton);
    EXPECT_RANGES_NEAR(*c, 1, 0, 100, 0, 100, 0);
}

TEST(ChartZoomWindow, OpensOnlyWithTheLeftButtonInsideTheDataArea) {
    auto c = WindowChart(maZoomWind);
    Press(*c, 20, 60);  // over the left margin
    EXPECT_FALSE(c->ZoomWindowActive());
    Press(*c, 100, 60, Qt::RightButton);
    EXPECT_FALSE(c->ZoomWindowActive());
    Press(*c, 50, 220);  // the data area's corner belongs to it
    EXPECT_TRUE(c->ZoomWindowActive());
    // a second press does not move the start
    Press(*c, 100, 100);
    EXPECT_EQ(c->ZoomWindowStart(), QPoint(50, 220));
}

TEST(ChartZoomWindow, CornerStaysInTheDataAreaAndIsSquareOnIsometricCharts) {
    auto c = WindowChart(maZoomWind);
    Press(*c, 100, 100);
    Move(*c, 400, -30, Qt::LeftButton);
    EXPECT_EQ(c->ZoomWindowCorner(), QPoint(250, 20));
    Move(*c, 0, 300);  // whatever the buttons
    EXPECT_EQ(c->ZoomWindowCorner(), QPoint(50, 220));
    Release(*c, 0, 300, Qt::RightButton);

    c->SetIsometric(true);
    Press(*c, 100, 100);
    Move(*c, 150, 120, Qt::LeftButton);
    EXPECT_EQ(c->ZoomWindowCorner(), QPoint(150, 150));
    Move(*c, 150, 80, Qt::LeftButton);
    EXPECT_EQ(c->ZoomWindowCorner(), QPoint(150, 50));
    Move(*c, 60, 130, Qt::LeftButton);
    EXPECT_EQ(c->ZoomWindowCorner(), QPoint(60, 140));
    Move(*c, 200, 100, Qt::LeftButton);  // level with the start: the square goes up, to the edge
    EXPECT_EQ(c->ZoomWindowCorner(), QPoint(200, 20));
}

// The rectangle is drawn with exclusive-or on the control's picture and erased by drawing it again;
// the chart is not rendered while it moves.
TEST(ChartZoomWindow, RubberRectangleIsErasedByDrawingItAgain) {
    auto c = WindowChart(maZoomWind);
    c->SetChartColor(0x336699);
    c->Paint();
    const QImage before = c->Picture().copy();
    int renders = 0;
    c->OnDataRendered = [&](QObject*, TCanvas*&, int, int) { ++renders; };

    Press(*c, 100, 60);
    EXPECT_EQ(c->Picture(), before);  // no extent yet: nothing drawn
    Move(*c, 150, 160, Qt::LeftButton);
    const QImage open = c->Picture().copy();
    // the outline from (100, 60) to (150, 160), right and bottom edges excluded
    const TColor inverted = Shade(0x336699) ^ 0xFFFFFF;
    EXPECT_EQ(PixelOf(open, 100, 60), inverted);
    EXPECT_EQ(PixelOf(open, 149, 60), inverted);
    EXPECT_EQ(PixelOf(open, 100, 159), inverted);
    EXPECT_EQ(PixelOf(open, 149, 159), inverted);
    EXPECT_EQ(PixelOf(open, 125, 110), Shade(0x336699));  // no brush
    EXPECT_EQ(PixelOf(open, 150, 160), PixelOf(before, 150, 160));
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) changed += open.pixel(x, y) != before.pixel(x, y);
    EXPECT_EQ(changed, 2 * 50 + 2 * 98);

    Move(*c, 120, 90, Qt::LeftButton);
    EXPECT_EQ(PixelOf(*c, 149, 60), Shade(0x336699));  // the old outline is gone
    EXPECT_EQ(PixelOf(*c, 119, 60), inverted);
    Release(*c, 120, 90, Qt::RightButton);
    EXPECT_EQ(c->Picture(), before);
    EXPECT_EQ(renders, 0);
}

TEST(ChartZoomWindow, ARepaintWhileOpenLeavesNoTrace) {
    auto c = WindowChart(maZoomWind);
    c->Paint();
    const QImage before = c->Picture().copy();
    Press(*c, 100, 60);
    Move(*c, 150, 160, Qt::LeftButton);
    c->Paint();  // the picture is drawn anew without the rectangle
    Move(*c, 120, 90, Qt::LeftButton);
    EXPECT_EQ(PixelOf(*c, 149, 60), PixelOf(before, 149, 60));
    EXPECT_NE(PixelOf(*c, 119, 60), PixelOf(before, 119, 60));
    Release(*c, 120, 90, Qt::RightButton);
    EXPECT_EQ(c->Picture(), before);
}

TEST(ChartZoomWindow, ChangingTheModeDiscardsAnOpenWindow) {
    auto c = WindowChart(maZoomWindPos);
    c->Paint();
    const QImage before = c->Picture().copy();
    Press(*c, 100, 60);
    Move(*c, 150, 160, Qt::LeftButton);
    c->SetMouseAction(maPan);
    EXPECT_FALSE(c->ZoomWindowActive());
    EXPECT_EQ(c->Picture(), before);
    Release(*c, 150, 160);
    EXPECT_RANGES_NEAR(*c, 1, 0, 100, 0, 100, 0);
}

TEST(ChartZoomWindow, AppliesToEveryMouseLayerInItsOwnUnits) {
    auto c = WindowChart(maZoomWindPos);
    c->SetLayerRanges(2, 0, 1000, -1, 1);
    c->SetLayerRanges(3, 0, 10, 0, 10);
    c->SetMouseLayers(0b011);
    Window(*c, 100, 60, 150, 160);
    EXPECT_RANGES_NEAR(*c, 1, 25, 50, 30, 80, 1e-12);
    EXPECT_RANGES_NEAR(*c, 2, 250, 500, -0.4, 0.6, 1e-12);
    EXPECT_RANGES_NEAR(*c, 3, 0, 10, 0, 10, 0);
}
