// SPDX-License-Identifier: MIT
// A chart to try the mouse on: a sine curve with marks on layer 1 and a row of bars on layer 2
// (its x axis joined to layer 1), two cross-hairs and three text labels. The radio group on the
// right switches the mouse action: pan, zoom, drag a cross-hair or a label. The arrow keys pan too.
//
//   chart_mouse [--action maPan] [--size 900x520] [--shot prefix] [--trace]
//
// --action  the mouse action at start (a TMouseActMode name)
// --size    the window's size in pixels
// --shot    SIGUSR1 or F12 saves the window to <prefix>-<n>.png and prints "shot <path>"
// --trace   prints the window layout once shown ("ready", "rect ...") and every mouse movement,
//           zoom and pan, so that a script driving the mouse can follow

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaEnum>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <csignal>
#include <cstdio>

#include "TPlotica.h"
#include "TTextLabel.h"

namespace {

volatile std::sig_atomic_t GShotRequested = 0;
extern "C" void OnShotSignal(int) {
    GShotRequested = 1;
}

void Say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

struct TModeItem {
    TMouseActMode Mode;
    const char* Text;
};
constexpr std::array<TModeItem, 9> Modes{{{maNone, "none (events only)"},
                                          {maPan, "pan"},
                                          {maPanHoriz, "pan horizontally"},
                                          {maPanVert, "pan vertically"},
                                          {maZoomWind, "zoom window"},
                                          {maZoomWindPos, "zoom window, axes kept"},
                                          {maZoomDrag, "zoom by dragging"},
                                          {maDragCrossH, "drag a cross-hair"},
                                          {maDragLabel, "drag a label"}}};

QString ModeName(TMouseActMode m) {
    return QString::fromLatin1(QMetaEnum::fromType<TMouseActMode>().valueToKey(m));
}

// The mouse actions as a framed column of radio buttons, one checked at a time, the button of
// Modes[i] under id i; the buttons share the height under the caption in equal rows.
class TModeBox : public QGroupBox {
public:
    explicit TModeBox(QWidget* parent) : QGroupBox(QStringLiteral("Mouse action"), parent) {
        FButtons = new QButtonGroup(this);
        for (int i = 0; i < int(Modes.size()); ++i)
            FButtons->addButton(new QRadioButton(QString::fromLatin1(Modes[i].Text), this), i);
        setMinimumSize(190, 30 + 22 * int(Modes.size()));
    }

