// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>
#include <limits>

#include "ScaleFrame.h"
#include "TBitmap.h"
#include "TComponent.h"
#include "TForm.h"
#include "TProperties.h"
#include "TScale.h"
#include "VexaError.h"

namespace {

// counts the paints of a scale through its rendering event
struct TPaintCounter {
    explicit TPaintCounter(TScale& s) {
        s.OnBeforeScaleRendered = [this](QObject*, TCanvas*) { ++Paints; };
    }
    int Paints = 0;
};

}  // namespace

TEST(Scale, DefaultsOfANewScale) {
    TScale s;
    EXPECT_EQ(s.RangeLow(), 0);
    EXPECT_EQ(s.RangeHigh(), 100);
    EXPECT_FALSE(s.Logarithmic());
    EXPECT_EQ(s.MinTicks(), 3);
    EXPECT_TRUE(s.ShortTicks());
    EXPECT_EQ(s.NumTicks(), 0);
    EXPECT_EQ(s.ScaleType(), sctXB);
    EXPECT_EQ(s.LabelType(), ftNum);
    EXPECT_EQ(s.MarginLeft() + s.MarginRight() + s.MarginTop() + s.MarginBottom(), 80);
    EXPECT_TRUE(s.NotYetLoaded());
    EXPECT_FALSE(s.PaintSuppressed());
    EXPECT_EQ(s.DecPlaces(), -2);
    EXPECT_EQ(s.ColorBackGnd(), clBtnFace);
    EXPECT_EQ(s.FrameStyle(), fsLowered);
    EXPECT_EQ(s.CaptionPosX(), 4);
    EXPECT_EQ(s.CaptionAlignment(), taCenter);
    EXPECT_EQ(s.width(), 400);
    EXPECT_EQ(s.height(), 400);
    EXPECT_EQ(s.DateFormat()->DateSeparator(), u'-');
    EXPECT_EQ(s.DateFormat()->TimeSeparator(), u':');
    EXPECT_EQ(s.DateFormat()->YearLength(), ylYYYY);
    EXPECT_TRUE(s.DateFormat()->MonthName());
    EXPECT_EQ(s.DateFormat()->DateOrder(), doDDMMYY);
    EXPECT_EQ(s.DateFormat()->DateForTime(), dtOnePerDay);
    // 400 - 20 - 20 - 1 pixels for 100 units
    EXPECT_DOUBLE_EQ(s.ScaleFactor(), 3.59);
    EXPECT_DOUBLE_EQ(s.ScaleOffset(), 20);
}

TEST(Scale, EqualEndsMoveTheOtherEnd) {
    TScale s;
    s.SetRangeLow(5);
    s.SetRangeHigh(5);  // the axis becomes inverted
    EXPECT_EQ(s.RangeLow(), 6);
    EXPECT_EQ(s.RangeHigh(), 5);
    s.SetRangeLow(5);
    EXPECT_EQ(s.RangeHigh(), 6);
    // where adding one changes nothing, the next value beside it is taken
    s.SetRangeHigh(1e300);
    s.SetRangeLow(1e300);
    EXPECT_NE(s.RangeHigh(), s.RangeLow());
    EXPECT_GT(s.RangeHigh(), s.RangeLow());
    s.SetRangeLow(std::numeric_limits<double>::max());
    s.SetRangeHigh(std::numeric_limits<double>::max());
    EXPECT_NE(s.RangeHigh(), s.RangeLow());
    EXPECT_TRUE(std::isfinite(s.RangeLow()));
}

