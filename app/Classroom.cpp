// SPDX-License-Identifier: MIT
#include "Classroom.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

#include "BodyLooks.h"
#include "ClassroomDialogs.h"
#include "ClassroomFiles.h"
#include "EnergyBars.h"
#include "EnergyChartView.h"
#include "FallChart.h"
#include "FocusMark.h"
#include "KeyTable.h"
#include "Keyboard.h"
#include "KeyboardBack.h"
#include "MainMenu.h"
#include "PictureFile.h"
#include "Projection.h"
#include "TGlossator.h"
#include "TMessageBox.h"
#include "Translated.h"
#include "ZeroLevel.h"
#include "ugravilo.h"

namespace {

struct TOptionPlace {
    TMainMenu::TCommand Command;
    const char* SettingsKey;
};
// each option's menu command and its place among the remembered settings
constexpr TOptionPlace OptionPlaces[TClassroom::OptionCount] = {
    {TMainMenu::mcEnergyBars, "Options/EnergyBars"},
    {TMainMenu::mcFitEnergyAxis, "Options/FitEnergyAxis"},
    {TMainMenu::mcGrid, "Options/Grid"},
    {TMainMenu::mcLegend, "Options/Legend"},
    {TMainMenu::mcSlowMotion, "Options/SlowMotion"},
    {TMainMenu::mcZeroLevel, "Options/ZeroLevel"},
    {TMainMenu::mcFallChart, "Options/EnergyOverTime"},
    {TMainMenu::mcPatterns, "Options/Patterns"},
    {TMainMenu::mcProjector, "Options/ProjectorColours"},
};
constexpr const char* LastFolderKey = "Files/LastFolder";

}  // namespace

