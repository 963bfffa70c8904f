// SPDX-License-Identifier: MIT
#include "WindowNumbers.h"

#include "Format.h"

namespace {

QString WithSeparator(QString text, bool comma) {
    if (comma) text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

}  // namespace

QString WindowNumber(double value, int decimals, bool comma) {
    return WithSeparator(Vexa::FormatFixed(value, decimals), comma);
}

QString WindowNumber(double value, bool comma) {
    return WithSeparator(QString::number(value), comma);
}
