// SPDX-License-Identifier: MIT
#pragma once
// A picture as PNG bytes made for speed: deflate's fastest level and one filter for every row,
// where Qt's writer tries all five filters on each row and spends most of a headless start there.
// The pixels are those of Qt's writer; the bytes are not.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace PngEncoder {

// False, with libpng's reason in error, when the picture cannot be encoded (out of memory).
bool EncodeFast(const QImage& image, QByteArray& bytes, QString& error);

}  // namespace PngEncoder
