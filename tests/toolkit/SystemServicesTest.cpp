// SPDX-License-Identifier: MIT
// The small system services of the host link: error texts, machine-wide settings, the endpoint
// folder and what others may leave in it, the single-instance lock and waiting for a process.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "ProcessWaits.h"
#include "SystemError.h"
#include "TMessageEndpoint.h"
#include "TProcessWaiter.h"
#include "TSingleInstanceLock.h"
#include "TSystemSettings.h"

namespace {

// points a variable elsewhere for one test
class TScopedVariable {
public:
    TScopedVariable(const char* Name, const QByteArray& Value) : FName(Name), FSaved(qgetenv(Name)) {
        qputenv(Name, Value);
    }
    ~TScopedVariable() { qputenv(FName, FSaved); }

private:
    const char* FName;
    QByteArray FSaved;
};

void WriteViewerHandle(const QString& Folder, const QString& Value) {
    QDir(Folder).mkpath(QStringLiteral("Quenta"));
    QSettings settings(Folder + QStringLiteral("/Quenta/tessaro.ini"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("demon/ViewerHandle"), Value);
}

// The places of the endpoint folder, with every variable that moves them pointed into a folder of
// the test: where it belongs (the temporary folder) and where it goes instead (the cache folder).
struct TFolderPlaces {
    TFolderPlaces()
        : Temp("TMPDIR", QFile::encodeName(Dir.filePath(QStringLiteral("tmp")))),
          Home("HOME", QFile::encodeName(Dir.filePath(QStringLiteral("home")))),
          Cache("XDG_CACHE_HOME", QByteArray()),
          Runtime("XDG_RUNTIME_DIR", QByteArray()),
          Chosen("GRAVILO_ENDPOINT_DIR", QByteArray()) {
        QDir(Dir.path()).mkpath(QStringLiteral("tmp"));
        QDir(Dir.path()).mkpath(QStringLiteral("home"));
    }
    QString Expected() const { return Dir.filePath(QStringLiteral("tmp/gravilo-%1").arg(::geteuid())); }
    QString Fallback() const {
        return Dir.filePath(QStringLiteral("home/.cache/gravilo-") + QSysInfo::machineHostName());
    }

    QTemporaryDir Dir;
    TScopedVariable Temp, Home, Cache, Runtime, Chosen;
};

constexpr uid_t Nobody = 65534;

// Hands an entry to another user, as if that user had made it; only root may.
bool GiveAway(const QString& Path) {
    return ::geteuid() == 0 && ::lchown(QFile::encodeName(Path).constData(), Nobody, Nobody) == 0;
}

void WriteFile(const QString& Path, const QByteArray& Bytes) {
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
}

QString ViewerHandle() {
    return TSystemSettings::ReadString(QStringLiteral("Quenta"), QStringLiteral("tessaro"),
                                       QStringLiteral("demon"), QStringLiteral("ViewerHandle"));
}

}  // namespace

TEST(SystemServices, ErrorTextsComeFromTheSystem) {
    EXPECT_EQ(SystemError::ErrorString(ENOENT), QString::fromLocal8Bit(std::strerror(ENOENT)));
    errno = EACCES;
    EXPECT_EQ(SystemError::LastErrorString(), QString::fromLocal8Bit(std::strerror(EACCES)));
    EXPECT_FALSE(SystemError::ErrorString(123456).isEmpty());
}

TEST(SystemServices, SettingsComeFromTheFirstConfigFolderThatHasThem) {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first"));
    const QString second = dir.filePath(QStringLiteral("second"));
    TScopedVariable folders("XDG_CONFIG_DIRS", QFile::encodeName(first + QLatin1Char(':') + second));
    EXPECT_EQ(ViewerHandle(), QString());
    WriteViewerHandle(second, QStringLiteral("1a2b"));
    EXPECT_EQ(ViewerHandle(), QStringLiteral("1a2b"));
    WriteViewerHandle(first, QStringLiteral("00000000"));
    EXPECT_EQ(ViewerHandle(), QStringLiteral("00000000"));
    // another group or key is another value
    EXPECT_EQ(TSystemSettings::ReadString(QStringLiteral("Quenta"), QStringLiteral("tessaro"),
                                          QStringLiteral("other"), QStringLiteral("ViewerHandle")),
              QString());
}

TEST(SystemServices, EndpointFolderTakenByOthersGivesWayToAPrivateOne) {
    TFolderPlaces places;
    // someone was first at the folder's place: another user's folder, or at least not a folder
    QDir().mkpath(places.Expected());
    if (!GiveAway(places.Expected())) {
        QDir().rmdir(places.Expected());
        WriteFile(places.Expected(), "not a folder");
    }
    WriteFile(places.Dir.filePath(QStringLiteral("home/.cache")), "not a folder either");
    QString problem;
    EXPECT_EQ(TEndpointDirectory::Prepare(&problem), QString());
    // one line that says what is wrong with each place
    EXPECT_TRUE(problem.startsWith(QStringLiteral("No private folder for the message endpoints: ") +
                                   places.Expected()))
        << qPrintable(problem);
    EXPECT_TRUE(problem.contains(QStringLiteral("; ") + places.Fallback())) << qPrintable(problem);
    EXPECT_FALSE(problem.contains(QLatin1Char('\n')));

    // once the user's own cache folder can be made, the endpoints live there, findable by every
    // process of the user, and so does the single-instance lock
    QFile::remove(places.Dir.filePath(QStringLiteral("home/.cache")));
    TMessageEndpoint endpoint;
    ASSERT_TRUE(endpoint.Create(QStringLiteral("Class"), QStringLiteral("Title")));
    EXPECT_EQ(TEndpointDirectory::Locate(), places.Fallback());
    EXPECT_EQ(TMessageEndpoint::Find(QStringLiteral("Class"), QStringLiteral("Title")), endpoint.Handle());
    TSingleInstanceLock lock(QStringLiteral("LU_gravilo"));
    EXPECT_EQ(lock.TryAcquire(), TSingleInstanceLock::TResult::Acquired);
    EXPECT_TRUE(QFileInfo::exists(places.Fallback() + QStringLiteral("/LU_gravilo.lock")));
}

TEST(SystemServices, EndpointFolderTrustsNothingOthersLeftInIt) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("endpoints"));
    TScopedVariable chosen("GRAVILO_ENDPOINT_DIR", QFile::encodeName(folder));
    // a folder of ours that was once open to everyone
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    // a pipe named like an endpoint record: whoever opens it to read waits for a writer
    const QString pipe = TEndpointDirectory::InfoPath(folder, 0x0badf00d);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // our single-instance lock, its holder long gone: its process id now names a process of another
    // user, which QLockFile cannot look into (as root: a child of ours that became nobody)
    pid_t other = 1;
    if (::geteuid() == 0 && (other = ::fork()) == 0) {
        if (::setgroups(0, nullptr) == 0 && ::setgid(Nobody) == 0 && ::setuid(Nobody) == 0) ::pause();
        ::_exit(1);
    }
    const auto reap = qScopeGuard([other] {
        if (other > 1 && ::kill(other, SIGKILL) == 0) ::waitpid(other, nullptr, 0);
    });
    ASSERT_TRUE(WaitUntil(
        [other] { return QFileInfo(QStringLiteral("/proc/%1").arg(other)).ownerId() != ::geteuid(); }));
    WriteFile(folder + QStringLiteral("/LU_gravilo.lock"),
              QByteArray::number(other) + '\n' + QFile::encodeName(QCoreApplication::applicationFilePath()) +
                  '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
    // what other users left: the folder's lock, a record, a folder
    const QStringList foreign{QStringLiteral(".endpoints.lock"), QStringLiteral("0000abcd.info"),
                              QStringLiteral("sub")};
    for (const QString& name : foreign) {
        const QString path = folder + QLatin1Char('/') + name;
        if (name == QLatin1String("sub"))
            QDir().mkdir(path);
        else
            WriteFile(path, "left behind");
        GiveAway(path);
    }

    TMessageEndpoint endpoint;
    ASSERT_TRUE(endpoint.Create(QStringLiteral("Class"), QString()));
    EXPECT_FALSE(TMessageEndpoint::IsAlive(0x0badf00d));
    EXPECT_EQ(TMessageEndpoint::Find(QStringLiteral("Class"), QString()), endpoint.Handle());
    EXPECT_FALSE(QFileInfo::exists(pipe));
    TSingleInstanceLock lock(QStringLiteral("LU_gravilo"));
    EXPECT_EQ(lock.TryAcquire(), TSingleInstanceLock::TResult::Acquired);
    for (const QString& name : foreign) {
        const QFileInfo left(folder + QLatin1Char('/') + name);
        EXPECT_TRUE(!left.exists() || left.ownerId() == ::geteuid()) << qPrintable(name);
    }
}

