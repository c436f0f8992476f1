// Field repaint costs under the offscreen platform: a tick at the defaults and
// at the heaviest settings the form allows, the first repaint after a setting
// change, and a trail-mode repaint. Each on a screen of device pixel ratio 1,
// on a projector's at 1.5 and at 2 (the last argument, in percent). And a tick
// at the defaults in the lecture view, the field enlarged in the view itself.
#include "gasmodel.h"
#include "widget.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {
// The offscreen platform's screens: a laptop's and projectors' at 1.5 and 2
// device pixels per logical pixel (Qt scales by logical over base DPI).
constexpr char screensConfig[] = R"({"screens": [
    {"name": "laptop", "x": 0, "y": 0, "width": 1920, "height": 1080,
     "logicalDpi": 96, "logicalBaseDpi": 96},
    {"name": "projector at 1.5", "x": 1920, "y": 0, "width": 1920, "height": 1080,
     "logicalDpi": 144, "logicalBaseDpi": 96},
    {"name": "projector at 2", "x": 3840, "y": 0, "width": 1920, "height": 1080,
     "logicalDpi": 192, "logicalBaseDpi": 96}]})";

QScreen *screenWithRatio(double ratio)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio)
            return screen;
    }
    return nullptr;
}

struct Field
{
    GasModel model;
    QWidget window;
    Widget widget{&model, &window};
    double ratio;

    bool exposed() const { return window.windowHandle() && window.windowHandle()->isExposed(); }
    bool onItsScreen() const { return widget.devicePixelRatioF() == ratio; }

    Field(int ratioPercent, int side, double atomR, double electronR, int bins, bool showBins,
          int electrons, int viewSide = 400)
        : ratio(ratioPercent / 100.0)
    {
        widget.setViewSide(viewSide);
        widget.setSide(side);
        widget.setAtomR(atomR);
        widget.setElectronR(electronR);
        widget.setSpeed(100);
        widget.setShowBins(showBins);
        widget.setBinsNumber(bins);
        widget.setNumber(electrons); // the model's own sequence: the same electrons at every ratio
        if (QScreen *screen = screenWithRatio(ratio)) {
            window.setScreen(screen);
            window.move(screen->geometry().topLeft());
        }
        // At a fractional ratio the field starts half a device pixel into its
        // window, as it does in the program's own window.
        widget.move(ratio == std::floor(ratio) ? QPoint(0, 0) : QPoint(1, 1));
        window.resize(widget.geometry().bottomRight().x() + 1,
                      widget.geometry().bottomRight().y() + 1);
        window.show();
        // Paints reach the screen only once the window is exposed.
        for (int i = 0; i < 1000 && !exposed(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        widget.repaint();
    }
};

// The figures would be another ratio's if the screen were missing.
bool onItsScreen(benchmark::State &state, const Field &field)
{
    if (!field.onItsScreen())
        state.SkipWithError("no screen of that device pixel ratio");
    return field.onItsScreen();
}

void repaintDefaults(benchmark::State &state)
{
    Field field(state.range(0), 50, 10, 4, 3, false, 500);
    if (!onItsScreen(state, field))
        return;
    for (auto _ : state)
        field.widget.repaint();
}

void tickDefaults(benchmark::State &state)
{
    Field field(state.range(0), 50, 10, 4, 3, false, 500);
    if (!onItsScreen(state, field))
        return;
    for (auto _ : state)
        field.widget.animate();
}

void tickHeaviest(benchmark::State &state)
{
    const double radius = state.range(0);
    Field field(state.range(1), 5, radius, radius, 100, true, 500);
    if (!onItsScreen(state, field))
        return;
    for (auto _ : state)
        field.widget.animate();
}

void repaintAfterSettingChange(benchmark::State &state)
{
    const double radius = state.range(0);
    Field field(state.range(1), 5, radius, radius, 100, true, 500);
    if (!onItsScreen(state, field))
        return;
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        field.widget.setAtomR(flip ? radius - 0.5 : radius);
    }
}

void trailRepaint(benchmark::State &state)
{
    Field field(state.range(1), 50, 10, 4, 3, false, int(state.range(0)));
    if (!onItsScreen(state, field))
        return;
    field.widget.setTrace(true);
    for (auto _ : state)
        field.widget.repaint();
}

// The lecture view on a 1920 x 1080 screen shows the field 1050 pixels a side.
void tickLectureView(benchmark::State &state)
{
    Field field(100, 50, 10, 4, 3, false, 500, int(state.range(0)));
    if (!onItsScreen(state, field))
        return;
    for (auto _ : state)
        field.widget.animate();
}

const std::vector<int64_t> ratiosPercent{100, 150, 200};
} // namespace

BENCHMARK(repaintDefaults)
    ->ArgNames({"ratio%"})
    ->ArgsProduct({ratiosPercent})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(tickDefaults)
    ->ArgNames({"ratio%"})
    ->ArgsProduct({ratiosPercent})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(tickHeaviest)
    ->ArgNames({"radius", "ratio%"})
    ->ArgsProduct({{10, 400}, ratiosPercent})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(repaintAfterSettingChange)
    ->ArgNames({"radius", "ratio%"})
    ->ArgsProduct({{10, 400}, ratiosPercent})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(tickLectureView)->ArgNames({"side"})->Arg(400)->Arg(1050)->Unit(benchmark::kMillisecond);
BENCHMARK(trailRepaint)
    ->ArgNames({"electrons", "ratio%"})
    ->ArgsProduct({{10, 500}, ratiosPercent})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QTemporaryDir configDir;
    QFile config(configDir.filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly) || config.write(screensConfig) < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
