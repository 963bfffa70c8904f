#include "TMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "ShownText.h"

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
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(),
                    ShownText::Bounded(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

TInformationHandler SetInformationHandler(TInformationHandler handler) {
    TInformationHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
