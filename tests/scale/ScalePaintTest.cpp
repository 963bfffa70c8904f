// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QVBoxLayout>
#include <QWidget>
#include <vector>

#include "DateTime.h"
#include "TBitmap.h"
#include "TScale.h"

// Pixel checks of the painted axis. Text positions are computed from the same font metrics the
// scale draws with; the texts are red, so a reference picture with the texts written at the
// expected places must have exactly the same red pixels.

namespace {

constexpr QRgb Black = 0xFF000000u;
constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Red = 0xFFFF0000u;

struct TText {
    int X, Y;
    QString Text;
};

class TPaintFixture : public testing::Test {
protected:
    // an opaque, white, frameless scale with red texts
    void Make(TScaleType type, int w, int h) {
        S = std::make_unique<TScale>(&Form);
        S->SetBounds(0, 0, w, h);
        S->SetScaleType(type);
        S->SetColorBackGnd(clWhite);
        S->SetFrameStyle(fsNone);
        S->Font()->SetName("Arial");
        S->Font()->SetHeight(12);
        S->Font()->SetColor(clRed);
    }
    QImage Render() {
        S->RepaintNow();
        return S->Picture().convertToFormat(QImage::Format_RGB32);
    }
    QFontMetrics Metrics() const { return QFontMetrics(S->Font()->ToQFont()); }
    int TextWidth(const QString& t) const { return Metrics().horizontalAdvance(t); }
    int TextHeight() const { return Metrics().height(); }

    // where a horizontal scale puts a text centred on x (kept 2 pixels inside the control)
    TText Horizontal(const QString& text, int x, int top) const {
        const int hw = TextWidth(text) / 2;
        const int m = std::min(x - 2, hw);
        const int left = x + hw < S->width() - 2 ? x - m : S->width() - 2 * hw - 2;
        return {left, top, text};
    }

    // the red pixels of a white picture of the scale's size with the texts written on it
    QImage Reference(const std::vector<TText>& texts) const {
        TBitmap ref(S->width(), S->height());
        TCanvas& c = ref.Canvas();
        c.Brush.Color = clWhite;
        c.FillRect(0, 0, S->width(), S->height());
        c.AssignFont(*S->Font());
        c.Brush.Style = bsClear;
        for (const TText& t : texts) c.TextOut(t.X, t.Y, t.Text);
        return ref.Image().convertToFormat(QImage::Format_RGB32);
    }

    static int RedDifferences(const QImage& a, const QImage& b) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if ((a.pixel(x, y) == Red) != (b.pixel(x, y) == Red)) ++n;
        return n;
    }
    static int RedPixels(const QImage& a) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) == Red;
        return n;
    }
    void ExpectTexts(const QImage& picture, const std::vector<TText>& texts) const {
        const QImage ref = Reference(texts);
        ASSERT_GT(RedPixels(ref), 0);
        EXPECT_EQ(RedDifferences(picture, ref), 0);
    }

    QWidget Form;
    std::unique_ptr<TScale> S;
};

}  // namespace

TEST_F(TPaintFixture, BottomScaleTicksPointUpAndTextsSitAboveTheLine) {
    Make(sctXB, 300, 60);
    S->SetRangeHigh(97);  // no tick at the end of the line
    const QImage p = Render();
    const int a = 60 - 20 - 1;
    // base line from the left margin to the last pixel before width - right margin - 1
    EXPECT_EQ(p.pixel(20, a), Black);
    EXPECT_EQ(p.pixel(278, a), Black);
    EXPECT_EQ(p.pixel(279, a), White);
    EXPECT_EQ(p.pixel(19, a), White);
    // major tick at 0: 7 pixels up, the end point left out
    EXPECT_EQ(p.pixel(20, a - 6), Black);
    EXPECT_EQ(p.pixel(20, a - 7), White);
    // minor tick at 5: 4 pixels
    const int x5 = S->ValueToPixel(5);
    EXPECT_EQ(p.pixel(x5, a - 3), Black);
    EXPECT_EQ(p.pixel(x5, a - 4), White);
    std::vector<TText> texts;
    for (int v = 0; v <= 80; v += 20)
        texts.push_back(Horizontal(QString::number(v), S->ValueToPixel(v), a - TextHeight() - 7));
    ExpectTexts(p, texts);
}

