// SPDX-License-Identifier: MIT
#pragma once
// The last picture of a benchmark, saved as NAME.png in the folder named by BENCH_PICTURES when
// that is set, so that both sides of a figure can be seen to draw the same thing at the same size.

#include <QDir>
#include <QImage>
#include <QString>

namespace bench {

inline void SavePicture(const char* name, const QImage& image) {
    const QString folder = qEnvironmentVariable("BENCH_PICTURES");
    if (folder.isEmpty()) return;
    image.save(QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

}  // namespace bench
