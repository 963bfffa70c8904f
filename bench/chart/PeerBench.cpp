// SPDX-License-Identifier: MIT
// QCustomPlot drawing what the energy chart draws: the same size, ranges, axis labels and title,
// nothing antialiased; the marks as 3-pixel plus-shaped scatter points without adaptive sampling,
// the line series with its adaptive sampling (QCustomPlot's default, which draws fewer points
// than it holds) and without it (every point, as the energy chart draws them).

#include <benchmark/benchmark.h>

#include <qcustomplot.h>
#include <QImage>

#include "BenchPictures.h"
#include "BenchPoints.h"

namespace {

constexpr int Width = 392;
constexpr int Height = 410;

struct TPeerPlot {
    QCustomPlot Plot;

    TPeerPlot() {
        Plot.resize(Width, Height);
        // a widget that is never shown gets no resize event: the drawing area must be set here, or
        // replot() draws at the default 640 x 480
        Plot.setViewport(QRect(0, 0, Width, Height));
        Plot.setNotAntialiasedElements(QCP::aeAll);
        Plot.xAxis->setRange(0, 500);
        Plot.yAxis->setRange(0, 500);
        Plot.xAxis->setLabel(QStringLiteral("[m]"));
        Plot.yAxis->setLabel(QStringLiteral("[kJ]"));
        Plot.plotLayout()->insertRow(0);
        Plot.plotLayout()->addElement(0, 0, new QCPTextElement(&Plot, QStringLiteral("Energy / Height")));
    }

    QCPGraph* AddGraph(const bench::TPoints& points) {
        QCPGraph* graph = Plot.addGraph();
        graph->setPen(QPen(Qt::black));
        graph->setData(QVector<double>(points.X.begin(), points.X.end()),
                       QVector<double>(points.Y.begin(), points.Y.end()), true);
        return graph;
    }
    void AddMarks(int n) {
        QCPGraph* graph = AddGraph(bench::MakePoints(n));
        graph->setLineStyle(QCPGraph::lsNone);
        graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssPlus, 3));
        graph->setAdaptiveSampling(false);
    }
    void AddSeries(int n, bool sampled) {
        QCPGraph* graph = AddGraph(bench::MakeSeries(n));
        graph->setLineStyle(QCPGraph::lsLine);
        graph->setAdaptiveSampling(sampled);
    }

    // The whole plot drawn into an image of the chart's size.
    void FullRenders(benchmark::State& state, const char* picture) {
        QImage image(Width, Height, QImage::Format_RGB32);
        for (auto _ : state) {
            QCPPainter painter(&image);
            Plot.toPainter(&painter, Width, Height);
            painter.end();
            benchmark::DoNotOptimize(image.constBits());
        }
        bench::SavePicture(picture, image);
    }
    // Pan steps of 1 % of the x range, to the right and back, each replotted as a drag does.
    void PanSteps(benchmark::State& state, const char* picture) {
        double shift = 5.0;
        for (auto _ : state) {
            Plot.xAxis->moveRange(shift);
            shift = -shift;
            Plot.replot();
            benchmark::ClobberMemory();
        }
        bench::SavePicture(picture, Plot.grab().toImage());
    }
};

void Marks_QCustomPlot(benchmark::State& state) {
    TPeerPlot peer;
    peer.AddMarks(int(state.range(0)));
    peer.FullRenders(state, "marks_qcustomplot");
}
BENCHMARK(Marks_QCustomPlot)
    ->Arg(100000)
    ->Arg(1000000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

void MarksPan_QCustomPlot(benchmark::State& state) {
    TPeerPlot peer;
    peer.AddMarks(int(state.range(0)));
    peer.PanSteps(state, "marks_pan_qcustomplot");
}
BENCHMARK(MarksPan_QCustomPlot)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void Line_QCustomPlot(benchmark::State& state) {
    TPeerPlot peer;
    peer.AddSeries(int(state.range(0)), true);
    peer.FullRenders(state, "line_qcustomplot");
}
BENCHMARK(Line_QCustomPlot)
    ->Arg(100000)
    ->Arg(1000000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

void LineZoom_QCustomPlot(benchmark::State& state) {
    TPeerPlot peer;
    peer.AddSeries(int(state.range(0)), true);
    peer.Plot.xAxis->setRange(247.5, 252.5);
    peer.FullRenders(state, "line_zoom_qcustomplot");
}
BENCHMARK(LineZoom_QCustomPlot)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// Handing a graph its data of N points from two vectors, as setData does (already sorted).
void BulkAdd_QCustomPlot(benchmark::State& state) {
    TPeerPlot peer;
    const bench::TPoints points = bench::MakeSeries(int(state.range(0)));
    const QVector<double> x(points.X.begin(), points.X.end()), y(points.Y.begin(), points.Y.end());
    QCPGraph* graph = peer.Plot.addGraph();
    for (auto _ : state) {
        state.PauseTiming();
        graph->data()->clear();
        state.ResumeTiming();
        graph->setData(x, y, true);
        benchmark::DoNotOptimize(graph->dataCount());
    }
}
BENCHMARK(BulkAdd_QCustomPlot)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void LineUnsampled_QCustomPlot(benchmark::State& state) {
    TPeerPlot peer;
    peer.AddSeries(int(state.range(0)), false);
    peer.FullRenders(state, "line_unsampled_qcustomplot");
}
BENCHMARK(LineUnsampled_QCustomPlot)
    ->Arg(100000)
    ->Arg(1000000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

void LinePan_QCustomPlot(benchmark::State& state) {
    TPeerPlot peer;
    peer.AddSeries(int(state.range(0)), true);
    peer.PanSteps(state, "line_pan_qcustomplot");
}
BENCHMARK(LinePan_QCustomPlot)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void Axes_QCustomPlot(benchmark::State& state) {
    TPeerPlot peer;
    for (auto _ : state) {
        peer.Plot.replot();
        benchmark::ClobberMemory();
    }
    bench::SavePicture("axes_qcustomplot", peer.Plot.grab().toImage());
}
BENCHMARK(Axes_QCustomPlot)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace
