// SPDX-License-Identifier: MIT
#pragma once
// The Language menu: the language files we ship, each by its own name (English, Deutsch). Picking
// one reads it and translates every open window at once (texts, mnemonics, the About dialog, the
// numbers' decimal separator), and the window remembers the choice for its next start, where a
// file named with --language still wins. A language file names itself with "$languagename$";
// one without that key goes by its file name.

#include <QList>
#include <QObject>
#include <QString>

class QActionGroup;
class QMenu;
class QSettings;
class TClassroom;
class TForm1;

class TLanguages : public QObject {
    Q_OBJECT
public:
    struct TLanguage {
        QString Name;
        QString File;
    };

    TLanguages(TForm1& form, TClassroom& classroom, QSettings* remembered);

    // The shipped files: share/gravilo/lang beside an installed program's bin folder, lang in the
    // build tree; sorted by name.
    static QList<TLanguage> Shipped();
    static QString LanguageName(const QString& file);
    // The file the window last chose, when it can still be read; empty otherwise.
    static QString Remembered(QSettings& remembered);

    // Reads the file and translates the windows; false, with the reason, when it cannot be read
    // (nothing changes then).
    bool Choose(const QString& file, QString& reason);
    QMenu* Menu() const { return FMenu; }

private:
    void Mark(const QString& file);

    TForm1& FForm;
    TClassroom& FClassroom;
    QSettings* FRemembered;
    QMenu* FMenu;
    QActionGroup* FGroup;
};
