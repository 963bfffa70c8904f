// The background of the data area: plain colour, an image in one of three fill modes, or a
// marked area in world coordinates of layer 1.

#include <algorithm>

#include "TBakGndImg.h"
#include "TCanvas.h"
#include "TCustomPlotica.h"

void TCustomPlotica::PaintDataBackground() {
    SizeDataBitmap();
    if (FDataBmp.Empty()) return;
    TCanvas& c = FDataBmp.Canvas();
    c.Pen = TCanvasPen{FChartFrameColor, 1, psSolid, pmCopy};
    c.Brush = TCanvasBrush{FChartColor, bsSolid};
    if (!FBackGroundImg->Name().isEmpty() && PaintBackgroundImage()) return;
    c.Pen.Color = FChartFrameColor;
    c.Brush = TCanvasBrush{FChartColor, bsSolid};
    c.Rectangle(0, 0, FDataBmp.Width(), FDataBmp.Height());
    if (FBackGroundImg->AreaMode() != bamNone) PaintMarkedArea();
}

// false when the file cannot be read: its name is then forgotten
bool TCustomPlotica::PaintBackgroundImage() {
    if (!FImageBmp.LoadFromFile(FBackGroundImg->Name())) {
        FBackGroundImg->SetName(QString());
        return false;
    }
    TCanvas& c = FDataBmp.Canvas();
    const int bw = FDataBmp.Width(), bh = FDataBmp.Height();
    const int iw = FImageBmp.Width(), ih = FImageBmp.Height();
    const QImage& image = FImageBmp.Image();
    switch (FBackGroundImg->FillMode()) {
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

void TCustomPlotica::PaintMarkedArea() {
    const TBakGndImg& a = *FBackGroundImg;
    auto clamp = [](int v) { return std::clamp(v, -30000, 30000); };
    const QPoint lt = WorldToPixel(1, a.AreaLeft(), a.AreaTop());
    const QPoint rb = WorldToPixel(1, a.AreaRight(), a.AreaBottom());
    const int l = clamp(lt.x()) - FMarginLeft, t = clamp(lt.y()) - FMarginTop;
    const int r = clamp(rb.x()) - FMarginLeft, b = clamp(rb.y()) - FMarginTop;
    const int w = FDataBmp.Width(), h = FDataBmp.Height();
    TCanvas& c = FDataBmp.Canvas();
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
