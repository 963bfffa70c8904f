// SPDX-License-Identifier: MIT
#pragma once

#include "TqmrCustomDemon.h"
#include "gravilo_hostlink_export.h"

/// The host link as a form holds it: every operation a request to the host viewer's server.
/// A request that gets no answer reads as an empty reply: the operations that must read a value
/// from it raise EReadError.
class GRAVILO_HOSTLINK_EXPORT TqmrDemonClient : public TqmrCustomDemon {
    Q_OBJECT

public:
    /// A client owned by AOwner (the form); its endpoint is created at once (ELumeo when it cannot
    /// be).
    explicit TqmrDemonClient(QObject* AOwner);
    /// Tells the server that this program is gone, unless the server itself went down.
    ~TqmrDemonClient() override;

    /// Registers with the server first when it is used; without a server that is an error (ELumeo).
    void Loaded() override;

    /// The class name that the server knows its clients' endpoints by.
    QString GetWindowClassName() const override;
    /// Empty: a client's endpoint has no title.
    QString GetWindowName() const override;
    /// Asks the server for the registered program with this title; none when it knows none.
    std::unique_ptr<TEntity> FindEntityByTitle(const QString& Title) override;
    /// Asks the server for the entity of the endpoint Handle; none when it knows none.
    std::unique_ptr<TEntity> FindEntityByHandle(quint32 Handle) override;
    /// Asks the server to start Program. With Wait, waits for it to end and returns its exit code
    /// as far as this process can know it (see TProcessWaiter: 0 for a program the server
    /// started); without, returns the server's answer, the process id. ELumeo when the program
    /// could not be started.
    qint32 ExecuteProgram(const QString& Program, const QString& Parameters, bool Wait,
                          qint32 Value) override;
    /// The file's bytes, positioned at 0, or none when the server has no such file.
    std::unique_ptr<QIODevice> GetFileStream(const QString& FileName) override;
    /// The server's name for the file Name.
    QString MapFileName(const QString& Name) override;
    /// The server's answer to Text.
    QString QueryString(const QString& Text) override;
    /// From the server when it is used; without it "TessaroWorkArea" and "TessaroHomeDir" are the
    /// executable's folder, ending with a separator, and every other name is empty.
    QString GetEnvironmentValue(const QString& Name) override;

protected:
    /// Tells the server that this program runs (done at loading when the server is used).
    void RegisterWithServer();

private:
    // One request to the server; the reply is rewound and may be empty.
    std::unique_ptr<TLumeoMessageStream> Request(qint32 Kind,
                                                 const std::function<void(TLumeoMessageStream&)>& Write);
    std::unique_ptr<TEntity> EntityFromReply(TLumeoMessageStream& Reply);
};
