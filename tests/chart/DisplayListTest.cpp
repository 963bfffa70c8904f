// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QStringList>
#include <memory>

#include "ChartTestSupport.h"
#include "TItemList.h"
#include "TMessageBox.h"

using namespace charttest;

namespace {

// Collects the information messages instead of showing boxes.
class TMessageCatcher {
public:
    TMessageCatcher() {
        FPrevious = SetInformationHandler([this](const QString& text) { Messages << text; });
    }
    ~TMessageCatcher() { SetInformationHandler(FPrevious); }
    QStringList Messages;

private:
    TInformationHandler FPrevious;
};

const QString MsgMyself = QStringLiteral("Plotica: Cannot share data with myself");
const QString MsgHasSharers =
    QStringLiteral("Plotica: Cannot use foreign data. Other Ploticas are using my own data.");
const QString MsgTooMany = QStringLiteral("Plotica: Max. number of data shares exceeded");

}  // namespace

TEST(DisplayList, CapacityGrowsInStepsAndFallsToZeroWhenEmptied) {
    TPlotica chart;
    EXPECT_EQ(chart.ItemCapacity(), 0);
    for (int i = 0; i < 1001; ++i) chart.AddMark(i, i, 1);
    EXPECT_EQ(chart.ItemCount(), 1001);
    EXPECT_EQ(chart.ItemCapacity(), 2000);
    while (chart.ItemCount() > 1) chart.RemoveLastItem();
    EXPECT_EQ(chart.ItemCapacity(), 2000);
    chart.RemoveLastItem();
    EXPECT_EQ(chart.ItemCount(), 0);
    EXPECT_EQ(chart.ItemCapacity(), 0);
    chart.RemoveLastItem();  // nothing left: nothing happens
    EXPECT_EQ(chart.ItemCount(), 0);
    EXPECT_EQ(chart.ItemCapacity(), 0);

    chart.SetAllocSize(3);
    for (int i = 0; i < 7; ++i) chart.LineTo(i, i);
    EXPECT_EQ(chart.ItemCapacity(), 9);
    chart.ClearItems();
    EXPECT_EQ(chart.ItemCount(), 0);
    EXPECT_EQ(chart.ItemCapacity(), 0);
}

TEST(DisplayList, AllocSizeAndClassDefaultIgnoreInvalidValues) {
    TPlotica chart;
    EXPECT_EQ(chart.AllocSize(), 1000);
    for (int bad : {0, -5, 1000001}) {
        chart.SetAllocSize(bad);
        EXPECT_EQ(chart.AllocSize(), 1000) << bad;
    }
    chart.SetAllocSize(1000000);
    EXPECT_EQ(chart.AllocSize(), 1000000);
    chart.SetClassDefault(254);
    chart.SetClassDefault(255);
    EXPECT_EQ(chart.ClassDefault(), 254);
}

TEST(DisplayList, NewItemsCarryTheDrawingStateOfTheirTime) {
    TPlotica chart;
    chart.SetDataColor(clRed);
    chart.SetLineWidth(3);
    chart.SetPenStyle(psDot);
    chart.SetClassDefault(7);
    chart.SetCurrentLayer(5);
    chart.SetFillColor(clBlue);
    chart.SetFillTransparent(true);
    chart.AddRectangle(1, 2, 3, 4);
    chart.SetDataColor(clGreen);
    chart.SetCurrentLayer(99);  // clamps to 16
    chart.AddEllipse(5, 6, 7, 8);
    chart.AddMark(1, 1, 200);

    const TDrawItem& rect = chart.Item(0);
    EXPECT_EQ(rect.Kind, ikRectangle);
    EXPECT_EQ(rect.Color, clRed);  // not changed by the later DataColor
    EXPECT_EQ(rect.LineWidth, 3);
    EXPECT_EQ(rect.PenStyle, psDot);
    EXPECT_EQ(rect.Class, 7);
    EXPECT_EQ(rect.Layer, 5);
    EXPECT_EQ(rect.FillColor, clBlue);
    EXPECT_TRUE(rect.FillTransparent);
    EXPECT_EQ(rect.X2, 3);
    const TDrawItem& ellipse = chart.Item(1);
    EXPECT_EQ(ellipse.Color, clGreen);
    EXPECT_EQ(ellipse.Layer, 16);
    EXPECT_EQ(ellipse.Y2, 8);
    EXPECT_EQ(chart.Item(2).Mark, 200);
}

