// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "TColor.h"
#include "TFont.h"

TEST(Color, ByteOrderIsBlueGreenRed) {
    EXPECT_EQ(ColorToRgb(255), qRgb(255, 0, 0));
    EXPECT_EQ(ColorToRgb(0xFF0000), qRgb(0, 0, 255));
    EXPECT_EQ(ColorToRgb(0x84AE15), qRgb(0x15, 0xAE, 0x84));
    EXPECT_EQ(QColorToColor(QColor(0x15, 0xAE, 0x84)), 0x84AE15u);
    // a setter takes a Qt program's colours for what they name, a number as the components' own
    TFont font;
    font.SetColor(Qt::red);
    EXPECT_EQ(font.Color(), clRed);
    font.SetColor(QColor(0, 0, 255));
    EXPECT_EQ(font.Color(), clBlue);
    font.SetColor(0x0000FF);
    EXPECT_EQ(font.Color(), clRed);
}

TEST(Color, SystemColoursFollowThePalette) {
    QPalette pal = QApplication::palette();
    const QPalette saved = pal;
    pal.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(4, 5, 6));
    QApplication::setPalette(pal);
    EXPECT_EQ(ColorToRgb(clBtnFace), qRgb(1, 2, 3));
    EXPECT_EQ(ColorToRgb(clGrayText), qRgb(4, 5, 6));
    QApplication::setPalette(saved);
    EXPECT_TRUE(IsSystemColor(clInfoBk));
    EXPECT_FALSE(IsSystemColor(clWhite));
}
