// SPDX-License-Identifier: MIT
#pragma once
// The background of a chart's data area: an image file in one of three fill modes, or, without an
// image, a marked area in world coordinates of layer 1.

#include <QObject>
#include <QString>
#include <functional>

#include "Enums.h"
#include "PloticaTypes.h"
#include "TColor.h"
#include "gravilo_chart_export.h"

class GRAVILO_CHART_EXPORT TBakGndImg : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(bool IncludePath READ IncludePath WRITE SetIncludePath)
    Q_PROPERTY(Vexa::TBkgFill FillMode READ FillMode WRITE SetFillMode)
    Q_PROPERTY(Plotica::TBGAreaMode AreaMode READ AreaMode WRITE SetAreaMode)
    Q_PROPERTY(TColor AreaColor READ AreaColor WRITE SetAreaColor)
    Q_PROPERTY(double AreaLeft READ AreaLeft WRITE SetAreaLeft)
    Q_PROPERTY(double AreaRight READ AreaRight WRITE SetAreaRight)
    Q_PROPERTY(double AreaTop READ AreaTop WRITE SetAreaTop)
    Q_PROPERTY(double AreaBottom READ AreaBottom WRITE SetAreaBottom)
public:
    explicit TBakGndImg(QObject* parent = nullptr) : QObject(parent) {}

    QString Name() const { return FName; }
    // without IncludePath only the file-name part of a path is kept
    void SetName(const QString& v);
    bool IncludePath() const { return FIncludePath; }
    void SetIncludePath(bool v);
    TBkgFill FillMode() const { return FFillMode; }
    void SetFillMode(TBkgFill v);
    TBGAreaMode AreaMode() const { return FAreaMode; }
    void SetAreaMode(TBGAreaMode v);
    TColor AreaColor() const { return FAreaColor; }
    void SetAreaColor(TColor v);
    void SetAreaColor(const QtColor auto& v) { SetAreaColor(ToColor(v)); }
    double AreaLeft() const { return FAreaLeft; }
    void SetAreaLeft(double v);
    double AreaRight() const { return FAreaRight; }
    void SetAreaRight(double v);
    double AreaTop() const { return FAreaTop; }
    void SetAreaTop(double v);
    double AreaBottom() const { return FAreaBottom; }
    void SetAreaBottom(double v);

    void Assign(const TBakGndImg& other);

    std::function<void(TBakGndImg*)> OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    QString FName;
    bool FIncludePath = false;
    TBkgFill FFillMode = bfStretch;
    TBGAreaMode FAreaMode = bamNone;
    TColor FAreaColor = 0xDDDDDD;
    double FAreaLeft = -1;
    double FAreaRight = 1;
    double FAreaTop = 1;
    double FAreaBottom = -1;
};
