// SPDX-License-Identifier: MIT
// The real program on a virtual X display, driven with the mouse and the keyboard as a person
// drives it: the About dialog first, the rope dragged onto a hook and let go, the About dialog
// again, the languages of its description, its links, the menus and the keys of the fall's clock,
// and the program's end. Skipped when Xvfb or xdotool is missing.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include "AboutBox.h"
#include "ProgramRun.h"
#include "XDisplay.h"

using namespace e2e;

namespace {

const QString AboutTitle = QStringLiteral("^About$");
const QString MainTitle = QStringLiteral("^Potential Energy in a Gravitational Field$");

// places inside the About dialog and the main window's client area, from their layouts
const QRect HomePageLink(8 + 152, 224 + 12, 369, 16);
const QRect Description(8, 152, 529, 65);
const QPoint AboutOk(424 + 56, 296 + 16);
const QPoint MainAbout(8 + 52, 42 + 14);
const QPoint MainExit(8 + 52, 8 + 14);

constexpr QRgb Blue = 0x0000FF;
constexpr QRgb Maroon = 0x800000;
constexpr QRgb Black = 0x000000;

QRgb At(const QImage& screen, QPoint p) {
    return screen.pixel(p) & 0xFFFFFF;
}

int CountOf(const QImage& image, const QRect& area, QRgb color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += At(image, QPoint(x, y)) == color;
    return count;
}

// The description's maroon text as the About dialog draws it in the given language.
QImage DescriptionPicture(bool german) {
    TFrmAbout about;
    about.FillTexts(german);
    return about.grab().toImage().copy(Description);
}

// The pixels of one colour in two pictures of the same size agree.
bool SameInk(const QImage& a, const QImage& b, QRgb color) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((At(a, {x, y}) == color) != (At(b, {x, y}) == color)) return false;
    return true;
}

class OnXDisplay : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (TXDisplay::MissingTools().isEmpty()) Display = new TXDisplay;
    }
    static void TearDownTestSuite() {
        delete Display;
        Display = nullptr;
    }
    void SetUp() override {
        if (!TXDisplay::MissingTools().isEmpty())
            GTEST_SKIP() << "missing: " << qPrintable(TXDisplay::MissingTools());
        ASSERT_TRUE(Display && Display->Running()) << "Xvfb did not start";
        Display->Prepare(World.Environment());
        Display->ParkPointer();
    }
    void TearDown() override {
        if (Program && Program->state() == QProcess::Running) {
            Program->kill();
            Program->waitForFinished(5000);
        }
        if (Display) Display->WaitUntilGone(QStringLiteral("."), 5000);
    }

    // Starts the program and waits for its About dialog; its place on the screen.
    QRect StartToAbout(const QStringList& arguments = {}, const QString& program = GraviloProgram()) {
        Program = World.Start(program, arguments);
        const quint64 about = Display->WaitForWindow(FAboutTitle.isEmpty() ? AboutTitle : FAboutTitle);
        return about ? Display->Geometry(about) : QRect();
    }
    // Clicks OK and waits for the main window; its place on the screen.
    QRect OkToMain(const QRect& about) {
        Display->Click(about.topLeft() + AboutOk);
        const quint64 main = Display->WaitForWindow(FMainTitle.isEmpty() ? MainTitle : FMainTitle);
        Display->ParkPointer();
        return main ? Display->Geometry(main) : QRect();
    }
    // The client area's corner: the menu bar lies above it, the window's height beyond 642.
    static QPoint Client(const QRect& main) { return QPoint(main.left(), main.bottom() + 1 - 642); }
    QPoint Scene(const QRect& main, double x, double y) const {
        return Client(main) + SceneOrigin + ScenePixel(x, y);
    }
    // Waits until the dialog at the place shows the description in the language.
    bool ShowsDescription(const QRect& about, bool german) const {
        const QImage expected = DescriptionPicture(german);
        return WaitUntil(
            [&] {
                return SameInk(Display->Screen().copy(Description.translated(about.topLeft())), expected,
                               Maroon);
            },
            5000);
    }
    void PressKeys(std::initializer_list<const char*> keys) const {
        for (const char* key : keys) Display->XDo({QStringLiteral("key"), QString::fromLatin1(key)});
    }
    bool MassAt(const QRect& main, double height) const {
        return At(Display->Screen(), Scene(main, 0, height + 9)) == Blue;
    }

    static TXDisplay* Display;
    TProgramWorld World;
    QProcess* Program = nullptr;
    QString FAboutTitle;
    QString FMainTitle;
};

TXDisplay* OnXDisplay::Display = nullptr;

}  // namespace

