// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "ChartTestSupport.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"
#include "TScale.h"
#include "TTextLabel.h"

using namespace charttest;

namespace {

using TPixels = std::set<std::pair<int, int>>;

// Pixels of the data area (frame excluded) that differ from the chart colour, relative to `origin`.
TPixels Painted(TPlotica& chart, QPoint origin = QPoint(0, 0)) {
    TPixels result;
    const QImage& pic = chart.Picture();
    const int left = chart.MarginLeft(), top = chart.MarginTop();
    const int right = left + chart.DataAreaWidth(), bottom = top + chart.DataAreaHeight();
    for (int y = top + 1; y < bottom; ++y)
        for (int x = left + 1; x < right; ++x)
            if (PixelOf(pic, x, y) != chart.ChartColor()) result.emplace(x - origin.x(), y - origin.y());
    return result;
}

TPixels Square(int r, bool filled) {
    TPixels s;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (filled || std::abs(dx) == r || std::abs(dy) == r) s.emplace(dx, dy);
    return s;
}

TPixels Shown(std::unique_ptr<TPlotica>& chart) {
    chart->ShowItems();
    return Painted(*chart);
}

}  // namespace

TEST(Render, AnEmptyListPaintsBackgroundAndFrameOnly) {
    auto chart = MakeChart(280, 200);
    chart->SetChartColor(clYellow);
    chart->SetWindColor(clAqua);
    chart->SetChartFrameColor(clMaroon);
    chart->Paint();
    EXPECT_TRUE(Painted(*chart).empty());
    EXPECT_EQ(PixelOf(*chart, 50, 20), clMaroon);
    EXPECT_EQ(PixelOf(*chart, 260, 160), clMaroon);
    EXPECT_EQ(PixelOf(*chart, 155, 160), clMaroon);
    EXPECT_EQ(PixelOf(*chart, 261, 100), clAqua);
    EXPECT_EQ(PixelOf(*chart, 49, 100), clAqua);
    EXPECT_EQ(PixelOf(*chart, 100, 161), clAqua);
}

TEST(Render, MarksOfTheSimulationHaveTheirShapes) {
    auto chart = MakeChart(280, 200);
    const QPoint p = chart->WorldToPixel(1, 50, 50);
    chart->AddMark(50, 50, 1);
    EXPECT_EQ(Shown(chart).size(), 5u);
    EXPECT_EQ(Painted(*chart, p), (TPixels{{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}}));
    chart->ClearItems();
    chart->AddMark(50, 50, 8);
    chart->ShowItems();
    EXPECT_EQ(Painted(*chart, p), Square(2, true));
    chart->ClearItems();
    chart->AddMark(50, 50, 12);
    chart->ShowItems();
    EXPECT_EQ(Painted(*chart, p), Square(3, false));
    chart->ClearItems();
    chart->AddMark(50, 50, 16);
    chart->ShowItems();
    const TPixels circle = Painted(*chart, p);
    EXPECT_FALSE(circle.count({0, 0}));  // hollow
    int minX = 9, maxX = -9, minY = 9, maxY = -9;
    for (auto [x, y] : circle) {
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y),
        maxY = std::max(maxY, y);
        EXPECT_TRUE(circle.count({-x, y}) && circle.count({x, -y})) << x << "," << y;  // symmetric
    }
    EXPECT_EQ(std::make_pair(minX, maxX), std::make_pair(-2, 2));
    EXPECT_EQ(std::make_pair(minY, maxY), std::make_pair(-2, 2));
}

TEST(Render, MarksAreClippedAtTheBitmapEdgesAndTakeTheItemColour) {
    auto chart = MakeChart(280, 200);
    chart->SetDataColor(clRed);
    chart->AddMark(0, 100, 9);       // on the top-left corner
    chart->AddMark(1e12, -1e12, 9);  // far away: clamped, nothing shown
    chart->ShowItems();
    const TPixels painted = Painted(*chart, QPoint(50, 20));
    EXPECT_EQ(painted, (TPixels{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}));
    EXPECT_EQ(PixelOf(*chart, 52, 22), clRed);
}

