#include "progress_line.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

// Whether the line stands on the terminal, for the signal handler.
volatile std::sig_atomic_t lineShown = 0;

// Ctrl+C or a kill during a run: the line is cleared, with the calls a signal handler may make,
// then the signal, reset to its default on entry and raised again, ends the program as it would
// have, so that the shell sees 128 + its number.
extern "C" void clearLineAndEnd(int signal)
{
    if (lineShown) {
        static const char clear[] = "\r\033[K";
        const ssize_t written = write(STDERR_FILENO, clear, sizeof clear - 1);
        static_cast<void>(written);
    }
    raise(signal);
}

void clearLineOnInterrupt()
{
    struct sigaction clearing = {};
    clearing.sa_handler = clearLineAndEnd;
    sigemptyset(&clearing.sa_mask);
    clearing.sa_flags = SA_RESETHAND;
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction before = {};
        // A signal ignored by whoever started the run, as in a background job, stays ignored.
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            sigaction(signal, &clearing, nullptr);
    }
}

// One electron moved by one step costs about this much; a step with no
// electrons still costs about as much as one with a single electron.
constexpr double secondsPerElectronStep = 50e-9;
constexpr double longRunSeconds = 2.0;
constexpr auto redrawInterval = std::chrono::milliseconds(250);

std::string durationText(long long seconds)
{
    if (seconds < 60)
        return std::to_string(seconds) + " s";
    if (seconds < 3600)
        return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
    return std::to_string(seconds / 3600) + " h " + std::to_string(seconds % 3600 / 60) + " min";
}
} // namespace

ProgressLine::ProgressLine(long long totalSteps, long long electrons) : totalSteps(totalSteps)
{
    const long long costlyElectrons = std::max(electrons, 1LL);
    const double estimatedSeconds = double(totalSteps) * costlyElectrons * secondsPerElectronStep;
    if (estimatedSeconds <= longRunSeconds || !isatty(STDERR_FILENO))
        return;
    shown = true;
    start = Clock::now();
    clearLineOnInterrupt();
}

void ProgressLine::reached(long long steps)
{
    if (!shown || steps <= 0)
        return;
    stepsDone = steps;
    const Clock::time_point now = Clock::now();
    if (drawn && now - lastDrawn < redrawInterval)
        return;
    lastDrawn = now;
    draw(now - start);
}

void ProgressLine::draw(Clock::duration elapsed)
{
    const long long percent = stepsDone * 100 / totalSteps;
    const double elapsedSeconds = std::chrono::duration<double>(elapsed).count();
    const double secondsLeft = elapsedSeconds * double(totalSteps - stepsDone) / double(stepsDone);
    // Marked before it is written, so that a signal arriving meanwhile clears it too.
    lineShown = 1;
    // "\r" returns to the line's start, "\033[K" clears what a longer text left.
    std::fprintf(stderr, "\rvandrel-sim: %lld%% done, about %s left\033[K", percent,
                 durationText((long long)(secondsLeft + 0.5)).c_str());
    std::fflush(stderr);
    drawn = true;
}

void ProgressLine::finish()
{
    if (!drawn)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    lineShown = 0;
    drawn = false;
}
