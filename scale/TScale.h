// SPDX-License-Identifier: MIT
#pragma once
/// @file
/// The axis control TScale and the types of its events.

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

class QPainter;
class TCanvas;
class TScalePrivate;
class TTickValues;
struct TFrameColors;

/// Called after each tick mark with the canvas (which the handler may replace for the rest of the
/// paint), the axis's type, the tick's value and the tick's point on the axis line, in pixels of
/// the canvas.
using TScaleTickDrawnEvent = std::function<void(QObject* Sender, TCanvas*& Canvas, TScaleType ScaleType,
                                                double CurrentTickPos, int ChartX, int ChartY)>;
/// Called around the drawing of the axis with the canvas it is drawn on.
using TScaleRenderedEvent = std::function<void(QObject* Sender, TCanvas* Canvas)>;
/// A context menu is wanted at MousePos; a handler that sets Handled keeps the PopupMenu closed.
using TContextPopupEvent = std::function<void(QObject* Sender, QPoint MousePos, bool& Handled)>;

/// TScale: one axis as a control — base line, major and minor ticks, tick texts and a caption,
/// framed and filled or drawn transparently over what lies beneath.
///
/// Two ways of use:
///  - on a form, an ordinary control with published properties and mouse events. An opaque scale
///    repaints its picture at once on every change; a transparent one has a see-through picture
///    and is invalidated instead, so that it is drawn again when the window paints.
///  - embedded in another control (the chart): created in code, marked Embedded, silenced with
///    PaintSuppressed and pointed at the owner's picture with SetTargetCanvas; the owner calls
///    RenderNow while it paints. An embedded scale never shows as a widget, never allocates a
///    picture of its own once it has a target, and draws straight onto the target.
///
/// Values that are not finite are ignored by the range setters: a range is always finite, with
/// two different ends (an end set equal to the other moves that one away); once loaded, a
/// logarithmic scale also ignores ends below 1e-100. The chart's axes keep the same rule.
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
    /// A horizontal scale along its bottom edge (sctXB), 400 by 400 pixels, with the range 0 to 100,
    /// linear, numbers as tick texts, 20-pixel margins, framed lowered on the button face colour.
    explicit TScale(QWidget* parent = nullptr);
    /// Destroys the scale; its rendering events are dropped first.
    ~TScale() override;

    /// @name Range and mapping
    /// The range setters, Logarithmic, MinTicks, LabelType and the margins repaint on every
    /// accepted assignment; ShortTicks and ScaleType on a change.
    ///@{

    /// The range's first end, the value at the left or bottom end of the axis (0 as built).
    double RangeLow() const;
    /// Sets the range's first end under the rule of the class: a value that is not finite is
    /// ignored, and once loaded so is one below 1e-100 on a logarithmic scale.
    void SetRangeLow(double v);
    /// The range's second end, the value at the right or top end of the axis (100 as built).
    double RangeHigh() const;
    /// Sets the range's second end under the rule of SetRangeLow. A high end set below the low
    /// one inverts the axis.
    void SetRangeHigh(double v);
    /// Whether the range maps logarithmically, by natural logarithms (false as built).
    bool Logarithmic() const;
    /// Switches the logarithmic mapping. Once loaded, switching it on is refused unless both ends
    /// are at least 1e-100 and LabelType is not ftDateTime; before, any range is accepted, as the
    /// range of a stored form may follow.
    void SetLogarithmic(bool on);
    /// The least number of major tick intervals along the range (3 as built).
    int MinTicks() const;
    /// Sets the least number of major tick intervals, clamped to 2 .. 10.
    void SetMinTicks(int n);
    /// Whether minor ticks are drawn between the major ones (true as built).
    bool ShortTicks() const;
    /// Switches the minor ticks.
    void SetShortTicks(bool on);
    /// Which way the axis runs and along which edge of the control it lies (sctXB as built).
    TScaleType ScaleType() const;
    /// Sets which way the axis runs and where it lies.
    void SetScaleType(TScaleType t);
    /// What the major ticks are labelled with (ftNum as built).
    TFigType LabelType() const;
    /// Sets the tick labels. Calendar ticks are linear: ftDateTime switches the logarithmic
    /// mapping off; elapsed time (ftTime) starts with four decimals.
    void SetLabelType(TFigType t);
    /// The pixels between the control's left edge and the left end of a horizontal axis, or the
    /// line of an sctYL axis (20 as built).
    int MarginLeft() const;
    /// Sets the left margin; a negative value is taken as 0.
    void SetMarginLeft(int m);
    /// The pixels between the control's right edge and the right end of a horizontal axis, or the
    /// line of an sctYR axis (20 as built).
    int MarginRight() const;
    /// Sets the right margin; a negative value is taken as 0.
    void SetMarginRight(int m);
    /// The pixels between the control's top edge and the top end of a vertical axis, or the line
    /// of an sctXT axis (20 as built).
    int MarginTop() const;
    /// Sets the top margin; a negative value is taken as 0.
    void SetMarginTop(int m);
    /// The pixels between the control's bottom edge and the bottom end of a vertical axis, or the
    /// line of an sctXB axis (20 as built).
    int MarginBottom() const;
    /// Sets the bottom margin; a negative value is taken as 0.
    void SetMarginBottom(int m);

    /// Pixels per range unit (per ln unit on logarithmic scales); negative on vertical axes.
    double ScaleFactor() const;
    /// The pixel of value 0 (of ln value 0 on logarithmic scales).
    double ScaleOffset() const;
    /// True until the form has been loaded (Loaded) or, for a scale nobody loaded, until it first
    /// shows; until then the range setters and SetLogarithmic skip the logarithmic checks.
    bool NotYetLoaded() const;
    /// Recomputes ScaleFactor and ScaleOffset from the range, the size and the margins; nothing
    /// while the form is being read. Without room for an axis every value maps to the middle.
    void UpdateScaleFactors();
    /// The pixel of v along the axis, in control coordinates. On a logarithmic scale a value at or
    /// below 1e-100 maps to 0, or to the control's width on an inverted axis.
    int ValueToPixel(double v) const;

    /// The number of ticks of the last paint (at most 50 of them).
    int NumTicks() const;
    /// The value of tick index, 1-based; 0 outside 1..NumTicks.
    double TickValue(int index) const;
    /// The ticks of the last paint, in the order they were drawn.
    const TTickValues& TickValues() const;

    /// The decimal tick step for n intervals from start to finish: step 1, 2 or 5 times a power
    /// of ten, the first multiple of it at or past start, and the minor intervals per step.
    /// Equal or non-finite ends give step 0 with first = start; n below 1 counts as 1.
    static void ChooseTickStep(int n, double start, double finish, double& first, double& step,
                               int& minorIntervals);
    ///@}

    /// @name Tick texts
    ///@{

    /// The decimals of the tick numbers (-2 as built): 0..12 fixed decimals, -1 scientific
    /// notation, -2 chosen by the range, -3 chosen by the range on a linear scale and only the
    /// decade exponents at the powers of ten on a logarithmic one.
    int DecPlaces() const;
    /// Sets the decimals of the tick numbers, clamped to -3 .. 12; repaints on every assignment.
    void SetDecPlaces(int d);
    /// Numbers written with a decimal comma (2,5) instead of the point; off by default.
    bool Comma() const;
    /// Switches the decimal comma; repaints on a change.
    void SetComma(bool comma);
    /// The tick texts of LabelType ftUserText (empty as built): items separated by "|", one per
    /// major tick in turn.
    QString UserTickText() const;
    /// Sets the tick texts of LabelType ftUserText; repaints on every assignment.
    void SetUserTickText(const QString& t);
    /// The inscription of the numeric tick texts (empty as built): an "&" in it stands for the
    /// number; without one it is written before the number.
    QString ScaleInscript() const;
    /// Sets the inscription of the numeric tick texts; repaints on every assignment.
    void SetScaleInscript(const QString& t);
    /// The scale's own date/time label settings; a change of them repaints. They read hh:mm:ss,
    /// day-month and a four-digit year, "-" and ":" as separators, month names, a date once per
    /// day, as built.
    TDTLabel* DateFormat() const;
    /// Copies the settings into the scale's own object; nullptr is ignored.
    void SetDateFormat(TDTLabel* source);
    ///@}

    /// @name Look
    /// The caption, its place and the base line repaint on every assignment, the colours and the
    /// frame on a change.
    ///@{

    /// The caption (empty as built: none is drawn).
    QString Caption() const;
    /// Sets the caption.
    void SetCaption(const QString& c);
    /// The caption's x offset in pixels (4 as built): from the anchor point on a horizontal axis,
    /// from the axis line on a vertical one.
    int CaptionPosX() const;
    /// Sets the caption's x offset.
    void SetCaptionPosX(int x);
    /// The caption's y offset in pixels (4 as built): from the axis line on a horizontal axis, from
    /// the anchor point on a vertical one.
    int CaptionPosY() const;
    /// Sets the caption's y offset.
    void SetCaptionPosY(int y);
    /// Whether the caption starts, ends or is centred at its x position (taCenter as built).
    TAlignment CaptionAlignment() const;
    /// Sets the caption's alignment.
    void SetCaptionAlignment(TAlignment a);
    /// The point along the axis the caption's position counts from (uaSclTopLft as built).
    TScaleUnitAnchor CaptionAnchor() const;
    /// Sets the caption's anchor point.
    void SetCaptionAnchor(TScaleUnitAnchor a);
    /// The colour of the base line and the ticks (0x00BBGGRR; black as built); the texts take the
    /// font's colour.
    TColor ColorScale() const;
    /// Sets the colour of the base line and the ticks.
    void SetColorScale(TColor c);
    /// Sets the colour of the base line and the ticks from a Qt colour.
    void SetColorScale(const QtColor auto& c) { SetColorScale(ToColor(c)); }
    /// The fill of an opaque scale, and the background of its texts (0x00BBGGRR; the button face
    /// colour as built).
    TColor ColorBackGnd() const;
    /// Sets the fill of an opaque scale.
    void SetColorBackGnd(TColor c);
    /// Sets the fill of an opaque scale from a Qt colour.
    void SetColorBackGnd(const QtColor auto& c) { SetColorBackGnd(ToColor(c)); }
    /// The colours of the 3-D frame lines (csBWG as built).
    TColorScheme ColorScheme() const;
    /// Sets the colour scheme; it sets the shadow and highlight colours of FrameColors.
    void SetColorScheme(TColorScheme s);
    /// The frame of an opaque scale (fsLowered as built); a transparent scale has none.
    TFrameStyle FrameStyle() const;
    /// Sets the frame of an opaque scale.
    void SetFrameStyle(TFrameStyle s);
    /// The four colours the frame is drawn with: dark, shadow, highlight and light.
    const TFrameColors& FrameColors() const;
    /// Whether the axis line is drawn from one end of the axis to the other (true as built).
    bool ShowBaseLine() const;
    /// Switches the axis line.
    void SetShowBaseLine(bool on);
    /// Whether the scale is drawn over what lies beneath, without fill or frame, its texts on a
    /// clear background (false as built).
    bool Transparent() const;
    /// Switches transparency; a see-through control lets its parent paint beneath it first.
    /// Repaints on every assignment.
    void SetTransparent(bool on);
    ///@}

    /// @name Font, ParentFont, ShowHint, ParentShowHint, PopupMenu and Align: the controls' shared ones
    ///@{

    using TPaintedControl::Align;              ///< The docking to an edge of the parent.
    using TPaintedControl::Font;               ///< The font of the tick texts and the caption.
    using TPaintedControl::ParentFont;         ///< Whether the font follows the form's.
    using TPaintedControl::ParentShowHint;     ///< Whether the ancestor's ShowHint decides.
    using TPaintedControl::PopupMenu;          ///< The menu a right click opens; not owned.
    using TPaintedControl::SetAlign;           ///< Docks the scale to an edge of its parent.
    using TPaintedControl::SetFont;            ///< Copies the settings of a font into the scale's.
    using TPaintedControl::SetParentFont;      ///< Lets the font follow the form's, or not.
    using TPaintedControl::SetParentShowHint;  ///< Lets the ancestor's ShowHint decide, or not.
    using TPaintedControl::SetPopupMenu;       ///< Sets the menu a right click opens.
    using TPaintedControl::SetShowHint;        ///< Switches the tool tips.
    using TPaintedControl::ShowHint;           ///< Whether tool tips (Hint) appear.
    ///@}

    /// The scale's own visibility flag (true as built). An embedded scale only keeps the flag: it
    /// never shows as a widget, its owner draws it.
    bool Visible() const;
    /// Sets the visibility flag; a scale on a form shows or hides with it.
    void SetVisible(bool visible);

    /// @name Embedding
    ///@{

    /// Whether the scale's painting is held back (false as built); RenderNow paints all the same.
    bool PaintSuppressed() const;
    /// Holds painting back, or lets it go; letting it go repaints.
    void SetPaintSuppressed(bool on);
    /// Whether the scale is embedded in another control (false as built).
    bool Embedded() const;
    /// Embeds the scale: it hides as a widget for good and paints only onto its target canvas.
    /// Back on its form it shows as Visible says. A change repaints.
    void SetEmbedded(bool on);
    /// All painting goes to the canvas, the control's top-left corner at (dx, dy); nullptr paints
    /// the control's own picture again.
    void SetTargetCanvas(TCanvas* canvas, int dx, int dy);
    /// The canvas painting goes to; nullptr for the control's own picture.
    TCanvas* TargetCanvas() const;
    /// Paints once now, PaintSuppressed or not.
    void RenderNow();
    /// Paints at once when opaque or embedded; a transparent control on a form is invalidated
    /// instead, and paints when its window does. An embedded scale without a target canvas
    /// paints nothing.
    void RequestRepaint();
    /// The control's own picture, painted first when an invalidation is pending.
    const QImage& RenderedPicture();
    /// Draws the scale onto an active painter as vectors (a PDF, an SVG, a printer): lines as
    /// paths, texts as texts, at the places of its picture, one unit of the painter a pixel, from
    /// (0, 0) to (width, height); embedded, hidden or held back alike. The painter's state is as
    /// it was afterwards; a scale that is loading or has no size draws nothing.
    void ToPainter(QPainter& painter);
    ///@}

    /// Copies the settings of another scale (not its font, bounds, visibility, Embedded flag,
    /// loading state, OnBeforeScaleRendered, OnAfterScaleRendered or OnContextPopup; the target
    /// canvas, PaintSuppressed, OnScaleTickDrawn and the tick values come along), then repaints.
    /// Other sources throw EVexaError.
    void Assign(const QObject* source);
    /// dest.Assign(this) when dest is a scale; otherwise throws EVexaError.
    void AssignTo(QObject* dest) const;

    /// Position and size. An embedded scale takes them (a negative size as 0) and renews its
    /// mapping, without a picture: its owner keeps the size in step with its own.
    void SetBounds(int left, int top, int width, int height) override;
    /// The form has been read: the font follows its ancestor again, a logarithmic switch the form
    /// made against a range it does not fit gives way, the mapping is renewed and the scale
    /// repaints.
    void Loaded() override;
    /// A size for layouts: room for the texts across the axis, 200 pixels along it.
    QSize sizeHint() const override;

    /// Called after each tick mark is drawn (see TScaleTickDrawnEvent).
    TScaleTickDrawnEvent OnScaleTickDrawn;
    /// Called before the axis is drawn, with the canvas it goes onto.
    TScaleRenderedEvent OnBeforeScaleRendered;
    /// Called after the ticks, texts, caption and base line, with the canvas they were drawn on;
    /// an opaque scale draws its frame after it, and one that paints onto a target canvas passes
    /// its off-screen canvas.
    TScaleRenderedEvent OnAfterScaleRendered;
    /// Called when a right click asks for the context menu (see TContextPopupEvent).
    TContextPopupEvent OnContextPopup;

protected:
    /// Draws the scale where it may paint, onto the target canvas or the control's own picture.
    void Paint() override;
    /// Premultiplied ARGB for a transparent scale, RGB32 for an opaque one.
    QImage::Format PictureFormat() const override;
    /// Renews the mapping; a scale on a form is drawn again at its new size when it next shows.
    void BoundsChanged() override;
    /// Renews the mapping and asks for a repaint (RequestRepaint).
    void PropertyChanged() override;
    /// Calls OnContextPopup; true when the handler kept PopupMenu closed.
    bool ContextPopup(QPoint pos) override;
    /// Paints a pending picture first, then shows the picture.
    void paintEvent(QPaintEvent* event) override;
    /// A scale nobody loaded (made in code, or by a form loader) counts as loaded when it first shows.
    void showEvent(QShowEvent* event) override;

private:
    friend class TScalePrivate;
    std::unique_ptr<TScalePrivate> const d;
};
