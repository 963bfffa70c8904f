// SPDX-License-Identifier: MIT
#include "Projection.h"

#include <QAction>
#include <QPainter>
#include <QSettings>
#include <QWidget>
#include <array>
#include <cmath>

#include "MainMenu.h"
#include "TPaintedControl.h"
#include "TStage.h"

namespace {

constexpr const char* ZoomKey = "View/Zoom";
constexpr std::array<TMainMenu::TCommand, 4> Steps = {TMainMenu::mcZoom100, TMainMenu::mcZoom125,
                                                      TMainMenu::mcZoom150, TMainMenu::mcZoom200};

}  // namespace

TProjection::TProjection(TMainMenu& menu, QSettings* remembered, QObject* parent)
    : QObject(parent), FMenu(menu), FRemembered(remembered) {
    for (TMainMenu::TCommand command : Steps)
        connect(FMenu.Action(command), &QAction::triggered, this,
                [this, command] { Zoom(TMainMenu::ZoomPercent(command)); });
    connect(FMenu.Action(TMainMenu::mcZoomIn), &QAction::triggered, this, [this] { Step(1); });
    connect(FMenu.Action(TMainMenu::mcZoomOut), &QAction::triggered, this, [this] { Step(-1); });
    connect(FMenu.Action(TMainMenu::mcFullScreen), &QAction::triggered, this, [this](bool on) {
        if (FStage) FStage->SetFullScreen(on);
    });
    SetStage(nullptr);
}

void TProjection::SetStage(TStage* stage) {
    FStage = stage;
    for (TMainMenu::TCommand command : {TMainMenu::mcFullScreen, TMainMenu::mcZoomIn, TMainMenu::mcZoomOut})
        FMenu.Action(command)->setEnabled(stage);
    for (TMainMenu::TCommand command : Steps) FMenu.Action(command)->setEnabled(stage);
    if (!stage) {
        ShowZoom(1.0);
        return;
    }
    stage->OnZoomChanged = [this](double zoom) {
        ShowZoom(zoom);
        const bool full = FStage && FStage->FullScreen();
        FMenu.Action(TMainMenu::mcFullScreen)->setChecked(full);
        // the window's own size is remembered, also when it was resized by hand
        if (FRemembered && FStage && !full && !FStage->isMaximized())
            FRemembered->setValue(QLatin1String(ZoomKey), int(std::lround(zoom * 100)));
    };
    const int percent = FRemembered ? FRemembered->value(QLatin1String(ZoomKey), 100).toInt() : 100;
    stage->SetZoom(std::clamp(percent, 25, 800) / 100.0);
    ShowZoom(stage->Zoom());
}

double TProjection::PictureZoom() const {
    return FStage ? FStage->Zoom() : FPictureZoom;
}

void TProjection::Zoom(int percent) {
    if (!FStage) return;
    FStage->SetZoom(percent / 100.0);
    ShowZoom(FStage->Zoom());
}

// Ctrl+plus and Ctrl+minus go to the next of the menu's steps from the zoom the window has.
void TProjection::Step(int direction) {
    if (!FStage) return;
    const int now = int(std::lround(FStage->Zoom() * 100));
    int next = direction > 0 ? TMainMenu::ZoomPercent(Steps.back()) : TMainMenu::ZoomPercent(Steps.front());
    for (TMainMenu::TCommand command : Steps) {
        const int percent = TMainMenu::ZoomPercent(command);
        if (direction > 0 && percent > now + 1) {
            next = percent;
            break;
        }
        if (direction < 0 && percent < now - 1) next = percent;
    }
    Zoom(next);
}

// the menu's step that is the window's zoom is checked
void TProjection::ShowZoom(double zoom) {
    const int percent = int(std::lround(zoom * 100));
    for (TMainMenu::TCommand command : Steps)
        FMenu.Action(command)->setChecked(TMainMenu::ZoomPercent(command) == percent);
}

QImage TProjection::Grab(QWidget& widget, const QRect& part, double zoom) {
    if (zoom == 1.0) return widget.grab(part).toImage();
    QImage image(int(std::floor(part.width() * zoom)), int(std::floor(part.height() * zoom)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(zoom);
    image.fill(widget.palette().window().color());
    // the painted controls draw themselves at the picture's scale, and back at their own after
    QList<TPaintedControl*> painted = widget.findChildren<TPaintedControl*>();
    if (auto* itself = qobject_cast<TPaintedControl*>(&widget)) painted << itself;
    QList<double> scales;
    for (const TPaintedControl* control : painted) scales << control->DeviceScale();
    widget.render(&image, QPoint(), QRegion(part), QWidget::DrawChildren);
    for (qsizetype i = 0; i < painted.size(); ++i) painted[i]->SetDeviceScale(scales[i]);
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_RGB32);
}
