// SPDX-License-Identifier: MIT
#pragma once
// How the numeric label turns its value into text, apart from any painting: the format's own text,
// then the decimal-mark step ("." or ",", independent of the system's locale) and the plus sign.

#include <QString>
#include <optional>

#include "NumoraEnums.h"

class TNumoraText {
public:
    static QString DefaultStateText() { return QStringLiteral("undefined"); }
    static QString DefaultDTFormat() { return QStringLiteral("mmm-dd, yyyy"); }
    static QString DefaultOverflowIndicator() { return QStringLiteral("*********"); }
    static constexpr int MaxPrecision = 15;

    TDisplay DisplayType = dtFixP;
    int Precision = 2;  // decimals, significant digits or digit count, by format
    bool Comma = false;
    bool ForcePlusSign = false;
    QString StateText = DefaultStateText();
    QString DTFormat = DefaultDTFormat();
    QString OverflowIndicator = DefaultOverflowIndicator();

    // The text to show: the format's text after the decimal-mark step and the plus sign, or the
    // overflow indicator, unchanged, when no text of the format can show the value.
    QString Text(double value) const;

    // The format's own text with "." as decimal mark; nothing when the value lies outside the
    // format's range (not-a-number and infinities included).
    std::optional<QString> Formatted(double value) const;

    // Whether a text too wide for the box gives way to the overflow indicator.
    bool CanOverflow() const { return DisplayType != dtState; }

private:
    bool TakesMarkAndSign() const;
};