TEST(Render, LinesAndShapesWhoseCornersFallOnOnePixelPaintThatPixel) {
    auto chart = MakeChart(280, 200);
    const QPoint p = chart->WorldToPixel(1, 50, 50);
    chart->AddLine(50, 50, 50.1, 50.1);
    EXPECT_EQ(Shown(chart), (TPixels{{p.x(), p.y()}}));
    chart->ClearItems();
    chart->AddRectangle(50, 50, 50.1, 49.9);
    EXPECT_EQ(Shown(chart), (TPixels{{p.x(), p.y()}}));
    chart->ClearItems();
    chart->AddEllipse(50, 50, 0.1, 0.1);
    EXPECT_EQ(Shown(chart), (TPixels{{p.x(), p.y()}}));
}

TEST(Render, LinesLeaveTheirEndPointAndRectanglesIncludeBothCorners) {
    auto chart = MakeChart(280, 200);
    const QPoint a = chart->WorldToPixel(1, 10, 10), b = chart->WorldToPixel(1, 90, 10);
    chart->AddLine(10, 10, 90, 10);
    TPixels line;
    for (int x = a.x(); x < b.x(); ++x) line.emplace(x, a.y());
    EXPECT_EQ(Shown(chart), line);

    chart->ClearItems();
    chart->SetFillColor(clLime);
    chart->AddRectangle(10, 10, 30, 40);
    chart->ShowItems();
    const QPoint c = chart->WorldToPixel(1, 10, 10), d = chart->WorldToPixel(1, 30, 40);
    EXPECT_EQ(PixelOf(*chart, c.x(), c.y()), clBlack);  // both corners belong to the outline
    EXPECT_EQ(PixelOf(*chart, d.x(), d.y()), clBlack);
    EXPECT_EQ(PixelOf(*chart, d.x() + 1, d.y()), chart->ChartColor());
    EXPECT_EQ(PixelOf(*chart, c.x(), c.y() + 1), chart->ChartColor());
    EXPECT_EQ(PixelOf(*chart, c.x() + 1, c.y() - 1), clLime);
    EXPECT_EQ(Painted(*chart).size(), std::size_t((d.x() - c.x() + 1) * (c.y() - d.y() + 1)));

    chart->ClearItems();
    chart->AddEllipse(50, 50, 10, 20);  // the box from (40, 70) to (60, 30), both included
    chart->ShowItems();
    const QPoint e = chart->WorldToPixel(1, 40, 70), f = chart->WorldToPixel(1, 60, 30);
    int minX = 9999, maxX = -1, minY = 9999, maxY = -1;
    for (auto [x, y] : Painted(*chart))
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y),
        maxY = std::max(maxY, y);
    EXPECT_EQ(minX, e.x());
    EXPECT_EQ(maxX, f.x());
    EXPECT_EQ(minY, e.y());
    EXPECT_EQ(maxY, f.y());
}

TEST(Render, ConsecutiveLineToItemsJoinWithoutGaps) {
    auto chart = MakeChart(560, 200);
    chart->SetLayerRanges(1, 0, 490, 0, 100);  // one unit per pixel
    chart->MoveTo(0, 50);
    for (int i = 1; i <= 450; ++i) chart->LineTo(i, 50);  // three polylines of the buffer
    const QPoint a = chart->WorldToPixel(1, 0, 50), b = chart->WorldToPixel(1, 450, 50);
    ASSERT_EQ(b.x() - a.x(), 450);
    TPixels line;
    for (int x = a.x() + 1; x < b.x(); ++x) line.emplace(x, a.y());  // a.x() is on the frame
    EXPECT_EQ(Shown(chart), line);
}

TEST(Render, LineToContinuesFromTheLastPenPositionNotFromOtherItems) {
    auto chart = MakeChart(280, 200);
    chart->MoveTo(10, 10);
    chart->AddLine(50, 50, 90, 50);
    chart->AddMark(70, 70, 9);
    chart->LineTo(10, 90);
    chart->ShowItems();
    const QPoint a = chart->WorldToPixel(1, 10, 10), b = chart->WorldToPixel(1, 10, 90);
    for (int y = b.y(); y < a.y(); y += 1) EXPECT_EQ(PixelOf(*chart, a.x(), y + 1), clBlack) << y;
    const QPoint between = chart->WorldToPixel(1, 50, 70);  // on a line from (90, 50) to (10, 90)
    EXPECT_EQ(PixelOf(*chart, between.x(), between.y()), chart->ChartColor());

    // a colour change ends the first polyline at its last point
    chart->ClearItems();
    chart->MoveTo(10, 50);
    chart->SetDataColor(clRed);
    chart->LineTo(50, 50);
    chart->SetDataColor(clBlue);
    chart->LineTo(90, 50);
    chart->ShowItems();
    const QPoint s = chart->WorldToPixel(1, 10, 50), m = chart->WorldToPixel(1, 50, 50),
                 e = chart->WorldToPixel(1, 90, 50);
    for (int x = s.x(); x < e.x(); ++x) EXPECT_EQ(PixelOf(*chart, x, s.y()), x < m.x() ? clRed : clBlue) << x;
    EXPECT_EQ(PixelOf(*chart, e.x(), s.y()), chart->ChartColor());
}

