// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <limits>

#include "TNumora.h"

namespace {

constexpr TColor OutBak = 0x30C0C0;   // outside background
constexpr TColor LabBak = 0xE0FFFF;   // box
constexpr TColor OutText = 0x800000;  // side texts
constexpr TColor LabText = 0x0000A0;  // number

QRgb Rgb(TColor c) {
    return ColorToRgb(c);
}

// A label with colours of its own, so every pixel tells what painted it.
struct TLabelFixture {
    QWidget Form;
    TNumora* Label = new TNumora(&Form);
    TLabelFixture(int w, int h, int leftSpace, int labelWidth) {
        Label->SetBounds(0, 0, w, h);
        Label->SetLeftSpace(leftSpace);
        Label->SetLabelWidth(labelWidth);
        Label->SetColorOutBakG(OutBak);
        Label->SetColorLabBakG(LabBak);
        Label->SetColorOutText(OutText);
        Label->SetColorLabText(LabText);
    }
    QImage Picture() const { return Label->Picture().convertToFormat(QImage::Format_RGB32); }
};

// The text as it must appear: drawn with plain QPainter from the font's own metrics, at the top-left
// corner (x, y), clipped to `area`, on `background`.
QImage ExpectedText(QSize size, const QFont& font, QRect area, TColor background, TColor color, int x, int y,
                    const QString& text) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Rgb(background));
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setClipRect(area);
    p.setFont(font);
    p.setPen(ColorToQColor(color));
    p.drawText(QPoint(x, y + QFontMetrics(font).ascent()), text);
    return img;
}

// Compares the area pixel by pixel; also makes sure the text left some ink there.
void ExpectSameArea(const QImage& actual, const QImage& expected, QRect area, TColor ink) {
    int inked = 0, differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) ++differing;
            if (expected.pixel(x, y) == Rgb(ink)) ++inked;
        }
    EXPECT_GT(inked, 0) << "no text in the area";
    if (differing && qEnvironmentVariableIsSet("NUMORA_DUMP")) {
        actual.save("/tmp/numora_actual.png");
        expected.save("/tmp/numora_expected.png");
    }
    EXPECT_EQ(differing, 0) << "pixels differ from the text drawn at the expected place";
}

int TextY(const TNumora& n) {
    return (n.height() - QFontMetrics(n.Font()->ToQFont()).height()) / 2;
}

}  // namespace

TEST(NumoraPaint, FrameLinesOfTheThreeDimensionalStyles) {
    const int w = 160, h = 28, l = 35, b = 80;
    TLabelFixture f(w, h, l, b);
    f.Label->SetEmpty(true);
    const QRgb dark = Rgb(0x808080), light = Rgb(0xFFFFFF), deep = Rgb(clBlack);
    struct TCase {
        TFrameStyle Style;
        QRgb Outline, TopLeft, BottomRight;
    };
    for (const TCase& c : {TCase{fsLowered, dark, deep, light}, TCase{fsRaised, dark, light, deep},
                           TCase{fsEmbossed, light, dark, dark}, TCase{fsEngraved, dark, light, light}}) {
        SCOPED_TRACE(c.Style);
        f.Label->SetFrameStyle(c.Style);
        const QImage img = f.Picture();
        // outline rectangle (l, 0) .. (l + b + 1, h - 2)
        EXPECT_EQ(img.pixel(l, 0), c.Outline);
        EXPECT_EQ(img.pixel(l, h - 2), c.Outline);
        EXPECT_EQ(img.pixel(l + b + 1, 0), c.Outline);
        EXPECT_EQ(img.pixel(l + b + 1, h - 2), c.Outline);
        EXPECT_EQ(img.pixel(l + 40, h - 2), c.Outline);
        // inner top-left line: x = l + 1 from y = h - 3 up to 1, then y = 1 up to x = l + b
        EXPECT_EQ(img.pixel(l + 1, h - 3), c.TopLeft);
        EXPECT_EQ(img.pixel(l + 1, 1), c.TopLeft);
        EXPECT_EQ(img.pixel(l + b, 1), c.TopLeft);
        EXPECT_EQ(img.pixel(l + 1, h - 2), c.Outline);
        // outer bottom-right line: y = h - 1 from x = l + 1 to l + b + 1, then x = l + b + 2 up to y = 1
        EXPECT_EQ(img.pixel(l + 1, h - 1), c.BottomRight);
        EXPECT_EQ(img.pixel(l + b + 1, h - 1), c.BottomRight);
        EXPECT_EQ(img.pixel(l + b + 2, h - 1), c.BottomRight);
        EXPECT_EQ(img.pixel(l + b + 2, 1), c.BottomRight);
        // corners the lines leave out, and the inside
        EXPECT_EQ(img.pixel(l, h - 1), Rgb(OutBak));
        EXPECT_EQ(img.pixel(l + b + 2, 0), Rgb(OutBak));
        EXPECT_EQ(img.pixel(l + b + 3, 5), Rgb(OutBak));
        EXPECT_EQ(img.pixel(l - 1, 5), Rgb(OutBak));
        EXPECT_EQ(img.pixel(l + 2, 2), Rgb(LabBak));
        EXPECT_EQ(img.pixel(l + b, h - 3), Rgb(LabBak));
    }
}

