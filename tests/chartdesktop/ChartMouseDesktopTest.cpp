// SPDX-License-Identifier: MIT
// The mouse example under a real X server: xdotool moves the pointer and presses the button as a
// person would, the chart pans and zooms, and screenshots before and after differ where they
// should and only there.

#include <gtest/gtest.h>

#include <QMap>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "DesktopSession.h"

namespace {

constexpr unsigned LeftHeld = 1u << 3;  // the left button in a shift state

// "rect <name> x y w h" lines of the example, by name
QMap<QString, QRect> ParseRects(const QString& output) {
    QMap<QString, QRect> rects;
    for (const QString& line : output.split(u'\n')) {
        const QStringList f = line.split(u' ');
        if (f.size() == 6 && f[0] == "rect")
            rects[f[1]] = QRect(f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt());
    }
    return rects;
}

// "... x1 a..b y1 c..d y2 e..f" as six numbers
QList<double> ParseRanges(const QString& line) {
    static const QRegularExpression re(
        QStringLiteral("x1 (\\S+)\\.\\.(\\S+) y1 (\\S+)\\.\\.(\\S+) y2 (\\S+)\\.\\.(\\S+)"));
    const QRegularExpressionMatch m = re.match(line);
    QList<double> v;
    if (m.hasMatch())
        for (int i = 1; i <= 6; ++i) v << m.captured(i).toDouble();
    return v;
}

int DifferingPixels(const QImage& a, const QImage& b, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// The example running on its own X server, with its layout in window pixels.
class ChartMouseDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "Xvfb and xdotool are needed";
        QString error;
        ASSERT_TRUE(FServer.Start(error)) << error.toStdString();
        ASSERT_TRUE(FShots.isValid());
        FProgram = std::make_unique<TDesktopProgram>(FServer);
        ASSERT_TRUE(FProgram->Start(CHART_MOUSE_EXE, {"--action", "maPan", "--size", "900x520", "--trace",
                                                      "--shot", FShots.filePath("shot")}));
        const QString ready = FProgram->WaitFor("ready ", 20000);
        ASSERT_FALSE(ready.isEmpty()) << FProgram->Output().toStdString();
        FWindow = ready.mid(6);
        ASSERT_TRUE(FProgram->Xdotool({"search", "--sync", "--onlyvisible", "--name", "^Chart mouse$"}));
        FRects = ParseRects(FProgram->Output());
        // the layout came before "ready"
        FStartRanges = ParseRanges(FProgram->Output().section("ranges ", 1));
        ASSERT_EQ(FStartRanges.size(), 6);
        ASSERT_TRUE(FRects.contains("chart") && FRects.contains("data"));
        FChart = FRects["chart"].topLeft();
        FData = FRects["data"];
    }

    // Moves the pointer to (x, y) in chart pixels and waits until the chart has seen it there.
    void MoveTo(int x, int y, unsigned shift) {
        const QPoint w = FChart + QPoint(x, y);
        ASSERT_TRUE(FProgram->Xdotool(
            {"mousemove", "--window", FWindow, QString::number(w.x()), QString::number(w.y())}));
        ASSERT_FALSE(FProgram->WaitFor(QString("move %1 %2 %3").arg(x).arg(y).arg(shift)).isEmpty())
            << FProgram->Output().toStdString();
    }
    void Button(const char* what, const char* seen) {
        ASSERT_TRUE(FProgram->Xdotool({what, "1"}));
        ASSERT_FALSE(FProgram->WaitFor(seen).isEmpty()) << what;
    }
    // the data area in chart pixels, and a point inside it
    QRect DataInChart() const { return FData.translated(-FChart); }

    TXServer FServer;
    QTemporaryDir FShots;
    std::unique_ptr<TDesktopProgram> FProgram;
    QString FWindow;
    QMap<QString, QRect> FRects;
    QList<double> FStartRanges;
    QPoint FChart;
    QRect FData;
};

}  // namespace

