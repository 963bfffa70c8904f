// SPDX-License-Identifier: MIT
// The host-link component against the stand-in server in its own process: every request kind,
// the server's log, its refusal to serve files from outside its folder (also to a racing
// request), its bounds, and its going down.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <atomic>
#include <csignal>
#include <thread>

#include "ELumeo.h"
#include "EReadError.h"
#include "EndpointFrame.h"
#include "EndpointSocket.h"
#include "HostLinkTesting.h"

namespace {

void WriteFile(const QString& Path, const QByteArray& Bytes) {
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
}

QString CanonicalRoot(const TLinkSandbox& Sandbox) {
    return QFileInfo(Sandbox.ServerRoot()).canonicalFilePath();
}

quint32 HandleLine(QProcess* Client) {
    const QString line = TLinkSandbox::LineStartingWith(Client, QStringLiteral("handle "));
    return line.mid(7).toUInt();
}

}  // namespace

TEST(LumeoServer, FoundThroughTheSettingOnly) {
    TLinkSandbox sandbox;
    sandbox.StartServer(QStringLiteral("abc"));
    const quint32 server = TMessageEndpoint::Find(LumeoNames::ServerClassName(QStringLiteral("abc")),
                                                  LumeoNames::ServerTitle(QStringLiteral("abc")));
    ASSERT_NE(server, 0u);
    EXPECT_EQ(TTestClient(nullptr).ServerEntity().Handle, 0u);  // nothing names it
    sandbox.SetViewerHandle(QStringLiteral("00000000"));
    EXPECT_EQ(TTestClient(nullptr).ServerEntity().Handle, 0u);  // "none", and no switch
    sandbox.SetViewerHandle(QStringLiteral("ABC"));
    EXPECT_EQ(TTestClient(nullptr).ServerEntity().Handle, server);

    TTestClient client(nullptr);
    EXPECT_TRUE(client.ServerEntity().IsValid());
    // the server tells about itself when asked for the missing details
    EXPECT_EQ(client.ServerEntity().GetTitle(), QStringLiteral("lumeo-server"));
    EXPECT_EQ(client.ServerEntity().GetExeName(),
              QFileInfo(QStringLiteral(LUMEO_SERVER_PROGRAM)).canonicalFilePath());
}

TEST(LumeoServer, ClientsAreRegisteredFoundAndForgotten) {
    TLinkSandbox sandbox;
    sandbox.StartServer(QStringLiteral("s1"));
    QProcess* alpha = sandbox.Start(QStringLiteral(LUMEO_CLIENT_PROGRAM),
                                    {QStringLiteral("--title"), QStringLiteral("Alpha"),
                                     QStringLiteral("--stay"), QStringLiteral("/serverhandle=s1")});
    const quint32 alphaHandle = HandleLine(alpha);
    ASSERT_NE(TLinkSandbox::LineStartingWith(alpha, QStringLiteral("running")), QString());

    sandbox.SetViewerHandle(QStringLiteral("s1"));
    TTestClient client(nullptr);
    const std::unique_ptr<TEntity> byTitle = client.FindEntityByTitle(QStringLiteral("Alpha"));
    ASSERT_NE(byTitle, nullptr);
    EXPECT_EQ(byTitle->Handle, alphaHandle);
    EXPECT_EQ(byTitle->Title, QStringLiteral("Alpha"));
    EXPECT_EQ(byTitle->ExeName, QFileInfo(QStringLiteral(LUMEO_CLIENT_PROGRAM)).canonicalFilePath());
    EXPECT_EQ(byTitle->Owner(), &client);
    const std::unique_ptr<TEntity> byHandle = client.FindEntityByHandle(alphaHandle);
    ASSERT_NE(byHandle, nullptr);
    EXPECT_EQ(byHandle->Title, QStringLiteral("Alpha"));
    EXPECT_EQ(client.FindEntityByTitle(QStringLiteral("alpha")), nullptr);
    EXPECT_EQ(client.FindEntityByHandle(client.OwnEntity().Handle), nullptr);  // not registered

    alpha->closeWriteChannel();  // ends it the ordinary way
    ASSERT_TRUE(TLinkSandbox::WaitForExit(alpha));
    EXPECT_EQ(alpha->exitCode(), 0);
    EXPECT_EQ(client.FindEntityByTitle(QStringLiteral("Alpha")), nullptr);
    const QStringList log = sandbox.ServerLogLines();
    EXPECT_TRUE(log.contains(
        QStringLiteral("kind=4098 from=%1 bytes=%2")
            .arg(alphaHandle)
            .arg(4 + 4 + 4 +
                 QFileInfo(QStringLiteral(LUMEO_CLIENT_PROGRAM)).canonicalFilePath().toUtf8().size() + 4 +
                 5)))
        << qPrintable(log.join('\n'));
    EXPECT_TRUE(log.filter(QStringLiteral("kind=4099 from=%1 ").arg(alphaHandle)).size() == 1);
    // the look-up of "Alpha": the selector, the length and five characters
    EXPECT_TRUE(log.contains(QStringLiteral("kind=4100 from=%1 bytes=10").arg(client.OwnEntity().Handle)));
}

