// SPDX-License-Identifier: MIT
// The chart's display list: adding, removing and clearing items, bringing the screen up to date,
// and sharing one list between several charts.

#include <cstring>

#include "PloticaPrivate.h"
#include "TItemList.h"
#include "TMessageBox.h"

TDrawItem* TPloticaPrivate::NewItem(TDrawItemKind kind, double x1, double y1, double x2, double y2) {
    TDrawItem* item = Items->Append(AllocSize);
    if (!item) return nullptr;
    std::memset(item, 0, sizeof(TDrawItem));
    item->Kind = kind;
    item->Layer = CurrentLayer;
    item->Class = std::uint8_t(ClassDefault);
    item->X1 = x1;
    item->Y1 = y1;
    item->X2 = x2;
    item->Y2 = y2;
    item->Color = DataColor;
    item->PenStyle = std::uint8_t(PenStyle);
    item->LineWidth = LineWidth;
    return item;
}

void TCustomPlotica::AddMark(double x, double y, int mark) {
    if (TDrawItem* item = d->NewItem(ikMark, x, y, 0, 0)) item->Mark = std::uint8_t(mark);
    PropagateItems();
}

void TCustomPlotica::MoveTo(double x, double y) {
    d->NewItem(ikMoveTo, x, y, 0, 0);
    PropagateItems();
}

void TCustomPlotica::LineTo(double x, double y) {
    d->NewItem(ikLineTo, x, y, 0, 0);
    PropagateItems();
}

void TCustomPlotica::AddPolyline(const double* x, const double* y, int n) {
    if (n < 1 || !x || !y) return;
    TDrawItem pen;
    std::memset(&pen, 0, sizeof pen);
    pen.Kind = ikLineTo;
    pen.Layer = d->CurrentLayer;
    pen.Class = std::uint8_t(d->ClassDefault);
    pen.Color = d->DataColor;
    pen.PenStyle = std::uint8_t(d->PenStyle);
    pen.LineWidth = d->LineWidth;
    d->Items->AppendSeries(x, y, n, pen, d->AllocSize);
    PropagateItems();
}

void TCustomPlotica::AddLine(double x1, double y1, double x2, double y2) {
    d->NewItem(ikLine, x1, y1, x2, y2);
    PropagateItems();
}

void TCustomPlotica::AddRectangle(double x1, double y1, double x2, double y2) {
    if (TDrawItem* item = d->NewItem(ikRectangle, x1, y1, x2, y2)) {
        item->FillColor = d->FillColor;
        item->FillTransparent = d->FillTransparent;
    }
    PropagateItems();
}

void TCustomPlotica::AddEllipse(double xc, double yc, double rx, double ry) {
    if (TDrawItem* item = d->NewItem(ikEllipse, xc, yc, rx, ry)) {
        item->FillColor = d->FillColor;
        item->FillTransparent = d->FillTransparent;
    }
    PropagateItems();
}

void TCustomPlotica::AddFramedBox(double x1, double y1, double x2, double y2, int frameStyle,
                                  TColor frameColor1, TColor frameColor2) {
    if (TDrawItem* item = d->NewItem(ikFramedBox, x1, y1, x2, y2)) {
        item->FillColor = d->FillColor;
        item->FrameStyle = std::uint8_t(frameStyle);
        item->FrameColor1 = frameColor1;
        item->FrameColor2 = frameColor2;
    }
    PropagateItems();
}

void TCustomPlotica::AddBar3D(double x1, double y1, double x2, double y2, int angle, int depth) {
    if (TDrawItem* item = d->NewItem(ikBar3D, x1, y1, x2, y2)) {
        item->FillColor = d->FillColor;
        item->Param1 = angle;
        item->Param2 = depth;
    }
    PropagateItems();
}

void TCustomPlotica::AddText(double x, double y, const QString& text, int sizePoints) {
    if (TDrawItem* item = d->NewItem(ikText, x, y, 0, 0)) {
        item->SetText(text);
        item->Param1 = sizePoints;
    }
    PropagateItems();
}

void TCustomPlotica::MoveRel(double dx, double dy) {
    d->NewItem(ikMoveRel, dx, dy, 0, 0);
    PropagateItems();
}

void TCustomPlotica::LineRel(double dx, double dy) {
    d->NewItem(ikLineRel, dx, dy, 0, 0);
    PropagateItems();
}

void TCustomPlotica::AddArrow(double x1, double y1, double x2, double y2, int headLength) {
    if (TDrawItem* item = d->NewItem(ikArrow, x1, y1, x2, y2)) {
        item->FillColor = d->FillColor;
        item->FillTransparent = d->FillTransparent;
        item->Param1 = headLength;
    }
    PropagateItems();
}

void TCustomPlotica::RemoveLastItem() {
    d->Items->RemoveLast();
    PropagateItems();
}

void TCustomPlotica::ClearItems() {
    d->PaintDataBackground();  // the data area is blank; nothing reaches the screen yet
    d->Items->Clear();
    PropagateItems();
}

int TCustomPlotica::ItemCount() const {
    return d->Items->Count();
}
int TCustomPlotica::ItemCapacity() const {
    return d->Items->Capacity();
}
const TDrawItem& TCustomPlotica::Item(int index) const {
    return (*d->Items)[index];
}

int TCustomPlotica::AllocSize() const {
    return d->AllocSize;
}

void TCustomPlotica::SetAllocSize(int v) {
    if (v >= 1 && v <= 1000000) d->AllocSize = v;
}

