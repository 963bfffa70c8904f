// SPDX-License-Identifier: MIT
// The translators' way in: each shipped file as a .po and back, byte for byte; what a translator
// does in Poedit (a translation, an untranslated or fuzzy entry, the plural header) arrives.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ItlPo.h"
#include "ShippedLanguages.h"

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString English = QStringLiteral(GRAVILO_LANG_DIR "/gravilo_en.itl");

class PoFile : public testing::TestWithParam<QString> {};

}  // namespace

TEST_P(PoFile, ComesBackByteForByte) {
    QByteArray po, itl;
    QString error;
    ASSERT_TRUE(ItlPo::Export(English, GetParam(), po, error)) << qPrintable(error);
    EXPECT_TRUE(
        po.contains("\n#. Main window: its title.\nmsgctxt \"Potential Energy in a Gravitational Field\"\n"));
    ASSERT_TRUE(ItlPo::Import(po, itl, error)) << qPrintable(error);
    EXPECT_EQ(itl, Bytes(GetParam()));
    // gettext's own tools read it, plural forms and all
    const QString msgfmt = QStandardPaths::findExecutable(QStringLiteral("msgfmt"));
    if (msgfmt.isEmpty()) return;
    QProcess check;
    check.start(msgfmt, {QStringLiteral("--check"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                         QStringLiteral("-")});
    check.write(po);
    check.closeWriteChannel();
    ASSERT_TRUE(check.waitForFinished(20000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().constData();
}

INSTANTIATE_TEST_SUITE_P(Shipped, PoFile, testing::ValuesIn(ShippedLanguageFiles()), LanguageOf);

TEST(Po, ATranslatorsWorkArrivesAndWhatCannotBeWrittenIsRefused) {
    QByteArray pot, itl;
    QString error;
    ASSERT_TRUE(ItlPo::Template(English, pot, error));
    EXPECT_TRUE(
        pot.contains("msgid_plural \"<%1%> m, <%2%> kJ, <%3%> marks\"\nmsgstr[0] \"\"\nmsgstr[1] \"\"\n"));
    QByteArray po = pot;
    po.replace("Plural-Forms: nplurals=INTEGER; plural=EXPRESSION;", "Plural-Forms: nplurals=1; plural=0;");
    po.replace("msgid \"Exit\"\nmsgstr \"\"", "msgid \"Exit\"\nmsgstr \"Sortir\"");
    po.replace("msgctxt \"Mass\"", "#, fuzzy\nmsgctxt \"Mass\"");
    po.replace("msgid \"Mass\"\nmsgstr \"\"", "msgid \"Mass\"\nmsgstr \"Masse\"");
    po.replace("msgstr[0] \"\"\nmsgstr[1] \"\"", "msgstr[0] \"<%1%> m, <%2%> kJ, <%3%> points\"");
    po.replace("msgid \"Reset\"\nmsgstr \"\"", "msgid \"Reset\"\nmsgstr \"\"\n\"Deux\\n\"\n\"lignes\"");
    ASSERT_TRUE(ItlPo::Import(po, itl, error)) << qPrintable(error);
    // the untranslated and the fuzzy entries stay out: Gravilo shows their English texts
    EXPECT_EQ(itl, QByteArray("[Exit]=Sortir|$$\r\n[Reset]=Deux\\nlignes|$$\r\n"
                              "[<%1%> m, <%2%> kJ, <%3%> marks]=<%1%> m, <%2%> kJ, <%3%> points|$$\r\n"));

    for (const char* broken :
         {"msgctxt \"a]=b\"\nmsgid \"x\"\nmsgstr \"y\"\n", "msgctxt \"a\"\nmsgid \"x\"\nmsgstr \"y|$$\"\n",
          "# see [here]\nmsgctxt \"a\"\nmsgid \"x\"\nmsgstr \"y\"\n", "msgctxt \"a\nmsgid \"x\"\n"}) {
        EXPECT_FALSE(ItlPo::Import(broken, itl, error)) << broken;
        EXPECT_TRUE(error.startsWith(QLatin1String("line "))) << qPrintable(error);
    }
}
