// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include "TGlossator.h"
#include "TItlText.h"
#include "WalkShapes.h"

namespace {

// The keys the program's windows and the About dialog look up.
const QByteArrayList KFormKeys = {"Potential Energy in a Gravitational Field",
                                  "Energy / Height",
                                  "Exit",
                                  "Mass",
                                  "Height",
                                  "Energy",
                                  "Acceleration",
                                  "Earth",
                                  "Moon",
                                  "Mars",
                                  "Jupiter",
                                  "About",
                                  "Reset",
                                  "MMExplain",
                                  "HomePage",
                                  "OK"};
const QByteArrayList KNamedKeys = {"HomePageURL", "$dlglanguage$"};
// The keys of the classroom's menus, energy bars, dialogs and messages.
const QByteArrayList KClassroomKeys =
    QByteArray(
        "&File|Save &picture|&Window…|&Energy chart…|&Copy picture|&Export data…|&Quit|&Simulation|&Pause|"
        "&Resume|S&tep|S&low motion|Re&set|&Clear graph|&View|Energy &bars|&Fit energy axis|&Grid|&Legend|"
        "&Help|&Explanation|&About|Running|Paused|Slow motion|Potential|Kinetic|Total|Speed|"
        "Time since the release|Save a picture of the window|Save a picture of the energy chart|"
        "PNG pictures (*.png)|Export the energy chart's data|CSV files (*.csv)|"
        "The file <%1%> cannot be written: <%2%>|ClassroomHelp")
        .split('|');
// The keys of the keyboard, the screen readers and the choice of language.
const QByteArrayList KAccessKeys =
    QByteArray(
        "$languagename$|$decimalcomma$|&Language|Reset button|About button|Exit button|Scene|"
        "Mass at <%1%> m, falling|Mass at <%1%> m, hanging on hook <%2%>|Mass at <%1%> m, on the ground|"
        "Mass at <%1%> m, held by the rope|<%1%> m, <%2%> kJ, <%3%> marks|"
        "© 2026 The Gravilo developers. Free for teaching and learning.")
        .split('|');

struct TShippedFile {
    const char* Name;
    const char* Language;
};

// test listings name the file, not the bytes of the struct
void PrintTo(const TShippedFile& File, std::ostream* Out) {
    *Out << File.Name;
}

class LanguageFile : public testing::TestWithParam<TShippedFile> {
protected:
    void SetUp() override {
        QFile file(QStringLiteral(GRAVILO_LANG_DIR "/") + QLatin1String(GetParam().Name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << GetParam().Name;
        FDictionary.LoadFromStream(file);
        file.seek(0);
        FBytes = file.readAll();
    }
    void TearDown() override { FDictionary.SetAutoCreateItlFile(false); }

    TGlossator FDictionary;
    QByteArray FBytes;
};

}  // namespace

TEST_P(LanguageFile, HoldsEveryKeyOnceAndNoOther) {
    QSet<QByteArray> expected;
    for (const QByteArray& key : KFormKeys + KNamedKeys + KClassroomKeys + KAccessKeys)
        expected.insert(TItlText::AsciiLower(key));
    const QByteArrayList keys = FDictionary.Keys();
    const QSet<QByteArray> held(keys.cbegin(), keys.cend());
    EXPECT_EQ(held, expected);
    EXPECT_EQ(FDictionary.Keys().size(), expected.size()) << "a key is given twice";
    for (const QByteArray& value : FDictionary.Values()) {
        EXPECT_FALSE(value.trimmed().isEmpty());
        EXPECT_FALSE(value.startsWith("GL_")) << value.constData();
    }
}

TEST_P(LanguageFile, IsUtf8WithOneRecordPerLine) {
    EXPECT_EQ(FDictionary.Encoding(), TTextEncoding::teUtf8);
    ASSERT_TRUE(FBytes.endsWith("|$$\r\n"));
    const QByteArrayList lines = FBytes.chopped(1).split('\n');
    EXPECT_EQ(lines.size(), FDictionary.Keys().size());
    for (const QByteArray& line : lines) {
        EXPECT_TRUE(line.startsWith('[') && line.endsWith("|$$\r")) << line.constData();
        EXPECT_EQ(line.count("|$$"), 1) << line.constData();
    }
}

TEST_P(LanguageFile, NamesItsLanguageAndHomePage) {
    EXPECT_EQ(FDictionary.Translate("$dlglanguage$"), GetParam().Language);
    EXPECT_TRUE(FDictionary.Translate("HomePageURL").startsWith("https://"));
}

TEST_P(LanguageFile, ExplanationFitsTheMemo) {
    const QStringList lines = FDictionary.TranslateText(QStringLiteral("MMExplain")).split(u'\n');
    EXPECT_GE(lines.size(), 5);
    EXPECT_LE(lines.size(), 7);
    for (const QString& line : lines) EXPECT_LE(line.size(), 104) << line.toStdString();
    const QString text = lines.join(u' ');
    for (const char* word : {"m·g·h", "kJ", "m/s²", "Jupiter"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
}

TEST_P(LanguageFile, TranslatesBothWindowsWithoutAMissingKey) {
    FDictionary.SetAutoCreateItlFile(true);
    TWalkMainWindow window;
    TWalkAboutBox box;
    FDictionary.TranslateComponent(window.Form);
    FDictionary.TranslateComponent(box.Form);
    EXPECT_TRUE(FDictionary.MissingEntries().isEmpty()) << FDictionary.MissingEntries().join(' ').constData();
    QStringList texts = window.Accel->Items() + window.Explain->Lines();
    for (TWalkControl* control : window.Form->findChildren<TWalkControl*>()) texts.append(control->Caption());
    texts += {window.Form->Caption(), box.Form->Caption(), box.HomePage->Caption(), box.Ok->Caption()};
    for (const QString& text : texts)
        EXPECT_FALSE(text.startsWith(QStringLiteral("GL_"))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFile,
                         testing::Values(TShippedFile{"gravilo_en.itl", "lgenglish"},
                                         TShippedFile{"gravilo_de.itl", "lggerman"}),
                         [](const testing::TestParamInfo<TShippedFile>& info) {
                             return std::string(info.param.Language);
                         });

TEST(LanguageFiles, GermanTextsKeepTheirUmlauts) {
    QFile file(QStringLiteral(GRAVILO_LANG_DIR "/gravilo_de.itl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TGlossator dictionary;
    dictionary.LoadFromStream(file);
    EXPECT_EQ(dictionary.TranslateText(QStringLiteral("Height")), QString::fromUtf8("Höhe"));
    EXPECT_EQ(dictionary.TranslateText(QStringLiteral("About")), QString::fromUtf8("Über"));
    EXPECT_EQ(dictionary.TranslateText(QStringLiteral("Reset")), QString::fromUtf8("Zurücksetzen"));
}
