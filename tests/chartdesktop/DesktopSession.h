// SPDX-License-Identifier: MIT
#pragma once
// A private X server (Xvfb on a display it chooses itself), a program running on it whose output
// lines can be awaited, and xdotool commands sent to it.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class TXServer {
public:
    ~TXServer();
    // Starts Xvfb and waits until it names its display; false when that fails.
    bool Start(QString& error);
    QString Display() const { return FDisplay; }
    QProcessEnvironment Environment() const;

private:
    QProcess FServer;
    QString FDisplay;
};

class TDesktopProgram {
public:
    explicit TDesktopProgram(const TXServer& server) : FServer(server) {}
    ~TDesktopProgram();
    bool Start(const QString& program, const QStringList& args);
    // The next output line that starts with `prefix` (earlier lines are passed over), or an empty
    // string when none comes within the time or the program ends.
    QString WaitFor(const QString& prefix, int timeoutMs = 10000);
    // Runs xdotool with the arguments and waits for it to finish.
    bool Xdotool(const QStringList& args);
    // Asks the program for a screenshot (SIGUSR1) and loads the file it names.
    QImage Screenshot();
    QString Output() const { return FSeen.join(u'\n'); }

private:
    const TXServer& FServer;
    QProcess FProgram;
    QStringList FSeen;
    QByteArray FPending;
};
