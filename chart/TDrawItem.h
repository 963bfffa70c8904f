// SPDX-License-Identifier: MIT
#pragma once
// One element of the display list: a drawing call of the chart's user, kept in world
// coordinates of its layer so that every repaint can draw it again at the current scale.
// The record is laid out without padding: a list of a million items stays below 100 MB.

#include <QString>
#include <cstdint>

#include "PloticaTypes.h"
#include "TColor.h"
#include "gravilo_chart_export.h"

struct GRAVILO_CHART_EXPORT TDrawItem {
    static constexpr int TextCapacity = 17;

    double X1;  // first x (world); centre x of an ellipse; pixel dx of the relative kinds
    double Y1;
    double X2;  // second x; half-axis in x of an ellipse
    double Y2;
    TColor Color;  // outline, line, mark and text colour
    TColor FillColor;
    TColor FrameColor1;  // framed box
    TColor FrameColor2;
    std::int32_t LineWidth;
    std::int32_t Layer;     // 1..16
    std::int32_t Param1;    // text size in points; bar angle in degrees; arrow head length
    std::int32_t Param2;    // bar depth in pixels
    std::uint8_t PenStyle;  // TPenStyle
    std::uint8_t Class;
    std::uint8_t Kind;  // TDrawItemKind
    std::uint8_t FillTransparent;
    std::uint8_t FrameStyle;  // 2 lowered, 3 raised, 4 embossed, 5 engraved, else none
    std::uint8_t Mark;
    std::uint8_t TextLength;
    char TextBytes[TextCapacity];  // UTF-8, not terminated

    QString Text() const { return QString::fromUtf8(TextBytes, TextLength); }
    // Keeps at most 17 bytes, cut at a character boundary.
    void SetText(const QString& text);
};

static_assert(sizeof(TDrawItem) == 88, "TDrawItem must stay packed in 88 bytes");
