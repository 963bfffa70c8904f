// SPDX-License-Identifier: MIT
#include "ScriptRunner.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QRegularExpression>

#include "Classroom.h"
#include "PictureFile.h"
#include "Projection.h"
#include "ScriptKeys.h"
#include "ugravilo.h"

namespace {

constexpr const char* ExportUsage =
    "export csv FILE\", \"export fall FILE\", \"export png window|chart FILE\" or \"export pdf|svg chart "
    "FILE";

bool WordCount(const QStringList& words, qsizetype least, qsizetype most, const char* usage, QString& error) {
    if (words.size() >= least && words.size() <= most) return true;
    error = QStringLiteral("wrong number of words, expected \"%1\"").arg(QLatin1String(usage));
    return false;
}

// a whole number in decimal, with an optional sign, that fits an int
bool Number(const QString& word, int& value, QString& error) {
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    if (!whole.match(word).hasMatch()) {
        error = QStringLiteral("\"%1\" is not a whole number").arg(word);
        return false;
    }
    bool ok = false;
    value = word.toInt(&ok);
    if (!ok) error = QStringLiteral("\"%1\" is too large").arg(word);
    return ok;
}

QString PropertyKey(const char* component, const char* property) {
    return QLatin1String(component) + QLatin1Char('.') + QLatin1String(property) + QLatin1Char('=');
}

}  // namespace

std::span<const TScriptRunner::TCommand> TScriptRunner::Commands() {
    using R = TScriptRunner;
    static constexpr TCommand commands[] = {
        {"mass", "mass N", 2, 2, false, &R::Mass},
        {"body", "body N", 2, 2, false, &R::Body},
        {"down", "down X Y", 3, 3, false, &R::Mouse},
        {"move", "move X Y", 3, 3, false, &R::Mouse},
        {"up", "up X Y", 3, 3, false, &R::Mouse},
        {"tick", "tick [N]", 1, 2, false, &R::Tick},
        {"screenshot", "screenshot FILE", 2, 2, false, &R::Screenshot},
        {"key", "key SEQ", 2, 2, false, &R::Key},
        {"reset", "reset", 1, 1, false, &R::Reset},
        {"print", "print", 1, 1, false, &R::Print},
        {"texts", "texts", 1, 1, false, &R::Texts},
        {"accessible", "accessible", 1, 1, false, &R::Accessible},
        {"pause", "pause", 1, 1, true, &R::PauseOrResume},
        {"resume", "resume", 1, 1, true, &R::PauseOrResume},
        {"step", "step", 1, 1, true, &R::Step},
        {"slow", "slow on|off", 2, 2, true, &R::Slow},
        {"option", "option bars|fit|grid|legend|zero|time|patterns|projector on|off", 3, 3, true, &R::Option},
        {"zoom", "zoom PERCENT", 2, 2, true, &R::Zoom},
        {"zero", "zero H", 2, 2, true, &R::Zero},
        {"g", "g VALUE [hidden]", 2, 3, true, &R::PlanetX},
        {"clear", "clear [thermal]", 1, 2, true, &R::Clear},
        {"energy", "energy", 1, 1, true, &R::Energy},
        {"export", ExportUsage, 3, 4, true, &R::Export},
    };
    return commands;
}

TScriptRunner::TScriptRunner(TForm1& form, QIODevice& output, QIODevice& errors)
    : FForm(form), FOutput(output), FErrors(errors) {}

int TScriptRunner::Run(QIODevice& input) {
    for (int number = 1;; ++number) {
        // room for one byte past the longest line, and for the terminating null Qt keeps
        const QByteArray bytes = input.readLine(MaxLineBytes + 2);
        if (bytes.isEmpty()) return ExitOk;  // a blank line still holds its line feed
        QString error;
        if (bytes.size() > MaxLineBytes && !bytes.endsWith('\n'))
            error = QStringLiteral("the line is longer than %1 bytes").arg(MaxLineBytes);
        else if (RunLine(QString::fromUtf8(bytes), error))
            continue;
        FErrors.write(QStringLiteral("line %1: %2\n").arg(number).arg(error).toUtf8());
        return ExitBadLine;
    }
}

bool TScriptRunner::RunLine(const QString& line, QString& error) {
    static const QRegularExpression blanks(QStringLiteral("[ \\t\\r\\n\\f\\v]+"));
    const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
    if (words.isEmpty() || words.first().startsWith(QLatin1Char('#'))) return true;
    return RunCommand(words, error);
}

