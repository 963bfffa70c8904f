// SPDX-License-Identifier: MIT
// The QML items of Gravilo.Charts show what the widgets show: the example's window against a
// TPlotica given the same size, properties and items, and Scale and Numora against TScale and
// TNumora, pixel for pixel, at the screen's density (twice it under QT_SCALE_FACTOR=2). The mouse
// pans the item's chart as it pans the widget; properties are reached by name and by path; C++
// reaches the component behind an item.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <memory>

#include "TNumora.h"
#include "TPlotica.h"
#include "TScale.h"
#include "TScaleProps.h"

namespace {

class QuickItems : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }

    // the window of a QML document (a file or the text of one), shown and exposed
    QQuickWindow* Load(const QByteArray& source, const QUrl& url = QUrl()) {
        FEngine = std::make_unique<QQmlApplicationEngine>();
        FEngine->addImportPath(QStringLiteral(GRAVILO_QML_IMPORT_DIR));
        FEngine->loadData(source, url);
        if (FEngine->rootObjects().isEmpty()) return nullptr;
        auto* window = qobject_cast<QQuickWindow*>(FEngine->rootObjects().first());
        if (!window) return nullptr;
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) return nullptr;
        return window;
    }
    QQuickWindow* LoadExample() {
        QFile file(QStringLiteral(GRAVILO_QUICK_EXAMPLE));
        if (!file.open(QIODevice::ReadOnly)) return nullptr;
        return Load(file.readAll(), QUrl::fromLocalFile(file.fileName()));
    }
    QQuickItem* Item(QQuickWindow* window, const char* name) {
        return window->findChild<QQuickItem*>(QString::fromLatin1(name));
    }
    // the part of the window's picture an item covers, in device pixels
    static QImage Grab(QQuickWindow* window, QQuickItem* item) {
        QImage all = window->grabWindow();
        // the software renderer's grab is of device pixels, not always marked as such
        const double dpr = window->effectiveDevicePixelRatio();
        EXPECT_EQ(all.width(), std::lround(window->width() * dpr));
        all.setDevicePixelRatio(dpr);
        const QRectF r = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        return all
            .copy(QRect(int(std::lround(r.x() * dpr)), int(std::lround(r.y() * dpr)),
                        int(std::lround(r.width() * dpr)), int(std::lround(r.height() * dpr))))
            .convertToFormat(QImage::Format_RGB32);
    }
    // the widget as a window of its own shows it, at the screen's density
    static QImage Grab(QWidget& widget, int w, int h) {
        widget.resize(w, h);
        widget.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QImage Shown(QWidget& widget) {
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // the same pixels; the pictures are saved for a look when not
    static ::testing::AssertionResult Same(const QImage& quick, const QImage& widget, const char* name) {
        const QString stem = QStringLiteral(GRAVILO_PICTURE_DIR "/") + QString::fromLatin1(name) +
                             QStringLiteral("_dpr") + QString::number(quick.devicePixelRatio());
        quick.save(stem + QStringLiteral("_quick.png"));
        widget.save(stem + QStringLiteral("_widget.png"));
        if (quick.size() != widget.size())
            return ::testing::AssertionFailure()
                   << name << ": the item's picture is " << quick.width() << " x " << quick.height()
                   << ", the widget's " << widget.width() << " x " << widget.height();
        int differ = 0;
        for (int y = 0; y < quick.height(); ++y)
            for (int x = 0; x < quick.width(); ++x)
                if (quick.pixel(x, y) != widget.pixel(x, y)) ++differ;
        if (differ)
            return ::testing::AssertionFailure()
                   << name << ": " << differ << " pixels differ (" << stem.toStdString() << "_*.png)";
        return ::testing::AssertionSuccess();
    }
    // the chart of the example, as C++ builds it
    static void BuildExampleChart(TPlotica& chart) {
        chart.SetCaption(QStringLiteral("y = sin x"));
        chart.SetGridStyle(gsDotLines);
        chart.SetGridColor(QColor(QStringLiteral("silver")));
        chart.SetMouseAction(maPan);
        chart.SetMouseCursorFixed(false);
        chart.SetLayerRanges(1, 0, 10, -1.5, 1.5);
        chart.Scale1Y()->SetDecPlaces(1);
        chart.ClearItems();
        chart.SetDataColor(QColor(QStringLiteral("darkblue")));
        chart.SetLineWidth(2);
        chart.MoveTo(0, 0);
        for (int i = 1; i <= 200; ++i) chart.LineTo(i / 20.0, std::sin(i / 20.0));
        chart.SetDataColor(QColor(QStringLiteral("red")));
        chart.SetLineWidth(1);
        for (int k = 0; k <= 10; ++k) chart.AddMark(k, std::sin(double(k)), 17);
        chart.SetDataColor(QColor(QStringLiteral("black")));
        chart.AddText(1.57, 1.2, QStringLiteral("maximum"), 9);
        chart.ShowItems();
    }
    static bool Set(QQuickItem* item, const char* name, const QVariant& value) {
        bool taken = false;
        QMetaObject::invokeMethod(item, "set", Q_RETURN_ARG(bool, taken),
                                  Q_ARG(QString, QString::fromLatin1(name)), Q_ARG(QVariant, value));
        return taken;
    }
    static QVariant Get(QQuickItem* item, const char* name) {
        QVariant value;
        QMetaObject::invokeMethod(item, "get", Q_RETURN_ARG(QVariant, value),
                                  Q_ARG(QString, QString::fromLatin1(name)));
        return value;
    }
    static TPlotica* ChartOf(QQuickItem* item) {
        return qobject_cast<TPlotica*>(item->property("component").value<QObject*>());
    }

    std::unique_ptr<QQmlApplicationEngine> FEngine;
};

TEST_F(QuickItems, TheExampleShowsWhatTheWidgetShows) {
    QQuickWindow* window = LoadExample();
    ASSERT_TRUE(window);
    QQuickItem* plot = Item(window, "plot");
    ASSERT_TRUE(plot);
    const QImage quick = Grab(window, plot);
    EXPECT_EQ(quick.width(), std::lround(480 * window->effectiveDevicePixelRatio()));
    EXPECT_EQ(plot->property("itemCount").toInt(), 1 + 200 + 11 + 1 + 0);

    TPlotica chart;
    BuildExampleChart(chart);
    EXPECT_TRUE(Same(quick, Grab(chart, 480, 320), "example"));
}

TEST_F(QuickItems, TheMousePansAndZoomsTheItemAsTheWidget) {
    QQuickWindow* window = LoadExample();
    ASSERT_TRUE(window);
    QQuickItem* plot = Item(window, "plot");
    ASSERT_TRUE(plot);
    TPlotica chart;
    BuildExampleChart(chart);
    Grab(chart, 480, 320);

    int zoomPans = 0;
    QSignalSpy itemZoomPans(plot, SIGNAL(zoomPanned()));
    auto drag = [](auto* target) {
        QTest::mousePress(target, Qt::LeftButton, {}, QPoint(200, 150));
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(target, QPoint(200 + 15 * step, 150 + 10 * step));
        QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(260, 190));
    };
    chart.OnZoomPan = [&](QObject*) { ++zoomPans; };
    drag(window);
    drag(&chart);
    EXPECT_GT(zoomPans, 0);
    EXPECT_EQ(itemZoomPans.count(), zoomPans);
    TPlotica* inner = ChartOf(plot);
    ASSERT_TRUE(inner);
    EXPECT_LT(inner->Scale1X()->RangeLow(), 0);  // dragged to the right: smaller x come in
    EXPECT_DOUBLE_EQ(inner->Scale1X()->RangeLow(), chart.Scale1X()->RangeLow());
    EXPECT_DOUBLE_EQ(inner->Scale1Y()->RangeHigh(), chart.Scale1Y()->RangeHigh());
    EXPECT_TRUE(Same(Grab(window, plot), Shown(chart), "panned"));

    // zooming by dragging, as the example's "Zoom" chooses it
    EXPECT_TRUE(plot->setProperty("mouseAction", QStringLiteral("maZoomDrag")));
    chart.SetMouseAction(maZoomDrag);
    const double span = chart.Scale1X()->RangeHigh() - chart.Scale1X()->RangeLow();
    drag(window);
    drag(&chart);
    EXPECT_LT(chart.Scale1X()->RangeHigh() - chart.Scale1X()->RangeLow(), span);  // right narrows x
    EXPECT_DOUBLE_EQ(inner->Scale1X()->RangeLow(), chart.Scale1X()->RangeLow());
    EXPECT_DOUBLE_EQ(inner->Scale1X()->RangeHigh(), chart.Scale1X()->RangeHigh());
    EXPECT_DOUBLE_EQ(inner->Scale1Y()->RangeLow(), chart.Scale1Y()->RangeLow());
    EXPECT_EQ(itemZoomPans.count(), zoomPans);
    EXPECT_TRUE(Same(Grab(window, plot), Shown(chart), "zoomed"));
}

