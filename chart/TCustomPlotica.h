// SPDX-License-Identifier: MIT
#pragma once
/// @file
/// The chart control TCustomPlotica and the types of its events.

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

#include "Enums.h"
#include "PloticaTypes.h"
#include "TColor.h"
#include "TDrawItem.h"
#include "TPaintedControl.h"
#include "TScale.h"
#include "gravilo_chart_export.h"

class QPainter;
class QPrinter;
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

/// Render events: the handler may replace the canvas the rest of the pass draws on. Top and Left
/// are the canvas's place in the control, in pixels.
using TRenderEvent = std::function<void(QObject* Sender, TCanvas*& Canvas, int Top, int Left)>;
/// Mouse movement over the chart: InChart tells whether the pointer is in the data area,
/// rMousePosX and rMousePosY give its place in world units of the current layer.
using TMouseMoveInChartEvent = std::function<void(QObject* Sender, bool InChart, TShiftState Shift,
                                                  double rMousePosX, double rMousePosY)>;
/// The mouse panned or zoomed the chart: the ranges of its mouse layers changed.
using TZoomPanEvent = std::function<void(QObject* Sender)>;
/// The mouse moved a cross-hair: WhichCrossHair.
using TCrossHairMoveEvent = std::function<void(QObject* Sender, TCrossHair* WhichCrossHair)>;
/// The mouse moved a text label: WhichTextLabel.
using TTextLabelMoveEvent = std::function<void(QObject* Sender, TTextLabel* WhichTextLabel)>;
/// Key events: Key is the Qt key code; a handler that sets it to 0 has used the key.
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;
/// The text that tells screen readers what the chart shows now: the handler fills Text.
using TSpokenStateEvent = std::function<void(QObject* Sender, QString& Text)>;

/// The chart control: a display list of drawing items in world coordinates, sixteen layers with
/// their own x and y ranges and embedded axis controls, decorations (grid, background image,
/// cross-hairs, text labels, caption, shadow) and an off-screen renderer.
///
/// Drawing calls never draw: they append items, and ShowItems (or any repaint) renders them at the
/// current scale. TPlotica publishes the properties; this class is the chart's interface. Its state
/// lives in a private object, its parts (frame, background, grid, labels, cross-hairs) draw
/// themselves, and its mouse modes are tools; the concerns live in files of their own.
///
/// Layers are numbered 1..16, cross-hairs 1..4, text labels 1..30. Colours are 0x00BBGGRR
/// (TColor.h); every colour setter also takes a QColor or a Qt::GlobalColor.
class GRAVILO_CHART_EXPORT TCustomPlotica : public TPaintedControl {
    Q_OBJECT
public:
    /// The most charts that may show one chart's display list (SetUseDataOf).
    static constexpr int MaxSharers = 4;

    /// A chart of DefaultWidth by DefaultHeight pixels inside parent, in the standard layout
    /// pll_X1Bottom_Y1Left. Nothing paints until its window exists (HandleNeeded, or the first
    /// show).
    explicit TCustomPlotica(QWidget* parent = nullptr);
    /// The charts that show this chart's list keep a copy of its items; a chart that shows another
    /// one's list leaves that group.
    ~TCustomPlotica() override;

    // ---- display list ----------------------------------------------------------------------
    /// @name Display list
    /// The items collect in the display list and nothing of them shows until ShowItems() (or the
    /// next repaint with AutoRedraw on) draws the list: add many, then show once. Colours here and
    /// everywhere in the components are 0x00BBGGRR (TColor.h): 0xFF0000 is blue, not red;
    /// QColorToColor turns a QColor into one.
    ///
    /// Each drawing call takes world coordinates of the current layer and stamps the drawing state
    /// into its item: DataColor, PenStyle, LineWidth, ClassDefault and CurrentLayer, and for the
    /// shapes that fill, FillColor and FillTransparent.
    ///@{