TEST(DisplayList, TheOtherKindsFillTheirFields) {
    TPlotica chart;
    chart.SetFillColor(clYellow);
    chart.AddFramedBox(0, 0, 10, 10, 4, clGray, clWhite);
    chart.AddBar3D(0, 0, 1, 1, 30, 12);
    chart.AddText(5, 5, QStringLiteral("twenty characters!!"), 9);
    chart.AddText(5, 5, QString::fromUtf8("äöüäöüäöüäöü"), 9);  // two bytes each
    chart.MoveRel(3, -4);
    chart.LineRel(-2, 6);
    chart.AddArrow(0, 0, 5, 5, 11);
    EXPECT_EQ(chart.Item(0).FrameStyle, 4);
    EXPECT_EQ(chart.Item(0).FrameColor1, clGray);
    EXPECT_EQ(chart.Item(0).FrameColor2, clWhite);
    EXPECT_EQ(chart.Item(0).FillColor, clYellow);
    EXPECT_EQ(chart.Item(1).Param1, 30);
    EXPECT_EQ(chart.Item(1).Param2, 12);
    EXPECT_EQ(chart.Item(2).Text(), QStringLiteral("twenty characters"));
    EXPECT_EQ(chart.Item(2).Param1, 9);
    // cut at a character boundary: 8 characters fill 16 of the 17 bytes
    EXPECT_EQ(chart.Item(3).Text(), QString::fromUtf8("äöüäöüäö"));
    EXPECT_EQ(chart.Item(4).Kind, ikMoveRel);
    EXPECT_EQ(chart.Item(5).Kind, ikLineRel);
    EXPECT_EQ(chart.Item(5).Y1, 6);
    EXPECT_EQ(chart.Item(6).Param1, 11);
}

TEST(DisplayList, StorageStaysCloseToTheItemsItHolds) {
    TItemList list;
    for (int i = 0; i < 1000000; ++i) ASSERT_NE(list.Append(1000), nullptr);
    EXPECT_EQ(list.Capacity(), 1000000);
    EXPECT_LE(double(list.StorageBytes()) / list.Count(), 90.0);
    TItemList copy;
    copy.CopyFrom(list);
    EXPECT_EQ(copy.Count(), 1000000);
    EXPECT_EQ(copy.Capacity(), 1000000);
}

TEST(DataSharing, SharersShowAndChangeOneList) {
    TPlotica a, b;
    a.AddMark(1, 1, 1);
    b.SetUseDataOf(&a);
    EXPECT_EQ(b.UseDataOf(), &a);
    EXPECT_EQ(b.ItemCount(), 1);
    b.AddMark(2, 2, 8);
    EXPECT_EQ(a.ItemCount(), 2);
    EXPECT_EQ(a.Item(1).Mark, 8);
    a.RemoveLastItem();
    EXPECT_EQ(b.ItemCount(), 1);
    EXPECT_EQ(b.ItemCapacity(), a.ItemCapacity());

    // leaving keeps a private copy of what was shown
    b.SetUseDataOf(nullptr);
    EXPECT_EQ(a.SharerCount(), 0);
    a.AddMark(3, 3, 1);
    EXPECT_EQ(b.ItemCount(), 1);
    EXPECT_EQ(a.ItemCount(), 2);
}

TEST(DataSharing, RefusedRequestsShowTheirMessageAndChangeNothing) {
    TMessageCatcher catcher;
    TPlotica a, b, c;
    a.SetUseDataOf(&a);
    EXPECT_EQ(a.UseDataOf(), nullptr);
    b.SetUseDataOf(&a);
    c.SetUseDataOf(&b);  // b uses a's data: c joins a instead
    EXPECT_EQ(c.UseDataOf(), &a);
    EXPECT_EQ(a.SharerCount(), 2);
    a.SetUseDataOf(&c);  // a has sharers
    EXPECT_EQ(a.UseDataOf(), nullptr);

    TPlotica d, e, f;
    d.SetUseDataOf(&a);
    e.SetUseDataOf(&a);
    f.SetUseDataOf(&a);  // a fifth chart
    EXPECT_EQ(f.UseDataOf(), nullptr);
    EXPECT_EQ(a.SharerCount(), 4);
    EXPECT_EQ(catcher.Messages, QStringList({MsgMyself, MsgHasSharers, MsgTooMany}));
    EXPECT_EQ(a.Sharer(0), &b);
    EXPECT_EQ(a.Sharer(3), &e);
}

TEST(DataSharing, DestroyedChartsLeaveNoReferenceBehind) {
    auto source = std::make_unique<TPlotica>();
    auto first = std::make_unique<TPlotica>();
    auto second = std::make_unique<TPlotica>();
    source->AddMark(1, 1, 1);
    first->SetUseDataOf(source.get());
    second->SetUseDataOf(source.get());
    first.reset();  // a sharer leaves its source's list
    EXPECT_EQ(source->SharerCount(), 1);
    EXPECT_EQ(source->Sharer(0), second.get());
    source->AddMark(2, 2, 1);
    source.reset();  // the sharer keeps its own copy of the items
    EXPECT_EQ(second->UseDataOf(), nullptr);
    EXPECT_EQ(second->ItemCount(), 2);
    second->AddMark(3, 3, 1);
    second->ShowItems();
    EXPECT_EQ(second->ItemCount(), 3);
}
