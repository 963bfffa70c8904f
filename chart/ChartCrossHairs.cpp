// SPDX-License-Identifier: MIT
#include "ChartCrossHairs.h"

#include <algorithm>

#include "TCanvas.h"
#include "TCrossHair.h"

TCrossHairsPart::TCrossHairsPart(const std::array<TCrossHair*, PloticaCrossHairCount + 1>& crossHairs)
    : FCrossHairs(crossHairs) {}

QPoint TCrossHairsPart::Pixel(const TChartView& view, int n) const {
    const TCrossHair& ch = *FCrossHairs[n];
    return view.WorldToPixel(ch.Layer(), ch.PosX(), ch.PosY());
}

bool TCrossHairsPart::HorizontalLine(const TChartView& view, int n, QPoint& from, QPoint& to) const {
    const TCrossHair& ch = *FCrossHairs[n];
    if (ch.Mode() != chHoriz && ch.Mode() != chBoth) return false;
    const int py = Pixel(view, n).y(), d = ch.LineWid() / 2;
    if (!(view.MarginTop + d < py && py < view.DataBottom() - d)) return false;
    from = QPoint(view.MarginLeft + d + 1, py);
    to = QPoint(view.DataRight() - d, py);
    return true;
}

bool TCrossHairsPart::VerticalLine(const TChartView& view, int n, QPoint& from, QPoint& to) const {
    const TCrossHair& ch = *FCrossHairs[n];
    if (ch.Mode() != chVert && ch.Mode() != chBoth) return false;
    const int px = Pixel(view, n).x(), d = ch.LineWid() / 2;
    if (!(view.MarginLeft + d < px && px < view.DataRight() - d)) return false;
    from = QPoint(px, view.MarginTop + d + 1);
    to = QPoint(px, view.DataBottom() - d);
    return true;
}

void TCrossHairsPart::Render(TCanvas& c, const TChartView& view) {
    const TCanvasPen saved = c.Pen;
    for (int n = 1; n <= PloticaCrossHairCount; ++n) {
        const TCrossHair& ch = *FCrossHairs[n];
        if (ch.Mode() == chOff) continue;
        c.Pen = TCanvasPen{ch.Color(), std::max(ch.LineWid(), 1), ch.LineType(), pmCopy};
        QPoint from, to;
        for (const bool horizontal : {true, false}) {
            if (!(horizontal ? HorizontalLine(view, n, from, to) : VerticalLine(view, n, from, to))) continue;
            from = view.OnCanvas(from);
            to = view.OnCanvas(to);
            c.MoveTo(from.x(), from.y());
            c.LineTo(to.x(), to.y());
        }
    }
    c.Pen = saved;
}

// on a line: within half its width across it, between its ends along it (a wide pen's round
// caps reach half its width beyond them; a thin line leaves its end point)
bool TCrossHairsPart::Contains(const TChartView& view, QPoint p) const {
    for (int n = 1; n <= PloticaCrossHairCount; ++n) {
        const int half = std::max(FCrossHairs[n]->LineWid(), 1) / 2;
        const auto along = [half](int v, int from, int to) {
            return half == 0 ? v >= from && v < to : v >= from - half && v <= to + half;
        };
        QPoint from, to;
        if (HorizontalLine(view, n, from, to) && std::abs(p.y() - from.y()) <= half &&
            along(p.x(), from.x(), to.x()))
            return true;
        if (VerticalLine(view, n, from, to) && std::abs(p.x() - from.x()) <= half &&
            along(p.y(), from.y(), to.y()))
            return true;
    }
    return false;
}
