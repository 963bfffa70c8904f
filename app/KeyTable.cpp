// SPDX-License-Identifier: MIT
#include "KeyTable.h"

namespace KeyTable {

namespace {

QList<QKeySequence> Keys(std::initializer_list<int> keys) {
    QList<QKeySequence> list;
    for (int key : keys) list << QKeySequence(key);
    return list;
}

}  // namespace

const QList<TRow>& Rows() {
    static const QList<TRow> rows = {
        {kaAnywhere, Keys({Qt::Key_Tab, Qt::SHIFT | Qt::Key_Tab}), aNone,
         "Moves to the next or the previous control"},
        {kaBodies, Keys({Qt::Key_Up, Qt::Key_Down}), aNone, "Chooses the body"},
        {kaMass, Keys({Qt::Key_Left, Qt::Key_Right}), aNone, "1 kg less or more"},
        {kaMass, Keys({Qt::Key_PageDown, Qt::Key_PageUp}), aNone, "10 kg less or more"},
        {kaMass, Keys({Qt::Key_Home, Qt::Key_End}), aNone, "1 kg or 100 kg"},
        {kaMass, Keys({Qt::Key_Return, Qt::Key_Enter}), aTypeMass, "Type the mass"},
        {kaScene, Keys({Qt::Key_Up, Qt::SHIFT | Qt::Key_Up}), aRaise,
         "Raises the mass by 1 m (with Shift 10 m)"},
        {kaScene, Keys({Qt::Key_Down, Qt::SHIFT | Qt::Key_Down}), aLower,
         "Lowers the mass by 1 m (with Shift 10 m)"},
        {kaScene, Keys({Qt::Key_Left, Qt::SHIFT | Qt::Key_Left}), aAway,
         "Moves the rope's end away from the tower (with Shift 10 times as far)"},
        {kaScene, Keys({Qt::Key_Right, Qt::SHIFT | Qt::Key_Right}), aToward,
         "Moves the rope's end towards the tower (with Shift 10 times as far)"},
        {kaScene, Keys({Qt::Key_Return, Qt::Key_Enter}), aLetGo, "Lets go of the rope"},
        {kaScene, Keys({Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5}), aHook,
         "Hangs the rope on that hook (1 is the lowest)"},
        {kaZeroLevel, Keys({Qt::Key_Up, Qt::SHIFT | Qt::Key_Up}), aZeroUp,
         "Raises the zero level by 1 m (with Shift 10 m)"},
        {kaZeroLevel, Keys({Qt::Key_Down, Qt::SHIFT | Qt::Key_Down}), aZeroDown,
         "Lowers the zero level by 1 m (with Shift 10 m)"},
        {kaZeroLevel, Keys({Qt::Key_Home}), aZeroGround, "Puts the zero level on the ground"},
        {kaFallChart, Keys({Qt::Key_Left}), aCursorBack, "Moves the cursor one step back"},
        {kaFallChart, Keys({Qt::Key_Right}), aCursorOn, "Moves the cursor one step on"},
        {kaFallChart, Keys({Qt::Key_Home}), aCursorFirst, "Moves the cursor to the release"},
        {kaFallChart, Keys({Qt::Key_End}), aCursorLast, "Moves the cursor to the newest step"},
        {kaAboutDialog, Keys({Qt::Key_Return, Qt::Key_Escape}), aNone, "Closes it"},
    };
    return rows;
}

TAction ActionOf(TArea area, int key, Qt::KeyboardModifiers modifiers) {
    // the keypad's modifier says where the key lies, not what it means
    const QKeySequence pressed(QKeyCombination(modifiers & ~Qt::KeypadModifier, Qt::Key(key)));
    for (const TRow& row : Rows())
        if (row.Area == area && row.Keys.contains(pressed)) return row.Action;
    return aNone;
}

const char* AreaKey(TArea area) {
    static constexpr const char* names[AreaCount] = {"Anywhere",   "Bodies",           "Mass",        "Scene",
                                                     "Zero level", "Energy over time", "About dialog"};
    return names[area];
}

}  // namespace KeyTable
