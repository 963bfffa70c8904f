#include "LinkSandbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>

#include "LumeoProtocol.h"
#include "TMessageEndpoint.h"

TLinkSandbox::TLinkSandbox() {
    FSavedEndpointDir = qgetenv("GRAVILO_ENDPOINT_DIR");
    FSavedConfigDirs = qgetenv("XDG_CONFIG_DIRS");
    QDir(FDir.path()).mkpath(QStringLiteral("config"));
    QDir(FDir.path()).mkpath(QStringLiteral("root"));
    qputenv("GRAVILO_ENDPOINT_DIR", QFile::encodeName(EndpointDir()));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(Path(QStringLiteral("config"))));
}

TLinkSandbox::~TLinkSandbox() {
    for (const auto& process : FProcesses) {
        if (process->state() == QProcess::NotRunning) continue;
        process->kill();
        process->waitForFinished(2000);
    }
    FProcesses.clear();
    qputenv("GRAVILO_ENDPOINT_DIR", FSavedEndpointDir);
    qputenv("XDG_CONFIG_DIRS", FSavedConfigDirs);
}

void TLinkSandbox::SetViewerHandle(const QString& Text) {
    QDir(Path(QStringLiteral("config"))).mkpath(QStringLiteral("Quenta"));
    QSettings settings(Path(QStringLiteral("config/Quenta/tessaro.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("demon/ViewerHandle"), Text);
}

QProcess* TLinkSandbox::Start(const QString& Program, const QStringList& Arguments) {
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setProcessEnvironment(QProcessEnvironment::systemEnvironment());  // carries our folders
    process->start(Program, Arguments);
    process->waitForStarted(5000);
    FProcesses.push_back(std::move(process));
    return FProcesses.back().get();
}

QProcess* TLinkSandbox::StartServer(const QString& Text) {
    QProcess* server =
        Start(QStringLiteral(LUMEO_SERVER_PROGRAM), {QStringLiteral("--text"), Text, QStringLiteral("--root"),
                                                     ServerRoot(), QStringLiteral("--log"), ServerLog()});
    WaitUntil([&] {
        return TMessageEndpoint::Find(LumeoNames::ServerClassName(Text), LumeoNames::ServerTitle(Text)) != 0;
    });
    return server;
}

QStringList TLinkSandbox::ServerLogLines() const {
    QFile log(ServerLog());
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString TLinkSandbox::LineStartingWith(QProcess* Process, const QString& Prefix, int TimeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < TimeoutMs) {
        const QString line = NextLine(Process, int(TimeoutMs - clock.elapsed()));
        if (line.startsWith(Prefix)) return line;
        if (line.isEmpty() && Process->state() == QProcess::NotRunning && !Process->canReadLine()) break;
    }
    return {};
}

bool TLinkSandbox::WaitForExit(QProcess* Process, int TimeoutMs) {
    return WaitUntil([&] { return Process->state() == QProcess::NotRunning; }, TimeoutMs);
}
