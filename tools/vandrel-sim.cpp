// vandrel-sim: runs the gas model without the window and prints the numbers
// behind the plots as CSV, for lessons and for benchmarks.

#include "progress_line.h"
#include "run.h"
#include "showntext.h"

#include <QLocale>
#include <QStringList>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
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
    // Numbers in messages as in its tables, whatever the desktop's language.
    QLocale::setDefault(QLocale::c());
    // Told before a long run rather than after it; and a lesson opened now cannot take stdout's
    // place.
    if (fcntl(STDOUT_FILENO, F_GETFL) == -1)
        return outputFailed(errno);
    const CommandLine commandLine =
        parseCommandLine(argumentList(argc, argv), QThread::idealThreadCount());
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
    return printed(csv);
}
