// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the host-link component tests: a client whose loading steps the tests can call, and
// an in-process stand-in for the server whose answers each test scripts.

#include <QDateTime>

#include <functional>
#include <vector>

#include "LinkSandbox.h"
#include "LumeoProtocol.h"
#include "TMessageEndpoint.h"
#include "TqmrDemonClient.h"

class TTestClient : public TqmrDemonClient {
public:
    using TqmrCustomDemon::CheckSingleInstance;
    using TqmrCustomDemon::OpenLanguageStream;
    using TqmrDemonClient::RegisterWithServer;
    using TqmrDemonClient::TqmrDemonClient;
};

// A server endpoint in this process, found by clients through the "ViewerHandle" setting.
class TScriptedServer {
public:
    struct TRequest {
        quint32 Sender;
        std::unique_ptr<TLumeoMessageStream> Message;
        qsizetype DataSize;
    };

    TScriptedServer(TLinkSandbox& Sandbox, const QString& Text) {
        Sandbox.SetViewerHandle(Text);
        EXPECT_TRUE(Endpoint.Create(LumeoNames::ServerClassName(Text), LumeoNames::ServerTitle(Text)));
        Endpoint.OnReceive = [this](quint32 Sender, qint32 DataId, const QByteArray& Data) {
            Requests.push_back(
                {Sender, TLumeoMessageStream::FromWire(nullptr, DataId, Sender, Data), Data.size()});
            if (OnRequest) OnRequest(*Requests.back().Message);
        };
    }

    // Sends a message of Kind with Content to the client; Stamp from Request when given.
    bool SendTo(quint32 Client, qint32 Kind, const QByteArray& Content,
                const TLumeoMessageStream* Request = nullptr) {
        TLumeoMessageStream message;
        message.MsgKind = Kind;
        message.WriteBytes(Content);
        if (Request) {
            message.StampTime = Request->StampTime;
            message.StampDate = Request->StampDate;
        } else {
            message.SetStamp(QDateTime::currentDateTime());
        }
        return Endpoint.Send(Client, Kind, message.ToWire());
    }
    bool Reply(const TLumeoMessageStream& Request, const QByteArray& Content) {
        return SendTo(Request.Entity.Handle, hmReply, Content, &Request);
    }
    static QByteArray String(const QString& Text) {
        TLumeoMessageStream message;
        message.WriteString(Text);
        return message.Content();
    }
    int Count(qint32 Kind) const {
        int count = 0;
        for (const TRequest& request : Requests) count += request.Message->MsgKind == Kind ? 1 : 0;
        return count;
    }

    TMessageEndpoint Endpoint;
    std::vector<TRequest> Requests;
    std::function<void(TLumeoMessageStream& Request)> OnRequest;
};
