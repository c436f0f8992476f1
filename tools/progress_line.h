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

    // Called now and then with the steps done so far.
    void reached(long long steps);

    // Erases the line, if drawn, before the results are printed.
    void finish();

private:
    void draw(std::chrono::steady_clock::duration elapsed);

    long long totalSteps;
    bool shown = false;
    long long stepsDone = 0;
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::time_point lastDrawn;
    bool drawn = false;
};

#endif
