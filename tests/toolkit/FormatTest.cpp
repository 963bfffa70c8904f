// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QLocale>
#include <cstdint>
#include <limits>

#include "Format.h"

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

TEST(FormatFixed, IgnoresTheLocalesDecimalMark) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatFixed(1234.5, 1), "1234.5");
    EXPECT_EQ(FormatGeneral(1234.5, 15), "1234.5");
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
    EXPECT_EQ(FormatGeneral(123456, 3), "1.23E+05");
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
    EXPECT_EQ(FormatScientific(500000, 2, 4), "5.0E+0005");
}

TEST(FormatInteger, DecimalZeroPaddedSignNotCounted) {
    EXPECT_EQ(FormatDecimal(-7, 3), "-007");
    EXPECT_EQ(FormatDecimal(12345, 3), "12345");
    EXPECT_EQ(FormatDecimal(0), "0");
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
}