TEST_F(QuickItems, PropertiesAreReachedByNameAndByPath) {
    QQuickWindow* window = LoadExample();
    ASSERT_TRUE(window);
    QQuickItem* plot = Item(window, "plot");
    ASSERT_TRUE(plot);
    TPlotica* chart = ChartOf(plot);
    ASSERT_TRUE(chart);

    EXPECT_EQ(plot->property("mouseAction").toString(), QStringLiteral("maPan"));
    EXPECT_TRUE(plot->setProperty("mouseAction", QStringLiteral("maZoomDrag")));
    EXPECT_EQ(chart->MouseAction(), maZoomDrag);
    EXPECT_TRUE(plot->setProperty("marginLeft", 60));
    EXPECT_EQ(chart->MarginLeft(), 60);
    EXPECT_TRUE(plot->setProperty("chartColor", QColor(Qt::yellow)));
    EXPECT_EQ(chart->ChartColor(), clYellow);

    EXPECT_TRUE(Set(plot, "Scale1X.RangeHigh", 20.0));
    EXPECT_EQ(chart->Scale1X()->RangeHigh(), 20.0);
    EXPECT_EQ(Get(plot, "Scale1X.RangeHigh").toDouble(), 20.0);
    EXPECT_TRUE(Set(plot, "WindColor", QStringLiteral("red")));  // a colour's name
    EXPECT_EQ(chart->WindColor(), clRed);
    EXPECT_EQ(Get(plot, "WindColor").value<QColor>(), QColor(Qt::red));
    EXPECT_TRUE(Set(plot, "GridColor", QStringLiteral("0x00FF0000")));  // a number, 0x00BBGGRR
    EXPECT_EQ(chart->GridColor(), clBlue);
    EXPECT_TRUE(Set(plot, "StandardLayout", QStringLiteral("pll_X1Bottom_Y1Left")));
    EXPECT_EQ(Get(plot, "GridStyle").toString(), QStringLiteral("gsDotLines"));
    EXPECT_TRUE(Set(plot, "Font.Height", -16));
    EXPECT_FALSE(Set(plot, "NoSuchSetting", 1));
    EXPECT_FALSE(Set(plot, "MouseAction", QStringLiteral("maNoSuchMode")));
    EXPECT_FALSE(Get(plot, "Scale1X.NoSuchSetting").isValid());
    QStringList names;
    QMetaObject::invokeMethod(plot, "propertyNames", Q_RETURN_ARG(QStringList, names));
    EXPECT_TRUE(names.contains(QStringLiteral("Scale1X")));
    EXPECT_TRUE(names.contains(QStringLiteral("MouseAction")));
}

