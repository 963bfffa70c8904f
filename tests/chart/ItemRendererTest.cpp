// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <set>
#include <vector>

#include "ItemRenderer.h"
#include "TBitmap.h"
#include "TItemList.h"

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
    // The items in a display list, with its index over their runs of LineTo items.
    void CopyTo(TItemList& list) const {
        list.Clear();
        for (const TDrawItem& item : Items) *list.Append(1000) = item;
    }
};

// A pass over the whole list onto a white bitmap: the items of a vector (no index, and with
// `general` the general pixel loop: every segment drawn) or of a display list.
QImage RenderAll(const TFixture& f, bool general, const TItemList* list = nullptr) {
    TBitmap bitmap(201, 201);
    bitmap.Canvas().FillRect(0, 0, 201, 201);
    bitmap.Canvas().GeneralLines = general;
    TItemRenderer r(bitmap.Canvas(), f.Setup);
    TItemRenderState s;
    r.Begin(s);
    if (list)
        r.Render(*list, 0, list->Count(), s);
    else
        r.Render(f.Items.data(), 0, int(f.Items.size()), s);
    r.End(s);
    bitmap.Canvas().Release();
    return bitmap.Image();
}

int DifferingPixels(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

int PaintedPixels(const QImage& a) {
    int painted = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) painted += a.pixel(x, y) != qRgb(255, 255, 255);
    return painted;
}

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