bool TScriptRunner::RunCommand(const QStringList& words, QString& error) {
    for (const TCommand& command : Commands()) {
        if (words.first() != QLatin1String(command.Name) || (command.Classroom && !FClassroom)) continue;
        if (!WordCount(words, command.LeastWords, command.MostWords, command.Usage, error)) return false;
        return (this->*command.Run)(words, error);
    }
    error = QStringLiteral("unknown command \"%1\"").arg(words.first());
    return false;
}

bool TScriptRunner::Mass(const QStringList& words, QString& error) {
    int position = 0;
    if (!Number(words[1], position, error)) return false;
    FForm.SBarMasse->SetPosition(position);
    return true;
}

bool TScriptRunner::Body(const QStringList& words, QString& error) {
    int index = 0;
    if (!Number(words[1], index, error)) return false;
    QRadioButton* button = FForm.RGAccel->Button(index);
    if (!button) {
        error = QStringLiteral(
                    "there is no body %1 (0 Earth, 1 Moon, 2 Mars, 3 Jupiter, 4 Planet X once g "
                    "has set it)")
                    .arg(words[1]);
        return false;
    }
    button->click();
    return true;
}

bool TScriptRunner::Mouse(const QStringList& words, QString& error) {
    int x = 0, y = 0;
    if (!Number(words[1], x, error) || !Number(words[2], y, error)) return false;
    const QString& command = words.first();
    if (command == QLatin1String("down")) {
        FButtonDown = true;
        SendMouse(QEvent::MouseButtonPress, x, y);
    } else if (command == QLatin1String("move")) {
        SendMouse(QEvent::MouseMove, x, y);
    } else {
        FButtonDown = false;
        SendMouse(QEvent::MouseButtonRelease, x, y);
    }
    return true;
}

