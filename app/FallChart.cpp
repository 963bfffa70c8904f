// SPDX-License-Identifier: MIT
#include "FallChart.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

#include "KeyTable.h"
#include "ScaleEnds.h"
#include "TColor.h"
#include "TPlotica.h"
#include "Translated.h"
#include "WindowNumbers.h"
#include "ugravilo.h"

namespace {

struct TKindLook {
    TColor Color;  // the line and its marks
    TColor Text;   // the legend's text, 4.5:1 or better on white
    int Mark;
    char16_t Sign;  // the mark's shape in the legend's text
};
// potential blue, kinetic green, thermal red, total black, each with a shape of its own
constexpr TKindLook Kinds[4] = {{0xDC5028, 0xB43C1E, 10, u'\u25A1'},
                                {0x20A010, 0x157010, 16, u'\u25CB'},
                                {0x2028D0, 0x2028D0, 36, u'\u25B2'},
                                {0x000000, 0x000000, 1, u'+'}};

double Value(const TFallSample& sample, int kind) {
    const double values[4] = {sample.Potential, sample.Kinetic, sample.Thermal, sample.Total};
    return values[kind];
}

}  // namespace

TFallChart::TFallChart(TForm1& form, QWidget* parent)
    : QWidget(parent), FForm(form), FChart(new TPlotica(this)), FReadout(new QLabel(this)) {
    setObjectName(QStringLiteral("EnergyOverTime"));
    setAutoFillBackground(true);
    FChart->setObjectName(QStringLiteral("PLFall"));
    FChart->setGeometry(0, 0, PanelWidth, ChartHeight);
    FChart->SetAllocSize(1000);
    FChart->SetMarginTop(20);
    FChart->SetMarginBottom(40);
    FChart->SetMarginRight(20);
    FChart->SetMouseAction(maNone);
    FChart->SetShadowStyle(ssFlying);
    FChart->SetShadowColor(clGrayText);
    FChart->SetShadowBakColor(clBtnFace);
    FChart->SetCaptionAlignment(taRightJustify);
    FChart->SetCaptionPosY(-16);
    FChart->Scale1X()->SetCaption(QStringLiteral("[s]"));
    FChart->Scale1Y()->SetCaption(QStringLiteral("[kJ]"));
    for (int n = 2; n <= 4; ++n) {
        FChart->ScalePropsX(n)->SetVisible(false);
        FChart->ScalePropsY(n)->SetVisible(false);
    }
    TCrossHair& cursor = *FChart->CrossHair1();
    cursor.SetMode(chVert);
    cursor.SetColor(0x808080);
    FChart->setFocusPolicy(Qt::TabFocus);
    FChart->OnMouseMoveInChart = [this](QObject*, bool inChart, TShiftState, double x, double) {
        const TFallRecord& record = FForm.Simulation().FallRecord();
        if (!inChart || record.empty()) return;
        const auto nearest = std::min_element(
            record.begin(), record.end(),
            [x](const auto& a, const auto& b) { return std::abs(a.Time - x) < std::abs(b.Time - x); });
        SetCursor(int(nearest - record.begin()));
    };
    FChart->OnKeyDown = [this](QObject*, int& key, TShiftState shift) {
        const int last = int(FForm.Simulation().FallRecord().size()) - 1;
        const Qt::KeyboardModifiers modifiers = InShift(shift, ssShift) ? Qt::ShiftModifier : Qt::NoModifier;
        switch (KeyTable::ActionOf(KeyTable::kaFallChart, key, modifiers)) {
            case KeyTable::aCursorBack:
                SetCursor(std::max(0, FCursor - 1));
                break;
            case KeyTable::aCursorOn:
                SetCursor(std::min(last, FCursor + 1));
                break;
            case KeyTable::aCursorFirst:
                SetCursor(0);
                break;
            case KeyTable::aCursorLast:
                SetCursor(last);
                break;
            default:
                return;
        }
        key = 0;
    };
    FReadout->setGeometry(12, ChartHeight + 4, PanelWidth - 24, 642 - ChartHeight - 8);
    FReadout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FReadout->setTextFormat(Qt::RichText);
    Translate(nullptr, false);
}

void TFallChart::Translate(TGlossator* dictionary, bool comma) {
    FComma = comma;
    for (int kind = 0; kind < 4; ++kind) FNames[kind] = Translated(dictionary, KindKeys[kind]);
    FTime = Translated(dictionary, "Time since the release");
    FChart->SetCaption(Translated(dictionary, "Energy / Time"));
    FChart->setAccessibleName(Translated(dictionary, "Energy over time"));
    for (TScaleProps* axis :
         {static_cast<TScaleProps*>(FChart->Scale1X()), static_cast<TScaleProps*>(FChart->Scale1Y())})
        axis->SetComma(comma);
    Follow();
}

