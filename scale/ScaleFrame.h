// SPDX-License-Identifier: MIT
#pragma once
// The frame around an opaque axis control: a one-pixel outline, or two rings of four colours
// that make it look lowered, raised, embossed or engraved.

#include "Enums.h"
#include "TColor.h"

class TCanvas;

struct TFrameColors {
    TColor Dark = clBlack;
    TColor Shadow = 0x808080;
    TColor Highlight = 0xFFFFFF;
    TColor Light = 0xC0C0C0;

    // shadow and highlight of a colour scheme; the dark and light colours never change
    static TFrameColors OfScheme(TColorScheme scheme);
};

class TScaleFrame {
public:
    // Draws the frame with its outer ring on left, top, right and bottom (all included).
    static void Draw(TCanvas& canvas, TFrameStyle style, const TFrameColors& colors, int left, int top,
                     int right, int bottom);
};
