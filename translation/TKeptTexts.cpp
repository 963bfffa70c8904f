// SPDX-License-Identifier: MIT
#include "TKeptTexts.h"

#include <algorithm>

#include "TGlossator.h"

std::shared_ptr<TKeptTexts> TKeptTexts::Attach(TGlossator& dictionary) {
    auto kept = std::make_shared<TKeptTexts>();
    const std::weak_ptr<TKeptTexts> keeper = kept;
    dictionary.SetOnTextReplaced([keeper](QObject* object, const char* property, const QVariant& original) {
        if (const std::shared_ptr<TKeptTexts> texts = keeper.lock()) texts->Keep(object, property, original);
    });
    return kept;
}

void TKeptTexts::Keep(QObject* object, const char* property, const QVariant& original) {
    const bool known = std::any_of(FKept.cbegin(), FKept.cend(), [&](const TKept& kept) {
        return kept.Object == object && kept.Property == property;
    });
    if (!known) FKept.push_back({object, property, original});
}

void TKeptTexts::Restore() const {
    for (const TKept& kept : FKept)
        if (kept.Object) kept.Object->setProperty(kept.Property.constData(), kept.Original);
}
