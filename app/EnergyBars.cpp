// SPDX-License-Identifier: MIT
#include "EnergyBars.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "AccessibleControls.h"
#include "EnergyBarsAccessible.h"
#include "Format.h"
#include "ScaleEnds.h"
#include "Translated.h"
#include "WindowNumbers.h"

namespace {

// The bars' scale never ends below 0.1 kJ: the lightest mass on the Moon still fills a part of it.
constexpr double SmallestScale = 0.1;

const QColor PotentialColor(0x28, 0x50, 0xdc);
const QColor KineticColor(0x10, 0xa0, 0x20);
const QColor ThermalColor(0xd0, 0x28, 0x20);
const QColor NegativeColor(0x80, 0x80, 0x80);
const QColor FrameColor(0x80, 0x80, 0x80);

// the area of the bars within the panel, and the width of a column and a bar
constexpr int AreaLeft = 44;
constexpr int AreaTop = 44;
constexpr int AreaBottom = 452;
constexpr int ColumnWidth = 68;
constexpr int BarWidth = 38;
constexpr int Columns = int(TEnergyBars::BarKeys.size());

Qt::BrushStyle PatternOf(const QColor& color) {
    if (color == PotentialColor) return Qt::HorPattern;
    if (color == KineticColor) return Qt::BDiagPattern;
    if (color == ThermalColor) return Qt::DiagCrossPattern;
    return Qt::NoBrush;
}

QFont SizedFont(const QFont& base, int pixels, bool bold) {
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

TEnergyBars::TEnergyBars(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EnergyBars"));
    setAutoFillBackground(true);
    for (int i = 0; i < ReadoutCount; ++i) FReadouts[i] = EnergyBarsAccessible::MakeReadout(*this, i);
    Translate(nullptr);
}

int TEnergyBars::CaptionWidth() {
    return ColumnWidth + 4;
}

void TEnergyBars::Show(const TEnergyBalance& balance, bool falling) {
    FBalance = balance;
    const double above = std::max({balance.Potential, balance.Kinetic, balance.Thermal, balance.Total, 0.0});
    const double below = std::min({balance.Potential, balance.Total, 0.0});
    const double end = RoundScaleEnd(above, SmallestScale);
    const double foot = below < 0 ? -RoundScaleEnd(-below, SmallestScale) : 0.0;
    FScaleEnd = falling ? std::max(FScaleEnd, end) : end;
    FBelowEnd = falling ? std::min(FBelowEnd, foot) : foot;
    update();
    if (isVisible())
        for (int i = 0; i < ReadoutCount; ++i) AccessibleControls::AnnounceChange(FReadouts[i], FSpoken[i]);
}

void TEnergyBars::SetPatterns(bool on) {
    FPatterns = on;
    update();
}

void TEnergyBars::Translate(TGlossator* dictionary, bool comma) {
    FComma = comma;
    FTitle = Translated(dictionary, "Energy") + QStringLiteral(" [kJ]");
    setAccessibleName(FTitle);
    for (int i = 0; i < Columns; ++i) FNames[i] = Translated(dictionary, BarKeys[i]);
    for (int i = 0; i < int(ReadoutKeys.size()); ++i)
        FNames[Columns + i] = Translated(dictionary, ReadoutKeys[i]);
    update();
}

QString TEnergyBars::Number(double value, int decimals) const {
    return WindowNumber(value, decimals, FComma);
}

// Each part as it is shown, to one decimal, and the sum of those: the parts shown always add up
// to the sum shown.
std::array<double, 4> TEnergyBars::ShownEnergies() const {
    const auto shown = [](double value) { return Vexa::FormatFixed(value, 1).toDouble(); };
    const double potential = shown(FBalance.Potential), kinetic = shown(FBalance.Kinetic),
                 thermal = shown(FBalance.Thermal);
    return {potential, kinetic, thermal, potential + kinetic + thermal};
}

QString TEnergyBars::ValueText(int readout) const {
    if (readout < Columns) return Number(ShownEnergies()[std::size_t(readout)], 1) + QStringLiteral(" kJ");
    if (readout == Columns) return QStringLiteral("v = %1 m/s").arg(Number(FBalance.Speed, 1));
    return QStringLiteral("t = %1 s").arg(Number(FBalance.Time, 2));
}

void TEnergyBars::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(Qt::black);
    p.setFont(SizedFont(font(), 16, true));
    p.drawText(QRect(10, 8, width() - 20, 24), Qt::AlignLeft | Qt::AlignVCenter, FTitle);
    PaintBars(p, QRect(AreaLeft, AreaTop, Columns * ColumnWidth, AreaBottom - AreaTop));
    PaintReadouts(p, AreaBottom + 56);
}

void TEnergyBars::PaintBars(QPainter& p, const QRect& area) {
    const double span = FScaleEnd - FBelowEnd;
    const auto yOf = [&](double value) {
        const double clamped = std::clamp(value, FBelowEnd, FScaleEnd);
        return area.top() + int(std::lround((FScaleEnd - clamped) / span * area.height()));
    };
    const int zero = yOf(0);
    p.fillRect(area, Qt::white);
    p.setPen(FrameColor);
    p.drawRect(area.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawLine(area.left(), zero, area.right(), zero);

    // the scale's ends at the left
    p.setFont(SizedFont(font(), 12, false));
    const QRect left(0, 0, area.left() - 4, 16);
    p.drawText(left.translated(0, area.top() - 2), Qt::AlignRight | Qt::AlignTop,
               WindowNumber(FScaleEnd, FComma));
    p.drawText(left.translated(0, zero - 8), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    if (FBelowEnd < 0)
        p.drawText(left.translated(0, area.bottom() - 14), Qt::AlignRight | Qt::AlignBottom,
                   WindowNumber(FBelowEnd, FComma));

    const std::array<double, 4> values{FBalance.Potential, FBalance.Kinetic, FBalance.Thermal,
                                       FBalance.Total};
    const std::array<double, 4> shown = ShownEnergies();
    const QString formulas[Columns] = {QStringLiteral("m·g·h"), QStringLiteral("½·m·v²"), QString(),
                                       QString()};
    const QColor colors[Columns - 1] = {PotentialColor, KineticColor, ThermalColor};
    for (int i = 0; i < Columns; ++i) {
        const int centre = area.left() + i * ColumnWidth + ColumnWidth / 2;
        const int barLeft = centre - BarWidth / 2;
        const auto bar = [&](double from, double to, const QColor& color) {
            const int y1 = yOf(from), y2 = yOf(to);
            // nothing is nothing: no line of colour for an empty part
            if (y1 == y2) return;
            const QRect part(QPoint(barLeft, std::min(y1, y2)),
                             QPoint(barLeft + BarWidth - 1, std::max(y1, y2)));
            p.fillRect(part, color);
            if (FPatterns) p.fillRect(part, QBrush(QColor(255, 255, 255, 190), PatternOf(color)));
        };
        const double value = values[std::size_t(i)];
        if (i == 0) bar(0, value, value < 0 ? NegativeColor : PotentialColor);
        if (i == 1 || i == 2) bar(0, value, colors[i]);
        if (i == 3 && FBalance.Potential >= 0) {
            // the sum: the parts stacked, potential at the foot
            double from = 0;
            for (int part = 0; part < Columns - 1; ++part) {
                const double to = from + values[std::size_t(part)];
                bar(from, to, colors[part]);
                from = to;
            }
        } else if (i == 3) {
            bar(0, value, NegativeColor);
        }
        // the value beside the bar's end, inside the area
        p.setPen(Qt::black);
        p.setFont(SizedFont(font(), 14, true));
        const int end = yOf(value);
        const int textTop =
            value < 0 ? std::min(end + 2, area.bottom() - 18) : std::max(end - 20, area.top() + 2);
        p.drawText(QRect(centre - ColumnWidth / 2, textTop, ColumnWidth, 18), Qt::AlignCenter,
                   Number(shown[std::size_t(i)], 1));
        p.setFont(SizedFont(font(), 13, false));
        p.drawText(QRect(centre - CaptionWidth() / 2, area.bottom() + 4, CaptionWidth(), 18), Qt::AlignCenter,
                   FNames[i]);
        p.setPen(QColor(0x50, 0x50, 0x50));
        p.drawText(QRect(centre - ColumnWidth / 2, area.bottom() + 22, ColumnWidth, 18), Qt::AlignCenter,
                   formulas[i]);
    }
}

void TEnergyBars::PaintReadouts(QPainter& p, int top) {
    for (int i = Columns; i < ReadoutCount; ++i) {
        p.setPen(Qt::black);
        p.setFont(SizedFont(font(), 13, false));
        p.drawText(QRect(10, top, width() - 20, 18), Qt::AlignLeft | Qt::AlignVCenter, FNames[i]);
        p.setFont(SizedFont(font(), 18, true));
        p.drawText(QRect(10, top + 18, width() - 20, 24), Qt::AlignLeft | Qt::AlignVCenter, ValueText(i));
        top += 56;
    }
}
