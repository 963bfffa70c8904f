// SPDX-License-Identifier: MIT
#pragma once
// The clients that registered with the server, by handle.

#include <QString>

#include <map>
#include <vector>

#include "TEntity.h"

class TClientRegistry {
public:
    // What is kept of the clients is bounded: at most MaxClients of them (those whose endpoints have
    // gone are forgotten first), each with an executable path and a title of at most MaxNameLength
    // characters. A registration beyond either bound is refused.
    static constexpr std::size_t MaxClients = 1024;
    static constexpr qsizetype MaxNameLength = 4096;

    // False when the registration is refused.
    bool Add(const TEntity& Client);
    void Remove(quint32 Handle);
    // Live clients only: one whose endpoint has gone without unregistering is forgotten here.
    const TEntity* FindByHandle(quint32 Handle);
    // Of several clients with the title, the one that registered first: a second start of a
    // program registers too before it looks for the first.
    const TEntity* FindByTitle(const QString& Title);
    std::vector<TEntity> Clients() const;

private:
    void ForgetGone();

    struct TClient {
        TEntity Entity;
        quint64 Order = 0;
    };
    std::map<quint32, TClient> FClients;
    quint64 FNextOrder = 1;
};
