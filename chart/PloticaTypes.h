// SPDX-License-Identifier: MIT
#pragma once
// The chart's own enumerations and small value types. Values keep their declaration order:
// stored settings and callers rely on the ordinal values.

#include <QObject>
#include <cstdint>

#include "Enums.h"
#include "gravilo_chart_export.h"

namespace Plotica {
Q_NAMESPACE_EXPORT(GRAVILO_CHART_EXPORT)

enum GridStyleType {
    gsNone,
    gsPoints,
    gsVertLines,
    gsHorizLines,
    gsLines,
    gsVertDotLines,
    gsHorizDotLines,
    gsDotLines
};
Q_ENUM_NS(GridStyleType)

enum TplLayout {
    pll_X1Bottom_Y1Left,
    pll_X1Bottom_Y2Left,
    pll_X1Bottom_Y3Left,
    pll_X1Bottom_Y4Left,
    pll_X1Bottom_Y2Both,
    pll_X2Bottom_Y2Left,
    pll_X2Both_Y2Both
};
Q_ENUM_NS(TplLayout)

enum TCaptionAnchorHoriz { cahControlLeft, cahChartLeft, cahChartCenter, cahChartRight, cahControlRight };
Q_ENUM_NS(TCaptionAnchorHoriz)
enum TCaptionAnchorVert { cavControlTop, cavChartTop, cavChartCenter, cavChartBottom, cavControlBottom };
Q_ENUM_NS(TCaptionAnchorVert)

enum TTextBkg { tbClear, tbSolid };
Q_ENUM_NS(TTextBkg)

enum TBGAreaMode { bamNone, bamLeft, bamRight, bamTop, bamBottom, bamVStripe, bamHStripe, bamRect };
Q_ENUM_NS(TBGAreaMode)

enum TScaleLocationHoriz { slTop, slBottom };
Q_ENUM_NS(TScaleLocationHoriz)
enum TScaleLocationVert { slLeft, slRight };
Q_ENUM_NS(TScaleLocationVert)

// members of TFontStyles (a bit set: 1 << member)
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
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

using TFontStyles = unsigned;
constexpr TFontStyles FontStyleBit(TFontStyle s) {
    return 1u << static_cast<unsigned>(s);
}

// Item kinds of the display list; the renderer skips every other code.
enum TDrawItemKind : std::uint8_t {
    ikNone = 0,
    ikMark = 1,
    ikLine = 2,
    ikLineTo = 3,
    ikRectangle = 4,
    ikFramedBox = 5,
    ikBar3D = 6,
    ikText = 7,
    ikMoveTo = 8,
    ikEllipse = 9,
    ikMoveRel = 12,
    ikLineRel = 13,
    ikArrow = 14
};

constexpr int PloticaLayerCount = 16;
constexpr int PloticaCrossHairCount = 4;
constexpr int PloticaTextLabelCount = 30;