TEST(SystemServices, SingleInstanceLockIsHeldByOneAtATime) {
    QTemporaryDir dir;
    TScopedVariable folder("GRAVILO_ENDPOINT_DIR",
                           QFile::encodeName(dir.filePath(QStringLiteral("endpoints"))));
    TSingleInstanceLock first(QStringLiteral("LU_gravilo"));
    TSingleInstanceLock second(QStringLiteral("LU_gravilo"));
    TSingleInstanceLock other(QStringLiteral("LU_other"));
    EXPECT_EQ(first.Handle(), 0u);
    EXPECT_EQ(first.TryAcquire(), TSingleInstanceLock::TResult::Acquired);
    EXPECT_NE(first.Handle(), 0u);
    EXPECT_EQ(second.TryAcquire(), TSingleInstanceLock::TResult::HeldElsewhere);
    EXPECT_FALSE(second.IsHeld());
    EXPECT_EQ(other.TryAcquire(), TSingleInstanceLock::TResult::Acquired);
    first.Release();
    EXPECT_EQ(first.Handle(), 0u);
    EXPECT_EQ(second.TryAcquire(), TSingleInstanceLock::TResult::Acquired);
}

TEST(SystemServices, WaitingForAProcess) {
    // our own child: its exit code is ours to read
    const pid_t child = ::fork();
    if (child == 0) {
        ::usleep(200 * 1000);
        ::_exit(7);
    }
    ASSERT_GT(child, 0);
    TProcessWaiter waiter(child);
    ASSERT_TRUE(waiter.IsOpen());
    EXPECT_EQ(waiter.Wait(), 7);

    EXPECT_FALSE(TProcessWaiter(0).IsOpen());
    EXPECT_FALSE(TProcessWaiter(0x7FFFFFF0).IsOpen());
}