TEST(Scale, NonFiniteRangeValuesAreIgnored) {
    TScale s;
    s.SetRangeLow(std::nan(""));
    s.SetRangeHigh(INFINITY);
    s.SetRangeLow(-INFINITY);
    EXPECT_EQ(s.RangeLow(), 0);
    EXPECT_EQ(s.RangeHigh(), 100);
    EXPECT_TRUE(SetPropValue(&s, "RangeLow", 10.0));
    EXPECT_EQ(s.RangeLow(), 10);
    // a form's number for an enumeration is one of its values, or refused
    EXPECT_FALSE(SetPropPath(&s, "DateFormat.DateOrder", 166));
    EXPECT_EQ(s.DateFormat()->DateOrder(), doDDMMYY);
    EXPECT_TRUE(SetPropPath(&s, "DateFormat.DateOrder", 2));
    EXPECT_EQ(s.DateFormat()->DateOrder(), doYYMMDD);
}

TEST(Scale, LogarithmicIsAcceptedFreelyBeforeLoadingAndCheckedAfterIt) {
    TScale fresh;  // never loaded: any range
    fresh.SetLogarithmic(true);
    EXPECT_TRUE(fresh.Logarithmic());
    fresh.show();  // its first showing counts as loaded, and 0..100 does not fit
    EXPECT_FALSE(fresh.Logarithmic());

    QWidget form;
    TLoadingScope loading;
    TScale* s = loading.Add(new TScale(&form));
    s->SetLogarithmic(true);  // range 0..100 is stored before its range is read
    s->SetRangeLow(1);
    loading.End();
    EXPECT_FALSE(s->NotYetLoaded());
    EXPECT_TRUE(s->Logarithmic());
    s->SetLogarithmic(false);
    s->SetRangeLow(0);
    s->SetLogarithmic(true);
    EXPECT_FALSE(s->Logarithmic());  // an end below 1e-100
    s->SetRangeLow(1e-100);
    s->SetLogarithmic(true);
    EXPECT_TRUE(s->Logarithmic());
    s->SetLogarithmic(false);
    s->SetLabelType(ftDateTime);
    s->SetLogarithmic(true);
    EXPECT_FALSE(s->Logarithmic());  // never on calendar scales
}

TEST(Scale, LabelTypeSideEffects) {
    TScale s;
    s.SetLogarithmic(true);
    s.SetLabelType(ftDateTime);
    EXPECT_FALSE(s.Logarithmic());
    s.SetDecPlaces(-2);
    s.SetLabelType(ftTime);
    EXPECT_EQ(s.DecPlaces(), 4);
}

TEST(Scale, ClampsMinTicksMarginsAndDecPlaces) {
    TScale s;
    s.SetMinTicks(1);
    EXPECT_EQ(s.MinTicks(), 2);
    s.SetMinTicks(11);
    EXPECT_EQ(s.MinTicks(), 10);
    s.SetMarginLeft(-5);
    EXPECT_EQ(s.MarginLeft(), 0);
    s.SetMarginBottom(-1);
    EXPECT_EQ(s.MarginBottom(), 0);
    s.SetDecPlaces(-4);
    EXPECT_EQ(s.DecPlaces(), -3);
    s.SetDecPlaces(13);
    EXPECT_EQ(s.DecPlaces(), 12);
}

TEST(Scale, MappingOfEveryOrientation) {
    TScale s;
    s.SetBounds(0, 0, 221, 121);  // 180 pixels across, 80 pixels high between the margins
    EXPECT_EQ(s.ValueToPixel(0), 20);
    EXPECT_EQ(s.ValueToPixel(100), 200);
    EXPECT_EQ(s.ValueToPixel(50), 110);
    s.SetRangeLow(100);
    s.SetRangeHigh(0);  // inverted
    EXPECT_EQ(s.ValueToPixel(100), 20);
    EXPECT_EQ(s.ValueToPixel(0), 200);
    s.SetScaleType(sctYL);  // high end at the top margin
    EXPECT_EQ(s.ValueToPixel(0), 20);
    EXPECT_EQ(s.ValueToPixel(100), 100);
    s.SetRangeLow(0);
    s.SetRangeHigh(100);
    EXPECT_LT(s.ScaleFactor(), 0);
    EXPECT_EQ(s.ValueToPixel(100), 20);
    EXPECT_EQ(s.ValueToPixel(0), 100);
    // logarithmic: decades are equally far apart
    s.SetRangeLow(1);
    s.SetRangeHigh(10000);
    s.SetLogarithmic(true);
    EXPECT_EQ(s.ValueToPixel(10000), 20);
    EXPECT_EQ(s.ValueToPixel(100), 60);
    EXPECT_EQ(s.ValueToPixel(1), 100);
    EXPECT_EQ(s.ValueToPixel(0), 0);  // at or below 1e-100
    s.SetRangeLow(10000);
    s.SetRangeHigh(1);
    EXPECT_EQ(s.ValueToPixel(-1), s.width());
}

