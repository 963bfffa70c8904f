// SPDX-License-Identifier: MIT
#include "MainMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>
#include <algorithm>

#include "ShownText.h"
#include "Translated.h"

namespace {

// the dynamic property that keeps an action's translation key
constexpr const char* TextKeyProperty = "_gravilo_text_key";
// and the number its text shows, for a text with a number in it
constexpr const char* PercentProperty = "_gravilo_percent";

}  // namespace

TMainMenu::TMainMenu(QWidget* window) : FBar(new QMenuBar(window)) {
    FBar->setObjectName(QStringLiteral("MainMenu"));
    // the bar lives in the window itself, also where a desktop would take menus elsewhere
    FBar->setNativeMenuBar(false);

    QMenu* file = AddMenu("&File");
    QMenu* picture = file->addMenu(Text("Save &picture"));
    SetKey(picture->menuAction(), "Save &picture");
    AddCommand(picture, mcSavePictureWindow, "&Window…");
    AddCommand(picture, mcSavePictureChart, "&Energy chart…");
    AddCommand(file, mcCopyPicture, "&Copy picture");
    AddCommand(file, mcExportData, "&Export data…");
    AddCommand(file, mcPrint, "P&rint…")->setShortcut(QKeySequence::Print);
    file->addSeparator();
    AddCommand(file, mcQuit, "&Quit")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* simulation = AddMenu("&Simulation");
    AddCommand(simulation, mcPause, "&Pause")->setShortcut(QKeySequence(Qt::Key_Space));
    AddCommand(simulation, mcStep, "S&tep")->setShortcut(QKeySequence(Qt::Key_Period));
    AddCommand(simulation, mcSlowMotion, "S&low motion")->setCheckable(true);
    simulation->addSeparator();
    AddCommand(simulation, mcReset, "Re&set")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    AddCommand(simulation, mcClearGraph, "&Clear graph");
    AddCommand(simulation, mcClearThermal, "Clear t&hermal");
    simulation->addSeparator();
    AddCommand(simulation, mcPlanetX, "Planet &X…");

    QMenu* view = AddMenu("&View");
    for (const auto& [command, key] :
         {std::pair{mcEnergyBars, "Energy &bars"}, std::pair{mcFitEnergyAxis, "&Fit energy axis"},
          std::pair{mcGrid, "&Grid"}, std::pair{mcLegend, "&Legend"}, std::pair{mcZeroLevel, "&Zero level"},
          std::pair{mcFallChart, "Energy over &time"}, std::pair{mcPatterns, "&Patterns"}})
        AddCommand(view, command, key)->setCheckable(true);
    // in front of a class: the whole window larger, and colours the back row can read
    view->addSeparator();
    QAction* full = AddCommand(view, mcFullScreen, "F&ull screen");
    full->setCheckable(true);
    full->setShortcut(QKeySequence(Qt::Key_F11));
    QMenu* zoom = view->addMenu(Text("Zoo&m"));
    SetKey(zoom->menuAction(), "Zoo&m");
    AddCommand(zoom, mcZoomIn, "Zoom &in")
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    AddCommand(zoom, mcZoomOut, "Zoom &out")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    zoom->addSeparator();
    for (TCommand command : {mcZoom100, mcZoom125, mcZoom150, mcZoom200}) {
        QAction* step = AddCommand(zoom, command, "%1 %");
        step->setCheckable(true);
        step->setProperty(PercentProperty, ZoomPercent(command));
        step->setText(Translated(FDictionary, "%1 %", {QString::number(ZoomPercent(command))}));
    }
    FActions[mcZoom100]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    AddCommand(view, mcProjector, "P&rojector colours")->setCheckable(true);

    QMenu* help = AddMenu("&Help");
    AddCommand(help, mcExplanation, "&Explanation")->setShortcut(QKeySequence(Qt::Key_F1));
    AddCommand(help, mcShortcuts, "&Keyboard shortcuts")->setShortcut(QKeySequence(Qt::Key_Question));
    AddCommand(help, mcAbout, "&About");

    FState = new QLabel(FBar);
    FState->setObjectName(QStringLiteral("ClockState"));
    FState->setTextFormat(Qt::PlainText);
    FState->setContentsMargins(8, 0, 8, 0);
    FState->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = FState->font();
    bold.setBold(true);
    FState->setFont(bold);
    FBar->setCornerWidget(FState, Qt::TopRightCorner);
}

TMainMenu::~TMainMenu() {
    delete FBar;
}

QMenu* TMainMenu::AddMenu(const char* key, const char* beforeKey) {
    QAction* before = nullptr;
    for (QAction* action : FBar->actions())
        if (beforeKey && action->property(TextKeyProperty).toByteArray() == beforeKey) before = action;
    auto* menu = new QMenu(Text(key), FBar);
    FBar->insertMenu(before, menu);
    SetKey(menu->menuAction(), key);
    return menu;
}

QAction* TMainMenu::AddAction(QMenu* menu, const char* key) {
    QAction* action = menu->addAction(Text(key));
    SetKey(action, key);
    return action;
}

QAction* TMainMenu::AddCommand(QMenu* menu, TCommand command, const char* key) {
    FActions[command] = AddAction(menu, key);
    return FActions[command];
}

void TMainMenu::SetKey(QObject* target, const char* key) {
    target->setProperty(TextKeyProperty, QByteArray(key));
}

void TMainMenu::ShowPaused(bool paused) {
    SetKey(FActions[mcPause], paused ? "&Resume" : "&Pause");
    FActions[mcPause]->setText(Text(paused ? "&Resume" : "&Pause"));
    FActions[mcStep]->setEnabled(paused);
}

void TMainMenu::SetStateText(const QString& text) {
    FState->setText(text);
}

void TMainMenu::SetStateTexts(const QStringList& texts) {
    const QFontMetrics metrics(FState->font());
    int widest = 0;
    for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    const QMargins margins = FState->contentsMargins();
    FState->setMinimumWidth(widest + margins.left() + margins.right());
    // the bar lays out its corner again with its new room
    FBar->setCornerWidget(FState, Qt::TopRightCorner);
}

QString TMainMenu::StateText() const {
    return FState->text();
}

QString TMainMenu::Text(const char* key) const {
    return ShownText::Bounded(Translated(FDictionary, key));
}

int TMainMenu::ZoomPercent(TCommand command) {
    switch (command) {
        case mcZoom100:
            return 100;
        case mcZoom125:
            return 125;
        case mcZoom150:
            return 150;
        case mcZoom200:
            return 200;
        default:
            return 0;
    }
}

void TMainMenu::Translate(TGlossator* dictionary) {
    FDictionary = dictionary;
    for (QAction* action : FBar->findChildren<QAction*>()) {
        const QByteArray key = action->property(TextKeyProperty).toByteArray();
        if (key.isEmpty()) continue;
        const QVariant percent = action->property(PercentProperty);
        action->setText(percent.isValid() ? Translated(FDictionary, key.constData(), {percent.toString()})
                                          : Text(key.constData()));
    }
}
