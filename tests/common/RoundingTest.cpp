// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Enums.h"
#include "Rounding.h"

using namespace Vexa;
#include "VexaError.h"

TEST(Rounding, HalvesGoToEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(-2.4999999), -2);
    EXPECT_EQ(RoundHalfEvenReal(6.5), 6.0);
}

TEST(Rounding, TruncationGoesTowardZero) {
    EXPECT_EQ(Trunc(79.99), 79);
    EXPECT_EQ(Trunc(-79.99), -79);
    EXPECT_EQ(Int(-3.7), -3.0);
    EXPECT_EQ(Int(3.7), 3.0);
    // Int stays real beyond the integer range
    EXPECT_EQ(Int(1e300), 1e300);
}

TEST(Rounding, ConversionsSaturateInsteadOfOverflowing) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Trunc(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Trunc(-inf), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(RoundToPixel(1e12), 2147483647);
    EXPECT_EQ(RoundToPixel(-1e12), -2147483647);
    EXPECT_EQ(RoundToPixel(12.5), 12);
    EXPECT_EQ(RoundToPixel(13.5), 14);
}

TEST(Rounding, DivAndModTruncateTowardZero) {
    EXPECT_EQ(Div(-579, 100), -5);
    EXPECT_EQ(Mod(-579, 100), -79);
    EXPECT_EQ(Mod(579, 100), 79);
}

TEST(Enums, DeclarationOrderIsKept) {
    EXPECT_EQ(static_cast<int>(fsEngraved), 5);
    EXPECT_EQ(static_cast<int>(csSystem), 1);
    EXPECT_EQ(static_cast<int>(sctYR), 3);
    EXPECT_EQ(static_cast<int>(ftUserText), 4);
    EXPECT_EQ(static_cast<int>(dtAllTicks), 3);
    EXPECT_EQ(static_cast<int>(maDragLabel), 10);
    EXPECT_EQ(static_cast<int>(maRotZOnly), 14);
    EXPECT_EQ(static_cast<int>(tlShadow), 4);
    EXPECT_EQ(static_cast<int>(ssBox), 1);
    // the meta-object knows the names, which the form walk and the script mode use
    const QMetaEnum e = QMetaEnum::fromType<TFrameStyle>();
    EXPECT_STREQ(e.valueToKey(fsLowered), "fsLowered");
}

TEST(Errors, CarryTheirMessage) {
    try {
        throw EVexaPloticaError(QStringLiteral("Destination layer 17 is out of range"));
    } catch (const EVexaError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Destination layer 17 is out of range"));
        EXPECT_STREQ(e.what(), "Destination layer 17 is out of range");
    }
}
