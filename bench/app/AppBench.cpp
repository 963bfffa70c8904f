// One drag step of the main window: the mouse moves over the scene with the left button held, the
// window's handler runs UpdateDisplay, and the window is brought to the (offscreen) screen, both
// charts and the labels painted. Measured with an empty trail of energy marks and with a trail of
// a million: the cost of a step must not follow the length of the trail.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>

#include "ugravilo.h"

namespace {

class TDraggedWindow {
public:
    explicit TDraggedWindow(int trail) {
        // endpoints and settings of its own, beside any Gravilo that runs
        qputenv("GRAVILO_ENDPOINT_DIR", QFile::encodeName(FFolder.filePath(QStringLiteral("endpoints"))));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(FFolder.filePath(QStringLiteral("config"))));
        FForm = std::make_unique<TForm1>([](TqmrDemonClient& link) { link.SetMultiStart(true); });
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
        Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(150, 200));
        QCoreApplication::processEvents();
    }
    ~TDraggedWindow() {
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(150, 200));
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
    int FItemsAtStart = 0;
    int FSteps = 0;
};

void DragStep(benchmark::State& state) {
    TDraggedWindow window(int(state.range(0)));
    for (auto _ : state) window.Step();
    if (!window.AllStepsDrawn()) state.SkipWithError("a drag step did not reach the window's handler");
}
BENCHMARK(DragStep)->Arg(0)->Arg(1000000)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace
