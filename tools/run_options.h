#ifndef VANDREL_TOOLS_RUN_OPTIONS_H
#define VANDREL_TOOLS_RUN_OPTIONS_H

#include <string>
#include <vector>

enum class OutputKind { Series, Density, Positions };

// One electron placed by hand: pixel position and a bearing in degrees
// clockwise from straight up.
struct PlacedElectron
{
    int x = 0;
    int y = 0;
    double bearing = 0.0;
};

// Everything a run needs, with the defaults of the demonstration's form.
struct RunOptions
{
    int electrons = 0;
    std::vector<PlacedElectron> placedElectrons;
    int side = 50;
    double atomRadius = 10.0;
    double electronRadius = 4.0;
    double speed = 100.0;
    int bins = 3;
    int binIndex = 1; // one-based
    int steps = 100;
    OutputKind output = OutputKind::Series;
};

struct CommandLine
{
    enum class Action { Run, ShowHelp, Reject };
    Action action = Action::Run;
    RunOptions options;
    std::string error; // for Reject: one line naming the option, value and range
};

// Reads the arguments after the program name. Every value is checked against
// its range; the first fault found decides the error line.
CommandLine parseCommandLine(const std::vector<std::string> &arguments);

const char *usageText();

#endif
