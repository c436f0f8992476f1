// Plot costs under the offscreen platform once the model has recorded all the
// samples it ever keeps: a replot in each mode, the read-out's measurement, and a
// whole tick (the field's step and repaint, then the replot) at the defaults with
// 500 electrons.
#include "readout.h"
#include "widget.h"
#include "window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QSpinBox>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <cstdio>
#include <memory>

namespace {
// One window for all benchmarks: filling the series takes a while.
struct FullWindow
{
    Window window;
    Widget *field = window.findChild<Widget *>();

    FullWindow()
    {
        window.findChild<QSpinBox *>("numberBox")->setValue(500);
        // At the top speed every step records a sample.
        auto *speedBox = window.findChild<QDoubleSpinBox *>("speedBox");
        speedBox->setValue(1000);
        QElapsedTimer clock;
        clock.start();
        // Hidden, the field skips its repaints, so this is the model alone.
        while (window.gasModel().timeData().size() < GasModel::maxSamples)
            field->animate();
        std::fprintf(stderr, "filled %d samples in %lld ms\n", GasModel::maxSamples,
                     static_cast<long long>(clock.elapsed()));
        speedBox->setValue(100);

        // The program shows the window full-screen: a 1280 x 800 screen here.
        window.resize(1280, 800);
        window.show();
        for (int i = 0; i < 1000 && !exposed(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!exposed())
            std::fprintf(stderr, "the window was never exposed: repaints are skipped\n");
        const QSize plotSize = window.findChild<QCustomPlot *>()->size();
        std::fprintf(stderr, "plot of %d x %d pixels\n", plotSize.width(), plotSize.height());
    }

    bool exposed() const { return window.windowHandle() && window.windowHandle()->isExposed(); }

    void selectMode(const char *button)
    {
        window.findChild<QRadioButton *>(button)->setChecked(true);
        window.replot();
    }
};

FullWindow *full = nullptr;

void replotMode(benchmark::State &state, const char *button)
{
    full->selectMode(button);
    for (auto _ : state)
        full->window.replot();
}

// Each quantity's plot, by the buttons in the order of the quantities.
void replotQuantity(benchmark::State &state)
{
    const char *buttons[] = {"plotProbabilityButton", "plotPressureButton", "plotDensityButton",
                             "plotMeanFreePathButton"};
    replotMode(state, buttons[state.range(0)]);
}

// For comparison: the same picture from a rebuild that leaves the plot to
// sort the points it is given.
void plainRebuildProbability(benchmark::State &state)
{
    auto *plot = full->window.findChild<QCustomPlot *>();
    const GasModel &model = full->window.gasModel();
    for (auto _ : state) {
        plot->clearGraphs();
        const QVector<double> x = model.timeData();
        const QVector<double> y = model.probabilityData();
        plot->yAxis->setLabel(QStringLiteral("probability"));
        plot->xAxis->setLabel(QStringLiteral("T"));
        plot->addGraph(plot->xAxis, plot->yAxis);
        plot->graph(0)->setData(x, y);
        plot->xAxis->setRange(x.first(), x.last());
        plot->yAxis->setRange(0, 1);
        plot->replot();
    }
}

// The read-out's own work on every tick, past the sample cap: the measured values with their
// errors from the electrons' spread, rounded and written out for each quantity.
void readout(benchmark::State &state)
{
    const GasModel &model = full->window.gasModel();
    for (auto _ : state) {
        for (const QuantityDefinition &quantity : quantityTable()) {
            const Measurement m = quantity.measured(model, 1);
            const RoundedMeasurement rounded = roundedMeasurement(m.value, m.standardError);
            benchmark::DoNotOptimize(rounded.value.size() + rounded.error.size());
            benchmark::DoNotOptimize(distanceInErrors(m.value, 0.3, m.standardError).size());
        }
    }
}

// What the timer's timeout runs, in its order; with the expected value's line
// when the second argument is 1.
void tickDefaults(benchmark::State &state)
{
    full->window.findChild<QCheckBox *>("expectedCheckBox")->setChecked(state.range(1) == 1);
    full->selectMode(state.range(0) == 0 ? "plotProbabilityButton" : "plotPressureButton");
    for (auto _ : state) {
        full->field->animate();
        full->window.replot();
    }
    full->window.findChild<QCheckBox *>("expectedCheckBox")->setChecked(false);
}
} // namespace

BENCHMARK(replotQuantity)->ArgName("quantity")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(plainRebuildProbability)->Unit(benchmark::kMillisecond);
BENCHMARK(readout)->Unit(benchmark::kMicrosecond);
BENCHMARK(tickDefaults)
    ->ArgNames({"pressure", "expected"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    auto window = std::make_unique<FullWindow>();
    full = window.get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
