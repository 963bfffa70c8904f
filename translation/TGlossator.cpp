#include "TGlossator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "TItlFile.h"
#include "TItlReader.h"
#include "TItlText.h"

TGlossator::TGlossator(const QByteArray& appName) : FAppName(appName) {}

TGlossator::~TGlossator() {
    if (FAutoCreateItlFile) WriteItlFile();
}

void TGlossator::LoadFromStream(QIODevice& stream) {
    FKeys.clear();
    FValues.clear();
    FFirstIndex.clear();
    TItlReader reader(stream);
    QByteArray record;
    try {
        while (reader.NextRecord(record)) {
            const TItlRecord parts = TItlRecord::Parse(record);
            AddEntry(TItlText::NormaliseKey(parts.RawKey), TItlText::ProcessValue(parts.RawValue, FAppName));
        }
    } catch (...) {
        FKeys.clear();
        FValues.clear();
        FFirstIndex.clear();
        throw;
    }
    FEncoding = reader.IsUtf8() ? TTextEncoding::teUtf8 : TTextEncoding::teWindows1252;
}

void TGlossator::AddEntry(const QByteArray& key, const QByteArray& value) {
    if (!FFirstIndex.contains(key)) FFirstIndex.insert(key, FKeys.size());
    FKeys.append(key);
    FValues.append(value);
}

void TGlossator::Translate(const QByteArray& key, const QByteArrayList& arguments, QByteArray& translation) {
    const auto found = FFirstIndex.constFind(TItlText::AsciiLower(key));
    if (found != FFirstIndex.constEnd()) {
        translation = FValues[*found];
        TItlText::SubstituteArguments(translation, arguments);
        if (FOnKeyTranslated) FOnKeyTranslated(*this, key, translation);
        return;
    }
    translation = key;
    TItlText::SubstituteArguments(translation, arguments);
    if (FAutoCreateItlFile) RecordMissing(key);
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

void TGlossator::RecordMissing(const QByteArray& key) {
    const QByteArray line = TItlFile::RecordLine(key, key);
    // letter case is ignored as people see it: on the decoded text
    const QString folded = Decode(line).toCaseFolded();
    if (FMissingFolded.contains(folded)) return;
    FMissingFolded.insert(folded);
    FMissingEntries.append(line);
}

QString TGlossator::ItlFilePath() const {
    const QString name = TItlFile::NameFor(QCoreApplication::applicationFilePath());
    const QString directory = FItlFileDirectory.isEmpty() ? QDir::currentPath() : FItlFileDirectory;
    return QDir(directory).filePath(name);
}

void TGlossator::WriteItlFile() {
    // the missing keys first, in the order first missed, then the whole dictionary
    for (qsizetype i = 0; i < FKeys.size(); ++i)
        FMissingEntries.append(TItlFile::RecordLine(FKeys[i], FValues[i]));
    const QString path = ItlFilePath();
    QString errorText;
    if (TItlFile::Write(path, FMissingEntries, errorText)) return;
    // the dictionary is going away with its owner: say so and let the closing go on
    const QByteArray message =
        "Cannot write the language file " + QFile::encodeName(path) + ": " + errorText.toLocal8Bit() + "\n";
    std::fputs(message.constData(), stderr);
}
