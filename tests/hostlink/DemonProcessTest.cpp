// Host-link clients as separate programs: the command line, two clients talking through the
// server, and the second start of a single-instance program.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "HostLinkTesting.h"

namespace {

QProcess* StartClient(TLinkSandbox& Sandbox, const QStringList& Arguments) {
    return Sandbox.Start(QStringLiteral(LUMEO_CLIENT_PROGRAM), Arguments);
}

quint32 Number(const QString& Line, const QString& Prefix) {
    EXPECT_TRUE(Line.startsWith(Prefix)) << qPrintable(Line);
    return Line.mid(Prefix.size()).toUInt();
}

quint32 ServerHandle(const QString& Text) {
    return TMessageEndpoint::Find(LumeoNames::ServerClassName(Text), LumeoNames::ServerTitle(Text));
}

}  // namespace

TEST(DemonProcess, ServerSwitchAndParameters) {
    TLinkSandbox sandbox;
    sandbox.StartServer(QStringLiteral("1a2b"));
    const quint32 server = ServerHandle(QStringLiteral("1a2b"));
    sandbox.SetViewerHandle(QStringLiteral("00000000"));

    // any letter case names the server; only the exact lower-case switch leaves the parameters
    QProcess* mixed = StartClient(sandbox, {"--local", "x", "/SERVERHANDLE=1A2B", "y"});
    EXPECT_EQ(Number(TLinkSandbox::LineStartingWith(mixed, "server "), "server "), server);
    EXPECT_EQ(TLinkSandbox::NextLine(mixed), QStringLiteral("params --local|x|/SERVERHANDLE=1A2B|y"));

    QProcess* exact = StartClient(sandbox, {"--local", "/serverhandle=nothere", "z", "/serverhandle=1a2b"});
    EXPECT_EQ(Number(TLinkSandbox::LineStartingWith(exact, "server "), "server "), server);
    EXPECT_EQ(TLinkSandbox::NextLine(exact), QStringLiteral("params --local|z"));

    QProcess* wrong = StartClient(sandbox, {"--local", "/serverhandle=1a2b", "/serverhandle=nothere"});
    EXPECT_EQ(Number(TLinkSandbox::LineStartingWith(wrong, "server "), "server "), 0u);

    // a setting other than "none" wins over the switch
    sandbox.SetViewerHandle(QStringLiteral("nothere"));
    QProcess* setting = StartClient(sandbox, {"--local", "/serverhandle=1a2b"});
    EXPECT_EQ(Number(TLinkSandbox::LineStartingWith(setting, "server "), "server "), 0u);
    for (QProcess* client : {mixed, exact, wrong, setting}) {
        ASSERT_TRUE(TLinkSandbox::WaitForExit(client));
        EXPECT_EQ(client->exitCode(), 0);
    }
}

TEST(DemonProcess, TwoClientsExchangeMessages) {
    TLinkSandbox sandbox;
    sandbox.StartServer(QStringLiteral("two"));
    QProcess* alpha =
        StartClient(sandbox, {"--title", "Alpha", "--register", "--stay", "/serverhandle=two"});
    const quint32 alphaHandle = Number(TLinkSandbox::LineStartingWith(alpha, "handle "), "handle ");
    ASSERT_NE(TLinkSandbox::LineStartingWith(alpha, "running"), QString());

    sandbox.SetViewerHandle(QStringLiteral("two"));
    TTestClient beta(nullptr);
    const std::unique_ptr<TEntity> found = beta.FindEntityByTitle(QStringLiteral("Alpha"));
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(found->Handle, alphaHandle);

    TLumeoMessageStream params(&beta);
    params.MsgKind = hmParams;
    params.WriteBytes("/bin/alpha\r\none\r\ntwo words\r\n");
    params.SendTo(*found);
    EXPECT_EQ(TLinkSandbox::LineStartingWith(alpha, "params"), QStringLiteral("params one|two words"));

    // Alpha answers from inside its handler: the answer is here before the send returns
    std::vector<QByteArray> answers;
    beta.OnGotAMessage = [&](QObject*, TLumeoMessageStream& Msg) {
        EXPECT_EQ(Msg.MsgKind, 5002);
        EXPECT_EQ(Msg.Entity.Handle, alphaHandle);
        answers.push_back(Msg.Content());
    };
    TLumeoMessageStream hello(&beta);
    hello.MsgKind = 5001;
    hello.WriteBytes("hello");
    hello.SendTo(*found);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], QByteArray("hello"));
    EXPECT_EQ(TLinkSandbox::LineStartingWith(alpha, "got"), QStringLiteral("got kind=5001 bytes=5"));
}

TEST(DemonProcess, SecondStartHandsOverItsParametersAndEnds) {
    TLinkSandbox sandbox;
    sandbox.StartServer(QStringLiteral("one"));
    QProcess* first =
        StartClient(sandbox, {"--title", "Solo", "--register", "--single", "--stay", "/serverhandle=one"});
    ASSERT_NE(TLinkSandbox::LineStartingWith(first, "running"), QString());

    QProcess* second = StartClient(sandbox, {"--title", "Solo", "--single", "/serverhandle=one", "book.lum"});
    ASSERT_TRUE(TLinkSandbox::WaitForExit(second));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    // it ended in the check, before it could say it runs
    EXPECT_FALSE(second->readAll().contains("running"));
    EXPECT_EQ(TLinkSandbox::LineStartingWith(first, "params"),
              QStringLiteral("params --title|Solo|--single|book.lum"));

    // once the first has ended, a start is a first start again
    first->closeWriteChannel();
    ASSERT_TRUE(TLinkSandbox::WaitForExit(first));
    QProcess* third = StartClient(sandbox, {"--title", "Solo", "--single", "/serverhandle=one"});
    EXPECT_NE(TLinkSandbox::LineStartingWith(third, "running"), QString());
}

TEST(DemonProcess, SecondStartWithoutServerJustEnds) {
    TLinkSandbox sandbox;
    QProcess* first = StartClient(sandbox, {"--local", "--single", "--stay"});
    ASSERT_NE(TLinkSandbox::LineStartingWith(first, "running"), QString());
    QProcess* second = StartClient(sandbox, {"--local", "--single", "more"});
    ASSERT_TRUE(TLinkSandbox::WaitForExit(second));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_FALSE(second->readAll().contains("running"));
    first->closeWriteChannel();
    ASSERT_TRUE(TLinkSandbox::WaitForExit(first));
    EXPECT_FALSE(first->readAll().contains("params"));  // nothing reached the first one
}