TEST(Render, HiddenClassesAndLayersAreNotDrawnAndDoNotMoveThePen) {
    auto chart = MakeChart(280, 200);
    chart->MoveTo(10, 10);
    chart->SetClassDefault(5);
    chart->LineTo(90, 90);
    chart->SetClassDefault(0);
    chart->SetCurrentLayer(2);
    chart->ScalePropsX(2)->SetRangeHigh(100);
    chart->ScalePropsY(2)->SetRangeHigh(100);
    chart->AddMark(50, 50, 9);
    chart->MoveTo(80, 80);
    chart->SetCurrentLayer(1);
    chart->LineTo(10, 90);
    chart->SetClassVisible(5, false);
    chart->SetLayerVisible(2, false);
    const QPoint a = chart->WorldToPixel(1, 10, 10), b = chart->WorldToPixel(1, 10, 90);
    TPixels vertical;
    for (int y = b.y() + 1; y <= a.y(); ++y) vertical.emplace(a.x(), y);
    EXPECT_EQ(Shown(chart), vertical);
    chart->SetClassVisible(5, true);
    chart->SetLayerVisible(2, true);
    EXPECT_GT(Shown(chart).size(), vertical.size() + 25);
}

TEST(Render, CrossHairsStayInsideTheDataArea) {
    auto chart = MakeChart(280, 200);
    chart->SetShadowWidth(5);
    const int right = 280 - 20 - 5, bottom = 200 - 40 - 5;
    TCrossHair* ch = chart->CrossHair1();
    ch->SetColor(clRed);
    ch->SetMode(chHoriz);
    ch->SetPosY(150);  // above the data area
    EXPECT_TRUE(Painted(*chart).empty());
    ch->SetPosY(50);
    const int py = chart->WorldToPixel(1, 0, 50).y();
    TPixels line;
    for (int x = 51; x < right; ++x) line.emplace(x, py);
    EXPECT_EQ(Painted(*chart), line);
    ch->SetLineWid(3);
    EXPECT_EQ(PixelOf(*chart, 50, py), clBlack);  // the frame stays
    EXPECT_EQ(PixelOf(*chart, 52, py), clRed);
    EXPECT_EQ(PixelOf(*chart, right - 2, py), clRed);
    EXPECT_EQ(PixelOf(*chart, right, py), clBlack);
    ch->SetMode(chVert);
    ch->SetPosX(100);  // on the right edge: d = 1 keeps it off
    EXPECT_TRUE(Painted(*chart).empty());
    ch->SetPosX(50);
    const int px = chart->WorldToPixel(1, 50, 0).x();
    EXPECT_EQ(PixelOf(*chart, px, 22), clRed);
    EXPECT_EQ(PixelOf(*chart, px, bottom - 2), clRed);
    EXPECT_EQ(PixelOf(*chart, px, bottom), clBlack);
    // the data refresh of ShowItems draws them again
    chart->AddMark(10, 10, 0);
    chart->ShowItems();
    EXPECT_EQ(PixelOf(*chart, px, 60), clRed);
}

