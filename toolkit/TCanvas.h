// SPDX-License-Identifier: MIT
#pragma once

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
class TVectorCanvas;

/// The pen of a canvas: how lines and outlines are drawn.
struct GRAVILO_TOOLKIT_EXPORT TCanvasPen {
    /// The colour of lines and outlines.
    TColor Color = clBlack;
    /// The line width in pixels: up to 1 a one-pixel line in Style, wider a solid line with round
    /// ends and joins.
    int Width = 1;
    /// The dash pattern of one-pixel lines (a wider pen draws solid); psClear draws no line.
    TPenStyle Style = psSolid;
    /// Copy, or exclusive-or (dest ^= pen colour); also the mode of SetPixel.
    TPenMode Mode = pmCopy;
};

/// The brush of a canvas: how shapes and the cells behind texts are filled.
struct GRAVILO_TOOLKIT_EXPORT TCanvasBrush {
    /// The fill colour.
    TColor Color = clWhite;
    /// bsSolid fills with Color; bsClear leaves what lies beneath.
    TBrushStyle Style = bsSolid;
};

/// A 2-D canvas on a QImage with the conventions the components are written for:
///  - MoveTo/LineTo leave the end point unpainted; a polyline paints all but its last point;
///  - Rectangle, Ellipse and FillRect take (left, top, right, bottom) and exclude the right and
///    bottom edges; the outline is drawn with the pen, the inside filled with the brush;
///  - TextOut places the text cell's top-left corner; a solid brush fills the cell behind it; texts
///    are measured and drawn up to ShownText::MaxLength characters;
///  - pen modes copy and exclusive-or (dest ^= pen colour), pen styles of one-pixel lines with the
///    classic dash patterns continuing along a path.
/// Nothing is antialiased. One-pixel lines, rectangles, fills and pixels are written directly into
/// the image; wider pens, ellipses, polygons, text and bitmaps go through a QPainter that the
/// canvas keeps open on its image until Release().
///
/// A canvas can also draw onto a painter as vectors (a PDF, an SVG, a printer): Vector() is then
/// true, lines become paths, shapes shapes, texts texts, at the places they have on an image.
///
/// An image with a device pixel ratio above 1 (a zoomed window, a high-density screen) is drawn on
/// in the same coordinates, the image's size divided by the ratio: each pixel of the drawing covers
/// the block of device pixels under it, and texts, shapes and bitmaps are drawn at the device's
/// resolution. At a ratio of 1 every pixel is the one written without it.
class GRAVILO_TOOLKIT_EXPORT TCanvas {
public:
    /// A canvas without an image: it draws nothing, its size is 0 × 0.
    TCanvas();
    /// A canvas on target, as SetTarget(target) gives it.
    explicit TCanvas(QImage* target);
    /// Ends the painter; the image stays the caller's.
    ~TCanvas();
    /// A canvas is not copied.
    TCanvas(const TCanvas&) = delete;
    /// A canvas is not assigned.
    TCanvas& operator=(const TCanvas&) = delete;

