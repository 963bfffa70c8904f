// SPDX-License-Identifier: MIT
#pragma once
// The base of the Qt Quick items of Gravilo.Charts: a QQuickPaintedItem that owns a hidden
// component widget (TPlotica, TScale, TNumora), keeps it at the item's size and at the window's
// device pixel ratio, and shows the widget's own picture, the same pixels the widget shows. Mouse
// presses, movements, releases, the wheel and keys go to the widget, so that its own tools (pan,
// zoom, cross-hairs, labels) work; the pointer takes the widget's cursor.
//
// The published properties of the component are reached by name (set, get), parts by a path
// ("Scale1X.RangeLow", "Font.Height"); the items declare the important ones as QML properties too.
// The picture is taken on the GUI thread (updatePolish) and only drawn in paint(), so that a
// threaded render loop never touches the widget.

#include <QtQml/qqmlregistration.h>
#include <QImage>
#include <QQuickPaintedItem>
#include <QVariant>
#include <memory>

class TPaintedControl;

// Stops the program with a message that says why when it has no QApplication: the items' components
// are widgets.
void RequireWidgetApplication();

// The declared properties forward to the component's published property Published: type name()
// and setName(type), the property's NOTIFY is changed().
#define GRAVILO_QUICK_FORWARD(Type, name, setName, Published) \
public:                                                       \
    Type name() const {                                       \
        return Get(Published).value<Type>();                  \
    }                                                         \
    void setName(const Type& v) {                             \
        Set(Published, v);                                    \
    }                                                         \
                                                              \
private:

class QuickComponent : public QQuickPaintedItem {
    Q_OBJECT
    // the component itself, for C++: qobject_cast<TPlotica*>(item->property("component").value<QObject*>())
    Q_PROPERTY(QObject* component READ component CONSTANT)
    QML_ANONYMOUS
public:
    ~QuickComponent() override;

    QObject* component() const;

    // A published property of the component, or a setting of one of its parts by its path; an
    // enumeration takes the name of its value (or its number), a colour a QML colour, a colour's
    // name or a number 0x00BBGGRR. false, with a warning, when nothing takes the value.
    Q_INVOKABLE bool set(const QString& name, const QVariant& value);
    // The value: an enumeration as the name of its value, a colour as a QML colour; undefined
    // (an invalid QVariant) when there is no such property.
    Q_INVOKABLE QVariant get(const QString& name) const;
    // The names of the published properties of the component (without the parts' settings).
    Q_INVOKABLE QStringList propertyNames() const;
    // The component was changed from C++ (or from set): its picture is taken again.
    Q_INVOKABLE void refresh();
    // The component's picture as it is now: what the item shows at the next frame.
    Q_INVOKABLE QImage picture();

    void paint(QPainter* painter) override;

signals:
    // a property or the component's state changed (one signal for every declared property)
    void changed();

protected:
    // a new component widget of the class T, once the application is known to be a QApplication
    template <typename T>
    static std::unique_ptr<TPaintedControl> Widget() {
        RequireWidgetApplication();
        return std::make_unique<T>();
    }
    // takes the widget, which it keeps at the item's size from now on
    QuickComponent(std::unique_ptr<TPaintedControl> control, QQuickItem* parent);
    TPaintedControl* Control() const { return FControl.get(); }
    // a property of the declared ones, by name: a refusal is warned of
    QVariant Get(const char* name) const { return get(QString::fromLatin1(name)); }
    void Set(const char* name, const QVariant& value) { set(QString::fromLatin1(name), value); }
    // something the component shows may have changed: a new picture at the next frame, changed()
    void Changed();
    // before the picture is taken (the chart shows its list)
    virtual void BeforePicture() {}

    void updatePolish() override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;
    void hoverLeaveEvent(QHoverEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // hands an event to the widget at the item's position of it; true when the widget took it
    bool Forward(QEvent::Type type, QPointF position, Qt::MouseButton button, Qt::MouseButtons buttons,
                 Qt::KeyboardModifiers modifiers);
    // hands a key event to the widget; taken when the widget took it
    void ForwardKey(QKeyEvent* e);
    void FollowCursor();
    void TakePicture();
    std::unique_ptr<TPaintedControl> FControl;
    QImage FFrame;  // the picture paint() draws, taken on the GUI thread
};
