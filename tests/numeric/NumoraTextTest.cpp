// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>

#include "NumoraText.h"
#include "TestPrinting.h"

namespace {

const QString Deg(QChar(0x00B0));

QString TextOf(TDisplay type, double value, int precision, bool comma = false, bool plus = false) {
    TNumoraText t;
    t.DisplayType = type;
    t.Precision = precision;
    t.Comma = comma;
    t.ForcePlusSign = plus;
    return t.Text(value);
}

const QString Overflow = TNumoraText::DefaultOverflowIndicator();

}  // namespace

TEST(NumoraText, FixedPointWithDecimalMarkAndPlusSign) {
    EXPECT_EQ(TextOf(dtFixP, 10, 1), "10.0");
    EXPECT_EQ(TextOf(dtFixP, 3.14159, 2, true), "3,14");
    EXPECT_EQ(TextOf(dtFixP, 3.14159, 2, false), "3.14");
    EXPECT_EQ(TextOf(dtFixP, 5, 2, false, true), "+5.00");
    EXPECT_EQ(TextOf(dtFixP, 0, 2, false, true), "0.00");
    EXPECT_EQ(TextOf(dtFixP, -5, 2, false, true), "-5.00");
    EXPECT_EQ(TextOf(dtFixP, 2.5, 0), "2");
}

TEST(NumoraText, DecimalMarkIgnoresTheSystemLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(TextOf(dtFixP, 3.14159, 2, false), "3.14");
    EXPECT_EQ(TextOf(dtFloat, 0.25, 4, false), "0.25");
    EXPECT_EQ(TextOf(dtFixP, 3.14159, 2, true), "3,14");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(TextOf(dtFixP, 3.14159, 2, true), "3,14");
    QLocale::setDefault(saved);
}

TEST(NumoraText, GeneralAndScientific) {
    EXPECT_EQ(TextOf(dtFloat, 123.456, 5), "123.46");
    EXPECT_EQ(TextOf(dtFloat, 2.5, 15), "2.5");
    // fewer than two significant digits count as two
    EXPECT_EQ(TextOf(dtFloat, 123.456, 0), TextOf(dtFloat, 123.456, 2));
    EXPECT_TRUE(TextOf(dtFloat, 123.456, 1).startsWith("1.2E"));
    EXPECT_EQ(TextOf(dtFloat, -0.125, 3, true, true), "-0,125");
    EXPECT_EQ(TextOf(dtExp, 1500, 3), "1.50E+003");
    EXPECT_EQ(TextOf(dtExp, 0.00123, 3, true), "1,23E-003");
    EXPECT_EQ(TextOf(dtExp, 1500, 0), "1.5E+003");
    EXPECT_EQ(TextOf(dtExp, 1500, 1, false, true), "+1.5E+003");
}

TEST(NumoraText, HexadecimalKeepsTheLowDigits) {
    EXPECT_EQ(TextOf(dtHex, 255, 2), "FF");
    EXPECT_EQ(TextOf(dtHex, 4095, 2), "FF");
    EXPECT_EQ(TextOf(dtHex, 10, 4), "000A");
    EXPECT_EQ(TextOf(dtHex, -1, 4), "FFFF");
    EXPECT_EQ(TextOf(dtHex, 4294967295.0, 8), "FFFFFFFF");
    EXPECT_EQ(TextOf(dtHex, -2147483648.0, 15), "80000000");
    EXPECT_EQ(TextOf(dtHex, 4294967296.0, 8), Overflow);
    EXPECT_EQ(TextOf(dtHex, -2147483649.0, 8), Overflow);
    EXPECT_EQ(TextOf(dtHex, 255, 0), "");
    // halves to even, and neither comma nor plus sign
    EXPECT_EQ(TextOf(dtHex, 2.5, 2, true, true), "02");
    EXPECT_EQ(TextOf(dtHex, 3.5, 2), "04");
    EXPECT_EQ(TextOf(dtHex, 255, 2, false, true), "FF");
}

TEST(NumoraText, BinaryAndOctalDigitCounts) {
    EXPECT_EQ(TextOf(dtBin, 5, 8), "00000101");
    EXPECT_EQ(TextOf(dtBin, 5, 2), "01");
    EXPECT_EQ(TextOf(dtBin, -1, 15), "111111111111111");
    EXPECT_EQ(TextOf(dtBin, 5, 8, false, true), "00000101");
    EXPECT_EQ(TextOf(dtBin, 5, 0), "");
    EXPECT_EQ(TextOf(dtBin, 4294967296.0, 8), Overflow);
    EXPECT_EQ(TextOf(dtOct, 8, 12), "00000000010");
    EXPECT_EQ(TextOf(dtOct, 8, 2), "10");
    EXPECT_EQ(TextOf(dtOct, 4294967295.0, 15), "37777777777");
    EXPECT_EQ(TextOf(dtOct, -1, 11), "37777777777");
    EXPECT_EQ(TextOf(dtOct, 8, 0), "");
    // octal takes the plus sign, binary does not
    EXPECT_EQ(TextOf(dtOct, 8, 3, false, true), "+010");
    EXPECT_EQ(TextOf(dtOct, -2147483649.0, 8), Overflow);
}

