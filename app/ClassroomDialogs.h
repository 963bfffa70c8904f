// SPDX-License-Identifier: MIT
#pragma once
// The small dialogs of the classroom's tools: the list of every key, the mystery planet's g, a
// mass typed in. Each gives the keyboard back to the window when it closes.

#include <QList>
#include <QStringList>

class QWidget;
class TGlossator;
class TMainMenu;
class TButton;

namespace ClassroomDialogs {

// Every key of the window in the window's language, one row each: the keys, where they work,
// what they do. The keyboard's own table first, then the menus' shortcuts and the buttons' Alt keys.
QList<QStringList> ShortcutRows(TGlossator* dictionary, const TMainMenu& menu,
                                const QList<TButton*>& buttons);
void ShowShortcuts(QWidget* parent, TGlossator* dictionary, const QList<QStringList>& rows);

// Planet X's g (0.1 to 50 m/s², one decimal) and whether the class may see it; false: cancelled.
bool AskPlanetX(QWidget* parent, TGlossator* dictionary, bool comma, double& g, bool& hidden);

// A mass typed in, 1 to 100 kg; false: cancelled.
bool AskMass(QWidget* parent, TGlossator* dictionary, int& kg);

}  // namespace ClassroomDialogs
