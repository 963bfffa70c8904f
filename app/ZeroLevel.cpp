// SPDX-License-Identifier: MIT
#include "ZeroLevel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <cmath>

#include "FocusMark.h"
#include "KeyTable.h"
#include "WindowNumbers.h"
#include "ugravilo.h"

namespace {

constexpr int HandleSize = 15;
const QColor HandleColor(0xE0, 0x70, 0x00);

class TZeroLevelAccessible : public QAccessibleWidget {
public:
    explicit TZeroLevelAccessible(TZeroLevelHandle* handle)
        : QAccessibleWidget(handle, QAccessible::Slider) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return static_cast<TZeroLevelHandle*>(widget())->ValueText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* handle = qobject_cast<TZeroLevelHandle*>(object)) return new TZeroLevelAccessible(handle);
    return nullptr;
}

}  // namespace

TZeroLevelHandle::TZeroLevelHandle(TForm1& form) : QWidget(form.PLPict), FForm(form) {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("ZeroLevel"));
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::SizeVerCursor);
    resize(HandleSize, HandleSize);
    hide();
    // after the scene in the Tab order
    QWidget::setTabOrder(form.PLPict, this);
}

void TZeroLevelHandle::SetShown(bool shown) {
    if (!shown) FForm.Simulation().SetZeroLevel(0);
    setVisible(shown);
    FForm.SetZeroLevelShown(shown);
    Place();
}

void TZeroLevelHandle::Place() {
    if (!isVisible()) return;
    const TPlotica& scene = *FForm.PLPict;
    const QPoint at = scene.WorldToPixel(1, scene.Scale1X()->RangeLow(), FForm.Simulation().ZeroLevel());
    move(at.x() - HandleSize, at.y() - HandleSize / 2);
    update();
}

QString TZeroLevelHandle::ValueText() const {
    return WindowNumber(FForm.Simulation().ZeroLevel(), 1, FForm.DecimalComma()) + QStringLiteral(" m");
}

double TZeroLevelHandle::LevelAt(int sceneY) const {
    double x = 0, y = 0;
    FForm.PLPict->PixelToWorld(1, 0, sceneY, x, y);
    return std::round(y);
}

void TZeroLevelHandle::MoveTo(double level) {
    FForm.Simulation().SetZeroLevel(level);
    Place();
}

void TZeroLevelHandle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(HandleColor);
    // a wedge that points at the line
    const QPolygon wedge({QPoint(1, 1), QPoint(width() - 1, height() / 2), QPoint(1, height() - 2)});
    p.drawPolygon(wedge);
    FocusMark::Paint(this, p);
}

void TZeroLevelHandle::keyPressEvent(QKeyEvent* event) {
    const double step = event->modifiers() & Qt::ShiftModifier ? LongStep : ShortStep;
    const double level = FForm.Simulation().ZeroLevel();
    switch (KeyTable::ActionOf(KeyTable::kaZeroLevel, event->key(), event->modifiers())) {
        case KeyTable::aZeroUp:
            MoveTo(level + step);
            break;
        case KeyTable::aZeroDown:
            MoveTo(level - step);
            break;
        case KeyTable::aZeroGround:
            MoveTo(0);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void TZeroLevelHandle::mousePressEvent(QMouseEvent* event) {
    FDragging = event->button() == Qt::LeftButton;
}

void TZeroLevelHandle::mouseMoveEvent(QMouseEvent* event) {
    if (FDragging) MoveTo(LevelAt(mapToParent(event->position().toPoint()).y()));
}

void TZeroLevelHandle::mouseReleaseEvent(QMouseEvent*) {
    FDragging = false;
}

void TZeroLevelHandle::focusInEvent(QFocusEvent* event) {
    FocusMark::Note(this, event);
    QWidget::focusInEvent(event);
}

void TZeroLevelHandle::focusOutEvent(QFocusEvent* event) {
    FocusMark::Note(this, event);
    QWidget::focusOutEvent(event);
}
