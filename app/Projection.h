// SPDX-License-Identifier: MIT
#pragma once
// The window in front of a class: the zoom of the whole window (View › Zoom, a resize,
// maximised) and full screen (F11), remembered from one start to the next, and the zoom its
// pictures are made at. Without a stage (pictures and scripts) the window keeps its size and the
// pictures take the zoom a script asks for, 100 % unless it asks.

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>

#include "TStage.h"

class QSettings;
class QWidget;
class TMainMenu;

class TProjection : public QObject {
    Q_OBJECT
public:
    TProjection(TMainMenu& menu, QSettings* remembered, QObject* parent);

    // The window the form shows in; its zoom comes back as it was left.
    void SetStage(TStage* stage);
    TStage* Stage() const { return FStage; }

    // the zoom of the pictures: the window's, or the script's without a window of its own
    double PictureZoom() const;
    void SetPictureZoom(double zoom) { FPictureZoom = zoom; }

    // Part of a widget as a picture at the zoom: at 100 % the widget's own grab, pixel for pixel;
    // larger, drawn anew at that size, crisp.
    static QImage Grab(QWidget& widget, const QRect& part, double zoom);

private:
    void Zoom(int percent);
    void Step(int direction);
    void ShowZoom(double zoom);

    TMainMenu& FMenu;
    QSettings* FRemembered;
    QPointer<TStage> FStage;
    double FPictureZoom = 1.0;
};
