// SPDX-License-Identifier: MIT
#pragma once
// The state of a chart, behind its interface: every default is set here, once. The chart's files
// implement its behaviour on this object (display list, layers, layout, painting, mouse).

#include <QPoint>
#include <array>
#include <memory>

#include "ChartBackground.h"
#include "ChartCrossHairs.h"
#include "ChartFrame.h"
#include "ChartGrid.h"
#include "ChartTextLabels.h"
#include "ChartTools.h"
#include "PloticaMapping.h"
#include "RenderCheckpoint.h"
#include "TBitmap.h"
#include "TCustomPlotica.h"

class TItemList;
struct TItemRenderSetup;

class TPloticaPrivate : public TChartViewSource {
public:
    explicit TPloticaPrivate(TCustomPlotica& chart);
    ~TPloticaPrivate();

    TCustomPlotica& q;

    // ---- display list and the drawing state stamped into new items ----------------------------
    std::shared_ptr<TItemList> Items;
    int AllocSize = 1000;
    TColor DataColor = 0;
    TColor FillColor = 0xC0C0C0;
    std::uint8_t LineWidth = 1;
    TPenStyle PenStyle = psSolid;
    int ClassDefault = 0;
    int CurrentLayer = 1;
    bool FillTransparent = false;
    std::array<bool, 256> ClassVisible;                    // all true
    std::array<bool, PloticaLayerCount + 1> LayerVisible;  // all true
    bool AutoRedraw = true;
    // data sharing: the source whose list this chart shows, and the charts that show this one's
    TCustomPlotica* UseDataOf = nullptr;
    std::array<TCustomPlotica*, TCustomPlotica::MaxSharers> Sharers{};
    int SharerCount = 0;

    // ---- layers -----------------------------------------------------------------------------------
    std::array<TLayerMapping, PloticaLayerCount + 1> Mapping{};
    std::array<TScalePropsHoriz*, PloticaLayerCount + 1> ScaleX{};
    std::array<TScalePropsVert*, PloticaLayerCount + 1> ScaleY{};
    std::unique_ptr<TPloticaAxes> Axes;
    TJointLayers* JointLayers = nullptr;

    // ---- settings objects and the parts that draw them ---------------------------------------------
    std::array<TCrossHair*, PloticaCrossHairCount + 1> CrossHairs{};
    std::array<TTextLabel*, PloticaTextLabelCount + 1> TextLabels{};
    TBakGndImg* BackGroundImg = nullptr;
    std::unique_ptr<TFont> Font;
    TFramePart Frame;  // window colour, shadow, caption
    std::unique_ptr<TBackgroundPart> Background;
    TGridPart Grid;
    std::unique_ptr<TTextLabelsPart> Labels;
    std::unique_ptr<TCrossHairsPart> Hairs;

    // ---- geometry and look --------------------------------------------------------------------------
    // The margins a chart is built with; the standard layout applied at the end of construction
    // makes them 50, 20, 20, 40 (and moves the caption from y -15 to -16).
    int MarginLeft = 50;
    int MarginRight = 10;
    int MarginTop = 16;
    int MarginBottom = 32;
    int ShadowWidth = 0;
    TColor ChartColor = 0xFFFFFF;
    TColor ChartFrameColor = 0;
    // text items
    TFontStyles TextFontStyle = 0;
    TTextBkg TextBkStyle = tbClear;
    TColor TextBkColor = 0xFFFFFF;
    TAlignment TextAlignment = taCenter;
    bool Isometric = false;
    TplLayout StandardLayout = pll_X1Bottom_Y1Left;
    bool PaintSuppressed = true;  // nothing paints until the window exists
    bool WindowCreated = false;
    int AspectX = 36;  // the screen's dots per inch
    int AspectY = 36;

    // ---- mouse ----------------------------------------------------------------------------------------
    TMouseActMode MouseAction = maNone;
    bool MouseCursorFixed = true;
    std::array<bool, PloticaLayerCount + 1> MouseLayers{};  // layer 1 only
    bool KeepsTab = true;
    std::unique_ptr<TPanTool> Pan;
    std::unique_ptr<TZoomDragTool> ZoomDrag;
    std::unique_ptr<TZoomWindowTool> ZoomWindow;
    std::unique_ptr<TCrossHairDragTool> CrossHairDrag;
    std::unique_ptr<TTextLabelDragTool> TextLabelDrag;

    // ---- rendering --------------------------------------------------------------------------------------
    TBitmap ControlBmp;
    TBitmap DataBmp;
    TBitmap ScratchBmp;
    std::unique_ptr<TRenderCheckpoint> Checkpoint;
    bool ShowingItems = false;
    int ItemsDrawn = 0;
    // scale settings changed in a batch wait for its end
    int ScaleBatch = 0;
    bool ScaleChangePending = false;

    // ---- behaviour ---------------------------------------------------------------------------------------
    // the chart as its parts see it, painting a canvas that shows the control from `origin` on
    TChartView View(QPoint origin) const;
    TChartView View() const override { return View(QPoint(0, 0)); }
    // the tool of the mouse action; nullptr for the modes the chart does not act on
    TChartTool* Tool() const;
    // the topmost part of the picture under a control pixel, nullptr outside the control
    const TChartPart* PartAt(QPoint pixel) const;

    // display list (PloticaDisplayList.cpp)
    TDrawItem* NewItem(TDrawItemKind kind, double x1, double y1, double x2, double y2);
    void RemoveSharer(TCustomPlotica* chart);
    void LeaveSource();
    void RefreshChart();
    // layers (PloticaScaling.cpp)
    int DataAreaWidth() const { return q.width() - MarginLeft - MarginRight - ShadowWidth; }
    int DataAreaHeight() const { return q.height() - MarginTop - MarginBottom - ShadowWidth; }
    // layout (PloticaLayout.cpp)
    void ApplyIsometric(int layer);
    void ApplyIsometricToAll();
    void ForwardAllAxes();
    // the axes' loading ends (once: later calls find it ended)
    void FinishLoadingAxes();
    void SetLayerDefaults();
    void ApplyScaleChanges();
    void MarginChanged(int which);
    void SizeDataBitmap();
    // rendering (PloticaPaint.cpp, PloticaCheckpoint.cpp)
    bool CanPaint() const;
    void PaintFrame();
    void PaintDataBackground();
    void RenderData();
    // the data area onto a canvas: from the checkpoint, or every item anew
    void DrawData(TCanvas& canvas, bool fromCheckpoint);
    void RefreshDataArea();
    // vector output (PloticaVector.cpp): the whole chart onto a painter
    void DrawVector(QPainter& painter);
    void FireRender(const TRenderEvent& event, TCanvas& canvas, int top, int left);
    void FillItemSetup(TItemRenderSetup& setup) const;
    bool CheckpointAllowed() const;
    void RenderDataFromCheckpoint();
    void FillPictureKey(TDataPictureKey& key) const;
    // mouse (PloticaMouse.cpp)
    void ShowModeCursor(int x, int y);
};
