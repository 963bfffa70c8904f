// SPDX-License-Identifier: MIT
#include "EnergyBars.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ScaleEnds.h"
#include "Translated.h"

namespace {

// The bars' scale never ends below 0.1 kJ: the lightest mass on the Moon still fills a part of it.
constexpr double SmallestScale = 0.1;

const QColor PotentialColor(0x28, 0x50, 0xdc);
const QColor KineticColor(0x10, 0xa0, 0x20);
const QColor NegativeColor(0x80, 0x80, 0x80);
const QColor FrameColor(0x80, 0x80, 0x80);

// the area of the bars within the panel, and the width of a column and a bar
constexpr int AreaLeft = 44;
constexpr int AreaTop = 44;
constexpr int AreaBottom = 452;
constexpr int ColumnWidth = 68;
constexpr int BarWidth = 38;

QFont SizedFont(const QFont& base, int pixels, bool bold) {
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// kJ with as many decimals as the scale needs to tell the bars apart; nothing is plainly 0
QString Energy(double value, double scale) {
    if (value == 0) return QStringLiteral("0");
    const int decimals = scale >= 10 ? 1 : scale >= 1 ? 2 : 3;
    return QString::number(value, 'f', decimals);
}

}  // namespace

TEnergyBars::TEnergyBars(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EnergyBars"));
    setAutoFillBackground(true);
    Translate(nullptr);
}

int TEnergyBars::CaptionWidth() {
    return ColumnWidth + 4;
}

void TEnergyBars::Show(const TEnergyBalance& balance, bool falling) {
    FBalance = balance;
    const double above = std::max({balance.Potential, balance.Kinetic, balance.Total, 0.0});
    const double below = std::min({balance.Potential, balance.Total, 0.0});
    const double end = RoundScaleEnd(above, SmallestScale);
    const double foot = below < 0 ? -RoundScaleEnd(-below, SmallestScale) : 0.0;
    FScaleEnd = falling ? std::max(FScaleEnd, end) : end;
    FBelowEnd = falling ? std::min(FBelowEnd, foot) : foot;
    update();
}

void TEnergyBars::Translate(TGlossator* dictionary) {
    const auto text = [dictionary](const char* key) { return Translated(dictionary, key); };
    FTitle = text("Energy") + QStringLiteral(" [kJ]");
    FPotential = text("Potential");
    FKinetic = text("Kinetic");
    FTotal = text("Total");
    FSpeed = text("Speed");
    FTime = text("Time since the release");
    update();
}

void TEnergyBars::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(Qt::black);
    p.setFont(SizedFont(font(), 16, true));
    p.drawText(QRect(10, 8, width() - 20, 24), Qt::AlignLeft | Qt::AlignVCenter, FTitle);
    PaintBars(p, QRect(AreaLeft, AreaTop, 3 * ColumnWidth, AreaBottom - AreaTop));
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
    p.drawText(left.translated(0, area.top() - 2), Qt::AlignRight | Qt::AlignTop, QString::number(FScaleEnd));
    p.drawText(left.translated(0, zero - 8), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    if (FBelowEnd < 0)
        p.drawText(left.translated(0, area.bottom() - 14), Qt::AlignRight | Qt::AlignBottom,
                   QString::number(FBelowEnd));

    const double values[3] = {FBalance.Potential, FBalance.Kinetic, FBalance.Total};
    const QString names[3] = {FPotential, FKinetic, FTotal};
    const QString formulas[3] = {QStringLiteral("m·g·h"), QStringLiteral("½·m·v²"), QString()};
    for (int i = 0; i < 3; ++i) {
        const int centre = area.left() + i * ColumnWidth + ColumnWidth / 2;
        const int barLeft = centre - BarWidth / 2;
        const auto bar = [&](double from, double to, const QColor& color) {
            const int y1 = yOf(from), y2 = yOf(to);
            p.fillRect(
                QRect(QPoint(barLeft, std::min(y1, y2)), QPoint(barLeft + BarWidth - 1, std::max(y1, y2))),
                color);
        };
        const double value = values[i];
        if (i == 0) bar(0, value, value < 0 ? NegativeColor : PotentialColor);
        if (i == 1) bar(0, value, KineticColor);
        if (i == 2 && FBalance.Potential >= 0) {
            // the sum: the potential energy with the kinetic energy on top of it
            bar(0, FBalance.Potential, PotentialColor);
            bar(FBalance.Potential, value, KineticColor);
        } else if (i == 2) {
            bar(0, value, NegativeColor);
        }
        // the value beside the bar's end, inside the area
        p.setPen(Qt::black);
        p.setFont(SizedFont(font(), 14, true));
        const int end = yOf(value);
        const int textTop =
            value < 0 ? std::min(end + 2, area.bottom() - 18) : std::max(end - 20, area.top() + 2);
        p.drawText(QRect(centre - ColumnWidth / 2, textTop, ColumnWidth, 18), Qt::AlignCenter,
                   Energy(value, FScaleEnd));
        p.setFont(SizedFont(font(), 13, false));
        p.drawText(QRect(centre - CaptionWidth() / 2, area.bottom() + 4, CaptionWidth(), 18), Qt::AlignCenter,
                   names[i]);
        p.setPen(QColor(0x50, 0x50, 0x50));
        p.drawText(QRect(centre - ColumnWidth / 2, area.bottom() + 22, ColumnWidth, 18), Qt::AlignCenter,
                   formulas[i]);
    }
}

void TEnergyBars::PaintReadouts(QPainter& p, int top) {
    const struct {
        const QString& Name;
        QString Value;
    } rows[] = {
        {FSpeed, QStringLiteral("v = %1 m/s").arg(FBalance.Speed, 0, 'f', 1)},
        {FTime, QStringLiteral("t = %1 s").arg(FBalance.Time, 0, 'f', 2)},
    };
    for (const auto& row : rows) {
        p.setPen(Qt::black);
        p.setFont(SizedFont(font(), 13, false));
        p.drawText(QRect(10, top, width() - 20, 18), Qt::AlignLeft | Qt::AlignVCenter, row.Name);
        p.setFont(SizedFont(font(), 18, true));
        p.drawText(QRect(10, top + 18, width() - 20, 24), Qt::AlignLeft | Qt::AlignVCenter, row.Value);
        top += 56;
    }
}
