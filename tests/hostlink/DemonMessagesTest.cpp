// SPDX-License-Identifier: MIT
// The host-link component against a scripted server: request bytes, pairing of replies by stamp,
// and what it does with quit, parameter and other messages.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QThread>

#include "ELumeo.h"
#include "EReadError.h"
#include "HostLinkTesting.h"

TEST(DemonMessages, RequestsTravelAsTheirExactBytes) {
    TLinkSandbox sandbox;
    TScriptedServer server(sandbox, QStringLiteral("fake"));
    TTestClient client(nullptr);
    ASSERT_EQ(client.ServerEntity().Handle, server.Endpoint.Handle());

    EXPECT_EQ(client.FindEntityByTitle(QStringLiteral("abc")), nullptr);  // no answer: no entity
    ASSERT_EQ(server.Requests.size(), 1u);
    const auto& find = server.Requests[0];
    EXPECT_EQ(find.Message->MsgKind, 4100);
    EXPECT_EQ(find.Sender, client.OwnEntity().Handle);
    EXPECT_EQ(find.DataSize, 16);
    EXPECT_EQ(find.Message->Content(), QByteArray("\x02\x03\x00\x00\x00"
                                                  "abc",
                                                  8));

    TLumeoMessageStream empty;
    empty.MsgKind = 4242;
    client.SendTo(client.ServerEntity(), empty);
    EXPECT_EQ(server.Requests.back().DataSize, 8);
    EXPECT_EQ(server.Requests.back().Message->MsgKind, 4242);
    // the stamp is the local time of sending
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_EQ(empty.StampDate, QDate(1, 1, 1).daysTo(now.date()) + 1);
    EXPECT_NEAR(empty.StampTime, now.time().msecsSinceStartOfDay(), 60000);
    EXPECT_TRUE(server.Requests.back().Message->SameStamp(empty));
}

TEST(DemonMessages, RepliesArePairedByStamp) {
    TLinkSandbox sandbox;
    TScriptedServer server(sandbox, QStringLiteral("fake"));
    server.OnRequest = [&](TLumeoMessageStream& Request) {
        TLumeoMessageStream stray;
        stray.Assign(Request);
        stray.StampTime += 1;  // a reply to some other request
        server.SendTo(Request.Entity.Handle, hmReply, TScriptedServer::String(QStringLiteral("stray")),
                      &stray);
        server.Reply(Request, TScriptedServer::String(QStringLiteral("/first")));
        server.Reply(Request, TScriptedServer::String(QStringLiteral("/second")));
    };
    QPointer<TTestClient> client = new TTestClient(nullptr);
    EXPECT_EQ(client->MapFileName(QStringLiteral("x")), QStringLiteral("/first"));
    // the stray one and the second of the same stamp wait, unclaimed, until the component goes
    ASSERT_EQ(client->PendingReplies().size(), 2u);
    EXPECT_EQ(client->PendingReplies()[0]->MsgKind, hmReply);
    EXPECT_EQ(client->PendingReplies()[0]->StampTime, server.Requests[0].Message->StampTime + 1);

    server.OnRequest = [&](TLumeoMessageStream& Request) {
        server.Reply(Request, TScriptedServer::String(QStringLiteral("/again")));
    };
    QThread::msleep(2);  // a new millisecond, a new stamp
    EXPECT_EQ(client->MapFileName(QStringLiteral("y")), QStringLiteral("/again"));
    EXPECT_EQ(client->PendingReplies().size(), 2u);
    delete client;
}

TEST(DemonMessages, QuitInsideARequestWaitsUntilTheHandlingHasReturned) {
    TLinkSandbox sandbox;
    TScriptedServer server(sandbox, QStringLiteral("fake"));
    server.OnRequest = [&](TLumeoMessageStream& Request) {
        if (Request.MsgKind != hmMapFileName) return;
        server.SendTo(Request.Entity.Handle, hmQuit, QByteArray(1, '\0'));
        server.Reply(Request, TScriptedServer::String(QStringLiteral("/mapped")));
    };
    QPointer<TTestClient> client = new TTestClient(nullptr);
    bool quitSeen = false;
    client->OnQuitMsgReceived = [&](QObject*, bool ServerDown, bool& AllowQuit) {
        quitSeen = true;
        EXPECT_FALSE(ServerDown);
        EXPECT_TRUE(AllowQuit);
    };
    EXPECT_EQ(client->MapFileName(QStringLiteral("x")), QStringLiteral("/mapped"));
    EXPECT_TRUE(quitSeen);
    ASSERT_TRUE(client);  // still whole: its request was on the stack
    EXPECT_FALSE(client->ServerDown());
    ASSERT_TRUE(WaitUntil([&] { return client.isNull(); }));
    // the server did not go down, so the component said goodbye
    EXPECT_EQ(server.Count(hmUnregister), 1);
}

