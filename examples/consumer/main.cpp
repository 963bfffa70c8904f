// A window of one's own with Gravilo's components: a chart with its axes and a few marks, a
// numeric label and an axis scale. Given a file name, it saves the window as a PNG and ends.
//
//   gravilo-consumer              shows the window
//   gravilo-consumer picture.png  writes the picture (works offscreen: QT_QPA_PLATFORM=offscreen)

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdio>

#include <gravilo/TNumora.h>
#include <gravilo/TPlotica.h>
#include <gravilo/TScale.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Gravilo components"));
    window.resize(420, 380);

    // the falling stone's height over 3 seconds, one mark every quarter second
    auto* chart = new TPlotica(&window);
    chart->SetBounds(10, 10, 400, 280);
    chart->SetCaption(QStringLiteral("height [m]"));
    chart->Scale1X()->SetRangeLow(0);
    chart->Scale1X()->SetRangeHigh(3);
    chart->Scale1Y()->SetRangeLow(0);
    chart->Scale1Y()->SetRangeHigh(50);
    chart->SetDataColor(clNavy);
    for (int i = 0; i <= 12; ++i) {
        const double t = i * 0.25;
        chart->AddMark(t, 45 - 0.5 * 9.81 * t * t, 2);
    }
    chart->ShowItems();

    auto* energy = new TNumora(&window);
    energy->SetBounds(10, 300, 200, 22);
    energy->SetPrecision(2);
    energy->SetLeftText(QStringLiteral("E ="));
    energy->SetRightText(QStringLiteral("kJ"));
    energy->SetValue(10 * 9.81 * 45 / 1000);

    auto* scale = new TScale(&window);
    scale->SetBounds(10, 330, 400, 40);
    scale->SetRangeLow(0);
    scale->SetRangeHigh(100);

    window.show();
    if (argc < 2) return app.exec();
    QTimer::singleShot(0, &app, [&] {
        const bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG");
        if (!saved) std::fprintf(stderr, "cannot write %s\n", argv[1]);
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
