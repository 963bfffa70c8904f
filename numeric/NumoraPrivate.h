// SPDX-License-Identifier: MIT
#pragma once
// The state of a numeric label, behind its interface: every default is set here, once (the text
// settings' own in TNumoraText). TNumora.cpp holds the properties, TNumoraPaint.cpp the painting.

#include "NumoraText.h"
#include "TNumora.h"

class TCanvas;

class TNumoraPrivate {
public:
    explicit TNumoraPrivate(TNumora& label) : q(label) {}

    TNumora& q;

    double Value = 0;
    TNumoraText Text;  // DisplayType, Precision, Comma, ForcePlusSign, StateText, DTFormat, OverflowIndicator
    bool Empty = false;
    QString LeftText;
    QString RightText;
    int LeftSpace = 35;
    int LabelWidth = 80;
    TAlignment Alignment = taCenter;
    TAlignment LeftTextAlignment = taRightJustify;
    TAlignment RightTextAlignment = taLeftJustify;
    TFrameStyle FrameStyle = fsLowered;
    TColorScheme ColorScheme = csBWG;
    TColor ColorLabBakG = clBtnFace;
    TColor ColorLabText = clBlack;
    TColor ColorOutBakG = clBtnFace;
    TColor ColorOutText = clBlack;
    TColor FrameDarkColor = 0x808080;
    TColor FrameLightColor = 0xFFFFFF;
    TColor FrameDeepColor = clBlack;

    QString DrawnText;

    // painting steps
    void Draw(TCanvas& canvas);
    void DrawSideTexts(TCanvas& canvas, int textY) const;
    void DrawBox(TCanvas& canvas) const;
    void DrawNumber(TCanvas& canvas, int textY);
};
