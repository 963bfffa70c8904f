#pragma once
// The chart control: a display list of drawing items in world coordinates, sixteen layers with
// their own x and y ranges and embedded axis controls, decorations (grid, background image,
// cross-hairs, text labels, caption, shadow) and an off-screen renderer.
//
// Drawing calls never draw: they append items, and ShowItems (or any repaint) renders them at the
// current scale. TPlotica publishes the properties; this class holds the state and behaviour.
// Its concerns live in separate files: display list, mapping, layout and axes, rendering.

#include <QPoint>
#include <array>
#include <functional>
#include <memory>

#include "Enums.h"
#include "PloticaMapping.h"
#include "PloticaTypes.h"
#include "TBitmap.h"
#include "TColor.h"
#include "TDrawItem.h"
#include "TPaintedControl.h"
#include "TScale.h"

class TFont;
class TItemList;
class TScaleProps;
class TScalePropsHoriz;
class TScalePropsVert;
class TBakGndImg;
class TJointLayers;
class TCrossHair;
class TTextLabel;
class TPloticaAxes;
struct TItemRenderSetup;

class TCustomPlotica;

// render events: the handler may replace the canvas the rest of the pass draws on
using TRenderEvent = std::function<void(QObject* Sender, TCanvas*& Canvas, int Top, int Left)>;
// mouse events of the chart
using TMouseMoveInChartEvent = std::function<void(QObject* Sender, bool InChart, TShiftState Shift,
                                                  double rMousePosX, double rMousePosY)>;
using TZoomPanEvent = std::function<void(QObject* Sender)>;
using TCrossHairMoveEvent = std::function<void(QObject* Sender, TCrossHair* WhichCrossHair)>;
using TTextLabelMoveEvent = std::function<void(QObject* Sender, TTextLabel* WhichTextLabel)>;
// key events: Key is the Qt key code; a handler that sets it to 0 has used the key
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;

class TCustomPlotica : public TPaintedControl {
    Q_OBJECT
public:
    static constexpr int MaxSharers = 4;

    explicit TCustomPlotica(QWidget* parent = nullptr);
    ~TCustomPlotica() override;

    // ---- display list ----------------------------------------------------------------------
    void AddMark(double x, double y, int mark);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void AddLine(double x1, double y1, double x2, double y2);
    void AddRectangle(double x1, double y1, double x2, double y2);
    void AddEllipse(double xc, double yc, double rx, double ry);
    // a box in FillColor with a two-colour frame (2 lowered, 3 raised, 4 embossed, 5 engraved)
    void AddFramedBox(double x1, double y1, double x2, double y2, int frameStyle, TColor frameColor1,
                      TColor frameColor2);
    // a bar with a top and a side face drawn at `angle` degrees, `depth` pixels deep
    void AddBar3D(double x1, double y1, double x2, double y2, int angle, int depth);
    // text of at most 17 bytes (longer texts are cut) at a point, size in points
    void AddText(double x, double y, const QString& text, int sizePoints);
    // pen moves and lines by pixel offsets
    void MoveRel(double dx, double dy);
    void LineRel(double dx, double dy);
    // a line with a head of `headLength` pixels at (x2, y2); FillTransparent draws an open head
    void AddArrow(double x1, double y1, double x2, double y2, int headLength);
    void RemoveLastItem();
    void ClearItems();
    void ShowItems();
    void PropagateItems();

    int ItemCount() const;
    int ItemCapacity() const;
    const TDrawItem& Item(int index) const;  // 0 .. ItemCount-1
    int AllocSize() const { return FAllocSize; }
    void SetAllocSize(int v);  // 1 .. 1000000; other values are ignored

    TColor DataColor() const { return FDataColor; }
    void SetDataColor(TColor v) { FDataColor = v; }
    TColor FillColor() const { return FFillColor; }
    void SetFillColor(TColor v) { FFillColor = v; }
    int LineWidth() const { return FLineWidth; }
    void SetLineWidth(int v) { FLineWidth = std::uint8_t(v); }
    TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(TPenStyle v) { FPenStyle = v; }
    int ClassDefault() const { return FClassDefault; }
    void SetClassDefault(int v);  // 255 is ignored
    int CurrentLayer() const { return FCurrentLayer; }
    void SetCurrentLayer(int layer);  // clamps to 1 .. 16
    bool FillTransparent() const { return FFillTransparent; }
    void SetFillTransparent(bool v) { FFillTransparent = v; }
    bool ClassVisible(int itemClass) const;
    void SetClassVisible(int itemClass, bool visible);  // repaints
    bool LayerVisible(int layer) const;
    void SetLayerVisible(int layer, bool visible);  // repaints
    bool AutoRedraw() const { return FAutoRedraw; }
    void SetAutoRedraw(bool v) { FAutoRedraw = v; }

