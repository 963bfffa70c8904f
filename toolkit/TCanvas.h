// SPDX-License-Identifier: MIT
#pragma once
// A 2-D canvas on a QImage with the conventions the components are written for:
//  - MoveTo/LineTo leave the end point unpainted; a polyline paints all but its last point;
//  - Rectangle, Ellipse and FillRect take (left, top, right, bottom) and exclude the right and
//    bottom edges; the outline is drawn with the pen, the inside filled with the brush;
//  - TextOut places the text cell's top-left corner; a solid brush fills the cell behind it; texts
//    are measured and drawn up to ShownText::MaxLength characters;
//  - pen modes copy and exclusive-or (dest ^= pen colour), pen styles of one-pixel lines with the
//    classic dash patterns continuing along a path.
// Nothing is antialiased. One-pixel lines, rectangles, fills and pixels are written directly into
// the image; wider pens, ellipses, polygons, text and bitmaps go through a QPainter that the
// canvas keeps open on its image until Release().
//
// An image with a device pixel ratio above 1 (a zoomed window, a high-density screen) is drawn on
// in the same coordinates, the image's size divided by the ratio: each pixel of the drawing covers
// the block of device pixels under it, and texts, shapes and bitmaps are drawn at the device's
// resolution. At a ratio of 1 every pixel is the one written without it.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cmath>
#include <functional>
#include <memory>
#include <span>

#include "Enums.h"
#include "TColor.h"
#include "gravilo_toolkit_export.h"

class QPainter;
class TFont;

struct GRAVILO_TOOLKIT_EXPORT TCanvasPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

struct GRAVILO_TOOLKIT_EXPORT TCanvasBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

class GRAVILO_TOOLKIT_EXPORT TCanvas {
public:
    TCanvas();
    explicit TCanvas(QImage* target);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The image drawn on; not owned. Changing it (or resizing it) must go through SetTarget.
    void SetTarget(QImage* target);
    QImage* Target() const { return FTarget; }
    int Width() const { return FTarget ? LogicalExtent(FTarget->width(), FScale) : 0; }
    int Height() const { return FTarget ? LogicalExtent(FTarget->height(), FScale) : 0; }
    // device pixels per drawing pixel: the image's device pixel ratio
    double Scale() const { return FScale; }
    bool Scaled() const { return FScale != 1.0; }
    // An image for a drawing of width × height at a scale: its device size, and back.
    static QImage ScaledImage(int width, int height, double scale, QImage::Format format);
    static int LogicalExtent(int device, double scale);
    // A rectangle of the drawing in the image's own pixels, as QPainter::drawImage takes a source.
    static QRectF InImagePixels(const QRect& r, const QImage& image);

    // Ends the painter, so that the image may be copied or handed out safely.
    void Release();

    // drawing state; read at every operation
    TCanvasPen Pen;
    TCanvasBrush Brush;
    QFont Font;
    TColor FontColor = clBlack;
    void AssignFont(const TFont& font);
    // Draws one-pixel lines of solid pens through the general pixel loop of dashed and
    // exclusive-or pens instead of their own faster paths: the same pixels, the reference those
    // paths are checked against.
    bool GeneralLines = false;

    // Clipping of every operation (the whole image when none is set).
    void SetClipRect(const QRect& clip);
    void ClearClipRect();
    QRect ClipRect() const;

    // path
    QPoint PenPos() const { return FPenPos; }
    // where a styled one-pixel line stands in its dash pattern; MoveTo starts the pattern anew,
    // LineTo goes on with it
    int StylePhase() const { return FStylePhase; }
    void SetStylePhase(int phase) { FStylePhase = phase; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const QPoint> points);
    void Polygon(std::span<const QPoint> points);

    // shapes in (left, top, right, bottom), right and bottom edges excluded
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const QRect& r) { Rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }
    void Ellipse(int left, int top, int right, int bottom);
    void FillRect(int left, int top, int right, int bottom);

    // pixels
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);  // in the pen mode
    void SetPixel(int x, int y, const QtColor auto& color) { SetPixel(x, y, ToColor(color)); }
    // Raw 0xAARRGGBB pixel writing for hot loops; the caller clips against ClipRect(). ScanLine
    // reaches the image's own rows, only for a canvas that is not Scaled().
    QRgb* ScanLine(int y);
    void BlendPixelRaw(int x, int y, QRgb rgb, TPenMode mode);
    // pixels x0..x1 of row y in the pen mode, clipped
    void BlendSpanRaw(int x0, int x1, int y, QRgb rgb, TPenMode mode);

    // text
    void TextOut(int x, int y, const QString& text);
    // Text at (x, y) clipped to the rectangle; a solid brush first fills the whole rectangle.
    void TextRect(const QRect& rect, int x, int y, const QString& text);
    QSize TextExtent(const QString& text) const;
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // bitmaps
    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const QRect& dest, const QImage& image);
    void CopyRect(const QRect& dest, const QImage& source, const QRect& sourceRect);

private:
    QPainter* Painter();
    void ApplyPainterState(QPainter& painter, bool usePen, bool useBrush) const;
    // the image's rows and the clip, fetched once per operation
    struct TRows {
        QRgb* Bits;
        qsizetype Stride;  // in pixels
        QRect Clip;
        QRgb* Line(int y) const { return Bits + y * Stride; }
    };
    TRows Rows();
    void PlotLine(int x0, int y0, int x1, int y1);
    void PlotStyledLine(const TRows& rows, int x0, int y0, int x1, int y1);
    void PlotSolidLine(const TRows& rows, QRgb copyBits, int x0, int y0, int x1, int y1);
    void PlotColumn(const TRows& rows, int x, int y0, int y1, QRgb copyBits);
    void SolidPolyline(std::span<const QPoint> points);
    bool SolidCopyPen() const;
    void PlotSpan(const TRows& rows, int x0, int x1, int y, QRgb rgb, TPenMode mode);
    void FillRows(const QRect& r, QRgb rgb, TPenMode mode);
    void WideOrXorShape(const std::function<void(QPainter&)>& draw, bool usePen, bool useBrush);
    bool ThinPen() const { return Pen.Width <= 1; }
    QRgb PenRgb() const;
    // the first device pixel of drawing pixel v, on a scaled canvas
    int Device(int v) const { return int(std::floor(v * FScale)); }
    QRect DeviceRect(const QRect& r) const;
    void FillDevice(const TRows& rows, const QRect& logical, QRgb rgb, TPenMode mode);

    QImage* FTarget = nullptr;
    std::unique_ptr<QPainter> FPainter;
    QRect FClip;
    bool FHasClip = false;
    QPoint FPenPos;
    int FStylePhase = 0;  // position in the dash pattern, kept along a path
    double FScale = 1.0;
};
