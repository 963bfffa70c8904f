// SPDX-License-Identifier: MIT
// Each shipped language file against the English one, which the program's texts are written in:
// a key the English file has and a translation lacks shows in English, a placeholder or mnemonic
// a translation drops is a text that says less or a key that no longer works.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include "ShippedLanguages.h"
#include "TGlossator.h"

namespace {

struct TLoaded {
    QByteArray Bytes;
    TGlossator Dictionary;
};

void Load(const QString& path, TLoaded& loaded) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    loaded.Dictionary.LoadFromStream(file);
    file.seek(0);
    loaded.Bytes = file.readAll();
}

QSet<QString> Placeholders(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("<%[0-9]+%>"));
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found.insert(m.captured());
    return found;
}

// the mnemonic's "&": one, not part of "&&"
int Mnemonics(const QString& text) {
    return int(QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&')));
}

class LanguageFile : public testing::TestWithParam<QString> {
protected:
    void SetUp() override {
        Load(QStringLiteral(GRAVILO_LANG_DIR "/gravilo_en.itl"), FEnglish);
        Load(GetParam(), FFile);
    }
    QString Text(TLoaded& loaded, const QByteArray& key) {
        return loaded.Dictionary.Decode(loaded.Dictionary.Translate(key));
    }

    TLoaded FEnglish, FFile;
};

}  // namespace

TEST_P(LanguageFile, TranslatesEveryKeyOfTheEnglishFileOnce) {
    const QByteArrayList keys = FFile.Dictionary.Keys();
    const QByteArrayList english = FEnglish.Dictionary.Keys();
    EXPECT_EQ(QSet<QByteArray>(keys.cbegin(), keys.cend()),
              QSet<QByteArray>(english.cbegin(), english.cend()));
    EXPECT_EQ(keys.size(), QSet<QByteArray>(keys.cbegin(), keys.cend()).size()) << "a key is given twice";
    EXPECT_EQ(FFile.Dictionary.Encoding(), TTextEncoding::teUtf8);
    const QString separator = QLatin1String(TGlossator::KPluralSeparator);
    const int forms =
        Text(FFile, "$pluralforms$").section(QLatin1Char(';'), 0, 0).section(QLatin1Char('='), 1).toInt();
    EXPECT_GE(forms, 1);
    for (const QByteArray& key : english) {
        const QString theirs = Text(FFile, key), ours = Text(FEnglish, key);
        SCOPED_TRACE(key.constData());
        EXPECT_FALSE(theirs.trimmed().isEmpty());
        EXPECT_FALSE(theirs.startsWith(QLatin1String("GL_")));
        EXPECT_EQ(Mnemonics(theirs), Mnemonics(ours));
        if (ours.contains(separator)) {
            // one form per plural form of the language, together saying what English says
            const QStringList each = theirs.split(separator);
            EXPECT_EQ(each.size(), forms);
            QSet<QString> all;
            for (const QString& form : each) all += Placeholders(form);
            EXPECT_EQ(all, Placeholders(ours));
        } else {
            EXPECT_EQ(Placeholders(theirs), Placeholders(ours)) << theirs.toStdString();
        }
    }
    EXPECT_TRUE(Text(FFile, "HomePageURL").startsWith(QLatin1String("https://")));
    EXPECT_TRUE(Text(FFile, "$decimalcomma$") == QLatin1String("0") ||
                Text(FFile, "$decimalcomma$") == QLatin1String("1"));
    if (!GetParam().endsWith(QLatin1String("_en.itl"))) {
        EXPECT_NE(Text(FFile, "$languagename$"), Text(FEnglish, "$languagename$"));
    }
}

// A record a line, each line ended by CR LF, and a translator's note on a line of its own that
// starts with "# ": what the .po converter reads and writes.
TEST_P(LanguageFile, HasOneRecordOrNoteALine) {
    ASSERT_TRUE(FFile.Bytes.endsWith("|$$\r\n"));
    int records = 0;
    for (const QByteArray& line : FFile.Bytes.chopped(1).split('\n')) {
        EXPECT_TRUE(line.endsWith('\r')) << line.constData();
        if (line.startsWith("# ")) {
            EXPECT_FALSE(line.contains('[')) << line.constData();
            continue;
        }
        ++records;
        EXPECT_TRUE(line.startsWith('[') && line.endsWith("|$$\r")) << line.constData();
        EXPECT_EQ(line.count("|$$"), 1) << line.constData();
    }
    EXPECT_EQ(records, FFile.Dictionary.EntryCount());
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFile, testing::ValuesIn(ShippedLanguageFiles()), LanguageOf);