TEST(DemonMessages, QuitWithServerDownEndsTheComponentSilently) {
    TLinkSandbox sandbox;
    TScriptedServer server(sandbox, QStringLiteral("fake"));
    QPointer<TTestClient> client = new TTestClient(nullptr);
    ASSERT_TRUE(server.SendTo(client->OwnEntity().Handle, hmQuit, QByteArray(1, '\1')));
    ASSERT_TRUE(WaitUntil([&] { return client.isNull(); }));
    EXPECT_EQ(server.Count(hmUnregister), 0);
}

TEST(DemonMessages, QuitCanBeRefusedAndNeedsItsByte) {
    TLinkSandbox sandbox;
    TScriptedServer server(sandbox, QStringLiteral("fake"));
    QPointer<TTestClient> client = new TTestClient(nullptr);
    int asked = 0;
    client->OnQuitMsgReceived = [&](QObject* Sender, bool, bool& AllowQuit) {
        EXPECT_EQ(Sender, client.data());
        ++asked;
        AllowQuit = false;
    };
    const quint32 handle = client->OwnEntity().Handle;
    // without its byte the message is a read error: nothing changes
    EXPECT_TRUE(server.SendTo(handle, hmQuit, QByteArray()));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(server.SendTo(handle, hmQuit, QByteArray(1, '\x05')));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(client->ServerDown());
    WaitUntil([] { return false; }, 50);
    ASSERT_TRUE(client);
    // still at work: it asks, and without an answer reading the reply fails
    EXPECT_THROW(client->MapFileName(QStringLiteral("still")), EReadError);
    EXPECT_EQ(server.Count(hmMapFileName), 1);
    delete client;
}

