// SPDX-License-Identifier: MIT
#pragma once
// The date/time label settings of a calendar axis: time format, separators, year length, month
// names, the order of the date's parts and how often time ticks carry a date line. A new object
// holds zero values; its owner sets the defaults it wants and installs OnChange.

#include <QChar>
#include <QObject>
#include <functional>

#include "Enums.h"
#include "gravilo_scale_export.h"

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
    explicit TDTLabel(QObject* parent = nullptr);

    TTimeFormat TimeFormat() const { return FTimeFormat; }
    // notifies on every assignment
    void SetTimeFormat(TTimeFormat f);
    QChar DateSeparator() const { return FDateSeparator; }
    void SetDateSeparator(QChar c);
    QChar TimeSeparator() const { return FTimeSeparator; }
    void SetTimeSeparator(QChar c);
    TYearLength YearLength() const { return FYearLength; }
    void SetYearLength(TYearLength l);
    bool MonthName() const { return FMonthName; }
    void SetMonthName(bool b);
    TDateOrder DateOrder() const { return FDateOrder; }
    // notifies on every assignment
    void SetDateOrder(TDateOrder o);
    TDateForTime DateForTime() const { return FDateForTime; }
    void SetDateForTime(TDateForTime d);

    // Copies the seven settings, then notifies once. Any other kind of source throws EVexaError.
    void Assign(const QObject* source);
    bool SameAs(const TDTLabel& other) const;

    // called after a setting changes
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
