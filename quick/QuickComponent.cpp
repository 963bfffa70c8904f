// SPDX-License-Identifier: MIT
#include "QuickComponent.h"

#include <QtQml/qqmlinfo.h>
#include <QApplication>
#include <QCursor>
#include <QMetaProperty>
#include <QPainter>
#include <QQuickWindow>
#include <cmath>

#include "TColor.h"
#include "TPaintedControl.h"
#include "TProperties.h"
#include "VexaError.h"

namespace {

// The part a path leads to and the property of it that the path names (invalid when none).
QMetaProperty PropertyOnPath(const QObject* component, const QByteArray& path) {
    const QList<QByteArray> steps = path.split('.');
    const QObject* part = component;
    for (qsizetype i = 0; part && i + 1 < steps.size(); ++i) part = GetObjectProp(part, steps[i].constData());
    if (!part) return {};
    const int index = part->metaObject()->indexOfProperty(steps.last().constData());
    return index < 0 ? QMetaProperty() : part->metaObject()->property(index);
}

}  // namespace

void RequireWidgetApplication() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        qFatal(
            "Gravilo.Charts: its items are Qt widgets inside; the program needs a QApplication "
            "(QApplication app(argc, argv), not QGuiApplication) before the QML engine loads them");
}

QuickComponent::QuickComponent(std::unique_ptr<TPaintedControl> control, QQuickItem* parent)
    : QQuickPaintedItem(parent), FControl(std::move(control)) {
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
    setAcceptHoverEvents(true);
    // the picture is drawn pixel for pixel: nothing to smooth
    setSmooth(false);
    setAntialiasing(false);
    FControl->SetBounds(0, 0, 0, 0);
}

QuickComponent::~QuickComponent() = default;

QObject* QuickComponent::component() const {
    return FControl.get();
}

bool QuickComponent::set(const QString& name, const QVariant& value) {
    const QByteArray path = name.toUtf8();
    QVariant v = value;
    const QMetaProperty p = PropertyOnPath(FControl.get(), path);
    if (IsColourSetting(p)) {
        // a QML colour, or a colour's name ("red", "#ff0000"); a number stays the component's
        if (v.metaType().id() == QMetaType::QColor) {
            v = QVariant::fromValue(QColorToColor(v.value<QColor>()));
        } else if (v.metaType().id() == QMetaType::QString) {
            const QColor named = QColor::fromString(v.toString());
            bool number = false;
            v.toString().toUInt(&number, 0);
            if (!number && named.isValid()) v = QVariant::fromValue(QColorToColor(named));
        }
    }
    bool taken = false;
    QString refusal;
    try {
        taken = SetPropPath(FControl.get(), path, v);
    } catch (const EVexaError& error) {
        refusal = QString::fromUtf8(error.what());
    }
    if (!taken) {
        if (!p.isValid())
            qmlWarning(this) << "there is no property " << name;
        else
            qmlWarning(this) << name << " does not take " << value.toString() << " " << refusal;
        return false;
    }
    Changed();
    return true;
}

QVariant QuickComponent::get(const QString& name) const {
    const QByteArray path = name.toUtf8();
    const QVariant v = GetPropPath(FControl.get(), path);
    if (!v.isValid()) return v;
    const QMetaProperty p = PropertyOnPath(FControl.get(), path);
    if (IsColourSetting(p)) return ColorToQColor(v.toUInt());
    if (p.isEnumType()) {
        const char* key = p.enumerator().valueToKey(v.toInt());
        if (key) return QString::fromLatin1(key);
        return v.toInt();
    }
    return v;
}

QStringList QuickComponent::propertyNames() const {
    QStringList names;
    for (const TPropInfo& info : PublishedProperties(FControl.get()))
        if (!info.FromQt) names << QString::fromLatin1(info.Name);
    return names;
}

void QuickComponent::refresh() {
    Changed();
}

QImage QuickComponent::picture() {
    TakePicture();
    return FFrame;
}

void QuickComponent::Changed() {
    polish();
    emit changed();
}