TEST(NumoraPaint, FlatStylesAndTheSystemScheme) {
    const int w = 150, h = 22, l = 50, b = 60;
    TLabelFixture f(w, h, l, b);
    f.Label->SetEmpty(true);
    f.Label->SetFrameStyle(fsSimple);
    QImage img = f.Picture();
    const QRgb dark = Rgb(0x808080);
    EXPECT_EQ(img.pixel(l, 0), dark);
    EXPECT_EQ(img.pixel(l, h - 1), dark);
    EXPECT_EQ(img.pixel(l + b + 1, h - 1), dark);
    EXPECT_EQ(img.pixel(l + b + 2, h - 1), Rgb(OutBak));
    EXPECT_EQ(img.pixel(l + 1, 1), Rgb(LabBak));
    f.Label->SetFrameStyle(fsNone);
    img = f.Picture();
    EXPECT_EQ(img.pixel(l, 0), Rgb(LabBak));
    EXPECT_EQ(img.pixel(l + b + 1, h - 1), Rgb(LabBak));
    EXPECT_EQ(img.pixel(l + b + 2, 5), Rgb(OutBak));
    f.Label->SetFrameStyle(fsLowered);
    f.Label->SetColorScheme(csSystem);
    img = f.Picture();
    EXPECT_EQ(img.pixel(l, 0), Rgb(clBtnShadow));
    EXPECT_EQ(img.pixel(l + 1, h - 1), Rgb(clBtnHighlight));
    EXPECT_EQ(img.pixel(l + 1, 5), Rgb(clBlack));
}

TEST(NumoraPaint, NumberPlacedByAlignmentAndClippedToTheBox) {
    struct TCase {
        int W, H, L, B, FontHeight;
        bool Bold;
    };
    // the main window's small labels, its energy label, and the control's own size
    for (const TCase& c : {TCase{179, 22, 50, 60, 14, false}, TCase{225, 35, 90, 80, 20, true},
                           TCase{160, 28, 35, 80, 11, false}}) {
        TLabelFixture f(c.W, c.H, c.L, c.B);
        f.Label->Font()->SetHeight(c.FontHeight);
        f.Label->Font()->SetBold(c.Bold);
        f.Label->SetPrecision(1);
        f.Label->SetComma(true);
        f.Label->SetValue(-12.3);
        const QFont font = f.Label->Font()->ToQFont();
        const int tw = QFontMetrics(font).horizontalAdvance("-12,3");
        const QRect clip(QPoint(c.L + 3, 2), QPoint(c.L + c.B - 2, c.H - 4));
        const int y = TextY(*f.Label);
        for (TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
            SCOPED_TRACE(testing::Message() << c.W << "x" << c.H << " alignment " << a);
            f.Label->SetAlignment(a);
            const int x = a == taLeftJustify    ? c.L + 4
                          : a == taRightJustify ? c.L + c.B - 2 - tw
                                                : c.L + 2 + (c.B - tw) / 2;
            const QImage expected = ExpectedText(QSize(c.W, c.H), font, clip, LabBak, LabText, x, y, "-12,3");
            ExpectSameArea(f.Picture(), expected, clip, LabText);
        }
    }
}

TEST(NumoraPaint, SideTextsPlacedByTheirAlignments) {
    const int w = 225, h = 35, l = 90, b = 80;
    TLabelFixture f(w, h, l, b);
    f.Label->Font()->SetHeight(20);
    f.Label->SetEmpty(true);
    f.Label->SetLeftText("Energy");
    f.Label->SetRightText("[kJ]");
    const QFont font = f.Label->Font()->ToQFont();
    const QFontMetrics fm(font);
    const int lw = fm.horizontalAdvance("Energy"), rw = fm.horizontalAdvance("[kJ]");
    const int y = TextY(*f.Label);
    const QRect leftArea(0, 0, l, h), rightArea(QPoint(l + b + 3, 0), QPoint(w - 1, h - 1));
    for (TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
        SCOPED_TRACE(a);
        f.Label->SetLeftTextAlignment(a);
        f.Label->SetRightTextAlignment(a);
        const int lx = a == taLeftJustify ? 7 : a == taRightJustify ? l - lw - 5 : (l - lw) / 2;
        const int rx = a == taLeftJustify    ? l + b + 7
                       : a == taRightJustify ? w - rw - 6
                                             : l + b + 1 + (w - l - b - rw) / 2;
        const QImage img = f.Picture();
        ExpectSameArea(img, ExpectedText(img.size(), font, leftArea, OutBak, OutText, lx, y, "Energy"),
                       leftArea, OutText);
        ExpectSameArea(img, ExpectedText(img.size(), font, rightArea, OutBak, OutText, rx, y, "[kJ]"),
                       rightArea, OutText);
    }
}

