// SPDX-License-Identifier: MIT
// gravilo --script: every command on the real main window, and every kind of line that cannot be
// run. The program runs as a separate process on the offscreen platform.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <vector>

#include "ProgramRun.h"

using namespace e2e;

namespace {

const QString StartLine = QStringLiteral("mass=10.0 height=0.0 energy=0.0 hand=20,520 timer=off items=2");

QByteArray Pixel(int x, int y) {
    return QByteArray::number(x) + ' ' + QByteArray::number(y);
}

// a press on the rope's free end at rest, a drag to the world point (x, y) and a release there
QByteArray DragFromRest(double x, double y) {
    const QPoint from = ScenePixel(20, 520), to = ScenePixel(x, y);
    return "down " + Pixel(from.x(), from.y()) + "\nmove " + Pixel(to.x(), to.y()) + "\nup " +
           Pixel(to.x(), to.y()) + "\n";
}

bool IsBlue(const QImage& image, QPoint p) {
    return (image.pixel(p) & 0xFFFFFF) == 0x0000FF;
}

}  // namespace

TEST(ScriptMode, TheStartStateAndTheControls) {
    TProgramWorld world;
    const TRunResult run = world.RunScript(
        "# the start state\n"
        "print\n"
        "\n"
        "mass 100\n"
        "print\n"
        "mass 0\n"  // the scroll bar's own range applies
        "print\n"
        "   mass    10   \n"
        "body 3\n"
        "print\n"
        "body 0\n"
        "body 0\n"  // a click on the selected body changes nothing
        "print\n");
    ASSERT_TRUE(run.Ended);
    EXPECT_EQ(run.Status, 0) << run.Err.constData();
    EXPECT_EQ(run.OutLines(),
              QStringList({StartLine, "mass=100.0 height=0.0 energy=0.0 hand=20,520 timer=off items=3",
                           "mass=1.0 height=0.0 energy=0.0 hand=20,520 timer=off items=4",
                           "mass=10.0 height=0.0 energy=0.0 hand=20,520 timer=off items=6",
                           "mass=10.0 height=0.0 energy=0.0 hand=20,520 timer=off items=7"}));
}

TEST(ScriptMode, DraggingHangingFallingAndReset) {
    TProgramWorld world;
    const QString hung = world.Path(QStringLiteral("hung.png"));
    const QPoint fromHook = ScenePixel(95, 195), away = ScenePixel(-50, 300);
    const QByteArray script = DragFromRest(95, 190) + "print\nscreenshot " + hung.toUtf8() +
                              "\n"
                              "down " +
                              Pixel(fromHook.x(), fromHook.y()) + "\nmove " + Pixel(away.x(), away.y()) +
                              "\nup " + Pixel(away.x(), away.y()) +
                              "\nprint\ntick\nprint\ntick 0\ntick 100\nprint\n"
                              "body 3\nmass 100\nreset\nprint\n";
    const TRunResult run = world.RunScript(script);
    ASSERT_TRUE(run.Ended);
    ASSERT_EQ(run.Status, 0) << run.Err.constData();
    const QStringList lines = run.OutLines();
    ASSERT_EQ(lines.size(), 5) << run.Out.constData();
    // released within 20 below the hook at 200: the rope hangs at (95, 195), the mass at 305 m
    EXPECT_EQ(lines[0], QStringLiteral("mass=10.0 height=305.0 energy=29.9 hand=95,195 timer=off items=4"));
    // released away from the hooks: the fall starts, the first step drops the mass by 4.905 m
    const QRegularExpression released(QStringLiteral("^mass=10.0 height=(\\d+\\.\\d) .* timer=on items=5$"));
    const QRegularExpressionMatch start = released.match(lines[1]);
    ASSERT_TRUE(start.hasMatch()) << qPrintable(lines[1]);
    const double height = start.captured(1).toDouble();
    EXPECT_NEAR(height, 200, 1);  // 500 - 300, to the pixel
    EXPECT_TRUE(
        lines[2].startsWith(QStringLiteral("mass=10.0 height=%1.0 ").arg(std::nearbyint(height - 4.905))))
        << qPrintable(lines[2]);
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("timer=on items=6")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("mass=10.0 height=0.0 energy=0.0 hand=20,520 timer=off ")))
        << qPrintable(lines[3]);
    // Reset: the chart holds the marks of the start state and no others
    EXPECT_EQ(lines[4], StartLine);

    // the screenshot shows the mass hanging at 305 m, not on the ground
    QImage picture(hung);
    ASSERT_EQ(picture.size(), QSize(718, 642));
    EXPECT_TRUE(IsBlue(picture, SceneOrigin + ScenePixel(0, 305 + 9)));
    EXPECT_FALSE(IsBlue(picture, SceneOrigin + ScenePixel(0, 9)));
}

