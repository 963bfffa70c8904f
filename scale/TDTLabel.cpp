// SPDX-License-Identifier: MIT
#include "TDTLabel.h"

#include "VexaError.h"

TDTLabel::TDTLabel(QObject* parent) : QObject(parent) {}

void TDTLabel::Changed() {
    if (OnChange) OnChange(this);
}

void TDTLabel::SetTimeFormat(TTimeFormat f) {
    FTimeFormat = f;
    Changed();
}

void TDTLabel::SetDateSeparator(QChar c) {
    if (c == FDateSeparator) return;
    FDateSeparator = c;
    Changed();
}

void TDTLabel::SetTimeSeparator(QChar c) {
    if (c == FTimeSeparator) return;
    FTimeSeparator = c;
    Changed();
}

void TDTLabel::SetYearLength(TYearLength l) {
    if (l == FYearLength) return;
    FYearLength = l;
    Changed();
}

void TDTLabel::SetMonthName(bool b) {
    if (b == FMonthName) return;
    FMonthName = b;
    Changed();
}

void TDTLabel::SetDateOrder(TDateOrder o) {
    FDateOrder = o;
    Changed();
}

void TDTLabel::SetDateForTime(TDateForTime d) {
    if (d == FDateForTime) return;
    FDateForTime = d;
    Changed();
}

void TDTLabel::Assign(const QObject* source) {
    const auto* other = qobject_cast<const TDTLabel*>(source);
    if (!other) {
        const char* name = source ? source->metaObject()->className() : "nil";
        throw EVexaError(QStringLiteral("Cannot assign a %1 to a TDTLabel").arg(QLatin1String(name)));
    }
    if (other == this) return;
    FTimeFormat = other->FTimeFormat;
    FDateSeparator = other->FDateSeparator;
    FTimeSeparator = other->FTimeSeparator;
    FYearLength = other->FYearLength;
    FMonthName = other->FMonthName;
    FDateOrder = other->FDateOrder;
    FDateForTime = other->FDateForTime;
    Changed();
}

bool TDTLabel::SameAs(const TDTLabel& o) const {
    return FTimeFormat == o.FTimeFormat && FDateSeparator == o.FDateSeparator &&
           FTimeSeparator == o.FTimeSeparator && FYearLength == o.FYearLength && FMonthName == o.FMonthName &&
           FDateOrder == o.FDateOrder && FDateForTime == o.FDateForTime;
}
