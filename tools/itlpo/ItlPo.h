// SPDX-License-Identifier: MIT
#pragma once
// Language files and gettext's .po files, both ways, so that a translator works in Poedit, Weblate
// or Qt Linguist and Gravilo reads the result.
//
// A record becomes one entry: its key the msgctxt, the English text the msgid, this language's
// text the msgstr; a text of plural forms ("<%|%>" between them) becomes msgid, msgid_plural and
// one msgstr[i] per form. "\n" in a language file is a line break in the .po. The English file's
// notes (lines "# ..." before a record) become the entries' "#." comments, naming where a text
// appears; a language file's own notes its translator comments. "$pluralforms$" is also the
// header's Plural-Forms, which wins when the two differ (it is what Poedit edits).
//
// Back from a .po, records come in its order, one a line, each ended by CR LF, in UTF-8, the
// translator comments as notes before them (and the "#." comments too for English, the language
// the texts are written in); an entry without a translation, or marked fuzzy, is left out, so its
// English text shows. A language file written so comes back byte for byte from its .po. A value
// written over several lines comes back on one, its line breaks spaces, as Gravilo reads it.

#include <QByteArray>
#include <QString>

namespace ItlPo {

// The .po of a language file against the English one; with the same file twice, the English .po.
// False, with the reason, when a file cannot be read.
bool Export(const QString& englishFile, const QString& languageFile, QByteArray& po, QString& error);
// The template: every English text with an empty translation.
bool Template(const QString& englishFile, QByteArray& pot, QString& error);
// The language file of a translated .po; false with "line N: reason" when it cannot be read or
// holds a text a language file cannot (a key with "]=", a text or note with "|$$" or "[").
bool Import(const QByteArray& po, QByteArray& itl, QString& error);

}  // namespace ItlPo