// A real mouse event for the scene chart at its own pixel (x, y), through Qt's delivery.
void TScriptRunner::SendMouse(int type, int x, int y) {
    QWidget* chart = FForm.PLPict;
    const QPointF local(x, y);
    const QPointF inWindow = chart->mapTo(chart->window(), local);
    const QPointF global = chart->mapToGlobal(local);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        FButtonDown ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons(Qt::NoButton);
    QMouseEvent event(QEvent::Type(type), local, inWindow, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(chart, &event);
}

bool TScriptRunner::Tick(const QStringList& words, QString& error) {
    int count = 1;
    if (words.size() == 2 && !Number(words[1], count, error)) return false;
    if (count < 0) {
        error = QStringLiteral("\"%1\" is not a number of ticks").arg(words[1]);
        return false;
    }
    // the timer itself never runs during a script: the ticks are the script's alone. Once it is
    // off the remaining ticks change nothing, so "tick 2000000000" ends with the fall; paused,
    // no tick changes anything.
    if (FForm.Simulation().Paused()) return true;
    for (int i = 0; i < count && FForm.Timer1->Enabled(); ++i) FForm.Timer1->Tick();
    return true;
}

bool TScriptRunner::Screenshot(const QStringList& words, QString& error) {
    // with a menu bar, the window's picture is what lies below it, as --screenshot has it
    QString reason;
    if (FClassroom ? FClassroom->SavePicture(TClassroom::cpWindow, words[1], reason)
                   : PictureFile::SaveWindow(FForm, words[1], reason))
        return true;
    error = QStringLiteral("cannot write \"%1\": %2").arg(words[1], reason);
    return false;
}

QString TScriptRunner::StateLine() const {
    return QStringLiteral("mass=%1 height=%2 energy=%3 hand=%4,%5 timer=%6 items=%7")
        .arg(FForm.NLblMasse->DrawnText(), FForm.NLblHeight->DrawnText(), FForm.NLblEnergie->DrawnText(),
             QString::asprintf("%.17g", FForm.Simulation().HandX()),
             QString::asprintf("%.17g", FForm.Simulation().HandY()),
             FForm.Simulation().Falling() ? QStringLiteral("on") : QStringLiteral("off"),
             QString::number(FForm.PLEnerg->ItemCount()));
}

QStringList TScriptRunner::TextLines() const {
    const TForm1& f = FForm;
    QStringList lines;
    lines << PropertyKey("Form1", "Caption") + f.Caption();
    for (const TButton* button : {static_cast<TButton*>(f.SButExit), static_cast<TButton*>(f.BButAbout),
                                  static_cast<TButton*>(f.BButReset)})
        lines << button->objectName() + QStringLiteral(".Caption=") + button->Caption();
    lines << PropertyKey("RGAccel", "Caption") + f.RGAccel->Caption();
    const QStringList items = f.RGAccel->Items();
    for (qsizetype i = 0; i < items.size(); ++i)
        lines << QStringLiteral("RGAccel.Items[%1]=%2").arg(i).arg(items[i]);
    for (const TNumora* label : {f.NLblMasse, f.NLblHeight, f.NLblEnergie}) {
        lines << label->objectName() + QStringLiteral(".LeftText=") + label->LeftText();
        lines << label->objectName() + QStringLiteral(".RightText=") + label->RightText();
    }
    lines << PropertyKey("PLEnerg", "Caption") + f.PLEnerg->Caption();
    for (const TPlotica* chart : {f.PLPict, f.PLEnerg})
        for (int n = 1; n <= 4; ++n)
            for (const TScaleProps* axis : {static_cast<TScaleProps*>(chart->ScalePropsX(n)),
                                            static_cast<TScaleProps*>(chart->ScalePropsY(n))}) {
                if (!axis->Visible()) continue;
                const QString name =
                    QStringLiteral("%1.Scale%2%3.Caption=")
                        .arg(chart->objectName())
                        .arg(n)
                        .arg(axis == chart->ScalePropsX(n) ? QLatin1Char('X') : QLatin1Char('Y'));
                lines << name + axis->Caption();
            }
    const QStringList explain = f.MMExplain->Lines();
    for (qsizetype i = 0; i < explain.size(); ++i)
        lines << QStringLiteral("MMExplain.Lines[%1]=%2").arg(i).arg(explain[i]);
    return lines;
}

bool TScriptRunner::Key(const QStringList& words, QString& error) {
    return ScriptKeys::Press(FForm, words[1], error);
}

bool TScriptRunner::Reset(const QStringList&, QString&) {
    FForm.BButReset->click();
    return true;
}

bool TScriptRunner::Print(const QStringList&, QString&) {
    Write(StateLine() + QLatin1Char('\n'));
    return true;
}

bool TScriptRunner::Texts(const QStringList&, QString&) {
    Write(TextLines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return true;
}

bool TScriptRunner::Accessible(const QStringList&, QString&) {
    Write(ScriptKeys::AccessibleLines(FForm).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return true;
}

// ---- the classroom's commands ----

bool TScriptRunner::PauseOrResume(const QStringList& words, QString&) {
    FClassroom->SetPaused(words.first() == QLatin1String("pause"));
    return true;
}

bool TScriptRunner::Step(const QStringList&, QString&) {
    FClassroom->Step();
    return true;
}

bool TScriptRunner::Slow(const QStringList& words, QString& error) {
    bool on = false;
    if (!Switch(words, 1, on, error)) return false;
    FClassroom->SetOption(TClassroom::coSlowMotion, on);
    return true;
}

bool TScriptRunner::Clear(const QStringList& words, QString& error) {
    if (words.size() == 1) {
        FClassroom->ClearGraph();
        return true;
    }
    if (words[1] != QLatin1String("thermal")) {
        error = QStringLiteral("there is nothing \"%1\" to clear (the graph: clear; thermal)").arg(words[1]);
        return false;
    }
    FForm.Simulation().ClearThermal();
    return true;
}

bool TScriptRunner::Energy(const QStringList&, QString&) {
    Write(EnergyLine() + QLatin1Char('\n'));
    return true;
}

// "on" or "off" at words[at]
bool TScriptRunner::Switch(const QStringList& words, qsizetype at, bool& on, QString& error) {
    on = words[at] == QLatin1String("on");
    if (on || words[at] == QLatin1String("off")) return true;
    error = QStringLiteral("\"%1\" is neither on nor off").arg(words[at]);
    return false;
}

bool TScriptRunner::Option(const QStringList& words, QString& error) {
    bool on = false;
    const std::pair<const char*, TClassroom::TOption> options[] = {
        {"bars", TClassroom::coEnergyBars},   {"fit", TClassroom::coFitEnergyAxis},
        {"grid", TClassroom::coGrid},         {"legend", TClassroom::coLegend},
        {"zero", TClassroom::coZeroLevel},    {"time", TClassroom::coFallChart},
        {"patterns", TClassroom::coPatterns}, {"projector", TClassroom::coProjector}};
    QStringList names;
    for (const auto& [name, option] : options) {
        names << QLatin1String(name);
        if (words[1] != QLatin1String(name)) continue;
        if (!Switch(words, 2, on, error)) return false;
        FClassroom->SetOption(option, on);
        return true;
    }
    error = QStringLiteral("there is no option \"%1\" (%2)").arg(words[1], names.join(QStringLiteral(", ")));
    return false;
}

// the size of the script's pictures, 100 % unless asked
bool TScriptRunner::Zoom(const QStringList& words, QString& error) {
    int percent = 0;
    if (!Number(words[1], percent, error)) return false;
    // 400 % covers a 4K projector; more would only make pictures that take long to draw
    if (percent < 25 || percent > 400) {
        error = QStringLiteral("the zoom %1 % lies outside 25 to 400 %").arg(words[1]);
        return false;
    }
    FClassroom->Projection().SetPictureZoom(percent / 100.0);
    return true;
}

bool TScriptRunner::Zero(const QStringList& words, QString& error) {
    int level = 0;
    if (!Number(words[1], level, error)) return false;
    if (level < 0 || level > TSimulation::MostZeroLevel) {
        error = QStringLiteral("the zero level %1 m lies outside the scene (0 to %2 m)")
                    .arg(words[1])
                    .arg(TSimulation::MostZeroLevel);
        return false;
    }
    FClassroom->SetOption(TClassroom::coZeroLevel, true);
    FForm.Simulation().SetZeroLevel(level);
    return true;
}

bool TScriptRunner::PlanetX(const QStringList& words, QString& error) {
    bool ok = false;
    const double g = words[1].toDouble(&ok);
    if (!ok || g < TSimulation::LeastPlanetXAccel || g > TSimulation::MostPlanetXAccel) {
        error = QStringLiteral("\"%1\" is no g for Planet X (0.1 to 50 m/s²)").arg(words[1]);
        return false;
    }
    if (words.size() == 3 && words[2] != QLatin1String("hidden")) {
        error = QStringLiteral("\"%1\" is not \"hidden\"").arg(words[2]);
        return false;
    }
    FClassroom->SetPlanetX(g, words.size() == 3);
    return true;
}

bool TScriptRunner::Export(const QStringList& words, QString& error) {
    const bool csv = words[1] == QLatin1String("csv"), fall = words[1] == QLatin1String("fall");
    if (!WordCount(words, csv || fall ? 3 : 4, csv || fall ? 3 : 4, ExportUsage, error)) return false;
    QString reason;
    TClassroom::TPictureFormat format = TClassroom::pfPng;
    const bool picture = TClassroom::PictureFormatNamed(words[1], format);
    if (csv) {
        if (FClassroom->ExportData(words[2], reason)) return true;
    } else if (fall) {
        if (FClassroom->ExportFall(words[2], reason)) return true;
    } else if (!picture) {
        error = QStringLiteral("\"%1\" is none of csv, fall, png, pdf and svg").arg(words[1]);
        return false;
    } else if (words[2] != QLatin1String("window") && words[2] != QLatin1String("chart")) {
        error = QStringLiteral("there is no picture \"%1\" (window, chart)").arg(words[2]);
        return false;
    } else {
        const auto which = words[2] == QLatin1String("window") ? TClassroom::cpWindow : TClassroom::cpChart;
        if (FClassroom->SavePicture(which, words[3], reason, format)) return true;
    }
    error = QStringLiteral("cannot write \"%1\": %2").arg(words.last(), reason);
    return false;
}

QString TScriptRunner::EnergyLine() const {
    const TEnergyBalance balance = FForm.Simulation().Balance();
    return QString::asprintf("pe=%.6g ke=%.6g total=%.6g speed=%.6g time=%.6g thermal=%.6g",
                             balance.Potential, balance.Kinetic, balance.Total, balance.Speed, balance.Time,
                             balance.Thermal);
}

void TScriptRunner::Write(const QString& text) {
    FOutput.write(text.toUtf8());
}
