// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "TPaintedControl.h"

namespace {

class TProbe : public TPaintedControl {
public:
    using TPaintedControl::TPaintedControl;
    int FPaints = 0;
    int FBoundsChanges = 0;

protected:
    void Paint() override {
        ++FPaints;
        Canvas().Brush.Color = 0x00FF00;
        Canvas().Pen.Color = 0x0000FF;
        Canvas().Rectangle(0, 0, width(), height());
    }
    void BoundsChanged() override { ++FBoundsChanges; }
};

}  // namespace

TEST(PaintedControl, RendersItsPictureAtOnceWithoutAWindow) {
    QWidget form;
    TProbe probe(&form);
    probe.SetBounds(10, 20, 30, 12);
    EXPECT_EQ(probe.FBoundsChanges, 1);
    probe.SetBounds(10, 20, 30, 12);
    EXPECT_EQ(probe.FBoundsChanges, 1);  // nothing changed
    probe.RepaintNow();
    EXPECT_EQ(probe.FPaints, 1);
    const QImage& pic = probe.Picture();
    ASSERT_EQ(pic.size(), QSize(30, 12));
    EXPECT_EQ(pic.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(pic.pixel(29, 11), qRgb(255, 0, 0));
    EXPECT_EQ(pic.pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_TRUE(probe.Visible());
    EXPECT_FALSE(form.isVisible());
}

TEST(PaintedControl, MouseEventsCarryButtonShiftAndPixel) {
    QWidget form;
    form.resize(100, 100);
    TProbe probe(&form);
    probe.SetBounds(0, 0, 50, 50);
    std::vector<std::string> log;
    probe.OnMouseDown = [&](QObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        EXPECT_EQ(s, &probe);
        log.push_back("down " + std::to_string(b) + " " + std::to_string(sh) + " " + std::to_string(x) + "," +
                      std::to_string(y));
    };
    probe.OnMouseMove = [&](QObject*, TShiftState sh, int x, int y) {
        log.push_back("move " + std::to_string(sh) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    probe.OnMouseUp = [&](QObject*, TMouseButton b, TShiftState sh, int x, int y) {
        log.push_back("up " + std::to_string(b) + " " + std::to_string(sh) + " " + std::to_string(x) + "," +
                      std::to_string(y));
    };
    probe.OnClick = [&](QObject*) { log.push_back("click"); };
    form.show();
    QTest::mousePress(&probe, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
    QTest::mouseMove(&probe, QPoint(7, 8));
    QTest::mouseRelease(&probe, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
    QTest::mousePress(&probe, Qt::RightButton, Qt::NoModifier, QPoint(1, 2));
    QTest::mouseRelease(&probe, Qt::RightButton, Qt::NoModifier, QPoint(1, 2));
    const std::string left = std::to_string(ShiftBit(ssLeft));
    const std::string shiftLeft = std::to_string(ShiftBit(ssShift) | ShiftBit(ssLeft));
    const std::string right = std::to_string(ShiftBit(ssRight));
    // QTest's move keeps the buttons of the last press
    const std::vector<std::string> expected{"down 0 " + shiftLeft + " 5,6",
                                            "move " + left + " 7,8",
                                            "click",
                                            "up 0 0 7,8",
                                            "down 1 " + right + " 1,2",
                                            "up 1 0 1,2"};
    EXPECT_EQ(log, expected);
}