    QButtonGroup* Buttons() const { return FButtons; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QGroupBox::resizeEvent(event);
        const int top = fontMetrics().height() + 2;
        const int rowHeight = std::max(1, (height() - top - 4) / int(Modes.size()));
        for (int i = 0; i < int(Modes.size()); ++i) {
            QAbstractButton* b = FButtons->button(i);
            const int buttonHeight = std::min(rowHeight, b->sizeHint().height());
            b->setGeometry(8, top + i * rowHeight + (rowHeight - buttonHeight) / 2, std::max(1, width() - 16),
                           buttonHeight);
        }
    }

private:
    QButtonGroup* FButtons;
};

class TMouseWindow : public QWidget {
public:
    TMouseWindow(TMouseActMode mode, const QString& shotPrefix, bool trace)
        : FShotPrefix(shotPrefix), FTrace(trace) {
        setWindowTitle(QStringLiteral("Chart mouse"));
        auto* row = new QHBoxLayout(this);
        FChart = new TPlotica(this);
        row->addWidget(FChart, 1);
        auto* side = new QVBoxLayout;
        row->addLayout(side);
        auto* modeBox = new TModeBox(this);
        FModes = modeBox->Buttons();
        side->addWidget(modeBox);
        FFixed = new QCheckBox(QStringLiteral("fixed cursor"), this);
        side->addWidget(FFixed);
        auto* reset = new QPushButton(QStringLiteral("Reset ranges"), this);
        side->addWidget(reset);
        FPointer = new QLabel(this);
        FPointer->setMinimumWidth(190);
        side->addWidget(FPointer);
        FEvents = new QLabel(this);
        side->addWidget(FEvents);
        side->addStretch(1);

        BuildChart();
        for (int i = 0; i < int(Modes.size()); ++i)
            if (Modes[i].Mode == mode) FModes->button(i)->setChecked(true);
        FChart->SetMouseAction(mode);
        connect(FModes, &QButtonGroup::idToggled, this, [this](int i, bool checked) {
            if (!checked) return;
            FChart->SetMouseAction(Modes[i].Mode);
            if (FTrace) Say("action " + ModeName(Modes[i].Mode));
        });
        connect(FFixed, &QCheckBox::toggled, this, [this](bool on) { FChart->SetMouseCursorFixed(on); });
        connect(reset, &QPushButton::clicked, this, [this] { ResetRanges(); });
        ConnectEvents();

        auto* shots = new QTimer(this);
        connect(shots, &QTimer::timeout, this, [this] {
            if (GShotRequested) {
                GShotRequested = 0;
                Shoot();
            }
            if (FTrace && !FReady && windowHandle() && windowHandle()->isExposed()) {
                FReady = true;
                PrintLayout();
            }
        });
        shots->start(20);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_F12) {
            Shoot();
            return;
        }
        QWidget::keyPressEvent(e);
    }

private:
    void BuildChart() {
        FChart->SetStandardLayout(pll_X1Bottom_Y2Both);
        FChart->SetCaption(QStringLiteral("sine on layer 1, bars on layer 2"));
        FChart->SetGridStyle(gsDotLines);
        FChart->SetGridColor(clSilver);
        FChart->SetMouseCursorFixed(false);
        FChart->SetMouseLayers(0b11);
        FChart->setFocusPolicy(Qt::StrongFocus);
        FChart->Scale1X()->SetCaption(QStringLiteral("t [s]"));
        FChart->Scale1Y()->SetCaption(QStringLiteral("sin t"));
        FChart->Scale2Y()->SetCaption(QStringLiteral("bars"));
        FChart->Scale2Y()->SetVisible(true);
        FChart->JointLayers()->SetL02x(1);
        ResetRanges();

        // layer 2: 100 bars under everything else
        FChart->SetCurrentLayer(2);
        FChart->SetFillColor(0xF0D8C0);
        FChart->SetDataColor(0xC09060);
        for (int k = 0; k < 100; ++k) {
            const double x = 0.1 * k;
            FChart->AddRectangle(x + 0.02, 0, x + 0.08, 50 + 40 * std::sin(0.37 * k) * std::cos(0.11 * k));
        }
        // layer 1: a sine curve of 300 pieces and a mark on every fifteenth point
        FChart->SetCurrentLayer(1);
        FChart->SetDataColor(clNavy);
        FChart->SetLineWidth(2);
        FChart->MoveTo(0, 0);
        for (int k = 1; k <= 300; ++k) FChart->LineTo(k / 30.0, std::sin(k / 30.0));
        FChart->SetLineWidth(1);
        FChart->SetDataColor(clRed);
        for (int k = 0; k <= 300; k += 15) FChart->AddMark(k / 30.0, std::sin(k / 30.0), 3);

        TCrossHair* ch1 = FChart->CrossHair(1);
        ch1->SetColor(clGreen);
        ch1->SetPosX(5);
        ch1->SetPosY(-0.5);
        ch1->SetMode(chBoth);
        TCrossHair* ch2 = FChart->CrossHair(2);
        ch2->SetColor(clPurple);
        ch2->SetLineType(psDash);
        ch2->SetPosY(75);
        ch2->SetMode(chHoriz);

        auto label = [this](int n, const char* text, TTxtLblAttachMode attach, int layer, double x,
                            double y) {
            TTextLabel* tl = FChart->TextLabel(n);
            tl->SetCaption(QString::fromLatin1(text));
            tl->SetLayer(layer);
            tl->SetAttachToData(attach);
            tl->SetPosX(x);
            tl->SetPosY(y);
            tl->SetVisible(true);
        };
        label(1, "peak", tlamBoth, 1, M_PI / 2, 1);
        label(2, "fixed on screen", tlamNone, 1, 150, 60);
        label(3, "bar level 75", tlamXOnly, 2, 8, 90);
        FChart->TextLabel(2)->SetMode(tlShadow);
        FChart->ShowItems();
    }

    void ResetRanges() {
        FChart->SetLayerRanges(1, 0, 10, -1.5, 1.5);
        FChart->SetLayerRanges(2, 0, 10, 0, 100);
    }

    QString RangesText() const {
        auto axis = [this](int layer, bool x) {
            const TScaleProps* p = x ? static_cast<TScaleProps*>(FChart->ScalePropsX(layer))
                                     : static_cast<TScaleProps*>(FChart->ScalePropsY(layer));
            return QString("%1..%2").arg(p->RangeLow(), 0, 'g', 17).arg(p->RangeHigh(), 0, 'g', 17);
        };
        return QString("x1 %1 y1 %2 y2 %3").arg(axis(1, true), axis(1, false), axis(2, false));
    }

