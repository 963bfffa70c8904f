// SPDX-License-Identifier: MIT
#include "ChartBackground.h"

#include <algorithm>

#include "TBakGndImg.h"
#include "TCanvas.h"

TBackgroundPart::TBackgroundPart(TBakGndImg& settings) : FSettings(settings) {
    FImage.SetSize(10, 10);
}

void TBackgroundPart::Render(TCanvas& c, const TChartView& view) {
    if (c.Width() <= 0 || c.Height() <= 0) return;
    c.Pen = TCanvasPen{view.ChartFrameColor, 1, psSolid, pmCopy};
    c.Brush = TCanvasBrush{view.ChartColor, bsSolid};
    if (!FSettings.Name().isEmpty() && RenderImage(c)) return;
    c.Pen.Color = view.ChartFrameColor;
    c.Brush = TCanvasBrush{view.ChartColor, bsSolid};
    c.Rectangle(0, 0, c.Width(), c.Height());
    if (FSettings.AreaMode() != bamNone) RenderMarkedArea(c, view);
}

bool TBackgroundPart::Contains(const TChartView& view, QPoint p) const {
    return view.InDataArea(p);
}

// false when the file cannot be read: its name is then forgotten
bool TBackgroundPart::RenderImage(TCanvas& c) {
    if (!FImage.LoadFromFile(FSettings.Name())) {
        FSettings.SetName(QString());
        return false;
    }
    const int bw = c.Width(), bh = c.Height();
    const int iw = FImage.Width(), ih = FImage.Height();
    const QImage& image = FImage.Image();
    switch (FSettings.FillMode()) {
        case bfSimple:
            c.Rectangle(0, 0, bw, bh);
            c.Draw(0, 0, image);
            break;
        case bfStretch:
            c.StretchDraw(QRect(0, 0, bw, bh), image);
            break;
        case bfTile: {
            const int cols = (bw - 1) / iw + 1, rows = (bh - 1) / ih + 1;
            for (int row = 0; row < rows; ++row)
                for (int col = 0; col < cols; ++col) c.Draw(col * iw, row * ih, image);
            break;
        }
    }
    return true;
}

void TBackgroundPart::RenderMarkedArea(TCanvas& c, const TChartView& view) {
    const TBakGndImg& a = FSettings;
    auto clamp = [](int v) { return std::clamp(v, -30000, 30000); };
    const QPoint lt = view.WorldToPixel(1, a.AreaLeft(), a.AreaTop());
    const QPoint rb = view.WorldToPixel(1, a.AreaRight(), a.AreaBottom());
    const int l = clamp(lt.x()) - view.Origin.x(), t = clamp(lt.y()) - view.Origin.y();
    const int r = clamp(rb.x()) - view.Origin.x(), b = clamp(rb.y()) - view.Origin.y();
    const int w = c.Width(), h = c.Height();
    c.Pen.Color = a.AreaColor();
    c.Brush = TCanvasBrush{a.AreaColor(), bsSolid};
    switch (a.AreaMode()) {
        case bamLeft:
            c.Rectangle(0, 0, l, h);
            break;
        case bamRight:
            c.Rectangle(r, 0, w, h);
            break;
        case bamTop:
            c.Rectangle(0, 0, w, t);
            break;
        case bamBottom:
            c.Rectangle(0, b, w, h);
            break;
        case bamVStripe:
            c.Rectangle(l, 0, r, h);
            break;
        case bamHStripe:
            c.Rectangle(0, t, w, b);
            break;
        case bamRect:
            c.Rectangle(l, t, r, b);
            break;
        default:
            break;
    }
}
