// SPDX-License-Identifier: MIT
#include "ScriptKeys.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMetaEnum>
#include <QThread>
#include <QWidget>

// Qt's own way of offering a key to the shortcuts before its widget (QtGui exports it for QtTest)
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

namespace {

// what a key types, as a keyboard reports it with the key
QString TypedText(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return QStringLiteral("\r");
    if (key == Qt::Key_Tab) return QStringLiteral("\t");
    if (key < Qt::Key_Space || key > Qt::Key_AsciiTilde) return {};
    const QChar c(key);
    return modifiers & Qt::ShiftModifier ? QString(c) : QString(c.toLower());
}

// A button pressed by a shortcut clicks once its short press animation has passed.
void WaitForButtons(QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QCoreApplication::processEvents();
        bool down = false;
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
            down |= button->isDown();
        if (!down || waited.elapsed() > 2000) return;
        QThread::msleep(10);
    }
}

QString OneLine(QString text) {
    return text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

void Collect(QAccessibleInterface* object, QStringList& lines, int depth) {
    if (!object || !object->isValid() || depth > 64) return;
    if (object->state().invisible) return;
    const QString name = OneLine(object->text(QAccessible::Name));
    const QString value = OneLine(object->text(QAccessible::Value));
    if (!name.isEmpty() || !value.isEmpty()) {
        const char* role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(object->role());
        lines << QStringLiteral("%1|%2|%3").arg(QLatin1String(role ? role : "Unknown"), name, value);
    }
    for (int i = 0; i < object->childCount(); ++i) Collect(object->child(i), lines, depth + 1);
}

}  // namespace

namespace ScriptKeys {

bool Press(QWidget& window, const QString& sequence, QString& error) {
    const QKeySequence keys = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    if (keys.count() != 1 || keys[0].key() == Qt::Key_unknown || keys[0].key() == 0) {
        error =
            QStringLiteral("\"%1\" is not a key (such as Tab, Shift+Down, 2, Return, Alt+R)").arg(sequence);
        return false;
    }
    const int key = keys[0].key();
    const Qt::KeyboardModifiers modifiers = keys[0].keyboardModifiers();
    const QString text = TypedText(key, modifiers);
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    if (!qt_sendShortcutOverrideEvent(target, 0, key, modifiers, text, false, 1)) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
    }
    // the press may have moved the focus on: the release goes where the focus is now
    target = window.focusWidget() ? window.focusWidget() : &window;
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
    WaitForButtons(window);
    return true;
}

QStringList AccessibleLines(QWidget& window) {
    QStringList lines;
    Collect(QAccessible::queryAccessibleInterface(&window), lines, 0);
    return lines;
}

}  // namespace ScriptKeys
