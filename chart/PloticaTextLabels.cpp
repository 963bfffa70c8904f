// The thirty text labels of the chart, drawn onto the data area from label 30 down to label 1.

#include <QStringList>
#include <cmath>

#include "Rounding.h"
#include "TCanvas.h"
#include "TCustomPlotica.h"
#include "TFont.h"
#include "TTextLabel.h"

namespace {
int RoundPixel(double v) {
    return Vexa::RoundToPixel(v);
}
}  // namespace

void TCustomPlotica::RenderTextLabels(TCanvas& c) {
    for (int n = PloticaTextLabelCount; n >= 1; --n) {
        const TTextLabel& tl = *FTextLabels[n];
        if (tl.Mode() == tlOff || !tl.Visible() || !LayerVisible(tl.Layer())) continue;
        // anchor in control pixels, then on the data-area bitmap
        const QPoint world = WorldToPixel(tl.Layer(), tl.PosX(), tl.PosY());
        int ax = RoundPixel(tl.PosX()), ay = RoundPixel(tl.PosY());
        if (tl.AttachToData() == tlamXOnly || tl.AttachToData() == tlamBoth) ax = world.x();
        if (tl.AttachToData() == tlamYOnly || tl.AttachToData() == tlamBoth) ay = world.y();
        ax -= FMarginLeft;
        ay -= FMarginTop;

        c.AssignFont(*tl.Font());
        c.Pen = TCanvasPen{tl.ColorBorder(), 1, psSolid, pmCopy};
        c.Brush = TCanvasBrush{tl.ColorBkg(), tl.Transparent() ? bsClear : bsSolid};
        const QStringList lines = tl.Caption().split(QChar(10));
        const int n_lines = int(lines.size());
        int w = 0;
        for (const QString& line : lines) w = std::max(w, c.TextWidth(line));
        if (w == 0) w = c.TextWidth(tl.Caption());
        const int h = c.TextHeight(tl.Caption());

        if (tl.VerticalAlignment() == vaTop)
            ay += h;
        else if (tl.VerticalAlignment() == vaCenter)
            ay += h / 2;
        if (tl.Alignment() == taRightJustify)
            ax -= w;
        else if (tl.Alignment() == taCenter)
            ax -= w / 2;

        const QRect box(QPoint(ax - 4, ay - n_lines * h - 2), QPoint(ax + w + 4 - 1, ay + 2 - 1));
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
                c.MoveTo(ax, ay);
                c.LineTo(ax + w, ay);
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
        for (int k = 0; k < n_lines; ++k) {
            const int lw = c.TextWidth(lines[k]);
            int o = 0;
            if (tl.Alignment() == taRightJustify)
                o = w - lw;
            else if (tl.Alignment() == taCenter)
                o = (w - lw) / 2;
            c.TextOut(ax + o, ay - (n_lines - k) * h, lines[k]);
        }
    }
}