TEST(LumeoServer, ClientThatVanishesIsForgotten) {
    TLinkSandbox sandbox;
    sandbox.StartServer(QStringLiteral("s2"));
    QProcess* beta = sandbox.Start(QStringLiteral(LUMEO_CLIENT_PROGRAM),
                                   {QStringLiteral("--title"), QStringLiteral("Beta"),
                                    QStringLiteral("--stay"), QStringLiteral("/serverhandle=s2")});
    ASSERT_NE(TLinkSandbox::LineStartingWith(beta, QStringLiteral("running")), QString());
    sandbox.SetViewerHandle(QStringLiteral("s2"));
    TTestClient client(nullptr);
    ASSERT_NE(client.FindEntityByTitle(QStringLiteral("Beta")), nullptr);
    ::kill(pid_t(beta->processId()), SIGKILL);
    ASSERT_TRUE(TLinkSandbox::WaitForExit(beta));
    EXPECT_EQ(client.FindEntityByTitle(QStringLiteral("Beta")), nullptr);
}

TEST(LumeoServer, FilesComeOnlyFromItsFolder) {
    TLinkSandbox sandbox;
    const QString root = sandbox.ServerRoot();
    WriteFile(root + "/book.txt", "inside");
    WriteFile(sandbox.Path("secret.txt"), "outside");
    ASSERT_TRUE(QFile::link(sandbox.Path("secret.txt"), root + "/link.txt"));
    ASSERT_TRUE(QDir(root).mkdir("sub"));
    WriteFile(root + "/sub/deep.txt", "deeper");
    ASSERT_TRUE(QFile::link("sub/deep.txt", root + "/inner.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(root + "/pipe").constData(), 0600), 0);
    sandbox.StartServer(QStringLiteral("files"));
    sandbox.SetViewerHandle(QStringLiteral("files"));
    TTestClient client(nullptr);

    const auto read = [&](const QString& name) -> QByteArray {
        const std::unique_ptr<QIODevice> stream = client.GetFileStream(name);
        if (!stream) return "<none>";
        EXPECT_EQ(stream->pos(), 0);
        return stream->readAll();
    };
    EXPECT_EQ(read("book.txt"), QByteArray("inside"));
    EXPECT_EQ(read(root + "/book.txt"), QByteArray("inside"));
    EXPECT_EQ(read("sub/deep.txt"), QByteArray("deeper"));
    EXPECT_EQ(read("sub/../book.txt"), QByteArray("inside"));
    EXPECT_EQ(read("../secret.txt"), QByteArray("<none>"));
    EXPECT_EQ(read(sandbox.Path("secret.txt")), QByteArray("<none>"));
    EXPECT_EQ(read("link.txt"), QByteArray("<none>"));
    EXPECT_EQ(read("inner.txt"), QByteArray("deeper"));  // a link that stays inside
    EXPECT_EQ(read("pipe"), QByteArray("<none>"));       // not waited on
    EXPECT_EQ(read("sub"), QByteArray("<none>"));
    EXPECT_EQ(read("missing.txt"), QByteArray("<none>"));
    EXPECT_EQ(read(QString()), QByteArray("<none>"));

    EXPECT_EQ(client.MapFileName("/usr/bin/gravilo"), CanonicalRoot(sandbox) + "/gravilo");
    EXPECT_EQ(client.MapFileName("plain.itl"), CanonicalRoot(sandbox) + "/plain.itl");

    // the language file comes from the server, named after this program
    const QString programName = QFileInfo(client.ParamStr(0)).fileName();
    WriteFile(root + "/" + programName + ".itl", "[GL_Mass]=Masse|$$");
    const std::unique_ptr<QIODevice> language = client.OpenLanguageStream();
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language->readAll(), QByteArray("[GL_Mass]=Masse|$$"));
}

TEST(LumeoServer, FilesCannotBeRacedOutOfItsFolder) {
    TLinkSandbox sandbox;
    const QString root = sandbox.ServerRoot();
    // deep below: the longer a name takes to look up, the more time a swap has
    const QString deep = QStringLiteral("/d").repeated(40) + QStringLiteral("/x.txt");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(root + "/sub" + deep).path()));
    WriteFile(root + "/sub" + deep, "inside");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(sandbox.Path("outside") + deep).path()));
    WriteFile(sandbox.Path("outside") + deep, "outside");
    ASSERT_TRUE(QFile::link(sandbox.Path("outside"), root + "/swap"));
    sandbox.StartServer(QStringLiteral("race"));
    sandbox.SetViewerHandle(QStringLiteral("race"));
    TTestClient client(nullptr);

    // "sub" is the folder inside, then the link to the one outside, back and forth all the time
    const QByteArray sub = QFile::encodeName(root + "/sub"), swap = QFile::encodeName(root + "/swap");
    std::atomic<bool> stop{false};
    std::thread swapper([&] {
        while (!stop) ::renameat2(AT_FDCWD, sub.constData(), AT_FDCWD, swap.constData(), RENAME_EXCHANGE);
    });
    int inside = 0, outside = 0;
    for (int i = 0; i < 2000; ++i) {
        const std::unique_ptr<QIODevice> stream = client.GetFileStream("sub" + deep);
        if (stream) ++(stream->readAll() == "inside" ? inside : outside);
    }
    stop = true;
    swapper.join();
    EXPECT_EQ(outside, 0) << inside << " came from inside";
    EXPECT_GT(inside, 0);
}

