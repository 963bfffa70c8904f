// SPDX-License-Identifier: MIT
#pragma once
// Draws a range of display-list items onto a bitmap. Everything a pass changes as it goes (pen
// position, the pending polyline, the pen and brush it has set) is kept in an explicit render
// state, so that a pass can stop after any item and later resume from a saved state.
//
// The item loop is data-oriented: one switch per item, no allocation, cheap visibility checks,
// the layer mapping inlined; marks are written straight into the bitmap's scan lines.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

#include "ChartMarks.h"
#include "Enums.h"
#include "PloticaMapping.h"
#include "PloticaTypes.h"
#include "TColor.h"
#include "TDrawItem.h"

class TCanvas;
class TItemList;
class TLineIndex;
struct TCompactSeries;

// What an item pass reads from its chart; fixed for the duration of the pass.
struct TItemRenderSetup {
    const TLayerMapping* Layers = nullptr;  // indices 1..16
    const bool* LayerVisible = nullptr;     // indices 1..16
    const bool* ClassVisible = nullptr;     // 256 entries
    int OffsetX = 0;                        // control pixel -> bitmap pixel: subtract the margins
    int OffsetY = 0;
    TColor ChartColor = 0xFFFFFF;
    int StartPenWidth = 1;  // the chart's LineWidth
    // text items
    QString FontName;
    TFontStyles TextFontStyle = 0;
    TTextBkg TextBkStyle = tbClear;
    TColor TextBkColor = 0xFFFFFF;
    TAlignment TextAlignment = taCenter;
    // the canvas's font at the start of a pass (the chart's font), until a text item sets its own
    QFont StartFont;
};

// The state of a pass between two items.
struct TItemRenderState {
    static constexpr int PolylineCapacity = 200;

    QPoint PenPos;             // the pen position of the drawing (bitmap pixels)
    QPoint CanvasPenPos;       // where the canvas's own pen stood (relative moves start there)
    int CanvasStylePhase = 0;  // and how far into its dash pattern (relative lines go on with it)
    // the pen and brush as last set on the canvas
    TColor PenColor = 0;
    TPenStyle PenStyle = psSolid;
    int PenWidth = 1;
    TColor BrushColor = 0;
    TBrushStyle BrushStyle = bsSolid;
    TColor FontColor = 0;
    // the canvas's current font: character marks are written in it, text items change it
    QFont Font;
    // consecutive LineTo points, drawn as one polyline when flushed
    std::array<QPoint, PolylineCapacity> Polyline;
    int PolylineCount = 0;
    // on a vector canvas the whole polyline, however long: one path
    std::vector<QPoint> VectorPolyline;
    // the mark cache: the sprite of the last mark shape used
    TMarkCache Marks;
};

class TItemRenderer {
public:
    TItemRenderer(TCanvas& canvas, const TItemRenderSetup& setup);

    // The state at the start of a pass: pen at (0, 0), pen and brush in the chart colour, solid.
    void Begin(TItemRenderState& state);
    // Draws items [from, to) of the list.
    void Render(const TItemList& list, int from, int to, TItemRenderState& state);
    // Draws records [from, to); index, when given, is the one over these records (TLineIndex):
    // the pixels are the same with it and without it.
    void Render(const TDrawItem* items, int from, int to, TItemRenderState& state,
                const TLineIndex* index = nullptr);
    // Ends a pass: draws the pending polyline and sets the pen width back to 1.
    void End(TItemRenderState& state);

    // Stopping after any item and going on later, possibly on a copy of the bitmap: Suspend
    // records what only the canvas knows; Resume gives a canvas the state's pen, brush and
    // position again.
    void Suspend(TItemRenderState& state) const;
    void Resume(const TItemRenderState& state);

    // The list is read once per pass: items are fetched well ahead of the one drawn (the reading
    // of a long list waits on the memory, not on the drawing), without displacing the bitmap's
    // rows from the caches, where the pixels go.
    static constexpr int PrefetchDistance = 32;
    Q_ALWAYS_INLINE static void PrefetchAhead(const TDrawItem* items, int i, int to) {
        if (i + PrefetchDistance >= to) return;
        const char* ahead = reinterpret_cast<const char*>(&items[i + PrefetchDistance]);
        __builtin_prefetch(ahead, 0, 0);
        __builtin_prefetch(ahead + sizeof(TDrawItem) - 1, 0, 0);
    }

private:
    // pixel of a world point in bitmap coordinates, clamped to +-30000 first
    Q_ALWAYS_INLINE QPoint Convert(const TDrawItem& item, double x, double y) const {
        const TLayerMapping& m = FSetup.Layers[item.Layer];
        return QPoint(ClampCoord(m.X.ToPixel(x)) - FSetup.OffsetX,
                      ClampCoord(m.Y.ToPixel(y)) - FSetup.OffsetY);
    }
    // far-away items must not overflow the drawing interface
    static int ClampCoord(std::int32_t v) { return v < -30000 ? -30000 : (v > 30000 ? 30000 : v); }
    void Flush(TItemRenderState& s);
    Q_ALWAYS_INLINE void UsePen(TItemRenderState& s, TColor color, TPenStyle style) {
        if (color != s.PenColor) SetPenColor(s, color);
        if (style != s.PenStyle) SetPenStyle(s, style);
    }
    void SetPenColor(TItemRenderState& s, TColor color);
    void SetPenStyle(TItemRenderState& s, TPenStyle style);
    void UseBrush(TItemRenderState& s, TColor color, TBrushStyle style);
    void UsePenWidth(TItemRenderState& s, int width);
    void PixelAt(const QPoint& p, TColor color);

    void DrawMark(const TDrawItem& item, TItemRenderState& s);
    void DrawLine(const TDrawItem& item, TItemRenderState& s);
    void AddLineTo(const TDrawItem& item, TItemRenderState& s);
    // Runs of items that keep one pen, layer (and mark), drawn in tight loops; each returns the
    // index of the first item it did not take.
    int AddLineToRun(const TDrawItem* items, int i, int to, TItemRenderState& s);
    int PaintMarkRun(const TDrawItem* items, int i, int to, TItemRenderState& s);
    // the same on a vector canvas: marks as shapes, a line run as one path
    int AddVectorLineRun(const TDrawItem* items, int i, int to, TItemRenderState& s);
    int DrawVectorMarks(const TDrawItem* items, int i, int to);
    void AddVectorSeries(const TCompactSeries& series, int from, int to, TItemRenderState& s);
    // the path the points go on: under the item's pen, from the pen's position when new
    std::vector<QPoint>& VectorPath(const TDrawItem& pen, TItemRenderState& s);
    // Points [from, to) of a compact series, drawn as its MoveTo and LineTo items would be.
    void RenderSeries(const TCompactSeries& series, int from, int to, TItemRenderState& s);
    // The points after i of a run (TSource: records or a compact series), put into the polyline
    // as AddLineTo does; whole blocks of the index where they fall into one pixel column or
    // outside the drawing.
    template <typename TSource, typename TConvert>
    int AddLineTos(const TSource& source, int i, int to, TItemRenderState& s, const TConvert& convert,
                   const TLineIndex* index, const TLayerMapping& m);
    // The largest block of the index at point i that can stand for its points, put into the
    // polyline; the point after it, or i when none can.
    template <typename TSource, typename TConvert>
    int AddBlock(const TSource& source, int i, int to, int indexed, const QRect& clip, TItemRenderState& s,
                 const TConvert& convert, const TLineIndex& index, const TLayerMapping& m);
    Q_ALWAYS_INLINE void Push(TItemRenderState& s, QPoint p) {
        s.Polyline[s.PolylineCount++] = p;
        if (s.PolylineCount == TItemRenderState::PolylineCapacity) {
            Flush(s);
            s.Polyline[s.PolylineCount++] = p;
        }
    }
    // Whether the index may stand for points under the pen of the pass now (ItemRuns.cpp).
    bool IndexApplies(const TItemRenderState& s) const;
    template <typename TConvert>
    int PaintMarks(const TDrawItem* items, int i, int to, TItemRenderState& s, const TConvert& convert);
    void DrawRectangle(const TDrawItem& item, TItemRenderState& s);
    void DrawFramedBox(const TDrawItem& item, TItemRenderState& s);
    void DrawBar3D(const TDrawItem& item, TItemRenderState& s);
    void DrawText(const TDrawItem& item, TItemRenderState& s);
    void DoMoveTo(const TDrawItem& item, TItemRenderState& s);
    void DrawEllipse(const TDrawItem& item, TItemRenderState& s);
    void DoMoveRel(const TDrawItem& item, TItemRenderState& s);
    void DrawLineRel(const TDrawItem& item, TItemRenderState& s);
    void DrawArrow(const TDrawItem& item, TItemRenderState& s);
    void ShapePensAndBrushes(const TDrawItem& item, TItemRenderState& s);

    TCanvas& FCanvas;
    const TItemRenderSetup& FSetup;
    TMarkPainter FMarks;
    // the colour of the last mark, as written into the scan lines
    TColor FMarkColor = 0;
    QRgb FMarkRgb = ColorToRgb(0);
    // the index over the records of the Render call under way, if any
    const TLineIndex* FIndex = nullptr;
};
