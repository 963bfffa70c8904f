// SPDX-License-Identifier: MIT
#pragma once
// Plotica, the chart TPlotica as a Qt Quick item: its published properties, its display list
// filled from QML and JavaScript, pan and zoom with the mouse as in the widget.

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QVariantList>

#include "QuickComponent.h"

class TPlotica;

class QuickPlotica : public QuickComponent {
    Q_OBJECT
    QML_NAMED_ELEMENT(Plotica)
    // display list and drawing state
    Q_PROPERTY(bool autoShow READ autoShow WRITE setAutoShow NOTIFY changed)
    Q_PROPERTY(int currentLayer READ currentLayer WRITE setCurrentLayer NOTIFY changed)
    Q_PROPERTY(bool fillTransparent READ fillTransparent WRITE setFillTransparent NOTIFY changed)
    Q_PROPERTY(int itemCount READ itemCount NOTIFY changed)
    Q_PROPERTY(bool autoRedraw READ autoRedraw WRITE setAutoRedraw NOTIFY changed)
    Q_PROPERTY(int allocSize READ allocSize WRITE setAllocSize NOTIFY changed)
    Q_PROPERTY(int classDefault READ classDefault WRITE setClassDefault NOTIFY changed)
    Q_PROPERTY(QColor dataColor READ dataColor WRITE setDataColor NOTIFY changed)
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor NOTIFY changed)
    Q_PROPERTY(int lineWidth READ lineWidth WRITE setLineWidth NOTIFY changed)
    Q_PROPERTY(QVariant penStyle READ penStyle WRITE setPenStyle NOTIFY changed)
    // layout and look
    Q_PROPERTY(int marginLeft READ marginLeft WRITE setMarginLeft NOTIFY changed)
    Q_PROPERTY(int marginRight READ marginRight WRITE setMarginRight NOTIFY changed)
    Q_PROPERTY(int marginTop READ marginTop WRITE setMarginTop NOTIFY changed)
    Q_PROPERTY(int marginBottom READ marginBottom WRITE setMarginBottom NOTIFY changed)
    Q_PROPERTY(int shadowWidth READ shadowWidth WRITE setShadowWidth NOTIFY changed)
    Q_PROPERTY(QVariant shadowStyle READ shadowStyle WRITE setShadowStyle NOTIFY changed)
    Q_PROPERTY(QColor shadowColor READ shadowColor WRITE setShadowColor NOTIFY changed)
    Q_PROPERTY(QColor shadowBakColor READ shadowBakColor WRITE setShadowBakColor NOTIFY changed)
    Q_PROPERTY(QColor chartColor READ chartColor WRITE setChartColor NOTIFY changed)
    Q_PROPERTY(QColor windColor READ windColor WRITE setWindColor NOTIFY changed)
    Q_PROPERTY(QColor chartFrameColor READ chartFrameColor WRITE setChartFrameColor NOTIFY changed)
    Q_PROPERTY(QColor gridColor READ gridColor WRITE setGridColor NOTIFY changed)
    Q_PROPERTY(QVariant gridStyle READ gridStyle WRITE setGridStyle NOTIFY changed)
    Q_PROPERTY(double gridDx READ gridDx WRITE setGridDx NOTIFY changed)
    Q_PROPERTY(double gridDy READ gridDy WRITE setGridDy NOTIFY changed)
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY changed)
    Q_PROPERTY(int captionPosX READ captionPosX WRITE setCaptionPosX NOTIFY changed)
    Q_PROPERTY(int captionPosY READ captionPosY WRITE setCaptionPosY NOTIFY changed)
    Q_PROPERTY(QVariant captionAlignment READ captionAlignment WRITE setCaptionAlignment NOTIFY changed)
    Q_PROPERTY(int textFontStyle READ textFontStyle WRITE setTextFontStyle NOTIFY changed)
    Q_PROPERTY(QVariant textBkStyle READ textBkStyle WRITE setTextBkStyle NOTIFY changed)
    Q_PROPERTY(QColor textBkColor READ textBkColor WRITE setTextBkColor NOTIFY changed)
    Q_PROPERTY(QVariant textAlignment READ textAlignment WRITE setTextAlignment NOTIFY changed)
    Q_PROPERTY(bool isometric READ isometric WRITE setIsometric NOTIFY changed)
    Q_PROPERTY(QVariant standardLayout READ standardLayout WRITE setStandardLayout NOTIFY changed)
    // mouse
    Q_PROPERTY(QVariant mouseAction READ mouseAction WRITE setMouseAction NOTIFY changed)
    Q_PROPERTY(bool mouseCursorFixed READ mouseCursorFixed WRITE setMouseCursorFixed NOTIFY changed)

    GRAVILO_QUICK_FORWARD(bool, autoRedraw, setAutoRedraw, "AutoRedraw")
    GRAVILO_QUICK_FORWARD(int, allocSize, setAllocSize, "AllocSize")
    GRAVILO_QUICK_FORWARD(int, classDefault, setClassDefault, "ClassDefault")
    GRAVILO_QUICK_FORWARD(QColor, dataColor, setDataColor, "DataColor")
    GRAVILO_QUICK_FORWARD(QColor, fillColor, setFillColor, "FillColor")
    GRAVILO_QUICK_FORWARD(int, lineWidth, setLineWidth, "LineWidth")
    GRAVILO_QUICK_FORWARD(QVariant, penStyle, setPenStyle, "PenStyle")
    GRAVILO_QUICK_FORWARD(int, marginLeft, setMarginLeft, "MarginLeft")
    GRAVILO_QUICK_FORWARD(int, marginRight, setMarginRight, "MarginRight")
    GRAVILO_QUICK_FORWARD(int, marginTop, setMarginTop, "MarginTop")
    GRAVILO_QUICK_FORWARD(int, marginBottom, setMarginBottom, "MarginBottom")
    GRAVILO_QUICK_FORWARD(int, shadowWidth, setShadowWidth, "ShadowWidth")
    GRAVILO_QUICK_FORWARD(QVariant, shadowStyle, setShadowStyle, "ShadowStyle")
    GRAVILO_QUICK_FORWARD(QColor, shadowColor, setShadowColor, "ShadowColor")
    GRAVILO_QUICK_FORWARD(QColor, shadowBakColor, setShadowBakColor, "ShadowBakColor")
    GRAVILO_QUICK_FORWARD(QColor, chartColor, setChartColor, "ChartColor")
    GRAVILO_QUICK_FORWARD(QColor, windColor, setWindColor, "WindColor")
    GRAVILO_QUICK_FORWARD(QColor, chartFrameColor, setChartFrameColor, "ChartFrameColor")
    GRAVILO_QUICK_FORWARD(QColor, gridColor, setGridColor, "GridColor")
    GRAVILO_QUICK_FORWARD(QVariant, gridStyle, setGridStyle, "GridStyle")
    GRAVILO_QUICK_FORWARD(double, gridDx, setGridDx, "GridDx")
    GRAVILO_QUICK_FORWARD(double, gridDy, setGridDy, "GridDy")
    GRAVILO_QUICK_FORWARD(QString, caption, setCaption, "Caption")
    GRAVILO_QUICK_FORWARD(int, captionPosX, setCaptionPosX, "CaptionPosX")
    GRAVILO_QUICK_FORWARD(int, captionPosY, setCaptionPosY, "CaptionPosY")
    GRAVILO_QUICK_FORWARD(QVariant, captionAlignment, setCaptionAlignment, "CaptionAlignment")
    GRAVILO_QUICK_FORWARD(int, textFontStyle, setTextFontStyle, "TextFontStyle")
    GRAVILO_QUICK_FORWARD(QVariant, textBkStyle, setTextBkStyle, "TextBkStyle")
    GRAVILO_QUICK_FORWARD(QColor, textBkColor, setTextBkColor, "TextBkColor")
    GRAVILO_QUICK_FORWARD(QVariant, textAlignment, setTextAlignment, "TextAlignment")
    GRAVILO_QUICK_FORWARD(bool, isometric, setIsometric, "Isometric")
    GRAVILO_QUICK_FORWARD(QVariant, standardLayout, setStandardLayout, "StandardLayout")
    GRAVILO_QUICK_FORWARD(QVariant, mouseAction, setMouseAction, "MouseAction")
    GRAVILO_QUICK_FORWARD(bool, mouseCursorFixed, setMouseCursorFixed, "MouseCursorFixed")

