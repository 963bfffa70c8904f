// SPDX-License-Identifier: MIT
#pragma once
// The stand-in for the host viewer's server: one endpoint that keeps the registered clients and
// answers every request of the host link.

#include <QFile>
#include <QString>

#include "TClientRegistry.h"
#include "TFileRoot.h"
#include "TLumeoMessageStream.h"
#include "TMessageEndpoint.h"
#include "TProgramLauncher.h"

class TLumeoServer {
public:
    // Text completes the endpoint's class name and title; Root is the folder of files and the
    // work area; LogPath, when given, gets one line per received message.
    TLumeoServer(const QString& Text, const QString& Root, const QString& LogPath);

    // False, with the reason in Error, when the endpoint or the log cannot be made.
    bool Start(QString* Error);
    quint32 Handle() const { return FWindow.Handle(); }
    // Tells every registered client that the server goes down, all of them together within
    // ShutdownLimitMs: clients that do not answer cannot hold it up. Requests that come meanwhile
    // go unanswered.
    void Shutdown();
    static constexpr int ShutdownLimitMs = 2000;

private:
    void Receive(quint32 Sender, qint32 DataId, const QByteArray& Data);
    void Log(qint32 Kind, quint32 Sender, qint64 ContentSize);
    void Answer(TLumeoMessageStream& Request);
    void AnswerFindEntity(TLumeoMessageStream& Request, TLumeoMessageStream& Reply);
    QString AnswerQuery(const QString& Text) const;
    QString AnswerEnvironment(const QString& Name) const;
    TEntity OwnEntity() const;

    QString FText;
    TFileRoot FRoot;
    QFile FLog;
    TMessageEndpoint FWindow;
    TClientRegistry FClients;
    TProgramLauncher FLauncher;
    bool FGoingDown = false;
};
