// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFontMetrics>
#include <QTemporaryDir>
#include <array>

#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;

struct Surface {
    QImage image{40, 30, QImage::Format_RGB32};
    TCanvas canvas;
    Surface() {
        image.fill(Qt::white);
        canvas.SetTarget(&image);
    }
    TColor At(int x, int y) { return canvas.Pixel(x, y); }
    // the bounding box of every pixel that is not white
    QRect Painted() {
        canvas.Release();
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
        return box;
    }
    int CountOf(TColor c) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += At(x, y) == c;
        return n;
    }
};

}  // namespace

TEST(CanvasLines, EndPointIsNotPainted) {
    Surface s;
    s.canvas.Pen.Color = kRed;
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(10, 0);
    EXPECT_EQ(s.Painted(), QRect(0, 0, 10, 1));
    EXPECT_EQ(s.canvas.PenPos(), QPoint(10, 0));

    Surface v;
    v.canvas.MoveTo(5, 20);
    v.canvas.LineTo(5, 10);  // upwards: 20 .. 11
    EXPECT_EQ(v.Painted(), QRect(5, 11, 1, 10));

    Surface d;
    d.canvas.MoveTo(2, 2);
    d.canvas.LineTo(8, 8);
    EXPECT_EQ(d.Painted(), QRect(2, 2, 6, 6));
    EXPECT_EQ(d.At(7, 7), clBlack);
    EXPECT_EQ(d.At(8, 8), clWhite);

    Surface dot;  // a line whose ends fall on one pixel paints nothing
    dot.canvas.MoveTo(3, 3);
    dot.canvas.LineTo(3, 3);
    EXPECT_TRUE(dot.Painted().isEmpty());
}

TEST(CanvasLines, PolylinePaintsAllButItsLastPoint) {
    Surface s;
    const std::array<QPoint, 3> pts{QPoint(1, 1), QPoint(11, 1), QPoint(11, 6)};
    s.canvas.Polyline(pts);
    EXPECT_EQ(s.Painted(), QRect(1, 1, 11, 5));
    EXPECT_EQ(s.At(11, 5), clBlack);
    EXPECT_EQ(s.At(11, 6), clWhite);
}

TEST(CanvasLines, DottedAndDashedPensLeaveGaps) {
    Surface s;
    s.canvas.Pen.Style = psDot;
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(12, 0);
    // three on, three off
    for (int x = 0; x < 12; ++x) EXPECT_EQ(s.At(x, 0), (x % 6) < 3 ? clBlack : clWhite) << x;

    // the pattern goes on along a path instead of restarting at each corner
    Surface p;
    p.canvas.Pen.Style = psDot;
    p.canvas.MoveTo(0, 5);
    p.canvas.LineTo(4, 5);
    p.canvas.LineTo(8, 5);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(p.At(x, 5), (x % 6) < 3 ? clBlack : clWhite) << x;

    Surface clear;
    clear.canvas.Pen.Style = psClear;
    clear.canvas.MoveTo(0, 0);
    clear.canvas.LineTo(10, 10);
    EXPECT_TRUE(clear.Painted().isEmpty());
}

TEST(CanvasLines, WidePenIsDrawnAroundTheLine) {
    Surface s;
    s.canvas.Pen.Width = 3;
    s.canvas.MoveTo(5, 10);
    s.canvas.LineTo(25, 10);
    const QRect box = s.Painted();
    EXPECT_GE(box.height(), 3);
    EXPECT_LE(box.height(), 4);
    EXPECT_EQ(s.At(15, 9), clBlack);
    EXPECT_EQ(s.At(15, 11), clBlack);
    EXPECT_EQ(s.At(15, 13), clWhite);
}

TEST(CanvasShapes, RectangleExcludesRightAndBottomEdges) {
    Surface s;
    s.canvas.Pen.Color = kRed;
    s.canvas.Brush.Color = kBlue;
    s.canvas.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(s.Painted(), QRect(0, 0, 5, 5));
    EXPECT_EQ(s.CountOf(kRed), 16);
    EXPECT_EQ(s.CountOf(kBlue), 9);
    EXPECT_EQ(s.At(4, 4), kRed);
    EXPECT_EQ(s.At(2, 2), kBlue);

    Surface hollow;  // a clear brush leaves the inside alone
    hollow.canvas.Brush.Style = bsClear;
    hollow.canvas.Rectangle(10, 10, 20, 15);
    EXPECT_EQ(hollow.Painted(), QRect(10, 10, 10, 5));
    EXPECT_EQ(hollow.At(15, 12), clWhite);

    Surface swapped;  // corners in either order
    swapped.canvas.Rectangle(5, 5, 0, 0);
    EXPECT_EQ(swapped.Painted(), QRect(0, 0, 5, 5));

    Surface fill;
    fill.canvas.Brush.Color = kBlue;
    fill.canvas.FillRect(3, 4, 7, 6);
    EXPECT_EQ(fill.Painted(), QRect(3, 4, 4, 2));
    EXPECT_EQ(fill.CountOf(kBlue), 8);
}

