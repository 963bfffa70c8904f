// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "Enums.h"
#include "TColor.h"
#include "TFont.h"
#include "gravilo_chart_export.h"

/// A text label of the chart: one or more lines of text at a point given in pixels or in world
/// coordinates of a layer, plain, boxed, underlined or with a shadow.
///
/// A label made on its own starts as this class sets it: visible, plain, at pixel (100, 10), not
/// attached to data (tlamNone). The chart's thirty labels (TextLabel(1) to TextLabel(30)) start as
/// the chart sets them: hidden, boxed, at (0, 0), attached to data in x and y (tlamBoth), with a
/// white box, a 3-pixel shadow and the chart's font.
///
/// A label is drawn while it is Visible, its Mode is not tlOff and its layer is shown; the chart
/// draws label 30 first and label 1 last, on top. Every setter reports through OnChange, changed
/// value or not. TTextLabel publishes the settings as properties.
class GRAVILO_CHART_EXPORT TCustomTextLabel : public QObject {
    Q_OBJECT
public:
    /// A label with the settings of this class (see the class); its font is a default font.
    explicit TCustomTextLabel(QObject* parent = nullptr);
    /// Destroys the label and its font.
    ~TCustomTextLabel() override;

    /// The point's x coordinate: a world coordinate of Layer when AttachToData covers x, a pixel
    /// of the control (rounded) otherwise (100 as built).
    double PosX() const { return FPosX; }
    /// Sets the point's x coordinate.
    void SetPosX(double v);
    /// The point's y coordinate: a world coordinate of Layer when AttachToData covers y, a pixel
    /// of the control (rounded) otherwise (10 as built).
    double PosY() const { return FPosY; }
    /// Sets the point's y coordinate.
    void SetPosY(double v);
    /// The layer whose axes place the attached coordinates, and whose visibility the label
    /// follows (1 as built).
    int Layer() const { return FLayer; }
    /// Sets the layer; values outside 1 .. 16 are ignored.
    void SetLayer(int v);
    /// How far the shadow lies to the right of the box, in pixels (0 as built); mode tlShadow.
    int ShadowDx() const { return FShadowDx; }
    /// Sets how far the shadow lies to the right (negative: to the left).
    void SetShadowDx(int v);
    /// How far the shadow lies below the box, in pixels (0 as built); mode tlShadow.
    int ShadowDy() const { return FShadowDy; }
    /// Sets how far the shadow lies below (negative: above).
    void SetShadowDy(int v);
    /// The shadow's colour (0x00BBGGRR; 0x808080, grey, as built).
    TColor ColorShadow() const { return FColorShadow; }
    /// Sets the shadow's colour.
    void SetColorShadow(TColor v);
    /// Sets the shadow's colour from a Qt colour.
    void SetColorShadow(const QtColor auto& v) { SetColorShadow(ToColor(v)); }
    /// Where the text stands against the point, and how its lines align with each other: starting
    /// at the point (taLeftJustify), ending at it (taRightJustify) or centred on it (taCenter, as
    /// built).
    TAlignment Alignment() const { return FAlignment; }
    /// Sets the horizontal alignment.
    void SetAlignment(TAlignment v);
    /// Where the lines stand against the point (vaBottom as built: the last line stands on it).
    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    /// Sets the vertical alignment.
    void SetVerticalAlignment(TVerticalAlignment v);
    /// Which of PosX and PosY are world coordinates of the layer (tlamNone as built: both pixels).
    TTxtLblAttachMode AttachToData() const { return FAttachToData; }
    /// Sets which coordinates are world coordinates.
    void SetAttachToData(TTxtLblAttachMode v);
    /// The colour behind the text and inside the box (0x00BBGGRR; 0xC0C0C0, silver, as built).
    TColor ColorBkg() const { return FColorBkg; }
    /// Sets the background colour.
    void SetColorBkg(TColor v);
    /// Sets the background colour from a Qt colour.
    void SetColorBkg(const QtColor auto& v) { SetColorBkg(ToColor(v)); }
    /// The colour of the box's outline and of the underline (0x00BBGGRR; black as built).
    TColor ColorBorder() const { return FColorBorder; }
    /// Sets the border colour.
    void SetColorBorder(TColor v);
    /// Sets the border colour from a Qt colour.
    void SetColorBorder(const QtColor auto& v) { SetColorBorder(ToColor(v)); }
    /// Whether the background stays unfilled, so that what lies beneath shows (false as built);
    /// the box of mode tlShadow is filled all the same.
    bool Transparent() const { return FTransparent; }
    /// Sets whether the background stays unfilled.
    void SetTransparent(bool v);
    /// The label's own font; a change of it notifies as a setter does.
    TFont* Font() const { return FFont.get(); }
    /// Copies the settings of font into the label's font.
    void SetFont(const TFont& font) { FFont->Assign(font); }
    /// The text (empty as built).
    QString Caption() const { return FCaption; }
    /// Sets the text; line feeds split it into lines.
    void SetCaption(const QString& v);
    /// How the label is drawn (tlsimple as built).
    TTxtLblMode Mode() const { return FMode; }
    /// Sets how the label is drawn; tlOff hides it.
    void SetMode(TTxtLblMode v);
    /// Whether the label is drawn (true as built).
    bool Visible() const { return FVisible; }
    /// Shows or hides the label.
    void SetVisible(bool v);

    /// Copies every setting of the other label, its font's included, then notifies once; the
    /// label keeps its own OnChange.
    void Assign(const TCustomTextLabel& other);

    /// Called after a setting was set, with the label; the chart installs it to redraw.
    std::function<void(TCustomTextLabel*)> OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    double FPosX = 100;
    double FPosY = 10;
    int FLayer = 1;
    int FShadowDx = 0;
    int FShadowDy = 0;
    TColor FColorShadow = 0x808080;
    TAlignment FAlignment = taCenter;
    TVerticalAlignment FVerticalAlignment = vaBottom;
    TTxtLblAttachMode FAttachToData = tlamNone;
    TColor FColorBkg = 0xC0C0C0;
    TColor FColorBorder = 0;
    bool FTransparent = false;
    std::unique_ptr<TFont> FFont;
    QString FCaption;
    TTxtLblMode FMode = tlsimple;
    bool FVisible = true;
};

/// The text label with its settings published as properties, for forms: the chart's thirty labels
/// are of this class.
class GRAVILO_CHART_EXPORT TTextLabel : public TCustomTextLabel {
    Q_OBJECT
    Q_PROPERTY(double PosX READ PosX WRITE SetPosX)
    Q_PROPERTY(double PosY READ PosY WRITE SetPosY)
    Q_PROPERTY(int Layer READ Layer WRITE SetLayer)
    Q_PROPERTY(int ShadowDx READ ShadowDx WRITE SetShadowDx)
    Q_PROPERTY(int ShadowDy READ ShadowDy WRITE SetShadowDy)
    Q_PROPERTY(TColor ColorShadow READ ColorShadow WRITE SetColorShadow)
    Q_PROPERTY(Vexa::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(Vexa::TVerticalAlignment VerticalAlignment READ VerticalAlignment WRITE SetVerticalAlignment)
    Q_PROPERTY(Vexa::TTxtLblAttachMode AttachToData READ AttachToData WRITE SetAttachToData)
    Q_PROPERTY(TColor ColorBkg READ ColorBkg WRITE SetColorBkg)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE SetColorBorder)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Vexa::TTxtLblMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    using TCustomTextLabel::TCustomTextLabel;
};
