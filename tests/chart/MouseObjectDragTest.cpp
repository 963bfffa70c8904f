// SPDX-License-Identifier: MIT
// Dragging cross-hairs and text labels with real mouse events: which one is picked, where it goes,
// the events, and the repaint.

#include <gtest/gtest.h>

#include "ChartTestSupport.h"
#include "MouseTestSupport.h"
#include "TTextLabel.h"

using namespace charttest;

namespace {

// pixel x = 50 + 2 * world x, pixel y = 220 - 2 * world y on layer 1
std::unique_ptr<TPlotica> DragChart(TMouseActMode mode) {
    auto c = MakeChart(270, 260);
    c->SetMouseAction(mode);
    return c;
}

void SetCrossHair(TPlotica& c, int n, TCrossHMode mode, double x, double y, int layer = 1) {
    c.CrossHair(n)->SetLayer(layer);
    c.CrossHair(n)->SetMode(mode);
    c.CrossHair(n)->SetPosX(x);
    c.CrossHair(n)->SetPosY(y);
}

// Starts a drag at (x, y): press and the first movement, which picks.
void StartDrag(TPlotica& c, int x, int y) {
    Press(c, x, y);
    Move(c, x, y, Qt::LeftButton);
}

}  // namespace

// Vertical lines compete by their x distance, horizontal ones by their y distance.
TEST(ChartCrossHairDrag, PicksTheNearestLine) {
    auto c = DragChart(maDragCrossH);
    SetCrossHair(*c, 1, chVert, 20, 0);   // x pixel 90
    SetCrossHair(*c, 2, chHoriz, 0, 50);  // y pixel 120
    SetCrossHair(*c, 3, chBoth, 80, 80);  // pixels 210, 60
    SetCrossHair(*c, 4, chOff, 60, 60);   // hidden: never picked
    struct {
        int X, Y, Picked;
    } const cases[] = {{95, 200, 1}, {200, 118, 2}, {160, 63, 3}, {205, 200, 3}, {170, 100, 2}};
    for (const auto& k : cases) {
        StartDrag(*c, k.X, k.Y);
        EXPECT_EQ(c->ActiveCrossHair(), k.Picked) << k.X << "," << k.Y;
        Release(*c, k.X, k.Y);
        Move(*c, k.X, k.Y);
    }
}

TEST(ChartCrossHairDrag, TiesKeepTheLowerNumberAndNoneShownMovesTheFirst) {
    auto c = DragChart(maDragCrossH);
    SetCrossHair(*c, 2, chVert, 40, 0);
    SetCrossHair(*c, 4, chVert, 40, 0);
    StartDrag(*c, 140, 100);
    EXPECT_EQ(c->ActiveCrossHair(), 2);
    Move(*c, 140, 100);

    auto d = DragChart(maDragCrossH);
    QList<TCrossHair*> moved;
    d->OnCrossHairMove = [&](QObject* s, TCrossHair* ch) {
        EXPECT_EQ(s, d.get());
        moved << ch;
    };
    StartDrag(*d, 100, 100);
    Move(*d, 150, 120, Qt::LeftButton);
    EXPECT_EQ(d->ActiveCrossHair(), 1);
    EXPECT_EQ(moved, QList<TCrossHair*>{d->CrossHair(1)});
    EXPECT_DOUBLE_EQ(d->CrossHair(1)->PosX(), 50);
    EXPECT_DOUBLE_EQ(d->CrossHair(1)->PosY(), 50);
    EXPECT_EQ(d->CrossHair(1)->Mode(), chOff);
}