TEST(CanvasShapes, ExclusiveOrDrawnTwiceRestoresThePicture) {
    Surface s;
    s.canvas.Brush.Color = kBlue;
    s.canvas.Rectangle(2, 2, 30, 20);  // something to flip
    s.canvas.Release();
    const QImage before = s.image.copy();

    s.canvas.Pen.Mode = pmXor;
    s.canvas.Pen.Color = clWhite;
    s.canvas.Brush.Style = bsClear;
    s.canvas.Pen.Style = psDot;
    s.canvas.Rectangle(5, 5, 35, 25);
    EXPECT_NE(s.At(5, 5), clBlue);
    s.canvas.Rectangle(5, 5, 35, 25);
    s.canvas.Pen.Style = psSolid;
    s.canvas.MoveTo(0, 29);
    s.canvas.LineTo(39, 0);
    s.canvas.MoveTo(0, 29);
    s.canvas.LineTo(39, 0);
    s.canvas.Pen.Width = 3;
    s.canvas.Ellipse(1, 1, 20, 20);
    s.canvas.Ellipse(1, 1, 20, 20);
    s.canvas.Release();
    EXPECT_EQ(s.image, before);

    // every pixel of an exclusive-or outline is flipped once, corners included
    Surface once;
    once.canvas.Pen.Mode = pmXor;
    once.canvas.Pen.Color = clWhite;
    once.canvas.Brush.Style = bsClear;
    once.canvas.Rectangle(0, 0, 4, 3);
    EXPECT_EQ(once.CountOf(clBlack), 10);
}

TEST(CanvasShapes, EllipseAndPolygonStayInsideTheirBox) {
    Surface s;
    s.canvas.Brush.Color = kBlue;
    s.canvas.Ellipse(5, 5, 25, 17);
    EXPECT_EQ(s.Painted(), QRect(5, 5, 20, 12));
    EXPECT_EQ(s.At(15, 11), kBlue);
    EXPECT_EQ(s.At(5, 5), clWhite);  // corners are outside the ellipse

    Surface p;
    p.canvas.Brush.Color = kBlue;
    p.canvas.Pen.Color = kRed;
    const std::array<QPoint, 3> tri{QPoint(2, 2), QPoint(30, 2), QPoint(2, 25)};
    p.canvas.Polygon(tri);
    EXPECT_EQ(p.At(6, 6), kBlue);
    EXPECT_EQ(p.At(25, 20), clWhite);
    EXPECT_EQ(p.At(10, 2), kRed);
}

TEST(CanvasPixels, PixelsRespectModeAndClip) {
    Surface s;
    s.canvas.SetPixel(3, 4, kRed);
    EXPECT_EQ(s.At(3, 4), kRed);
    s.canvas.Pen.Mode = pmXor;
    s.canvas.SetPixel(3, 4, kRed);
    EXPECT_EQ(s.At(3, 4), clBlack);  // red flipped by red
    s.canvas.Pen.Mode = pmCopy;
    s.canvas.SetClipRect(QRect(10, 10, 5, 5));
    s.canvas.SetPixel(9, 10, kRed);
    s.canvas.MoveTo(0, 12);
    s.canvas.LineTo(39, 12);
    s.canvas.SetPixel(-1, 100, kRed);  // outside the image: ignored
    s.canvas.ClearClipRect();
    EXPECT_EQ(s.At(9, 10), clWhite);
    EXPECT_EQ(s.Painted(), QRect(3, 4, 1, 1).united(QRect(10, 12, 5, 1)));  // the line only inside the clip
    EXPECT_EQ(s.canvas.Pixel(100, 100), 0xFFFFFFFFu);
}

TEST(CanvasText, TextCellStartsAtTheTopLeftCorner) {
    Surface s;
    s.image = QImage(200, 60, QImage::Format_RGB32);
    s.image.fill(Qt::white);
    s.canvas.SetTarget(&s.image);
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetHeight(20);
    font.SetColor(kRed);
    s.canvas.AssignFont(font);
    s.canvas.Brush.Style = bsClear;
    s.canvas.TextOut(10, 15, QStringLiteral("Hg"));
    const QRect ink = s.Painted();
    const QFontMetrics fm(font.ToQFont());
    const QSize cell = s.canvas.TextExtent(QStringLiteral("Hg"));
    EXPECT_EQ(cell, QSize(fm.horizontalAdvance(QStringLiteral("Hg")), fm.height()));
    EXPECT_TRUE(QRect(10, 15, cell.width() + 1, cell.height()).contains(ink)) << ink.x() << "," << ink.y();
    EXPECT_LE(ink.top(), 15 + fm.ascent() - fm.capHeight() + 1);  // the H reaches up to cap height
    EXPECT_GE(ink.bottom(), 15 + fm.ascent());                    // the g goes below the baseline
    EXPECT_GT(s.CountOf(kRed), 20);

    // a solid brush fills the cell behind the text
    Surface o;
    o.image = QImage(200, 60, QImage::Format_RGB32);
    o.image.fill(Qt::white);
    o.canvas.SetTarget(&o.image);
    o.canvas.AssignFont(font);
    o.canvas.Brush.Color = kBlue;
    o.canvas.TextOut(10, 15, QStringLiteral("Hg"));
    EXPECT_EQ(o.Painted(), QRect(10, 15, cell.width(), cell.height()));
}

