// SPDX-License-Identifier: MIT
// The cursor the chart shows by mode, and the keys it keeps when it has the focus.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QVBoxLayout>

#include "ChartTestSupport.h"
#include "MouseTestSupport.h"
#include "PloticaCursors.h"

using namespace charttest;

TEST(ChartCursor, FixedCursorIsTheDefaultInEveryMode) {
    auto c = MakeChart(270, 260);
    ASSERT_TRUE(c->MouseCursorFixed());
    for (int m = maNone; m <= maRotZOnly; ++m) {
        c->setCursor(Qt::WaitCursor);
        c->SetMouseAction(TMouseActMode(m));
        Move(*c, 150, 120);
        EXPECT_EQ(c->cursor().shape(), Qt::ArrowCursor) << m;
    }
}

TEST(ChartCursor, ModesShowTheirCursorsOverTheDataArea) {
    auto c = MakeChart(270, 260);
    c->SetMouseCursorFixed(false);
    struct {
        TMouseActMode Mode;
        int Index;
    } const cases[] = {{maNone, pcCross},        {maPan, pcHand},           {maPanHoriz, pcHand},
                       {maPanVert, pcHand},      {maZoomWind, pcZoomWind},  {maZoomWindPos, pcZoomWindPos},
                       {maZoomDrag, pcZoomDrag}, {maDragCrossH, pcDefault}, {maDragLabel, pcDefault}};
    for (const auto& k : cases) {
        c->SetMouseAction(k.Mode);
        Move(*c, 150, 120);
        EXPECT_EQ(c->cursor(), PloticaCursor(k.Index)) << k.Mode;
        Move(*c, 20, 120);  // over the margin: the default
        EXPECT_EQ(c->cursor().shape(), Qt::ArrowCursor) << k.Mode;
    }
    // the modes without action leave whatever cursor is shown
    c->SetMouseAction(maZoomDrag);
    Move(*c, 150, 120);
    for (TMouseActMode m : {maRubberBand, maZoom, maRotate, maRotAndZoom, maRotXOnly, maRotZOnly}) {
        c->SetMouseAction(m);
        Move(*c, 160, 130);
        EXPECT_EQ(c->cursor(), PloticaCursor(pcZoomDrag)) << m;
    }
}

TEST(ChartCursor, TheChartsOwnCursorsAreDistinctImages) {
    const QCursor arrow = PloticaCursor(pcDefault);
    EXPECT_EQ(arrow.shape(), Qt::ArrowCursor);
    EXPECT_EQ(PloticaCursor(pcCross).shape(), Qt::CrossCursor);
    EXPECT_EQ(PloticaCursor(99), arrow);
    QList<QImage> images;
    for (int i : {pcHand, pcZoomWind, pcZoomDrag, pcZoomWindPos}) {
        const QCursor& cur = PloticaCursor(i);
        ASSERT_EQ(cur.shape(), Qt::BitmapCursor) << i;
        const QImage img = cur.pixmap().toImage();
        EXPECT_EQ(img.size(), QSize(32, 32));
        int ink = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) ink += qAlpha(img.pixel(x, y)) > 128;
        EXPECT_GT(ink, 60) << i;
        EXPECT_FALSE(images.contains(img)) << i;
        images << img;
    }
}

namespace {

// A window with a line edit, the chart and another line edit, the chart focused.
struct TFocusWindow {
    QWidget Window;
    QLineEdit* Before = new QLineEdit(&Window);
    TPlotica* Chart = new TPlotica(&Window);
    QLineEdit* After = new QLineEdit(&Window);
    QStringList Keys;
    TFocusWindow() {
        auto* layout = new QVBoxLayout(&Window);
        layout->addWidget(Before);
        layout->addWidget(Chart);
        layout->addWidget(After);
        Chart->setFocusPolicy(Qt::StrongFocus);
        Chart->OnKeyDown = [this](QObject* s, int& key, TShiftState shift) {
            EXPECT_EQ(s, Chart);
            Keys << QString("down %1 %2").arg(key).arg(shift);
        };
        Chart->OnKeyUp = [this](QObject*, int& key, TShiftState) { Keys << QString("up %1").arg(key); };
        Window.show();
        Window.activateWindow();
        Chart->setFocus();
    }
};

}  // namespace

TEST(ChartKeys, FocusedChartKeepsArrowsAndTab) {
    TFocusWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.Window));
    ASSERT_TRUE(w.Chart->hasFocus());
    for (Qt::Key key :
         {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        w.Keys.clear();
        QTest::keyClick(w.Chart, key);
        EXPECT_TRUE(w.Chart->hasFocus()) << key;
        EXPECT_EQ(w.Keys, (QStringList{QString("down %1 0").arg(key), QString("up %1").arg(key)}));
    }
    QTest::keyClick(w.Chart, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(w.Chart->hasFocus());
    // the line edits let Tab move the focus on, as ever
    w.After->setFocus();
    QTest::keyClick(w.After, Qt::Key_Tab);
    EXPECT_FALSE(w.After->hasFocus());
}

TEST(ChartKeys, ChartKeysWinOverShortcutsOtherKeysTravelOn) {
    TFocusWindow w;
    QKeyEvent arrow(QEvent::ShortcutOverride, Qt::Key_Left, Qt::NoModifier);
    arrow.ignore();
    QApplication::sendEvent(w.Chart, &arrow);
    EXPECT_TRUE(arrow.isAccepted());
    QKeyEvent letter(QEvent::ShortcutOverride, Qt::Key_A, Qt::ControlModifier);
    letter.ignore();
    QApplication::sendEvent(w.Chart, &letter);
    EXPECT_FALSE(letter.isAccepted());

    // a key the handler does not use goes on to the parent; one it zeroes stays
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(w.Chart, &a);
    EXPECT_FALSE(a.isAccepted());
    w.Chart->OnKeyDown = [](QObject*, int& key, TShiftState) { key = 0; };
    QKeyEvent b(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b");
    QApplication::sendEvent(w.Chart, &b);
    EXPECT_TRUE(b.isAccepted());
}
