// A script piped into the headless program line by line, as a program that drives Gravilo sends
// it: each "print" answers at once, while the script goes on, not when the output has filled a
// buffer or the script has ended.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {

// The next whole line Gravilo writes, or empty when none comes within the time.
QByteArray NextLine(QProcess& Gravilo) {
    while (!Gravilo.canReadLine())
        if (!Gravilo.waitForReadyRead(10000)) return {};
    return Gravilo.readLine().trimmed();
}

}  // namespace

TEST(PipedScript, EachPrintAnswersWhileTheScriptGoesOn) {
    QTemporaryDir world;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GRAVILO_ENDPOINT_DIR"), world.filePath(QStringLiteral("endpoints")));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), world.filePath(QStringLiteral("config")));
    QProcess gravilo;
    gravilo.setProcessEnvironment(environment);
    gravilo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    gravilo.start(QStringLiteral(GRAVILO_PROGRAM), {QStringLiteral("--script"), QStringLiteral("-")});
    ASSERT_TRUE(gravilo.waitForStarted(10000));

    gravilo.write("mass 20\nprint\n");
    EXPECT_TRUE(NextLine(gravilo).startsWith("mass=20.0 height=0.0 energy=0.0"));
    gravilo.write("mass 30\nbody 3\nprint\n");
    EXPECT_TRUE(NextLine(gravilo).startsWith("mass=30.0 height=0.0 energy=0.0"));

    gravilo.closeWriteChannel();
    ASSERT_TRUE(gravilo.waitForFinished(10000));
    EXPECT_EQ(gravilo.exitCode(), 0);
}
