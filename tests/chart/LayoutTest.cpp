// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "ChartTestSupport.h"
#include "TBitmap.h"
#include "TComponent.h"
#include "TJointLayers.h"
#include "TProperties.h"
#include "TScale.h"
#include "TScaleProps.h"

using namespace charttest;

TEST(Layout, ANewChartHasTheStandardLayoutAndPaintsOnlyOnceItsWindowExists) {
    TPlotica chart;
    EXPECT_EQ(chart.MarginLeft(), 50);
    EXPECT_EQ(chart.MarginRight(), 20);
    EXPECT_EQ(chart.MarginTop(), 20);
    EXPECT_EQ(chart.MarginBottom(), 40);
    EXPECT_EQ(chart.CaptionPosX(), 0);
    EXPECT_EQ(chart.CaptionPosY(), -16);
    EXPECT_EQ(chart.CaptionAnchorHoriz(), cahChartRight);
    EXPECT_EQ(chart.CaptionAnchorVert(), cavChartTop);
    EXPECT_EQ(chart.width(), 280);
    EXPECT_EQ(chart.height(), 200);
    EXPECT_TRUE(chart.Scale1X()->Visible());
    EXPECT_TRUE(chart.Scale1Y()->Visible());
    for (int n = 2; n <= 16; ++n) {
        EXPECT_FALSE(chart.ScalePropsX(n)->Visible()) << n;
        EXPECT_FALSE(chart.ScalePropsY(n)->Visible()) << n;
    }
    EXPECT_EQ(chart.ScalePropsX(5)->ScalePos(), 60);
    EXPECT_EQ(chart.ScalePropsY(6)->ScalePos(), 100);
    EXPECT_EQ(chart.ScalePropsX(9)->ColorScale(), clSilver);
    EXPECT_EQ(chart.ScalePropsY(9)->ScaleType(), sctYR);
    EXPECT_EQ(chart.ScalePropsY(10)->ScaleType(), sctYL);
    int paints = 0;
    chart.OnScalesRendered = [&](QObject*, TCanvas*&, int, int) { ++paints; };
    EXPECT_TRUE(chart.PaintSuppressed());
    chart.Paint();
    chart.ShowItems();
    EXPECT_EQ(paints, 0);
    chart.HandleNeeded();
    EXPECT_FALSE(chart.PaintSuppressed());
    EXPECT_EQ(paints, 1);
    chart.SetChartColor(clYellow);
    EXPECT_EQ(paints, 2);
    chart.SetAutoRedraw(false);
    chart.SetChartColor(clWhite);
    EXPECT_EQ(paints, 2);
}

TEST(Layout, ShadowWidthAndSizeHaveLimits) {
    TPlotica chart;
    chart.SetShadowWidth(40);
    EXPECT_EQ(chart.ShadowWidth(), 32);
    chart.SetShadowWidth(-1);
    EXPECT_EQ(chart.ShadowWidth(), 0);
    chart.SetBounds(3, 4, 100, 50);
    EXPECT_EQ(chart.width(), 150);
    EXPECT_EQ(chart.height(), 80);
    EXPECT_EQ(chart.x(), 3);
    chart.SetShadowWidth(10);
    EXPECT_EQ(chart.DataBitmap().Width(), 150 - 50 - 20 - 10 + 1);
    EXPECT_EQ(chart.DataBitmap().Height(), 80 - 20 - 40 - 10 + 1);
}

TEST(Layout, StandardLayoutsSetMarginsCaptionsAndAxes) {
    struct TRow {
        TplLayout Layout;
        int L, R, T, B, CaptionY;
        int VisibleX, VisibleY;
    };
    const TRow rows[] = {
        {pll_X1Bottom_Y1Left, 50, 20, 20, 40, -16, 1, 1},  {pll_X1Bottom_Y2Left, 100, 20, 24, 40, -16, 1, 2},
        {pll_X1Bottom_Y3Left, 150, 20, 24, 40, -16, 1, 3}, {pll_X1Bottom_Y4Left, 200, 20, 24, 40, -16, 1, 4},
        {pll_X1Bottom_Y2Both, 50, 50, 24, 40, -20, 1, 2},  {pll_X2Bottom_Y2Left, 100, 20, 24, 70, -16, 2, 2},
        {pll_X2Both_Y2Both, 50, 50, 48, 40, -46, 2, 2},
    };
    TPlotica chart;
    chart.ScalePropsX(7)->SetVisible(true);
    for (const TRow& r : rows) {
        chart.SetStandardLayout(r.Layout);
        EXPECT_EQ(chart.StandardLayout(), r.Layout);
        EXPECT_EQ(chart.MarginLeft(), r.L) << r.Layout;
        EXPECT_EQ(chart.MarginRight(), r.R) << r.Layout;
        EXPECT_EQ(chart.MarginTop(), r.T) << r.Layout;
        EXPECT_EQ(chart.MarginBottom(), r.B) << r.Layout;
        EXPECT_EQ(chart.CaptionPosY(), r.CaptionY) << r.Layout;
        for (int n = 1; n <= 16; ++n) {
            EXPECT_EQ(chart.ScalePropsX(n)->Visible(), n <= r.VisibleX) << r.Layout << " x" << n;
            EXPECT_EQ(chart.ScalePropsY(n)->Visible(), n <= r.VisibleY) << r.Layout << " y" << n;
        }
    }
    chart.SetStandardLayout(pll_X1Bottom_Y2Both);
    EXPECT_EQ(chart.ScalePropsY(2)->ScaleLocation(), slRight);
    EXPECT_EQ(chart.ScalePropsY(2)->CaptionAlignment(), taLeftJustify);
    EXPECT_EQ(chart.CaptionAnchorHoriz(), cahChartCenter);
    chart.SetStandardLayout(pll_X2Both_Y2Both);
    EXPECT_EQ(chart.ScalePropsX(2)->ScaleLocation(), slTop);
    EXPECT_EQ(chart.ScalePropsX(2)->ScaleType(), sctXB);
    EXPECT_EQ(chart.ScalePropsY(3)->CaptionPosY(), -23);
    chart.SetStandardLayout(pll_X1Bottom_Y4Left);
    EXPECT_EQ(chart.ScalePropsY(4)->ScalePos(), 150);
    EXPECT_EQ(chart.ScalePropsY(3)->CaptionPosY(), -23);
}

