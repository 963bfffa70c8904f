// SPDX-License-Identifier: MIT
#pragma once
// The keys of the main window: one table for what they do and for the list that shows them
// (Help › Keyboard shortcuts). The scene, the zero level, the energy-over-time chart and the mass
// bar's Enter find their actions here, so that a key that works is a key the list shows. The menus'
// shortcuts and the buttons' Alt keys are their actions' own; the list reads them from there.

#include <QKeySequence>
#include <QList>

namespace KeyTable {

enum TArea { kaAnywhere, kaBodies, kaMass, kaScene, kaZeroLevel, kaFallChart, kaAboutDialog, AreaCount };
enum TAction {
    aNone,      // a key the area's control handles itself (Tab, the bar's arrows)
    aRaise,     // the scene: the mass 1 m up (Shift: 10 m)
    aLower,     // the scene: 1 m down
    aAway,      // the scene: the end away from the tower
    aToward,    // the scene: the end towards it
    aLetGo,     // the scene: the rope let go
    aHook,      // the scene: the rope on hook 1 to 5
    aTypeMass,  // the mass bar: an editor for the mass
    aZeroUp,
    aZeroDown,
    aZeroGround,
    aCursorBack,
    aCursorOn,
    aCursorFirst,
    aCursorLast,
};

struct TRow {
    TArea Area;
    QList<QKeySequence> Keys;
    TAction Action;
    const char* What;  // translation key
};

const QList<TRow>& Rows();
// the action of a key pressed in that area; aNone when the area has no row of its own for it
TAction ActionOf(TArea area, int key, Qt::KeyboardModifiers modifiers);
// the translation key of the area's name
const char* AreaKey(TArea area);

}  // namespace KeyTable
