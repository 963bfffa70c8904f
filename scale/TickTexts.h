// SPDX-License-Identifier: MIT
#pragma once
// The texts of numeric and elapsed-time ticks: decimals chosen from the range, fixed and
// scientific notation, the snapping of almost-zero values, user texts and inscriptions.

#include <QString>
#include <QStringView>

class TTickTexts {
public:
    // longest numeric tick text; longer ones are cut before user texts or inscriptions apply
    static constexpr int MaxNumberLength = 14;

    // decimals for a linear range: -1 (scientific) for spans of a million and more or a ten
    // thousandth and less, 0 from 100 on, else 2 - nearest(ln span / 2.5)
    static int AutoDecPlaces(double rangeLow, double rangeHigh);
    // decimals for a logarithmic range: scientific as above, 0 when the smaller end is at least
    // 1, else enough for the smaller end
    static int AutoLogDecPlaces(double rangeLow, double rangeHigh);

    // v with `decimals` fixed decimals (>= 0) or scientific (-1). With snapZero, a value below
    // 1e-14 of the range's span is zero, written "0" or "0.0" on spans above 100000.
    static QString FormatTickNumber(double v, int decimals, double rangeLow, double rangeHigh, bool snapZero);
    // ten characters: sign (blank or minus), d.d, E, exponent sign, four exponent digits; two
    // leading exponent zeros are removed, and a text whose exponent needs three or more digits
    // becomes a row of eight asterisks
    static QString ScientificText(double v);
    // trailing zeros and then a trailing point of a fixed-notation text (2.500 -> 2.5, 3.000 -> 3)
    static QString WithoutTrailingZeros(const QString& text);

    // item n (1-based) of the bar-separated texts; the last item when there are fewer
    static QString UserTickItem(QStringView texts, int n);
    // the text in place of the inscription's first ampersand, or the inscription as a prefix
    static QString ApplyInscript(const QString& text, const QString& inscript);

    // sign (blank or minus), hours in at least two digits, minutes and seconds, and with
    // milliseconds a point and three more digits: " 01:02:05.500"
    static QString ElapsedTimeText(double seconds, bool withMilliseconds);
};
