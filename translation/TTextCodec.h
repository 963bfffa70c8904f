#pragma once
// Language files are bytes. A file that is valid UTF-8 is read as UTF-8; any other file comes from
// an older system and is read as Windows-1252, so its umlauts survive. The dictionary keeps its
// keys and values as bytes and turns them into QString only where a text reaches a person (a form
// property, a caller that asks for a QString).

#include <QByteArray>
#include <QString>

enum class TTextEncoding { teUtf8, teWindows1252 };

class TTextCodec {
public:
    static QString Decode(const QByteArray& bytes, TTextEncoding encoding);
    // Characters that Windows-1252 cannot hold become "?".
    static QByteArray Encode(const QString& text, TTextEncoding encoding);
};

// Checks a byte stream for well-formed UTF-8 while it arrives in pieces: no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut off at the end.
class TUtf8Check {
public:
    void Feed(const char* data, qsizetype size);
    // The verdict on everything fed so far, taken as the whole text.
    bool IsValid() const { return FValid && FPending == 0; }

private:
    bool FValid = true;
    int FPending = 0;           // continuation bytes still expected
    unsigned char FLow = 0x80;  // bounds of the next continuation byte
    unsigned char FHigh = 0xBF;
};
