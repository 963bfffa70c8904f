// SPDX-License-Identifier: MIT
#include "TFileRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <climits>
#include <deque>
#include <vector>

#include "SystemError.h"

namespace {

// How many links one name may lead through, as many as the system itself follows.
constexpr int MaxLinks = 40;

// The folders on the way down from the root, each held open; the root stays its owner's.
class TWay {
public:
    explicit TWay(int Root) : FRoot(Root) {}
    ~TWay() {
        for (const int fd : FFolders) ::close(fd);
    }
    TWay(const TWay&) = delete;
    TWay& operator=(const TWay&) = delete;

    int Here() const { return FFolders.empty() ? FRoot : FFolders.back(); }
    void Down(int Fd) { FFolders.push_back(Fd); }
    // False at the root: there is no way up from it.
    bool Up() {
        if (FFolders.empty()) return false;
        ::close(FFolders.back());
        FFolders.pop_back();
        return true;
    }

private:
    int FRoot;
    std::vector<int> FFolders;
};

void Prepend(std::deque<QByteArray>& Parts, const QByteArray& Path) {
    const QList<QByteArray> parts = Path.split('/');
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) Parts.push_front(*it);
}

// Opens the regular file at Path below the folder Root for reading. Each name is looked up in a
// folder already known to lie inside Root, without following it; a relative link puts its target
// in its place, ".." goes back one folder, and neither ever rises above Root. -1 when Path leads
// out, through anything but folders, or to anything but a regular file.
int OpenBeneath(int Root, const QByteArray& Path) {
    std::deque<QByteArray> parts;
    Prepend(parts, Path);
    TWay way(Root);
    int links = 0;
    while (!parts.empty()) {
        const QByteArray part = parts.front();
        parts.pop_front();
        if (part.isEmpty() || part == ".") continue;
        if (part.contains('\0')) return -1;  // no name of the file system
        if (part == "..") {
            if (!way.Up()) return -1;
            continue;
        }
        // a descriptor of the entry itself: nothing is opened yet, no pipe waited on, no device woken
        const int entry = ::openat(way.Here(), part.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        struct stat info {};
        if (entry < 0) return -1;
        if (::fstat(entry, &info) != 0) {
            ::close(entry);
            return -1;
        }
        if (S_ISDIR(info.st_mode)) {
            way.Down(entry);
            continue;
        }
        if (S_ISLNK(info.st_mode)) {
            char target[PATH_MAX];
            const ssize_t n = ::readlinkat(entry, "", target, sizeof target);
            ::close(entry);
            // a link that starts at the top of the file system leads out
            if (n <= 0 || n >= ssize_t(sizeof target) || target[0] == '/' || ++links > MaxLinks) return -1;
            Prepend(parts, QByteArray(target, n));
            continue;
        }
        ::close(entry);
        // the file ends the path ("file/" asks for a folder)
        if (!S_ISREG(info.st_mode) || !parts.empty()) return -1;
        const int file =
            ::openat(way.Here(), part.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        struct stat opened {};
        if (file >= 0 && ::fstat(file, &opened) == 0 && opened.st_dev == info.st_dev &&
            opened.st_ino == info.st_ino)
            return file;
        if (file >= 0) ::close(file);  // swapped meanwhile
        return -1;
    }
    return -1;  // the path names a folder
}

}  // namespace

TFileRoot::TFileRoot(const QString& Dir) {
    const QFileInfo info(Dir);
    FGiven = QDir::cleanPath(info.absoluteFilePath());
    FPath = info.canonicalFilePath();
    if (FPath.isEmpty()) FPath = FGiven;
}

TFileRoot::~TFileRoot() {
    if (FFd >= 0) ::close(FFd);
}

bool TFileRoot::Open(QString* Error) {
    FFd = ::open(QFile::encodeName(FPath).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (FFd >= 0) return true;
    *Error = QStringLiteral("cannot open the folder %1: %2").arg(FPath, SystemError::LastErrorString());
    return false;
}

QString TFileRoot::FilePath(const QString& Name) const {
    return FPath.endsWith(QLatin1Char('/')) ? FPath + Name : FPath + QLatin1Char('/') + Name;
}

QString TFileRoot::Map(const QString& Name) const {
    const qsizetype slash = qMax(Name.lastIndexOf(QLatin1Char('/')), Name.lastIndexOf(QLatin1Char('\\')));
    return FilePath(Name.mid(slash + 1));
}

bool TFileRoot::Read(const QString& Name, qint64 MaxSize, QByteArray* Bytes) const {
    if (Name.isEmpty() || FFd < 0) return false;
    QString relative = Name;
    if (QDir::isAbsolutePath(Name)) {
        // the folder by its real path or by the one it was named with
        relative.clear();
        for (const QString& folder : {FPath, FGiven}) {
            const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
            if (!Name.startsWith(prefix)) continue;
            relative = Name.mid(prefix.size());
            break;
        }
        if (relative.isEmpty()) return false;
    }
    const int fd = OpenBeneath(FFd, QFile::encodeName(relative));
    if (fd < 0) return false;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    if (file.size() > MaxSize) return false;
    *Bytes = file.readAll();
    return Bytes->size() <= MaxSize;
}