    /// Mark symbol `mark` at (x, y) in DataColor: 0..47 are shapes, drawn with the pen width and
    /// style; 48..255 are characters (Windows-1252), written in the font of the text item drawn
    /// last before it, or the chart's font.
    void AddMark(double x, double y, int mark);
    /// The pen moves to (x, y); nothing is drawn.
    void MoveTo(double x, double y);
    /// A line from the pen's position to (x, y), where the pen then stays. Lines that follow one
    /// another are drawn as one polyline.
    void LineTo(double x, double y);
    /// A polyline through the n points (x[k], y[k]), k = 0 .. n-1, kept compactly for big data:
    /// 16 bytes a point and an index of about 4, where MoveTo and LineTo take 88 bytes an item.
    /// It draws the pixels that MoveTo(x[0], y[0]) and LineTo for each further point draw, and it
    /// counts as those n items: ItemCount grows by n, Item(ItemCount() - n) is the MoveTo and the
    /// others are LineTo items, RemoveLastItem takes its points back one by one from the end. The
    /// arrays are copied; n < 1 adds nothing.
    void AddPolyline(const double* x, const double* y, int n);
    /// A line from (x1, y1) to (x2, y2); when both ends fall on one pixel, that pixel is set.
    void AddLine(double x1, double y1, double x2, double y2);
    /// A rectangle with the corners (x1, y1) and (x2, y2), both included: outlined in DataColor,
    /// filled with FillColor unless FillTransparent.
    void AddRectangle(double x1, double y1, double x2, double y2);
    /// An ellipse around (xc, yc) with the half-axes rx and ry (world units): outlined in
    /// DataColor, filled with FillColor unless FillTransparent.
    void AddEllipse(double xc, double yc, double rx, double ry);
    /// A box in FillColor with a two-colour frame (2 lowered, 3 raised, 4 embossed, 5 engraved).
    /// The box is always filled; another frameStyle draws no frame. TDrawItem::FrameColor1 tells
    /// which edges take which colour.
    void AddFramedBox(double x1, double y1, double x2, double y2, int frameStyle, TColor frameColor1,
                      TColor frameColor2);
    /// The same, with the frame colours given as QColor or Qt::GlobalColor.
    void AddFramedBox(double x1, double y1, double x2, double y2, int frameStyle,
                      const QtColor auto& frameColor1, const QtColor auto& frameColor2) {
        AddFramedBox(x1, y1, x2, y2, frameStyle, ToColor(frameColor1), ToColor(frameColor2));
    }
    /// A bar with a top and a side face drawn at `angle` degrees, `depth` pixels deep. The angle
    /// counts counter-clockwise from the right; above 90 the side face lies on the left. The faces
    /// are filled with FillColor and outlined in DataColor.
    void AddBar3D(double x1, double y1, double x2, double y2, int angle, int depth);
    /// Text of at most 17 bytes of UTF-8 (a longer text is cut, never inside a character) at a
    /// point, size in points (of a 96-dpi screen). It is written in DataColor, in the chart's font
    /// with TextFontStyle, placed by TextAlignment and on TextBkStyle and TextBkColor as they are
    /// when the list is drawn.
    void AddText(double x, double y, const QString& text, int sizePoints);
    /// The pen moves by pixel offsets (dx to the right, dy down); nothing is drawn.
    void MoveRel(double dx, double dy);
    /// A line in DataColor from the pen's position by pixel offsets (dx to the right, dy down).
    void LineRel(double dx, double dy);
    /// A line with a head of `headLength` pixels at (x2, y2); FillTransparent draws an open head.
    /// The head's barbs lie 20 degrees off the shaft and a closed head is filled with FillColor; a
    /// length below 1 draws no head.
    void AddArrow(double x1, double y1, double x2, double y2, int headLength);
    /// Drops the last item (none of an empty list); nothing is redrawn.
    void RemoveLastItem();
    /// Empties the list. The data area's picture is painted with its background alone; nothing
    /// reaches the screen until ShowItems or the next repaint.
    void ClearItems();
    /// Brings the screen up to date with the list. With AutoRedraw on only the data area is
    /// rendered again, the items added since the last render drawn onto the picture of those
    /// before them where such a picture is kept (ItemsDrawn); with it off the whole chart is
    /// painted. A hidden chart draws nothing. The
    /// charts that share the list repaint when their AutoRedraw is on.
    void ShowItems();
    /// Makes every chart of the sharing group refer to the one list; each drawing call does so
    /// already. Nothing is drawn.
    void PropagateItems();

    /// The number of items in the list.
    int ItemCount() const;
    /// The capacity the chart reports: it grows in steps of AllocSize and falls back to 0 when the
    /// list is emptied.
    int ItemCapacity() const;
    /// Item `index` of the list, 0 .. ItemCount-1 (not checked). A point of an AddPolyline
    /// series has no record of its own: its item is made on the call, and the reference stays
    /// good for the next 15 such calls and until the list changes.
    const TDrawItem& Item(int index) const;
    /// The step by which ItemCapacity grows (1000 as built).
    int AllocSize() const;
    /// Sets the step of ItemCapacity: 1 .. 1000000; other values are ignored.
    void SetAllocSize(int v);

