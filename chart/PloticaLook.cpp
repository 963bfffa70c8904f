// SPDX-License-Identifier: MIT
// The chart's look: colours, caption, grid and text-item settings. Each lives with the part or the
// state that uses it; every setter stores and repaints when AutoRedraw is on.

#include "PloticaPrivate.h"

// a published setting: the getter, and the setter that stores and repaints
#define PLOTICA_LOOK(Name, Type, Field)      \
    Type TCustomPlotica::Name() const {      \
        return Field;                        \
    }                                        \
    void TCustomPlotica::Set##Name(Type v) { \
        Field = v;                           \
        RepaintIfAuto();                     \
    }
PLOTICA_LOOK(ShadowStyle, TShadowStyle, d->Frame.ShadowStyle)
PLOTICA_LOOK(ShadowColor, TColor, d->Frame.ShadowColor)
PLOTICA_LOOK(ShadowBakColor, TColor, d->Frame.ShadowBakColor)
PLOTICA_LOOK(WindColor, TColor, d->Frame.WindColor)
PLOTICA_LOOK(CaptionPosX, int, d->Frame.CaptionPosX)
PLOTICA_LOOK(CaptionPosY, int, d->Frame.CaptionPosY)
PLOTICA_LOOK(CaptionAlignment, TAlignment, d->Frame.CaptionAlignment)
PLOTICA_LOOK(CaptionAnchorHoriz, TCaptionAnchorHoriz, d->Frame.CaptionAnchorHoriz)
PLOTICA_LOOK(CaptionAnchorVert, TCaptionAnchorVert, d->Frame.CaptionAnchorVert)
PLOTICA_LOOK(ChartColor, TColor, d->ChartColor)
PLOTICA_LOOK(ChartFrameColor, TColor, d->ChartFrameColor)
PLOTICA_LOOK(GridColor, TColor, d->Grid.Color)
PLOTICA_LOOK(GridStyle, GridStyleType, d->Grid.Style)
PLOTICA_LOOK(TextFontStyle, TFontStyles, d->TextFontStyle)
PLOTICA_LOOK(TextBkStyle, TTextBkg, d->TextBkStyle)
PLOTICA_LOOK(TextBkColor, TColor, d->TextBkColor)
PLOTICA_LOOK(TextAlignment, TAlignment, d->TextAlignment)
#undef PLOTICA_LOOK

QString TCustomPlotica::Caption() const {
    return d->Frame.Caption;
}

void TCustomPlotica::SetCaption(const QString& v) {
    d->Frame.Caption = v;
    RepaintIfAuto();
}

double TCustomPlotica::GridDx() const {
    return d->Grid.Dx;
}

void TCustomPlotica::SetGridDx(double v) {
    if (v < -3) return;
    d->Grid.Dx = v;
    RepaintIfAuto();
}

double TCustomPlotica::GridDy() const {
    return d->Grid.Dy;
}

void TCustomPlotica::SetGridDy(double v) {
    if (v < -3) return;
    d->Grid.Dy = v;
    RepaintIfAuto();
}