TEST_F(OnXDisplay, TheAboutDialogComesFirstAndTheSimulationAfterOk) {
    const QRect about = StartToAbout();
    ASSERT_TRUE(about.isValid()) << "no About dialog";
    EXPECT_EQ(about.size(), QSize(543, 332));
    // the main window is not there to be used while the dialog is up
    EXPECT_TRUE(Display->Windows(MainTitle).isEmpty());
    EXPECT_TRUE(WaitUntil(
        [&] { return CountOf(Display->Screen(), HomePageLink.translated(about.topLeft()), Blue) > 20; }));

    const QRect main = OkToMain(about);
    ASSERT_TRUE(main.isValid()) << "no main window after OK";
    // the client area as built, with the menu bar above it
    EXPECT_EQ(main.width(), 718);
    EXPECT_GT(main.height(), 642 + 10);
    EXPECT_TRUE(Display->WaitUntilGone(AboutTitle));
    // the start state: the mass on the ground, the hand at rest
    ASSERT_TRUE(WaitUntil([&] { return MassAt(main, 0); }));
    EXPECT_EQ(At(Display->Screen(), Scene(main, 20, 520)), Black);
    // the window has the keyboard, with no click: from the bodies to the scene, the rope on hook 1
    PressKeys({"Tab", "Tab", "1"});
    EXPECT_TRUE(WaitUntil([&] { return MassAt(main, 405); }, 5000)) << "the keys went nowhere";
}

TEST_F(OnXDisplay, TheRopeHungOnAHookHoldsTheMassAndLetGoItFalls) {
    const QRect main = OkToMain(StartToAbout());
    ASSERT_TRUE(main.isValid());
    // the free end, dragged from its place at rest to just below the hook at 200 m
    Display->Drag(Scene(main, 20, 520), Scene(main, 95, 190));
    Display->ParkPointer();
    // hung at (95, 195): the mass at 500 - 195 = 305 m
    ASSERT_TRUE(WaitUntil([&] { return MassAt(main, 305); })) << "the mass is not at the hook's height";
    EXPECT_FALSE(MassAt(main, 0));
    EXPECT_EQ(At(Display->Screen(), Scene(main, 95, 195)), Black);
    // it stays there
    EXPECT_FALSE(WaitUntil([&] { return !MassAt(main, 305); }, 600));

    // taken off the hook and let go in the middle of the scene: it falls back to the ground
    Display->Drag(Scene(main, 95, 195), Scene(main, -50, 300));
    Display->ParkPointer();
    ASSERT_TRUE(WaitUntil([&] { return MassAt(main, 0); })) << "the mass did not land";
    ASSERT_TRUE(WaitUntil([&] { return At(Display->Screen(), Scene(main, 20, 520)) == Black; }));
    EXPECT_FALSE(MassAt(main, 200));
}

// The menus open with the mouse and with Alt and their letter, and close with Escape.
TEST_F(OnXDisplay, TheMenusOpenWithTheMouseAndWithAltAndALetter) {
    const QRect main = OkToMain(StartToAbout());
    ASSERT_TRUE(main.isValid());
    ASSERT_TRUE(WaitUntil([&] { return MassAt(main, 0); }));  // drawn
    // a first look into a menu takes the keyboard's focus frame of the start away, as a mouse does
    Display->Click(QPoint(main.left() + 18, (main.top() + Client(main).y()) / 2));
    QThread::msleep(300);
    Display->XDo({QStringLiteral("key"), QStringLiteral("Escape")});
    Display->ParkPointer();
    QThread::msleep(300);
    // where an open File menu lies: below the bar, over the client area's top left
    const QRect menuArea(Client(main) + QPoint(2, 2), QSize(150, 60));
    const QImage closed = Display->Screen().copy(menuArea);
    const auto open = [&] { return Display->Screen().copy(menuArea) != closed; };
    Display->Click(QPoint(main.left() + 18, (main.top() + Client(main).y()) / 2));
    Display->ParkPointer();  // the pointer is drawn on the screen too
    EXPECT_TRUE(WaitUntil(open, 5000)) << "a click on File opens no menu";
    Display->XDo({QStringLiteral("key"), QStringLiteral("Escape")});
    ASSERT_TRUE(WaitUntil([&] { return !open(); }, 5000));
    Display->Click(Client(main) + QPoint(600, 30));  // the window takes the keyboard
    Display->ParkPointer();
    Display->XDo({QStringLiteral("key"), QStringLiteral("alt+f")});
    EXPECT_TRUE(WaitUntil(open, 5000)) << "Alt+F opens no menu";
    Display->XDo({QStringLiteral("key"), QStringLiteral("Escape")});
    Display->XDo({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(WaitUntil([&] { return !open(); }, 5000));
}

// Space holds a running fall where it is: two pictures 300 ms apart are the same; Space again
// and the mass lands.
TEST_F(OnXDisplay, SpacePausesARunningFall) {
    const QRect main = OkToMain(StartToAbout());
    ASSERT_TRUE(main.isValid());
    Display->Click(Client(main) + QPoint(165, 53));  // the Moon: a slow fall
    Display->Drag(Scene(main, 20, 520), Scene(main, -50, 30));
    Display->ParkPointer();
    ASSERT_TRUE(WaitUntil([&] { return !MassAt(main, 470); }, 3000)) << "no fall";
    Display->XDo({QStringLiteral("key"), QStringLiteral("space")});
    QThread::msleep(200);
    const QRect client(Client(main), QSize(718, 642));
    const QImage first = Display->Screen().copy(client);
    QThread::msleep(300);
    EXPECT_TRUE(Display->Screen().copy(client) == first) << "the paused fall moved";
    EXPECT_FALSE(MassAt(main, 0));
    Display->XDo({QStringLiteral("key"), QStringLiteral("space")});
    EXPECT_TRUE(WaitUntil([&] { return MassAt(main, 0); }, 8000)) << "the fall did not go on";
}

TEST_F(OnXDisplay, TheAboutButtonShowsTheDialogAgainWithItsHomePageLink) {
    const QRect main = OkToMain(StartToAbout());
    ASSERT_TRUE(main.isValid());
    Display->Click(Client(main) + MainAbout);
    const quint64 again = Display->WaitForWindow(AboutTitle);
    ASSERT_NE(again, 0u);
    const QRect about = Display->Geometry(again);
    Display->ParkPointer();
    ASSERT_TRUE(WaitUntil(
        [&] { return CountOf(Display->Screen(), HomePageLink.translated(about.topLeft()), Blue) > 20; }));
    EXPECT_TRUE(ShowsDescription(about, false));
    Display->Click(about.topLeft() + AboutOk);
    EXPECT_TRUE(Display->WaitUntilGone(AboutTitle));
    EXPECT_TRUE(MassAt(main, 0));
    // the keyboard is back where it was: on About, two controls after the scene
    PressKeys({"shift+Tab", "shift+Tab", "1"});
    EXPECT_TRUE(WaitUntil([&] { return MassAt(main, 405); }, 5000)) << "the keys went nowhere";
}

TEST_F(OnXDisplay, AGermanFileGivesTheGermanDescriptionWhateverTheCaseOfItsLanguage) {
    ASSERT_GT(CountOf(DescriptionPicture(true), QRect(QPoint(0, 0), Description.size()), Maroon), 500);
    ASSERT_FALSE(SameInk(DescriptionPicture(true), DescriptionPicture(false), Maroon));
    QFile german(ShippedLanguage("gravilo_de.itl"));
    ASSERT_TRUE(german.open(QIODevice::ReadOnly));
    QByteArray bytes = german.readAll();
    ASSERT_TRUE(bytes.contains("=lggerman|"));
    bytes.replace("=lggerman|", "=LGGERMAN|");
    const QString file = World.WriteFile(QStringLiteral("capitals.itl"), bytes);
    FAboutTitle = QStringLiteral("^..?ber$");  // "Über", one letter or two bytes
    const QRect about = StartToAbout({QStringLiteral("--language"), file});
    ASSERT_TRUE(about.isValid());
    Display->ParkPointer();
    EXPECT_TRUE(ShowsDescription(about, true));
}

TEST_F(OnXDisplay, TheEnglishFileOrNoneGivesTheEnglishDescription) {
    const QRect english = StartToAbout({QStringLiteral("--language"), ShippedLanguage("gravilo_en.itl")});
    ASSERT_TRUE(english.isValid());
    Display->ParkPointer();
    EXPECT_TRUE(ShowsDescription(english, false));
    Program->kill();
    Program->waitForFinished(5000);
    ASSERT_TRUE(Display->WaitUntilGone(AboutTitle));

    // a program without a language file beside it
    QDir(World.Path({})).mkpath(QStringLiteral("bare"));
    const QString bare = World.Path(QStringLiteral("bare/gravilo"));
    ASSERT_TRUE(QFile::copy(GraviloProgram(), bare));
    const QRect none = StartToAbout({}, bare);
    ASSERT_TRUE(none.isValid());
    Display->ParkPointer();
    EXPECT_TRUE(ShowsDescription(none, false));
}

TEST_F(OnXDisplay, AClickOnTheHomePageLinkHandsItsAddressToTheDesktop) {
    // the desktop's handler is xdg-open; a stand-in records what it is asked to open
    QDir(World.Path({})).mkpath(QStringLiteral("fakebin"));
    const QString record = World.Path(QStringLiteral("opened.txt"));
    const QString opener =
        World.WriteFile(QStringLiteral("fakebin/xdg-open"),
                        QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '%1'\n").arg(record).toUtf8());
    QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    World.Environment().insert(QStringLiteral("PATH"), World.Path(QStringLiteral("fakebin")) +
                                                           QLatin1Char(':') +
                                                           World.Environment().value(QStringLiteral("PATH")));
    const QRect about = StartToAbout({QStringLiteral("--language"), ShippedLanguage("gravilo_en.itl")});
    ASSERT_TRUE(about.isValid());
    Display->Click(about.topLeft() + HomePageLink.topLeft() + QPoint(20, 8));
    const auto opened = [&] {
        QFile file(record);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_TRUE(WaitUntil([&] { return !opened().isEmpty(); }));
    EXPECT_EQ(opened(), QByteArray("https://gravilo.example.org/en/\n"));
}

TEST_F(OnXDisplay, ExitEndsTheProgramAndTellsTheHostsServer) {
    const QString log = World.Path(QStringLiteral("server.log"));
    QProcess* server =
        World.Start(QStringLiteral(LUMEO_SERVER_PROGRAM),
                    {QStringLiteral("--text"), QStringLiteral("x7"), QStringLiteral("--log"), log});
    ASSERT_TRUE(WaitUntil([&] { return server->canReadLine() || server->state() != QProcess::Running; }));
    const QRect main = OkToMain(StartToAbout({QStringLiteral("/serverhandle=x7")}));
    ASSERT_TRUE(main.isValid());
    Display->Click(Client(main) + MainExit);
    ASSERT_TRUE(WaitUntil([&] { return Program->state() == QProcess::NotRunning; }));
    EXPECT_EQ(Program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(Program->exitCode(), 0);
    ASSERT_TRUE(WaitUntil([&] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("kind=4099 ");
    }));
}

TEST_F(OnXDisplay, ASecondStartShowsNoWindowAndEndsAtOnce) {
    ASSERT_TRUE(StartToAbout().isValid());
    const TRunResult second = World.RunGravilo({}, {});
    EXPECT_TRUE(second.Ended);
    EXPECT_EQ(second.Status, 0);
    EXPECT_EQ(Display->Windows(AboutTitle).size(), 1);
    EXPECT_TRUE(Display->Windows(MainTitle).isEmpty());
}

TEST_F(OnXDisplay, TheInstalledProgramStartsFromItsDesktopEntry) {
    const QString prefix = World.Path(QStringLiteral("prefix"));
    const TRunResult install = World.Run(
        QStringLiteral(GRAVILO_CMAKE_COMMAND),
        {QStringLiteral("--install"), QStringLiteral(GRAVILO_BUILD_DIR), QStringLiteral("--prefix"), prefix},
        {}, 60000);
    ASSERT_EQ(install.Status, 0) << install.Err.constData();
    QFile entry(prefix + QStringLiteral("/share/applications/io.github.gravilo.Gravilo.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QString exec;
    for (const QByteArray& line : entry.readAll().split('\n'))
        if (line.startsWith("Exec=")) exec = QString::fromUtf8(line.mid(5)).trimmed();
    // the command line as a desktop runs it: words, field codes dropped, the program on the PATH
    QStringList words = exec.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    words.removeIf([](const QString& word) { return word.startsWith(QLatin1Char('%')); });
    ASSERT_FALSE(words.isEmpty()) << "no Exec line";
    World.Environment().insert(QStringLiteral("PATH"), prefix + QStringLiteral("/bin:") +
                                                           World.Environment().value(QStringLiteral("PATH")));
    const QString program =
        QStandardPaths::findExecutable(words.takeFirst(), {prefix + QStringLiteral("/bin")});
    ASSERT_EQ(program, prefix + QStringLiteral("/bin/gravilo"));
    EXPECT_TRUE(OkToMain(StartToAbout(words, program)).isValid());

    // the installed English file translates it: the explanation is there
    World.Environment().insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const TRunResult texts = World.Run(program, {QStringLiteral("--script"), QStringLiteral("-")}, "texts\n");
    EXPECT_TRUE(texts.Out.contains("\nMMExplain.Lines[0]=Pull the rope")) << texts.Out.constData();
}
