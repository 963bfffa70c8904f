// SPDX-License-Identifier: MIT
#pragma once
// Running the built program as a separate process, each test in a world of its own: its own
// endpoint, runtime and configuration folders (the machine's and the user's), and the processes it started,
// which end with it.

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

#include "ProcessWaits.h"

namespace e2e {

QString GraviloProgram();
QString ShippedLanguage(const char* file);

struct TRunResult {
    bool Ended = false;  // false: still running when the time was up (it was killed)
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
    QStringList OutLines() const;
};

class TProgramWorld {
public:
    TProgramWorld();
    ~TProgramWorld();

    QString Path(const QString& name) const { return FDir.filePath(name); }
    QString EndpointDir() const { return Path(QStringLiteral("endpoints")); }
    // what every started process gets: the private folders and the offscreen platform
    QProcessEnvironment& Environment() { return FEnvironment; }
    // runs in every process started from now on, between fork and exec (limits, signal actions)
    void SetChildSetup(std::function<void()> Setup) { FChildSetup = std::move(Setup); }

    // Starts a program; it is killed when the world ends, if it still runs.
    QProcess* Start(const QString& program, const QStringList& arguments);
    // Runs a program to its end (or kills it after timeoutMs), feeding it input.
    TRunResult Run(const QString& program, const QStringList& arguments, const QByteArray& input = {},
                   int timeoutMs = 25000);
    TRunResult RunGravilo(const QStringList& arguments, const QByteArray& input = {}) {
        return Run(GraviloProgram(), arguments, input);
    }
    // gravilo --script - with the script on standard input
    TRunResult RunScript(const QByteArray& script, const QStringList& moreArguments = {}) {
        return RunGravilo(QStringList{QStringLiteral("--script"), QStringLiteral("-")} + moreArguments,
                          script);
    }

    // Writes a file into the world and returns its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir FDir;
    QProcessEnvironment FEnvironment;
    std::function<void()> FChildSetup;
    std::vector<std::unique_ptr<QProcess>> FProcesses;
};

// The scene chart's mapping in the main window as built: world (x, y) of layer 1 to the pixel of
// the chart, and the chart's place in the window.
QPoint ScenePixel(double x, double y);
const QPoint SceneOrigin(0, 110);

}  // namespace e2e
