// SPDX-License-Identifier: MIT
#include "LinkSandbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>

#include "LumeoProtocol.h"
#include "TMessageEndpoint.h"

TLinkSandbox::TLinkSandbox() {
    QDir().mkpath(ServerRoot());
}

QProcess* TLinkSandbox::StartServer(const QString& Text, const QString& Root) {
    QProcess* server = Start(QStringLiteral(LUMEO_SERVER_PROGRAM),
                             {QStringLiteral("--text"), Text, QStringLiteral("--root"),
                              Root.isEmpty() ? ServerRoot() : Root, QStringLiteral("--log"), ServerLog()});
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
