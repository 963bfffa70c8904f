// SPDX-License-Identifier: MIT
#pragma once
// The languages: which file a start reads, and the Language menu.
//
// The language folder holds one file per language, gravilo_<code>.itl, where the code is the
// language's (de, fr, ja), with its country where that matters (pt_BR, zh_CN). An installed
// program finds it in share/gravilo/lang beside its bin folder, a build in lang beside app. Each
// file names itself in its own words with "$languagename$"; a file dropped into the folder is
// listed at the next start. A language whose name runs right to left (العربية) turns the menus and
// dialogs that way.
//
// A start reads, in this order: the file named with --language; the one chosen in the Language
// menu (the window only; an administrator may give everybody one in the system's settings, see
// the README); the file beside the program, where there is one; the file that best fits the
// desktop's languages; English. A key that the chosen file lacks shows its English text.
//
// Picking a language in the menu reads it and translates every open window at once (texts,
// mnemonics, the About dialog, the numbers' decimal separator), and the window remembers the
// choice for its next start.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QActionGroup;
class QMenu;
class QSettings;
class QWidget;
class TClassroom;
class TForm1;
class TGlossator;

class TLanguages : public QObject {
    Q_OBJECT
public:
    struct TLanguage {
        QString Name;
        QString File;
    };

    TLanguages(TForm1& form, TClassroom& classroom, QSettings* remembered);

    // The language folder, or empty when there is none.
    static QString Folder();
    // Every gravilo_*.itl in the folder, by its own name, sorted by that name.
    static QList<TLanguage> Shipped();
    static QList<TLanguage> Shipped(const QString& folder);
    // A name as the menu shows it: as written, an "&" in it no mnemonic.
    static QString MenuText(const QString& name);
    // The name a file gives itself, read from its first KNameBytes bytes (a file of any size is
    // listed at once); its file name where it gives none there.
    static QString LanguageName(const QString& file);
    static constexpr qint64 KNameBytes = 64 * 1024;
    // The language code of a file of the folder (gravilo_pt_BR.itl: pt_BR), else empty.
    static QString Code(const QString& file);
    // The shipped file that best fits the desktop's languages, most wanted first: the language
    // with its country (pt_BR), the language alone (de_AT finds de), then the language in another
    // country (pt_PT finds pt_BR; Chinese only in its own script); the English file where none
    // fits; empty when nothing is shipped.
    static QString ForDesktop(const QStringList& uiLanguages);
    static QString ForDesktop();
    // The file the window last chose (or the administrator gave everybody), when it can still be
    // read; empty otherwise.
    static QString Remembered(QSettings& remembered);
    // The file a start reads when --language names none (see above); empty: the file beside the
    // program, as the host link reads it anyway.
    static QString StartFile(QSettings* remembered);
    // The shipped English texts, for the keys a translation lacks; none when not shipped.
    static std::shared_ptr<const TGlossator> English();

    // After a translation: the windows' direction for the dictionary's language (right to left
    // when its name is written so; the main window keeps its drawing's geometry), and numeric
    // labels whose names do not fit widened where the window has room (see the .cpp).
    static void Arrange(TGlossator& dictionary, TForm1& form);
    // Qt's own texts (key names, file dialogs) in the dictionary's language ("$locale$").
    static void TranslateQt(TGlossator& dictionary);

    // Reads the file and translates the windows; false, with the reason, when it cannot be read
    // (nothing changes then).
    bool Choose(const QString& file, QString& reason);
    QMenu* Menu() const { return FMenu; }
    // The menu's check mark on the language of that file (the one the window reads), on none when
    // the menu does not list it.
    void Mark(const QString& file);

private:
    TForm1& FForm;
    TClassroom& FClassroom;
    QSettings* FRemembered;
    QMenu* FMenu;
    QActionGroup* FGroup;
};