TEST(Layout, IsometricRuleKeepsOneWorldUnitEqualOnScreen) {
    TPlotica chart;
    chart.SetBounds(0, 0, 269, 159);  // ratio of the data area 100 / 200
    ASSERT_EQ(chart.AspectX(), chart.AspectY());
    chart.Scale1X()->SetRangeLow(0);
    chart.Scale1X()->SetRangeHigh(10);
    chart.Scale1Y()->SetRangeLow(0);
    chart.SetIsometric(true);
    EXPECT_DOUBLE_EQ(chart.Scale1Y()->RangeHigh(), 5);
    chart.SetBounds(0, 0, 269, 259);  // taller: 200 / 200
    EXPECT_DOUBLE_EQ(chart.Scale1Y()->RangeHigh(), 10);
    chart.SetIsometric(false);
    chart.SetBounds(0, 0, 269, 159);
    EXPECT_DOUBLE_EQ(chart.Scale1Y()->RangeHigh(), 10);
}

TEST(Layout, PublishedPropertiesReachTheChartAndItsSettings) {
    TPlotica chart;
    EXPECT_TRUE(SetPropValue(&chart, "LRim", 77));
    EXPECT_EQ(chart.MarginLeft(), 77);
    EXPECT_EQ(GetPropValue(&chart, "MarginLeft").toInt(), 77);
    EXPECT_TRUE(SetPropValue(&chart, "GridDx", -4.0));  // stored value: ignored
    EXPECT_EQ(chart.GridDx(), 0);
    QObject* scale = GetObjectProp(&chart, "Scale3Y");
    ASSERT_NE(scale, nullptr);
    EXPECT_STREQ(scale->metaObject()->className(), "TScalePropsVert");
    EXPECT_TRUE(SetStrProp(scale, "Caption", QStringLiteral("GL_Energy")));
    EXPECT_EQ(chart.ScalePropsY(3)->Caption(), QStringLiteral("GL_Energy"));
    EXPECT_EQ(GetObjectProp(&chart, "CrossHair4"), chart.CrossHair(4));
    EXPECT_EQ(GetObjectProp(&chart, "JointLayers"), chart.JointLayers());
    TPlotica other;
    EXPECT_TRUE(SetPropValue(&other, "UseDataOf", QVariant::fromValue<TCustomPlotica*>(&chart)));
    EXPECT_EQ(other.UseDataOf(), &chart);
    // a form's part setting out of range is refused with a warning, never thrown through the
    // loader's event; the part keeps what it had
    const int before = chart.JointLayers()->L01x();
    for (const int layer : {0, -1, 17, 100000}) {
        EXPECT_NO_THROW(chart.setProperty("JointLayers.L01xControlledBy", layer)) << layer;
        EXPECT_EQ(chart.JointLayers()->L01x(), before) << layer;
    }
}

TEST(Layout, LoadingDefersChecksAndPaintingUntilLoaded) {
    QWidget form;
    TLoadingScope loading;
    TPlotica* chart = loading.Add(new TPlotica(&form));
    int paints = 0;
    chart->OnScalesRendered = [&](QObject*, TCanvas*&, int, int) { ++paints; };
    chart->HandleNeeded();
    // a stored form may switch an axis to logarithmic before its range is read
    chart->Scale1X()->SetLogarithmic(true);
    chart->Scale1X()->SetRangeLow(1);
    chart->Scale1X()->SetRangeHigh(1000);
    chart->SetBounds(0, 0, 280, 200);
    EXPECT_EQ(paints, 0);
    loading.End();
    EXPECT_EQ(paints, 1);
    EXPECT_TRUE(chart->Scale1X()->Logarithmic());
    EXPECT_EQ(chart->WorldToPixel(1, 10, 0).x(), 50 + 70);
    // after loading the logarithmic check applies
    chart->Scale1Y()->SetLogarithmic(true);
    EXPECT_FALSE(chart->Scale1Y()->Logarithmic());
}

