// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "Enums.h"
#include "PloticaTypes.h"
#include "TColor.h"
#include "gravilo_chart_export.h"

/// The background of a chart's data area: an image file in one of three fill modes, or, without an
/// image, a marked area in world coordinates of layer 1. The image is read from its file each time
/// the data area is drawn; a file that cannot be read as an image makes the chart forget the name
/// and draw the marked area instead. Every setter reports through OnChange, changed value or not.
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
    /// No image, no marked area (bamNone), stretched fill, area colour 0xDDDDDD, area from
    /// (-1, 1) to (1, -1).
    explicit TBakGndImg(QObject* parent = nullptr) : QObject(parent) {}

    /// The image file's name; empty (as built) for no image.
    QString Name() const { return FName; }
    /// Sets the image file's name; an empty name removes the image.
    /// Without IncludePath only the file-name part of a path is kept.
    void SetName(const QString& v);
    /// Whether Name keeps a whole path (false as built).
    bool IncludePath() const { return FIncludePath; }
    /// Sets whether Name keeps a whole path; switching it off cuts the stored name to its
    /// file-name part at once.
    void SetIncludePath(bool v);
    /// How the image fills the data area (bfStretch as built).
    TBkgFill FillMode() const { return FFillMode; }
    /// Sets how the image fills the data area.
    void SetFillMode(TBkgFill v);
    /// Which part of the data area is marked while no image shows (bamNone as built).
    TBGAreaMode AreaMode() const { return FAreaMode; }
    /// Sets which part of the data area is marked.
    void SetAreaMode(TBGAreaMode v);
    /// The marked area's colour (0x00BBGGRR; 0xDDDDDD, a light grey, as built).
    TColor AreaColor() const { return FAreaColor; }
    /// Sets the marked area's colour.
    void SetAreaColor(TColor v);
    /// Sets the marked area's colour from a Qt colour.
    void SetAreaColor(const QtColor auto& v) { SetAreaColor(ToColor(v)); }
    /// The marked area's left bound, an x world coordinate of layer 1 (-1 as built).
    double AreaLeft() const { return FAreaLeft; }
    /// Sets the marked area's left bound.
    void SetAreaLeft(double v);
    /// The marked area's right bound, an x world coordinate of layer 1 (1 as built).
    double AreaRight() const { return FAreaRight; }
    /// Sets the marked area's right bound.
    void SetAreaRight(double v);
    /// The marked area's top bound, a y world coordinate of layer 1 (1 as built).
    double AreaTop() const { return FAreaTop; }
    /// Sets the marked area's top bound.
    void SetAreaTop(double v);
    /// The marked area's bottom bound, a y world coordinate of layer 1 (-1 as built).
    double AreaBottom() const { return FAreaBottom; }
    /// Sets the marked area's bottom bound.
    void SetAreaBottom(double v);

    /// Copies every setting of the other background, then notifies once.
    void Assign(const TBakGndImg& other);

    /// Called after a setting was set, with the background; the chart installs it to redraw.
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
