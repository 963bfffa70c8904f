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
    bytes.resize(qsizetype(info.st_size));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, std::size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = SystemError::LastErrorString();
            ::close(fd);
            return false;
        }
        if (got == 0) break;  // shorter than it said: what is there
        done += got;
    }
    ::close(fd);
    bytes.truncate(done);
    return true;
}

}  // namespace RegularFile
