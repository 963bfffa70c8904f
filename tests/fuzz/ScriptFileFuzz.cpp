// SPDX-License-Identifier: MIT
// Script files of the headless mode, as anyone may write them: the main window runs them to their
// end or stops at the first line it cannot run, saying which; the simulation's state stays sane
// (mass, height, energy and the rope's end are numbers, mass and height within their bounds)
// whatever the lines asked for. "screenshot" and "export" lines write to one file in a private
// folder, wherever they point. The window has the classroom's tools, so their commands run too.
//
// Input: the script, read from a file as the program reads every script (TScriptInput), in reads
// of 1 to 61 bytes so that lines and the line-length bound meet every read boundary. Each input
// starts from the same state: button up, Reset, the fall ended and running at its pace, Earth and
// 10 kg, the classroom's options off, pictures at 100 %.

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>

#include "Classroom.h"
#include "FuzzCheck.h"
#include "ScriptInput.h"
#include "ScriptRunner.h"
#include "TTimer.h"
#include "ugravilo.h"

namespace {

QApplication* Application = nullptr;
QTemporaryDir* Sandbox = nullptr;
TForm1* Form = nullptr;
TClassroom* Classroom = nullptr;

// Files go into the sandbox, whatever a line names: every word of a "screenshot" or "export" line
// but the command and its keywords becomes the sandbox's file. The words are split as the runner
// splits them.
QByteArray Confined(const QByteArray& Script) {
    static const QRegularExpression blanks(QStringLiteral("[ \\t\\r\\f\\v]+"));
    static const QStringList keywords = {QStringLiteral("csv"), QStringLiteral("png"),
                                         QStringLiteral("window"), QStringLiteral("chart")};
    QStringList lines = QString::fromUtf8(Script).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        if (words.isEmpty() ||
            (words[0] != QLatin1String("screenshot") && words[0] != QLatin1String("export")))
            continue;
        for (qsizetype i = 1; i < words.size(); ++i)
            if (!keywords.contains(words[i])) words[i] = Sandbox->filePath(QStringLiteral("file"));
        line = words.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n')).toUtf8();
}

void StartAfresh() {
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    TScriptRunner runner(*Form, sink, sink);
    runner.SetClassroom(Classroom);
    QString error;
    for (const char* line :
         {"up 0 0", "resume", "slow off", "option bars off", "option fit off", "option grid off",
          "option legend off", "option projector off", "zoom 100", "reset", "tick", "body 0", "mass 10"})
        FUZZ_CHECK(runner.RunLine(QString::fromLatin1(line), error), error);
    FUZZ_CHECK(!Form->Timer1->Enabled());
}

double Field(const QString& State, const QString& Name) {
    const QRegularExpressionMatch match = QRegularExpression(Name + QStringLiteral("=([^ ,]+)")).match(State);
    FUZZ_CHECK(match.hasMatch(), State);
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    FUZZ_CHECK(ok && std::isfinite(value), State);
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "fuzz_script_file";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Sandbox = new QTemporaryDir;
    qputenv("GRAVILO_ENDPOINT_DIR", QFile::encodeName(Sandbox->filePath(QStringLiteral("endpoints"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(Sandbox->filePath(QStringLiteral("config"))));
    Application = new QApplication(argc, argv);
    Form = new TForm1([](TqmrDemonClient& Link) { Link.SetMultiStart(true); });
    Classroom = new TClassroom(*Form, nullptr, TClassroom::cmLeftOut);
    Form->show();
    QCoreApplication::processEvents();
    std::atexit([] { Sandbox->remove(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    StartAfresh();
    const QByteArray script = Confined(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    const QString file = Sandbox->filePath(QStringLiteral("script.txt"));
    QFile written(file);
    FUZZ_CHECK(written.open(QIODevice::WriteOnly) && written.write(script) == script.size() &&
               written.flush());
    written.close();
    TScriptInput input(1 + script.size() % 61);
    FUZZ_CHECK(input.Open(file), input.errorString());
    QBuffer output, errors;
    output.open(QIODevice::WriteOnly);
    errors.open(QIODevice::WriteOnly);
    TScriptRunner runner(*Form, output, errors);
    runner.SetClassroom(Classroom);
    const int status = runner.Run(input);

    FUZZ_CHECK(input.ReadFailure().isEmpty(), input.ReadFailure());
    // it ends well, or at a line it names
    if (status == TScriptRunner::ExitOk) {
        FUZZ_CHECK(errors.data().isEmpty(), QString::fromUtf8(errors.data()));
    } else {
        FUZZ_CHECK(status == TScriptRunner::ExitBadLine);
        FUZZ_CHECK(errors.data().startsWith("line ") && errors.data().count('\n') == 1,
                   QString::fromUtf8(errors.data()));
        FUZZ_CHECK(errors.data().mid(5).split(':').value(0).toLongLong() <= script.count('\n') + 1);
    }
    // the simulation's state stays within its bounds
    const QString state = runner.StateLine();
    const double mass = Field(state, QStringLiteral("mass"));
    const double height = Field(state, QStringLiteral("height"));
    Field(state, QStringLiteral("energy"));
    Field(state, QStringLiteral("hand"));
    FUZZ_CHECK(mass >= 1 && mass <= 100, state);
    // a drag reaches 500 at the top of the scene; the height may go below the ground without a
    // bound: a drag down to the scene's foot, or the last step of a fall whose speed was kept
    // across presses
    FUZZ_CHECK(height <= 502, state);
    FUZZ_CHECK(std::isfinite(Form->Simulation().HandX()) && std::isfinite(Form->Simulation().HandY()) &&
                   std::isfinite(Form->Simulation().MassHeight()),
               state);
    return 0;
}
