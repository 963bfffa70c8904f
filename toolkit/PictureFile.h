// SPDX-License-Identifier: MIT
#pragma once
// Writing pictures to files, whole or not at all. A picture goes to a temporary file beside the
// named one, which takes the name only when every byte, the last included, has been written: a
// full disk, a quota or a failing medium leave the old file as it was and no partial file behind,
// and say why. A device or a pipe (/dev/stdout) is written directly, with every write checked.

#include <QImage>
#include <QString>

#include "gravilo_toolkit_export.h"

class QWidget;

namespace PictureFile {

// Writes the image in the given format ("png"; by default the one the file name's suffix names),
// with the format's quality (-1: its default). False, with the reason in error, when it cannot.
bool Save(const QImage& image, const QString& fileName, QString& error, const char* format = nullptr,
          int quality = -1);

// Any bytes (a picture encoded elsewhere, a table) written the same way: whole or not at all.
GRAVILO_TOOLKIT_INNER_EXPORT bool WriteWhole(const QString& fileName, const QByteArray& bytes,
                                             QString& error);

// The whole window as a PNG file, encoded for speed (PngEncoder): a window of flat colours still
// packs tightly, and Qt's writer would take a good part of a headless start.
bool SaveWindow(QWidget& window, const QString& fileName, QString& error);

}  // namespace PictureFile
