// SPDX-License-Identifier: MIT
#include "TEndpointHub.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <utility>

#include "TEndpointDirectory.h"
#include "TMessageEndpoint.h"

namespace {

qint64 Now() {
    return EndpointOutgoing::NowMs();
}

// What one read may take: before the header is known as much as is there, so that a small frame
// comes in one call; then no more than the frame still needs.
constexpr qsizetype ReadChunk = 64 * 1024;

}  // namespace

// The time a send may still wait: the peer is not to blame for the time this process's own
// handlers take meanwhile.
struct TEndpointHub::TWaitBudget {
    explicit TWaitBudget(int TimeoutMs) : Timeout(TimeoutMs) { Clock.start(); }
    qint64 Remaining() const { return Timeout - (Clock.elapsed() - OwnHandling); }

    QElapsedTimer Clock;
    qint64 OwnHandling = 0;
    int Timeout;
};

TEndpointHub& TEndpointHub::Instance() {
    // lives as long as the process: endpoints may be destroyed late in its shutdown
    static TEndpointHub* hub = new TEndpointHub;
    return *hub;
}

TEndpointHub::TEndpointHub() {
    FIdleSweep = new QTimer;
    FIdleSweep->setInterval(IncomingIdleLimitMs / 4);
    QObject::connect(FIdleSweep, &QTimer::timeout, [this] { SweepIdle(); });
}

void TEndpointHub::Attach(TMessageEndpoint* Endpoint, quint32 Handle, int ListenFd) {
    Q_ASSERT(QThread::currentThread() == QCoreApplication::instance()->thread());
    TListener listener;
    listener.Endpoint = Endpoint;
    listener.Fd = ListenFd;
    listener.Notifier = new QSocketNotifier(ListenFd, QSocketNotifier::Read);
    QObject::connect(listener.Notifier, &QSocketNotifier::activated,
                     [this, Handle] { ServiceListener(Handle); });
    FListeners[Handle] = listener;
    if (!FIdleSweep->isActive()) FIdleSweep->start();
}

void TEndpointHub::Detach(quint32 Handle) {
    const auto it = FListeners.find(Handle);
    if (it == FListeners.end()) return;
    it->second.Notifier->setEnabled(false);
    it->second.Notifier->deleteLater();
    FListeners.erase(it);
    // connections in the middle of a handler finish it; the others have lost their receiver
    std::vector<quint64> orphans;
    for (const auto& [id, incoming] : FIncoming)
        if (incoming.Endpoint == Handle && !incoming.Dispatching) orphans.push_back(id);
    for (const quint64 id : orphans) CloseIncoming(id);
    // a process without endpoints sends nothing more: its kept connections go
    if (FListeners.empty()) FPool.Clear();
    StopSweepWhenIdle();
}

