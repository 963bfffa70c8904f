// SPDX-License-Identifier: MIT
#pragma once
// The enumerations shared by the components of the suite. Values keep their declaration order:
// stored settings and callers rely on the ordinal values.

#include <QMetaEnum>
#include <QObject>

#include "gravilo_common_export.h"

namespace Vexa {
Q_NAMESPACE_EXPORT(GRAVILO_COMMON_EXPORT)

// toolkit
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
Q_ENUM_NS(TPenStyle)
enum TPenMode { pmCopy, pmXor };
Q_ENUM_NS(TPenMode)
enum TBrushStyle { bsSolid, bsClear };
Q_ENUM_NS(TBrushStyle)
enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)
// set members of TShiftState (a bit set: 1 << member)
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
Q_ENUM_NS(TShiftStateItem)

// standard controls and forms
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter
};
Q_ENUM_NS(TPosition)
enum TModalResult { mrNone, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo };
Q_ENUM_NS(TModalResult)

// frames and colours of the 3-D look
enum TFrameStyle { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
Q_ENUM_NS(TFrameStyle)
enum TColorScheme { csBWG, csSystem };
Q_ENUM_NS(TColorScheme)

// axes
enum TScaleType { sctXB, sctXT, sctYL, sctYR };
Q_ENUM_NS(TScaleType)
enum TScaleUnitAnchor { uaSclTopLft, uaSclCenter, uaSclBotRgt };
Q_ENUM_NS(TScaleUnitAnchor)
enum TFigType { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };
Q_ENUM_NS(TFigType)
enum TTimeFormat { tfHHMMSS, tfHHhMM, tfAMPM };
Q_ENUM_NS(TTimeFormat)
enum TYearLength { ylNone, ylYY, ylYYYY };
Q_ENUM_NS(TYearLength)
enum TDateOrder { doMMDDYY, doDDMMYY, doYYMMDD };
Q_ENUM_NS(TDateOrder)
enum TDateForTime { dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks };
Q_ENUM_NS(TDateForTime)

// chart
// What the chart's mouse does (TCustomPlotica::SetMouseAction). A drag begins with the first
// movement while the left button is held and ends with the first movement without it.
enum TMouseActMode {
    maNone,         // nothing; the cross cursor over the data area
    maPan,          // the content follows the pointer, in x and y
    maPanHoriz,     // the same in x only
    maPanVert,      // the same in y only
    maRubberBand,   // does nothing (as maNone, but the cursor is left as it is)
    maZoom,         // does nothing (as maNone, but the cursor is left as it is)
    maZoomWind,     // a window from press to release becomes the ranges as dragged: its first
                    // corner gives the low ends, so a window opened from its top edge turns y down
    maZoomWindPos,  // the same, keeping each axis's direction
    maZoomDrag,     // right narrows x, left widens it; down widens y, up narrows it; centre stays
    maDragCrossH,   // drags the cross-hair nearest to the pointer
    maDragLabel,    // drags the shown text label nearest to the pointer
    maRotate,       // does nothing: the chart is flat (as maNone, but the cursor is left as it is)
    maRotAndZoom,   // does nothing, as maRotate
    maRotXOnly,     // does nothing, as maRotate
    maRotZOnly      // does nothing, as maRotate
};
Q_ENUM_NS(TMouseActMode)
enum TCrossHMode { chOff, chHoriz, chVert, chBoth };
Q_ENUM_NS(TCrossHMode)
enum TTxtLblMode { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };
Q_ENUM_NS(TTxtLblMode)
enum TTxtLblAttachMode { tlamNone, tlamXOnly, tlamYOnly, tlamBoth };
Q_ENUM_NS(TTxtLblAttachMode)
enum TVerticalAlignment { vaTop, vaCenter, vaBottom };
Q_ENUM_NS(TVerticalAlignment)
enum TBkgFill { bfSimple, bfStretch, bfTile };
Q_ENUM_NS(TBkgFill)
enum TShadowStyle { ssFlying, ssBox };
Q_ENUM_NS(TShadowStyle)

}  // namespace Vexa

// The suite names these values without qualification everywhere, as its forms do.
// Each type and its values by name: nothing else of the namespace comes along.
using Vexa::TAlignment;
using enum Vexa::TAlignment;
using Vexa::TPenStyle;
using enum Vexa::TPenStyle;
using Vexa::TPenMode;
using enum Vexa::TPenMode;
using Vexa::TBrushStyle;
using enum Vexa::TBrushStyle;
using Vexa::TMouseButton;
using enum Vexa::TMouseButton;
using Vexa::TShiftStateItem;
using enum Vexa::TShiftStateItem;
using Vexa::TAlign;
using enum Vexa::TAlign;
using Vexa::TBevelCut;
using enum Vexa::TBevelCut;
using Vexa::TFormBorderStyle;
using enum Vexa::TFormBorderStyle;
using Vexa::TPosition;
using enum Vexa::TPosition;
using Vexa::TModalResult;
using enum Vexa::TModalResult;
using Vexa::TFrameStyle;
using enum Vexa::TFrameStyle;
using Vexa::TColorScheme;
using enum Vexa::TColorScheme;
using Vexa::TScaleType;
using enum Vexa::TScaleType;
using Vexa::TScaleUnitAnchor;
using enum Vexa::TScaleUnitAnchor;
using Vexa::TFigType;
using enum Vexa::TFigType;
using Vexa::TTimeFormat;
using enum Vexa::TTimeFormat;
using Vexa::TYearLength;
using enum Vexa::TYearLength;
using Vexa::TDateOrder;
using enum Vexa::TDateOrder;
using Vexa::TDateForTime;
using enum Vexa::TDateForTime;
using Vexa::TMouseActMode;
using enum Vexa::TMouseActMode;
using Vexa::TCrossHMode;
using enum Vexa::TCrossHMode;
using Vexa::TTxtLblMode;
using enum Vexa::TTxtLblMode;
using Vexa::TTxtLblAttachMode;
using enum Vexa::TTxtLblAttachMode;
using Vexa::TVerticalAlignment;
using enum Vexa::TVerticalAlignment;
using Vexa::TBkgFill;
using enum Vexa::TBkgFill;
using Vexa::TShadowStyle;
using enum Vexa::TShadowStyle;

// A set of TShiftStateItem members.
using TShiftState = unsigned;
constexpr TShiftState ShiftBit(TShiftStateItem item) {
    return 1u << static_cast<unsigned>(item);
}
constexpr bool InShift(TShiftState s, TShiftStateItem item) {
    return (s & ShiftBit(item)) != 0;
}
