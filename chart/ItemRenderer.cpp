// SPDX-License-Identifier: MIT
#include "ItemRenderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <utility>

#include "ChartPolygon.h"
#include "Rounding.h"
#include "TCanvas.h"
#include "TFont.h"
#include "TItemList.h"

namespace {

// text items give their size in points; the chart's pixels are those of a 96-dpi screen
int PointsToPixels(int points) {
    return int(Vexa::RoundHalfEven(points * 96.0 / 72.0));
}

int Round(double v) {
    return int(std::clamp<std::int64_t>(Vexa::RoundHalfEven(v), -2147483647, 2147483647));
}

}  // namespace

TItemRenderer::TItemRenderer(TCanvas& canvas, const TItemRenderSetup& setup)
    : FCanvas(canvas), FSetup(setup), FMarks(canvas) {}

void TItemRenderer::Begin(TItemRenderState& s) {
    s.PolylineCount = 0;
    s.PenWidth = std::max(FSetup.StartPenWidth, 1);
    s.PenPos = QPoint(0, 0);
    FCanvas.MoveTo(0, 0);
    s.PenColor = FSetup.ChartColor;
    s.BrushColor = FSetup.ChartColor;
    s.BrushStyle = bsSolid;
    s.FontColor = FSetup.ChartColor;  // taken to be, not set
    s.Font = FSetup.StartFont;
    s.PenStyle = psSolid;
    FCanvas.Pen.Color = s.PenColor;
    FCanvas.Pen.Style = psSolid;
    FCanvas.Pen.Width = s.PenWidth;
    FCanvas.Pen.Mode = pmCopy;
    FCanvas.Brush.Color = s.BrushColor;
    FCanvas.Brush.Style = bsSolid;
    FMarks.Attach();
}

void TItemRenderer::Suspend(TItemRenderState& s) const {
    s.CanvasPenPos = FCanvas.PenPos();
    s.CanvasStylePhase = FCanvas.StylePhase();
}

void TItemRenderer::Resume(const TItemRenderState& s) {
    FCanvas.Pen = TCanvasPen{s.PenColor, s.PenWidth, s.PenStyle, pmCopy};
    FCanvas.Brush = TCanvasBrush{s.BrushColor, s.BrushStyle};
    FCanvas.MoveTo(s.CanvasPenPos.x(), s.CanvasPenPos.y());
    FCanvas.SetStylePhase(s.CanvasStylePhase);
    FMarks.Attach();
}

void TItemRenderer::End(TItemRenderState& s) {
    Flush(s);
    UsePenWidth(s, 1);
}

void TItemRenderer::Flush(TItemRenderState& s) {
    if (!s.VectorPolyline.empty()) {
        const QPoint last = s.VectorPolyline.back();
        FCanvas.Polyline(s.VectorPolyline);
        FCanvas.MoveTo(last.x(), last.y());
        s.PenPos = last;
        s.VectorPolyline.clear();
        return;
    }
    if (s.PolylineCount == 0) return;
    const QPoint last = s.Polyline[s.PolylineCount - 1];
    if (s.PolylineCount > 1) FCanvas.Polyline(std::span<const QPoint>(s.Polyline.data(), s.PolylineCount));
    FCanvas.MoveTo(last.x(), last.y());
    s.PenPos = last;
    s.PolylineCount = 0;
}

void TItemRenderer::SetPenColor(TItemRenderState& s, TColor color) {
    s.PenColor = color;
    FCanvas.Pen.Color = color;
}

void TItemRenderer::SetPenStyle(TItemRenderState& s, TPenStyle style) {
    s.PenStyle = style;
    FCanvas.Pen.Style = style;
}

void TItemRenderer::UseBrush(TItemRenderState& s, TColor color, TBrushStyle style) {
    if (color != s.BrushColor) {
        s.BrushColor = color;
        FCanvas.Brush.Color = color;
    }
    if (style != s.BrushStyle) {
        s.BrushStyle = style;
        FCanvas.Brush.Style = style;
    }
}

void TItemRenderer::UsePenWidth(TItemRenderState& s, int width) {
    if (width == s.PenWidth) return;
    s.PenWidth = width;
    FCanvas.Pen.Width = width;
}

void TItemRenderer::PixelAt(const QPoint& p, TColor color) {
    FCanvas.SetPixel(p.x(), p.y(), color);
}