TEST(Render, ATwoLineTextLabelStacksItsLinesAboveTheAnchor) {
    auto chart = MakeChart(280, 200);
    TTextLabel* tl = chart->TextLabel(7);
    tl->SetCaption(QStringLiteral("A\nBCD"));
    tl->SetAlignment(taCenter);
    tl->SetVerticalAlignment(vaBottom);
    tl->SetMode(tlsimple);
    tl->SetTransparent(true);
    tl->SetPosX(50);
    tl->SetPosY(50);
    tl->SetVisible(true);

    // the same text written where it belongs, from the font's metrics
    const QPoint anchor = chart->WorldToPixel(1, 50, 50);
    QImage expected(280, 200, QImage::Format_RGB32);
    expected.fill(0xFFFFFFFF);
    TCanvas c(&expected);
    c.AssignFont(*tl->Font());
    c.Brush.Style = bsClear;
    const int wa = c.TextWidth(QStringLiteral("A")), wb = c.TextWidth(QStringLiteral("BCD"));
    const int w = std::max(wa, wb), h = c.TextHeight(tl->Caption());
    const int ax = anchor.x() - w / 2;
    c.TextOut(ax + (w - wa) / 2, anchor.y() - 2 * h, QStringLiteral("A"));
    c.TextOut(ax + (w - wb) / 2, anchor.y() - h, QStringLiteral("BCD"));
    c.Release();
    TPixels want;
    for (int y = 21; y < 160; ++y)
        for (int x = 51; x < 260; ++x)
            if (PixelOf(expected, x, y) != clWhite) want.emplace(x, y);
    ASSERT_FALSE(want.empty());
    EXPECT_EQ(Painted(*chart), want);
    // the second line's text cell ends on the anchor
    int lowest = 0;
    for (auto [x, y] : want) lowest = std::max(lowest, y);
    EXPECT_LT(lowest, anchor.y());
}

TEST(Render, AnUnreadableBackgroundImageIsForgotten) {
    auto chart = MakeChart(280, 200);
    chart->BackGroundImg()->SetName(QStringLiteral("no-such-picture.bmp"));
    EXPECT_TRUE(chart->BackGroundImg()->Name().isEmpty());
    EXPECT_TRUE(Painted(*chart).empty());

    QTemporaryDir dir;
    QImage tile(4, 3, QImage::Format_RGB32);
    tile.fill(QColor(0, 0, 255));
    const QString path = QDir(dir.path()).filePath(QStringLiteral("tile.png"));
    ASSERT_TRUE(tile.save(path));
    chart->BackGroundImg()->SetIncludePath(true);
    chart->BackGroundImg()->SetFillMode(bfTile);
    chart->BackGroundImg()->SetName(path);
    EXPECT_EQ(PixelOf(*chart, 51, 21), clBlue);
    EXPECT_EQ(PixelOf(*chart, 259, 159), clBlue);
    chart->BackGroundImg()->SetFillMode(bfSimple);
    EXPECT_EQ(PixelOf(*chart, 53, 22), clBlue);
    EXPECT_EQ(PixelOf(*chart, 54, 22), clWhite);
}

TEST(Render, MarkedAreasFollowLayerOne) {
    auto chart = MakeChart(280, 200);
    chart->BackGroundImg()->SetAreaColor(clSilver);
    chart->BackGroundImg()->SetAreaLeft(20);
    chart->BackGroundImg()->SetAreaRight(60);
    chart->BackGroundImg()->SetAreaMode(bamVStripe);
    const int l = chart->WorldToPixel(1, 20, 0).x(), r = chart->WorldToPixel(1, 60, 0).x();
    EXPECT_EQ(PixelOf(*chart, l - 1, 100), clWhite);
    EXPECT_EQ(PixelOf(*chart, l, 100), clSilver);
    EXPECT_EQ(PixelOf(*chart, r - 1, 100), clSilver);
    EXPECT_EQ(PixelOf(*chart, r, 100), clWhite);
}

