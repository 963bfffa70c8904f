// SPDX-License-Identifier: MIT
// Language files as anyone may write them: loading never fails on content, every record becomes
// exactly one entry, keys come out normalised, values stay within their bounds, every loaded key
// finds the first entry written with it, and lookups of whatever the file holds answer without
// harm, their arguments filled within bounds too.

#include <QBuffer>
#include <QStringDecoder>

#include <cstdint>

#include "FuzzCheck.h"
#include "TGlossator.h"
#include "TItlText.h"

namespace {

QByteArray AsciiUpper(QByteArray text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return text;
}

bool IsNormalisedKey(const QByteArray& key) {
    for (const char c : key)
        if ((c >= 'A' && c <= 'Z') || c == '\r' || c == '\n' || c == '\t') return false;
    return !key.startsWith(' ') && !key.contains("  ");
}

bool IsWellFormedUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// What the file offers as keys: its raw keys as written, and its lines.
QByteArrayList Candidates(const QByteArray& file) {
    QByteArrayList keys;
    qsizetype at = 0;
    while (keys.size() < 64) {
        const qsizetype open = file.indexOf('[', at);
        if (open < 0) break;
        const qsizetype close = file.indexOf("]=", open);
        if (close < 0) break;
        keys << file.mid(open + 1, close - open - 1);
        at = close;
    }
    const QByteArrayList lines = file.split('\n');
    for (qsizetype i = 0; i < lines.size() && i < 16; ++i) keys << lines[i];
    return keys;
}

void CheckEntries(const TGlossator& dictionary, const QByteArray& file) {
    const QByteArrayList& keys = dictionary.Keys();
    const QByteArrayList& values = dictionary.Values();
    FUZZ_CHECK(keys.size() == values.size());
    FUZZ_CHECK(keys.size() == file.count("|$$"),
               QStringLiteral("%1 entries for %2 records").arg(keys.size()).arg(file.count("|$$")));
    for (qsizetype i = 0; i < keys.size(); ++i) {
        FUZZ_CHECK(IsNormalisedKey(keys[i]), FuzzShow(keys[i]));
        FUZZ_CHECK(!values[i].contains('\r'), FuzzShow(values[i]));
        FUZZ_CHECK(values[i].size() <= TItlText::KMaxValueBytes, QString::number(values[i].size()));
        FUZZ_CHECK(values[i].count('\n') <= TItlText::KMaxValueLines, QString::number(values[i].count('\n')));
    }
    FUZZ_CHECK((dictionary.Encoding() == TTextEncoding::teUtf8) == IsWellFormedUtf8(file));
}

void CheckLookups(TGlossator& dictionary, const QByteArray& file) {
    const QByteArrayList& keys = dictionary.Keys();
    const QByteArrayList& values = dictionary.Values();
    // the first entry of a key wins
    for (qsizetype i = 0; i < keys.size() && i < 256; ++i) {
        const qsizetype first = keys.indexOf(keys[i]);
        FUZZ_CHECK(dictionary.Translate(keys[i]) == values[first], FuzzShow(keys[i]));
        FUZZ_CHECK(dictionary.Translate(AsciiUpper(keys[i])) == values[first], FuzzShow(keys[i]));
    }
    // keys as the file writes them, and its lines, with arguments taken from the file too
    const QByteArrayList candidates = Candidates(file);
    QByteArrayList arguments;
    for (qsizetype i = 0; i < candidates.size() && arguments.size() < 3; ++i)
        arguments << candidates[i].left(8);
    dictionary.SetAutoCreateItlFile(true);
    for (const QByteArray& key : candidates) {
        const qsizetype missingBefore = dictionary.MissingEntries().size();
        const QByteArray plain = dictionary.Translate(key);
        const bool known = keys.contains(key.toLower());  // A-Z only, as lookups do
        if (!known) FUZZ_CHECK(plain == key, FuzzShow(key));
        dictionary.Translate(AsciiUpper(key));
        // a missing key is collected once, whatever its letter case
        FUZZ_CHECK(dictionary.MissingEntries().size() <= missingBefore + 1, FuzzShow(key));
        FUZZ_CHECK(dictionary.Translate(key, arguments).size() <=
                   plain.size() + TItlText::KMaxArgumentGrowth);
        dictionary.TranslateText(dictionary.Decode(key), {dictionary.Decode(arguments.value(0))});
    }
    // the missing-keys file is written only when the program asks for it
    dictionary.SetAutoCreateItlFile(false);
}

// The input, without terminators, as one text long enough to pass the bounds of a value: it is
// cut to them, and between two characters.
void CheckLongValue(const QByteArray& file) {
    QByteArray body = file;
    body.replace('|', ' ');
    if (body.isEmpty()) return;
    const QByteArray text = body.repeated(TItlText::KMaxValueBytes / body.size() + 2);
    QBuffer stream;
    stream.setData("[long]=" + text + "|$$");
    stream.open(QIODevice::ReadOnly);
    TGlossator dictionary("Gravilo");
    dictionary.LoadFromStream(stream);
    const QByteArray value = dictionary.Translate("long");
    FUZZ_CHECK(value.size() <= TItlText::KMaxValueBytes, QString::number(value.size()));
    FUZZ_CHECK(value.count('\n') <= TItlText::KMaxValueLines, QString::number(value.count('\n')));
    if (IsWellFormedUtf8(text)) FUZZ_CHECK(IsWellFormedUtf8(value), FuzzShow(value.right(8)));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const QByteArray file(reinterpret_cast<const char*>(Data), qsizetype(Size));
    QBuffer stream;
    stream.setData(file);
    stream.open(QIODevice::ReadOnly);

    TGlossator dictionary;
    dictionary.LoadFromStream(stream);
    CheckEntries(dictionary, file);
    CheckLookups(dictionary, file);

    // a second load replaces the entries; the application name fills its placeholder
    TGlossator named("Gravilo");
    named.LoadFromStream(stream);
    named.LoadFromStream(stream);
    FUZZ_CHECK(named.Keys() == dictionary.Keys());
    for (const QByteArray& value : named.Values()) FUZZ_CHECK(!value.contains('\r'));
    CheckLongValue(file);
    return 0;
}
