// SPDX-License-Identifier: MIT
#include "DesktopSession.h"

#include <QDeadlineTimer>
#include <csignal>

TXServer::~TXServer() {
    if (FServer.state() == QProcess::NotRunning) return;
    FServer.terminate();
    if (!FServer.waitForFinished(5000)) FServer.kill();
    FServer.waitForFinished(2000);
}

bool TXServer::Start(QString& error) {
    // -displayfd: the server picks a free display and writes its number once it accepts clients
    FServer.start(
        QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
         QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!FServer.waitForStarted(5000)) {
        error = FServer.errorString();
        return false;
    }
    QByteArray out;
    const QDeadlineTimer deadline(15000);
    while (!out.contains('\n') && !deadline.hasExpired()) {
        if (!FServer.waitForReadyRead(int(std::max<qint64>(deadline.remainingTime(), 1)))) break;
        out += FServer.readAllStandardOutput();
    }
    bool ok = false;
    const int n = out.trimmed().toInt(&ok);
    if (!ok) {
        error = QStringLiteral("Xvfb named no display: ") +
                QString::fromLocal8Bit(FServer.readAllStandardError());
        return false;
    }
    FDisplay = QStringLiteral(":%1").arg(n);
    return true;
}

QProcessEnvironment TXServer::Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), FDisplay);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

TDesktopProgram::~TDesktopProgram() {
    if (FProgram.state() == QProcess::NotRunning) return;
    FProgram.terminate();
    if (!FProgram.waitForFinished(5000)) FProgram.kill();
    FProgram.waitForFinished(2000);
}

bool TDesktopProgram::Start(const QString& program, const QStringList& args) {
    FProgram.setProcessEnvironment(FServer.Environment());
    FProgram.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FProgram.start(program, args);
    return FProgram.waitForStarted(10000);
}

QString TDesktopProgram::WaitFor(const QString& prefix, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        FPending += FProgram.readAllStandardOutput();
        int end;
        while ((end = FPending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(FPending.left(end));
            FPending.remove(0, end + 1);
            FSeen << line;
            if (line.startsWith(prefix)) return line;
        }
        if (deadline.hasExpired() || FProgram.state() == QProcess::NotRunning) return QString();
        FProgram.waitForReadyRead(int(std::max<qint64>(deadline.remainingTime(), 1)));
    }
}

bool TDesktopProgram::Xdotool(const QStringList& args) {
    QProcess tool;
    tool.setProcessEnvironment(FServer.Environment());
    tool.start(QStringLiteral("xdotool"), args);
    return tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

QImage TDesktopProgram::Screenshot() {
    ::kill(pid_t(FProgram.processId()), SIGUSR1);
    const QString line = WaitFor(QStringLiteral("shot "));
    return line.isEmpty() ? QImage() : QImage(line.mid(5));
}