void TItemRenderer::Render(const TItemList& list, int from, int to, TItemRenderState& s) {
    const TLineIndex* index = &list.RecordIndex();
    const auto& series = list.Series();
    if (series.empty()) {
        Render(list.Data(), from, to, s, index);
        return;
    }
    // the first series that ends after item `from`
    auto next =
        std::upper_bound(series.begin(), series.end(), from,
                         [](int n, const std::unique_ptr<TCompactSeries>& c) { return n < c->End(); });
    int i = from;
    while (i < to) {
        if (next == series.end() || i < (*next)->Start) {
            // records up to the next series
            const int stop = next == series.end() ? to : std::min(to, (*next)->Start);
            const int record = next == series.begin() ? i : (*(next - 1))->RecordAfter(i);
            Render(list.Data(), record, record + (stop - i), s, index);
            i = stop;
            continue;
        }
        const TCompactSeries& c = **next;
        const int stop = std::min(to, c.End());
        RenderSeries(c, i - c.Start, stop - c.Start, s);
        i = stop;
        if (i == c.End()) ++next;
    }
}

void TItemRenderer::Render(const TDrawItem* items, int from, int to, TItemRenderState& s,
                           const TLineIndex* index) {
    FIndex = index;
    const bool* classVisible = FSetup.ClassVisible;
    const bool* layerVisible = FSetup.LayerVisible;
    for (int i = from; i < to; ++i) {
        const TDrawItem& item = items[i];
        PrefetchAhead(items, i, to);
        if (!classVisible[item.Class] || !layerVisible[item.Layer]) continue;
        if (item.LineWidth != s.PenWidth) {
            Flush(s);
            UsePenWidth(s, item.LineWidth);
        }
        switch (item.Kind) {
            case ikMark:
                i = PaintMarkRun(items, i, to, s) - 1;
                break;
            case ikLine:
                DrawLine(item, s);
                break;
            case ikLineTo:
                i = AddLineToRun(items, i, to, s) - 1;
                break;
            case ikRectangle:
                DrawRectangle(item, s);
                break;
            case ikFramedBox:
                DrawFramedBox(item, s);
                break;
            case ikBar3D:
                DrawBar3D(item, s);
                break;
            case ikText:
                DrawText(item, s);
                break;
            case ikMoveTo:
                DoMoveTo(item, s);
                break;
            case ikEllipse:
                DrawEllipse(item, s);
                break;
            case ikMoveRel:
                DoMoveRel(item, s);
                break;
            case ikLineRel:
                DrawLineRel(item, s);
                break;
            case ikArrow:
                DrawArrow(item, s);
                break;
            default:
                break;  // 0, 10, 11 and unknown codes are skipped
        }
    }
}

void TItemRenderer::DrawMark(const TDrawItem& item, TItemRenderState& s) {
    const QPoint p = Convert(item, item.X1, item.Y1);
    FMarks.PaintCharacter(s.Font, item.Mark, p.x(), p.y(), item.Color);
}

void TItemRenderer::DrawLine(const TDrawItem& item, TItemRenderState& s) {
    Flush(s);
    UsePen(s, item.Color, TPenStyle(item.PenStyle));
    const QPoint a = Convert(item, item.X1, item.Y1);
    const QPoint b = Convert(item, item.X2, item.Y2);
    if (a == b) {
        PixelAt(a, item.Color);
        return;
    }
    FCanvas.MoveTo(a.x(), a.y());
    FCanvas.LineTo(b.x(), b.y());
}

void TItemRenderer::AddLineTo(const TDrawItem& item, TItemRenderState& s) {
    const QPoint p = Convert(item, item.X1, item.Y1);
    if (item.Color != s.PenColor || TPenStyle(item.PenStyle) != s.PenStyle) {
        Flush(s);
        UsePen(s, item.Color, TPenStyle(item.PenStyle));
    }
    if (s.PolylineCount == 0) s.Polyline[s.PolylineCount++] = s.PenPos;
    s.Polyline[s.PolylineCount++] = p;
    if (s.PolylineCount == TItemRenderState::PolylineCapacity) {
        // a full buffer is drawn and goes on from its last point, so the pieces join
        Flush(s);
        s.Polyline[s.PolylineCount++] = p;
    }
}

void TItemRenderer::ShapePensAndBrushes(const TDrawItem& item, TItemRenderState& s) {
    UsePen(s, item.Color, TPenStyle(item.PenStyle));
    UseBrush(s, item.FillColor, item.FillTransparent ? bsClear : bsSolid);
}

