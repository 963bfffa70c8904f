// SPDX-License-Identifier: MIT
#include "TItlFile.h"

#include <QFileInfo>
#include <QSaveFile>

QString TItlFile::NameFor(const QString& executablePath) {
    const QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    // a leading dot names a hidden file, not an extension
    if (dot <= 0) return name + QStringLiteral(".itl");
    return name.left(dot + 1) + QStringLiteral("itl");
}

QByteArray TItlFile::RecordLine(QByteArrayView key, QByteArrayView value) {
    QByteArray line;
    line.reserve(key.size() + value.size() + 6);
    line.append('[').append(key).append("]=").append(value).append("|$$");
    return line;
}

bool TItlFile::Write(const QString& path, const QByteArrayList& lines, const TItlEntries& entries,
                     QString& errorText) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        errorText = file.errorString();
        return false;
    }
    const auto writeLine = [&file](const QByteArray& line) {
        return file.write(line) == line.size() && file.write("\r\n", 2) == 2;
    };
    bool written = true;
    for (qsizetype i = 0; i < lines.size() && written; ++i) written = writeLine(lines[i]);
    for (qsizetype i = 0; i < entries.Count() && written; ++i)
        written = writeLine(RecordLine(entries.Key(i), entries.Value(i)));
    if (!written) {
        errorText = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        errorText = file.errorString();
        return false;
    }
    return true;
}