TEST_F(TPaintFixture, HorizontalTextsStayTwoPixelsInsideTheControl) {
    Make(sctXB, 300, 60);
    S->SetMarginLeft(3);
    S->SetMarginRight(4);
    S->SetRangeLow(1000);
    S->SetRangeHigh(5000);
    const QImage p = Render();
    const int a = 39, top = a - TextHeight() - 7;
    std::vector<TText> texts;
    for (int v = 1000; v <= 5000; v += 1000)
        texts.push_back(Horizontal(QString::number(v), S->ValueToPixel(v), top));
    EXPECT_EQ(texts.front().X, 2);
    EXPECT_EQ(texts.back().X + 2 * (TextWidth("5000") / 2), 300 - 2);
    ExpectTexts(p, texts);
}

TEST_F(TPaintFixture, TopScaleTicksPointDownAndTextsSitBelow) {
    Make(sctXT, 300, 60);
    S->SetShortTicks(false);
    const QImage p = Render();
    const int a = 20;
    EXPECT_EQ(p.pixel(20, a + 6), Black);
    EXPECT_EQ(p.pixel(20, a + 7), White);
    EXPECT_EQ(p.pixel(S->ValueToPixel(10), a + 1), White);  // no minor ticks
    std::vector<TText> texts;
    for (int v = 0; v <= 100; v += 20)
        texts.push_back(Horizontal(QString::number(v), S->ValueToPixel(v), a + 7));
    ExpectTexts(p, texts);
}

TEST_F(TPaintFixture, RightScaleOfWidth100) {
    Make(sctYR, 100, 300);
    S->SetRangeHigh(1);
    const QImage p = Render();
    const int a = 79;
    EXPECT_EQ(p.pixel(a, 20), Black);   // base line from the top margin
    EXPECT_EQ(p.pixel(a, 278), Black);  // to height - 21
    const int y0 = S->ValueToPixel(0);
    EXPECT_EQ(y0, 279);
    // major ticks from 79 towards 73
    EXPECT_EQ(p.pixel(74, y0), Black);
    EXPECT_EQ(p.pixel(73, y0), White);
    const int yMinor = S->ValueToPixel(0.05);
    EXPECT_EQ(p.pixel(76, yMinor), Black);
    EXPECT_EQ(p.pixel(75, yMinor), White);
    std::vector<TText> texts;
    const int h = TextHeight();
    for (int i = 0; i <= 5; ++i) {
        const QString t = QString::number(i * 0.2, 'f', 2);
        texts.push_back({a - TextWidth(t) - 8, S->ValueToPixel(i * 0.2) - h / 2, t});
    }
    ExpectTexts(p, texts);
}

TEST_F(TPaintFixture, LeftScaleWithLogarithmicDecadesAndCaption) {
    Make(sctYL, 120, 300);
    S->SetRangeLow(1);
    S->SetRangeHigh(1000);
    S->SetLogarithmic(true);
    S->SetCaption("[m]");
    S->SetCaptionPosX(0);
    S->SetCaptionPosY(-20);  // clear of the top text, whose cell would cover the caption's
    S->SetCaptionAlignment(taLeftJustify);
    S->SetCaptionAnchor(uaSclTopLft);
    const QImage p = Render();
    const int a = 20;
    const int h = TextHeight();
    std::vector<TText> texts;
    for (int v : {1, 10, 100, 1000}) {
        const int y = S->ValueToPixel(v);
        EXPECT_EQ(p.pixel(a + 5, y), Black);  // major tick: A .. A + 5
        EXPECT_EQ(p.pixel(a + 6, y), White);
        texts.push_back({a + 8, y - h / 2, QString::number(v)});
    }
    EXPECT_EQ(S->ValueToPixel(1000), 20);
    EXPECT_EQ(S->ValueToPixel(1), 279);
    EXPECT_EQ(S->ValueToPixel(10), 20 + 2 * 259 / 3 + 1);  // 192.67 rounds up
    texts.push_back({a, 20 - 20, "[m]"});
    ExpectTexts(p, texts);
}