TEST(NumoraPaint, TooWideATextGivesWayToTheIndicator) {
    const int w = 200, h = 28, l = 35;
    QFont font;
    int tw = 0;
    {
        TNumora probe;
        font = probe.Font()->ToQFont();
        tw = QFontMetrics(font).horizontalAdvance("123456.78");
    }
    const int iw = QFontMetrics(font).horizontalAdvance("*********");
    // the box less six pixels holds the text exactly; one pixel less and the indicator shows
    for (int b : {tw + 6, tw + 5}) {
        SCOPED_TRACE(b);
        ASSERT_GT(b, iw + 6);
        TLabelFixture f(w, h, l, b);
        f.Label->SetValue(123456.78);
        const bool fits = b == tw + 6;
        const QString shown = fits ? "123456.78" : "*********";
        const int sw = fits ? tw : iw;
        const QRect clip(QPoint(l + 3, 2), QPoint(l + b - 2, h - 4));
        const QImage expected = ExpectedText(QSize(w, h), font, clip, LabBak, LabText, l + 2 + (b - sw) / 2,
                                             TextY(*f.Label), shown);
        ExpectSameArea(f.Picture(), expected, clip, LabText);
    }
}

TEST(NumoraPaint, StateTextIsClippedNeverReplaced) {
    const int w = 160, h = 28, l = 35, b = 40;
    TLabelFixture f(w, h, l, b);
    f.Label->SetDisplayType(dtState);
    f.Label->SetStateText("a state text wider than its box");
    const QFont font = f.Label->Font()->ToQFont();
    const int tw = QFontMetrics(font).horizontalAdvance(f.Label->StateText());
    ASSERT_GT(tw, b);
    const QRect clip(QPoint(l + 3, 2), QPoint(l + b - 2, h - 4));
    const QImage img = f.Picture();
    ExpectSameArea(img,
                   ExpectedText(img.size(), font, clip, LabBak, LabText, l + 2 + (b - tw) / 2,
                                TextY(*f.Label), f.Label->StateText()),
                   clip, LabText);
    // nothing of it outside the clip rectangle
    for (int y = 0; y < h; ++y) {
        EXPECT_NE(img.pixel(l + b - 1, y), Rgb(LabText));
        EXPECT_NE(img.pixel(l + 2, y), Rgb(LabText));
    }
}

TEST(NumoraPaint, BeforeDisplayTextIsMeasuredAndDrawn) {
    const int w = 160, h = 28, l = 35, b = 80;
    TLabelFixture f(w, h, l, b);
    f.Label->OnBeforeDisplay = [](QObject*, QString& text) { text = "n/a"; };
    f.Label->SetValue(3);
    const QFont font = f.Label->Font()->ToQFont();
    const int tw = QFontMetrics(font).horizontalAdvance("n/a");
    const QRect clip(QPoint(l + 3, 2), QPoint(l + b - 2, h - 4));
    ExpectSameArea(
        f.Picture(),
        ExpectedText(QSize(w, h), font, clip, LabBak, LabText, l + 2 + (b - tw) / 2, TextY(*f.Label), "n/a"),
        clip, LabText);
}

TEST(NumoraPaint, EmptyBoxHasNoNumber) {
    const int w = 160, h = 28, l = 35, b = 80;
    TLabelFixture f(w, h, l, b);
    f.Label->SetLeftText("Mass");
    f.Label->SetValue(88.5);
    f.Label->SetEmpty(true);
    const QImage img = f.Picture();
    int numberInk = 0, sideInk = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            numberInk += img.pixel(x, y) == Rgb(LabText);
            sideInk += img.pixel(x, y) == Rgb(OutText);
        }
    EXPECT_EQ(numberInk, 0);
    EXPECT_GT(sideInk, 0);
}

TEST(NumoraPaint, UnshowableValuesPaintTheIndicator) {
    const int w = 160, h = 28, l = 35, b = 80;
    TLabelFixture f(w, h, l, b);
    const QFont font = f.Label->Font()->ToQFont();
    const int iw = QFontMetrics(font).horizontalAdvance("*********");
    const QRect clip(QPoint(l + 3, 2), QPoint(l + b - 2, h - 4));
    const QImage expected = ExpectedText(QSize(w, h), font, clip, LabBak, LabText, l + 2 + (b - iw) / 2,
                                         TextY(*f.Label), "*********");
    f.Label->SetForcePlusSign(true);
    for (TDisplay type : {dtFixP, dtInt, dtZeroInt, dtHex, dtDateTime, dtDegMinSec}) {
        f.Label->SetDisplayType(type);
        for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity(), 1e300}) {
            SCOPED_TRACE(testing::Message() << "format " << type << " value " << v);
            f.Label->SetValue(v);
            ExpectSameArea(f.Picture(), expected, clip, LabText);
            f.Label->SetValue(0);
        }
    }
}
