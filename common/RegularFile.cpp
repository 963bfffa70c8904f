// SPDX-License-Identifier: MIT
#include "RegularFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "SystemError.h"

namespace RegularFile {

bool Read(const QString& fileName, qint64 maxBytes, QByteArray& bytes, QString& error) {
    // without O_NONBLOCK, opening a pipe would wait for a writer, whatever we do next
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = SystemError::LastErrorString();
        return false;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!regular || info.st_size > maxBytes) {
        ::close(fd);
        error = !regular ? QStringLiteral("it is not a regular file")
                         : QStringLiteral("it holds more than %1 MiB").arg(maxBytes / (1024 * 1024));
        return false;
    }
    // to the end, whatever the size says (files of /proc say 0)
    bytes.clear();
    bytes.reserve(qsizetype(info.st_size));
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 || bytes.size() + got > maxBytes) {
            error = got < 0 ? SystemError::LastErrorString()
                            : QStringLiteral("it holds more than %1 MiB").arg(maxBytes / (1024 * 1024));
            ::close(fd);
            return false;
        }
        if (got == 0) break;
        bytes.append(block, got);
    }
    ::close(fd);
    return true;
}

}  // namespace RegularFile
