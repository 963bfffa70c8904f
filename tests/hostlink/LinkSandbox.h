#pragma once
// A private world for one host-link test: its own endpoint folder and configuration folders (for
// this process and every process it starts), and the peer processes it started, which end with it.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

#include "ProcessWaits.h"

class TLinkSandbox {
public:
    TLinkSandbox();
    ~TLinkSandbox();

    QString Path(const QString& Name) const { return FDir.filePath(Name); }
    QString EndpointDir() const { return Path(QStringLiteral("endpoints")); }
    // Writes the machine-wide "ViewerHandle" setting.
    void SetViewerHandle(const QString& Text);

    // Starts a program with the sandbox's environment.
    QProcess* Start(const QString& Program, const QStringList& Arguments);
    // Starts lumeo-server with its root and log in the sandbox, and waits until it can be found.
    QProcess* StartServer(const QString& Text);
    QString ServerRoot() const { return Path(QStringLiteral("root")); }
    QString ServerLog() const { return Path(QStringLiteral("server.log")); }
    QStringList ServerLogLines() const;

    // Lines until one starts with Prefix; that line, or empty on time-out.
    static QString LineStartingWith(QProcess* Process, const QString& Prefix, int TimeoutMs = 5000);
    // Waits for the process to end, keeping the event loop running.
    static bool WaitForExit(QProcess* Process, int TimeoutMs = 5000);

private:
    QTemporaryDir FDir;
    QByteArray FSavedEndpointDir;
    QByteArray FSavedConfigDirs;
    std::vector<std::unique_ptr<QProcess>> FProcesses;
};