TClassroom::TClassroom(TForm1& form, QSettings* remembered, TMenuBar menuBar)
    : QObject(&form),
      FForm(form),
      FMassLabel(form.NLblMasse),
      FMassBar(form.SBarMasse),
      FRemembered(remembered),
      FMenuBar(menuBar),
      FMenu(std::make_unique<TMainMenu>(&form)),
      FProjection(new TProjection(*FMenu, remembered, this)),
      FBars(std::make_unique<TEnergyBars>(&form)),
      FChartView(std::make_unique<TEnergyChartView>(form)),
      FFallChart(std::make_unique<TFallChart>(form, &form)),
      FZeroLevel(new TZeroLevelHandle(form)) {
    AskFileName = [this](const QString& title, const QString& proposal, const QString& filter) {
        const TKeyboardBack keyboard;
        // the dialog adds the extension itself, so that the name it asks about replacing is the
        // name that will be written
        QFileDialog dialog(&FForm, title, proposal, filter);
        dialog.setObjectName(QStringLiteral("SaveFileDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QFileInfo(proposal).suffix());
        // another kind of file chosen: a name typed without an extension gets that kind's
        connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
            const QRegularExpressionMatch suffix =
                QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(chosen);
            if (suffix.hasMatch()) dialog.setDefaultSuffix(suffix.captured(1));
        });
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    FBars->hide();
    FFallChart->hide();
    QWidget::setTabOrder(form.MMExplain, &FFallChart->Chart());
    Wire();
    if (FRemembered) {
        for (int option = 0; option < OptionCount; ++option)
            SetOption(TOption(option),
                      FRemembered->value(QLatin1String(OptionPlaces[option].SettingsKey)).toBool());
        FLastFolder = FRemembered->value(QLatin1String(LastFolderKey)).toString();
    }
    Translate();
    // the link and its dictionary go on the host's quit message, before the windows close
    connect(FForm.cliDemon, &QObject::destroyed, this, [this] { FMenu->Translate(nullptr); });
    Place();
    FMenu->Bar()->setVisible(FMenuBar == cmShown);
    for (QAbstractButton* button : form.findChildren<QAbstractButton*>()) button->installEventFilter(this);
    // the mass typed in: a double click on its display, or Enter on its bar
    form.NLblMasse->installEventFilter(this);
    form.SBarMasse->installEventFilter(this);
    // the window's texts come back in another language without Planet X: it joins them again
    connect(&form, &TForm1::Retranslated, this, &TClassroom::ShowPlanetX);
}

TClassroom::~TClassroom() = default;

void TClassroom::Wire() {
    const auto on = [this](TMainMenu::TCommand command, auto&& handler) {
        connect(FMenu->Action(command), &QAction::triggered, this, handler);
    };
    on(TMainMenu::mcSavePictureWindow, [this] { SaveInteractively(cpWindow); });
    on(TMainMenu::mcSavePictureChart, [this] { SaveInteractively(cpChart); });
    on(TMainMenu::mcCopyPicture, [this] { CopyPicture(); });
    on(TMainMenu::mcExportData, [this] { ExportInteractively(); });
    on(TMainMenu::mcPrint, [this] { PrintChart(); });
    on(TMainMenu::mcQuit, [this] { FForm.SButExit->click(); });
    on(TMainMenu::mcPause, [this] { SetPaused(!FForm.Simulation().Paused()); });
    on(TMainMenu::mcStep, [this] { Step(); });
    on(TMainMenu::mcReset, [this] { FForm.BButReset->click(); });
    on(TMainMenu::mcClearGraph, [this] { ClearGraph(); });
    on(TMainMenu::mcClearThermal, [this] { FForm.Simulation().ClearThermal(); });
    on(TMainMenu::mcExplanation, [this] { ShowExplanation(); });
    on(TMainMenu::mcShortcuts,
       [this] { ClassroomDialogs::ShowShortcuts(&FForm, Dictionary(), ShortcutRows()); });
    on(TMainMenu::mcPlanetX, [this] { AskPlanetX(); });
    on(TMainMenu::mcAbout, [this] { FForm.BButAbout->click(); });
    for (int option = 0; option < OptionCount; ++option)
        connect(FMenu->Action(OptionPlaces[option].Command), &QAction::toggled, this,
                [this, option](bool checked) { ApplyOption(TOption(option), checked); });
    connect(&FForm, &TForm1::StateChanged, this, &TClassroom::ShowState);
}

// ---- options ----

void TClassroom::SetOption(TOption option, bool on) {
    // through the menu's check mark, which runs ApplyOption: one way for the menu and for scripts
    FMenu->Action(OptionPlaces[option].Command)->setChecked(on);
}

bool TClassroom::Option(TOption option) const {
    return FOptions[option];
}

void TClassroom::ApplyOption(TOption option, bool on) {
    FOptions[option] = on;
    switch (option) {
        case coEnergyBars:
            Place();
            FBars->setVisible(on);
            break;
        case coFitEnergyAxis:
            FChartView->SetFit(on);
            break;
        case coGrid:
            FChartView->SetGrid(on);
            break;
        case coLegend:
            FChartView->SetLegend(on);
            break;
        case coSlowMotion:
            FForm.Simulation().SetSlowMotion(on);
            break;
        case coZeroLevel:
            FZeroLevel->SetShown(on);
            FChartView->SetZeroLevel(on);
            break;
        case coFallChart:
            Place();
            FFallChart->setVisible(on);
            break;
        case coPatterns:
            FBars->SetPatterns(on);
            break;
        case coProjector:
            FForm.SetProjectorLook(on);
            break;
        default:
            break;
    }
    if (FRemembered) FRemembered->setValue(QLatin1String(OptionPlaces[option].SettingsKey), on);
    ShowState();
}

// ---- the fall's clock ----

void TClassroom::SetPaused(bool paused) {
    FForm.Simulation().SetPaused(paused);
}

void TClassroom::Step() {
    FForm.Simulation().Step();
}

void TClassroom::ClearGraph() {
    FForm.Simulation().ClearTrail();
}

// What is so: at rest or falling, and whether the clock is paused or slowed. A paused fall is
// only paused; a mass at rest waits, the clock's settings ready for the next fall.
QString TClassroom::ClockText(bool falling, bool paused, bool slow) const {
    QStringList parts;
    if (!falling || !paused) parts << Text(falling ? "Falling" : "At rest");
    if (paused) parts << Text("Paused");
    if (slow) parts << Text("Slow motion");
    return parts.join(QStringLiteral(" · "));
}

QString TClassroom::ClockText() const {
    const TSimulation& simulation = FForm.Simulation();
    return ClockText(simulation.Falling(), simulation.Paused(), simulation.SlowMotion());
}

QStringList TClassroom::ClockTexts() const {
    QStringList texts;
    for (int state = 0; state < 8; ++state) texts << ClockText(state & 1, state & 2, state & 4);
    return texts;
}

// ---- placing and showing ----

// The menu bar above the client area, the bars beside it; the client area keeps its size.
void TClassroom::Place() {
    const int menuHeight = FMenuBar == cmShown ? FMenu->Bar()->sizeHint().height() : 0;
    const int bars = FOptions[coEnergyBars] ? TEnergyBars::PanelWidth : 0;
    const int fall = FOptions[coFallChart] ? TFallChart::PanelWidth : 0;
    FForm.SetClientMargins(QMargins(0, menuHeight, bars + fall, 0));
    FMenu->Bar()->setGeometry(0, 0, FForm.width(), menuHeight);
    const QRect client = FForm.ClientRect();
    FBars->setGeometry(client.right() + 1, client.top(), TEnergyBars::PanelWidth, client.height());
    FFallChart->setGeometry(client.right() + 1 + bars, client.top(), TFallChart::PanelWidth, client.height());
}

void TClassroom::ShowState() {
    const TSimulation& simulation = FForm.Simulation();
    FMenu->ShowPaused(simulation.Paused());
    FMenu->SetStateText(ClockText());
    FBars->Show(simulation.Balance(), simulation.Falling());
    FChartView->Follow();
    if (FFallChart->isVisible()) FFallChart->Follow();
    FZeroLevel->Place();
}

// the link's dictionary; none once the link has ended itself on the host's quit message
TGlossator* TClassroom::Dictionary() const {
    return FForm.cliDemon ? FForm.cliDemon->Translator() : nullptr;
}

void TClassroom::Translate() {
    TGlossator* dictionary = Dictionary();
    FMenu->Translate(dictionary);
    FMenu->SetStateTexts(ClockTexts());
    FBars->Translate(dictionary, FForm.DecimalComma());
    FFallChart->Translate(dictionary, FForm.DecimalComma());
    FZeroLevel->setAccessibleName(Text("Zero level"));
    FChartView->ShowLegend();
    ShowState();
}

QString TClassroom::Text(const char* key, const QStringList& arguments) const {
    return Translated(Dictionary(), key, arguments);
}

// ---- pictures and data ----

QImage TClassroom::Picture(TPicture which) const {
    const double zoom = FProjection->PictureZoom();
    if (which == cpChart) return TProjection::Grab(*FForm.PLEnerg, FForm.PLEnerg->rect(), zoom);
    const int below = FForm.ClientRect().top();
    return TProjection::Grab(FForm, QRect(0, below, FForm.width(), FForm.height() - below), zoom);
}

bool TClassroom::SavePicture(TPicture which, const QString& fileName, QString& reason,
                             TPictureFormat format) const {
    if (format != pfPng && which == cpWindow) {
        reason = QStringLiteral("the window is written as a PNG picture only");
        return false;
    }
    // the energy chart as vectors, sharp on paper
    if (format == pfPdf) return FForm.PLEnerg->SavePdf(fileName, &reason);
    if (format == pfSvg) return FForm.PLEnerg->SaveSvg(fileName, &reason);
    return PictureFile::Save(Picture(which), fileName, reason, "png");
}

bool TClassroom::PictureFormatNamed(const QString& kind, TPictureFormat& format) {
    static const std::pair<const char*, TPictureFormat> kinds[] = {
        {"png", pfPng}, {"pdf", pfPdf}, {"svg", pfSvg}};
    for (const auto& [name, named] : kinds)
        if (kind == QLatin1String(name)) {
            format = named;
            return true;
        }
    return false;
}

void TClassroom::PrintChart() {
    const TKeyboardBack keyboard;
    FForm.PLEnerg->Print(&FForm);
}

bool TClassroom::ExportData(const QString& fileName, QString& reason) const {
    return PictureFile::WriteWhole(fileName, TrailCsv(FForm), reason);
}

bool TClassroom::ExportFall(const QString& fileName, QString& reason) const {
    return PictureFile::WriteWhole(fileName, FallCsv(FForm.Simulation()), reason);
}

void TClassroom::CopyPicture() const {
    QGuiApplication::clipboard()->setImage(Picture(cpChart));
}

void TClassroom::SaveInteractively(TPicture which) {
    const QString file =
        which == cpWindow
            ? AskSaveFile("Save a picture of the window", "gravilo.png", {"PNG pictures (*.png)"})
            : AskSaveFile("Save a picture of the energy chart", "gravilo-energy.png",
                          {"PNG pictures (*.png)", "PDF documents (*.pdf)", "SVG pictures (*.svg)"});
    // the kind of file chosen (the name's extension) says how the chart is written
    TPictureFormat format = pfPng;
    if (which == cpChart) PictureFormatNamed(QFileInfo(file).suffix().toLower(), format);
    QString reason;
    if (!file.isEmpty() && !SavePicture(which, file, reason, format)) ReportFailure(file, reason);
}

void TClassroom::ExportInteractively() {
    const QString file =
        AskSaveFile("Export the energy chart's data", "gravilo-energy.csv", {"CSV files (*.csv)"});
    QString reason;
    if (file.isEmpty()) return;
    if (!ExportData(file, reason)) return ReportFailure(file, reason);
    // with energy over time on, its record goes beside: gravilo-energy-fall.csv
    if (!FOptions[coFallChart]) return;
    const QFileInfo info(file);
    const QString fall = info.dir().filePath(info.completeBaseName() + QStringLiteral("-fall.csv"));
    if (!ExportFall(fall, reason)) ReportFailure(fall, reason);
}

// The file to write, from the folder used last; a name without an extension gets the filter's.
QString TClassroom::AskSaveFile(const char* titleKey, const char* fileName,
                                std::initializer_list<const char*> filterKeys) {
    QString folder = FLastFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    QStringList filters;
    for (const char* key : filterKeys) filters << Text(key);
    QString file = AskFileName(Text(titleKey), QDir(folder).filePath(QLatin1String(fileName)),
                               filters.join(QStringLiteral(";;")));
    if (file.isEmpty()) return file;
    if (QFileInfo(file).suffix().isEmpty())
        file += QLatin1Char('.') + QFileInfo(QLatin1String(fileName)).suffix();
    FLastFolder = QFileInfo(file).absolutePath();
    if (FRemembered) FRemembered->setValue(QLatin1String(LastFolderKey), FLastFolder);
    return file;
}

void TClassroom::ReportFailure(const QString& fileName, const QString& reason) const {
    ShowWarning(
        Text("The file <%1%> cannot be written: <%2%>", {QDir::toNativeSeparators(fileName), reason}));
}

void TClassroom::ShowExplanation() const {
    QString text = FForm.MMExplain->Lines().join(QLatin1Char('\n'));
    const TSimulation& simulation = FForm.Simulation();
    if (simulation.HasPlanetX())
        text += QLatin1Char('\n') + Text("Planet X: g = <%1%> m/s²",
                                         {AccelText(simulation, TSimulation::PlanetX, FForm.DecimalComma())});
    ShowInformation(text + QStringLiteral("\n\n") + Text("ClassroomHelp"), Text("Explanation"));
}

// ---- Planet X ----

void TClassroom::SetPlanetX(double g, bool hidden) {
    FForm.Simulation().SetPlanetX(g, hidden);
    ShowPlanetX();
    FForm.RGAccel->SetItemIndex(TSimulation::PlanetX);
    FChartView->ShowLegend();
}

// The fifth body among the others, once it has a g: the body group grows into the panel's room.
void TClassroom::ShowPlanetX() {
    if (!FForm.Simulation().HasPlanetX()) return;
    TRadioGroup& bodies = *FForm.RGAccel;
    QStringList items = bodies.Items().mid(0, TSimulation::BodyCount);
    items << Text("Planet X");
    const int chosen = bodies.ItemIndex();
    if (bodies.Items() != items) {
        bodies.SetItems(items);
        bodies.setGeometry(bodies.x(), bodies.y(), bodies.width(), 98);
        // the new buttons join the Tab order, and Space there pauses as on the others
        FForm.Keyboard().SetTabOrder();
        for (int i = 0; i < int(items.size()); ++i) bodies.Button(i)->installEventFilter(this);
    }
    if (bodies.ItemIndex() != chosen) bodies.SetItemIndex(chosen);
}

void TClassroom::AskPlanetX() {
    const TSimulation& simulation = FForm.Simulation();
    double g = simulation.PlanetXAccel();
    bool hidden = simulation.PlanetXHidden();
    if (ClassroomDialogs::AskPlanetX(&FForm, Dictionary(), FForm.DecimalComma(), g, hidden))
        SetPlanetX(g, hidden);
}

void TClassroom::TypeMass() {
    int kg = FForm.Simulation().Mass();
    if (ClassroomDialogs::AskMass(&FForm, Dictionary(), kg)) FForm.SBarMasse->SetPosition(kg);
}

QList<QStringList> TClassroom::ShortcutRows() const {
    return ClassroomDialogs::ShortcutRows(Dictionary(), *FMenu,
                                          {FForm.BButReset, FForm.BButAbout, FForm.SButExit});
}

// ---- Space: Pause, unless a button reached with the keyboard takes it to be pressed ----

bool TClassroom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FMassLabel && event->type() == QEvent::MouseButtonDblClick) {
        TypeMass();
        return true;
    }
    if (watched == FMassBar) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (KeyTable::ActionOf(KeyTable::kaMass, key->key(), key->modifiers()) == KeyTable::aTypeMass) {
                TypeMass();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
    auto* button = qobject_cast<QWidget*>(watched);
    if (!button) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        FocusMark::Note(button, static_cast<QFocusEvent*>(event));
    } else if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier &&
            FocusMark::FromKeyboard(button)) {
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
