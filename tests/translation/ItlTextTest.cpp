#include <gtest/gtest.h>

#include "TItlText.h"
#include "TTextCodec.h"

TEST(ItlText, KeyFoldsWhiteSpaceAndLowersOnlyAsciiLetters) {
    EXPECT_EQ(TItlText::NormaliseKey("Potential\r\nEnergy"), "potential energy");
    EXPECT_EQ(TItlText::NormaliseKey("  \t Energy  /\tHeight  "), "energy / height ");
    EXPECT_EQ(TItlText::NormaliseKey("EXIT"), "exit");
    // UTF-8 "Ä" and Windows-1252 "Ä" stay as they are
    EXPECT_EQ(TItlText::NormaliseKey("H\xc3\x84HE"), "h\xc3\x84he");
    EXPECT_EQ(TItlText::NormaliseKey("\xc4Z"), "\xc4z");
    EXPECT_EQ(TItlText::NormaliseKey(" \r\n\t "), "");
    EXPECT_EQ(TItlText::NormaliseKey(""), "");
}

TEST(ItlText, ValueTurnsLineBreaksIntoSpacesAndBackslashNIntoLineFeeds) {
    EXPECT_EQ(TItlText::ProcessValue("one\\ntwo", {}), "one\ntwo");
    EXPECT_EQ(TItlText::ProcessValue("one\r\ntwo", {}), "one  two");
    EXPECT_EQ(TItlText::ProcessValue("one\\Ntwo", {}), "one\\Ntwo");
    // the file's own line breaks are gone before backslash-n is read
    EXPECT_EQ(TItlText::ProcessValue("a\\\nn", {}), "a\\ n");
    EXPECT_EQ(TItlText::ProcessValue("  kept  ", {}), "  kept  ");
}

TEST(ItlText, ApplicationNameInAnyLetterCase) {
    EXPECT_EQ(TItlText::ProcessValue("About <%appname%>!", {}), "About !");
    EXPECT_EQ(TItlText::ProcessValue("<%APPNAME%>-<%AppName%>", "Gravilo"), "Gravilo-Gravilo");
    // an inserted name is not scanned again
    EXPECT_EQ(TItlText::ProcessValue("<%APPNAME%>x", "<%APPNAME%>"), "<%APPNAME%>x");
    EXPECT_EQ(TItlText::ProcessValue("<%APPNAM%>", "X"), "<%APPNAM%>");
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
