// SPDX-License-Identifier: MIT
#pragma once
// An off-screen bitmap with its canvas.

#include <QImage>
#include <QString>

#include "TCanvas.h"
#include "gravilo_toolkit_export.h"

class GRAVILO_TOOLKIT_INNER_EXPORT TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // the drawing's size; the image holds Scale() device pixels for each of its pixels
    int Width() const { return FCanvas.Width(); }
    int Height() const { return FCanvas.Height(); }
    double Scale() const { return FCanvas.Scale(); }
    bool Empty() const { return FImage.isNull(); }
    // Keeps the picture when the size and scale do not change; a new size starts white.
    void SetSize(int width, int height, double scale = 1.0);

    TCanvas& Canvas() { return FCanvas; }
    // The picture, with the canvas's painter ended so that it may be copied.
    const QImage& Image() {
        FCanvas.Release();
        return FImage;
    }

    // Exchanges the picture with another image (no pixels are copied); the canvas draws on the
    // new one.
    void SwapImage(QImage& other);

    // Loads a picture file (BMP, PNG, ...); false, and the bitmap unchanged, when it cannot be read.
    bool LoadFromFile(const QString& fileName);

private:
    QImage FImage;
    TCanvas FCanvas;
};