TEST(CanvasText, ClippedTextFillsItsRectangleAndNothingElse) {
    Surface s;
    s.image = QImage(200, 60, QImage::Format_RGB32);
    s.image.fill(Qt::white);
    s.canvas.SetTarget(&s.image);
    TFont font;
    font.SetHeight(30);
    s.canvas.AssignFont(font);
    s.canvas.Brush.Color = kBlue;
    const QRect clip(20, 10, 30, 20);
    s.canvas.TextRect(clip, 5, 0, QStringLiteral("WWWWWWWW"));
    EXPECT_EQ(s.Painted(), clip);
    EXPECT_GT(s.CountOf(clBlack), 10);
}

TEST(CanvasBitmaps, DrawStretchAndLoad) {
    TBitmap small(2, 2);
    small.Canvas().SetPixel(0, 0, kRed);
    small.Canvas().SetPixel(1, 1, kBlue);
    Surface s;
    s.canvas.Draw(10, 10, small.Image());
    EXPECT_EQ(s.At(10, 10), kRed);
    EXPECT_EQ(s.At(11, 11), kBlue);
    EXPECT_EQ(s.At(11, 10), clWhite);
    s.canvas.StretchDraw(QRect(20, 0, 8, 8), small.Image());
    EXPECT_EQ(s.At(23, 3), kRed);
    EXPECT_EQ(s.At(24, 4), kBlue);
    EXPECT_EQ(s.At(27, 0), clWhite);
    EXPECT_EQ(s.Painted(), QRect(10, 0, 18, 12));

    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("pic.bmp"));
    ASSERT_TRUE(small.Image().save(bmp, "BMP"));
    TBitmap loaded;
    ASSERT_TRUE(loaded.LoadFromFile(bmp));
    EXPECT_EQ(loaded.Width(), 2);
    EXPECT_EQ(loaded.Canvas().Pixel(0, 0), kRed);

    QFile junk(dir.filePath(QStringLiteral("junk.bmp")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM not really a bitmap");
    junk.close();
    EXPECT_FALSE(loaded.LoadFromFile(junk.fileName()));
    EXPECT_FALSE(loaded.LoadFromFile(dir.filePath(QStringLiteral("missing.bmp"))));
    // a pipe where the picture should be: refused at once, not waited on
    const QString pipe = dir.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(loaded.LoadFromFile(pipe));
    EXPECT_EQ(loaded.Width(), 2);  // unchanged
}

// A zoomed or dense screen: the drawing keeps its coordinates, each pixel covers its block of
// device pixels, an exclusive-or drawn twice leaves no trace, and text is drawn at the device's
// resolution, not as the small picture enlarged.
TEST(CanvasScaled, PixelsCoverTheirBlocksAndTextIsDrawnAtTheDeviceSize) {
    TBitmap big;
    big.SetSize(40, 20, 1.5);
    EXPECT_EQ(big.Width(), 40);
    EXPECT_EQ(big.Height(), 20);
    EXPECT_EQ(big.Image().width(), 60);
    TCanvas& c = big.Canvas();
    c.Pen.Color = kRed;
    c.MoveTo(2, 3);
    c.LineTo(10, 3);
    c.Release();
    EXPECT_EQ(c.Pixel(9, 3), kRed);
    EXPECT_EQ(c.Pixel(10, 3), clWhite);                        // the end point stays unpainted
    EXPECT_EQ(big.Image().pixel(3, 4) & 0xFFFFFF, 0xFF0000u);  // device pixels under pixel (2, 3)
    const QImage before = big.Image().copy();
    c.Pen.Mode = pmXor;
    for (int i = 0; i < 2; ++i) {
        c.MoveTo(0, 0);
        c.LineTo(39, 19);
    }
    c.Release();
    EXPECT_EQ(big.Image(), before);

    TBitmap small, sharp;
    small.SetSize(60, 20);
    sharp.SetSize(60, 20, 2.0);
    for (TBitmap* b : {&small, &sharp}) {
        b->Canvas().Font = QFont(QStringLiteral("DejaVu Sans"));
        b->Canvas().Font.setPixelSize(12);
        b->Canvas().Brush.Style = bsClear;
        b->Canvas().TextOut(2, 2, QStringLiteral("Energy"));
    }
    const QImage doubled = small.Image().scaled(120, 40);
    EXPECT_NE(sharp.Image().convertToFormat(doubled.format()).copy(), doubled);
    // a doubled picture changes colour only between blocks (at even columns); a sharp one also
    // inside them
    int inside = 0;
    const QImage& s = sharp.Image();
    for (int y = 0; y < s.height(); ++y)
        for (int x = 1; x < s.width(); x += 2) inside += s.pixel(x, y) != s.pixel(x - 1, y);
    EXPECT_GT(inside, 0);
}
