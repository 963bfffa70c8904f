// SPDX-License-Identifier: MIT
#include "AccessibleControls.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "TLabel.h"

namespace {

QAccessible::UpdateHandler Listener = nullptr;

class TLinkAccessible : public QAccessibleWidget {
public:
    explicit TLinkAccessible(TLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return Label()->accessibleName().isEmpty() ? Label()->Caption() : Label()->accessibleName();
            case QAccessible::Value:
                return Label()->LinkAddress();
            default:
                return QAccessibleWidget::text(t);
        }
    }
    QAccessible::Role role() const override {
        return Label()->LinkAddress().isEmpty() ? QAccessible::StaticText : QAccessible::Link;
    }
    QStringList actionNames() const override {
        return Label()->LinkAddress().isEmpty() ? QStringList() : QStringList{pressAction()};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && Label()->OnClick) Label()->OnClick(Label());
    }

private:
    TLabel* Label() const { return static_cast<TLabel*>(widget()); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<TLabel*>(object)) return new TLinkAccessible(label);
    return nullptr;
}

}  // namespace

namespace AccessibleControls {

void Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void AnnounceChange(QObject* control, QString& lastSpoken) {
    if (!QAccessible::isActive() && !Listener) return;
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    if (!spoken) return;
    const QString now = spoken->text(QAccessible::Value);
    if (now == lastSpoken) return;
    lastSpoken = now;
    const auto tell = [](QAccessibleEvent& event) {
        if (Listener) Listener(&event);
        QAccessible::updateAccessibility(&event);
    };
    if (QAccessibleValueInterface* value = spoken->valueInterface()) {
        QAccessibleValueChangeEvent event(control, value->currentValue());
        tell(event);
    } else {
        QAccessibleEvent event(control, QAccessible::DescriptionChanged);
        tell(event);
    }
}

void SetListener(QAccessible::UpdateHandler listener) {
    Listener = listener;
}

}  // namespace AccessibleControls
