// SPDX-License-Identifier: MIT
#pragma once

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

/// The settings of one axis of a chart layer. The chart forwards them to the layer's axis control
/// (a TScale) and keeps them across repaints; every setter reports the change through OnChange,
/// but for the values a setter ignores (said with each) and SetScaleType.
///
/// The values "as built" below are this class's own. The chart gives the axes of each layer the
/// layer's colour, puts odd layers below and left of the data area and even ones above and right,
/// and its standard layout then places and shows the axes of layers 1..4.
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
    static constexpr double LogMinimum = 1e-100;  ///< the smallest value a logarithmic axis accepts

    /// An axis with this class's settings (see each); its date settings read hh:mm:ss, day-month
    /// and a four-digit year, "-" and ":" as separators, month names, a date once per day.
    explicit TScaleProps(QObject* parent = nullptr);
    /// Destroys the settings, the font and the date settings with them.
    ~TScaleProps() override;

    /// The axis's caption (empty as built: none is drawn).
    QString Caption() const { return FCaption; }
    /// Sets the axis's caption.
    void SetCaption(const QString& v);
    /// The caption's x offset in pixels (0 as built): from the anchor point on an x axis, from the
    /// axis line on a y axis.
    int CaptionPosX() const { return FCaptionPosX; }
    /// Sets the caption's x offset.
    void SetCaptionPosX(int v);
    /// The caption's y offset in pixels (0 as built): from the axis line on an x axis, from the
    /// anchor point on a y axis.
    int CaptionPosY() const { return FCaptionPosY; }
    /// Sets the caption's y offset.
    void SetCaptionPosY(int v);
    /// Whether the caption starts, ends or is centred at its x position (taCenter as built).
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    /// Sets the caption's alignment.
    void SetCaptionAlignment(TAlignment v);
    /// The point along the axis the caption's position counts from (uaSclTopLft as built).
    TScaleUnitAnchor CaptionAnchor() const { return FCaptionAnchor; }
    /// Sets the caption's anchor point.
    void SetCaptionAnchor(TScaleUnitAnchor v);
    /// The axis's colour (0x00BBGGRR; black as built): line, ticks, tick texts and caption, whatever
    /// the font's own colour.
    TColor ColorScale() const { return FColorScale; }
    /// Sets the axis's colour.
    void SetColorScale(TColor v);
    /// Sets the axis's colour from a Qt colour.
    void SetColorScale(const QtColor auto& v) { SetColorScale(ToColor(v)); }
    /// The date/time label settings of calendar axes; writing copies them. A change of them
    /// notifies as a setter does.
    TDTLabel* DateFormat() const { return FDateFormat; }
    /// Copies the settings of v into the axis's date settings; nullptr is ignored.
    void SetDateFormat(TDTLabel* v) {
        if (v) FDateFormat->Assign(v);
    }
    /// The decimals of the tick numbers (-2 as built): 0..12 fixed decimals, -1 scientific
    /// notation, -2 chosen by the range, -3 chosen by the range on a linear axis and only the
    /// decade exponents at the powers of ten on a logarithmic one.
    int DecPlaces() const { return FDecPlaces; }
    /// Sets the decimals of the tick numbers; clamps to -3 .. 12.
    void SetDecPlaces(int v);
    /// Whether the axis writes its numbers with a decimal comma (off by default).
    bool Comma() const { return FComma; }
    /// Switches the decimal comma.
    void SetComma(bool v);
    /// Whether the axis maps its range logarithmically (false as built).
    bool Logarithmic() const { return FLogarithmic; }
    /// Switches the logarithmic mapping. Once loading has finished, switching it on is refused
    /// (it stays off, and the change is still reported) unless both range ends are at least
    /// LogMinimum and LabelType is not ftDateTime; while loading it is taken as it comes.
    void SetLogarithmic(bool v);
    /// What the major ticks are labelled with (ftNum as built).
    TFigType LabelType() const { return FLabelType; }
    /// Sets the tick labels; ftDateTime switches the logarithmic mapping off, ftTime sets DecPlaces
    /// to 4.
    void SetLabelType(TFigType v);
    /// The font of the tick texts and the caption; a change of it notifies as a setter does.
    TFont* Font() const { return FFont.get(); }
    /// Copies the settings of font into the axis's font.
    void SetFont(const TFont& font) { FFont->Assign(font); }
    /// The least number of major tick intervals along the range (3 as built); the axis control
    /// takes it within 2 .. 10.
    int MinTicks() const { return FMinTicks; }
    /// Sets the least number of major tick intervals; the value is stored as given.
    void SetMinTicks(int v);
    /// The range's first end, the value at the left or bottom end of the axis (0 as built).
    double RangeLow() const { return FRangeLow; }
    /// Sets the range's first end. A value that is not finite, or below LogMinimum on a
    /// logarithmic axis, is ignored. When the other end lies closer than MinRange, it moves to
    /// v + MinRange.
    void SetRangeLow(double v);
    /// The range's second end, the value at the right or top end of the axis (1 as built).
    double RangeHigh() const { return FRangeHigh; }
    /// Sets the range's second end, under the rule of SetRangeLow; an end closer than MinRange
    /// moves to v - MinRange.
    void SetRangeHigh(double v);
    /// Whether minor ticks are drawn between the major ones (true as built).
    bool ShortTicks() const { return FShortTicks; }
    /// Switches the minor ticks.
    void SetShortTicks(bool v);
    /// The inscription of the numeric tick texts (empty as built): an "&" in it stands for the
    /// number; without one it is written before the number.
    QString ScaleInscript() const { return FScaleInscript; }
    /// Sets the inscription of the numeric tick texts.
    void SetScaleInscript(const QString& v);
    /// The distance in pixels between the data area's edge and the axis line (0 as built); one
    /// slot per orientation, chosen by ScaleType.
    int ScalePos() const;
    /// Sets the distance between the data area's edge and the axis line.
    void SetScalePos(int v);
    /// The least distance between the range ends (1e-10 as built).
    double MinRange() const { return FMinRange; }
    /// Sets the least distance between the range ends; a value not above LogMinimum is ignored.
    /// A narrower range widens about its middle to v (the low end below) and notifies; otherwise
    /// nothing is reported.
    void SetMinRange(double v);
    /// The tick texts of LabelType ftUserText (empty as built): items separated by "|", one per
    /// major tick in turn.
    QString UserTickText() const { return FUserTickText; }
    /// Sets the tick texts of LabelType ftUserText.
    void SetUserTickText(const QString& v);
    /// Whether the axis is drawn (false as built).
    bool Visible() const { return FVisible; }
    /// Shows or hides the axis.
    void SetVisible(bool v);

    /// Which way the axis runs and along which edge of its control its line lies; the location
    /// setters of the derived classes choose it (sctXT as built).
    TScaleType ScaleType() const { return FScaleType; }
    /// Stores the scale type; nothing is reported.
    void SetScaleType(TScaleType t) { FScaleType = t; }

    /// True from construction until the chart has been loaded or first shown; only the logarithmic
    /// check waits.
    bool IsLoadingProps() const { return FLoading; }
    /// The end of loading: a logarithmic switch the form made against a range it does not fit
    /// gives way (and is reported), and from now on every setter keeps the rule.
    void FinishLoading();

    /// The range ends stored as they are, without checks or notification (joined layers, panning).
    void StoreRange(double low, double high) {
        FRangeLow = low;
        FRangeHigh = high;
    }

    /// Copies every setting of the other object (the location and scale type included), then
    /// notifies once.
    virtual void Assign(const TScaleProps& other);

    /// Called after a setting changed, with the settings; the chart installs it to forward them.
    std::function<void(TScaleProps*)> OnChange;

