// SPDX-License-Identifier: MIT
// One-pixel lines of the canvas: the general pixel loop (dash patterns, exclusive-or), and the
// paths for a solid pen in copy mode, which draw the very same pixels with less work: a line
// whose set-up is done once, and a polyline that draws each pixel column its points stay in as
// one vertical run.

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cwchar>

#include "CanvasDashes.h"
#include "TCanvas.h"

namespace {

bool PatternOn(std::span<const int> pattern, int phase) {
    int period = 0;
    for (int p : pattern) period += p;
    int pos = phase % period;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pos < pattern[i]) return i % 2 == 0;
        pos -= pattern[i];
    }
    return true;
}

// Fills n pixels with one value. The C library's wide-character fill is a vectorised 32-bit fill
// on every platform where wchar_t has 32 bits, whatever the optimisation level of this file.
void FillPixels(QRgb* p, int n, QRgb value) {
    if constexpr (sizeof(wchar_t) == sizeof(QRgb))
        std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(value), std::size_t(n));
    else
        std::fill(p, p + n, value);
}

// How far a solid line from (x0, y0) to (x1, y1) moves the dash pattern on: a pixel per step, but
// a horizontal line, filled as one span, leaves it where it was.
int PhaseAdvance(int x0, int y0, int x1, int y1) {
    return y0 == y1 ? 0 : std::max(std::abs(x1 - x0), std::abs(y1 - y0));
}

// Whether the run of points ends where it already stood before its last stay there.
bool Revisited(std::span<const QPoint> run) {
    const int last = run.back().y();
    std::size_t stay = run.size() - 1;
    while (stay > 0 && run[stay - 1].y() == last) --stay;
    return std::any_of(run.begin(), run.begin() + std::ptrdiff_t(stay),
                       [last](QPoint p) { return p.y() == last; });
}

}  // namespace

bool TCanvas::SolidCopyPen() const {
    return !GeneralLines && Pen.Mode == pmCopy && Pen.Style != psClear && DashPattern(Pen.Style).empty();
}

void TCanvas::PlotSpan(const TRows& rows, int x0, int x1, int y, QRgb rgb, TPenMode mode) {
    const QRect& clip = rows.Clip;
    if (y < clip.top() || y > clip.bottom()) return;
    x0 = std::max(x0, clip.left());
    x1 = std::min(x1, clip.right());
    if (x0 > x1) return;
    if (Scaled()) {
        FillDevice(rows, QRect(QPoint(x0, y), QPoint(x1, y)), rgb, mode);
        return;
    }
    QRgb* line = rows.Line(y);
    if (mode == pmXor) {
        const QRgb x = rgb & 0x00FFFFFFu;
        for (int i = x0; i <= x1; ++i) line[i] ^= x;
    } else {
        FillPixels(line + x0, x1 - x0 + 1, rgb | 0xFF000000u);
    }
}

void TCanvas::FillRows(const QRect& r, QRgb rgb, TPenMode mode) {
    if (Vector()) return VectorFill(r, rgb, mode);
    const TRows rows = Rows();
    const int top = std::max(r.top(), rows.Clip.top()), bottom = std::min(r.bottom(), rows.Clip.bottom());
    for (int y = top; y <= bottom; ++y) PlotSpan(rows, r.left(), r.right(), y, rgb, mode);
}

// A line from (x0, y0) towards (x1, y1), the end point left out.
void TCanvas::PlotLine(int x0, int y0, int x1, int y1) {
    if (Pen.Style == psClear || !FTarget || FTarget->isNull()) return;
    const TRows rows = Rows();
    if (SolidCopyPen() && !Scaled()) {
        PlotSolidLine(rows, PenRgb() | 0xFF000000u, x0, y0, x1, y1);
        FStylePhase += PhaseAdvance(x0, y0, x1, y1);
        return;
    }
    PlotStyledLine(rows, x0, y0, x1, y1);
}

// Bresenham for every pen: the dash pattern and the pen mode are looked at for every pixel.
void TCanvas::PlotStyledLine(const TRows& rows, int x0, int y0, int x1, int y1) {
    const QRect& clip = rows.Clip;
    const QRgb rgb = PenRgb();
    const std::span<const int> pattern = DashPattern(Pen.Style);
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const int n = std::max(dx, dy);
    if (pattern.empty() && Pen.Mode == pmCopy && dy == 0 && n > 0) {
        PlotSpan(rows, std::min(x0, x1 - sx), std::max(x0, x1 - sx), y0, rgb, pmCopy);
        return;
    }
    const bool exclusive = Pen.Mode == pmXor, scaled = Scaled();
    const QRgb xorBits = rgb & 0x00FFFFFFu, copyBits = rgb | 0xFF000000u;
    const int left = clip.left(), right = clip.right(), top = clip.top(), bottom = clip.bottom();
    int err = (dx > dy ? dx : -dy) / 2;
    int x = x0, y = y0;
    for (int i = 0; i < n; ++i) {
        const bool on = pattern.empty() || PatternOn(pattern, FStylePhase);
        ++FStylePhase;
        if (on && x >= left && x <= right && y >= top && y <= bottom) {
            if (scaled) {
                FillDevice(rows, QRect(x, y, 1, 1), rgb, Pen.Mode);
            } else {
                QRgb& pixel = rows.Line(y)[x];
                pixel = exclusive ? pixel ^ xorBits : copyBits;
            }
        }
        const int e2 = err;
        if (e2 > -dx) {
            err -= dy;
            x += sx;
        }
        if (e2 < dy) {
            err += dx;
            y += sy;
        }
    }
}

