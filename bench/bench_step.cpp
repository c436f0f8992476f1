// Cost of one step(50) per electron, set up like the command-line runner, in
// either motion. Items are electron-steps, so the reported rate converts
// straight to nanoseconds per electron-step.

#include "gasmodel.h"
#include "settings.h"

#include <benchmark/benchmark.h>

namespace {
struct Setting
{
    int side;
    double atomR;
    double electronR;
    double speed;
};

// As the runner sets a model up, at the defaults but for these.
void setUp(GasModel &model, const Setting &setting, int electrons, int bins, bool exact)
{
    GasSettings settings;
    settings.setValue(SettingKey::Side, setting.side);
    settings.setValue(SettingKey::AtomRadius, setting.atomR);
    settings.setValue(SettingKey::ElectronRadius, setting.electronR);
    settings.setValue(SettingKey::Speed, setting.speed);
    settings.setValue(SettingKey::Strips, bins);
    settings.setValue(SettingKey::Motion, exact ? 1 : 0);
    settings.setValue(SettingKey::Electrons, electrons);
    model.setSize(400, 400);
    settings.apply(model);
}

void runSteps(benchmark::State &state, const Setting &setting, int electrons, int bins, bool exact)
{
    GasModel model;
    setUp(model, setting, electrons, bins, exact);

    for (auto _ : state) {
        model.step(50);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * electrons);
    // Shown in seconds with an SI prefix, so "45n" reads as 45 ns.
    state.counters["time_per_electron_step"] =
        benchmark::Counter(double(state.iterations()) * electrons,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    // Reflections off walls and atoms per second: about one per electron-step at speed 1000.
    state.counters["contacts"] =
        benchmark::Counter(model.contactsSinceReset(), benchmark::Counter::kIsRate);
}

// The form's defaults.
void stepElectrons(benchmark::State &state)
{
    runSteps(state, {50, 10, 4, 100}, int(state.range(0)), int(state.range(1)),
             state.range(2) == 1);
}

// Where contacts are frequent: speed 1000, about one contact per electron-step, at the defaults
// and at spacing 25 with atom radius 5.
void frequentContacts(benchmark::State &state)
{
    const Setting settings[] = {{50, 10, 4, 1000}, {25, 5, 4, 1000}};
    runSteps(state, settings[state.range(0)], 500, 3, state.range(1) == 1);
}

// A tick's model work at the densest lattice and the top speed, with a full box of electrons
// and the most strips: the atoms as one solid (the default radii), as pockets and narrow
// channels (radii 2.4 and 1), and as small discs far apart (radii 1 and 0.5).
void heaviestTick(benchmark::State &state)
{
    const double radii[][2] = {{10, 4}, {2.4, 1}, {1, 0.5}};
    const double *radius = radii[state.range(0)];
    runSteps(state, {5, radius[0], radius[1], 1000}, 500, 100, state.range(1) == 1);
}
// Typing 500 into the electrons box: the defaults; pockets between overlapping discs (nine
// tries miss them a third of the time); a field the atoms cover (no search); and free spots so
// rare (a thousandth of the field) that the search nearly exhausts its bound for each one.
void placeElectrons(benchmark::State &state)
{
    const Setting settings[] = {
        {50, 10, 4, 100}, {20, 9, 3, 100}, {5, 10, 4, 100}, {400, 277.5, 0.1, 100}};
    const Setting &setting = settings[state.range(0)];
    for (auto _ : state) {
        GasModel model;
        setUp(model, setting, 500, 3, false);
        benchmark::DoNotOptimize(model.electronPositions().data());
    }
}

// A change of the atoms' radius under 500 electrons of the defaults, in the field view's slot:
// to 30 (a third of them in the atoms, each moved a few pixels), to 34 (nearly all, into
// pockets), and an electron radius of 150 (nearly all, far across the field to its middle).
void moveTrappedElectrons(benchmark::State &state)
{
    const Setting changes[] = {{50, 30, 4, 100}, {50, 34, 4, 100}, {50, 10, 150, 100}};
    const Setting &change = changes[state.range(0)];
    for (auto _ : state) {
        state.PauseTiming();
        GasModel model;
        setUp(model, {50, 10, 4, 100}, 500, 3, false);
        state.ResumeTiming();
        model.setAtomR(change.atomR);
        model.setElectronR(change.electronR);
        benchmark::DoNotOptimize(model.moveTrappedElectronsToFreeSpots());
    }
}
} // namespace

BENCHMARK(moveTrappedElectrons)
    ->ArgNames({"change"})
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(placeElectrons)->ArgNames({"setting"})->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(stepElectrons)
    ->ArgNames({"electrons", "bins", "exact"})
    ->ArgsProduct({{10, 500, 100000}, {1, 3, 100}, {0, 1}});
BENCHMARK(frequentContacts)->ArgNames({"spacing25", "exact"})->ArgsProduct({{0, 1}, {0, 1}});
BENCHMARK(heaviestTick)
    ->ArgNames({"radii", "exact"})
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
