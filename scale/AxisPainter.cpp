// SPDX-License-Identifier: MIT
#include "AxisPainter.h"

#include <algorithm>
#include <climits>

#include "TCanvas.h"
#include "TickGenerator.h"

namespace {

int ClampToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -INT_MAX, INT_MAX));
}

}  // namespace

int TAxisPainter::AxisCoordinate(const TAxisSettings& s) {
    const TScaleGeometry& g = s.Geometry;
    switch (s.ScaleType) {
        case sctXT:
            return s.OffsetY + g.MarginTop;
        case sctYL:
            return s.OffsetX + g.MarginLeft;
        case sctYR:
            return s.OffsetX + g.Width - g.MarginRight - 1;
        default:
            return s.OffsetY + g.Height - g.MarginBottom - 1;
    }
}

const QFontMetrics& TAxisPainter::Metrics() {
    const QFont& font = (*FCanvas)->Font;
    if (!(font == FMetricsFont)) {
        FMetricsFont = font;
        FMetrics = QFontMetrics(font);
    }
    return FMetrics;
}

long long TAxisPainter::AlongAxis(double v) const {
    const long long p = FRange.ValueToPixel(v, FSettings->Geometry.Width);
    return p + (Vertical() ? FSettings->OffsetY : FSettings->OffsetX);
}

void TAxisPainter::DrawAxis(TCanvas*& canvas, const TAxisSettings& s, const TTickDrawnHandler& onTickDrawn) {
    FSettings = &s;
    FCanvas = &canvas;
    FOnTickDrawn = &onTickDrawn;
    FAxis = AxisCoordinate(s);
    FValues.Clear();
    // printers would need their resolution set on the font here; the screen and every image we
    // draw on share one resolution, so the font's pixel size holds everywhere
    canvas->Brush.Style = s.Transparent ? bsClear : bsSolid;
    TTickGenerator::Generate(s.Ticks, *this);
    CalendarMessage();
    CaptionText();
}

void TAxisPainter::Begin(const TTickRun& run) {
    FLabeler.Begin(FSettings->Labels, run);
}

void TAxisPainter::Tick(const TScaleTick& tick) {
    if (tick.Recorded) FValues.Add(tick.Value);
    const long long along = AlongAxis(tick.Value);
    const int p = ClampToInt(along);
    TCanvas* canvas = *FCanvas;
    int length =
        tick.Major ? (Vertical() ? MajorTickLengthVertical : MajorTickLengthHorizontal) : MinorTickLength;
    // ticks point into the control, away from the edge the axis runs along
    if (FSettings->ScaleType == sctXB || FSettings->ScaleType == sctYR) length = -length;
    if (Vertical()) {
        canvas->MoveTo(FAxis, p);
        canvas->LineTo(FAxis + length, p);
    } else {
        canvas->MoveTo(p, FAxis);
        canvas->LineTo(p, FAxis + length);
    }
    if (*FOnTickDrawn) (*FOnTickDrawn)(*FCanvas, tick.Value, Vertical() ? FAxis : p, Vertical() ? p : FAxis);
    if (tick.Major) TickText(tick, along);
}

void TAxisPainter::TickText(const TScaleTick& tick, long long along) {
    const QString text = FLabeler.Text(tick);
    const bool dateLine = FLabeler.DateLine(tick, FDateLine);
    if (Vertical()) {
        // the date line sits above the time, aligned to the axis as the time is (on the right
        // of the axis both start at the same x; on its left both end 8 pixels before the line,
        // as the wider date would otherwise run across the axis)
        const QFontMetrics& fm = Metrics();
        const int h = fm.height();
        const auto left = [&](const QString& t) -> long long {
            return FSettings->ScaleType == sctYL ? FAxis + TextGapVertical
                                                 : FAxis - (*FCanvas)->TextWidth(t) - TextGapVertical;
        };
        if (!text.isEmpty()) Write(left(text), along - h / 2, text);
        if (dateLine) Write(left(FDateLine), along - 3 * (h / 2), FDateLine);
        return;
    }
    if (!text.isEmpty()) HorizontalText(text, along, FAxis);
    if (dateLine) {
        // one text line further from the axis
        const int h = Metrics().height();
        HorizontalText(FDateLine, along, FSettings->ScaleType == sctXT ? FAxis + h : FAxis - h);
    }
}

