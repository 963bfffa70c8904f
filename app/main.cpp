// SPDX-License-Identifier: MIT
// Gravilo: potential energy in a gravitational field.
//
// Start-up: the application object, the main window (its host link loads the language and
// translates it, and a second start ends here), the About dialog (hidden), the message loop. The
// main window's show handler shows the About dialog before the simulation starts. The program
// ends when the loop does: the windows go, and with them the host link, which says goodbye to the
// host's server.

#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <memory>

#include "AboutBox.h"
#include "Classroom.h"
#include "CommandLine.h"
#include "HeadlessMode.h"
#include "HeapPages.h"
#include "Languages.h"
#include "Pictures.h"
#include "Projection.h"
#include "RememberedSettings.h"
#include "TGlossator.h"
#include "TSignalWatcher.h"
#include "TStage.h"
#include "VexaError.h"
#include "ugravilo.h"

namespace {

int Run(TCommandLine& commandLine) {
    QApplication application(commandLine.QtArgc(), commandLine.QtArgv());
    QApplication::setWindowIcon(GraviloIcon());
    // the desktop entry, so that a Wayland compositor gives the window its name and icon
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.gravilo.Gravilo"));
    // the end of a session (SIGTERM), Ctrl+C (SIGINT) and a closed terminal (SIGHUP) end Gravilo as
    // Exit does, whatever dialog is open; a script stops before its next line
    const TSignalWatcher endSignals({SIGTERM, SIGINT, SIGHUP}, [](int) { QCoreApplication::quit(); });
    // the teaching tools and the language remember their choice per user, from one start to the
    // next; pictures and scripts neither read nor change it
    std::unique_ptr<QSettings> remembered;
    if (!commandLine.Headless()) {
        QString reason;
        remembered = RememberedSettings::Open(RememberedSettings::FileName(), reason);
        if (!remembered)
            std::fprintf(stderr, "gravilo: the settings are not remembered: %s\n",
                         reason.toLocal8Bit().constData());
    }
    TForm1 form([&](TqmrDemonClient& link) {
        std::unique_ptr<QIODevice> named = commandLine.TakeLanguageStream();
        // a file named with --language wins over the one chosen in the Language menu, which wins
        // over the desktop's language
        if (!named) link.SetLanguageFile(TLanguages::StartFile(remembered.get()));
        link.SetLanguageStream(std::move(named));
        link.Translator()->SetFallback(TLanguages::English());
        // pictures and scripts may run beside a Gravilo someone works with
        if (commandLine.Headless()) link.SetMultiStart(true);
        link.OnAlreadyRunning = [](QObject*, bool broughtToFront) {
            std::fputs(broughtToFront ? "Gravilo is already running; its window was brought to the front.\n"
                                      : "Gravilo is already running.\n",
                       stderr);
        };
    });
    TLanguages::Arrange(*form.cliDemon->Translator(), form);
    if (commandLine.Headless()) return RunHeadless(form, commandLine);
    TFrmAbout about;
    form.SetAboutDialog(&about);
    // the e-book viewer's quit message ends the link, and the program with it
    QObject::connect(form.cliDemon, &QObject::destroyed, &application, &QCoreApplication::quit);
    // a second start asks for the window it wanted
    TClassroom classroom(form, remembered.get());
    // the window scales the form to its size: zoom, maximised, full screen
    TStage stage(form);
    classroom.Projection().SetStage(&stage);
    form.cliDemon->OnBringToFront = [&stage](QObject*) { stage.BringToFront(); };
    TLanguages languages(form, classroom, remembered.get());
    languages.Mark(!commandLine.LanguageFile().isEmpty() ? commandLine.LanguageFile()
                                                         : TLanguages::StartFile(remembered.get()));
    QTimer::singleShot(0, &stage, [&stage] { stage.show(); });
    const int status = application.exec();
    // settings that could not be saved are said once, as the program ends
    QString reason;
    if (remembered && !RememberedSettings::Save(*remembered, reason))
        std::fprintf(stderr, "gravilo: the settings are not remembered: %s\n",
                     reason.toLocal8Bit().constData());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    UseLargeHeapPages();
    TCommandLine commandLine = TCommandLine::Parse(argc, argv);
    if (!commandLine.Error().isEmpty()) {
        std::fprintf(stderr, "gravilo: %s\n%s", commandLine.Error().toLocal8Bit().constData(),
                     TCommandLine::Usage().toLocal8Bit().constData());
        return 2;
    }
    if (commandLine.Mode() == TCommandLine::cmHelp) {
        std::fputs(TCommandLine::Usage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    commandLine.ChooseHeadlessPlatform();
    try {
        return Run(commandLine);
    } catch (const EVexaError& error) {
        std::fprintf(stderr, "gravilo: %s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }
}
