// A step of the velocity scroll bar in the real main window, offscreen, end to
// end: the scroll bar's action through the window's own connection to
// velocityChanged (label, redraw of the sample from nothing), then the repaint
// of the picture. That repaint paints everything left dirty in the window, so
// the label and the scroll bar's moved thumb are painted in it too: the whole
// frame. The counters show it.

#include "bench_gui_main.h"
#include "canvas_picture.h"
#include "choicebox.h"
#include "paint_counter.h"
#include "printer.h"
#include "main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_ScrollStep(benchmark::State &state)
{
    gridora::TPrinter printer; // no printer: nothing here prints
    gridora::app::MainWindow window(printer);
    window.show();
    QCoreApplication::processEvents();
    // "Spacetime", chosen as the user chooses it.
    window.kindBox->setCurrentIndex(3);
    window.kindChanged();
    QCoreApplication::processEvents();
    if (!window.velocityBar->isVisible()) {
        state.SkipWithError("the velocity scroll bar is not shown");
        return;
    }

    PaintCounter pictureCounter, labelCounter, barCounter;
    window.samplePicture->installEventFilter(&pictureCounter);
    window.velocityLabel->installEventFilter(&labelCounter);
    window.velocityBar->installEventFilter(&barCounter);

    bool up = true;
    long long steps = 0;
    for (auto _ : state) {
        // Bounce between 0.00 c and 0.90 c one step at a time, as a drag does.
        if (window.velocityBar->value() == window.velocityBar->maximum())
            up = false;
        else if (window.velocityBar->value() == window.velocityBar->minimum())
            up = true;
        window.velocityBar->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd
                                             : QAbstractSlider::SliderSingleStepSub);
        window.samplePicture->repaint();
        ++steps;
    }
    // Every step must have run the handler and painted the new picture.
    if (pictureCounter.paints < steps)
        state.SkipWithError("a step did not repaint the picture");
    const double perStep = 1.0 / double(std::max(steps, 1LL));
    state.counters["picture paints"] = pictureCounter.paints * perStep;
    state.counters["label paints"] = labelCounter.paints * perStep;
    state.counters["scroll bar paints"] = barCounter.paints * perStep;
}
BENCHMARK(BM_ScrollStep)->Name("window/scroll step")->Unit(benchmark::kMicrosecond)->Apply(spread);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
