// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

#include "EndpointFrame.h"
#include "TEndpointDirectory.h"
#include "TEndpointRecord.h"
#include "gravilo_messaging_export.h"

/// A message endpoint: a named, findable mailbox of this process that other processes of the same
/// user (and this one) send data to, synchronously.
///
/// - An endpoint has a class name, a title and a handle, a non-zero 32-bit number unique among the
///   user's live endpoints. Find() looks one up by class name and title (letter case does not
///   matter); IsAlive() tells whether a handle still names a live endpoint.
/// - Send() returns when the receiver's OnReceive has returned. While it waits, this process's own
///   endpoints keep handling incoming sends, re-entrantly (replies arrive inside a request), and
///   nothing else runs. A send to 0, to a vanished endpoint, or to a peer that does not answer
///   within SendTimeout() returns false without effect.
/// - OnReceive runs on the GUI thread, from the Qt event loop or inside a send that waits.
/// - Only processes of the same user can connect (a private folder and a peer-credential check);
///   frames are length-prefixed and at most MaxDataSize bytes of data; a malformed or short frame
///   closes its connection and reaches no handler.
///
/// The endpoints live in TEndpointDirectory's folder; GRAVILO_ENDPOINT_DIR moves it.
class GRAVILO_MESSAGING_EXPORT TMessageEndpoint {
public:
    /// The handler of received data. Sender: the sending endpoint's handle as the sender states it;
    /// DataId: the data identifier.
    using TReceiveEvent = std::function<void(quint32 Sender, qint32 DataId, const QByteArray& Data)>;

    /// The send time-out of a new endpoint, in milliseconds.
    static constexpr int DefaultSendTimeout = 5000;
    /// The most data one send carries; a send of more returns false.
    static constexpr qsizetype MaxDataSize = EndpointFrame::MaxDataSize;

    /// An endpoint not yet created.
    TMessageEndpoint() = default;
    /// Destroys the endpoint.
    ~TMessageEndpoint();
    TMessageEndpoint(const TMessageEndpoint&) = delete;
    TMessageEndpoint& operator=(const TMessageEndpoint&) = delete;

    /// Creates the endpoint, destroying the one it was before; false, with errno set, when the
    /// folder or the socket cannot be made. Needs the application object and runs on its thread.
    bool Create(const QString& ClassName, const QString& Title);
    /// Takes the endpoint away: it is no longer found, and its handle is free again. Nothing happens
    /// when it does not exist.
    void Destroy();

    /// Whether the endpoint has been created and not destroyed since.
    bool Exists() const { return FRecord.IsPublished(); }
    /// The endpoint's handle; 0 while it does not exist.
    quint32 Handle() const { return FRecord.Handle(); }
    /// The class name given to the last successful Create.
    const QString& ClassName() const { return FClassName; }
    /// The title given to the last successful Create.
    const QString& Title() const { return FTitle; }

    /// How long a send waits for a peer that does not answer, in milliseconds.
    int SendTimeout() const { return FSendTimeout; }
    /// Sets the send time-out in milliseconds; values below 1 are taken as 1.
    void SetSendTimeout(int Ms) { FSendTimeout = qMax(1, Ms); }

    /// True when the receiver has handled the data. False without effect while this endpoint does
    /// not exist, and for more than MaxDataSize bytes.
    bool Send(quint32 Target, qint32 DataId, const QByteArray& Data);

    /// Runs for every send this endpoint receives; none by default.
    TReceiveEvent OnReceive;

    /// A descriptor (of a pipe that a signal handler writes to, say) that, while it is readable,
    /// makes every send give up its wait at once and return false: a process asked to end does not
    /// sit out its peers' time-outs first. -1, the default: none.
    static void SetWaitInterrupt(int Fd);

    /// The handle of a live endpoint with this class name and title (letter case does not matter) in
    /// the current endpoint folder, or 0.
    static quint32 Find(const QString& ClassName, const QString& Title);
    /// Whether Handle names a live endpoint in the current endpoint folder; false for 0.
    static bool IsAlive(quint32 Handle);

private:
    TEndpointRecord FRecord;
    QString FClassName;
    QString FTitle;
    int FSendTimeout = DefaultSendTimeout;
};
