// SPDX-License-Identifier: MIT
#include "TJointLayers.h"

#include <QStringList>

#include "VexaError.h"

TJointLayers::TJointLayers(QObject* parent) : QObject(parent) {
    for (auto& table : FTable)
        for (int n = 0; n <= PloticaLayerCount; ++n) table[n] = n;
}

int TJointLayers::ControlledBy(TAxis axis, int n) const {
    if (n < 1 || n > PloticaLayerCount) return n;
    return FTable[axis][n];
}

void TJointLayers::SetControlledBy(TAxis axis, int n, int d) {
    if (n < 1 || n > PloticaLayerCount) return;
    auto& table = FTable[axis];
    if (d < 1 || d > PloticaLayerCount)
        throw EVexaPloticaError(QStringLiteral("Destination layer %1 is out of range").arg(d));
    if (d == n) {
        table[n] = n;
        return;
    }
    if (table[d] != d)
        throw EVexaPloticaError(QStringLiteral("Destination layer %1 is already joined").arg(d));
    QStringList followers;
    for (int j = 1; j <= PloticaLayerCount; ++j)
        if (j != n && table[j] == n) followers << QString::number(j);
    if (!followers.isEmpty())
        throw EVexaPloticaError(QStringLiteral("Layer %1 is joined by other layers (%2)")
                                    .arg(n)
                                    .arg(followers.join(QStringLiteral(", "))));
    table[n] = d;
    if (OnJoined) OnJoined(axis, n, d);
    if (OnChange) OnChange(this);
}

void TJointLayers::Assign(const QObject* source) {
    auto other = qobject_cast<const TJointLayers*>(source);
    if (!other)
        throw EVexaError(QStringLiteral("Cannot assign a %1 to a TJointLayers")
                             .arg(source ? QString::fromLatin1(source->metaObject()->className())
                                         : QStringLiteral("nil")));
    if (other == this) return;
    FTable = other->FTable;
    if (OnChange) OnChange(this);
}
