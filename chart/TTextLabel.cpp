// SPDX-License-Identifier: MIT
#include "TTextLabel.h"

TCustomTextLabel::TCustomTextLabel(QObject* parent) : QObject(parent), FFont(std::make_unique<TFont>()) {
    FFont->OnChange = [this](TFont*) { Changed(); };
}

TCustomTextLabel::~TCustomTextLabel() = default;

void TCustomTextLabel::SetPosX(double v) {
    FPosX = v;
    Changed();
}
void TCustomTextLabel::SetPosY(double v) {
    FPosY = v;
    Changed();
}
void TCustomTextLabel::SetLayer(int v) {
    if (v >= 1 && v <= 16) FLayer = v;
    Changed();
}
void TCustomTextLabel::SetShadowDx(int v) {
    FShadowDx = v;
    Changed();
}
void TCustomTextLabel::SetShadowDy(int v) {
    FShadowDy = v;
    Changed();
}
void TCustomTextLabel::SetColorShadow(TColor v) {
    FColorShadow = v;
    Changed();
}
void TCustomTextLabel::SetAlignment(TAlignment v) {
    FAlignment = v;
    Changed();
}
void TCustomTextLabel::SetVerticalAlignment(TVerticalAlignment v) {
    FVerticalAlignment = v;
    Changed();
}
void TCustomTextLabel::SetAttachToData(TTxtLblAttachMode v) {
    FAttachToData = v;
    Changed();
}
void TCustomTextLabel::SetColorBkg(TColor v) {
    FColorBkg = v;
    Changed();
}
void TCustomTextLabel::SetColorBorder(TColor v) {
    FColorBorder = v;
    Changed();
}
void TCustomTextLabel::SetTransparent(bool v) {
    FTransparent = v;
    Changed();
}
void TCustomTextLabel::SetCaption(const QString& v) {
    FCaption = v;
    Changed();
}
void TCustomTextLabel::SetMode(TTxtLblMode v) {
    FMode = v;
    Changed();
}
void TCustomTextLabel::SetVisible(bool v) {
    FVisible = v;
    Changed();
}

void TCustomTextLabel::Assign(const TCustomTextLabel& o) {
    if (&o == this) return;
    auto saved = std::move(OnChange);  // one notification for the whole copy
    FPosX = o.FPosX;
    FPosY = o.FPosY;
    FLayer = o.FLayer;
    FShadowDx = o.FShadowDx;
    FShadowDy = o.FShadowDy;
    FColorShadow = o.FColorShadow;
    FAlignment = o.FAlignment;
    FVerticalAlignment = o.FVerticalAlignment;
    FAttachToData = o.FAttachToData;
    FColorBkg = o.FColorBkg;
    FColorBorder = o.FColorBorder;
    FTransparent = o.FTransparent;
    FFont->Assign(*o.FFont);
    FCaption = o.FCaption;
    FMode = o.FMode;
    FVisible = o.FVisible;
    OnChange = std::move(saved);
    Changed();
}
