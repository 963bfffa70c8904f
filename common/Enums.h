// SPDX-License-Identifier: MIT
#pragma once
/// @file
/// The enumerations shared by the components of the suite. Values keep their declaration order:
/// stored settings and callers rely on the ordinal values.

#include <QMetaEnum>
#include <QObject>

#include "gravilo_common_export.h"

/// The suite's shared enumerations, registered with Qt's meta-object system so that forms and
/// properties name their values.
namespace Vexa {
Q_NAMESPACE_EXPORT(GRAVILO_COMMON_EXPORT)

// toolkit
/// Horizontal alignment of a text.
enum TAlignment {
    taLeftJustify,   ///< at the left
    taRightJustify,  ///< at the right
    taCenter         ///< centred
};
Q_ENUM_NS(TAlignment)
/// The line pattern of a canvas pen.
enum TPenStyle {
    psSolid,       ///< a continuous line
    psDash,        ///< dashes
    psDot,         ///< dots
    psDashDot,     ///< dash, dot, dash, dot
    psDashDotDot,  ///< dash, dot, dot
    psClear        ///< no line: nothing is drawn
};
Q_ENUM_NS(TPenStyle)
/// How a canvas pen's colour meets the pixels it draws on.
enum TPenMode {
    pmCopy,  ///< the pen's colour replaces them
    pmXor    ///< the pen's colour is XORed into them: drawing the same line twice takes it away
};
Q_ENUM_NS(TPenMode)
/// Whether a canvas brush fills.
enum TBrushStyle {
    bsSolid,  ///< filled with the brush's colour
    bsClear   ///< not filled: what lies beneath stays
};
Q_ENUM_NS(TBrushStyle)
/// The mouse button of a press or a release.
enum TMouseButton {
    mbLeft,   ///< the left button
    mbRight,  ///< the right button
    mbMiddle  ///< the middle button
};
Q_ENUM_NS(TMouseButton)
/// Set members of TShiftState (a bit set: 1 << member; see ShiftBit and InShift).
enum TShiftStateItem {
    ssShift,   ///< a Shift key is held
    ssAlt,     ///< an Alt key is held
    ssCtrl,    ///< a Ctrl key is held
    ssLeft,    ///< the left mouse button is held
    ssRight,   ///< the right mouse button is held
    ssMiddle,  ///< the middle mouse button is held
    ssDouble   ///< the second press of a double click (MouseDown of the painted controls)
};
Q_ENUM_NS(TShiftStateItem)

// standard controls and forms
/// Where a control docks in its container (SetControlAlign). The docked controls are placed top
/// first, then bottom, left, right, and the client control last, each in what the others left free.
enum TAlign {
    alNone,    ///< not docked: the control keeps its geometry
    alTop,     ///< along the top of the free area, its full width, at the control's own height
    alBottom,  ///< along the bottom of the free area, its full width, at the control's own height
    alLeft,    ///< along the left of the free area, its full height, at the control's own width
    alRight,   ///< along the right of the free area, its full height, at the control's own width
    alClient   ///< the whole area the other docked controls leave free
};
Q_ENUM_NS(TAlign)
/// One bevel ring of a panel.
enum TBevelCut {
    bvNone,     ///< no ring; it takes no room
    bvLowered,  ///< dark at the top and left, light at the bottom and right: sunk into the surface
    bvRaised,   ///< light at the top and left, dark at the bottom and right: standing out of it
    bvSpace     ///< a ring of the button face colour
};
Q_ENUM_NS(TBevelCut)
/// The border of a form: whether the user can change the window's size.
enum TFormBorderStyle {
    bsNone,        ///< the size stays free, as with bsSizeable
    bsSingle,      ///< a fixed size
    bsSizeable,    ///< the size stays free (the default)
    bsDialog,      ///< a fixed size; SetClientSize keeps the window at exactly its client size
    bsToolWindow,  ///< a fixed size
    bsSizeToolWin  ///< the size stays free
};
Q_ENUM_NS(TFormBorderStyle)
/// Where a form shows itself when ShowModal shows it.
enum TPosition {
    poDesigned,         ///< where it is (the default)
    poDefault,          ///< where it is, as poDesigned
    poDefaultPosOnly,   ///< where it is, as poDesigned
    poDefaultSizeOnly,  ///< where it is, as poDesigned
    poScreenCenter,     ///< centred on the available area of the primary screen
    poDesktopCenter     ///< centred on the available area of the primary screen, as poScreenCenter
};
Q_ENUM_NS(TPosition)
/// The result a modal form ends with (TForm::ShowModal, TForm::SetModalResult). Any value but
/// mrNone ends the showing.
enum TModalResult {
    mrNone,    ///< no result yet: the form stays shown
    mrOk,      ///< confirmed with OK
    mrCancel,  ///< cancelled; also the result of a form closed without one, or ended by the quit
    mrAbort,   ///< aborted
    mrRetry,   ///< to be tried again
    mrIgnore,  ///< ignored
    mrYes,     ///< answered with Yes
    mrNo       ///< answered with No
};
Q_ENUM_NS(TModalResult)

// frames and colours of the 3-D look
/// The frame around an axis control or a numeric label.
enum TFrameStyle {
    fsNone,      ///< no visible frame
    fsSimple,    ///< a one-pixel outline in the dark colour
    fsLowered,   ///< shaded so that the inside looks sunk into the surface
    fsRaised,    ///< shaded so that the inside looks raised above the surface
    fsEmbossed,  ///< shaded so that the frame stands out as a ridge
    fsEngraved   ///< shaded so that the frame looks cut in as a groove
};
Q_ENUM_NS(TFrameStyle)
/// The colours of the 3-D frame lines (TFrameStyle).
enum TColorScheme {
    csBWG,    ///< grey (0x808080) and white
    csSystem  ///< the system's button shadow and highlight colours
};
Q_ENUM_NS(TColorScheme)

// axes
/// Which way an axis runs and which edge of its control it lies along. Ticks and tick texts point
/// into the control, away from that edge.
enum TScaleType {
    sctXB,  ///< horizontal, along the bottom edge (MarginBottom pixels above it)
    sctXT,  ///< horizontal, along the top edge (MarginTop pixels below it)
    sctYL,  ///< vertical, along the left edge (MarginLeft pixels right of it)
    sctYR   ///< vertical, along the right edge (MarginRight pixels left of it)
};
Q_ENUM_NS(TScaleType)
/// The point of an axis that its caption's position (CaptionPosX, CaptionPosY) counts from.
enum TScaleUnitAnchor {
    uaSclTopLft,  ///< the axis's left end (horizontal) or top end (vertical), inside the margins
    uaSclCenter,  ///< the middle of the axis between the margins
    uaSclBotRgt   ///< the axis's right end (horizontal) or bottom end (vertical), inside the margins
};
Q_ENUM_NS(TScaleUnitAnchor)
/// What the major ticks of an axis are labelled with.
enum TFigType {
    ftNoFigs,    ///< nothing
    ftNum,       ///< numbers, with the scale's inscription
    ftTime,      ///< elapsed times (numbers where the tick step would be too fine or too coarse for
                 ///< them); choosing it sets four decimals
    ftDateTime,  ///< calendar dates and times of day; the axis is then linear
    ftUserText   ///< the items of the user's tick text, one per major tick in turn
};
Q_ENUM_NS(TFigType)
/// How a calendar axis writes a time of day.
enum TTimeFormat {
    tfHHMMSS,  ///< 24 hours: two-digit hours, minutes and (where the ticks need them) seconds
    tfHHhMM,   ///< 24 hours, the hours followed by "h" and the minutes ("13h05")
    tfAMPM     ///< 12 hours with "am" or "pm"
};
Q_ENUM_NS(TTimeFormat)
/// How a calendar axis writes the year of a date.
enum TYearLength {
    ylNone,  ///< not at all
    ylYY,    ///< two digits
    ylYYYY   ///< four digits
};
Q_ENUM_NS(TYearLength)
/// The order of a date's parts on a calendar axis.
enum TDateOrder {
    doMMDDYY,  ///< month, day, year
    doDDMMYY,  ///< day, month, year
    doYYMMDD   ///< year, month, day
};
Q_ENUM_NS(TDateOrder)
/// Which major time-of-day ticks of a calendar axis carry a line with their date.
enum TDateForTime {
    dtNone,         ///< none
    dtOnePerChart,  ///< the first one
    dtOnePerDay,    ///< the first one of each day
    dtAllTicks      ///< every one
};
Q_ENUM_NS(TDateForTime)

// chart
/// What the chart's mouse does (TCustomPlotica::SetMouseAction). A drag begins with the first
/// movement while the left button is held and ends with the first movement without it.
enum TMouseActMode {
    maNone,         ///< nothing; the cross cursor over the data area
    maPan,          ///< the content follows the pointer, in x and y
    maPanHoriz,     ///< the same in x only
    maPanVert,      ///< the same in y only
    maRubberBand,   ///< does nothing (as maNone, but the cursor is left as it is)
    maZoom,         ///< does nothing (as maNone, but the cursor is left as it is)
    maZoomWind,     ///< a window from press to release becomes the ranges as dragged: its first
                    ///< corner gives the low ends, so a window opened from its top edge turns y down
    maZoomWindPos,  ///< the same, keeping each axis's direction
    maZoomDrag,     ///< right narrows x, left widens it; down widens y, up narrows it; centre stays
    maDragCrossH,   ///< drags the cross-hair nearest to the pointer
    maDragLabel,    ///< drags the shown text label nearest to the pointer
    maRotate,       ///< does nothing: the chart is flat (as maNone, but the cursor is left as it is)
    maRotAndZoom,   ///< does nothing, as maRotate
    maRotXOnly,     ///< does nothing, as maRotate
    maRotZOnly      ///< does nothing, as maRotate
};
Q_ENUM_NS(TMouseActMode)
/// The lines a cross-hair of the chart draws through its point.
enum TCrossHMode {
    chOff,    ///< none: the cross-hair is not drawn
    chHoriz,  ///< a horizontal line
    chVert,   ///< a vertical line
    chBoth    ///< a horizontal and a vertical line
};
Q_ENUM_NS(TCrossHMode)
/// How a text label of the chart is drawn.
enum TTxtLblMode {
    tlOff,        ///< not at all; nor can it be dragged
    tlsimple,     ///< the plain text, on its background colour unless it is transparent
    tlBox,        ///< in a box outlined in the border colour, filled unless the label is transparent
    tlUnderline,  ///< as tlsimple, with a line under the last line of text
    tlShadow      ///< in a box over its shadow (the box in the shadow colour, moved by ShadowDx, ShadowDy)
};
Q_ENUM_NS(TTxtLblMode)
/// Which of a text label's coordinates are world coordinates of its layer; the others are pixels.
enum TTxtLblAttachMode {
    tlamNone,   ///< neither: PosX and PosY are pixels
    tlamXOnly,  ///< PosX
    tlamYOnly,  ///< PosY
    tlamBoth    ///< both
};
Q_ENUM_NS(TTxtLblAttachMode)
/// Where a text label's lines stand against its point.
enum TVerticalAlignment {
    vaTop,     ///< one line lower than vaBottom: a single line hangs from the point
    vaCenter,  ///< half a line lower than vaBottom: a single line is centred on the point
    vaBottom   ///< the last line stands on the point
};
Q_ENUM_NS(TVerticalAlignment)
/// How a background image fills the chart's data area.
enum TBkgFill {
    bfSimple,   ///< once, at the top left corner, on the chart's colour
    bfStretch,  ///< stretched over the whole area
    bfTile      ///< repeated from the top left corner until the area is covered
};
Q_ENUM_NS(TBkgFill)
/// The drop shadow of the chart, at its bottom and right.
enum TShadowStyle {
    ssFlying,  ///< set off from the chart's corners, as if the chart floated above the window
    ssBox      ///< joined to the chart's corners at a slant and outlined in black, as a box's sides
};
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

/// A set of TShiftStateItem members.
using TShiftState = unsigned;
/// The bit of item in a TShiftState.
constexpr TShiftState ShiftBit(TShiftStateItem item) {
    return 1u << static_cast<unsigned>(item);
}
/// Whether item is a member of s.
constexpr bool InShift(TShiftState s, TShiftStateItem item) {
    return (s & ShiftBit(item)) != 0;
}
