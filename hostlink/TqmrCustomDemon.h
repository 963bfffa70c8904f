// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The host link's component and the name of a program's language file.

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "TComponent.h"
#include "TEntity.h"
#include "TEvents.h"
#include "TLumeoLink.h"
#include "TLumeoMessageStream.h"
#include "TMessageEndpoint.h"
#include "gravilo_hostlink_export.h"

class QIODevice;
class TGlossator;
class TSingleInstanceLock;

/// The host link's component: the program's hidden message endpoint, its parameter list, the link
/// to the host viewer's server and the pairing of requests with their replies.
///
/// TqmrCustomDemon keeps the endpoint and the protocol; TqmrDemonClient (the one a form drops in)
/// answers the abstract operations by asking the server.
///
/// A derived class's constructor calls CreateHiddenWindow() once it can answer
/// GetWindowClassName() and GetWindowName().
///
/// When its form has been loaded, the component loads the language file into Translator (from the
/// server, or the file beside the executable: gravilo → gravilo.itl), translates the form, and,
/// unless MultiStart is set, ends the process at once when another instance of the program runs,
/// after handing that instance its parameters (through the server) and asking it to bring its
/// window to the front (directly, at the endpoint the holder of the instance lock keeps).
///
/// A quit message from the server ends the component (unless OnQuitMsgReceived keeps it): the
/// program that wants to end with it connects to its destroyed() signal. The component itself
/// never ends the application.
class GRAVILO_HOSTLINK_EXPORT TqmrCustomDemon : public QObject, public TComponent, public TLumeoLink {
    Q_OBJECT
    Q_PROPERTY(bool AutoTranslate READ AutoTranslate WRITE SetAutoTranslate)
    Q_PROPERTY(bool AutoCreateItlFile READ AutoCreateItlFile WRITE SetAutoCreateItlFile)
    Q_PROPERTY(bool MultiStart READ MultiStart WRITE SetMultiStart)
    Q_PROPERTY(bool UseTessaroServer READ UseTessaroServer WRITE SetUseTessaroServer)

public:
    /// The handler of a received message that the component does not handle itself; Sender is
    /// the component.
    using TGotAMessageEvent = std::function<void(QObject* Sender, TLumeoMessageStream& Msg)>;
    /// The handler of a quit message; Sender is the component, ServerDown the message's value.
    /// Clearing AllowQuit keeps the component.
    using TOnQuitMsgReceived = std::function<void(QObject* Sender, bool ServerDown, bool& AllowQuit)>;

    /// Takes the endpoints away and gives up the single-instance lock.
    ~TqmrCustomDemon() override;

    /// Whether Loaded() translates the form (the component's parent and every component it owns)
    /// with Translator(); on by default.
    bool AutoTranslate() const { return FAutoTranslate; }
    /// Switches the translation of the form at loading on or off (see AutoTranslate).
    void SetAutoTranslate(bool Value) { FAutoTranslate = Value; }
    /// The dictionary's own flag: it writes the missing keys when it is freed.
    bool AutoCreateItlFile() const;
    /// Sets the dictionary's own flag (see AutoCreateItlFile).
    void SetAutoCreateItlFile(bool Value);
    /// Whether further instances of the program may run; off by default, so that Loaded() ends a
    /// later start (see CheckSingleInstance).
    bool MultiStart() const { return FMultiStart; }
    /// Allows or forbids further instances of the program (see MultiStart).
    void SetMultiStart(bool Value) { FMultiStart = Value; }
    /// Whether the host viewer's server is used: for registering, the language file and the
    /// environment values; on by default.
    bool UseTessaroServer() const { return FUseTessaroServer; }
    /// Switches the use of the host viewer's server on or off (see UseTessaroServer).
    void SetUseTessaroServer(bool Value) { FUseTessaroServer = Value; }
    /// A language file the user chose: read instead of the file beside the executable or the
    /// server's. Set it before the form is loaded; empty (the default) reads the usual file.
    QString LanguageFile() const { return FLanguageFile; }
    /// Sets the language file the user chose (see LanguageFile).
    void SetLanguageFile(const QString& FileName) { FLanguageFile = FileName; }
    /// A language stream the user chose, already open (a pipe is opened once only): read in place
    /// of any file. Set it before the form is loaded.
    void SetLanguageStream(std::unique_ptr<QIODevice> Stream);