// The classroom's commands: the energy of a fall on Jupiter from 400 m, paused, stepped and slowed,
// and the trail and the pictures written out.
TEST(ScriptMode, TheClassroomsCommands) {
    TProgramWorld world;
    const QString csv = world.Path(QStringLiteral("trail.csv")), window = world.Path(QStringLiteral("w.png")),
                  chart = world.Path(QStringLiteral("c.png"));
    const TRunResult run = world.RunScript("body 3\n" + DragFromRest(0, 100) +
                                           "energy\ntick\nenergy\npause\ntick 5\nenergy\nstep\nenergy\n"
                                           "resume\nslow on\ntick 3\nenergy\ntick\nenergy\n"
                                           "option bars on\noption fit on\nexport csv " +
                                           csv.toUtf8() + "\nexport png window " + window.toUtf8() +
                                           "\nexport png chart " + chart.toUtf8() + "\nprint\n");
    ASSERT_EQ(run.Status, 0) << run.Err.constData();
    const QStringList lines = run.OutLines();
    ASSERT_EQ(lines.size(), 7) << run.Out.constData();
    const QRegularExpression energy(
        QStringLiteral("^pe=(\\S+) ke=(\\S+) total=(\\S+) speed=(\\S+) time=(\\S+) thermal=0$"));
    std::vector<std::array<double, 5>> values;
    for (const QString& line : lines.mid(0, 6)) {
        const QRegularExpressionMatch match = energy.match(line);
        ASSERT_TRUE(match.hasMatch()) << qPrintable(line);
        values.push_back({match.captured(1).toDouble(), match.captured(2).toDouble(),
                          match.captured(3).toDouble(), match.captured(4).toDouble(),
                          match.captured(5).toDouble()});
    }
    // released: all of it potential energy, nothing moves yet
    EXPECT_NEAR(values[0][0], 10 * 0.001 * 400 * 23.12, 0.3);
    EXPECT_EQ(values[0][1], 0);
    EXPECT_EQ(values[0][4], 0);
    // a step: a second later part of it is kinetic, the sum stays
    EXPECT_GT(values[1][1], 0);
    EXPECT_NEAR(values[1][2], values[0][2], 0.02 * values[0][2]);
    EXPECT_EQ(lines[2], lines[1]);                    // paused, ticks change nothing
    EXPECT_NEAR(values[3][4], std::sqrt(3.0), 1e-5);  // the second step: √(2·3/2) s
    EXPECT_EQ(lines[4], lines[3]);                    // slow motion: three ticks, no step
    EXPECT_GT(values[5][4], values[4][4]);            // the fourth

    // the CSV holds a row per trail mark, the pictures the window with its bars and the chart
    const QRegularExpression items(QStringLiteral("items=(\\d+)$"));
    const int marks = items.match(lines[6]).captured(1).toInt() - 1;
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');
    EXPECT_EQ(rows.first(), QByteArray("body,g,mass_kg,height_m,energy_kJ\r"));
    EXPECT_EQ(rows.size() - 2, marks);  // the header, and nothing after the last line feed
    EXPECT_TRUE(rows[3].startsWith("Jupiter,23.12,10,")) << rows[3].constData();
    EXPECT_EQ(QImage(window).size(), QSize(718 + 328, 642));
    EXPECT_EQ(QImage(chart).size(), QSize(392, 410));

    const TRunResult lost = world.RunScript("export csv /nonexistent-folder/x.csv\n");
    EXPECT_EQ(lost.Status, 2);
    EXPECT_TRUE(lost.Err.startsWith("line 1: cannot write \"/nonexistent-folder/x.csv\": "))
        << lost.Err.constData();
}

