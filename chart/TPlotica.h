// SPDX-License-Identifier: MIT
#pragma once

#include "TBakGndImg.h"
#include "TCrossHair.h"
#include "TCustomPlotica.h"
#include "TJointLayers.h"
#include "TScaleProps.h"
#include "gravilo_chart_export.h"

/// The chart as forms use it: TCustomPlotica with its published properties.
///
/// The properties carry the names a form file gives them (LRim, RRim, TRim and BRim are second
/// names of the four margins); Scale1X..Scale4Y and CrossHair1..CrossHair4 publish the axis
/// settings of layers 1 to 4 and the four cross-hairs. Everything else is TCustomPlotica's.
class GRAVILO_CHART_EXPORT TPlotica : public TCustomPlotica {
    Q_OBJECT
    // display list and drawing state
    Q_PROPERTY(int AllocSize READ AllocSize WRITE SetAllocSize)
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE SetAutoRedraw)
    Q_PROPERTY(int ClassDefault READ ClassDefault WRITE SetClassDefault)
    Q_PROPERTY(TColor DataColor READ DataColor WRITE SetDataColor)
    Q_PROPERTY(TColor FillColor READ FillColor WRITE SetFillColor)
    Q_PROPERTY(int LineWidth READ LineWidth WRITE SetLineWidth)
    Q_PROPERTY(Vexa::TPenStyle PenStyle READ PenStyle WRITE SetPenStyle)
    Q_PROPERTY(TCustomPlotica* UseDataOf READ UseDataOf WRITE SetUseDataOf)
    // layout and look
    Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
    Q_PROPERTY(int LRim READ MarginLeft WRITE SetMarginLeft)
    Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
    Q_PROPERTY(int RRim READ MarginRight WRITE SetMarginRight)
    Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
    Q_PROPERTY(int TRim READ MarginTop WRITE SetMarginTop)
    Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
    Q_PROPERTY(int BRim READ MarginBottom WRITE SetMarginBottom)
    Q_PROPERTY(int ShadowWidth READ ShadowWidth WRITE SetShadowWidth)
    Q_PROPERTY(Vexa::TShadowStyle ShadowStyle READ ShadowStyle WRITE SetShadowStyle)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(TColor ShadowBakColor READ ShadowBakColor WRITE SetShadowBakColor)
    Q_PROPERTY(TColor ChartColor READ ChartColor WRITE SetChartColor)
    Q_PROPERTY(TColor WindColor READ WindColor WRITE SetWindColor)
    Q_PROPERTY(TColor ChartFrameColor READ ChartFrameColor WRITE SetChartFrameColor)
    Q_PROPERTY(TColor GridColor READ GridColor WRITE SetGridColor)
    Q_PROPERTY(Plotica::GridStyleType GridStyle READ GridStyle WRITE SetGridStyle)
    Q_PROPERTY(double GridDx READ GridDx WRITE SetGridDx)
    Q_PROPERTY(double GridDy READ GridDy WRITE SetGridDy)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX)
    Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY)
    Q_PROPERTY(Vexa::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment)
    Q_PROPERTY(
        Plotica::TCaptionAnchorHoriz CaptionAnchorHoriz READ CaptionAnchorHoriz WRITE SetCaptionAnchorHoriz)
    Q_PROPERTY(
        Plotica::TCaptionAnchorVert CaptionAnchorVert READ CaptionAnchorVert WRITE SetCaptionAnchorVert)
    Q_PROPERTY(unsigned TextFontStyle READ TextFontStyle WRITE SetTextFontStyle)
    Q_PROPERTY(Plotica::TTextBkg TextBkStyle READ TextBkStyle WRITE SetTextBkStyle)
    Q_PROPERTY(TColor TextBkColor READ TextBkColor WRITE SetTextBkColor)
    Q_PROPERTY(Vexa::TAlignment TextAlignment READ TextAlignment WRITE SetTextAlignment)
    Q_PROPERTY(bool Isometric READ Isometric WRITE SetIsometric)
    Q_PROPERTY(Plotica::TplLayout StandardLayout READ StandardLayout WRITE SetStandardLayout)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(Vexa::TAlign Align READ Align WRITE SetAlign)
    // settings objects
    Q_PROPERTY(TScalePropsHoriz* Scale1X READ Scale1X WRITE SetScale1X)
    Q_PROPERTY(TScalePropsHoriz* Scale2X READ Scale2X WRITE SetScale2X)
    Q_PROPERTY(TScalePropsHoriz* Scale3X READ Scale3X WRITE SetScale3X)
    Q_PROPERTY(TScalePropsHoriz* Scale4X READ Scale4X WRITE SetScale4X)
    Q_PROPERTY(TScalePropsVert* Scale1Y READ Scale1Y WRITE SetScale1Y)
    Q_PROPERTY(TScalePropsVert* Scale2Y READ Scale2Y WRITE SetScale2Y)
    Q_PROPERTY(TScalePropsVert* Scale3Y READ Scale3Y WRITE SetScale3Y)
    Q_PROPERTY(TScalePropsVert* Scale4Y READ Scale4Y WRITE SetScale4Y)
    Q_PROPERTY(TBakGndImg* BackGroundImg READ BackGroundImg WRITE SetBackGroundImg)
    Q_PROPERTY(TJointLayers* JointLayers READ JointLayers WRITE SetJointLayers)
    Q_PROPERTY(TCrossHair* CrossHair1 READ CrossHair1 WRITE SetCrossHair1)
    Q_PROPERTY(TCrossHair* CrossHair2 READ CrossHair2 WRITE SetCrossHair2)
    Q_PROPERTY(TCrossHair* CrossHair3 READ CrossHair3 WRITE SetCrossHair3)
    Q_PROPERTY(TCrossHair* CrossHair4 READ CrossHair4 WRITE SetCrossHair4)
    // mouse
    Q_PROPERTY(Vexa::TMouseActMode MouseAction READ MouseAction WRITE SetMouseAction)
    Q_PROPERTY(bool MouseCursorFixed READ MouseCursorFixed WRITE SetMouseCursorFixed)
public:
    /// A chart inside parent, with the settings TCustomPlotica is built with.
    explicit TPlotica(QWidget* parent = nullptr) : TCustomPlotica(parent) {}

    /// Docking to an edge of the parent, as forms lay out their controls.
    using TPaintedControl::Align;
    /// Docks the chart to an edge of its parent (or undocks it).
    using TPaintedControl::SetAlign;

    /// The x-axis settings of layer 1 (ScalePropsX(1)).
    TScalePropsHoriz* Scale1X() const { return ScalePropsX(1); }
    /// The x-axis settings of layer 2 (ScalePropsX(2)).
    TScalePropsHoriz* Scale2X() const { return ScalePropsX(2); }
    /// The x-axis settings of layer 3 (ScalePropsX(3)).
    TScalePropsHoriz* Scale3X() const { return ScalePropsX(3); }
    /// The x-axis settings of layer 4 (ScalePropsX(4)).
    TScalePropsHoriz* Scale4X() const { return ScalePropsX(4); }
    /// The y-axis settings of layer 1 (ScalePropsY(1)).
    TScalePropsVert* Scale1Y() const { return ScalePropsY(1); }
    /// The y-axis settings of layer 2 (ScalePropsY(2)).
    TScalePropsVert* Scale2Y() const { return ScalePropsY(2); }
    /// The y-axis settings of layer 3 (ScalePropsY(3)).
    TScalePropsVert* Scale3Y() const { return ScalePropsY(3); }
    /// The y-axis settings of layer 4 (ScalePropsY(4)).
    TScalePropsVert* Scale4Y() const { return ScalePropsY(4); }
    /// Writing copies the settings into the chart's own object, here layer 1's x axis; nullptr is
    /// ignored.
    void SetScale1X(TScalePropsHoriz* v) { AssignScale(ScalePropsX(1), v); }
    /// Copies the settings of v into layer 2's x axis; nullptr is ignored.
    void SetScale2X(TScalePropsHoriz* v) { AssignScale(ScalePropsX(2), v); }
    /// Copies the settings of v into layer 3's x axis; nullptr is ignored.
    void SetScale3X(TScalePropsHoriz* v) { AssignScale(ScalePropsX(3), v); }
    /// Copies the settings of v into layer 4's x axis; nullptr is ignored.
    void SetScale4X(TScalePropsHoriz* v) { AssignScale(ScalePropsX(4), v); }
    /// Copies the settings of v into layer 1's y axis; nullptr is ignored.
    void SetScale1Y(TScalePropsVert* v) { AssignScale(ScalePropsY(1), v); }
    /// Copies the settings of v into layer 2's y axis; nullptr is ignored.
    void SetScale2Y(TScalePropsVert* v) { AssignScale(ScalePropsY(2), v); }
    /// Copies the settings of v into layer 3's y axis; nullptr is ignored.
    void SetScale3Y(TScalePropsVert* v) { AssignScale(ScalePropsY(3), v); }
    /// Copies the settings of v into layer 4's y axis; nullptr is ignored.
    void SetScale4Y(TScalePropsVert* v) { AssignScale(ScalePropsY(4), v); }
    /// Cross-hair 1 (CrossHair(1)).
    TCrossHair* CrossHair1() const { return CrossHair(1); }
    /// Cross-hair 2 (CrossHair(2)).
    TCrossHair* CrossHair2() const { return CrossHair(2); }
    /// Cross-hair 3 (CrossHair(3)).
    TCrossHair* CrossHair3() const { return CrossHair(3); }
    /// Cross-hair 4 (CrossHair(4)).
    TCrossHair* CrossHair4() const { return CrossHair(4); }
    /// Copies the settings of v into cross-hair 1; nullptr is ignored.
    void SetCrossHair1(TCrossHair* v) { SetCrossHair(1, v); }
    /// Copies the settings of v into cross-hair 2; nullptr is ignored.
    void SetCrossHair2(TCrossHair* v) { SetCrossHair(2, v); }
    /// Copies the settings of v into cross-hair 3; nullptr is ignored.
    void SetCrossHair3(TCrossHair* v) { SetCrossHair(3, v); }
    /// Copies the settings of v into cross-hair 4; nullptr is ignored.
    void SetCrossHair4(TCrossHair* v) { SetCrossHair(4, v); }

private:
    static void AssignScale(TScaleProps* own, TScaleProps* v) {
        if (v) own->Assign(*v);
    }
};
