// SPDX-License-Identifier: MIT
// A host-link client in a program of its own, for the host-link tests: a form titled
// "GL_Client window" that holds a TqmrDemonClient, loaded the way every form is.
//
//   lumeo-test-client [--title T] [--local] [--multi] [--stay] [PARAMETER...]
//
//   --title T    the application title
//   --local      work without the server (UseTessaroServer false)
//   --multi      allow several instances (MultiStart true)
//   --stay       keep running until standard input closes or the server says quit
//
// It prints "handle H", "server S", "params P1|P2|..." (ParamStr 1 to ParamCount) and
// "caption C" (the form's caption after loading, translated), then "running"; or "error E" when
// loading fails, or "already running front=0/1" when another instance runs. While it stays:
// "params ..." when a parameter message came, "got kind=K bytes=B" for any other message (a kind
// 5001 is answered from inside the handler with a kind 5002 of the same content), "front" when a
// later start asked for the window, and "quit serverDown=0/1" for a quit message.

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <unistd.h>
#include <cstdio>

#include "LumeoProtocol.h"
#include "TForm.h"
#include "TqmrDemonClient.h"
#include "VexaError.h"

namespace {

void Print(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString ParamsLine(const TqmrCustomDemon& client) {
    QStringList params;
    for (int i = 1; i <= client.ParamCount(); ++i) params << client.ParamStr(i);
    return QStringLiteral("params ") + params.join(QLatin1Char('|'));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const auto has = [&](const char* option) { return arguments.contains(QLatin1String(option)); };
    const qsizetype title = arguments.indexOf(QStringLiteral("--title"));
    if (title > 0 && title + 1 < arguments.size()) QCoreApplication::setApplicationName(arguments[title + 1]);

    TForm form;
    QPointer<TqmrDemonClient> client;
    try {
        TLoadingScope loading;
        client = loading.Add(new TqmrDemonClient(&form));
        client->SetUseTessaroServer(!has("--local"));
        client->SetMultiStart(has("--multi"));
        client->OnAlreadyRunning = [](QObject*, bool BroughtToFront) {
            Print(QStringLiteral("already running front=%1").arg(BroughtToFront ? 1 : 0));
        };
        form.SetCaption(QStringLiteral("GL_Client window"));
        Print(QStringLiteral("handle %1").arg(client->OwnEntity().Handle));
        Print(QStringLiteral("server %1").arg(client->ServerEntity().Handle));
        Print(ParamsLine(*client));
        loading.End();
    } catch (const EVexaError& error) {
        Print(QStringLiteral("error ") + error.Message());
        return 1;
    }
    Print(QStringLiteral("caption ") + form.Caption());
    Print(QStringLiteral("running"));
    if (!has("--stay")) return 0;

    client->OnParamsChange = [](QObject* Sender) {
        Print(ParamsLine(*static_cast<TqmrCustomDemon*>(Sender)));
    };
    client->OnBringToFront = [](QObject*) { Print(QStringLiteral("front")); };
    client->OnQuitMsgReceived = [](QObject*, bool ServerDown, bool&) {
        Print(QStringLiteral("quit serverDown=%1").arg(ServerDown ? 1 : 0));
    };
    client->OnGotAMessage = [&client](QObject*, TLumeoMessageStream& Msg) {
        Print(QStringLiteral("got kind=%1 bytes=%2").arg(Msg.MsgKind).arg(Msg.Size()));
        if (Msg.MsgKind != 5001) return;
        TLumeoMessageStream answer(client);
        answer.MsgKind = 5002;
        answer.WriteBytes(Msg.Content());
        client->SendTo(Msg.Entity, answer);
    };
    // closing standard input ends the client the ordinary way, unregistering it
    // the program ends with its link, which a quit message from the server ends too
    QObject::connect(client, &QObject::destroyed, &app, &QCoreApplication::quit);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) return;
        input.setEnabled(false);
        delete client;
    });
    return app.exec();
}
