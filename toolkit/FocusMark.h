// SPDX-License-Identifier: MIT
#pragma once
// The mark of the keyboard focus. A control shows it only while it holds the focus that the
// keyboard gave it (Tab, Backtab, a mnemonic): a click, or the focus a window hands its first
// control when it opens, shows nothing, so the window looks as it did before anyone pressed a key.
//
// Controls that paint themselves call Note from their focus events and Paint at the end of their
// paint event; the standard controls whose style draws no mark of their own do the same.

#include <QRect>

class QFocusEvent;
class QPainter;
class QWidget;

namespace FocusMark {

// Remembers whether the focus that arrives came from the keyboard, and repaints the control.
void Note(QWidget* control, const QFocusEvent* event);
// The control's focus marked as the keyboard's, as after Tab: where a window comes up with the
// keyboard ready for its first control, the frame shows where the keys will go.
void Show(QWidget* control);
// true while the control holds a focus the keyboard gave it
bool FromKeyboard(const QWidget* control);
// Draws the mark inside area (the control's rectangle when empty) when FromKeyboard holds.
void Paint(const QWidget* control, QPainter& painter, const QRect& area = {});

}  // namespace FocusMark
