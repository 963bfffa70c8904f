// SPDX-License-Identifier: MIT
#pragma once
/// @file
/// The chart's own enumerations and small value types. Values keep their declaration order:
/// stored settings and callers rely on the ordinal values.

#include <QObject>
#include <cstdint>

#include "Enums.h"
#include "gravilo_chart_export.h"

/// The chart's enumerations, registered with Qt's meta-object system so that forms and properties
/// name their values.
namespace Plotica {
Q_NAMESPACE_EXPORT(GRAVILO_CHART_EXPORT)

/// The grid of the data area, drawn in the grid colour at the grid values of the current layer's
/// axes.
enum GridStyleType {
    gsNone,           ///< no grid
    gsPoints,         ///< a pixel at each crossing of an x and a y grid value
    gsVertLines,      ///< solid vertical lines at the x grid values
    gsHorizLines,     ///< solid horizontal lines at the y grid values
    gsLines,          ///< solid lines in both directions
    gsVertDotLines,   ///< dotted vertical lines at the x grid values
    gsHorizDotLines,  ///< dotted horizontal lines at the y grid values
    gsDotLines        ///< dotted lines in both directions
};
Q_ENUM_NS(GridStyleType)

/// The chart's ready layouts (TCustomPlotica::SetStandardLayout): margins, the caption's place and
/// the axes of layers 1..4. The axes a layout does not name are hidden.
enum TplLayout {
    pll_X1Bottom_Y1Left,  ///< layer 1's x axis below the data area, its y axis on the left
    pll_X1Bottom_Y2Left,  ///< layer 1's x axis below; y axes of layers 1 and 2 on the left, 50 pixels apart
    pll_X1Bottom_Y3Left,  ///< layer 1's x axis below; y axes of layers 1 to 3 on the left, 50 pixels apart
    pll_X1Bottom_Y4Left,  ///< layer 1's x axis below; y axes of layers 1 to 4 on the left, 50 pixels apart
    pll_X1Bottom_Y2Both,  ///< layer 1's x axis below; layer 1's y axis on the left, layer 2's on the right
    pll_X2Bottom_Y2Left,  ///< the x axes of layers 1 and 2 below, 30 pixels apart; their y axes on the left
    pll_X2Both_Y2Both     ///< layer 1's axes below and on the left, layer 2's above and on the right
};
Q_ENUM_NS(TplLayout)

/// The point of the chart's width that the chart caption's x position counts from.
enum TCaptionAnchorHoriz {
    cahControlLeft,  ///< the control's left edge
    cahChartLeft,    ///< the data area's left edge
    cahChartCenter,  ///< the middle of the data area
    cahChartRight,   ///< the data area's right edge
    cahControlRight  ///< the control's right edge
};
Q_ENUM_NS(TCaptionAnchorHoriz)
/// The point of the chart's height that the chart caption's y position counts from.
enum TCaptionAnchorVert {
    cavControlTop,    ///< the control's top edge
    cavChartTop,      ///< the data area's top edge
    cavChartCenter,   ///< the middle of the data area
    cavChartBottom,   ///< the top of the bottom margin, the data area's lower edge
    cavControlBottom  ///< the control's bottom edge
};
Q_ENUM_NS(TCaptionAnchorVert)

/// The background of the chart's text items.
enum TTextBkg {
    tbClear,  ///< none: the text is written over what lies beneath
    tbSolid   ///< each text item's cell is filled with the text background colour
};
Q_ENUM_NS(TTextBkg)

/// The marked area of the data area's background (TBakGndImg), bounded by world coordinates of
/// layer 1 and filled with the area colour. It is drawn only while no background image shows.
enum TBGAreaMode {
    bamNone,     ///< no marked area
    bamLeft,     ///< everything left of AreaLeft
    bamRight,    ///< everything right of AreaRight
    bamTop,      ///< everything above AreaTop
    bamBottom,   ///< everything below AreaBottom
    bamVStripe,  ///< the vertical stripe from AreaLeft to AreaRight
    bamHStripe,  ///< the horizontal stripe from AreaTop to AreaBottom
    bamRect      ///< the rectangle from (AreaLeft, AreaTop) to (AreaRight, AreaBottom)
};
Q_ENUM_NS(TBGAreaMode)

/// Where a layer's x axis lies.
enum TScaleLocationHoriz {
    slTop,    ///< above the data area, ticks pointing up
    slBottom  ///< below the data area, ticks pointing down
};
Q_ENUM_NS(TScaleLocationHoriz)
/// Where a layer's y axis lies.
enum TScaleLocationVert {
    slLeft,  ///< left of the data area
    slRight  ///< right of the data area
};
Q_ENUM_NS(TScaleLocationVert)

/// Members of TFontStyles (a bit set: 1 << member; see FontStyleBit).
enum TFontStyle {
    fsBold,       ///< bold
    fsItalic,     ///< italic
    fsUnderline,  ///< underlined
    fsStrikeOut   ///< struck out
};
Q_ENUM_NS(TFontStyle)

}  // namespace Plotica

// Each type and its values by name: nothing else of the namespace comes along.
using Plotica::GridStyleType;
using enum Plotica::GridStyleType;
using Plotica::TplLayout;
using enum Plotica::TplLayout;
using Plotica::TCaptionAnchorHoriz;
using enum Plotica::TCaptionAnchorHoriz;
using Plotica::TCaptionAnchorVert;
using enum Plotica::TCaptionAnchorVert;
using Plotica::TTextBkg;
using enum Plotica::TTextBkg;
using Plotica::TBGAreaMode;
using enum Plotica::TBGAreaMode;
using Plotica::TScaleLocationHoriz;
using enum Plotica::TScaleLocationHoriz;
using Plotica::TScaleLocationVert;
using enum Plotica::TScaleLocationVert;
using Plotica::TFontStyle;
using enum Plotica::TFontStyle;

/// A set of TFontStyle members.
using TFontStyles = unsigned;
/// The bit of s in a TFontStyles set.
constexpr TFontStyles FontStyleBit(TFontStyle s) {
    return 1u << static_cast<unsigned>(s);
}

/// Item kinds of the display list (TDrawItem::Kind); the renderer skips every other code.
enum TDrawItemKind : std::uint8_t {
    ikNone = 0,       ///< no item: skipped
    ikMark = 1,       ///< a mark at (X1, Y1) (AddMark)
    ikLine = 2,       ///< a line from (X1, Y1) to (X2, Y2) (AddLine)
    ikLineTo = 3,     ///< a line from the pen's place to (X1, Y1), where the pen stays (LineTo)
    ikRectangle = 4,  ///< a rectangle from (X1, Y1) to (X2, Y2) (AddRectangle)
    ikFramedBox = 5,  ///< a filled box with a 3-D frame (AddFramedBox)
    ikBar3D = 6,      ///< a bar with a depth drawn at an angle (AddBar3D)
    ikText = 7,       ///< a text at (X1, Y1) (AddText)
    ikMoveTo = 8,     ///< the pen moves to (X1, Y1); nothing is drawn (MoveTo)
    ikEllipse = 9,    ///< an ellipse around (X1, Y1) with the half-axes X2 and Y2 (AddEllipse)
    ikMoveRel = 12,   ///< the pen moves by X1, Y1 pixels (right, down); nothing is drawn (MoveRel)
    ikLineRel = 13,   ///< a line from the pen's place by X1, Y1 pixels (right, down) (LineRel)
    ikArrow = 14      ///< an arrow from (X1, Y1) to (X2, Y2), its head at the second point (AddArrow)
};

/// The number of layers of a chart; layers count from 1.
constexpr int PloticaLayerCount = 16;
/// The number of cross-hairs of a chart; they count from 1.
constexpr int PloticaCrossHairCount = 4;
/// The number of text labels of a chart; they count from 1.
constexpr int PloticaTextLabelCount = 30;