TEST(Scale, MappingKeepsItsFactorsForNonPositiveLogarithmicEnds) {
    TScale s;
    s.SetRangeLow(1);
    s.SetLogarithmic(true);
    const double factor = s.ScaleFactor(), offset = s.ScaleOffset();
    s.SetRangeLow(-5);
    EXPECT_EQ(s.ScaleFactor(), factor);
    EXPECT_EQ(s.ScaleOffset(), offset);
}

TEST(Scale, NarrowControlsMapEverythingToTheMiddleAndPixelsAreClamped) {
    TScale s;
    s.SetBounds(0, 0, 41, 30);  // 41 - 20 - 20 - 1 = 0 pixels
    EXPECT_EQ(s.ScaleFactor(), 0);
    EXPECT_EQ(s.ValueToPixel(-1e9), 20);  // 20.5 rounds to even
    EXPECT_EQ(s.ValueToPixel(1e9), 20);
    s.SetBounds(0, 0, 400, 30);
    EXPECT_EQ(s.ValueToPixel(1e300), 2147483647);
    EXPECT_EQ(s.ValueToPixel(-1e300), -2147483647);
    // a range whose factor overflows a double still maps, and never to NaN
    s.SetRangeLow(0);
    s.SetRangeHigh(1e-310);
    EXPECT_EQ(s.ValueToPixel(0), 20);
    EXPECT_EQ(s.ValueToPixel(1e-310), 379);
    EXPECT_EQ(s.ValueToPixel(0.25e-310), 110);
    // a narrow range far from zero
    s.SetRangeLow(1e15);
    s.SetRangeHigh(1e15 + 359);
    EXPECT_EQ(s.ValueToPixel(1e15 + 100), 120);
}

TEST(Scale, TickValuesHoldTheFirstFiftyTicks) {
    TScale s;
    s.SetScaleType(sctYL);
    s.SetMinTicks(10);
    s.SetRangeHigh(10);  // step 1, 5 minors per step: 51 minors and 11 majors on a vertical scale
    s.RepaintNow();
    EXPECT_EQ(s.NumTicks(), 50);
    EXPECT_DOUBLE_EQ(s.TickValue(1), 0);
    EXPECT_NEAR(s.TickValue(2), 0.2, 1e-12);
    EXPECT_NEAR(s.TickValue(50), 9.8, 1e-12);
    EXPECT_EQ(s.TickValue(51), 0);
    EXPECT_EQ(s.TickValue(0), 0);
    EXPECT_EQ(GetPropValue(&s, "NumTicks").toInt(), 50);
    // a horizontal scale with minor ticks keeps only the minor positions
    s.SetScaleType(sctXB);
    s.SetMinTicks(2);
    s.RepaintNow();
    EXPECT_EQ(s.NumTicks(), 21);
    s.SetShortTicks(false);
    EXPECT_EQ(s.NumTicks(), 6);
}

