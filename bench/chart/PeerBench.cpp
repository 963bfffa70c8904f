// QCustomPlot drawing what the energy chart draws: the same size, ranges, axis labels and title,
// the same points as 3-pixel plus-shaped scatter points, nothing antialiased, no adaptive sampling.

#include <benchmark/benchmark.h>

#include <qcustomplot.h>
#include <QImage>

#include "BenchPoints.h"

namespace {

constexpr int Width = 392;
constexpr int Height = 410;

struct TPeerPlot {
    QCustomPlot Plot;

    TPeerPlot() {
        Plot.resize(Width, Height);
        Plot.setNotAntialiasedElements(QCP::aeAll);
        Plot.xAxis->setRange(0, 500);
        Plot.yAxis->setRange(0, 500);
        Plot.xAxis->setLabel(QStringLiteral("[m]"));
        Plot.yAxis->setLabel(QStringLiteral("[kJ]"));
        Plot.plotLayout()->insertRow(0);
        Plot.plotLayout()->addElement(0, 0, new QCPTextElement(&Plot, QStringLiteral("Energy / Height")));
    }

    void AddPoints(const bench::TPoints& points) {
        QCPGraph* graph = Plot.addGraph();
        graph->setPen(QPen(Qt::black));
        graph->setLineStyle(QCPGraph::lsNone);
        graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssPlus, 3));
        graph->setAdaptiveSampling(false);
        graph->setData(QVector<double>(points.X.begin(), points.X.end()),
                       QVector<double>(points.Y.begin(), points.Y.end()));
    }
};

void Marks_QCustomPlot(benchmark::State& state) {
    TPeerPlot peer;
    peer.AddPoints(bench::MakePoints(int(state.range(0))));
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        QCPPainter painter(&image);
        peer.Plot.toPainter(&painter, Width, Height);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(Marks_QCustomPlot)
    ->Arg(100000)
    ->Arg(1000000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

void Axes_QCustomPlot(benchmark::State& state) {
    TPeerPlot peer;
    for (auto _ : state) {
        peer.Plot.replot();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Axes_QCustomPlot)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace
