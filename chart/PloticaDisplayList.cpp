// The chart's display list: adding, removing and clearing items, bringing the screen up to date,
// and sharing one list between several charts.

#include <cstring>

#include "TCustomPlotica.h"
#include "TItemList.h"
#include "TMessageBox.h"

TDrawItem* TCustomPlotica::NewItem(TDrawItemKind kind, double x1, double y1, double x2, double y2) {
    TDrawItem* item = FItems->Append(FAllocSize);
    if (!item) return nullptr;
    std::memset(item, 0, sizeof(TDrawItem));
    item->Kind = kind;
    item->Layer = FCurrentLayer;
    item->Class = std::uint8_t(FClassDefault);
    item->X1 = x1;
    item->Y1 = y1;
    item->X2 = x2;
    item->Y2 = y2;
    item->Color = FDataColor;
    item->PenStyle = std::uint8_t(FPenStyle);
    item->LineWidth = FLineWidth;
    return item;
}

void TCustomPlotica::AddMark(double x, double y, int mark) {
    if (TDrawItem* item = NewItem(ikMark, x, y, 0, 0)) item->Mark = std::uint8_t(mark);
    PropagateItems();
}

void TCustomPlotica::MoveTo(double x, double y) {
    NewItem(ikMoveTo, x, y, 0, 0);
    PropagateItems();
}

void TCustomPlotica::LineTo(double x, double y) {
    NewItem(ikLineTo, x, y, 0, 0);
    PropagateItems();
}

void TCustomPlotica::AddLine(double x1, double y1, double x2, double y2) {
    NewItem(ikLine, x1, y1, x2, y2);
    PropagateItems();
}

void TCustomPlotica::AddRectangle(double x1, double y1, double x2, double y2) {
    if (TDrawItem* item = NewItem(ikRectangle, x1, y1, x2, y2)) {
        item->FillColor = FFillColor;
        item->FillTransparent = FFillTransparent;
    }
    PropagateItems();
}

void TCustomPlotica::AddEllipse(double xc, double yc, double rx, double ry) {
    if (TDrawItem* item = NewItem(ikEllipse, xc, yc, rx, ry)) {
        item->FillColor = FFillColor;
        item->FillTransparent = FFillTransparent;
    }
    PropagateItems();
}

void TCustomPlotica::AddFramedBox(double x1, double y1, double x2, double y2, int frameStyle,
                                  TColor frameColor1, TColor frameColor2) {
    if (TDrawItem* item = NewItem(ikFramedBox, x1, y1, x2, y2)) {
        item->FillColor = FFillColor;
        item->FrameStyle = std::uint8_t(frameStyle);
        item->FrameColor1 = frameColor1;
        item->FrameColor2 = frameColor2;
    }
    PropagateItems();
}

void TCustomPlotica::AddBar3D(double x1, double y1, double x2, double y2, int angle, int depth) {
    if (TDrawItem* item = NewItem(ikBar3D, x1, y1, x2, y2)) {
        item->FillColor = FFillColor;
        item->Param1 = angle;
        item->Param2 = depth;
    }
    PropagateItems();
}

void TCustomPlotica::AddText(double x, double y, const QString& text, int sizePoints) {
    if (TDrawItem* item = NewItem(ikText, x, y, 0, 0)) {
        item->SetText(text);
        item->Param1 = sizePoints;
    }
    PropagateItems();
}

void TCustomPlotica::MoveRel(double dx, double dy) {
    NewItem(ikMoveRel, dx, dy, 0, 0);
    PropagateItems();
}

void TCustomPlotica::LineRel(double dx, double dy) {
    NewItem(ikLineRel, dx, dy, 0, 0);
    PropagateItems();
}

void TCustomPlotica::AddArrow(double x1, double y1, double x2, double y2, int headLength) {
    if (TDrawItem* item = NewItem(ikArrow, x1, y1, x2, y2)) {
        item->FillColor = FFillColor;
        item->FillTransparent = FFillTransparent;
        item->Param1 = headLength;
    }
    PropagateItems();
}

void TCustomPlotica::RemoveLastItem() {
    FItems->RemoveLast();
    PropagateItems();
}

void TCustomPlotica::ClearItems() {
    PaintDataBackground();  // the data area is blank; nothing reaches the screen yet
    FItems->Clear();
    PropagateItems();
}

