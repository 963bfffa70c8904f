// SPDX-License-Identifier: MIT
#include "PictureFile.h"

#include <QBackingStore>
#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "PngEncoder.h"
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

// A link in a folder everybody may write to and nobody may clear of others' files (/tmp), owned
// neither by us nor by the folder's owner: the kernel would not follow it when opened, and the
// file at its end is not for us to replace.
bool PlantedLink(const QString& fileName) {
    const QByteArray name = QFile::encodeName(fileName);
    struct stat link {};
    if (::lstat(name.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) return false;
    struct stat folder {};
    if (::stat(QFile::encodeName(QFileInfo(fileName).absolutePath()).constData(), &folder) != 0) return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
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
    // the system would take the name as far as the NUL and write another file
    if (fileName.contains(QChar(0))) {
        error = QStringLiteral("the name holds a NUL byte");
        return false;
    }
    if (PlantedLink(fileName)) {
        error = QStringLiteral("the name is a link that another user put into a shared folder");
        return false;
    }
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile()) {
        // a device or a pipe cannot be replaced, only written; a pipe nobody reads is refused at
        // once rather than waited on
        const int fd = ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            error = errno == ENXIO ? QStringLiteral("nothing reads from the pipe")
                                   : SystemError::LastErrorString();
            return false;
        }
        // from here on the reader takes its time
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        const bool written = WriteAll(fd, bytes, error);
        ::close(fd);
        return written;
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

namespace {

// A window of its own is painted once more where it is shown, and its picture read from there:
// where the platform keeps it in memory (offscreen), no second picture of the whole window is
// made. Any other widget, or a platform that keeps it elsewhere, is grabbed.
QImage WindowPicture(QWidget& window) {
    QBackingStore* store = window.isWindow() && window.isVisible() ? window.backingStore() : nullptr;
    if (store) {
        window.repaint();
        const auto* shown = dynamic_cast<const QImage*>(store->paintDevice());
        if (shown && shown->size() == window.size() * window.devicePixelRatio()) return *shown;
    }
    return window.grab().toImage();
}

}  // namespace

bool SaveWindow(QWidget& window, const QString& fileName, QString& error) {
    QByteArray bytes;
    return PngEncoder::EncodeFast(WindowPicture(window), bytes, error) && WriteWhole(fileName, bytes, error);
}

}  // namespace PictureFile
