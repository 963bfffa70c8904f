// A host-link client in a process of its own, for the host-link tests.
//
//   lumeo-test-client [--title T] [--local] [--register] [--single] [--stay] [PARAMETER...]
//
//   --title T    the application title
//   --local      work without the server (UseTessaroServer false)
//   --register   register with the server
//   --single     keep to one instance: a second start hands over its parameters and ends
//   --stay       keep running until standard input closes or the server says quit
//
// It prints "handle H", "server S", "params P1|P2|..." (ParamStr 1 to ParamCount) at start, and
// while it stays "params ..." when a parameter message came, "got kind=K bytes=B" for any other
// message (a kind 5001 is answered from inside the handler with a kind 5002 carrying the same
// content), and "quit serverDown=0/1" for a quit message.

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

#include "LumeoProtocol.h"
#include "TqmrDemonClient.h"

namespace {

class TTestClient : public TqmrDemonClient {
public:
    using TqmrDemonClient::TqmrDemonClient;
    using TqmrCustomDemon::CheckSingleInstance;
    using TqmrDemonClient::RegisterWithServer;
};

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
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const auto has = [&](const char* option) { return arguments.contains(QLatin1String(option)); };
    const qsizetype title = arguments.indexOf(QStringLiteral("--title"));
    if (title > 0 && title + 1 < arguments.size()) QCoreApplication::setApplicationName(arguments[title + 1]);

    QPointer<TTestClient> client = new TTestClient(nullptr);
    client->SetUseTessaroServer(!has("--local"));
    Print(QStringLiteral("handle %1").arg(client->OwnEntity().Handle));
    Print(QStringLiteral("server %1").arg(client->ServerEntity().Handle));
    Print(ParamsLine(*client));
    if (has("--register")) client->RegisterWithServer();
    if (has("--single")) client->CheckSingleInstance();
    Print(QStringLiteral("running"));
    if (!has("--stay")) {
        delete client;
        return 0;
    }

    client->OnParamsChange = [](QObject* Sender) { Print(ParamsLine(*static_cast<TqmrCustomDemon*>(Sender))); };
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
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) return;
        input.setEnabled(false);
        delete client;
        QCoreApplication::quit();
    });
    return app.exec();
}