    /// The colour stamped into new items: outline, line, mark and text colour (black as built).
    /// Setting it never repaints; the items added before keep their colour.
    TColor DataColor() const;
    /// Sets the colour of the items added from now on.
    void SetDataColor(TColor v);
    /// Sets the colour of the items added from now on, from a QColor or a Qt::GlobalColor.
    void SetDataColor(const QtColor auto& v) { SetDataColor(ToColor(v)); }
    /// The fill colour stamped into new rectangles, ellipses, framed boxes, bars and arrows
    /// (0xC0C0C0 as built); setting it never repaints.
    TColor FillColor() const;
    /// Sets the fill colour of the items added from now on.
    void SetFillColor(TColor v);
    /// Sets the fill colour of the items added from now on, from a QColor or a Qt::GlobalColor.
    void SetFillColor(const QtColor auto& v) { SetFillColor(ToColor(v)); }
    /// The pen width in pixels stamped into new items (1 as built).
    int LineWidth() const;
    /// Sets the pen width of the items added from now on; it is kept as a byte (the value modulo
    /// 256).
    void SetLineWidth(int v);
    /// The pen style stamped into new items (psSolid as built).
    TPenStyle PenStyle() const;
    /// Sets the pen style of the items added from now on.
    void SetPenStyle(TPenStyle v);
    /// The class stamped into new items (0 as built); SetClassVisible shows or hides a class.
    int ClassDefault() const;
    /// Sets the class of the items added from now on: 0..254; other values, 255 among them, are
    /// ignored.
    void SetClassDefault(int v);
    /// The layer new items go on (1 as built); the grid and OnMouseMoveInChart use its axes too.
    int CurrentLayer() const;
    /// Sets the current layer; the number is clamped to 1 .. 16.
    void SetCurrentLayer(int layer);
    /// true: new rectangles and ellipses are not filled and new arrows get an open head (false as
    /// built).
    bool FillTransparent() const;
    /// Sets whether the shapes added from now on are left unfilled.
    void SetFillTransparent(bool v);
    /// Whether the items of class itemClass (0..255) are drawn; false outside that range. Every
    /// class shows as built.
    bool ClassVisible(int itemClass) const;
    /// Shows or hides the items of a class; repaints when AutoRedraw is on. A class outside 0..255
    /// is ignored.
    void SetClassVisible(int itemClass, bool visible);
    /// Whether the items of layer `layer` (1..16) are drawn; false outside that range. Every layer
    /// shows as built.
    bool LayerVisible(int layer) const;
    /// Shows or hides the items of a layer; repaints when AutoRedraw is on. A layer outside 1..16
    /// is ignored.
    void SetLayerVisible(int layer, bool visible);
    /// true (as built): a changed look setting repaints the chart at once, and ShowItems renders
    /// only the data area; false: the chart paints when it is told to (Paint, ShowItems).
    bool AutoRedraw() const;
    /// Switches AutoRedraw; switching does not repaint.
    void SetAutoRedraw(bool v);

    /// The chart whose display list this one shows; nullptr: it shows its own.
    TCustomPlotica* UseDataOf() const;
    /// Shows the list of source, or of the chart source itself takes its list from (a group has
    /// one root); nullptr leaves the group, and the chart keeps a private copy of the items it
    /// showed. A chart cannot share with itself, nor use foreign data while other charts use its
    /// own, nor join a root that has MaxSharers sharers already: each of these shows a message and
    /// changes nothing. A change repaints when AutoRedraw is on.
    void SetUseDataOf(TCustomPlotica* source);
    /// How many charts show this chart's list (0 .. MaxSharers).
    int SharerCount() const;
    /// The chart that shows this chart's list as sharer i, 0 .. SharerCount-1.
    TCustomPlotica* Sharer(int i) const;
    ///@}

    // ---- layers and mapping ----------------------------------------------------------------
    /// @name Layers and mapping
    /// Each layer maps world coordinates onto control pixels with the ranges of its axis settings
    /// (ScalePropsX, ScalePropsY), linear or logarithmic, across the data area.
    ///@{

