// vandrel-sim: runs the gas model without the window and prints the numbers
// behind the plots as CSV, for lessons and for benchmarks.

#include "csv_output.h"
#include "gasmodel.h"
#include "run_options.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
constexpr int stepMilliseconds = 50;

// The same set-up order as the demonstration, which fixes the random draws:
// the size while the spacing is still the constructor's 25, then the settings,
// then the random electrons, then the hand-placed ones.
void setUp(GasModel &model, const RunOptions &options)
{
    model.setSize(400, 400);
    model.setSide(options.side);
    model.setAtomR(options.atomRadius);
    model.setElectronR(options.electronRadius);
    model.setSpeed(options.speed);
    model.setBinsNumber(options.bins);
    model.setBinIndex(options.binIndex - 1);
    model.setNumber(options.electrons);
    for (const PlacedElectron &e : options.placedElectrons)
        model.addElectron(e.x, e.y, GasModel::bearingToAngle(e.bearing));
}

std::string resultCsv(const GasModel &model, OutputKind kind)
{
    switch (kind) {
    case OutputKind::Density:
        return densityCsv(model);
    case OutputKind::Positions:
        return positionsCsv(model);
    case OutputKind::Series:
        break;
    }
    return seriesCsv(model);
}
} // namespace

int main(int argc, char *argv[])
{
    const CommandLine commandLine =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (commandLine.action) {
    case CommandLine::Action::Reject:
        std::fprintf(stderr, "vandrel-sim: %s\n", commandLine.error.c_str());
        return 2;
    case CommandLine::Action::ShowHelp:
        std::fputs(usageText(), stdout);
        return 0;
    case CommandLine::Action::Run:
        break;
    }

    const RunOptions &options = commandLine.options;
    GasModel model;
    setUp(model, options);
    for (int i = 0; i < options.steps; ++i)
        model.step(stepMilliseconds);

    const std::string csv = resultCsv(model, options.output);
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
