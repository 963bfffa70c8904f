// SPDX-License-Identifier: MIT
#include "TEndpointRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "SystemError.h"
#include "TEndpointDirectory.h"

namespace {

constexpr const char* RecordMagic = "VXEP1";
constexpr const char* FolderLockName = ".endpoints.lock";
constexpr int ListenBacklog = 64;

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

QString HandleName(quint32 handle) {
    return QStringLiteral("%1").arg(handle, 8, 16, QLatin1Char('0'));
}

// The folder's own lock, held while records are created or swept away.
class TFolderLock {
public:
    explicit TFolderLock(const QString& dir) {
        const QString path = dir + QLatin1Char('/') + QLatin1String(FolderLockName);
        FFd = TEndpointDirectory::OpenOwnFile(path, O_RDWR | O_CREAT);
        if (FFd < 0 && errno == EPERM) {
            // not a file of ours: it has no business under that name
            TEndpointDirectory::RemoveUnlessOwnFile(path);
            FFd = TEndpointDirectory::OpenOwnFile(path, O_RDWR | O_CREAT | O_EXCL);
        }
        if (FFd < 0) return;
        while (::flock(FFd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                TErrnoKeeper keep;
                ::close(FFd);
                FFd = -1;
                return;
            }
        }
    }
    ~TFolderLock() {
        if (FFd >= 0) ::close(FFd);  // closing releases the lock
    }
    bool Held() const { return FFd >= 0; }

private:
    int FFd = -1;
};

// A record is alive while its process holds the lock on it; a dead process cannot hold it.
bool RecordLocked(int fd) {
    if (::flock(fd, LOCK_SH | LOCK_NB) == 0) {
        ::flock(fd, LOCK_UN);
        return false;
    }
    return errno == EWOULDBLOCK;
}

bool ReadRecord(int fd, QString* className, QString* title) {
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        bytes.append(buffer, n);
        if (bytes.size() > 1 << 20) return false;
    }
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 3 || lines[0] != RecordMagic) return false;
    *className = QString::fromUtf8(QByteArray::fromPercentEncoding(lines[1]));
    *title = QString::fromUtf8(QByteArray::fromPercentEncoding(lines[2]));
    return true;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

const QRegularExpression& RecordNamePattern() {
    static const QRegularExpression pattern(QStringLiteral("^([0-9a-f]{8})\\.(info|sock)$"));
    return pattern;
}

// Under the folder's lock: records nobody holds belong to ended processes, sockets without a
// record and unfinished records to creations that never completed.
void SweepStale(const QString& dir) {
    const QDir folder(dir);
    const QStringList names = folder.entryList(QDir::Files | QDir::System | QDir::Hidden);
    for (const QString& name : names) {
        const QString path = folder.filePath(name);
        if (name.startsWith(QLatin1String(".new-"))) {
            ::unlink(Native(path).constData());
            continue;
        }
        const QRegularExpressionMatch match = RecordNamePattern().match(name);
        if (!match.hasMatch()) continue;
        const QString stem = match.captured(1);
        if (match.captured(2) == QLatin1String("sock")) {
            if (!QFileInfo::exists(folder.filePath(stem + QLatin1String(".info"))))
                ::unlink(Native(path).constData());
            continue;
        }
        const int fd = TEndpointDirectory::OpenOwnFile(path, O_RDONLY);
        if (fd < 0 && errno != EPERM) continue;
        // nobody holds it, or it is no file of ours (which nothing could ever hold): it is over
        if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(Native(path).constData());
            ::unlink(Native(folder.filePath(stem + QLatin1String(".sock"))).constData());
        }
        if (fd >= 0) ::close(fd);
    }
}

int ListenOn(const QString& path) {
    const QByteArray native = Native(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (native.size() >= qsizetype(sizeof address.sun_path)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    ::unlink(native.constData());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, ListenBacklog) != 0) {
        TErrnoKeeper keep;
        ::close(fd);
        ::unlink(native.constData());
        return -1;
    }
    return fd;
}

}  // namespace

