// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QLocale>
#include <cstdint>
#include <limits>

#include "Format.h"
#include "VexaError.h"

using namespace Vexa;

namespace {
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(FormatFixed, RoundsTheExactBinaryValueHalvesToEven) {
    EXPECT_EQ(FormatFixed(0.125, 2), "0.12");
    EXPECT_EQ(FormatFixed(0.375, 2), "0.38");
    EXPECT_EQ(FormatFixed(2.5, 0), "2");
    EXPECT_EQ(FormatFixed(3.5, 0), "4");
    EXPECT_EQ(FormatFixed(0.5, 0), "0");
    EXPECT_EQ(FormatFixed(1.005, 2), "1.00");  // binary value just below the half
    EXPECT_EQ(FormatFixed(2.675, 2), "2.67");
    EXPECT_EQ(FormatFixed(9.995, 2), "9.99");
    EXPECT_EQ(FormatFixed(9.9951, 2), "10.00");
    EXPECT_EQ(FormatFixed(1.0 / 3, 20), "0.33333333333333331483");
    EXPECT_EQ(FormatFixed(1e20, 0), "100000000000000000000");
    EXPECT_EQ(FormatFixed(10, 1), "10.0");
}

TEST(FormatFixed, MinusSignOnlyForNegativeValues) {
    EXPECT_EQ(FormatFixed(-1.25, 1), "-1.2");
    EXPECT_EQ(FormatFixed(-2.5, 0), "-2");
    EXPECT_EQ(FormatFixed(-0.0, 2), "0.00");
    EXPECT_EQ(FormatFixed(-0.001, 2), "-0.00");
    EXPECT_EQ(FormatFixed(42, 0), "42");
}

TEST(FormatFixed, WidthPadsWithoutCutting) {
    EXPECT_EQ(FormatFixed(3.14159, 2, 8), "    3.14");
    EXPECT_EQ(FormatFixed(-3.14159, 2, 8), "   -3.14");
    EXPECT_EQ(FormatFixed(3.14159, 2, -8), "3.14    ");
    EXPECT_EQ(FormatFixed(3.14159, 2, 1), "3.14");
    EXPECT_EQ(FormatFixed(3.14159, 2, 4), "3.14");
    EXPECT_EQ(FormatFixed(1, 0, 100000).size(), 1024);  // widths are capped
}

TEST(FormatFixed, IgnoresTheLocalesDecimalMark) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatFixed(1234.5, 1), "1234.5");
    EXPECT_EQ(FormatGeneral(1234.5, 15), "1234.5");
    EXPECT_EQ(Format("%.1f", 1234.5), "1234.5");
    QLocale::setDefault(saved);
}

TEST(FormatFixed, ExtremeDecimalsAndMagnitudes) {
    EXPECT_EQ(FormatFixed(1.5, -3), "2");  // negative decimals count as none
    EXPECT_EQ(FormatFixed(1.5, 500).size(), 2 + 99);
    EXPECT_EQ(FormatFixed(-1.7976931348623157e308, 99).size(), 1 + 309 + 1 + 99);
    EXPECT_EQ(FormatFixed(5e-324, 3), "0.000");
}

TEST(FormatGeneral, FixedWhileTheIntegerPartFitsThePrecision) {
    EXPECT_EQ(FormatGeneral(0.1, 15), "0.1");
    EXPECT_EQ(FormatGeneral(1.0 / 3, 15), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(2.0 / 3, 3), "0.667");
    EXPECT_EQ(FormatGeneral(123, 3), "123");
    EXPECT_EQ(FormatGeneral(1234.5678, 6), "1234.57");
    EXPECT_EQ(FormatGeneral(99.96, 3), "100");  // the rounded value decides
    EXPECT_EQ(FormatGeneral(-2.5, 15), "-2.5");
    EXPECT_EQ(FormatGeneral(2.5, 1), "2");
    EXPECT_EQ(FormatGeneral(100, 15), "100");
    EXPECT_EQ(FormatGeneral(0.00001, 15), "0.00001");
    EXPECT_EQ(FormatGeneral(0.000123456, 3), "0.000123");
    EXPECT_EQ(FormatGeneral(0, 5), "0");
    EXPECT_EQ(FormatGeneral(-0.0, 5), "0");
}

TEST(FormatGeneral, ScientificForLargeAndTinyValues) {
    EXPECT_EQ(FormatGeneral(123456, 3), "1.23E+05");
    EXPECT_EQ(FormatGeneral(999.6, 3), "1E+03");
    EXPECT_EQ(FormatGeneral(100, 2), "1E+02");
    EXPECT_EQ(FormatGeneral(1.5e20, 15), "1.5E+20");
    EXPECT_EQ(FormatGeneral(-1.5e20, 15), "-1.5E+20");
    EXPECT_EQ(FormatGeneral(0.0000099, 2), "9.9E-06");
    EXPECT_EQ(FormatGeneral(0.00000999999, 3), "0.00001");  // rounds up into fixed notation
    EXPECT_EQ(FormatGeneral(1.25e100, 15), "1.25E+100");
    EXPECT_EQ(FormatGeneral(5e-324, 2), "4.9E-324");
    EXPECT_EQ(FormatGeneral(123456, 3, 10), "  1.23E+05");
}

