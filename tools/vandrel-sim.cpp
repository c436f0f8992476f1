// vandrel-sim: runs the gas model without the window and prints the numbers
// behind the plots as CSV, for lessons and for benchmarks.

#include "csv_output.h"
#include "gasmodel.h"
#include "progress_line.h"
#include "run_options.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
constexpr int stepMilliseconds = 50;

// The same set-up order as the demonstration, which fixes the random draws:
// the size while the spacing is still the constructor's 25, then the settings,
// then the random electrons, then a lesson's, then the hand-placed ones.
void setUp(GasModel &model, const RunOptions &options)
{
    model.setSize(400, 400);
    model.setSide(options.side);
    model.setAtomR(options.atomRadius);
    model.setElectronR(options.electronRadius);
    model.setSpeed(options.speed);
    model.setMotion(options.exactCollisions ? GasModel::Motion::Exact : GasModel::Motion::Stepwise);
    model.setBinsNumber(options.bins);
    model.setBinIndex(options.binIndex - 1);
    std::srand(unsigned(options.seed));
    model.setNumber(options.electrons);
    for (const Lesson::Electron &e : options.lessonElectrons)
        model.addElectronAt(e.centre, e.angle);
    for (const PlacedElectron &e : options.placedElectrons)
        model.addElectron(e.x, e.y, GasModel::bearingToAngle(e.bearing));
}

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

int main(int argc, char *argv[])
{
    const CommandLine commandLine = parseCommandLine(argumentList(argc, argv));
    switch (commandLine.action) {
    case CommandLine::Action::Reject:
        std::fprintf(stderr, "vandrel-sim: %s\n", commandLine.message.toLocal8Bit().constData());
        return 2;
    case CommandLine::Action::ShowText:
        std::fputs(commandLine.message.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Run:
        break;
    }

    const RunOptions &options = commandLine.options;
    GasModel model;
    setUp(model, options);
    ProgressLine progress(options.steps, model.number());
    for (int i = 0; i < options.steps; ++i) {
        model.step(stepMilliseconds);
        progress.stepDone();
    }
    progress.finish();

    const std::string csv = options.output->header() + ('\n' + options.output->rows(model));
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
