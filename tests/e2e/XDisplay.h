// SPDX-License-Identifier: MIT
#pragma once
// A virtual X display for tests that drive the real program as a person would: Xvfb on a free
// display number, xdotool for the mouse and for finding windows, and the screen read from the
// framebuffer file Xvfb keeps (an XWD image), so no screenshot tool is needed.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace e2e {

class TXDisplay {
public:
    // The tools that are missing (Xvfb, xdotool); empty when the display can run.
    static QString MissingTools();

    TXDisplay();
    ~TXDisplay();
    bool Running() const { return FServer && FServer->state() == QProcess::Running; }
    QString Name() const { return FName; }

    // Points a program's environment at this display, on Qt's X platform, outside any desktop
    // session (so that links go to xdg-open).
    void Prepare(QProcessEnvironment& environment) const;

    // Runs xdotool; its standard output, empty on failure.
    QByteArray XDo(const QStringList& arguments) const;
    // Visible windows whose name matches the pattern (xdotool's regular expressions).
    QList<quint64> Windows(const QString& namePattern) const;
    // The first visible window matching the pattern, waiting for it; 0 on time-out.
    quint64 WaitForWindow(const QString& namePattern, int timeoutMs = 15000) const;
    bool WaitUntilGone(const QString& namePattern, int timeoutMs = 15000) const;
    // The window's place on the screen.
    QRect Geometry(quint64 window) const;

    // The pointer: where it is, moves (waiting until it is there), buttons, a click.
    QPoint Pointer() const;
    void MoveTo(QPoint p) const;
    void Press() const;
    void Release() const;
    void Click(QPoint p) const;
    // A left-button drag from one point to another in a few steps, as a hand moves.
    void Drag(QPoint from, QPoint to, int steps = 6) const;
    // Moves the pointer into the screen's corner, out of every picture.
    void ParkPointer() const;

    // The screen as it is now.
    QImage Screen() const;

private:
    bool StartOn(int number);
    QTemporaryDir FDir;
    std::unique_ptr<QProcess> FServer;
    QString FName;
};

}  // namespace e2e
