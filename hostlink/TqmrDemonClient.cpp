// SPDX-License-Identifier: MIT
#include "TqmrDemonClient.h"

#include <QBuffer>
#include <QFileInfo>

#include "ELumeo.h"
#include "LumeoProtocol.h"
#include "TProcessWaiter.h"

TqmrDemonClient::TqmrDemonClient(QObject* AOwner) : TqmrCustomDemon(AOwner) {
    CreateHiddenWindow();
}

TqmrDemonClient::~TqmrDemonClient() {
    if (ServerDown() || IsDesigning()) return;
    TLumeoMessageStream message(this);
    message.MsgKind = hmUnregister;
    OwnEntity().WriteToStream(message);
    SendTo(ServerEntity(), message);
}

void TqmrDemonClient::Loaded() {
    if (!IsDesigning() && UseTessaroServer()) {
        if (ServerEntity().Handle == 0)
            throw ELumeo(QStringLiteral("Lumeo server application is not running"));
        RegisterWithServer();
    }
    TqmrCustomDemon::Loaded();
}

QString TqmrDemonClient::GetWindowClassName() const {
    return LumeoNames::ClientClassName;
}

QString TqmrDemonClient::GetWindowName() const {
    return {};
}

void TqmrDemonClient::RegisterWithServer() {
    TLumeoMessageStream message(this);
    message.MsgKind = hmRegister;
    OwnEntity().WriteToStream(message);
    SendTo(ServerEntity(), message);
}

std::unique_ptr<TLumeoMessageStream> TqmrDemonClient::Request(
    qint32 Kind, const std::function<void(TLumeoMessageStream&)>& Write) {
    auto reply = std::make_unique<TLumeoMessageStream>(this);
    {
        TLumeoMessageStream request(this);
        request.MsgKind = Kind;
        Write(request);
        SendTo(ServerEntity(), request, reply.get());
    }
    reply->SetPosition(0);
    return reply;
}

std::unique_ptr<TEntity> TqmrDemonClient::EntityFromReply(TLumeoMessageStream& Reply) {
    if (Reply.Size() == 0) return nullptr;
    auto entity = std::make_unique<TEntity>(this);
    entity->ReadFromStream(Reply);
    return entity;
}

std::unique_ptr<TEntity> TqmrDemonClient::FindEntityByTitle(const QString& Title) {
    const auto reply = Request(hmFindEntity, [&](TLumeoMessageStream& Message) {
        Message.WriteByte(FindByTitle);
        Message.WriteString(Title);
    });
    return EntityFromReply(*reply);
}

std::unique_ptr<TEntity> TqmrDemonClient::FindEntityByHandle(quint32 Handle) {
    const auto reply = Request(hmFindEntity, [&](TLumeoMessageStream& Message) {
        Message.WriteByte(FindByHandle);
        Message.WriteUInt32(Handle);
    });
    return EntityFromReply(*reply);
}

qint32 TqmrDemonClient::ExecuteProgram(const QString& Program, const QString& Parameters, bool Wait,
                                       qint32 Value) {
    const auto reply = Request(hmExecute, [&](TLumeoMessageStream& Message) {
        Message.WriteString(Program);
        Message.WriteString(Parameters);
        Message.WriteBool(Wait);
        Message.WriteInt32(Value);
    });
    const qint32 result = reply->ReadInt32();
    const QString failure = QStringLiteral("Could not execute \"%1.\"").arg(Program);
    if (result == 0) throw ELumeo(failure);
    if (!Wait) return result;
    TProcessWaiter process(result);
    if (!process.IsOpen()) throw ELumeo(failure);
    return process.Wait();
}

std::unique_ptr<QIODevice> TqmrDemonClient::GetFileStream(const QString& FileName) {
    const auto reply =
        Request(hmGetFile, [&](TLumeoMessageStream& Message) { Message.WriteString(FileName); });
    if (!reply->ReadBool()) return nullptr;
    auto stream = std::make_unique<QBuffer>();
    stream->setData(reply->ReadRest());
    stream->open(QIODevice::ReadOnly);
    return stream;
}

QString TqmrDemonClient::MapFileName(const QString& Name) {
    return Request(hmMapFileName, [&](TLumeoMessageStream& Message) { Message.WriteString(Name); })
        ->ReadString();
}

QString TqmrDemonClient::QueryString(const QString& Text) {
    return Request(hmQueryString, [&](TLumeoMessageStream& Message) { Message.WriteString(Text); })
        ->ReadString();
}

QString TqmrDemonClient::GetEnvironmentValue(const QString& Name) {
    if (UseTessaroServer())
        return Request(hmGetEnvironment, [&](TLumeoMessageStream& Message) { Message.WriteString(Name); })
            ->ReadString();
    if (Name != QLatin1String("TessaroWorkArea") && Name != QLatin1String("TessaroHomeDir")) return {};
    QString folder = QFileInfo(ParamStr(0)).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\'))) folder += QLatin1Char('/');
    return folder;
}
