// SPDX-License-Identifier: MIT
#pragma once
// The chart control: a display list of drawing items in world coordinates, sixteen layers with
// their own x and y ranges and embedded axis controls, decorations (grid, background image,
// cross-hairs, text labels, caption, shadow) and an off-screen renderer.
//
// Drawing calls never draw: they append items, and ShowItems (or any repaint) renders them at the
// current scale. TPlotica publishes the properties; this class is the chart's interface. Its state
// lives in a private object, its parts (frame, background, grid, labels, cross-hairs) draw
// themselves, and its mouse modes are tools; the concerns live in files of their own.

#include <QPoint>
#include <functional>
#include <memory>

#include "Enums.h"
#include "PloticaTypes.h"
#include "TColor.h"
#include "TDrawItem.h"
#include "TPaintedControl.h"
#include "TScale.h"
#include "gravilo_chart_export.h"

class TBitmap;
class TFont;
class TScaleProps;
class TScalePropsHoriz;
class TScalePropsVert;
class TBakGndImg;
class TJointLayers;
class TCrossHair;
class TTextLabel;
class TPloticaPrivate;

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
// the text that tells screen readers what the chart shows now
using TSpokenStateEvent = std::function<void(QObject* Sender, QString& Text)>;

class GRAVILO_CHART_EXPORT TCustomPlotica : public TPaintedControl {
    Q_OBJECT
public:
    static constexpr int MaxSharers = 4;

    explicit TCustomPlotica(QWidget* parent = nullptr);
    ~TCustomPlotica() override;

    // ---- display list ----------------------------------------------------------------------
    // The items collect in the display list and nothing of them shows until ShowItems() (or the
    // next repaint with AutoRedraw on) draws the list: add many, then show once. Colours here and
    // everywhere in the components are 0x00BBGGRR (TColor.h): 0xFF0000 is blue, not red;
    // QColorToColor turns a QColor into one.
    void AddMark(double x, double y, int mark);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void AddLine(double x1, double y1, double x2, double y2);
    void AddRectangle(double x1, double y1, double x2, double y2);
    void AddEllipse(double xc, double yc, double rx, double ry);
    // a box in FillColor with a two-colour frame (2 lowered, 3 raised, 4 embossed, 5 engraved)
    void AddFramedBox(double x1, double y1, double x2, double y2, int frameStyle, TColor frameColor1,
                      TColor frameColor2);
    void AddFramedBox(double x1, double y1, double x2, double y2, int frameStyle,
                      const QtColor auto& frameColor1, const QtColor auto& frameColor2) {
        AddFramedBox(x1, y1, x2, y2, frameStyle, ToColor(frameColor1), ToColor(frameColor2));
    }
    // a bar with a top and a side face drawn at `angle` degrees, `depth` pixels deep
    void AddBar3D(double x1, double y1, double x2, double y2, int angle, int depth);
    // text of at most 17 bytes of UTF-8 (a longer text is cut, never inside a character) at a
    // point, size in points
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
    int AllocSize() const;
    void SetAllocSize(int v);  // 1 .. 1000000; other values are ignored

    TColor DataColor() const;
    void SetDataColor(TColor v);
    void SetDataColor(const QtColor auto& v) { SetDataColor(ToColor(v)); }
    TColor FillColor() const;
    void SetFillColor(TColor v);
    void SetFillColor(const QtColor auto& v) { SetFillColor(ToColor(v)); }
    int LineWidth() const;
    void SetLineWidth(int v);
    TPenStyle PenStyle() const;
    void SetPenStyle(TPenStyle v);
    int ClassDefault() const;
    void SetClassDefault(int v);  // 255 is ignored
    int CurrentLayer() const;
    void SetCurrentLayer(int layer);  // clamps to 1 .. 16
    bool FillTransparent() const;
    void SetFillTransparent(bool v);
    bool ClassVisible(int itemClass) const;
    void SetClassVisible(int itemClass, bool visible);  // repaints
    bool LayerVisible(int layer) const;
    void SetLayerVisible(int layer, bool visible);  // repaints
    bool AutoRedraw() const;
    void SetAutoRedraw(bool v);

