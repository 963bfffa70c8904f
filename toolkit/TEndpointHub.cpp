#include "TEndpointHub.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "TEndpointDirectory.h"
#include "TMessageEndpoint.h"

namespace {

qint64 Now() {
    return QDateTime::currentMSecsSinceEpoch();
}

bool SameUser(int fd) {
    static const uid_t self = ::geteuid();  // a process does not change users underneath us
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 && credentials.uid == self;
}

int ConnectTo(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (native.size() >= qsizetype(sizeof address.sun_path)) return -1;
    memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    // a Unix-domain connect either succeeds at once or fails at once (EAGAIN: a full backlog,
    // which counts as a peer that does not answer)
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || !SameUser(fd)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The sending side of one synchronous send.
class TOutgoing {
public:
    TOutgoing(int fd, QByteArray frame) : FFd(fd), FFrame(std::move(frame)) {}
    ~TOutgoing() { ::close(FFd); }
    int Fd() const { return FFd; }
    bool Writing() const { return FWritten < FFrame.size(); }

    enum class TStep { Going, Acknowledged, Failed };

    TStep Service(short revents) {
        if ((revents & POLLOUT) && Writing()) {
            const ssize_t n = ::send(FFd, FFrame.constData() + FWritten, size_t(FFrame.size() - FWritten),
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n > 0)
                FWritten += n;
            else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                return TStep::Failed;
        }
        if (revents & (POLLIN | POLLHUP | POLLERR)) {
            char buffer[EndpointFrame::AckSize];
            const ssize_t n = ::recv(FFd, buffer, size_t(EndpointFrame::AckSize - FAck.size()), MSG_DONTWAIT);
            if (n == 0) return TStep::Failed;
            if (n < 0)
                return (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) ? TStep::Going
                                                                                   : TStep::Failed;
            // an answer before the whole frame went out is no acknowledgement
            if (Writing()) return TStep::Failed;
            FAck.append(buffer, n);
            if (FAck.size() == EndpointFrame::AckSize)
                return EndpointFrame::IsAck(FAck) ? TStep::Acknowledged : TStep::Failed;
        }
        return TStep::Going;
    }

private:
    int FFd;
    QByteArray FFrame;
    qsizetype FWritten = 0;
    QByteArray FAck;
};

}  // namespace

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
    if (!SameUser(fd) || FIncoming.size() >= MaxIncoming) {
        ::close(fd);
        return;
    }
    const quint64 id = FNextId++;
    TIncoming& incoming = FIncoming[id];
    incoming.Endpoint = Handle;
    incoming.Fd = fd;
    incoming.LastActivity = Now();
    ServiceIncoming(id);
    // a frame still on its way is awaited by the event loop (a nested wait polls the socket itself)
    const auto still = FIncoming.find(id);
    if (still == FIncoming.end() || still->second.Dispatching) return;
    still->second.Notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    QObject::connect(still->second.Notifier, &QSocketNotifier::activated, [this, id] { ServiceIncoming(id); });
}

void TEndpointHub::ServiceIncoming(quint64 Id) {
    const auto it = FIncoming.find(Id);
    if (it == FIncoming.end() || it->second.Dispatching) return;
    TIncoming& incoming = it->second;
    EndpointFrame::THeader header;
    for (;;) {
        const EndpointFrame::TState state =
            EndpointFrame::Inspect(incoming.Received, incoming.Endpoint, &header);
        if (state == EndpointFrame::TState::Malformed) return CloseIncoming(Id);
        if (state == EndpointFrame::TState::Complete) return Dispatch(Id, header);
        // never read past the frame: what a peer sends beyond it is not ours to take
        char buffer[64 * 1024];
        const qsizetype wanted = qMin<qsizetype>(EndpointFrame::Missing(incoming.Received), sizeof buffer);
        if (FBuffered + wanted > MaxBufferedData) return CloseIncoming(Id);
        const ssize_t n = ::recv(incoming.Fd, buffer, size_t(wanted), MSG_DONTWAIT);
        if (n > 0) {
            incoming.Received.append(buffer, n);
            FBuffered += n;
            incoming.LastActivity = Now();
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        return CloseIncoming(Id);  // ended before its frame was complete, or broken
    }
}

void TEndpointHub::Dispatch(quint64 Id, const EndpointFrame::THeader& Header) {
    TIncoming& incoming = FIncoming.at(Id);
    incoming.Dispatching = true;
    if (incoming.Notifier) incoming.Notifier->setEnabled(false);
    const QByteArray data = incoming.Received.mid(EndpointFrame::HeaderSize);
    FBuffered -= incoming.Received.size();
    incoming.Received = QByteArray();

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
    if (again == FIncoming.end()) return;
    if (received) {
        const QByteArray ack = EndpointFrame::EncodeAck();
        [[maybe_unused]] const ssize_t sent =
            ::send(again->second.Fd, ack.constData(), size_t(ack.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    }
    CloseIncoming(Id);
}

void TEndpointHub::CloseIncoming(quint64 Id) {
    const auto it = FIncoming.find(Id);
    if (it == FIncoming.end()) return;
    if (it->second.Notifier) {
        it->second.Notifier->setEnabled(false);
        it->second.Notifier->deleteLater();
    }
    ::close(it->second.Fd);
    FBuffered -= it->second.Received.size();
    FIncoming.erase(it);
}

void TEndpointHub::SweepIdle() {
    const qint64 limit = Now() - IncomingIdleLimitMs;
    std::vector<quint64> idle;
    for (const auto& [id, incoming] : FIncoming)
        if (!incoming.Dispatching && incoming.LastActivity < limit) idle.push_back(id);
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
    const int fd = ConnectTo(TEndpointDirectory::SocketPath(Dir, To));
    if (fd < 0) return false;
    TOutgoing outgoing(fd, EndpointFrame::EncodeSend({From, To, DataId, quint32(Data.size())}, Data));

    QElapsedTimer clock;
    clock.start();
    qint64 ownHandling = 0;  // the peer is not to blame for the time our own handlers take
    std::vector<pollfd> fds;
    std::vector<TPolled> polled;
    for (;;) {
        const qint64 remaining = TimeoutMs - (clock.elapsed() - ownHandling);
        if (remaining <= 0) return false;
        fds.clear();
        polled.clear();
        fds.push_back({outgoing.Fd(), short(POLLIN | (outgoing.Writing() ? POLLOUT : 0)), 0});
        polled.push_back({false, 0});
        AddOwnSockets(fds, polled);
        const int ready = ::poll(fds.data(), nfds_t(fds.size()), int(remaining));
        if (ready < 0 && errno != EINTR) return false;
        if (ready <= 0) continue;

        if (fds[0].revents != 0) {
            const TOutgoing::TStep step = outgoing.Service(fds[0].revents);
            if (step == TOutgoing::TStep::Acknowledged) return true;
            if (step == TOutgoing::TStep::Failed) return false;
        }
        QElapsedTimer handling;
        handling.start();
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if (fds[i].revents == 0) continue;
            if (polled[i].Listener)
                ServiceListener(quint32(polled[i].Key));
            else
                ServiceIncoming(polled[i].Key);
        }
        ownHandling += handling.elapsed();
    }
}
