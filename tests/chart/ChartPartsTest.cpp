// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>

#include "ChartCrossHairs.h"
#include "ChartTextLabels.h"
#include "TBitmap.h"
#include "TCrossHair.h"
#include "TTextLabel.h"

namespace {

// A 280 x 200 chart with margins 50, 20, 20, 40: every layer maps 0..100 onto the data area.
struct TView {
    std::array<TLayerMapping, 17> Layers{};
    std::array<bool, 17> LayerVisible{};
    TFont Font;
    TChartView View;
    TView() {
        LayerVisible.fill(true);
        for (auto& l : Layers) {
            l.X.Set(0, 100, 50, 260, true, 140);
            l.Y.Set(0, 100, 160, 20, true, 100);
        }
        View.Width = 280, View.Height = 200;
        View.MarginLeft = 50, View.MarginRight = 20, View.MarginTop = 20, View.MarginBottom = 40;
        View.Layers = Layers.data();
        View.LayerVisible = LayerVisible.data();
        View.Font = &Font;
    }
};

// Each pixel of the picture that the part painted, and none of the others, lies on the part.
template <typename Part>
void ExpectContainsWhatItPaints(Part& part, const TChartView& view) {
    TBitmap picture(view.Width, view.Height);
    part.Render(picture.Canvas(), view);
    const QImage& image = picture.Image();
    int painted = 0;
    for (int y = 0; y < view.Height; ++y)
        for (int x = 0; x < view.Width; ++x) {
            const bool on = image.pixel(x, y) != qRgb(255, 255, 255);
            painted += on;
            if (on) {
                ASSERT_TRUE(part.Contains(view, QPoint(x, y))) << x << "," << y;
            }
        }
    EXPECT_GT(painted, 0);
}

}  // namespace

TEST(ChartParts, CrossHairsAnswerForTheirLinesAlone) {
    TView v;
    std::array<TCrossHair*, 5> hairs{};
    std::array<TCrossHair, 4> own;
    for (int n = 1; n <= 4; ++n) hairs[n] = &own[n - 1];
    own[0].SetMode(chBoth);
    own[0].SetPosX(30), own[0].SetPosY(60);
    own[1].SetMode(chVert);
    own[1].SetLineWid(3), own[1].SetPosX(70);
    own[2].SetMode(chHoriz);
    own[2].SetPosY(150);  // outside the data area: not drawn
    TCrossHairsPart part(hairs);
    ExpectContainsWhatItPaints(part, v.View);
    const QPoint p = part.Pixel(v.View, 1);
    EXPECT_EQ(p, QPoint(113, 76));
    EXPECT_FALSE(part.Contains(v.View, p + QPoint(5, 5)));
    EXPECT_FALSE(part.Contains(v.View, QPoint(100, part.Pixel(v.View, 3).y())));
}

TEST(ChartParts, TextLabelsAnswerForTheirBoxesAndAreAnchoredAsTheyAreDrawn) {
    TView v;
    std::array<TTextLabel*, 31> labels{};
    std::array<TTextLabel, 30> own;
    for (int n = 1; n <= 30; ++n) labels[n] = &own[n - 1];
    own[0].SetCaption(QStringLiteral("A\nBcd"));
    own[0].SetMode(tlShadow);
    own[0].SetShadowDx(0), own[0].SetShadowDy(0);  // the shadow stays inside the box
    own[0].SetAttachToData(tlamBoth);
    own[0].SetPosX(50), own[0].SetPosY(50);
    own[1].SetCaption(QStringLiteral("pixels"));
    own[1].SetMode(tlBox);
    own[1].SetAttachToData(tlamXOnly);
    own[1].SetPosX(20), own[1].SetPosY(40.4);
    for (int n = 3; n <= 30; ++n) own[n - 1].SetMode(tlOff);
    TTextLabelsPart part(labels);
    ExpectContainsWhatItPaints(part, v.View);
    EXPECT_EQ(TTextLabelsPart::Anchor(v.View, own[0]), QPoint(155, 90));
    EXPECT_EQ(TTextLabelsPart::Anchor(v.View, own[1]), QPoint(92, 40));
    v.LayerVisible[1] = false;  // labels on a hidden layer are not there
    EXPECT_FALSE(part.Contains(v.View, QPoint(155, 85)));
}