TEST(Render, LogarithmicGridStepsFollowTheDecades) {
    auto chart = MakeChart(392, 200);
    chart->Scale1X()->SetRangeLow(1);
    chart->Scale1X()->SetRangeHigh(1000);
    chart->Scale1X()->SetLogarithmic(true);
    chart->SetGridColor(clBlue);
    chart->SetGridStyle(gsVertLines);
    auto columns = [&] {
        std::set<int> xs;
        for (int x = 51; x < 392 - 20; ++x)
            if (PixelOf(*chart, x, 100) == clBlue) xs.insert(x);
        return xs;
    };
    auto at = [&](std::initializer_list<double> values) {
        std::set<int> xs;
        for (double v : values) xs.insert(chart->WorldToPixel(1, v, 0).x());
        return xs;
    };
    chart->SetGridDx(-2);
    EXPECT_EQ(columns(), at({2, 5, 10, 20, 50, 100, 200, 500}));
    chart->SetGridDx(-1);
    EXPECT_EQ(columns(), at({10, 100}));  // 1 lies under the frame
    chart->SetGridDx(-3);
    EXPECT_EQ(columns(), at({2,  3,  4,  5,  6,   7,   8,   9,   10,  20,  30,  40,  50,
                             60, 70, 80, 90, 100, 200, 300, 400, 500, 600, 700, 800, 900}));
    chart->SetLayerRanges(1, 1, 1000, 0, 100);
    chart->Scale1X()->SetLogarithmic(false);
    chart->SetGridDx(1e-9);  // a tiny step stops after 1000 lines, all under the frame here
    EXPECT_TRUE(columns().empty());
    chart->SetGridDx(0.1);  // 1000 lines, from 1 to 100.9, and no further
    const std::set<int> dense = columns();
    ASSERT_FALSE(dense.empty());
    EXPECT_EQ(*dense.rbegin(), chart->WorldToPixel(1, 100.9, 0).x());
}

TEST(Render, ShowItemsRefreshesTheDataAreaAndClearItemsBlanksIt) {
    auto chart = MakeChart(280, 200);
    chart->SetCaption(QStringLiteral("caption"));
    chart->Paint();
    const QImage before = chart->Picture().copy();
    chart->AddMark(50, 50, 9);
    EXPECT_EQ(chart->Picture(), before);  // adding never draws
    chart->ShowItems();
    EXPECT_EQ(Painted(*chart).size(), 49u);
    EXPECT_EQ(chart->Picture().copy(0, 0, 280, 20), before.copy(0, 0, 280, 20));
    chart->ClearItems();
    chart->ShowItems();
    EXPECT_TRUE(Painted(*chart).empty());
    chart->SetAutoRedraw(false);
    chart->AddMark(50, 50, 9);
    chart->ShowItems();  // without AutoRedraw: a full repaint
    EXPECT_EQ(Painted(*chart).size(), 49u);
}

TEST(Render, GridStepZeroFollowsTheAxisTicks) {
    auto chart = MakeChart(392, 200);
    chart->Scale1X()->SetVisible(true);
    chart->SetGridColor(clBlue);
    chart->SetGridStyle(gsVertLines);
    chart->SetGridDx(0);
    chart->Paint();
    const TScale* axis = chart->AxisControl(1, true);
    ASSERT_GT(axis->NumTicks(), 3);
    std::set<int> expected;
    for (int i = 1; i <= axis->NumTicks() && axis->TickValue(i) < 100; ++i) {
        const int x = chart->WorldToPixel(1, axis->TickValue(i), 0).x();
        if (x > 50 && x < 372) expected.insert(x);
    }
    std::set<int> columns;
    for (int x = 51; x < 372; ++x)
        if (PixelOf(*chart, x, 100) == clBlue) columns.insert(x);
    EXPECT_EQ(columns, expected);
}

TEST(Render, RenderEventsGetTheirCanvasAndOffsets) {
    auto chart = MakeChart(280, 200);
    chart->Scale1X()->SetVisible(true);
    int ticks = 0;
    chart->OnScaleTickDrawn = [&](QObject* sender, TCanvas*&, TScaleType type, double, int, int) {
        EXPECT_EQ(sender, chart.get());
        EXPECT_EQ(type, sctXT);
        ++ticks;
    };
    chart->OnDataRendered = [&](QObject* sender, TCanvas*& canvas, int top, int left) {
        EXPECT_EQ(sender, chart.get());
        EXPECT_EQ(canvas, &chart->DataBitmap().Canvas());
        canvas->SetPixel(100 - left, 100 - top, clRed);  // control pixel (100, 100)
    };
    chart->OnScalesRendered = [&](QObject*, TCanvas*& canvas, int top, int left) {
        EXPECT_EQ(top, 0);
        EXPECT_EQ(left, 0);
        canvas->SetPixel(5, 5, clRed);
    };
    chart->Paint();
    EXPECT_EQ(PixelOf(*chart, 100, 100), clRed);
    EXPECT_EQ(PixelOf(*chart, 5, 5), clRed);
    EXPECT_GE(ticks, chart->AxisControl(1, true)->NumTicks());  // every tick drawn is reported
}

