// SPDX-License-Identifier: MIT
#pragma once
// A text label of the chart: one or more lines of text at a point given in pixels or in world
// coordinates of a layer, plain, boxed, underlined or with a shadow.
//
// A label made on its own starts as this class sets it: visible, plain, at pixel (100, 10), not
// attached to data (tlamNone). The chart's thirty labels (TextLabel(1) to TextLabel(30)) start as
// the chart sets them: hidden, boxed, at (0, 0), attached to data in x and y (tlamBoth), with a
// white box, a 3-pixel shadow and the chart's font.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "Enums.h"
#include "TColor.h"
#include "TFont.h"
#include "gravilo_chart_export.h"

class GRAVILO_CHART_EXPORT TCustomTextLabel : public QObject {
    Q_OBJECT
public:
    explicit TCustomTextLabel(QObject* parent = nullptr);
    ~TCustomTextLabel() override;

    double PosX() const { return FPosX; }
    void SetPosX(double v);
    double PosY() const { return FPosY; }
    void SetPosY(double v);
    int Layer() const { return FLayer; }
    void SetLayer(int v);  // values outside 1 .. 16 are ignored
    int ShadowDx() const { return FShadowDx; }
    void SetShadowDx(int v);
    int ShadowDy() const { return FShadowDy; }
    void SetShadowDy(int v);
    TColor ColorShadow() const { return FColorShadow; }
    void SetColorShadow(TColor v);
    void SetColorShadow(const QtColor auto& v) { SetColorShadow(ToColor(v)); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment v);
    TTxtLblAttachMode AttachToData() const { return FAttachToData; }
    void SetAttachToData(TTxtLblAttachMode v);
    TColor ColorBkg() const { return FColorBkg; }
    void SetColorBkg(TColor v);
    void SetColorBkg(const QtColor auto& v) { SetColorBkg(ToColor(v)); }
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor v);
    void SetColorBorder(const QtColor auto& v) { SetColorBorder(ToColor(v)); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& font) { FFont->Assign(font); }
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& v);  // line feeds split it into lines
    TTxtLblMode Mode() const { return FMode; }
    void SetMode(TTxtLblMode v);
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);

    void Assign(const TCustomTextLabel& other);

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