// The widget takes the item's size and the window's density; a picture not of that size is
// painted anew, as the widget's own paint event does.
void QuickComponent::TakePicture() {
    const int w = std::max(0, int(std::lround(width()))), h = std::max(0, int(std::lround(height())));
    if (FControl->width() != w || FControl->height() != h) FControl->SetBounds(0, 0, w, h);
    if (window()) FControl->SetDeviceScale(window()->effectiveDevicePixelRatio());
    BeforePicture();
    const TCanvas& c = FControl->Canvas();
    if (c.Width() != FControl->width() || c.Height() != FControl->height() ||
        c.Scale() != FControl->DeviceScale())
        FControl->RepaintNow();
    const QImage& picture = FControl->Picture();
    if (picture.cacheKey() == FFrame.cacheKey()) return;
    FFrame = picture;
    update();
}

void QuickComponent::updatePolish() {
    TakePicture();
}

void QuickComponent::paint(QPainter* painter) {
    if (FFrame.isNull()) return;
    painter->setCompositionMode(FFrame.hasAlphaChannel() ? QPainter::CompositionMode_SourceOver
                                                         : QPainter::CompositionMode_Source);
    painter->drawImage(QRectF(QPointF(0, 0), FFrame.deviceIndependentSize()), FFrame);
}

void QuickComponent::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) polish();
}

void QuickComponent::itemChange(ItemChange change, const ItemChangeData& value) {
    QQuickPaintedItem::itemChange(change, value);
    // a new window, or a new density of it
    if (change == ItemSceneChange || change == ItemDevicePixelRatioHasChanged) polish();
}

bool QuickComponent::Forward(QEvent::Type type, QPointF position, Qt::MouseButton button,
                             Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    const QPointF global = mapToGlobal(position);
    QMouseEvent event(type, position, position, global, button, buttons, modifiers);
    const bool taken = QCoreApplication::sendEvent(FControl.get(), &event);
    FollowCursor();
    polish();
    return taken;
}

void QuickComponent::FollowCursor() {
#if QT_CONFIG(cursor)
    if (FControl->testAttribute(Qt::WA_SetCursor))
        setCursor(FControl->cursor());
    else
        unsetCursor();
#endif
}

void QuickComponent::mousePressEvent(QMouseEvent* e) {
    Forward(QEvent::MouseButtonPress, e->position(), e->button(), e->buttons(), e->modifiers());
    e->accept();  // the moves and the release of this press come here too
}

void QuickComponent::mouseMoveEvent(QMouseEvent* e) {
    Forward(QEvent::MouseMove, e->position(), Qt::NoButton, e->buttons(), e->modifiers());
}

void QuickComponent::mouseReleaseEvent(QMouseEvent* e) {
    Forward(QEvent::MouseButtonRelease, e->position(), e->button(), e->buttons(), e->modifiers());
}

void QuickComponent::mouseDoubleClickEvent(QMouseEvent* e) {
    Forward(QEvent::MouseButtonDblClick, e->position(), e->button(), e->buttons(), e->modifiers());
}

void QuickComponent::hoverEnterEvent(QHoverEvent* e) {
    QEnterEvent enter(e->position(), e->position(), mapToGlobal(e->position()));
    QCoreApplication::sendEvent(FControl.get(), &enter);
    Forward(QEvent::MouseMove, e->position(), Qt::NoButton, Qt::NoButton, e->modifiers());
}

void QuickComponent::hoverMoveEvent(QHoverEvent* e) {
    Forward(QEvent::MouseMove, e->position(), Qt::NoButton, Qt::NoButton, e->modifiers());
}

void QuickComponent::hoverLeaveEvent(QHoverEvent*) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(FControl.get(), &leave);
    polish();
}

void QuickComponent::wheelEvent(QWheelEvent* e) {
    QWheelEvent wheel(e->position(), mapToGlobal(e->position()), e->pixelDelta(), e->angleDelta(),
                      e->buttons(), e->modifiers(), e->phase(), e->inverted());
    wheel.setAccepted(false);
    QCoreApplication::sendEvent(FControl.get(), &wheel);
    e->setAccepted(wheel.isAccepted());
    polish();
}

void QuickComponent::ForwardKey(QKeyEvent* e) {
    QKeyEvent key(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(), ushort(e->count()));
    QCoreApplication::sendEvent(FControl.get(), &key);
    e->setAccepted(key.isAccepted());
    polish();
}

void QuickComponent::keyPressEvent(QKeyEvent* e) {
    ForwardKey(e);
}

void QuickComponent::keyReleaseEvent(QKeyEvent* e) {
    ForwardKey(e);
}
