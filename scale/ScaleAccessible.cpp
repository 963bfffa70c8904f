// SPDX-License-Identifier: MIT
#include "ScaleAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "TScale.h"

namespace {

class TScaleAccessible : public QAccessibleWidget {
public:
    explicit TScaleAccessible(TScale* scale) : QAccessibleWidget(scale, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override {
        const TScale& scale = *static_cast<TScale*>(widget());
        switch (t) {
            case QAccessible::Name:
                return scale.accessibleName().isEmpty() ? scale.Caption() : scale.accessibleName();
            case QAccessible::Value:
            case QAccessible::Description:
                return ScaleAccessible::SpokenRange(scale);
            default:
                return QAccessibleWidget::text(t);
        }
    }
    // an axis without a parent is one a chart holds and paints: it shows while its chart does
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (!widget()->parentWidget()) s.invisible = false;
        return s;
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* scale = qobject_cast<TScale*>(object)) return new TScaleAccessible(scale);
    return nullptr;
}

}  // namespace

namespace ScaleAccessible {

void Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

QString SpokenRange(const TScale& scale) {
    return QStringLiteral("%1 to %2")
        .arg(QString::number(scale.RangeLow(), 'g', 15), QString::number(scale.RangeHigh(), 'g', 15));
}

}  // namespace ScaleAccessible
