// SPDX-License-Identifier: MIT
#include "TCanvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <utility>

#include "ShownText.h"
#include "TFont.h"

namespace {

QRect Normalized(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    // (left, top) .. (right - 1, bottom - 1)
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

Qt::PenStyle QtPenStyle(TPenStyle s) {
    switch (s) {
        case psDash:
            return Qt::DashLine;
        case psDot:
            return Qt::DotLine;
        case psDashDot:
            return Qt::DashDotLine;
        case psDashDotDot:
            return Qt::DashDotDotLine;
        case psClear:
            return Qt::NoPen;
        default:
            return Qt::SolidLine;
    }
}

// Advances of texts in fonts, remembered: the axes write the same tick texts at every repaint, and
// shaping a text costs far more than looking it up. GUI thread only (other threads measure anew);
// emptied when it grows large.
struct TAdvanceKey {
    QFont Font;
    QString Text;
    bool operator==(const TAdvanceKey& o) const { return Text == o.Text && Font == o.Font; }
};
size_t qHash(const TAdvanceKey& k, size_t seed = 0) noexcept {
    return qHashMulti(seed, k.Text, k.Font);
}

int TextAdvance(const QFont& font, const QString& text) {
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) return QFontMetrics(font).horizontalAdvance(text);
    static QHash<TAdvanceKey, int> advances;
    constexpr qsizetype Capacity = 4096;
    TAdvanceKey key{font, text};
    const auto found = advances.constFind(key);
    if (found != advances.constEnd()) return *found;
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advances.size() >= Capacity) advances.clear();
    advances.insert(std::move(key), advance);
    return advance;
}

}  // namespace

TCanvas::TCanvas() = default;

TCanvas::TCanvas(QImage* target) {
    SetTarget(target);
}

TCanvas::~TCanvas() {
    if (Vector()) DetachVector();
    Release();
}

void TCanvas::SetTarget(QImage* target) {
    if (Vector()) DetachVector();
    Release();
    FTarget = target;
    if (FTarget && FTarget->format() != QImage::Format_RGB32 &&
        FTarget->format() != QImage::Format_ARGB32_Premultiplied && !FTarget->isNull())
        *FTarget = FTarget->convertToFormat(QImage::Format_ARGB32_Premultiplied);
    FScale = FTarget && !FTarget->isNull() ? std::max(FTarget->devicePixelRatio(), 1.0) : 1.0;
}

// Drawing pixel v starts at device pixel floor(v · scale): the blocks tile the image without gaps
// or overlaps, so an exclusive-or drawn twice leaves no trace at any scale.
QImage TCanvas::ScaledImage(int width, int height, double scale, QImage::Format format) {
    if (width <= 0 || height <= 0) return QImage();
    QImage image(int(std::floor(width * scale)), int(std::floor(height * scale)), format);
    image.setDevicePixelRatio(scale);
    return image;
}

QRectF TCanvas::InImagePixels(const QRect& r, const QImage& image) {
    const double ratio = image.devicePixelRatio();
    return QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
}

int TCanvas::LogicalExtent(int device, double scale) {
    return scale == 1.0 ? device : int(std::ceil(device / scale - 1e-9));
}

QRect TCanvas::DeviceRect(const QRect& r) const {
    return QRect(QPoint(Device(r.left()), Device(r.top())),
                 QPoint(Device(r.right() + 1) - 1, Device(r.bottom() + 1) - 1))
        .intersected(QRect(0, 0, FTarget->width(), FTarget->height()));
}

// The device pixels under the drawing pixels of a rectangle, which lies inside the clip.
void TCanvas::FillDevice(const TRows& rows, const QRect& logical, QRgb rgb, TPenMode mode) {
    const QRect d = DeviceRect(logical);
    for (int y = d.top(); y <= d.bottom(); ++y) {
        QRgb* line = rows.Line(y);
        if (mode == pmXor) {
            for (int x = d.left(); x <= d.right(); ++x) line[x] ^= (rgb & 0x00FFFFFFu);
        } else {
            std::fill(line + d.left(), line + d.right() + 1, rgb | 0xFF000000u);
        }
    }
}

void TCanvas::Release() {
    if (Vector()) return;  // the painter is the caller's, open for the whole drawing
    FPainter.reset();
}

void TCanvas::AssignFont(const TFont& font) {
    Font = font.ToQFont();
    FontColor = font.Color();
}

void TCanvas::SetClipRect(const QRect& clip) {
    if (Vector()) return FPainter->setClipRect(clip.intersected(ClipRect()));
    FClip = clip;
    FHasClip = true;
    if (FPainter) FPainter->setClipRect(clip);
}

void TCanvas::ClearClipRect() {
    if (Vector()) return FPainter->setClipRect(ClipRect());
    FHasClip = false;
    if (FPainter) FPainter->setClipping(false);
}

QRect TCanvas::ClipRect() const {
    const QRect all(0, 0, Width(), Height());
    if (Vector()) return all;
    return FHasClip ? all.intersected(FClip) : all;
}

