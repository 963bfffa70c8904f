// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include "gravilo_translation_export.h"

/// @file
/// The text encodings of language files, and the codec and UTF-8 check that serve them.

/// The encoding of a language file's bytes.
enum class TTextEncoding {
    teUtf8,        ///< UTF-8
    teWindows1252  ///< Windows-1252, the code page of files from an older system
};

/// Language files are bytes. A file that is valid UTF-8 is read as UTF-8; any other file comes from
/// an older system and is read as Windows-1252, so its umlauts survive. The dictionary keeps its
/// keys and values as bytes and turns them into QString only where a text reaches a person (a form
/// property, a caller that asks for a QString).
class GRAVILO_TRANSLATION_EXPORT TTextCodec {
public:
    /// A character keeps at most this many combining marks: a letter under sixty thousand accents
    /// would take every label that shows it most of a second to draw.
    static constexpr qsizetype KMaxMarksPerCharacter = 8;

    /// Decoded, with marks beyond KMaxMarksPerCharacter on one character left out.
    static QString Decode(const QByteArray& bytes, TTextEncoding encoding);
    /// text with marks beyond KMaxMarksPerCharacter on one character left out.
    static QString WithFewMarks(QString text);
    /// text as bytes in encoding. Characters that Windows-1252 cannot hold become "?".
    static QByteArray Encode(const QString& text, TTextEncoding encoding);

    /// Bytes of either encoding, or of both mixed: every well-formed UTF-8 sequence as UTF-8, every
    /// other byte as the Windows-1252 character it stands for. The text depends on the bytes alone,
    /// not on what was loaded, and no replacement character stands for several different bytes.
    static QString DecodeLenient(const QByteArray& bytes);
};

/// Checks a byte stream for well-formed UTF-8 while it arrives in pieces: no overlong forms, no
/// surrogates, nothing above U+10FFFF, no sequence cut off at the end.
class GRAVILO_TRANSLATION_EXPORT TUtf8Check {
public:
    /// Checks the next size bytes of the stream; a sequence may go on into the next piece. After the
    /// first fault the rest is not looked at.
    void Feed(const char* data, qsizetype size);
    /// The verdict on everything fed so far, taken as the whole text.
    bool IsValid() const { return FValid && FPending == 0; }

    /// What a byte that begins a sequence asks for: the number of continuation bytes and the
    /// bounds of the first of them (overlong forms, surrogates and code points above U+10FFFF are
    /// kept out there). False for a byte that cannot begin a sequence.
    static bool Lead(unsigned char c, int& continuations, unsigned char& low, unsigned char& high);

private:
    bool FValid = true;
    int FPending = 0;           // continuation bytes still expected
    unsigned char FLow = 0x80;  // bounds of the next continuation byte
    unsigned char FHigh = 0xBF;
};
