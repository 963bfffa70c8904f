// SPDX-License-Identifier: MIT
#include "TEndpointDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "SystemError.h"

namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

QString HandleName(quint32 handle) {
    return QStringLiteral("%1").arg(handle, 8, 16, QLatin1Char('0'));
}

bool FitsSocketAddress(const QString& path) {
    return Native(path).size() < qsizetype(sizeof(sockaddr_un::sun_path));
}

// ---- the folder ----

// Where the folder belongs, and where it goes when that place is not ours to use.
QStringList Places() {
    const QString custom = qEnvironmentVariable(TEndpointDirectory::OverrideVariable);
    // a folder named on purpose is that folder or none
    if (!custom.isEmpty()) return {QDir::cleanPath(QDir(custom).absolutePath())};
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString expected =
        !runtime.isEmpty()
            ? QDir::cleanPath(runtime + QLatin1String("/gravilo"))
            : QDir::cleanPath(QDir::tempPath() + QStringLiteral("/gravilo-%1").arg(::geteuid()));
    // the user's own cache folder: nobody else can take a name there first; one folder per machine,
    // since a home folder may be shared between machines
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return {expected, QDir::cleanPath(cache + QLatin1String("/gravilo-") + QSysInfo::machineHostName())};
}

// Whether Place is a real folder of ours that can hold the endpoints; Why says what is wrong.
bool Fits(const QString& Place, QString* Why) {
    struct stat info {};
    if (::lstat(Native(Place).constData(), &info) != 0) {
        *Why = QStringLiteral("%1: %2").arg(Place, SystemError::LastErrorString());
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        errno = ENOTDIR;
        *Why = QStringLiteral("%1 is not a folder").arg(Place);
        return false;
    }
    // someone else's folder is never used: it could read or fake our messages
    if (info.st_uid != ::geteuid()) {
        errno = EACCES;
        *Why = QStringLiteral("%1 belongs to another user").arg(Place);
        return false;
    }
    if (!FitsSocketAddress(TEndpointDirectory::SocketPath(Place, 0xFFFFFFFFu))) {
        errno = ENAMETOOLONG;
        *Why = QStringLiteral("%1 is too long a path for the endpoints' sockets").arg(Place);
        return false;
    }
    return true;
}

bool Make(const QString& Place, QString* Why) {
    QDir().mkpath(QFileInfo(Place).absolutePath());
    if (::mkdir(Native(Place).constData(), 0700) != 0 && errno != EEXIST) {
        *Why = QStringLiteral("%1: %2").arg(Place, SystemError::LastErrorString());
        return false;
    }
    return Fits(Place, Why);
}

// What others left in the folder while it was open to them is not ours to trust: it goes. A folder
// of theirs that cannot be emptied at least gives up its name.
void RemoveForeignEntries(int FolderFd) {
    DIR* folder = ::fdopendir(::dup(FolderFd));
    if (!folder) return;
    const uid_t self = ::geteuid();
    while (const dirent* entry = ::readdir(folder)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        struct stat info {};
        if (::fstatat(FolderFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0 || info.st_uid == self) continue;
        if (::unlinkat(FolderFd, name, S_ISDIR(info.st_mode) ? AT_REMOVEDIR : 0) == 0) continue;
        const QByteArray aside = ".foreign-" + QByteArray::number(quint64(info.st_ino));
        ::renameat(FolderFd, name, FolderFd, aside.constData());
    }
    ::closedir(folder);
}

// Closes the folder to everyone else and clears it of their entries.
bool MakeSafe(const QString& Place, QString* Why) {
    const int fd = ::open(Native(Place).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info {};
    int error = 0;
    if (fd < 0 || ::fstat(fd, &info) != 0)
        error = errno;
    else if (info.st_uid != ::geteuid())
        error = EACCES;  // it changed hands since it was looked at
    else if ((info.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0)
        error = errno;
    if (error == 0) RemoveForeignEntries(fd);
    if (fd >= 0) ::close(fd);
    if (error != 0) *Why = QStringLiteral("%1: %2").arg(Place, SystemError::ErrorString(error));
    errno = error;
    return error == 0;
}

// Nothing works: the reasons, one for each place, in one line.
QString Refuse(const QStringList& Problems, QString* Problem) {
    TErrnoKeeper keep;
    if (Problem)
        *Problem = QStringLiteral("No private folder for the message endpoints: ") +
                   Problems.join(QLatin1String("; "));
    return {};
}

}  // namespace

QString TEndpointDirectory::Locate() {
    QString why;
    for (const QString& place : Places())
        if (Fits(place, &why)) return place;
    return {};
}

QString TEndpointDirectory::Prepare(QString* Problem) {
    const QStringList places = Places();
    QString why;
    // a folder already in use wins, so that every process of the user meets in the same one
    for (const QString& place : places)
        if (Fits(place, &why)) return MakeSafe(place, &why) ? place : Refuse({why}, Problem);
    QStringList problems;
    int firstError = 0;
    for (const QString& place : places) {
        if (Make(place, &why) && MakeSafe(place, &why)) return place;
        problems << why;
        if (firstError == 0) firstError = errno;
    }
    errno = firstError;
    return Refuse(problems, Problem);
}

QString TEndpointDirectory::SocketPath(const QString& Dir, quint32 Handle) {
    return Dir + QLatin1Char('/') + HandleName(Handle) + QLatin1String(".sock");
}

QString TEndpointDirectory::InfoPath(const QString& Dir, quint32 Handle) {
    return Dir + QLatin1Char('/') + HandleName(Handle) + QLatin1String(".info");
}

// ---- its entries ----

int TEndpointDirectory::OpenOwnFile(const QString& Path, int Flags, mode_t Mode) {
    const int fd = ::open(Native(Path).constData(), Flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, Mode);
    if (fd < 0) {
        if (errno == ELOOP) errno = EPERM;  // a link
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(fd);
        errno = EPERM;
        return -1;
    }
    return fd;
}

void TEndpointDirectory::RemoveUnlessOwnFile(const QString& Path) {
    const QByteArray native = Native(Path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0) return;
    if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) return;
    ::unlinkat(AT_FDCWD, native.constData(), S_ISDIR(info.st_mode) ? AT_REMOVEDIR : 0);
}