    /// The image drawn on; not owned. Changing it (or resizing it) must go through SetTarget. An
    /// image of a format other than RGB32 and premultiplied ARGB32 is converted to premultiplied
    /// ARGB32 in place; nullptr or a null image draws nothing.
    void SetTarget(QImage* target);
    /// The image drawn on, or nullptr.
    QImage* Target() const { return FTarget; }
    /// The width of the drawing: the image's width divided by Scale, rounded up; 0 without an image.
    int Width() const {
        return FTarget ? LogicalExtent(FTarget->width(), FScale) : Vector() ? FClip.width() : 0;
    }
    /// The height of the drawing: the image's height divided by Scale, rounded up; 0 without an
    /// image.
    int Height() const {
        return FTarget ? LogicalExtent(FTarget->height(), FScale) : Vector() ? FClip.height() : 0;
    }
    /// device pixels per drawing pixel: the image's device pixel ratio (1 where that is below 1, and
    /// without an image)
    double Scale() const { return FScale; }
    /// true when Scale is not 1.
    bool Scaled() const { return FScale != 1.0; }
    /// true when the canvas draws onto a painter as vectors rather than into an image: a render
    /// handler may then draw on VectorPainter() as well. Such a canvas has no Target(), its
    /// pixels read as white, and a clip set on it goes to the painter (ClipRect() is the drawing).
    bool Vector() const { return !FTarget && FPainter; }
    /// The painter a vector canvas draws on, in the drawing's pixels; nullptr for a canvas on an
    /// image.
    QPainter* VectorPainter() const { return Vector() ? FPainter.get() : nullptr; }
    /// An image for a drawing of width × height at a scale: its device size, floor(width · scale) ×
    /// floor(height · scale) pixels of format, with scale as its device pixel ratio, not filled. A
    /// null image when width or height is not positive.
    static QImage ScaledImage(int width, int height, double scale, QImage::Format format);
    /// And back: the drawing extent that device pixels at a scale cover, device / scale rounded up.
    static int LogicalExtent(int device, double scale);
    /// A rectangle of the drawing in the image's own pixels, as QPainter::drawImage takes a source.
    static QRectF InImagePixels(const QRect& r, const QImage& image);

    /// Ends the painter, so that the image may be copied or handed out safely. The next operation
    /// that needs a painter opens it again.
    void Release();

    // drawing state; read at every operation
    /// The pen of lines and outlines; read at every operation.
    TCanvasPen Pen;
    /// The brush of shapes and of the cells behind texts; read at every operation.
    TCanvasBrush Brush;
    /// The font of texts; read at every operation.
    QFont Font;
    /// The colour of texts; read at every operation.
    TColor FontColor = clBlack;
    /// Font and FontColor become the Qt font and the colour of font.
    void AssignFont(const TFont& font);
    /// Draws one-pixel lines of solid pens through the general pixel loop of dashed and
    /// exclusive-or pens instead of their own faster paths: the same pixels, the reference those
    /// paths are checked against.
    bool GeneralLines = false;

    /// Clipping of every operation (the whole image when none is set): clip within the drawing.
    void SetClipRect(const QRect& clip);
    /// Removes the clip: operations reach the whole image again.
    void ClearClipRect();
    /// The clip within the drawing; the whole drawing when none is set.
    QRect ClipRect() const;

    // path
    /// Where the pen stands: MoveTo and LineTo put it at their point, Polyline at its last point,
    /// TextOut after the end of the text.
    QPoint PenPos() const { return FPenPos; }
    /// where a styled one-pixel line stands in its dash pattern; MoveTo starts the pattern anew,
    /// LineTo goes on with it
    int StylePhase() const { return FStylePhase; }
    /// Puts a styled one-pixel line at phase in its dash pattern.
    void SetStylePhase(int phase) { FStylePhase = phase; }
    /// The pen moves to (x, y); nothing is drawn. The dash pattern starts anew.
    void MoveTo(int x, int y);
    /// A line from PenPos to (x, y), where the pen then stands. A one-pixel pen leaves (x, y)
    /// unpainted; a wider pen draws it with round ends.
    void LineTo(int x, int y);
    /// Lines through the points; a one-pixel pen paints all but the last point. The pen ends at the
    /// last point; no points draw nothing.
    void Polyline(std::span<const QPoint> points);
    /// The closed polygon through the points: outlined with the pen, the inside (even-odd) filled
    /// with the brush. Fewer than 2 points draw nothing; the pen stays where it was.
    void Polygon(std::span<const QPoint> points);

    // shapes in (left, top, right, bottom), right and bottom edges excluded
    /// The rectangle (left, top, right, bottom), right and bottom edges excluded: outlined with the
    /// pen, the inside filled with the brush. Edges given the wrong way round are swapped; an empty
    /// rectangle draws nothing. The pen stays where it was.
    void Rectangle(int left, int top, int right, int bottom);
    /// The rectangle r, every pixel of it included.
    void Rectangle(const QRect& r) { Rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }
    /// The ellipse inside (left, top, right, bottom), right and bottom edges excluded: outlined with
    /// the pen, filled with the brush; an empty rectangle draws nothing.
    void Ellipse(int left, int top, int right, int bottom);
    /// Fills (left, top, right, bottom), right and bottom edges excluded, with the brush's colour,
    /// copied whatever the pen mode; a clear brush fills nothing.
    void FillRect(int left, int top, int right, int bottom);

    // pixels
    /// The colour of pixel (x, y); 0xFFFFFFFF outside the drawing or without an image.
    TColor Pixel(int x, int y) const;
    /// Sets pixel (x, y) to color in the pen mode; outside the clip nothing happens.
    void SetPixel(int x, int y, TColor color);
    /// Sets pixel (x, y) to the colour a QColor or a Qt::GlobalColor names, in the pen mode.
    void SetPixel(int x, int y, const QtColor auto& color) { SetPixel(x, y, ToColor(color)); }
    /// Raw 0xAARRGGBB pixel writing for hot loops; the caller clips against ClipRect(). ScanLine
    /// reaches the image's own rows, only for a canvas that is not Scaled().
    QRgb* ScanLine(int y);
    /// Writes rgb at (x, y), unclipped (the caller clips against ClipRect()): pmCopy sets it
    /// opaque, pmXor flips its colour bits. On a Scaled() canvas the device pixels under it.
    void BlendPixelRaw(int x, int y, QRgb rgb, TPenMode mode);
    /// pixels x0..x1 of row y in a pen mode, clipped: rgb written in mode as BlendPixelRaw writes
    /// it; nothing without an image
    void BlendSpanRaw(int x0, int x1, int y, QRgb rgb, TPenMode mode);

    // text
    /// The text in Font and FontColor with its cell's top-left corner at (x, y); a solid brush
    /// fills the cell behind it first. The pen moves to the cell's top-right corner.
    void TextOut(int x, int y, const QString& text);
    /// Text at (x, y) clipped to the rectangle; a solid brush first fills the whole rectangle.
    /// Outside the clip nothing is drawn; the pen stays where it was.
    void TextRect(const QRect& rect, int x, int y, const QString& text);
    /// The size of the text's cell in Font: TextWidth × TextHeight.
    QSize TextExtent(const QString& text) const;
    /// The width of the text in Font, as TextOut advances it.
    int TextWidth(const QString& text) const;
    /// The height of a text cell in Font, whatever the text.
    int TextHeight(const QString& text) const;

    // bitmaps
    /// Draws image with its top-left corner at (x, y), blended by its alpha; a null image draws
    /// nothing.
    void Draw(int x, int y, const QImage& image);
    /// Draws image stretched onto dest; a null image or an empty dest draws nothing.
    void StretchDraw(const QRect& dest, const QImage& image);
    /// Copies sourceRect of source (in its drawing pixels) onto dest, alpha included, replacing what
    /// was there; a null source copies nothing.
    void CopyRect(const QRect& dest, const QImage& source, const QRect& sourceRect);

private:
    friend class TVectorCanvas;
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
    // vector drawing: the caller's painter without an image; FClip holds the drawing's size
    void AttachVector(QPainter* painter, const QSize& size);
    void DetachVector();
    void VectorLines(std::span<const QPoint> points);
    void VectorFill(const QRect& r, QRgb rgb, TPenMode mode);
    void VectorRectangle(const QRect& r);
    void VectorShape(const std::function<void(QPainter&)>& draw, bool usePen, bool useBrush);

    QImage* FTarget = nullptr;
    std::unique_ptr<QPainter> FPainter;
    QRect FClip;
    bool FHasClip = false;
    QPoint FPenPos;
    int FStylePhase = 0;  // position in the dash pattern, kept along a path
    double FScale = 1.0;
};
