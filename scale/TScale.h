// SPDX-License-Identifier: MIT
#pragma once
// TScale: one axis as a control — base line, major and minor ticks, tick texts and a caption,
// framed and filled or drawn transparently over what lies beneath.
//
// Two ways of use:
//  - on a form, an ordinary control with published properties and mouse events. An opaque scale
//    repaints its picture at once on every change; a transparent one has a see-through picture
//    and is invalidated instead, so that it is drawn again when the window paints.
//  - embedded in another control (the chart): created in code, marked Embedded, silenced with
//    PaintSuppressed and pointed at the owner's picture with SetTargetCanvas; the owner calls
//    RenderNow while it paints. An embedded scale never shows as a widget, never allocates a
//    picture of its own once it has a target, and draws straight onto the target.
//
// Values that are not finite are ignored by the range setters: a range is always finite, with
// two different ends (an end set equal to the other moves that one away); once loaded, a
// logarithmic scale also ignores ends below 1e-100. The chart's axes keep the same rule.

#include <QImage>
#include <QMenu>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

#include "Enums.h"
#include "TColor.h"
#include "TDTLabel.h"
#include "TFont.h"
#include "TPaintedControl.h"
#include "gravilo_scale_export.h"

class TCanvas;
class TScalePrivate;
class TTickValues;
struct TFrameColors;

using TScaleTickDrawnEvent = std::function<void(QObject* Sender, TCanvas*& Canvas, TScaleType ScaleType,
                                                double CurrentTickPos, int ChartX, int ChartY)>;
using TScaleRenderedEvent = std::function<void(QObject* Sender, TCanvas* Canvas)>;
// a context menu is wanted at MousePos; a handler that sets Handled keeps the PopupMenu closed
using TContextPopupEvent = std::function<void(QObject* Sender, QPoint MousePos, bool& Handled)>;