TEST_F(TPaintFixture, CaptionAnchorsAndAlignments) {
    struct TCase {
        TScaleType Type;
        TScaleUnitAnchor Anchor;
        TAlignment Alignment;
        int PosX, PosY;
    } cases[] = {{sctXB, uaSclCenter, taCenter, 5, 3},        {sctXT, uaSclCenter, taCenter, 0, 22},
                 {sctXB, uaSclBotRgt, taRightJustify, 0, 4},  {sctXB, uaSclTopLft, taLeftJustify, -10, -30},
                 {sctYR, uaSclBotRgt, taRightJustify, -3, 2}, {sctYL, uaSclCenter, taCenter, 9, -6}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.Type << " anchor " << c.Anchor);
        const bool vertical = c.Type == sctYL || c.Type == sctYR;
        Make(c.Type, vertical ? 150 : 301, vertical ? 301 : 150);
        S->SetLabelType(ftNoFigs);
        S->SetCaption("[kg]");
        S->SetCaptionAnchor(c.Anchor);
        S->SetCaptionAlignment(c.Alignment);
        S->SetCaptionPosX(c.PosX);
        S->SetCaptionPosY(c.PosY);
        const QImage p = Render();
        const int w = TextWidth("[kg]");
        const int extent = vertical ? 301 : 301;
        const int anchor = c.Anchor == uaSclTopLft   ? 20
                           : c.Anchor == uaSclCenter ? 20 + (extent - 40) / 2
                                                     : extent - 20;
        const int axis = c.Type == sctXB ? 150 - 21 : c.Type == sctXT ? 20 : c.Type == sctYL ? 20 : 150 - 21;
        int x = vertical ? c.PosX + axis : c.PosX + anchor;
        const int y = vertical ? c.PosY + anchor : c.PosY + axis;
        if (c.Alignment == taRightJustify) x -= w;
        if (c.Alignment == taCenter) x -= w / 2;
        ExpectTexts(p, {{x, y, "[kg]"}});
    }
}

TEST_F(TPaintFixture, FramesInBothColourSchemes) {
    const TFrameStyle styles[] = {fsLowered, fsRaised, fsEmbossed, fsEngraved};
    for (TColorScheme scheme : {csBWG, csSystem}) {
        const QRgb dark = ColorToRgb(clBlack), light = ColorToRgb(0xC0C0C0);
        const QRgb shadow = ColorToRgb(scheme == csBWG ? TColor(0x808080) : clBtnShadow);
        const QRgb highlight = ColorToRgb(scheme == csBWG ? TColor(0xFFFFFF) : clBtnHighlight);
        const QRgb expected[4][4] = {{shadow, highlight, dark, light},
                                     {highlight, dark, light, shadow},
                                     {highlight, shadow, shadow, highlight},
                                     {shadow, highlight, highlight, shadow}};
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(testing::Message() << "style " << styles[i] << " scheme " << scheme);
            Make(sctXB, 60, 40);
            S->SetColorBackGnd(0x00FFFF);  // yellow
            S->SetColorScheme(scheme);
            S->SetFrameStyle(styles[i]);
            const QImage p = Render();
            const int r = 59, b = 39;
            const auto [c1, c2, c3, c4] = expected[i];
            EXPECT_EQ(p.pixel(0, 0), c1);
            EXPECT_EQ(p.pixel(0, b - 1), c1);
            EXPECT_EQ(p.pixel(r, 0), c1);
            EXPECT_EQ(p.pixel(r, 1), c2);
            EXPECT_EQ(p.pixel(r, b), c2);
            EXPECT_EQ(p.pixel(0, b), c2);
            EXPECT_EQ(p.pixel(1, 1), c3);
            EXPECT_EQ(p.pixel(1, b - 2), c3);
            EXPECT_EQ(p.pixel(r - 1, 1), c3);
            EXPECT_EQ(p.pixel(r - 1, 2), c4);
            EXPECT_EQ(p.pixel(r - 1, b - 1), c4);
            EXPECT_EQ(p.pixel(1, b - 1), c4);
            EXPECT_EQ(p.pixel(2, 2), qRgb(255, 255, 0));
        }
    }
    Make(sctXB, 60, 40);
    S->SetColorBackGnd(0x00FFFF);
    S->SetColorScheme(csSystem);
    S->SetFrameStyle(fsSimple);  // the dark colour stays black
    QImage p = Render();
    for (const QPoint pt : {QPoint(0, 0), QPoint(59, 0), QPoint(0, 39), QPoint(59, 39), QPoint(30, 39)})
        EXPECT_EQ(p.pixel(pt), Black);
    EXPECT_EQ(p.pixel(1, 1), qRgb(255, 255, 0));
    S->SetFrameStyle(fsNone);  // filled, no frame
    p = Render();
    EXPECT_EQ(p.pixel(0, 0), qRgb(255, 255, 0));
    EXPECT_EQ(p.pixel(59, 39), qRgb(255, 255, 0));
}

