// SPDX-License-Identifier: MIT
// Host messages as a peer may send them: the frame as it arrives at the program's endpoint, then
// the message made from it and handled by the host-link component, and the same content read as
// the reply to every request the component makes, through the readers of each layout.
//
// The component's requests travel for real: its server is its own endpoint, and the reply to each
// request is the fuzzer's content with the request's stamp.

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdint>
#include <memory>
#include <optional>

#include "CodePage.h"
#include "ELumeo.h"
#include "EReadError.h"
#include "EndpointFrame.h"
#include "FuzzCheck.h"
#include "LumeoProtocol.h"
#include "TqmrDemonClient.h"

namespace {

// the endpoint the frames are meant for; seeds name it
constexpr quint32 OwnHandle = 0x00010001;

QCoreApplication* Application = nullptr;
QTemporaryDir* Sandbox = nullptr;
// receives the frames
TqmrDemonClient* Receiver = nullptr;
// makes the requests and answers them itself
TqmrDemonClient* Requester = nullptr;
QByteArray ReplyContent;

TqmrDemonClient* NewClient() {
    auto* client = new TqmrDemonClient(nullptr);
    client->SetUseTessaroServer(true);
    client->OnQuitMsgReceived = [](QObject*, bool, bool& AllowQuit) { AllowQuit = false; };
    return client;
}

void AnswerOwnRequests() {
    Requester->ServerEntity().Handle = Requester->OwnEntity().Handle;
    Requester->OnGotAMessage = [](QObject*, TLumeoMessageStream& Request) {
        if (Request.MsgKind == hmUnregister || Request.MsgKind == hmRegister) return;
        auto reply = std::make_unique<TLumeoMessageStream>(Requester);
        reply->MsgKind = hmReply;
        reply->StampTime = Request.StampTime;
        reply->StampDate = Request.StampDate;
        reply->WriteBytes(ReplyContent);
        Requester->HandleMessage(reply);
    };
}

// The bytes the endpoint takes from the connection: never more than the frame needs.
QByteArray Arrive(const QByteArray& Sent, EndpointFrame::THeader& Header) {
    QByteArray received;
    for (;;) {
        switch (EndpointFrame::Inspect(received, OwnHandle, &Header)) {
            case EndpointFrame::TState::Complete:
                return received;
            case EndpointFrame::TState::Malformed:
                return {};
            case EndpointFrame::TState::NeedMore:
                if (received.size() >= Sent.size()) return {};
                received.append(Sent.mid(received.size(), EndpointFrame::Missing(received)));
        }
    }
}

// What a string reads as, from the layout alone: none when the length runs past the end.
std::optional<QString> StringAt(const QByteArray& Content, qsizetype At) {
    if (Content.size() - At < 4) return std::nullopt;
    const qint32 length = qFromLittleEndian<qint32>(Content.constData() + At);
    if (length <= 0) return QString();
    if (length > Content.size() - At - 4) return std::nullopt;
    return DecodeUtf8OrWindows1252(Content.mid(At + 4, length));
}

// The parameter list a message's content makes, read the plainest way: the whole as UTF-8 or else
// as Windows-1252, lines ending at CR LF, CR or LF, and a break after the last line ends it.
QStringList ParamsOf(const QByteArray& Content) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = DecodeUtf8OrWindows1252(Content).split(lineBreak);
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

void Handle(std::unique_ptr<TLumeoMessageStream> Message) {
    const qint32 kind = Message->MsgKind;
    const QByteArray content = Message->Content();
    const QStringList before = Receiver->Params();
    bool refused = false;
    try {
        Receiver->HandleMessage(Message);
    } catch (const EReadError&) {
        // a quit without its byte: the endpoint's dispatch reports it and goes on
        FUZZ_CHECK(kind == hmQuit);
    } catch (const ELumeo&) {
        // a parameter list beyond its bound, refused before anything changed
        refused = true;
        FUZZ_CHECK(kind == hmParams && Receiver->Params() == before);
    }
    if (kind == hmParams) {
        const QStringList expected = ParamsOf(content);
        FUZZ_CHECK(refused == (expected.size() > TqmrCustomDemon::MaxParams));
        if (!refused) FUZZ_CHECK(Receiver->Params() == expected, FuzzShow(content));
        // whatever lines came, the parameters are read within their bounds
        for (int i = 1; i <= Receiver->ParamCount(); ++i)
            FUZZ_CHECK(Receiver->ParamStr(i) == Receiver->Params()[i]);
        // (an empty list leaves not even the program's path: then 1 is beyond it; 0 never is)
        bool beyond = false;
        try {
            Receiver->ParamStr(std::max(Receiver->ParamCount() + 1, 1));
        } catch (const ELumeo&) {
            beyond = true;
        }
        FUZZ_CHECK(beyond);
    }
    // replies nobody claims stay parked, within bounds
    FUZZ_CHECK(Receiver->PendingReplies().size() <= TqmrCustomDemon::MaxParkedReplies);
}

template <typename TRequest>
void ExpectReadError(const TRequest& Request, bool Expected) {
    bool failed = false;
    try {
        Request();
    } catch (const EReadError&) {
        failed = true;
    }
    FUZZ_CHECK(failed == Expected, QStringLiteral("content %1").arg(FuzzShow(ReplyContent)));
    FUZZ_CHECK(Requester->PendingReplies().empty());
}

// The content as the reply to each request; every reader keeps to the layout.
void ReadAsReplies(const QByteArray& Content) {
    ReplyContent = Content;
    const std::optional<QString> string = StringAt(Content, 0);
    for (const auto& request : {&TqmrDemonClient::MapFileName, &TqmrDemonClient::QueryString,
                                &TqmrDemonClient::GetEnvironmentValue}) {
        ExpectReadError(
            [&] {
                const QString answer = (Requester->*request)(QStringLiteral("x"));
                FUZZ_CHECK(string && answer == *string);
            },
            !string.has_value());
    }

    // an entity record: two 32-bit values and two strings; an empty reply finds nothing
    const std::optional<QString> exeName = StringAt(Content, 8);
    const qint32 exeNameLength =
        Content.size() >= 12 ? qFromLittleEndian<qint32>(Content.constData() + 8) : 0;
    const qsizetype titleAt = 12 + qsizetype(qMax(0, exeNameLength));
    const std::optional<QString> title = exeName ? StringAt(Content, titleAt) : std::nullopt;
    const bool entityFails = !Content.isEmpty() && !title.has_value();
    ExpectReadError(
        [&] {
            const std::unique_ptr<TEntity> found = Requester->FindEntityByTitle(QStringLiteral("Gravilo"));
            FUZZ_CHECK(!found == Content.isEmpty());
            if (found)
                FUZZ_CHECK(found->Handle == qFromLittleEndian<quint32>(Content.constData()) &&
                           found->ExeName == *exeName && found->Title == *title);
        },
        entityFails);
    ExpectReadError([&] { Requester->FindEntityByHandle(7); }, entityFails);

    // a found byte, then the file's bytes
    ExpectReadError(
        [&] {
            const std::unique_ptr<QIODevice> file = Requester->GetFileStream(QStringLiteral("f.itl"));
            FUZZ_CHECK(!Content.isEmpty() && !file == (Content[0] == '\0'));
            if (file) FUZZ_CHECK(file->pos() == 0 && file->readAll() == Content.mid(1));
        },
        Content.isEmpty());

    // a process id; none is a failure of its own (never waited for: any number may come)
    ExpectReadError(
        [&] {
            try {
                const qint32 pid = Requester->ExecuteProgram(QStringLiteral("p"), QString(), false, 0);
                FUZZ_CHECK(pid == qFromLittleEndian<qint32>(Content.constData()) && pid != 0);
            } catch (const ELumeo&) {
                FUZZ_CHECK(Content.size() >= 4 && qFromLittleEndian<qint32>(Content.constData()) == 0);
            }
        },
        Content.size() < 4);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "fuzz_host_message";
    static char* argv[] = {name, nullptr};
    Sandbox = new QTemporaryDir;
    QDir(Sandbox->path()).mkpath(QStringLiteral("config"));
    qputenv("GRAVILO_ENDPOINT_DIR", QFile::encodeName(Sandbox->filePath(QStringLiteral("endpoints"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(Sandbox->filePath(QStringLiteral("config"))));
    Application = new QCoreApplication(argc, argv);
    Receiver = NewClient();
    Requester = NewClient();
    AnswerOwnRequests();
    std::atexit([] { Sandbox->remove(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const QByteArray sent(reinterpret_cast<const char*>(Data), qsizetype(Size));
    EndpointFrame::THeader header;
    const QByteArray frame = Arrive(sent, header);
    if (frame.isEmpty()) return 0;
    const QByteArray data = frame.mid(EndpointFrame::HeaderSize);

    std::unique_ptr<TLumeoMessageStream> message;
    try {
        message = TLumeoMessageStream::FromWire(Receiver, header.DataId, header.Sender, data);
    } catch (const EReadError&) {
        FUZZ_CHECK(data.size() < 8);  // no room for the stamp: no message
        return 0;
    }
    FUZZ_CHECK(data.size() >= 8 && message->Position() == 0 && message->Content() == data.mid(8) &&
               message->Entity.Handle == header.Sender && message->MsgKind == header.DataId);
    const QByteArray content = message->Content();
    Handle(std::move(message));
    ReadAsReplies(content);
    // the endpoints' closed connections leave their notifiers to the event loop
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
