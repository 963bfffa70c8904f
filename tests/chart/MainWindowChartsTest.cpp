// SPDX-License-Identifier: MIT
// The two charts of the simulation's main window, built from code as its form describes them.

#include <gtest/gtest.h>

#include <QWidget>

#include "ChartTestSupport.h"
#include "TCanvas.h"
#include "TComponent.h"
#include "TFont.h"
#include "TScale.h"

using namespace charttest;

namespace {

struct TMainWindowCharts {
    QWidget Form;
    TPlotica* PLPict;
    TPlotica* PLEnerg;

    TMainWindowCharts() {
        TLoadingScope loading;
        PLPict = loading.Add(new TPlotica(&Form));
        PLEnerg = loading.Add(new TPlotica(&Form));
        for (TPlotica* c : {PLPict, PLEnerg}) {
            c->SetAllocSize(1000);
            c->SetAutoRedraw(true);
            c->SetMarginTop(20);
            c->SetMarginBottom(40);
            c->SetGridStyle(gsNone);
            c->SetMouseAction(maNone);
            c->SetMouseCursorFixed(true);
            c->SetShadowStyle(ssFlying);
            c->SetShadowColor(clGrayText);
            c->SetShadowBakColor(clBtnFace);
            for (int n = 2; n <= 4; ++n) {
                c->ScalePropsX(n)->SetVisible(false);
                c->ScalePropsY(n)->SetVisible(false);
            }
        }
        PLPict->SetMarginRight(16);
        PLPict->Scale1X()->SetVisible(false);
        PLPict->Scale1X()->SetRangeLow(-100);
        PLPict->Scale1X()->SetRangeHigh(100);
        PLPict->Scale1Y()->SetVisible(true);
        PLPict->Scale1Y()->SetCaption(QStringLiteral("[m]"));
        PLPict->Scale1Y()->SetRangeLow(0);
        PLPict->Scale1Y()->SetRangeHigh(620);
        PLPict->Scale1Y()->SetMinTicks(4);
        PLPict->Scale1Y()->SetShortTicks(false);
        PLPict->SetBounds(0, 110, 326, 410);

        PLEnerg->SetMarginRight(20);
        PLEnerg->SetCaption(QStringLiteral("GL_Energy / Height"));
        PLEnerg->SetCaptionAlignment(taRightJustify);
        PLEnerg->SetCaptionPosY(-16);
        PLEnerg->Scale1X()->SetVisible(true);
        PLEnerg->Scale1X()->SetCaption(QStringLiteral("[m]"));
        PLEnerg->Scale1X()->SetRangeLow(0);
        PLEnerg->Scale1X()->SetRangeHigh(500);
        PLEnerg->Scale1Y()->SetVisible(true);
        PLEnerg->Scale1Y()->SetCaption(QStringLiteral("[kJ]"));
        PLEnerg->Scale1Y()->SetRangeLow(0);
        PLEnerg->Scale1Y()->SetRangeHigh(500);
        PLEnerg->SetBounds(326, 110, 392, 410);
        loading.End();
        PLPict->HandleNeeded();
        PLEnerg->HandleNeeded();
    }
};

// The pixels a text would have when written with the font at (x, y) over the chart's window colour.
void ExpectTextAt(TPlotica& chart, const TFont& font, TColor color, int x, int y, const QString& text) {
    const QImage& pic = chart.Picture();
    QImage expected(pic.size(), QImage::Format_RGB32);
    expected.fill(ColorToRgb(Shade(chart.WindColor())));
    TCanvas c(&expected);
    c.AssignFont(font);
    c.FontColor = color;
    c.Brush.Style = bsClear;
    const QSize size = c.TextExtent(text);
    c.TextOut(x, y, text);
    c.Release();
    int inked = 0;
    for (int yy = y; yy < y + size.height(); ++yy)
        for (int xx = x; xx < x + size.width(); ++xx) {
            ASSERT_EQ(PixelOf(pic, xx, yy), PixelOf(expected, xx, yy))
                << qPrintable(text) << " at " << xx << "," << yy;
            inked += PixelOf(expected, xx, yy) != Shade(chart.WindColor());
        }
    EXPECT_GT(inked, 5) << qPrintable(text);
}

}  // namespace