TEST(Render, FramedBoxesBarsArrowsAndRelativeLines) {
    auto chart = MakeChart(280, 200);
    chart->SetFillColor(clSilver);
    chart->AddFramedBox(10, 10, 40, 40, 2, clGray, clWhite);  // lowered
    chart->ShowItems();
    const QPoint lb = chart->WorldToPixel(1, 10, 10), rt = chart->WorldToPixel(1, 40, 40);
    EXPECT_EQ(PixelOf(*chart, lb.x(), (lb.y() + rt.y()) / 2), clGray);   // left edge
    EXPECT_EQ(PixelOf(*chart, (lb.x() + rt.x()) / 2, rt.y()), clGray);   // top edge
    EXPECT_EQ(PixelOf(*chart, rt.x(), (lb.y() + rt.y()) / 2), clWhite);  // right edge
    EXPECT_EQ(PixelOf(*chart, (lb.x() + rt.x()) / 2, lb.y()), clWhite);  // bottom edge
    EXPECT_EQ(PixelOf(*chart, lb.x() + 3, lb.y() - 3), clSilver);

    chart->ClearItems();
    chart->SetFillColor(clAqua);
    chart->AddBar3D(20, 10, 40, 50, 45, 10);
    chart->ShowItems();
    const QPoint bl = chart->WorldToPixel(1, 20, 10), tr = chart->WorldToPixel(1, 40, 50);
    // the top face lies above the front, shifted right; the side face right of it
    EXPECT_EQ(PixelOf(*chart, (bl.x() + tr.x()) / 2 + 4, tr.y() - 4), clAqua);
    EXPECT_EQ(PixelOf(*chart, tr.x() + 4, (bl.y() + tr.y()) / 2), clAqua);
    EXPECT_EQ(PixelOf(*chart, bl.x() - 2, tr.y() - 4), clWhite);
    EXPECT_EQ(PixelOf(*chart, tr.x(), bl.y()), clBlack);  // the front's far corner is included

    chart->ClearItems();
    chart->SetFillColor(clRed);
    chart->AddArrow(10, 50, 60, 50, 10);
    chart->ShowItems();
    const QPoint tail = chart->WorldToPixel(1, 10, 50), tip = chart->WorldToPixel(1, 60, 50);
    EXPECT_EQ(PixelOf(*chart, tail.x() + 5, tail.y()), clBlack);
    EXPECT_EQ(PixelOf(*chart, tip.x() - 3, tip.y()), clRed);  // a filled head ending at the tip (+1)
    EXPECT_EQ(PixelOf(*chart, tip.x() + 2, tip.y()), clWhite);

    chart->ClearItems();
    chart->MoveTo(50, 50);
    chart->MoveRel(-5, 0);
    chart->LineRel(10, 0);
    chart->LineRel(0, 4);
    chart->ShowItems();
    const QPoint p = chart->WorldToPixel(1, 50, 50);
    TPixels expected;
    for (int x = p.x() - 5; x <= p.x() + 5; ++x) expected.emplace(x, p.y());
    for (int y = p.y(); y <= p.y() + 4; ++y) expected.emplace(p.x() + 5, y);
    EXPECT_EQ(Painted(*chart), expected);
}

TEST(Render, TextItemsAreCentredOnTheirPoint) {
    auto chart = MakeChart(280, 200);
    chart->SetDataColor(clNavy);
    chart->AddText(50, 50, QStringLiteral("Hello"), 9);
    chart->ShowItems();
    QImage expected(280, 200, QImage::Format_RGB32);
    expected.fill(0xFFFFFFFF);
    TCanvas c(&expected);
    c.Font = MakeQFont(chart->Font()->Name(), 12);  // 9 points on a 96-dpi screen
    c.FontColor = clNavy;
    c.Brush.Style = bsClear;
    const QSize size = c.TextExtent(QStringLiteral("Hello"));
    const QPoint p = chart->WorldToPixel(1, 50, 50);
    c.TextOut(p.x() - size.width() / 2, p.y() - size.height() / 2, QStringLiteral("Hello"));
    c.Release();
    TPixels want;
    for (int y = 21; y < 160; ++y)
        for (int x = 51; x < 260; ++x)
            if (PixelOf(expected, x, y) != clWhite) want.emplace(x, y);
    ASSERT_FALSE(want.empty());
    EXPECT_EQ(Painted(*chart), want);
}

