// SPDX-License-Identifier: MIT
#include "TButtons.h"

#include "TForm.h"

TButton::TButton(QWidget* parent) : QPushButton(parent), TComponent(this) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

void TButton::Click() {
    Fire(OnClick, this);
    if (FModalResult == 0) return;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* form = qobject_cast<TForm*>(w)) {
            form->SetModalResult(FModalResult);
            break;
        }
}

TSpeedButton::TSpeedButton(QWidget* parent) : TButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}
