#include "TItlText.h"

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool EqualsAsciiCaseless(const char* a, const char* b, qsizetype n) {
    for (qsizetype i = 0; i < n; ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

}  // namespace

QByteArray TItlText::AsciiLower(QByteArray text) {
    for (char& c : text) c = LowerAscii(c);
    return text;
}

QByteArray TItlText::NormaliseKey(const QByteArray& rawKey) {
    // One pass gives the same text as the separate steps: every white-space byte becomes a space,
    // a space that follows a space is dropped, and so are the spaces before the first other byte.
    QByteArray key;
    key.reserve(rawKey.size());
    for (const char raw : rawKey) {
        const char c = (raw == '\r' || raw == '\n' || raw == '\t') ? ' ' : LowerAscii(raw);
        if (c == ' ' && (key.isEmpty() || key.back() == ' ')) continue;
        key.append(c);
    }
    return key;
}

QByteArray TItlText::ProcessValue(const QByteArray& rawValue, const QByteArray& appName) {
    QByteArray value = rawValue;
    value.replace('\r', ' ');
    value.replace('\n', ' ');
    value.replace("\\n", "\n");
    ReplaceAsciiCaseless(value, "<%APPNAME%>", appName);
    return value;
}

void TItlText::SubstituteArguments(QByteArray& text, const QByteArrayList& arguments) {
    for (qsizetype n = 0; n < arguments.size(); ++n)
        text.replace("<%" + QByteArray::number(n + 1) + "%>", arguments[n]);
}

void TItlText::ReplaceAsciiCaseless(QByteArray& text, const QByteArray& needle, const QByteArray& with) {
    if (needle.isEmpty() || text.size() < needle.size()) return;
    QByteArray result;
    qsizetype copiedTo = 0;
    qsizetype i = 0;
    // a first byte that is no letter can be searched for as it is
    const char first = needle.front();
    const bool firstIsLetter = LowerAscii(first) != first || (first >= 'a' && first <= 'z');
    while (i + needle.size() <= text.size()) {
        if (!firstIsLetter) {
            i = text.indexOf(first, i);
            if (i < 0 || i + needle.size() > text.size()) break;
        }
        if (EqualsAsciiCaseless(text.constData() + i, needle.constData(), needle.size())) {
            result.append(text.constData() + copiedTo, i - copiedTo);
            result.append(with);
            i += needle.size();
            copiedTo = i;
        } else {
            ++i;
        }
    }
    if (copiedTo == 0) return;
    result.append(text.constData() + copiedTo, text.size() - copiedTo);
    text = result;
}