TEST(Scale, OpaqueScalesPaintAtOnceTransparentOnesAreInvalidated) {
    QWidget form;
    TScale s(&form);
    TPaintCounter counter(s);
    s.SetCaption("x");
    EXPECT_EQ(counter.Paints, 1);
    s.SetTransparent(true);
    EXPECT_EQ(counter.Paints, 1);  // invalidated only
    s.SetCaption("y");
    EXPECT_EQ(counter.Paints, 1);
    EXPECT_FALSE(s.testAttribute(Qt::WA_OpaquePaintEvent));  // the form paints beneath it
    s.RenderedPicture();                                     // the window's paint renders it
    EXPECT_EQ(counter.Paints, 2);
    s.RenderedPicture();
    EXPECT_EQ(counter.Paints, 2);
    s.SetEmbedded(true);  // embedded: nothing to paint on before the owner gives its picture
    EXPECT_EQ(counter.Paints, 2);
    TBitmap target(400, 400);
    s.SetTargetCanvas(&target.Canvas(), 0, 0);
    s.SetCaption("z");  // then at once, transparent or not
    EXPECT_EQ(counter.Paints, 3);
    s.SetTransparent(false);
    EXPECT_EQ(counter.Paints, 4);
}

TEST(Scale, ChangeOnlySettersRepaintOnlyOnChange) {
    TScale s;
    TPaintCounter counter(s);
    s.SetColorScale(clBlack);
    s.SetColorBackGnd(clBtnFace);
    s.SetFrameStyle(fsLowered);
    s.SetShortTicks(true);
    s.SetScaleType(sctXB);
    s.SetColorScheme(csBWG);
    s.DateFormat()->SetYearLength(ylYYYY);
    EXPECT_EQ(counter.Paints, 0);
    s.SetShowBaseLine(true);  // every assignment
    s.DateFormat()->SetDateOrder(doDDMMYY);
    EXPECT_EQ(counter.Paints, 2);
    s.Font()->SetHeight(15);
    EXPECT_EQ(counter.Paints, 3);
}

TEST(Scale, SuppressedInvisibleAndLoadingScalesDoNotPaint) {
    QWidget form;
    TLoadingScope loading;
    TScale* s = loading.Add(new TScale(&form));
    TPaintCounter counter(*s);
    s->SetCaption("a");
    EXPECT_EQ(counter.Paints, 0);  // loading
    loading.End();
    EXPECT_EQ(counter.Paints, 1);  // Loaded repaints
    s->SetPaintSuppressed(true);
    s->SetCaption("b");
    EXPECT_EQ(counter.Paints, 1);
    s->RenderNow();
    EXPECT_EQ(counter.Paints, 2);
    EXPECT_TRUE(s->PaintSuppressed());
    s->SetPaintSuppressed(false);  // lowering repaints
    EXPECT_EQ(counter.Paints, 3);
    s->SetVisible(false);
    s->SetCaption("c");
    s->RenderNow();
    EXPECT_EQ(counter.Paints, 3);
}

TEST(Scale, InvisibleScalesPaintWhileDesignedUnlessEmbedded) {
    struct TDesignedScale : TScale {
        TDesignedScale() { SetDesigning(true); }
    } s;
    TPaintCounter counter(s);
    s.SetVisible(false);
    s.SetCaption("a");
    EXPECT_EQ(counter.Paints, 1);
    TBitmap target(400, 400);
    s.SetTargetCanvas(&target.Canvas(), 0, 0);
    s.SetEmbedded(true);
    s.RenderNow();
    EXPECT_EQ(counter.Paints, 1);
}

TEST(Scale, EmbeddedScalesStayHiddenAndPaintOnlyOnTheirTarget) {
    QWidget chart;
    chart.resize(300, 200);
    TScale* s = new TScale(&chart);
    s->SetEmbedded(true);
    s->SetPaintSuppressed(true);
    TBitmap target(300, 200);
    s->SetTargetCanvas(&target.Canvas(), 0, 0);
    s->SetBounds(0, 0, 300, 200);
    s->SetTransparent(true);
    chart.show();
    EXPECT_FALSE(s->isVisible());
    s->SetVisible(true);
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(s->Visible());
    TPaintCounter counter(*s);
    s->RenderNow();
    EXPECT_EQ(counter.Paints, 1);
    EXPECT_EQ(s->NumTicks(), 21);
    // the widget never needed a picture of its own
    EXPECT_TRUE(s->Canvas().Target() == nullptr || s->Canvas().Target()->isNull());
    s->SetVisible(false);
    s->RenderNow();
    EXPECT_EQ(counter.Paints, 1);
    chart.hide();
}

