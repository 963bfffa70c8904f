// The program as a whole: its command line, the headless modes without a display, the languages
// it reads, the single running instance, and the host's server hearing of its end.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "ProgramRun.h"

using namespace e2e;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TextLine(const TRunResult& run, const QString& key) {
    for (const QString& line : run.OutLines())
        if (line.startsWith(key + QLatin1Char('='))) return line.mid(key.size() + 1);
    return QStringLiteral("<missing %1>").arg(key);
}

// A copy of the program in a folder of its own, with the given language file beside it (none when
// empty), as an installation would have it.
QString InstalledCopy(TProgramWorld& world, const QString& languageFile) {
    QDir(world.Path({})).mkpath(QStringLiteral("bin"));
    const QString program = world.Path(QStringLiteral("bin/gravilo"));
    if (!QFile::exists(program)) QFile::copy(GraviloProgram(), program);
    QFile::remove(world.Path(QStringLiteral("bin/gravilo.itl")));
    if (!languageFile.isEmpty()) QFile::copy(languageFile, world.Path(QStringLiteral("bin/gravilo.itl")));
    return program;
}

}  // namespace

TEST(Program, CommandLineErrorsAndHelp) {
    TProgramWorld world;
    const TRunResult help = world.RunGravilo({QStringLiteral("--help")});
    EXPECT_EQ(help.Status, 0);
    EXPECT_TRUE(help.Out.startsWith("Usage: gravilo")) << help.Out.constData();
    struct TCase {
        QStringList Arguments;
        const char* Message;
    };
    const TCase cases[] = {
        {{"--screenshot"}, "gravilo: --screenshot needs a file name\n"},
        {{"--script="}, "gravilo: --script needs a file name\n"},
        {{"--language"}, "gravilo: --language needs a file name\n"},
        {{"--screenshot", "a.png", "--script", "-"},
         "gravilo: --screenshot and --script cannot be used together\n"},
        {{"--language", "/nonexistent/de.itl"},
         "gravilo: cannot read the language file /nonexistent/de.itl: "},
    };
    for (const TCase& c : cases) {
        const TRunResult run = world.RunGravilo(c.Arguments);
        SCOPED_TRACE(c.Arguments.join(' ').toStdString());
        EXPECT_EQ(run.Status, 2);
        EXPECT_TRUE(run.Err.startsWith(c.Message)) << run.Err.constData();
        EXPECT_TRUE(run.Err.contains("Usage: gravilo"));
    }
}

TEST(Program, TheHeadlessModesNeedNoDisplay) {
    TProgramWorld world;
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        world.Environment().remove(QLatin1String(variable));
    const QString picture = world.Path(QStringLiteral("start.png"));
    const TRunResult shot = world.RunGravilo({QStringLiteral("--screenshot=") + picture});
    ASSERT_TRUE(shot.Ended);
    EXPECT_EQ(shot.Status, 0) << shot.Err.constData();
    EXPECT_EQ(QImage(picture).size(), QSize(718, 642));
    const TRunResult script = world.RunScript("print\n");
    EXPECT_EQ(script.Status, 0) << script.Err.constData();
    EXPECT_EQ(script.OutLines().size(), 1);
    const TRunResult unwritable =
        world.RunGravilo({QStringLiteral("--screenshot"), QStringLiteral("/nonexistent/x.png")});
    EXPECT_EQ(unwritable.Status, 2);
    EXPECT_TRUE(unwritable.Err.startsWith("gravilo: cannot write the screenshot /nonexistent/x.png"));
}

TEST(Program, TextsInEachShippedLanguage) {
    TProgramWorld world;
    const TRunResult english =
        world.RunScript("texts\n", {QStringLiteral("--language"), ShippedLanguage("gravilo_en.itl")});
    const TRunResult german =
        world.RunScript("texts\n", {QStringLiteral("--language=") + ShippedLanguage("gravilo_de.itl")});
    for (const TRunResult* run : {&english, &german}) {
        ASSERT_EQ(run->Status, 0) << run->Err.constData();
        EXPECT_FALSE(run->Out.contains("=GL_"));
        EXPECT_EQ(run->OutLines().filter(QStringLiteral("MMExplain.Lines[")).size(), 7);
    }
    EXPECT_EQ(TextLine(english, "Form1.Caption"),
              QStringLiteral("Potential Energy in a Gravitational Field"));
    EXPECT_EQ(TextLine(english, "RGAccel.Items[0]"), QStringLiteral("Earth"));
    EXPECT_EQ(TextLine(german, "Form1.Caption"), QStringLiteral("Potenzielle Energie im Gravitationsfeld"));
    EXPECT_EQ(TextLine(german, "SButExit.Caption"), QStringLiteral("Beenden"));
    EXPECT_EQ(TextLine(german, "BButReset.Caption"), QStringLiteral("Zurücksetzen"));
    EXPECT_EQ(TextLine(german, "RGAccel.Items[2]"), QStringLiteral("Mars"));
    EXPECT_EQ(TextLine(german, "NLblHeight.LeftText"), QStringLiteral("Höhe"));
    EXPECT_EQ(TextLine(german, "PLEnerg.Caption"), QStringLiteral("Energie / Höhe"));
    EXPECT_EQ(TextLine(german, "PLEnerg.Scale1Y.Caption"), QStringLiteral("[kJ]"));
    EXPECT_TRUE(TextLine(german, "MMExplain.Lines[0]").startsWith(QStringLiteral("Zieh das freie Seilende")));
}

TEST(Program, TheLanguageFileBesideTheProgramAndTheChosenOne) {
    TProgramWorld world;
    const QString beside = InstalledCopy(world, ShippedLanguage("gravilo_de.itl"));
    const TRunResult german = world.Run(beside, {QStringLiteral("--script"), QStringLiteral("-")}, "texts\n");
    ASSERT_EQ(german.Status, 0) << german.Err.constData();
    EXPECT_EQ(TextLine(german, "Form1.Caption"), QStringLiteral("Potenzielle Energie im Gravitationsfeld"));

    // a chosen file wins over the one beside the program
    const TRunResult chosen = world.Run(beside,
                                        {QStringLiteral("--language"), ShippedLanguage("gravilo_en.itl"),
                                         QStringLiteral("--script"), QStringLiteral("-")},
                                        "texts\n");
    EXPECT_EQ(TextLine(chosen, "Form1.Caption"), QStringLiteral("Potential Energy in a Gravitational Field"));
    EXPECT_EQ(TextLine(chosen, "SButExit.Caption"), QStringLiteral("Exit"));

    // without any, the keys show without their prefix
    const QString bare = InstalledCopy(world, QString());
    const TRunResult none = world.Run(bare, {QStringLiteral("--script"), QStringLiteral("-")}, "texts\n");
    EXPECT_EQ(TextLine(none, "MMExplain.Lines[0]"), QStringLiteral("MMExplain"));
    EXPECT_EQ(TextLine(none, "RGAccel.Caption"), QStringLiteral("Acceleration"));
}

// A second start ends at once. Started normally it would show the About dialog and wait for OK,
// so ending at once is also ending before any window was shown.
TEST(Program, ASecondStartEndsAtOnce) {
    TProgramWorld world;
    QProcess* first = world.Start(GraviloProgram(), {});
    const QString lock = world.EndpointDir() + QStringLiteral("/LU_gravilo.lock");
    ASSERT_TRUE(WaitUntil([&] { return QFile::exists(lock) || first->state() != QProcess::Running; }));
    ASSERT_EQ(first->state(), QProcess::Running) << first->readAllStandardError().constData();

    const TRunResult second = world.Run(GraviloProgram(), {}, {}, 15000);
    EXPECT_TRUE(second.Ended);
    EXPECT_EQ(second.Status, 0);
    EXPECT_TRUE(second.Out.isEmpty());
    EXPECT_EQ(first->state(), QProcess::Running);

    // the headless modes take no part in the rule: they run beside the first instance
    const TRunResult script = world.RunScript("print\n");
    EXPECT_EQ(script.Status, 0);
    EXPECT_EQ(script.OutLines().size(), 1);
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST(Program, ItsEndIsReportedToTheHostsServer) {
    TProgramWorld world;
    const QString log = world.Path(QStringLiteral("server.log"));
    QProcess* server =
        world.Start(QStringLiteral(LUMEO_SERVER_PROGRAM),
                    {QStringLiteral("--text"), QStringLiteral("t7"), QStringLiteral("--log"), log});
    ASSERT_TRUE(WaitUntil([&] { return server->canReadLine() || server->state() != QProcess::Running; }));
    ASSERT_TRUE(server->readLine().startsWith("lumeo-server: handle"));

    const TRunResult run = world.RunScript("print\n", {QStringLiteral("/serverhandle=T7")});
    ASSERT_EQ(run.Status, 0) << run.Err.constData();
    ASSERT_TRUE(WaitUntil([&] { return ReadFile(log).contains("kind=4099 "); }));
    // the server is not required here: the program never registered
    EXPECT_FALSE(ReadFile(log).contains("kind=4098 "));
}
