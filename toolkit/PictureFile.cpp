// SPDX-License-Identifier: MIT
#include "PictureFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

#include <unistd.h>
#include <cerrno>

#include "SystemError.h"

namespace PictureFile {

namespace {

QByteArray FormatFor(const QString& fileName, const char* format) {
    if (format) return QByteArray(format).toLower();
    return QFileInfo(fileName).suffix().toLower().toLatin1();
}

// Straight to the descriptor: a write that the disk cuts short is tried again for the rest, and
// the one that fails says why (Qt's file classes give no reason for a short write).
bool WriteAll(int fd, const QByteArray& bytes, QString& error) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) {
            error = SystemError::LastErrorString();
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

bool Save(const QImage& image, const QString& fileName, QString& error, const char* format, int quality) {
    const QByteArray type = FormatFor(fileName, format);
    if (!QImageWriter::supportedImageFormats().contains(type)) {
        error = QStringLiteral("unknown picture format \"%1\"").arg(QString::fromLatin1(type));
        return false;
    }
    // encoded first, in memory: the file then gets all of it or nothing
    QByteArray bytes;
    QBuffer encoded(&bytes);
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, type);
    writer.setQuality(quality);
    if (!writer.write(image)) {
        error = writer.errorString();
        return false;
    }
    return WriteWhole(fileName, bytes, error);
}

bool WriteWhole(const QString& fileName, const QByteArray& bytes, QString& error) {
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile()) {
        // a device or a pipe cannot be replaced, only written
        QFile device(fileName);
        if (device.open(QIODevice::WriteOnly)) return WriteAll(device.handle(), bytes, error);
        error = device.errorString();
        return false;
    }
    QSaveFile file(fileName);
    // a folder that takes no new file still lets a file in it be overwritten
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (!WriteAll(file.handle(), bytes, error)) {
        file.cancelWriting();
        return false;
    }
    if (file.commit()) return true;
    error = file.errorString();
    return false;
}

bool SaveWindow(QWidget& window, const QString& fileName, QString& error) {
    // Qt's PNG writer turns a quality of 80 into deflate level 1
    constexpr int fastestDeflate = 80;
    return Save(window.grab().toImage(), fileName, error, "png", fastestDeflate);
}

}  // namespace PictureFile
