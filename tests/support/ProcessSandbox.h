// SPDX-License-Identifier: MIT
#pragma once
// A private world for one test that starts other processes: its own endpoint folder and
// configuration folders (for this process and every process it starts), and the processes it
// started, which end with it.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class TProcessSandbox {
public:
    TProcessSandbox();
    ~TProcessSandbox();
    TProcessSandbox(const TProcessSandbox&) = delete;
    TProcessSandbox& operator=(const TProcessSandbox&) = delete;

    QString Path(const QString& Name) const { return FDir.filePath(Name); }
    QString EndpointDir() const { return Path(QStringLiteral("endpoints")); }
    // Writes the machine-wide "ViewerHandle" setting, which names the host viewer's server.
    void SetViewerHandle(const QString& Text);

    // Starts a program with the sandbox's folders in its environment (this process's environment
    // carries them); it is killed, if still running, when the sandbox ends.
    QProcess* Start(const QString& Program, const QStringList& Arguments,
                    const QProcessEnvironment& Environment = QProcessEnvironment::systemEnvironment());

private:
    QTemporaryDir FDir;
    QByteArray FSavedEndpointDir;
    QByteArray FSavedConfigDirs;
    std::vector<std::unique_ptr<QProcess>> FProcesses;
};
