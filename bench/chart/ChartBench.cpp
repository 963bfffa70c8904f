// SPDX-License-Identifier: MIT
// The energy chart measured: a full render holding many marks or a long line series, a pan step
// (the x range moved by 1 % and the chart painted again), and a repaint with an empty list (frame,
// axes, ticks and texts). PeerBench.cpp measures the same pictures drawn by QCustomPlot. Both sides
// count the processor time of the whole process, helper threads included.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include "BenchPictures.h"
#include "BenchPoints.h"
#include "EnergyChart.h"

namespace {

// N marks of number 1 (the 3 x 3 cross).
void AddMarks(bench::TEnergyChart& chart, int n) {
    const bench::TPoints points = bench::MakePoints(n);
    for (std::size_t i = 0; i < points.X.size(); ++i) chart->AddMark(points.X[i], points.Y[i], 1);
}

// A line series of N points: one MoveTo and N - 1 LineTo.
void AddSeries(bench::TEnergyChart& chart, int n) {
    const bench::TPoints points = bench::MakeSeries(n);
    chart->MoveTo(points.X[0], points.Y[0]);
    for (std::size_t i = 1; i < points.X.size(); ++i) chart->LineTo(points.X[i], points.Y[i]);
}

// The same series as one compact polyline (TCustomPlotica::AddPolyline).
void AddBulkSeries(bench::TEnergyChart& chart, const bench::TPoints& points) {
    chart->AddPolyline(points.X.data(), points.Y.data(), int(points.X.size()));
}

void FullRenders(bench::TEnergyChart& chart, benchmark::State& state, const char* picture) {
    for (auto _ : state) {
        chart->RepaintNow();
        benchmark::DoNotOptimize(chart->Picture().constBits());
    }
    bench::SavePicture(picture, chart->Picture());
}

// Pan steps of 1 % of the x range, to the right and back, each painting the whole chart.
void PanSteps(bench::TEnergyChart& chart, benchmark::State& state, const char* picture) {
    double shift = 5.0;
    for (auto _ : state) {
        chart->SetLayerRanges(1, shift, 500.0 + shift, 0.0, 500.0);
        shift = 5.0 - shift;
        benchmark::DoNotOptimize(chart->Picture().constBits());
    }
    bench::SavePicture(picture, chart->Picture());
}

void Marks_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    AddMarks(chart, int(state.range(0)));
    FullRenders(chart, state, "marks_gravilo");
}
BENCHMARK(Marks_Gravilo)->Arg(100000)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void MarksPan_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    AddMarks(chart, int(state.range(0)));
    PanSteps(chart, state, "marks_pan_gravilo");
}
BENCHMARK(MarksPan_Gravilo)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void Line_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    AddSeries(chart, int(state.range(0)));
    FullRenders(chart, state, "line_gravilo");
}
BENCHMARK(Line_Gravilo)->Arg(100000)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void LinePan_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    AddSeries(chart, int(state.range(0)));
    PanSteps(chart, state, "line_pan_gravilo");
}
BENCHMARK(LinePan_Gravilo)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// The x range narrowed 100 times about the middle: 1 % of the points are in view, blocks of the
// index span columns there, the rest lie outside on either side.
void LineZoom_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    AddSeries(chart, int(state.range(0)));
    chart->SetLayerRanges(1, 247.5, 252.5, 0.0, 500.0);
    FullRenders(chart, state, "line_zoom_gravilo");
}
BENCHMARK(LineZoom_Gravilo)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// The series as one compact polyline: a full render, and its adding into an emptied list.
void BulkLine_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    AddBulkSeries(chart, bench::MakeSeries(int(state.range(0))));
    FullRenders(chart, state, "bulk_line_gravilo");
}
BENCHMARK(BulkLine_Gravilo)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BulkAdd_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    const bench::TPoints points = bench::MakeSeries(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        chart->ClearItems();
        state.ResumeTiming();
        AddBulkSeries(chart, points);
        benchmark::DoNotOptimize(chart->ItemCount());
    }
}
BENCHMARK(BulkAdd_Gravilo)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// The heap the compact series takes per point, index included, after a render.
void BulkMemory_Gravilo(benchmark::State& state) {
    const int n = int(state.range(0));
    const bench::TPoints points = bench::MakeSeries(n);
    double perPoint = 0;
    for (auto _ : state) {
        bench::TEnergyChart chart;
        chart->RepaintNow();
        const struct mallinfo2 before = mallinfo2();
        AddBulkSeries(chart, points);
        chart->RepaintNow();
        const struct mallinfo2 after = mallinfo2();
        perPoint = double((after.uordblks + after.hblkhd) - (before.uordblks + before.hblkhd)) / n;
    }
    state.counters["bytes_per_point"] = perPoint;
}
BENCHMARK(BulkMemory_Gravilo)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Full repaint with an empty list: frame, caption, both axes with their ticks and texts.
void Axes_Gravilo(benchmark::State& state) {
    bench::TEnergyChart chart;
    FullRenders(chart, state, "axes_gravilo");
}
BENCHMARK(Axes_Gravilo)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace
