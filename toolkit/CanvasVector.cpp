// SPDX-License-Identifier: MIT
// The canvas on a painter: what the image canvas writes pixel by pixel becomes the painter's own
// lines, rectangles and fills, at the places the pixels have. A pixel (x, y) is the square from
// (x, y) to (x + 1, y + 1): fills cover their squares, and lines and outlines run through the
// squares' centres, half a pixel in, one pixel wide.

#include <QPainter>
#include <QPolygonF>

#include "CanvasDashes.h"
#include "TCanvas.h"
#include "TVectorCanvas.h"

namespace {

// Exclusive-or has no vector form: it draws the colour it gives on white.
QColor VectorColor(QRgb rgb, TPenMode mode) {
    if (mode == pmXor) rgb ^= 0x00FFFFFFu;
    return QColor::fromRgb(rgb | 0xFF000000u);
}

constexpr QPointF PixelCentre(0.5, 0.5);

}  // namespace

void TCanvas::AttachVector(QPainter* painter, const QSize& size) {
    SetTarget(nullptr);
    FScale = 1.0;
    FPainter.reset(painter);
    FClip = QRect(QPoint(0, 0), size);
    FHasClip = false;
    FPainter->setClipRect(FClip, Qt::IntersectClip);
}

void TCanvas::DetachVector() {
    (void)FPainter.release();  // the caller's
    FClip = QRect();
}

void TCanvas::VectorFill(const QRect& r, QRgb rgb, TPenMode mode) {
    if (r.isEmpty()) return;
    FPainter->fillRect(QRectF(r), VectorColor(rgb, mode));
}

// Pen, brush and dashes as the painter takes them; wide pens are solid with round ends.
void TCanvas::VectorShape(const std::function<void(QPainter&)>& draw, bool usePen, bool useBrush) {
    QPainter& p = *FPainter;
    ApplyPainterState(p, usePen, useBrush);
    if (usePen && Pen.Style != psClear) {
        QPen pen = p.pen();
        pen.setColor(VectorColor(PenRgb(), Pen.Mode));
        const std::span<const int> dashes = ThinPen() ? DashPattern(Pen.Style) : std::span<const int>();
        if (!dashes.empty()) pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
        p.setPen(pen);
    }
    if (useBrush && Brush.Style == bsSolid) p.setBrush(VectorColor(ColorToRgb(Brush.Color), Pen.Mode));
    p.save();
    p.translate(PixelCentre);
    draw(p);
    p.restore();
}

// one-pixel lines as one path through the points, the last point included
void TCanvas::VectorLines(std::span<const QPoint> points) {
    if (points.size() < 2 || Pen.Style == psClear) return;
    QPolygonF path;
    path.reserve(qsizetype(points.size()));
    for (const QPoint& point : points) path.append(QPointF(point));
    VectorShape([&](QPainter& p) { p.drawPolyline(path); }, true, false);
}

void TCanvas::VectorRectangle(const QRect& r) {
    if (Brush.Style == bsSolid) VectorFill(r, ColorToRgb(Brush.Color), Pen.Mode);
    if (Pen.Style == psClear) return;
    const QRectF outline(r.left(), r.top(), r.width() - 1, r.height() - 1);
    VectorShape([&](QPainter& p) { p.drawRect(outline); }, true, false);
}

TVectorCanvas::TVectorCanvas(QPainter& painter, const QSize& size) : FPainter(painter) {
    FPainter.save();
    FCanvas.AttachVector(&FPainter, size);
}

TVectorCanvas::~TVectorCanvas() {
    FCanvas.DetachVector();
    FPainter.restore();
}