TEST(Render, CharacterMarksAreWrittenInTheCanvasFontOfTheirTime) {
    // before any text item the canvas holds the chart's font; a text item leaves its own size
    // there; codes 128..159 are the characters of Windows-1252
    auto chart = MakeChart(280, 200);
    chart->AddMark(15, 50, 65);
    chart->AddText(40, 50, QStringLiteral("x"), 24);
    chart->AddMark(65, 50, 65);
    chart->AddMark(88, 50, 128);
    chart->ShowItems();
    QImage expected(280, 200, QImage::Format_RGB32);
    expected.fill(0xFFFFFFFF);
    TCanvas c(&expected);
    c.Brush.Style = bsClear;
    const auto put = [&](const QFont& font, double x, const QString& text) {
        c.Font = font;
        const QSize size = c.TextExtent(text);
        const QPoint p = chart->WorldToPixel(1, x, 50);
        c.TextOut(p.x() - size.width() / 2, p.y() - size.height() / 2, text);
    };
    const QFont large = MakeQFont(chart->Font()->Name(), 32);  // 24 points on a 96-dpi screen
    put(chart->Font()->ToQFont(), 15, QStringLiteral("A"));
    put(large, 40, QStringLiteral("x"));
    put(large, 65, QStringLiteral("A"));
    put(large, 88, QString(QChar(0x20AC)));
    c.Release();
    TPixels want;
    for (int y = 21; y < 160; ++y)
        for (int x = 51; x < 260; ++x)
            if (PixelOf(expected, x, y) != clWhite) want.emplace(x, y);
    EXPECT_EQ(Painted(*chart), want);
}

// A series added in bulk draws the pixels of the same points added as MoveTo and LineTo items, in
// full renders and from the checkpoint while points are taken back and more are added, and reads
// back as those items.
TEST(Render, APolylineAddedInBulkIsItsMoveToAndLineToItems) {
    std::vector<double> x, y;
    for (int i = 0; i < 60000; ++i) {
        x.push_back(i / 600.0);
        y.push_back(50 + 30 * std::sin(i / 2000.0) + (i * 7919 % 13) - 6);
    }
    auto bulk = MakeChart(280, 200), items = MakeChart(280, 200);
    for (auto* chart : {bulk.get(), items.get()}) {
        chart->SetLayerRanges(1, 0, 100, 0, 100);
        chart->SetDataColor(clBlue);
        chart->AddMark(10, 10, 3);
    }
    bulk->AddPolyline(x.data(), y.data(), int(x.size()));
    items->MoveTo(x[0], y[0]);
    for (std::size_t i = 1; i < x.size(); ++i) items->LineTo(x[i], y[i]);
    ASSERT_EQ(bulk->ItemCount(), items->ItemCount());
    for (int i : {0, 1, 2, 17, 30000, 60000}) {
        const TDrawItem &a = bulk->Item(i), &b = items->Item(i);
        EXPECT_EQ(a.Kind, b.Kind) << i;
        EXPECT_EQ(a.X1, b.X1) << i;
        EXPECT_EQ(a.Y1, b.Y1) << i;
        EXPECT_EQ(a.Color, b.Color) << i;
    }
    EXPECT_EQ(Shown(bulk), Shown(items));
    for (int step = 0; step < 3; ++step) {
        bulk->RemoveLastItem();
        items->RemoveLastItem();
        bulk->AddPolyline(x.data() + 100 * step, y.data(), 300);
        items->MoveTo(x[std::size_t(100 * step)], y[0]);
        for (int i = 1; i < 300; ++i) items->LineTo(x[std::size_t(100 * step + i)], y[std::size_t(i)]);
        EXPECT_EQ(Shown(bulk), Shown(items)) << step;
    }
    bulk->SetLayerRanges(1, 20, 21, 40, 60);  // zoomed in: blocks span columns
    items->SetLayerRanges(1, 20, 21, 40, 60);
    EXPECT_EQ(Shown(bulk), Shown(items));
    bulk->Paint();
    EXPECT_GT(Painted(*bulk).size(), 100u);
}
