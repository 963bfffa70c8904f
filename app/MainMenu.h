// SPDX-License-Identifier: MIT
#pragma once
// The main window's menu bar: File, Simulation, View and Help with their commands, each an action
// with its shortcut shown in the menu. The menus are built here and only here; the texts are
// translation keys that Translate looks up in the dictionary, again whenever asked, so a later
// change of language only calls it once more. The bar's right corner shows the state of the
// fall's clock.

#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>

class QAction;
class QLabel;
class QMenu;
class QWidget;
class TGlossator;

class TMainMenu : public QObject {
    Q_OBJECT
public:
    enum TCommand {
        mcSavePictureWindow,
        mcSavePictureChart,
        mcCopyPicture,
        mcExportData,
        mcPrint,
        mcQuit,
        mcPause,
        mcStep,
        mcSlowMotion,
        mcReset,
        mcClearGraph,
        mcClearThermal,
        mcPlanetX,
        mcEnergyBars,
        mcFitEnergyAxis,
        mcGrid,
        mcLegend,
        mcZeroLevel,
        mcFallChart,
        mcPatterns,
        mcFullScreen,
        mcZoomIn,
        mcZoomOut,
        mcZoom100,
        mcZoom125,
        mcZoom150,
        mcZoom200,
        mcProjector,
        mcExplanation,
        mcShortcuts,
        mcAbout,
        CommandCount
    };

    // Builds the bar as a child of window, which it then serves; the bar is not yet placed. The
    // bar goes with the menu.
    explicit TMainMenu(QWidget* window);
    ~TMainMenu() override;

    QMenuBar* Bar() const { return FBar; }
    QAction* Action(TCommand command) const { return FActions[command]; }

    // Pause reads "Resume" while the fall waits.
    void ShowPaused(bool paused);
    // The text in the bar's corner (already translated), and all it can be: the corner keeps the
    // room of the widest.
    void SetStateText(const QString& text);
    void SetStateTexts(const QStringList& texts);
    QString StateText() const;

    // Every text of the menus from the dictionary; kept, so that later changes use it too.
    void Translate(TGlossator* dictionary);
    QString Text(const char* key) const;
    // the zoom a command of the Zoom menu sets, in per cent (0 for the other commands)
    static int ZoomPercent(TCommand command);

    // A menu at the bar's end, and an action in a menu, whose texts are the translation keys' and
    // follow every Translate.
    // A new menu goes before the menu of beforeKey when given, at the end otherwise.
    QMenu* AddMenu(const char* key, const char* beforeKey = nullptr);
    QAction* AddAction(QMenu* menu, const char* key);

private:
    QAction* AddCommand(QMenu* menu, TCommand command, const char* key);
    void SetKey(QObject* target, const char* key);

    QPointer<QMenuBar> FBar;
    QLabel* FState;
    std::array<QAction*, CommandCount> FActions{};
    TGlossator* FDictionary = nullptr;
};
