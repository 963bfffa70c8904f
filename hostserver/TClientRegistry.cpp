#include "TClientRegistry.h"

void TClientRegistry::Add(const TEntity& Client) {
    if (Client.Handle == 0) return;
    TEntity& entry = FClients[Client.Handle];
    entry.Assign(&Client);
}

void TClientRegistry::Remove(quint32 Handle) { FClients.erase(Handle); }

const TEntity* TClientRegistry::FindByHandle(quint32 Handle) {
    const auto it = FClients.find(Handle);
    if (it == FClients.end()) return nullptr;
    if (it->second.IsValid()) return &it->second;
    FClients.erase(it);
    return nullptr;
}

const TEntity* TClientRegistry::FindByTitle(const QString& Title) {
    for (auto it = FClients.begin(); it != FClients.end();) {
        if (!it->second.IsValid()) {
            it = FClients.erase(it);
            continue;
        }
        if (it->second.Title == Title) return &it->second;
        ++it;
    }
    return nullptr;
}

std::vector<TEntity> TClientRegistry::Clients() const {
    std::vector<TEntity> clients;
    for (const auto& [handle, client] : FClients) clients.push_back(client);
    return clients;
}
