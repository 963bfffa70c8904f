// SPDX-License-Identifier: MIT
#include "EnergyBarsAccessible.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>

#include "EnergyBars.h"

namespace {

// One value of the bars: a plain object, so that the bars keep their painting to themselves.
class TReadout : public QObject {
public:
    TReadout(TEnergyBars& bars, int index) : QObject(&bars), Bars(bars), Index(index) {}
    TEnergyBars& Bars;
    const int Index;
};

class TReadoutAccessible : public QAccessibleObject {
public:
    explicit TReadoutAccessible(TReadout* readout) : QAccessibleObject(readout) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(&Of().Bars);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !Of().Bars.isVisible();
        s.readOnly = true;
        return s;
    }
    QRect rect() const override {
        const TEnergyBars& bars = Of().Bars;
        return QRect(bars.mapToGlobal(QPoint(0, 0)), bars.size());
    }
    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return Of().Bars.Name(Of().Index);
            case QAccessible::Value:
            case QAccessible::Description:
                return Of().Bars.ValueText(Of().Index);
            default:
                return {};
        }
    }

private:
    const TReadout& Of() const { return *static_cast<const TReadout*>(object()); }
};

class TBarsAccessible : public QAccessibleWidget {
public:
    explicit TBarsAccessible(TEnergyBars* bars) : QAccessibleWidget(bars, QAccessible::Grouping) {}

    int childCount() const override { return TEnergyBars::ReadoutCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        for (QObject* c : widget()->children())
            if (auto* readout = dynamic_cast<TReadout*>(c); readout && readout->Index == index)
                return QAccessible::queryAccessibleInterface(readout);
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* readout = child ? dynamic_cast<const TReadout*>(child->object()) : nullptr;
        return readout && &readout->Bars == widget() ? readout->Index : -1;
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* readout = dynamic_cast<TReadout*>(object)) return new TReadoutAccessible(readout);
    if (auto* bars = qobject_cast<TEnergyBars*>(object)) return new TBarsAccessible(bars);
    return nullptr;
}

}  // namespace

namespace EnergyBarsAccessible {

QObject* MakeReadout(TEnergyBars& bars, int readout) {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
    return new TReadout(bars, readout);
}

}  // namespace EnergyBarsAccessible
