// SPDX-License-Identifier: MIT
#include "TClientRegistry.h"

bool TClientRegistry::Add(const TEntity& Client) {
    if (Client.Handle == 0 || Client.ExeName.size() > MaxNameLength || Client.Title.size() > MaxNameLength)
        return false;
    if (FClients.count(Client.Handle) == 0 && FClients.size() >= MaxClients) {
        ForgetGone();
        if (FClients.size() >= MaxClients) return false;
    }
    TClient& entry = FClients[Client.Handle];
    entry.Entity.Assign(&Client);
    if (entry.Order == 0) entry.Order = FNextOrder++;
    return true;
}

void TClientRegistry::ForgetGone() {
    std::erase_if(FClients, [](const auto& Entry) { return !Entry.second.Entity.IsValid(); });
}

void TClientRegistry::Remove(quint32 Handle) {
    FClients.erase(Handle);
}

const TEntity* TClientRegistry::FindByHandle(quint32 Handle) {
    const auto it = FClients.find(Handle);
    if (it == FClients.end()) return nullptr;
    if (it->second.Entity.IsValid()) return &it->second.Entity;
    FClients.erase(it);
    return nullptr;
}

const TEntity* TClientRegistry::FindByTitle(const QString& Title) {
    const TClient* first = nullptr;
    for (auto it = FClients.begin(); it != FClients.end();) {
        if (!it->second.Entity.IsValid()) {
            it = FClients.erase(it);
            continue;
        }
        if (it->second.Entity.Title == Title && (!first || it->second.Order < first->Order))
            first = &it->second;
        ++it;
    }
    return first ? &first->Entity : nullptr;
}

std::vector<TEntity> TClientRegistry::Clients() const {
    std::vector<TEntity> clients;
    for (const auto& [handle, client] : FClients) clients.push_back(client.Entity);
    return clients;
}
