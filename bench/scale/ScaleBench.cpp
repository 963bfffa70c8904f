// SPDX-License-Identifier: MIT
// Painting an axis the way the chart does: embedded, onto the chart's 392 x 410 picture, every
// time the chart renders. The chart paints 32 of them per frame (most invisible), so one visible
// axis must cost a small fraction of a frame.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "DateTime.h"
#include "TBitmap.h"
#include "TScale.h"

namespace {

struct TChartAxis {
    explicit TChartAxis(TScaleType type, bool transparent) : Picture(392, 410) {
        Scale.SetEmbedded(true);
        Scale.SetPaintSuppressed(true);
        Scale.SetTargetCanvas(&Picture.Canvas(), 0, 0);
        Scale.SetBounds(0, 0, 392, 410);
        Scale.SetTransparent(transparent);
        Scale.SetFrameStyle(fsNone);
        Scale.SetScaleType(type);
        Scale.SetRangeLow(0);
        Scale.SetRangeHigh(500);
        Scale.SetCaption("[m]");
    }
    TBitmap Picture;
    TScale Scale;
};

void Run(benchmark::State& state, TChartAxis& axis) {
    for (auto _ : state) {
        axis.Scale.RenderNow();
        benchmark::DoNotOptimize(axis.Picture.Canvas().Target());
    }
    state.counters["ticks"] = axis.Scale.NumTicks();
}

void RenderNowHorizontal(benchmark::State& state) {
    TChartAxis axis(sctXB, true);
    Run(state, axis);
}
BENCHMARK(RenderNowHorizontal);

void RenderNowVertical(benchmark::State& state) {
    TChartAxis axis(sctYL, true);
    Run(state, axis);
}
BENCHMARK(RenderNowVertical);

void RenderNowOpaque(benchmark::State& state) {
    TChartAxis axis(sctXB, false);
    Run(state, axis);
}
BENCHMARK(RenderNowOpaque);

void RenderNowCalendarHours(benchmark::State& state) {
    TChartAxis axis(sctXB, true);
    const double day = Vexa::EncodeDate(2024, 3, 5);
    axis.Scale.SetLabelType(ftDateTime);
    axis.Scale.SetRangeHigh(day + 2);
    axis.Scale.SetRangeLow(day);
    Run(state, axis);
}
BENCHMARK(RenderNowCalendarHours);

void RenderNowLogarithmic(benchmark::State& state) {
    TChartAxis axis(sctYL, true);
    axis.Scale.SetRangeLow(0.001);
    axis.Scale.SetRangeHigh(1000);
    axis.Scale.SetLogarithmic(true);
    axis.Scale.SetMinTicks(10);
    Run(state, axis);
}
BENCHMARK(RenderNowLogarithmic);

// A suppressed, invisible axis: what the chart's 30 hidden axes cost per frame.
void RenderNowInvisible(benchmark::State& state) {
    TChartAxis axis(sctXB, true);
    axis.Scale.SetVisible(false);
    Run(state, axis);
}
BENCHMARK(RenderNowInvisible);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
