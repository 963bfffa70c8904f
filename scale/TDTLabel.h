// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QObject>
#include <functional>

#include "Enums.h"
#include "gravilo_scale_export.h"

/// The date/time label settings of a calendar axis: time format, separators, year length, month
/// names, the order of the date's parts and how often time ticks carry a date line. A new object
/// holds zero values; its owner sets the defaults it wants and installs OnChange.
class GRAVILO_SCALE_EXPORT TDTLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(Vexa::TTimeFormat TimeFormat READ TimeFormat WRITE SetTimeFormat)
    Q_PROPERTY(QChar DateSeparator READ DateSeparator WRITE SetDateSeparator)
    Q_PROPERTY(QChar TimeSeparator READ TimeSeparator WRITE SetTimeSeparator)
    Q_PROPERTY(Vexa::TYearLength YearLength READ YearLength WRITE SetYearLength)
    Q_PROPERTY(bool MonthName READ MonthName WRITE SetMonthName)
    Q_PROPERTY(Vexa::TDateOrder DateOrder READ DateOrder WRITE SetDateOrder)
    Q_PROPERTY(Vexa::TDateForTime DateForTime READ DateForTime WRITE SetDateForTime)
public:
    /// Settings of zero value: tfHHMMSS, no separators, no year, month numbers, doMMDDYY, no date
    /// lines.
    explicit TDTLabel(QObject* parent = nullptr);

    /// How a time of day is written.
    TTimeFormat TimeFormat() const { return FTimeFormat; }
    /// Sets how a time of day is written; notifies on every assignment.
    void SetTimeFormat(TTimeFormat f);
    /// The character between the parts of a date; a null character puts none.
    QChar DateSeparator() const { return FDateSeparator; }
    /// Sets the date separator; notifies on a change.
    void SetDateSeparator(QChar c);
    /// The character between hours, minutes and seconds; a null character puts none. The
    /// tfHHhMM form writes "h" after the hours instead.
    QChar TimeSeparator() const { return FTimeSeparator; }
    /// Sets the time separator; notifies on a change.
    void SetTimeSeparator(QChar c);
    /// How the year of a date is written, if at all.
    TYearLength YearLength() const { return FYearLength; }
    /// Sets how the year is written; notifies on a change.
    void SetYearLength(TYearLength l);
    /// Whether months are written as abbreviated names of the default locale (true) or as
    /// two-digit numbers (false).
    bool MonthName() const { return FMonthName; }
    /// Switches the month names; notifies on a change.
    void SetMonthName(bool b);
    /// The order of a date's parts.
    TDateOrder DateOrder() const { return FDateOrder; }
    /// Sets the order of a date's parts; notifies on every assignment.
    void SetDateOrder(TDateOrder o);
    /// Which time-of-day ticks carry a line with their date.
    TDateForTime DateForTime() const { return FDateForTime; }
    /// Sets which time-of-day ticks carry a date line; notifies on a change.
    void SetDateForTime(TDateForTime d);

    /// Copies the seven settings, then notifies once. Any other kind of source throws EVexaError.
    void Assign(const QObject* source);
    /// Whether all seven settings equal those of other.
    bool SameAs(const TDTLabel& other) const;

    /// Called after a setting changes (TimeFormat and DateOrder: after each assignment), with the
    /// settings object as Sender.
    std::function<void(QObject* Sender)> OnChange;

private:
    void Changed();
    TTimeFormat FTimeFormat = tfHHMMSS;
    QChar FDateSeparator;
    QChar FTimeSeparator;
    TYearLength FYearLength = ylNone;
    bool FMonthName = false;
    TDateOrder FDateOrder = doMMDDYY;
    TDateForTime FDateForTime = dtNone;
};
