// SPDX-License-Identifier: MIT
#pragma once
// Scene scripts: the main window driven line by line, as a user would drive it, for teachers who
// prepare pictures and for end-to-end tests. One command a line, words separated by blanks; blank
// lines and lines starting with "#" are skipped. The commands, their words and what each does are
// the table Commands() (ScriptRunner.cpp); the README lists them for users. Those marked for the
// classroom need its tools on the window (SetClassroom).
//
// A line that cannot be run stops the script: "line N: reason" goes to the error output and the
// run ends with status 2. The input ends the script where it ends (TScriptInput also ends it
// before the next line when a termination signal is caught).

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <span>

class TClassroom;
class TForm1;

class TScriptRunner {
public:
    static constexpr int ExitOk = 0;
    static constexpr int ExitBadLine = 2;
    // A longer line (without its line feed) cannot be run: no command needs as much, and the
    // script's memory stays bounded whatever is piped in.
    static constexpr qsizetype MaxLineBytes = 65536;

    TScriptRunner(TForm1& form, QIODevice& output, QIODevice& errors);

    // The classroom's tools on the form, which the commands beyond the window's own drive.
    void SetClassroom(TClassroom* classroom) { FClassroom = classroom; }

    // Runs the lines of input to its end or to the first line that cannot be run; returns the
    // exit status.
    int Run(QIODevice& input);

    // Runs one line (numbered for the error message); false when it cannot be run, with the
    // reason in error.
    bool RunLine(const QString& line, QString& error);

    // The lines of "print" and "texts".
    QString StateLine() const;
    QStringList TextLines() const;

    // One command of the script language.
    struct TCommand {
        const char* Name;
        const char* Usage;                // as the error message shows it
        qsizetype LeastWords, MostWords;  // the name included
        bool Classroom;                   // runs only with the classroom's tools on the window
        bool (TScriptRunner::*Run)(const QStringList& words, QString& error);
    };
    static std::span<const TCommand> Commands();

private:
    bool RunCommand(const QStringList& words, QString& error);
    bool Mass(const QStringList& words, QString& error);
    bool Body(const QStringList& words, QString& error);
    bool Mouse(const QStringList& words, QString& error);
    bool Tick(const QStringList& words, QString& error);
    bool Screenshot(const QStringList& words, QString& error);
    bool Key(const QStringList& words, QString& error);
    bool Reset(const QStringList& words, QString& error);
    bool Print(const QStringList& words, QString& error);
    bool Texts(const QStringList& words, QString& error);
    bool Accessible(const QStringList& words, QString& error);
    bool PauseOrResume(const QStringList& words, QString& error);
    bool Step(const QStringList& words, QString& error);
    bool Slow(const QStringList& words, QString& error);
    bool Option(const QStringList& words, QString& error);
    bool Zero(const QStringList& words, QString& error);
    bool Zoom(const QStringList& words, QString& error);
    bool PlanetX(const QStringList& words, QString& error);
    bool Clear(const QStringList& words, QString& error);
    bool Energy(const QStringList& words, QString& error);
    bool Export(const QStringList& words, QString& error);
    bool Switch(const QStringList& words, qsizetype at, bool& on, QString& error);
    QString EnergyLine() const;
    void Write(const QString& text);
    void SendMouse(int type, int x, int y);

    TForm1& FForm;
    TClassroom* FClassroom = nullptr;
    QIODevice& FOutput;
    QIODevice& FErrors;
    bool FButtonDown = false;
};
