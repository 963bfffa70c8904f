// SPDX-License-Identifier: MIT
#pragma once
// Colours as the components store them: 0x00BBGGRR. A value with the top bit set names a system
// colour (0x80000000 + index) that resolves through the application's palette when drawn.

#include <QColor>
#include <concepts>
#include <cstdint>

#include "gravilo_toolkit_export.h"

using TColor = std::uint32_t;

// named colours
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// system colours
constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clScrollBar = clSystemColor + 0;
constexpr TColor clBackground = clSystemColor + 1;
constexpr TColor clActiveCaption = clSystemColor + 2;
constexpr TColor clInactiveCaption = clSystemColor + 3;
constexpr TColor clMenu = clSystemColor + 4;
constexpr TColor clWindow = clSystemColor + 5;
constexpr TColor clWindowFrame = clSystemColor + 6;
constexpr TColor clMenuText = clSystemColor + 7;
constexpr TColor clWindowText = clSystemColor + 8;
constexpr TColor clCaptionText = clSystemColor + 9;
constexpr TColor clActiveBorder = clSystemColor + 10;
constexpr TColor clInactiveBorder = clSystemColor + 11;
constexpr TColor clAppWorkSpace = clSystemColor + 12;
constexpr TColor clHighlight = clSystemColor + 13;
constexpr TColor clHighlightText = clSystemColor + 14;
constexpr TColor clBtnFace = clSystemColor + 15;
constexpr TColor clBtnShadow = clSystemColor + 16;
constexpr TColor clGrayText = clSystemColor + 17;
constexpr TColor clBtnText = clSystemColor + 18;
constexpr TColor clInactiveCaptionText = clSystemColor + 19;
constexpr TColor clBtnHighlight = clSystemColor + 20;
constexpr TColor cl3DDkShadow = clSystemColor + 21;
constexpr TColor cl3DLight = clSystemColor + 22;
constexpr TColor clInfoText = clSystemColor + 23;
constexpr TColor clInfoBk = clSystemColor + 24;

constexpr TColor RGBColor(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr bool IsSystemColor(TColor c) {
    return (c & clSystemColor) != 0;
}

// The colour as 0xAARRGGBB with full alpha; system colours through the application's palette.
GRAVILO_TOOLKIT_EXPORT QRgb ColorToRgb(TColor c);
inline QColor ColorToQColor(TColor c) {
    return QColor::fromRgb(ColorToRgb(c));
}
// The opaque RGB of a QColor as 0x00BBGGRR.
GRAVILO_TOOLKIT_EXPORT TColor QColorToColor(const QColor& c);

// What a Qt program calls a colour: a QColor, or one of Qt's named colours (Qt::red). Every
// setter that takes a TColor also takes one of these and means the colour it names, where the
// plain number 0xFF0000 stays the components' blue.
template <class C>
concept QtColor = std::same_as<C, QColor> || std::same_as<C, Qt::GlobalColor>;
inline TColor ToColor(const QtColor auto& c) {
    return QColorToColor(QColor(c));
}
