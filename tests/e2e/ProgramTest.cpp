// SPDX-License-Identifier: MIT
// The program as a whole: its command line, the headless modes without a display, the languages
// it reads, the single running instance, and the host's server hearing of its end.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>

#include "LumeoProtocol.h"
#include "ProgramRun.h"
#include "TLumeoMessageStream.h"
#include "TMessageEndpoint.h"

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

// lumeo-server with this handle text, logging what it receives; null when it did not come up
QProcess* StartServer(TProgramWorld& world, const QString& text, const QString& log) {
    QProcess* server = world.Start(QStringLiteral(LUMEO_SERVER_PROGRAM),
                                   {QStringLiteral("--text"), text, QStringLiteral("--log"), log});
    WaitUntil([&] { return server->canReadLine() || server->state() != QProcess::Running; });
    return server->readLine().startsWith("lumeo-server: handle") ? server : nullptr;
}

// The host's quit message to the running Gravilo's endpoint, as the e-book viewer's server sends it.
bool SendQuit(const TProgramWorld& world) {
    qputenv(TEndpointDirectory::OverrideVariable, QFile::encodeName(world.EndpointDir()));
    TMessageEndpoint sender;
    const quint32 gravilo = TMessageEndpoint::Find(LumeoNames::ClientClassName, QString());
    TLumeoMessageStream quit;
    quit.MsgKind = hmQuit;
    quit.WriteBool(false);
    quit.SetStamp(QDateTime::currentDateTime());
    return gravilo != 0 && sender.Create(QStringLiteral("e2e"), QStringLiteral("host")) &&
           sender.Send(gravilo, quit.MsgKind, quit.ToWire());
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
        // a file whose reading fails (the medium, here a memory that is not there at address 0)
        {{"--language", "/proc/self/mem", "--script", "-"},
         "gravilo: cannot read the language file /proc/self/mem: Input/output error\n"},
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

// Without a file beside the program or named, the desktop's languages choose among the shipped
// files, each way a desktop says them; what it does not speak gives English.
TEST(Program, TheDesktopsLanguageWhenNothingElseChooses) {
    TProgramWorld world;
    const auto caption = [&](const QStringList& environment, const QStringList& arguments = {}) {
        for (const QString& setting : environment)
            world.Environment().insert(setting.section(QLatin1Char('='), 0, 0),
                                       setting.section(QLatin1Char('='), 1));
        const TRunResult run = world.RunGravilo(
            arguments + QStringList{QStringLiteral("--script"), QStringLiteral("-")}, "texts\n");
        for (const QString& setting : environment)
            world.Environment().remove(setting.section(QLatin1Char('='), 0, 0));
        EXPECT_EQ(run.Status, 0) << run.Err.constData();
        return TextLine(run, QStringLiteral("Form1.Caption"));
    };
    world.Environment().remove(QStringLiteral("LC_ALL"));
    world.Environment().remove(QStringLiteral("LANGUAGE"));
    const QString portuguese = QStringLiteral("Energia potencial em um campo gravitacional");
    EXPECT_EQ(caption({QStringLiteral("LANG=pt_BR.UTF-8")}), portuguese);
    EXPECT_EQ(caption({QStringLiteral("LANG=C.UTF-8"), QStringLiteral("LC_ALL=pt_BR.UTF-8")}), portuguese);
    EXPECT_EQ(caption({QStringLiteral("LANG=C.UTF-8"), QStringLiteral("LANGUAGE=xx:pt_BR:de")}), portuguese);
    // the language without its country, and in another country
    EXPECT_EQ(caption({QStringLiteral("LANG=de_AT.UTF-8")}),
              QStringLiteral("Potenzielle Energie im Gravitationsfeld"));
    EXPECT_EQ(caption({QStringLiteral("LANG=pt_PT.UTF-8")}), portuguese);
    const QString english = QStringLiteral("Potential Energy in a Gravitational Field");
    EXPECT_EQ(caption({QStringLiteral("LANG=zh_TW.UTF-8")}), english);
    EXPECT_EQ(caption({QStringLiteral("LANG=C.UTF-8")}), english);
    EXPECT_EQ(caption({QStringLiteral("LANG=pt_BR.UTF-8")},
                      {QStringLiteral("--language"), ShippedLanguage("gravilo_en.itl")}),
              english);
}

// A file that can be read once only: standard input from a pipe, a named pipe, an empty device.
TEST(Program, ALanguageFileFromAPipeOrADevice) {
    TProgramWorld world;
    const QString scene = world.WriteFile(QStringLiteral("scene.txt"), "texts\n");
    const QByteArray german = ReadFile(ShippedLanguage("gravilo_de.itl"));
    const TRunResult piped = world.RunGravilo(
        {QStringLiteral("--language"), QStringLiteral("/dev/stdin"), QStringLiteral("--script"), scene},
        german);
    ASSERT_EQ(piped.Status, 0) << piped.Err.constData();
    EXPECT_EQ(TextLine(piped, "SButExit.Caption"), QStringLiteral("Beenden"));

    const QString fifo = world.Path(QStringLiteral("de.fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    world.Start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("cat \"$0\" > \"$1\""),
                                            ShippedLanguage("gravilo_de.itl"), fifo});
    const TRunResult named =
        world.RunGravilo({QStringLiteral("--language"), fifo, QStringLiteral("--script"), scene});
    ASSERT_EQ(named.Status, 0) << named.Err.constData();
    EXPECT_EQ(TextLine(named, "SButExit.Caption"), QStringLiteral("Beenden"));

    const TRunResult empty =
        world.RunGravilo({QStringLiteral("--language=/dev/null"), QStringLiteral("--script"), scene});
    ASSERT_EQ(empty.Status, 0) << empty.Err.constData();
    EXPECT_EQ(TextLine(empty, "SButExit.Caption"), QStringLiteral("Exit"));
}

