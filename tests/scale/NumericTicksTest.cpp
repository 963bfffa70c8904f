// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "NumericTicks.h"
#include "TickCollector.h"
#include "TickGenerator.h"

namespace {

void ExpectValues(const std::vector<double>& got, const std::vector<double>& want, double tol = 1e-9) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], tol) << "tick " << i;
}

}  // namespace

TEST(LinearTicks, MinorPassThenMajorPassWithLabelNumbers) {
    TTickCollector c;
    TNumericTicks::Linear(Settings(0, 100), c);
    EXPECT_EQ(c.Begins, 1);
    EXPECT_EQ(c.Run.Family, TTickFamily::Linear);
    ExpectValues(c.Majors(), {0, 20, 40, 60, 80, 100});
    // minor step 5 from 0 to 100, the major positions included
    ASSERT_EQ(c.Minors().size(), 21u);
    EXPECT_NEAR(c.Minors()[1], 5, 1e-12);
    // minors come first
    EXPECT_FALSE(c.Ticks.front().Major);
    EXPECT_TRUE(c.Ticks.back().Major);
    int label = 0;
    for (const TScaleTick& t : c.Ticks)
        if (t.Major) {
            EXPECT_EQ(t.LabelNumber, ++label);
        }
}

TEST(LinearTicks, InvertedRangeRunsDownwards) {
    TTickCollector c;
    TNumericTicks::Linear(Settings(100, 0, 3, false), c);
    ExpectValues(c.Majors(), {100, 80, 60, 40, 20, 0});
    EXPECT_TRUE(c.Minors().empty());
}

TEST(LinearTicks, RecordingDependsOnOrientationAndShortTicks) {
    struct TCase {
        bool Vertical, Short;
        bool MinorsRecorded, MajorsRecorded;
    } cases[] = {{false, true, true, false},
                 {true, true, true, true},
                 {false, false, false, true},
                 {true, false, false, true}};
    for (const TCase& k : cases) {
        TTickCollector c;
        TNumericTicks::Linear(Settings(0, 1, 2, k.Short, k.Vertical), c);
        for (const TScaleTick& t : c.Ticks)
            EXPECT_EQ(t.Recorded, t.Major ? k.MajorsRecorded : k.MinorsRecorded);
        EXPECT_EQ(c.Minors().empty(), !k.Short);
    }
}

TEST(LinearTicks, TicksStayInsideTheRangeWithATolerance) {
    TTickCollector c;
    TNumericTicks::Linear(Settings(0.13, 0.87, 4), c);  // step 0.1, minor 0.02
    ExpectValues(c.Majors(), {0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8});
    for (double v : c.Minors()) {
        EXPECT_GE(v, 0.13);
        EXPECT_LE(v, 0.87 + 0.00002);
    }
    EXPECT_NEAR(c.Minors().front(), 0.14, 1e-12);
    EXPECT_NEAR(c.Minors().back(), 0.86, 1e-12);
}

TEST(LogTicks, DecadesOnlyWhenThereAreEnoughOfThem) {
    TTickSettings s = Settings(1, 1000);
    s.Logarithmic = true;
    TTickCollector c;
    TNumericTicks::Logarithmic(s, c);
    EXPECT_EQ(c.Run.Family, TTickFamily::Logarithmic);
    ExpectValues(c.Majors(), {1, 10, 100, 1000});
    EXPECT_TRUE(c.Minors().empty());
    for (const TScaleTick& t : c.Ticks) EXPECT_TRUE(t.Recorded);

    s.MinTicks = 4;  // 4 > 3.5: the multiples appear
    TTickCollector m;
    TNumericTicks::Logarithmic(s, m);
    ExpectValues(m.Majors(), {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}, 1e-9);
    EXPECT_EQ(m.Minors().size(), 18u);  // 3, 4, 6, 7, 8, 9 in three decades
    EXPECT_NEAR(m.Ticks[1].Value, 2, 1e-12);
    EXPECT_FALSE(m.Ticks[2].Major);  // 3 follows 2
}

