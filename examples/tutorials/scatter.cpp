// SPDX-License-Identifier: MIT
// Tutorial: a scatter of 100 000 points on a logarithmic axis, with a legend. The decay of many
// samples spans six powers of ten: a logarithmic y axis shows them evenly. Each point is a mark
// (a small cross), the trend a line; the legend is two of the chart's text labels, fixed in the
// data area's corner in the colours of what they name.
//
//   tutorial_scatter                    shows the window
//   tutorial_scatter --shot FILE.png    saves the window and ends

#include <QApplication>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

#include "TPlotica.h"
#include "TTextLabel.h"

namespace {

constexpr int Points = 100000;

// a legend line: a label fixed in pixels, in the colour of what it names
void Legend(TPlotica& chart, int n, int y, const QString& text, TColor colour) {
    TTextLabel* label = chart.TextLabel(n);
    label->SetAttachToData(tlamNone);  // pixels of the chart, not values
    label->SetPosX(300);
    label->SetPosY(y);
    label->SetCaption(text);
    label->Font()->SetColor(colour);
    label->SetVisible(true);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TPlotica chart;
    chart.resize(480, 360);
    chart.SetCaption(QStringLiteral("decay of 100 000 samples"));
    chart.Scale1X()->SetRangeLow(0);
    chart.Scale1X()->SetRangeHigh(14);
    // the range first, then the logarithmic switch: a logarithmic axis takes only ends above zero
    chart.Scale1Y()->SetRangeLow(1e-3);
    chart.Scale1Y()->SetRangeHigh(1e3);
    chart.Scale1Y()->SetLogarithmic(true);

    // the samples: y falls by a power of ten every two units of x, scattered around it
    QRandomGenerator random(7);
    const TColor samples = QColorToColor(QColor(0, 110, 180));
    chart.SetDataColor(samples);
    for (int i = 0; i < Points; ++i) {
        const double x = random.bounded(14.0);
        // about a third of a power of ten either side (a sum of four uniform numbers is close to normal)
        double spread = -2;
        for (int k = 0; k < 4; ++k) spread += random.bounded(1.0);
        const double y = 1e3 * std::pow(10.0, -x / 2 + 0.6 * spread);
        chart.AddMark(x, y, 1);
    }
    const TColor trend = clRed;
    chart.SetDataColor(trend);
    chart.SetLineWidth(2);
    chart.MoveTo(0, 1e3);
    chart.LineTo(14, 1e3 * std::pow(10.0, -7.0));

    Legend(chart, 1, 40, QStringLiteral("+ samples (100 000)"), samples);
    Legend(chart, 2, 62, QStringLiteral("— trend: 10^(3 − x/2)"), trend);
    chart.ShowItems();  // nothing shows before: add many, show once

    chart.show();
    if (argc == 3 && QByteArray(argv[1]) == "--shot") {
        const bool saved = chart.grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
        if (!saved) std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return saved && chart.ItemCount() == Points + 2 && chart.Scale1Y()->Logarithmic() ? 0 : 1;
    }
    return app.exec();
}
