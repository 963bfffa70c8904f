// SPDX-License-Identifier: MIT
// One drag step of the main window: the mouse moves over the scene with the left button held, the
// window's handler runs UpdateDisplay, and the window is brought to the (offscreen) screen, both
// charts and the labels painted. Measured with an empty trail of energy marks and with a trail of
// a million: the cost of a step must not follow the length of the trail. The same with the
// classroom's tools on the window and every option of the energy chart on (energy bars, fitted
// axis, grid, legend): they must not make it follow the trail either.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>

#include "Classroom.h"
#include "ugravilo.h"

namespace {

class TDraggedWindow {
public:
    TDraggedWindow(int trail, bool classroom) {
        // endpoints and settings of its own, beside any Gravilo that runs
        qputenv("GRAVILO_ENDPOINT_DIR", QFile::encodeName(FFolder.filePath(QStringLiteral("endpoints"))));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(FFolder.filePath(QStringLiteral("config"))));
        FForm = std::make_unique<TForm1>([](TqmrDemonClient& link) { link.SetMultiStart(true); });
        if (classroom) {
            FClassroom = std::make_unique<TClassroom>(*FForm);
            for (auto option : {TClassroom::coEnergyBars, TClassroom::coFitEnergyAxis, TClassroom::coGrid,
                                TClassroom::coLegend})
                FClassroom->SetOption(option, true);
        }
        FForm->show();  // the start state
        QCoreApplication::processEvents();
        // the trail that as many earlier states left: marks along the line E = m g h of the body
        TPlotica& energy = *FForm->PLEnerg;
        energy.RemoveLastItem();
        for (int i = 0; i < trail; ++i) {
            const double h = (i * 7919 % 6200) / 10.0 - 120;
            energy.AddMark(h, 10 * 0.001 * h * 9.81, 1);
        }
        energy.AddMark(0, 0, 12);
        energy.ShowItems();
        FItemsAtStart = energy.ItemCount();
        // the press takes the rope's free end, where it rests
        Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, FForm->HandPixel());
        QCoreApplication::processEvents();
    }
    ~TDraggedWindow() {
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(150, 200));
        FClassroom.reset();
        FForm.reset();
    }

    void Step() {
        // up and down the scene's data area, a new height every step
        const int y = 40 + FSteps % 300;
        ++FSteps;
        Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(150, y));
        QCoreApplication::processEvents();
    }
    // every step left one trail mark more
    bool AllStepsDrawn() const { return FForm->PLEnerg->ItemCount() == FItemsAtStart + FSteps; }

private:
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at) {
        TPlotica* scene = FForm->PLPict;
        QMouseEvent event(type, at, scene->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(scene, &event);
    }

    QTemporaryDir FFolder;
    std::unique_ptr<TForm1> FForm;
    std::unique_ptr<TClassroom> FClassroom;
    int FItemsAtStart = 0;
    int FSteps = 0;
};

void Drag(benchmark::State& state, bool classroom) {
    TDraggedWindow window(int(state.range(0)), classroom);
    for (auto _ : state) window.Step();
    if (!window.AllStepsDrawn()) state.SkipWithError("a drag step did not reach the window's handler");
}

void DragStep(benchmark::State& state) {
    Drag(state, false);
}
BENCHMARK(DragStep)->Arg(0)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

void DragStepInClass(benchmark::State& state) {
    Drag(state, true);
}
BENCHMARK(DragStepInClass)->Arg(0)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace
