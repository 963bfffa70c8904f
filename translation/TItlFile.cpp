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

QByteArray TItlFile::RecordLine(const QByteArray& key, const QByteArray& value) {
    return '[' + key + "]=" + value + "|$$";
}

bool TItlFile::Write(const QString& path, const QByteArrayList& lines, QString& errorText) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        errorText = file.errorString();
        return false;
    }
    for (const QByteArray& line : lines) {
        if (file.write(line) != line.size() || file.write("\r\n", 2) != 2) {
            errorText = file.errorString();
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        errorText = file.errorString();
        return false;
    }
    return true;
}