TEST_F(QuickItems, CodeOfCppDrawsOnTheItemsChart) {
    QQuickWindow* window = LoadExample();
    ASSERT_TRUE(window);
    QQuickItem* plot = Item(window, "plot");
    ASSERT_TRUE(plot);
    TPlotica* inner = ChartOf(plot);
    ASSERT_TRUE(inner);
    inner->SetDataColor(Qt::darkGreen);
    inner->AddRectangle(2, -0.5, 4, 0.5);
    inner->ShowItems();
    QMetaObject::invokeMethod(plot, "refresh");

    TPlotica chart;
    BuildExampleChart(chart);
    chart.SetDataColor(Qt::darkGreen);
    chart.AddRectangle(2, -0.5, 4, 0.5);
    chart.ShowItems();
    EXPECT_TRUE(Same(Grab(window, plot), Grab(chart, 480, 320), "cpp"));
}

TEST_F(QuickItems, ScaleAndNumoraShowWhatTheirWidgetsShow) {
    QQuickWindow* window = Load(R"(
import QtQuick
import Gravilo.Charts
Window {
    width: 320; height: 120; visible: true; color: "white"
    Scale {
        objectName: "scale"; width: 300; height: 60
        rangeLow: 0; rangeHigh: 250; caption: "height [m]"; colorScale: "navy"
    }
    Numora {
        objectName: "numora"; y: 70; width: 220; height: 28
        leftText: "Mass"; rightText: "[kg]"; precision: 1; value: 12.5; colorOutText: "darkred"
    }
})");
    ASSERT_TRUE(window);
    QQuickItem* scaleItem = Item(window, "scale");
    QQuickItem* numoraItem = Item(window, "numora");
    ASSERT_TRUE(scaleItem && numoraItem);
    EXPECT_EQ(numoraItem->property("value").toDouble(), 12.5);

    TScale scale;
    scale.SetRangeLow(0);
    scale.SetRangeHigh(250);
    scale.SetCaption(QStringLiteral("height [m]"));
    scale.SetColorScale(QColor(QStringLiteral("navy")));
    EXPECT_TRUE(Same(Grab(window, scaleItem), Grab(scale, 300, 60), "scale"));

    TNumora numora;
    numora.SetLeftText(QStringLiteral("Mass"));
    numora.SetRightText(QStringLiteral("[kg]"));
    numora.SetPrecision(1);
    numora.SetValue(12.5);
    numora.SetColorOutText(QColor(QStringLiteral("darkred")));
    EXPECT_TRUE(Same(Grab(window, numoraItem), Grab(numora, 220, 28), "numora"));
}

}  // namespace
