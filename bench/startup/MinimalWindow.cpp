// SPDX-License-Identifier: MIT
// A minimal Qt Widgets program: shows one window of the main window's size, grabs it to a PNG
// file and exits.
//
// bench_minimal_window FILE

#include <QApplication>
#include <QImageWriter>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_minimal_window FILE\n");
        return 2;
    }
    QWidget window;
    window.resize(718, 642);
    window.show();
    QCoreApplication::processEvents();
    QImageWriter writer(QString::fromLocal8Bit(argv[1]), "png");
    return writer.write(window.grab().toImage()) ? 0 : 1;
}