TEST(Scale, RenderingEventsReceiveTheCanvasOfEachPath) {
    QWidget form;
    TScale s(&form);
    TBitmap target(400, 400);
    TCanvas* before = nullptr;
    TCanvas* after = nullptr;
    s.OnBeforeScaleRendered = [&](QObject* sender, TCanvas* c) {
        EXPECT_EQ(sender, &s);
        before = c;
    };
    s.OnAfterScaleRendered = [&](QObject*, TCanvas* c) { after = c; };
    s.SetTargetCanvas(&target.Canvas(), 0, 0);
    s.SetTransparent(true);
    s.SetEmbedded(true);
    EXPECT_EQ(before, &target.Canvas());
    EXPECT_EQ(after, &target.Canvas());
    s.SetTransparent(false);  // opaque: the axis is drawn on a bitmap, then copied
    EXPECT_EQ(before, &target.Canvas());
    ASSERT_NE(after, nullptr);
    EXPECT_NE(after, &target.Canvas());
    s.SetEmbedded(false);
    s.SetTargetCanvas(nullptr, 0, 0);
    s.SetCaption("own");
    EXPECT_EQ(before, &s.Canvas());
    EXPECT_EQ(after, &s.Canvas());
}

TEST(Scale, TickDrawnEventFiresForEveryTickAndMayRedirectThePaint) {
    TScale s;
    s.SetBounds(0, 0, 221, 60);
    std::vector<double> values;
    s.OnScaleTickDrawn = [&](QObject* sender, TCanvas*&, TScaleType type, double v, int x, int y) {
        EXPECT_EQ(sender, &s);
        EXPECT_EQ(type, sctXB);
        EXPECT_EQ(y, 60 - 20 - 1);
        EXPECT_EQ(x, s.ValueToPixel(v));
        values.push_back(v);
    };
    s.RepaintNow();
    EXPECT_EQ(values.size(), 21u + 6u);  // minors, then majors

    // after the third tick everything goes to another canvas
    TBitmap other(221, 60);
    other.Canvas().Brush.Color = clWhite;
    other.Canvas().FillRect(0, 0, 221, 60);
    int ticks = 0;
    s.OnScaleTickDrawn = [&](QObject*, TCanvas*& canvas, TScaleType, double, int, int) {
        if (++ticks == 3) canvas = &other.Canvas();
    };
    s.RepaintNow();
    const QImage& own = s.Picture();
    const int axis = 39;
    // tick 3 (value 10, x 56) is on the own picture, tick 4 (15, x 65) on the other canvas
    EXPECT_EQ(own.pixel(s.ValueToPixel(10), axis - 1), qRgb(0, 0, 0));
    EXPECT_NE(own.pixel(s.ValueToPixel(15), axis - 1), qRgb(0, 0, 0));
    EXPECT_EQ(other.Image().pixel(s.ValueToPixel(15), axis - 1), qRgb(0, 0, 0));
}

