// SPDX-License-Identifier: MIT
#pragma once
// A cross-hair of the chart: a horizontal and/or vertical line through a point of its layer.

#include <QObject>
#include <functional>

#include "Enums.h"
#include "TColor.h"
#include "gravilo_chart_export.h"

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
    explicit TCrossHair(QObject* parent = nullptr) : QObject(parent) {}

    double PosX() const { return FPosX; }
    void SetPosX(double v);
    double PosY() const { return FPosY; }
    void SetPosY(double v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    void SetColor(const QtColor auto& v) { SetColor(ToColor(v)); }
    TCrossHMode Mode() const { return FMode; }
    void SetMode(TCrossHMode v);
    TPenStyle LineType() const { return FLineType; }
    void SetLineType(TPenStyle v);
    int LineWid() const { return FLineWid; }
    void SetLineWid(int v);
    int Layer() const { return FLayer; }
    void SetLayer(int v);  // clamps to 1 .. 16

    void Assign(const TCrossHair& other);

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
