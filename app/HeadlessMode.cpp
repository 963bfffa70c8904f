// SPDX-License-Identifier: MIT
#include "HeadlessMode.h"

#include <QCoreApplication>
#include <QFile>

#include <unistd.h>
#include <cstdio>
#include <memory>

#include "Classroom.h"
#include "CommandLine.h"
#include "PictureFile.h"
#include "ScriptInput.h"
#include "ScriptRunner.h"
#include "ugravilo.h"

namespace {

void Complain(const QString& text) {
    std::fprintf(stderr, "gravilo: %s\n", text.toLocal8Bit().constData());
}

// The offscreen platform takes no size hints and says so whenever a window of fixed size changes
// its size (the energy bars widen it): a notice for those who write platforms, not for the reader
// of a script's answers.
QtMessageHandler PassedOn = nullptr;
void QuietAboutSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    PassedOn(type, context, message);
}

int RunScript(TForm1& form, TClassroom& classroom, const QString& fileName) {
    // a script piped in line by line runs each line as it comes
    TScriptInput input;
    if (!input.Open(fileName)) {
        Complain(QStringLiteral("cannot read the script %1: %2").arg(fileName, input.errorString()));
        return TScriptRunner::ExitBadLine;
    }
    // straight to the descriptors: the C library would hold the answers of "print" back in its
    // buffer while the script goes on, and a program that drives Gravilo would wait for ever
    std::fflush(stdout);
    QFile output, errors;
    output.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    errors.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    TScriptRunner runner(form, output, errors);
    runner.SetClassroom(&classroom);
    int status = runner.Run(input);
    std::fflush(stdout);
    if (status == TScriptRunner::ExitOk && !input.ReadFailure().isEmpty()) {
        Complain(QStringLiteral("cannot read the script %1: %2").arg(fileName, input.ReadFailure()));
        status = TScriptRunner::ExitBadLine;
    }
    return status;
}

}  // namespace

int RunHeadless(TForm1& form, const TCommandLine& commandLine) {
    PassedOn = qInstallMessageHandler(QuietAboutSizeHints);
    // a script has the classroom's tools too, from their defaults whatever a user chose in the
    // window, so that it gives the same result for everyone, and without a menu bar that nobody
    // opens here; a screenshot needs none of them
    const bool script = commandLine.Mode() == TCommandLine::cmScript;
    std::unique_ptr<TClassroom> classroom =
        script ? std::make_unique<TClassroom>(form, nullptr, TClassroom::cmLeftOut) : nullptr;
    // shown, so that every control lays itself out and paints as on a screen; the timer is off
    // until a script releases the rope, and from then on only the script's ticks step it
    form.show();
    QCoreApplication::processEvents();
    if (script) return RunScript(form, *classroom, commandLine.ScriptFile());
    QString reason;
    if (PictureFile::SaveWindow(form, commandLine.ScreenshotFile(), reason)) return 0;
    Complain(QStringLiteral("cannot write the screenshot %1: %2").arg(commandLine.ScreenshotFile(), reason));
    return TScriptRunner::ExitBadLine;
}
