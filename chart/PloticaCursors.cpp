// SPDX-License-Identifier: MIT
#include "PloticaCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace {

constexpr int Size = 32;

QPixmap Blank() {
    QPixmap p(Size, Size);
    p.fill(Qt::transparent);
    return p;
}

// white shapes with a black outline stay visible on any background
void Outline(QPainter& p, const QPainterPath& path) {
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

QCursor Hand() {
    QPixmap pix = Blank();
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8.5, 14.5, 15, 13), 4, 4);
    const std::array<QRectF, 4> fingers{QRectF(8.5, 6.5, 3.5, 12), QRectF(12.5, 3.5, 3.5, 14),
                                        QRectF(16.5, 4.5, 3.5, 13), QRectF(20.5, 7.5, 3.5, 11)};
    for (const QRectF& f : fingers) {
        QPainterPath finger;
        finger.addRoundedRect(f, 1.75, 1.75);
        hand = hand.united(finger);
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(3.5, 15.5, 9, 3.5), 1.75, 1.75);
    hand = hand.united(QTransform().translate(8, 17).rotate(40).translate(-8, -17).map(thumb));
    Outline(p, hand);
    return QCursor(pix, 16, 16);
}

// the magnifier: a lens around (12, 12) with a handle to the lower right; `inner` draws inside
template <typename Inner>
QCursor Magnifier(Inner inner) {
    QPixmap pix = Blank();
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    QPainterPath lens;
    lens.addEllipse(QPointF(12, 12), 9, 9);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawPath(lens);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    inner(p);
    return QCursor(pix, 12, 12);
}

QCursor ZoomWindow() {
    return Magnifier([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(7, 8, 10, 8);
    });
}

QCursor ZoomDrag() {
    return Magnifier([](QPainter& p) {
        p.drawLine(6, 12, 18, 12);
        p.drawLine(6, 12, 9, 9);
        p.drawLine(6, 12, 9, 15);
        p.drawLine(18, 12, 15, 9);
        p.drawLine(18, 12, 15, 15);
    });
}

QCursor ZoomWindowPos() {
    return Magnifier([](QPainter& p) {
        p.drawLine(7, 12, 17, 12);
        p.drawLine(12, 7, 12, 17);
        p.drawLine(7, 11, 17, 11);
        p.drawLine(11, 7, 11, 17);
    });
}

}  // namespace

const QCursor& PloticaCursor(int index) {
    // made on first use (a cursor image needs the application) and never destroyed: a pixmap
    // must not be released after the application has gone
    static const std::array<const QCursor*, 6> cursors{
        new QCursor(Qt::ArrowCursor), new QCursor(Hand()),          new QCursor(ZoomWindow()),
        new QCursor(ZoomDrag()),      new QCursor(ZoomWindowPos()), new QCursor(Qt::CrossCursor)};
    return *cursors[index >= 0 && index < int(cursors.size()) ? index : pcDefault];
}