public:
    explicit QuickPlotica(QQuickItem* parent = nullptr);

    TPlotica* Chart() const;

    // true (as built): the items drawn from QML show at the next frame (ShowItems once a frame);
    // false: nothing shows until showItems(), as with the widget
    bool autoShow() const { return FAutoShow; }
    void setAutoShow(bool v);
    int currentLayer() const;
    void setCurrentLayer(int v);
    bool fillTransparent() const;
    void setFillTransparent(bool v);
    int itemCount() const;

    // the display list, in world coordinates of the current layer (TCustomPlotica's calls)
    Q_INVOKABLE void addMark(double x, double y, int mark);
    Q_INVOKABLE void moveTo(double x, double y);
    Q_INVOKABLE void lineTo(double x, double y);
    Q_INVOKABLE void line(double x1, double y1, double x2, double y2);
    Q_INVOKABLE void rectangle(double x1, double y1, double x2, double y2);
    Q_INVOKABLE void ellipse(double xc, double yc, double rx, double ry);
    Q_INVOKABLE void framedBox(double x1, double y1, double x2, double y2, int frameStyle,
                               const QColor& frameColor1, const QColor& frameColor2);
    Q_INVOKABLE void bar3D(double x1, double y1, double x2, double y2, int angle, int depth);
    Q_INVOKABLE void text(double x, double y, const QString& text, int sizePoints = 10);
    Q_INVOKABLE void moveRel(double dx, double dy);
    Q_INVOKABLE void lineRel(double dx, double dy);
    Q_INVOKABLE void arrow(double x1, double y1, double x2, double y2, int headLength);
    // a line through the points: [[x, y], ...] or [{x: .., y: ..}, ...]; a MoveTo, then LineTos,
    // kept as one compact series (AddPolyline)
    Q_INVOKABLE void polyline(const QVariantList& points);
    // the mark at each of the points, as polyline takes them
    Q_INVOKABLE void marks(const QVariantList& points, int mark);
    Q_INVOKABLE void removeLastItem();
    Q_INVOKABLE void clear();
    Q_INVOKABLE void showItems();
    // the whole chart painted anew (Paint)
    Q_INVOKABLE void repaint();

    // layers and mapping
    Q_INVOKABLE void setLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh);
    Q_INVOKABLE void setLayerVisible(int layer, bool visible);
    Q_INVOKABLE bool layerVisible(int layer) const;
    Q_INVOKABLE void setClassVisible(int itemClass, bool visible);
    Q_INVOKABLE bool classVisible(int itemClass) const;
    Q_INVOKABLE void setMouseLayer(int layer, bool on);
    Q_INVOKABLE bool mouseLayer(int layer) const;
    Q_INVOKABLE QPoint worldToPixel(int layer, double x, double y) const;
    Q_INVOKABLE QPointF pixelToWorld(int layer, int px, int py) const;

signals:
    // the mouse panned or zoomed the chart (OnZoomPan)
    void zoomPanned();
    // the pointer moved over the chart: x and y in world units of the current layer
    // (OnMouseMoveInChart)
    void mouseMoveInChart(bool inChart, double x, double y);

protected:
    void BeforePicture() override;

private:
    void Drawn();
    template <typename F>
    void EachPoint(const QVariantList& points, F f);
    bool FAutoShow = true;
    bool FShowPending = false;
};