TEST(FormatScientific, DigitsInAllAndExponentDigits) {
    EXPECT_EQ(FormatScientific(1500, 3), "1.50E+003");
    EXPECT_EQ(FormatScientific(1500, 3, 4), "1.50E+0003");
    EXPECT_EQ(FormatScientific(-1.5e-300, 2), "-1.5E-300");
    EXPECT_EQ(FormatScientific(1.5e300, 2, 4), "1.5E+0300");
    EXPECT_EQ(FormatScientific(1.5e300, 2, 2), "1.5E+300");
    EXPECT_EQ(FormatScientific(0, 3), "0.00E+000");
    EXPECT_EQ(FormatScientific(-0.0, 3), "0.00E+000");
    EXPECT_EQ(FormatScientific(9.99, 2), "1.0E+001");  // the carry moves the exponent
    EXPECT_EQ(FormatScientific(0.125, 2), "1.2E-001");
    EXPECT_EQ(FormatScientific(1, 1), "1E+000");
    EXPECT_EQ(FormatScientific(5e-324, 3), "4.94E-324");
    EXPECT_EQ(FormatScientific(500000, 2, 4, 10), " 5.0E+0005");
}

TEST(FormatInteger, HexadecimalUpperCaseZeroPadded) {
    EXPECT_EQ(FormatHex(4294967295u, 0), "FFFFFFFF");
    EXPECT_EQ(FormatHex(static_cast<std::uint64_t>(std::int64_t{-1}), 0), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(FormatHex(static_cast<std::uint64_t>(std::int64_t{-2}), 8).right(8), "FFFFFFFE");
    EXPECT_EQ(FormatHex(255, 4), "00FF");
    EXPECT_EQ(FormatHex(4095, 2), "FFF");
    EXPECT_EQ(FormatHex(0, 0), "0");
    EXPECT_EQ(FormatHex(0xABCDEF, 0, 8), "  ABCDEF");
}

TEST(FormatInteger, DecimalZeroPaddedSignNotCounted) {
    EXPECT_EQ(FormatDecimal(-7, 3), "-007");
    EXPECT_EQ(FormatDecimal(7, 3, 6), "   007");
    EXPECT_EQ(FormatDecimal(12345, 3), "12345");
    EXPECT_EQ(FormatDecimal(0), "0");
    EXPECT_EQ(FormatDecimal(42, 0, -5), "42   ");
    EXPECT_EQ(FormatDecimal(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(FormatDecimal(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
}

TEST(FormatNonFinite, NamedNeverCrashing) {
    EXPECT_EQ(FormatFixed(NaN, 2), "NAN");
    EXPECT_EQ(FormatFixed(-NaN, 2), "NAN");
    EXPECT_EQ(FormatFixed(Inf, 2), "INF");
    EXPECT_EQ(FormatFixed(-Inf, 2), "-INF");
    EXPECT_EQ(FormatGeneral(Inf, 15), "INF");
    EXPECT_EQ(FormatGeneral(NaN, 15), "NAN");
    EXPECT_EQ(FormatScientific(-Inf, 3), "-INF");
    EXPECT_EQ(FormatFixed(Inf, 2, 5), "  INF");
    EXPECT_EQ(Format("%08.2f|%05e", NaN, -Inf), "     NAN| -INF");
}

TEST(FormatPattern, ConversionsWidthsAndPrecisions) {
    EXPECT_EQ(Format("%d items", 5), "5 items");
    EXPECT_EQ(Format("%*.*f|", 8, 2, 3.14159), "    3.14|");
    EXPECT_EQ(Format("%-6d|%6d|", 42, -42), "42    |   -42|");
    EXPECT_EQ(Format("%*d|", -4, 7), "7   |");
    EXPECT_EQ(Format("%05d %.3d", -42, 7), "-0042 007");
    EXPECT_EQ(Format("%08.3f", -3.14159), "-003.142");
    EXPECT_EQ(Format("%f %f", 2.0, 2), "2.00 2.00");  // integers are taken for reals
    EXPECT_EQ(Format("%.0f", 0.5), "0");
    EXPECT_EQ(Format("%.3e", 1500.0), "1.50E+003");
    EXPECT_EQ(Format("%e", 1500.0), "1.50000000000000E+003");
    EXPECT_EQ(Format("%g %.3g", 0.1, 123456.0), "0.1 1.23E+05");
    EXPECT_EQ(Format("100%%"), "100%");
}

TEST(FormatPattern, IntegersKeepTheirOwnWidth) {
    EXPECT_EQ(Format("%x", -1), "FFFFFFFF");
    EXPECT_EQ(Format("%x", std::int64_t{-1}), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Format("%x", std::int16_t{-2}), "FFFE");
    EXPECT_EQ(Format("%.4X", 255u), "00FF");
    EXPECT_EQ(Format("%u", -1), "4294967295");
    EXPECT_EQ(Format("%d", std::numeric_limits<std::uint64_t>::max()), "18446744073709551615");
}

TEST(FormatPattern, Texts) {
    EXPECT_EQ(Format("%s=%s", "a", QString::fromUtf8("Größe")), QString::fromUtf8("a=Größe"));
    EXPECT_EQ(Format("[%.2s][%5s][%-5s]", "abc", "ab", QStringView(u"cd")), "[ab][   ab][cd   ]");
    EXPECT_EQ(Format("µ%s", "ü"), QString::fromUtf8("µü"));
}

TEST(FormatPattern, MisuseThrows) {
    EXPECT_THROW(Format("%d", 1.5), EVexaError);
    EXPECT_THROW(Format("%d"), EVexaError);
    EXPECT_THROW(Format("%f", "x"), EVexaError);
    EXPECT_THROW(Format("%s", 1), EVexaError);
    EXPECT_THROW(Format("%q", 1), EVexaError);
    EXPECT_THROW(Format("50%"), EVexaError);
    EXPECT_THROW(Format("%*d", 1.0, 2), EVexaError);
    EXPECT_EQ(Format("%d", 1, 2), "1");  // surplus arguments are ignored
}
