// Cost of one step(50) per electron, set up like the command-line runner.
// Items are electron-steps, so the reported rate converts straight to
// nanoseconds per electron-step.

#include "gasmodel.h"

#include <benchmark/benchmark.h>

namespace {
void stepElectrons(benchmark::State &state)
{
    const int electrons = int(state.range(0));
    const int bins = int(state.range(1));
    GasModel model;
    model.setSize(400, 400);
    model.setSide(50);
    model.setAtomR(10);
    model.setElectronR(4);
    model.setSpeed(100);
    model.setBinsNumber(bins);
    model.setNumber(electrons);

    for (auto _ : state) {
        model.step(50);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * electrons);
    // Shown in seconds with an SI prefix, so "45n" reads as 45 ns.
    state.counters["time_per_electron_step"] =
        benchmark::Counter(double(state.iterations()) * electrons,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
} // namespace

BENCHMARK(stepElectrons)
    ->ArgNames({"electrons", "bins"})
    ->ArgsProduct({{10, 500, 100000}, {1, 100}});

BENCHMARK_MAIN();
