// SPDX-License-Identifier: MIT
// Tutorial: a live plot that scrolls. A timer adds a measurement every 50 ms as a line to the
// chart; the x axis follows the newest ten seconds. Drag with the left button to pan (or, with
// "Zoom" ticked, draw a window to zoom into): the axis stops following, and "Follow" takes it
// back to the newest values.
//
//   tutorial_live_plot                    shows the window
//   tutorial_live_plot --shot FILE.png    runs 400 steps at once, saves the window and ends

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>
#include <cstdio>

#include "TPlotica.h"

namespace {

constexpr double Step = 0.05;    // seconds between two measurements
constexpr double Window = 10.0;  // seconds the axis shows while it follows

// the measurement: a slow wave with a faster one on top
double Measure(double t) {
    return 50 + 30 * std::sin(t * 0.8) + 8 * std::sin(t * 5.3);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    auto* chart = new TPlotica;
    chart->SetCaption(QStringLiteral("live measurement"));
    chart->Scale1X()->SetRangeLow(0);
    chart->Scale1X()->SetRangeHigh(Window);
    chart->Scale1Y()->SetRangeLow(0);
    chart->Scale1Y()->SetRangeHigh(100);
    chart->SetDataColor(Qt::darkBlue);  // a QColor or Qt's named colours mean what they say
    chart->SetMouseAction(maPan);
    chart->setMinimumSize(480, 300);

    auto* zoom = new QCheckBox(QStringLiteral("Zoom"));
    auto* follow = new QPushButton(QStringLiteral("Follow"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(zoom);
    buttons->addStretch();
    buttons->addWidget(follow);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(chart, 1);
    layout->addLayout(buttons);

    double t = 0;
    bool following = true;
    // a pan or a zoom by the user: the axis stays where the user put it
    chart->OnZoomPan = [&](QObject*) { following = false; };
    QObject::connect(zoom, &QCheckBox::toggled, chart,
                     [chart](bool on) { chart->SetMouseAction(on ? maZoomWind : maPan); });
    auto showNewest = [&] {
        chart->Scale1X()->SetRangeLow(std::max(0.0, t - Window));
        chart->Scale1X()->SetRangeHigh(std::max(Window, t));
    };
    QObject::connect(follow, &QPushButton::clicked, chart, [&] {
        following = true;
        showNewest();
        chart->ShowItems();
    });

    // one measurement: the line goes on to it; nothing shows until ShowItems
    chart->MoveTo(0, Measure(0));
    auto addMeasurement = [&] {
        t += Step;
        chart->LineTo(t, Measure(t));
        if (following) showNewest();
    };

    window.resize(520, 380);
    window.show();
    if (argc == 3 && QByteArray(argv[1]) == "--shot") {
        for (int i = 0; i < 400; ++i) addMeasurement();
        chart->ShowItems();
        const bool saved = window.grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
        if (!saved) std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return saved && chart->ItemCount() == 401 ? 0 : 1;
    }
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, chart, [&] {
        addMeasurement();
        chart->ShowItems();
    });
    timer.start(int(Step * 1000));
    return app.exec();
}
