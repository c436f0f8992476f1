// vandrel-sim: runs the gas model without the window and prints the numbers
// behind the plots as CSV, for lessons and for benchmarks.

#include "progress_line.h"
#include "run.h"

#include <QStringList>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

namespace {
// How often the progress line looks at the runs.
constexpr int progressLookMs = 100;

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The runs of a sweep are independent: each has a model and a random sequence of its own. They
// are made `jobs` at a time and their rows kept in the order of the runs, so the output is the
// same whatever the number of jobs.
std::vector<RunReport> makeRuns(const QVector<RunOptions> &runs, int jobs)
{
    long long totalSteps = 0;
    int electrons = 0;
    for (const RunOptions &run : runs) {
        totalSteps += run.totalSteps();
        electrons = std::max(electrons, run.settings.electrons() + int(run.lessonElectrons.size()) +
                                            int(run.placedElectrons.size()));
    }
    const int workers = std::min<int>(jobs, runs.size());
    ProgressLine progress(totalSteps, std::max(1, electrons / std::max(workers, 1)));
    std::vector<RunReport> reports(runs.size());
    std::atomic<long long> stepsDone{0};
    QThreadPool pool;
    pool.setMaxThreadCount(workers);
    for (int i = 0; i < runs.size(); ++i)
        pool.start([&, i] { reports[i] = makeRun(runs[i], stepsDone); });
    while (!pool.waitForDone(progressLookMs))
        progress.reached(stepsDone.load(std::memory_order_relaxed));
    progress.finish();
    return reports;
}
} // namespace

int main(int argc, char *argv[])
{
    const CommandLine commandLine =
        parseCommandLine(argumentList(argc, argv), QThread::idealThreadCount());
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

    const std::vector<RunReport> reports = makeRuns(commandLine.runs, commandLine.jobs);
    QStringList notes;
    std::string csv = commandLine.runs.first().output->header() + '\n';
    for (const RunReport &report : reports) {
        csv += report.rows;
        if (!report.note.isEmpty() && !notes.contains(report.note))
            notes << report.note;
    }
    for (const QString &note : notes)
        std::fprintf(stderr, "vandrel-sim: %s\n", note.toLocal8Bit().constData());
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