// The Planet X lab as a class meets it: g hidden, a zero level at 100 m, the marks of a pull
// exported; the slope of E against h gives g back, and nothing the program shows gives it away.
TEST(ScriptMode, FindingTheHiddenGOfPlanetX) {
    TProgramWorld world;
    const QString csv = world.Path(QStringLiteral("x.csv")), fall = world.Path(QStringLiteral("fall.csv"));
    const QPoint rest = ScenePixel(20, 520);
    QByteArray script = "g 7.3 hidden\nbody 4\nmass 20\nzero 100\ndown " + Pixel(rest.x(), rest.y()) + "\n";
    for (const int height : {400, 300, 200, 150}) {
        const QPoint p = ScenePixel(0, 500 - height);
        script += "move " + Pixel(p.x(), p.y()) + "\n";
    }
    const QPoint last = ScenePixel(0, 500 - 150);
    script += "export csv " + csv.toUtf8() + "\ntexts\naccessible\nprint\noption time on\nup " +
              Pixel(last.x(), last.y()) + "\ntick 30\nexport fall " + fall.toUtf8() + "\n";
    const TRunResult run = world.RunScript(script);
    ASSERT_EQ(run.Status, 0) << run.Err.constData();
    EXPECT_FALSE(run.Out.contains("7.3") || run.Out.contains("7,3")) << run.Out.constData();

    QFile marks(csv);
    ASSERT_TRUE(marks.open(QIODevice::ReadOnly));
    const QByteArray text = marks.readAll();
    EXPECT_FALSE(text.contains("7.3"));
    const QList<QByteArray> rows = text.trimmed().split('\n');
    EXPECT_EQ(rows.first(), QByteArray("body,g,mass_kg,height_m,energy_kJ,zero_m\r"));
    double n = 0, sh = 0, se = 0, shh = 0, she = 0;
    for (const QByteArray& row : rows.mid(1)) {
        const QList<QByteArray> f = row.trimmed().split(',');
        ASSERT_EQ(f.size(), 6) << row.constData();
        if (f[0] != "Planet X") continue;
        EXPECT_EQ(f[1], "?");
        EXPECT_EQ(f[5], "100");
        const double h = f[3].toDouble(), e = f[4].toDouble();
        n += 1, sh += h, se += e, shh += h * h, she += h * e;
    }
    ASSERT_GE(n, 4);
    const double slope = (n * she - sh * se) / (n * shh - sh * sh), at = (se - slope * sh) / n;
    EXPECT_NEAR(slope / (20 * 0.001), 7.3, 0.073);
    EXPECT_NEAR(-at / slope, 100, 1);  // the line crosses zero at the zero level

    // the fall from about 150 m, step by step: the total stays where it started
    QFile record(fall);
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    const QList<QByteArray> samples = record.readAll().trimmed().split('\n');
    EXPECT_EQ(samples.first(), QByteArray("time_s,height_m,speed_m_s,pe_kJ,ke_kJ,thermal_kJ,total_kJ\r"));
    ASSERT_GE(samples.size(), 6);
    const QList<QByteArray> released = samples[1].trimmed().split(',');
    const double total = released.last().toDouble();
    EXPECT_NEAR(total, 20 * 0.001 * 7.3 * (released[1].toDouble() - 100), 0.01 * total);
    for (const QByteArray& sample : samples.mid(2))
        EXPECT_NEAR(sample.trimmed().split(',').last().toDouble(), total, 0.02 * total) << sample.constData();
    EXPECT_EQ(samples.last().split(',')[1], "0");  // it ends on the ground
}

TEST(ScriptMode, AMoveWithoutThePressDoesNotDrag) {
    TProgramWorld world;
    const QPoint p = ScenePixel(0, 300);
    const TRunResult run =
        world.RunScript("move " + Pixel(p.x(), p.y()) + "\nup " + Pixel(p.x(), p.y()) + "\nprint\n");
    ASSERT_EQ(run.Status, 0) << run.Err.constData();
    // a release without the press that grabbed the end lets go of nothing
    EXPECT_EQ(run.OutLines(), QStringList({StartLine}));
}

