// SPDX-License-Identifier: MIT
#include "TickLabeler.h"

#include <cmath>

#include "DateTexts.h"
#include "DateTime.h"
#include "TDTLabel.h"
#include "TickTexts.h"

void TTickLabeler::Begin(const TLabelSettings& settings, const TTickRun& run) {
    FSettings = settings;
    FRun = run;
    FDateLineDone = false;
    FDateLineDay = 0;
    FPattern.clear();
    FDatePattern.clear();
    const int dec = settings.DecPlaces;
    if (run.Family == TTickFamily::Logarithmic)
        FDecimals = dec == -2 ? TTickTexts::AutoLogDecPlaces(settings.RangeLow, settings.RangeHigh) : dec;
    else
        FDecimals =
            dec == -2 || dec == -3 ? TTickTexts::AutoDecPlaces(settings.RangeLow, settings.RangeHigh) : dec;

    if (!IsCalendarFamily(run.Family) || !settings.DateFormat) return;
    const TDTLabel& f = *settings.DateFormat;
    switch (run.Family) {
        case TTickFamily::Days:
            FPattern = TDateTexts::DayPattern(f);
            break;
        case TTickFamily::Months:
            FPattern = TDateTexts::MonthPattern(f);
            break;
        case TTickFamily::Years:
            FPattern = TDateTexts::YearPattern(f);
            break;
        default:
            if (IsTimeOfDayFamily(run.Family)) {
                FPattern = TDateTexts::TimePattern(run.Family, f);
                FDatePattern = TDateTexts::BuildDateFormat(f);
            }
            break;
    }
}

QString TTickLabeler::Text(const TScaleTick& tick) const {
    if (!tick.Major) return QString();
    if (FRun.Family == TTickFamily::ElapsedTime)
        return TTickTexts::ElapsedTimeText(tick.Value, FRun.WithMilliseconds);
    if (IsCalendarFamily(FRun.Family)) return CalendarText(tick);
    if (FSettings.LabelType == ftNoFigs) return QString();
    if (FSettings.LabelType == ftUserText)
        return TTickTexts::UserTickItem(FSettings.UserTickText, tick.LabelNumber);
    return TTickTexts::ApplyInscript(NumericText(tick), FSettings.ScaleInscript);
}

QString TTickLabeler::NumericText(const TScaleTick& tick) const {
    QString text = PlainNumericText(tick);
    if (FSettings.Comma) text.replace(u'.', u',');
    return text;
}

QString TTickLabeler::PlainNumericText(const TScaleTick& tick) const {
    if (FRun.Family != TTickFamily::Logarithmic) {
        return TTickTexts::FormatTickNumber(tick.Value, FDecimals, FSettings.RangeLow, FSettings.RangeHigh,
                                            true)
            .left(TTickTexts::MaxNumberLength);
    }
    // decade exponents: only the powers of ten are written
    if (FDecimals == -3) return tick.Mantissa == 1 ? QString::number(tick.Decade) : QString();
    QString text =
        TTickTexts::FormatTickNumber(tick.Value, FDecimals, FSettings.RangeLow, FSettings.RangeHigh, false)
            .left(TTickTexts::MaxNumberLength);
    if (FSettings.DecPlaces == -2 && text.contains(u'.') && !text.contains(u'e', Qt::CaseInsensitive))
        text = TTickTexts::WithoutTrailingZeros(text);
    return text;
}

QString TTickLabeler::CalendarText(const TScaleTick& tick) const {
    if (!FSettings.DateFormat) return QString();
    const TDTLabel& f = *FSettings.DateFormat;
    switch (FRun.Family) {
        case TTickFamily::Days:
        case TTickFamily::Months:
            return TDateTexts::FormatTickDate(FPattern, tick.Value);
        case TTickFamily::Years:
            return TDateTexts::YearText(FPattern, f, tick.Value);
        default:
            return TDateTexts::TimeText(FRun.Family, FPattern, f, tick.Value);
    }
}

bool TTickLabeler::DateLine(const TScaleTick& tick, QString& text) {
    if (!tick.Major || !IsTimeOfDayFamily(FRun.Family) || !FSettings.DateFormat) return false;
    int y, m, d, h, n, s, ms;
    Vexa::DecodeDateTime(std::fabs(tick.Value) < 1e-8 ? 0.0 : tick.Value, y, m, d, h, n, s, ms);
    bool draw = false;
    switch (FSettings.DateFormat->DateForTime()) {
        case dtOnePerChart:
            draw = !FDateLineDone;
            break;
        case dtOnePerDay:
            draw = !FDateLineDone || d != FDateLineDay;
            break;
        case dtAllTicks:
            draw = true;
            break;
        default:
            break;
    }
    if (!draw) return false;
    FDateLineDone = true;
    FDateLineDay = d;
    text = TDateTexts::FormatTickDate(FDatePattern, tick.Value);
    return true;
}
