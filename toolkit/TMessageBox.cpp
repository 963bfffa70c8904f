#include "TMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
TInformationHandler& Handler() {
    static TInformationHandler handler;
    return handler;
}
}  // namespace

void ShowInformation(const QString& text) {
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(), text,
                             QMessageBox::Ok);
}

void ShowWarning(const QString& text) {
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationDisplayName(), text,
                         QMessageBox::Ok);
}

TInformationHandler SetInformationHandler(TInformationHandler handler) {
    TInformationHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
