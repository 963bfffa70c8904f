// SPDX-License-Identifier: MIT
// ShowItems starting from the saved picture of the items that did not change: the pixels must be
// those of a full render, whatever happened to the list and the chart in between.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "ChartTestSupport.h"
#include "TCanvas.h"
#include "TItemList.h"
#include "TScaleProps.h"

using namespace charttest;

namespace {

// A chart and its twin: the same calls reach both; the twin never keeps a checkpoint (a render
// event is assigned) and is repainted in full before every comparison.
struct TTwins {
    std::unique_ptr<TPlotica> Chart = MakeChart(300, 240);
    std::unique_ptr<TPlotica> Reference = MakeChart(300, 240);

    // autoRedraw false: settings change without repainting, and ShowItems repaints the whole chart
    explicit TTwins(bool autoRedraw = true) {
        Reference->OnDataRendered = [](QObject*, TCanvas*&, int, int) {};
        Chart->SetAutoRedraw(autoRedraw);
        Reference->SetAutoRedraw(autoRedraw);
    }
    // enough marks for the chart to keep the picture of the list
    void Prefill() {
        Both([](TPlotica& c) {
            for (int i = 0; i < TPlotica::CheckpointMinItems; ++i) c.AddMark(i * 1.5, 100 - i * 1.5, 20);
        });
    }
    void Both(const std::function<void(TPlotica&)>& call) {
        call(*Chart);
        call(*Reference);
    }
    // The first pixel where the shown chart differs from a full render, or nothing.
    std::optional<QPoint> ShowAndCompare() {
        Chart->ShowItems();
        Reference->RepaintNow();
        const QImage& a = Chart->Picture();
        const QImage& b = Reference->Picture();
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) return QPoint(x, y);
        return std::nullopt;
    }
};

// A small fixed generator, so that a failing sequence can be replayed.
struct TDice {
    std::uint64_t S;
    explicit TDice(std::uint64_t seed) : S(seed) {}
    std::uint32_t Next() {
        S = S * 6364136223846793005ull + 1442695040888963407ull;
        return std::uint32_t(S >> 33);
    }
    int Below(int n) { return int(Next() % std::uint32_t(n)); }
    double Coord() { return -20.0 + 140.0 * (Next() / 4294967296.0); }  // a little beyond 0..100
};

// One random drawing call or change of the chart.
void RandomStep(TTwins& t, TDice& d) {
    const double x = d.Coord(), y = d.Coord(), x2 = d.Coord(), y2 = d.Coord();
    static const int marks[] = {1, 12, 8, 16, 3, 20, 33, 47, 65};
    static const TColor colours[] = {clBlack, clRed, clBlue, 0x84AE15, clGray};
    const int mark = marks[d.Below(9)];
    const TColor colour = colours[d.Below(5)];
    const int width = 1 + d.Below(3);
    const TPenStyle style = d.Below(3) == 0 ? psDash : psSolid;
    // every die is thrown before the calls, which reach both charts alike
    const bool coin = d.Below(2) == 0, oneInThree = d.Below(3) == 0, oneInFour = d.Below(4) == 0;
    const int few = 1 + d.Below(3), size = 8 + d.Below(6);
    switch (d.Below(22)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
            t.Both([&](TPlotica& c) {
                c.SetDataColor(colour);
                c.AddMark(x, y, mark);
            });
            break;
        case 5:
        case 6:
            t.Both([&](TPlotica& c) {
                c.SetPenStyle(style);
                c.SetLineWidth(oneInFour ? 2 : 1);
                c.LineTo(x, y);
            });
            break;
        case 7:
            t.Both([&](TPlotica& c) { c.MoveTo(x, y); });
            break;
        case 8:
            t.Both([&](TPlotica& c) {
                c.SetPenStyle(style);
                c.LineRel(x / 4, y / 4);
            });
            break;
        case 9:
            t.Both([&](TPlotica& c) { c.MoveRel(x / 8, -y / 8); });
            break;
        case 10:
            t.Both([&](TPlotica& c) {
                c.SetLineWidth(width);
                c.SetFillColor(colour);
                c.SetFillTransparent(coin);
                c.AddRectangle(x, y, x2, y2);
            });
            break;
        case 11:
            t.Both([&](TPlotica& c) {
                c.SetFillColor(clSilver);
                c.AddEllipse(x, y, 5, 8);
            });
            break;
        case 12:
            t.Both([&](TPlotica& c) { c.AddText(x, y, QStringLiteral("E = mgh"), size); });
            break;
        case 13:
            t.Both([&](TPlotica& c) { c.AddArrow(x, y, x2, y2, 6); });
            break;
        case 14:
            t.Both([&](TPlotica& c) { c.AddLine(x, y, x2, y2); });
            break;
        case 15:
        case 16:
        case 17:
            t.Both([&](TPlotica& c) {
                for (int i = 0; i < few; ++i) c.RemoveLastItem();
            });
            break;
        case 18:
            if (oneInFour) {
                t.Both([&](TPlotica& c) { c.ClearItems(); });
                if (coin) t.Prefill();
            }
            break;
        case 19:
            t.Both([&](TPlotica& c) { c.SetLayerRanges(1, 0, 80 + 10 * few, -10, 80 + 10 * few); });
            break;
        case 20:
            t.Both([&](TPlotica& c) { c.SetClassDefault(coin ? 3 : 0); });
            if (oneInThree) t.Both([&](TPlotica& c) { c.SetClassVisible(3, !c.ClassVisible(3)); });
            break;
        case 21:
            if (oneInThree) t.Both([&](TPlotica& c) { c.SetChartColor(coin ? clWhite : clInfoBk); });
            break;
    }
}

}  // namespace

