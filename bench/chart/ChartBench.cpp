// The energy chart measured: a full render holding many marks, and a repaint with an empty list
// (frame, axes, ticks and texts). PeerBench.cpp measures the same pictures drawn by QCustomPlot.
// Both sides count the processor time of the whole process, helper threads included.

#include <benchmark/benchmark.h>

#include "BenchPoints.h"
#include "EnergyChart.h"

namespace {

// Full render of the energy chart holding N marks of number 1 (the 3 x 3 cross).
void Marks_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    const bench::TPoints points = bench::MakePoints(int(state.range(0)));
    for (std::size_t i = 0; i < points.X.size(); ++i) chart->AddMark(points.X[i], points.Y[i], 1);
    for (auto _ : state) {
        chart->RepaintNow();
        benchmark::DoNotOptimize(chart->Picture().constBits());
    }
}
BENCHMARK(Marks_Gravilo)->Arg(100000)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// Full repaint with an empty list: frame, caption, both axes with their ticks and texts.
void Axes_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    for (auto _ : state) {
        chart->RepaintNow();
        benchmark::DoNotOptimize(chart->Picture().constBits());
    }
}
BENCHMARK(Axes_Gravilo)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace
