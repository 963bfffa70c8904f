// SPDX-License-Identifier: MIT
#include "ScriptInput.h"

#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "SystemError.h"
#include "TSignalWatcher.h"

TScriptInput::TScriptInput(qsizetype readSize) : FReadSize(std::max<qsizetype>(1, readSize)) {}

TScriptInput::~TScriptInput() {
    close();
}

bool TScriptInput::Open(const QString& fileName) {
    close();
    if (fileName == QLatin1String("-")) {
        FFd = STDIN_FILENO;
    } else {
        FFd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
        FOwnsFd = FFd >= 0;
    }
    struct stat status {};
    if (FFd >= 0 && ::fstat(FFd, &status) == 0 && S_ISDIR(status.st_mode))
        errno = EISDIR;
    else if (FFd >= 0)
        return QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    setErrorString(SystemError::LastErrorString());
    close();
    return false;
}

void TScriptInput::close() {
    if (FOwnsFd) ::close(FFd);
    FFd = -1;
    FOwnsFd = false;
    FEnded = false;
    FPending.clear();
    FStart = 0;
    FReadFailure.clear();
    QIODevice::close();
}

bool TScriptInput::Fill() {
    while (!FEnded) {
        if (TSignalWatcher::Caught() != 0) return false;
        pollfd watched[2] = {{FFd, POLLIN, 0}, {TSignalWatcher::Descriptor(), POLLIN, 0}};
        // a signal's byte (watched[1]) only wakes the wait: the test above ends it
        if (::poll(watched, watched[1].fd >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR) continue;
            return Fail(errno);
        }
        if (watched[0].revents == 0) continue;
        FPending.remove(0, FStart);
        FStart = 0;
        const qsizetype old = FPending.size();
        FPending.resize(old + FReadSize);
        const ssize_t got = ::read(FFd, FPending.data() + old, std::size_t(FReadSize));
        const int readErrno = errno;
        FPending.resize(old + std::max<ssize_t>(got, 0));
        if (got > 0) return true;
        if (got == 0)
            FEnded = true;
        else if (readErrno != EINTR && readErrno != EAGAIN)
            return Fail(readErrno);
    }
    return false;
}

bool TScriptInput::Fail(int errorNumber) {
    FReadFailure = SystemError::ErrorString(errorNumber);
    FEnded = true;
    return false;
}

qint64 TScriptInput::Take(char* data, qsizetype count) {
    std::memcpy(data, FPending.constData() + FStart, std::size_t(count));
    FStart += count;
    return count;
}

qint64 TScriptInput::readLineData(char* data, qint64 maxSize) {
    if (TSignalWatcher::Caught() != 0) return -1;
    qsizetype scanned = 0;  // of the pending bytes, those known to hold no line feed
    for (;;) {
        const qsizetype end = FPending.indexOf('\n', FStart + scanned);
        if (end >= 0 && end - FStart < maxSize) return Take(data, end - FStart + 1);
        if (Pending() >= maxSize) return Take(data, qsizetype(maxSize));
        scanned = Pending();
        if (!Fill()) break;
    }
    if (TSignalWatcher::Caught() != 0 || Pending() == 0) return -1;
    return Take(data, Pending());  // the last line, without its line feed
}

qint64 TScriptInput::readData(char* data, qint64 maxSize) {
    if (Pending() == 0 && !Fill()) return -1;
    return Take(data, std::min<qsizetype>(Pending(), qsizetype(maxSize)));
}
