// SPDX-License-Identifier: MIT
#pragma once

// What screen readers learn of the toolkit's own controls: a label with a link address is a link
// that names its address and can be pressed. Installed once, by the first such control built.

#include <QAccessible>

class QObject;
class QString;

namespace AccessibleControls {

void Install();
// Tells screen readers that the control's spoken value has changed, when it has: controls call it
// after they have shown a new state. Costs nothing while no screen reader listens.
void AnnounceChange(QObject* control, QString& lastSpoken);
// One who hears every announcement besides the screen reader (a test; a log): while one is set,
// changes are announced to it even when no screen reader listens. Null, the default: none.
void SetListener(QAccessible::UpdateHandler listener);

}  // namespace AccessibleControls
