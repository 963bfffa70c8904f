// SPDX-License-Identifier: MIT
#include "Keyboard.h"

#include <QFocusEvent>
#include <QKeySequence>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "KeyTable.h"
#include "Translated.h"
#include "ugravilo.h"

TKeyboard::TKeyboard(TForm1& form) : QObject(&form), FForm(form) {
    // the mass bar and the scene take the focus from the keyboard only: a click on them works as
    // it always has; Exit joins the Tab order the same way
    form.SBarMasse->setFocusPolicy(Qt::TabFocus);
    form.SBarMasse->SetPageKeyChange(10);
    form.PLPict->setFocusPolicy(Qt::TabFocus);
    form.PLPict->SetKeepsTab(false);
    form.SButExit->setFocusPolicy(Qt::TabFocus);
    form.PLPict->OnKeyDown = [this](QObject*, int& key, TShiftState shift) { SceneKey(key, shift); };
    form.PLPict->installEventFilter(this);
    SetTabOrder();
    // where a fresh window puts the focus: the first control of the Tab order
    if (QRadioButton* chosen = form.RGAccel->Button(std::max(form.RGAccel->ItemIndex(), 0)))
        chosen->setFocus(Qt::OtherFocusReason);
}

void TKeyboard::SetTabOrder() {
    QList<QWidget*> order;
    for (int i = 0; i < FForm.RGAccel->Items().size(); ++i) order << FForm.RGAccel->Button(i);
    order << FForm.SBarMasse << FForm.PLPict << FForm.BButReset << FForm.BButAbout << FForm.SButExit
          << FForm.MMExplain;
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void TKeyboard::Translate(TGlossator* dictionary) {
    // each key's value is the caption with "&" before the letter
    const std::pair<const char*, TButton*> mnemonics[] = {{"Reset button", FForm.BButReset},
                                                          {"About button", FForm.BButAbout},
                                                          {"Exit button", FForm.SButExit}};
    for (const auto& [key, button] : mnemonics) {
        const QString text = QString::fromLatin1(key);
        // a key the file lacks translates to itself, which has no "&": no mnemonic then
        button->setShortcut(QKeySequence::mnemonic(Translated(dictionary, text)));
    }
}

bool TKeyboard::eventFilter(QObject* watched, QEvent* event) {
    const bool in = event->type() == QEvent::FocusIn, out = event->type() == QEvent::FocusOut;
    if (watched != FForm.PLPict || (!in && !out)) return QObject::eventFilter(watched, event);
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // a dialog or a menu that comes and goes leaves the scene as it was
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        FForm.SetHookNumbers(in && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                                    reason == Qt::ShortcutFocusReason));
    return QObject::eventFilter(watched, event);
}

// ---- the scene ----

void TKeyboard::SceneKey(int& key, TShiftState shift) {
    const Qt::KeyboardModifiers modifiers = InShift(shift, ssShift) ? Qt::ShiftModifier : Qt::NoModifier;
    const KeyTable::TAction action = KeyTable::ActionOf(KeyTable::kaScene, key, modifiers);
    if (action == KeyTable::aNone) return;
    TSimulation& simulation = FForm.Simulation();
    // the hooks sit on the tower's edge, wherever the scene's x range puts it
    simulation.SetTowerEdge(FForm.PLPict->Scale1X()->RangeHigh());
    const double step = InShift(shift, ssShift) ? LongStep : ShortStep;
    // from the height the mass has: at rest the end hangs below the line where a pull starts
    const double x = simulation.HandX(), y = TSimulation::GroundHandY - simulation.MassHeight();
    switch (action) {
        case KeyTable::aRaise:
            PullTo(x, y - step);  // the end goes down, the mass up
            break;
        case KeyTable::aLower:
            PullTo(x, y + step);
            break;
        case KeyTable::aAway:
            PullTo(x - step, y);
            break;
        case KeyTable::aToward:
            PullTo(x + step, y);
            break;
        case KeyTable::aLetGo:
            LetGo();
            break;
        case KeyTable::aHook:
            simulation.HangOnHook(key - Qt::Key_0);
            FHolding = false;
            break;
        default:
            return;
    }
    key = 0;
}

// The end pulled within the scene's ranges; the pull begins with a press, as a drag does.
void TKeyboard::PullTo(double x, double y) {
    const TPlotica& scene = *FForm.PLPict;
    const int layer = scene.CurrentLayer();
    const TScaleProps& across = *scene.ScalePropsX(layer);
    const TScaleProps& up = *scene.ScalePropsY(layer);
    x = std::clamp(x, std::min(across.RangeLow(), across.RangeHigh()),
                   std::max(across.RangeLow(), across.RangeHigh()));
    y = std::clamp(y, std::min(up.RangeLow(), up.RangeHigh()), std::max(up.RangeLow(), up.RangeHigh()));
    TSimulation& simulation = FForm.Simulation();
    if (!FHolding) {
        FHolding = true;
        simulation.Press();
    }
    simulation.Pull(x, y);
}

// Enter lets go of whatever the end holds: pulled, it hangs on a hook or falls as a released drag
// does; hung on a hook, the mass falls.
void TKeyboard::LetGo() {
    TSimulation& simulation = FForm.Simulation();
    const bool pulled = FHolding;
    FHolding = false;
    if (pulled || !simulation.Hook())
        simulation.Release();
    else
        simulation.LetGo();
}
