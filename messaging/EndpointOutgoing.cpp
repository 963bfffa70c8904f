// SPDX-License-Identifier: MIT
#include "EndpointOutgoing.h"

#include <QFile>

#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "EndpointFrame.h"

namespace EndpointOutgoing {

qint64 NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool SameUser(int Fd) {
    static const uid_t self = ::geteuid();  // a process does not change users underneath us
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return ::getsockopt(Fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 && credentials.uid == self;
}

int Connect(const QString& Path) {
    const QByteArray native = QFile::encodeName(Path);
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

}  // namespace EndpointOutgoing

// ---- one frame ----

namespace {

bool Transient(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

bool ClosedByPeer(int error) {
    return error == EPIPE || error == ECONNRESET;
}

}  // namespace

TOutgoingFrame::TStep TOutgoingFrame::Write() {
    if (!Writing()) return TStep::Going;
    // header and data in one call, without joining them first
    iovec parts[2];
    int count = 0;
    if (FWritten < FHeader.size())
        parts[count++] = {const_cast<char*>(FHeader.constData()) + FWritten,
                          size_t(FHeader.size() - FWritten)};
    const qsizetype dataDone = qMax<qsizetype>(0, FWritten - FHeader.size());
    if (dataDone < FData.size())
        parts[count++] = {const_cast<char*>(FData.constData()) + dataDone, size_t(FData.size() - dataDone)};
    msghdr message{};
    message.msg_iov = parts;
    message.msg_iovlen = size_t(count);
    const ssize_t n = ::sendmsg(FFd, &message, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n >= 0) {
        FWritten += n;
        return TStep::Going;
    }
    if (Transient(errno)) return TStep::Going;
    return ClosedByPeer(errno) ? TStep::Closed : TStep::Failed;
}

TOutgoingFrame::TStep TOutgoingFrame::Service(short Revents) {
    if ((Revents & POLLOUT) && Writing()) {
        const TStep step = Write();
        if (step != TStep::Going) return step;
    }
    if (!(Revents & (POLLIN | POLLHUP | POLLERR))) return TStep::Going;
    const ssize_t n = ::recv(FFd, FAck + FAckSize, size_t(EndpointFrame::AckSize - FAckSize), MSG_DONTWAIT);
    if (n == 0) return FAckSize == 0 ? TStep::Closed : TStep::Failed;
    if (n < 0) {
        if (Transient(errno)) return TStep::Going;
        return ClosedByPeer(errno) && FAckSize == 0 ? TStep::Closed : TStep::Failed;
    }
    // an answer before the whole frame went out is no acknowledgement
    if (Writing()) return TStep::Failed;
    FAckSize += n;
    if (FAckSize < EndpointFrame::AckSize) return TStep::Going;
    return EndpointFrame::IsAck(QByteArray::fromRawData(FAck, FAckSize)) ? TStep::Acknowledged
                                                                         : TStep::Failed;
}

// ---- the pool ----

int TOutgoingPool::Take(const QString& Dir, quint32 To) {
    const qint64 now = EndpointOutgoing::NowMs();
    DropExpired(now);
    for (auto it = FKept.begin(); it != FKept.end(); ++it) {
        if (it->To != To || it->Dir != Dir) continue;
        const int fd = it->Fd;
        FKept.erase(it);
        return fd;
    }
    return -1;
}

void TOutgoingPool::Give(const QString& Dir, quint32 To, int Fd) {
    const qint64 now = EndpointOutgoing::NowMs();
    DropExpired(now);
    for (TKept& kept : FKept) {
        if (kept.To != To || kept.Dir != Dir) continue;
        // a nested send to the same target made a second connection: the older one goes
        ::close(kept.Fd);
        kept.Fd = Fd;
        kept.LastUse = now;
        return;
    }
    if (FKept.size() >= MaxKept) {
        auto oldest = FKept.begin();
        for (auto it = FKept.begin(); it != FKept.end(); ++it)
            if (it->LastUse < oldest->LastUse) oldest = it;
        ::close(oldest->Fd);
        FKept.erase(oldest);
    }
    FKept.push_back({Dir, To, Fd, now});
}

void TOutgoingPool::Clear() {
    for (const TKept& kept : FKept) ::close(kept.Fd);
    FKept.clear();
}

void TOutgoingPool::DropExpired(qint64 Now) {
    for (auto it = FKept.begin(); it != FKept.end();) {
        if (Now - it->LastUse < ReuseLimitMs) {
            ++it;
            continue;
        }
        ::close(it->Fd);
        it = FKept.erase(it);
    }
}