QPainter* TCanvas::Painter() {
    if (Vector()) return FPainter.get();
    if (!FTarget || FTarget->isNull()) return nullptr;
    if (!FPainter) {
        FPainter = std::make_unique<QPainter>(FTarget);
        FPainter->setRenderHint(QPainter::Antialiasing, false);
        FPainter->setRenderHint(QPainter::TextAntialiasing, false);
        FPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (FHasClip) FPainter->setClipRect(FClip);
    }
    return FPainter.get();
}

QRgb TCanvas::PenRgb() const {
    return ColorToRgb(Pen.Color);
}

void TCanvas::ApplyPainterState(QPainter& painter, bool usePen, bool useBrush) const {
    QPainter* p = &painter;
    if (usePen && Pen.Style != psClear) {
        const bool thin = ThinPen();
        // wide pens are solid with round ends, as the classic geometric pens are
        QPen pen(ColorToQColor(Pen.Color), thin ? 1 : Pen.Width, thin ? QtPenStyle(Pen.Style) : Qt::SolidLine,
                 thin ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin);
        p->setPen(pen);
    } else {
        p->setPen(Qt::NoPen);
    }
    if (useBrush && Brush.Style == bsSolid)
        p->setBrush(ColorToQColor(Brush.Color));
    else
        p->setBrush(Qt::NoBrush);
}

void TCanvas::BlendPixelRaw(int x, int y, QRgb rgb, TPenMode mode) {
    if (Vector()) return VectorFill(QRect(x, y, 1, 1), rgb, mode);
    if (Scaled()) {
        FillDevice(Rows(), QRect(x, y, 1, 1), rgb, mode);
        return;
    }
    QRgb* line = reinterpret_cast<QRgb*>(FTarget->scanLine(y));
    if (mode == pmXor)
        line[x] ^= (rgb & 0x00FFFFFFu);
    else
        line[x] = rgb | 0xFF000000u;
}

QRgb* TCanvas::ScanLine(int y) {
    return reinterpret_cast<QRgb*>(FTarget->scanLine(y));
}

void TCanvas::BlendSpanRaw(int x0, int x1, int y, QRgb rgb, TPenMode mode) {
    if (Vector() && x0 <= x1) return VectorFill(QRect(QPoint(x0, y), QPoint(x1, y)), rgb, mode);
    if (!FTarget || FTarget->isNull()) return;
    PlotSpan(Rows(), x0, x1, y, rgb, mode);
}

TCanvas::TRows TCanvas::Rows() {
    // bits() detaches the image once for the whole operation, not once per row
    return TRows{reinterpret_cast<QRgb*>(FTarget->bits()), FTarget->bytesPerLine() / qsizetype(sizeof(QRgb)),
                 ClipRect()};
}

void TCanvas::WideOrXorShape(const std::function<void(QPainter&)>& draw, bool usePen, bool useBrush) {
    if (!Painter()) return;
    if (Vector()) return VectorShape(draw, usePen, useBrush);
    if (Pen.Mode == pmCopy) {
        ApplyPainterState(*FPainter, usePen, useBrush);
        draw(*FPainter);
        return;
    }
    // exclusive-or: draw the shape into a mask of the image's size, then flip every pixel it
    // covers with the colour it was drawn in
    QImage mask(FTarget->size(), QImage::Format_ARGB32_Premultiplied);
    mask.setDevicePixelRatio(FTarget->devicePixelRatio());
    mask.fill(Qt::transparent);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing, false);
        if (FHasClip) mp.setClipRect(FClip);
        ApplyPainterState(mp, usePen, useBrush);
        draw(mp);
    }
    const QRect clip = Scaled() ? DeviceRect(ClipRect()) : ClipRect();
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const QRgb* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        QRgb* line = ScanLine(y);
        for (int x = clip.left(); x <= clip.right(); ++x)
            if (qAlpha(m[x]) == 255) line[x] ^= (m[x] & 0x00FFFFFFu);
    }
}

void TCanvas::Polygon(std::span<const QPoint> points) {
    if (points.size() < 2) return;
    WideOrXorShape([&](QPainter& p) { p.drawPolygon(points.data(), int(points.size()), Qt::OddEvenFill); },
                   true, true);
}

