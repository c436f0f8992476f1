#include "progress_line.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

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
    drawn = false;
}
