// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "NumericTicks.h"
#include "TickCollector.h"
#include "TickLabeler.h"
#include "TickTexts.h"

namespace {

// the texts of the major ticks of a linear or logarithmic run
std::vector<QString> MajorTexts(double low, double high, int decPlaces, bool logarithmic = false,
                                int minTicks = 3, TFigType type = ftNum, const QString& user = {},
                                const QString& inscript = {}) {
    TTickSettings s = Settings(low, high, minTicks);
    s.Logarithmic = logarithmic;
    s.LabelType = type;
    TTickCollector c;
    const TTickRun run = logarithmic ? TNumericTicks::Logarithmic(s, c) : TNumericTicks::Linear(s, c);
    TLabelSettings l;
    l.LabelType = type;
    l.DecPlaces = decPlaces;
    l.RangeLow = low;
    l.RangeHigh = high;
    l.UserTickText = user;
    l.ScaleInscript = inscript;
    TTickLabeler labeler;
    labeler.Begin(l, run);
    std::vector<QString> texts;
    for (const TScaleTick& t : c.Ticks)
        if (t.Major) texts.push_back(labeler.Text(t));
    return texts;
}

using Texts = std::vector<QString>;

}  // namespace

TEST(TickTexts, AutomaticDecimalsFollowTheSpan) {
    EXPECT_EQ(TTickTexts::AutoDecPlaces(0, 10), 1);
    EXPECT_EQ(TTickTexts::AutoDecPlaces(0, 1), 2);
    EXPECT_EQ(TTickTexts::AutoDecPlaces(0, 0.1), 3);
    EXPECT_EQ(TTickTexts::AutoDecPlaces(0, 50), 0);
    EXPECT_EQ(TTickTexts::AutoDecPlaces(100, 0), 0);
    EXPECT_EQ(TTickTexts::AutoDecPlaces(0, 1000000), -1);
    EXPECT_EQ(TTickTexts::AutoDecPlaces(5, 5.0001), -1);
    EXPECT_EQ(TTickTexts::AutoLogDecPlaces(0.01, 100), 3);
    EXPECT_EQ(TTickTexts::AutoLogDecPlaces(1000, 1), 0);
    EXPECT_EQ(TTickTexts::AutoLogDecPlaces(1, 2e6), -1);
    EXPECT_EQ(TTickTexts::AutoLogDecPlaces(0.0004, 0.5), 4);
}

