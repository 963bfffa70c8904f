// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "ElapsedTicks.h"
#include "TickCollector.h"
#include "TickGenerator.h"

namespace {

TTickSettings Elapsed(double low, double high, int minTicks = 3, bool shortTicks = true) {
    TTickSettings s = Settings(low, high, minTicks, shortTicks);
    s.LabelType = ftTime;
    return s;
}

}  // namespace

TEST(ElapsedTicks, StepTableIndexIsTheLargestStepWithinTheSpan) {
    EXPECT_EQ(TElapsedTicks::StepIndex(0.0009), 0);
    EXPECT_EQ(TElapsedTicks::StepIndex(0.001), 1);
    EXPECT_EQ(TElapsedTicks::StepIndex(3.34), 11);  // 2 s
    EXPECT_EQ(TElapsedTicks::StepIndex(59.9), 15);  // 30 s
    EXPECT_EQ(TElapsedTicks::StepIndex(3600), 23);
    EXPECT_EQ(TElapsedTicks::StepIndex(86399), 27);
    EXPECT_EQ(TElapsedTicks::StepIndex(1e9), 28);
}

TEST(ElapsedTicks, TenSecondsGiveTwoSecondStepsWithHalfSecondMinors) {
    TTickCollector c;
    TTickGenerator::Generate(Elapsed(0, 10), c);
    EXPECT_EQ(c.Run.Family, TTickFamily::ElapsedTime);
    EXPECT_FALSE(c.Run.WithMilliseconds);
    const std::vector<double> majors = c.Majors();
    ASSERT_EQ(majors.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(majors[i], 2 * i, 1e-12);
    const std::vector<double> minors = c.Minors();
    ASSERT_EQ(minors.size(), 21u);
    EXPECT_NEAR(minors[1], 0.5, 1e-12);
    for (const TScaleTick& t : c.Ticks) EXPECT_TRUE(t.Recorded);
}

TEST(ElapsedTicks, SubSecondStepsShowMilliseconds) {
    TTickCollector c;
    TTickGenerator::Generate(Elapsed(0, 1.5), c);  // 0.5 s per interval
    EXPECT_TRUE(c.Run.WithMilliseconds);
    EXPECT_NEAR(c.Run.Step, 0.5, 1e-15);
    TTickCollector d;
    TTickGenerator::Generate(Elapsed(0, 3), d);  // 1 s per interval
    EXPECT_FALSE(d.Run.WithMilliseconds);
}

TEST(ElapsedTicks, DeclinesBelowAMillisecondAndFromADayOn) {
    for (const auto& r : {std::pair{0.0, 300000.0}, std::pair{0.0, 0.002}}) {
        TTickCollector c;
        TTickGenerator::Generate(Elapsed(r.first, r.second), c);
        EXPECT_EQ(c.Run.Family, TTickFamily::Linear);
        EXPECT_EQ(c.Begins, 1);  // only the numeric run began
        EXPECT_FALSE(c.Majors().empty());
    }
}

TEST(ElapsedTicks, BothEndsOfInvertedAndNegativeRangesAreTicks) {
    TTickCollector inv;
    TTickGenerator::Generate(Elapsed(10, 0), inv);
    const std::vector<double> majors = inv.Majors();
    ASSERT_FALSE(majors.empty());
    EXPECT_NEAR(majors.front(), 10, 1e-12);
    EXPECT_NEAR(majors.back(), 0, 1e-12);

    // a negative start whose step boundary lies inside the range keeps its minor ticks
    TTickCollector neg;
    TTickGenerator::Generate(Elapsed(-9, 9, 3, true), neg);  // 5 s steps, 1 s minors
    const std::vector<double> minors = neg.Minors();
    ASSERT_FALSE(minors.empty());
    EXPECT_NEAR(minors.front(), -9, 1e-9);
    EXPECT_NEAR(minors.back(), 9, 1e-9);
    EXPECT_EQ(minors.size(), 19u);
    EXPECT_NEAR(neg.Majors().front(), -5, 1e-9);
}

TEST(ElapsedTicks, LargeOffsetsStayBounded) {
    TTickCollector c;
    TTickGenerator::Generate(Elapsed(1e20, 1e20 + 100000), c);
    EXPECT_LE(c.Ticks.size(), static_cast<std::size_t>(MaxTickPositions));
    for (const TScaleTick& t : c.Ticks) EXPECT_TRUE(std::isfinite(t.Value));
}
