// SPDX-License-Identifier: MIT
// Text widths as the canvas remembers them, dash patterns carried across a pause, and frames
// handed to a painted control without copying; pictures encoded as PNG for speed.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontMetrics>
#include <QImageReader>

#include "PngEncoder.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"
#include "TPaintedControl.h"

namespace {

QFont MakeFont(const QString& name, int height, bool bold) {
    TFont font;
    font.SetName(name);
    font.SetHeight(height);
    font.SetBold(bold);
    return font.ToQFont();
}

// A control that shows whatever frame it is given.
class TFrameControl : public TPaintedControl {
public:
    using TPaintedControl::TakePicture;
    void Paint() override {}
};

}  // namespace

TEST(CanvasTextWidths, RememberedWidthsFollowFontAndText) {
    TBitmap bitmap(200, 40);
    TCanvas& c = bitmap.Canvas();
    const QString texts[] = {QStringLiteral("100"), QStringLiteral("[kJ]"), QStringLiteral("Energy / Height"),
                             QStringLiteral("")};
    for (const QString& name : {QStringLiteral("Arial"), QStringLiteral("Courier New")})
        for (int height : {11, 14, 20})
            for (bool bold : {false, true}) {
                c.Font = MakeFont(name, height, bold);
                const QFontMetrics fm(c.Font);
                for (int round = 0; round < 2; ++round)  // measured, then remembered
                    for (const QString& text : texts) {
                        EXPECT_EQ(c.TextWidth(text), fm.horizontalAdvance(text))
                            << name.toStdString() << height;
                        EXPECT_EQ(c.TextExtent(text), QSize(fm.horizontalAdvance(text), fm.height()));
                    }
            }
    // one font, two sizes: the wider font gives the wider text
    c.Font = MakeFont(QStringLiteral("Arial"), 11, false);
    const int narrow = c.TextWidth(QStringLiteral("WWW"));
    c.Font = MakeFont(QStringLiteral("Arial"), 30, false);
    EXPECT_GT(c.TextWidth(QStringLiteral("WWW")), narrow);
}

TEST(CanvasTextWidths, TextOutFillsTheCellAndMovesThePen) {
    TBitmap bitmap(200, 40);
    TCanvas& c = bitmap.Canvas();
    c.Brush = TCanvasBrush{clBlue, bsSolid};
    c.Font = MakeFont(QStringLiteral("Arial"), 14, false);
    c.FontColor = clWhite;
    for (int round = 0; round < 2; ++round) {
        c.TextOut(10, 5, QStringLiteral("250"));
        const int w = QFontMetrics(c.Font).horizontalAdvance(QStringLiteral("250"));
        EXPECT_EQ(c.PenPos(), QPoint(10 + w, 5));
        EXPECT_EQ(c.Pixel(10, 5), clBlue);
        EXPECT_EQ(c.Pixel(10 + w - 1, 5), clBlue);
        EXPECT_EQ(c.Pixel(10 + w, 5), clWhite);  // the bitmap starts white
    }
}

TEST(CanvasLines, ADashPatternGoesOnFromASavedPhase) {
    // one dashed line drawn in one go, and the same line drawn in two pieces with the pattern's
    // phase carried over by hand, paint the same pixels
    TBitmap whole(120, 10), pieces(120, 10);
    whole.Canvas().Pen.Style = psDashDot;
    whole.Canvas().MoveTo(0, 5);
    whole.Canvas().LineTo(50, 5);
    whole.Canvas().LineTo(110, 5);
    TCanvas& p = pieces.Canvas();
    p.Pen.Style = psDashDot;
    p.MoveTo(0, 5);
    p.LineTo(50, 5);
    const int phase = p.StylePhase();
    EXPECT_EQ(phase, 50);
    p.MoveTo(50, 5);  // starts the pattern anew
    EXPECT_EQ(p.StylePhase(), 0);
    p.SetStylePhase(phase);
    p.LineTo(110, 5);
    EXPECT_EQ(whole.Image(), pieces.Image());
}

TEST(PaintedControlFrames, AFrameOfTheControlsSizeIsTakenWithoutCopying) {
    TFrameControl control;
    control.SetBounds(0, 0, 30, 20);
    TBitmap frame(30, 20);
    frame.Canvas().Brush.Color = clRed;
    frame.Canvas().FillRect(0, 0, 30, 20);
    const qint64 frameKey = frame.Image().cacheKey();
    const QImage before = control.Picture();
    control.TakePicture(frame);
    EXPECT_EQ(control.Picture().cacheKey(), frameKey);  // the very image, not a copy
    EXPECT_EQ(control.Picture().pixel(29, 19), qRgb(255, 0, 0));
    EXPECT_EQ(frame.Image(), before);  // the bitmap holds the previous picture
    // the control's canvas draws on the new picture, the bitmap's canvas on the old one
    control.Canvas().SetPixel(0, 0, clBlue);
    frame.Canvas().SetPixel(1, 1, clBlue);
    EXPECT_EQ(control.Picture().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(control.Picture().pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(frame.Image().pixel(1, 1), qRgb(0, 0, 255));

    // another size is copied into the picture's corner and stays with the bitmap
    TBitmap small(10, 10);
    small.Canvas().Brush.Color = clLime;
    small.Canvas().FillRect(0, 0, 10, 10);
    control.TakePicture(small);
    EXPECT_EQ(control.Picture().size(), QSize(30, 20));
    EXPECT_EQ(control.Picture().pixel(9, 9), qRgb(0, 255, 0));
    EXPECT_EQ(control.Picture().pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(small.Width(), 10);
    EXPECT_EQ(small.Image().pixel(0, 0), qRgb(0, 255, 0));
}

TEST(PictureEncoding, AFastPngReadsBackPixelForPixel) {
    // a window's format, one with alpha and one with a colour table; heights that end within a
    // strip of rows
    QImage window(37, 41, QImage::Format_RGB32);
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x) window.setPixel(x, y, qRgb(x * 7, y * 5, (x ^ y) * 3));
    QImage translucent = window.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < translucent.height(); ++y) translucent.setPixel(y % 37, y, qRgba(10, 200, 30, y * 6));
    QImage indexed(9, 17, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 128, 255)});
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) indexed.setPixel(x, y, uint((x + y) % 2));
    for (const QImage& image :
         {window, translucent.convertToFormat(QImage::Format_ARGB32_Premultiplied), indexed}) {
        SCOPED_TRACE(int(image.format()));
        QByteArray bytes;
        QString error;
        ASSERT_TRUE(PngEncoder::EncodeFast(image, bytes, error)) << error.toStdString();
        QBuffer file(&bytes);
        const QImage back = QImageReader(&file, "png").read();
        EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32));
    }
}