TEST(Layout, DockedChartsFollowTheirParent) {
    QWidget form;
    form.resize(718, 520);
    auto* left = new TPlotica(&form);
    left->SetBounds(0, 0, 326, 100);
    left->SetAlign(alLeft);
    auto* rest = new TPlotica(&form);
    rest->SetAlign(alClient);
    EXPECT_EQ(left->geometry(), QRect(0, 0, 326, 520));
    EXPECT_EQ(rest->geometry(), QRect(326, 0, 392, 520));
    EXPECT_EQ(rest->DataBitmap().Width(), 392 - 50 - 20 + 1);
    EXPECT_EQ(rest->Align(), alClient);
}

TEST(Layout, ScaleSettingsChangedWhileLoadingTakeEffectWhenLoaded) {
    QWidget form;
    TLoadingScope loading;
    TPlotica* chart = loading.Add(new TPlotica(&form));
    chart->SetBounds(0, 0, 300, 240);
    chart->Scale1X()->SetRangeLow(0);
    chart->Scale1X()->SetRangeHigh(500);
    chart->Scale1Y()->SetRangeLow(-10);
    chart->Scale1Y()->SetRangeHigh(10);
    chart->ScalePropsX(2)->SetVisible(true);
    chart->SetStandardLayout(pll_X2Bottom_Y2Left);
    // layer 2 follows layer 1 in x, which then changes its range once more
    chart->JointLayers()->SetL02x(1);
    chart->Scale1X()->SetRangeHigh(400);
    loading.End();
    EXPECT_EQ(chart->ScalePropsX(2)->RangeHigh(), 400);
    EXPECT_EQ(chart->WorldToPixel(2, 400, 0).x(), chart->WorldToPixel(1, 400, 0).x());
    // the ends of both ranges sit on the edges of the data area that layout leaves
    const QPoint low = chart->WorldToPixel(1, 0, -10), high = chart->WorldToPixel(1, 400, 10);
    EXPECT_EQ(low, QPoint(chart->MarginLeft(), 240 - chart->MarginBottom()));
    EXPECT_EQ(high, QPoint(300 - chart->MarginRight(), chart->MarginTop()));
    EXPECT_EQ(chart->AxisControl(1, true)->RangeHigh(), 400);
    EXPECT_EQ(chart->AxisControl(2, true)->RangeHigh(), 400);
    EXPECT_EQ(chart->AxisControl(1, false)->RangeLow(), -10);
    // found by name as a form names them: the axis's letter and the layer
    EXPECT_EQ(chart->AxisControl(1, true)->objectName(), QStringLiteral("PL_FScale_X_1"));
    EXPECT_EQ(chart->AxisControl(16, false)->objectName(), QStringLiteral("PL_FScale_Y_16"));
}

// One rule for every range: finite ends, two different ones, above zero on a logarithmic axis. A
// range that breaks it leaves the axis as it was, whichever setter it came through.
TEST(Layout, RangesKeepTheAxesRule) {
    TPlotica chart;
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    chart.SetLayerRanges(1, 0, 10, 0, 20);
    for (const auto& [low, high] :
         std::initializer_list<std::pair<double, double>>{{nan, 5}, {0, inf}, {3, 3}}) {
        chart.SetLayerRanges(1, low, high, low, high);
        EXPECT_EQ(chart.ScalePropsX(1)->RangeLow(), 0);
        EXPECT_EQ(chart.ScalePropsX(1)->RangeHigh(), 10);
        EXPECT_EQ(chart.ScalePropsY(1)->RangeHigh(), 20);
    }
    TScaleProps& x = *chart.ScalePropsX(1);
    x.SetRangeHigh(inf);
    x.SetRangeLow(nan);
    EXPECT_EQ(x.RangeLow(), 0);
    EXPECT_EQ(x.RangeHigh(), 10);
    x.SetMinRange(0);
    x.SetRangeHigh(0);  // the other end moves away
    EXPECT_NE(x.RangeLow(), x.RangeHigh());
    chart.SetLayerRanges(2, 1, 1000, 1, 1000);
    chart.ScalePropsX(2)->SetLogarithmic(true);
    chart.ScalePropsX(2)->SetRangeLow(0);
    chart.SetLayerRanges(2, -5, 1000, 1, 1000);
    EXPECT_EQ(chart.ScalePropsX(2)->RangeLow(), 1);
}
