// SPDX-License-Identifier: MIT
#include "ChartPolygon.h"

#include <algorithm>

#include "TCanvas.h"

namespace {

// even-odd test of an integer point; points on the outline may go either way (the pen covers them)
bool Inside(std::span<const QPoint> pts, int px, int py) {
    bool inside = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        const QPoint a = pts[i], b = pts[j];
        if ((a.y() > py) == (b.y() > py)) continue;
        const double xi = a.x() + double(py - a.y()) * (b.x() - a.x()) / double(b.y() - a.y());
        if (px < xi) inside = !inside;
    }
    return inside;
}

}  // namespace

void DrawPolygon(TCanvas& c, std::span<const QPoint> pts) {
    if (pts.size() < 2) return;
    if (c.Pen.Width > 1 || c.Pen.Mode != pmCopy || c.Vector()) {
        c.Polygon(pts);
        return;
    }
    if (c.Brush.Style == bsSolid) {
        int left = pts[0].x(), right = left, top = pts[0].y(), bottom = top;
        for (const QPoint& p : pts) {
            left = std::min(left, p.x()), right = std::max(right, p.x());
            top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
        }
        const QRect clip = c.ClipRect().intersected(QRect(QPoint(left, top), QPoint(right, bottom)));
        const QRgb rgb = ColorToRgb(c.Brush.Color) | 0xFF000000u;
        for (int y = clip.top(); y <= clip.bottom(); ++y) {
            if (c.Scaled()) {
                for (int x = clip.left(); x <= clip.right(); ++x)
                    if (Inside(pts, x, y)) c.BlendPixelRaw(x, y, rgb, pmCopy);
                continue;
            }
            QRgb* line = c.ScanLine(y);
            for (int x = clip.left(); x <= clip.right(); ++x)
                if (Inside(pts, x, y)) line[x] = rgb;
        }
    }
    const QPoint saved = c.PenPos();
    c.MoveTo(pts[0].x(), pts[0].y());
    for (std::size_t i = 1; i < pts.size(); ++i) c.LineTo(pts[i].x(), pts[i].y());
    c.LineTo(pts[0].x(), pts[0].y());
    c.MoveTo(saved.x(), saved.y());
}