TEST(DemonMessages, ParameterMessagesReplaceTheParameters) {
    TLinkSandbox sandbox;
    TScriptedServer server(sandbox, QStringLiteral("fake"));
    TTestClient client(nullptr);
    EXPECT_EQ(client.ParamStr(0), QCoreApplication::applicationFilePath());
    EXPECT_EQ(client.ParamCount(), client.Params().size() - 1);
    int changes = 0;
    client.OnParamsChange = [&](QObject* Sender) {
        EXPECT_EQ(Sender, &client);
        ++changes;
    };
    ASSERT_TRUE(
        server.SendTo(client.OwnEntity().Handle, hmParams, "/other/gravilo\r\nfirst\nsecond\rthird\r\n"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(client.Params(), QStringList({"/other/gravilo", "first", "second", "third"}));
    EXPECT_EQ(client.ParamCount(), 3);
    EXPECT_EQ(client.ParamStr(0), QCoreApplication::applicationFilePath());
    EXPECT_EQ(client.ParamStr(3), QStringLiteral("third"));
    for (const int wrong : {-1, 4}) {
        try {
            client.ParamStr(wrong);
            ADD_FAILURE() << "ParamStr(" << wrong << ") did not fail";
        } catch (const ELumeo& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("Illegal \"ParamStr\" parameter: %1").arg(wrong));
        }
    }
    // more lines than a parameter list may have: refused whole, before any of them is made
    const QByteArray breaks(TqmrCustomDemon::MaxParams, '\n');
    ASSERT_TRUE(server.SendTo(client.OwnEntity().Handle, hmParams, breaks + "x"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(client.ParamCount(), 3);
    ASSERT_TRUE(server.SendTo(client.OwnEntity().Handle, hmParams, breaks));
    EXPECT_EQ(client.ParamCount(), TqmrCustomDemon::MaxParams - 1);

    ASSERT_TRUE(server.SendTo(client.OwnEntity().Handle, hmParams, QByteArray()));
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(client.Params().isEmpty());
    EXPECT_EQ(client.ParamCount(), -1);
}

TEST(DemonMessages, OtherKindsGoToOnGotAMessage) {
    TLinkSandbox sandbox;
    TScriptedServer server(sandbox, QStringLiteral("fake"));
    TTestClient client(nullptr);
    std::vector<std::pair<qint32, QString>> got;
    client.OnGotAMessage = [&](QObject* Sender, TLumeoMessageStream& Msg) {
        EXPECT_EQ(Sender, &client);
        EXPECT_EQ(Msg.Entity.Handle, server.Endpoint.Handle());
        EXPECT_EQ(Msg.Position(), 0);
        got.emplace_back(Msg.MsgKind, Msg.Size() > 0 ? Msg.ReadString() : QString());
    };
    ASSERT_TRUE(
        server.SendTo(client.OwnEntity().Handle, 5000, TScriptedServer::String(QStringLiteral("hello"))));
    ASSERT_TRUE(
        server.SendTo(client.OwnEntity().Handle, hmExecute, TScriptedServer::String(QStringLiteral("x"))));
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], std::make_pair(qint32(5000), QStringLiteral("hello")));
    EXPECT_EQ(got[1].first, qint32(hmExecute));

    // data too short for a stamp is refused before anything reads it
    EXPECT_TRUE(server.Endpoint.Send(client.OwnEntity().Handle, 5000, QByteArray(7, 'x')));
    EXPECT_EQ(got.size(), 2u);
    EXPECT_TRUE(client.PendingReplies().empty());
    ASSERT_TRUE(server.SendTo(client.OwnEntity().Handle, 5001, QByteArray()));
    EXPECT_EQ(got.size(), 3u);
}

TEST(DemonMessages, SendsToNobodyReturnAtOnceWithAnEmptyReply) {
    TLinkSandbox sandbox;
    TTestClient client(nullptr);
    EXPECT_EQ(client.ServerEntity().Handle, 0u);
    QElapsedTimer clock;
    clock.start();
    TLumeoMessageStream message;
    message.MsgKind = hmMapFileName;
    message.WriteString(QStringLiteral("x"));
    TLumeoMessageStream reply;
    TEntity nobody;
    client.SendTo(nobody, message, &reply);
    EXPECT_EQ(reply.Size(), 0);
    {
        TMessageEndpoint gone;
        ASSERT_TRUE(gone.Create(QStringLiteral("Gone"), QString()));
        nobody.Handle = gone.Handle();
    }
    client.SendTo(nobody, message, &reply);
    EXPECT_EQ(reply.Size(), 0);
    EXPECT_EQ(message.Owner(), &client);
    EXPECT_EQ(reply.Owner(), &client);
    // every request then fails as its reply is read; only the look-ups test for it
    EXPECT_EQ(client.FindEntityByTitle(QStringLiteral("x")), nullptr);
    EXPECT_EQ(client.FindEntityByHandle(1), nullptr);
    EXPECT_THROW(client.MapFileName(QStringLiteral("x")), EReadError);
    EXPECT_THROW(client.QueryString(QStringLiteral("x")), EReadError);
    EXPECT_THROW(client.GetFileStream(QStringLiteral("x")), EReadError);
    EXPECT_THROW(client.GetEnvironmentValue(QStringLiteral("x")), EReadError);
    EXPECT_THROW(client.ExecuteProgram(QStringLiteral("x"), QString(), false, 0), EReadError);
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST(DemonMessages, ExecuteAnswersAreTakenAsTheyCome) {
    TLinkSandbox sandbox;
    TScriptedServer server(sandbox, QStringLiteral("fake"));
    qint32 answer = 0;
    server.OnRequest = [&](TLumeoMessageStream& Request) {
        TLumeoMessageStream reply;
        reply.WriteInt32(answer);
        server.Reply(Request, reply.Content());
    };
    TTestClient client(nullptr);
    answer = 123456;
    EXPECT_EQ(client.ExecuteProgram(QStringLiteral("viewer"), QStringLiteral("-a b"), false, 17), 123456);
    TLumeoMessageStream& request = *server.Requests.back().Message;
    EXPECT_EQ(request.ReadString(), QStringLiteral("viewer"));
    EXPECT_EQ(request.ReadString(), QStringLiteral("-a b"));
    EXPECT_FALSE(request.ReadBool());
    EXPECT_EQ(request.ReadInt32(), 17);
    EXPECT_EQ(request.Position(), request.Size());

    answer = 0;
    try {
        client.ExecuteProgram(QStringLiteral("viewer"), QString(), false, 0);
        ADD_FAILURE() << "a refused start did not fail";
    } catch (const ELumeo& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Could not execute \"viewer.\""));
    }
    // waiting for a process that cannot be opened fails the same way
    answer = 0x7FFFFFF0;
    EXPECT_THROW(client.ExecuteProgram(QStringLiteral("viewer"), QString(), true, 0), ELumeo);
}
