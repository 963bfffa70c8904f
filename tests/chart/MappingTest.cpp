// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ChartTestSupport.h"
#include "PloticaMapping.h"
#include "TBitmap.h"

using namespace charttest;

TEST(Mapping, LinearRangesLandOnTheDataAreaEdges) {
    auto chart = MakeChart(280, 410);
    EXPECT_EQ(chart->WorldToPixel(1, 0, 0).x(), 50);
    EXPECT_EQ(chart->WorldToPixel(1, 100, 0).x(), 260);
    EXPECT_EQ(chart->WorldToPixel(1, 50, 0).x(), 155);
    chart->Scale1Y()->SetRangeHigh(620);
    EXPECT_EQ(chart->WorldToPixel(1, 0, 0).y(), 370);
    EXPECT_EQ(chart->WorldToPixel(1, 0, 620).y(), 20);
    // a reversed range mirrors the axis
    chart->SetLayerRanges(1, 100, 0, 0, 620);
    EXPECT_EQ(chart->WorldToPixel(1, 100, 0).x(), 50);
    EXPECT_EQ(chart->WorldToPixel(1, 0, 0).x(), 260);
    // far away values saturate instead of overflowing
    EXPECT_EQ(chart->WorldToPixel(1, -1e300, 0).x(), 2147483647);
    EXPECT_EQ(chart->WorldToPixel(1, 0, 1e300).y(), -2147483647);
    // layer numbers outside 1..16 use the nearest layer
    EXPECT_EQ(chart->WorldToPixel(0, 100, 0), chart->WorldToPixel(1, 100, 0));
}

TEST(Mapping, LogarithmicAxesAndValuesWithoutLogarithm) {
    auto chart = MakeChart(280, 410);
    chart->Scale1X()->SetRangeLow(1);
    chart->Scale1X()->SetRangeHigh(1000);
    chart->Scale1X()->SetLogarithmic(true);
    ASSERT_TRUE(chart->Scale1X()->Logarithmic());
    EXPECT_EQ(chart->WorldToPixel(1, 10, 0).x(), 50 + 70);  // a third of 210 pixels
    EXPECT_EQ(chart->WorldToPixel(1, 0, 0).x(), 0);
    EXPECT_EQ(chart->WorldToPixel(1, -5, 0).x(), 0);
    chart->SetLayerRanges(1, 1000, 1, 0, 100);
    EXPECT_EQ(chart->WorldToPixel(1, 0, 0).x(), 280);
    EXPECT_EQ(chart->WorldToPixel(1, 10, 0).x(), 260 - 70);
    chart->Scale1Y()->SetRangeLow(1);
    chart->Scale1Y()->SetLogarithmic(true);
    EXPECT_EQ(chart->WorldToPixel(1, 10, 0).y(), 410);
    double x, y;
    chart->PixelToWorld(1, 190, 370, x, y);
    EXPECT_NEAR(x, 10, 1e-9);
    EXPECT_NEAR(y, 1, 1e-9);
}

TEST(Mapping, DegenerateRangesAndAreasDoNotFail) {
    auto chart = MakeChart(280, 410);
    // zero spans are refused: the mapping stays as it was
    chart->SetLayerRanges(1, 0, 10, 0, 6);
    const QPoint before = chart->WorldToPixel(1, 5, 3);
    chart->SetLayerRanges(1, 5, 5, 3, 3);
    EXPECT_EQ(chart->WorldToPixel(1, 5, 3), before);
    double x = -1, y = -1;
    // margins wider than the control: every x lands in the middle, the data bitmap is empty
    chart->SetLayerRanges(1, 0, 100, 0, 100);
    chart->SetMarginLeft(200);
    chart->SetMarginRight(200);
    EXPECT_EQ(chart->WorldToPixel(1, 0, 0).x(), 140);
    EXPECT_EQ(chart->WorldToPixel(1, 100, 0).x(), 140);
    chart->PixelToWorld(1, 10, 10, x, y);
    EXPECT_TRUE(std::isfinite(x));
    EXPECT_EQ(chart->DataBitmap().Width(), 0);
    chart->Paint();  // and painting such a chart does not fail
    chart->ShowItems();
}

TEST(Mapping, PixelToWorldReturnsToTheStartingPixel) {
    auto chart = MakeChart(392, 410);
    chart->SetLayerRanges(1, -3.7, 1234.5, 1e-3, -2e-3);
    for (int px = -50; px < 450; px += 7)
        for (int py = -30; py < 440; py += 11) {
            double x, y;
            chart->PixelToWorld(1, px, py, x, y);
            EXPECT_EQ(chart->WorldToPixel(1, x, y), QPoint(px, py));
        }
}

// The renderer's double factors must give exactly the pixels of the extended-precision ones.
TEST(Mapping, FastPathAgreesWithExtendedPrecision) {
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    TAxisMapping m;
    long long checked = 0;
    for (int setup = 0; setup < 200; ++setup) {
        const double lo = (unit(random) - 0.5) * std::pow(10.0, int(unit(random) * 12) - 4);
        const double span = std::pow(10.0, int(unit(random) * 14) - 6) * (unit(random) < 0.2 ? -1 : 1);
        const int left = int(unit(random) * 100), width = 1 + int(unit(random) * 2000);
        m.Set(lo, lo + span, left, left + width, true, 0);
        for (int i = 0; i < 5000; ++i) {
            double v = lo + span * (unit(random) * 3 - 1);
            if (i % 3 == 0)
                v = lo + span * (std::floor(unit(random) * 2 * width) + 1) / (2.0 * width);  // ties
            ASSERT_EQ(m.ToPixel(v), m.ToPixelExact(v)) << lo << " " << span << " " << v;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 1000000);
}

TEST(Mapping, JoinedLayersFollowTheirControllingLayer) {
    auto chart = MakeChart(280, 410);
    chart->ScalePropsX(2)->SetRangeLow(0);
    chart->ScalePropsX(2)->SetRangeHigh(7);
    chart->JointLayers()->SetL02x(1);
    EXPECT_EQ(chart->ScalePropsX(2)->RangeHigh(), 100);  // takes layer 1's range at once
    chart->SetLayerRanges(1, 10, 20, 0, 50);
    EXPECT_EQ(chart->ScalePropsX(2)->RangeLow(), 10);
    EXPECT_EQ(chart->ScalePropsX(2)->RangeHigh(), 20);
    EXPECT_EQ(chart->ScalePropsY(2)->RangeHigh(), 1);  // y is not joined
    chart->SetLayerRanges(2, 30, 40, 5, 6);
    EXPECT_EQ(chart->ScalePropsX(2)->RangeLow(), 10);  // a joined axis cannot move on its own
    EXPECT_EQ(chart->ScalePropsY(2)->RangeLow(), 5);
    EXPECT_EQ(chart->WorldToPixel(2, 15, 0).x(), chart->WorldToPixel(1, 15, 0).x());
    // the property path re-applies all layers: a range set through the properties carries along
    chart->Scale1X()->SetRangeHigh(60);
    EXPECT_EQ(chart->ScalePropsX(2)->RangeHigh(), 60);
}
