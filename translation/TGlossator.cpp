// SPDX-License-Identifier: MIT
#include "TGlossator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "TItlFile.h"
#include "TItlReader.h"
#include "TItlText.h"
#include "TPluralRule.h"

TGlossator::TGlossator(const QByteArray& appName) : FAppName(appName) {}

TGlossator::~TGlossator() {
    if (FAutoCreateItlFile) WriteItlFile();
}

void TGlossator::LoadFromStream(QIODevice& stream) {
    FEntries.Clear();
    try {
        TItlReader reader(stream);
        QByteArrayView record;
        QByteArray key, value;  // their room serves every record
        while (reader.NextRecord(record)) {
            const TItlRecord parts = TItlRecord::Parse(record);
            TItlText::NormaliseKey(parts.RawKey, key);
            TItlText::ProcessValue(parts.RawValue, FAppName, value);
            FEntries.Append(key, value);
        }
        FEncoding = reader.IsUtf8() ? TTextEncoding::teUtf8 : TTextEncoding::teWindows1252;
    } catch (...) {
        FEntries.Clear();
        throw;
    }
}

QByteArrayList TGlossator::Keys() const {
    QByteArrayList keys;
    keys.reserve(FEntries.Count());
    for (qsizetype i = 0; i < FEntries.Count(); ++i) keys.append(FEntries.Key(i).toByteArray());
    return keys;
}

QByteArrayList TGlossator::Values() const {
    QByteArrayList values;
    values.reserve(FEntries.Count());
    for (qsizetype i = 0; i < FEntries.Count(); ++i) values.append(FEntries.Value(i).toByteArray());
    return values;
}

void TGlossator::Translate(const QByteArray& key, const QByteArrayList& arguments, QByteArray& translation) {
    const qsizetype found = FEntries.IndexOf(TItlText::AsciiLower(key));
    if (found >= 0) {
        translation = FEntries.Value(found).toByteArray();
        TItlText::SubstituteArguments(translation, arguments);
        if (FOnKeyTranslated) FOnKeyTranslated(*this, key, translation);
        return;
    }
    if (!FallbackValue(key, translation)) translation = key;
    TItlText::SubstituteArguments(translation, arguments);
    if (FAutoCreateItlFile) RecordMissing(key);
}

bool TGlossator::FallbackValue(const QByteArray& key, QByteArray& value) const {
    if (!FFallback || FFallback.get() == this) return false;
    const bool same = FFallback->FEncoding == FEncoding;
    const qsizetype found =
        FFallback->FEntries.IndexOf(TItlText::AsciiLower(same ? key : FFallback->Encode(Decode(key))));
    if (found < 0) return false;
    const QByteArray theirs = FFallback->FEntries.Value(found).toByteArray();
    value = same ? theirs : Encode(FFallback->Decode(theirs));
    return true;
}

QByteArray TGlossator::Translate(const QByteArray& key, const QByteArrayList& arguments) {
    QByteArray translation;
    Translate(key, arguments, translation);
    return translation;
}

QString TGlossator::TranslateText(const QString& key, const QStringList& arguments) {
    QByteArrayList encoded;
    encoded.reserve(arguments.size());
    for (const QString& argument : arguments) encoded.append(Encode(argument));
    return Decode(Translate(Encode(key), encoded));
}

QString TGlossator::TranslateCount(const QString& key, qint64 count, const QStringList& arguments) {
    const QByteArray encoded = Encode(key);
    const QByteArray lower = TItlText::AsciiLower(encoded);
    const QByteArray text = Translate(encoded);
    // the forms follow the rule of the file that gave them
    const bool own = FEntries.IndexOf(lower) >= 0;
    const TGlossator& source =
        !own && FFallback && FFallback.get() != this &&
                FFallback->FEntries.IndexOf(TItlText::AsciiLower(FFallback->Encode(key))) >= 0
            ? *FFallback
            : *this;
    const qsizetype ruleAt = source.FEntries.IndexOf("$pluralforms$");
    const TPluralRule rule(ruleAt >= 0 ? source.FEntries.Value(ruleAt).toByteArray() : QByteArray());
    QByteArrayList forms;
    const QByteArrayView separator(KPluralSeparator);
    for (qsizetype from = 0;;) {
        const qsizetype end = text.indexOf(separator, from);
        forms.append(text.mid(from, end < 0 ? -1 : end - from));
        if (end < 0) break;
        from = end + separator.size();
    }
    QByteArray form = forms[qMin<qsizetype>(rule.FormFor(count), forms.size() - 1)];
    QByteArrayList encodedArguments;
    for (const QString& argument : arguments) encodedArguments.append(Encode(argument));
    TItlText::SubstituteArguments(form, encodedArguments);
    return Decode(form);
}

void TGlossator::RecordMissing(const QByteArray& key) {
    // Letter case is ignored as people see it, on text. Its bytes are read as whatever encoding
    // they are in, not as the dictionary's: the key may have been encoded for a file loaded
    // before, and bytes that are no UTF-8 must not all become one replacement character. Two
    // lines "[k]=k|$$" are equal without regard to case exactly when their keys are.
    const QString folded = TTextCodec::DecodeLenient(key).toCaseFolded();
    if (FMissingFolded.contains(folded)) return;
    FMissingFolded.insert(folded);
    FMissingEntries.append(TItlFile::RecordLine(key, key));
}

QString TGlossator::ItlFilePath() const {
    const QString name = TItlFile::NameFor(QCoreApplication::applicationFilePath());
    const QString directory = FItlFileDirectory.isEmpty() ? QDir::currentPath() : FItlFileDirectory;
    return QDir(directory).filePath(name);
}

void TGlossator::WriteItlFile() {
    // the missing keys first, in the order first missed, then the whole dictionary
    const QString path = ItlFilePath();
    QString errorText;
    if (TItlFile::Write(path, FMissingEntries, FEntries, errorText)) return;
    // the dictionary is going away with its owner: say so and let the closing go on
    const QByteArray message =
        "Cannot write the language file " + QFile::encodeName(path) + ": " + errorText.toLocal8Bit() + "\n";
    std::fputs(message.constData(), stderr);
}