// The line follows the pointer in its own layer's units, over the margins too; the chart is
// repainted once per step, whether it redraws automatically or not.
TEST(ChartCrossHairDrag, FollowsThePointerInItsLayerAndRepaints) {
    auto c = DragChart(maDragCrossH);
    c->SetAutoRedraw(false);
    c->SetLayerRanges(2, 0, 1000, 0, 10);
    SetCrossHair(*c, 1, chVert, 90, 0);
    SetCrossHair(*c, 2, chBoth, 500, 5, 2);  // pixels 150, 120
    c->CrossHair(2)->SetColor(clRed);
    int renders = 0, moves = 0;
    c->OnDataRendered = [&](QObject*, TCanvas*&, int, int) { ++renders; };
    c->OnCrossHairMove = [&](QObject*, TCrossHair* ch) {
        EXPECT_EQ(ch, c->CrossHair(2));
        ++moves;
    };
    StartDrag(*c, 152, 121);
    EXPECT_EQ(moves, 0);
    Move(*c, 70, 170, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(c->CrossHair(2)->PosX(), 100);
    EXPECT_DOUBLE_EQ(c->CrossHair(2)->PosY(), 2.5);
    EXPECT_EQ(renders, 1);
    EXPECT_EQ(PixelOf(*c, 70, 100), Shade(clRed));  // the vertical line at its new place
    EXPECT_EQ(PixelOf(*c, 150, 100), Shade(c->ChartColor()));
    Move(*c, 10, 250, Qt::LeftButton);  // outside the data area
    EXPECT_DOUBLE_EQ(c->CrossHair(2)->PosX(), -200);
    EXPECT_DOUBLE_EQ(c->CrossHair(2)->PosY(), -1.5);
    EXPECT_EQ(moves, 2);
    EXPECT_EQ(renders, 2);
    EXPECT_DOUBLE_EQ(c->CrossHair(1)->PosX(), 90);
}

namespace {

TTextLabel* ShowLabel(TPlotica& c, int n, TTxtLblAttachMode attach, double x, double y) {
    TTextLabel* tl = c.TextLabel(n);
    tl->SetCaption(QString("label %1").arg(n));
    tl->SetAttachToData(attach);
    tl->SetPosX(x);
    tl->SetPosY(y);
    tl->SetVisible(true);
    return tl;
}

}  // namespace

// Each label is found where it is drawn: world positions through the layer's mapping, pixel
// positions rounded; hidden labels and labels switched off do not compete.
TEST(ChartTextLabelDrag, PicksTheNearestShownLabel) {
    auto c = DragChart(maDragLabel);
    ShowLabel(*c, 3, tlamBoth, 50, 50);                      // pixels 150, 120
    ShowLabel(*c, 5, tlamNone, 60.4, 30.6);                  // pixels 60, 31
    ShowLabel(*c, 7, tlamXOnly, 90, 200);                    // pixels 230, 200
    ShowLabel(*c, 9, tlamYOnly, 100.5, 10);                  // pixels 100, 200
    ShowLabel(*c, 11, tlamBoth, 25, 90)->SetMode(tlOff);     // pixels 100, 40: switched off
    ShowLabel(*c, 12, tlamBoth, 75, 20)->SetVisible(false);  // pixels 200, 180: hidden
    struct {
        int X, Y, Picked;
    } const cases[] = {{148, 124, 3}, {62, 33, 5}, {225, 195, 7}, {104, 196, 9}, {100, 42, 5}, {200, 180, 7}};
    for (const auto& k : cases) {
        StartDrag(*c, k.X, k.Y);
        EXPECT_EQ(c->ActiveTextLabel(), k.Picked) << k.X << "," << k.Y;
        Move(*c, k.X, k.Y);
    }
    for (int n : {3, 5, 7, 9}) c->TextLabel(n)->SetVisible(false);
    StartDrag(*c, 150, 120);
    EXPECT_EQ(c->ActiveTextLabel(), 1);
}

// Pixel coordinates take the pointer's pixel, world coordinates its world value in the label's layer.
TEST(ChartTextLabelDrag, MovesByWhatThePositionIsAttachedTo) {
    struct {
        TTxtLblAttachMode Attach;
        double X, Y;  // where the label starts
        double NewX, NewY;
    } const cases[] = {{tlamBoth, 500, 5, 450, 1.5},
                       {tlamNone, 150, 120, 140, 190},
                       {tlamXOnly, 500, 120, 450, 190},
                       {tlamYOnly, 150, 5, 140, 1.5}};
    for (const auto& k : cases) {
        auto c = DragChart(maDragLabel);
        c->SetLayerRanges(2, 0, 1000, 0, 10);
        TTextLabel* tl = ShowLabel(*c, 4, k.Attach, k.X, k.Y);
        tl->SetLayer(2);  // world positions in 0..1000 by 0..10: pixel 150, 120 is 500, 5
        QList<TTextLabel*> moved;
        c->OnTextLabelMove = [&](QObject* s, TTextLabel* l) {
            EXPECT_EQ(s, c.get());
            moved << l;
        };
        StartDrag(*c, 150, 120);
        ASSERT_EQ(c->ActiveTextLabel(), 4) << k.Attach;
        Move(*c, 140, 190, Qt::LeftButton);
        EXPECT_DOUBLE_EQ(tl->PosX(), k.NewX) << k.Attach;
        EXPECT_DOUBLE_EQ(tl->PosY(), k.NewY) << k.Attach;
        EXPECT_EQ(moved, QList<TTextLabel*>{tl});
    }
}
