#include "TScrollBar.h"

#include <algorithm>

TScrollBar::TScrollBar(QWidget* parent, Qt::Orientation kind) : QScrollBar(kind, parent), TComponent(this) {
    setSingleStep(1);
    setPageStep(1);
    Sync();
    connect(this, &QScrollBar::valueChanged, this, [this](int value) {
        if (FSyncing) return;
        SetPosition(value);
    });
}

void TScrollBar::SetPageSize(int pageSize) {
    FPageSize = std::max(pageSize, 0);
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min) max = min;
    // the page covers the last positions: the bar reaches Max - PageSize + 1 at most
    const int top = std::max(min, max - std::max(FPageSize - 1, 0));
    position = std::clamp(position, min, top);
    const bool changed = position != FPosition;
    FMin = min;
    FMax = max;
    FPosition = position;
    Sync();
    if (changed && !IsLoading()) Fire(OnChange, this);
}

void TScrollBar::Sync() {
    FSyncing = true;
    setRange(FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
    setValue(FPosition);
    FSyncing = false;
}
