// SPDX-License-Identifier: MIT
// A script piped into the headless program line by line, as a program that drives Gravilo sends
// it: each "print" answers at once, while the script goes on, not when the output has filled a
// buffer or the script has ended; and a signal ends the wait for the next line.

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The next whole line Gravilo writes, or empty when none comes within the time.
QByteArray NextLine(QProcess& Gravilo) {
    while (!Gravilo.canReadLine())
        if (!Gravilo.waitForReadyRead(10000)) return {};
    return Gravilo.readLine().trimmed();
}

// gravilo --script - in a world of its own folders; true once it runs
bool StartScript(QProcess& Gravilo, const QTemporaryDir& World) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GRAVILO_ENDPOINT_DIR"), World.filePath(QStringLiteral("endpoints")));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), World.filePath(QStringLiteral("config")));
    Gravilo.setProcessEnvironment(environment);
    Gravilo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Gravilo.start(QStringLiteral(GRAVILO_PROGRAM), {QStringLiteral("--script"), QStringLiteral("-")});
    return Gravilo.waitForStarted(10000);
}

}  // namespace

TEST(PipedScript, EachPrintAnswersWhileTheScriptGoesOn) {
    QTemporaryDir world;
    QProcess gravilo;
    ASSERT_TRUE(StartScript(gravilo, world));

    gravilo.write("mass 20\nprint\n");
    EXPECT_TRUE(NextLine(gravilo).startsWith("mass=20.0 height=0.0 energy=0.0"));
    gravilo.write("mass 30\nbody 3\nprint\n");
    EXPECT_TRUE(NextLine(gravilo).startsWith("mass=30.0 height=0.0 energy=0.0"));

    gravilo.closeWriteChannel();
    ASSERT_TRUE(gravilo.waitForFinished(10000));
    EXPECT_EQ(gravilo.exitCode(), 0);
}

// A script that waits for its next line is ended by a signal as the window is: at once, cleanly
// (its endpoint withdrawn), with status 0.
TEST(PipedScript, ASignalEndsTheWaitForTheNextLine) {
    QTemporaryDir world;
    QProcess gravilo;
    ASSERT_TRUE(StartScript(gravilo, world));
    gravilo.write("mass 20\nprint\n");
    EXPECT_TRUE(NextLine(gravilo).startsWith("mass=20.0 height=0.0"));
    EXPECT_FALSE(QDir(world.filePath(QStringLiteral("endpoints"))).entryList(QDir::Files).isEmpty());

    gravilo.terminate();
    ASSERT_TRUE(gravilo.waitForFinished(10000));
    EXPECT_EQ(gravilo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(gravilo.exitCode(), 0);
    EXPECT_EQ(
        QDir(world.filePath(QStringLiteral("endpoints"))).entryList({QStringLiteral("*.info")}, QDir::Files),
        QStringList());
}
