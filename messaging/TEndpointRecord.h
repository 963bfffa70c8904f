// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include "gravilo_messaging_export.h"

/// The records that make a message endpoint findable, in the endpoint folder (TEndpointDirectory).
///
/// An endpoint with handle H is two files: "H.info" (eight hex digits) holds its class name and title
/// and stays locked (flock) by its process for as long as the endpoint lives, so that a crashed
/// process leaves nothing that looks alive; "H.sock" is its listening Unix-domain socket.
class GRAVILO_MESSAGING_EXPORT TEndpointRecord {
public:
    /// A record not yet published.
    TEndpointRecord() = default;
    /// Withdraws the record.
    ~TEndpointRecord();
    TEndpointRecord(const TEndpointRecord&) = delete;
    TEndpointRecord& operator=(const TEndpointRecord&) = delete;

    /// Picks a handle that no live endpoint of the user has, listens on its socket and makes the
    /// record findable, all under the folder's lock. False, with errno set, on failure.
    bool Publish(const QString& Dir, const QString& ClassName, const QString& Title);
    /// Removes the record and the socket; the handle is free again.
    void Withdraw();

    /// Whether the record is published.
    bool IsPublished() const { return FHandle != 0; }
    /// The endpoint's handle; 0 while the record is not published.
    quint32 Handle() const { return FHandle; }
    /// The descriptor of the listening socket (non-blocking); -1 while the record is not published.
    int ListenFd() const { return FListenFd; }
    /// The folder the record was last published in; empty before the first Publish.
    const QString& Directory() const { return FDir; }

    /// The handle of a live endpoint with this class name and title (both compared without regard
    /// to letter case), or 0.
    static quint32 Find(const QString& Dir, const QString& ClassName, const QString& Title);
    /// Whether Handle names a live endpoint in Dir; false for 0 and for an empty Dir.
    static bool IsAlive(const QString& Dir, quint32 Handle);

private:
    QString FDir;
    quint32 FHandle = 0;
    int FInfoFd = -1;
    int FListenFd = -1;
};