    /// Computes the mapping of all sixteen layers anew from their ranges and the data area; does
    /// nothing while the chart is loading. A range without a span, or a data area without extent,
    /// maps every value onto the control's middle.
    virtual void UpdateScaling();
    /// The control pixel (px, py) of the world point (x, y) of a layer (a number outside 1..16
    /// stands for the nearest). Pixels are rounded half to even and clamped to +-2147483647; a
    /// value not above 1e-100 on a logarithmic axis lands on the control's edge at the axis's low
    /// end.
    void WorldToPixel(int layer, double x, double y, int& px, int& py) const;
    /// The control pixel of the world point (x, y) of a layer, as WorldToPixel above.
    QPoint WorldToPixel(int layer, double x, double y) const;
    /// The world point (x, y) of the control pixel (px, py) in a layer (a number outside 1..16
    /// stands for the nearest); 0 along an axis that maps every value onto one pixel.
    void PixelToWorld(int layer, int px, int py, double& x, double& y) const;
    /// Both ranges of a layer. Each axis keeps the axes' rule (finite ends, two different ones,
    /// above zero on a logarithmic axis): a range that breaks it leaves that axis as it was.
    /// An axis joined to another layer's (JointLayers) keeps its range too; the layers joined to
    /// this one follow it, and the chart paints once (unless painting is suppressed). A layer
    /// outside 1..16 is ignored.
    void SetLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh);

    /// The data area's width: from its left edge (MarginLeft) to its right edge (the control's
    /// width less MarginRight and ShadowWidth), in control pixels. Both edges belong to the area,
    /// which covers DataAreaWidth() + 1 columns; 0 or less when the margins leave no room.
    int DataAreaWidth() const;
    /// The data area's height: from its top edge (MarginTop) to its bottom edge (the control's
    /// height less MarginBottom and ShadowWidth), both included as in DataAreaWidth.
    int DataAreaHeight() const;
    ///@}

    // ---- settings objects ------------------------------------------------------------------
    /// @name Settings objects
    /// The chart owns them for its whole life. A change of a cross-hair, a text label, the
    /// background image, the joints or the font repaints when AutoRedraw is on; a change of an
    /// axis setting is taken over by the axes and repaints (at the end of its batch: a standard
    /// layout, a form being read). Their setters copy the settings of the given object into the
    /// chart's own and ignore nullptr.
    ///@{

    /// The x-axis settings of a layer; a number outside 1..16 gives layer 1.
    TScalePropsHoriz* ScalePropsX(int layer) const;
    /// The y-axis settings of a layer; a number outside 1..16 gives layer 1.
    TScalePropsVert* ScalePropsY(int layer) const;
    /// The data area's background image and marked area.
    TBakGndImg* BackGroundImg() const;
    /// Copies the settings of v into the chart's background image; nullptr is ignored.
    void SetBackGroundImg(TBakGndImg* v);
    /// Which layers' axes follow the axes of another layer; a layer that joins takes the
    /// controlling layer's range at once.
    TJointLayers* JointLayers() const;
    /// Copies the joints of v into the chart's own; nullptr is ignored.
    void SetJointLayers(TJointLayers* v);
    /// Cross-hair n (1..4); nullptr outside.
    TCrossHair* CrossHair(int n) const;
    /// Copies the settings of v into cross-hair n; nullptr, or a number outside 1..4, is ignored.
    void SetCrossHair(int n, TCrossHair* v);
    /// Text label n (1..30; nullptr outside). The chart's labels start hidden, as boxes attached
    /// to the data in both coordinates, on white, with a shadow 3 pixels off.
    TTextLabel* TextLabel(int n) const;
    /// The embedded axis control of a layer (1..16; nullptr outside). It is no window of its own:
    /// it paints when the chart renders, onto the chart's picture.
    TScale* AxisControl(int layer, bool horizontal) const;
    /// The chart's font: the caption, the text items (by its name) and the character marks are
    /// written in it. A change repaints when AutoRedraw is on.
    TFont* Font() const;
    ///@}

    // ---- chart-level layout and look ---------------------------------------------------------
    /// @name Layout and look
    /// Unless told otherwise, a setter here stores its value and repaints when AutoRedraw is on.
    /// The margins are the
    /// distances in pixels between the control's edges (on the right and at the bottom, the
    /// shadow's inner edge) and the data area; a changed margin moves the axes and applies the
    /// Isometric rule again when it is on. The standard layout sets the four margins.
    ///@{

    /// The left margin.
    int MarginLeft() const;
    /// Sets the left margin.
    void SetMarginLeft(int v);
    /// The right margin.
    int MarginRight() const;
    /// Sets the right margin.
    void SetMarginRight(int v);
    /// The top margin.
    int MarginTop() const;
    /// Sets the top margin.
    void SetMarginTop(int v);
    /// The bottom margin.
    int MarginBottom() const;
    /// Sets the bottom margin.
    void SetMarginBottom(int v);
    /// The width in pixels of the drop shadow along the control's right and bottom edges (0 as
    /// built: none). With a shadow the chart is outlined in black.
    int ShadowWidth() const;
    /// Sets the shadow's width; clamps to 0 .. 32. The axes move with it.
    void SetShadowWidth(int v);
    /// How the shadow meets the chart's corners (ssFlying as built).
    TShadowStyle ShadowStyle() const;
    /// Sets the shadow's style.
    void SetShadowStyle(TShadowStyle v);
    /// The colour of the shadow (clGrayText as built).
    TColor ShadowColor() const;
    /// Sets the colour of the shadow.
    void SetShadowColor(TColor v);
    /// Sets the colour of the shadow from a QColor or a Qt::GlobalColor.
    void SetShadowColor(const QtColor auto& v) { SetShadowColor(ToColor(v)); }
    /// The colour of the two corners the shadow leaves free (clBtnFace as built).
    TColor ShadowBakColor() const;
    /// Sets the colour of the corners beside the shadow.
    void SetShadowBakColor(TColor v);
    /// Sets the colour of the corners beside the shadow from a QColor or a Qt::GlobalColor.
    void SetShadowBakColor(const QtColor auto& v) { SetShadowBakColor(ToColor(v)); }
    /// The data area's background colour (white as built).
    TColor ChartColor() const;
    /// Sets the data area's background colour.
    void SetChartColor(TColor v);
    /// Sets the data area's background colour from a QColor or a Qt::GlobalColor.
    void SetChartColor(const QtColor auto& v) { SetChartColor(ToColor(v)); }
    /// The window colour: the control around the data area (clBtnFace as built).
    TColor WindColor() const;
    /// Sets the window colour.
    void SetWindColor(TColor v);
    /// Sets the window colour from a QColor or a Qt::GlobalColor.
    void SetWindColor(const QtColor auto& v) { SetWindColor(ToColor(v)); }
    /// The colour of the line around the data area (black as built).
    TColor ChartFrameColor() const;
    /// Sets the colour of the line around the data area.
    void SetChartFrameColor(TColor v);
    /// Sets the colour of the line around the data area from a QColor or a Qt::GlobalColor.
    void SetChartFrameColor(const QtColor auto& v) { SetChartFrameColor(ToColor(v)); }
    /// The colour of the grid (black as built).
    TColor GridColor() const;
    /// Sets the colour of the grid.
    void SetGridColor(TColor v);
    /// Sets the colour of the grid from a QColor or a Qt::GlobalColor.
    void SetGridColor(const QtColor auto& v) { SetGridColor(ToColor(v)); }
    /// Which grid the data area shows, in the axes of the current layer: none (as built), points,
    /// or vertical, horizontal or both lines, solid or dotted.
    GridStyleType GridStyle() const;
    /// Sets the grid's style.
    void SetGridStyle(GridStyleType v);
    /// The spacing of the grid along x: a step in world units, 0 (as built) for the ticks of the
    /// layer's axis, -1 for decades, -2 for 1-2-5 steps and -3 for 1..9 steps in each decade of a
    /// logarithmic axis (on a linear one a negative value steps by its size). A paint takes at
    /// most 1000 grid values along an axis.
    double GridDx() const;
    /// Sets the spacing of the grid along x; values below -3 are ignored.
    void SetGridDx(double v);
    /// The spacing of the grid along y, as GridDx.
    double GridDy() const;
    /// Sets the spacing of the grid along y; values below -3 are ignored.
    void SetGridDy(double v);
    /// The caption, written in the chart's font (empty: none). Screen readers take it for the
    /// chart's name when its accessibleName is empty.
    QString Caption() const;
    /// Sets the caption.
    void SetCaption(const QString& v);
    /// The caption's horizontal offset in pixels from its anchor (CaptionAnchorHoriz).
    int CaptionPosX() const;
    /// Sets the caption's horizontal offset.
    void SetCaptionPosX(int v);
    /// The caption's vertical offset in pixels from its anchor (CaptionAnchorVert) to the top of
    /// its text.
    int CaptionPosY() const;
    /// Sets the caption's vertical offset.
    void SetCaptionPosY(int v);
    /// Which end of the caption lies at its point: its left end, its right end, or its centre.
    TAlignment CaptionAlignment() const;
    /// Sets the caption's alignment.
    void SetCaptionAlignment(TAlignment v);
    /// Where CaptionPosX counts from: the control's left edge, the data area's left edge, centre
    /// or right edge, or the control's right edge.
    TCaptionAnchorHoriz CaptionAnchorHoriz() const;
    /// Sets where CaptionPosX counts from.
    void SetCaptionAnchorHoriz(TCaptionAnchorHoriz v);
    /// Where CaptionPosY counts from: the control's top edge, the data area's top edge or centre,
    /// the line MarginBottom above the control's bottom edge, or that edge.
    TCaptionAnchorVert CaptionAnchorVert() const;
    /// Sets where CaptionPosY counts from.
    void SetCaptionAnchorVert(TCaptionAnchorVert v);
    /// The style of every text item: a set of TFontStyle bits (FontStyleBit); 0, as built, for
    /// plain text.
    TFontStyles TextFontStyle() const;
    /// Sets the style of the text items.
    void SetTextFontStyle(TFontStyles v);
    /// tbSolid: each text item's cell is filled with TextBkColor; tbClear (as built): the text is
    /// written on what lies beneath.
    TTextBkg TextBkStyle() const;
    /// Sets the text items' background style.
    void SetTextBkStyle(TTextBkg v);
    /// The colour behind text items with TextBkStyle tbSolid (white as built).
    TColor TextBkColor() const;
    /// Sets the colour behind the text items.
    void SetTextBkColor(TColor v);
    /// Sets the colour behind the text items from a QColor or a Qt::GlobalColor.
    void SetTextBkColor(const QtColor auto& v) { SetTextBkColor(ToColor(v)); }
    /// Where a text item lies against its point: taLeftJustify begins there, taRightJustify ends
    /// there, taCenter (as built) is centred on it; across, the text is always centred on it.
    TAlignment TextAlignment() const;
    /// Sets the text items' alignment.
    void SetTextAlignment(TAlignment v);
    /// Whether a world unit has the same length on screen in x and in y, by the screen's aspect
    /// values (false as built). While it holds, each layer's upper y range end is set from its x
    /// range and the data area's size whenever the margins or the control's size change; zooming
    /// with the mouse keeps the ratio.
    bool Isometric() const;
    /// Switches the isometric rule. Switching it on applies it to every layer at once and
    /// repaints when AutoRedraw is on; switching it off leaves the ranges and the picture as they
    /// are.
    void SetIsometric(bool v);
    /// The standard layout last applied (pll_X1Bottom_Y1Left as built).
    TplLayout StandardLayout() const;
    /// Applies one of the seven ready layouts: the four margins, the caption's place and, for
    /// layers 1..4, where each axis lies and whether it shows; the axes of layers 5..16 are
    /// hidden. A value outside the seven takes the nearest. The chart paints once, at the end,
    /// whatever AutoRedraw says (unless painting is suppressed).
    void SetStandardLayout(TplLayout layout);
    ///@}

    /// @name Screen aspect
    ///@{

    /// The screen's aspect values (logical dots per inch in x and y; 36 each without a screen).
    int AspectX() const;
    /// The screen's aspect value in y (logical dots per inch; 36 without a screen).
    int AspectY() const;
    ///@}

    // ---- painting ----------------------------------------------------------------------------
    /// @name Painting
    ///@{

    /// Full repaint: frame, background, data, axes, cross-hairs; then shown. Nothing is painted
    /// while painting is suppressed, while the chart is loading, hidden (outside the designer) or
    /// without size, or from inside another repaint.
    void Paint() override;
    /// Whether painting is suppressed: true until the window exists.
    bool PaintSuppressed() const;
    /// Raising it stops painting; lowering it from true paints once.
    void SetPaintSuppressed(bool v);
    /// The window exists from now on: painting starts (the first show does the same).
    void HandleNeeded();
    /// Re-forwards every axis, re-applies all layer ranges and repaints (a scale setting changed).
    /// Inside a batch (a standard layout, a form being read) it waits for the batch's end.
    void ScaleChanged();
    /// Repaints when AutoRedraw is on (a cross-hair, label, background or joint setting changed).
    void RefreshDependent();
    /// Position and size; never smaller than the margins and the shadow's width plus 80 by 20
    /// pixels.
    void SetBounds(int left, int top, int width, int height) override;
    /// The form has been read: the scale settings read are taken over, the axes end their
    /// loading, and the chart paints.
    void Loaded() override;
    /// The width a new chart takes, and offers to layouts.
    static constexpr int DefaultWidth = 280;
    /// The height a new chart takes, and offers to layouts.
    static constexpr int DefaultHeight = 200;
    /// The size a new chart takes: DefaultWidth by DefaultHeight.
    QSize sizeHint() const override { return {DefaultWidth, DefaultHeight}; }

    // the off-screen pictures: the whole control and the data area
    /// The off-screen picture the chart paints the whole control on before it is shown; the axis
    /// controls paint onto its canvas.
    TBitmap& ControlBitmap();
    /// The off-screen picture of the data area, DataAreaWidth() + 1 by DataAreaHeight() + 1
    /// pixels; the data area is rendered on it, then copied onto the control's picture.
    TBitmap& DataBitmap();

    /// How many items the last render of the data area drew itself; the others came from the
    /// picture of the items that had not changed since the render before. Such a picture is kept
    /// for lists of at least CheckpointMinItems items. Only ShowItems starts from it; a full
    /// repaint draws every item, and no picture is kept while a data render event is assigned,
    /// while charts share the list or while the background names an image file.
    int ItemsDrawn() const;
    /// The fewest unchanged items whose picture is kept (see ItemsDrawn).
    static constexpr int CheckpointMinItems = 64;

    /// Fired on each render of the data area after its background, before the grid and the items
    /// are drawn on the canvas it hands back; Top and Left are MarginTop and MarginLeft. The pen
    /// and brush colours are restored after it.
    TRenderEvent OnBeforeRenderData;
    /// Fired when the items and text labels of the data area are drawn, before its frame line,
    /// which goes on the canvas it hands back; Top and Left are MarginTop and MarginLeft.
    TRenderEvent OnDataRendered;
    /// Fired when the frame, the caption and the axes are painted on the control's picture,
    /// before the data area is copied onto it; Top and Left are 0, and a canvas handed back is not
    /// used.
    TRenderEvent OnScalesRendered;
    /// The tick event of the embedded axis controls, passed on with the chart as the sender.
    TScaleTickDrawnEvent OnScaleTickDrawn;
    ///@}

    // ---- vector output and printing -----------------------------------------------------------
    /// @name Vector output and printing
    /// The chart painted once more onto a painter as vectors: lines as paths, marks as shapes,
    /// texts as texts, at the places they have on the screen; the screen's pictures stay as they
    /// are. Exclusive-or lines (the cross-hairs' and the zoom window's) take the colour they give
    /// on white.
    ///@{

    /// Draws the whole chart (frame, caption, axes, data area, cross-hairs) onto an active painter,
    /// one unit of the painter a pixel of the chart, from (0, 0) to (width, height); the painter's
    /// state is as it was afterwards. A chart that is loading or has no size draws nothing.
    void ToPainter(QPainter& painter);
    /// Writes the chart as a PDF document of one page of the chart's size at 96 pixels an inch,
    /// whole or not at all (an old file of the name stays as it was); false, with the reason in
    /// error when one is given, when it cannot.
    bool SavePdf(const QString& fileName, QString* error = nullptr);
    /// Writes the chart as an SVG picture of the chart's size in pixels, whole or not at all; false,
    /// with the reason in error when one is given, when it cannot.
    bool SaveSvg(const QString& fileName, QString* error = nullptr);
    /// Prints the chart on one page of printer, as large as its printable area takes it in the
    /// chart's proportions, centred at the top; false when the printer cannot be painted on.
    bool Print(QPrinter& printer);
    /// Asks with Qt's print dialog which printer and how, then prints as Print(QPrinter&) does;
    /// false when the dialog is cancelled or printing fails.
    bool Print(QWidget* parent = nullptr);
    ///@}

    // ---- mouse and keyboard ------------------------------------------------------------------
    /// @name Mouse and keyboard
    /// The mouse action picks the tool that handles presses, movements and releases.
    ///@{

    /// What the mouse does in the chart (maNone as built).
    TMouseActMode MouseAction() const;
    /// A new mode starts afresh: a zoom window still open is discarded, a drag begins anew.
    void SetMouseAction(TMouseActMode v);
    /// true (as built): the pointer keeps the default cursor; false: over the data area it shows
    /// the cursor of the mode (a hand for panning, a magnifier for zooming, a cross with maNone).
    bool MouseCursorFixed() const;
    /// Sets whether the pointer keeps the default cursor.
    void SetMouseCursorFixed(bool v);
    /// The layers that panning and zooming act on (only layer 1 after construction). A layer
    /// number outside 1..16 reads false and is ignored when written.
    bool MouseLayer(int layer) const;
    /// Sets whether panning and zooming act on a layer; a number outside 1..16 is ignored.
    void SetMouseLayer(int layer, bool on);
    /// All sixteen flags at once: bit n - 1 stands for layer n.
    unsigned MouseLayers() const;
    /// Sets all sixteen flags at once: bit n - 1 stands for layer n.
    void SetMouseLayers(unsigned mask);
    /// Whether the control pixel (x, y) lies in the data area, its edges included.
    bool InDataArea(int x, int y) const;
    // what the mouse is doing
    /// Whether a drag of the current mode (panning, zooming by dragging, a cross-hair or a label)
    /// is under way.
    bool DragActive() const;
    /// Whether a zoom window is open: it opened with a left press in the data area.
    bool ZoomWindowActive() const;
    /// Where the zoom window was opened, in control pixels.
    QPoint ZoomWindowStart() const;
    /// The zoom window's dragged corner, in control pixels, kept within the data area.
    QPoint ZoomWindowCorner() const;
    /// The cross-hair the last cross-hair drag picked (1..4; 1 before any).
    int ActiveCrossHair() const;
    /// The text label the last label drag picked (1..30; 1 before any).
    int ActiveTextLabel() const;

    /// Fired on every mouse movement over the control, after the tool of the mouse action; the
    /// world position is that of the current layer, extrapolated over the margins.
    TMouseMoveInChartEvent OnMouseMoveInChart;
    /// Fired when a pan or zoom step, or an applied zoom window, changed the ranges.
    TZoomPanEvent OnZoomPan;
    /// Fired when a drag moved a cross-hair.
    TCrossHairMoveEvent OnCrossHairMove;
    /// Fired when a drag moved a text label.
    TTextLabelMoveEvent OnTextLabelMove;
    /// Fired when a key is pressed on the focused chart. A key the handler sets to 0 travels no
    /// further; the arrow keys, and Tab and Backtab while KeepsTab, never do.
    TKeyEvent OnKeyDown;
    /// Fired when a key is released on the focused chart, as OnKeyDown.
    TKeyEvent OnKeyUp;
    /// Whether the focused chart keeps Tab and Backtab for its key events (true as built); false:
    /// they move the focus on, as in any other control, and only the arrow keys stay.
    bool KeepsTab() const;
    /// Sets whether the focused chart keeps Tab and Backtab.
    void SetKeepsTab(bool keep);

    /// What screen readers hear as the chart's state (its value); the program that draws the chart
    /// knows what it means. A change is announced when the chart has been painted anew.
    TSpokenStateEvent OnSpokenState;
    ///@}

