// SPDX-License-Identifier: MIT
// Runs of equal items in tight loops: LineTo items that keep one pen and layer go into the
// polyline, marks of one shape, pen and layer are written into the bitmap. The layer's mapping,
// the offsets, the colour and the mark's sprite are fetched once for the run, and the two values
// of a point are converted together where both axes are linear.

#include <cstddef>

#include "ItemRenderer.h"
#include "TCanvas.h"

static_assert(offsetof(TDrawItem, Y1) == offsetof(TDrawItem, X1) + sizeof(double),
              "a point's x and y are read as one pair");

namespace {

// The pixels of an item's point (X1, Y1) in control coordinates.
struct TLinearPoints {
    TPointMapping Mapping;
    Q_ALWAYS_INLINE QPoint operator()(const TDrawItem& item) const {
        std::int32_t y;
        const std::int32_t x = Mapping.ToPixels(&item.X1, y);
        return QPoint(x, y);
    }
};

struct TAnyPoints {
    const TLayerMapping& Mapping;
    Q_ALWAYS_INLINE QPoint operator()(const TDrawItem& item) const {
        return QPoint(Mapping.X.ToPixel(item.X1), Mapping.Y.ToPixel(item.Y1));
    }
};

// Whether an item goes on with the run that `first` began: the same kind, pen and layer, shown.
Q_ALWAYS_INLINE bool Continues(const TDrawItem& item, const TDrawItem& first, const bool* classVisible) {
    return item.Kind == first.Kind && item.Color == first.Color && item.PenStyle == first.PenStyle &&
           item.LineWidth == first.LineWidth && item.Layer == first.Layer && classVisible[item.Class];
}

}  // namespace

int TItemRenderer::AddLineToRun(const TDrawItem* items, int i, int to, TItemRenderState& s) {
    if (FCanvas.Vector()) return AddVectorLineRun(items, i, to, s);
    AddLineTo(items[i], s);
    const TLayerMapping& m = FSetup.Layers[items[i].Layer];
    if (TPointMapping::Applies(m)) return AddLineTos(items, i, to, s, TLinearPoints{TPointMapping(m)});
    return AddLineTos(items, i, to, s, TAnyPoints{m});
}

// The items after i that go on with its run, put into the polyline as AddLineTo does.
template <typename TConvert>
int TItemRenderer::AddLineTos(const TDrawItem* items, int i, int to, TItemRenderState& s,
                              const TConvert& convert) {
    const TDrawItem& first = items[i];
    const bool* classVisible = FSetup.ClassVisible;
    const int offsetX = FSetup.OffsetX, offsetY = FSetup.OffsetY;
    QPoint* polyline = s.Polyline.data();
    int count = s.PolylineCount;
    for (++i; i < to; ++i) {
        const TDrawItem& item = items[i];
        PrefetchAhead(items, i, to);
        if (!Continues(item, first, classVisible)) break;
        const QPoint c = convert(item);
        const QPoint p(ClampCoord(c.x()) - offsetX, ClampCoord(c.y()) - offsetY);
        polyline[count++] = p;
        if (count == TItemRenderState::PolylineCapacity) {
            // a full buffer is drawn and goes on from its last point, so the pieces join
            s.PolylineCount = count;
            Flush(s);
            polyline[0] = p;
            count = 1;
        }
    }
    s.PolylineCount = count;
    return i;
}

int TItemRenderer::PaintMarkRun(const TDrawItem* items, int i, int to, TItemRenderState& s) {
    const TDrawItem& first = items[i];
    if (s.PolylineCount || !s.VectorPolyline.empty()) Flush(s);
    UsePen(s, first.Color, TPenStyle(first.PenStyle));
    if (FCanvas.Vector() && first.Mark < MarkShapeCount) return DrawVectorMarks(items, i, to);
    if (first.Mark >= MarkShapeCount) {
        DrawMark(first, s);
        return i + 1;
    }
    if (first.Color != FMarkColor) {
        FMarkColor = first.Color;
        FMarkRgb = ColorToRgb(first.Color);
    }
    const TLayerMapping& m = FSetup.Layers[first.Layer];
    if (TPointMapping::Applies(m)) return PaintMarks(items, i, to, s, TLinearPoints{TPointMapping(m)});
    return PaintMarks(items, i, to, s, TAnyPoints{m});
}

// Mark i and those after it of the same shape that go on with its run.
template <typename TConvert>
int TItemRenderer::PaintMarks(const TDrawItem* items, int i, int to, TItemRenderState& s,
                              const TConvert& convert) {
    const TDrawItem& first = items[i];
    const bool* classVisible = FSetup.ClassVisible;
    const int offsetX = FSetup.OffsetX, offsetY = FSetup.OffsetY;
    const QRgb rgb = FMarkRgb;
    QPoint c = convert(first);
    FMarks.Paint(s.Marks, first.Mark, s.PenWidth, s.PenStyle, ClampCoord(c.x()) - offsetX,
                 ClampCoord(c.y()) - offsetY, rgb);
    const TMarkSprite& sprite = *s.Marks.Sprite;
    for (++i; i < to; ++i) {
        const TDrawItem& item = items[i];
        PrefetchAhead(items, i, to);
        if (!Continues(item, first, classVisible) || item.Mark != first.Mark) break;
        c = convert(item);
        FMarks.PaintSprite(sprite, ClampCoord(c.x()) - offsetX, ClampCoord(c.y()) - offsetY, rgb);
    }
    return i;
}

// The run's points join the path that the pen's position or the LineTos before began.
int TItemRenderer::AddVectorLineRun(const TDrawItem* items, int i, int to, TItemRenderState& s) {
    const TDrawItem& first = items[i];
    if (first.Color != s.PenColor || TPenStyle(first.PenStyle) != s.PenStyle) {
        Flush(s);
        UsePen(s, first.Color, TPenStyle(first.PenStyle));
    }
    std::vector<QPoint>& path = s.VectorPolyline;
    if (path.empty()) path.push_back(s.PenPos);
    const bool* classVisible = FSetup.ClassVisible;
    path.push_back(Convert(first, first.X1, first.Y1));
    for (++i; i < to && Continues(items[i], first, classVisible); ++i)
        path.push_back(Convert(items[i], items[i].X1, items[i].Y1));
    return i;
}

int TItemRenderer::DrawVectorMarks(const TDrawItem* items, int i, int to) {
    const TDrawItem& first = items[i];
    const bool* classVisible = FSetup.ClassVisible;
    for (; i < to; ++i) {
        const TDrawItem& item = items[i];
        if (&item != &first && (!Continues(item, first, classVisible) || item.Mark != first.Mark)) break;
        const QPoint p = Convert(item, item.X1, item.Y1);
        DrawMarkShape(FCanvas, item.Mark, p.x(), p.y());
    }
    return i;
}