TEST_F(TPaintFixture, CalendarMessages) {
    Make(sctXB, 301, 80);
    S->SetLabelType(ftDateTime);
    S->SetRangeHigh(10);
    S->SetRangeLow(20);  // inverted: invalid
    QImage p = Render();
    EXPECT_EQ(S->NumTicks(), 0);
    const int a = 80 - 21;
    const QString invalid = "invalid DateTime scale";
    const int xm = S->ValueToPixel(15);
    ExpectTexts(p, {{xm - TextWidth(invalid) / 2, a + 7, invalid}});

    Make(sctYR, 120, 301);
    S->SetLabelType(ftDateTime);
    S->SetRangeHigh(40000 + 1e-7);
    S->SetRangeLow(40000);
    p = Render();
    const int h = TextHeight(), ym = S->ValueToPixel(40000 + 0.5e-7);
    std::vector<TText> lines;
    const char* words[] = {"DateTime", "range is", "below 1", "second"};
    for (int i = 0; i < 4; ++i) lines.push_back({99 - TextWidth(words[i]) - 2, ym + (i - 1) * h, words[i]});
    ExpectTexts(p, lines);

    Make(sctYL, 120, 301);
    S->SetLabelType(ftDateTime);
    S->SetRangeLow(-1e7);
    p = Render();
    const int yi = S->ValueToPixel((-1e7 + 100) / 2);
    ExpectTexts(p, {{22, yi - h, "invalid"}, {22, yi, "DateTime"}, {22, yi + h, "scale"}});
}

TEST_F(TPaintFixture, DateLinesOfTimeTicks) {
    const double start = Vexa::EncodeDate(2024, 3, 5) + 0.5;
    Make(sctXB, 401, 80);
    S->SetLabelType(ftDateTime);
    S->DateFormat()->SetMonthName(false);
    S->SetRangeHigh(start + 1);
    S->SetRangeLow(start);  // 12:00 to 12:00: 8-hour steps after midnight, 16:00, 00:00, 08:00
    QImage p = Render();
    const int a = 80 - 21, h = TextHeight();
    std::vector<TText> texts;
    const char* times[] = {"16:00", "00:00", "08:00"};
    for (int i = 0; i < 3; ++i) {
        const int x = S->ValueToPixel(start + (4 + 8 * i) / 24.0);
        texts.push_back(Horizontal(times[i], x, a - h - 7));
    }
    // the first major tick and the first after midnight carry the date, one line further up
    texts.push_back(Horizontal("05-03-2024", S->ValueToPixel(start + 4 / 24.0), a - h - h - 7));
    texts.push_back(Horizontal("06-03-2024", S->ValueToPixel(start + 12 / 24.0), a - h - h - 7));
    ExpectTexts(p, texts);

    Make(sctYL, 150, 301);
    S->SetLabelType(ftDateTime);
    S->DateFormat()->SetMonthName(false);
    S->DateFormat()->SetDateForTime(dtOnePerChart);
    S->SetRangeHigh(start + 1);
    S->SetRangeLow(start);
    p = Render();
    texts.clear();
    for (int i = 0; i < 3; ++i)
        texts.push_back({28, S->ValueToPixel(start + (4 + 8 * i) / 24.0) - h / 2, times[i]});
    texts.push_back({28, S->ValueToPixel(start + 4 / 24.0) - 3 * (h / 2), "05-03-2024"});
    ExpectTexts(p, texts);

    // right of the axis, each line ends 8 pixels before it
    S->SetScaleType(sctYR);
    S->SetMarginRight(40);
    p = Render();
    const int right = 150 - 41;
    texts.clear();
    for (int i = 0; i < 3; ++i)
        texts.push_back(
            {right - TextWidth(times[i]) - 8, S->ValueToPixel(start + (4 + 8 * i) / 24.0) - h / 2, times[i]});
    texts.push_back(
        {right - TextWidth("05-03-2024") - 8, S->ValueToPixel(start + 4 / 24.0) - 3 * (h / 2), "05-03-2024"});
    ExpectTexts(p, texts);
}

TEST_F(TPaintFixture, ElapsedTimeTextsAreCentredOnTheirTicks) {
    Make(sctXB, 401, 60);
    S->SetLabelType(ftTime);
    S->SetRangeHigh(10);
    S->SetMarginLeft(40);
    S->SetMarginRight(40);
    const QImage p = Render();
    std::vector<TText> texts;
    for (int v = 0; v <= 10; v += 2)
        texts.push_back(Horizontal(QString(" 00:00:%1").arg(v, 2, 10, QChar('0')), S->ValueToPixel(v),
                                   39 - TextHeight() - 7));
    ExpectTexts(p, texts);
}

