// SPDX-License-Identifier: MIT
#include "ProcessWaits.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

bool WaitUntil(const std::function<bool()>& Done, int TimeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > TimeoutMs) return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

QString NextLine(QProcess* Process, int TimeoutMs) {
    if (!WaitUntil([&] { return Process->canReadLine() || Process->state() == QProcess::NotRunning; },
                   TimeoutMs))
        return {};
    return QString::fromUtf8(Process->readLine()).trimmed();
}

qint64 ResidentKiB(qint64 Pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(Pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}
