// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "TScale.h"
#include "TickStep.h"

namespace {

struct TStepCase {
    int N;
    double Start, Finish;
    double Step, First;
    int Minor;
};

}  // namespace

TEST(ChooseTickStep, PicksOneTwoOrFiveTimesAPowerOfTenWithinTheSpanPerInterval) {
    const TStepCase cases[] = {
        {3, 0, 100, 20, 0, 4},     // 33.3 per interval
        {5, 0, 100, 10, 0, 5},     // 20 exactly: the tolerance takes the smaller mantissa
        {2, 0, 1, 0.2, 0, 4},      // 0.5 exactly: mantissa 2, not 5
        {10, 0, 10, 1, 0, 5},      // 1 exactly keeps mantissa 1
        {3, 100, 0, -20, 100, 4},  // inverted: steps run downwards from 100
        {3, 3, 97, 20, 20, 4},     // first multiple at or past the start
        {4, -7, 7, 2, -6, 4},      // 3.5 per interval
        {3, 0.001, 0.0042, 0.001, 0.001, 5},
        {3, 1e6, 1e6 + 1, 0.2, 1e6, 4},
    };
    for (const TStepCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Start << ".." << c.Finish << " n " << c.N);
        double first, step;
        int minor;
        TScale::ChooseTickStep(c.N, c.Start, c.Finish, first, step, minor);
        EXPECT_NEAR(step, c.Step, std::fabs(c.Step) * 1e-12);
        EXPECT_NEAR(first, c.First, std::fabs(c.Step) * 1e-9);
        EXPECT_EQ(minor, c.Minor);
        // never more than the span per interval: at least n intervals fit
        EXPECT_LE(std::fabs(step), std::fabs(c.Finish - c.Start) / c.N * (1 + 1e-12));
    }
}

TEST(ChooseTickStep, FirstAcceptsAStartAThousandthOfAStepAway) {
    double first, step;
    int minor;
    TScale::ChooseTickStep(3, 20.01, 100, first, step, minor);
    EXPECT_DOUBLE_EQ(step, 20);
    EXPECT_DOUBLE_EQ(first, 20);  // 0.0005 steps past 20
    TScale::ChooseTickStep(3, 20.03, 100, first, step, minor);
    EXPECT_DOUBLE_EQ(first, 40);  // 0.0015 steps past 20
}

TEST(ChooseTickStep, EqualOrNonFiniteEndsGiveNoStep) {
    double first, step;
    int minor;
    TScale::ChooseTickStep(3, 5, 5, first, step, minor);
    EXPECT_EQ(first, 5);
    EXPECT_EQ(step, 0);
    EXPECT_EQ(minor, 1);
    TScale::ChooseTickStep(3, 0, INFINITY, first, step, minor);
    EXPECT_EQ(step, 0);
    TScale::ChooseTickStep(3, NAN, 1, first, step, minor);
    EXPECT_EQ(step, 0);
}

TEST(ChooseTickStep, ExtremeSpansStayFiniteAndInsideTheRange) {
    const double ranges[][2] = {{0, 1e300},       {-1.7e308, 1.7e308}, {0, 1e-300},     {1, 1 + 2.3e-16},
                                {1e15, 1e15 + 1}, {0, 5e-324},         {1e300, -1e300}, {-1e-310, 1e-310}};
    for (const auto& r : ranges) {
        SCOPED_TRACE(testing::Message() << r[0] << ".." << r[1]);
        const TTickStep t = ChooseTickStep(3, r[0], r[1]);
        ASSERT_TRUE(std::isfinite(t.Step));
        ASSERT_TRUE(std::isfinite(t.First));
        ASSERT_NE(t.Step, 0);
        const long double lo = std::fmin(r[0], r[1]), hi = std::fmax(r[0], r[1]);
        EXPECT_GE(t.First, lo - std::fabs(t.Step) * 0.001L);
        EXPECT_LE(t.First, hi);
    }
}