TEST(LumeoServer, ServesTheWholeFileSystemOrAFolderThatIsThere) {
    TLinkSandbox sandbox;
    WriteFile(sandbox.Path("file.txt"), "anywhere");
    sandbox.StartServer(QStringLiteral("all"), QStringLiteral("/"));
    sandbox.SetViewerHandle(QStringLiteral("all"));
    TTestClient client(nullptr);
    const std::unique_ptr<QIODevice> stream = client.GetFileStream(sandbox.Path("file.txt"));
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->readAll(), QByteArray("anywhere"));
    EXPECT_EQ(client.MapFileName("/usr/bin/gravilo"), QStringLiteral("/gravilo"));
    EXPECT_EQ(client.GetEnvironmentValue("TessaroHomeDir"), QStringLiteral("/"));

    QProcess* nowhere = sandbox.Start(QStringLiteral(LUMEO_SERVER_PROGRAM),
                                      {"--text", "nowhere", "--root", sandbox.Path("missing")});
    ASSERT_TRUE(TLinkSandbox::WaitForExit(nowhere));
    EXPECT_EQ(nowhere->exitCode(), 1);
}

TEST(LumeoServer, RegistrationsAreBounded) {
    TLinkSandbox sandbox;
    sandbox.StartServer(QStringLiteral("bounds"));
    sandbox.SetViewerHandle(QStringLiteral("bounds"));
    TTestClient client(nullptr);
    const quint32 handle = client.OwnEntity().Handle;
    // a title beyond 4096 characters is not kept
    client.OwnEntity().Title = QString(4097, QLatin1Char('t'));
    client.RegisterWithServer();
    EXPECT_EQ(client.FindEntityByHandle(handle), nullptr);
    client.OwnEntity().Title = QString(4096, QLatin1Char('t'));
    client.RegisterWithServer();
    const std::unique_ptr<TEntity> found = client.FindEntityByHandle(handle);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Title.size(), 4096);
}

