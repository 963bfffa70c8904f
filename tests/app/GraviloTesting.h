// SPDX-License-Identifier: MIT
#pragma once
// The real main window for tests: built in a private world (its own endpoint and configuration
// folders), with the language file a test chooses, shown on the offscreen platform without the
// About dialog, so that its show handler goes straight to the start state.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "TGlossator.h"
#include "ugravilo.h"

#ifndef GRAVILO_LANG_DIR
#error "GRAVILO_LANG_DIR must name the folder of the shipped language files"
#endif

namespace gravilotest {

inline QString ShippedLanguage(const char* file) {
    return QStringLiteral(GRAVILO_LANG_DIR "/") + QLatin1String(file);
}

// The window's Alt keys (its buttons' and its menu bar's) differ, and so do those of each menu.
inline void ExpectDistinctMnemonics(QWidget& window) {
    const auto expectDistinct = [](const QStringList& keys, const QString& where) {
        EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size())
            << qPrintable(where + QLatin1String(": ") + keys.join(QLatin1Char(' ')));
    };
    QStringList keys;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (!button->shortcut().isEmpty()) keys << button->shortcut().toString();
    for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        for (QAction* title : bar->actions()) {
            keys << QKeySequence::mnemonic(title->text()).toString();
            QStringList items;
            for (QAction* item : title->menu()->actions())
                if (!item->isSeparator()) items << QKeySequence::mnemonic(item->text()).toString();
            expectDistinct(items, title->text());
        }
    }
    expectDistinct(keys, window.windowTitle());
}

// Points the host link's endpoints and settings at folders of its own while it lives.
class TPrivateWorld {
public:
    TPrivateWorld() {
        FSavedEndpoints = qgetenv("GRAVILO_ENDPOINT_DIR");
        FSavedConfig = qgetenv("XDG_CONFIG_DIRS");
        qputenv("GRAVILO_ENDPOINT_DIR", QFile::encodeName(FDir.filePath(QStringLiteral("endpoints"))));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(FDir.filePath(QStringLiteral("config"))));
    }
    ~TPrivateWorld() {
        qputenv("GRAVILO_ENDPOINT_DIR", FSavedEndpoints);
        qputenv("XDG_CONFIG_DIRS", FSavedConfig);
    }
    QString Path(const QString& name) const { return FDir.filePath(name); }

private:
    QTemporaryDir FDir;
    QByteArray FSavedEndpoints;
    QByteArray FSavedConfig;
};

class TTestWindow {
public:
    // languageFile empty: the file beside the test program, which does not exist (an empty
    // dictionary). setup runs on the host link before the form has been loaded.
    explicit TTestWindow(const QString& languageFile = {}, const TForm1::TLinkSetup& setup = {}) {
        Form = std::make_unique<TForm1>([&](TqmrDemonClient& link) {
            link.SetMultiStart(true);  // the test program is no single instance
            link.SetLanguageFile(languageFile);
            if (setup) setup(link);
        });
    }
    ~TTestWindow() { Form.reset(); }

    // Shows the window: the start state.
    TForm1& Start() {
        Form->show();
        return *Form;
    }

    TForm1& operator*() { return *Form; }
    TForm1* operator->() { return Form.get(); }

    // The rope's free end pulled to the world point (x, y) of the scene, as the chart reports a
    // drag: a press, then a movement with the left button inside the data area.
    // a press on the end itself, which grabs it
    void Press() {
        const QPoint hand = Form->HandPixel();
        Form->PLPictMouseDown(Form->PLPict, mbLeft, ShiftBit(ssLeft), hand.x(), hand.y());
    }
    void DragTo(double x, double y) {
        Form->PLPictMouseMoveInChart(Form->PLPict, true, ShiftBit(ssLeft), x, y);
    }
    void Release() { Form->PLPictMouseUp(Form->PLPict, mbLeft, 0, 0, 0); }
    void PullAndRelease(double x, double y) {
        Press();
        DragTo(x, y);
        Release();
    }
    void Tick() { Form->Timer1->Tick(); }

    TPrivateWorld World;
    std::unique_ptr<TForm1> Form;
};

}  // namespace gravilotest