// Solid lines and polylines take faster paths than dashed and exclusive-or pens (set-up once per
// polyline, one vertical run per pixel column); they must paint exactly the pixels of the general
// pixel loop, on data that stays in columns, jumps far out, steps, holds NaN, on reversed and
// logarithmic axes, cut into polylines of every length by colour changes and full buffers.
TEST(ItemRenderer, SolidLinesPaintThePixelsOfTheGeneralPath) {
    std::mt19937 random(20);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct TDataSet {
        const char* Name;
        std::vector<QPointF> Points;
        bool Reversed = false, Log = false, Walks = false;  // walks: a MoveTo every few points
    };
    std::vector<TDataSet> sets(7);
    sets[0].Name = "random";
    for (int i = 0; i < 3000; ++i) sets[0].Points.emplace_back(uniform(-5, 105), uniform(-5, 105));
    sets[1].Name = "dense noisy sine";
    for (int i = 0; i < 20000; ++i)
        sets[1].Points.emplace_back(i / 200.0, 50 + 30 * std::sin(i / 900.0) + uniform(-10, 10));
    sets[2].Name = "spikes far out, NaN";
    for (int i = 0; i < 4000; ++i) {
        const double y = i % 97 == 0 ? 1e12 : i % 89 == 0 ? -1e7 : i % 211 == 0 ? nan : uniform(40, 42);
        sets[2].Points.emplace_back(i % 503 == 0 ? -1e9 : i / 40.0, y);
    }
    sets[3].Name = "steps within a few columns";
    for (int i = 0; i < 6000; ++i)
        sets[3].Points.emplace_back(std::floor(i / 7.0) / 4.0, std::round(uniform(0, 3)) + (i / 50) % 5);
    sets[4] = sets[1];
    sets[4].Name = "reversed axes";
    sets[4].Reversed = true;
    sets[5].Name = "logarithmic axes";
    sets[5].Log = true;
    for (int i = 0; i < 8000; ++i) sets[5].Points.emplace_back(1 + i / 80.0, uniform(0.5, 100));
    sets[6].Name = "short walks";
    sets[6].Walks = true;
    for (int i = 0; i < 5000; ++i) {
        const QPointF last = i ? sets[6].Points.back() : QPointF(50, 50);
        sets[6].Points.push_back(i % 5 ? last + QPointF(uniform(0, 0.6), uniform(-3, 3))
                                       : QPointF(uniform(0, 100), uniform(0, 100)));
    }

    // a long series, for the largest blocks of the index (65536 points)
    sets.emplace_back();
    sets.back().Name = "long noisy walk";
    {
        double y = 50;
        for (int i = 0; i < 150000; ++i) {
            y = std::clamp(y + uniform(-1, 1), 0.0, 100.0);
            sets.back().Points.emplace_back(i / 1500.0, i % 70001 == 0 ? nan : y);
        }
    }

    // zoomed out (blocks in one column), as drawn, and zoomed in so far that blocks span columns;
    // the view's centre moves so that parts of the data fall on either side of it
    struct TZoom {
        double Factor, Centre;
    };
    const TZoom zooms[] = {{0.02, 50}, {1, 50}, {3, 30}, {25, 61}, {400, 47.3}, {20000, 50.01}};
    for (const TDataSet& set : sets)
        for (const TZoom& zoom : zooms) {
            TFixture f;
            for (auto& l : f.Layers) {
                l.X.Log = l.Y.Log = set.Log;
                // a logarithmic axis zooms about its centre in decades
                auto range = [&](double lo, double hi, double centre) {
                    if (set.Log) {
                        const double c = std::log10(centre), h = std::log10(hi / lo) / 2 / zoom.Factor;
                        return std::pair(std::pow(10, c - h), std::pow(10, c + h));
                    }
                    const double h = (hi - lo) / 2 / zoom.Factor;
                    return std::pair(centre - h, centre + h);
                };
                const auto [lo, hi] =
                    range(set.Log ? 1 : 0, 100, set.Log ? zoom.Centre / 5 + 1 : zoom.Centre);
                l.X.Set(set.Reversed ? hi : lo, set.Reversed ? lo : hi, 0, 200, true, 0);
                const auto [ylo, yhi] = range(set.Log ? 1 : 0, 100, set.Log ? 10 : 50);
                l.Y.Set(set.Reversed ? yhi : ylo, set.Reversed ? ylo : yhi, 200, 0, true, 0);
            }
            f.Add(ikMoveTo, set.Points[0].x(), set.Points[0].y());
            std::uniform_int_distribution<int> runLength(1, 400);
            int colourLeft = runLength(random);
            TColor colour = clBlack;
            const bool long_ = set.Points.size() > 100000;
            for (std::size_t i = 1; i < set.Points.size(); ++i) {
                if (--colourLeft == 0 && !long_) {
                    colour = colour == clBlack ? clRed : clBlack;
                    colourLeft = runLength(random);
                }
                const bool move = set.Walks && i % 5 == 0;
                f.Add(move ? ikMoveTo : ikLineTo, set.Points[i].x(), set.Points[i].y()).Color = colour;
                if (i % 1500 == 0 && !long_) {
                    // a solid line, level or sloping, then a dotted one that goes on with its phase
                    f.Add(ikLine, 10, 10, 60, i % 3000 ? 10 : 30);
                    f.Add(ikLineRel, 40, 25).PenStyle = psDot;
                }
                if (i % 2100 == 0 && !long_)
                    f.Add(ikLine, set.Points[i - 1].x(), 10, set.Points[i].x(), 90).PenStyle = psDash;
            }
            const QImage general = RenderAll(f, true);
            const QImage fast = RenderAll(f, false);
            TItemList list;
            f.CopyTo(list);
            const QImage indexed = RenderAll(f, false, &list);
            EXPECT_EQ(DifferingPixels(fast, general), 0) << set.Name << ", zoom " << zoom.Factor;
            EXPECT_EQ(DifferingPixels(indexed, general), 0) << set.Name << " (index), zoom " << zoom.Factor;
            if (zoom.Factor == 1) {
                EXPECT_GT(PaintedPixels(general), 100) << set.Name;
            }

            // the same points as compact series (one per walk), against MoveTo and LineTo items
            TFixture g;
            g.Layers = f.Layers;
            TItemList series;
            TDrawItem pen;
            std::memset(&pen, 0, sizeof pen);
            pen.Layer = 1;
            pen.LineWidth = 1;
            const std::size_t step = set.Walks ? 5 : set.Points.size();
            for (std::size_t from = 0; from < set.Points.size(); from += step) {
                const std::size_t to = std::min(from + step, set.Points.size());
                std::vector<double> x, y;
                for (std::size_t i = from; i < to; ++i) {
                    x.push_back(set.Points[i].x());
                    y.push_back(set.Points[i].y());
                    g.Add(i == from ? ikMoveTo : ikLineTo, x.back(), y.back());
                }
                ASSERT_TRUE(series.AppendSeries(x.data(), y.data(), int(x.size()), pen, 1000));
            }
            ASSERT_EQ(series.Count(), int(g.Items.size()));
            EXPECT_EQ(DifferingPixels(RenderAll(g, false, &series), RenderAll(g, true)), 0)
                << set.Name << " (compact series), zoom " << zoom.Factor;
        }
}

