// SPDX-License-Identifier: MIT
// Host-link clients as separate programs: the command line, two clients talking through the
// server, and the second start of a single-instance program.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include "HostLinkTesting.h"
#include "TSingleInstanceLock.h"

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
    QProcess* mixed = StartClient(sandbox, {"--local", "--multi", "x", "/SERVERHANDLE=1A2B", "y"});
    EXPECT_EQ(Number(TLinkSandbox::LineStartingWith(mixed, "server "), "server "), server);
    EXPECT_EQ(NextLine(mixed), QStringLiteral("params --local|--multi|x|/SERVERHANDLE=1A2B|y"));

    QProcess* exact =
        StartClient(sandbox, {"--local", "--multi", "/serverhandle=nothere", "z", "/serverhandle=1a2b"});
    EXPECT_EQ(Number(TLinkSandbox::LineStartingWith(exact, "server "), "server "), server);
    EXPECT_EQ(NextLine(exact), QStringLiteral("params --local|--multi|z"));

    QProcess* wrong =
        StartClient(sandbox, {"--local", "--multi", "/serverhandle=1a2b", "/serverhandle=nothere"});
    EXPECT_EQ(Number(TLinkSandbox::LineStartingWith(wrong, "server "), "server "), 0u);

    // a setting other than "none" wins over the switch
    sandbox.SetViewerHandle(QStringLiteral("nothere"));
    QProcess* setting = StartClient(sandbox, {"--local", "--multi", "/serverhandle=1a2b"});
    EXPECT_EQ(Number(TLinkSandbox::LineStartingWith(setting, "server "), "server "), 0u);
    for (QProcess* client : {mixed, exact, wrong, setting}) {
        ASSERT_TRUE(TLinkSandbox::WaitForExit(client));
        EXPECT_EQ(client->exitCode(), 0);
    }
}

TEST(DemonProcess, TwoClientsExchangeMessages) {
    TLinkSandbox sandbox;
    sandbox.StartServer(QStringLiteral("two"));
    QProcess* alpha = StartClient(sandbox, {"--title", "Alpha", "--stay", "/serverhandle=two"});
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
    QProcess* first = StartClient(sandbox, {"--title", "Solo", "--stay", "/serverhandle=one"});
    ASSERT_NE(TLinkSandbox::LineStartingWith(first, "running"), QString());

    QProcess* second = StartClient(sandbox, {"--title", "Solo", "/serverhandle=one", "book.lum"});
    // it ended in the check, before it could say it runs
    EXPECT_EQ(TLinkSandbox::LineStartingWith(second, "already running"),
              QStringLiteral("already running front=1"));
    ASSERT_TRUE(TLinkSandbox::WaitForExit(second));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(TLinkSandbox::LineStartingWith(first, "params"),
              QStringLiteral("params --title|Solo|book.lum"));
    EXPECT_EQ(TLinkSandbox::LineStartingWith(first, "front"), QStringLiteral("front"));

    // once the first has ended, a start is a first start again
    first->closeWriteChannel();
    ASSERT_TRUE(TLinkSandbox::WaitForExit(first));
    QProcess* third = StartClient(sandbox, {"--title", "Solo", "/serverhandle=one"});
    EXPECT_NE(TLinkSandbox::LineStartingWith(third, "running"), QString());
}

// Without the server the parameters stay behind, but the running window still comes forward: the
// second start finds it at the lock holder's own endpoint. A holder without one is not told.
TEST(DemonProcess, SecondStartWithoutServerBringsTheFirstForward) {
    TLinkSandbox sandbox;
    QProcess* first = StartClient(sandbox, {"--local", "--stay"});
    ASSERT_NE(TLinkSandbox::LineStartingWith(first, "running"), QString());
    QProcess* second = StartClient(sandbox, {"--local", "more"});
    EXPECT_EQ(TLinkSandbox::LineStartingWith(second, "already running"),
              QStringLiteral("already running front=1"));
    ASSERT_TRUE(TLinkSandbox::WaitForExit(second));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(TLinkSandbox::LineStartingWith(first, "front"), QStringLiteral("front"));
    first->closeWriteChannel();
    ASSERT_TRUE(TLinkSandbox::WaitForExit(first));
    EXPECT_FALSE(first->readAll().contains("params"));  // nothing else reached the first one

    TSingleInstanceLock held(QStringLiteral("LU_lumeo-test-client"));
    ASSERT_EQ(held.TryAcquire(), TSingleInstanceLock::TResult::Acquired);
    QProcess* third = StartClient(sandbox, {"--local"});
    EXPECT_EQ(TLinkSandbox::LineStartingWith(third, "already running"),
              QStringLiteral("already running front=0"));
    ASSERT_TRUE(TLinkSandbox::WaitForExit(third));
    EXPECT_EQ(third->exitCode(), 0);
}

TEST(DemonProcess, LanguageFileBesideTheProgram) {
    TLinkSandbox sandbox;
    // a copy of the program in a folder of its own, so that its language file can lie beside it
    ASSERT_TRUE(QDir(sandbox.Path(QString())).mkdir(QStringLiteral("bin")));
    const QString program = sandbox.Path(QStringLiteral("bin/lumeo-test-client"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LUMEO_CLIENT_PROGRAM), program));

    QProcess* bare = sandbox.Start(program, {"--local"});
    EXPECT_EQ(TLinkSandbox::LineStartingWith(bare, "caption"), QStringLiteral("caption Client window"));
    ASSERT_TRUE(TLinkSandbox::WaitForExit(bare));

    QFile language(program + QStringLiteral(".itl"));
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    language.write("[Client window]=Kundenfenster|$$\r\n");
    language.close();
    QProcess* translated = sandbox.Start(program, {"--local"});
    EXPECT_EQ(TLinkSandbox::LineStartingWith(translated, "caption"), QStringLiteral("caption Kundenfenster"));
    ASSERT_TRUE(TLinkSandbox::WaitForExit(translated));
    EXPECT_EQ(translated->exitCode(), 0);
}

TEST(DemonProcess, RequiredServerThatIsMissingEndsTheStart) {
    TLinkSandbox sandbox;
    QProcess* client = StartClient(sandbox, {"--multi"});
    EXPECT_EQ(TLinkSandbox::LineStartingWith(client, "error"),
              QStringLiteral("error Lumeo server application is not running"));
    ASSERT_TRUE(TLinkSandbox::WaitForExit(client));
    EXPECT_EQ(client->exitCode(), 1);
}
