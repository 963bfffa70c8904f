// SPDX-License-Identifier: MIT
// The chart's mapping with any ranges, NaN and infinities included, set through the layer ranges
// and through the published scale properties, on any size and margins, with logarithmic axes,
// joined layers and the isometric rule: converting never fails, finite ranges put their ends on
// the data area's edges, a pixel converted to the world and back is the same pixel, and the chart
// with items at any coordinates paints (once, with the last ranges).
//
// Input: a shape byte, the size, margins and shadow, two joint-layer entries, then operations of
// one byte each with their operands. The conversion of one axis alone has its own target,
// axis_mapping, which runs a thousand times faster.

#include <QApplication>

#include <cmath>
#include <cstdint>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "TJointLayers.h"
#include "TPlotica.h"
#include "TScaleProps.h"
#include "VexaError.h"

using namespace Vexa;

namespace {

QApplication* Application = nullptr;

// A world value: any bit pattern, or a plain number most of the time.
double World(TFuzzInput& Input) {
    const std::uint8_t form = Input.Byte();
    if (form < 64) return Input.Real();
    return Input.Int() * std::pow(10.0, (form % 41) - 20);
}

// The x range of a layer and whether its ends must land on the data area's edges: a linear axis
// with finite, distinct ends whose span is not lost beside their size nor below the smallest
// numbers.
bool EdgesAreExact(TPlotica& Chart, TScaleProps* Props, double& Low, double& High) {
    Low = Props->RangeLow();
    High = Props->RangeHigh();
    const double span = std::fabs(High - Low);
    // a span near the smallest doubles has no finite pixels per unit: every pixel is the low end
    const double width = Chart.DataAreaWidth();
    return !Props->Logarithmic() && std::isfinite(Low) && std::isfinite(High) && span > 0 &&
           std::isfinite(span) && std::max(std::fabs(Low), std::fabs(High)) < span * 1e9 && width > 0 &&
           std::isnormal(span / width) && std::isfinite(width / span);
}

void CheckLayer(TPlotica& Chart, int Layer, TFuzzInput& Input) {
    double low = 0, high = 0;
    if (EdgesAreExact(Chart, Chart.ScalePropsX(Layer), low, high)) {
        const int left = Chart.MarginLeft();
        const int right = Chart.width() - Chart.MarginRight() - Chart.ShadowWidth();
        const int atLow = Chart.WorldToPixel(Layer, low, 0).x();
        const int atHigh = Chart.WorldToPixel(Layer, high, 0).x();
        FUZZ_CHECK(std::abs(atLow - left) <= 1 && std::abs(atHigh - right) <= 1,
                   QStringLiteral("layer %1: %2 .. %3 on %4 .. %5, edges %6 .. %7")
                       .arg(Layer)
                       .arg(low, 0, 'g', 17)
                       .arg(high, 0, 'g', 17)
                       .arg(atLow)
                       .arg(atHigh)
                       .arg(left)
                       .arg(right));
        // a pixel of the data area, to the world and back
        const int px = left + Input.Small(0, std::max(0, right - left));
        double x = 0, y = 0;
        Chart.PixelToWorld(Layer, px, Chart.MarginTop(), x, y);
        FUZZ_CHECK(std::isfinite(x) && std::abs(Chart.WorldToPixel(Layer, x, 0).x() - px) <= 1,
                   QStringLiteral("pixel %1 is %2 in the world").arg(px).arg(x, 0, 'g', 17));
    }
    // any value converts
    Chart.WorldToPixel(Layer, World(Input), World(Input));
    double x = 0, y = 0;
    Chart.PixelToWorld(Layer, Input.Int(), Input.Int(), x, y);
}

void Draw(TPlotica& Chart, int Layer, TFuzzInput& Input) {
    Chart.SetCurrentLayer(Layer);
    Chart.MoveTo(World(Input), World(Input));
    Chart.LineTo(World(Input), World(Input));
    Chart.AddMark(World(Input), World(Input), Input.Small(0, 20));
    Chart.AddRectangle(World(Input), World(Input), World(Input), World(Input));
    Chart.AddEllipse(World(Input), World(Input), World(Input), World(Input));
    Chart.AddArrow(World(Input), World(Input), World(Input), World(Input), Input.Small(-5, 50));
    Chart.AddText(World(Input), World(Input), QStringLiteral("Ep"), Input.Small(-5, 40));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "fuzz_chart_mapping";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application = new QApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TFuzzInput input(Data, Size);
    const std::uint8_t shape = input.Byte();
    TPlotica chart;
    chart.SetMarginLeft(input.Small(-10, 400));
    chart.SetMarginRight(input.Small(-10, 400));
    chart.SetMarginTop(input.Small(-10, 400));
    chart.SetMarginBottom(input.Small(-10, 400));
    chart.SetShadowWidth(input.Int());
    chart.SetBounds(0, 0, input.Small(0, 400), input.Small(0, 300));
    chart.SetIsometric(shape & 1);
    // a layer outside 1..16 is a configuration error, refused with its message
    for (const auto join : {&TJointLayers::SetL02x, &TJointLayers::SetL03y}) {
        const int controller = input.Small(0, 17);
        try {
            (chart.JointLayers()->*join)(controller);
        } catch (const EVexaPloticaError&) {
            FUZZ_CHECK(controller < 1 || controller > 16);
        }
    }

    // the chart paints once, at the end: until its window exists it only maps
    for (int op = 0; op < 8 && !input.AtEnd(); ++op) {
        const std::uint8_t code = input.Byte();
        const int layer = 1 + (code >> 4);
        switch (code & 7) {
            case 0:
                chart.SetLayerRanges(layer, World(input), World(input), World(input), World(input));
                break;
            case 1:
            case 2: {
                TScaleProps* props = (code & 7) == 1 ? static_cast<TScaleProps*>(chart.ScalePropsX(layer))
                                                     : static_cast<TScaleProps*>(chart.ScalePropsY(layer));
                props->SetMinRange(World(input));
                props->SetRangeLow(World(input));
                props->SetRangeHigh(World(input));
                props->SetLogarithmic(code & 8);
                break;
            }
            case 3:
                chart.ScalePropsX(layer)->SetLabelType(TFigType(input.Small(0, 4)));
                chart.ScalePropsY(layer)->SetVisible(code & 8);
                break;
            case 4:
            case 5:
                CheckLayer(chart, layer, input);
                break;
            default:
                Draw(chart, layer, input);
                break;
        }
    }
    for (int layer = 1; layer <= 16; ++layer) CheckLayer(chart, layer, input);
    chart.HandleNeeded();
    return 0;
}
