// SPDX-License-Identifier: MIT
#pragma once
// Scene scripts: the main window driven line by line, as a user would drive it, for teachers who
// prepare pictures and for end-to-end tests. One command a line, words separated by blanks; blank
// lines and lines starting with "#" are skipped.
//
//   mass N            moves the mass scroll bar to position N (its own range applies)
//   body N            clicks item N of the body group: 0 Earth, 1 Moon, 2 Mars, 3 Jupiter
//   down X Y          left-button press at pixel (X, Y) of the scene chart
//   move X Y          pointer movement there (the left button held while it is down)
//   up X Y            left-button release there
//   tick [N]          N timer intervals elapse (default 1); each runs the timer's handler only
//                     while the timer is enabled
//   reset             clicks Reset
//   print             "mass=M height=H energy=E hand=X,Y timer=on|off items=N"
//   texts             the window's texts, "Component.Property=value" one a line
//   screenshot FILE   saves the whole window as a PNG file
//   key SEQ           a key pressed and released in the focus widget: Tab, Shift+Down, 2, Alt+R
//   accessible        "role|name|value" for each accessible object with a name or a value
//
// With the classroom's tools on the window (SetClassroom), also:
//   pause, resume     holds the fall where it is, lets it go on; paused, "tick" passes no step
//   step              one fall step, whatever the timer's rhythm
//   slow on|off       slow motion: the fall steps on every fourth tick
//   option bars|fit|grid|legend on|off
//                     the energy bars, the fitted energy axis, the grid, the legend
//   clear             Clear graph
//   energy            "pe=P ke=K total=T speed=V time=S", each with %.6g
//   export csv FILE   the energy chart's trail as CSV
//   export png window|chart FILE
//                     the window (below its menu bar) or the energy chart as a PNG file
//
// A line that cannot be run stops the script: "line N: reason" goes to the error output and the
// run ends with status 2. The input ends the script where it ends (TScriptInput also ends it
// before the next line when a termination signal is caught).

#include <QIODevice>
#include <QString>
#include <QStringList>

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

private:
    bool RunCommand(const QStringList& words, QString& error);
    bool Mass(const QStringList& words, QString& error);
    bool Body(const QStringList& words, QString& error);
    bool Mouse(const QStringList& words, QString& error);
    bool Tick(const QStringList& words, QString& error);
    bool Screenshot(const QStringList& words, QString& error);
    // the classroom's commands; IsClassroomCommand is false for a word that is none of them
    static bool IsClassroomCommand(const QString& command);
    bool RunClassroomCommand(const QStringList& words, QString& error);
    bool Switch(const QStringList& words, qsizetype at, bool& on, QString& error);
    bool Option(const QStringList& words, QString& error);
    bool Export(const QStringList& words, QString& error);
    QString EnergyLine() const;
    void Write(const QString& text);
    void SendMouse(int type, int x, int y);

    TForm1& FForm;
    TClassroom* FClassroom = nullptr;
    QIODevice& FOutput;
    QIODevice& FErrors;
    bool FButtonDown = false;
};

// Saves the whole main window as a PNG file, whole or not at all; false, with the reason in error,
// when the file cannot be written.
bool SaveWindowPicture(QWidget& window, const QString& fileName, QString& error);