protected:
    /// Calls OnChange, except while Assign copies.
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

/// The settings of a layer's x axis: the axis settings and where the axis lies.
class GRAVILO_CHART_EXPORT TScalePropsHoriz : public TScaleProps {
    Q_OBJECT
    Q_PROPERTY(Plotica::TScaleLocationHoriz ScaleLocation READ ScaleLocation WRITE SetScaleLocation)
public:
    /// An x axis below the data area (slBottom).
    explicit TScalePropsHoriz(QObject* parent = nullptr);
    /// Where the axis lies (slBottom as built).
    TScaleLocationHoriz ScaleLocation() const { return FLocation; }
    /// slTop puts the axis line above the data area (ticks up), slBottom below it; the scale
    /// type follows.
    void SetScaleLocation(TScaleLocationHoriz v);
    /// Copies every setting of the other object, its location too when it is an x axis.
    void Assign(const TScaleProps& other) override;

private:
    TScaleLocationHoriz FLocation = slBottom;
};

/// The settings of a layer's y axis: the axis settings and where the axis lies.
class GRAVILO_CHART_EXPORT TScalePropsVert : public TScaleProps {
    Q_OBJECT
    Q_PROPERTY(Plotica::TScaleLocationVert ScaleLocation READ ScaleLocation WRITE SetScaleLocation)
public:
    /// A y axis whose location reads slLeft; its ScaleType stays that of the base class until
    /// SetScaleLocation is called (the chart calls it for each of its axes).
    explicit TScalePropsVert(QObject* parent = nullptr);
    /// Where the axis lies (slLeft as built).
    TScaleLocationVert ScaleLocation() const { return FLocation; }
    /// slLeft puts the axis line left of the data area, slRight right of it; the scale type
    /// follows.
    void SetScaleLocation(TScaleLocationVert v);
    /// Copies every setting of the other object, its location too when it is a y axis.
    void Assign(const TScaleProps& other) override;

private:
    TScaleLocationVert FLocation = slLeft;
};