    /// Any received message that the component does not handle itself.
    TGotAMessageEvent OnGotAMessage;
    /// The server asks the program to quit; the component then deletes itself from the event loop,
    /// unless the handler clears AllowQuit.
    TOnQuitMsgReceived OnQuitMsgReceived;
    /// Params was replaced by a received parameter message.
    TNotifyEvent OnParamsChange;
    /// A later start of the program asks this running instance to bring its window to the front.
    /// It runs from the event loop, after the asking start has had its answer.
    TNotifyEvent OnBringToFront;
    /// Another instance runs, and this one ends right after the handler: BroughtToFront tells
    /// whether the running instance took the request to bring its window to the front.
    std::function<void(QObject* Sender, bool BroughtToFront)> OnAlreadyRunning;

    /// The server's entity; its handle is found when the component is made (0 when no server
    /// runs).
    TEntity& ServerEntity() { return FServerEntity; }
    /// This program's entity: its endpoint, application title and executable path, and the
    /// single-instance lock in ExtraHandle while the program holds it.
    TEntity& OwnEntity() { return FOwnEntity; }
    /// Entry 0 the program path, then the parameters (the command line's server switch left out).
    const QStringList& Params() const { return FParams; }
    /// The value of the last quit message; false before any.
    bool ServerDown() const { return FServerDown; }
    /// The dictionary that the form's texts come from.
    TGlossator* Translator() const { return FTranslator.get(); }
    /// Replies not yet claimed by their request, the oldest first.
    const std::vector<std::unique_ptr<TLumeoMessageStream>>& PendingReplies() const {
        return FPendingReplies;
    }
    /// Replies that nobody claims stay parked, but not without end: a peer that floods the
    /// component with them must not make it grow. Beyond either bound the oldest go first; the
    /// newest stays whatever its size. This bound counts the replies.
    static constexpr std::size_t MaxParkedReplies = 64;
    /// The other bound of the parked replies (see MaxParkedReplies): their content bytes together.
    static constexpr qint64 MaxParkedBytes = 64 * 1024 * 1024;
    /// A parameter message of more lines than this is refused (its handling fails with ELumeo): the
    /// parameters stay as they were, and a peer cannot make a few bytes a line cost a string each.
    static constexpr qsizetype MaxParams = 65536;

    /// The number of parameters, the program path not counted.
    int ParamCount() const;
    /// 0: the executable's path; 1..ParamCount: the parameters; otherwise ELumeo.
    QString ParamStr(int N) const;

    /// Stamps Message and sends it to Target, waiting until Target has handled it. A reply with
    /// the same stamp that arrived meanwhile is taken out of PendingReplies into Reply (when given);
    /// without one, Reply stays empty. Without the component's endpoint nothing is sent.
    void SendTo(const TEntity& Target, TLumeoMessageStream& Message,
                TLumeoMessageStream* Reply = nullptr) override;

    /// How long a send waits for a peer that does not answer (milliseconds).
    int SendTimeout() const { return FWindow.SendTimeout(); }
    /// Sets how long a send waits for a peer that does not answer (milliseconds; at least 1).
    void SetSendTimeout(int Ms) { FWindow.SetSendTimeout(Ms); }

    /// The form has been built: language, translation, single instance (none of them in Qt
    /// Designer).
    void Loaded() override;

    // ---- the operations a demon provides ----
    /// Handles one received message: a quit message (see OnQuitMsgReceived), a reply (parked among
    /// PendingReplies, taken out of Message), a parameter list (it replaces Params, then
    /// OnParamsChange runs); every other kind goes to OnGotAMessage.
    virtual void HandleMessage(std::unique_ptr<TLumeoMessageStream>& Message);
    /// The class name of the component's endpoint.
    virtual QString GetWindowClassName() const = 0;
    /// The title of the component's endpoint.
    virtual QString GetWindowName() const = 0;
    /// The entity of the program with this application title; none when not found; the caller
    /// owns what comes back.
    virtual std::unique_ptr<TEntity> FindEntityByTitle(const QString& Title) = 0;
    /// The entity of the endpoint Handle; none when not found; the caller owns what comes back.
    std::unique_ptr<TEntity> FindEntityByHandle(quint32 Handle) override = 0;
    /// Has the host start Program with Parameters, with Wait until it ends; Value goes with the
    /// request. The result is the derived class's to define (see TqmrDemonClient::ExecuteProgram).
    virtual qint32 ExecuteProgram(const QString& Program, const QString& Parameters, bool Wait,
                                  qint32 Value) = 0;
    /// The host's file FileName, open for reading; none when there is no such file.
    virtual std::unique_ptr<QIODevice> GetFileStream(const QString& FileName) = 0;
    /// The name under which the host keeps the file Name.
    virtual QString MapFileName(const QString& Name) = 0;
    /// The host's answer to the question Text.
    virtual QString QueryString(const QString& Text) = 0;
    /// The host's environment value Name.
    virtual QString GetEnvironmentValue(const QString& Name) = 0;

protected:
    /// A component owned by AOwner (the form). It looks for the server's endpoint and takes the
    /// parameters from the command line; the derived class's constructor then calls
    /// CreateHiddenWindow().
    explicit TqmrCustomDemon(QObject* AOwner);

    /// Creates the component's endpoint, named by GetWindowClassName() and GetWindowName(), and
    /// gives OwnEntity its handle, the application's display name and the executable's path.
    /// ELumeo when the endpoint folder or the endpoint cannot be made. In Qt Designer no endpoint
    /// is made.
    void CreateHiddenWindow();

    // ---- steps of loading ----
    /// Reads the language file (OpenLanguageStream) into Translator; without one the dictionary
    /// keeps what it holds.
    void LoadLanguage();
    /// The language file: the stream or the file chosen, else from the server when it is used,
    /// else the file beside the executable; none when there is none. A pipe or a device is read
    /// into memory (LanguageStream).
    std::unique_ptr<QIODevice> OpenLanguageStream();
    /// Ends the process when another instance holds the lock, after handing it our parameters and
    /// asking it to come to the front; otherwise takes the lock and opens the instance endpoint.
    /// When the lock cannot be checked, the program runs on without it.
    void CheckSingleInstance();

    /// The server's window as the settings and the command line name it: the value ViewerHandle
    /// of group demon in the machine-wide settings of Quenta/tessaro, unless it is empty or
    /// "00000000"; else what follows the last "/serverhandle=" parameter (A-Z read as a-z); else
    /// empty.
    static QString GetServerHandleText();
    /// The handle of the server's endpoint that GetServerHandleText() names, or 0.
    static quint32 FindServerWindow();

private:
    void Receive(quint32 Sender, qint32 DataId, const QByteArray& Data);
    void LoadParams(const QByteArray& Text);
    void ParkReply(std::unique_ptr<TLumeoMessageStream> Reply);
    // hands the running instance our parameters, through the server, when the server knows it
    void SendParamsToFirstInstance();
    // true when the running instance's own endpoint took the request
    bool AskFirstInstanceToFront();
    void OpenInstanceWindow();

    std::unique_ptr<TGlossator> FTranslator;
    TEntity FServerEntity{this};
    std::vector<std::unique_ptr<TLumeoMessageStream>> FPendingReplies;
    QStringList FParams;
    TEntity FOwnEntity{this};
    bool FServerDown = false;
    bool FAutoTranslate = true;
    bool FMultiStart = false;
    bool FUseTessaroServer = true;
    QString FLanguageFile;
    std::unique_ptr<QIODevice> FLanguageStream;
    TMessageEndpoint FWindow;
    std::unique_ptr<TSingleInstanceLock> FInstanceLock;
    // found by the lock's name while the lock is ours
    TMessageEndpoint FInstanceWindow;
};

/// The executable X or X.ext has its language file X.itl beside it. A dot that opens the file name
/// (".hidden") starts no extension.
GRAVILO_HOSTLINK_EXPORT QString LanguageFileName(const QString& ExePath);
