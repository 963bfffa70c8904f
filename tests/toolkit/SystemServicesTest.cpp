// The small system services of the host link: error texts, machine-wide settings, the
// single-instance lock and waiting for a process.

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "SystemError.h"
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
