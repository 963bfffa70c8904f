// SPDX-License-Identifier: MIT
#pragma once
// The text rules of language files and lookups, on bytes. Only the letters A-Z count as letters:
// every other byte, UTF-8 sequences included, passes through unchanged.

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>

class TItlText {
public:
    // What a value may grow into. A loaded value keeps at most KMaxValueBytes bytes (a longer one
    // is cut, never in the middle of a UTF-8 character) and at most KMaxValueLines line feeds
    // (a backslash-n after those becomes a space, as the file's own line breaks do); filling in
    // arguments makes a text at most KMaxArgumentGrowth bytes longer (placeholders past that stay
    // as they are). A window shows a value of that size at once; one of millions of lines would
    // take it minutes and gigabytes.
    static constexpr qsizetype KMaxValueBytes = 64 * 1024;
    static constexpr qsizetype KMaxValueLines = 1000;
    static constexpr qsizetype KMaxArgumentGrowth = 1024 * 1024;

    // A-Z become a-z, nothing else changes.
    static QByteArray AsciiLower(QByteArray text);

    // A key as read from a file: lower case, CR, LF and TAB become spaces, runs of spaces fold to
    // one, leading spaces go; trailing spaces stay. The result replaces key's content (its room is
    // kept for the next record).
    static void NormaliseKey(QByteArrayView rawKey, QByteArray& key);

    // A value as read from a file: CR and LF become spaces (a CR LF pair gives two), backslash + "n"
    // becomes a line feed, and "<%APPNAME%>" in any letter case becomes the application name,
    // within the bounds above. The result replaces value's content.
    static void ProcessValue(QByteArrayView rawValue, QByteArrayView appName, QByteArray& value);

    // Fills "<%1%>", "<%2%>", ... with the arguments, one pass per argument. A pass does not rescan
    // what it inserted; later passes do. Placeholders without an argument stay.
    static void SubstituteArguments(QByteArray& text, const QByteArrayList& arguments);
};