TEST(Scale, AssignCopiesTheSettingsButNotFontBoundsOrEvents) {
    TScale a, b;
    a.SetRangeLow(-3);
    a.SetRangeHigh(7);
    a.SetScaleType(sctYR);
    a.SetCaption("[m]");
    a.SetColorScheme(csSystem);
    a.SetMinTicks(7);
    a.SetLabelType(ftUserText);
    a.SetUserTickText("a|b");
    a.SetMarginTop(33);
    a.DateFormat()->SetTimeFormat(tfAMPM);
    a.Font()->SetHeight(20);
    a.SetBounds(0, 0, 200, 300);
    a.OnScaleTickDrawn = [](QObject*, TCanvas*&, TScaleType, double, int, int) {};
    a.OnAfterScaleRendered = [](QObject*, TCanvas*) {};
    a.RepaintNow();
    b.Assign(&a);
    EXPECT_EQ(b.RangeLow(), -3);
    EXPECT_EQ(b.RangeHigh(), 7);
    EXPECT_EQ(b.ScaleType(), sctYR);
    EXPECT_EQ(b.Caption(), "[m]");
    EXPECT_EQ(b.ColorScheme(), csSystem);
    EXPECT_EQ(b.FrameColors().Shadow, clBtnShadow);
    EXPECT_EQ(b.MinTicks(), 7);
    EXPECT_EQ(b.UserTickText(), "a|b");
    EXPECT_EQ(b.MarginTop(), 33);
    EXPECT_EQ(b.ScaleFactor(), a.ScaleFactor());
    EXPECT_EQ(b.NumTicks(), a.NumTicks());
    EXPECT_EQ(b.DateFormat()->TimeFormat(), tfAMPM);
    EXPECT_NE(b.DateFormat(), a.DateFormat());
    EXPECT_TRUE(static_cast<bool>(b.OnScaleTickDrawn));
    EXPECT_FALSE(static_cast<bool>(b.OnAfterScaleRendered));
    EXPECT_EQ(b.Font()->Height(), TFont::DefaultHeight);
    EXPECT_EQ(b.width(), 400);

    TScale c;
    a.AssignTo(&c);
    EXPECT_EQ(c.Caption(), "[m]");
    QObject other;
    EXPECT_THROW(b.Assign(&other), EVexaError);
    EXPECT_THROW(a.AssignTo(&other), EVexaError);
}

TEST(Scale, PublishedPropertiesByName) {
    TScale s;
    EXPECT_TRUE(SetPropValue(&s, "Caption", QStringLiteral("GL_Height")));
    EXPECT_EQ(GetStrProp(&s, "Caption"), "GL_Height");
    EXPECT_TRUE(SetPropValue(&s, "ScaleType", QVariant::fromValue(sctYL)));
    EXPECT_EQ(s.ScaleType(), sctYL);
    EXPECT_EQ(GetObjectProp(&s, "DateFormat"), s.DateFormat());
    EXPECT_EQ(GetObjectProp(&s, "Font"), s.Font());
    EXPECT_TRUE(SetPropValue(&s, "MinTicks", 12));
    EXPECT_EQ(s.MinTicks(), 10);
    EXPECT_TRUE(SetPropValue(&s, "Visible", false));
    EXPECT_FALSE(s.Visible());
    EXPECT_FALSE(SetPropValue(&s, "NumTicks", 3));  // read-only
    int enumerations = 0;
    for (const TPropInfo& p : PublishedProperties(&s))
        if (p.Name == "ScaleType" || p.Name == "LabelType" || p.Name == "FrameStyle" || p.Name == "Align")
            enumerations += p.Kind == TPropKind::Enumeration;
    EXPECT_EQ(enumerations, 4);
    enumerations = 0;
    for (const TPropInfo& p : PublishedProperties(s.DateFormat()))
        enumerations += p.Kind == TPropKind::Enumeration;
    EXPECT_EQ(enumerations, 4);  // TimeFormat, YearLength, DateOrder, DateForTime
}

TEST(Scale, FollowsItsFormsFontUntilItsOwnFontChanges) {
    TForm form;
    form.Font()->SetHeight(17);
    QWidget panel(&form);  // publishes no font: the form's counts
    TScale s(&panel);
    EXPECT_TRUE(s.ParentFont());
    EXPECT_EQ(s.Font()->Height(), 17);
    TPaintCounter counter(s);
    form.Font()->SetName("Courier New");
    EXPECT_EQ(s.Font()->Name(), "Courier New");
    EXPECT_EQ(counter.Paints, 1);
    EXPECT_TRUE(s.ParentFont());
    s.Font()->SetHeight(9);
    EXPECT_FALSE(s.ParentFont());
    form.Font()->SetHeight(20);
    EXPECT_EQ(s.Font()->Height(), 9);
    s.SetParentFont(true);
    EXPECT_EQ(s.Font()->Height(), 20);
}