TEST(Checkpoint, RandomSequencesShowWhatAFullRenderShows) {
    for (std::uint64_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        TTwins t(seed % 2 == 1);
        t.Prefill();
        TDice d(seed);
        int reused = 0;  // steps that started from a saved picture
        for (int step = 0; step < 150; ++step) {
            const int calls = 1 + d.Below(4);
            for (int i = 0; i < calls; ++i) RandomStep(t, d);
            const std::optional<QPoint> differs = t.ShowAndCompare();
            ASSERT_FALSE(differs) << "seed " << seed << ", step " << step << ": pixel " << differs->x() << ","
                                  << differs->y();
            reused += t.Chart->ItemsDrawn() < t.Chart->ItemCount();
        }
        // the saved pictures were really used
        EXPECT_GT(reused, 30) << "seed " << seed;
    }
}

TEST(Checkpoint, DragStepsDrawOnlyTheirNewItems) {
    TTwins t;
    t.Both([](TPlotica& c) {
        for (int i = 0; i < 500; ++i) c.AddMark(i % 100, (i * 7) % 100, 1);
    });
    ASSERT_FALSE(t.ShowAndCompare());
    for (int step = 0; step < 40; ++step) {
        // the main window's energy chart: the current-state mark goes, a trail mark and a new
        // current-state mark come
        const double h = step * 2.5;
        t.Both([&](TPlotica& c) {
            c.SetDataColor(step < 20 ? clBlack : clRed);
            c.RemoveLastItem();
            c.AddMark(h, h * 0.9, 1);
            c.AddMark(h, h * 0.9, 12);
        });
        ASSERT_FALSE(t.ShowAndCompare()) << "step " << step;
        if (step > 0) {
            EXPECT_EQ(t.Chart->ItemsDrawn(), 2) << "step " << step;
        }
    }
    // a change of scale repaints everything, and the next step starts from the new picture
    t.Both([](TPlotica& c) { c.SetLayerRanges(1, 0, 50, 0, 50); });
    ASSERT_FALSE(t.ShowAndCompare());
    t.Both([](TPlotica& c) {
        c.RemoveLastItem();
        c.AddMark(10, 10, 1);
        c.AddMark(10, 10, 12);
    });
    ASSERT_FALSE(t.ShowAndCompare());
    EXPECT_EQ(t.Chart->ItemsDrawn(), 2);
}

TEST(Checkpoint, LinesAndDashesGoOnAcrossTheSavedPoint) {
    // a polyline and a dashed chain of relative lines cut at every possible item
    TTwins t;
    t.Prefill();
    t.Both([](TPlotica& c) {
        c.SetPenStyle(psDash);
        c.MoveTo(5, 5);
    });
    for (int i = 1; i <= 30; ++i) {
        const bool absolute = i % 10 < 6;
        t.Both([&](TPlotica& c) {
            if (absolute) {
                c.LineTo(5 + 3 * i, 5 + (i % 4) * 20);
            } else {
                c.LineRel(7, -3);
            }
        });
        ASSERT_FALSE(t.ShowAndCompare()) << "item " << i;
    }
}

