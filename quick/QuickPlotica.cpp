// SPDX-License-Identifier: MIT
#include "QuickPlotica.h"

#include <vector>

#include "TColor.h"
#include "TPlotica.h"

QuickPlotica::QuickPlotica(QQuickItem* parent) : QuickComponent(Widget<TPlotica>(), parent) {
    // the chart paints from now on, hidden as it is: the item shows its picture
    Chart()->HandleNeeded();
    Chart()->OnZoomPan = [this](QObject*) {
        Changed();
        emit zoomPanned();
    };
    Chart()->OnMouseMoveInChart = [this](QObject*, bool inChart, TShiftState, double x, double y) {
        emit mouseMoveInChart(inChart, x, y);
    };
}

TPlotica* QuickPlotica::Chart() const {
    return static_cast<TPlotica*>(Control());
}

void QuickPlotica::setAutoShow(bool v) {
    if (v == FAutoShow) return;
    FAutoShow = v;
    Changed();
}

int QuickPlotica::currentLayer() const {
    return Chart()->CurrentLayer();
}

void QuickPlotica::setCurrentLayer(int v) {
    Chart()->SetCurrentLayer(v);
    Changed();
}

bool QuickPlotica::fillTransparent() const {
    return Chart()->FillTransparent();
}

void QuickPlotica::setFillTransparent(bool v) {
    Chart()->SetFillTransparent(v);
    Changed();
}

int QuickPlotica::itemCount() const {
    return Chart()->ItemCount();
}

void QuickPlotica::Drawn() {
    if (FAutoShow) FShowPending = true;
    Changed();
}

void QuickPlotica::BeforePicture() {
    if (!FShowPending) return;
    FShowPending = false;
    Chart()->ShowItems();
}

void QuickPlotica::addMark(double x, double y, int mark) {
    Chart()->AddMark(x, y, mark);
    Drawn();
}

void QuickPlotica::moveTo(double x, double y) {
    Chart()->MoveTo(x, y);
    Drawn();
}

void QuickPlotica::lineTo(double x, double y) {
    Chart()->LineTo(x, y);
    Drawn();
}

void QuickPlotica::line(double x1, double y1, double x2, double y2) {
    Chart()->AddLine(x1, y1, x2, y2);
    Drawn();
}

void QuickPlotica::rectangle(double x1, double y1, double x2, double y2) {
    Chart()->AddRectangle(x1, y1, x2, y2);
    Drawn();
}

void QuickPlotica::ellipse(double xc, double yc, double rx, double ry) {
    Chart()->AddEllipse(xc, yc, rx, ry);
    Drawn();
}

void QuickPlotica::framedBox(double x1, double y1, double x2, double y2, int frameStyle,
                             const QColor& frameColor1, const QColor& frameColor2) {
    Chart()->AddFramedBox(x1, y1, x2, y2, frameStyle, QColorToColor(frameColor1), QColorToColor(frameColor2));
    Drawn();
}

void QuickPlotica::bar3D(double x1, double y1, double x2, double y2, int angle, int depth) {
    Chart()->AddBar3D(x1, y1, x2, y2, angle, depth);
    Drawn();
}

void QuickPlotica::text(double x, double y, const QString& text, int sizePoints) {
    Chart()->AddText(x, y, text, sizePoints);
    Drawn();
}

void QuickPlotica::moveRel(double dx, double dy) {
    Chart()->MoveRel(dx, dy);
    Drawn();
}

void QuickPlotica::lineRel(double dx, double dy) {
    Chart()->LineRel(dx, dy);
    Drawn();
}

void QuickPlotica::arrow(double x1, double y1, double x2, double y2, int headLength) {
    Chart()->AddArrow(x1, y1, x2, y2, headLength);
    Drawn();
}

// A point as JavaScript gives it: an array [x, y] or an object {x, y} (a QML point among them).
template <typename F>
void QuickPlotica::EachPoint(const QVariantList& points, F f) {
    for (const QVariant& point : points) {
        double x = 0, y = 0;
        if (point.metaType().id() == QMetaType::QPointF || point.metaType().id() == QMetaType::QPoint) {
            x = point.toPointF().x();
            y = point.toPointF().y();
        } else if (point.canConvert<QVariantList>() && point.metaType().id() != QMetaType::QString) {
            const QVariantList pair = point.toList();
            if (pair.size() < 2) continue;
            x = pair[0].toDouble();
            y = pair[1].toDouble();
        } else {
            const QVariantMap object = point.toMap();
            if (!object.contains(QStringLiteral("x")) || !object.contains(QStringLiteral("y"))) continue;
            x = object.value(QStringLiteral("x")).toDouble();
            y = object.value(QStringLiteral("y")).toDouble();
        }
        f(x, y);
    }
}

// one compact series: a MoveTo and LineTos as the list counts them, 16 bytes a point
void QuickPlotica::polyline(const QVariantList& points) {
    std::vector<double> xs, ys;
    xs.reserve(std::size_t(points.size()));
    ys.reserve(std::size_t(points.size()));
    EachPoint(points, [&](double x, double y) {
        xs.push_back(x);
        ys.push_back(y);
    });
    Chart()->AddPolyline(xs.data(), ys.data(), int(xs.size()));
    Drawn();
}

void QuickPlotica::marks(const QVariantList& points, int mark) {
    EachPoint(points, [&](double x, double y) { Chart()->AddMark(x, y, mark); });
    Drawn();
}

void QuickPlotica::removeLastItem() {
    Chart()->RemoveLastItem();
    Drawn();
}

void QuickPlotica::clear() {
    Chart()->ClearItems();
    Drawn();
}

void QuickPlotica::showItems() {
    FShowPending = false;
    Chart()->ShowItems();
    Changed();
}

void QuickPlotica::repaint() {
    FShowPending = false;
    Chart()->Paint();
    Changed();
}

void QuickPlotica::setLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh) {
    Chart()->SetLayerRanges(layer, xLow, xHigh, yLow, yHigh);
    Changed();
}

void QuickPlotica::setLayerVisible(int layer, bool visible) {
    Chart()->SetLayerVisible(layer, visible);
    Changed();
}

bool QuickPlotica::layerVisible(int layer) const {
    return Chart()->LayerVisible(layer);
}

void QuickPlotica::setClassVisible(int itemClass, bool visible) {
    Chart()->SetClassVisible(itemClass, visible);
    Changed();
}

bool QuickPlotica::classVisible(int itemClass) const {
    return Chart()->ClassVisible(itemClass);
}

void QuickPlotica::setMouseLayer(int layer, bool on) {
    Chart()->SetMouseLayer(layer, on);
}

bool QuickPlotica::mouseLayer(int layer) const {
    return Chart()->MouseLayer(layer);
}

QPoint QuickPlotica::worldToPixel(int layer, double x, double y) const {
    return Chart()->WorldToPixel(layer, x, y);
}

QPointF QuickPlotica::pixelToWorld(int layer, int px, int py) const {
    double x = 0, y = 0;
    Chart()->PixelToWorld(layer, px, py, x, y);
    return {x, y};
}