    TCustomPlotica* UseDataOf() const { return FUseDataOf; }
    void SetUseDataOf(TCustomPlotica* source);
    int SharerCount() const { return FSharerCount; }
    TCustomPlotica* Sharer(int i) const { return FSharers[i]; }

    // ---- layers and mapping ----------------------------------------------------------------
    virtual void UpdateScaling();
    void WorldToPixel(int layer, double x, double y, int& px, int& py) const;
    QPoint WorldToPixel(int layer, double x, double y) const;
    void PixelToWorld(int layer, int px, int py, double& x, double& y) const;
    void SetLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh);
    const TLayerMapping& LayerMapping(int layer) const { return FMapping[ClampLayer(layer)]; }

    // data area in control pixels: left, top, right, bottom edges (both ends included)
    int DataAreaWidth() const;   // W'
    int DataAreaHeight() const;  // H'

    // ---- settings objects ------------------------------------------------------------------
    TScalePropsHoriz* ScalePropsX(int layer) const;  // a number outside 1..16 gives layer 1
    TScalePropsVert* ScalePropsY(int layer) const;
    TBakGndImg* BackGroundImg() const { return FBackGroundImg; }
    void SetBackGroundImg(TBakGndImg* v);
    TJointLayers* JointLayers() const { return FJointLayers; }
    void SetJointLayers(TJointLayers* v);
    TCrossHair* CrossHair(int n) const;  // 1..4
    void SetCrossHair(int n, TCrossHair* v);
    TTextLabel* TextLabel(int n) const;  // 1..30; nullptr outside
    // the embedded axis control of a layer (1..16; nullptr outside)
    TScale* AxisControl(int layer, bool horizontal) const;
    TFont* Font() const { return FFont.get(); }

    // ---- chart-level layout and look ---------------------------------------------------------
    int MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(int v);
    int MarginRight() const { return FMarginRight; }
    void SetMarginRight(int v);
    int MarginTop() const { return FMarginTop; }
    void SetMarginTop(int v);
    int MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(int v);
    int ShadowWidth() const { return FShadowWidth; }
    void SetShadowWidth(int v);  // clamps to 0 .. 32
    TShadowStyle ShadowStyle() const { return FShadowStyle; }
    void SetShadowStyle(TShadowStyle v);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor v);
    TColor ShadowBakColor() const { return FShadowBakColor; }
    void SetShadowBakColor(TColor v);
    TColor ChartColor() const { return FChartColor; }
    void SetChartColor(TColor v);
    TColor WindColor() const { return FWindColor; }
    void SetWindColor(TColor v);
    TColor ChartFrameColor() const { return FChartFrameColor; }
    void SetChartFrameColor(TColor v);
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor v);
    GridStyleType GridStyle() const { return FGridStyle; }
    void SetGridStyle(GridStyleType v);
    double GridDx() const { return FGridDx; }
    void SetGridDx(double v);  // values below -3 are ignored
    double GridDy() const { return FGridDy; }
    void SetGridDy(double v);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& v);
    int CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(int v);
    int CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(int v);
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment v);
    TCaptionAnchorHoriz CaptionAnchorHoriz() const { return FCaptionAnchorHoriz; }
    void SetCaptionAnchorHoriz(TCaptionAnchorHoriz v);
    TCaptionAnchorVert CaptionAnchorVert() const { return FCaptionAnchorVert; }
    void SetCaptionAnchorVert(TCaptionAnchorVert v);
    TFontStyles TextFontStyle() const { return FTextFontStyle; }
    void SetTextFontStyle(TFontStyles v);
    TTextBkg TextBkStyle() const { return FTextBkStyle; }
    void SetTextBkStyle(TTextBkg v);
    TColor TextBkColor() const { return FTextBkColor; }
    void SetTextBkColor(TColor v);
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment v);
    bool Isometric() const { return FIsometric; }
    void SetIsometric(bool v);
    TplLayout StandardLayout() const { return FStandardLayout; }
    void SetStandardLayout(TplLayout layout);

    // The screen's aspect values (logical dots per inch in x and y; 36 each without a screen).
    int AspectX() const { return FAspectX; }
    int AspectY() const { return FAspectY; }

    // ---- painting ----------------------------------------------------------------------------
    // Full repaint: frame, background, data, axes, cross-hairs; then shown.
    void Paint() override;
    bool PaintSuppressed() const { return FPaintSuppressed; }
    // Raising it stops painting; lowering it from true paints once.
    void SetPaintSuppressed(bool v);
    // The window exists from now on: painting starts (the first show does the same).
    void HandleNeeded();
    // Re-forwards every axis, re-applies all layer ranges and repaints (a scale setting changed).
    void ScaleChanged();
    // Repaints when AutoRedraw is on (a cross-hair, label, background or joint setting changed).
    void RefreshDependent();
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

    // the off-screen pictures: the whole control and the data area
    TBitmap& ControlBitmap() { return FControlBmp; }
    TBitmap& DataBitmap() { return FDataBmp; }

    TRenderEvent OnBeforeRenderData;
    TRenderEvent OnDataRendered;
    TRenderEvent OnScalesRendered;
    TScaleTickDrawnEvent OnScaleTickDrawn;

    // ---- mouse state (the mouse handling itself lives in its own files) ------------------------
    TMouseActMode MouseAction() const { return FMouseAction; }
    // A new mode starts afresh: a zoom window still open is discarded, a drag begins anew.
    void SetMouseAction(TMouseActMode v);
    bool MouseCursorFixed() const { return FMouseCursorFixed; }
    void SetMouseCursorFixed(bool v) { FMouseCursorFixed = v; }
    // The layers that panning and zooming act on (only layer 1 after construction). A layer
    // number outside 1..16 reads false and is ignored when written.
    bool MouseLayer(int layer) const;
    void SetMouseLayer(int layer, bool on);
    // all sixteen flags at once: bit n - 1 stands for layer n
    unsigned MouseLayers() const;
    void SetMouseLayers(unsigned mask);
    bool InDataArea(int x, int y) const;
    // what the mouse is doing
    bool DragActive() const { return FDragActive; }
    bool ZoomWindowActive() const { return FZoomWindowActive; }
    QPoint ZoomWindowStart() const { return FZoomWindowStart; }
    QPoint ZoomWindowCorner() const { return FZoomWindowCorner; }
    int ActiveCrossHair() const { return FActiveCrossHair; }
    int ActiveTextLabel() const { return FActiveTextLabel; }

    TMouseMoveInChartEvent OnMouseMoveInChart;
    TZoomPanEvent OnZoomPan;
    TCrossHairMoveEvent OnCrossHairMove;
    TTextLabelMoveEvent OnTextLabelMove;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;

