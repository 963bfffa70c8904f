// SPDX-License-Identifier: MIT
#pragma once
// Draws one axis on a canvas: tick marks, tick texts with their date lines, the calendar
// messages, the caption and the base line. It consumes the ticks of the generator as they come
// and records them into the tick values; nothing is allocated per tick but the texts.

#include <QFontMetrics>
#include <QString>
#include <functional>

#include "Enums.h"
#include "ScaleRange.h"
#include "ScaleTick.h"
#include "TickLabeler.h"
#include "TickValues.h"

class TCanvas;

struct TAxisSettings {
    TScaleGeometry Geometry;
    TScaleType ScaleType = sctXB;
    // where the control's top-left corner lies on the canvas
    int OffsetX = 0;
    int OffsetY = 0;
    // clear text backgrounds; otherwise texts are written on the brush colour
    bool Transparent = false;
    TTickSettings Ticks;
    TLabelSettings Labels;
    QString Caption;
    int CaptionPosX = 4;
    int CaptionPosY = 4;
    TAlignment CaptionAlignment = taCenter;
    TScaleUnitAnchor CaptionAnchor = uaSclTopLft;
};

// Called after each tick mark with the canvas (which it may replace for the rest of the paint),
// the tick's value and its pixel on the axis line.
using TTickDrawnHandler = std::function<void(TCanvas*& canvas, double value, int chartX, int chartY)>;

class TAxisPainter final : public TTickSink {
public:
    static constexpr int MinorTickLength = 4;
    static constexpr int MajorTickLengthVertical = 6;
    static constexpr int MajorTickLengthHorizontal = 7;
    static constexpr int TextGapVertical = 8;
    static constexpr int TextGapHorizontal = 7;
    // horizontal texts keep this distance from the control's left and right edges
    static constexpr int TextEdgeGap = 2;

    TAxisPainter(const TScaleRange& range, TTickValues& values) : FRange(range), FValues(values) {}

    // the axis line's coordinate on the canvas (y of horizontal, x of vertical axes)
    static int AxisCoordinate(const TAxisSettings& s);

    // Ticks, texts, calendar messages and caption; the ticks of the paint go into the values
    // (cleared first). The handler may replace the canvas.
    void DrawAxis(TCanvas*& canvas, const TAxisSettings& s, const TTickDrawnHandler& onTickDrawn);
    void DrawBaseLine(TCanvas& canvas, const TAxisSettings& s) const;

    // the tick algorithm of the last DrawAxis
    TTickFamily Family() const { return FLabeler.Family(); }

private:
    void Begin(const TTickRun& run) override;
    void Tick(const TScaleTick& tick) override;
    bool Vertical() const { return FSettings->Geometry.Vertical; }
    // the pixel of a value along the axis, on the canvas
    long long AlongAxis(double v) const;
    void TickText(const TScaleTick& tick, long long along);
    void HorizontalText(const QString& text, long long x, int axis);
    void CalendarMessage();
    void CaptionText();
    void Write(long long x, long long y, const QString& text);
    const QFontMetrics& Metrics();

    const TScaleRange& FRange;
    TTickValues& FValues;
    TTickLabeler FLabeler;
    const TAxisSettings* FSettings = nullptr;
    TCanvas** FCanvas = nullptr;
    const TTickDrawnHandler* FOnTickDrawn = nullptr;
    int FAxis = 0;
    // font metrics of the canvas's font, renewed when a handler changes canvas or font
    QFontMetrics FMetrics{QFont()};
    QFont FMetricsFont;
    QString FDateLine;
};
