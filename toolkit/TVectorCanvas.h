// SPDX-License-Identifier: MIT
#pragma once
// A canvas that draws onto a painter as vectors (a PDF, an SVG, a printer) what it would draw on
// an image of a size: for as long as it lives the painter takes every operation, clipped to the
// drawing; the painter's state is as it was afterwards.

#include <QSize>

#include "TCanvas.h"
#include "gravilo_toolkit_export.h"

class QPainter;

class GRAVILO_TOOLKIT_INNER_EXPORT TVectorCanvas {
public:
    TVectorCanvas(QPainter& painter, const QSize& size);
    ~TVectorCanvas();
    TVectorCanvas(const TVectorCanvas&) = delete;
    TVectorCanvas& operator=(const TVectorCanvas&) = delete;

    TCanvas& Canvas() { return FCanvas; }

private:
    QPainter& FPainter;
    TCanvas FCanvas;
};
