// SPDX-License-Identifier: MIT
#pragma once
// Gives the major ticks of one paint their texts: numbers, user texts and inscriptions,
// elapsed times, calendar dates and times, and the date lines of time-of-day ticks. Begin() is
// called once per paint, when the tick algorithm is known; the patterns are built there.

#include <QString>

#include "Enums.h"
#include "ScaleTick.h"

class TDTLabel;

struct TLabelSettings {
    TFigType LabelType = ftNum;
    int DecPlaces = -2;
    bool Comma = false;  // a decimal comma in numbers
    double RangeLow = 0;
    double RangeHigh = 100;
    QString UserTickText;
    QString ScaleInscript;
    const TDTLabel* DateFormat = nullptr;  // required for calendar ticks
};

class TTickLabeler {
public:
    void Begin(const TLabelSettings& settings, const TTickRun& run);

    // The text of a major tick; empty when it has none.
    QString Text(const TScaleTick& tick) const;
    // Whether a major time-of-day tick carries a date line (by the DateForTime rule; call it once
    // per major tick, in order), and the line's text.
    bool DateLine(const TScaleTick& tick, QString& text);

    TTickFamily Family() const { return FRun.Family; }
    // the numeric decimals in use (-1 scientific, -3 decade exponents)
    int Decimals() const { return FDecimals; }

private:
    QString NumericText(const TScaleTick& tick) const;
    QString PlainNumericText(const TScaleTick& tick) const;
    QString CalendarText(const TScaleTick& tick) const;

    TLabelSettings FSettings;
    TTickRun FRun;
    int FDecimals = 0;
    QString FPattern;      // calendar ticks
    QString FDatePattern;  // date lines of time-of-day ticks
    bool FDateLineDone = false;
    int FDateLineDay = 0;
};
