// Painting of the numeric label: the whole picture is built in an off-screen bitmap of the
// control's size and copied onto the control's picture in one step, so the label never flickers.

#include "TBitmap.h"
#include "TCanvas.h"
#include "TNumora.h"

QString TNumora::SampleText() {
    // the tallest and deepest marks of the usual texts: brackets, descender, umlauts, section sign
    return QStringLiteral("(8g]}") + QChar(0x00DC) + QChar(0x00C4) + QChar(0x00A7);
}

void TNumora::Paint() {
    if (!Visible() && !IsDesigning()) return;
    const int w = width(), h = height();
    TBitmap bitmap(w, h);
    TCanvas& c = bitmap.Canvas();
    c.AssignFont(*FFont);
    const int textY = (h - c.TextHeight(SampleText())) / 2;

    c.Pen = TCanvasPen{FColorOutBakG};
    c.Brush = TCanvasBrush{FColorOutBakG, bsSolid};
    c.Rectangle(0, 0, w, h);
    DrawSideTexts(c, textY);
    DrawBox(c);
    FDrawnText.clear();
    if (!FEmpty) DrawNumber(c, textY);

    const QRect all(0, 0, w, h);
    Canvas().CopyRect(all, bitmap.Image(), all);
}

// Left and right texts on the outside background (the brush still has its colour).
void TNumora::DrawSideTexts(TCanvas& c, int textY) const {
    c.FontColor = FColorOutText;
    const int l = FLeftSpace, b = FLabelWidth, w = width();
    if (!FLeftText.isEmpty()) {
        const int tw = c.TextWidth(FLeftText);
        int x = 7;
        if (FLeftTextAlignment == taRightJustify) x = l - tw - 5;
        if (FLeftTextAlignment == taCenter) x = (l - tw) / 2;
        c.TextOut(x, textY, FLeftText);
    }
    if (!FRightText.isEmpty()) {
        const int tw = c.TextWidth(FRightText);
        int x = l + b + 7;
        if (FRightTextAlignment == taRightJustify) x = w - tw - 6;
        if (FRightTextAlignment == taCenter) x = l + b + 1 + (w - l - b - tw) / 2;
        c.TextOut(x, textY, FRightText);
    }
}

// The box: an outline rectangle, and for the 3-D styles an inner top-left and an outer
// bottom-right line.
void TNumora::DrawBox(TCanvas& c) const {
    const int l = FLeftSpace, b = FLabelWidth, h = height();
    TColor outline = FFrameDarkColor;
    if (FFrameStyle == fsNone) outline = FColorLabBakG;
    if (FFrameStyle == fsEmbossed) outline = FFrameLightColor;
    c.Pen = TCanvasPen{outline};
    c.Brush = TCanvasBrush{FColorLabBakG, bsSolid};
    if (FFrameStyle == fsNone || FFrameStyle == fsSimple) {
        c.Rectangle(l, 0, l + b + 2, h);
        return;
    }
    c.Rectangle(l, 0, l + b + 2, h - 1);
    TColor topLeft = FFrameLightColor, bottomRight = FFrameLightColor;  // engraved
    switch (FFrameStyle) {
        case fsLowered:
            topLeft = FFrameDeepColor;
            break;
        case fsRaised:
            bottomRight = FFrameDeepColor;
            break;
        case fsEmbossed:
            topLeft = bottomRight = FFrameDarkColor;
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
void TNumora::DrawNumber(TCanvas& c, int textY) {
    const int l = FLeftSpace, b = FLabelWidth, h = height();
    QString text = DisplayText();
    if (OnBeforeDisplay) OnBeforeDisplay(this, text);
    int tw = c.TextWidth(text);
    if (tw > b - 6 && FDisplayType != dtState) {
        text = FOverflowIndicator;
        tw = c.TextWidth(text);
    }
    FDrawnText = text;
    int x = l + 2 + (b - tw) / 2;
    if (FAlignment == taLeftJustify) x = l + 4;
    if (FAlignment == taRightJustify) x = l + b - 2 - tw;
    c.FontColor = FColorLabText;
    c.Brush = TCanvasBrush{FColorLabBakG, bsSolid};
    // (l + 3, 2) up to, not including, (l + b - 1, h - 3)
    c.TextRect(QRect(QPoint(l + 3, 2), QPoint(l + b - 2, h - 4)), x, textY, text);
}
