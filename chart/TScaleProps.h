// SPDX-License-Identifier: MIT
#pragma once
// The settings of one axis of a chart layer. The chart forwards them to the layer's axis control
// and keeps them across repaints; every setter reports the change through OnChange.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "Enums.h"
#include "PloticaTypes.h"
#include "TColor.h"
#include "TDTLabel.h"
#include "TFont.h"
#include "gravilo_chart_export.h"

class GRAVILO_CHART_EXPORT TScaleProps : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX)
    Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY)
    Q_PROPERTY(Vexa::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment)
    Q_PROPERTY(Vexa::TScaleUnitAnchor CaptionAnchor READ CaptionAnchor WRITE SetCaptionAnchor)
    Q_PROPERTY(TColor ColorScale READ ColorScale WRITE SetColorScale)
    Q_PROPERTY(TDTLabel* DateFormat READ DateFormat WRITE SetDateFormat)
    Q_PROPERTY(int DecPlaces READ DecPlaces WRITE SetDecPlaces)
    Q_PROPERTY(bool Comma READ Comma WRITE SetComma)
    Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
    Q_PROPERTY(Vexa::TFigType LabelType READ LabelType WRITE SetLabelType)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(int MinTicks READ MinTicks WRITE SetMinTicks)
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(bool ShortTicks READ ShortTicks WRITE SetShortTicks)
    Q_PROPERTY(QString ScaleInscript READ ScaleInscript WRITE SetScaleInscript)
    Q_PROPERTY(int ScalePos READ ScalePos WRITE SetScalePos)
    Q_PROPERTY(double MinRange READ MinRange WRITE SetMinRange)
    Q_PROPERTY(QString UserTickText READ UserTickText WRITE SetUserTickText)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    static constexpr double LogMinimum = 1e-100;  // the smallest value a logarithmic axis accepts

    explicit TScaleProps(QObject* parent = nullptr);
    ~TScaleProps() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& v);
    int CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(int v);
    int CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(int v);
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment v);
    TScaleUnitAnchor CaptionAnchor() const { return FCaptionAnchor; }
    void SetCaptionAnchor(TScaleUnitAnchor v);
    TColor ColorScale() const { return FColorScale; }
    void SetColorScale(TColor v);
    void SetColorScale(const QtColor auto& v) { SetColorScale(ToColor(v)); }
    // the date/time label settings of calendar axes; writing copies them
    TDTLabel* DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTLabel* v) {
        if (v) FDateFormat->Assign(v);
    }
    int DecPlaces() const { return FDecPlaces; }
    void SetDecPlaces(int v);  // clamps to -3 .. 12
    // the axis writes its numbers with a decimal comma (off by default)
    bool Comma() const { return FComma; }
    void SetComma(bool v);
    bool Logarithmic() const { return FLogarithmic; }
    void SetLogarithmic(bool v);
    TFigType LabelType() const { return FLabelType; }
    void SetLabelType(TFigType v);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& font) { FFont->Assign(font); }
    int MinTicks() const { return FMinTicks; }
    void SetMinTicks(int v);
    double RangeLow() const { return FRangeLow; }
    void SetRangeLow(double v);
    double RangeHigh() const { return FRangeHigh; }
    void SetRangeHigh(double v);
    bool ShortTicks() const { return FShortTicks; }
    void SetShortTicks(bool v);
    QString ScaleInscript() const { return FScaleInscript; }
    void SetScaleInscript(const QString& v);
    // distance between the data area's edge and the axis line; one slot per orientation
    int ScalePos() const;
    void SetScalePos(int v);
    double MinRange() const { return FMinRange; }
    void SetMinRange(double v);
    QString UserTickText() const { return FUserTickText; }
    void SetUserTickText(const QString& v);
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);

    TScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TScaleType t) { FScaleType = t; }

    // true from construction until the chart has been loaded or first shown; only the logarithmic
    // check waits
    bool IsLoadingProps() const { return FLoading; }
    // the end of loading: a logarithmic switch the form made against a range it does not fit
    // gives way, and from now on every setter keeps the rule
    void FinishLoading();

    // The range ends stored as they are, without checks or notification (joined layers, panning).
    void StoreRange(double low, double high) {
        FRangeLow = low;
        FRangeHigh = high;
    }

    // Copies every setting of the other object (the location and scale type included), then notifies.
    virtual void Assign(const TScaleProps& other);

    std::function<void(TScaleProps*)> OnChange;

protected:
    void Changed();

private:
    QString FCaption;
    int FCaptionPosX = 0;
    int FCaptionPosY = 0;
    TAlignment FCaptionAlignment = taCenter;
    TScaleUnitAnchor FCaptionAnchor = uaSclTopLft;
    TColor FColorScale = 0;
    TDTLabel* FDateFormat;
    int FDecPlaces = -2;
    bool FComma = false;
    bool FLogarithmic = false;
    TFigType FLabelType = ftNum;
    std::unique_ptr<TFont> FFont;
    int FMinTicks = 3;
    bool FLoading = true;
    double FRangeLow = 0;
    double FRangeHigh = 1;
    bool FShortTicks = true;
    QString FScaleInscript;
    TScaleType FScaleType = sctXT;
    int FScalePosHoriz = 0;
    int FScalePosVert = 0;
    double FMinRange = 1e-10;
    QString FUserTickText;
    bool FVisible = false;
    bool FAssigning = false;
};

class GRAVILO_CHART_EXPORT TScalePropsHoriz : public TScaleProps {
    Q_OBJECT
    Q_PROPERTY(Plotica::TScaleLocationHoriz ScaleLocation READ ScaleLocation WRITE SetScaleLocation)
public:
    explicit TScalePropsHoriz(QObject* parent = nullptr);
    TScaleLocationHoriz ScaleLocation() const { return FLocation; }
    // slTop puts the axis line above the data area (ticks up), slBottom below it
    void SetScaleLocation(TScaleLocationHoriz v);
    void Assign(const TScaleProps& other) override;

private:
    TScaleLocationHoriz FLocation = slBottom;
};

class GRAVILO_CHART_EXPORT TScalePropsVert : public TScaleProps {
    Q_OBJECT
    Q_PROPERTY(Plotica::TScaleLocationVert ScaleLocation READ ScaleLocation WRITE SetScaleLocation)
public:
    explicit TScalePropsVert(QObject* parent = nullptr);
    TScaleLocationVert ScaleLocation() const { return FLocation; }
    void SetScaleLocation(TScaleLocationVert v);
    void Assign(const TScaleProps& other) override;

private:
    TScaleLocationVert FLocation = slLeft;
};
