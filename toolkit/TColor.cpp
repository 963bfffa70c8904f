// SPDX-License-Identifier: MIT
#include "TColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// Which palette entry stands for a system colour of the original platform.
QColor SystemColor(unsigned index) {
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
        case 0:
            return pal.color(QPalette::Active, QPalette::Button);  // scroll bar
        case 1:
            return pal.color(QPalette::Active, QPalette::Window);  // desktop
        case 2:
            return pal.color(QPalette::Active, QPalette::Highlight);  // active caption
        case 3:
            return pal.color(QPalette::Inactive, QPalette::Highlight);  // inactive caption
        case 4:
            return pal.color(QPalette::Active, QPalette::Window);  // menu
        case 5:
            return pal.color(QPalette::Active, QPalette::Base);  // window
        case 6:
            return pal.color(QPalette::Active, QPalette::Shadow);  // window frame
        case 7:
            return pal.color(QPalette::Active, QPalette::WindowText);  // menu text
        case 8:
            return pal.color(QPalette::Active, QPalette::Text);  // window text
        case 9:
            return pal.color(QPalette::Active, QPalette::HighlightedText);  // caption text
        case 10:
            return pal.color(QPalette::Active, QPalette::Button);  // active border
        case 11:
            return pal.color(QPalette::Inactive, QPalette::Button);  // inactive border
        case 12:
            return pal.color(QPalette::Active, QPalette::Dark);  // application workspace
        case 13:
            return pal.color(QPalette::Active, QPalette::Highlight);
        case 14:
            return pal.color(QPalette::Active, QPalette::HighlightedText);
        case 15:
            return pal.color(QPalette::Active, QPalette::Button);  // button face
        case 16:
            return pal.color(QPalette::Active, QPalette::Dark);  // button shadow
        case 17:
            return pal.color(QPalette::Disabled, QPalette::Text);  // grey text
        case 18:
            return pal.color(QPalette::Active, QPalette::ButtonText);
        case 19:
            return pal.color(QPalette::Inactive, QPalette::HighlightedText);
        case 20:
            return pal.color(QPalette::Active, QPalette::Light);  // button highlight
        case 21:
            return pal.color(QPalette::Active, QPalette::Shadow);  // 3-D dark shadow
        case 22:
            return pal.color(QPalette::Active, QPalette::Midlight);  // 3-D light
        case 23:
            return pal.color(QPalette::Active, QPalette::ToolTipText);  // info text
        case 24:
            return pal.color(QPalette::Active, QPalette::ToolTipBase);  // info background
        default:
            return QColor(Qt::black);
    }
}

}  // namespace

QRgb ColorToRgb(TColor c) {
    if (IsSystemColor(c)) return SystemColor(c & 0xFF).rgb() | 0xFF000000u;
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TColor QColorToColor(const QColor& c) {
    return RGBColor(c.red(), c.green(), c.blue());
}