void TAxisPainter::HorizontalText(const QString& text, long long x, int axis) {
    const QFontMetrics& fm = Metrics();
    const int hw = (*FCanvas)->TextWidth(text) / 2;
    const long long originX = FSettings->OffsetX;
    const long long local = x - originX;
    const int width = FSettings->Geometry.Width;
    // centred on the tick, but never closer than two pixels to the control's edges
    const long long m = std::min<long long>(local - TextEdgeGap, hw);
    const long long left = local + hw < width - TextEdgeGap ? local - m : width - 2LL * hw - TextEdgeGap;
    const int h = fm.height();
    const long long top =
        FSettings->ScaleType == sctXT ? axis + TextGapHorizontal : axis - h - TextGapHorizontal;
    Write(originX + left, top, text);
}

void TAxisPainter::Write(long long x, long long y, const QString& text) {
    TCanvas* canvas = *FCanvas;
    // far off the canvas (a mapping clamped to the pixel limits): nothing to see
    constexpr long long Far = 1 << 20;
    if (x < -Far || x > canvas->Width() + Far || y < -Far || y > canvas->Height() + Far) return;
    canvas->TextOut(static_cast<int>(x), static_cast<int>(y), text);
}

void TAxisPainter::CalendarMessage() {
    const TTickFamily family = FLabeler.Family();
    if (family != TTickFamily::InvalidCalendar && family != TTickFamily::CalendarTooSmall) return;
    const bool invalid = family == TTickFamily::InvalidCalendar;
    const long long middle =
        AlongAxis((static_cast<long double>(FSettings->Ticks.RangeLow) + FSettings->Ticks.RangeHigh) / 2);
    if (!Vertical()) {
        const QString line = invalid ? QStringLiteral("invalid DateTime scale")
                                     : QStringLiteral("DateTime range is below 1 second");
        Write(middle - (*FCanvas)->TextWidth(line) / 2, FAxis + TextGapHorizontal, line);
        return;
    }
    static const QString invalidLines[] = {QStringLiteral("invalid"), QStringLiteral("DateTime"),
                                           QStringLiteral("scale")};
    static const QString smallLines[] = {QStringLiteral("DateTime"), QStringLiteral("range is"),
                                         QStringLiteral("below 1"), QStringLiteral("second")};
    const int h = (*FCanvas)->TextHeight(QStringLiteral("T"));
    const QString* lines = invalid ? invalidLines : smallLines;
    const int count = invalid ? 3 : 4;
    for (int i = 0; i < count; ++i) {
        const int w = (*FCanvas)->TextWidth(lines[i]);
        const long long left = FSettings->ScaleType == sctYL ? FAxis + 2 : FAxis - w - 2;
        Write(left, middle + (i - 1) * static_cast<long long>(h), lines[i]);
    }
}

void TAxisPainter::CaptionText() {
    const TAxisSettings& s = *FSettings;
    if (s.Caption.isEmpty()) return;
    const TScaleGeometry& g = s.Geometry;
    const int w = (*FCanvas)->TextWidth(s.Caption);
    long long x, y;
    if (!Vertical()) {
        long long anchor = g.MarginLeft;
        if (s.CaptionAnchor == uaSclCenter)
            anchor = g.MarginLeft + (g.Width - g.MarginLeft - g.MarginRight) / 2;
        if (s.CaptionAnchor == uaSclBotRgt) anchor = g.Width - g.MarginRight;
        x = s.OffsetX + s.CaptionPosX + anchor;
        y = s.CaptionPosY + static_cast<long long>(FAxis);
    } else {
        long long anchor = g.MarginTop;
        if (s.CaptionAnchor == uaSclCenter)
            anchor = g.MarginTop + (g.Height - g.MarginTop - g.MarginBottom) / 2;
        if (s.CaptionAnchor == uaSclBotRgt) anchor = g.Height - g.MarginBottom;
        y = s.OffsetY + s.CaptionPosY + anchor;
        x = s.CaptionPosX + static_cast<long long>(FAxis);
    }
    if (s.CaptionAlignment == taRightJustify) x -= w;
    if (s.CaptionAlignment == taCenter) x -= w / 2;
    Write(x, y, s.Caption);
}

void TAxisPainter::DrawBaseLine(TCanvas& canvas, const TAxisSettings& s) const {
    const TScaleGeometry& g = s.Geometry;
    const int a = AxisCoordinate(s);
    if (g.Vertical) {
        canvas.MoveTo(a, s.OffsetY + g.MarginTop);
        canvas.LineTo(a, s.OffsetY + g.Height - g.MarginBottom - 1);
    } else {
        canvas.MoveTo(s.OffsetX + g.MarginLeft, a);
        canvas.LineTo(s.OffsetX + g.Width - g.MarginRight - 1, a);
    }
}