// A disk that fills up while the picture is written. The process's file-size limit stands in for
// it: writes past the limit fail (EFBIG, as they fail with ENOSPC on a full disk) after the first
// part of the picture has gone out, and only the last flush meets the failure.
TEST(Program, APictureCutShortByAFullDiskIsAFailureAndLeavesNothing) {
    TProgramWorld world;
    world.SetChildSetup([] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{10 * 1024, 10 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    QDir(world.Path({})).mkpath(QStringLiteral("pictures"));
    const QString picture = world.Path(QStringLiteral("pictures/start.png"));
    const TRunResult shot = world.RunGravilo({QStringLiteral("--screenshot"), picture});
    EXPECT_EQ(shot.Status, 2);
    EXPECT_TRUE(shot.Err.startsWith("gravilo: cannot write the screenshot " + picture.toUtf8() + ": "))
        << shot.Err.constData();
    const TRunResult script = world.RunScript("screenshot " + picture.toUtf8() + "\nprint\n");
    EXPECT_EQ(script.Status, 2);
    EXPECT_TRUE(script.Err.startsWith("line 1: cannot write \"" + picture.toUtf8() + "\": "))
        << script.Err.constData();
    EXPECT_TRUE(script.Out.isEmpty());
    // neither the picture nor any part of it
    EXPECT_TRUE(QDir(world.Path(QStringLiteral("pictures")))
                    .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

// A link another user planted in a shared folder such as /tmp, where the data should go: refused,
// and the file at its end stays as it was.
TEST(Program, ALinkPlantedInASharedFolderIsNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
    TProgramWorld world;
    const QString shared = world.Path(QStringLiteral("shared"));
    const QString victim = world.WriteFile(QStringLiteral("victim"), "kept");
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QByteArray link = QFile::encodeName(shared + QStringLiteral("/data.csv"));
    ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(), link.constData()), 0);
    ASSERT_EQ(::lchown(link.constData(), 4242, 4242), 0);
    const TRunResult run = world.RunScript("export csv " + link + "\n");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "line 1: cannot write \"" + link +
                           "\": the name is a link that another user put into a shared folder\n");
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("kept"));
}

