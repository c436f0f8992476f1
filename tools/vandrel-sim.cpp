// vandrel-sim: runs the gas model without the window and prints the numbers
// behind the plots as CSV, for lessons and for benchmarks.

#include "csv_output.h"
#include "gasmodel.h"
#include "progress_line.h"
#include "run_options.h"
#include "showntext.h"

#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

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

// A reader that went away ends the program as it ends other command-line tools: by SIGPIPE,
// without a word, also where the signal was ignored and the write failed with EPIPE instead.
[[noreturn]] void endByBrokenPipe()
{
    std::signal(SIGPIPE, SIG_DFL);
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigprocmask(SIG_UNBLOCK, &pipeSignal, nullptr);
    std::raise(SIGPIPE);
    std::_Exit(128 + SIGPIPE);
}

// 1 with one line on stderr naming the reason.
int outputFailed(int error)
{
    if (error == EPIPE)
        endByBrokenPipe();
    std::fprintf(stderr, "vandrel-sim: cannot write the output: %s\n", std::strerror(error));
    return 1;
}

// 0 once every byte of the text has left for stdout, else as outputFailed.
int printed(const std::string &text)
{
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
        std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    return outputFailed(errno != 0 ? errno : EIO);
}
} // namespace

int main(int argc, char *argv[])
{
    // Told before a long run rather than after it; and a lesson opened now cannot take stdout's
    // place.
    if (fcntl(STDOUT_FILENO, F_GETFL) == -1)
        return outputFailed(errno);
    const CommandLine commandLine = parseCommandLine(argumentList(argc, argv));
    switch (commandLine.action) {
    case CommandLine::Action::Reject:
        // The line quotes arguments and file names as typed: their control characters escaped.
        std::fprintf(stderr, "vandrel-sim: %s\n",
                     escapedText(commandLine.message).toLocal8Bit().constData());
        return 2;
    case CommandLine::Action::ShowText:
        return printed(commandLine.message.toLocal8Bit().toStdString());
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

    return printed(options.output->header() + ('\n' + options.output->rows(model)));
}
