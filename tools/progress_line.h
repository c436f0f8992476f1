#ifndef VANDREL_TOOLS_PROGRESS_LINE_H
#define VANDREL_TOOLS_PROGRESS_LINE_H

#include <chrono>

// A one-line report of a long run on stderr: percent done and time left,
// redrawn a few times a second and erased when the run ends. It shows only
// for runs estimated to take over about two seconds, and only when stderr is
// a terminal, so that scripts and logs never see it. SIGINT and SIGTERM clear
// it before they end the run.
class ProgressLine
{
public:
    ProgressLine(long long totalSteps, long long electrons);

    // Called after every step: counts down to the next look at the clock.
    void stepDone()
    {
        if (--stepsUntilCheck == 0)
            check();
    }

    // Erases the line, if drawn, before the results are printed.
    void finish();

private:
    void check();
    void draw(std::chrono::steady_clock::duration elapsed);

    long long totalSteps;
    long long checkInterval = 0; // steps between looks at the clock, 0 when not shown
    long long stepsUntilCheck = -1;
    long long stepsDone = 0;
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::time_point lastDrawn;
    bool drawn = false;
};

#endif
