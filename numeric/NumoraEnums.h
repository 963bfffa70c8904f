// SPDX-License-Identifier: MIT
#pragma once
// The number formats of the numeric label. Values keep their declaration order: stored forms and
// callers rely on the ordinal values.

#include <QMetaEnum>
#include <QObject>

#include "gravilo_numeric_export.h"

namespace Numora {
Q_NAMESPACE_EXPORT(GRAVILO_NUMERIC_EXPORT)

enum TDisplay {
    dtFloat,      // general: fixed or scientific, significant digits
    dtFixP,       // fixed point, decimals
    dtExp,        // scientific
    dtHex,        // hexadecimal digits of the low 32 bits
    dtZeroInt,    // integer, zero-padded
    dtInt,        // integer
    dtDateTime,   // day count as date and time
    dtState,      // the state text
    dtBin,        // binary digits of the low 32 bits
    dtOct,        // octal digits of the low 32 bits
    dtDeg,        // degrees with decimals
    dtDegMin,     // degrees and minutes
    dtDegMinSec,  // degrees, minutes and seconds
};
Q_ENUM_NS(TDisplay)

}  // namespace Numora

// The formats read unqualified, as the forms name them.
// Each type and its values by name: nothing else of the namespace comes along.
using Numora::TDisplay;
using enum Numora::TDisplay;
