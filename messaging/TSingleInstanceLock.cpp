// SPDX-License-Identifier: MIT
#include "TSingleInstanceLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>

#include <unistd.h>
#include <cerrno>

#include "TEndpointDirectory.h"

namespace {

// The effective user of a process, from /proc; -1 when it cannot be told.
qint64 ProcessUser(qint64 Pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(Pid));
    if (Pid <= 0 || !status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (!line.startsWith("Uid:")) continue;
        const QList<QByteArray> ids = line.mid(4).simplified().split(' ');  // real, effective, ...
        bool valid = false;
        const qint64 user = ids.value(1).toLongLong(&valid);
        return valid ? user : -1;
    }
    return -1;
}

// QLockFile takes the holder named in the file for alive while its process id names a process it
// cannot look into. When that is a process of another user, the id was given anew: our holder ended.
bool HolderHasEnded(QLockFile& Lock) {
    qint64 pid = 0;
    QString host, application;
    if (!Lock.getLockInfo(&pid, &host, &application) || host != QSysInfo::machineHostName()) return false;
    const qint64 user = ProcessUser(pid);
    return user >= 0 && user != qint64(::geteuid());
}

}  // namespace

TSingleInstanceLock::TSingleInstanceLock(const QString& Name) : FName(Name) {}

TSingleInstanceLock::~TSingleInstanceLock() {
    Release();
}

TSingleInstanceLock::TResult TSingleInstanceLock::TryAcquire() {
    if (IsHeld()) return TResult::Acquired;
    const QString dir = TEndpointDirectory::Prepare();
    if (dir.isEmpty()) return TResult::Failed;
    QString fileName = FName;
    fileName.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString path = dir + QLatin1Char('/') + fileName + QLatin1String(".lock");
    // the lock file is read before anything else: only a file of ours says anything
    const QString guardPath = path + QLatin1String(".rmlock");
    TEndpointDirectory::RemoveUnlessOwnFile(path);
    TEndpointDirectory::RemoveUnlessOwnFile(guardPath);
    for (int attempt = 0;; ++attempt) {
        auto lock = std::make_unique<QLockFile>(path);
        // a running instance holds it however long it runs; only a dead holder's file is stale
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            FLock = std::move(lock);
            return TResult::Acquired;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            errno = EACCES;
            return TResult::Failed;
        }
        if (attempt > 0 || !HolderHasEnded(*lock)) return TResult::HeldElsewhere;
        // removed under the guard QLockFile itself uses for stale files, after looking once more
        QLockFile guard(guardPath);
        if (!guard.tryLock(0) || !HolderHasEnded(*lock)) return TResult::HeldElsewhere;
        lock->removeStaleLockFile();
    }
}

void TSingleInstanceLock::Release() {
    if (FLock) FLock->unlock();
    FLock.reset();
}

bool TSingleInstanceLock::IsHeld() const {
    return FLock && FLock->isLocked();
}

quint32 TSingleInstanceLock::Handle() const {
    return IsHeld() ? quint32(QCoreApplication::applicationPid()) : 0;
}