// Takes one waiting connection (the listener stays readable while there are more) and reads the
// frame that usually came with it at once.
void TEndpointHub::ServiceListener(quint32 Handle) {
    const auto it = FListeners.find(Handle);
    if (it == FListeners.end()) return;
    const int listenFd = it->second.Fd;
    int fd;
    do {
        fd = ::accept4(listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    } while (fd < 0 && (errno == EINTR || errno == ECONNABORTED));
    if (fd < 0) return;
    if (!EndpointOutgoing::SameUser(fd) || FIncoming.size() >= MaxIncoming) {
        ::close(fd);
        return;
    }
    const quint64 id = FNextId++;
    TIncoming& incoming = FIncoming[id];
    incoming.Endpoint = Handle;
    incoming.Fd = fd;
    incoming.LastActivity = Now();
    ServiceIncoming(id);
    // the next frame, or the rest of this one, is awaited by the event loop (a nested wait polls
    // the socket itself)
    const auto still = FIncoming.find(id);
    if (still == FIncoming.end() || still->second.Notifier) return;
    still->second.Notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    QObject::connect(still->second.Notifier, &QSocketNotifier::activated,
                     [this, id] { ServiceIncoming(id); });
}

void TEndpointHub::ServiceIncoming(quint64 Id) {
    auto it = FIncoming.find(Id);
    if (it == FIncoming.end()) return;
    if (it->second.Dispatching) {
        // only an event loop run inside the frame's handler gets here: the connection rests until
        // the handler has returned (the notifier is not switched off for every frame, which would
        // wake the event loop each time)
        if (it->second.Notifier) it->second.Notifier->setEnabled(false);
        it->second.Parked = true;
        return;
    }
    EndpointFrame::THeader header;
    for (;;) {
        switch (EndpointFrame::Inspect(it->second.Received, it->second.Endpoint, &header)) {
            case EndpointFrame::TState::Malformed:
                return CloseIncoming(Id);
            case EndpointFrame::TState::Complete:
                if (!Dispatch(Id, header)) return;
                it = FIncoming.find(Id);
                // the next frame is awaited, unless its start came along with the last one
                if (it->second.Received.isEmpty()) return;
                continue;
            case EndpointFrame::TState::NeedMore:
                break;
        }
        switch (Receive(it->second)) {
            case TRead::Got:
                continue;
            case TRead::Nothing:
                return;
            case TRead::Ended:
                return CloseIncoming(Id);
        }
    }
}

TEndpointHub::TRead TEndpointHub::Receive(TIncoming& Incoming) {
    char buffer[ReadChunk];
    const qsizetype wanted = Incoming.Received.size() < EndpointFrame::HeaderSize
                                 ? ReadChunk
                                 : qMin<qsizetype>(EndpointFrame::Missing(Incoming.Received), ReadChunk);
    if (FBuffered + wanted > MaxBufferedData) return TRead::Ended;
    ssize_t n;
    do {
        n = ::recv(Incoming.Fd, buffer, size_t(wanted), MSG_DONTWAIT);
    } while (n < 0 && errno == EINTR);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return TRead::Nothing;
    if (n <= 0) return TRead::Ended;  // ended before its frame was complete, or broken
    Incoming.LastActivity = Now();
    if (Incoming.Received.isEmpty()) Incoming.FrameStart = Incoming.LastActivity;
    Incoming.Received.append(buffer, n);
    FBuffered += n;
    SetAside(Incoming);
    return TRead::Got;
}

// What came after the frame belongs to the next one. A sender waits for each acknowledgement
// before it writes again, so this is at most the start of one frame; a peer that writes several
// at once has them handled one by one, within the same bound on what it may hold.
void TEndpointHub::SetAside(TIncoming& Incoming) {
    const qsizetype frame = EndpointFrame::FrameSize(Incoming.Received);
    if (frame == 0 || Incoming.Received.size() <= frame) return;
    Incoming.Ahead.prepend(Incoming.Received.mid(frame));
    Incoming.Received.truncate(frame);
}

bool TEndpointHub::Dispatch(quint64 Id, const EndpointFrame::THeader& Header) {
    TIncoming& incoming = FIncoming.at(Id);
    incoming.Dispatching = true;
    const QByteArray data = incoming.Received.mid(EndpointFrame::HeaderSize);
    FBuffered -= incoming.Received.size();
    incoming.Received = std::exchange(incoming.Ahead, QByteArray());
    incoming.FrameStart = incoming.Received.isEmpty() ? 0 : Now();
    SetAside(incoming);

    const auto listener = FListeners.find(incoming.Endpoint);
    const bool received = listener != FListeners.end();
    if (received) {
        // a copy: the handler may destroy its own endpoint
        const TMessageEndpoint::TReceiveEvent handler = listener->second.Endpoint->OnReceive;
        try {
            if (handler) handler(Header.Sender, Header.DataId, data);
        } catch (const std::exception& error) {
            qWarning("Message endpoint: the handler of message %d failed: %s", Header.DataId, error.what());
        } catch (...) {
            qWarning("Message endpoint: the handler of message %d failed", Header.DataId);
        }
    }
    // nothing else closes a connection that is being dispatched
    const auto again = FIncoming.find(Id);
    if (again == FIncoming.end()) return false;
    TIncoming& after = again->second;
    if (received) {
        const QByteArray ack = EndpointFrame::EncodeAck();
        [[maybe_unused]] const ssize_t sent =
            ::send(after.Fd, ack.constData(), size_t(ack.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    }
    after.Dispatching = false;
    after.LastActivity = Now();
    if (!received || !Header.Keep || FListeners.count(after.Endpoint) == 0) {
        CloseIncoming(Id);
        return false;
    }
    if (after.Parked) {
        after.Parked = false;
        if (after.Notifier) after.Notifier->setEnabled(true);
    }
    return true;
}

void TEndpointHub::CloseIncoming(quint64 Id) {
    const auto it = FIncoming.find(Id);
    if (it == FIncoming.end()) return;
    if (it->second.Notifier) {
        it->second.Notifier->setEnabled(false);
        it->second.Notifier->deleteLater();
    }
    ::close(it->second.Fd);
    FBuffered -= it->second.Received.size() + it->second.Ahead.size();
    FIncoming.erase(it);
}

void TEndpointHub::SweepIdle() {
    const qint64 now = Now();
    std::vector<quint64> idle;
    for (const auto& [id, incoming] : FIncoming) {
        if (incoming.Dispatching) continue;
        const bool slowFrame = incoming.FrameStart != 0 && now - incoming.FrameStart > IncomingFrameLimitMs;
        if (now - incoming.LastActivity > IncomingIdleLimitMs || slowFrame) idle.push_back(id);
    }
    for (const quint64 id : idle) CloseIncoming(id);
    StopSweepWhenIdle();
}

void TEndpointHub::StopSweepWhenIdle() {
    // a process without endpoints is not woken for nothing
    if (FListeners.empty() && FIncoming.empty()) FIdleSweep->stop();
}

void TEndpointHub::AddOwnSockets(std::vector<pollfd>& Fds, std::vector<TPolled>& Polled) const {
    for (const auto& [handle, listener] : FListeners) {
        Fds.push_back({listener.Fd, POLLIN, 0});
        Polled.push_back({true, handle});
    }
    for (const auto& [id, incoming] : FIncoming) {
        if (incoming.Dispatching) continue;
        Fds.push_back({incoming.Fd, POLLIN, 0});
        Polled.push_back({false, id});
    }
}

bool TEndpointHub::Send(const QString& Dir, quint32 From, quint32 To, qint32 DataId, const QByteArray& Data,
                        int TimeoutMs) {
    Q_ASSERT(QThread::currentThread() == QCoreApplication::instance()->thread());
    if (To == 0 || Data.size() > EndpointFrame::MaxDataSize) return false;
    const QByteArray header = EndpointFrame::EncodeHeader({From, To, DataId, quint32(Data.size()), true});
    TWaitBudget budget(TimeoutMs);
    for (int attempt = 0;; ++attempt) {
        // the kept connection first; a new one when there is none, or when the kept one was closed
        int fd = attempt == 0 ? FPool.Take(Dir, To) : -1;
        const bool kept = fd >= 0;
        if (!kept) fd = EndpointOutgoing::Connect(TEndpointDirectory::SocketPath(Dir, To));
        if (fd < 0) return false;
        TOutgoingFrame frame(fd, header, Data);
        const TOutgoingFrame::TStep step = Exchange(frame, budget);
        if (step == TOutgoingFrame::TStep::Acknowledged) {
            // kept for the next send, unless the process has no endpoint left to send from
            if (FListeners.empty())
                ::close(fd);
            else
                FPool.Give(Dir, To, fd);
            return true;
        }
        ::close(fd);
        // a receiver closes a kept connection only while no frame of it is being handled (it
        // acknowledges every frame it hands to a handler), so the frame never arrived
        if (step != TOutgoingFrame::TStep::Closed || !kept) return false;
    }
}

TOutgoingFrame::TStep TEndpointHub::Exchange(TOutgoingFrame& Frame, TWaitBudget& Budget) {
    using TStep = TOutgoingFrame::TStep;
    // the connection takes a small frame at once: no need to ask first
    TStep step = Frame.Write();
    if (step != TStep::Going) return step;
    std::vector<pollfd> fds;
    std::vector<TPolled> polled;
    for (;;) {
        const qint64 remaining = Budget.Remaining();
        if (remaining <= 0) return TStep::Failed;
        fds.clear();
        polled.clear();
        fds.push_back({Frame.Fd(), short(POLLIN | (Frame.Writing() ? POLLOUT : 0)), 0});
        fds.push_back({FInterruptFd, POLLIN, 0});  // poll passes over -1
        polled.resize(2);
        AddOwnSockets(fds, polled);
        const int ready = ::poll(fds.data(), nfds_t(fds.size()), int(remaining));
        if (ready < 0 && errno != EINTR) return TStep::Failed;
        if (ready <= 0) continue;

        if (fds[0].revents != 0) {
            step = Frame.Service(fds[0].revents);
            if (step != TStep::Going) return step;
        }
        if (fds[1].revents != 0) return TStep::Failed;  // the process has something better to do
        QElapsedTimer handling;
        handling.start();
        for (std::size_t i = 2; i < fds.size(); ++i) {
            if (fds[i].revents == 0) continue;
            if (polled[i].Listener)
                ServiceListener(quint32(polled[i].Key));
            else
                ServiceIncoming(polled[i].Key);
        }
        Budget.OwnHandling += handling.elapsed();
    }
}
