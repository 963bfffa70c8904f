// SPDX-License-Identifier: MIT
#include "Languages.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QTranslator>
#include <algorithm>
#include <memory>

#include "Classroom.h"
#include "LanguageStream.h"
#include "MainMenu.h"
#include "TGlossator.h"
#include "TMessageBox.h"
#include "TqmrCustomDemon.h"
#include "ugravilo.h"

namespace {

constexpr const char* LanguageKey = "Language/File";
constexpr const char* FileProperty = "_gravilo_language_file";
const QString FilePrefix = QStringLiteral("gravilo_");
const QString FileSuffix = QStringLiteral(".itl");

// A language tag of the desktop (de-AT, zh-Hans-CN, pt_BR.UTF-8) as language, script and country.
struct TTag {
    QString Language, Script, Country;
};

TTag Split(const QString& tag) {
    TTag parts;
    const QStringList words = QString(tag)
                                  .section(QLatin1Char('.'), 0, 0)
                                  .section(QLatin1Char('@'), 0, 0)
                                  .replace(QLatin1Char('-'), QLatin1Char('_'))
                                  .split(QLatin1Char('_'), Qt::SkipEmptyParts);
    if (words.isEmpty()) return parts;
    parts.Language = words[0].toLower();
    for (const QString& word : words.mid(1)) {
        if (word.size() == 4)
            parts.Script = word.toLower();
        else if (word.size() == 2 || word.size() == 3)
            parts.Country = word.toUpper();
    }
    return parts;
}

// Chinese is written in two scripts: simplified (China, Singapore) and traditional (Taiwan, Hong
// Kong, Macao). A reader of one is not given the other.
QString ChineseScript(const TTag& tag) {
    if (!tag.Script.isEmpty()) return tag.Script;
    static const QStringList traditional{QStringLiteral("TW"), QStringLiteral("HK"), QStringLiteral("MO")};
    return traditional.contains(tag.Country) ? QStringLiteral("hant") : QStringLiteral("hans");
}

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
        // a name is shown as written: an "&" in it is no mnemonic
        QAction* action = FMenu->addAction(MenuText(language.Name));
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

QString TLanguages::Folder() {
    const QDir program(QCoreApplication::applicationDirPath());
    // an installed program does not mix in a build tree's files
    for (const QString& folder : {QStringLiteral("../share/gravilo/lang"), QStringLiteral("../lang")}) {
        const QDir dir(program.filePath(folder));
        if (!dir.entryList({FilePrefix + QLatin1Char('*') + FileSuffix}, QDir::Files).isEmpty())
            return dir.canonicalPath();
    }
    return {};
}

QList<TLanguages::TLanguage> TLanguages::Shipped() {
    return Shipped(Folder());
}

QString TLanguages::MenuText(const QString& name) {
    return QString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QList<TLanguages::TLanguage> TLanguages::Shipped(const QString& folder) {
    QList<TLanguage> found;
    if (folder.isEmpty()) return found;
    // QDir::Files without QDir::System: no pipes, sockets or devices
    for (const QFileInfo& file :
         QDir(folder).entryInfoList({FilePrefix + QLatin1Char('*') + FileSuffix}, QDir::Files, QDir::Name))
        found.append({LanguageName(file.absoluteFilePath()), file.canonicalFilePath()});
    std::sort(found.begin(), found.end(), [](const TLanguage& a, const TLanguage& b) {
        return QString::localeAwareCompare(a.Name, b.Name) < 0;
    });
    return found;
}

QString TLanguages::LanguageName(const QString& file) {
    QFile source(file);
    if (source.open(QIODevice::ReadOnly)) {
        QByteArray head = source.read(KNameBytes);
        // only whole records: a character cut at the end would make the head look like no UTF-8
        head.truncate(qMax<qsizetype>(0, head.lastIndexOf("|$$") + 3));
        QBuffer buffer(&head);
        buffer.open(QIODevice::ReadOnly);
        TGlossator dictionary;
        dictionary.LoadFromStream(buffer);
        const QString key = QStringLiteral("$languagename$");
        const QString name = dictionary.TranslateText(key).trimmed();
        if (name != key && !name.isEmpty()) return name;
    }
    return QFileInfo(file).completeBaseName();
}

QString TLanguages::Code(const QString& file) {
    const QString name = QFileInfo(file).fileName();
    if (!name.startsWith(FilePrefix) || !name.endsWith(FileSuffix)) return {};
    return name.mid(FilePrefix.size(), name.size() - FilePrefix.size() - FileSuffix.size());
}

QString TLanguages::ForDesktop(const QStringList& uiLanguages) {
    QList<std::pair<TTag, QString>> shipped;
    QString english;
    for (const TLanguage& language : Shipped()) {
        const TTag tag = Split(Code(language.File));
        if (tag.Language.isEmpty()) continue;
        shipped.append({tag, language.File});
        if (tag.Language == QLatin1String("en") && (english.isEmpty() || tag.Country.isEmpty()))
            english = language.File;
    }
    QList<TTag> wanted;
    for (const QString& ui : uiLanguages) {
        const TTag tag = Split(ui);
        if (!tag.Language.isEmpty() && tag.Language != QLatin1String("c") &&
            tag.Language != QLatin1String("posix"))
            wanted.append(tag);
    }
    const auto sameScript = [](const TTag& a, const TTag& b) {
        return a.Language != QLatin1String("zh") || ChineseScript(a) == ChineseScript(b);
    };
    // the language with its country, then alone, each for every wanted language in turn
    for (const TTag& want : wanted) {
        for (const auto& [tag, file] : shipped)
            if (tag.Language == want.Language && tag.Country == want.Country && sameScript(tag, want))
                return file;
        for (const auto& [tag, file] : shipped)
            if (tag.Language == want.Language && tag.Country.isEmpty() && sameScript(tag, want)) return file;
    }
    // then the language as another country speaks it
    for (const TTag& want : wanted)
        for (const auto& [tag, file] : shipped)
            if (tag.Language == want.Language && sameScript(tag, want)) return file;
    return english;
}

QString TLanguages::ForDesktop() {
    return ForDesktop(QLocale::system().uiLanguages());
}

QString TLanguages::Remembered(QSettings& remembered) {
    const QString file = remembered.value(QLatin1String(LanguageKey)).toString();
    // a choice that is no longer a regular file (replaced by a pipe) is forgotten
    const QFileInfo info(file);
    return !file.isEmpty() && info.isFile() && info.isReadable() ? file : QString();
}

QString TLanguages::StartFile(QSettings* remembered) {
    if (remembered) {
        const QString chosen = Remembered(*remembered);
        if (!chosen.isEmpty()) return chosen;
    }
    if (QFileInfo::exists(LanguageFileName(QCoreApplication::applicationFilePath()))) return {};
    return ForDesktop();
}

std::shared_ptr<const TGlossator> TLanguages::English() {
    const QString folder = Folder();
    if (folder.isEmpty()) return nullptr;
    QString reason;
    const auto stream =
        LanguageStream::OpenRegular(QDir(folder).filePath(QStringLiteral("gravilo_en.itl")), reason);
    if (!stream) return nullptr;
    auto english = std::make_shared<TGlossator>();
    english->LoadFromStream(*stream);
    return english;
}

namespace {

void ApplyDirection(TGlossator& dictionary, TForm1& form) {
    const QString name = dictionary.TranslateText(QStringLiteral("$languagename$"));
    const Qt::LayoutDirection direction = name.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    // menus, dialogs and message boxes run right to left; the main window keeps its places, and
    // its texts run and align as the language writes them (radio items, buttons, explanation)
    QApplication::setLayoutDirection(direction);
    // what is drawn to scale keeps its left and right: the charts, their axes, the numeric labels
    // and the mass bar, whose values grow to the right as the chart's do
    for (QWidget* drawing : std::initializer_list<QWidget*>{
             form.PLPict, form.PLEnerg, form.NLblMasse, form.NLblHeight, form.NLblEnergie, form.SBarMasse})
        if (drawing) drawing->setLayoutDirection(Qt::LeftToRight);
}

// A numeric label's name stands right-aligned in the label's left part. A name too long for it
// first takes room from the unit on the right (the box moves right), then from free room at the
// label's left (the label grows that way). Each label starts from its built place and size, so a
// language that fits changes nothing.
void FitNumericLabel(TNumora& label) {
    constexpr const char* Built = "_gravilo_built_place";
    if (!label.property(Built).isValid())
        label.setProperty(Built, QRect(label.geometry().topLeft(), QSize(label.LeftSpace(), label.width())));
    const QRect built = label.property(Built).toRect();
    label.setGeometry(built.left(), label.y(), built.height(), label.height());
    label.SetLeftSpace(built.width());
    const QFontMetrics metrics(label.font());
    // the name's right margin and the unit's left margin as the label paints them, a pixel apart
    int need = metrics.horizontalAdvance(label.LeftText()) + 5 + 1 - label.LeftSpace();
    if (need <= 0) return;
    const int unitEnd =
        label.LeftSpace() + label.LabelWidth() + 7 + metrics.horizontalAdvance(label.RightText());
    const int fromUnit = std::clamp(label.width() - 2 - unitEnd, 0, need);
    need -= fromUnit;
    int left = 0;  // the nearest right edge of a neighbour beside the label's rows, at its left
    if (QWidget* parent = label.parentWidget())
        for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != &label && other->isVisibleTo(parent) && other->geometry().right() < label.x() &&
                other->y() < label.geometry().bottom() && other->geometry().bottom() > label.y())
                left = std::max(left, other->geometry().right() + 1);
    const int fromLeft = std::clamp(label.x() - left - 4, 0, need);
    label.setGeometry(label.x() - fromLeft, label.y(), label.width() + fromLeft, label.height());
    label.SetLeftSpace(label.LeftSpace() + fromUnit + fromLeft);
}

}  // namespace

// Qt's own texts in the window's language: the names of keys in the menus (Strg+Q, Leertaste),
// the buttons and labels of the file dialogs. Qt's translations come from Debian's
// qt6-translations-l10n; a language Qt has none for keeps Qt's English.
void TLanguages::TranslateQt(TGlossator& dictionary) {
    static QTranslator* installed = nullptr;
    const QString locale = dictionary.TranslateText(QStringLiteral("$locale$")).trimmed();
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (locale.isEmpty() || locale.startsWith(QLatin1Char('$')) || locale == QLatin1String("en")) return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    installed = translator.release();
    QCoreApplication::installTranslator(installed);
}

void TLanguages::Arrange(TGlossator& dictionary, TForm1& form) {
    ApplyDirection(dictionary, form);
    TranslateQt(dictionary);
    for (TNumora* label : {form.NLblMasse, form.NLblHeight, form.NLblEnergie})
        if (label) FitNumericLabel(*label);
}

bool TLanguages::Choose(const QString& file, QString& reason) {
    if (!FForm.cliDemon) return false;
    const auto stream = LanguageStream::OpenRegular(file, reason);
    if (!stream) return false;
    TGlossator& dictionary = *FForm.cliDemon->Translator();
    dictionary.LoadFromStream(*stream);
    FForm.Retranslate();
    Arrange(dictionary, FForm);
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
