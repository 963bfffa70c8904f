// SPDX-License-Identifier: MIT
#include "TItlText.h"

#include "TTextCodec.h"

namespace {

constexpr QByteArrayView KAppName = "<%APPNAME%>";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool AppNameAt(QByteArrayView text, qsizetype at) {
    if (text.size() - at < KAppName.size()) return false;
    for (qsizetype i = 0; i < KAppName.size(); ++i)
        if (LowerAscii(text[at + i]) != LowerAscii(KAppName[i])) return false;
    return true;
}

// Cuts a value to its bound; a character whose bytes would be cut goes as a whole.
void CutValue(QByteArray& value) {
    value.truncate(TItlText::KMaxValueBytes);
    qsizetype lead = value.size() - 1;
    while (lead > 0 && value.size() - lead < 4 && (static_cast<unsigned char>(value[lead]) & 0xC0) == 0x80)
        --lead;
    int continuations = 0;
    unsigned char low = 0, high = 0;
    if (lead >= 0 && TUtf8Check::Lead(static_cast<unsigned char>(value[lead]), continuations, low, high) &&
        lead + continuations >= value.size())
        value.truncate(lead);
}

}  // namespace

QByteArray TItlText::AsciiLower(QByteArray text) {
    for (char& c : text) c = LowerAscii(c);
    return text;
}

void TItlText::NormaliseKey(QByteArrayView rawKey, QByteArray& key) {
    // One pass gives the same text as the separate steps: every white-space byte becomes a space,
    // a space that follows a space is dropped, and so are the spaces before the first other byte.
    key.truncate(0);  // keeps its room; resize(0) of an empty array would allocate
    for (const char raw : rawKey) {
        const char c = (raw == '\r' || raw == '\n' || raw == '\t') ? ' ' : LowerAscii(raw);
        if (c == ' ' && (key.isEmpty() || key.back() == ' ')) continue;
        key.append(c);
    }
}

void TItlText::ProcessValue(QByteArrayView rawValue, QByteArrayView appName, QByteArray& value) {
    // One pass gives the same text as the separate steps (line breaks, then backslash-n, then the
    // application name): the name's placeholder holds no line break and no backslash, so each
    // step finds its matches where the file has them.
    value.truncate(0);
    qsizetype lineFeeds = 0;
    qsizetype i = 0;
    for (; i < rawValue.size() && value.size() < KMaxValueBytes; ++i) {
        const char c = rawValue[i];
        if (c == '\r' || c == '\n') {
            value.append(' ');
        } else if (c == '\\' && i + 1 < rawValue.size() && rawValue[i + 1] == 'n') {
            value.append(lineFeeds++ < KMaxValueLines ? '\n' : ' ');
            ++i;
        } else if (c == '<' && AppNameAt(rawValue, i)) {
            value.append(appName);
            i += KAppName.size() - 1;
        } else {
            value.append(c);
        }
    }
    if (i < rawValue.size() || value.size() > KMaxValueBytes) CutValue(value);
}

void TItlText::SubstituteArguments(QByteArray& text, const QByteArrayList& arguments) {
    qsizetype growth = 0;  // over the text as it came
    QByteArray filled;
    for (qsizetype n = 0; n < arguments.size(); ++n) {
        const QByteArray placeholder = "<%" + QByteArray::number(n + 1) + "%>";
        const QByteArray& argument = arguments[n];
        qsizetype at = text.indexOf(placeholder);
        if (at < 0) continue;
        filled.resize(0);
        qsizetype from = 0;
        for (; at >= 0; at = text.indexOf(placeholder, from)) {
            filled.append(text.constData() + from, at - from);
            const qsizetype more = argument.size() - placeholder.size();
            const bool fits = growth + more <= KMaxArgumentGrowth;
            filled.append(fits ? argument : placeholder);
            if (fits) growth += more;
            from = at + placeholder.size();
        }
        filled.append(text.constData() + from, text.size() - from);
        text.swap(filled);
    }
}
