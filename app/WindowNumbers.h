// SPDX-License-Identifier: MIT
#pragma once
// Numbers as the window's language writes them: with its decimal separator, a comma where the
// language file says so ("$decimalcomma$" 1), as the numeric labels write them.

#include <QString>

// The value with that many decimals, rounded as the numeric labels round.
QString WindowNumber(double value, int decimals, bool comma);
// The shortest text that reads back as the value (9.81, 23.12, 0.5).
QString WindowNumber(double value, bool comma);
