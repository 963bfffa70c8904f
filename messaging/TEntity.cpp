// SPDX-License-Identifier: MIT
#include "TEntity.h"

#include "TLumeoLink.h"
#include "TLumeoMessageStream.h"
#include "TMessageEndpoint.h"

QString TEntity::GetExeName() {
    if (ExeName.isEmpty()) Refresh();
    return ExeName;
}

QString TEntity::GetTitle() {
    if (Title.isEmpty()) Refresh();
    return Title;
}

void TEntity::Refresh() {
    if (!FOwner) return;
    const std::unique_ptr<TEntity> found = FOwner->FindEntityByHandle(Handle);
    Assign(found.get());
}

void TEntity::Assign(const TEntity* Other) {
    if (!Other) return;
    Handle = Other->Handle;
    ExtraHandle = Other->ExtraHandle;
    ExeName = Other->ExeName;
    Title = Other->Title;
}

QString TEntity::MutexName() {
    QString exeName = GetExeName();
    exeName = exeName.mid(exeName.lastIndexOf(QLatin1Char('/')) + 1);
    return QLatin1String("LU_") + exeName.replace(QLatin1Char('\\'), QLatin1Char('_'));
}

void TEntity::WriteToStream(TLumeoMessageStream& Message) {
    const QString exeName = GetExeName();
    const QString title = GetTitle();
    Message.WriteUInt32(Handle);
    Message.WriteUInt32(ExtraHandle);
    Message.WriteString(exeName);
    Message.WriteString(title);
}

void TEntity::ReadFromStream(TLumeoMessageStream& Message) {
    Handle = Message.ReadUInt32();
    ExtraHandle = Message.ReadUInt32();
    ExeName = Message.ReadString();
    Title = Message.ReadString();
}

bool TEntity::IsValid() const {
    return TMessageEndpoint::IsAlive(Handle);
}