int TCustomPlotica::ItemCount() const {
    return FItems->Count();
}
int TCustomPlotica::ItemCapacity() const {
    return FItems->Capacity();
}
const TDrawItem& TCustomPlotica::Item(int index) const {
    return (*FItems)[index];
}

void TCustomPlotica::SetAllocSize(int v) {
    if (v >= 1 && v <= 1000000) FAllocSize = v;
}

void TCustomPlotica::SetClassDefault(int v) {
    if (v >= 0 && v < 255) FClassDefault = v;
}

void TCustomPlotica::SetCurrentLayer(int layer) {
    FCurrentLayer = ClampLayer(layer);
}

bool TCustomPlotica::ClassVisible(int itemClass) const {
    return itemClass >= 0 && itemClass <= 255 && FClassVisible[itemClass];
}

void TCustomPlotica::SetClassVisible(int itemClass, bool visible) {
    if (itemClass < 0 || itemClass > 255) return;
    FClassVisible[itemClass] = visible;
    RepaintIfAuto();
}

bool TCustomPlotica::LayerVisible(int layer) const {
    return layer >= 1 && layer <= PloticaLayerCount && FLayerVisible[layer];
}

void TCustomPlotica::SetLayerVisible(int layer, bool visible) {
    if (layer < 1 || layer > PloticaLayerCount) return;
    FLayerVisible[layer] = visible;
    RepaintIfAuto();
}

// The charts of a sharing group hold one list object together, so every change made through any
// of them is already theirs; propagating only makes sure each member refers to it.
void TCustomPlotica::PropagateItems() {
    if (FUseDataOf) {
        FItems = FUseDataOf->FItems;
        for (int i = 0; i < FUseDataOf->FSharerCount; ++i) FUseDataOf->FSharers[i]->FItems = FItems;
    }
    for (int i = 0; i < FSharerCount; ++i) FSharers[i]->FItems = FItems;
}

void TCustomPlotica::RefreshChart() {
    if (FAutoRedraw || IsDesigning()) Paint();
}

void TCustomPlotica::ShowItems() {
    if (Visible()) {
        PropagateItems();
        if (FAutoRedraw)
            RefreshDataArea();
        else
            Paint();
    }
    if (FUseDataOf) {
        FUseDataOf->RefreshChart();
        for (int i = 0; i < FUseDataOf->FSharerCount; ++i) FUseDataOf->FSharers[i]->RefreshChart();
    }
    for (int i = 0; i < FSharerCount; ++i) FSharers[i]->RefreshChart();
}

void TCustomPlotica::RemoveSharer(TCustomPlotica* chart) {
    for (int i = 0; i < FSharerCount; ++i) {
        if (FSharers[i] != chart) continue;
        for (int j = i; j + 1 < FSharerCount; ++j) FSharers[j] = FSharers[j + 1];
        FSharers[--FSharerCount] = nullptr;
        return;
    }
}

// Leaves the data source; the chart keeps a private copy of the items it showed.
void TCustomPlotica::LeaveSource() {
    if (!FUseDataOf) return;
    FUseDataOf->RemoveSharer(this);
    auto own = std::make_shared<TItemList>();
    own->CopyFrom(*FItems);
    FItems = std::move(own);
    FUseDataOf = nullptr;
}

void TCustomPlotica::SetUseDataOf(TCustomPlotica* source) {
    if (source == this) {
        ShowInformation(QStringLiteral("Plotica: Cannot share data with myself"));
        return;
    }
    if (FSharerCount > 0) {
        ShowInformation(
            QStringLiteral("Plotica: Cannot use foreign data. Other Ploticas are using my own data."));
        return;
    }
    if (source == FUseDataOf) return;
    if (!source) {
        LeaveSource();
        RefreshChart();
        return;
    }
    if (source->FUseDataOf) source = source->FUseDataOf;  // share with the root of its group
    if (source == FUseDataOf) return;
    if (source->FSharerCount >= MaxSharers) {
        ShowInformation(QStringLiteral("Plotica: Max. number of data shares exceeded"));
        return;
    }
    if (FUseDataOf) FUseDataOf->RemoveSharer(this);
    FUseDataOf = source;
    FItems = source->FItems;
    source->FSharers[source->FSharerCount++] = this;
    RefreshChart();
}