void TFallChart::Follow() {
    const int samples = int(FForm.Simulation().FallRecord().size());
    if (FFollowing || FCursor >= samples) FCursor = samples - 1;
    Draw();
    ShowCursor();
}

void TFallChart::SetCursor(int sample) {
    const int samples = int(FForm.Simulation().FallRecord().size());
    FCursor = samples == 0 ? -1 : std::clamp(sample, 0, samples - 1);
    // looked back, the cursor stays; on the newest sample it goes on with the fall
    FFollowing = FCursor == samples - 1;
    ShowCursor();
}

void TFallChart::Draw() {
    const TFallRecord& record = FForm.Simulation().FallRecord();
    TPlotica& chart = *FChart;
    const bool autoRedraw = chart.AutoRedraw();
    chart.SetAutoRedraw(false);
    double highest = 0, lowest = 0, last = 0;
    for (const TFallSample& sample : record) {
        last = std::max(last, sample.Time);
        for (int kind = 0; kind < 4; ++kind) {
            highest = std::max(highest, Value(sample, kind));
            lowest = std::min(lowest, Value(sample, kind));
        }
    }
    // before the first fall, round axes of 10 s and 100 kJ rather than a tenth of a kilojoule
    const double top = record.empty() ? 100 : RoundScaleEnd(highest, 0.1);
    const double foot = lowest < 0 ? -RoundScaleEnd(-lowest, 0.1) : 0.0;
    chart.SetLayerRanges(1, 0, record.empty() ? 10 : RoundScaleEnd(last, 1), foot, top);
    chart.ClearItems();
    for (int kind = 0; kind < 4; ++kind) {
        chart.SetDataColor(Kinds[kind].Color);
        chart.SetLineWidth(kind == 3 ? 2 : 1);
        for (std::size_t i = 0; i < record.size(); ++i) {
            const double v = Value(record[i], kind);
            if (i == 0)
                chart.MoveTo(record[i].Time, v);
            else
                chart.LineTo(record[i].Time, v);
        }
        for (const TFallSample& sample : record)
            chart.AddMark(sample.Time, Value(sample, kind), Kinds[kind].Mark);
    }
    chart.SetLineWidth(1);
    chart.SetAutoRedraw(autoRedraw);
    chart.ShowItems();
}

void TFallChart::ShowCursor() {
    const TFallRecord& record = FForm.Simulation().FallRecord();
    TCrossHair& cursor = *FChart->CrossHair1();
    cursor.SetMode(FCursor >= 0 ? chVert : chOff);
    if (FCursor >= 0) cursor.SetPosX(record[std::size_t(FCursor)].Time);
    FReadout->setText(LegendText());
    FChart->setAccessibleDescription(CursorText());
}

// The legend sits below the chart, where no line can cross it: each kind's sign and name in its
// colour, with its value at the cursor once there is a fall.
QString TFallChart::LegendText() const {
    return ReadoutLines(true).join(QStringLiteral("<br>"));
}

// what screen readers hear of the cursor: the same lines, plain, and nothing without a fall
QString TFallChart::CursorText() const {
    if (FCursor < 0 || FCursor >= int(FForm.Simulation().FallRecord().size())) return {};
    return ReadoutLines(false).join(QLatin1Char('\n'));
}

// The time at the cursor and a line per kind of energy with its value there; rich: the names in
// their colours and with their signs, as the legend shows them.
QStringList TFallChart::ReadoutLines(bool rich) const {
    const TFallRecord& record = FForm.Simulation().FallRecord();
    const TFallSample* sample =
        FCursor >= 0 && FCursor < int(record.size()) ? &record[std::size_t(FCursor)] : nullptr;
    const auto text = [rich](const QString& plain) { return rich ? plain.toHtmlEscaped() : plain; };
    QStringList lines;
    if (sample)
        lines << QStringLiteral("%1: t = %2 s").arg(text(FTime), WindowNumber(sample->Time, 2, FComma));
    for (int kind = 0; kind < 4; ++kind) {
        QString line = rich ? QStringLiteral("<span style=\"color:%1\">%2 %3</span>")
                                  .arg(ColorToQColor(Kinds[kind].Text).name(),
                                       QString(QChar(Kinds[kind].Sign)), text(FNames[kind]))
                            : FNames[kind];
        if (sample) line += QStringLiteral(": %1 kJ").arg(WindowNumber(Value(*sample, kind), 1, FComma));
        lines << line;
    }
    return lines;
}