namespace {
// the larger x and the larger y grow by one: shapes include both corners
void IncludeFarCorner(QPoint& a, QPoint& b) {
    (a.x() > b.x() ? a : b).rx() += 1;
    (a.y() > b.y() ? a : b).ry() += 1;
}
}  // namespace

void TItemRenderer::DrawRectangle(const TDrawItem& item, TItemRenderState& s) {
    Flush(s);
    ShapePensAndBrushes(item, s);
    QPoint a = Convert(item, item.X1, item.Y1);
    QPoint b = Convert(item, item.X2, item.Y2);
    if (a == b) {
        PixelAt(a, item.Color);
        return;
    }
    IncludeFarCorner(a, b);
    FCanvas.Rectangle(a.x(), a.y(), b.x(), b.y());
}

void TItemRenderer::DrawFramedBox(const TDrawItem& item, TItemRenderState& s) {
    Flush(s);
    UsePen(s, item.FillColor, TPenStyle(item.PenStyle));
    UseBrush(s, item.FillColor, bsSolid);
    QPoint a = Convert(item, item.X1, item.Y1);
    QPoint b = Convert(item, item.X2, item.Y2);
    if (a == b) {
        PixelAt(a, item.FillColor);
        return;
    }
    // x1 <= x2; y1 the bottom, y2 the top
    const int x1 = std::min(a.x(), b.x()), x2 = std::max(a.x(), b.x());
    const int y1 = std::max(a.y(), b.y()), y2 = std::min(a.y(), b.y());
    FCanvas.Rectangle(x1, y2, x2, y1);
    TColor c1 = item.FrameColor1, c2 = item.FrameColor2;
    const TPenStyle style = TPenStyle(item.PenStyle);
    switch (item.FrameStyle) {
        case 3:
            std::swap(c1, c2);
            [[fallthrough]];
        case 2:
            UsePen(s, c1, style);
            FCanvas.MoveTo(x1, y1);
            FCanvas.LineTo(x1, y2);
            FCanvas.LineTo(x2, y2);
            UsePen(s, c2, style);
            FCanvas.LineTo(x2, y1);
            FCanvas.LineTo(x1, y1);
            break;
        case 5:
            std::swap(c1, c2);
            [[fallthrough]];
        case 4:
            UsePen(s, c1, style);
            FCanvas.MoveTo(x1 + 1, y1);
            FCanvas.LineTo(x1 + 1, y2 + 1);
            FCanvas.LineTo(x2, y2 + 1);
            FCanvas.LineTo(x2, y1);
            FCanvas.LineTo(x1 + 1, y1);
            UsePen(s, c2, style);
            FCanvas.MoveTo(x1, y1 - 1);
            FCanvas.LineTo(x1, y2);
            FCanvas.LineTo(x2 - 1, y2);
            FCanvas.LineTo(x2 - 1, y1 - 1);
            FCanvas.LineTo(x1, y1 - 1);
            break;
        default:
            break;
    }
}

void TItemRenderer::DrawBar3D(const TDrawItem& item, TItemRenderState& s) {
    Flush(s);
    UsePen(s, item.Color, TPenStyle(item.PenStyle));
    UseBrush(s, item.FillColor, bsSolid);
    const QPoint p = Convert(item, item.X1, item.Y1);
    const QPoint q = Convert(item, item.X2, item.Y2);
    int x1 = std::min(p.x(), q.x()), x2 = std::max(p.x(), q.x());
    int y1 = std::min(p.y(), q.y()), y2 = std::max(p.y(), q.y());
    const double angle = item.Param1 * std::numbers::pi / 180.0;
    const int a = Round(std::cos(angle) * item.Param2);
    const int b = -Round(std::sin(angle) * item.Param2);
    if (item.Param1 > 90) std::swap(x1, x2);
    const std::array<QPoint, 4> top{QPoint(x1, y1), QPoint(x1 + a, y1 + b), QPoint(x2 + a, y1 + b),
                                    QPoint(x2, y1)};
    DrawPolygon(FCanvas, top);
    const std::array<QPoint, 4> side{QPoint(x2 + a, y1 + b), QPoint(x2, y1), QPoint(x2, y2),
                                     QPoint(x2 + a, y2 + b)};
    DrawPolygon(FCanvas, side);
    QPoint c(x1, y1), d(x2, y2);
    IncludeFarCorner(c, d);
    FCanvas.Rectangle(c.x(), c.y(), d.x(), d.y());
}

