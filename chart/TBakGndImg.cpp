// SPDX-License-Identifier: MIT
#include "TBakGndImg.h"

#include <QFileInfo>

static QString FilePart(const QString& path) {
    return path.isEmpty() ? path : QFileInfo(path).fileName();
}

void TBakGndImg::SetName(const QString& v) {
    FName = FIncludePath ? v : FilePart(v);
    Changed();
}
void TBakGndImg::SetIncludePath(bool v) {
    FIncludePath = v;
    if (!v) FName = FilePart(FName);
    Changed();
}
void TBakGndImg::SetFillMode(TBkgFill v) {
    FFillMode = v;
    Changed();
}
void TBakGndImg::SetAreaMode(TBGAreaMode v) {
    FAreaMode = v;
    Changed();
}
void TBakGndImg::SetAreaColor(TColor v) {
    FAreaColor = v;
    Changed();
}
void TBakGndImg::SetAreaLeft(double v) {
    FAreaLeft = v;
    Changed();
}
void TBakGndImg::SetAreaRight(double v) {
    FAreaRight = v;
    Changed();
}
void TBakGndImg::SetAreaTop(double v) {
    FAreaTop = v;
    Changed();
}
void TBakGndImg::SetAreaBottom(double v) {
    FAreaBottom = v;
    Changed();
}

void TBakGndImg::Assign(const TBakGndImg& o) {
    if (&o == this) return;
    FName = o.FName;
    FIncludePath = o.FIncludePath;
    FFillMode = o.FFillMode;
    FAreaMode = o.FAreaMode;
    FAreaColor = o.FAreaColor;
    FAreaLeft = o.FAreaLeft;
    FAreaRight = o.FAreaRight;
    FAreaTop = o.FAreaTop;
    FAreaBottom = o.FAreaBottom;
    Changed();
}