    void ConnectEvents() {
        FChart->OnMouseMoveInChart = [this](QObject*, bool in, TShiftState s, double x, double y) {
            FPointer->setText(QString("%1\nx = %2\ny = %3")
                                  .arg(in ? "in the chart" : "outside")
                                  .arg(x, 0, 'g', 5)
                                  .arg(y, 0, 'g', 5));
            Q_UNUSED(s);
        };
        FChart->OnMouseMove = [this](QObject*, TShiftState s, int x, int y) {
            if (FTrace) Say(QString("move %1 %2 %3").arg(x).arg(y).arg(s));
        };
        FChart->OnMouseDown = [this](QObject*, TMouseButton b, TShiftState, int x, int y) {
            if (FTrace) Say(QString("down %1 %2 %3").arg(int(b)).arg(x).arg(y));
        };
        FChart->OnMouseUp = [this](QObject*, TMouseButton b, TShiftState, int x, int y) {
            if (FTrace) Say(QString("up %1 %2 %3").arg(int(b)).arg(x).arg(y));
        };
        FChart->OnZoomPan = [this](QObject*) {
            FEvents->setText(QStringLiteral("zoomed or panned"));
            if (FTrace) Say("zoompan " + RangesText());
        };
        FChart->OnCrossHairMove = [this](QObject*, TCrossHair* ch) {
            FEvents->setText(
                QString("cross-hair at %1, %2").arg(ch->PosX(), 0, 'g', 4).arg(ch->PosY(), 0, 'g', 4));
        };
        FChart->OnTextLabelMove = [this](QObject*, TTextLabel* tl) {
            FEvents->setText(QString("label \"%1\" moved").arg(tl->Caption()));
        };
        // the arrow keys pan by a tenth of the ranges
        FChart->OnKeyDown = [this](QObject*, int& key, TShiftState) {
            double dx = 0, dy = 0;
            switch (key) {
                case Qt::Key_Left:
                    dx = -0.1;
                    break;
                case Qt::Key_Right:
                    dx = 0.1;
                    break;
                case Qt::Key_Up:
                    dy = 0.1;
                    break;
                case Qt::Key_Down:
                    dy = -0.1;
                    break;
                default:
                    return;
            }
            for (int n : {1, 2}) {
                const double xl = FChart->ScalePropsX(n)->RangeLow(),
                             xh = FChart->ScalePropsX(n)->RangeHigh();
                const double yl = FChart->ScalePropsY(n)->RangeLow(),
                             yh = FChart->ScalePropsY(n)->RangeHigh();
                FChart->SetLayerRanges(n, xl + dx * (xh - xl), xh + dx * (xh - xl), yl + dy * (yh - yl),
                                       yh + dy * (yh - yl));
            }
            key = 0;
        };
    }

    // the layout in window pixels, for a script that drives the mouse
    void PrintLayout() {
        const QPoint c = FChart->mapTo(this, QPoint(0, 0));
        Say(QString("rect chart %1 %2 %3 %4")
                .arg(c.x())
                .arg(c.y())
                .arg(FChart->width())
                .arg(FChart->height()));
        Say(QString("rect data %1 %2 %3 %4")
                .arg(c.x() + FChart->MarginLeft())
                .arg(c.y() + FChart->MarginTop())
                .arg(FChart->DataAreaWidth())
                .arg(FChart->DataAreaHeight()));
        for (int i = 0; i < int(Modes.size()); ++i) {
            const QAbstractButton* b = FModes->button(i);
            const QPoint p = b->mapTo(this, QPoint(0, 0));
            Say(QString("rect %1 %2 %3 %4 %5")
                    .arg(ModeName(Modes[i].Mode))
                    .arg(p.x())
                    .arg(p.y())
                    .arg(b->width())
                    .arg(b->height()));
        }
        Say("ranges " + RangesText());
        Say(QString("ready %1").arg(winId()));
    }

    void Shoot() {
        const QString path = QString("%1-%2.png").arg(FShotPrefix).arg(++FShots);
        QImageWriter writer(path);
        if (writer.write(grab().toImage()))
            Say("shot " + path);
        else
            Say("cannot write " + path + ": " + writer.errorString());
    }

    TPlotica* FChart;
    QButtonGroup* FModes;
    QCheckBox* FFixed;
    QLabel* FPointer;
    QLabel* FEvents;
    QString FShotPrefix;
    bool FTrace;
    bool FReady = false;
    int FShots = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser cl;
    cl.setApplicationDescription(QStringLiteral("Try the chart's mouse actions."));
    cl.addHelpOption();
    cl.addOption({QStringLiteral("action"), QStringLiteral("mouse action at start"), QStringLiteral("name"),
                  QStringLiteral("maPan")});
    cl.addOption({QStringLiteral("size"), QStringLiteral("window size"), QStringLiteral("WxH"),
                  QStringLiteral("900x520")});
    cl.addOption({QStringLiteral("shot"), QStringLiteral("prefix of screenshot files"),
                  QStringLiteral("prefix"), QStringLiteral("chart_mouse")});
    cl.addOption({QStringLiteral("trace"), QStringLiteral("print the layout and the mouse events")});
    cl.process(app);

    bool ok = false;
    const int action = QMetaEnum::fromType<TMouseActMode>().keyToValue(
        cl.value(QStringLiteral("action")).toLatin1().constData(), &ok);
    if (!ok) {
        std::fprintf(stderr, "unknown mouse action: %s\n", qPrintable(cl.value(QStringLiteral("action"))));
        return 2;
    }
    const QStringList size = cl.value(QStringLiteral("size")).split(u'x');
    const int w = size.value(0).toInt(), h = size.value(1).toInt();
    if (size.size() != 2 || w < 300 || h < 200) {
        std::fprintf(stderr, "size must be WxH, at least 300x200\n");
        return 2;
    }
    std::signal(SIGUSR1, OnShotSignal);

    TMouseWindow window(TMouseActMode(action), cl.value(QStringLiteral("shot")),
                        cl.isSet(QStringLiteral("trace")));
    window.resize(w, h);
    window.show();
    return app.exec();
}