TEST(MainWindowCharts, SceneChartHasItsLeftAxisAndNoCaption) {
    TMainWindowCharts w;
    TPlotica& c = *w.PLPict;
    EXPECT_EQ(c.width(), 326);
    EXPECT_EQ(c.height(), 410);
    EXPECT_EQ(c.MarginLeft(), 50);
    EXPECT_EQ(c.DataAreaWidth(), 326 - 50 - 16);
    EXPECT_EQ(c.WorldToPixel(1, -100, 0), QPoint(50, 370));
    EXPECT_EQ(c.WorldToPixel(1, 100, 620), QPoint(310, 20));
    const TScale* axis = c.AxisControl(1, false);
    ASSERT_GT(axis->NumTicks(), 3);
    for (int i = 1; i <= axis->NumTicks(); ++i) {
        const double v = axis->TickValue(i);
        const int y = c.WorldToPixel(1, 0, v).y();
        // the axis lies on the data area's left edge; major ticks run 6 pixels to the left, their
        // end point left out
        EXPECT_EQ(PixelOf(c, 45, y), clBlack) << v;
        EXPECT_EQ(PixelOf(c, 44, y), Shade(c.WindColor())) << v;
    }
    // "[m]" with its top-left corner on the axis line, 16 pixels above the data area
    ExpectTextAt(c, *c.Scale1Y()->Font(), c.Scale1Y()->ColorScale(), 50, 4, QStringLiteral("[m]"));
    // no x axis: nothing below the data area
    for (int x = 0; x < 326; ++x) EXPECT_EQ(PixelOf(c, x, 380), Shade(c.WindColor())) << x;
}

TEST(MainWindowCharts, EnergyChartHasBothAxesAndItsCaptionAboveTheTopRightCorner) {
    TMainWindowCharts w;
    TPlotica& c = *w.PLEnerg;
    EXPECT_EQ(c.width(), 392);
    EXPECT_EQ(c.height(), 410);
    EXPECT_EQ(c.WorldToPixel(1, 0, 0), QPoint(50, 370));
    EXPECT_EQ(c.WorldToPixel(1, 500, 500), QPoint(372, 20));
    const TScale* x = c.AxisControl(1, true);
    ASSERT_GT(x->NumTicks(), 2);
    for (int i = 1; i <= x->NumTicks(); ++i) {
        const int px = c.WorldToPixel(1, x->TickValue(i), 0).x();
        EXPECT_EQ(PixelOf(c, px, 373), clBlack) << x->TickValue(i);  // ticks point down, 4 or 7 pixels
    }
    const TFont& font = *c.Font();
    TCanvas measure;
    measure.AssignFont(font);
    const int tw = measure.TextWidth(c.Caption());
    ExpectTextAt(c, font, font.Color(), 372 - tw, 4, c.Caption());
    // "[m]" centred under the x axis, 22 pixels below its line; "[kJ]" above the y axis
    measure.AssignFont(*c.Scale1X()->Font());
    const int mw = measure.TextWidth(QStringLiteral("[m]"));
    ExpectTextAt(c, *c.Scale1X()->Font(), clBlack, 50 + (392 - 50 - 19) / 2 - mw / 2, 370 + 22,
                 QStringLiteral("[m]"));
    ExpectTextAt(c, *c.Scale1Y()->Font(), clBlack, 50, 4, QStringLiteral("[kJ]"));
}

TEST(MainWindowCharts, TheSimulationsDrawingsLandOnTheirPixels) {
    TMainWindowCharts w;
    TPlotica& e = *w.PLEnerg;
    e.SetDataColor(0x0000FF);
    e.RemoveLastItem();
    e.AddMark(0, 0, 1);
    e.AddMark(0, 0, 12);
    e.ShowItems();
    e.RemoveLastItem();
    e.AddMark(250, 250, 1);
    e.AddMark(250, 250, 12);
    e.ShowItems();
    EXPECT_EQ(e.ItemCount(), 3);
    const QPoint p = e.WorldToPixel(1, 250, 250);
    EXPECT_EQ(PixelOf(e, p.x(), p.y()), 0x0000FFu);
    EXPECT_EQ(PixelOf(e, p.x() + 3, p.y() - 3), 0x0000FFu);
    EXPECT_EQ(PixelOf(e, p.x() + 2, p.y() - 2), clWhite);
    // the scene: the mass, a blue rectangle on the ground
    TPlotica& s = *w.PLPict;
    s.ClearItems();
    s.SetFillColor(0xFF0000);
    s.AddRectangle(-6, 0, 6, 18);
    s.ShowItems();
    const QPoint a = s.WorldToPixel(1, -6, 18), b = s.WorldToPixel(1, 6, 0);
    EXPECT_EQ(PixelOf(s, a.x(), a.y()), clBlack);
    EXPECT_EQ(PixelOf(s, a.x() + 1, a.y() + 1), 0xFF0000u);
    EXPECT_EQ(PixelOf(s, b.x() - 1, b.y() - 1), 0xFF0000u);
}
