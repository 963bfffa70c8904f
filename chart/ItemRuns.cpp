// SPDX-License-Identifier: MIT
// Runs of equal items in tight loops: LineTo items that keep one pen and layer go into the
// polyline, marks of one shape, pen and layer are written into the bitmap. The layer's mapping,
// the offsets, the colour and the mark's sprite are fetched once for the run, and the two values
// of a point are converted together where both axes are linear.
//
// A run of line points with an index (TLineIndex: the records' runs, or a compact series) is
// drawn by blocks where it can be, with the pixels of every segment:
// - A block whose points all fall into one pixel column x, rows low..high, and whose run goes on
//   after it to a point of another pixel than its last: every segment inside the block is a
//   vertical line in column x, and together they paint every pixel from low to high (each point's
//   pixel is painted by the first segment after it that leaves it, and one does: the run leaves
//   the last point's pixel later). The four points first, (x, low), (x, high), last paint the
//   same pixels, and the segments into and out of the block are the same. The order of the
//   points in between would matter only at the end of the polyline, where its last point is left
//   out; the block never ends it.
// - A block whose pixels lie wholly outside the clip: each of its segments stays within the box
//   of its points, and so does the one segment from its first to its last point: none paints a
//   visible pixel, and the segments into and out of the block are the same.
// The pixel of a world value grows or falls with it on every axis (linear, logarithmic above
// 1e-100, reversed; the rounding and the clamping to +-30000 keep the order), so the least and
// greatest pixels of a block are those of its least and greatest world values. Non-positive
// values on a logarithmic axis go to its far end, out of that order: such a block is drawn point
// by point, and so are blocks holding NaN or infinities (the index leaves them invalid). Only a
// solid one-pixel pen in copy mode, whose pixels are the union of its segments', takes blocks: a
// dash pattern goes on from pixel to pixel and a wide pen joins its segments. The general pixel
// loop (TCanvas::GeneralLines) never takes blocks: it stays the reference that the tests compare
// with. The order on a logarithmic axis rests on the C library's extended-precision logarithm
// growing with its argument, as glibc's does. The points around a block (its first and last, and
// the one after it) come from the index's end points, not from the list.

#include <cstddef>

#include "ItemRenderer.h"
#include "LineIndex.h"
#include "TCanvas.h"
#include "TItemList.h"

static_assert(offsetof(TDrawItem, Y1) == offsetof(TDrawItem, X1) + sizeof(double),
              "a point's x and y are read as one pair");

namespace {

// The pixels of a point whose x and y lie one after the other at xy, in control coordinates.
struct TLinearPoints {
    TPointMapping Mapping;
    Q_ALWAYS_INLINE QPoint operator()(const double* xy) const {
        std::int32_t y;
        const std::int32_t x = Mapping.ToPixels(xy, y);
        return QPoint(x, y);
    }
};

struct TAnyPoints {
    const TLayerMapping& Mapping;
    Q_ALWAYS_INLINE QPoint operator()(const double* xy) const {
        return QPoint(Mapping.X.ToPixel(xy[0]), Mapping.Y.ToPixel(xy[1]));
    }
};

// Whether an item goes on with the run that `first` began: the same kind, pen and layer, shown.
Q_ALWAYS_INLINE bool Continues(const TDrawItem& item, const TDrawItem& first, const bool* classVisible) {
    return item.Kind == first.Kind && item.Color == first.Color && item.PenStyle == first.PenStyle &&
           item.LineWidth == first.LineWidth && item.Layer == first.Layer && classVisible[item.Class];
}

// The points of a run of records.
struct TRecordPoints {
    const TDrawItem* Items;
    const TDrawItem& First;
    const bool* ClassVisible;
    Q_ALWAYS_INLINE const double* XY(int k) const { return &Items[k].X1; }
    Q_ALWAYS_INLINE bool Goes(int k) const { return Continues(Items[k], First, ClassVisible); }
    Q_ALWAYS_INLINE void Prefetch(int k, int to) const { TItemRenderer::PrefetchAhead(Items, k, to); }
};

// The points of a compact series: every one goes on with the run.
struct TSeriesPoints {
    const double* Base;
    Q_ALWAYS_INLINE const double* XY(int k) const { return Base + 2 * std::size_t(k); }
    Q_ALWAYS_INLINE bool Goes(int) const { return true; }
    Q_ALWAYS_INLINE void Prefetch(int, int) const {}
};

}  // namespace

