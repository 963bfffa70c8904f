// SPDX-License-Identifier: MIT
// Painting of the numeric label: the whole picture is built in an off-screen bitmap of the
// control's size and copied onto the control's picture in one step, so the label never flickers.

#include <QPainter>

#include "NumoraPrivate.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TFont.h"
#include "TVectorCanvas.h"

QString TNumora::SampleText() {
    // the tallest and deepest marks of the usual texts: brackets, descender, umlauts, section sign
    return QStringLiteral("(8g]}") + QChar(0x00DC) + QChar(0x00C4) + QChar(0x00A7);
}

void TNumora::Paint() {
    if (!Visible() && !IsDesigning()) return;
    const int w = width(), h = height();
    TBitmap bitmap;
    bitmap.SetSize(w, h, DeviceScale());
    d->Draw(bitmap.Canvas());
    const QRect all(0, 0, w, h);
    Canvas().CopyRect(all, bitmap.Image(), all);
}

void TNumora::ToPainter(QPainter& painter) {
    if (IsLoading() || width() <= 0 || height() <= 0 || !painter.isActive()) return;
    TVectorCanvas vector(painter, QSize(width(), height()));
    d->Draw(vector.Canvas());
}

// Background, side texts, box and number onto a canvas of the label's size.
void TNumoraPrivate::Draw(TCanvas& c) {
    const int w = q.width(), h = q.height();
    c.AssignFont(*q.Font());
    const int textY = (h - c.TextHeight(TNumora::SampleText())) / 2;

    c.Pen = TCanvasPen{ColorOutBakG};
    c.Brush = TCanvasBrush{ColorOutBakG, bsSolid};
    c.Rectangle(0, 0, w, h);
    DrawSideTexts(c, textY);
    DrawBox(c);
    DrawnText.clear();
    if (!Empty) DrawNumber(c, textY);
}

// Left and right texts on the outside background (the brush still has its colour).
void TNumoraPrivate::DrawSideTexts(TCanvas& c, int textY) const {
    c.FontColor = ColorOutText;
    const int l = LeftSpace, b = LabelWidth, w = q.width();
    if (!LeftText.isEmpty()) {
        const int tw = c.TextWidth(LeftText);
        int x = 7;
        if (LeftTextAlignment == taRightJustify) x = l - tw - 5;
        if (LeftTextAlignment == taCenter) x = (l - tw) / 2;
        c.TextOut(x, textY, LeftText);
    }
    if (!RightText.isEmpty()) {
        const int tw = c.TextWidth(RightText);
        int x = l + b + 7;
        if (RightTextAlignment == taRightJustify) x = w - tw - 6;
        if (RightTextAlignment == taCenter) x = l + b + 1 + (w - l - b - tw) / 2;
        c.TextOut(x, textY, RightText);
    }
}

// The box: an outline rectangle, and for the 3-D styles an inner top-left and an outer
// bottom-right line.
void TNumoraPrivate::DrawBox(TCanvas& c) const {
    const int l = LeftSpace, b = LabelWidth, h = q.height();
    TColor outline = FrameDarkColor;
    if (FrameStyle == fsNone) outline = ColorLabBakG;
    if (FrameStyle == fsEmbossed) outline = FrameLightColor;
    c.Pen = TCanvasPen{outline};
    c.Brush = TCanvasBrush{ColorLabBakG, bsSolid};
    if (FrameStyle == fsNone || FrameStyle == fsSimple) {
        c.Rectangle(l, 0, l + b + 2, h);
        return;
    }
    c.Rectangle(l, 0, l + b + 2, h - 1);
    TColor topLeft = FrameLightColor, bottomRight = FrameLightColor;  // engraved
    switch (FrameStyle) {
        case fsLowered:
            topLeft = FrameDeepColor;
            break;
        case fsRaised:
            bottomRight = FrameDeepColor;
            break;
        case fsEmbossed:
            topLeft = bottomRight = FrameDarkColor;
            break;
        default:
            break;
    }
    c.Pen.Color = topLeft;
    c.MoveTo(l + 1, h - 3);
    c.LineTo(l + 1, 1);
    c.LineTo(l + b + 1, 1);
    c.Pen.Color = bottomRight;
    c.MoveTo(l + 1, h - 1);
    c.LineTo(l + b + 2, h - 1);
    c.LineTo(l + b + 2, 0);
}

// The number, clipped to the inside of the box, on the box's colour.
void TNumoraPrivate::DrawNumber(TCanvas& c, int textY) {
    const int l = LeftSpace, b = LabelWidth, h = q.height();
    QString text = q.DisplayText();
    if (q.OnBeforeDisplay) q.OnBeforeDisplay(&q, text);
    int tw = c.TextWidth(text);
    if (tw > b - 6 && Text.CanOverflow()) {
        text = Text.OverflowIndicator;
        tw = c.TextWidth(text);
    }
    DrawnText = text;
    int x = l + 2 + (b - tw) / 2;
    if (Alignment == taLeftJustify) x = l + 4;
    if (Alignment == taRightJustify) x = l + b - 2 - tw;
    c.FontColor = ColorLabText;
    c.Brush = TCanvasBrush{ColorLabBakG, bsSolid};
    // (l + 3, 2) up to, not including, (l + b - 1, h - 3)
    c.TextRect(QRect(QPoint(l + 3, 2), QPoint(l + b - 2, h - 4)), x, textY, text);
}
