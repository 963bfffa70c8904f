// SPDX-License-Identifier: MIT
#include "NumoraAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "TNumora.h"

namespace {

class TNumoraAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TNumoraAccessible(TNumora* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return Label()->accessibleName().isEmpty() ? Label()->LeftText().trimmed()
                                                           : Label()->accessibleName();
            case QAccessible::Value:
            case QAccessible::Description:
                return NumoraAccessible::SpokenValue(*Label());
            default:
                return QAccessibleWidget::text(t);
        }
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // the value interface, read only: the number as the label shows it (44.9, not
    // 44.880750000000006), the value itself where the text is no plain number (a date, a state)
    QVariant currentValue() const override {
        QString shown = Label()->DisplayText().trimmed();
        if (Label()->Comma()) shown.replace(QLatin1Char(','), QLatin1Char('.'));
        bool number = false;
        const double value = shown.toDouble(&number);
        return number ? value : Label()->Value();
    }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

private:
    TNumora* Label() const { return static_cast<TNumora*>(widget()); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<TNumora*>(object)) return new TNumoraAccessible(label);
    return nullptr;
}

}  // namespace

namespace NumoraAccessible {

void Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

QString SpokenValue(const TNumora& label) {
    QString unit = label.RightText().trimmed();
    if (unit.startsWith(QLatin1Char('[')) && unit.endsWith(QLatin1Char(']')))
        unit = unit.mid(1, unit.size() - 2);
    const QString number = label.DrawnText().trimmed();
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

}  // namespace NumoraAccessible