TEndpointRecord::~TEndpointRecord() {
    Withdraw();
}

bool TEndpointRecord::Publish(const QString& Dir, const QString& ClassName, const QString& Title) {
    Withdraw();
    TFolderLock folderLock(Dir);
    if (!folderLock.Held()) return false;
    SweepStale(Dir);

    quint32 handle = 0;
    do {
        handle = QRandomGenerator::system()->generate();
    } while (handle == 0 || QFileInfo::exists(TEndpointDirectory::InfoPath(Dir, handle)) ||
             QFileInfo::exists(TEndpointDirectory::SocketPath(Dir, handle)));

    // the record is written and locked under a temporary name, so that it never shows unlocked
    const QByteArray temporary = Native(Dir + QLatin1String("/.new-") + HandleName(handle));
    const int infoFd = ::open(temporary.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (infoFd < 0) return false;
    const QByteArray record = QByteArray(RecordMagic) + '\n' + ClassName.toUtf8().toPercentEncoding() + '\n' +
                              Title.toUtf8().toPercentEncoding() + '\n' + QByteArray::number(::getpid()) +
                              '\n';
    int listenFd = -1;
    if (::flock(infoFd, LOCK_EX | LOCK_NB) != 0 || !WriteAll(infoFd, record) ||
        (listenFd = ListenOn(TEndpointDirectory::SocketPath(Dir, handle))) < 0 ||
        ::rename(temporary.constData(), Native(TEndpointDirectory::InfoPath(Dir, handle)).constData()) != 0) {
        TErrnoKeeper keep;
        if (listenFd >= 0) {
            ::close(listenFd);
            ::unlink(Native(TEndpointDirectory::SocketPath(Dir, handle)).constData());
        }
        ::close(infoFd);
        ::unlink(temporary.constData());
        return false;
    }
    FDir = Dir;
    FHandle = handle;
    FInfoFd = infoFd;
    FListenFd = listenFd;
    return true;
}

void TEndpointRecord::Withdraw() {
    if (FHandle == 0) return;
    // unpublish first, then release the lock: until then nobody takes the handle or sweeps it
    ::unlink(Native(TEndpointDirectory::InfoPath(FDir, FHandle)).constData());
    ::unlink(Native(TEndpointDirectory::SocketPath(FDir, FHandle)).constData());
    ::close(FListenFd);
    ::close(FInfoFd);
    FHandle = 0;
    FListenFd = -1;
    FInfoFd = -1;
}

quint32 TEndpointRecord::Find(const QString& Dir, const QString& ClassName, const QString& Title) {
    if (Dir.isEmpty()) return 0;
    const QDir folder(Dir);
    const QStringList names = folder.entryList({QStringLiteral("*.info")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = RecordNamePattern().match(name);
        if (!match.hasMatch()) continue;
        const int fd = TEndpointDirectory::OpenOwnFile(folder.filePath(name), O_RDONLY);
        if (fd < 0) continue;
        QString className, title;
        const bool found = RecordLocked(fd) && ReadRecord(fd, &className, &title) &&
                           className.compare(ClassName, Qt::CaseInsensitive) == 0 &&
                           title.compare(Title, Qt::CaseInsensitive) == 0;
        ::close(fd);
        if (found) return match.captured(1).toUInt(nullptr, 16);
    }
    return 0;
}

bool TEndpointRecord::IsAlive(const QString& Dir, quint32 Handle) {
    if (Handle == 0 || Dir.isEmpty()) return false;
    const int fd = TEndpointDirectory::OpenOwnFile(TEndpointDirectory::InfoPath(Dir, Handle), O_RDONLY);
    if (fd < 0) return false;
    const bool alive = RecordLocked(fd);
    ::close(fd);
    return alive;
}
