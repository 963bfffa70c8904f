// SPDX-License-Identifier: MIT
#include "GraviloDesignerPlugin.h"

#include <QPainter>

#include "DesignerWidget.h"
#include "TNumora.h"
#include "TPlotica.h"
#include "TScale.h"

namespace {

// The widget box's icons, drawn at 22 × 22 in the components' own plain look: a framed chart with
// a curve, an axis with its ticks, a framed number.
QIcon PaintedIcon(const std::function<void(QPainter&)>& Draw) {
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter);
    return QIcon(pixmap);
}

QIcon ChartIcon() {
    return PaintedIcon([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(2, 2, 18, 18);
        p.setPen(QPen(QColor(0, 0, 160), 1.5));
        p.drawPolyline(QPolygonF({{4, 17}, {8, 12}, {12, 14}, {16, 6}, {19, 4}}));
    });
}

QIcon ScaleIcon() {
    return PaintedIcon([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(2, 8, 20, 8);
        for (int x = 2; x <= 20; x += 3) p.drawLine(x, 8, x, x % 9 == 2 ? 16 : 12);
    });
}

QIcon NumberIcon() {
    return PaintedIcon([](QPainter& p) {
        p.setPen(QPen(Qt::gray, 1));
        p.setBrush(QColor(255, 255, 225));
        p.drawRect(1, 5, 20, 12);
        p.setPen(Qt::black);
        QFont font = p.font();
        font.setPixelSize(9);
        p.setFont(font);
        p.drawText(QRect(1, 5, 20, 12), Qt::AlignCenter, QStringLiteral("1.5"));
    });
}

}  // namespace

GraviloDesignerPlugin::GraviloDesignerPlugin(QObject* parent) : QObject(parent) {
    using TKind = DesignerWidget::TKind;
    FWidgets.append(new DesignerWidget(
        TKind{QStringLiteral("TPlotica"), QStringLiteral("Chart with sixteen layers and embedded axes"),
              QSize(400, 300), ChartIcon(), [](QWidget* parent) { return new TPlotica(parent); }},
        this));
    FWidgets.append(
        new DesignerWidget(TKind{QStringLiteral("TScale"), QStringLiteral("Axis scale"), QSize(300, 40),
                                 ScaleIcon(), [](QWidget* parent) { return new TScale(parent); }},
                           this));
    FWidgets.append(new DesignerWidget(
        TKind{QStringLiteral("TNumora"), QStringLiteral("Framed numeric label"), QSize(150, 24), NumberIcon(),
              [](QWidget* parent) { return new TNumora(parent); }},
        this));
}
