// SPDX-License-Identifier: MIT
#pragma once
// The main window without a mouse. Tab runs through the bodies, the mass, the scene, Reset, About,
// Exit and last the explanation; a fresh window gives the focus to the chosen body. The mass bar
// follows the arrow keys (1 kg), Page Up and Page Down (10 kg), Home and End. On the scene the
// arrow keys pull the rope's free end as a drag does: Up and Down raise and lower the mass by 1 m
// (with Shift 10 m), Left and Right move the end away from the tower and towards it; Enter lets
// go as a release does, and the digits 1 to 5 hang the end on that hook. The keys drive the
// simulation's rope as the mouse does, through the same press, pull and release, so keys and mouse
// reach the same states. Alt and a letter of the language file press the buttons (English Alt+R,
// Alt+A, Alt+X).

#include <QObject>

#include "Enums.h"

class TForm1;
class TGlossator;

class TKeyboard : public QObject {
    Q_OBJECT
public:
    explicit TKeyboard(TForm1& form);

    // The buttons' mnemonics from the dictionary (none without one): at the start, and again
    // after the language has changed.
    void Translate(TGlossator* dictionary);

    // A scene key, as the scene's key event hands it over; key becomes 0 when it was used.
    void SceneKey(int& key, TShiftState shift);

    // Steps of the arrow keys on the scene, in metres of the scene; Shift takes the long step.
    static constexpr double ShortStep = 1;
    static constexpr double LongStep = 10;

    // Tab runs through the bodies, the mass, the scene and on (again after the bodies changed).
    void SetTabOrder();

protected:
    // the scene shows the hooks' numbers while the keyboard has it
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // the free end pulled to the scene's point (x, y), kept within the scene's ranges
    void PullTo(double x, double y);
    void LetGo();

    TForm1& FForm;
    // true from a key's pull until the key's release: the pull began with a press, as a drag does
    bool FHolding = false;
};
