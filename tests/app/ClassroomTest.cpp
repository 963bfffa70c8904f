// SPDX-License-Identifier: MIT
// The teaching tools on the real main window: the menu bar above the client area and the energy
// bars beside it, the options and where they are remembered, the energy chart's fitted axis, grid
// and legend, pictures and data written whole or not at all, and the keys of the fall's clock.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <tuple>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsProxyWidget>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "BodyLooks.h"
#include "Classroom.h"
#include "EnergyBars.h"
#include "GraviloTesting.h"
#include "Languages.h"
#include "MainMenu.h"
#include "Projection.h"
#include "RememberedSettings.h"
#include "TMessageBox.h"
#include "TStage.h"
#include "TTextLabel.h"
#include "ZeroLevel.h"

using namespace gravilotest;

namespace {

// The window with the classroom's tools, started.
struct TClassroomWindow {
    explicit TClassroomWindow(const QString& languageFile = {}, QSettings* remembered = nullptr)
        : Window(languageFile), Tools(*Window, remembered) {
        Window.Start();
    }
    TForm1& Form() { return *Window; }
    TTestWindow Window;
    TClassroom Tools;
};

QImage Opaque(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// the messages that would have gone to message boxes
struct TBoxes {
    TBoxes() {
        FPrevious = SetInformationHandler([this](const QString& text) { Texts << text; });
    }
    ~TBoxes() { SetInformationHandler(FPrevious); }
    QStringList Texts;
    TInformationHandler FPrevious;
};

}  // namespace

TEST(Classroom, TheClientAreaStaysAsBuiltBelowTheMenuAndBesideTheBars) {
    TTestWindow plain;
    plain.Start();
    const QImage built = Opaque(plain->grab().toImage());
    ASSERT_EQ(built.size(), QSize(718, 642));

    TClassroomWindow w;
    TForm1& f = w.Form();
    const int menu = w.Tools.Menu().Bar()->height();
    EXPECT_GT(menu, 10);
    EXPECT_EQ(f.size(), QSize(718, 642 + menu));
    EXPECT_EQ(f.ClientRect(), QRect(0, menu, 718, 642));
    EXPECT_EQ(f.Panel1->geometry(), QRect(0, menu, 718, 110));
    EXPECT_EQ(f.MMExplain->geometry().bottom(), 642 + menu - 1);
    // every pixel of the client area as the window without the tools has it
    EXPECT_EQ(Opaque(w.Tools.Picture(TClassroom::cpWindow)), built);

    w.Tools.SetOption(TClassroom::coEnergyBars, true);
    EXPECT_EQ(f.size(), QSize(718 + TEnergyBars::PanelWidth, 642 + menu));
    EXPECT_EQ(f.ClientWidth(), 718);
    EXPECT_EQ(w.Tools.Bars().geometry(), QRect(718, menu, TEnergyBars::PanelWidth, 642));
    const QImage wide = Opaque(w.Tools.Picture(TClassroom::cpWindow));
    EXPECT_EQ(wide.size(), QSize(718 + TEnergyBars::PanelWidth, 642));
    EXPECT_EQ(wide.copy(0, 0, 718, 642), built);
    w.Tools.SetOption(TClassroom::coEnergyBars, false);
    EXPECT_EQ(f.size(), QSize(718, 642 + menu));
    EXPECT_FALSE(w.Tools.Bars().isVisible());

    // headless, without the bar: the window is the client area, as before
    TTestWindow headless;
    TClassroom tools(*headless, nullptr, TClassroom::cmLeftOut);
    headless.Start();
    EXPECT_EQ(headless->size(), QSize(718, 642));
    EXPECT_EQ(Opaque(tools.Picture(TClassroom::cpWindow)), built);
}

TEST(Classroom, TheMenusCommandsShortcutsAndTheirGermanTexts) {
    TClassroomWindow w(ShippedLanguage("gravilo_de.itl"));
    TForm1& f = w.Form();
    TMainMenu& menu = w.Tools.Menu();
    QStringList titles;
    for (QAction* action : menu.Bar()->actions()) titles << action->text();
    EXPECT_EQ(titles.join(' '), QStringLiteral("&Datei &Simulation &Ansicht &Hilfe"));
    EXPECT_EQ(menu.Action(TMainMenu::mcQuit)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(menu.Action(TMainMenu::mcPause)->shortcut(), QKeySequence(Qt::Key_Space));
    EXPECT_EQ(menu.Action(TMainMenu::mcStep)->shortcut(), QKeySequence(Qt::Key_Period));
    EXPECT_EQ(menu.Action(TMainMenu::mcReset)->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    EXPECT_EQ(menu.Action(TMainMenu::mcExplanation)->shortcut(), QKeySequence(Qt::Key_F1));

    // Pause reads "Resume" while the fall waits; Step is there only then; the corner says so
    EXPECT_EQ(menu.StateText(), QStringLiteral("In Ruhe"));
    // the keys' names as German keyboards write them
    TLanguages::TranslateQt(*f.cliDemon->Translator());
    EXPECT_EQ(menu.Action(TMainMenu::mcQuit)->shortcut().toString(QKeySequence::NativeText),
              QStringLiteral("Strg+Q"));
    EXPECT_EQ(menu.Action(TMainMenu::mcPause)->shortcut().toString(QKeySequence::NativeText),
              QStringLiteral("Leertaste"));
    TGlossator none;
    TLanguages::TranslateQt(none);  // Qt's English again for the tests after this one
    EXPECT_FALSE(menu.Action(TMainMenu::mcStep)->isEnabled());
    w.Window.PullAndRelease(0, 100);
    menu.Action(TMainMenu::mcPause)->trigger();
    EXPECT_TRUE(f.Simulation().Paused());
    EXPECT_EQ(menu.Action(TMainMenu::mcPause)->text(), QStringLiteral("&Weiter"));
    EXPECT_EQ(menu.StateText(), QStringLiteral("Angehalten"));
    menu.Action(TMainMenu::mcStep)->trigger();
    EXPECT_EQ(f.Simulation().MassHeight(), 395);
    menu.Action(TMainMenu::mcSlowMotion)->trigger();
    EXPECT_EQ(menu.StateText(), QStringLiteral("Angehalten · Zeitlupe"));
    menu.Action(TMainMenu::mcReset)->trigger();
    EXPECT_EQ(f.Simulation().MassHeight(), 0);
    EXPECT_EQ(f.PLEnerg->ItemCount(), 2);

    // the explanation: the memo's text and how to use the tools
    TBoxes boxes;
    menu.Action(TMainMenu::mcExplanation)->trigger();
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_TRUE(boxes.Texts[0].startsWith(f.MMExplain->Lines().value(0)));
    EXPECT_TRUE(boxes.Texts[0].contains(QStringLiteral("Leertaste")));
}

// Every text the tools look up is in both shipped files, and none is left as its key.
TEST(Classroom, EveryTextIsInBothLanguageFiles) {
    for (const char* file : {"gravilo_en.itl", "gravilo_de.itl"}) {
        TTestWindow window(ShippedLanguage(file));
        TGlossator& dictionary = *window->cliDemon->Translator();
        dictionary.SetAutoCreateItlFile(true);
        {
            TClassroom tools(*window, nullptr);
            window.Start();
            window->Simulation().SetPaused(true);
            window->Simulation().SetSlowMotion(true);
            window->Simulation().SetPaused(false);
            tools.AskFileName = [](const QString&, const QString&, const QString&) { return QString(); };
            for (auto command :
                 {TMainMenu::mcSavePictureWindow, TMainMenu::mcSavePictureChart, TMainMenu::mcExportData})
                tools.Menu().Action(command)->trigger();
            TBoxes boxes;
            tools.AskFileName = [](const QString&, const QString&, const QString&) {
                return QStringLiteral("/nonexistent-folder/x.csv");
            };
            tools.Menu().Action(TMainMenu::mcExportData)->trigger();
            tools.Menu().Action(TMainMenu::mcExplanation)->trigger();
        }
        EXPECT_TRUE(dictionary.MissingEntries().isEmpty())
            << file << ": " << dictionary.MissingEntries().join(' ').constData();
        dictionary.SetAutoCreateItlFile(false);
    }
}

TEST(Classroom, TheFittedAxisGridAndLegendOfTheEnergyChart) {
    TClassroomWindow w;
    TForm1& f = w.Form();
    const TScalePropsVert& energy = *f.PLEnerg->Scale1Y();
    f.SBarMasse->SetPosition(100);
    f.RGAccel->SetItemIndex(3);
    w.Window.Press();
    w.Window.DragTo(0, 0);  // 100 kg on Jupiter at 500 m: 1156 kJ
    w.Tools.SetOption(TClassroom::coFitEnergyAxis, true);
    EXPECT_EQ(energy.RangeHigh(), 2000);
    EXPECT_EQ(energy.RangeLow(), 0);
    f.Simulation().ClearTrail();
    EXPECT_EQ(energy.RangeHigh(), 2000);  // the state is still there: 1156 kJ
    f.SBarMasse->SetPosition(10);
    f.Simulation().ClearTrail();
    EXPECT_EQ(energy.RangeHigh(), 200);  // 115.6 kJ
    // a fall under way: the axis does not shrink, even when the trail is cleared under it
    w.Window.Release();
    w.Window.Tick();
    f.Simulation().ClearTrail();
    EXPECT_EQ(energy.RangeHigh(), 200);
    while (f.Simulation().MassHeight() > 0) w.Window.Tick();
    w.Window.Tick();  // landed: the axis fits the trail again
    EXPECT_EQ(energy.RangeHigh(), 200);
    w.Tools.SetOption(TClassroom::coFitEnergyAxis, false);
    EXPECT_EQ(energy.RangeLow(), 0);
    EXPECT_EQ(energy.RangeHigh(), 500);

    w.Tools.SetOption(TClassroom::coGrid, true);
    EXPECT_EQ(f.PLEnerg->GridStyle(), gsLines);
    w.Tools.SetOption(TClassroom::coLegend, true);
    // each body with its shape's sign, readable on white (4.5:1 or more)
    const auto luminance = [](TColor c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) +
               0.0722 * channel((c >> 16) & 0xFF);
    };
    for (int body = 0; body < TSimulation::BodyCount; ++body) {
        const TTextLabel& label = *f.PLEnerg->TextLabel(body + 1);
        EXPECT_TRUE(label.Visible());
        EXPECT_GE(1.05 / (luminance(label.Font()->Color()) + 0.05), 4.5) << body;
        EXPECT_EQ(label.Caption(), QStringLiteral("%1 %2: g = %3 m/s²")
                                       .arg(BodyLook(body).Sign, f.RGAccel->Items()[body])
                                       .arg(TSimulation::BodyAccel(body)));
    }
    // off again, the chart draws as it was built
    w.Tools.SetOption(TClassroom::coGrid, false);
    w.Tools.SetOption(TClassroom::coLegend, false);
    TTestWindow plain;
    plain.Start();
    f.BButReset->click();
    EXPECT_TRUE(Opaque(f.PLEnerg->Picture()) == Opaque(plain->PLEnerg->Picture()));
}

TEST(Classroom, OptionsAreRememberedWhereGivenAndNowhereElse) {
    TPrivateWorld world;
    QSettings remembered(world.Path(QStringLiteral("gravilo.conf")), QSettings::IniFormat);
    {
        TClassroomWindow w({}, &remembered);
        w.Tools.SetOption(TClassroom::coEnergyBars, true);
        w.Tools.SetOption(TClassroom::coLegend, true);
        w.Tools.SetOption(TClassroom::coSlowMotion, true);
    }
    TClassroomWindow again({}, &remembered);
    EXPECT_TRUE(again.Tools.Option(TClassroom::coEnergyBars));
    EXPECT_TRUE(again.Tools.Bars().isVisible());
    EXPECT_TRUE(again.Tools.Option(TClassroom::coLegend));
    EXPECT_TRUE(again.Form().Simulation().SlowMotion());
    EXPECT_FALSE(again.Tools.Option(TClassroom::coGrid));
    EXPECT_TRUE(again.Tools.Menu().Action(TMainMenu::mcSlowMotion)->isChecked());

    // a window without a store (the headless modes) starts from the defaults
    TClassroomWindow fresh;
    for (int option = 0; option < TClassroom::OptionCount; ++option)
        EXPECT_FALSE(fresh.Tools.Option(TClassroom::TOption(option))) << option;

    // the user's file: texts of any kind come back as written; a typed value of Qt's is no
    // setting of ours; a pipe, a link or a lock that a live program holds leave it unused, at once
    const QString file = world.Path(QStringLiteral("user/gravilo.conf"));
    QString reason;
    {
        std::unique_ptr<QSettings> user = RememberedSettings::Open(file, reason);
        ASSERT_NE(user, nullptr) << reason.toStdString();
        user->setValue(QStringLiteral("Files/LastFolder"), QStringLiteral(" \"a\" b\\c\n;=@ "));
        user->setValue(QStringLiteral("Options/Grid"), true);
        ASSERT_TRUE(RememberedSettings::Save(*user, reason));
    }
    QFile typed(file);
    ASSERT_TRUE(typed.open(QIODevice::Append));
    typed.write("[Nested]\nDeep=@Variant(" + QByteArray(30000, '\x09') + ")\n");
    typed.close();
    std::unique_ptr<QSettings> user = RememberedSettings::Open(file, reason);
    ASSERT_NE(user, nullptr) << reason.toStdString();
    EXPECT_EQ(user->value(QStringLiteral("Files/LastFolder")).toString(),
              QStringLiteral(" \"a\" b\\c\n;=@ "));
    EXPECT_TRUE(user->value(QStringLiteral("Options/Grid")).toBool());
    EXPECT_FALSE(user->contains(QStringLiteral("Nested/Deep")));
    user.reset();
    {
        QLockFile held(file + QStringLiteral(".lock"));
        ASSERT_TRUE(held.lock());
        EXPECT_EQ(RememberedSettings::Open(file, reason), nullptr);
    }
    const QString pipe = world.Path(QStringLiteral("pipe.conf")),
                  link = world.Path(QStringLiteral("link.conf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(file, link));
    for (const QString& unsafe : {pipe, link}) {
        EXPECT_EQ(RememberedSettings::Open(unsafe, reason), nullptr) << unsafe.toStdString();
        EXPECT_TRUE(reason.contains(unsafe));
    }
}

// The file dialog adds the extension before it checks the name: "report" typed over an existing
// report.csv is asked about, and "No" leaves the file as it was.
TEST(Classroom, TheFileDialogAsksAboutTheNameThatWillBeWritten) {
    TClassroomWindow w;
    const QString existing = w.Window.World.Path(QStringLiteral("report.csv"));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    QStringList questions;
    int dialogs = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            questions << box->text();
            box->button(QMessageBox::No)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            // typed without its extension; the second time round, given up
            if (dialogs++ == 0) {
                dialog->setDirectory(w.Window.World.Path({}));
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QStringLiteral("report"));
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);  // as its Save button does
            } else {
                dialog->reject();
            }
        }
    });
    driver.start(20);
    w.Tools.Menu().Action(TMainMenu::mcExportData)->trigger();
    driver.stop();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("report.csv"))) << qPrintable(questions[0]);
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("kept"));
}