TEST(ScriptMode, TextsAndScreenshotOfTheStartState) {
    TProgramWorld world;
    const QString script = world.Path(QStringLiteral("start.png"));
    const QString direct = world.Path(QStringLiteral("direct.png"));
    const TRunResult run = world.RunScript("screenshot " + script.toUtf8() + "\ntexts\n");
    ASSERT_EQ(run.Status, 0) << run.Err.constData();
    const QStringList texts = run.OutLines();
    ASSERT_GE(texts.size(), 20);
    EXPECT_EQ(texts.mid(0, 5), QStringList({"Form1.Caption=Potential Energy in a Gravitational Field",
                                            "SButExit.Caption=Exit", "BButAbout.Caption=About",
                                            "BButReset.Caption=Reset", "RGAccel.Caption=Acceleration"}));
    EXPECT_EQ(texts.mid(5, 4), QStringList({"RGAccel.Items[0]=Earth", "RGAccel.Items[1]=Moon",
                                            "RGAccel.Items[2]=Mars", "RGAccel.Items[3]=Jupiter"}));
    EXPECT_EQ(texts.mid(9, 10), QStringList({"NLblMasse.LeftText=Mass", "NLblMasse.RightText=[kg]",
                                             "NLblHeight.LeftText=Height", "NLblHeight.RightText=[m]",
                                             "NLblEnergie.LeftText=Energy", "NLblEnergie.RightText=[kJ]",
                                             "PLEnerg.Caption=Energy / Height", "PLPict.Scale1Y.Caption=[m]",
                                             "PLEnerg.Scale1X.Caption=[m]", "PLEnerg.Scale1Y.Caption=[kJ]"}));
    EXPECT_TRUE(texts[19].startsWith(QStringLiteral("MMExplain.Lines[0]=Pull the rope")));
    EXPECT_TRUE(texts.last().startsWith(QStringLiteral("MMExplain.Lines[%1]=").arg(texts.size() - 20)));

    // --screenshot makes the same picture
    const TRunResult shot = world.RunGravilo({QStringLiteral("--screenshot"), direct});
    ASSERT_EQ(shot.Status, 0) << shot.Err.constData();
    const QImage a(script), b(direct);
    ASSERT_EQ(a.size(), QSize(718, 642));
    EXPECT_EQ(a.convertToFormat(QImage::Format_RGB32), b.convertToFormat(QImage::Format_RGB32));
}

TEST(ScriptMode, AScriptFileAndLineNumbersThatCountEveryLine) {
    TProgramWorld world;
    const QString file =
        world.WriteFile(QStringLiteral("scene.txt"), "# a scene\n\nprint\n\t\n  # indented\nfly\nprint\n");
    const TRunResult run = world.RunGravilo({QStringLiteral("--script"), file});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.OutLines(), QStringList({StartLine}));
    EXPECT_EQ(run.Err, QByteArray("line 6: unknown command \"fly\"\n"));

    const TRunResult missing =
        world.RunGravilo({QStringLiteral("--script"), world.Path(QStringLiteral("none.txt"))});
    EXPECT_EQ(missing.Status, 2);
    EXPECT_TRUE(missing.Out.isEmpty());
    EXPECT_TRUE(missing.Err.startsWith("gravilo: cannot read the script ")) << missing.Err.constData();
}