bool TItemRenderer::IndexApplies(const TItemRenderState& s) const {
    // the general pixel loop stays the reference that draws every segment; a vector path keeps
    // every point
    return !FCanvas.GeneralLines && !FCanvas.Vector() && s.PenStyle == psSolid && s.PenWidth <= 1 &&
           FCanvas.Pen.Mode == pmCopy;
}

int TItemRenderer::AddLineToRun(const TDrawItem* items, int i, int to, TItemRenderState& s) {
    if (FCanvas.Vector()) return AddVectorLineRun(items, i, to, s);
    AddLineTo(items[i], s);
    const TLayerMapping& m = FSetup.Layers[items[i].Layer];
    const TRecordPoints source{items, items[i], FSetup.ClassVisible};
    if (TPointMapping::Applies(m))
        return AddLineTos(source, i, to, s, TLinearPoints{TPointMapping(m)}, FIndex, m);
    return AddLineTos(source, i, to, s, TAnyPoints{m}, FIndex, m);
}

void TItemRenderer::RenderSeries(const TCompactSeries& series, int from, int to, TItemRenderState& s) {
    const TDrawItem& pen = series.Pen;
    if (from >= to || !FSetup.ClassVisible[pen.Class] || !FSetup.LayerVisible[pen.Layer]) return;
    if (pen.LineWidth != s.PenWidth) {
        Flush(s);
        UsePenWidth(s, pen.LineWidth);
    }
    TDrawItem item = pen;
    if (from == 0) {
        // the MoveTo of its first point
        item.X1 = series.XY[0];
        item.Y1 = series.XY[1];
        DoMoveTo(item, s);
        if (++from == to) return;
    }
    if (FCanvas.Vector()) return AddVectorSeries(series, from, to, s);
    const double* p = series.Point(from);
    item.X1 = p[0];
    item.Y1 = p[1];
    AddLineTo(item, s);
    const TLayerMapping& m = FSetup.Layers[pen.Layer];
    const TSeriesPoints source{series.XY.get()};
    if (TPointMapping::Applies(m))
        AddLineTos(source, from, to, s, TLinearPoints{TPointMapping(m)}, &series.Index, m);
    else
        AddLineTos(source, from, to, s, TAnyPoints{m}, &series.Index, m);
}

// The points after i that go on with its run, put into the polyline as AddLineTo does.
template <typename TSource, typename TConvert>
int TItemRenderer::AddLineTos(const TSource& source, int i, int to, TItemRenderState& s,
                              const TConvert& convert, const TLineIndex* index, const TLayerMapping& m) {
    const int offsetX = FSetup.OffsetX, offsetY = FSetup.OffsetY;
    // blocks are taken whole, and only where a point after them is there to look at
    const int indexed = index && IndexApplies(s) ? std::min(index->Indexed(), to) : 0;
    const QRect clip = indexed ? FCanvas.ClipRect() : QRect();
    QPoint* polyline = s.Polyline.data();
    int count = s.PolylineCount;
    for (++i; i < to; ++i) {
        if ((i & (TLineIndex::Fanout - 1)) == 0 && i + TLineIndex::Fanout <= indexed) {
            s.PolylineCount = count;
            const int next = AddBlock(source, i, to, indexed, clip, s, convert, *index, m);
            count = s.PolylineCount;
            if (next != i) {
                i = next - 1;
                continue;
            }
        }
        source.Prefetch(i, to);
        if (!source.Goes(i)) break;
        const QPoint c = convert(source.XY(i));
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

template <typename TSource, typename TConvert>
int TItemRenderer::AddBlock(const TSource& source, int i, int to, int indexed, const QRect& clip,
                            TItemRenderState& s, const TConvert& convert, const TLineIndex& index,
                            const TLayerMapping& m) {
    const int offsetX = FSetup.OffsetX, offsetY = FSetup.OffsetY;
    auto pixel = [&](double x, double y) {
        const double xy[2] = {x, y};
        const QPoint c = convert(xy);
        return QPoint(ClampCoord(c.x()) - offsetX, ClampCoord(c.y()) - offsetY);
    };
    constexpr int shift0 = TLineIndex::Shift;
    for (int level = TLineIndex::Levels - 1; level >= 0; --level) {
        const int shift = TLineIndex::LevelShift(level);
        const int end = i + (1 << shift);
        if ((i & ((1 << shift) - 1)) != 0 || end > indexed) continue;
        // the block's points go on with the run of point i - 1, which is the run drawn
        const TLineIndex::TBounds& b = index.Block(level, i >> shift);
        if (!b.Valid()) continue;
        if ((m.X.Log && !(b.MinX > 1e-100)) || (m.Y.Log && !(b.MinY > 1e-100))) continue;
        int x0 = ClampCoord(m.X.ToPixel(b.MinX)) - offsetX, x1 = ClampCoord(m.X.ToPixel(b.MaxX)) - offsetX;
        int y0 = ClampCoord(m.Y.ToPixel(b.MinY)) - offsetY, y1 = ClampCoord(m.Y.ToPixel(b.MaxY)) - offsetY;
        if (x0 > x1) std::swap(x0, x1);
        if (y0 > y1) std::swap(y0, y1);
        const bool outside = x1 < clip.left() || x0 > clip.right() || y1 < clip.top() || y0 > clip.bottom();
        if (!outside && (x0 != x1 || end >= to)) continue;
        const TLineIndex::TEnds& head = index.Ends(i >> shift0);
        const TLineIndex::TEnds& tail = index.Ends((end >> shift0) - 1);
        const QPoint last = pixel(tail.LastX, tail.LastY);
        if (!outside) {
            // the point after the block: it goes on with the run where its block of level 0 is
            // valid, and must leave the pixel of the block's last point
            QPoint next;
            if (end < index.Indexed() && index.Block(0, end >> shift0).Valid()) {
                const TLineIndex::TEnds& after = index.Ends(end >> shift0);
                next = pixel(after.FirstX, after.FirstY);
            } else {
                if (!source.Goes(end)) continue;
                const double* p = source.XY(end);
                next = pixel(p[0], p[1]);
            }
            if (next == last) continue;
        }
        Push(s, pixel(head.FirstX, head.FirstY));
        if (!outside) {
            Push(s, QPoint(x0, y0));
            Push(s, QPoint(x0, y1));
        }
        Push(s, last);
        return end;
    }
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
    QPoint c = convert(&first.X1);
    FMarks.Paint(s.Marks, first.Mark, s.PenWidth, s.PenStyle, ClampCoord(c.x()) - offsetX,
                 ClampCoord(c.y()) - offsetY, rgb);
    const TMarkSprite& sprite = *s.Marks.Sprite;
    for (++i; i < to; ++i) {
        const TDrawItem& item = items[i];
        PrefetchAhead(items, i, to);
        if (!Continues(item, first, classVisible) || item.Mark != first.Mark) break;
        c = convert(&item.X1);
        FMarks.PaintSprite(sprite, ClampCoord(c.x()) - offsetX, ClampCoord(c.y()) - offsetY, rgb);
    }
    return i;
}

// The run's points join the path that the pen's position or the LineTos before began.
std::vector<QPoint>& TItemRenderer::VectorPath(const TDrawItem& pen, TItemRenderState& s) {
    if (pen.Color != s.PenColor || TPenStyle(pen.PenStyle) != s.PenStyle) {
        Flush(s);
        UsePen(s, pen.Color, TPenStyle(pen.PenStyle));
    }
    std::vector<QPoint>& path = s.VectorPolyline;
    if (path.empty()) path.push_back(s.PenPos);
    return path;
}

int TItemRenderer::AddVectorLineRun(const TDrawItem* items, int i, int to, TItemRenderState& s) {
    const TDrawItem& first = items[i];
    std::vector<QPoint>& path = VectorPath(first, s);
    const bool* classVisible = FSetup.ClassVisible;
    path.push_back(Convert(first, first.X1, first.Y1));
    for (++i; i < to && Continues(items[i], first, classVisible); ++i)
        path.push_back(Convert(items[i], items[i].X1, items[i].Y1));
    return i;
}

void TItemRenderer::AddVectorSeries(const TCompactSeries& series, int from, int to, TItemRenderState& s) {
    const TDrawItem& pen = series.Pen;
    std::vector<QPoint>& path = VectorPath(pen, s);
    for (int k = from; k < to; ++k) {
        const double* p = series.Point(k);
        path.push_back(Convert(pen, p[0], p[1]));
    }
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
