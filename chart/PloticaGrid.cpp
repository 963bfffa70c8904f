// The grid of the data area, in the axes of the current layer: explicit steps, logarithmic
// decades (1-2-5 and 1..9 steps), or the tick values of the layer's axis control.

#include <algorithm>
#include <cmath>
#include <vector>

#include "PloticaAxes.h"
#include "TCanvas.h"
#include "TCustomPlotica.h"
#include "TScaleProps.h"

namespace {

constexpr int MaxGridLines = 1000;  // a tiny step must not hang the paint

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
    for (std::size_t k = 2; g < hi && values.size() < MaxGridLines; ++k) {
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

void TCustomPlotica::RenderGrid(TCanvas& c) {
    const int layer = FCurrentLayer;
    const TScaleProps& ax = *ScalePropsX(layer);
    const TScaleProps& ay = *ScalePropsY(layer);
    const bool wantX = FGridStyle != gsHorizLines && FGridStyle != gsHorizDotLines;
    const bool wantY = FGridStyle != gsVertLines && FGridStyle != gsVertDotLines;
    std::vector<double> xs, ys;
    if (wantX)
        xs = GridValues(ax, FGridDx, FGridDx == 0 ? FAxes->TickValues(layer, true) : std::vector<double>{});
    if (wantY)
        ys = GridValues(ay, FGridDy, FGridDy == 0 ? FAxes->TickValues(layer, false) : std::vector<double>{});
    const TLayerMapping& m = LayerMapping(layer);
    auto px = [&](double v) { return std::clamp(m.X.ToPixel(v), -30000, 30000) - FMarginLeft; };
    auto py = [&](double v) { return std::clamp(m.Y.ToPixel(v), -30000, 30000) - FMarginTop; };
    c.Pen = TCanvasPen{FGridColor, 1, psSolid, pmCopy};
    if (FGridStyle == gsPoints) {
        int count = 0;
        for (double x : xs)
            for (double y : ys) {
                if (count++ >= MaxGridLines) return;
                c.SetPixel(px(x), py(y), FGridColor);
            }
        return;
    }
    const bool dotted =
        FGridStyle == gsVertDotLines || FGridStyle == gsHorizDotLines || FGridStyle == gsDotLines;
    if (dotted) c.Pen.Style = psDot;
    const int yLow = py(ay.RangeLow()), yHigh = py(ay.RangeHigh());
    const int xLow = px(ax.RangeLow()), xHigh = px(ax.RangeHigh());
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
