// SPDX-License-Identifier: MIT
#include "BodyLooks.h"

#include "TSimulation.h"
#include "WindowNumbers.h"

const TBodyLook& BodyLook(int body) {
    // Earth keeps the small plus the chart always had; the others take shapes that differ in
    // outline, not only in size: a ring, a filled triangle, a diagonal cross, a filled diamond
    static const TBodyLook looks[TSimulation::BodyCount + 1] = {
        {0x000000, 1, 0x000000, QStringLiteral("+")},
        {0x0000FF, 17, 0x0000C8, QString(QChar(0x25CB))},  // red; ○
        {0xFF0000, 36, 0xFF0000, QString(QChar(0x25B2))},  // blue; ▲
        {0x84AE15, 6, 0x55700E, QString(QChar(0x00D7))},   // green; ×
        {0x800080, 15, 0x800080, QString(QChar(0x25C6))},  // purple; ◆
    };
    return looks[body >= 0 && body <= TSimulation::PlanetX ? body : 0];
}

QString AccelText(const TSimulation& simulation, int body, bool comma) {
    if (body == TSimulation::PlanetX && simulation.PlanetXHidden()) return QStringLiteral("?");
    return WindowNumber(simulation.AccelOf(body), comma);
}
