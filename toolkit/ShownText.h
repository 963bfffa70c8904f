// SPDX-License-Identifier: MIT
#pragma once
// The texts people read in the toolkit's controls: captions, item texts, hints and messages. They
// may come from a language file or from a peer, so they show as the characters they are, never
// read as markup (markup may nest without end, name images of any size or files that block), and
// only up to a length any window system carries (an X server drops the connection of a program
// whose window title reaches 16 MiB): a longer text is cut there.

#include <QString>

namespace ShownText {

// The most characters (UTF-16 units) a caption, an item, a hint or a message shows.
constexpr qsizetype MaxLength = 65536;

// The text, cut to MaxLength characters without splitting a surrogate pair.
QString Bounded(const QString& text);

// The bounded text for a tool tip. Qt reads a tip that looks like markup as markup: such a text
// is escaped, so that the tip still shows its characters.
QString ToolTip(const QString& text);

}  // namespace ShownText
