// SPDX-License-Identifier: MIT
#pragma once
/// @file
/// The number formats of the numeric label. Values keep their declaration order: stored forms and
/// callers rely on the ordinal values.

#include <QMetaEnum>
#include <QObject>

#include "gravilo_numeric_export.h"

/// The numeric label's enumerations, registered with Qt's meta-object system so that forms and
/// properties name their values.
namespace Numora {
Q_NAMESPACE_EXPORT(GRAVILO_NUMERIC_EXPORT)

/// How the numeric label writes its value (TNumora::SetDisplayType); TNumora::Precision counts
/// what each format says. The integer and digit formats round the value half to even; the
/// hexadecimal, binary and octal digits show a negative value in two's complement. A value outside
/// a format's range (-2147483648 to 4294967295 for the digits, the years 1 to 9999 for a date),
/// not-a-number and the infinities show the overflow indicator in every format but dtState.
enum TDisplay {
    dtFloat,      ///< general: fixed or scientific, Precision significant digits (at least 2)
    dtFixP,       ///< fixed point, Precision decimals
    dtExp,        ///< scientific, Precision digits in all (at least 2), at least three exponent digits
    dtHex,        ///< hexadecimal digits of the low 32 bits, the last Precision of them (at most 8)
    dtZeroInt,    ///< integer, zero-padded to at least Precision digits; 32-bit signed values only
    dtInt,        ///< integer (64-bit), rounded half to even; Precision is not used
    dtDateTime,   ///< day count from 30 December 1899 as date and time, by the DTFormat pattern
    dtState,      ///< the state text, whatever the value; it never gives way to the overflow indicator
    dtBin,        ///< binary digits of the low 32 bits, the last Precision of them (at most 32)
    dtOct,        ///< octal digits of the low 32 bits, the last Precision of them (at most 11)
    dtDeg,        ///< degrees with Precision decimals (at most 8) and the degree sign
    dtDegMin,     ///< degrees and minutes, the minutes with Precision decimals (at most 8)
    dtDegMinSec,  ///< degrees, minutes and seconds, the seconds with Precision decimals (at most 8)
};
Q_ENUM_NS(TDisplay)

}  // namespace Numora

// The formats read unqualified, as the forms name them.
// Each type and its values by name: nothing else of the namespace comes along.
using Numora::TDisplay;
using enum Numora::TDisplay;
