// SPDX-License-Identifier: MIT
// The program under attack: a form with a host-link component that works without the server, as
// Gravilo does when no e-book viewer runs, loaded the way every form is.
//
//   hostile-target
//
// It prints "handle H" once its endpoint is findable, then serves until standard input closes.
// A message of kind 5001 is answered from inside its handler with a message of kind 5002 to the
// sender, whose content is three 32-bit numbers: the messages handled so far (this one included),
// the replies parked in the component, and the number of parameters.

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <unistd.h>
#include <cstdio>

#include "TForm.h"
#include "TqmrDemonClient.h"
#include "VexaError.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TForm form;
    QPointer<TqmrDemonClient> client;
    try {
        TLoadingScope loading;
        client = loading.Add(new TqmrDemonClient(&form));
        client->SetUseTessaroServer(false);
        client->SetMultiStart(true);
        loading.End();
    } catch (const EVexaError& error) {
        std::printf("error %s\n", qPrintable(error.Message()));
        return 1;
    }
    qint32 handled = 0;
    client->OnGotAMessage = [&](QObject*, TLumeoMessageStream& Msg) {
        ++handled;
        if (Msg.MsgKind != 5001) return;
        TLumeoMessageStream answer(client);
        answer.MsgKind = 5002;
        answer.WriteInt32(handled);
        answer.WriteInt32(qint32(client->PendingReplies().size()));
        answer.WriteInt32(client->ParamCount());
        client->SendTo(Msg.Entity, answer);
    };
    // a quit from a peer is not the attack under test
    client->OnQuitMsgReceived = [](QObject*, bool, bool& AllowQuit) { AllowQuit = false; };
    std::printf("handle %u\n", client->OwnEntity().Handle);
    std::fflush(stdout);

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