TEST(ScriptMode, ALineThatCannotBeRunEndsTheScript) {
    struct TCase {
        const char* Line;
        const char* Reason;
    };
    const TCase cases[] = {
        {"jump", "unknown command \"jump\""},
        {"Print", "unknown command \"Print\""},
        {"mass", "wrong number of words, expected \"mass N\""},
        {"mass 1 2", "wrong number of words, expected \"mass N\""},
        {"body", "wrong number of words, expected \"body N\""},
        {"down 1", "wrong number of words, expected \"down X Y\""},
        {"move 1 2 3", "wrong number of words, expected \"move X Y\""},
        {"up", "wrong number of words, expected \"up X Y\""},
        {"tick 1 2", "wrong number of words, expected \"tick [N]\""},
        {"reset now", "wrong number of words, expected \"reset\""},
        {"print all", "wrong number of words, expected \"print\""},
        {"texts de", "wrong number of words, expected \"texts\""},
        {"screenshot", "wrong number of words, expected \"screenshot FILE\""},
        {"screenshot a b", "wrong number of words, expected \"screenshot FILE\""},
        {"mass ten", "\"ten\" is not a whole number"},
        {"mass 1.5", "\"1.5\" is not a whole number"},
        {"mass 99999999999", "\"99999999999\" is too large"},
        {"tick -99999999999", "\"-99999999999\" is too large"},
        {"body 0x1", "\"0x1\" is not a whole number"},
        {"down 10 y", "\"y\" is not a whole number"},
        {"up 1e2 3", "\"1e2\" is not a whole number"},
        {"tick many", "\"many\" is not a whole number"},
        {"tick -1", "\"-1\" is not a number of ticks"},
        {"body 4", "there is no body 4 (0 Earth, 1 Moon, 2 Mars, 3 Jupiter, 4 Planet X once g has set it)"},
        {"body -1", "there is no body -1 (0 Earth, 1 Moon, 2 Mars, 3 Jupiter, 4 Planet X once g has set it)"},
        {"g 60", "\"60\" is no g for Planet X (0.1 to 50 m/s²)"},
        {"zero 600", "the zero level 600 m lies outside the scene (0 to 500 m)"},
        {"screenshot /nonexistent-folder/x.png",
         "cannot write \"/nonexistent-folder/x.png\": No such file or directory"},
        {"pause now", "wrong number of words, expected \"pause\""},
        {"slow", "wrong number of words, expected \"slow on|off\""},
        {"slow yes", "\"yes\" is neither on nor off"},
        {"option grid",
         "wrong number of words, expected \"option bars|fit|grid|legend|zero|time|patterns|projector "
         "on|off\""},
        {"option colours on",
         "there is no option \"colours\" (bars, fit, grid, legend, zero, time, patterns, projector)"},
        {"export png chart",
         "wrong number of words, expected \"export csv FILE\", \"export fall FILE\", \"export png "
         "window|chart FILE\" or \"export pdf|svg chart FILE\""},
        {"export gif chart x.gif", "\"gif\" is none of csv, fall, png, pdf and svg"},
        {"export pdf window x.pdf", "cannot write \"x.pdf\": the window is written as a PNG picture only"},
        {"export png scene x.png", "there is no picture \"scene\" (window, chart)"},
    };
    TProgramWorld world;
    for (const TCase& c : cases) {
        // the line before runs, the line after does not
        const TRunResult run = world.RunScript(QByteArray("print\n") + c.Line + "\nmass 50\nprint\n");
        SCOPED_TRACE(c.Line);
        ASSERT_TRUE(run.Ended);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.OutLines(), QStringList({StartLine}));
        EXPECT_EQ(run.Err, QByteArray("line 2: ") + c.Reason + "\n");
    }
}

// Every byte of a piped script counts, as in a file: a NUL byte is part of its line.
TEST(ScriptMode, APipedScriptIsReadByteForByteAsAFileIs) {
    TProgramWorld world;
    const QByteArray script = QByteArray("mass 5\n") + '\0' + "mass 7\nprint\n";
    const QString file = world.WriteFile(QStringLiteral("nul.txt"), script);
    const TRunResult piped = world.RunScript(script);
    const TRunResult fromFile = world.RunGravilo({QStringLiteral("--script"), file});
    for (const TRunResult* run : {&piped, &fromFile}) {
        EXPECT_EQ(run->Status, 2);
        EXPECT_TRUE(run->Out.isEmpty());
        EXPECT_EQ(run->Err, QByteArray("line 2: unknown command \"") + '\0' + "mass\"\n");
    }
    // a line longer than any command stops the script, whatever is piped after it
    // a NUL byte in a file's name: the line is refused, no file by the name before it is written
    const QByteArray cut = world.Path(QStringLiteral("a")).toUtf8();
    for (const QByteArray& command : {QByteArray("export csv "), QByteArray("screenshot ")}) {
        const TRunResult named = world.RunScript(command + cut + '\0' + "b\n");
        EXPECT_EQ(named.Status, 2);
        EXPECT_EQ(named.Err, "line 1: cannot write \"" + cut + '\0' + "b\": the name holds a NUL byte\n");
        EXPECT_FALSE(QFile::exists(QString::fromUtf8(cut)));
    }
    const TRunResult endless = world.RunScript("print\n" + QByteArray(70000, 'x') + "\nprint\n");
    EXPECT_EQ(endless.Status, 2);
    EXPECT_EQ(endless.OutLines(), QStringList({StartLine}));
    EXPECT_EQ(endless.Err, QByteArray("line 2: the line is longer than 65536 bytes\n"));
}
