#pragma once
// The text rules of language files and lookups, on bytes. Only the letters A-Z count as letters:
// every other byte, UTF-8 sequences included, passes through unchanged.

#include <QByteArray>
#include <QByteArrayList>

class TItlText {
public:
    // A-Z become a-z, nothing else changes.
    static QByteArray AsciiLower(QByteArray text);

    // A key as read from a file: lower case, CR, LF and TAB become spaces, runs of spaces fold to
    // one, leading spaces go; trailing spaces stay.
    static QByteArray NormaliseKey(const QByteArray& rawKey);

    // A value as read from a file: CR and LF become spaces (a CR LF pair gives two), backslash + "n"
    // becomes a line feed, and "<%APPNAME%>" in any letter case becomes the application name.
    static QByteArray ProcessValue(const QByteArray& rawValue, const QByteArray& appName);

    // Fills "<%1%>", "<%2%>", ... with the arguments, one pass per argument. A pass does not rescan
    // what it inserted; later passes do. Placeholders without an argument stay.
    static void SubstituteArguments(QByteArray& text, const QByteArrayList& arguments);

    // Replaces every occurrence of needle, compared without regard to the case of A-Z, scanning
    // on after each inserted text.
    static void ReplaceAsciiCaseless(QByteArray& text, const QByteArray& needle, const QByteArray& with);
};
