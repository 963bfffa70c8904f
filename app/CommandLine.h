// SPDX-License-Identifier: MIT
#pragma once
// Gravilo's own options, picked out of the command line before the application object exists:
//
//   --screenshot FILE   render the main window in its start state to a PNG file and end
//   --script FILE       run a scene script (FILE "-" is standard input) and end
//   --language FILE     read this language file instead of the one beside the program
//   --help              print the usage and end
//
// "--option=FILE" works as well. Every other argument stays for Qt and for the host link's
// parameter list, in its place: the host passes switches of its own ("/serverhandle=...").

#include <QIODevice>
#include <QString>
#include <memory>
#include <vector>

class TCommandLine {
public:
    enum TMode { cmWindow, cmScreenshot, cmScript, cmHelp };

    // Picks Gravilo's options out of argv; the strings stay argv's own.
    static TCommandLine Parse(int argc, char** argv);

    TMode Mode() const { return FMode; }
    // the screenshot or the script runs without a display, the About dialog and the instance rule
    bool Headless() const { return FMode == cmScreenshot || FMode == cmScript; }
    const QString& ScreenshotFile() const { return FScreenshotFile; }
    const QString& ScriptFile() const { return FScriptFile; }
    const QString& LanguageFile() const { return FLanguageFile; }
    // The language file, opened (and a pipe read) once by Parse; null without --language. The
    // caller takes it over.
    std::unique_ptr<QIODevice> TakeLanguageStream() { return std::move(FLanguageStream); }
    // why the command line cannot be used; empty when it can
    const QString& Error() const { return FError; }

    // The arguments that remain, argv[0] first, for QApplication (which keeps the pointers).
    int& QtArgc() { return FQtArgc; }
    char** QtArgv() { return FQtArgv.data(); }

    // The headless modes run on Qt's offscreen platform unless a platform was chosen.
    void ChooseHeadlessPlatform() const;

    static QString Usage();

private:
    bool TakeOption(int argc, char** argv, int& i);
    TMode FMode = cmWindow;
    QString FScreenshotFile;
    QString FScriptFile;
    QString FLanguageFile;
    std::unique_ptr<QIODevice> FLanguageStream;
    QString FError;
    bool FPlatformGiven = false;
    std::vector<char*> FQtArgv;
    int FQtArgc = 0;
};
