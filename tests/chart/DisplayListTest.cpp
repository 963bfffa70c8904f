#include <gtest/gtest.h>

#include "TPlotica.h"

TEST(DisplayList, Placeholder) {
    TPlotica chart;
    EXPECT_EQ(chart.ItemCount(), 0);
}
