// SPDX-License-Identifier: MIT
#pragma once
// How each body is told apart in the energy chart and its legend: the marks' colour and a shape of
// their own (so that grey print and the three common kinds of colour blindness keep them apart),
// and for the legend a text colour that reads at 4.5:1 or better on white and the shape as a sign.

#include <QString>

#include "TColor.h"

struct TBodyLook {
    TColor MarkColor;  // 0x00BBGGRR
    int Mark;          // the chart's mark number
    TColor TextColor;  // the legend's text on white
    QString Sign;      // the shape in the legend's text
};

// The look of body 0 to 3 (Earth, Moon, Mars, Jupiter) and 4 (Planet X); Earth's for any other.
const TBodyLook& BodyLook(int body);

// A body's g as the class may see it: "9.81", "23,12" with a decimal comma, "?" for a Planet X
// whose g is kept from the class.
class TSimulation;
QString AccelText(const TSimulation& simulation, int body, bool comma);
