// Field repaint costs under the offscreen platform: a tick at the defaults and
// at the heaviest settings the form allows, the first repaint after a setting
// change, and a trail-mode repaint.
#include "gasmodel.h"
#include "widget.h"

#include <QApplication>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <memory>

namespace {
struct Field
{
    GasModel model;
    Widget widget{&model};

    bool exposed() const { return widget.windowHandle() && widget.windowHandle()->isExposed(); }

    Field(int side, double atomR, double electronR, int bins, bool showBins, int electrons)
    {
        widget.setSide(side);
        widget.setAtomR(atomR);
        widget.setElectronR(electronR);
        widget.setSpeed(100);
        widget.setShowBins(showBins);
        widget.setBinsNumber(bins);
        widget.setNumber(electrons);
        widget.show();
        // Paints reach the screen only once the window is exposed.
        for (int i = 0; i < 1000 && !exposed(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        widget.repaint();
    }
};

void repaintDefaults(benchmark::State &state)
{
    Field field(50, 10, 4, 3, false, 500);
    for (auto _ : state)
        field.widget.repaint();
}

void tickDefaults(benchmark::State &state)
{
    Field field(50, 10, 4, 3, false, 500);
    for (auto _ : state)
        field.widget.animate();
}

void tickHeaviest(benchmark::State &state)
{
    Field field(5, state.range(0), state.range(0), 100, true, 500);
    for (auto _ : state)
        field.widget.animate();
}

void repaintAfterSettingChange(benchmark::State &state)
{
    const double radius = state.range(0);
    Field field(5, radius, radius, 100, true, 500);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        field.widget.setAtomR(flip ? radius - 0.5 : radius);
    }
}

void trailRepaint(benchmark::State &state)
{
    Field field(50, 10, 4, 3, false, int(state.range(0)));
    field.widget.setTrace(true);
    for (auto _ : state)
        field.widget.repaint();
}
} // namespace

BENCHMARK(repaintDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(tickDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(tickHeaviest)->Arg(10)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(repaintAfterSettingChange)->Arg(10)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(trailRepaint)->Arg(10)->Arg(500)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