void TCanvas::FillRect(int left, int top, int right, int bottom) {
    if (Brush.Style == bsClear || (!Vector() && (!FTarget || FTarget->isNull()))) return;
    const QRect r = Normalized(left, top, right, bottom);
    if (r.isEmpty()) return;
    FillRows(r, ColorToRgb(Brush.Color), pmCopy);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (!Vector() && (!FTarget || FTarget->isNull())) return;
    const QRect r = Normalized(left, top, right, bottom);
    if (r.isEmpty()) return;
    const bool outline = Pen.Style != psClear;
    if (!ThinPen() && outline) {
        WideOrXorShape([&](QPainter& p) { p.drawRect(r.adjusted(0, 0, -1, -1)); }, true, true);
        return;
    }
    if (Vector()) return VectorRectangle(r);
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    // inside
    if (Brush.Style == bsSolid) {
        const int inset = outline ? 1 : 0;
        FillRows(QRect(QPoint(l + inset, t + inset), QPoint(rr - inset, b - inset)), ColorToRgb(Brush.Color),
                 Pen.Mode);
    }
    if (!outline) return;
    if (Pen.Style == psSolid) {
        const TRows rows = Rows();
        const QRgb pen = PenRgb();
        PlotSpan(rows, l, rr, t, pen, Pen.Mode);
        if (b > t) PlotSpan(rows, l, rr, b, pen, Pen.Mode);
        for (int y = t + 1; y < b; ++y) {
            PlotSpan(rows, l, l, y, pen, Pen.Mode);
            if (rr > l) PlotSpan(rows, rr, rr, y, pen, Pen.Mode);
        }
        return;
    }
    // styled outline: one closed path, each pixel once
    const QPoint saved = FPenPos;
    MoveTo(l, t);
    if (rr == l || b == t) {
        LineTo(rr + (rr == l ? 0 : 1), b + (b == t ? 0 : 1));
    } else {
        LineTo(rr, t);
        LineTo(rr, b);
        LineTo(l, b);
        LineTo(l, t);
    }
    FPenPos = saved;
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    const QRect r = Normalized(left, top, right, bottom);
    if (r.isEmpty()) return;
    WideOrXorShape([&](QPainter& p) { p.drawEllipse(r.adjusted(0, 0, -1, -1)); }, true, true);
}

TColor TCanvas::Pixel(int x, int y) const {
    if (Vector()) return clWhite;
    if (!FTarget || !QRect(0, 0, Width(), Height()).contains(x, y)) return 0xFFFFFFFFu;
    const QRgb p = FTarget->pixel(Device(x), Device(y));
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (Vector()) return VectorFill(QRect(x, y, 1, 1), ColorToRgb(color), Pen.Mode);
    if (!FTarget || !ClipRect().contains(x, y)) return;
    BlendPixelRaw(x, y, ColorToRgb(color), Pen.Mode);
}

QSize TCanvas::TextExtent(const QString& text) const {
    return QSize(TextWidth(text), QFontMetrics(Font).height());
}

// texts are measured and drawn as far as they are shown
int TCanvas::TextWidth(const QString& text) const {
    return TextAdvance(Font, ShownText::Bounded(text));
}

int TCanvas::TextHeight(const QString&) const {
    return QFontMetrics(Font).height();
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    if (!Painter()) return;
    const QFontMetrics fm(Font);
    const QString shown = ShownText::Bounded(text);
    const int advance = TextAdvance(Font, shown);
    if (Brush.Style == bsSolid) {
        const TCanvasPen pen = Pen;
        FillRect(x, y, x + advance, y + fm.height());
        Pen = pen;
    }
    FPainter->setFont(Font);
    FPainter->setPen(ColorToQColor(FontColor));
    FPainter->drawText(QPoint(x, y + fm.ascent()), shown);
    FPenPos = QPoint(x + advance, y);
}

void TCanvas::TextRect(const QRect& rect, int x, int y, const QString& text) {
    if (!Painter()) return;
    const QRect area = rect.intersected(ClipRect());
    if (area.isEmpty()) return;
    if (Brush.Style == bsSolid) FillRows(area, ColorToRgb(Brush.Color), pmCopy);
    FPainter->save();
    FPainter->setClipRect(area);
    FPainter->setFont(Font);
    FPainter->setPen(ColorToQColor(FontColor));
    FPainter->drawText(QPoint(x, y + QFontMetrics(Font).ascent()), ShownText::Bounded(text));
    FPainter->restore();
    if (FHasClip && !Vector()) FPainter->setClipRect(FClip);
}

void TCanvas::Draw(int x, int y, const QImage& image) {
    if (!Painter() || image.isNull()) return;
    FPainter->drawImage(QPoint(x, y), image);
}

void TCanvas::StretchDraw(const QRect& dest, const QImage& image) {
    if (!Painter() || image.isNull() || dest.isEmpty()) return;
    FPainter->drawImage(dest, image);
}

void TCanvas::CopyRect(const QRect& dest, const QImage& source, const QRect& sourceRect) {
    if (!Painter() || source.isNull()) return;
    if (Vector()) {
        // a vector device knows no replacing: the picture is drawn over what is there
        FPainter->drawImage(QRectF(dest), source, InImagePixels(sourceRect, source));
        return;
    }
    const QPainter::CompositionMode mode = FPainter->compositionMode();
    FPainter->setCompositionMode(QPainter::CompositionMode_Source);
    if (source.devicePixelRatio() == 1.0)
        FPainter->drawImage(dest, source, sourceRect);
    else
        FPainter->drawImage(QRectF(dest), source, InImagePixels(sourceRect, source));
    FPainter->setCompositionMode(mode);
}
