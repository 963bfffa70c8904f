// SPDX-License-Identifier: MIT
#include "ChartFrame.h"

#include <array>

#include "ChartPolygon.h"
#include "TCanvas.h"
#include "TFont.h"

namespace {

// the data area's picture as it lies on the control: it is copied there afterwards
QRect DataRect(const TChartView& view) {
    return QRect(view.MarginLeft, view.MarginTop, std::max(view.DataWidth() + 1, 0),
                 std::max(view.DataHeight() + 1, 0)) &
           QRect(0, 0, view.Width, view.Height);
}

}  // namespace

void TFramePart::Render(TCanvas& c, const TChartView& view) {
    const int w = view.Width, h = view.Height, s = view.ShadowWidth;
    c.Pen = TCanvasPen{WindColor, 1, psSolid, pmCopy};
    c.Brush = TCanvasBrush{WindColor, bsSolid};
    // only what the data area's picture leaves free needs the colour
    const QRect data = DataRect(view);
    if (data.isEmpty()) {
        c.FillRect(0, 0, w, h);
    } else {
        c.FillRect(0, 0, w, data.top());
        c.FillRect(0, data.bottom() + 1, w, h);
        c.FillRect(0, data.top(), data.left(), data.bottom() + 1);
        c.FillRect(data.right() + 1, data.top(), w, data.bottom() + 1);
    }
    if (s > 0) RenderShadow(c, w, h, s);
    if (Caption.isEmpty()) return;
    c.Pen.Color = view.ChartFrameColor;
    c.Brush.Style = bsClear;
    c.AssignFont(*view.Font);  // the caption is written in the chart's font
    const QPoint at = CaptionAt(view, c.TextWidth(Caption));
    c.TextOut(at.x(), at.y(), Caption);
    c.Brush.Style = bsSolid;
}

void TFramePart::RenderShadow(TCanvas& c, int w, int h, int s) {
    c.Brush = TCanvasBrush{ShadowBakColor, bsSolid};
    c.FillRect(w - s, 0, w, s);
    c.FillRect(0, h - s, s, h);
    c.Brush.Color = ShadowColor;
    int e;
    if (ShadowStyle == ssFlying) {
        c.Pen.Color = ShadowColor;
        e = s - 1;
    } else {
        c.Pen.Color = clBlack;
        e = 0;
    }
    const std::array<QPoint, 4> bottom{QPoint(e, h - s), QPoint(s - 1, h - 1), QPoint(w - 1, h - 1),
                                       QPoint(w - s, h - s)};
    DrawPolygon(c, bottom);
    const std::array<QPoint, 4> right{QPoint(w - s, h - s), QPoint(w - 1, h - 1), QPoint(w - 1, s - 1),
                                      QPoint(w - s, e)};
    DrawPolygon(c, right);
    c.Pen = TCanvasPen{clBlack, 1, psSolid, pmCopy};
    c.MoveTo(0, 0);
    c.LineTo(w - s, 0);
    c.LineTo(w - s, h - s);
    c.LineTo(0, h - s);
    c.LineTo(0, 0);
}

QPoint TFramePart::CaptionAt(const TChartView& view, int tw) const {
    int x = CaptionPosX;
    switch (CaptionAnchorHoriz) {
        case cahControlLeft:
            break;
        case cahChartLeft:
            x += view.MarginLeft;
            break;
        case cahChartCenter:
            x += view.MarginLeft + view.DataWidth() / 2;
            break;
        case cahChartRight:
            x += view.DataRight();
            break;
        case cahControlRight:
            x += view.Width;
            break;
    }
    int y = CaptionPosY;
    switch (CaptionAnchorVert) {
        case cavControlTop:
            break;
        case cavChartTop:
            y += view.MarginTop;
            break;
        case cavChartCenter:
            y += view.MarginTop + view.DataHeight() / 2;
            break;
        case cavChartBottom:
            y += view.Height - view.MarginBottom;
            break;
        case cavControlBottom:
            y += view.Height;
            break;
    }
    if (CaptionAlignment == taRightJustify)
        x -= tw;
    else if (CaptionAlignment == taCenter)
        x -= tw / 2;
    return QPoint(x, y);
}

QRect TFramePart::CaptionBox(const TChartView& view) const {
    if (Caption.isEmpty()) return QRect();
    TCanvas measure;
    measure.AssignFont(*view.Font);
    const QSize size = measure.TextExtent(Caption);
    return QRect(CaptionAt(view, size.width()), size);
}

bool TFramePart::Contains(const TChartView& view, QPoint p) const {
    if (!QRect(0, 0, view.Width, view.Height).contains(p)) return false;
    return !DataRect(view).contains(p) || CaptionBox(view).contains(p);
}
