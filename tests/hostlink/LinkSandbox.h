// SPDX-License-Identifier: MIT
#pragma once
// A private world for one host-link test (see TProcessSandbox), with the stand-in host server.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

#include "ProcessSandbox.h"
#include "ProcessWaits.h"

class TLinkSandbox : public TProcessSandbox {
public:
    TLinkSandbox();

    // Starts lumeo-server with its log in the sandbox and its root there too, unless Root names
    // another folder, and waits until it can be found.
    QProcess* StartServer(const QString& Text, const QString& Root = QString());
    QString ServerRoot() const { return Path(QStringLiteral("root")); }
    QString ServerLog() const { return Path(QStringLiteral("server.log")); }
    QStringList ServerLogLines() const;

    // Lines until one starts with Prefix; that line, or empty on time-out.
    static QString LineStartingWith(QProcess* Process, const QString& Prefix, int TimeoutMs = 5000);
    // Waits for the process to end, keeping the event loop running.
    static bool WaitForExit(QProcess* Process, int TimeoutMs = 5000);
};