protected:
    static int ClampLayer(int layer) {
        return layer < 1 ? 1 : (layer > PloticaLayerCount ? PloticaLayerCount : layer);
    }
    // Stores the ranges as they are into the layer's scale properties, forwards both axes and
    // updates the scaling.
    void ApplyLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh);
    void BoundsChanged() override;
    void showEvent(QShowEvent* event) override;
    // the window has been created: painting may start
    virtual void CreateWnd();

    // repaint when AutoRedraw is on or the chart is being designed
    void RepaintIfAuto();

    // mouse handling: the toolkit's events first, then the chart's own processing
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // keyboard: the arrow keys and Tab stay with the focused chart instead of moving the focus
    bool event(QEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

    // Mouse state for the mouse handling (cleared at construction).
    struct TDragStart {
        int X = 0, Y = 0;
        double XLow = 0, XHigh = 0, YLow = 0, YHigh = 0;
    };
    TMouseActMode FMouseAction = maNone;
    bool FMouseCursorFixed = true;
    std::array<bool, PloticaLayerCount + 1> FMouseLayers{};
    bool FDragActive = false;
    std::array<TDragStart, PloticaLayerCount + 1> FDragStart{};
    bool FZoomWindowActive = false;
    QPoint FZoomWindowStart;
    QPoint FZoomWindowCorner;
    int FActiveCrossHair = 1;
    int FActiveTextLabel = 1;

private:
    // mouse handling (PloticaMouse.cpp, PloticaZoomWindow.cpp, PloticaObjectDrag.cpp)
    void DragMove(TShiftState shift, int x, int y);
    void StartDrag(int x, int y);
    void PanStep(int x, int y);
    void ZoomDragStep(int x, int y);
    void PickCrossHair(int x, int y);
    void CrossHairStep(int x, int y);
    void PickTextLabel(int x, int y);
    void TextLabelStep(int x, int y);
    void OpenZoomWindow(int x, int y);
    void MoveZoomWindow(int x, int y);
    void CloseZoomWindow(TMouseButton button);
    void ApplyZoomWindow();
    void DrawZoomWindow();
    void EraseZoomWindow();
    void XorZoomRectangle();
    void ShowModeCursor(int x, int y);
    qint64 FZoomWindowDrawnOn = 0;  // the picture holding the rubber rectangle; 0: none shown

private:
    friend class TPloticaAxes;
    // display list
    TDrawItem* NewItem(TDrawItemKind kind, double x1, double y1, double x2, double y2);
    void RemoveSharer(TCustomPlotica* chart);
    void LeaveSource();
    void RefreshChart();
    // rendering
    bool CanPaint() const;
    void SizeDataBitmap();
    void PaintFrame();
    void PaintShadow(int w, int h, int s);
    void PaintCaption();
    void PaintDataBackground();
    bool PaintBackgroundImage();
    void PaintMarkedArea();
    void RenderData();
    void RenderGrid(TCanvas& c);
    void RenderTextLabels(TCanvas& c);
    void DrawCrossHairs(TCanvas& c, int dx, int dy);
    void RefreshDataArea();
    void FireRender(const TRenderEvent& event, TCanvas& canvas, int top, int left);
    void FillItemSetup(TItemRenderSetup& setup) const;
    // layout
    void ApplyIsometric(int layer);
    void ApplyIsometricToAll();
    void ForwardAllAxes();
    void SetLayerDefaults();
    void ApplyLayoutRow(TplLayout layout);
    void MarginChanged(int which);

    // display list
    std::shared_ptr<TItemList> FItems;
    int FAllocSize = 1000;
    TColor FDataColor = 0;
    TColor FFillColor = 0xC0C0C0;
    std::uint8_t FLineWidth = 1;
    TPenStyle FPenStyle = psSolid;
    int FClassDefault = 0;
    int FCurrentLayer = 1;
    bool FFillTransparent = false;
    std::array<bool, 256> FClassVisible{};
    std::array<bool, PloticaLayerCount + 1> FLayerVisible{};
    bool FAutoRedraw = true;
    TCustomPlotica* FUseDataOf = nullptr;
    std::array<TCustomPlotica*, MaxSharers> FSharers{};
    int FSharerCount = 0;

    // layers
    std::array<TLayerMapping, PloticaLayerCount + 1> FMapping{};
    std::array<TScalePropsHoriz*, PloticaLayerCount + 1> FScaleX{};
    std::array<TScalePropsVert*, PloticaLayerCount + 1> FScaleY{};
    std::unique_ptr<TPloticaAxes> FAxes;

    // settings objects
    std::array<TCrossHair*, PloticaCrossHairCount + 1> FCrossHairs{};
    std::array<TTextLabel*, PloticaTextLabelCount + 1> FTextLabels{};
    TBakGndImg* FBackGroundImg = nullptr;
    TJointLayers* FJointLayers = nullptr;
    std::unique_ptr<TFont> FFont;

    // layout and look
    int FMarginLeft = 50;
    int FMarginRight = 20;
    int FMarginTop = 20;
    int FMarginBottom = 40;
    int FShadowWidth = 0;
    TShadowStyle FShadowStyle = ssFlying;
    TColor FShadowColor = clGrayText;
    TColor FShadowBakColor = clBtnFace;
    TColor FChartColor = 0xFFFFFF;
    TColor FWindColor = clBtnFace;
    TColor FChartFrameColor = 0;
    TColor FGridColor = 0;
    GridStyleType FGridStyle = gsNone;
    double FGridDx = 0;
    double FGridDy = 0;
    QString FCaption;
    int FCaptionPosX = 0;
    int FCaptionPosY = -16;
    TAlignment FCaptionAlignment = taRightJustify;
    TCaptionAnchorHoriz FCaptionAnchorHoriz = cahChartRight;
    TCaptionAnchorVert FCaptionAnchorVert = cavChartTop;
    TFontStyles FTextFontStyle = 0;
    TTextBkg FTextBkStyle = tbClear;
    TColor FTextBkColor = 0xFFFFFF;
    TAlignment FTextAlignment = taCenter;
    bool FIsometric = false;
    TplLayout FStandardLayout = pll_X1Bottom_Y1Left;
    bool FPaintSuppressed = true;
    bool FWindowCreated = false;
    int FAspectX = 36;
    int FAspectY = 36;

    // pictures
    TBitmap FControlBmp;
    TBitmap FDataBmp;
    TBitmap FImageBmp;
    TBitmap FScratchBmp;
};
