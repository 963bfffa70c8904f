// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include <QtGlobal>
#include <cstring>

#include "LanguageStream.h"

namespace {

// "--name FILE" or "--name=FILE": true when arg names the option; value then holds the file, or
// stays null when the file is missing
bool MatchOption(const char* name, int argc, char** argv, int& i, QString& value, bool& missing) {
    const char* arg = argv[i];
    const std::size_t length = std::strlen(name);
    if (std::strncmp(arg, name, length) != 0) return false;
    if (arg[length] == '=') {
        value = QString::fromLocal8Bit(arg + length + 1);
        missing = value.isEmpty();
        return true;
    }
    if (arg[length] != '\0') return false;
    if (i + 1 >= argc) {
        missing = true;
        return true;
    }
    value = QString::fromLocal8Bit(argv[++i]);
    missing = value.isEmpty();
    return true;
}

}  // namespace

TCommandLine TCommandLine::Parse(int argc, char** argv) {
    TCommandLine line;
    if (argc > 0) line.FQtArgv.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        if (line.TakeOption(argc, argv, i)) continue;
        const char* arg = argv[i];
        if (std::strcmp(arg, "-platform") == 0 || std::strncmp(arg, "-platform=", 10) == 0)
            line.FPlatformGiven = true;
        line.FQtArgv.push_back(argv[i]);
    }
    line.FQtArgc = int(line.FQtArgv.size());
    line.FQtArgv.push_back(nullptr);
    if (line.FError.isEmpty() && !line.FLanguageFile.isEmpty()) {
        // opened here, once: a pipe given as the file can be read only once
        QString reason;
        line.FLanguageStream = LanguageStream::Open(line.FLanguageFile, reason);
        if (!line.FLanguageStream)
            line.FError =
                QStringLiteral("cannot read the language file %1: %2").arg(line.FLanguageFile, reason);
    }
    return line;
}

bool TCommandLine::TakeOption(int argc, char** argv, int& i) {
    struct TOption {
        const char* Name;
        TMode Mode;
        QString* Value;
    };
    const TOption options[] = {{"--screenshot", cmScreenshot, &FScreenshotFile},
                               {"--script", cmScript, &FScriptFile},
                               {"--language", cmWindow, &FLanguageFile}};
    if (std::strcmp(argv[i], "--help") == 0) {
        FMode = cmHelp;
        return true;
    }
    for (const TOption& option : options) {
        QString value;
        bool missing = false;
        if (!MatchOption(option.Name, argc, argv, i, value, missing)) continue;
        if (missing) {
            if (FError.isEmpty())
                FError = QStringLiteral("%1 needs a file name").arg(QLatin1String(option.Name));
            return true;
        }
        *option.Value = value;
        if (option.Mode == cmWindow) return true;
        const bool otherHeadlessMode = Headless() && FMode != option.Mode;
        if (otherHeadlessMode && FError.isEmpty())
            FError = QStringLiteral("--screenshot and --script cannot be used together");
        if (FMode != cmHelp) FMode = option.Mode;
        return true;
    }
    return false;
}

void TCommandLine::ChooseHeadlessPlatform() const {
    if (!Headless() || FPlatformGiven || qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString TCommandLine::Usage() {
    return QStringLiteral(
        "Usage: gravilo [--language FILE] [--screenshot FILE | --script FILE]\n"
        "  --language FILE    read this language file instead of the desktop's language\n"
        "                     (for German: share/gravilo/lang/gravilo_de.itl)\n"
        "  --screenshot FILE  save the main window in its start state as a PNG file and end\n"
        "  --script FILE      run the commands of FILE (- reads standard input) and end;\n"
        "                     commands: mass N, body N, down X Y, move X Y, up X Y, tick [N],\n"
        "                     reset, print, texts, accessible, key SEQ, screenshot FILE,\n"
        "                     pause, resume, step, slow on|off,\n"
        "                     option bars|fit|grid|legend|zero|time|patterns on|off, zero H,\n"
        "                     g VALUE [hidden], clear [thermal], energy, export csv FILE,\n"
        "                     export fall FILE, export png window|chart FILE\n"
        "Both headless modes need no display.\n");
}
