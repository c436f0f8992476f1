#ifndef VANDREL_TOOLS_RUN_OPTIONS_H
#define VANDREL_TOOLS_RUN_OPTIONS_H

#include "csv_output.h"
#include "lesson.h"

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

// Everything a run needs, with the defaults of the demonstration's form.
struct RunOptions
{
    int electrons = 0;
    QVector<PlacedElectron> placedElectrons;
    QVector<Lesson::Electron> lessonElectrons; // placed after the random ones, before --electron
    int side = 50;
    double atomRadius = 10.0;
    double electronRadius = 4.0;
    double speed = 100.0;
    int bins = 3;
    int binIndex = 1; // one-based
    int steps = 100;
    int seed = 1;                 // rand()'s own start, as in the program, which never seeds it
    bool exactCollisions = false; // --motion exact
    const OutputKind *output = &outputKinds[0];
};

struct CommandLine
{
    enum class Action { Run, ShowText, Reject };
    Action action = Action::Run;
    RunOptions options;
    // ShowText: the help or version text for stdout. Reject: one line naming
    // the option, the value and what is accepted, without the newline.
    QString message;
};

// Reads the arguments, the program's name first. Qt's parser sorts out the
// options; a lesson is read first, then every value is checked against its
// range in command-line order, and the first fault found decides the error
// line. Options override the lesson; --electrons replaces its electrons.
// Repeated options: the last wins, except --electron, which adds one electron
// each time.
CommandLine parseCommandLine(const QStringList &arguments);

#endif
