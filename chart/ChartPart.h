// SPDX-License-Identifier: MIT
#pragma once
// The parts of the chart's picture that are not display-list items: the frame with its shadow and
// caption, the data-area background, the grid, the text labels and the cross-hairs. Each part
// keeps its own settings, draws itself and answers whether a pixel lies on it; the chart only
// walks its parts in the order of painting.

#include <QPoint>

#include "PloticaMapping.h"
#include "PloticaTypes.h"
#include "TColor.h"

class TCanvas;
class TFont;
class TScaleProps;
class TPloticaAxes;

// The chart as its parts see it during one paint: size, margins, the layers' mappings, and where
// the canvas being painted lies on the control.
struct TChartView {
    int Width = 0;  // the control
    int Height = 0;
    int MarginLeft = 0;
    int MarginRight = 0;
    int MarginTop = 0;
    int MarginBottom = 0;
    int ShadowWidth = 0;
    QPoint Origin;                          // the control pixel at the canvas's (0, 0)
    const TLayerMapping* Layers = nullptr;  // indices 1..16
    const bool* LayerVisible = nullptr;     // indices 1..16
    int CurrentLayer = 1;
    const TScaleProps* AxisX = nullptr;  // the current layer's axes
    const TScaleProps* AxisY = nullptr;
    const TPloticaAxes* Axes = nullptr;
    TColor ChartColor = 0xFFFFFF;
    TColor ChartFrameColor = 0;
    const TFont* Font = nullptr;  // the chart's font

    int DataWidth() const { return Width - MarginLeft - MarginRight - ShadowWidth; }    // W'
    int DataHeight() const { return Height - MarginTop - MarginBottom - ShadowWidth; }  // H'
    int DataRight() const { return Width - MarginRight - ShadowWidth; }
    int DataBottom() const { return Height - MarginBottom - ShadowWidth; }
    bool InDataArea(QPoint p) const {
        return p.x() >= MarginLeft && p.x() <= DataRight() && p.y() >= MarginTop && p.y() <= DataBottom();
    }
    // control pixels of a world point of a layer (a number outside 1..16 stands for the nearest)
    QPoint WorldToPixel(int layer, double x, double y) const {
        const TLayerMapping& m =
            Layers[layer < 1 ? 1 : (layer > PloticaLayerCount ? PloticaLayerCount : layer)];
        return QPoint(m.X.ToPixel(x), m.Y.ToPixel(y));
    }
    // a control pixel on the canvas
    QPoint OnCanvas(QPoint p) const { return p - Origin; }
};

class TChartPart {
public:
    virtual ~TChartPart() = default;
    // Draws the part onto a canvas that shows the control from view.Origin on.
    virtual void Render(TCanvas& canvas, const TChartView& view) = 0;
    // Whether the control pixel lies on the part as Render draws it now.
    virtual bool Contains(const TChartView& view, QPoint pixel) const = 0;
};

// Where the mouse tools find the chart's current view (control pixels on the control's picture).
class TChartViewSource {
public:
    virtual TChartView View() const = 0;

protected:
    ~TChartViewSource() = default;
};
