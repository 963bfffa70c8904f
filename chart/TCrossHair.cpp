// SPDX-License-Identifier: MIT
#include "TCrossHair.h"

#include <algorithm>

void TCrossHair::SetPosX(double v) {
    FPosX = v;
    Changed();
}
void TCrossHair::SetPosY(double v) {
    FPosY = v;
    Changed();
}
void TCrossHair::SetColor(TColor v) {
    FColor = v;
    Changed();
}
void TCrossHair::SetMode(TCrossHMode v) {
    FMode = v;
    Changed();
}
void TCrossHair::SetLineType(TPenStyle v) {
    FLineType = v;
    Changed();
}
void TCrossHair::SetLineWid(int v) {
    FLineWid = v;
    Changed();
}
void TCrossHair::SetLayer(int v) {
    FLayer = std::clamp(v, 1, 16);
    Changed();
}

void TCrossHair::Assign(const TCrossHair& o) {
    if (&o == this) return;
    FPosX = o.FPosX;
    FPosY = o.FPosY;
    FColor = o.FColor;
    FMode = o.FMode;
    FLineType = o.FLineType;
    FLineWid = o.FLineWid;
    FLayer = o.FLayer;
    Changed();
}
