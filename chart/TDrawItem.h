// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

#include "PloticaTypes.h"
#include "TColor.h"
#include "gravilo_chart_export.h"

/// One element of the display list: a drawing call of the chart's user, kept in world
/// coordinates of its layer so that every repaint can draw it again at the current scale.
/// The record is laid out without padding: a list of a million items stays below 100 MB.
///
/// The chart's drawing calls (TCustomPlotica::AddLine and the others) fill the record from the
/// drawing state at the moment of the call; TCustomPlotica::Item reads it back. Colours are
/// 0x00BBGGRR (TColor.h).
struct GRAVILO_CHART_EXPORT TDrawItem {
    /// The most bytes of UTF-8 an item's text keeps.
    static constexpr int TextCapacity = 17;

    double X1;     ///< first x (world); centre x of an ellipse; pixel dx of the relative kinds
    double Y1;     ///< first y (world); centre y of an ellipse; pixel dy (down) of the relative kinds
    double X2;     ///< second x; half-axis in x of an ellipse
    double Y2;     ///< second y; half-axis in y of an ellipse
    TColor Color;  ///< outline, line, mark and text colour
    /// The fill of rectangles, ellipses, bars and arrow heads; a framed box takes it for its
    /// outline too.
    TColor FillColor;
    /// Framed box, the first frame colour. Lowered (2): colour 1 on the left and top edges, colour
    /// 2 on the right and bottom ones; raised (3) swaps them. Embossed (4): two outlines, colour 2
    /// along the box and colour 1 one pixel right of and below it; engraved (5) swaps them.
    TColor FrameColor1;
    TColor FrameColor2;      ///< framed box, the second frame colour (see FrameColor1)
    std::int32_t LineWidth;  ///< pen width in pixels
    std::int32_t Layer;      ///< 1..16
    std::int32_t Param1;     ///< text size in points; bar angle in degrees; arrow head length in pixels
    std::int32_t Param2;     ///< bar depth in pixels
    std::uint8_t PenStyle;   ///< TPenStyle
    /// The item's class, 0..255: TCustomPlotica::SetClassVisible hides or shows every item of a
    /// class at once.
    std::uint8_t Class;
    std::uint8_t Kind;  ///< TDrawItemKind; the renderer skips every other code
    /// Not 0: a rectangle or an ellipse is not filled, an arrow gets an open head.
    std::uint8_t FillTransparent;
    std::uint8_t FrameStyle;  ///< 2 lowered, 3 raised, 4 embossed, 5 engraved, else none
    /// The mark symbol: 0..47 are shapes, 48..255 characters (Windows-1252) of the chart's font.
    std::uint8_t Mark;
    std::uint8_t TextLength;       ///< bytes of TextBytes in use, 0..TextCapacity
    char TextBytes[TextCapacity];  ///< UTF-8, not terminated

    /// The item's text, decoded from its UTF-8 bytes.
    QString Text() const { return QString::fromUtf8(TextBytes, TextLength); }
    /// Keeps at most 17 bytes, cut at a character boundary.
    void SetText(const QString& text);
};

static_assert(sizeof(TDrawItem) == 88, "TDrawItem must stay packed in 88 bytes");
