// SPDX-License-Identifier: MIT
// A request and its reply between two processes. Through our message endpoints: the request is a
// synchronous send, the peer's handler sends the reply back, which arrives inside the request's
// wait. As a plain Unix-socket ping-pong: the same bytes written and read on one connection.

#include <benchmark/benchmark.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>

#include "PingPong.h"
#include "TMessageEndpoint.h"

namespace {

// A peer program, running while the object lives.
class TPeer {
public:
    TPeer(const QString& program, const QStringList& arguments) {
        FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        FProcess.start(program, arguments);
        FReady = FProcess.waitForStarted(10000) && FProcess.waitForReadyRead(10000) &&
                 FProcess.readLine().trimmed() == "ready";
    }
    ~TPeer() {
        if (!FProcess.waitForFinished(5000)) FProcess.kill();
        FProcess.waitForFinished(5000);
    }
    bool Ready() const { return FReady; }

private:
    QProcess FProcess;
    bool FReady = false;
};

QString PeerProgram(const char* name) {
    return QStringLiteral(BENCH_PEER_DIR "/") + QLatin1String(name);
}

bool ReadAll(int fd, char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t got = ::read(fd, p, n);
        if (got <= 0) return false;
        p += got;
        n -= std::size_t(got);
    }
    return true;
}

bool WriteAll(int fd, const char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t put = ::write(fd, p, n);
        if (put <= 0) return false;
        p += put;
        n -= std::size_t(put);
    }
    return true;
}

void HostMessage_Endpoints(benchmark::State& state) {
    QTemporaryDir folder;
    qputenv(TEndpointDirectory::OverrideVariable, QFile::encodeName(folder.path()));
    TPeer peer(PeerProgram("bench_endpoint_peer"), {});
    TMessageEndpoint own;
    if (!peer.Ready() || !own.Create(QStringLiteral("GraviloBench"), QStringLiteral("Client"))) {
        state.SkipWithError("no endpoint peer");
        return;
    }
    const quint32 target = TMessageEndpoint::Find(QStringLiteral("GraviloBench"), QStringLiteral("Peer"));
    long long replies = 0;
    own.OnReceive = [&](quint32, qint32 id, const QByteArray& data) {
        if (id == bench::ReplyId && data.size() == bench::ReplySize) ++replies;
    };
    const QByteArray request = bench::Payload(bench::RequestSize, 'q');
    for (auto _ : state) {
        if (!own.Send(target, bench::RequestId, request)) {
            state.SkipWithError("a request failed");
            break;
        }
    }
    if (replies != static_cast<long long>(state.iterations())) state.SkipWithError("a reply went missing");
    own.Send(target, bench::QuitId, QByteArray());
}
BENCHMARK(HostMessage_Endpoints)->UseRealTime()->Unit(benchmark::kMicrosecond);

void HostMessage_Socket(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pingpong"));
    TPeer peer(PeerProgram("bench_socket_peer"), {path});
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    std::memcpy(address.sun_path, native.constData(), std::size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (!peer.Ready() || fd < 0 ||
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        state.SkipWithError("no socket peer");
        if (fd >= 0) ::close(fd);
        return;
    }
    const QByteArray request = bench::Payload(bench::RequestSize, 'q');
    QByteArray reply(bench::ReplySize, 0);
    for (auto _ : state) {
        if (!WriteAll(fd, request.constData(), std::size_t(request.size())) ||
            !ReadAll(fd, reply.data(), std::size_t(reply.size()))) {
            state.SkipWithError("the ping-pong broke");
            break;
        }
    }
    ::close(fd);  // the peer ends
}
BENCHMARK(HostMessage_Socket)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