// The same Bresenham steps for a solid pen in copy mode: a line inside the clip writes every
// pixel unchecked, one that leaves it stops there, one wholly outside costs nothing.
void TCanvas::PlotSolidLine(const TRows& rows, QRgb copyBits, int x0, int y0, int x1, int y1) {
    const QRect& clip = rows.Clip;
    const int left = clip.left(), right = clip.right(), top = clip.top(), bottom = clip.bottom();
    if (std::max(x0, x1) < left || std::min(x0, x1) > right || std::max(y0, y1) < top ||
        std::min(y0, y1) > bottom)
        return;
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const int n = std::max(dx, dy);
    if (dy == 0) {
        if (n > 0) PlotSpan(rows, std::min(x0, x1 - sx), std::max(x0, x1 - sx), y0, copyBits, pmCopy);
        return;
    }
    if (dx == 0) {
        PlotColumn(rows, x0, std::min(y0, y1 - sy), std::max(y0, y1 - sy), copyBits);
        return;
    }
    const qsizetype stride = rows.Stride * sy;
    int err = (dx > dy ? dx : -dy) / 2;
    int x = x0, y = y0;
    if (clip.contains(x0, y0) && clip.contains(x1, y1)) {
        QRgb* line = rows.Line(y0);
        for (int i = 0; i < n; ++i) {
            line[x] = copyBits;
            const int e2 = err;
            if (e2 > -dx) {
                err -= dy;
                x += sx;
            }
            if (e2 < dy) {
                err += dx;
                line += stride;
            }
        }
        return;
    }
    for (int i = 0; i < n; ++i) {
        if (x >= left && x <= right && y >= top && y <= bottom)
            rows.Line(y)[x] = copyBits;
        else if ((sx > 0 ? x > right : x < left) || (sy > 0 ? y > bottom : y < top))
            return;  // gone past the clip, never to come back
        const int e2 = err;
        if (e2 > -dx) {
            err -= dy;
            x += sx;
        }
        if (e2 < dy) {
            err += dx;
            y += sy;
        }
    }
}

// Pixels y0..y1 of column x.
void TCanvas::PlotColumn(const TRows& rows, int x, int y0, int y1, QRgb copyBits) {
    const QRect& clip = rows.Clip;
    if (x < clip.left() || x > clip.right()) return;
    y0 = std::max(y0, clip.top());
    y1 = std::min(y1, clip.bottom());
    if (y0 > y1) return;
    QRgb* p = rows.Line(y0) + x;
    for (int y = y0; y <= y1; ++y, p += rows.Stride) *p = copyBits;
}

// A solid polyline. Where consecutive points stay in one pixel column, their vertical lines
// together cover every pixel from the lowest to the highest of them, but for the last point when
// nothing else reaches it; the line that leaves the column starts on that point and paints it.
// So a column is drawn as one run, and only where the polyline ends is the last point looked at.
void TCanvas::SolidPolyline(std::span<const QPoint> points) {
    const TRows rows = Rows();
    const QRgb copyBits = PenRgb() | 0xFF000000u;
    const std::size_t count = points.size();
    int phase = 0;
    std::size_t i = 0;
    while (i + 1 < count) {
        const QPoint p = points[i];
        if (points[i + 1].x() != p.x()) {
            const QPoint q = points[i + 1];
            PlotSolidLine(rows, copyBits, p.x(), p.y(), q.x(), q.y());
            phase += PhaseAdvance(p.x(), p.y(), q.x(), q.y());
            ++i;
            continue;
        }
        // the points i..j stay in column x
        const int x = p.x();
        int low = p.y(), high = p.y(), previous = p.y();
        std::size_t j = i;
        while (j + 1 < count && points[j + 1].x() == x) {
            const int y = points[++j].y();
            phase += std::abs(y - previous);
            previous = y;
            low = std::min(low, y);
            high = std::max(high, y);
        }
        bool painted = true;
        if (j + 1 == count) {
            // the polyline ends here: its last point is painted only when a line of the run
            // crosses it or starts from it, so it may be left out at either end of the run
            if (low == high)
                painted = false;
            else if ((previous == low || previous == high) && !Revisited(points.subspan(i, j + 1 - i)))
                (previous == low ? low : high) += previous == low ? 1 : -1;
        }
        if (painted) PlotColumn(rows, x, low, high, copyBits);
        i = j;
    }
    FStylePhase = phase;
}

void TCanvas::MoveTo(int x, int y) {
    FPenPos = QPoint(x, y);
    FStylePhase = 0;
}

void TCanvas::LineTo(int x, int y) {
    const QPoint from = FPenPos;
    FPenPos = QPoint(x, y);
    if (ThinPen()) {
        if (Vector()) {
            const std::array<QPoint, 2> line{from, FPenPos};
            return VectorLines(line);
        }
        PlotLine(from.x(), from.y(), x, y);
        return;
    }
    if (Pen.Style == psClear) return;
    WideOrXorShape([&](QPainter& p) { p.drawLine(from, QPoint(x, y)); }, true, false);
}

void TCanvas::Polyline(std::span<const QPoint> points) {
    if (points.empty()) return;
    if (ThinPen() && Vector()) {
        VectorLines(points);
        FPenPos = points.back();
        return;
    }
    if (ThinPen()) {
        if (points.size() > 1 && SolidCopyPen() && !Scaled() && FTarget && !FTarget->isNull()) {
            SolidPolyline(points);
            FPenPos = points.back();
            return;
        }
        MoveTo(points[0].x(), points[0].y());
        for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].x(), points[i].y());
        return;
    }
    FPenPos = points.back();
    if (Pen.Style == psClear || points.size() < 2) return;
    WideOrXorShape([&](QPainter& p) { p.drawPolyline(points.data(), int(points.size())); }, true, false);
}
