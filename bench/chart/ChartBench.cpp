// The energy chart measured: a full render holding many marks, a repaint with an empty list
// (frame, axes, ticks and texts), adding items, and the memory a display list takes per item.
// PeerBench.cpp measures the same pictures drawn by QCustomPlot.

#include <benchmark/benchmark.h>
#include <malloc.h>

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
BENCHMARK(Marks_Gravilo)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Full repaint with an empty list: frame, caption, both axes with their ticks and texts.
void Axes_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    for (auto _ : state) {
        chart->RepaintNow();
        benchmark::DoNotOptimize(chart->Picture().constBits());
    }
}
BENCHMARK(Axes_Gravilo)->Unit(benchmark::kMicrosecond);

// Adding N marks to an emptied list, growth of the storage included.
void Add_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    const bench::TPoints points = bench::MakePoints(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        chart->ClearItems();
        state.ResumeTiming();
        for (std::size_t i = 0; i < points.X.size(); ++i) chart->AddMark(points.X[i], points.Y[i], 1);
        benchmark::DoNotOptimize(chart->ItemCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Add_Gravilo)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// What the heap holds, small blocks and mapped ones alike.
std::size_t HeapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// The heap a display list of N marks really takes, per item.
void Memory_Gravilo(benchmark::State& state) {
    const int n = int(state.range(0));
    const bench::TPoints points = bench::MakePoints(n);
    double perItem = 0;
    for (auto _ : state) {
        bench::TEnergyChart chart;
        const std::size_t before = HeapInUse();
        for (int i = 0; i < n; ++i) chart->AddMark(points.X[std::size_t(i)], points.Y[std::size_t(i)], 1);
        const std::size_t after = HeapInUse();
        perItem = double(after - before) / n;
    }
    state.counters["bytes_per_item"] = perItem;
}
BENCHMARK(Memory_Gravilo)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
