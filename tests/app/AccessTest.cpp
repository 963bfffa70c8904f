// SPDX-License-Identifier: MIT
// The window without a mouse and as a screen reader finds it: keys reach the states the mouse
// reaches, Tab runs in the window's order, the displays speak their values, the About dialog
// answers Enter and Escape, and a language chosen at run time translates every open window.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include "AboutBox.h"
#include "AccessibleControls.h"
#include "Classroom.h"
#include "GraviloTesting.h"
#include "Languages.h"
#include "MainMenu.h"
#include "ScriptKeys.h"
#include "SpokenTexts.h"

using gravilotest::ShippedLanguage;
using gravilotest::TTestWindow;

using gravilotest::ExpectDistinctMnemonics;

namespace {

QString Spoken(QObject* object, QAccessible::Text text = QAccessible::Value) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(object);
    return spoken ? spoken->text(text) : QStringLiteral("<none>");
}

// What a screen reader was told: each announced object with its spoken value at that moment.
struct TAnnouncement {
    QObject* Object;
    QAccessible::Event Kind;
    QString Value;
    bool operator==(const TAnnouncement&) const = default;
};
std::vector<TAnnouncement> Announced;

void Listen(QAccessibleEvent* event) {
    QVariant value;
    if (event->type() == QAccessible::ValueChanged)
        value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    QAccessibleInterface* spoken = event->accessibleInterface();
    // a value change carries the new value: what the object now says must be that value
    if (value.isValid() && spoken && spoken->valueInterface()) {
        EXPECT_EQ(value, spoken->valueInterface()->currentValue())
            << qPrintable(spoken->text(QAccessible::Name));
    }
    Announced.push_back(
        {event->object(), event->type(), spoken ? spoken->text(QAccessible::Value) : QString()});
}

bool WasAnnounced(QObject* object, QAccessible::Event kind, const QString& value) {
    return std::find(Announced.begin(), Announced.end(), TAnnouncement{object, kind, value}) !=
           Announced.end();
}

// Alt and a letter must name one thing only: in the window (its buttons, its menu bar) and in each
// of its menus.
void Key(TForm1& form, const char* sequence) {
    QString error;
    ASSERT_TRUE(ScriptKeys::Press(form, QString::fromLatin1(sequence), error)) << qPrintable(error);
}

class ActiveWindow : public testing::Test {
protected:
    void SetUp() override {
        FWindow.Start();
        FWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*FWindow));
    }
    TTestWindow FWindow{ShippedLanguage("gravilo_en.itl")};
};

}  // namespace

// The mass bar and the scene by keys, against the same moves by the mouse.
TEST_F(ActiveWindow, KeysReachTheStatesOfTheMouse) {
    TForm1& f = *FWindow;
    for (const char* key : {"Tab", "Right", "Right", "Right", "Right", "Right"}) Key(f, key);
    EXPECT_EQ(f.SBarMasse->Position(), 15);
    Key(f, "PgUp");
    EXPECT_EQ(f.SBarMasse->Position(), 25);
    Key(f, "Home");
    EXPECT_EQ(f.SBarMasse->Position(), 1);
    Key(f, "PgDown");
    EXPECT_EQ(f.SBarMasse->Position(), 1);
    f.SBarMasse->SetPosition(15);

    Key(f, "Tab");
    ASSERT_EQ(QApplication::focusWidget(), f.PLPict);
    Key(f, "2");
    EXPECT_EQ(f.NLblHeight->DrawnText(), QStringLiteral("305.0"));
    EXPECT_FALSE(f.Simulation().Falling());
    const QString spokenKeyed = f.SpokenTexts().SceneState();

    TTestWindow mouse(ShippedLanguage("gravilo_en.itl"));
    mouse.Start();
    mouse->SBarMasse->SetPosition(1);
    mouse->SBarMasse->SetPosition(15);
    mouse.PullAndRelease(90, 180);
    EXPECT_EQ(mouse->Simulation().HandY(), f.Simulation().HandY());
    EXPECT_EQ(spokenKeyed, QStringLiteral("Mass at 305.0 m, hanging on hook 2"));

    // Up from a hook: 1 m a press, 10 with Shift; Enter lets go as a release does
    Key(f, "Up");
    Key(f, "Shift+Up");
    EXPECT_EQ(f.Simulation().MassHeight(), 316);
    Key(f, "Shift+Left");
    Key(f, "Return");
    EXPECT_TRUE(f.Simulation().Falling());
    EXPECT_EQ(f.SpokenTexts().SceneState(), QStringLiteral("Mass at 316.0 m, falling"));
    Key(f, "Down");  // a key holds the falling mass, as a press does
    EXPECT_FALSE(f.Simulation().Falling());
    EXPECT_EQ(f.Simulation().MassHeight(), 315);
    Key(f, "5");
    EXPECT_EQ(f.Simulation().MassHeight(), 5);
    // a hook key is one state, one mark; Enter lets go of a hooked rope: the mass falls
    const int marks = f.PLEnerg->ItemCount();
    Key(f, "1");
    EXPECT_EQ(f.Simulation().MassHeight(), 405);
    EXPECT_EQ(f.PLEnerg->ItemCount(), marks + 1);
    Key(f, "Return");
    EXPECT_TRUE(f.Simulation().Falling());
}

TEST_F(ActiveWindow, TabRunsThroughTheWindowInItsOrder) {
    TForm1& f = *FWindow;
    EXPECT_EQ(QApplication::focusWidget(), f.RGAccel->Button(0));
    const QList<QWidget*> order = {f.SBarMasse, f.PLPict,    f.BButReset,         f.BButAbout,
                                   f.SButExit,  f.MMExplain, f.RGAccel->Button(0)};
    for (QWidget* next : order) {
        Key(f, "Tab");
        EXPECT_EQ(QApplication::focusWidget(), next) << qPrintable(next->objectName());
    }
    Key(f, "Shift+Tab");
    EXPECT_EQ(QApplication::focusWidget(), f.MMExplain);
    // the focus mark shows when the keyboard gave the focus, and not after a click
    f.PLPict->setFocus(Qt::MouseFocusReason);
    const QImage clicked = f.PLPict->grab().toImage();
    f.SBarMasse->setFocus(Qt::TabFocusReason);
    Key(f, "Tab");
    EXPECT_NE(f.PLPict->grab().toImage(), clicked);
    Key(f, "Tab");
    EXPECT_EQ(f.PLPict->grab().toImage(), clicked);
    // Alt and the button's letter press it: Reset from anywhere
    Key(f, "3");
    Key(f, "Alt+R");
    EXPECT_EQ(f.Simulation().MassHeight(), 0);
}

// Each display's name and value as a screen reader reads them, after each change.
TEST(Access, DisplaysSpeakTheirNamesAndValues) {
    TTestWindow w(ShippedLanguage("gravilo_en.itl"));
    TForm1& f = w.Start();
    EXPECT_EQ(Spoken(f.NLblMasse, QAccessible::Name), QStringLiteral("Mass"));
    EXPECT_EQ(Spoken(f.NLblMasse), QStringLiteral("10.0 kg"));
    EXPECT_EQ(Spoken(f.PLPict, QAccessible::Name), QStringLiteral("Scene"));
    EXPECT_EQ(Spoken(f.PLPict), QStringLiteral("Mass at 0.0 m, on the ground"));
    f.SBarMasse->SetPosition(15);
    w.PullAndRelease(90, 180);
    EXPECT_EQ(Spoken(f.NLblMasse), QStringLiteral("15.0 kg"));
    EXPECT_EQ(Spoken(f.NLblHeight, QAccessible::Name), QStringLiteral("Height"));
    EXPECT_EQ(Spoken(f.NLblHeight), QStringLiteral("305.0 m"));
    EXPECT_EQ(Spoken(f.NLblEnergie), QStringLiteral("44.9 kJ"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f.NLblEnergie)->valueInterface()->currentValue(), 44.9);
    EXPECT_EQ(Spoken(f.PLEnerg, QAccessible::Name), QStringLiteral("Energy / Height"));
    EXPECT_EQ(Spoken(f.PLEnerg), QStringLiteral("305.0 m, 44.9 kJ, 5 marks"));
    w.Press();
    w.DragTo(0, 300);
    EXPECT_EQ(Spoken(f.PLPict), QStringLiteral("Mass at 200.0 m, held by the rope"));

    const QStringList lines = ScriptKeys::AccessibleLines(f);
    EXPECT_TRUE(lines.contains(QStringLiteral("Graphic|[kJ]|0 to 500"))) << qPrintable(lines.join('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("ScrollBar|Mass|15")));

    // every change is announced with its new value, to a screen reader that listens
    AccessibleControls::SetListener(Listen);
    f.SBarMasse->SetPosition(20);
    w.PullAndRelease(90, 180);
    EXPECT_TRUE(WasAnnounced(f.NLblMasse, QAccessible::ValueChanged, QStringLiteral("20.0 kg")));
    EXPECT_TRUE(WasAnnounced(f.NLblHeight, QAccessible::ValueChanged, QStringLiteral("305.0 m")));
    EXPECT_TRUE(WasAnnounced(f.NLblEnergie, QAccessible::ValueChanged, QStringLiteral("59.8 kJ")));
    EXPECT_TRUE(WasAnnounced(f.PLPict, QAccessible::DescriptionChanged,
                             QStringLiteral("Mass at 305.0 m, hanging on hook 2")));
    w.PullAndRelease(90, 250);
    w.Tick();
    EXPECT_TRUE(
        WasAnnounced(f.PLPict, QAccessible::DescriptionChanged, QStringLiteral("Mass at 250.0 m, falling")));
    EXPECT_TRUE(WasAnnounced(f.NLblHeight, QAccessible::ValueChanged, f.NLblHeight->DrawnText() + " m"));
    EXPECT_TRUE(WasAnnounced(f.PLEnerg, QAccessible::DescriptionChanged, Spoken(f.PLEnerg)));
    AccessibleControls::SetListener(nullptr);
}

TEST(Access, AboutClosesWithEnterAndEscapeAndTabReachesItsLinks) {
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        TFrmAbout about;
        about.SetHomePageAddress(QStringLiteral("https://gravilo.example.org/en/"));
        QList<QUrl> opened;
        about.LinkOpener().SetOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        QTimer::singleShot(0, &about, [&] {
            about.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
            EXPECT_EQ(QApplication::focusWidget(), about.BButOK);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), about.LblHomePage);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        });
        QTimer::singleShot(5000, &about, [&] { about.Close(); });  // not closed by the key
        EXPECT_EQ(about.ShowModal(), mrOk) << key;
        EXPECT_EQ(opened, (QList<QUrl>{QUrl(QStringLiteral("https://gravilo.example.org/en/")),
                                       QUrl(TFrmAbout::SimulationsAddress)}));
        EXPECT_EQ(Spoken(about.LblSimus), TFrmAbout::SimulationsAddress);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(about.LblSimus)->role(), QAccessible::Link);
    }
}

// English, German, English again: the window, its menus, its About dialog, its numbers.
TEST(Access, TheLanguageChangesWhileTheWindowsAreOpen) {
    gravilotest::TPrivateWorld world;
    QSettings remembered(world.Path(QStringLiteral("remembered.conf")), QSettings::IniFormat);
    TTestWindow w(ShippedLanguage("gravilo_en.itl"));
    TFrmAbout about;
    w->SetAboutDialog(&about);
    TClassroom classroom(*w, &remembered);
    TLanguages languages(*w, classroom, &remembered);
    w->PrepareAboutDialog();
    TForm1& f = *w;
    f.SBarMasse->SetPosition(50);
    QString reason;
    ASSERT_TRUE(languages.Choose(ShippedLanguage("gravilo_de.itl"), reason)) << qPrintable(reason);
    EXPECT_EQ(f.SButExit->Caption(), QStringLiteral("Beenden"));
    EXPECT_EQ(f.RGAccel->Items().at(1), QStringLiteral("Mond"));
    EXPECT_EQ(about.BButOK->Caption(), QStringLiteral("OK"));
    EXPECT_TRUE(about.LblDescription->Caption().startsWith(QStringLiteral("Gravilo zeigt")));
    EXPECT_TRUE(about.LblCopyright->Caption().contains(QStringLiteral("Entwickler")));
    EXPECT_EQ(f.NLblMasse->DrawnText(), QStringLiteral("50,0"));
    EXPECT_EQ(Spoken(f.PLPict, QAccessible::Name), QStringLiteral("Szene"));
    EXPECT_EQ(f.SButExit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_E));
    EXPECT_EQ(classroom.Menu().Action(TMainMenu::mcReset)->text(), QStringLiteral("Zurück&setzen"));
    EXPECT_EQ(remembered.value(QStringLiteral("Language/File")).toString(),
              ShippedLanguage("gravilo_de.itl"));
    ExpectDistinctMnemonics(f);
    ExpectDistinctMnemonics(about);

    ASSERT_TRUE(languages.Choose(ShippedLanguage("gravilo_en.itl"), reason));
    EXPECT_EQ(f.Caption(), QStringLiteral("Potential Energy in a Gravitational Field"));
    EXPECT_EQ(f.SButExit->Caption(), QStringLiteral("Exit"));
    EXPECT_EQ(f.MMExplain->Lines().first().left(8), QStringLiteral("Pull the"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.LblHomePage->Caption(), QStringLiteral("Gravilo home page"));
    EXPECT_EQ(about.LblCopyright->Caption(), TFrmAbout::Notice);
    EXPECT_EQ(f.NLblMasse->DrawnText(), QStringLiteral("50.0"));
    EXPECT_EQ(f.SButExit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    ExpectDistinctMnemonics(f);
    ExpectDistinctMnemonics(about);

    EXPECT_FALSE(languages.Choose(world.Path(QStringLiteral("none.itl")), reason));
    EXPECT_EQ(f.SButExit->Caption(), QStringLiteral("Exit"));
    // a file replaced by a pipe while the menu was open: refused at once, not waited on, and a
    // remembered choice that became one is forgotten
    const QString pipe = world.Path(QStringLiteral("gravilo_xx.itl"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(languages.Choose(pipe, reason));
    EXPECT_EQ(reason, QStringLiteral("it is not a regular file"));
    remembered.setValue(QStringLiteral("Language/File"), pipe);
    EXPECT_EQ(TLanguages::Remembered(remembered), QString());
}

// The folder's files by their own names, sorted by them: one dropped in is listed, a name is read
// from the file's head alone and shown as written.
TEST(Access, TheLanguageMenuListsTheFolderByTheFilesOwnNames) {
    QTemporaryDir folder;
    QFile::copy(ShippedLanguage("gravilo_de.itl"), folder.filePath(QStringLiteral("gravilo_de.itl")));
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("gravilo_x1.itl", "[$languagename$]=Aa & Bb|$$\r\n");
    write("gravilo_x2.itl", QByteArray(TLanguages::KNameBytes, ' ') + "[$languagename$]=Late|$$");
    write("other.itl", "[$languagename$]=Other|$$");
    QStringList names;
    for (const TLanguages::TLanguage& language : TLanguages::Shipped(folder.path())) names << language.Name;
    EXPECT_EQ(names, QStringList({"Aa & Bb", "Deutsch", "gravilo_x2"}));
    EXPECT_EQ(TLanguages::MenuText(names.first()), QStringLiteral("Aa && Bb"));
}