// A named pipe that nobody reads, where a picture or the data should go: refused at once, as a
// file that cannot be written is, instead of a program that waits for ever.
TEST(Program, APipeWithoutAReaderIsRefusedNotWaitedOn) {
    TProgramWorld world;
    const QString pipe = world.Path(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const TRunResult shot = world.Run(GraviloProgram(), {QStringLiteral("--screenshot"), pipe}, {}, 15000);
    ASSERT_TRUE(shot.Ended);
    EXPECT_EQ(shot.Status, 2);
    EXPECT_EQ(shot.Err,
              "gravilo: cannot write the screenshot " + pipe.toUtf8() + ": nothing reads from the pipe\n");
    const TRunResult script = world.Run(GraviloProgram(), {QStringLiteral("--script"), QStringLiteral("-")},
                                        "export csv " + pipe.toUtf8() + "\n", 15000);
    ASSERT_TRUE(script.Ended);
    EXPECT_EQ(script.Status, 2);
    EXPECT_EQ(script.Err, "line 1: cannot write \"" + pipe.toUtf8() + "\": nothing reads from the pipe\n");
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
    EXPECT_EQ(second.Err, "Gravilo is already running; its window was brought to the front.\n");
    EXPECT_EQ(first->state(), QProcess::Running);

    // the headless modes take no part in the rule: they run beside the first instance
    const TRunResult script = world.RunScript("print\n");
    EXPECT_EQ(script.Status, 0);
    EXPECT_EQ(script.OutLines().size(), 1);
    EXPECT_EQ(first->state(), QProcess::Running);
}

// The window as every start shows it, with the About dialog up and modal: a quit message from the
// host, and the signals of a session's end, of Ctrl+C and of a closed terminal, each end it as
// Exit does: with status 0, the host's server told, the instance lock given back.
TEST(Program, AQuitMessageOrASignalEndsTheWindowWhateverDialogIsOpen) {
    TProgramWorld world;
    const QString log = world.Path(QStringLiteral("server.log"));
    ASSERT_NE(StartServer(world, QStringLiteral("t8"), log), nullptr);
    const QString lock = world.EndpointDir() + QStringLiteral("/LU_gravilo.lock");
    const auto signal = [](int number) {
        return [number](QProcess& gravilo) { return ::kill(pid_t(gravilo.processId()), number) == 0; };
    };
    const std::pair<const char*, std::function<bool(QProcess&)>> ends[] = {
        {"quit message", [&](QProcess&) { return SendQuit(world); }},
        {"SIGTERM", signal(SIGTERM)},
        {"SIGINT", signal(SIGINT)},
        {"SIGHUP", signal(SIGHUP)},
    };
    int goodbyes = 0;
    for (const auto& [name, end] : ends) {
        SCOPED_TRACE(name);
        QProcess* gravilo = world.Start(GraviloProgram(), {QStringLiteral("/serverhandle=T8")});
        ASSERT_TRUE(WaitUntil([&] { return QFile::exists(lock) || gravilo->state() != QProcess::Running; }));
        WaitUntil([] { return false; }, 300);  // the About dialog is up by then
        ASSERT_EQ(gravilo->state(), QProcess::Running) << gravilo->readAllStandardError().constData();
        ASSERT_TRUE(end(*gravilo));
        ASSERT_TRUE(gravilo->waitForFinished(10000));
        EXPECT_EQ(gravilo->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(gravilo->exitCode(), 0) << gravilo->readAllStandardError().constData();
        EXPECT_FALSE(QFile::exists(lock));
        ++goodbyes;
        EXPECT_TRUE(WaitUntil([&] { return ReadFile(log).count("kind=4099 ") == goodbyes; }));
    }
}

TEST(Program, ItsEndIsReportedToTheHostsServer) {
    TProgramWorld world;
    const QString log = world.Path(QStringLiteral("server.log"));
    ASSERT_NE(StartServer(world, QStringLiteral("t7"), log), nullptr);

    const TRunResult run = world.RunScript("print\n", {QStringLiteral("/serverhandle=T7")});
    ASSERT_EQ(run.Status, 0) << run.Err.constData();
    ASSERT_TRUE(WaitUntil([&] { return ReadFile(log).contains("kind=4099 "); }));
    // the server is not required here: the program never registered
    EXPECT_FALSE(ReadFile(log).contains("kind=4098 "));
}
