// SPDX-License-Identifier: MIT
// lumeo-server: a stand-in for the host viewer's server.
//
//   lumeo-server --text TEXT [--root DIR] [--log FILE]
//
// Creates the server endpoint that host-link clients look for with the handle text TEXT, keeps the
// clients that register, and answers their requests: finding clients, starting programs, files
// from DIR (the current folder by default; nothing outside it), file-name mapping into DIR,
// environment values and query strings. It keeps at most 1024 clients, with paths and titles of
// at most 4096 characters. With --log, every received message adds a line "kind=K from=H
// bytes=B" to FILE. On SIGTERM or SIGINT it stops waiting for whatever it waits for, gives its
// clients two seconds in all to hear that it goes down, and ends.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <csignal>
#include <cstdio>

#include "TLumeoServer.h"
#include "TSignalWatcher.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumeo-server"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A stand-in for the Lumeo host viewer's server."));
    parser.addHelpOption();
    const QCommandLineOption text(QStringLiteral("text"),
                                  QStringLiteral("Handle text of the server endpoint."),
                                  QStringLiteral("TEXT"));
    const QCommandLineOption root(QStringLiteral("root"), QStringLiteral("Folder of the served files."),
                                  QStringLiteral("DIR"), QDir::currentPath());
    const QCommandLineOption log(QStringLiteral("log"), QStringLiteral("Log of received messages."),
                                 QStringLiteral("FILE"));
    parser.addOptions({text, root, log});
    parser.process(app);
    if (!parser.isSet(text)) {
        std::fprintf(stderr, "lumeo-server: --text TEXT is required\n");
        return 2;
    }

    TLumeoServer server(parser.value(text), parser.value(root), parser.value(log));
    QString error;
    if (!server.Start(&error)) {
        std::fprintf(stderr, "lumeo-server: %s\n", qPrintable(error));
        return 1;
    }
    const TSignalWatcher stopSignals({SIGTERM, SIGINT}, [&server](int) {
        server.Shutdown();
        QCoreApplication::quit();
    });
    std::printf("lumeo-server: handle %u\n", server.Handle());
    std::fflush(stdout);
    return app.exec();
}
