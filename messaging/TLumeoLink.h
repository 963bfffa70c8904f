// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <memory>

#include "gravilo_messaging_export.h"

class TEntity;
class TLumeoMessageStream;

/// What carries host messages for an entity and a message stream: the host link component that
/// owns them. An entity asks it about a handle, a message is sent through it; the server, which
/// answers on its own endpoint, gives its entities and messages no link at all.
class GRAVILO_MESSAGING_EXPORT TLumeoLink {
public:
    virtual ~TLumeoLink() = default;

    /// The entity of the endpoint Handle; none when not found; the caller owns what comes back.
    virtual std::unique_ptr<TEntity> FindEntityByHandle(quint32 Handle) = 0;
    /// Stamps Message and sends it to Target, waiting until Target has handled it; the reply with
    /// the same stamp goes into Reply (when given).
    virtual void SendTo(const TEntity& Target, TLumeoMessageStream& Message,
                        TLumeoMessageStream* Reply = nullptr) = 0;

protected:
    /// A link for a derived class to make.
    TLumeoLink() = default;
    /// Copies nothing of its own: the link has no state.
    TLumeoLink(const TLumeoLink&) = default;
    /// Assigns nothing of its own: the link has no state.
    TLumeoLink& operator=(const TLumeoLink&) = default;
};
