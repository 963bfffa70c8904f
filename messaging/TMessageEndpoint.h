// SPDX-License-Identifier: MIT
#pragma once
// A message endpoint: a named, findable mailbox of this process that other processes of the same
// user (and this one) send data to, synchronously.
//
// - An endpoint has a class name, a title and a handle, a non-zero 32-bit number unique among the
//   user's live endpoints. Find() looks one up by class name and title (letter case does not
//   matter); IsAlive() tells whether a handle still names a live endpoint.
// - Send() returns when the receiver's OnReceive has returned. While it waits, this process's own
//   endpoints keep handling incoming sends, re-entrantly (replies arrive inside a request), and
//   nothing else runs. A send to 0, to a vanished endpoint, or to a peer that does not answer
//   within SendTimeout() returns false without effect.
// - OnReceive runs on the GUI thread, from the Qt event loop or inside a send that waits.
// - Only processes of the same user can connect (a private folder and a peer-credential check);
//   frames are length-prefixed and at most MaxDataSize bytes of data; a malformed or short frame
//   closes its connection and reaches no handler.
//
// The endpoints live in TEndpointDirectory's folder; GRAVILO_ENDPOINT_DIR moves it.

#include <QByteArray>
#include <QString>

#include <functional>

#include "EndpointFrame.h"
#include "TEndpointDirectory.h"
#include "TEndpointRecord.h"
#include "gravilo_messaging_export.h"

class GRAVILO_MESSAGING_EXPORT TMessageEndpoint {
public:
    // Sender: the sending endpoint's handle as the sender states it; DataId: the data identifier.
    using TReceiveEvent = std::function<void(quint32 Sender, qint32 DataId, const QByteArray& Data)>;

    static constexpr int DefaultSendTimeout = 5000;
    static constexpr qsizetype MaxDataSize = EndpointFrame::MaxDataSize;

    TMessageEndpoint() = default;
    ~TMessageEndpoint();
    TMessageEndpoint(const TMessageEndpoint&) = delete;
    TMessageEndpoint& operator=(const TMessageEndpoint&) = delete;

    // Creates the endpoint; false, with errno set, when the folder or the socket cannot be made.
    // Needs the application object and runs on its thread.
    bool Create(const QString& ClassName, const QString& Title);
    void Destroy();

    bool Exists() const { return FRecord.IsPublished(); }
    quint32 Handle() const { return FRecord.Handle(); }
    const QString& ClassName() const { return FClassName; }
    const QString& Title() const { return FTitle; }

    int SendTimeout() const { return FSendTimeout; }
    void SetSendTimeout(int Ms) { FSendTimeout = qMax(1, Ms); }

    // True when the receiver has handled the data.
    bool Send(quint32 Target, qint32 DataId, const QByteArray& Data);

    TReceiveEvent OnReceive;

    // A descriptor (of a pipe that a signal handler writes to, say) that, while it is readable,
    // makes every send give up its wait at once and return false: a process asked to end does not
    // sit out its peers' time-outs first. -1, the default: none.
    static void SetWaitInterrupt(int Fd);

    // In the current endpoint folder.
    static quint32 Find(const QString& ClassName, const QString& Title);
    static bool IsAlive(quint32 Handle);

private:
    TEndpointRecord FRecord;
    QString FClassName;
    QString FTitle;
    int FSendTimeout = DefaultSendTimeout;
};
