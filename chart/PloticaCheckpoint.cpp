// SPDX-License-Identifier: MIT
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

#include "ItemRenderer.h"
#include "PloticaAxes.h"
#include "PloticaPrivate.h"
#include "TBakGndImg.h"
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

bool TPloticaPrivate::CheckpointAllowed() const {
    return !q.OnBeforeRenderData && !q.OnDataRendered && !UseDataOf && SharerCount == 0 &&
           BackGroundImg->Name().isEmpty() && !DataBmp.Empty();
}

void TPloticaPrivate::FillPictureKey(TDataPictureKey& key) const {
    key.Width = DataBmp.Width();
    key.Height = DataBmp.Height();
    key.Scale = DataBmp.Scale();
    key.OffsetX = MarginLeft;
    key.OffsetY = MarginTop;
    std::copy(Mapping.begin(), Mapping.end(), key.Layers.begin());
    key.LayerVisible = LayerVisible;
    key.ClassVisible = ClassVisible;
    key.ChartColor = ColorToRgb(ChartColor);
    key.FrameColor = ColorToRgb(ChartFrameColor);
    key.StartPenWidth = LineWidth;
    key.FontName = Font->Name();
    key.TextFontStyle = TextFontStyle;
    key.TextBkStyle = TextBkStyle;
    key.TextBkColor = ColorToRgb(TextBkColor);
    key.TextAlignment = TextAlignment;
    key.StartFont = Font->ToQFont();
    const TBakGndImg& b = *BackGroundImg;
    key.AreaMode = b.AreaMode();
    if (b.AreaMode() != bamNone) {
        key.AreaColor = ColorToRgb(b.AreaColor());
        key.Area = {b.AreaLeft(), b.AreaTop(), b.AreaRight(), b.AreaBottom()};
    }
    key.GridStyle = Grid.Style;
    if (Grid.Style == gsNone) return;
    const int layer = CurrentLayer;
    const TScaleProps& x = *ScaleX[layer];
    const TScaleProps& y = *ScaleY[layer];
    key.GridColor = ColorToRgb(Grid.Color);
    key.GridDx = Grid.Dx;
    key.GridDy = Grid.Dy;
    key.GridLayer = layer;
    key.GridRanges = {x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh()};
    key.GridLog = {x.Logarithmic(), y.Logarithmic()};
    if (Grid.Dx == 0) key.GridTicksX = Axes->TickValues(layer, true);
    if (Grid.Dy == 0) key.GridTicksY = Axes->TickValues(layer, false);
}

void TPloticaPrivate::RenderDataFromCheckpoint() {
    if (!Checkpoint) Checkpoint = std::make_unique<TRenderCheckpoint>();
    TRenderCheckpoint& cp = *Checkpoint;
    TDataPictureKey key;
    FillPictureKey(key);
    TItemList& list = *Items;
    const int count = list.Count();
    const int stable = std::max(count - 1, 0);
    TItemRenderSetup setup;
    FillItemSetup(setup);
    TCanvas& data = DataBmp.Canvas();
    TItemRenderState state;

    const bool reuse = ShowingItems && cp.Valid && cp.List == &list && cp.Count <= count &&
                       list.UnchangedPrefix() >= cp.Count && cp.Key == key;
    if (reuse) {
        ItemsDrawn = count - cp.Count;  // those after the checkpoint, some of them onto it
        if (stable > cp.Count) {
            TItemRenderer forward(cp.Picture.Canvas(), setup);
            forward.Resume(cp.State);
            forward.Render(list, cp.Count, stable, cp.State);
            forward.Suspend(cp.State);
            cp.Count = stable;
        }
        CopyPixels(cp.Picture, DataBmp);
        state = cp.State;
        TItemRenderer rest(data, setup);
        rest.Resume(state);
        rest.Render(list, cp.Count, count, state);
        rest.End(state);
    } else {
        cp.Valid = false;
        PaintDataBackground();
        Grid.Render(data, View(QPoint(MarginLeft, MarginTop)));
        TItemRenderer renderer(data, setup);
        renderer.Begin(state);
        // a short prefix is drawn again sooner than its picture is copied
        const int saved = stable >= TCustomPlotica::CheckpointMinItems ? stable : 0;
        renderer.Render(list, 0, saved, state);
        if (saved > 0) {
            renderer.Suspend(state);
            cp.Picture.SetSize(DataBmp.Width(), DataBmp.Height(), DataBmp.Scale());
            CopyPixels(DataBmp, cp.Picture);
            cp.State = state;
            cp.Count = saved;
            cp.List = &list;
            cp.Key = std::move(key);
            cp.Valid = true;
        }
        renderer.Render(list, saved, count, state);
        renderer.End(state);
        ItemsDrawn = count;
    }
    list.MarkUnchanged();
}
