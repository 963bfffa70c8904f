// SPDX-License-Identifier: MIT
// The axis control with any range, label type and settings: tick generation ends, every tick it
// hands out is a number, at most 50 tick values are kept, every major tick gets its text, and the
// whole axis paints.
//
// Input: a shape byte, then the range (its form picked by the shape: any bit patterns, decimal
// numbers, calendar days, or powers of ten for logarithmic axes), the settings, the control's
// size and margins, the date/time label settings, then the user tick texts and the inscription.

#include <QApplication>

#include <cmath>
#include <cstdint>

#include "DateTime.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "TDTLabel.h"
#include "TScale.h"
#include "TickGenerator.h"
#include "TickLabeler.h"
#include "TickValues.h"

using namespace Vexa;

namespace {

QApplication* Application = nullptr;

// Counts what a generator hands out and labels every major tick, as painting does.
class TCheckingSink : public TTickSink {
public:
    TCheckingSink(const TLabelSettings& Settings) : FSettings(Settings) {}

    void Begin(const TTickRun& Run) override {
        ++Begins;
        FLabeler.Begin(FSettings, Run);
        FClock = Run.Family == TTickFamily::Hours || Run.Family == TTickFamily::Minutes ||
                 Run.Family == TTickFamily::Seconds || Run.Family == TTickFamily::Hundredths;
    }
    void Tick(const TScaleTick& Tick) override {
        ++Ticks;
        Recorded += Tick.Recorded ? 1 : 0;
        FUZZ_CHECK(std::isfinite(Tick.Value), QStringLiteral("tick %1").arg(Tick.Value));
        // clock ticks start at the range's start, give or take the rounding of a typed time
        const double low = FSettings.RangeLow;
        const double unit = std::nextafter(std::fabs(low), INFINITY) - std::fabs(low);
        if (FClock)
            FUZZ_CHECK(Tick.Value >= low - 8 * unit,
                       QStringLiteral("tick %1 before %2").arg(Tick.Value, 0, 'g', 17).arg(low, 0, 'g', 17));
        if (!Tick.Major) return;
        const QString text = FLabeler.Text(Tick);
        FUZZ_CHECK(text.size() < 4096, text.left(100));
        QString line;
        FLabeler.DateLine(Tick, line);
    }

    int Begins = 0;
    int Ticks = 0;
    int Recorded = 0;

private:
    TLabelSettings FSettings;
    TTickLabeler FLabeler;
    bool FClock = false;
};

// The range in one of the forms the shape picks.
void TakeRange(TFuzzInput& Input, int Form, double& Low, double& High) {
    switch (Form) {
        case 0:  // any bit patterns
            Low = Input.Real();
            High = Input.Real();
            return;
        case 1:  // decimal numbers of any size
            Low = Input.Int() * std::pow(10.0, Input.Small(-30, 30));
            High = Low + Input.Int() * std::pow(10.0, Input.Small(-30, 30));
            return;
        case 2: {  // calendar days (a little beyond the calendar too), spans from milliseconds to ages
            Low = Input.Small(MinDayCount - 400, MaxDayCount + 400) + Input.Small(0, 86399999) / 86400000.0;
            High = Low + Input.Small(-100000, 100000) * std::pow(10.0, Input.Small(-9, 3));
            return;
        }
        default:  // powers of ten, for logarithmic axes
            Low = std::pow(10.0, Input.Small(-330, 330) / 1.0) * (1 + Input.Small(0, 8));
            High = std::pow(10.0, Input.Small(-330, 330) / 1.0) * (1 + Input.Small(0, 8));
            return;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "fuzz_scale_ticks";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application = new QApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TFuzzInput input(Data, Size);
    const std::uint8_t shape = input.Byte();
    double low = 0, high = 0;
    TakeRange(input, shape & 3, low, high);

    TScale scale;
    scale.SetBounds(0, 0, input.Small(0, 400), input.Small(0, 300));
    scale.SetMarginLeft(input.Small(-5, 300));
    scale.SetMarginRight(input.Small(-5, 300));
    scale.SetMarginTop(input.Small(-5, 200));
    scale.SetMarginBottom(input.Small(-5, 200));
    scale.SetScaleType(TScaleType(input.Small(0, 3)));
    scale.SetLabelType(TFigType(input.Small(0, 4)));
    scale.SetMinTicks(input.Int());
    scale.SetShortTicks(shape & 4);
    scale.SetDecPlaces(input.Int());
    scale.SetRangeLow(low);
    scale.SetRangeHigh(high);
    scale.SetLogarithmic(shape & 8);
    TDTLabel* dates = scale.DateFormat();
    dates->SetTimeFormat(TTimeFormat(input.Small(0, 2)));
    dates->SetDateSeparator(QChar(input.Take<char16_t>()));
    dates->SetTimeSeparator(QChar(input.Take<char16_t>()));
    dates->SetYearLength(TYearLength(input.Small(0, 2)));
    dates->SetMonthName(shape & 16);
    dates->SetDateOrder(TDateOrder(input.Small(0, 2)));
    dates->SetDateForTime(TDateForTime(input.Small(0, 3)));
    scale.SetUserTickText(QString::fromUtf8(input.Chunk()));
    scale.SetScaleInscript(QString::fromUtf8(input.Chunk()));
    scale.SetCaption(QString::fromUtf8(input.Chunk()));

    // a range is always finite with two different ends, whatever was asked
    FUZZ_CHECK(std::isfinite(scale.RangeLow()) && std::isfinite(scale.RangeHigh()) &&
                   scale.RangeLow() != scale.RangeHigh(),
               QStringLiteral("%1 .. %2").arg(scale.RangeLow()).arg(scale.RangeHigh()));

    // the generator on its own: it ends, with numbers only
    TTickSettings settings;
    settings.RangeLow = scale.RangeLow();
    settings.RangeHigh = scale.RangeHigh();
    settings.Logarithmic = scale.Logarithmic();
    settings.MinTicks = scale.MinTicks();
    settings.ShortTicks = scale.ShortTicks();
    settings.Vertical = scale.ScaleType() == sctYL || scale.ScaleType() == sctYR;
    settings.LabelType = scale.LabelType();
    TLabelSettings labels;
    labels.LabelType = scale.LabelType();
    labels.DecPlaces = scale.DecPlaces();
    labels.RangeLow = scale.RangeLow();
    labels.RangeHigh = scale.RangeHigh();
    labels.UserTickText = scale.UserTickText();
    labels.ScaleInscript = scale.ScaleInscript();
    labels.DateFormat = dates;
    TCheckingSink sink(labels);
    TTickGenerator::Generate(settings, sink);
    FUZZ_CHECK(sink.Begins == 1);
    FUZZ_CHECK(sink.Ticks <= 2 * MaxTickPositions, QStringLiteral("%1 ticks").arg(sink.Ticks));

    // the control paints, and keeps at most 50 tick values, each a number
    scale.RenderNow();
    FUZZ_CHECK(scale.NumTicks() >= 0 && scale.NumTicks() <= TTickValues::Capacity);
    if (scale.width() > 0 && scale.height() > 0)
        FUZZ_CHECK(scale.NumTicks() == std::min(sink.Recorded, int(TTickValues::Capacity)),
                   QStringLiteral("%1 kept, %2 recorded").arg(scale.NumTicks()).arg(sink.Recorded));
    for (int i = 1; i <= scale.NumTicks(); ++i) FUZZ_CHECK(std::isfinite(scale.TickValue(i)));
    for (const double v : {low, high, scale.RangeLow(), scale.RangeHigh(), (low + high) / 2})
        scale.ValueToPixel(v);
    return 0;
}
