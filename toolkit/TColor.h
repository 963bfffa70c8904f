// SPDX-License-Identifier: MIT
#pragma once
/// @file
/// Colours as the components store them: 0x00BBGGRR. A value with the top bit set names a system
/// colour (0x80000000 + index) that resolves through the application's palette when drawn. Each
/// system colour names what it stands for and the palette entry it resolves to, of the active
/// colour group unless another group is named.

#include <QColor>
#include <concepts>
#include <cstdint>

#include "gravilo_toolkit_export.h"

/// A colour as the components store it: 0x00BBGGRR, or a system colour (0x80000000 + index).
using TColor = std::uint32_t;

// named colours
constexpr TColor clBlack = 0x000000;    ///< black
constexpr TColor clMaroon = 0x000080;   ///< maroon
constexpr TColor clGreen = 0x008000;    ///< green
constexpr TColor clOlive = 0x008080;    ///< olive
constexpr TColor clNavy = 0x800000;     ///< navy
constexpr TColor clPurple = 0x800080;   ///< purple
constexpr TColor clTeal = 0x808000;     ///< teal
constexpr TColor clGray = 0x808080;     ///< grey
constexpr TColor clSilver = 0xC0C0C0;   ///< silver
constexpr TColor clRed = 0x0000FF;      ///< red
constexpr TColor clLime = 0x00FF00;     ///< lime green
constexpr TColor clYellow = 0x00FFFF;   ///< yellow
constexpr TColor clBlue = 0xFF0000;     ///< blue
constexpr TColor clFuchsia = 0xFF00FF;  ///< fuchsia
constexpr TColor clAqua = 0xFFFF00;     ///< aqua
constexpr TColor clWhite = 0xFFFFFF;    ///< white

// system colours
constexpr TColor clSystemColor = 0x80000000;             ///< the top bit: set in every system colour
constexpr TColor clScrollBar = clSystemColor + 0;        ///< scroll bar: Button
constexpr TColor clBackground = clSystemColor + 1;       ///< desktop: Window
constexpr TColor clActiveCaption = clSystemColor + 2;    ///< active caption: Highlight
constexpr TColor clInactiveCaption = clSystemColor + 3;  ///< inactive caption: inactive Highlight
constexpr TColor clMenu = clSystemColor + 4;             ///< menu: Window
constexpr TColor clWindow = clSystemColor + 5;           ///< window background: Base
constexpr TColor clWindowFrame = clSystemColor + 6;      ///< window frame: Shadow
constexpr TColor clMenuText = clSystemColor + 7;         ///< menu text: WindowText
constexpr TColor clWindowText = clSystemColor + 8;       ///< window text: Text
constexpr TColor clCaptionText = clSystemColor + 9;      ///< caption text: HighlightedText
constexpr TColor clActiveBorder = clSystemColor + 10;    ///< active border: Button
constexpr TColor clInactiveBorder = clSystemColor + 11;  ///< inactive border: inactive Button
constexpr TColor clAppWorkSpace = clSystemColor + 12;    ///< application workspace: Dark
constexpr TColor clHighlight = clSystemColor + 13;       ///< selection background: Highlight
constexpr TColor clHighlightText = clSystemColor + 14;   ///< selected text: HighlightedText
constexpr TColor clBtnFace = clSystemColor + 15;         ///< button face: Button
constexpr TColor clBtnShadow = clSystemColor + 16;       ///< button shadow: Dark
constexpr TColor clGrayText = clSystemColor + 17;        ///< grey (disabled) text: disabled Text
constexpr TColor clBtnText = clSystemColor + 18;         ///< button text: ButtonText
/// inactive caption text: inactive HighlightedText
constexpr TColor clInactiveCaptionText = clSystemColor + 19;
constexpr TColor clBtnHighlight = clSystemColor + 20;  ///< button highlight: Light
constexpr TColor cl3DDkShadow = clSystemColor + 21;    ///< 3-D dark shadow: Shadow
constexpr TColor cl3DLight = clSystemColor + 22;       ///< 3-D light: Midlight
constexpr TColor clInfoText = clSystemColor + 23;      ///< tool tip text: ToolTipText
constexpr TColor clInfoBk = clSystemColor + 24;        ///< tool tip background: ToolTipBase

/// The colour of red, green and blue levels 0..255; only the low 8 bits of each count.
constexpr TColor RGBColor(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
/// true for a system colour: the top bit is set.
constexpr bool IsSystemColor(TColor c) {
    return (c & clSystemColor) != 0;
}

/// The colour as 0xAARRGGBB with full alpha; system colours through the application's palette (the
/// index is the low byte; an index past clInfoBk gives black).
GRAVILO_TOOLKIT_EXPORT QRgb ColorToRgb(TColor c);
/// The colour as an opaque QColor, as ColorToRgb gives it.
inline QColor ColorToQColor(TColor c) {
    return QColor::fromRgb(ColorToRgb(c));
}
/// The opaque RGB of a QColor as 0x00BBGGRR.
GRAVILO_TOOLKIT_EXPORT TColor QColorToColor(const QColor& c);

/// What a Qt program calls a colour: a QColor, or one of Qt's named colours (Qt::red). Every
/// setter that takes a TColor also takes one of these and means the colour it names, where the
/// plain number 0xFF0000 stays the components' blue.
template <class C>
concept QtColor = std::same_as<C, QColor> || std::same_as<C, Qt::GlobalColor>;
/// The opaque RGB of the colour a QColor or a Qt named colour names, as 0x00BBGGRR.
inline TColor ToColor(const QtColor auto& c) {
    return QColorToColor(QColor(c));
}
