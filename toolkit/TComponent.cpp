// SPDX-License-Identifier: MIT
#include "TComponent.h"

#include <QWidget>

#include "ShownText.h"

void TComponent::SetHint(const QString& hint) {
    FHint = ShownText::Bounded(hint);
    if (auto* control = qobject_cast<QWidget*>(FSelf)) control->setToolTip(ShownText::ToolTip(FHint));
}

void TLoadingScope::Join(TComponent* component) {
    if (!component) return;
    component->FLoading = true;
    FEntries.push_back({component, QPointer<QObject>(component->Self())});
}

void TLoadingScope::End() {
    if (FEnded) return;
    FEnded = true;
    while (FNextLoaded < FEntries.size()) {
        const Entry& e = FEntries[FNextLoaded++];
        if (e.Guard) e.Component->Loaded();
    }
}

TLoadingScope::~TLoadingScope() {
    for (std::size_t i = FNextLoaded; i < FEntries.size(); ++i)
        if (FEntries[i].Guard) FEntries[i].Component->FLoading = false;
}
