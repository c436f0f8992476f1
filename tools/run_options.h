#ifndef VANDREL_TOOLS_RUN_OPTIONS_H
#define VANDREL_TOOLS_RUN_OPTIONS_H

#include "csv_output.h"
#include "lesson.h"
#include "settings.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One electron placed by hand: pixel position and a bearing in degrees
// clockwise from straight up.
struct PlacedElectron
{
    int x = 0;
    int y = 0;
    double bearing = 0.0;
};

// Everything one run needs, with the defaults of the demonstration's form; the count of the
// settings is that of the random electrons.
struct RunOptions
{
    GasSettings settings;
    QVector<Lesson::Electron> lessonElectrons; // placed after the random ones, before --electron
    QVector<PlacedElectron> placedElectrons;
    int steps = 100;
    int seed = 1; // rand()'s own start, as in the program, which never seeds it
    // The random electrons placed in the selected strip only, as the program's Fill button does.
    bool fillStrip = false;
    // Steps out, then each direction reversed, then as many back; 0 for no reversal.
    int reverseAfter = 0;
    const OutputKind *output = &outputKinds[0];

    int totalSteps() const { return reverseAfter > 0 ? 2 * reverseAfter : steps; }
};

struct CommandLine
{
    enum class Action { Run, ShowText, Reject };
    Action action = Action::Run;
    // Run: one run per combination of the --vary values, the first option's values varying
    // slowest; a single run without --vary.
    QVector<RunOptions> runs;
    int jobs = 1; // runs made at once
    // ShowText: the help or version text for stdout. Reject: one line naming
    // the option, the value and what is accepted, without the newline.
    QString message;
};

// The most runs one sweep may ask for.
constexpr int maxRuns = 10000;

// Reads the arguments, the program's name first. Qt's parser sorts out the options; a lesson is
// read first, then every value is checked against its range in command-line order, and the
// first fault found decides the error line; then each combination of the --vary values is
// applied over them. Options override the lesson; --electrons replaces its electrons. Repeated
// options: the last wins, except --electron, which adds one electron each time, and --vary,
// which adds one more setting to vary.
CommandLine parseCommandLine(const QStringList &arguments, int machineCores = 1);

#endif