TEST(LumeoServer, EnvironmentAndQueries) {
    TLinkSandbox sandbox;
    qputenv("LUMEO_TEST_VALUE", "from the server");
    sandbox.StartServer(QStringLiteral("env"));
    qunsetenv("LUMEO_TEST_VALUE");
    sandbox.SetViewerHandle(QStringLiteral("env"));
    TTestClient client(nullptr);
    EXPECT_EQ(client.GetEnvironmentValue("TessaroWorkArea"), CanonicalRoot(sandbox) + "/");
    EXPECT_EQ(client.GetEnvironmentValue("TessaroHomeDir"), CanonicalRoot(sandbox) + "/");
    EXPECT_EQ(client.GetEnvironmentValue("LUMEO_TEST_VALUE"), QStringLiteral("from the server"));
    EXPECT_EQ(client.GetEnvironmentValue("LUMEO_NO_SUCH_VALUE"), QString());
    EXPECT_EQ(client.QueryString("Version"), QStringLiteral("lumeo-server 1.0"));
    EXPECT_EQ(client.QueryString("ServerText"), QStringLiteral("env"));
    EXPECT_EQ(client.QueryString("nothing"), QString());

    // without the server the work area is the program's own folder
    client.SetUseTessaroServer(false);
    const QString own = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + "/";
    EXPECT_EQ(client.GetEnvironmentValue("TessaroWorkArea"), own);
    EXPECT_EQ(client.GetEnvironmentValue("TessaroHomeDir"), own);
    EXPECT_EQ(client.GetEnvironmentValue("tessarohomedir"), QString());
    EXPECT_EQ(client.GetEnvironmentValue("LUMEO_TEST_VALUE"), QString());
}

TEST(LumeoServer, ProgramsAreStartedAndWaitedFor) {
    TLinkSandbox sandbox;
    sandbox.StartServer(QStringLiteral("exec"));
    sandbox.SetViewerHandle(QStringLiteral("exec"));
    TTestClient client(nullptr);

    const qint32 pid = client.ExecuteProgram("/bin/sh", "-c \"exit 0\"", false, 0);
    EXPECT_GT(pid, 0);

    // waiting really waits: the mark exists once the call returns
    const QString mark = sandbox.Path("mark");
    EXPECT_EQ(
        client.ExecuteProgram("sh", QStringLiteral("-c \"sleep 0.3; echo done > '%1'\"").arg(mark), true, 0),
        0);
    EXPECT_TRUE(QFileInfo::exists(mark));
    // a program that is over before we look can still be waited for
    EXPECT_EQ(client.ExecuteProgram("/bin/true", QString(), true, 0), 0);

    try {
        client.ExecuteProgram("/no/such/program", QString(), false, 0);
        ADD_FAILURE() << "starting a missing program did not fail";
    } catch (const ELumeo& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Could not execute \"/no/such/program.\""));
    }
}

TEST(LumeoServer, ServerThatStopsAnsweringCostsOnlyTheBound) {
    TLinkSandbox sandbox;
    QProcess* server = sandbox.StartServer(QStringLiteral("slow"));
    sandbox.SetViewerHandle(QStringLiteral("slow"));
    TTestClient client(nullptr);
    client.SetSendTimeout(300);
    ASSERT_EQ(client.QueryString("Version"), QStringLiteral("lumeo-server 1.0"));

    ::kill(pid_t(server->processId()), SIGSTOP);
    QElapsedTimer clock;
    clock.start();
    EXPECT_THROW(client.QueryString("Version"), EReadError);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 3000);
    ::kill(pid_t(server->processId()), SIGCONT);
    client.SetSendTimeout(5000);
    EXPECT_EQ(client.QueryString("Version"), QStringLiteral("lumeo-server 1.0"));
}

