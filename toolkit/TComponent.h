// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "gravilo_toolkit_export.h"

/// The component model of the suite. Components are QObjects (widgets or plain objects); their
/// owner is their QObject parent. A form builds its components in its constructor inside a
/// TLoadingScope: while the scope is open the components report IsLoading(), so setters that must
/// wait for the whole form do wait; when the form ends the scope, every component gets Loaded(),
/// in the order in which it joined.
class GRAVILO_TOOLKIT_EXPORT TComponent {
public:
    /// The component whose QObject is self (the object that derives from it).
    explicit TComponent(QObject* self) : FSelf(self) {}
    /// Destroys the component.
    virtual ~TComponent() = default;
    /// A component is not copied.
    TComponent(const TComponent&) = delete;
    /// A component is not assigned.
    TComponent& operator=(const TComponent&) = delete;

    /// The QObject that is this component.
    QObject* Self() const { return FSelf; }

    /// true while the form that holds the component is being built
    bool IsLoading() const { return FLoading; }
    /// true while the component lies on a form in Qt Designer (the plugin says so): it then shows
    /// itself also where a running program would not (hidden, or not redrawn at once), and does
    /// nothing beyond its form (no host link). Always false while a program runs, forms loaded with
    /// QUiLoader included.
    bool IsDesigning() const { return FDesigning; }
    /// Sets IsDesigning; the Qt Designer plugin turns it on for the components on its forms.
    void SetDesigning(bool designing) { FDesigning = designing; }

    /// Called once when the form has been built; the base clears the loading state.
    virtual void Loaded() { FLoading = false; }

    /// The component behind a QObject, or nullptr when it is not one of ours.
    static TComponent* Of(QObject* object) { return dynamic_cast<TComponent*>(object); }

    /// The hint of a control: its tool tip, shown as the characters it holds (ShownText).
    QString Hint() const { return FHint; }
    /// Sets the hint, cut to ShownText::MaxLength characters; a widget takes it as its tool tip, a
    /// text that looks like markup escaped.
    void SetHint(const QString& hint);

private:
    friend class TLoadingScope;
    QObject* FSelf;
    QString FHint;
    bool FLoading = false;
    bool FDesigning = false;
};

/// The loading of one form: the components that join it report IsLoading() until End() gives each
/// its Loaded(). A component destroyed while loading is skipped.
class GRAVILO_TOOLKIT_EXPORT TLoadingScope {
public:
    /// An open scope without components.
    TLoadingScope() = default;
    /// Leaving the scope without End() (an exception while building) only clears the loading state.
    ~TLoadingScope();
    /// A scope is not copied.
    TLoadingScope(const TLoadingScope&) = delete;
    /// A scope is not assigned.
    TLoadingScope& operator=(const TLoadingScope&) = delete;

    /// The component joins the form being loaded: it reports IsLoading() until its Loaded().
    /// Returns component; nullptr joins nothing.
    template <typename T>
    T* Add(T* component) {
        Join(component);
        return component;
    }

    /// Runs Loaded() on every component in the order in which they joined. Exceptions of a
    /// Loaded() propagate to the code that builds the form; the components after it stay loading
    /// until the scope is destroyed. A second call does nothing.
    void End();

private:
    void Join(TComponent* component);
    struct Entry {
        TComponent* Component;
        QPointer<QObject> Guard;  // a component destroyed while loading is skipped
    };
    std::vector<Entry> FEntries;
    std::size_t FNextLoaded = 0;  // entries before it have had their Loaded()
    bool FEnded = false;
};
