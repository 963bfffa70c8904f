// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TBakGndImg.h"
#include "TCrossHair.h"
#include "TJointLayers.h"
#include "TScaleProps.h"
#include "TTextLabel.h"
#include "VexaError.h"

TEST(ScaleProps, SettersClampStoreAndNotify) {
    TScalePropsHoriz p;
    int changes = 0;
    p.OnChange = [&](TScaleProps*) { ++changes; };
    p.SetDecPlaces(20);
    EXPECT_EQ(p.DecPlaces(), 12);
    p.SetDecPlaces(-9);
    EXPECT_EQ(p.DecPlaces(), -3);
    p.SetLabelType(ftTime);
    EXPECT_EQ(p.DecPlaces(), 4);
    p.Font()->SetHeight(17);  // a change of the font itself
    EXPECT_EQ(changes, 4);
}

TEST(ScaleProps, RangeEndsKeepTheMinimumSpan) {
    TScalePropsVert p;
    p.SetRangeHigh(5);
    p.SetRangeLow(5);
    EXPECT_EQ(p.RangeLow(), 5);
    EXPECT_EQ(p.RangeHigh(), 5 + 1e-10);
    p.SetRangeLow(0);
    p.SetRangeHigh(1);
    p.SetMinRange(0.5);  // the span is wide enough
    EXPECT_EQ(p.RangeLow(), 0);
    EXPECT_EQ(p.RangeHigh(), 1);
    p.SetMinRange(4);
    EXPECT_EQ(p.RangeLow(), -1.5);
    EXPECT_EQ(p.RangeHigh(), 2.5);
    p.SetMinRange(0);  // not above 1e-100: ignored
    EXPECT_EQ(p.MinRange(), 4);
    p.SetRangeLow(10);  // reversed ranges are allowed
    EXPECT_EQ(p.RangeLow(), 10);
    EXPECT_EQ(p.RangeHigh(), 2.5);
}

TEST(ScaleProps, LogarithmicNeedsPositiveEndsOnceLoaded) {
    TScalePropsHoriz p;
    p.SetLogarithmic(true);  // while loading: stored as it comes
    EXPECT_TRUE(p.Logarithmic());
    p.FinishLoading();  // the range it came with does not fit: it gives way
    EXPECT_FALSE(p.Logarithmic());
    p.SetLogarithmic(true);  // range 0..1
    EXPECT_FALSE(p.Logarithmic());
    p.SetRangeHigh(100);
    p.SetRangeLow(1);
    p.SetLogarithmic(true);
    EXPECT_TRUE(p.Logarithmic());
    p.SetRangeLow(-4);  // below the logarithmic minimum: nothing changes
    EXPECT_EQ(p.RangeLow(), 1);
    p.SetLabelType(ftDateTime);
    EXPECT_FALSE(p.Logarithmic());
    p.SetLogarithmic(true);
    EXPECT_FALSE(p.Logarithmic());
}

TEST(ScaleProps, LocationSetsTheScaleTypeAndScalePosHasOneSlotPerOrientation) {
    TScalePropsHoriz x;
    x.SetScaleLocation(slTop);
    EXPECT_EQ(x.ScaleType(), sctXB);
    x.SetScaleLocation(slBottom);
    EXPECT_EQ(x.ScaleType(), sctXT);
    x.SetScalePos(30);
    x.SetScaleType(sctYL);
    EXPECT_EQ(x.ScalePos(), 0);
    x.SetScalePos(50);
    x.SetScaleType(sctXT);
    EXPECT_EQ(x.ScalePos(), 30);
    TScalePropsVert y;
    y.SetScaleLocation(slLeft);
    EXPECT_EQ(y.ScaleType(), sctYR);
    y.SetScaleLocation(slRight);
    EXPECT_EQ(y.ScaleType(), sctYL);
    TScalePropsVert copy;
    y.SetCaption(QStringLiteral("[m]"));
    copy.Assign(y);
    EXPECT_EQ(copy.ScaleLocation(), slRight);
    EXPECT_EQ(copy.Caption(), QStringLiteral("[m]"));
}

TEST(JointLayers, RefusesWhatWouldJoinMoreThanOneLevel) {
    TJointLayers j;
    std::vector<std::pair<int, int>> joined;
    j.OnJoined = [&](TJointLayers::TAxis, int n, int d) { joined.emplace_back(n, d); };
    j.SetL02x(1);
    EXPECT_EQ(j.L02x(), 1);
    EXPECT_EQ(joined, (std::vector<std::pair<int, int>>{{2, 1}}));
    auto message = [&](auto f) {
        try {
            f();
        } catch (const EVexaPloticaError& e) {
            return e.Message();
        }
        return QString();
    };
    EXPECT_EQ(message([&] { j.SetL01x(3); }), QStringLiteral("Layer 1 is joined by other layers (2)"));
    EXPECT_EQ(message([&] { j.SetL03x(2); }), QStringLiteral("Destination layer 2 is already joined"));
    EXPECT_EQ(message([&] { j.SetL04x(17); }), QStringLiteral("Destination layer 17 is out of range"));
    EXPECT_EQ(message([&] { j.SetL04y(0); }), QStringLiteral("Destination layer 0 is out of range"));
    j.SetL07x(3);
    j.SetL01x(1);  // joining a layer to itself releases it; layer 1 is free anyway
    j.SetL05x(3);
    EXPECT_EQ(message([&] { j.SetL03x(4); }), QStringLiteral("Layer 3 is joined by other layers (5, 7)"));
    EXPECT_EQ(j.L03x(), 3);  // unchanged by the errors
    j.SetL02x(2);
    EXPECT_EQ(j.L02x(), 2);
    EXPECT_EQ(j.L02y(), 2);  // the y table is separate
    TJointLayers copy;
    copy.Assign(&j);
    EXPECT_EQ(copy.L07x(), 3);
    TCrossHair other;
    EXPECT_THROW(copy.Assign(&other), EVexaError);
}

TEST(SmallSettings, LayersClampOrAreIgnoredAndNamesLoseTheirPath) {
    TCrossHair ch;
    ch.SetLayer(0);
    EXPECT_EQ(ch.Layer(), 1);
    ch.SetLayer(99);
    EXPECT_EQ(ch.Layer(), 16);
    TTextLabel tl;
    EXPECT_EQ(tl.PosX(), 100);  // class defaults
    EXPECT_EQ(tl.ColorBkg(), 0xC0C0C0u);
    tl.SetLayer(5);
    tl.SetLayer(0);
    EXPECT_EQ(tl.Layer(), 5);
    int changes = 0;
    TBakGndImg img;
    img.OnChange = [&](TBakGndImg*) { ++changes; };
    img.SetName(QStringLiteral("/some/folder/picture.bmp"));
    EXPECT_EQ(img.Name(), QStringLiteral("picture.bmp"));
    img.SetIncludePath(true);
    img.SetName(QStringLiteral("/some/folder/picture.bmp"));
    EXPECT_EQ(img.Name(), QStringLiteral("/some/folder/picture.bmp"));
    img.SetIncludePath(false);
    EXPECT_EQ(img.Name(), QStringLiteral("picture.bmp"));
    EXPECT_EQ(changes, 4);
}