TEST(NumoraText, Integers) {
    EXPECT_EQ(TextOf(dtZeroInt, 42, 5), "00042");
    EXPECT_EQ(TextOf(dtZeroInt, -7, 3), "-007");
    EXPECT_EQ(TextOf(dtZeroInt, 42, 0, false, true), "+42");
    EXPECT_EQ(TextOf(dtZeroInt, 2.5, 1), "2");
    EXPECT_EQ(TextOf(dtZeroInt, 2147483647.0, 1), "2147483647");
    EXPECT_EQ(TextOf(dtZeroInt, -2147483648.0, 1), "-2147483648");
    EXPECT_EQ(TextOf(dtZeroInt, 2147483648.0, 1), Overflow);
    EXPECT_EQ(TextOf(dtInt, 1e15, 9), "1000000000000000");
    EXPECT_EQ(TextOf(dtInt, -2.5, 9), "-2");
    EXPECT_EQ(TextOf(dtInt, 7, 9), "7");
    EXPECT_EQ(TextOf(dtInt, 9.2e18, 2), "9200000000000000000");
    EXPECT_EQ(TextOf(dtInt, 1e300, 2), Overflow);
    EXPECT_EQ(TextOf(dtInt, -1e300, 2), Overflow);
}

TEST(NumoraText, DateAndTime) {
    QLocale::setDefault(QLocale::c());
    TNumoraText t;
    t.DisplayType = dtDateTime;
    EXPECT_EQ(t.Text(0), "Dec-30, 1899");
    t.DTFormat = "dd.mm.yyyy";
    t.Comma = true;
    t.ForcePlusSign = true;
    // dates keep their own points and take no sign
    EXPECT_EQ(t.Text(36526), "01.01.2000");
    EXPECT_EQ(t.Text(2958465), "31.12.9999");
    EXPECT_EQ(t.Text(2958466), Overflow);
    EXPECT_EQ(t.Text(-693594), Overflow);
    EXPECT_EQ(t.Text(1e300), Overflow);
}

TEST(NumoraText, StateTextNeverOverflows) {
    TNumoraText t;
    t.DisplayType = dtState;
    EXPECT_EQ(t.Text(1), "undefined");
    t.StateText = "1.5 open";
    t.Comma = true;
    t.ForcePlusSign = true;
    EXPECT_EQ(t.Text(3), "1.5 open");
    EXPECT_EQ(t.Text(std::numeric_limits<double>::quiet_NaN()), "1.5 open");
    EXPECT_TRUE(t.CanOverflow() == false);
}

TEST(NumoraText, Degrees) {
    EXPECT_EQ(TextOf(dtDeg, 12.5, 2), "12.50" + Deg);
    EXPECT_EQ(TextOf(dtDeg, 12.5, 12), "12.50000000" + Deg);  // at most eight decimals
    EXPECT_EQ(TextOf(dtDeg, 12.5, 1, true, true), "+12,5" + Deg);
    EXPECT_EQ(TextOf(dtDegMin, 12.5, 1), "12" + Deg + " 30.0'");
    EXPECT_EQ(TextOf(dtDegMin, 12.5, 0), "12" + Deg + "  30'");
    EXPECT_EQ(TextOf(dtDegMin, 12.1, 1), "12" + Deg + "  6.0'");
    EXPECT_EQ(TextOf(dtDegMin, -12.5, 1, true), "-12" + Deg + " 30,0'");
    EXPECT_EQ(TextOf(dtDegMinSec, 12.75, 0), "12" + Deg + " 45'   0\"");
    EXPECT_EQ(TextOf(dtDegMinSec, 12.5125, 1), "12" + Deg + " 30' 45.0\"");
    EXPECT_EQ(TextOf(dtDegMinSec, 1.1, 0, false, true), "+1" + Deg + "  6'   0\"");
}

TEST(NumoraText, DegreesKeepTheSignAndCarryRoundedSixties) {
    EXPECT_EQ(TextOf(dtDegMin, -0.5, 1), "-0" + Deg + " 30.0'");
    EXPECT_EQ(TextOf(dtDegMinSec, -0.5, 0), "-0" + Deg + " 30'   0\"");
    EXPECT_EQ(TextOf(dtDegMin, 12.99999, 1), "13" + Deg + "  0.0'");
    EXPECT_EQ(TextOf(dtDegMinSec, 12.999999, 0), "13" + Deg + "  0'   0\"");
    EXPECT_EQ(TextOf(dtDegMinSec, 12.0 + 10.0 / 60 + 59.99 / 3600, 1), "12" + Deg + " 11'  0.0\"");
}

TEST(NumoraText, ValuesNoFormatCanShowGiveTheIndicatorUnchanged) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TNumoraText t;
    t.OverflowIndicator = "-.-";
    t.Comma = true;
    t.ForcePlusSign = true;
    for (int type = dtFloat; type <= dtDegMinSec; ++type) {
        if (type == dtState) continue;
        t.DisplayType = static_cast<TDisplay>(type);
        for (double v : {nan, inf, -inf}) EXPECT_EQ(t.Text(v), "-.-") << "format " << type << " value " << v;
    }
    for (TDisplay type : {dtHex, dtZeroInt, dtInt, dtBin, dtOct, dtDateTime}) {
        t.DisplayType = type;
        EXPECT_EQ(t.Text(1e300), "-.-") << "format " << type;
    }
    // wide but showable: the width rule of the box decides
    t.DisplayType = dtFixP;
    t.Precision = 1;
    EXPECT_EQ(t.Text(1e300).size(), 1 + 301 + 1 + 1);
}
