// SPDX-License-Identifier: MIT
#pragma once
// The keyboard and the screen reader's view for scene scripts: a key sequence pressed as a user
// presses it, and the window's accessible objects as a screen reader finds them.

#include <QString>
#include <QStringList>

class QWidget;

namespace ScriptKeys {

// Presses and releases one key with its modifiers ("Tab", "Shift+Down", "2", "Return", "Alt+R")
// in the window's focus widget, through the shortcuts first as a real key goes; waits for a
// button the key pressed to finish its click. false, with the reason, for a sequence that names
// no key.
bool Press(QWidget& window, const QString& sequence, QString& error);

// One line "role|name|value" per accessible object of the window that has a name or a value, in
// the order of the accessibility tree; line breaks inside a text are written as "\n".
QStringList AccessibleLines(QWidget& window);

}  // namespace ScriptKeys
