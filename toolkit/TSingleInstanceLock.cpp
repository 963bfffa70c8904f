#include "TSingleInstanceLock.h"

#include <QCoreApplication>
#include <QLockFile>

#include <cerrno>

#include "TEndpointDirectory.h"

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
    auto lock = std::make_unique<QLockFile>(dir + QLatin1Char('/') + fileName + QLatin1String(".lock"));
    // a running instance holds it however long it runs; only a dead holder's file is stale
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        FLock = std::move(lock);
        return TResult::Acquired;
    }
    if (lock->error() == QLockFile::LockFailedError) return TResult::HeldElsewhere;
    errno = EACCES;
    return TResult::Failed;
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
