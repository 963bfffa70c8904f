// SPDX-License-Identifier: MIT
// A message endpoint in a process of its own, for the endpoint tests.
//
//   endpoint-peer echo CLASS TITLE   answers every message from inside its handler: it sends the
//                                    same data back to the sender with data identifier + 1, then
//                                    prints "got ID SIZE ANSWERED(0/1)"; identifier 0 ends it
//   endpoint-peer hang CLASS TITLE   publishes the endpoint and never looks at it again
//
// Both print "handle H" once the endpoint is findable.

#include <QCoreApplication>

#include <unistd.h>
#include <cstdio>
#include <cstring>

#include "TMessageEndpoint.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: endpoint-peer echo|hang CLASS TITLE\n");
        return 2;
    }
    TMessageEndpoint endpoint;
    if (!endpoint.Create(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]))) {
        std::perror("endpoint-peer");
        return 1;
    }
    std::printf("handle %u\n", endpoint.Handle());
    std::fflush(stdout);

    if (std::strcmp(argv[1], "hang") == 0) {
        for (;;) ::pause();
    }
    endpoint.OnReceive = [&endpoint](quint32 Sender, qint32 DataId, const QByteArray& Data) {
        if (DataId == 0) {
            QCoreApplication::quit();
            return;
        }
        const bool answered = endpoint.Send(Sender, DataId + 1, Data);
        std::printf("got %d %lld %d\n", DataId, static_cast<long long>(Data.size()), answered ? 1 : 0);
        std::fflush(stdout);
    };
    return app.exec();
}
