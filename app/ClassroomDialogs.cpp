// SPDX-License-Identifier: MIT
#include "ClassroomDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "KeyTable.h"
#include "KeyboardBack.h"
#include "MainMenu.h"
#include "TButtons.h"
#include "Translated.h"

namespace ClassroomDialogs {

namespace {

QString Plain(QString text) {
    // a menu's or a button's text without its mnemonic's "&" (and the "(&X)" of CJK texts)
    static const QRegularExpression mnemonic(QStringLiteral("\\s*\\(&.\\)|&(?=.)"));
    return text.remove(mnemonic).remove(QStringLiteral("…"));
}

QString KeysText(const QList<QKeySequence>& keys) {
    QStringList texts;
    for (const QKeySequence& key : keys) texts << key.toString(QKeySequence::NativeText);
    return texts.join(QStringLiteral(", "));
}

}  // namespace

QList<QStringList> ShortcutRows(TGlossator* dictionary, const TMainMenu& menu,
                                const QList<TButton*>& buttons) {
    QList<QStringList> rows;
    for (const KeyTable::TRow& row : KeyTable::Rows())
        rows << QStringList{KeysText(row.Keys), Translated(dictionary, KeyTable::AreaKey(row.Area)),
                            Translated(dictionary, row.What)};
    const QString anywhere = Translated(dictionary, KeyTable::AreaKey(KeyTable::kaAnywhere));
    for (int command = 0; command < TMainMenu::CommandCount; ++command) {
        const QAction* action = menu.Action(TMainMenu::TCommand(command));
        if (!action->shortcut().isEmpty())
            rows << QStringList{action->shortcut().toString(QKeySequence::NativeText), anywhere,
                                Plain(action->text())};
    }
    for (const TButton* button : buttons)
        if (!button->shortcut().isEmpty())
            rows << QStringList{button->shortcut().toString(QKeySequence::NativeText), anywhere,
                                Plain(button->Caption())};
    for (const QAction* title : menu.Bar()->actions()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(title->text());
        if (!mnemonic.isEmpty())
            rows << QStringList{mnemonic.toString(QKeySequence::NativeText), anywhere, Plain(title->text())};
    }
    return rows;
}

void ShowShortcuts(QWidget* parent, TGlossator* dictionary, const QList<QStringList>& rows) {
    const TKeyboardBack keyboard;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("KeyboardShortcuts"));
    dialog.setWindowTitle(Plain(Translated(dictionary, "&Keyboard shortcuts")));
    auto* table = new QTableWidget(int(rows.size()), 3, &dialog);
    table->setHorizontalHeaderLabels({Translated(dictionary, "Keys"), Translated(dictionary, "Where"),
                                      Translated(dictionary, "What it does")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 3; ++c) table->setItem(r, c, new QTableWidgetItem(rows[r].value(c)));
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
    // wide enough for every row without a scroll bar, where the screen has room
    const int wanted = table->horizontalHeader()->length() + table->verticalScrollBar()->sizeHint().width() +
                       2 * table->frameWidth() + layout->contentsMargins().left() +
                       layout->contentsMargins().right();
    const QScreen* screen = parent ? parent->screen() : nullptr;
    const int room = screen ? screen->availableGeometry().width() * 9 / 10 : wanted;
    dialog.resize(std::clamp(wanted, 480, std::max(480, room)), 520);
    dialog.exec();
}

bool AskPlanetX(QWidget* parent, TGlossator* dictionary, bool comma, double& g, bool& hidden) {
    const TKeyboardBack keyboard;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PlanetX"));
    dialog.setWindowTitle(Translated(dictionary, "Planet X"));
    auto* accel = new QDoubleSpinBox(&dialog);
    accel->setRange(0.1, 50);
    accel->setDecimals(1);
    accel->setSingleStep(0.1);
    accel->setValue(g > 0 ? g : 9.81);
    accel->setSuffix(QStringLiteral(" m/s²"));
    accel->setLocale(comma ? QLocale(QLocale::German) : QLocale::c());
    auto* hide = new QCheckBox(Translated(dictionary, "Keep g from the class: it shows as ?"), &dialog);
    hide->setChecked(hidden);
    auto* form = new QFormLayout;
    form->addRow(Translated(dictionary, "Gravitational acceleration g"), accel);
    form->addRow(hide);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    g = accel->value();
    hidden = hide->isChecked();
    return true;
}

bool AskMass(QWidget* parent, TGlossator* dictionary, int& kg) {
    const TKeyboardBack keyboard;
    bool ok = false;
    const int typed =
        QInputDialog::getInt(parent, Translated(dictionary, "Mass"),
                             Translated(dictionary, "Mass in kg (1 to 100):"), kg, 1, 100, 1, &ok);
    if (ok) kg = typed;
    return ok;
}

}  // namespace ClassroomDialogs
