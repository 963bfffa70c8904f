// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TItlText.h"
#include "TTextCodec.h"

namespace {

QByteArray Key(const QByteArray& raw) {
    QByteArray key = "room left from the record before";
    TItlText::NormaliseKey(raw, key);
    return key;
}

QByteArray Value(const QByteArray& raw, const QByteArray& appName = {}) {
    QByteArray value = "room left from the record before";
    TItlText::ProcessValue(raw, appName, value);
    return value;
}

}  // namespace

TEST(ItlText, KeyFoldsWhiteSpaceAndLowersOnlyAsciiLetters) {
    EXPECT_EQ(Key("Potential\r\nEnergy"), "potential energy");
    EXPECT_EQ(Key("  \t Energy  /\tHeight  "), "energy / height ");
    EXPECT_EQ(Key("EXIT"), "exit");
    // UTF-8 "Ä" and Windows-1252 "Ä" stay as they are
    EXPECT_EQ(Key("H\xc3\x84HE"), "h\xc3\x84he");
    EXPECT_EQ(Key("\xc4Z"), "\xc4z");
    EXPECT_EQ(Key(" \r\n\t "), "");
    EXPECT_EQ(Key(""), "");
}

TEST(ItlText, ValueTurnsLineBreaksIntoSpacesAndBackslashNIntoLineFeeds) {
    EXPECT_EQ(Value("one\\ntwo"), "one\ntwo");
    EXPECT_EQ(Value("one\r\ntwo"), "one  two");
    EXPECT_EQ(Value("one\\Ntwo"), "one\\Ntwo");
    // the file's own line breaks are gone before backslash-n is read
    EXPECT_EQ(Value("a\\\nn"), "a\\ n");
    EXPECT_EQ(Value("  kept  "), "  kept  ");
}

TEST(ItlText, ApplicationNameInAnyLetterCase) {
    EXPECT_EQ(Value("About <%appname%>!"), "About !");
    EXPECT_EQ(Value("<%APPNAME%>-<%AppName%>", "Gravilo"), "Gravilo-Gravilo");
    // an inserted name is not scanned again
    EXPECT_EQ(Value("<%APPNAME%>x", "<%APPNAME%>"), "<%APPNAME%>x");
    EXPECT_EQ(Value("<%APPNAM%>", "X"), "<%APPNAM%>");
}

TEST(ItlText, ValuesAndFilledArgumentsStayWithinTheirBounds) {
    // line feeds: the first thousand, then spaces
    QByteArray raw;
    for (int i = 0; i < 3000; ++i) raw += "a\\n";
    const QByteArray lines = Value(raw);
    EXPECT_EQ(lines.count('\n'), TItlText::KMaxValueLines);
    EXPECT_EQ(lines.size(), 6000);
    EXPECT_TRUE(lines.endsWith("a a "));

    // length: cut at the bound, never inside a character
    const QByteArray plain(TItlText::KMaxValueBytes + 10, 'x');
    EXPECT_EQ(Value(plain), plain.left(TItlText::KMaxValueBytes));
    const QByteArray umlauts = QByteArray(TItlText::KMaxValueBytes - 1, 'x') + "\xc3\xb6\xc3\xb6";
    EXPECT_EQ(Value(umlauts), umlauts.left(TItlText::KMaxValueBytes - 1));
    EXPECT_EQ(Value(QByteArray("<%APPNAME%>").repeated(10000), "Gravilo Gravilo").size(),
              TItlText::KMaxValueBytes);

    // arguments: a text grows by at most a mebibyte; placeholders past that stay
    QByteArray text = QByteArray("<%1%>").repeated(1000);
    TItlText::SubstituteArguments(text, {QByteArray(10000, 'a')});
    EXPECT_EQ(text.count("<%1%>"), 1000 - TItlText::KMaxArgumentGrowth / (10000 - 5));
    EXPECT_LE(text.size(), 5000 + TItlText::KMaxArgumentGrowth);
}

TEST(ItlText, ArgumentsFillTheirPlaceholders) {
    QByteArray text = "<%2%>-<%1%>-<%1%> <%3%>";
    TItlText::SubstituteArguments(text, {"a", "b"});
    EXPECT_EQ(text, "b-a-a <%3%>");

    // a later pass fills a placeholder that an earlier argument brought in
    text = "<%1%>";
    TItlText::SubstituteArguments(text, {"x<%2%>", "y"});
    EXPECT_EQ(text, "xy");

    // an argument is not rescanned by its own pass
    text = "<%1%>";
    TItlText::SubstituteArguments(text, {"<%1%><%1%>"});
    EXPECT_EQ(text, "<%1%><%1%>");

    text = "<%10%> <%1%>";
    TItlText::SubstituteArguments(text, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"});
    EXPECT_EQ(text, "ten 1");
}

TEST(TextCodec, Windows1252KeepsUmlautsAndTheEuroSign) {
    const QByteArray bytes = "H\xf6he \x80 \x93x\x94 \x81";
    const QString text = TTextCodec::Decode(bytes, TTextEncoding::teWindows1252);
    EXPECT_EQ(text, QString::fromUtf8("Höhe € “x” \u0081"));
    EXPECT_EQ(TTextCodec::Encode(text, TTextEncoding::teWindows1252), bytes);
    EXPECT_EQ(TTextCodec::Encode(QString::fromUtf8("Łódź"), TTextEncoding::teWindows1252),
              "?\xf3"
              "d?");
    EXPECT_EQ(TTextCodec::Decode("H\xc3\xb6he", TTextEncoding::teUtf8), QString::fromUtf8("Höhe"));
    // either encoding, or both mixed: no byte is lost to a replacement character
    EXPECT_EQ(TTextCodec::DecodeLenient(
                  "H\xc3\xb6he H\xf6he \x80 \xe2\x82\xac \xe2\x82 \xf0\x9f\x98\x80 \xed\xa0\x80"),
              QString::fromUtf8("Höhe Höhe € € â‚ 😀 í\u00a0€"));
}

TEST(TextCodec, Utf8CheckAcrossPieces) {
    auto valid = [](std::initializer_list<QByteArray> pieces) {
        TUtf8Check check;
        for (const QByteArray& piece : pieces) check.Feed(piece.constData(), piece.size());
        return check.IsValid();
    };
    EXPECT_TRUE(valid({"plain", ""}));
    EXPECT_TRUE(valid({"H\xc3", "\xb6he \xe2\x82", "\xac \xf0\x9f\x98\x80"}));
    EXPECT_FALSE(valid({"H\xf6he"}));           // Windows-1252
    EXPECT_FALSE(valid({"cut \xe2\x82"}));      // sequence cut off at the end
    EXPECT_FALSE(valid({"\xc0\xaf"}));          // overlong
    EXPECT_FALSE(valid({"\xe0\x80\xaf"}));      // overlong
    EXPECT_FALSE(valid({"\xed\xa0\x80"}));      // surrogate
    EXPECT_FALSE(valid({"\xf4\x90\x80\x80"}));  // above U+10FFFF
    EXPECT_FALSE(valid({"\xc3", "x"}));         // continuation missing
}
