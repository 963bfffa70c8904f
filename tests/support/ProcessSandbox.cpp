// SPDX-License-Identifier: MIT
#include "ProcessSandbox.h"

#include <QDir>
#include <QFile>
#include <QSettings>

TProcessSandbox::TProcessSandbox() {
    FSavedEndpointDir = qgetenv("GRAVILO_ENDPOINT_DIR");
    FSavedConfigDirs = qgetenv("XDG_CONFIG_DIRS");
    QDir(FDir.path()).mkpath(QStringLiteral("config"));
    qputenv("GRAVILO_ENDPOINT_DIR", QFile::encodeName(EndpointDir()));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(Path(QStringLiteral("config"))));
}

TProcessSandbox::~TProcessSandbox() {
    for (const auto& process : FProcesses) {
        if (process->state() == QProcess::NotRunning) continue;
        process->kill();
        process->waitForFinished(2000);
    }
    FProcesses.clear();
    qputenv("GRAVILO_ENDPOINT_DIR", FSavedEndpointDir);
    qputenv("XDG_CONFIG_DIRS", FSavedConfigDirs);
}

void TProcessSandbox::SetViewerHandle(const QString& Text) {
    QDir(Path(QStringLiteral("config"))).mkpath(QStringLiteral("Quenta"));
    QSettings settings(Path(QStringLiteral("config/Quenta/tessaro.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("demon/ViewerHandle"), Text);
}

QProcess* TProcessSandbox::Start(const QString& Program, const QStringList& Arguments,
                                 const QProcessEnvironment& Environment) {
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setProcessEnvironment(Environment);
    process->start(Program, Arguments);
    process->waitForStarted(5000);
    FProcesses.push_back(std::move(process));
    return FProcesses.back().get();
}
