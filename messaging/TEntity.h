// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include "gravilo_messaging_export.h"

class TLumeoLink;
class TLumeoMessageStream;

/// One endpoint of the host link: a program's message endpoint with what is known of its program.
class GRAVILO_MESSAGING_EXPORT TEntity {
public:
    /// An entity of no endpoint (handle 0) whose questions go to AOwner; none when it is null.
    explicit TEntity(TLumeoLink* AOwner = nullptr) : FOwner(AOwner) {}

    quint32 Handle = 0;       ///< the endpoint
    quint32 ExtraHandle = 0;  ///< carried unchanged; the own entity's single-instance lock
    QString ExeName;          ///< executable path of the endpoint's program
    QString Title;            ///< application title of the endpoint's program

    /// The link that answers the entity's questions; null for none.
    TLumeoLink* Owner() const { return FOwner; }
    /// Sets the link that answers the entity's questions; null for none.
    void SetOwner(TLumeoLink* AOwner) { FOwner = AOwner; }

    /// ExeName, refreshed first through the owner when it is empty.
    QString GetExeName();
    /// Title, refreshed first through the owner when it is empty.
    QString GetTitle();
    /// Asks the owner's server about Handle and takes over what comes back. Without an owner, or when
    /// the server knows no such endpoint, the fields stay as they are.
    void Refresh();
    /// Copies the four fields of Other, when there is one.
    void Assign(const TEntity* Other);
    /// The name of the single-instance lock of the entity's program: "LU_" and the executable's
    /// file name, with backslashes made underscores.
    QString MutexName();

    /// Writes the entity record at the message's position: Handle, ExtraHandle, ExeName, Title
    /// (the texts refreshed first when they are empty).
    void WriteToStream(TLumeoMessageStream& Message);
    /// Reads the entity record from the message's position; EReadError when the message ends first.
    void ReadFromStream(TLumeoMessageStream& Message);

    /// Whether Handle names a live endpoint.
    bool IsValid() const;

private:
    TLumeoLink* FOwner;
};
