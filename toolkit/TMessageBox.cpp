// SPDX-License-Identifier: MIT
#include "TMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "KeyboardBack.h"
#include "ShownText.h"

namespace {
TInformationHandler& Handler() {
    static TInformationHandler handler;
    return handler;
}

// a modal box with an OK button, or the installed handler in its place
void Show(QMessageBox::Icon icon, const QString& text, const QString& title = {}) {
    if (Handler()) {
        Handler()(text);
        return;
    }
    const TKeyboardBack keyboard;
    QMessageBox box(icon,
                    title.isEmpty() ? QApplication::applicationDisplayName() : ShownText::Bounded(title),
                    ShownText::Bounded(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void ShowInformation(const QString& text, const QString& title) {
    Show(QMessageBox::Information, text, title);
}

void ShowWarning(const QString& text) {
    Show(QMessageBox::Warning, text);
}

TInformationHandler SetInformationHandler(TInformationHandler handler) {
    TInformationHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
