// SPDX-License-Identifier: MIT
// The far side of the endpoint benchmark: an endpoint that answers every request with a reply
// sent back to the requester from inside its handler, as a host viewer answers a request.
//
// bench_endpoint_peer: creates the endpoint "GraviloBench"/"Peer" in the endpoint folder of its
// environment, prints "ready" and serves until it receives the quit message.

#include <QCoreApplication>
#include <cstdio>

#include "PingPong.h"
#include "TMessageEndpoint.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TMessageEndpoint endpoint;
    const QByteArray reply = bench::Payload(bench::ReplySize, 'r');
    endpoint.OnReceive = [&](quint32 sender, qint32 id, const QByteArray& data) {
        if (id == bench::QuitId) {
            QCoreApplication::exit(0);
            return;
        }
        if (id == bench::RequestId && data.size() == bench::RequestSize)
            endpoint.Send(sender, bench::ReplyId, reply);
    };
    if (!endpoint.Create(QStringLiteral("GraviloBench"), QStringLiteral("Peer"))) {
        std::fprintf(stderr, "bench_endpoint_peer: no endpoint\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
