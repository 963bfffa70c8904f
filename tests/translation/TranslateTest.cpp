// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QBuffer>

#include "TGlossator.h"

namespace {

void Load(TGlossator& dictionary, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    dictionary.LoadFromStream(buffer);
}

}  // namespace

TEST(Translate, KeysMatchWithoutRegardToTheCaseOfAToZ) {
    TGlossator dictionary;
    Load(dictionary, "[EXIT]=Beenden|$$\r\n[Potential\r\n  Energy]=Lageenergie|$$\r\n[Trailing ]=x|$$");
    EXPECT_EQ(dictionary.Translate("Exit"), "Beenden");
    EXPECT_EQ(dictionary.Translate("eXiT"), "Beenden");
    EXPECT_EQ(dictionary.Translate("Potential Energy"), "Lageenergie");
    // lookups do not fold white space, so these never match a file key
    EXPECT_EQ(dictionary.Translate("Potential  Energy"), "Potential  Energy");
    EXPECT_EQ(dictionary.Translate(" Exit"), " Exit");
    // trailing spaces of a file key stay
    EXPECT_EQ(dictionary.Translate("Trailing"), "Trailing");
    EXPECT_EQ(dictionary.Translate("TRAILING "), "x");
}

TEST(Translate, TheFirstOfTwoEqualKeysWins) {
    TGlossator dictionary;
    Load(dictionary, "[Mass]=first|$$[MASS]=second|$$[ mass]=third|$$");
    EXPECT_EQ(dictionary.Translate("mass"), "first");
    EXPECT_EQ(dictionary.Keys().size(), 3);
}

TEST(Translate, ValuesKeepTheirLineFeedsAndLoseTheApplicationName) {
    TGlossator dictionary;  // the host link gives no application name
    Load(dictionary, "[Two]=one\\ntwo|$$[Lines]=one\r\ntwo|$$[Name]=<%appname%>Gravilo|$$");
    EXPECT_EQ(dictionary.Translate("Two"), "one\ntwo");
    EXPECT_EQ(dictionary.Translate("Lines"), "one  two");
    EXPECT_EQ(dictionary.Translate("Name"), "Gravilo");
    // a letter keeps a handful of combining marks, not thirty thousand
    TGlossator marks;
    const QString piled = QStringLiteral("a") + QString(30000, QChar(0x0301)) + QStringLiteral("b");
    Load(marks,
         "[Piled]=" + piled.toUtf8() + "|$$[Vietnamese]=" + QStringLiteral("e\u0323\u0302").toUtf8() + "|$$");
    EXPECT_EQ(marks.TranslateText(QStringLiteral("Piled")),
              QStringLiteral("a") + QString(8, QChar(0x0301)) + QStringLiteral("b"));
    EXPECT_EQ(marks.TranslateText(QStringLiteral("Vietnamese")), QStringLiteral("e\u0323\u0302"));
}

TEST(Translate, ArgumentsAreFilledInFoundAndMissingKeys) {
    TGlossator dictionary;
    Load(dictionary, "[Order]=<%2%>-<%1%>-<%1%> <%3%>|$$");
    EXPECT_EQ(dictionary.Translate("order", {"a", "b"}), "b-a-a <%3%>");
    EXPECT_EQ(dictionary.Translate("Missing <%1%>", {"x"}), "Missing x");
    EXPECT_EQ(dictionary.TranslateText(QStringLiteral("order"), {QStringLiteral("ä"), QStringLiteral("ö")}),
              QString::fromUtf8("ö-ä-ä <%3%>"));
}

TEST(Translate, AnEmptyKeyFindsAnEntryWithAnEmptyKey) {
    TGlossator dictionary;
    EXPECT_EQ(dictionary.Translate(""), "");
    Load(dictionary, "[ ]=blank|$$");
    EXPECT_EQ(dictionary.Translate(""), "blank");
}

TEST(Translate, MissingKeysAreRecordedOnceWhateverTheirCase) {
    TGlossator dictionary;
    Load(dictionary, "[Exit]=Beenden|$$");
    dictionary.Translate("Unknown");
    EXPECT_TRUE(dictionary.MissingEntries().isEmpty()) << "recorded while the switch is off";

    dictionary.SetAutoCreateItlFile(true);
    EXPECT_EQ(dictionary.Translate("Reset"), "Reset");
    dictionary.Translate("RESET");
    dictionary.Translate("reset");
    dictionary.Translate("Exit");
    dictionary.Translate("Height");
    dictionary.TranslateText(QStringLiteral("Höhe"));
    dictionary.TranslateText(QStringLiteral("HÖHE"));
    EXPECT_EQ(dictionary.MissingEntries(),
              QByteArrayList({"[Reset]=Reset|$$", "[Height]=Height|$$", "[H\xc3\xb6he]=H\xc3\xb6he|$$"}));

    // a new load keeps what was missed, and a file of the other encoding changes nothing in how
    // the keys compare: the same bytes, or the same text, are still the same key
    Load(dictionary,
         "[Reset]=Zur\xfc"
         "cksetzen|$$");
    dictionary.Translate("h\xc3\xb6he");
    dictionary.TranslateText(QStringLiteral("HÖHE"));
    EXPECT_EQ(dictionary.MissingEntries().size(), 3);
    dictionary.SetAutoCreateItlFile(false);
}

TEST(Translate, MissingKeysThatAreNoUtf8StayApart) {
    TGlossator dictionary;
    dictionary.SetAutoCreateItlFile(true);
    dictionary.Translate("x\xe9");  // é and è in Windows-1252: two keys
    dictionary.Translate("x\xe8");
    dictionary.Translate("X\xc9");  // É: é in other letters
    EXPECT_EQ(dictionary.MissingEntries(), QByteArrayList({"[x\xe9]=x\xe9|$$", "[x\xe8]=x\xe8|$$"}));
    dictionary.SetAutoCreateItlFile(false);
}

TEST(Translate, OnKeyTranslatedSeesFoundKeysOnly) {
    TGlossator dictionary;
    Load(dictionary, "[Exit]=Beenden <%1%>|$$");
    QByteArrayList seen;
    dictionary.SetOnKeyTranslated([&](TGlossator& sender, const QByteArray& key, QByteArray& translation) {
        EXPECT_EQ(&sender, &dictionary);
        seen.append(key + "=" + translation);
        translation = translation.toUpper();
    });
    EXPECT_EQ(dictionary.Translate("EXIT", {"now"}), "BEENDEN NOW");
    EXPECT_EQ(dictionary.Translate("Mass"), "Mass");
    EXPECT_EQ(seen, QByteArrayList({"EXIT=Beenden now"}));
}

TEST(Translate, Windows1252DictionaryTakesAndGivesText) {
    TGlossator dictionary;
    Load(dictionary,
         "[Gr\xf6\xdf"
         "e]=Gr\xf6\xdf"
         "e \x80|$$");
    EXPECT_EQ(dictionary.TranslateText(QString::fromUtf8("Größe")), QString::fromUtf8("Größe €"));
    EXPECT_EQ(dictionary.TranslateText(QStringLiteral("Mass")), QStringLiteral("Mass"));
}
