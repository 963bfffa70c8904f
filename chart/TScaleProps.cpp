// SPDX-License-Identifier: MIT
#include "TScaleProps.h"

#include <algorithm>
#include <cmath>

#include "ScaleRange.h"

TScaleProps::TScaleProps(QObject* parent)
    : QObject(parent), FDateFormat(new TDTLabel(this)), FFont(std::make_unique<TFont>()) {
    FDateFormat->setObjectName(QStringLiteral("DateFormat"));
    FDateFormat->SetTimeFormat(tfHHMMSS);
    FDateFormat->SetDateSeparator(u'-');
    FDateFormat->SetTimeSeparator(u':');
    FDateFormat->SetYearLength(ylYYYY);
    FDateFormat->SetMonthName(true);
    FDateFormat->SetDateForTime(dtOnePerDay);
    FDateFormat->SetDateOrder(doDDMMYY);
    FDateFormat->OnChange = [this](QObject*) { Changed(); };
    FFont->OnChange = [this](TFont*) { Changed(); };
}

TScaleProps::~TScaleProps() = default;

void TScaleProps::Changed() {
    if (FAssigning) return;
    if (OnChange) OnChange(this);
}

void TScaleProps::SetCaption(const QString& v) {
    FCaption = v;
    Changed();
}
void TScaleProps::SetCaptionPosX(int v) {
    FCaptionPosX = v;
    Changed();
}
void TScaleProps::SetCaptionPosY(int v) {
    FCaptionPosY = v;
    Changed();
}
void TScaleProps::SetCaptionAlignment(TAlignment v) {
    FCaptionAlignment = v;
    Changed();
}
void TScaleProps::SetCaptionAnchor(TScaleUnitAnchor v) {
    FCaptionAnchor = v;
    Changed();
}
void TScaleProps::SetColorScale(TColor v) {
    FColorScale = v;
    Changed();
}
void TScaleProps::SetDecPlaces(int v) {
    FDecPlaces = std::clamp(v, -3, 12);
    Changed();
}

void TScaleProps::SetComma(bool v) {
    FComma = v;
    Changed();
}

namespace {
// both ends large enough for a logarithmic axis
bool FitLogarithmic(double low, double high) {
    return low >= TScaleProps::LogMinimum && high >= TScaleProps::LogMinimum;
}
}  // namespace

void TScaleProps::SetLogarithmic(bool v) {
    // a stored form may switch it on before its range is read; the check waits until loaded
    if (!v || FLoading || (FitLogarithmic(FRangeLow, FRangeHigh) && FLabelType != ftDateTime))
        FLogarithmic = v;
    Changed();
}

void TScaleProps::FinishLoading() {
    FLoading = false;
    if (FLogarithmic && !FitLogarithmic(FRangeLow, FRangeHigh)) {
        FLogarithmic = false;
        Changed();
    }
}

void TScaleProps::SetLabelType(TFigType v) {
    FLabelType = v;
    if (v == ftDateTime) FLogarithmic = false;
    if (v == ftTime) FDecPlaces = 4;
    Changed();
}

void TScaleProps::SetMinTicks(int v) {
    FMinTicks = v;
    Changed();
}

static_assert(TScaleProps::LogMinimum == RangeLogMinimum, "one least end for every logarithmic axis");

// The axes' one rule (finite ends, above zero on a logarithmic axis, two different ends); an end
// closer than MinRange to the other moves that one away.
void TScaleProps::SetRangeLow(double v) {
    if (!RangeEndAllowed(v, FLogarithmic)) return;
    FRangeLow = v;
    if (std::fabs(FRangeHigh - v) < FMinRange) FRangeHigh = v + FMinRange;
    if (FRangeHigh == FRangeLow) FRangeHigh = OtherRangeEnd(v);
    Changed();
}

void TScaleProps::SetRangeHigh(double v) {
    if (!RangeEndAllowed(v, FLogarithmic)) return;
    FRangeHigh = v;
    if (std::fabs(FRangeLow - v) < FMinRange) FRangeLow = v - FMinRange;
    if (FRangeHigh == FRangeLow) FRangeLow = OtherRangeEnd(v);
    Changed();
}

void TScaleProps::SetShortTicks(bool v) {
    FShortTicks = v;
    Changed();
}
void TScaleProps::SetScaleInscript(const QString& v) {
    FScaleInscript = v;
    Changed();
}

static bool IsHorizontal(TScaleType t) {
    return t == sctXB || t == sctXT;
}

int TScaleProps::ScalePos() const {
    return IsHorizontal(FScaleType) ? FScalePosHoriz : FScalePosVert;
}

void TScaleProps::SetScalePos(int v) {
    (IsHorizontal(FScaleType) ? FScalePosHoriz : FScalePosVert) = v;
    Changed();
}

void TScaleProps::SetMinRange(double v) {
    if (!(v > LogMinimum)) return;
    FMinRange = v;
    if (std::fabs(FRangeHigh - FRangeLow) >= v) return;
    const double m = (FRangeHigh + FRangeLow) / 2;
    FRangeLow = m - v / 2;
    FRangeHigh = m + v / 2;
    Changed();
}

void TScaleProps::SetUserTickText(const QString& v) {
    FUserTickText = v;
    Changed();
}
void TScaleProps::SetVisible(bool v) {
    FVisible = v;
    Changed();
}

void TScaleProps::Assign(const TScaleProps& o) {
    if (&o == this) return;
    FAssigning = true;
    FCaption = o.FCaption;
    FCaptionPosX = o.FCaptionPosX;
    FCaptionPosY = o.FCaptionPosY;
    FCaptionAlignment = o.FCaptionAlignment;
    FCaptionAnchor = o.FCaptionAnchor;
    FColorScale = o.FColorScale;
    FDateFormat->Assign(o.FDateFormat);
    FDecPlaces = o.FDecPlaces;
    FComma = o.FComma;
    FLogarithmic = o.FLogarithmic;
    FLabelType = o.FLabelType;
    FFont->Assign(*o.FFont);
    FMinTicks = o.FMinTicks;
    FRangeLow = o.FRangeLow;
    FRangeHigh = o.FRangeHigh;
    FShortTicks = o.FShortTicks;
    FScaleInscript = o.FScaleInscript;
    FScaleType = o.FScaleType;
    FScalePosHoriz = o.FScalePosHoriz;
    FScalePosVert = o.FScalePosVert;
    FMinRange = o.FMinRange;
    FUserTickText = o.FUserTickText;
    FVisible = o.FVisible;
    FAssigning = false;
    Changed();
}

TScalePropsHoriz::TScalePropsHoriz(QObject* parent) : TScaleProps(parent) {}

void TScalePropsHoriz::SetScaleLocation(TScaleLocationHoriz v) {
    FLocation = v;
    // the axis line lies on the bottom margin of a control that ends at the data area's top
    SetScaleType(v == slTop ? sctXB : sctXT);
    Changed();
}

void TScalePropsHoriz::Assign(const TScaleProps& other) {
    if (auto h = qobject_cast<const TScalePropsHoriz*>(&other)) FLocation = h->FLocation;
    TScaleProps::Assign(other);
}

TScalePropsVert::TScalePropsVert(QObject* parent) : TScaleProps(parent) {}

void TScalePropsVert::SetScaleLocation(TScaleLocationVert v) {
    FLocation = v;
    SetScaleType(v == slLeft ? sctYR : sctYL);
    Changed();
}

void TScalePropsVert::Assign(const TScaleProps& other) {
    if (auto h = qobject_cast<const TScalePropsVert*>(&other)) FLocation = h->FLocation;
    TScaleProps::Assign(other);
}