protected:
    /// A layer number clamped to 1..16.
    static int ClampLayer(int layer) {
        return layer < 1 ? 1 : (layer > PloticaLayerCount ? PloticaLayerCount : layer);
    }
    /// Stores the ranges as they are into the layer's scale properties, forwards both axes and
    /// updates the scaling. No rule is checked; the layer number is clamped to 1..16.
    void ApplyLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh);
    /// Position or size changed: the isometric rule is applied again when it holds, the axis
    /// controls take the new size, the scaling follows, and the chart repaints when AutoRedraw is
    /// on.
    void BoundsChanged() override;
    /// A chart nobody loaded (made in code, or by a form loader) keeps the axes' rules from its
    /// first showing on; the first showing also creates the window (CreateWnd).
    void showEvent(QShowEvent* event) override;
    /// The window has been created: painting may start, and the chart paints.
    virtual void CreateWnd();

    /// Repaint when AutoRedraw is on or the chart is being designed.
    void RepaintIfAuto();

    /// A press: the toolkit's events first, then the tool of the mouse action.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    /// A movement: the toolkit's events, the tool of the mouse action, the mode's cursor, and
    /// last OnMouseMoveInChart.
    void MouseMove(TShiftState shift, int x, int y) override;
    /// A release: the toolkit's events first, then the tool of the mouse action.
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    /// Keyboard: the arrow keys and Tab stay with the focused chart instead of moving the focus
    /// or triggering shortcuts; they go straight to the key events.
    bool event(QEvent* e) override;
    /// The focused chart does not pass the focus on while KeepsTab holds.
    bool focusNextPrevChild(bool next) override;
    /// Fires OnKeyDown; the key travels on to the parent unless the handler used it or it is one
    /// of the chart's own keys.
    void keyPressEvent(QKeyEvent* e) override;
    /// Fires OnKeyUp; the key travels on as in keyPressEvent.
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    friend class TPloticaPrivate;
    std::unique_ptr<TPloticaPrivate> const d;
};
