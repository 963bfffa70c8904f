// SPDX-License-Identifier: MIT
// Gravilo.Charts in a QML program: main.qml shows a Plotica filled from JavaScript, with pan and
// zoom by the mouse. The items are Gravilo's widgets inside, so the program has a QApplication.
//
//   quick_plot                    shows the window
//   quick_plot --shot FILE.png    saves the window's first frame and ends
// Where the module is not installed, QML_IMPORT_PATH names the folder that holds Gravilo/Charts.

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QUrl>
#include <cstdio>

int main(int argc, char** argv) {
    const bool shot = argc == 3 && QByteArray(argv[1]) == "--shot";
    // without a display (and for pictures alike on every machine) the software renderer
    if (shot || qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    QQmlApplicationEngine engine;
#ifdef GRAVILO_QML_IMPORT_DIR
    engine.addImportPath(QStringLiteral(GRAVILO_QML_IMPORT_DIR));  // the build tree's module
#endif
    engine.load(QUrl(QStringLiteral("qrc:/quick_plot/main.qml")));
    if (engine.rootObjects().isEmpty()) return 1;
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!window) return 1;
    if (shot) {
        int status = 1;
        // the first frame is out: grab it once the frame has ended
        QObject::connect(
            window, &QQuickWindow::frameSwapped, &app,
            [&] {
                const bool saved = window->grabWindow().save(QString::fromLocal8Bit(argv[2]), "PNG");
                if (!saved) std::fprintf(stderr, "cannot write %s\n", argv[2]);
                status = saved ? 0 : 1;
                app.quit();
            },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        app.exec();
        return status;
    }
    return app.exec();
}
