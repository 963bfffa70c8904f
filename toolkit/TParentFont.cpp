// SPDX-License-Identifier: MIT
#include "TParentFont.h"

#include <QMetaProperty>
#include <QVariant>
#include <QWidget>

#include "TFont.h"

TFont* InheritedFont(const QWidget* control) {
    for (const QWidget* w = control->parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const int index = w->metaObject()->indexOfProperty("Font");
        if (index < 0) continue;
        if (auto* font = qobject_cast<TFont*>(w->metaObject()->property(index).read(w).value<QObject*>()))
            return font;
    }
    return nullptr;
}

TParentFont::TParentFont(QWidget* control, TFont* font) : FControl(control), FFont(font) {}

void TParentFont::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    Follow();
}

void TParentFont::Follow() {
    TFont* inherited = InheritedFont(FControl);
    if (inherited != FFollowed) {
        if (FFollowed) disconnect(FFollowed, &TFont::Changed, this, nullptr);
        FFollowed = inherited;
        if (inherited) connect(inherited, &TFont::Changed, this, [this] { Adopt(); });
    }
    Adopt();
}

void TParentFont::Adopt() {
    if (!FEnabled || !FFollowed || FFont->SameAs(*FFollowed)) return;
    FAdopting = true;
    FFont->Assign(*FFollowed);
    FAdopting = false;
}

void TParentFont::OwnFontChanged() {
    if (!FAdopting) FEnabled = false;
}

bool TShowHint::Effective(const QWidget* control) const {
    if (!FParent) return FShowHint;
    for (const QWidget* w = control->parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QVariant inherited = w->property("ShowHint");
        if (inherited.isValid()) return inherited.toBool();
    }
    return FShowHint;
}
