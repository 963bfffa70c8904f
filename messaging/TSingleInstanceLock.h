// SPDX-License-Identifier: MIT
#pragma once
// A named lock that at most one process of the user holds at a time: the program's guard against
// a second running instance. It is a lock file (QLockFile) in the endpoint folder; a process that
// ends, however it ends, gives it up.

#include <QString>

#include <memory>

#include "gravilo_messaging_export.h"

class QLockFile;

class GRAVILO_MESSAGING_INNER_EXPORT TSingleInstanceLock {
public:
    enum class TResult {
        Acquired,       // this process holds it now
        HeldElsewhere,  // another live process holds it
        Failed          // the lock could not be checked (errno tells why)
    };

    explicit TSingleInstanceLock(const QString& Name);
    ~TSingleInstanceLock();
    TSingleInstanceLock(const TSingleInstanceLock&) = delete;
    TSingleInstanceLock& operator=(const TSingleInstanceLock&) = delete;

    TResult TryAcquire();
    void Release();
    bool IsHeld() const;
    // Non-zero while held: the holder's process id.
    quint32 Handle() const;
    const QString& Name() const { return FName; }

private:
    QString FName;
    std::unique_ptr<QLockFile> FLock;
};
