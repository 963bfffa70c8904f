// SPDX-License-Identifier: MIT
// The chart's mouse events: their order, their arguments, and the world position of the pointer.

#include <gtest/gtest.h>

#include <QStringList>

#include "ChartTestSupport.h"
#include "MouseTestSupport.h"

using namespace charttest;

namespace {

// Records every mouse event of a chart as one line of text, in the order they come.
struct TEventLog {
    QStringList Lines;
    explicit TEventLog(TPlotica& c) {
        c.OnMouseDown = [this](QObject*, TMouseButton b, TShiftState s, int x, int y) {
            Lines << QString("down %1 %2 %3,%4").arg(int(b)).arg(s).arg(x).arg(y);
        };
        c.OnMouseUp = [this](QObject*, TMouseButton b, TShiftState s, int x, int y) {
            Lines << QString("up %1 %2 %3,%4").arg(int(b)).arg(s).arg(x).arg(y);
        };
        c.OnMouseMove = [this](QObject*, TShiftState s, int x, int y) {
            Lines << QString("move %1 %2,%3").arg(s).arg(x).arg(y);
        };
        c.OnMouseMoveInChart = [this, &c](QObject* sender, bool in, TShiftState s, double wx, double wy) {
            EXPECT_EQ(sender, &c);
            Lines << QString("inchart %1 %2 %3,%4").arg(int(in)).arg(s).arg(wx, 0, 'g', 6).arg(wy, 0, 'g', 6);
        };
        c.OnMouseEnter = [this](QObject*) { Lines << "enter"; };
        c.OnMouseLeave = [this](QObject*) { Lines << "leave"; };
    }
};

constexpr TShiftState Left = 1u << ssLeft;

}  // namespace

// 300 x 220 with margins 50/20/20/40: the data area spans x 50..280 (230 wide) and y 20..180
// (160 high) and shows 0..100 in both directions.
TEST(ChartMouseEvents, MoveFiresTheToolkitEventFirstAndTheWorldPositionLast) {
    auto chart = MakeChart(300, 220);
    TEventLog log(*chart);
    Move(*chart, 165, 100);
    ASSERT_EQ(log.Lines.size(), 2);
    EXPECT_EQ(log.Lines[0], "move 0 165,100");
    EXPECT_EQ(log.Lines[1], "inchart 1 0 50,50");
}

TEST(ChartMouseEvents, PressAndReleaseFireTheirEventsWithButtonAndShift) {
    auto chart = MakeChart(300, 220);
    TEventLog log(*chart);
    Press(*chart, 60, 30, Qt::LeftButton, Qt::ShiftModifier);
    Move(*chart, 61, 31, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    Release(*chart, 61, 31, Qt::LeftButton);
    Press(*chart, 61, 31, Qt::RightButton);
    Release(*chart, 61, 31, Qt::RightButton);
    const TShiftState shift = 1u << ssShift, ctrl = 1u << ssCtrl;
    const QStringList expected{
        QString("down %1 %2 60,30").arg(int(mbLeft)).arg(shift | Left),
        QString("move %1 61,31").arg(shift | ctrl | Left),
        QString("inchart 1 %1 4.78261,93.125").arg(shift | ctrl | Left),
        QString("up %1 0 61,31").arg(int(mbLeft)),
        QString("down %1 %2 61,31").arg(int(mbRight)).arg(1u << ssRight),
        QString("up %1 0 61,31").arg(int(mbRight)),
    };
    EXPECT_EQ(log.Lines, expected);
}

TEST(ChartMouseEvents, InChartHoldsOnTheDataAreaEdgesAndWorldValuesExtrapolateOverTheMargins) {
    auto chart = MakeChart(300, 220);
    struct {
        int X, Y;
        bool In;
    } const cases[] = {{50, 20, true},   {280, 180, true},  {49, 100, false}, {281, 100, false},
                       {100, 19, false}, {100, 181, false}, {0, 0, false},    {299, 219, false}};
    for (const auto& k : cases) {
        bool in = !k.In;
        double wx = 0, wy = 0;
        chart->OnMouseMoveInChart = [&](QObject*, bool i, TShiftState, double x, double y) {
            in = i;
            wx = x;
            wy = y;
        };
        Move(*chart, k.X, k.Y);
        EXPECT_EQ(in, k.In) << k.X << "," << k.Y;
        EXPECT_NEAR(wx, (k.X - 50) * 100.0 / 230.0, 1e-9) << k.X;
        EXPECT_NEAR(wy, (180 - k.Y) * 100.0 / 160.0, 1e-9) << k.Y;
    }
}

TEST(ChartMouseEvents, WorldPositionIsThatOfTheCurrentLayer) {
    auto chart = MakeChart(300, 220);
    chart->SetLayerRanges(3, 1000, 2000, -1, 1);
    chart->SetCurrentLayer(3);
    double wx = 0, wy = 0;
    chart->OnMouseMoveInChart = [&](QObject*, bool, TShiftState, double x, double y) {
        wx = x;
        wy = y;
    };
    Move(*chart, 165, 100);
    EXPECT_DOUBLE_EQ(wx, 1500);
    EXPECT_NEAR(wy, 0, 1e-12);
}

TEST(ChartMouseEvents, EnterAndLeaveNameTheChart) {
    auto chart = MakeChart(300, 220);
    QObject* entered = nullptr;
    QObject* left = nullptr;
    chart->OnMouseEnter = [&](QObject* s) { entered = s; };
    chart->OnMouseLeave = [&](QObject* s) { left = s; };
    Enter(*chart, 10, 10);
    EXPECT_EQ(entered, chart.get());
    EXPECT_EQ(left, nullptr);
    Leave(*chart);
    EXPECT_EQ(left, chart.get());
}
