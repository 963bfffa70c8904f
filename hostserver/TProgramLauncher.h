// SPDX-License-Identifier: MIT
#pragma once
// Starts the programs that clients ask for.
//
// The server stays their parent, and it collects an ended program only some seconds after its
// end: until then its process id stays valid, so a client that waits for the program can still
// open it even when it ended at once.

#include <QString>
#include <QTimer>

#include <map>

class TProgramLauncher {
public:
    static constexpr int CollectDelayMs = 10000;

    TProgramLauncher();
    // The process id, or 0 when the program cannot be started. Parameters are split into words at
    // blanks; double quotes group words, as on a command line of the host viewer's platform.
    qint64 Start(const QString& Program, const QString& Parameters);

private:
    void Collect();

    QTimer FCollector;
    std::map<qint64, qint64> FChildren;  // process id → when it was seen ended (0: running)
};
