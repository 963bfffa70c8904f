#pragma once
// The clients that registered with the server, by handle.

#include <QString>

#include <map>
#include <vector>

#include "TEntity.h"

class TClientRegistry {
public:
    void Add(const TEntity& Client);
    void Remove(quint32 Handle);
    // Live clients only: one whose endpoint has gone without unregistering is forgotten here.
    const TEntity* FindByHandle(quint32 Handle);
    const TEntity* FindByTitle(const QString& Title);
    std::vector<TEntity> Clients() const;

private:
    std::map<quint32, TEntity> FClients;
};
