// SPDX-License-Identifier: MIT
// A window of one's own with Gravilo's components, laid out in Qt Designer (Window.ui): a chart
// with its axes and a few marks, a numeric label and an axis scale. Given a file name, it saves
// the window as a PNG and ends.
//
//   gravilo-consumer              shows the window
//   gravilo-consumer picture.png  writes the picture (works offscreen: QT_QPA_PLATFORM=offscreen)

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include <gravilo/TNumora.h>
#include <gravilo/TPlotica.h>
#include <gravilo/TScale.h>

#include "ui_Window.h"  // the window as made in Qt Designer: Window.ui

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    Ui::Window form;
    form.setupUi(&window);

    // the falling stone's height over 3 seconds, one mark every quarter second
    TPlotica* chart = form.chart;
    for (int i = 0; i <= 12; ++i) {
        const double t = i * 0.25;
        chart->AddMark(t, 45 - 0.5 * 9.81 * t * t, 2);
    }
    chart->ShowItems();
    form.energy->SetValue(10 * 9.81 * 45 / 1000);

    window.show();
    if (argc < 2) return app.exec();
    QTimer::singleShot(0, &app, [&] {
        const bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG");
        if (!saved) std::fprintf(stderr, "cannot write %s\n", argv[1]);
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
