// SPDX-License-Identifier: MIT
#include "Languages.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <algorithm>

#include "Classroom.h"
#include "LanguageStream.h"
#include "MainMenu.h"
#include "TGlossator.h"
#include "TMessageBox.h"
#include "ugravilo.h"

namespace {

constexpr const char* LanguageKey = "Language/File";
constexpr const char* FileProperty = "_gravilo_language_file";

}  // namespace

TLanguages::TLanguages(TForm1& form, TClassroom& classroom, QSettings* remembered)
    : QObject(&form),
      FForm(form),
      FClassroom(classroom),
      FRemembered(remembered),
      FMenu(classroom.Menu().AddMenu("&Language", "&Help")),
      FGroup(new QActionGroup(this)) {
    FMenu->setObjectName(QStringLiteral("LanguageMenu"));
    for (const TLanguage& language : Shipped()) {
        QAction* action = FMenu->addAction(language.Name);
        action->setCheckable(true);
        action->setProperty(FileProperty, language.File);
        FGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, file = language.File] {
            QString reason;
            if (!Choose(file, reason))
                ShowWarning(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), reason));
        });
    }
    if (FRemembered) Mark(Remembered(*FRemembered));
}

QList<TLanguages::TLanguage> TLanguages::Shipped() {
    const QDir program(QCoreApplication::applicationDirPath());
    QList<TLanguage> found;
    for (const QString& folder : {QStringLiteral("../share/gravilo/lang"), QStringLiteral("../lang")}) {
        const QDir dir(program.filePath(folder));
        for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.itl")}, QDir::Files, QDir::Name))
            found.append({LanguageName(file.absoluteFilePath()), file.canonicalFilePath()});
        // an installed program does not mix in a build tree's files
        if (!found.isEmpty()) break;
    }
    std::sort(found.begin(), found.end(), [](const TLanguage& a, const TLanguage& b) {
        return QString::localeAwareCompare(a.Name, b.Name) < 0;
    });
    return found;
}

QString TLanguages::LanguageName(const QString& file) {
    QString reason;
    const auto stream = LanguageStream::Open(file, reason);
    if (stream) {
        TGlossator dictionary;
        dictionary.LoadFromStream(*stream);
        const QString key = QStringLiteral("$languagename$");
        const QString name = dictionary.TranslateText(key).trimmed();
        if (name != key && !name.isEmpty()) return name;
    }
    return QFileInfo(file).completeBaseName();
}

QString TLanguages::Remembered(QSettings& remembered) {
    const QString file = remembered.value(QLatin1String(LanguageKey)).toString();
    return !file.isEmpty() && QFileInfo(file).isReadable() ? file : QString();
}

bool TLanguages::Choose(const QString& file, QString& reason) {
    if (!FForm.cliDemon) return false;
    const auto stream = LanguageStream::Open(file, reason);
    if (!stream) return false;
    FForm.cliDemon->Translator()->LoadFromStream(*stream);
    FForm.Retranslate();
    FClassroom.Translate();
    if (FRemembered) FRemembered->setValue(QLatin1String(LanguageKey), file);
    Mark(file);
    return true;
}

void TLanguages::Mark(const QString& file) {
    const QString chosen = QFileInfo(file).canonicalFilePath();
    for (QAction* action : FGroup->actions())
        action->setChecked(!chosen.isEmpty() && action->property(FileProperty).toString() == chosen);
}
