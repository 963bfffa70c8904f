// SPDX-License-Identifier: MIT
#include "EnergyChartView.h"

#include <algorithm>

#include "BodyLooks.h"
#include "ScaleEnds.h"
#include "TTextLabel.h"
#include "WindowNumbers.h"
#include "ugravilo.h"

namespace {

// the fitted axis never ends below 0.1 kJ: a few kilograms on the Moon still rise off the axis
constexpr double SmallestEnd = 0.1;
constexpr TColor GridGrey = 0xD0D0D0;
// the legend sits in the data area's top left corner, one line per body
constexpr int LegendLeft = 8;
constexpr int LegendTop = 4;
constexpr int LegendLineHeight = 18;
// the text label that names the zero level, after the legend's five
constexpr int ZeroLevelLabel = 6;

// Several settings of the chart at once, drawn once: each setting alone would draw the whole chart.
template <typename F>
void Batched(TPlotica& chart, F&& change) {
    const bool autoRedraw = chart.AutoRedraw();
    chart.SetAutoRedraw(false);
    change();
    chart.SetAutoRedraw(autoRedraw);
    chart.RepaintNow();
}

}  // namespace

TEnergyChartView::TEnergyChartView(TForm1& form) : FForm(form) {
    FDesignedLow = form.PLEnerg->Scale1Y()->RangeLow();
    FDesignedHigh = form.PLEnerg->Scale1Y()->RangeHigh();
    // an emptied trail holds nothing to read
    connect(&form, &TForm1::TrailCleared, this, [this] {
        FTrailRead = true;
        FHighest = FLowest = 0;
    });
}

void TEnergyChartView::SetFit(bool on) {
    if (on == FFit) return;
    FFit = on;
    FTrailRead = false;
    FFitted = false;
    if (on)
        Follow();
    else
        SetEnergyRange(FDesignedLow, FDesignedHigh);
}

void TEnergyChartView::Follow() {
    // the zero level's text follows the level
    if (FZeroLevel && FShownLevel != FForm.Simulation().ZeroLevel()) {
        FShownLevel = FForm.Simulation().ZeroLevel();
        ShowLegend();
    }
    // below a zero level energies are negative: the axis's foot follows them, fitted or not
    if (!FFit && !FZeroLevel) return;
    TakeInState();
    double high = FFit ? RoundScaleEnd(FHighest, SmallestEnd) : FDesignedHigh;
    double low = FLowest < 0 ? -RoundScaleEnd(-FLowest, SmallestEnd) : 0.0;
    // while the mass falls the axis holds still or grows, so the marks do not jump under the eye
    if (FForm.Simulation().Falling() && FFitted) {
        high = std::max(high, FFittedHigh);
        low = std::min(low, FFittedLow);
    }
    FFitted = true;
    FFittedLow = low;
    FFittedHigh = high;
    SetEnergyRange(low, high);
}

// Every state leaves one record of its energy in the trail: the extremes take in the state's
// energy. The trail that is there when fitting starts is read once.
void TEnergyChartView::TakeInState() {
    if (!FTrailRead) {
        FHighest = FLowest = 0;
        for (const TTrailRecord& state : FForm.Simulation().Trail()) {
            FHighest = std::max(FHighest, state.Energy);
            FLowest = std::min(FLowest, state.Energy);
        }
        FTrailRead = true;
    }
    const double energy = FForm.Simulation().Energy();
    FHighest = std::max(FHighest, energy);
    FLowest = std::min(FLowest, energy);
}

void TEnergyChartView::SetEnergyRange(double low, double high) {
    TPlotica& chart = *FForm.PLEnerg;
    const TScalePropsVert& axis = *chart.Scale1Y();
    if (axis.RangeLow() == low && axis.RangeHigh() == high) return;
    chart.SetLayerRanges(1, chart.Scale1X()->RangeLow(), chart.Scale1X()->RangeHigh(), low, high);
}

void TEnergyChartView::SetGrid(bool on) {
    if (on == FGrid) return;
    FGrid = on;
    TPlotica& chart = *FForm.PLEnerg;
    Batched(chart, [&] {
        if (on) chart.SetGridColor(GridGrey);
        chart.SetGridStyle(on ? gsLines : gsNone);
    });
}

void TEnergyChartView::SetLegend(bool on) {
    if (on == FLegend) return;
    FLegend = on;
    ShowLegend();
}

void TEnergyChartView::ShowLegend() {
    TPlotica& chart = *FForm.PLEnerg;
    const QStringList names = FForm.RGAccel->Items();
    Batched(chart, [&] {
        for (int body = 0; body <= TSimulation::PlanetX; ++body) {
            TTextLabel& label = *chart.TextLabel(body + 1);
            const bool shown = FLegend && (body < TSimulation::BodyCount || FForm.Simulation().HasPlanetX());
            if (shown) SetLegendLabel(label, body, names.value(body));
            label.SetVisible(shown);
        }
        TTextLabel& zero = *chart.TextLabel(ZeroLevelLabel);
        const double level = FForm.Simulation().ZeroLevel();
        if (FZeroLevel) {
            zero.SetAttachToData(tlamNone);
            zero.SetMode(tlsimple);
            zero.SetAlignment(taRightJustify);
            zero.SetVerticalAlignment(vaBottom);
            zero.SetTransparent(true);
            zero.SetPosX(chart.width() - chart.MarginRight() - 6);
            zero.SetPosY(chart.height() - chart.MarginBottom() - 4);
            zero.SetCaption(QStringLiteral("h₀ = %1 m").arg(WindowNumber(level, 1, FForm.DecimalComma())));
        }
        zero.SetVisible(FZeroLevel);
    });
}

void TEnergyChartView::SetZeroLevel(bool on) {
    if (on == FZeroLevel) return;
    FZeroLevel = on;
    FTrailRead = false;
    FFitted = false;
    ShowLegend();
    if (FFit || on)
        Follow();
    else
        SetEnergyRange(FDesignedLow, FDesignedHigh);
}

// A body's line of the legend: its name and g in its colour, on white, in the chart's font.
void TEnergyChartView::SetLegendLabel(TTextLabel& label, int body, const QString& name) const {
    const TPlotica& chart = *FForm.PLEnerg;
    label.SetAttachToData(tlamNone);
    label.SetMode(tlsimple);
    label.SetAlignment(taLeftJustify);
    label.SetVerticalAlignment(vaBottom);
    label.SetColorBkg(0xFFFFFF);
    label.SetTransparent(false);
    const TBodyLook& look = BodyLook(body);
    TFont font;
    font.Assign(*chart.Font());
    font.SetColor(look.TextColor);
    label.SetFont(font);
    label.SetPosX(chart.MarginLeft() + LegendLeft);
    label.SetPosY(chart.MarginTop() + LegendTop + (body + 1) * LegendLineHeight);
    label.SetCaption(QStringLiteral("%1 %2: g = %3 m/s²")
                         .arg(look.Sign, name, AccelText(FForm.Simulation(), body, FForm.DecimalComma())));
}
