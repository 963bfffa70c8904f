// SPDX-License-Identifier: MIT
#include "Pictures.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <initializer_list>

namespace {

// The icon is designed on a 256-unit square; the painter's scale fits it to any size.
constexpr qreal Design = 256.0;

QImage TransparentSquare(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void PaintTile(QPainter& p) {
    const QRectF tile(8, 8, 240, 240);
    QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
    sky.setColorAt(0.0, QColor(0xe8, 0xf4, 0xfd));
    sky.setColorAt(1.0, QColor(0x8f, 0xc6, 0xf0));
    p.setPen(QPen(QColor(0x2b, 0x5f, 0x8e), 6));
    p.setBrush(sky);
    p.drawRoundedRect(tile.adjusted(3, 3, -3, -3), 40, 40);

    // the ground the mass is lifted from
    QPainterPath clip;
    clip.addRoundedRect(tile.adjusted(6, 6, -6, -6), 37, 37);
    p.save();
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5d, 0x9b, 0x3a));
    p.drawRect(QRectF(0, 206, Design, 50));
    p.restore();
}

void PaintTower(QPainter& p) {
    // the post on the right and the arm that carries the pulley's axle
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6b, 0x4a, 0x2f));
    p.drawRect(QRectF(186, 44, 18, 164));
    p.drawRect(QRectF(112, 40, 92, 16));
}

void PaintRope(QPainter& p) {
    QPen rope(QColor(0x3e, 0x2a, 0x1a), 7, Qt::SolidLine, Qt::RoundCap);
    p.setPen(rope);
    p.drawLine(QPointF(82, 84), QPointF(82, 150));    // down to the mass
    p.drawLine(QPointF(158, 84), QPointF(158, 178));  // the free end that is pulled
    // the hand grip at the free end
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 9));
    p.drawEllipse(QPointF(158, 188), 11, 11);
}

void PaintPulley(QPainter& p) {
    const QPointF centre(120, 84);
    QRadialGradient wheel(centre - QPointF(10, 10), 48);
    wheel.setColorAt(0.0, QColor(0xff, 0xe0, 0x82));
    wheel.setColorAt(1.0, QColor(0xf0, 0x9c, 0x10));
    p.setPen(QPen(QColor(0x7a, 0x4e, 0x05), 6));
    p.setBrush(wheel);
    p.drawEllipse(centre, 38, 38);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x4e, 0x05));
    p.drawEllipse(centre, 10, 10);
    // the axle's stay to the arm
    p.drawRect(QRectF(115, 50, 10, 30));
    // the rope runs over the wheel's upper half
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x3e, 0x2a, 0x1a), 7, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(centre.x() - 38, centre.y() - 38, 76, 76), 0, 180 * 16);
}

void PaintMass(QPainter& p) {
    // a weight with a lug: narrower at the top, like the weights of a balance
    QPainterPath weight;
    weight.moveTo(62, 150);
    weight.lineTo(102, 150);
    weight.lineTo(116, 204);
    weight.lineTo(48, 204);
    weight.closeSubpath();
    QLinearGradient metal(QPointF(48, 0), QPointF(116, 0));
    metal.setColorAt(0.0, QColor(0x54, 0x62, 0x6e));
    metal.setColorAt(0.45, QColor(0x9a, 0xa8, 0xb4));
    metal.setColorAt(1.0, QColor(0x37, 0x40, 0x48));
    p.setPen(QPen(QColor(0x1f, 0x26, 0x2c), 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(metal);
    p.drawPath(weight);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1f, 0x26, 0x2c), 6));
    p.drawEllipse(QPointF(82, 143), 8, 8);
}

void PaintHeightArrow(QPainter& p) {
    // how far the mass has been lifted: the height h of E = m·g·h
    const QColor red(0xc6, 0x28, 0x28);
    p.setPen(QPen(red, 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(30, 204), QPointF(30, 140));
    QPainterPath head;
    head.moveTo(30, 112);
    head.lineTo(44, 142);
    head.lineTo(16, 142);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPath(head);
}

}  // namespace

QImage PaintGraviloIcon(int size) {
    QImage image = TransparentSquare(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / Design, size / Design);
    PaintTile(p);
    PaintTower(p);
    PaintRope(p);
    PaintPulley(p);
    PaintMass(p);
    PaintHeightArrow(p);
    return image;
}

namespace {

constexpr int GraviloIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon in all its sizes is painted the first time anyone looks at it: a program that never
// shows it (a screenshot on no screen) does not pay for it, the others pay once.
class TGraviloIconEngine : public QIconEngine {
public:
    TGraviloIconEngine() = default;
    TGraviloIconEngine(const TGraviloIconEngine& other) : QIconEngine(other), FIcon(other.FIcon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : GraviloIconSizes) sizes.append(QSize(size, size));
        return sizes;
    }
    QIconEngine* clone() const override { return new TGraviloIconEngine(*this); }
    QString key() const override { return QStringLiteral("GraviloIconEngine"); }
    bool isNull() override { return false; }

private:
    const QIcon& Icon() {
        if (FIcon.isNull())
            for (int size : GraviloIconSizes) FIcon.addPixmap(QPixmap::fromImage(PaintGraviloIcon(size)));
        return FIcon;
    }
    QIcon FIcon;
};

}  // namespace

QIcon GraviloIcon() {
    return QIcon(new TGraviloIconEngine);
}

QImage PaintOkGlyph(int size) {
    QImage image = TransparentSquare(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 16.0, size / 16.0);
    QPainterPath tick;
    tick.moveTo(2.5, 8.5);
    tick.lineTo(6.0, 12.5);
    tick.lineTo(13.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1b, 0x5e, 0x20), 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(0x43, 0xa0, 0x47), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return image;
}

QIcon OkGlyph() {
    QIcon icon;
    for (int size : {16, 24, 32}) icon.addPixmap(QPixmap::fromImage(PaintOkGlyph(size)));
    return icon;
}
