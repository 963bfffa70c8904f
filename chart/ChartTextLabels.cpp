// SPDX-License-Identifier: MIT
#include "ChartTextLabels.h"

#include <algorithm>

#include "Rounding.h"
#include "TCanvas.h"
#include "TFont.h"
#include "TTextLabel.h"

TTextLabelsPart::TTextLabelsPart(const std::array<TTextLabel*, PloticaTextLabelCount + 1>& labels)
    : FLabels(labels) {}

QPoint TTextLabelsPart::Anchor(const TChartView& view, const TTextLabel& tl) {
    const QPoint world = view.WorldToPixel(tl.Layer(), tl.PosX(), tl.PosY());
    const TTxtLblAttachMode a = tl.AttachToData();
    return QPoint(a == tlamXOnly || a == tlamBoth ? world.x() : Vexa::RoundToPixel(tl.PosX()),
                  a == tlamYOnly || a == tlamBoth ? world.y() : Vexa::RoundToPixel(tl.PosY()));
}

bool TTextLabelsPart::Shown(const TChartView& view, const TTextLabel& tl) {
    const int layer = tl.Layer();
    return tl.Mode() != tlOff && tl.Visible() && layer >= 1 && layer <= PloticaLayerCount &&
           view.LayerVisible[layer];
}

TTextLabelsPart::TBlock TTextLabelsPart::Layout(const TChartView& view, const TTextLabel& tl,
                                                const TCanvas& measure) {
    TBlock b;
    b.Lines = tl.Caption().split(QChar(10));
    for (const QString& line : b.Lines) b.Width = std::max(b.Width, measure.TextWidth(line));
    if (b.Width == 0) b.Width = measure.TextWidth(tl.Caption());
    b.LineHeight = measure.TextHeight(tl.Caption());
    QPoint a = Anchor(view, tl);
    // alignment moves the anchor: down for the vertical, left for the horizontal
    if (tl.VerticalAlignment() == vaTop)
        a.ry() += b.LineHeight;
    else if (tl.VerticalAlignment() == vaCenter)
        a.ry() += b.LineHeight / 2;
    if (tl.Alignment() == taRightJustify)
        a.rx() -= b.Width;
    else if (tl.Alignment() == taCenter)
        a.rx() -= b.Width / 2;
    b.Anchor = a;
    const int n = int(b.Lines.size());
    b.Box = QRect(QPoint(a.x() - 4, a.y() - n * b.LineHeight - 2),
                  QPoint(a.x() + b.Width + 4 - 1, a.y() + 2 - 1));
    return b;
}

void TTextLabelsPart::Render(TCanvas& c, const TChartView& view) {
    for (int n = PloticaTextLabelCount; n >= 1; --n) {
        const TTextLabel& tl = *FLabels[n];
        if (!Shown(view, tl)) continue;
        c.AssignFont(*tl.Font());
        c.Pen = TCanvasPen{tl.ColorBorder(), 1, psSolid, pmCopy};
        c.Brush = TCanvasBrush{tl.ColorBkg(), tl.Transparent() ? bsClear : bsSolid};
        const TBlock b = Layout(view, tl, c);
        const QPoint a = view.OnCanvas(b.Anchor);
        const QRect box = b.Box.translated(-view.Origin);
        auto fillBox = [&](const QRect& r, TColor pen) {
            const TCanvasPen savedPen = c.Pen;
            c.Pen.Color = pen;
            c.Rectangle(r);
            c.Pen = savedPen;
        };
        switch (tl.Mode()) {
            case tlsimple:
                if (!tl.Transparent()) fillBox(box, tl.ColorBkg());
                break;
            case tlBox:
                c.Rectangle(box);
                break;
            case tlUnderline:
                if (!tl.Transparent()) fillBox(box, tl.ColorBkg());
                c.MoveTo(a.x(), a.y());
                c.LineTo(a.x() + b.Width, a.y());
                break;
            case tlShadow: {
                const TCanvasBrush savedBrush = c.Brush;
                c.Brush = TCanvasBrush{tl.ColorShadow(), bsSolid};
                fillBox(box.translated(tl.ShadowDx(), tl.ShadowDy()), tl.ColorShadow());
                c.Brush = TCanvasBrush{tl.ColorBkg(), bsSolid};
                c.Rectangle(box);
                c.Brush = savedBrush;
                break;
            }
            default:
                break;
        }
        const int lines = int(b.Lines.size());
        for (int k = 0; k < lines; ++k) {
            const int lw = c.TextWidth(b.Lines[k]);
            int o = 0;
            if (tl.Alignment() == taRightJustify)
                o = b.Width - lw;
            else if (tl.Alignment() == taCenter)
                o = (b.Width - lw) / 2;
            c.TextOut(a.x() + o, a.y() - (lines - k) * b.LineHeight, b.Lines[k]);
        }
    }
}

// inside the box of a shown label (the text block with its margin)
bool TTextLabelsPart::Contains(const TChartView& view, QPoint p) const {
    TCanvas measure;
    for (int n = 1; n <= PloticaTextLabelCount; ++n) {
        const TTextLabel& tl = *FLabels[n];
        if (!Shown(view, tl)) continue;
        measure.AssignFont(*tl.Font());
        if (Layout(view, tl, measure).Box.contains(p)) return true;
    }
    return false;
}
