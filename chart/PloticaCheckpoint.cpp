// Rendering the data area from the checkpoint: the picture of the items that did not change since
// the last render, with the state of the pass after them.
//
// Every render that may keep a checkpoint saves one at the list's stable prefix, all items but
// the last (a chart that follows a moving state tends to take its last item back and add new
// ones), unless the prefix is shorter than CheckpointMinItems. ShowItems starts from the checkpoint when the
// key still matches and the list kept the prefix: it brings the checkpoint forward over the items added
// since, on the checkpoint's own picture, copies that picture and draws the last item. A full repaint never
// starts from a checkpoint, and nothing is kept while a render event is assigned (its handler sees every pass
// from the start) or while charts share the list.

#include <algorithm>
#include <cstring>

#include "PloticaAxes.h"
#include "RenderCheckpoint.h"
#include "TBakGndImg.h"
#include "TCustomPlotica.h"
#include "TFont.h"
#include "TItemList.h"
#include "TScaleProps.h"

namespace {

// Copies every pixel of one image into another of the same size and format.
void CopyPixels(TBitmap& from, TBitmap& to) {
    const QImage& source = from.Image();
    to.Canvas().Release();
    QImage* target = to.Canvas().Target();
    std::memcpy(target->bits(), source.constBits(), std::size_t(source.sizeInBytes()));
}

}  // namespace

void TCustomPlotica::TCheckpointDeleter::operator()(TRenderCheckpoint* checkpoint) const {
    delete checkpoint;
}

bool TCustomPlotica::CheckpointAllowed() const {
    return !OnBeforeRenderData && !OnDataRendered && !FUseDataOf && FSharerCount == 0 &&
           FBackGroundImg->Name().isEmpty() && !FDataBmp.Empty();
}

void TCustomPlotica::FillPictureKey(TDataPictureKey& key) const {
    key.Width = FDataBmp.Width();
    key.Height = FDataBmp.Height();
    key.OffsetX = FMarginLeft;
    key.OffsetY = FMarginTop;
    std::copy(FMapping.begin(), FMapping.end(), key.Layers.begin());
    key.LayerVisible = FLayerVisible;
    key.ClassVisible = FClassVisible;
    key.ChartColor = ColorToRgb(FChartColor);
    key.FrameColor = ColorToRgb(FChartFrameColor);
    key.StartPenWidth = FLineWidth;
    key.FontName = FFont->Name();
    key.TextFontStyle = FTextFontStyle;
    key.TextBkStyle = FTextBkStyle;
    key.TextBkColor = ColorToRgb(FTextBkColor);
    key.TextAlignment = FTextAlignment;
    key.StartFont = FFont->ToQFont();
    const TBakGndImg& b = *FBackGroundImg;
    key.AreaMode = b.AreaMode();
    if (b.AreaMode() != bamNone) {
        key.AreaColor = ColorToRgb(b.AreaColor());
        key.Area = {b.AreaLeft(), b.AreaTop(), b.AreaRight(), b.AreaBottom()};
    }
    key.GridStyle = FGridStyle;
    if (FGridStyle == gsNone) return;
    const int layer = FCurrentLayer;
    const TScaleProps& x = *ScalePropsX(layer);
    const TScaleProps& y = *ScalePropsY(layer);
    key.GridColor = ColorToRgb(FGridColor);
    key.GridDx = FGridDx;
    key.GridDy = FGridDy;
    key.GridLayer = layer;
    key.GridRanges = {x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh()};
    key.GridLog = {x.Logarithmic(), y.Logarithmic()};
    if (FGridDx == 0) key.GridTicksX = FAxes->TickValues(layer, true);
    if (FGridDy == 0) key.GridTicksY = FAxes->TickValues(layer, false);
}

void TCustomPlotica::RenderDataFromCheckpoint() {
    if (!FCheckpoint) FCheckpoint.reset(new TRenderCheckpoint);
    TRenderCheckpoint& cp = *FCheckpoint;
    TDataPictureKey key;
    FillPictureKey(key);
    TItemList& list = *FItems;
    const int count = list.Count();
    const int stable = std::max(count - 1, 0);
    TItemRenderSetup setup;
    FillItemSetup(setup);
    TCanvas& data = FDataBmp.Canvas();
    TItemRenderState state;

    const bool reuse = FShowingItems && cp.Valid && cp.List == &list && cp.Count <= count &&
                       list.UnchangedPrefix() >= cp.Count && cp.Key == key;
    if (reuse) {
        FItemsDrawn = count - cp.Count;  // those after the checkpoint, some of them onto it
        if (stable > cp.Count) {
            TItemRenderer forward(cp.Picture.Canvas(), setup);
            forward.Resume(cp.State);
            forward.Render(list.Data(), cp.Count, stable, cp.State);
            forward.Suspend(cp.State);
            cp.Count = stable;
        }
        CopyPixels(cp.Picture, FDataBmp);
        state = cp.State;
        TItemRenderer rest(data, setup);
        rest.Resume(state);
        rest.Render(list.Data(), cp.Count, count, state);
        rest.End(state);
    } else {
        cp.Valid = false;
        PaintDataBackground();
        if (FGridStyle != gsNone) RenderGrid(data);
        TItemRenderer renderer(data, setup);
        renderer.Begin(state);
        // a short prefix is drawn again sooner than its picture is copied
        const int saved = stable >= CheckpointMinItems ? stable : 0;
        renderer.Render(list.Data(), 0, saved, state);
        if (saved > 0) {
            renderer.Suspend(state);
            cp.Picture.SetSize(FDataBmp.Width(), FDataBmp.Height());
            CopyPixels(FDataBmp, cp.Picture);
            cp.State = state;
            cp.Count = saved;
            cp.List = &list;
            cp.Key = std::move(key);
            cp.Valid = true;
        }
        renderer.Render(list.Data(), saved, count, state);
        renderer.End(state);
        FItemsDrawn = count;
    }
    list.MarkUnchanged();
}
