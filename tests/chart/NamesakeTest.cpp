// SPDX-License-Identifier: MIT
// A program with a class named as one inside the chart library, TItemList with its Clear(): were
// the library's own calls to go through the dynamic linker, the program's function would take the
// place of the library's, the chart would keep its items and fail in its destructor.

#include <gtest/gtest.h>

#include "TPlotica.h"

namespace {
bool ProgramsClearRan = false;
}  // namespace

// the program's own class, unrelated to the library's but for its name
class TItemList {
public:
    void Clear();
};

void TItemList::Clear() {
    ProgramsClearRan = true;
}

TEST(Namesake, TheChartKeepsCallingItsOwnInnerClasses) {
    TItemList mine;
    mine.Clear();  // the program's function is there, and used by the program
    ASSERT_TRUE(ProgramsClearRan);
    ProgramsClearRan = false;
    TPlotica chart;
    chart.AddMark(1, 1, 1);
    chart.AddMark(2, 2, 1);
    chart.ClearItems();
    EXPECT_FALSE(ProgramsClearRan);
    EXPECT_EQ(chart.ItemCount(), 0);
}
