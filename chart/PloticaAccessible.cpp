// SPDX-License-Identifier: MIT
#include "PloticaAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "TCustomPlotica.h"
#include "TScaleProps.h"

namespace {

class TPloticaAccessible : public QAccessibleWidget {
public:
    explicit TPloticaAccessible(TCustomPlotica* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return Chart()->accessibleName().isEmpty() ? Chart()->Caption() : Chart()->accessibleName();
            case QAccessible::Value:
            case QAccessible::Description:
                return SpokenState();
            default:
                return QAccessibleWidget::text(t);
        }
    }

    // the widgets inside the chart, then its visible axes, which it paints itself
    int childCount() const override { return QAccessibleWidget::childCount() + int(Axes().size()); }
    QAccessibleInterface* child(int index) const override {
        const int own = QAccessibleWidget::childCount();
        if (index < own) return QAccessibleWidget::child(index);
        const QList<TScale*> axes = Axes();
        return index - own < axes.size() ? QAccessible::queryAccessibleInterface(axes[index - own]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int own = QAccessibleWidget::indexOfChild(child);
        if (own >= 0 || !child) return own;
        const int axis = int(Axes().indexOf(qobject_cast<TScale*>(child->object())));
        return axis < 0 ? -1 : QAccessibleWidget::childCount() + axis;
    }

private:
    TCustomPlotica* Chart() const { return static_cast<TCustomPlotica*>(widget()); }

    QString SpokenState() const {
        QString text;
        if (Chart()->OnSpokenState) Chart()->OnSpokenState(Chart(), text);
        return text;
    }

    QList<TScale*> Axes() const {
        QList<TScale*> axes;
        for (int layer = 1; layer <= PloticaLayerCount; ++layer) {
            if (Chart()->ScalePropsX(layer)->Visible()) axes << Chart()->AxisControl(layer, true);
            if (Chart()->ScalePropsY(layer)->Visible()) axes << Chart()->AxisControl(layer, false);
        }
        axes.removeAll(nullptr);
        return axes;
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* chart = qobject_cast<TCustomPlotica*>(object)) return new TPloticaAccessible(chart);
    return nullptr;
}

}  // namespace

namespace PloticaAccessible {

void Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace PloticaAccessible