TEST(Classroom, DataAndPicturesAreWrittenWholeOrNotAtAll) {
    TClassroomWindow w(ShippedLanguage("gravilo_de.itl"));
    TForm1& f = w.Form();
    w.Window.Press();
    w.Window.DragTo(0, 300);
    f.SBarMasse->SetPosition(25);
    f.RGAccel->SetItemIndex(1);
    const QString file = w.Window.World.Path(QStringLiteral("trail.csv"));
    QString reason;
    ASSERT_TRUE(w.Tools.ExportData(file, reason)) << qPrintable(reason);
    QFile csv(file);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    // one row per trail mark, in order: the start, the drag, the mass, the body
    EXPECT_EQ(csv.readAll(), QByteArray("body,g,mass_kg,height_m,energy_kJ\r\nErde,9.81,10,0,0\r\n"
                                        "Erde,9.81,10,200,19.62\r\nErde,9.81,25,200,49.05\r\n"
                                        "Mond,1.62,25,200,8.1\r\n"));
    // names from a language file that a spreadsheet would run as formulas stay texts
    f.RGAccel->SetItems({QStringLiteral("=HYPERLINK(\"http://x\",\"Erde\")"), QStringLiteral("@SUM(1,1)")});
    ASSERT_TRUE(w.Tools.ExportData(file, reason)) << qPrintable(reason);
    QFile again(file);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = again.readAll().split('\n');
    EXPECT_EQ(rows.value(1), QByteArray("\"'=HYPERLINK(\"\"http://x\"\",\"\"Erde\"\")\",9.81,10,0,0\r"));
    EXPECT_EQ(rows.value(4), QByteArray("\"'@SUM(1,1)\",1.62,25,200,8.1\r"));

    // a file that cannot be written: the reason, and nothing left behind
    const QString lost = w.Window.World.Path(QStringLiteral("no-such-folder/trail.csv"));
    EXPECT_FALSE(w.Tools.ExportData(lost, reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(w.Tools.SavePicture(TClassroom::cpChart, lost, reason));
    EXPECT_FALSE(w.Tools.SavePicture(TClassroom::cpWindow, file + QStringLiteral("/w.png"), reason));
    EXPECT_EQ(QDir(w.Window.World.Path({})).entryList(QDir::Files).join(' '), QStringLiteral("trail.csv"));
    // the energy chart as vectors
    for (const auto& [name, format, start] : {std::tuple{"chart.pdf", TClassroom::pfPdf, "%PDF-"},
                                              std::tuple{"chart.svg", TClassroom::pfSvg, "<?xml"}}) {
        ASSERT_TRUE(w.Tools.SavePicture(TClassroom::cpChart, w.Window.World.Path(name), reason, format))
            << name;
        QFile vector(w.Window.World.Path(name));
        ASSERT_TRUE(vector.open(QIODevice::ReadOnly));
        EXPECT_TRUE(vector.readAll().startsWith(start)) << name;
    }

    // through the menu: the name proposed in the folder used last, the extension added, a box
    // naming the file when it cannot be written
    QStringList proposals;
    QString answer = w.Window.World.Path(QStringLiteral("chart"));
    w.Tools.AskFileName = [&](const QString&, const QString& proposal, const QString&) {
        proposals << proposal;
        return answer;
    };
    w.Tools.Menu().Action(TMainMenu::mcSavePictureChart)->trigger();
    EXPECT_EQ(Opaque(QImage(answer + QStringLiteral(".png"))), Opaque(f.PLEnerg->grab().toImage()));
    answer = w.Window.World.Path(QStringLiteral("menu.svg"));  // the kind of file chosen
    w.Tools.Menu().Action(TMainMenu::mcSavePictureChart)->trigger();
    QFile svg(answer);
    EXPECT_TRUE(svg.open(QIODevice::ReadOnly) && svg.readAll().startsWith("<?xml"));
    TBoxes boxes;
    answer = lost;
    w.Tools.Menu().Action(TMainMenu::mcExportData)->trigger();
    EXPECT_EQ(proposals.value(2), w.Window.World.Path(QStringLiteral("gravilo-energy.csv")));
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_TRUE(boxes.Texts[0].startsWith(QStringLiteral("Die Datei %1 kann nicht").arg(lost)))
        << qPrintable(boxes.Texts[0]);

    w.Tools.Menu().Action(TMainMenu::mcCopyPicture)->trigger();
    EXPECT_EQ(Opaque(QGuiApplication::clipboard()->image()), Opaque(f.PLEnerg->grab().toImage()));
}

// Space pauses and resumes, the period key steps; a button reached with Tab keeps Space for itself.
TEST(Classroom, TheKeysOfTheFallsClock) {
    TClassroomWindow w;
    TForm1& f = w.Form();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    w.Window.PullAndRelease(0, 100);
    QTest::keyClick(&f, Qt::Key_Space);
    EXPECT_TRUE(f.Simulation().Paused());
    QTest::keyClick(&f, Qt::Key_Period);
    EXPECT_EQ(f.Simulation().MassHeight(), 395);
    QTest::keyClick(&f, Qt::Key_Space);
    EXPECT_FALSE(f.Simulation().Paused());

    f.BButReset->setFocus(Qt::MouseFocusReason);  // clicked: the button does not keep Space
    QTest::keyClick(f.BButReset, Qt::Key_Space);
    EXPECT_TRUE(f.Simulation().Paused());
    EXPECT_EQ(f.Simulation().MassHeight(), 395);
    f.BButAbout->setFocus(Qt::MouseFocusReason);
    f.BButReset->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.BButReset, Qt::Key_Space);
    EXPECT_TRUE(f.Simulation().Paused());
    EXPECT_EQ(f.Simulation().MassHeight(), 0);  // Reset was pressed
}

// The energy bars in German, through falls from every hook on every body and their impact: each
// value with one decimal and a comma, the sum shown the sum of the parts shown, the impact's
// energy in the thermal bar, and every value a display of its own for screen readers.
TEST(Classroom, TheEnergyBarsAddUpAsShownAndAreRead) {
    TClassroomWindow w(ShippedLanguage("gravilo_de.itl"));
    TForm1& f = w.Form();
    w.Tools.SetOption(TClassroom::coEnergyBars, true);
    const TEnergyBars& bars = w.Tools.Bars();
    const auto shown = [&](int readout) {
        const QString text = bars.ValueText(readout);
        EXPECT_TRUE(text.endsWith(QStringLiteral(" kJ")) && text.contains(QLatin1Char(',')))
            << qPrintable(text);
        EXPECT_EQ(text.section(QLatin1Char(','), 1).size(), 1 + 3) << qPrintable(text);  // one decimal
        return text.section(QLatin1Char(' '), 0, 0).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    };
    int states = 0;
    for (int body = 0; body < TSimulation::BodyCount; ++body)
        for (int hook = 1; hook <= TSimulation::HookCount; ++hook) {
            f.RGAccel->SetItemIndex(body);
            f.SBarMasse->SetPosition(13 + 7 * hook);
            f.Simulation().HangOnHook(hook);
            f.Simulation().LetGo();
            while (f.Timer1->Enabled()) {
                w.Window.Tick();
                ++states;
                EXPECT_NEAR(shown(0) + shown(1) + shown(2), shown(3), 1e-9) << body << " " << hook;
            }
            EXPECT_NEAR(shown(2), f.Simulation().Thermal(), 0.05);
            EXPECT_GT(f.Simulation().Thermal(), 0);
        }
    EXPECT_GT(states, 150);
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(const_cast<TEnergyBars*>(&bars));
    ASSERT_EQ(read->childCount(), TEnergyBars::ReadoutCount);
    EXPECT_EQ(read->child(2)->text(QAccessible::Name), bars.Name(2));
    EXPECT_EQ(read->child(2)->text(QAccessible::Value), bars.ValueText(2));
    EXPECT_EQ(read->indexOfChild(read->child(5)), 5);
}

// Help › Keyboard shortcuts tells the whole truth: every key, with or without Shift, that changes
// the simulation on the scene or on the zero level's handle is a key the list shows. And the five
// bodies keep shapes of their own for grey print.
TEST(Classroom, EveryKeyThatActsIsListed) {
    TClassroomWindow w;
    TForm1& f = w.Form();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    w.Tools.SetOption(TClassroom::coZeroLevel, true);
    f.PLPict->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 30; ++i) QTest::keyClick(f.PLPict, Qt::Key_Up);  // the mass held 30 m up
    const TSimulation& s = f.Simulation();
    ASSERT_EQ(s.MassHeight(), 30);
    QStringList listed;
    for (const QStringList& row : w.Tools.ShortcutRows()) listed << row.value(0).split(QStringLiteral(", "));
    const auto state = [&] {
        return QList<double>{s.MassHeight(),      s.HandX(),          s.HandY(),
                             double(s.Falling()), double(s.Paused()), s.ZeroLevel(),
                             double(s.Hook()),    double(s.Body()),   double(s.Mass())};
    };
    QList<int> keys = {Qt::Key_Up,     Qt::Key_Down,      Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Home,
                       Qt::Key_End,    Qt::Key_PageUp,    Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Enter,
                       Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete,   Qt::Key_Insert};
    for (int key = 0x20; key <= 0x7e; ++key)
        if (key < 'a' || key > 'z') keys << key;  // Qt names letters by their capitals
    for (int key = Qt::Key_F1; key <= Qt::Key_F12; ++key) keys << key;
    for (QWidget* area : {static_cast<QWidget*>(f.PLPict), static_cast<QWidget*>(&w.Tools.ZeroLevel())})
        for (const Qt::KeyboardModifier modifier : {Qt::NoModifier, Qt::ShiftModifier})
            for (const int key : keys) {
                const QString name =
                    QKeySequence(QKeyCombination(modifier, Qt::Key(key))).toString(QKeySequence::NativeText);
                if (listed.contains(name)) continue;
                area->setFocus(Qt::TabFocusReason);
                const QList<double> before = state();
                QTest::keyClick(area, Qt::Key(key), modifier);
                EXPECT_EQ(state(), before) << qPrintable(name) << " on " << qPrintable(area->objectName());
            }

    QList<int> marks;
    for (int body = 0; body <= TSimulation::PlanetX; ++body) marks << BodyLook(body).Mark;
    EXPECT_EQ(QSet<int>(marks.begin(), marks.end()).size(), marks.size());
}

// In front of a class: pictures come at the zoom asked for, drawn anew (the chart's text is not the
// small picture doubled); on a stage the window scales as a whole, remembers its zoom, keeps its
// proportions when resized, and the rope still hangs on the hook it is dragged to; without a stage
// (scripts) the remembered zoom changes nothing.
TEST(Classroom, OnAStageTheWholeWindowScalesAndItsPicturesWithIt) {
    TPrivateWorld world;
    QSettings remembered(world.Path(QStringLiteral("gravilo.conf")), QSettings::IniFormat);
    remembered.setValue(QStringLiteral("View/Zoom"), 75);
    TClassroomWindow w({}, &remembered);
    EXPECT_EQ(w.Tools.Projection().PictureZoom(), 1.0);
    const QImage plain = w.Tools.Picture(TClassroom::cpChart);
    w.Tools.Projection().SetPictureZoom(2.0);
    const QImage sharp = w.Tools.Picture(TClassroom::cpChart);
    ASSERT_EQ(sharp.size(), plain.size() * 2);
    EXPECT_EQ(w.Tools.Picture(TClassroom::cpWindow).size(), QSize(1436, 1284));
    // a doubled picture changes colour only between its 2 × 2 blocks
    int inside = 0;
    for (int y = 0; y < sharp.height(); ++y)
        for (int x = 1; x < sharp.width(); x += 2) inside += sharp.pixel(x, y) != sharp.pixel(x - 1, y);
    EXPECT_GT(inside, 100);
    EXPECT_EQ(w.Form().PLEnerg->DeviceScale(), 1.0);  // the control paints at its own size again

    TForm1& f = w.Form();
    TStage stage(f);
    w.Tools.Projection().SetStage(&stage);
    stage.show();
    ASSERT_NE(f.graphicsProxyWidget(), nullptr);
    EXPECT_NEAR(stage.Zoom(), 0.75, 0.002);
    EXPECT_EQ(stage.size(), QSize(539, 497));
    // the end dragged from its place at rest to just below the hook at 200 m
    const auto onStage = [&](double x, double y) {
        const QPoint inForm = f.PLPict->mapTo(&f, f.PLPict->WorldToPixel(1, x, y));
        return stage.mapFromScene(f.graphicsProxyWidget()->mapToScene(QPointF(inForm)));
    };
    QTest::mousePress(stage.viewport(), Qt::LeftButton, {}, onStage(20, 520));
    QTest::mouseMove(stage.viewport(), onStage(60, 300));
    QTest::mouseMove(stage.viewport(), onStage(95, 190));
    QTest::mouseRelease(stage.viewport(), Qt::LeftButton, {}, onStage(95, 190));
    EXPECT_EQ(f.Simulation().MassHeight(), 305);

    // a wide window: the form keeps its proportions, centred
    stage.resize(800, 497);
    const QRectF shown = f.graphicsProxyWidget()->sceneBoundingRect();
    EXPECT_NEAR(shown.width() / shown.height(), double(f.width()) / f.height(), 1e-9);
    EXPECT_NEAR(shown.left(), 800 - shown.right(), 2.0);
    // Ctrl+0 and the window's own size are remembered
    w.Tools.Menu().Action(TMainMenu::mcZoom100)->trigger();
    EXPECT_DOUBLE_EQ(stage.Zoom(), 1.0);
    EXPECT_EQ(remembered.value(QStringLiteral("View/Zoom")).toInt(), 100);
    EXPECT_TRUE(w.Tools.Menu().Action(TMainMenu::mcZoom100)->isChecked());

    // the projector colours: every display's text at 4.5:1 or more on its ground; off, as built
    const auto contrast = [](TColor text, TColor ground) {
        const auto luminance = [](TColor c) {
            const QColor q = ColorToQColor(c);
            const auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(q.redF()) + 0.7152 * linear(q.greenF()) + 0.0722 * linear(q.blueF());
        };
        const double a = luminance(text), b = luminance(ground);
        return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    };
    w.Tools.SetOption(TClassroom::coProjector, true);
    EXPECT_EQ(f.Color(), clWhite);
    for (TNumora* label : {f.NLblMasse, f.NLblHeight, f.NLblEnergie}) {
        EXPECT_GE(contrast(label->ColorLabText(), label->ColorLabBakG()), 4.5)
            << label->objectName().toStdString();
        EXPECT_GE(contrast(label->ColorOutText(), label->ColorOutBakG()), 4.5)
            << label->objectName().toStdString();
        EXPECT_TRUE(label->Font()->Bold());
    }
    w.Tools.SetOption(TClassroom::coProjector, false);
    EXPECT_EQ(f.Color(), clBtnFace);
    EXPECT_EQ(f.NLblMasse->ColorLabBakG(), clInfoBk);
    EXPECT_FALSE(f.NLblMasse->Font()->Bold());
    EXPECT_TRUE(f.NLblEnergie->Font()->Bold());  // bold as built
}
