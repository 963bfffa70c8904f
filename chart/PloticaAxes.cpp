// SPDX-License-Identifier: MIT
#include "PloticaAxes.h"

#include <algorithm>

#include "TBitmap.h"
#include "TCustomPlotica.h"
#include "TScale.h"
#include "TScaleProps.h"

TPloticaAxes::TPloticaAxes(TCustomPlotica& chart) : FChart(chart) {
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        for (bool horizontal : {true, false}) {
            // no parent widget: the control must never show as a window of its own
            auto scale = std::make_unique<TScale>(nullptr);
            scale->setObjectName(
                QStringLiteral("PL_FScale_%1_%2").arg(QChar(horizontal ? u'X' : u'Y')).arg(n));
            scale->SetEmbedded(true);
            scale->SetPaintSuppressed(true);
            scale->SetTargetCanvas(&chart.ControlBitmap().Canvas(), 0, 0);
            scale->OnScaleTickDrawn = [this](QObject*, TCanvas*& canvas, TScaleType type, double value, int x,
                                             int y) {
                if (FChart.OnScaleTickDrawn) FChart.OnScaleTickDrawn(&FChart, canvas, type, value, x, y);
            };
            (horizontal ? FX : FY)[n] = std::move(scale);
        }
    }
}

TPloticaAxes::~TPloticaAxes() = default;

TScale* TPloticaAxes::Control(int layer, bool horizontal) const {
    if (layer < 1 || layer > PloticaLayerCount) return nullptr;
    return (horizontal ? FX : FY)[layer].get();
}

void TPloticaAxes::Forward(int layer, bool horizontal) {
    TScale* s = Control(layer, horizontal);
    if (!s) return;
    const TScaleProps& p = horizontal ? static_cast<const TScaleProps&>(*FChart.ScalePropsX(layer))
                                      : static_cast<const TScaleProps&>(*FChart.ScalePropsY(layer));
    const qint64 w = FChart.width(), h = FChart.height(), pos = p.ScalePos();
    s->SetScaleType(p.ScaleType());
    // the control is as large as the chart: one of its margins puts the axis line in place. An
    // offset of any size is taken; an axis pushed millions of pixels away is off every screen,
    // and its margin stays where the scale's sums cannot overflow.
    const auto margin = [](qint64 v) { return int(std::clamp<qint64>(v, -(1 << 24), 1 << 24)); };
    switch (p.ScaleType()) {
        case sctXB:
            s->SetMarginBottom(margin(pos + h - FChart.MarginTop() - 1));
            break;
        case sctXT:
            s->SetMarginTop(margin(pos + h - FChart.MarginBottom() - FChart.ShadowWidth()));
            break;
        case sctYL:
            s->SetMarginLeft(margin(pos + w - FChart.MarginRight() - FChart.ShadowWidth()));
            break;
        case sctYR:
            s->SetMarginRight(margin(pos + w - FChart.MarginLeft() - 1));
            break;
    }
    s->SetRangeLow(p.RangeLow());
    s->SetRangeHigh(p.RangeHigh());
    s->SetVisible(p.Visible());
    s->SetCaption(p.Caption());
    s->SetCaptionPosX(p.CaptionPosX());
    s->SetCaptionPosY(p.CaptionPosY());
    s->SetCaptionAlignment(p.CaptionAlignment());
    s->SetCaptionAnchor(p.CaptionAnchor());
    s->SetColorScale(p.ColorScale());
    s->SetDecPlaces(p.DecPlaces());
    s->SetComma(p.Comma());
    s->SetLogarithmic(p.Logarithmic());
    s->SetLabelType(p.LabelType());
    s->SetShortTicks(p.ShortTicks());
    s->SetMinTicks(p.MinTicks());
    s->SetScaleInscript(p.ScaleInscript());
    s->SetUserTickText(p.UserTickText());
    s->SetFont(p.Font());
    s->Font()->SetColor(p.ColorScale());
    s->SetDateFormat(p.DateFormat());
}

void TPloticaAxes::SetLeftMargins() {
    for (int n = 1; n <= PloticaLayerCount; ++n) FX[n]->SetMarginLeft(FChart.MarginLeft());
}

void TPloticaAxes::SetRightMargins() {
    for (int n = 1; n <= PloticaLayerCount; ++n)
        FX[n]->SetMarginRight(FChart.MarginRight() + FChart.ShadowWidth() - 1);
}

void TPloticaAxes::SetTopMargins() {
    for (int n = 1; n <= PloticaLayerCount; ++n) FY[n]->SetMarginTop(FChart.MarginTop());
}

void TPloticaAxes::SetBottomMargins() {
    for (int n = 1; n <= PloticaLayerCount; ++n)
        FY[n]->SetMarginBottom(FChart.MarginBottom() + FChart.ShadowWidth() - 1);
}

void TPloticaAxes::SetAllMargins() {
    SetLeftMargins();
    SetRightMargins();
    SetTopMargins();
    SetBottomMargins();
}

void TPloticaAxes::SetSizes(int width, int height) {
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        FX[n]->SetBounds(0, 0, width, height);
        FY[n]->SetBounds(0, 0, width, height);
    }
}

void TPloticaAxes::Embed() {
    for (int n = 1; n <= PloticaLayerCount; ++n)
        for (TScale* s : {FX[n].get(), FY[n].get()}) {
            s->SetTransparent(true);
            s->SetColorBackGnd(FChart.WindColor());
            s->SetFrameStyle(fsNone);
        }
}

void TPloticaAxes::RenderAll(TCanvas* onto) {
    for (auto* axes : {&FX, &FY})
        for (int n = 1; n <= PloticaLayerCount; ++n) {
            TScale& scale = *(*axes)[n];
            TCanvas* target = scale.TargetCanvas();
            if (onto) scale.SetTargetCanvas(onto, 0, 0);
            scale.RenderNow();
            if (onto) scale.SetTargetCanvas(target, 0, 0);
        }
}

std::vector<double> TPloticaAxes::TickValues(int layer, bool horizontal) const {
    std::vector<double> values;
    const TScale* s = Control(layer, horizontal);
    if (!s) return values;
    for (int i = 1; i <= s->NumTicks(); ++i) values.push_back(s->TickValue(i));
    return values;
}