// the drawing state: stamped into new items, never repaints
TColor TCustomPlotica::DataColor() const {
    return d->DataColor;
}
void TCustomPlotica::SetDataColor(TColor v) {
    d->DataColor = v;
}
TColor TCustomPlotica::FillColor() const {
    return d->FillColor;
}
void TCustomPlotica::SetFillColor(TColor v) {
    d->FillColor = v;
}
int TCustomPlotica::LineWidth() const {
    return d->LineWidth;
}
void TCustomPlotica::SetLineWidth(int v) {
    d->LineWidth = std::uint8_t(v);
}
TPenStyle TCustomPlotica::PenStyle() const {
    return d->PenStyle;
}
void TCustomPlotica::SetPenStyle(TPenStyle v) {
    d->PenStyle = v;
}
bool TCustomPlotica::FillTransparent() const {
    return d->FillTransparent;
}
void TCustomPlotica::SetFillTransparent(bool v) {
    d->FillTransparent = v;
}
bool TCustomPlotica::AutoRedraw() const {
    return d->AutoRedraw;
}
void TCustomPlotica::SetAutoRedraw(bool v) {
    d->AutoRedraw = v;
}

int TCustomPlotica::ClassDefault() const {
    return d->ClassDefault;
}

void TCustomPlotica::SetClassDefault(int v) {
    if (v >= 0 && v < 255) d->ClassDefault = v;
}

int TCustomPlotica::CurrentLayer() const {
    return d->CurrentLayer;
}

void TCustomPlotica::SetCurrentLayer(int layer) {
    d->CurrentLayer = ClampLayer(layer);
}

bool TCustomPlotica::ClassVisible(int itemClass) const {
    return itemClass >= 0 && itemClass <= 255 && d->ClassVisible[itemClass];
}

void TCustomPlotica::SetClassVisible(int itemClass, bool visible) {
    if (itemClass < 0 || itemClass > 255) return;
    d->ClassVisible[itemClass] = visible;
    RepaintIfAuto();
}

bool TCustomPlotica::LayerVisible(int layer) const {
    return layer >= 1 && layer <= PloticaLayerCount && d->LayerVisible[layer];
}

void TCustomPlotica::SetLayerVisible(int layer, bool visible) {
    if (layer < 1 || layer > PloticaLayerCount) return;
    d->LayerVisible[layer] = visible;
    RepaintIfAuto();
}

// The charts of a sharing group hold one list object together, so every change made through any
// of them is already theirs; propagating only makes sure each member refers to it.
void TCustomPlotica::PropagateItems() {
    if (TCustomPlotica* source = d->UseDataOf) {
        d->Items = source->d->Items;
        for (int i = 0; i < source->d->SharerCount; ++i) source->d->Sharers[i]->d->Items = d->Items;
    }
    for (int i = 0; i < d->SharerCount; ++i) d->Sharers[i]->d->Items = d->Items;
}

void TPloticaPrivate::RefreshChart() {
    if (AutoRedraw || q.IsDesigning()) q.Paint();
}

void TCustomPlotica::ShowItems() {
    if (Visible()) {
        PropagateItems();
        // the items added since the last render are drawn onto the picture of those before them
        struct TShowing {
            bool& Flag;
            explicit TShowing(bool& flag) : Flag(flag) { Flag = true; }
            ~TShowing() { Flag = false; }
        } showing(d->ShowingItems);
        if (d->AutoRedraw)
            d->RefreshDataArea();
        else
            Paint();
    }
    if (TCustomPlotica* source = d->UseDataOf) {
        source->d->RefreshChart();
        for (int i = 0; i < source->d->SharerCount; ++i) source->d->Sharers[i]->d->RefreshChart();
    }
    for (int i = 0; i < d->SharerCount; ++i) d->Sharers[i]->d->RefreshChart();
    AnnounceChange();
}

void TPloticaPrivate::RemoveSharer(TCustomPlotica* chart) {
    for (int i = 0; i < SharerCount; ++i) {
        if (Sharers[i] != chart) continue;
        for (int j = i; j + 1 < SharerCount; ++j) Sharers[j] = Sharers[j + 1];
        Sharers[--SharerCount] = nullptr;
        return;
    }
}

// Leaves the data source; the chart keeps a private copy of the items it showed.
void TPloticaPrivate::LeaveSource() {
    if (!UseDataOf) return;
    UseDataOf->d->RemoveSharer(&q);
    auto own = std::make_shared<TItemList>();
    own->CopyFrom(*Items);
    Items = std::move(own);
    UseDataOf = nullptr;
}

TCustomPlotica* TCustomPlotica::UseDataOf() const {
    return d->UseDataOf;
}
int TCustomPlotica::SharerCount() const {
    return d->SharerCount;
}
TCustomPlotica* TCustomPlotica::Sharer(int i) const {
    return d->Sharers[i];
}

void TCustomPlotica::SetUseDataOf(TCustomPlotica* source) {
    if (source == this) {
        ShowInformation(QStringLiteral("Plotica: Cannot share data with myself"));
        return;
    }
    if (d->SharerCount > 0) {
        ShowInformation(
            QStringLiteral("Plotica: Cannot use foreign data. Other Ploticas are using my own data."));
        return;
    }
    if (source == d->UseDataOf) return;
    if (!source) {
        d->LeaveSource();
        d->RefreshChart();
        return;
    }
    if (source->d->UseDataOf) source = source->d->UseDataOf;  // share with the root of its group
    if (source == d->UseDataOf) return;
    TPloticaPrivate& root = *source->d;
    if (root.SharerCount >= MaxSharers) {
        ShowInformation(QStringLiteral("Plotica: Max. number of data shares exceeded"));
        return;
    }
    if (d->UseDataOf) d->UseDataOf->d->RemoveSharer(this);
    d->UseDataOf = source;
    d->Items = root.Items;
    root.Sharers[root.SharerCount++] = this;
    d->RefreshChart();
}