TEST(LumeoServer, GoingDownEndsItsClients) {
    TLinkSandbox sandbox;
    QProcess* server = sandbox.StartServer(QStringLiteral("down"));
    sandbox.SetViewerHandle(QStringLiteral("down"));
    QProcess* other =
        sandbox.Start(QStringLiteral(LUMEO_CLIENT_PROGRAM),
                      {QStringLiteral("--title"), QStringLiteral("Other"), QStringLiteral("--stay")});
    ASSERT_NE(TLinkSandbox::LineStartingWith(other, QStringLiteral("running")), QString());

    QPointer<TTestClient> client = new TTestClient(nullptr);
    client->RegisterWithServer();
    const quint32 handle = client->OwnEntity().Handle;
    bool serverDown = false;
    client->OnQuitMsgReceived = [&](QObject*, bool ServerDown, bool&) { serverDown = ServerDown; };

    ::kill(pid_t(server->processId()), SIGTERM);
    ASSERT_TRUE(WaitUntil([&] { return client.isNull(); }));
    EXPECT_TRUE(serverDown);
    EXPECT_EQ(TLinkSandbox::LineStartingWith(other, QStringLiteral("quit")),
              QStringLiteral("quit serverDown=1"));
    ASSERT_TRUE(TLinkSandbox::WaitForExit(other));
    EXPECT_EQ(other->exitCode(), 0);
    ASSERT_TRUE(TLinkSandbox::WaitForExit(server));
    EXPECT_EQ(server->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server->exitCode(), 0);
    // the server went down: nobody said goodbye to it
    const QStringList log = sandbox.ServerLogLines();
    EXPECT_TRUE(log.contains(QStringLiteral("kind=4098 from=%1 bytes=%2")
                                 .arg(handle)
                                 .arg(16 + QCoreApplication::applicationFilePath().toUtf8().size() +
                                      QCoreApplication::applicationName().toUtf8().size())))
        << qPrintable(log.join('\n'));
    EXPECT_TRUE(log.filter(QStringLiteral("kind=4099")).isEmpty());
}

// A peer sends requests in the name of an endpoint that never answers: each reply waits for it,
// and each next request comes in while the one before still waits. Going down waits for none.
TEST(LumeoServer, GoingDownDoesNotWaitForRepliesToAPeerThatDoesNotAnswer) {
    TLinkSandbox sandbox;
    QProcess* server = sandbox.StartServer(QStringLiteral("busy"));
    const quint32 serverHandle = TMessageEndpoint::Find(LumeoNames::ServerClassName(QStringLiteral("busy")),
                                                        LumeoNames::ServerTitle(QStringLiteral("busy")));
    QProcess* silent = sandbox.Start(QStringLiteral(ENDPOINT_PEER_PROGRAM), {"hang", "Silent", "peer"});
    const quint32 silentHandle = HandleLine(silent);
    ASSERT_NE(silentHandle, 0u);

    TLumeoMessageStream request;
    request.MsgKind = hmQueryString;
    request.SetStamp(QDateTime::currentDateTime());
    request.WriteString(QStringLiteral("Version"));
    const QByteArray frame =
        EndpointFrame::EncodeSend({silentHandle, serverHandle, hmQueryString, 0, false}, request.ToWire());
    std::vector<int> connections;
    for (int i = 0; i < 4; ++i) {
        connections.push_back(ConnectToEndpoint(serverHandle));
        ASSERT_EQ(::send(connections.back(), frame.constData(), size_t(frame.size()), MSG_NOSIGNAL),
                  frame.size());
        WaitUntil([] { return false; }, 300);
    }
    QElapsedTimer clock;
    clock.start();
    ::kill(pid_t(server->processId()), SIGTERM);
    ASSERT_TRUE(TLinkSandbox::WaitForExit(server, 20000));
    EXPECT_LT(clock.elapsed(), 2000);  // well within the time one reply may wait
    EXPECT_EQ(server->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server->exitCode(), 0);
    for (const int fd : connections) ::close(fd);
}

TEST(LumeoServer, DestructionUnregisters) {
    TLinkSandbox sandbox;
    sandbox.StartServer(QStringLiteral("bye"));
    sandbox.SetViewerHandle(QStringLiteral("bye"));
    quint32 handle = 0;
    {
        TTestClient client(nullptr);
        client.RegisterWithServer();
        handle = client.OwnEntity().Handle;
        TLumeoMessageStream empty;
        empty.MsgKind = 5000;
        client.SendTo(client.ServerEntity(), empty);
    }
    const QStringList log = sandbox.ServerLogLines();
    ASSERT_EQ(log.size(), 3) << qPrintable(log.join('\n'));
    EXPECT_TRUE(log[0].startsWith(QStringLiteral("kind=4098 from=%1 ").arg(handle)));
    EXPECT_EQ(log[1], QStringLiteral("kind=5000 from=%1 bytes=0").arg(handle));
    EXPECT_EQ(log[2], QString(log[0]).replace("kind=4098", "kind=4099"));
}