TEST(Checkpoint, ShortListsAreDrawnWhole) {
    TTwins t;
    for (int i = 0; i < TPlotica::CheckpointMinItems - 1; ++i) {
        t.Both([&](TPlotica& c) {
            c.RemoveLastItem();
            c.AddMark(i, i, 1);
            c.AddMark(i, i, 12);
        });
        ASSERT_FALSE(t.ShowAndCompare());
        EXPECT_EQ(t.Chart->ItemsDrawn(), t.Chart->ItemCount());
    }
    t.Both([](TPlotica& c) { c.AddMark(50, 50, 12); });
    ASSERT_FALSE(t.ShowAndCompare());
    EXPECT_EQ(t.Chart->ItemsDrawn(), t.Chart->ItemCount());  // the picture is saved here
    t.Both([](TPlotica& c) { c.AddMark(60, 60, 12); });
    ASSERT_FALSE(t.ShowAndCompare());
    EXPECT_EQ(t.Chart->ItemsDrawn(), 2);  // and used from now on
}

TEST(Checkpoint, RenderEventsSeeEveryPassFromTheStart) {
    auto chart = MakeChart(300, 240);
    for (int i = 0; i < 100; ++i) chart->AddMark(i, 50, 8);
    chart->ShowItems();
    // once a handler is assigned, the pass draws every item onto the plain background again
    int before = 0;
    int clean = 0;
    chart->OnBeforeRenderData = [&](QObject*, TCanvas*& canvas, int, int) {
        ++before;
        const QImage* image = canvas->Target();
        bool blank = true;
        for (int y = 1; y < image->height() - 1 && blank; ++y)
            for (int x = 1; x < image->width() - 1; ++x)
                if (image->pixel(x, y) != ColorToRgb(chart->ChartColor())) {
                    blank = false;
                    break;
                }
        clean += blank;
    };
    for (int step = 0; step < 3; ++step) {
        chart->RemoveLastItem();
        chart->AddMark(step, step, 8);
        chart->AddMark(step, step, 12);
        chart->ShowItems();
        EXPECT_EQ(chart->ItemsDrawn(), chart->ItemCount());
    }
    EXPECT_EQ(before, 3);
    EXPECT_EQ(clean, 3);
}

TEST(Checkpoint, SharedListsAreNotTakenFromAPicture) {
    auto source = MakeChart(300, 240);
    auto user = MakeChart(300, 240);
    for (int i = 0; i < 100; ++i) source->AddMark(i, 30, 8);
    source->ShowItems();
    user->SetUseDataOf(source.get());
    // the user of the data clears and refills the shared list, longer than before; the source
    // must not trust its picture
    user->ClearItems();
    for (int i = 0; i < 150; ++i) user->AddMark(i * 0.5, 60, 8);
    user->SetUseDataOf(nullptr);
    source->ShowItems();
    const QPoint old = source->WorldToPixel(1, 50, 30), now = source->WorldToPixel(1, 50, 60);
    EXPECT_EQ(PixelOf(*source, old.x(), old.y()), source->ChartColor());
    EXPECT_EQ(PixelOf(*source, now.x(), now.y()), clBlack);
}

TEST(ItemListTracking, RemovalsClearsAndWritesLowerTheUnchangedPrefix) {
    TItemList list;
    for (int i = 0; i < 10; ++i) list.Append(100);
    EXPECT_EQ(list.UnchangedPrefix(), 0);  // nothing was marked yet
    list.MarkUnchanged();
    EXPECT_EQ(list.UnchangedPrefix(), 10);
    list.RemoveLast();
    list.RemoveLast();
    list.Append(100);
    list.Append(100);
    list.Append(100);
    EXPECT_EQ(list.UnchangedPrefix(), 8);  // re-added records are new ones
    list[5].X1 = 1;
    EXPECT_EQ(list.UnchangedPrefix(), 5);
    const TItemList& reading = list;
    (void)reading[2];
    EXPECT_EQ(list.UnchangedPrefix(), 5);
    list.MarkUnchanged();
    list.Clear();
    EXPECT_EQ(list.UnchangedPrefix(), 0);
}