// A list of records and compact series: a pass stopped after any item and resumed draws the same
// picture as one pass, and as the same points given as MoveTo and LineTo items; the list counts,
// reads back and takes back the points of a series as those items.
TEST(ItemRenderer, CompactSeriesAreTheItemsTheyStandFor) {
    TFixture f;
    TItemList list;
    std::vector<double> x, y;
    for (int i = 0; i < 5000; ++i) {
        x.push_back(i / 50.0);
        y.push_back(50 + 40 * std::sin(i / 300.0) + (i % 7) * 0.3);
    }
    TDrawItem pen;
    std::memset(&pen, 0, sizeof pen);
    pen.Layer = 1;
    pen.LineWidth = 1;
    pen.Color = clBlue;
    // records, a series, records that go on with its polyline, a second series of another pen
    for (int i = 0; i < 40; ++i) *list.Append(1000) = f.Add(i ? ikLineTo : ikMoveTo, i, 90 - i);
    ASSERT_TRUE(list.AppendSeries(x.data(), y.data(), 3000, pen, 1000));
    for (int i = 0; i < 3000; ++i) f.Add(i ? ikLineTo : ikMoveTo, x[i], y[i]).Color = clBlue;
    for (int i = 0; i < 30; ++i) {
        TDrawItem& item = f.Add(ikLineTo, 60 + i, 10 + i * 2);
        item.Color = clBlue;
        *list.Append(1000) = item;
    }
    pen.Color = clRed;
    ASSERT_TRUE(list.AppendSeries(x.data() + 3000, y.data() + 3000, 2000, pen, 1000));
    for (int i = 3000; i < 5000; ++i) f.Add(i > 3000 ? ikLineTo : ikMoveTo, x[i], y[i]).Color = clRed;
    ASSERT_EQ(list.Count(), int(f.Items.size()));
    EXPECT_EQ(list.Capacity(), 6000);
    for (int i : {0, 39, 40, 41, 3039, 3040, 3069, 3070, 3071, 5069})
        EXPECT_EQ(std::memcmp(&list[i], &f.Items[std::size_t(i)], sizeof(TDrawItem)), 0) << i;
    const QImage whole = RenderAll(f, true);
    EXPECT_EQ(DifferingPixels(RenderAll(f, false, &list), whole), 0);
    for (int cut : {1, 40, 41, 500, 3040, 3041, 3055, 3070, 3071, 4000, 5069}) {
        TBitmap first(201, 201);
        first.Canvas().FillRect(0, 0, 201, 201);
        TItemRenderState s;
        {
            TItemRenderer r(first.Canvas(), f.Setup);
            r.Begin(s);
            r.Render(list, 0, cut, s);
            r.Suspend(s);
        }
        TBitmap second(201, 201);
        second.Canvas().Draw(0, 0, first.Image());
        TItemRenderer r(second.Canvas(), f.Setup);
        r.Resume(s);
        r.Render(list, cut, list.Count(), s);
        r.End(s);
        second.Canvas().Release();
        EXPECT_EQ(DifferingPixels(second.Image(), whole), 0) << "cut after " << cut;
    }
    // taken back from the end, through the second series and into the records after the first
    for (int i = 0; i < 2010; ++i) {
        list.RemoveLast();
        f.Items.pop_back();
    }
    ASSERT_EQ(list.Count(), int(f.Items.size()));
    EXPECT_EQ(list.Series().size(), 1u);
    EXPECT_EQ(DifferingPixels(RenderAll(f, false, &list), RenderAll(f, true)), 0);
    TItemList copy;
    copy.CopyFrom(list);
    EXPECT_EQ(DifferingPixels(RenderAll(f, false, &copy), RenderAll(f, true)), 0);
    // 16 bytes a point and the index, well within 24
    TItemList big;
    std::vector<double> bx(1000000), by(1000000);
    for (int i = 0; i < 1000000; ++i) bx[std::size_t(i)] = i, by[std::size_t(i)] = i % 1000;
    ASSERT_TRUE(big.AppendSeries(bx.data(), by.data(), 1000000, pen, 1000));
    EXPECT_LE(double(big.MemoryBytes()) / big.Count(), 24.0);
    EXPECT_EQ(big.Count(), 1000000);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.Series().empty());
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
