// SPDX-License-Identifier: MIT
#pragma once
// The keyboard back where it was after a dialog: the window that was active when the scope began
// is made active again when it ends, with the control that had the focus in it. A window manager
// would do it for dialogs it knows; without one, or for a dialog with no parent, nobody would.

#include <QApplication>
#include <QPointer>
#include <QWidget>

class TKeyboardBack {
public:
    TKeyboardBack() : FBefore(QApplication::activeWindow()) {}
    ~TKeyboardBack() {
        if (FBefore && FBefore->isVisible()) FBefore->activateWindow();
    }
    TKeyboardBack(const TKeyboardBack&) = delete;
    TKeyboardBack& operator=(const TKeyboardBack&) = delete;

private:
    QPointer<QWidget> FBefore;
};
