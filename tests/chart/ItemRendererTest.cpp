#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <set>
#include <vector>

#include "ItemRenderer.h"
#include "TBitmap.h"

namespace {

struct TFixture {
    std::array<TLayerMapping, 17> Layers{};
    std::array<bool, 17> LayerVisible{};
    std::array<bool, 256> ClassVisible{};
    TItemRenderSetup Setup;
    std::vector<TDrawItem> Items;

    TFixture() {
        LayerVisible.fill(true);
        ClassVisible.fill(true);
        for (auto& l : Layers) {
            l.X.Set(0, 100, 0, 200, true, 0);  // 2 pixels per unit, y upwards
            l.Y.Set(0, 100, 200, 0, true, 0);
        }
        Setup.Layers = Layers.data();
        Setup.LayerVisible = LayerVisible.data();
        Setup.ClassVisible = ClassVisible.data();
    }
    TDrawItem& Add(TDrawItemKind kind, double x1, double y1, double x2 = 0, double y2 = 0) {
        TDrawItem item;
        std::memset(&item, 0, sizeof item);
        item.Kind = kind;
        item.Layer = 1;
        item.LineWidth = 1;
        item.X1 = x1, item.Y1 = y1, item.X2 = x2, item.Y2 = y2;
        Items.push_back(item);
        return Items.back();
    }
};

}  // namespace

// A pass stopped after any item and resumed on a copy of its bitmap draws the same picture as one
// pass over all items: the state carries everything between items.
TEST(ItemRenderer, APassResumedFromItsStateDrawsTheSamePicture) {
    TFixture f;
    f.Add(ikMoveTo, 5, 5);
    for (int i = 0; i < 450; ++i)
        f.Add(ikLineTo, 5 + (i % 90), 5 + i / 5.0).Color = (i / 150) ? clRed : clBlue;
    f.Add(ikMark, 50, 50).Mark = 12;
    f.Add(ikMoveRel, 4, -3);
    f.Add(ikLineRel, 10, 7).Color = clGreen;
    f.Add(ikRectangle, 60, 60, 80, 70).FillColor = clYellow;
    f.Add(ikLineTo, 20, 90).PenStyle = psDot;
    f.Add(ikMark, 30, 30).LineWidth = 3;

    TBitmap whole(201, 201);
    {
        TItemRenderer r(whole.Canvas(), f.Setup);
        TItemRenderState s;
        r.Begin(s);
        r.Render(f.Items.data(), 0, int(f.Items.size()), s);
        r.End(s);
    }
    for (int cut : {1, 100, 199, 200, 300, 451, 453, 455}) {
        TBitmap first(201, 201);
        TItemRenderState s;
        {
            TItemRenderer r(first.Canvas(), f.Setup);
            r.Begin(s);
            r.Render(f.Items.data(), 0, cut, s);
            r.Suspend(s);
        }
        TBitmap second(201, 201);
        second.Canvas().Draw(0, 0, first.Image());
        TItemRenderer r(second.Canvas(), f.Setup);
        r.Resume(s);
        r.Render(f.Items.data(), cut, int(f.Items.size()), s);
        r.End(s);
        EXPECT_EQ(second.Image(), whole.Image()) << "cut after " << cut;
    }
}

namespace {
std::set<std::pair<int, int>> SpritePixels(int mark, int sx = 1, int sy = 1) {
    std::set<std::pair<int, int>> s;
    for (const TMarkRun& r : MarkSprite(mark, 1, psSolid).Runs)
        for (int x = r.X0; x <= r.X1; ++x) s.emplace(sx * x, sy * r.Dy);
    return s;
}
}  // namespace

// Triangles whose corners mirror each other must come out as mirror images, pixel for pixel.
TEST(MarkShapes, MirroredTrianglesAreMirrorImages) {
    for (int m : {29, 30, 31, 32, 33, 34, 35, 36}) EXPECT_EQ(SpritePixels(m), SpritePixels(m, -1, 1)) << m;
    EXPECT_EQ(SpritePixels(33), SpritePixels(35, 1, -1));
    EXPECT_EQ(SpritePixels(34), SpritePixels(36, 1, -1));
    for (int m : {40, 41, 42, 43}) EXPECT_EQ(SpritePixels(m), SpritePixels(m + 4, -1, 1)) << m;
    for (int m : {40, 42}) EXPECT_EQ(SpritePixels(m), SpritePixels(m, 1, -1)) << m;
    // the corners belong to the shape: 33 spans 9 pixels at its top and ends in one at the bottom
    const auto t = SpritePixels(33);
    EXPECT_TRUE(t.count({-4, -3}) && t.count({4, -3}) && t.count({0, 4}));
    EXPECT_FALSE(t.count({0, 0}));  // an outline
    EXPECT_TRUE(SpritePixels(34).count({0, 0}));
}
