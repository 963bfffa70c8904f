// SPDX-License-Identifier: MIT
#include "TForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>

#include "KeyboardBack.h"
#include "TButtons.h"
#include "TControlAlign.h"

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window), TComponent(this), FFont(new TFont(this)) {
    FFont->setObjectName(QStringLiteral("Font"));
    FFont->OnChange = [this](TFont*) { ApplyFont(); };
    ApplyFont();
    SetColor(FColor);
}

TForm::~TForm() {
    if (FModalLoop) FModalLoop->quit();
}

void TForm::ApplyFont() {
    setFont(FFont->ToQFont());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ColorToQColor(FFont->Color()));
    pal.setColor(QPalette::ButtonText, ColorToQColor(FFont->Color()));
    setPalette(pal);
}

void TForm::SetColor(TColor color) {
    FColor = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ColorToQColor(color));
    setPalette(pal);
    setAutoFillBackground(true);
}

void TForm::SetClientSize(int width, int height) {
    const QMargins around = contentsMargins();
    const QSize size(width + around.left() + around.right(), height + around.top() + around.bottom());
    if (FBorderStyle == bsDialog || FBorderStyle == bsSingle || FBorderStyle == bsToolWindow)
        setFixedSize(size);
    else
        resize(size);
    AlignChildControls(this);
}

void TForm::SetClientMargins(const QMargins& margins) {
    const QSize client = contentsRect().size();
    setContentsMargins(margins);
    SetClientSize(client.width(), client.height());
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    FBorderStyle = style;
    if (style == bsDialog || style == bsSingle || style == bsToolWindow) {
        setFixedSize(size());
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void TForm::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void TForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    Fire(OnShow, this);
}

void TForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    AlignChildControls(this);
}

int TForm::ShowModal() {
    if (FModalLoop) return mrNone;
    FModalResult = mrNone;
    if (FPosition == poScreenCenter || FPosition == poDesktopCenter) CentreOnScreen();
    setWindowModality(Qt::ApplicationModal);
    // the window that had the keyboard gets it back when the dialog closes, as Qt's dialogs do
    const TKeyboardBack keyboard;
    QEventLoop loop;
    FModalLoop = &loop;
    FQuitting = false;
    QCoreApplication::instance()->installEventFilter(this);
    show();
    loop.exec(QEventLoop::DialogExec);
    QCoreApplication::instance()->removeEventFilter(this);
    FModalLoop = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
    return FModalResult;
}

void TForm::SetModalResult(int result) {
    FModalResult = result;
    if (result != mrNone && FModalLoop) FModalLoop->quit();
}

void TForm::Close() {
    if (FModalLoop) {
        Fire(OnClose, this);
        if (FModalResult == mrNone) FModalResult = mrCancel;
        FModalLoop->quit();
        return;
    }
    close();
}

void TForm::ActivateWindow() {
    const QGraphicsProxyWidget* proxy = graphicsProxyWidget();
    if (proxy && proxy->scene() && !proxy->scene()->views().isEmpty()) {
        proxy->scene()->views().constFirst()->window()->activateWindow();
        return;
    }
    activateWindow();
}

void TForm::BringToFront() {
    if (isMinimized()) setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this) {
        modal->raise();
        modal->activateWindow();
    }
}

// The application's quit asks every window to close before it ends the event loops; a modal form
// gives up its showing then, as a terminated program's modal loop does: without OnClose.
bool TForm::eventFilter(QObject* watched, QEvent* event) {
    if (FModalLoop && event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        FQuitting = true;
        FModalResult = mrCancel;
        FModalLoop->quit();
    }
    return QWidget::eventFilter(watched, event);
}

void TForm::closeEvent(QCloseEvent* event) {
    if (FModalLoop && FQuitting) {
        QWidget::closeEvent(event);
        return;
    }
    if (FModalLoop) {
        // the window's close box ends a modal showing like Close() does
        event->ignore();
        Close();
        return;
    }
    Fire(OnClose, this);
    QWidget::closeEvent(event);
}

void TForm::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((enter || key == Qt::Key_Escape) && !(event->modifiers() & ~Qt::KeypadModifier)) {
        for (TButton* button : findChildren<TButton*>()) {
            if (!(enter ? button->Default() : button->Cancel())) continue;
            if (!button->isEnabled() || !button->isVisibleTo(this)) continue;
            event->accept();
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
