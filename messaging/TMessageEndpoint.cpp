// SPDX-License-Identifier: MIT
#include "TMessageEndpoint.h"

#include "TEndpointHub.h"

TMessageEndpoint::~TMessageEndpoint() {
    Destroy();
}

bool TMessageEndpoint::Create(const QString& ClassName, const QString& Title) {
    Destroy();
    const QString dir = TEndpointDirectory::Prepare();
    if (dir.isEmpty() || !FRecord.Publish(dir, ClassName, Title)) return false;
    FClassName = ClassName;
    FTitle = Title;
    TEndpointHub::Instance().Attach(this, FRecord.Handle(), FRecord.ListenFd());
    return true;
}

void TMessageEndpoint::Destroy() {
    if (!FRecord.IsPublished()) return;
    TEndpointHub::Instance().Detach(FRecord.Handle());
    FRecord.Withdraw();
}

bool TMessageEndpoint::Send(quint32 Target, qint32 DataId, const QByteArray& Data) {
    if (!Exists()) return false;
    // the wait may run handlers that destroy this endpoint: it works on copies
    const QString dir = FRecord.Directory();
    return TEndpointHub::Instance().Send(dir, FRecord.Handle(), Target, DataId, Data, FSendTimeout);
}

void TMessageEndpoint::SetWaitInterrupt(int Fd) {
    TEndpointHub::Instance().SetWaitInterrupt(Fd);
}

quint32 TMessageEndpoint::Find(const QString& ClassName, const QString& Title) {
    return TEndpointRecord::Find(TEndpointDirectory::Locate(), ClassName, Title);
}

bool TMessageEndpoint::IsAlive(quint32 Handle) {
    return TEndpointRecord::IsAlive(TEndpointDirectory::Locate(), Handle);
}
