// SPDX-License-Identifier: MIT
#include "TqmrCustomDemon.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "CodePage.h"
#include "ELumeo.h"
#include "LanguageStream.h"
#include "LumeoProtocol.h"
#include "TGlossator.h"
#include "TSingleInstanceLock.h"
#include "TSystemSettings.h"

namespace {

// only A-Z: the switch is plain ASCII, whatever else the parameter holds keeps its letters
QString LowerAscii(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
    return text;
}

// Calls Line with each line of Text. Lines end at CR LF, CR or LF; a break after the last line
// ends it and starts none.
template <typename TLine>
void ForEachLine(QByteArrayView Text, TLine&& Line) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] != '\r' && Text[i] != '\n') continue;
        Line(Text.sliced(start, i - start));
        if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < Text.size()) Line(Text.sliced(start));
}

QString ApplicationTitle() {
    return QGuiApplication::applicationDisplayName();
}

}  // namespace

QString LanguageFileName(const QString& ExePath) {
    const qsizetype nameStart = ExePath.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = ExePath.lastIndexOf(QLatin1Char('.'));
    // a dot that opens the file name (".hidden") starts no extension
    if (dot > nameStart) return ExePath.left(dot) + QLatin1String(".itl");
    return ExePath + QLatin1String(".itl");
}

// ---- construction and destruction ----

TqmrCustomDemon::TqmrCustomDemon(QObject* AOwner)
    : QObject(AOwner), TComponent(this), FTranslator(std::make_unique<TGlossator>()) {
    FServerEntity.Handle = FindServerWindow();
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString parameter = i == 0 ? QCoreApplication::applicationFilePath() : arguments[i];
        // the server's own switch is no parameter of the program; written otherwise, it is
        if (!parameter.startsWith(LumeoNames::ServerHandleSwitch)) FParams.append(parameter);
    }
}

void TqmrCustomDemon::CreateHiddenWindow() {
    if (IsDesigning()) {
        FOwnEntity.Title.clear();
        return;
    }
    QString problem;
    if (TEndpointDirectory::Prepare(&problem).isEmpty()) throw ELumeo(problem);
    if (!FWindow.Create(GetWindowClassName(), GetWindowName()))
        throw ELumeo(QStringLiteral("Could not create window handle"));
    FWindow.OnReceive = [this](quint32 Sender, qint32 DataId, const QByteArray& Data) {
        Receive(Sender, DataId, Data);
    };
    FOwnEntity.Handle = FWindow.Handle();
    FOwnEntity.Title = ApplicationTitle();
    FOwnEntity.ExeName = QCoreApplication::applicationFilePath();
}

TqmrCustomDemon::~TqmrCustomDemon() {
    FPendingReplies.clear();
    FWindow.Destroy();
    FInstanceWindow.Destroy();
    if (FOwnEntity.ExtraHandle != 0) {
        FInstanceLock.reset();
        FOwnEntity.ExtraHandle = 0;
    }
    FTranslator.reset();
}

bool TqmrCustomDemon::AutoCreateItlFile() const {
    return FTranslator && FTranslator->AutoCreateItlFile();
}

void TqmrCustomDemon::SetAutoCreateItlFile(bool Value) {
    if (FTranslator) FTranslator->SetAutoCreateItlFile(Value);
}

// ---- the server's window ----

QString TqmrCustomDemon::GetServerHandleText() {
    QString text = TSystemSettings::ReadString(QStringLiteral("Quenta"), QStringLiteral("tessaro"),
                                               QStringLiteral("demon"), QStringLiteral("ViewerHandle"));
    if (!text.isEmpty() && text != QLatin1String("00000000")) return text;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString parameter = LowerAscii(arguments[i]);
        if (parameter.startsWith(LumeoNames::ServerHandleSwitch))
            text = parameter.mid(LumeoNames::ServerHandleSwitch.size());
    }
    return text;
}

quint32 TqmrCustomDemon::FindServerWindow() {
    return TMessageEndpoint::Find(LumeoNames::ServerClassName(GetServerHandleText()),
                                  LumeoNames::ServerTitle(GetServerHandleText()));
}

// ---- parameters ----

int TqmrCustomDemon::ParamCount() const {
    return int(FParams.size()) - 1;
}

QString TqmrCustomDemon::ParamStr(int N) const {
    if (N == 0) return QCoreApplication::applicationFilePath();
    if (N < 1 || N > ParamCount()) throw ELumeo(QStringLiteral("Illegal \"ParamStr\" parameter: %1").arg(N));
    return FParams[N];
}

void TqmrCustomDemon::LoadParams(const QByteArray& Text) {
    // counted before anything is made of them: a message of nothing but line breaks must not turn
    // into millions of strings
    qsizetype count = 0;
    ForEachLine(Text, [&](QByteArrayView) { ++count; });
    if (count > MaxParams)
        throw ELumeo(QStringLiteral("A parameter list of more than %1 lines is refused").arg(MaxParams));
    QStringList lines;
    lines.reserve(count);
    // a host on an 8-bit code page sends its umlauts as they are: the whole list is UTF-8 or it is not
    const bool utf8 = IsUtf8(Text);
    ForEachLine(Text, [&](QByteArrayView Line) {
        lines.append(utf8 ? QString::fromUtf8(Line) : DecodeWindows1252(Line));
    });
    FParams = std::move(lines);
}

// ---- sending and receiving ----

