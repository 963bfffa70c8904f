// SPDX-License-Identifier: MIT
#pragma once
// One endpoint of the host link: a program's message endpoint with what is known of its program.

#include <QString>
#include <QtGlobal>

#include "gravilo_messaging_export.h"

class TLumeoLink;
class TLumeoMessageStream;

class GRAVILO_MESSAGING_EXPORT TEntity {
public:
    explicit TEntity(TLumeoLink* AOwner = nullptr) : FOwner(AOwner) {}

    quint32 Handle = 0;       // the endpoint
    quint32 ExtraHandle = 0;  // carried unchanged; the own entity's single-instance lock
    QString ExeName;          // executable path of the endpoint's program
    QString Title;            // application title of the endpoint's program

    TLumeoLink* Owner() const { return FOwner; }
    void SetOwner(TLumeoLink* AOwner) { FOwner = AOwner; }

    // The field, refreshed first through the owner when it is empty.
    QString GetExeName();
    QString GetTitle();
    // Asks the owner's server about Handle and takes over what comes back.
    void Refresh();
    // Copies the four fields of Other, when there is one.
    void Assign(const TEntity* Other);
    // The name of the single-instance lock of the entity's program: "LU_" and the executable's
    // file name, with backslashes made underscores.
    QString MutexName();

    // The entity record: Handle, ExtraHandle, ExeName, Title.
    void WriteToStream(TLumeoMessageStream& Message);
    void ReadFromStream(TLumeoMessageStream& Message);

    // Whether Handle names a live endpoint.
    bool IsValid() const;

private:
    TLumeoLink* FOwner;
};