TEST_F(TPaintFixture, TransparentPictureShowsOnlyTheAxis) {
    Make(sctXB, 200, 50);
    S->SetTransparent(true);
    const QImage& p = S->RenderedPicture();
    ASSERT_EQ(p.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(p.pixel(5, 5)), 0);
    EXPECT_EQ(qAlpha(p.pixel(100, 45)), 0);
    EXPECT_EQ(p.pixel(20, 29), Black);
    EXPECT_EQ(p.pixel(20, 23), Black);
}

TEST_F(TPaintFixture, TargetCanvasOffsetsMoveTheWholeAxis) {
    Make(sctXB, 200, 50);
    S->SetCaption("[m]");
    S->SetTransparent(true);
    S->SetEmbedded(true);
    TBitmap plain(200, 50), shifted(260, 90);
    for (TBitmap* b : {&plain, &shifted}) {
        b->Canvas().Brush.Color = clWhite;
        b->Canvas().FillRect(0, 0, b->Width(), b->Height());
    }
    S->SetTargetCanvas(&plain.Canvas(), 0, 0);
    S->RenderNow();
    S->SetTargetCanvas(&shifted.Canvas(), 30, 25);
    S->RenderNow();
    const QImage a = plain.Image(), b = shifted.Image();
    int differences = 0, ink = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 200; ++x) {
            differences += a.pixel(x, y) != b.pixel(x + 30, y + 25);
            ink += a.pixel(x, y) != White;
        }
    EXPECT_GT(ink, 100);
    EXPECT_EQ(differences, 0);

    // opaque: the finished picture is copied to the offset
    S->SetTransparent(false);
    S->SetFrameStyle(fsSimple);
    EXPECT_EQ(shifted.Image().pixel(30, 25), Black);
    EXPECT_EQ(shifted.Image().pixel(229, 74), Black);
    EXPECT_EQ(shifted.Image().pixel(29, 24), White);
    EXPECT_EQ(shifted.Image().pixel(230, 75), White);
}

TEST(ScaleOnAForm, TransparentScaleShowsItsParentBeneath) {
    QWidget form;
    form.resize(200, 60);
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 0));
    form.setPalette(pal);
    form.setAutoFillBackground(true);
    TScale s(&form);
    s.SetBounds(0, 0, 200, 60);
    s.SetTransparent(true);
    s.SetCaption("[m]");
    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(5, 5), qRgb(255, 255, 0));
    EXPECT_EQ(shot.pixel(100, 55), qRgb(255, 255, 0));
    EXPECT_EQ(shot.pixel(20, 39), Black);  // base line and the tick at 0
    EXPECT_EQ(shot.pixel(20, 33), Black);
    // an opaque scale covers its parent with its own background and frame
    s.SetTransparent(false);
    s.SetColorBackGnd(clWhite);
    const QImage opaque = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(opaque.pixel(5, 5), White);
    EXPECT_EQ(opaque.pixel(0, 0), ColorToRgb(0x808080));  // lowered frame
}

// Created in code and laid out, as a program or Designer does it: the axis shows at once, and again
// across its new width after every resize; it offers a size to the layout.
TEST(ScaleOnAForm, AScaleInALayoutPaintsWhenShownAndResized) {
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* s = new TScale;
    const QSize hint = s->sizeHint();
    EXPECT_GT(hint.width(), 0);
    EXPECT_GT(hint.height(), 0);
    layout->addWidget(s);
    form.resize(300, 80);
    form.show();
    const auto darkColumns = [&] {
        const QImage shot = s->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int columns = 0;
        for (int x = 0; x < shot.width(); ++x)
            for (int y = 0; y < shot.height(); ++y)
                if (qGray(shot.pixel(x, y)) < 64) {
                    ++columns;
                    break;
                }
        return std::pair{columns, shot.width()};
    };
    const auto [before, width] = darkColumns();
    EXPECT_GT(before, width / 2);  // the base line runs across
    form.resize(500, 80);
    QCoreApplication::processEvents();
    const auto [after, wider] = darkColumns();
    EXPECT_GT(wider, width);
    EXPECT_GT(after, wider / 2);
}
