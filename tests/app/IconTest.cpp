// SPDX-License-Identifier: MIT
// The program's icon offers every size a desktop asks for, each painted as the icon painter
// paints it, though nothing is painted before the icon is first looked at.

#include <gtest/gtest.h>

#include <QPixmap>

#include "Pictures.h"

TEST(GraviloIcon, OffersEverySizeAsThePainterPaintsIt) {
    const QIcon icon = GraviloIcon();
    ASSERT_FALSE(icon.isNull());
    QList<QSize> expected;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) expected.append(QSize(size, size));
    EXPECT_EQ(icon.availableSizes(), expected);
    for (int size : {16, 48, 256}) {
        const QImage shown =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, PaintGraviloIcon(size)) << size;
    }
    // a size in between comes from the nearest larger one, as with any icon of several pictures
    EXPECT_EQ(icon.actualSize(QSize(40, 40)), QSize(40, 40));
    // copies of the icon show the same pictures
    const QIcon copy = icon;
    EXPECT_EQ(copy.pixmap(QSize(32, 32)).toImage(), icon.pixmap(QSize(32, 32)).toImage());
}