// A left drag pans both layers: the picture of the data area changes, the side panel does not.
TEST_F(ChartMouseDesktop, RealDragPansTheChart) {
    const QImage before = FProgram->Screenshot();
    ASSERT_FALSE(before.isNull());
    const QRect d = DataInChart();
    const int x0 = d.left() + 200, y0 = d.top() + 150, dx = 120, dy = 60;
    MoveTo(x0, y0, 0);
    Button("mousedown", "down 0");
    MoveTo(x0 + 1, y0, LeftHeld);  // the drag starts with the first movement
    MoveTo(x0 + 1 + dx, y0 + dy, LeftHeld);
    const QList<double> panned = ParseRanges(FProgram->WaitFor("zoompan "));
    Button("mouseup", "up 0");
    MoveTo(x0 + 1 + dx, y0 + dy + 1, 0);
    ASSERT_EQ(panned.size(), 6) << FProgram->Output().toStdString();
    // the content followed the pointer: x by dx of the data area's width, y by dy of its height
    const double w = d.width(), h = d.height();
    const double sx = (FStartRanges[1] - FStartRanges[0]) * dx / w;
    const double sy1 = (FStartRanges[3] - FStartRanges[2]) * dy / h;
    const double sy2 = (FStartRanges[5] - FStartRanges[4]) * dy / h;
    EXPECT_NEAR(panned[0], FStartRanges[0] - sx, 1e-9);
    EXPECT_NEAR(panned[1], FStartRanges[1] - sx, 1e-9);
    EXPECT_NEAR(panned[2], FStartRanges[2] + sy1, 1e-9);
    EXPECT_NEAR(panned[5], FStartRanges[5] + sy2, 1e-9);

    const QImage after = FProgram->Screenshot();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_GT(DifferingPixels(before, after, FData), FData.width() * FData.height() / 20);
    const QRect panel = FRects["maNone"].united(FRects["maDragLabel"]);
    EXPECT_EQ(DifferingPixels(before, after, panel), 0);
}

// Choosing the zoom window on the radio group, then a window drawn with the button held: the
// rubber rectangle shows while the button is down and the ranges shrink to it on release.
TEST_F(ChartMouseDesktop, RealZoomWindowShowsItsRectangleAndZooms) {
    const QRect option = FRects["maZoomWind"];
    ASSERT_TRUE(FProgram->Xdotool({"mousemove", "--window", FWindow, QString::number(option.left() + 8),
                                   QString::number(option.center().y()), "click", "1"}));
    ASSERT_FALSE(FProgram->WaitFor("action maZoomWind").isEmpty()) << FProgram->Output().toStdString();
    const QRect d = DataInChart();
    const QPoint a(d.left() + 100, d.top() + 80), b(d.left() + 400, d.top() + 300);
    MoveTo(a.x(), a.y(), 0);
    const QImage before = FProgram->Screenshot();
    Button("mousedown", "down 0");
    MoveTo(b.x(), b.y(), LeftHeld);
    const QImage open = FProgram->Screenshot();
    ASSERT_FALSE(open.isNull());
    // the rectangle's outline is the picture under it inverted; inside it nothing changed
    const QPoint wa = FChart + a, wb = FChart + b;
    for (const QPoint& p : {wa, QPoint(wb.x() - 1, wa.y()), QPoint(wa.x(), wb.y() - 1),
                            QPoint(wb.x() - 1, wb.y() - 1), QPoint((wa.x() + wb.x()) / 2, wa.y())})
        EXPECT_EQ(open.pixel(p) & 0xFFFFFF, (before.pixel(p) ^ 0xFFFFFF) & 0xFFFFFF) << p.x() << "," << p.y();
    const QRect inside = QRect(wa, wb).adjusted(2, 2, -2, -2);
    EXPECT_EQ(DifferingPixels(before, open, inside), 0);

    Button("mouseup", "up 0");
    const QList<double> zoomed = ParseRanges(FProgram->WaitFor("zoompan "));
    ASSERT_EQ(zoomed.size(), 6) << FProgram->Output().toStdString();
    // the window's corners in world units of the ranges before; y runs downwards from the start
    const double w = d.width(), h = d.height();
    const auto worldX = [&](int px) {
        return FStartRanges[0] + (px - d.left()) * (FStartRanges[1] - FStartRanges[0]) / w;
    };
    const auto worldY = [&](int py) {
        return FStartRanges[3] - (py - d.top()) * (FStartRanges[3] - FStartRanges[2]) / h;
    };
    EXPECT_NEAR(zoomed[0], worldX(a.x()), 1e-9);
    EXPECT_NEAR(zoomed[1], worldX(b.x()), 1e-9);
    EXPECT_NEAR(zoomed[2], worldY(a.y()), 1e-9);
    EXPECT_NEAR(zoomed[3], worldY(b.y()), 1e-9);

    MoveTo(b.x() + 1, b.y(), 0);
    const QImage after = FProgram->Screenshot();
    EXPECT_GT(DifferingPixels(before, after, FData), FData.width() * FData.height() / 20);
}