class GRAVILO_SCALE_EXPORT TScale : public TPaintedControl {
    Q_OBJECT
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
    Q_PROPERTY(int MinTicks READ MinTicks WRITE SetMinTicks)
    Q_PROPERTY(bool ShortTicks READ ShortTicks WRITE SetShortTicks)
    Q_PROPERTY(int NumTicks READ NumTicks)
    Q_PROPERTY(Vexa::TScaleType ScaleType READ ScaleType WRITE SetScaleType)
    Q_PROPERTY(Vexa::TFigType LabelType READ LabelType WRITE SetLabelType)
    Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
    Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
    Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
    Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
    Q_PROPERTY(int DecPlaces READ DecPlaces WRITE SetDecPlaces)
    Q_PROPERTY(bool Comma READ Comma WRITE SetComma)
    Q_PROPERTY(QString UserTickText READ UserTickText WRITE SetUserTickText)
    Q_PROPERTY(QString ScaleInscript READ ScaleInscript WRITE SetScaleInscript)
    Q_PROPERTY(TDTLabel* DateFormat READ DateFormat WRITE SetDateFormat)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX)
    Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY)
    Q_PROPERTY(Vexa::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment)
    Q_PROPERTY(Vexa::TScaleUnitAnchor CaptionAnchor READ CaptionAnchor WRITE SetCaptionAnchor)
    Q_PROPERTY(TColor ColorScale READ ColorScale WRITE SetColorScale)
    Q_PROPERTY(TColor ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
    Q_PROPERTY(Vexa::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(Vexa::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(bool ShowBaseLine READ ShowBaseLine WRITE SetShowBaseLine)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(QMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_PROPERTY(Vexa::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TScale(QWidget* parent = nullptr);
    ~TScale() override;

    // range and mapping
    double RangeLow() const;
    void SetRangeLow(double v);
    double RangeHigh() const;
    void SetRangeHigh(double v);
    bool Logarithmic() const;
    void SetLogarithmic(bool on);
    int MinTicks() const;
    void SetMinTicks(int n);
    bool ShortTicks() const;
    void SetShortTicks(bool on);
    TScaleType ScaleType() const;
    void SetScaleType(TScaleType t);
    TFigType LabelType() const;
    void SetLabelType(TFigType t);
    int MarginLeft() const;
    void SetMarginLeft(int m);
    int MarginRight() const;
    void SetMarginRight(int m);
    int MarginTop() const;
    void SetMarginTop(int m);
    int MarginBottom() const;
    void SetMarginBottom(int m);

    double ScaleFactor() const;
    double ScaleOffset() const;
    bool NotYetLoaded() const;
    void UpdateScaleFactors();
    // the pixel of v along the axis, in control coordinates
    int ValueToPixel(double v) const;

    // the ticks of the last paint (at most 50 of them)
    int NumTicks() const;
    // 1-based; 0 outside 1..NumTicks
    double TickValue(int index) const;
    const TTickValues& TickValues() const;

    // The decimal tick step for n intervals from start to finish: step 1, 2 or 5 times a power
    // of ten, the first multiple of it at or past start, and the minor intervals per step.
    static void ChooseTickStep(int n, double start, double finish, double& first, double& step,
                               int& minorIntervals);

    // tick texts
    int DecPlaces() const;
    void SetDecPlaces(int d);
    // Numbers written with a decimal comma (2,5) instead of the point; off by default.
    bool Comma() const;
    void SetComma(bool comma);
    QString UserTickText() const;
    void SetUserTickText(const QString& t);
    QString ScaleInscript() const;
    void SetScaleInscript(const QString& t);
    TDTLabel* DateFormat() const;
    // copies the settings into the scale's own object
    void SetDateFormat(TDTLabel* source);

    // look
    QString Caption() const;
    void SetCaption(const QString& c);
    int CaptionPosX() const;
    void SetCaptionPosX(int x);
    int CaptionPosY() const;
    void SetCaptionPosY(int y);
    TAlignment CaptionAlignment() const;
    void SetCaptionAlignment(TAlignment a);
    TScaleUnitAnchor CaptionAnchor() const;
    void SetCaptionAnchor(TScaleUnitAnchor a);
    TColor ColorScale() const;
    void SetColorScale(TColor c);
    void SetColorScale(const QtColor auto& c) { SetColorScale(ToColor(c)); }
    TColor ColorBackGnd() const;
    void SetColorBackGnd(TColor c);
    void SetColorBackGnd(const QtColor auto& c) { SetColorBackGnd(ToColor(c)); }
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme s);
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle s);
    const TFrameColors& FrameColors() const;
    bool ShowBaseLine() const;
    void SetShowBaseLine(bool on);
    bool Transparent() const;
    void SetTransparent(bool on);
    // Font, ParentFont, ShowHint, ParentShowHint, PopupMenu and Align: the controls' shared ones
    using TPaintedControl::Align;
    using TPaintedControl::Font;
    using TPaintedControl::ParentFont;
    using TPaintedControl::ParentShowHint;
    using TPaintedControl::PopupMenu;
    using TPaintedControl::SetAlign;
    using TPaintedControl::SetFont;
    using TPaintedControl::SetParentFont;
    using TPaintedControl::SetParentShowHint;
    using TPaintedControl::SetPopupMenu;
    using TPaintedControl::SetShowHint;
    using TPaintedControl::ShowHint;
    // The scale's own visibility flag. An embedded scale only keeps the flag: it never shows as
    // a widget, its owner draws it.
    bool Visible() const;
    void SetVisible(bool visible);

    // embedding
    bool PaintSuppressed() const;
    void SetPaintSuppressed(bool on);
    bool Embedded() const;
    void SetEmbedded(bool on);
    // all painting goes to the canvas, the control's top-left corner at (dx, dy); nullptr paints
    // the control's own picture again
    void SetTargetCanvas(TCanvas* canvas, int dx, int dy);
    TCanvas* TargetCanvas() const;
    // paints once now, PaintSuppressed or not
    void RenderNow();
    // Paints at once when opaque or embedded; a transparent control on a form is invalidated
    // instead, and paints when its window does.
    void RequestRepaint();
    // the control's own picture, painted first when an invalidation is pending
    const QImage& RenderedPicture();

    // Copies the settings of another scale (not its font, bounds, visibility, embedding,
    // loading state or rendering events), then repaints. Other sources throw EVexaError.
    void Assign(const QObject* source);
    // dest.Assign(this) when dest is a scale; otherwise throws EVexaError
    void AssignTo(QObject* dest) const;

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    // a size for layouts: room for the texts across the axis, 200 pixels along it
    QSize sizeHint() const override;

    TScaleTickDrawnEvent OnScaleTickDrawn;
    TScaleRenderedEvent OnBeforeScaleRendered;
    TScaleRenderedEvent OnAfterScaleRendered;
    TContextPopupEvent OnContextPopup;

protected:
    void Paint() override;
    QImage::Format PictureFormat() const override;
    void BoundsChanged() override;
    void PropertyChanged() override;
    bool ContextPopup(QPoint pos) override;
    void paintEvent(QPaintEvent* event) override;
    // a scale nobody loaded (made in code, or by a form loader) counts as loaded when it first shows
    void showEvent(QShowEvent* event) override;

private:
    friend class TScalePrivate;
    std::unique_ptr<TScalePrivate> const d;
};
