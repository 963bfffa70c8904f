// SPDX-License-Identifier: MIT
#pragma once
// Reading a file the program finds on its own (a remembered language, one of the Language menu, a
// chart's background image): a regular file only, opened without waiting on a pipe that nobody
// writes, and read whole at once, so that a read error is a reason for the caller, never a hang or
// an exception in the middle of loading.

#include <QByteArray>
#include <QString>

#include "gravilo_common_export.h"

namespace RegularFile {

// The file's bytes; false, with the reason, when it is not a regular file, holds more than
// maxBytes or cannot be read.
GRAVILO_COMMON_INNER_EXPORT bool Read(const QString& fileName, qint64 maxBytes, QByteArray& bytes,
                                      QString& error);

}  // namespace RegularFile
