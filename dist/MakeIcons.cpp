// SPDX-License-Identifier: MIT
// Writes the Gravilo icon as PNG files into an icon theme tree:
//   make-gravilo-icons DIR   ->   DIR/16x16/apps/gravilo.png ... DIR/256x256/apps/gravilo.png
// The build runs it; the install puts the tree under share/icons/hicolor.

#include <QDir>
#include <QImage>
#include <cstdio>
#include <initializer_list>

#include "PictureFile.h"
#include "Pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = dir + QStringLiteral("/gravilo.png");
        QString error = QStringLiteral("cannot make the folder");
        if (!QDir().mkpath(dir) || !PictureFile::Save(PaintGraviloIcon(size), file, error, "png")) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file), qPrintable(error));
            return 1;
        }
    }
    return 0;
}