TEST(TickTexts, FixedAndScientificNumbers) {
    EXPECT_EQ(TTickTexts::FormatTickNumber(0.2, 2, 0, 1, true), "0.20");
    EXPECT_EQ(TTickTexts::FormatTickNumber(-12.5, 0, -100, 100, true), "-12");  // ties to even
    EXPECT_EQ(TTickTexts::ScientificText(500000), " 5.0E+05");
    EXPECT_EQ(TTickTexts::ScientificText(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(TTickTexts::ScientificText(0), " 0.0E+00");
    EXPECT_EQ(TTickTexts::ScientificText(9.94e99), " 9.9E+99");
    EXPECT_EQ(TTickTexts::ScientificText(9.96e99), "********");  // rounds up into three digits
    EXPECT_EQ(TTickTexts::ScientificText(1e120), "********");
    EXPECT_EQ(TTickTexts::ScientificText(-3e-310), "********");
}

TEST(TickTexts, AlmostZeroSnapsToZeroAndWideRangesWriteItShort) {
    EXPECT_EQ(TTickTexts::FormatTickNumber(1e-17, 2, 0, 1, true), "0.00");
    EXPECT_EQ(TTickTexts::FormatTickNumber(-1e-17, 2, -1, 1, true), "0.00");  // no minus sign
    EXPECT_EQ(TTickTexts::FormatTickNumber(-1e-17, 2, -1, 1, false), "-0.00");
    EXPECT_EQ(TTickTexts::FormatTickNumber(0, 2, 0, 500000, true), "0.0");
    EXPECT_EQ(TTickTexts::FormatTickNumber(0, 0, 0, 500000, true), "0");
    EXPECT_EQ(TTickTexts::FormatTickNumber(1e-10, -1, 0, 1e120, true), "0.0");
    EXPECT_EQ(TTickTexts::FormatTickNumber(0, -1, 0, 1, true), " 0.0E+00");
}

TEST(TickTexts, LinearScalesWithAutomaticDecimals) {
    EXPECT_EQ(MajorTexts(0, 1, -2, false, 2), (Texts{"0.00", "0.20", "0.40", "0.60", "0.80", "1.00"}));
    EXPECT_EQ(MajorTexts(0, 100, -3), (Texts{"0", "20", "40", "60", "80", "100"}));
    const Texts sci = MajorTexts(0, 2000000, -2);
    ASSERT_EQ(sci.size(), 5u);
    EXPECT_EQ(sci[0], "0.0");
    EXPECT_EQ(sci[1], " 5.0E+05");
    const Texts huge = MajorTexts(0, 1e120, -2);
    EXPECT_EQ(huge[0], "0.0");
    for (std::size_t i = 1; i < huge.size(); ++i) EXPECT_EQ(huge[i], "********");
    // a zero tick of a range wider than 100000 reads 0.0 whatever the decimals
    EXPECT_EQ(MajorTexts(0, 500000, 2)[0], "0.0");
}

TEST(TickTexts, NumbersAreCutToFourteenCharacters) {
    const Texts t = MajorTexts(123456, 123457, 12);
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t[0], "123456.0000000");
    // the cut comes before the inscription
    const Texts ins = MajorTexts(123456, 123457, 12, false, 3, ftNum, {}, "& m");
    EXPECT_EQ(ins[0], "123456.0000000 m");
}

TEST(TickTexts, LogarithmicTextsDropTrailingZerosOrShowDecades) {
    EXPECT_EQ(MajorTexts(0.01, 100, -2, true, 5),
              (Texts{"0.01", "0.02", "0.05", "0.1", "0.2", "0.5", "1", "2", "5", "10", "20", "50", "100"}));
    EXPECT_EQ(MajorTexts(0.01, 100, -2, true, 3), (Texts{"0.01", "0.1", "1", "10", "100"}));
    // fixed decimals keep their zeros
    EXPECT_EQ(MajorTexts(1, 100, 1, true, 2), (Texts{"1.0", "10.0", "100.0"}));
    EXPECT_EQ(MajorTexts(1, 10000, -3, true, 3), (Texts{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(MajorTexts(0.01, 10, -3, true, 5), (Texts{"-2", "", "", "-1", "", "", "0", "", "", "1"}));
    // below one decade the texts are linear ones
    EXPECT_EQ(MajorTexts(2, 15, -3, true, 3), (Texts{"2.0", "4.0", "6.0", "8.0", "10.0", "12.0", "14.0"}));
    // scientific texts keep their zeros
    EXPECT_EQ(MajorTexts(1, 1e7, -2, true, 3)[0], " 1.0E+00");
}

TEST(TickTexts, UserTextsReplaceNumbersAndIgnoreTheInscription) {
    EXPECT_EQ(MajorTexts(1, 5, -2, false, 4, ftUserText, "Mon|Tue|Wed", "& m"),
              (Texts{"Mon", "Tue", "Wed", "Wed", "Wed"}));
    EXPECT_EQ(MajorTexts(0, 10, -2, false, 3, ftNoFigs, "a|b", "&"), (Texts(6, QString())));
    EXPECT_EQ(TTickTexts::UserTickItem(u"", 3), "");
    EXPECT_EQ(TTickTexts::UserTickItem(u"a|b|", 1), "a");
    EXPECT_EQ(TTickTexts::UserTickItem(u"a|b|", 2), "b");
    EXPECT_EQ(TTickTexts::UserTickItem(u"a|b|", 3), "");
    EXPECT_EQ(TTickTexts::UserTickItem(u"a|b|", 9), "");
    EXPECT_EQ(TTickTexts::UserTickItem(u"|x", 1), "");
    EXPECT_EQ(TTickTexts::UserTickItem(u"|x", 2), "x");
    EXPECT_EQ(TTickTexts::UserTickItem(u"one", 4), "one");
}

TEST(TickTexts, Inscriptions) {
    EXPECT_EQ(TTickTexts::ApplyInscript("120", "& m"), "120 m");
    EXPECT_EQ(TTickTexts::ApplyInscript("120", "$"), "$120");
    EXPECT_EQ(TTickTexts::ApplyInscript("5", "&-&"), "5-&");
    EXPECT_EQ(TTickTexts::ApplyInscript("", "& m"), "");
    EXPECT_EQ(TTickTexts::ApplyInscript("7", ""), "7");
    EXPECT_EQ(MajorTexts(0, 100, -2, false, 3, ftNum, {}, "& m")[1], "20 m");
}

TEST(TickTexts, ElapsedTime) {
    EXPECT_EQ(TTickTexts::ElapsedTimeText(3725.5, true), " 01:02:05.500");
    EXPECT_EQ(TTickTexts::ElapsedTimeText(3725.5, false), " 01:02:05");
    EXPECT_EQ(TTickTexts::ElapsedTimeText(-90, false), "-00:01:30");
    EXPECT_EQ(TTickTexts::ElapsedTimeText(360000, false), " 100:00:00");
    EXPECT_EQ(TTickTexts::ElapsedTimeText(0.007, true), " 00:00:00.007");
    // a tick a hair below a whole second is that second
    EXPECT_EQ(TTickTexts::ElapsedTimeText(2.9999999999, true), " 00:00:03.000");
    EXPECT_EQ(TTickTexts::ElapsedTimeText(2.9999999999, false), " 00:00:03");
    EXPECT_EQ(TTickTexts::ElapsedTimeText(-1e-12, true), " 00:00:00.000");
}
