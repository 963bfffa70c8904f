// SPDX-License-Identifier: MIT
#include "TStage.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "TForm.h"

TStage::TStage(TForm& form) : FForm(form), FScene(this), FProxy(new QGraphicsProxyWidget) {
    FScene.addItem(FProxy);
    setObjectName(QStringLiteral("Stage"));
    setScene(&FScene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // crisp edges: nothing is smoothed or blended on the way to the screen
    setRenderHints(QPainter::RenderHints());
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setBackgroundBrush(form.palette().window());
    FLeaveFullScreen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    FLeaveFullScreen->setEnabled(false);
    connect(FLeaveFullScreen, &QShortcut::activated, this, [this] { SetFullScreen(false); });
    form.installEventFilter(this);
    FollowForm();
    resize(form.size());
}

TStage::~TStage() {
    FForm.removeEventFilter(this);
    // the form is the caller's: the scene must not delete it with its proxy
    if (FProxy->widget()) {
        FForm.hide();
        FProxy->setWidget(nullptr);
    }
}

double TStage::Zoom() const {
    return FProxy->scale();
}

void TStage::SetZoom(double zoom) {
    FWindowedZoom = std::clamp(zoom, 0.25, 8.0);
    if (isFullScreen() || isMaximized()) showNormal();
    QSize wanted(int(std::lround(FForm.width() * FWindowedZoom)),
                 int(std::lround(FForm.height() * FWindowedZoom)));
    if (const QScreen* s = screen()) wanted = wanted.boundedTo(s->availableGeometry().size());
    // the scale asked for stays what the window keeps, also where the screen has less room
    FZooming = true;
    resize(wanted);
    FZooming = false;
    Fit();
}

void TStage::SetFullScreen(bool on) {
    FLeaveFullScreen->setEnabled(on);
    if (on == isFullScreen()) return;
    // the geometry too, for a display without a window manager to carry out the state
    if (on) {
        FWindowed = geometry();
        showFullScreen();
        if (const QScreen* s = screen()) setGeometry(s->geometry());
    } else {
        showNormal();
        if (FWindowed.isValid()) setGeometry(FWindowed);
    }
    if (OnZoomChanged) OnZoomChanged(Zoom());
}

void TStage::Update(QWidget* widget, const QRect& r) {
    const QRect part = r.isEmpty() ? widget->rect() : r;
    widget->update(part);
    if (QGraphicsProxyWidget* proxy = widget->window()->graphicsProxyWidget())
        proxy->update(QRectF(part.translated(widget->mapTo(widget->window(), QPoint(0, 0)))));
}

void TStage::BringToFront() {
    if (isMinimized()) setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

// The largest scale at which the whole form fits, the form centred on whole pixels.
void TStage::Fit() {
    const QSize room = viewport()->size();
    if (FForm.width() <= 0 || FForm.height() <= 0 || room.isEmpty()) return;
    const double zoom =
        std::min(double(room.width()) / FForm.width(), double(room.height()) / FForm.height());
    const double before = FProxy->scale();
    FProxy->setScale(zoom);
    FProxy->setPos(std::floor((room.width() - FForm.width() * zoom) / 2),
                   std::floor((room.height() - FForm.height() * zoom) / 2));
    FScene.setSceneRect(0, 0, room.width(), room.height());
    if (zoom != before && OnZoomChanged) OnZoomChanged(zoom);
}

void TStage::FollowForm() {
    setWindowTitle(FForm.windowTitle());
    setWindowIcon(FForm.windowIcon());
    setBackgroundBrush(FForm.palette().window());
}

void TStage::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    Fit();
    // a window resized by hand keeps its new scale when the form changes its size
    if (!FZooming && !isFullScreen() && !isMaximized() && FProxy->widget()) FWindowedZoom = Zoom();
}

void TStage::showEvent(QShowEvent* event) {
    QGraphicsView::showEvent(event);
    // the form goes on the stage as the stage first shows: embedding shows it, and its show
    // handler may open dialogs that need the running event loop
    if (!FProxy->widget()) {
        FProxy->setWidget(&FForm);
        Fit();
    }
    // the keyboard goes to the form's controls, as in a window of the form's own
    FScene.setActiveWindow(FProxy);
    FProxy->setFocus(Qt::ActiveWindowFocusReason);
}

void TStage::closeEvent(QCloseEvent* event) {
    if (!FClosing && FForm.isVisible()) {
        FClosing = true;
        const bool closed = FForm.close();
        FClosing = false;
        if (!closed) {
            event->ignore();
            return;
        }
    }
    QGraphicsView::closeEvent(event);
}

bool TStage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &FForm) {
        switch (event->type()) {
            case QEvent::WindowTitleChange:
            case QEvent::WindowIconChange:
            case QEvent::PaletteChange:
                FollowForm();
                break;
            case QEvent::Resize:
                // a panel beside the form came or went: the proxy takes the form's new size (its
                // bounds are those of the form's fixed size), a window keeps its scale, a full
                // screen its size
                FProxy->setMinimumSize(FForm.minimumSize());
                FProxy->setMaximumSize(FForm.maximumSize());
                FProxy->resize(FForm.size());
                if (isVisible() && !isFullScreen() && !isMaximized())
                    SetZoom(FWindowedZoom);
                else
                    Fit();
                break;
            case QEvent::Hide:
                if (!FClosing && isVisible()) {
                    FClosing = true;
                    close();
                    FClosing = false;
                }
                break;
            default:
                break;
        }
    }
    return QGraphicsView::eventFilter(watched, event);
}
