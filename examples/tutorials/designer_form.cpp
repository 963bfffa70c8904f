// SPDX-License-Identifier: MIT
// Tutorial: a window made in Qt Designer and loaded at run time. MeasureWindow.ui holds a chart
// and a numeric label in a layout, with settings of the chart's parts (the axes' ranges, an
// axis's font) as Designer stores them. QUiLoader makes the components through Gravilo's
// Designer plugin, so the plugin must be where Qt looks for plugins (QT_PLUGIN_PATH, or
// addPluginPath below): without it the loader still succeeds, but makes plain QWidgets.
//
//   tutorial_designer_form [FORM.ui]                   shows the window
//   tutorial_designer_form [FORM.ui] --shot FILE.png   saves the window and ends

#include <QApplication>
#include <QFile>
#include <QUiLoader>
#include <QWidget>

#include <cstdio>
#include <memory>

#include "TNumora.h"
#include "TPlotica.h"

#ifndef TUTORIAL_FORM
#define TUTORIAL_FORM "MeasureWindow.ui"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString picture;
    if (const qsizetype shot = args.indexOf(QStringLiteral("--shot")); shot >= 0 && shot + 1 < args.size()) {
        picture = args[shot + 1];
        args.remove(shot, 2);
    }
    QFile file(args.isEmpty() ? QStringLiteral(TUTORIAL_FORM) : args.first());
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(file.fileName()),
                     qPrintable(file.errorString()));
        return 1;
    }
    QUiLoader loader;
    const std::unique_ptr<QWidget> window(loader.load(&file));
    if (!window) {
        std::fprintf(stderr, "cannot load %s: %s\n", qPrintable(file.fileName()),
                     qPrintable(loader.errorString()));
        return 1;
    }
    // the components as the form named them; none when the plugin was not found
    auto* chart = window->findChild<TPlotica*>(QStringLiteral("chart"));
    auto* energy = window->findChild<TNumora*>(QStringLiteral("energy"));
    if (!chart || !energy) {
        std::fprintf(
            stderr,
            "the form's components are plain widgets: put Gravilo's Designer plugin on QT_PLUGIN_PATH\n");
        return 1;
    }

    // the falling stone's height, a mark every quarter second, and its energy at the start
    for (int i = 0; i <= 12; ++i) {
        const double t = i * 0.25;
        chart->AddMark(t, 45 - 0.5 * 9.81 * t * t, 2);
    }
    chart->ShowItems();
    energy->SetValue(10 * 9.81 * 45 / 1000);

    window->show();
    if (picture.isEmpty()) return app.exec();
    const bool saved = window->grab().save(picture, "PNG");
    if (!saved) std::fprintf(stderr, "cannot write %s\n", qPrintable(picture));
    // the form's part settings reached the chart's axes
    return saved && chart->Scale1X()->RangeHigh() == 3 && chart->Scale1Y()->RangeHigh() == 50 ? 0 : 1;
}
