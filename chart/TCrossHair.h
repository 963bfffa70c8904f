// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>

#include "Enums.h"
#include "TColor.h"
#include "gravilo_chart_export.h"

/// A cross-hair of the chart: a horizontal and/or vertical line through a point of its layer.
/// Each line is drawn across the data area, and only while the point lies inside it. Every
/// setter reports through OnChange, changed value or not. The chart's four cross-hairs start on
/// the layer of their number.
class GRAVILO_CHART_EXPORT TCrossHair : public QObject {
    Q_OBJECT
    Q_PROPERTY(double PosX READ PosX WRITE SetPosX)
    Q_PROPERTY(double PosY READ PosY WRITE SetPosY)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(Vexa::TCrossHMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(Vexa::TPenStyle LineType READ LineType WRITE SetLineType)
    Q_PROPERTY(int LineWid READ LineWid WRITE SetLineWid)
    Q_PROPERTY(int Layer READ Layer WRITE SetLayer)
public:
    /// A cross-hair at (0, 0) of layer 1, off, black, solid and one pixel wide.
    explicit TCrossHair(QObject* parent = nullptr) : QObject(parent) {}

    /// The x world coordinate of the point, in the layer's axes (0 as built).
    double PosX() const { return FPosX; }
    /// Sets the x world coordinate of the point.
    void SetPosX(double v);
    /// The y world coordinate of the point, in the layer's axes (0 as built).
    double PosY() const { return FPosY; }
    /// Sets the y world coordinate of the point.
    void SetPosY(double v);
    /// The lines' colour (0x00BBGGRR; black as built).
    TColor Color() const { return FColor; }
    /// Sets the lines' colour.
    void SetColor(TColor v);
    /// Sets the lines' colour from a Qt colour.
    void SetColor(const QtColor auto& v) { SetColor(ToColor(v)); }
    /// Which lines are drawn (chOff as built: none).
    TCrossHMode Mode() const { return FMode; }
    /// Sets which lines are drawn.
    void SetMode(TCrossHMode v);
    /// The lines' pattern (psSolid as built).
    TPenStyle LineType() const { return FLineType; }
    /// Sets the lines' pattern.
    void SetLineType(TPenStyle v);
    /// The lines' width in pixels (1 as built); a width below 1 draws one pixel wide.
    int LineWid() const { return FLineWid; }
    /// Sets the lines' width in pixels; the value is kept as given.
    void SetLineWid(int v);
    /// The layer whose axes place the point (1 as built).
    int Layer() const { return FLayer; }
    /// Sets the layer whose axes place the point; a value outside 1 .. 16 is clamped to that range.
    void SetLayer(int v);

    /// Copies every setting of the other cross-hair, then notifies once.
    void Assign(const TCrossHair& other);

    /// Called after a setting was set, with the cross-hair; the chart installs it to redraw.
    std::function<void(TCrossHair*)> OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    double FPosX = 0;
    double FPosY = 0;
    TColor FColor = 0;
    TCrossHMode FMode = chOff;
    TPenStyle FLineType = psSolid;
    int FLineWid = 1;
    int FLayer = 1;
};
