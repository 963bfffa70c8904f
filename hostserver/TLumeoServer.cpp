// SPDX-License-Identifier: MIT
#include "TLumeoServer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>

#include "LumeoProtocol.h"
#include "SystemError.h"

namespace {

// the stamp and the one-byte "found" flag share the frame with a file's bytes
constexpr qint64 MaxFileSize = TMessageEndpoint::MaxDataSize - 9;

}  // namespace

TLumeoServer::TLumeoServer(const QString& Text, const QString& Root, const QString& LogPath)
    : FText(Text), FRoot(Root), FLog(LogPath) {}

bool TLumeoServer::Start(QString* Error) {
    if (!FRoot.Open(Error)) return false;
    if (!FLog.fileName().isEmpty() &&
        !FLog.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        *Error = QStringLiteral("cannot open the log %1: %2").arg(FLog.fileName(), FLog.errorString());
        return false;
    }
    if (TEndpointDirectory::Prepare(Error).isEmpty()) return false;
    if (!FWindow.Create(LumeoNames::ServerClassName(FText), LumeoNames::ServerTitle(FText))) {
        *Error = QStringLiteral("cannot create the server endpoint: %1").arg(SystemError::LastErrorString());
        return false;
    }
    FWindow.OnReceive = [this](quint32 Sender, qint32 DataId, const QByteArray& Data) {
        Receive(Sender, DataId, Data);
    };
    return true;
}

void TLumeoServer::Shutdown() {
    FGoingDown = true;
    QElapsedTimer clock;
    clock.start();
    for (const TEntity& client : FClients.Clients()) {
        const qint64 left = ShutdownLimitMs - clock.elapsed();
        if (left <= 0) break;
        FWindow.SetSendTimeout(int(left));
        TLumeoMessageStream quit;
        quit.MsgKind = hmQuit;
        quit.WriteBool(true);
        quit.SetStamp(QDateTime::currentDateTime());
        FWindow.Send(client.Handle, quit.MsgKind, quit.ToWire());
    }
}

void TLumeoServer::Log(qint32 Kind, quint32 Sender, qint64 ContentSize) {
    if (!FLog.isOpen()) return;
    FLog.write(QStringLiteral("kind=%1 from=%2 bytes=%3\n").arg(Kind).arg(Sender).arg(ContentSize).toUtf8());
    FLog.flush();
}

void TLumeoServer::Receive(quint32 Sender, qint32 DataId, const QByteArray& Data) {
    // without a stamp it is no message; FromWire refuses it
    const std::unique_ptr<TLumeoMessageStream> message =
        TLumeoMessageStream::FromWire(nullptr, DataId, Sender, Data);
    Log(message->MsgKind, Sender, message->Size());
    if (!FGoingDown) Answer(*message);
}

void TLumeoServer::Answer(TLumeoMessageStream& Request) {
    TLumeoMessageStream reply;
    switch (Request.MsgKind) {
        case hmRegister:
        case hmUnregister: {
            TEntity client;
            client.ReadFromStream(Request);
            if (Request.MsgKind == hmRegister)
                FClients.Add(client);
            else
                FClients.Remove(client.Handle);
            return;
        }
        case hmFindEntity:
            AnswerFindEntity(Request, reply);
            break;
        case hmExecute: {
            const QString program = Request.ReadString();
            const QString parameters = Request.ReadString();
            Request.ReadBool();   // wait: the client waits itself
            Request.ReadInt32();  // value: nothing here gives it a meaning
            reply.WriteInt32(qint32(FLauncher.Start(program, parameters)));
            break;
        }
        case hmGetFile: {
            QByteArray bytes;
            const bool found = FRoot.Read(Request.ReadString(), MaxFileSize, &bytes);
            reply.WriteBool(found);
            reply.WriteBytes(bytes);
            break;
        }
        case hmMapFileName:
            reply.WriteString(FRoot.Map(Request.ReadString()));
            break;
        case hmQueryString:
            reply.WriteString(AnswerQuery(Request.ReadString()));
            break;
        case hmGetEnvironment:
            reply.WriteString(AnswerEnvironment(Request.ReadString()));
            break;
        default:
            return;  // quit, reply and parameters ask for nothing
    }
    // the requester is still inside its send: the reply reaches it there, with its own stamp
    reply.MsgKind = hmReply;
    reply.StampTime = Request.StampTime;
    reply.StampDate = Request.StampDate;
    FWindow.Send(Request.Entity.Handle, reply.MsgKind, reply.ToWire());
}

void TLumeoServer::AnswerFindEntity(TLumeoMessageStream& Request, TLumeoMessageStream& Reply) {
    const quint8 selector = Request.ReadByte();
    const TEntity* found = nullptr;
    TEntity own;
    if (selector == FindByHandle) {
        const quint32 handle = Request.ReadUInt32();
        if (handle != 0 && handle == FWindow.Handle()) {
            own = OwnEntity();
            found = &own;
        } else {
            found = FClients.FindByHandle(handle);
        }
    } else if (selector == FindByTitle) {
        found = FClients.FindByTitle(Request.ReadString());
    }
    if (!found) return;  // nothing found: an empty reply
    TEntity record = *found;
    record.WriteToStream(Reply);
}

TEntity TLumeoServer::OwnEntity() const {
    TEntity own;
    own.Handle = FWindow.Handle();
    own.ExeName = QCoreApplication::applicationFilePath();
    own.Title = QCoreApplication::applicationName();
    return own;
}

QString TLumeoServer::AnswerQuery(const QString& Text) const {
    if (Text == QLatin1String("Version")) return QStringLiteral("lumeo-server 1.0");
    if (Text == QLatin1String("ServerText")) return FText;
    if (Text == QLatin1String("Root")) return FRoot.Path();
    return {};
}

QString TLumeoServer::AnswerEnvironment(const QString& Name) const {
    if (Name == QLatin1String("TessaroWorkArea") || Name == QLatin1String("TessaroHomeDir"))
        return FRoot.FilePath(QString());
    return qEnvironmentVariable(Name.toLocal8Bit().constData());
}
