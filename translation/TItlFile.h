// SPDX-License-Identifier: MIT
#pragma once
// The language file the dictionary writes when it is destroyed with AutoCreateItlFile on: one
// record per line, each line ended by CR LF.

#include <QByteArrayList>
#include <QString>

#include "TItlEntries.h"

class TItlFile {
public:
    // The program's file name without its directory, its extension replaced by "itl", or ".itl"
    // appended where it has none: gravilo gives gravilo.itl, gravilo.exe gives gravilo.itl.
    static QString NameFor(const QString& executablePath);

    // The line of one record: "[" key "]=" value "|$$".
    static QByteArray RecordLine(QByteArrayView key, QByteArrayView value);

    // Writes the lines, then one line per entry, to a temporary file beside the target and renames
    // it, so that a crash or a full disk never leaves a half-written language file and an older
    // file of that name stays whole. On failure returns false and says why in errorText.
    static bool Write(const QString& path, const QByteArrayList& lines, const TItlEntries& entries,
                      QString& errorText);
};