void TqmrCustomDemon::SendTo(const TEntity& Target, TLumeoMessageStream& Message,
                             TLumeoMessageStream* Reply) {
    Message.SetStamp(QDateTime::currentDateTime());
    Message.SetOwner(this);
    if (Reply) Reply->SetOwner(this);
    if (!FWindow.Exists()) return;
    FWindow.Send(Target.Handle, Message.MsgKind, Message.ToWire());
    // the receiver answered inside the send, if at all; its reply carries our stamp
    for (auto it = FPendingReplies.begin(); it != FPendingReplies.end(); ++it) {
        if (!(*it)->SameStamp(Message)) continue;
        const std::unique_ptr<TLumeoMessageStream> found = std::move(*it);
        FPendingReplies.erase(it);
        if (Reply) Reply->Assign(*found);
        break;
    }
}

void TqmrCustomDemon::Receive(quint32 Sender, qint32 DataId, const QByteArray& Data) {
    std::unique_ptr<TLumeoMessageStream> message = TLumeoMessageStream::FromWire(this, DataId, Sender, Data);
    HandleMessage(message);
}

void TqmrCustomDemon::ParkReply(std::unique_ptr<TLumeoMessageStream> Reply) {
    FPendingReplies.push_back(std::move(Reply));
    qint64 bytes = 0;
    for (const auto& parked : FPendingReplies) bytes += parked->Size();
    while (FPendingReplies.size() > 1 &&
           (FPendingReplies.size() > MaxParkedReplies || bytes > MaxParkedBytes)) {
        bytes -= FPendingReplies.front()->Size();
        FPendingReplies.erase(FPendingReplies.begin());
    }
}

void TqmrCustomDemon::HandleMessage(std::unique_ptr<TLumeoMessageStream>& Message) {
    switch (Message->MsgKind) {
        case hmQuit: {
            FServerDown = Message->ReadBool();
            bool allowQuit = true;
            if (OnQuitMsgReceived) OnQuitMsgReceived(this, FServerDown, allowQuit);
            // not now: this very handling is still on the stack, and so may be a request of ours
            if (allowQuit) deleteLater();
            break;
        }
        case hmReply:
            ParkReply(std::move(Message));
            break;
        case hmParams:
            LoadParams(Message->Content());
            if (OnParamsChange) OnParamsChange(this);
            break;
        default:
            if (OnGotAMessage) OnGotAMessage(this, *Message);
            break;
    }
}

// ---- loading ----

void TqmrCustomDemon::Loaded() {
    if (!IsDesigning()) {
        LoadLanguage();
        if (FAutoTranslate && FTranslator && parent()) FTranslator->TranslateComponent(parent());
        if (!FMultiStart) CheckSingleInstance();
    }
    TComponent::Loaded();
}

void TqmrCustomDemon::LoadLanguage() {
    const std::unique_ptr<QIODevice> stream = OpenLanguageStream();
    if (stream && FTranslator) FTranslator->LoadFromStream(*stream);
}

void TqmrCustomDemon::SetLanguageStream(std::unique_ptr<QIODevice> Stream) {
    FLanguageStream = std::move(Stream);
}

std::unique_ptr<QIODevice> TqmrCustomDemon::OpenLanguageStream() {
    // a language file that cannot be read leaves the dictionary empty
    QString unreadable;
    if (FLanguageStream) return LanguageStream::Rewindable(std::move(FLanguageStream), unreadable);
    if (!FLanguageFile.isEmpty()) return LanguageStream::Open(FLanguageFile, unreadable);
    if (FUseTessaroServer) return GetFileStream(LanguageFileName(MapFileName(ParamStr(0))));
    return LanguageStream::Open(LanguageFileName(ParamStr(0)), unreadable);
}

void TqmrCustomDemon::CheckSingleInstance() {
    auto lock = std::make_unique<TSingleInstanceLock>(FOwnEntity.MutexName());
    switch (lock->TryAcquire()) {
        case TSingleInstanceLock::TResult::Acquired:
            FInstanceLock = std::move(lock);
            FOwnEntity.ExtraHandle = FInstanceLock->Handle();
            OpenInstanceWindow();
            return;
        case TSingleInstanceLock::TResult::Failed:
            return;  // no way to tell: better a second instance than none
        case TSingleInstanceLock::TResult::HeldElsewhere: {
            SendParamsToFirstInstance();
            const bool toFront = AskFirstInstanceToFront();
            if (OnAlreadyRunning) OnAlreadyRunning(this, toFront);
            FWindow.Destroy();
            std::fflush(nullptr);
            std::exit(0);
        }
    }
}

void TqmrCustomDemon::SendParamsToFirstInstance() {
    const std::unique_ptr<TEntity> first = FindEntityByTitle(ApplicationTitle());
    if (!first) return;
    TLumeoMessageStream message(this);
    message.MsgKind = hmParams;
    for (const QString& parameter : std::as_const(FParams)) message.WriteBytes(parameter.toUtf8() + "\r\n");
    SendTo(*first, message);
}

void TqmrCustomDemon::OpenInstanceWindow() {
    FInstanceWindow.OnReceive = [this](quint32, qint32 DataId, const QByteArray&) {
        if (DataId != hmToFront) return;
        // the asking start has its answer first: it waits on nothing the window does
        QTimer::singleShot(0, this, [this] {
            if (OnBringToFront) OnBringToFront(this);
        });
    };
    // without it a later start still ends; it only cannot bring this window forward
    FInstanceWindow.Create(LumeoNames::InstanceClassName, FInstanceLock->Name());
}

bool TqmrCustomDemon::AskFirstInstanceToFront() {
    const quint32 first = TMessageEndpoint::Find(LumeoNames::InstanceClassName, FOwnEntity.MutexName());
    return first != 0 && FWindow.Send(first, hmToFront, {});
}
