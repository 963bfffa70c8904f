// SPDX-License-Identifier: MIT
#pragma once
// The chart's mouse modes as tools. The chart hands each mouse press, movement and release to the
// tool of its MouseAction, after its own mouse events and before OnMouseMoveInChart; a tool keeps
// its own drag state and fires the chart's events for what it changed.

#include <QPoint>
#include <array>
#include <functional>

#include "Enums.h"
#include "PloticaTypes.h"

class TCustomPlotica;
class TCrossHairsPart;
class TTextLabelsPart;
class TChartViewSource;

class TChartTool {
public:
    explicit TChartTool(TCustomPlotica& chart) : FChart(chart) {}
    virtual ~TChartTool() = default;
    TChartTool(const TChartTool&) = delete;
    TChartTool& operator=(const TChartTool&) = delete;

    virtual void MouseDown(TMouseButton, TShiftState, int, int) {}
    virtual void MouseMove(TShiftState, int, int) {}
    virtual void MouseUp(TMouseButton, TShiftState, int, int) {}
    // The chart leaves this mode: a drag ends, an open window is dropped.
    virtual void Cancel() {}
    // the screen cursor over the data area (TPloticaCursor)
    virtual int Cursor() const = 0;

protected:
    // Range changes of several layers repaint once, at the end.
    void WithOnePaint(const std::function<void()>& change);
    TCustomPlotica& FChart;
};

// A drag: it begins with the first movement with the left button held, wherever the button went
// down, and ends with the first movement without it; releasing the button alone does not end it.
// At its beginning every layer's ranges are kept, so that each step starts from them again.
class TDragTool : public TChartTool {
public:
    using TChartTool::TChartTool;
    void MouseMove(TShiftState shift, int x, int y) final;
    void Cancel() override { FActive = false; }
    bool Active() const { return FActive; }

protected:
    struct TLayerStart {
        double XLow = 0, XHigh = 0, YLow = 0, YHigh = 0;
    };
    // the first movement: picks what to drag
    virtual void Start(int, int) {}
    virtual void Step(int x, int y) = 0;
    QPoint FStart;
    std::array<TLayerStart, PloticaLayerCount + 1> FLayers{};

private:
    bool FActive = false;
};

// Panning: the content follows the pointer, in both directions or one (by the chart's mode).
class TPanTool : public TDragTool {
public:
    using TDragTool::TDragTool;
    int Cursor() const override;

protected:
    void Step(int x, int y) override;
};

// Zooming by dragging: right narrows the x range, left widens it; down widens the y range, up
// narrows it; the centre of the ranges stays.
class TZoomDragTool : public TDragTool {
public:
    using TDragTool::TDragTool;
    int Cursor() const override;

protected:
    void Step(int x, int y) override;
};

// Dragging the nearest cross-hair to the pointer, wherever over the control.
class TCrossHairDragTool : public TDragTool {
public:
    TCrossHairDragTool(TCustomPlotica& chart, const TChartViewSource& views,
                       const TCrossHairsPart& crossHairs)
        : TDragTool(chart), FViews(views), FCrossHairs(crossHairs) {}
    int Cursor() const override;
    int ActiveCrossHair() const { return FActiveCrossHair; }

protected:
    void Start(int x, int y) override;
    void Step(int x, int y) override;

private:
    const TChartViewSource& FViews;
    const TCrossHairsPart& FCrossHairs;
    int FActiveCrossHair = 1;
};

// Dragging the nearest shown text label to the pointer, wherever over the control.
class TTextLabelDragTool : public TDragTool {
public:
    TTextLabelDragTool(TCustomPlotica& chart, const TChartViewSource& views, const TTextLabelsPart& labels)
        : TDragTool(chart), FViews(views), FLabels(labels) {}
    int Cursor() const override;
    int ActiveTextLabel() const { return FActiveTextLabel; }

protected:
    void Start(int x, int y) override;
    void Step(int x, int y) override;

private:
    const TChartViewSource& FViews;
    const TTextLabelsPart& FLabels;
    int FActiveTextLabel = 1;
};

// The zoom window: a left press in the data area opens it, the pointer drags its corner as an
// exclusive-or rectangle on the control's picture, and the release applies it (left) or drops it
// (right). The chart itself is not repainted while the rectangle moves. In the chart's mode
// maZoomWindPos the new ranges keep each axis's direction.
class TZoomWindowTool : public TChartTool {
public:
    using TChartTool::TChartTool;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Cancel() override;
    int Cursor() const override;

    bool Active() const { return FActive; }
    QPoint Start() const { return FStart; }
    QPoint Corner() const { return FCorner; }

private:
    void Close(TMouseButton button);
    void Apply();
    void Draw();
    void Erase();
    void XorRectangle();
    bool FActive = false;
    QPoint FStart;
    QPoint FCorner;
    qint64 FDrawnOn = 0;  // the picture holding the rubber rectangle; 0: none shown
};