TEST(LogTicks, MantissaDecadeAndLabelNumbers) {
    TTickSettings s = Settings(0.01, 100, 5);
    s.Logarithmic = true;
    TTickCollector c;
    TNumericTicks::Logarithmic(s, c);
    int label = 0;
    for (const TScaleTick& t : c.Ticks) {
        EXPECT_NEAR(t.Value, t.Mantissa * std::pow(10.0, t.Decade), 1e-12 * t.Value);
        if (t.Major) {
            EXPECT_EQ(t.LabelNumber, ++label);
        }
    }
    EXPECT_EQ(c.Ticks.front().Decade, -2);
    EXPECT_EQ(c.Ticks.back().Decade, 2);
    EXPECT_EQ(label, 13);    // 0.01, 0.02, 0.05 ... 50, 100
    s.LabelType = ftNoFigs;  // ticks without texts take no label numbers
    TTickCollector n;
    TNumericTicks::Logarithmic(s, n);
    for (const TScaleTick& t : n.Ticks) EXPECT_EQ(t.LabelNumber, 0);
}

TEST(LogTicks, InvertedRangeRunsFromTheSmallerEndAndShortTicksOffDropsMinors) {
    TTickSettings s = Settings(1000, 1, 5, false);
    s.Logarithmic = true;
    TTickCollector c;
    TNumericTicks::Logarithmic(s, c);
    ExpectValues(c.Majors(), {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000});
    EXPECT_TRUE(c.Minors().empty());
}

TEST(LogTicks, LessThanADecadeOrANonPositiveEndFallsBackToLinear) {
    TTickSettings s = Settings(2, 15);
    s.Logarithmic = true;
    TTickCollector c;
    TTickGenerator::Generate(s, c);
    EXPECT_EQ(c.Run.Family, TTickFamily::Linear);
    ExpectValues(c.Majors(), {2, 4, 6, 8, 10, 12, 14});
    // a scale that is not yet loaded may be logarithmic over any range: no decades there
    for (const auto& r : {std::pair{-10.0, 100.0}, std::pair{0.0, 1e6}, std::pair{-5.0, -1.0}}) {
        s.RangeLow = r.first;
        s.RangeHigh = r.second;
        TTickCollector n;
        TTickGenerator::Generate(s, n);
        EXPECT_EQ(n.Run.Family, TTickFamily::Linear);
        EXPECT_FALSE(n.Majors().empty());
    }
}

TEST(LogTicks, WidestRangeIsBoundedByItsDecades) {
    TTickSettings s = Settings(1e-300, 1e300, 10);
    s.Logarithmic = true;
    TTickCollector c;
    TNumericTicks::Logarithmic(s, c);
    EXPECT_EQ(c.Majors().size(), 601u);
    EXPECT_NEAR(c.Majors().front(), 1e-300, 1e-310);
    EXPECT_NEAR(c.Majors().back() / 1e300, 1, 1e-12);
}

TEST(NumericTicks, HugeTinyAndLopsidedRangesEndAndStayFinite) {
    const double ranges[][2] = {{0, 1e300},  {-1.7e308, 1.7e308}, {1.7e308, -1.7e308},
                                {0, 1e-300}, {1, 1 + 2.3e-16},    {1e15, 1e15 + 3},
                                {0, 5e-324}, {-1e-310, 1e-310},   {1e300, 1e300 * (1 + 1e-15)}};
    for (const auto& r : ranges) {
        for (bool vertical : {false, true}) {
            SCOPED_TRACE(testing::Message() << r[0] << ".." << r[1]);
            TTickCollector c;
            TNumericTicks::Linear(Settings(r[0], r[1], 10, true, vertical), c);
            ASSERT_FALSE(c.Majors().empty());
            EXPECT_LE(c.Majors().size(), 30u);
            EXPECT_LE(c.Minors().size(), 160u);
            for (const TScaleTick& t : c.Ticks) ASSERT_TRUE(std::isfinite(t.Value));
        }
    }
}