    TCustomPlotica* UseDataOf() const;
    void SetUseDataOf(TCustomPlotica* source);
    int SharerCount() const;
    TCustomPlotica* Sharer(int i) const;

    // ---- layers and mapping ----------------------------------------------------------------
    virtual void UpdateScaling();
    void WorldToPixel(int layer, double x, double y, int& px, int& py) const;
    QPoint WorldToPixel(int layer, double x, double y) const;
    void PixelToWorld(int layer, int px, int py, double& x, double& y) const;
    // Both ranges of a layer. Each axis keeps the axes' rule (finite ends, two different ones,
    // above zero on a logarithmic axis): a range that breaks it leaves that axis as it was.
    void SetLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh);

    // data area in control pixels: left, top, right, bottom edges (both ends included)
    int DataAreaWidth() const;   // W'
    int DataAreaHeight() const;  // H'

    // ---- settings objects ------------------------------------------------------------------
    TScalePropsHoriz* ScalePropsX(int layer) const;  // a number outside 1..16 gives layer 1
    TScalePropsVert* ScalePropsY(int layer) const;
    TBakGndImg* BackGroundImg() const;
    void SetBackGroundImg(TBakGndImg* v);
    TJointLayers* JointLayers() const;
    void SetJointLayers(TJointLayers* v);
    TCrossHair* CrossHair(int n) const;  // 1..4
    void SetCrossHair(int n, TCrossHair* v);
    TTextLabel* TextLabel(int n) const;  // 1..30; nullptr outside
    // the embedded axis control of a layer (1..16; nullptr outside)
    TScale* AxisControl(int layer, bool horizontal) const;
    TFont* Font() const;

    // ---- chart-level layout and look ---------------------------------------------------------
    int MarginLeft() const;
    void SetMarginLeft(int v);
    int MarginRight() const;
    void SetMarginRight(int v);
    int MarginTop() const;
    void SetMarginTop(int v);
    int MarginBottom() const;
    void SetMarginBottom(int v);
    int ShadowWidth() const;
    void SetShadowWidth(int v);  // clamps to 0 .. 32
    TShadowStyle ShadowStyle() const;
    void SetShadowStyle(TShadowStyle v);
    TColor ShadowColor() const;
    void SetShadowColor(TColor v);
    void SetShadowColor(const QtColor auto& v) { SetShadowColor(ToColor(v)); }
    TColor ShadowBakColor() const;
    void SetShadowBakColor(TColor v);
    void SetShadowBakColor(const QtColor auto& v) { SetShadowBakColor(ToColor(v)); }
    TColor ChartColor() const;
    void SetChartColor(TColor v);
    void SetChartColor(const QtColor auto& v) { SetChartColor(ToColor(v)); }
    TColor WindColor() const;
    void SetWindColor(TColor v);
    void SetWindColor(const QtColor auto& v) { SetWindColor(ToColor(v)); }
    TColor ChartFrameColor() const;
    void SetChartFrameColor(TColor v);
    void SetChartFrameColor(const QtColor auto& v) { SetChartFrameColor(ToColor(v)); }
    TColor GridColor() const;
    void SetGridColor(TColor v);
    void SetGridColor(const QtColor auto& v) { SetGridColor(ToColor(v)); }
    GridStyleType GridStyle() const;
    void SetGridStyle(GridStyleType v);
    double GridDx() const;
    void SetGridDx(double v);  // values below -3 are ignored
    double GridDy() const;
    void SetGridDy(double v);
    QString Caption() const;
    void SetCaption(const QString& v);
    int CaptionPosX() const;
    void SetCaptionPosX(int v);
    int CaptionPosY() const;
    void SetCaptionPosY(int v);
    TAlignment CaptionAlignment() const;
    void SetCaptionAlignment(TAlignment v);
    TCaptionAnchorHoriz CaptionAnchorHoriz() const;
    void SetCaptionAnchorHoriz(TCaptionAnchorHoriz v);
    TCaptionAnchorVert CaptionAnchorVert() const;
    void SetCaptionAnchorVert(TCaptionAnchorVert v);
    TFontStyles TextFontStyle() const;
    void SetTextFontStyle(TFontStyles v);
    TTextBkg TextBkStyle() const;
    void SetTextBkStyle(TTextBkg v);
    TColor TextBkColor() const;
    void SetTextBkColor(TColor v);
    void SetTextBkColor(const QtColor auto& v) { SetTextBkColor(ToColor(v)); }
    TAlignment TextAlignment() const;
    void SetTextAlignment(TAlignment v);
    bool Isometric() const;
    void SetIsometric(bool v);
    TplLayout StandardLayout() const;
    void SetStandardLayout(TplLayout layout);

    // The screen's aspect values (logical dots per inch in x and y; 36 each without a screen).
    int AspectX() const;
    int AspectY() const;

    // ---- painting ----------------------------------------------------------------------------
    // Full repaint: frame, background, data, axes, cross-hairs; then shown.
    void Paint() override;
    bool PaintSuppressed() const;
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
    // the size a new chart takes, and offers to layouts
    static constexpr int DefaultWidth = 280;
    static constexpr int DefaultHeight = 200;
    QSize sizeHint() const override { return {DefaultWidth, DefaultHeight}; }

    // the off-screen pictures: the whole control and the data area
    TBitmap& ControlBitmap();
    TBitmap& DataBitmap();  // sized to the data area

    // How many items the last render of the data area drew itself; the others came from the
    // picture of the items that had not changed since the render before. Such a picture is kept
    // for lists of at least CheckpointMinItems items.
    int ItemsDrawn() const;
    static constexpr int CheckpointMinItems = 64;

    TRenderEvent OnBeforeRenderData;
    TRenderEvent OnDataRendered;
    TRenderEvent OnScalesRendered;
    TScaleTickDrawnEvent OnScaleTickDrawn;

    // ---- mouse: the mouse action picks the tool that handles presses, movements and releases ---
    TMouseActMode MouseAction() const;
    // A new mode starts afresh: a zoom window still open is discarded, a drag begins anew.
    void SetMouseAction(TMouseActMode v);
    bool MouseCursorFixed() const;
    void SetMouseCursorFixed(bool v);
    // The layers that panning and zooming act on (only layer 1 after construction). A layer
    // number outside 1..16 reads false and is ignored when written.
    bool MouseLayer(int layer) const;
    void SetMouseLayer(int layer, bool on);
    // all sixteen flags at once: bit n - 1 stands for layer n
    unsigned MouseLayers() const;
    void SetMouseLayers(unsigned mask);
    bool InDataArea(int x, int y) const;
    // what the mouse is doing
    bool DragActive() const;
    bool ZoomWindowActive() const;
    QPoint ZoomWindowStart() const;
    QPoint ZoomWindowCorner() const;
    int ActiveCrossHair() const;
    int ActiveTextLabel() const;

    TMouseMoveInChartEvent OnMouseMoveInChart;
    TZoomPanEvent OnZoomPan;
    TCrossHairMoveEvent OnCrossHairMove;
    TTextLabelMoveEvent OnTextLabelMove;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    // Whether the focused chart keeps Tab and Backtab for its key events (true as built); false:
    // they move the focus on, as in any other control, and only the arrow keys stay.
    bool KeepsTab() const;
    void SetKeepsTab(bool keep);

    // What screen readers hear as the chart's state (its value); the program that draws the chart
    // knows what it means. A change is announced when the chart has been painted anew.
    TSpokenStateEvent OnSpokenState;

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

    // mouse handling: the toolkit's events first, then the tool of the mouse action
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // keyboard: the arrow keys and Tab stay with the focused chart instead of moving the focus
    bool event(QEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    friend class TPloticaPrivate;
    std::unique_ptr<TPloticaPrivate> const d;
};
