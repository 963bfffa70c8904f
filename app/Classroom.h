// SPDX-License-Identifier: MIT
#pragma once
// The teaching tools on the main window: the menu bar above its client area, the energy bars
// beside it, the time controls of the fall, a readable energy chart (fitted axis, grid, legend),
// and saving pictures and data. The client area stays as it was built; the window grows by the
// menu's height, and by the bars' width while they are shown.
//
// The options (energy bars, fitted axis, grid, legend, slow motion) start switched off. Given a
// settings store, the classroom restores them from it and keeps every change there, and the file
// dialogs start in the folder used last; without one (the headless modes) every start is the same.
// Headless, where nobody opens a menu, the bar can be left out: the client area then keeps its
// place at the window's corner, and the window's pictures stay those of the window without the
// tools to the pixel (down to the offscreen pointer's hover over Exit, which rests at its corner).

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>

class QSettings;
class TEnergyBars;
class TProjection;
class TEnergyChartView;
class TFallChart;
class TZeroLevelHandle;
class TForm1;
class TGlossator;
class TMainMenu;

class TClassroom : public QObject {
    Q_OBJECT
public:
    enum TOption {
        coEnergyBars,
        coFitEnergyAxis,
        coGrid,
        coLegend,
        coSlowMotion,
        coZeroLevel,
        coFallChart,
        coPatterns,
        coProjector,
        OptionCount
    };
    enum TPicture { cpWindow, cpChart };
    // how a picture is written: pixels, or (the energy chart only) vectors
    enum TPictureFormat { pfPng, pfPdf, pfSvg };
    // the format a kind of file is written in: "png", "pdf" or "svg"; false for any other kind
    static bool PictureFormatNamed(const QString& kind, TPictureFormat& format);

    enum TMenuBar { cmShown, cmLeftOut };
    explicit TClassroom(TForm1& form, QSettings* remembered = nullptr, TMenuBar menuBar = cmShown);
    ~TClassroom() override;

    void SetOption(TOption option, bool on);
    bool Option(TOption option) const;

    // Pause and Resume; Step performs one fall step (while paused, what the menu offers).
    void SetPaused(bool paused);
    void Step();
    void ClearGraph();

    // The window below its menu bar (the energy bars too, when shown), or the energy chart.
    QImage Picture(TPicture which) const;
    // Writes the picture or the trail's CSV; false with the reason when the file cannot be written.
    // The window's picture is always a PNG; the energy chart's also a PDF or an SVG.
    bool SavePicture(TPicture which, const QString& fileName, QString& reason,
                     TPictureFormat format = pfPng) const;
    bool ExportData(const QString& fileName, QString& reason) const;
    // The record of the current fall as CSV (energy over time).
    bool ExportFall(const QString& fileName, QString& reason) const;
    // Planet X with that g, shown among the bodies and chosen; hidden, its g shows as "?".
    void SetPlanetX(double g, bool hidden);
    // Puts the energy chart's picture on the clipboard.
    void CopyPicture() const;

    // The texts of the menus, the bars and the legend from the window's dictionary: at the start,
    // and again after the dictionary has changed its language.
    void Translate();
    TGlossator* Dictionary() const;

    // Asks for the file to save into (title, proposed path, filter); empty: not saving. A file
    // dialog unless replaced (tests answer it themselves).
    std::function<QString(const QString& title, const QString& proposal, const QString& filter)> AskFileName;

    TMainMenu& Menu() const { return *FMenu; }
    TProjection& Projection() const { return *FProjection; }
    TEnergyBars& Bars() const { return *FBars; }
    TFallChart& FallChart() const { return *FFallChart; }
    TZeroLevelHandle& ZeroLevel() const { return *FZeroLevel; }
    // every key of the window, as Help › Keyboard shortcuts lists them
    QList<QStringList> ShortcutRows() const;
    // the text that shows the state of the fall's clock, and every text it can show in the
    // window's language
    QString ClockText() const;
    QStringList ClockTexts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Wire();
    void Place();
    void ShowState();
    void ApplyOption(TOption option, bool on);
    void SaveInteractively(TPicture which);
    void ExportInteractively();
    QString AskSaveFile(const char* titleKey, const char* fileName,
                        std::initializer_list<const char*> filterKeys);
    // the energy chart on paper, through the print dialog
    void PrintChart();
    void ReportFailure(const QString& fileName, const QString& reason) const;
    void ShowExplanation() const;
    void ShowPlanetX();
    void AskPlanetX();
    void TypeMass();
    QString Text(const char* key, const QStringList& arguments = {}) const;
    QString ClockText(bool falling, bool paused, bool slow) const;

    TForm1& FForm;
    // the mass's display and bar, known here: their events still come while the window is
    // half gone
    QObject* const FMassLabel;
    QObject* const FMassBar;
    QSettings* FRemembered;
    TMenuBar FMenuBar;
    std::unique_ptr<TMainMenu> FMenu;
    TProjection* FProjection;
    std::unique_ptr<TEnergyBars> FBars;
    std::unique_ptr<TEnergyChartView> FChartView;
    std::unique_ptr<TFallChart> FFallChart;
    TZeroLevelHandle* FZeroLevel;
    std::array<bool, OptionCount> FOptions{};
    QString FLastFolder;
};
