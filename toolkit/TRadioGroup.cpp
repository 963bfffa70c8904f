// SPDX-License-Identifier: MIT
#include "TRadioGroup.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QRadioButton>
#include <algorithm>

TRadioGroup::TRadioGroup(QWidget* parent)
    : QGroupBox(parent), TComponent(this), FGroup(new QButtonGroup(this)) {
    FGroup->setExclusive(true);
    connect(FGroup, &QButtonGroup::idClicked, this, [this](int id) {
        if (!FSyncing) SetItemIndex(id);
    });
}

void TRadioGroup::SetItems(const QStringList& items) {
    const bool sameCount = items.size() == FItems.size();
    QStringList shown;
    for (const QString& item : items) shown.append(ShownText::Bounded(item));
    FItems = std::move(shown);
    if (sameCount) {
        // texts only: the buttons stay, and with them the selection
        for (int i = 0; i < FItems.size(); ++i) FButtons[i]->setText(FItems[i]);
        return;
    }
    Rebuild();
    if (FItemIndex >= FItems.size()) FItemIndex = -1;
    SetItemIndex(FItemIndex);
}

void TRadioGroup::Rebuild() {
    for (QRadioButton* b : FButtons) delete b;
    FButtons.clear();
    for (int i = 0; i < FItems.size(); ++i) {
        auto* b = new QRadioButton(FItems[i], this);
        FGroup->addButton(b, i);
        FButtons.push_back(b);
        b->show();
    }
    Arrange();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= FItems.size()) return;
    const bool changed = index != FItemIndex;
    FItemIndex = index;
    FSyncing = true;
    if (index >= 0) {
        FButtons[index]->setChecked(true);
    } else if (QAbstractButton* checked = FGroup->checkedButton()) {
        FGroup->setExclusive(false);
        checked->setChecked(false);
        FGroup->setExclusive(true);
    }
    FSyncing = false;
    if (changed && !IsLoading()) Fire(OnClick, this);
}

void TRadioGroup::SetColumns(int columns) {
    FColumns = std::clamp(columns, 1, 16);
    Arrange();
}

QRadioButton* TRadioGroup::Button(int index) const {
    return index >= 0 && index < int(FButtons.size()) ? FButtons[index] : nullptr;
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    Arrange();
}

// The buttons share the area under the caption in equal rows, column by column.
void TRadioGroup::Arrange() {
    if (FButtons.empty()) return;
    const int captionHeight = QFontMetrics(font()).height();
    const int top = captionHeight + 2;
    const int rows = (int(FButtons.size()) + FColumns - 1) / FColumns;
    const int rowHeight = std::max(1, (height() - top - 4) / rows);
    const int columnWidth = std::max(1, (width() - 16) / FColumns);
    for (int i = 0; i < int(FButtons.size()); ++i) {
        const int col = i / rows, row = i % rows;
        const int buttonHeight = std::min(rowHeight, FButtons[i]->sizeHint().height());
        FButtons[i]->setGeometry(8 + col * columnWidth,
                                 top + row * rowHeight + (rowHeight - buttonHeight) / 2, columnWidth,
                                 buttonHeight);
    }
}
