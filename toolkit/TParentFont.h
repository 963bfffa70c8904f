// SPDX-License-Identifier: MIT
#pragma once
// A control's font that follows the published Font of its nearest ancestor within the window
// (its form: panels publish none) while ParentFont holds. Changing the control's own font ends
// the following, as the classic controls do.

#include <QObject>
#include <QPointer>

class QWidget;
class TFont;

class TParentFont : public QObject {
public:
    // font: the control's own font, which receives the inherited settings
    TParentFont(QWidget* control, TFont* font);

    bool Enabled() const { return FEnabled; }
    // Turning it on adopts the inherited font at once.
    void SetEnabled(bool enabled);

    // Looks for the ancestor's font again and adopts it while following: at construction, after
    // loading and when the control gets another parent.
    void Follow();

    // The control's font changed: unless that was the adoption itself, following ends.
    void OwnFontChanged();

private:
    void Adopt();
    QWidget* FControl;
    TFont* FFont;
    QPointer<TFont> FFollowed;
    bool FEnabled = true;
    bool FAdopting = false;
};

// The published Font of the nearest ancestor within the window that has one, or nullptr.
TFont* InheritedFont(const QWidget* control);

// ShowHint with ParentShowHint: while the parent flag holds, the nearest ancestor that publishes
// ShowHint decides; setting ShowHint clears the parent flag.
class TShowHint {
public:
    bool Effective(const QWidget* control) const;
    void Set(bool show) {
        FShowHint = show;
        FParent = false;
    }
    bool Parent() const { return FParent; }
    void SetParent(bool parent) { FParent = parent; }

private:
    bool FShowHint = false;
    bool FParent = true;
};
