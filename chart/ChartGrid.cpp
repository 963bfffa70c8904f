// SPDX-License-Identifier: MIT
#include "ChartGrid.h"

#include <algorithm>
#include <cmath>

#include "PloticaAxes.h"
#include "TCanvas.h"
#include "TScaleProps.h"

namespace {

// decade m and leading digit t of a positive value; a logarithm within 1e-14 of an integer is
// taken as that integer, so that 100 is not 99.999...
void DecadeOf(double g, double& m, double& t) {
    double lg = std::log10(g);
    const double nearest = std::round(lg);
    if (std::fabs(lg - nearest) < 1e-14) lg = nearest;
    m = std::floor(lg);
    t = std::nearbyint(std::pow(10.0, lg - m));
}

std::vector<double> GridValues(const TScaleProps& axis, double d, const std::vector<double>& ticks) {
    std::vector<double> values;
    const double lo = std::min(axis.RangeLow(), axis.RangeHigh());
    const double hi = std::max(axis.RangeLow(), axis.RangeHigh());
    const bool log = axis.Logarithmic();
    if (log && !(lo > 0)) return values;
    double g;
    if (d > 0 || (d < 0 && !log)) {
        g = std::ceil(lo / d) * d;
    } else if (d == 0) {
        g = ticks.empty() ? lo : ticks[0];
    } else if (d == -1) {
        g = std::pow(10.0, std::ceil(std::log10(lo)));
    } else if (d == -2 || d == -3) {
        const double m = std::floor(std::log10(lo));
        const double t = std::nearbyint(std::pow(10.0, std::log10(lo) - m));
        if (d == -3)
            g = std::pow(10.0, m) * t;
        else
            g = std::pow(10.0, m) * (t <= 2 ? 2 : t <= 5 ? 5 : 10);
    } else {
        g = lo;
    }
    for (std::size_t k = 2; g < hi && values.size() < TGridPart::MaxLines; ++k) {
        values.push_back(g);
        double next;
        if (d == 0) {
            next = k <= ticks.size() ? ticks[k - 1] : hi;
        } else if (d > 0 || !log) {
            next = g + std::fabs(d);
        } else if (d == -1) {
            next = g * 10;
        } else {
            double m, t;
            DecadeOf(g, m, t);
            const double p = std::pow(10.0, m);
            if (d == -2)
                next = p * (t == 1 ? 2 : t == 2 ? 5 : 10);
            else
                next = p * (t + 1);
        }
        if (!(next > g) && d != 0) break;  // no progress (a step below the resolution)
        g = next;
    }
    return values;
}

}  // namespace

void TGridPart::Values(const TChartView& view, std::vector<double>& xs, std::vector<double>& ys) const {
    const int layer = view.CurrentLayer;
    if (Style != gsHorizLines && Style != gsHorizDotLines)
        xs =
            GridValues(*view.AxisX, Dx, Dx == 0 ? view.Axes->TickValues(layer, true) : std::vector<double>{});
    if (Style != gsVertLines && Style != gsVertDotLines)
        ys = GridValues(*view.AxisY, Dy,
                        Dy == 0 ? view.Axes->TickValues(layer, false) : std::vector<double>{});
}

void TGridPart::Render(TCanvas& c, const TChartView& view) {
    if (Style == gsNone) return;
    std::vector<double> xs, ys;
    Values(view, xs, ys);
    const TLayerMapping& m = view.Layers[view.CurrentLayer];
    auto px = [&](double v) { return std::clamp(m.X.ToPixel(v), -30000, 30000) - view.Origin.x(); };
    auto py = [&](double v) { return std::clamp(m.Y.ToPixel(v), -30000, 30000) - view.Origin.y(); };
    c.Pen = TCanvasPen{Color, 1, psSolid, pmCopy};
    if (Style == gsPoints) {
        int count = 0;
        for (double x : xs)
            for (double y : ys) {
                if (count++ >= MaxLines) return;
                c.SetPixel(px(x), py(y), Color);
            }
        return;
    }
    const bool dotted = Style == gsVertDotLines || Style == gsHorizDotLines || Style == gsDotLines;
    if (dotted) c.Pen.Style = psDot;
    const int yLow = py(view.AxisY->RangeLow()), yHigh = py(view.AxisY->RangeHigh());
    const int xLow = px(view.AxisX->RangeLow()), xHigh = px(view.AxisX->RangeHigh());
    for (double x : xs) {
        c.MoveTo(px(x), yLow);
        c.LineTo(px(x), yHigh);
    }
    for (double y : ys) {
        c.MoveTo(xLow, py(y));
        c.LineTo(xHigh, py(y));
    }
    c.Pen.Style = psSolid;
}

// on a grid line (or point) inside the data area
bool TGridPart::Contains(const TChartView& view, QPoint p) const {
    if (Style == gsNone || !view.InDataArea(p)) return false;
    std::vector<double> xs, ys;
    Values(view, xs, ys);
    const TLayerMapping& m = view.Layers[view.CurrentLayer];
    const bool onX = std::any_of(xs.begin(), xs.end(), [&](double x) { return m.X.ToPixel(x) == p.x(); });
    const bool onY = std::any_of(ys.begin(), ys.end(), [&](double y) { return m.Y.ToPixel(y) == p.y(); });
    return Style == gsPoints ? onX && onY : onX || onY;
}