void TItemRenderer::DrawText(const TDrawItem& item, TItemRenderState& s) {
    Flush(s);
    s.FontColor = item.Color;
    const TFontStyles st = FSetup.TextFontStyle;
    // the font stays the canvas's after the text: character marks that follow are written in it
    s.Font = MakeQFont(FSetup.FontName, PointsToPixels(item.Param1), st & FontStyleBit(fsBold),
                       st & FontStyleBit(fsItalic), st & FontStyleBit(fsUnderline),
                       st & FontStyleBit(fsStrikeOut));
    FCanvas.Font = s.Font;
    FCanvas.FontColor = item.Color;
    UseBrush(s, FSetup.TextBkColor, FSetup.TextBkStyle == tbSolid ? bsSolid : bsClear);
    const QString text = item.Text();
    const QSize size = FCanvas.TextExtent(text);
    QPoint p = Convert(item, item.X1, item.Y1);
    p.ry() -= size.height() / 2;
    if (FSetup.TextAlignment == taRightJustify)
        p.rx() -= size.width();
    else if (FSetup.TextAlignment == taCenter)
        p.rx() -= size.width() / 2;
    FCanvas.TextOut(p.x(), p.y(), text);
}

void TItemRenderer::DoMoveTo(const TDrawItem& item, TItemRenderState& s) {
    const QPoint p = Convert(item, item.X1, item.Y1);
    Flush(s);
    s.PenPos = p;
    FCanvas.MoveTo(p.x(), p.y());
}

void TItemRenderer::DrawEllipse(const TDrawItem& item, TItemRenderState& s) {
    Flush(s);
    ShapePensAndBrushes(item, s);
    QPoint a = Convert(item, item.X1 - item.X2, item.Y1 + item.Y2);
    QPoint b = Convert(item, item.X1 + item.X2, item.Y1 - item.Y2);
    if (a == b) {
        PixelAt(a, item.Color);
        return;
    }
    IncludeFarCorner(a, b);
    FCanvas.Ellipse(a.x(), a.y(), b.x(), b.y());
}

void TItemRenderer::DoMoveRel(const TDrawItem& item, TItemRenderState& s) {
    Flush(s);
    const QPoint target = FCanvas.PenPos() + QPoint(Round(item.X1), Round(item.Y1));
    s.PenPos = target;
    FCanvas.MoveTo(target.x(), target.y());
}

void TItemRenderer::DrawLineRel(const TDrawItem& item, TItemRenderState& s) {
    Flush(s);
    const QPoint target = FCanvas.PenPos() + QPoint(Round(item.X1), Round(item.Y1));
    UsePen(s, item.Color, TPenStyle(item.PenStyle));
    FCanvas.LineTo(target.x(), target.y());
    PixelAt(target, item.Color);
}

void TItemRenderer::DrawArrow(const TDrawItem& item, TItemRenderState& s) {
    Flush(s);
    ShapePensAndBrushes(item, s);
    QPoint a = Convert(item, item.X1, item.Y1);
    QPoint b = Convert(item, item.X2, item.Y2);
    if (a == b) {
        PixelAt(a, item.Color);
        return;
    }
    IncludeFarCorner(a, b);
    FCanvas.MoveTo(a.x(), a.y());
    FCanvas.LineTo(b.x(), b.y());
    const int length = item.Param1;
    if (length < 1) return;
    const double pi = std::numbers::pi;
    double phi;
    if (a.x() == b.x())
        phi = b.y() > a.y() ? pi : 0.0;
    else {
        phi = std::atan(double(b.y() - a.y()) / double(b.x() - a.x())) + pi / 2;
        if (b.x() < a.x()) phi += pi;  // the shaft points left: 3/2 pi in all
    }
    const double barb = 20.0 * pi / 180.0;
    const QPoint b1(b.x() - Round(std::sin(phi + barb) * length),
                    b.y() + Round(std::cos(phi + barb) * length));
    const QPoint b2(b.x() - Round(std::sin(phi - barb) * length),
                    b.y() + Round(std::cos(phi - barb) * length));
    if (item.FillTransparent) {
        FCanvas.MoveTo(b.x(), b.y());
        FCanvas.LineTo(b1.x(), b1.y());
        FCanvas.MoveTo(b.x(), b.y());
        FCanvas.LineTo(b2.x(), b2.y());
    } else {
        const std::array<QPoint, 3> head{b, b1, b2};
        DrawPolygon(FCanvas, head);
    }
}
