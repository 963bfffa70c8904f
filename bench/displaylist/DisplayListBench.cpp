// SPDX-License-Identifier: MIT
// Adding items to the energy chart's display list, and the memory the list takes per item.
//
// Every fill gets its storage fresh from the system, as the first fill of a new chart does: the C
// library would otherwise serve lists below 32 MB from heap memory an earlier fill left behind
// (already mapped, in the cache), and lists above from new pages, which compares warm memory with
// cold. Fixing its threshold for mapped blocks at its starting value makes every size alike.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include "BenchPoints.h"
#include "EnergyChart.h"

namespace {

void FreshStorageForEveryFill() {
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

// Adding N marks to an emptied list, growth of the storage included.
void Add_Gravilo(benchmark::State& state) {
    FreshStorageForEveryFill();
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
BENCHMARK(Add_Gravilo)->Arg(100000)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// What the heap holds, small blocks and mapped ones alike.
std::size_t HeapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// The heap a display list of N marks really takes, per item.
void Memory_Gravilo(benchmark::State& state) {
    FreshStorageForEveryFill();
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
