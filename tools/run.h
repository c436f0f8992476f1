#ifndef VANDREL_TOOLS_RUN_H
#define VANDREL_TOOLS_RUN_H

#include "run_options.h"

#include <QString>

#include <atomic>
#include <string>

class GasModel;

// Sets a model of the demonstration's 400 x 400 field up for a run: its random sequence started
// from the seed, the settings applied (random electrons among them, over the field or in the
// selected strip), then a lesson's electrons,
// moved out of atoms and walls the settings put them in, then those placed by hand, exactly
// where they are asked for, as clicks place them.
void setUp(GasModel &model, const RunOptions &options);

// What a run printed: its table's rows, and a note for stderr where the table covers less than
// the run (empty where it covers it all).
struct RunReport
{
    std::string rows;
    QString note;
};

// Sets up and makes one run, reversing every direction half-way through where asked to, counting
// its steps in `stepsDone` as it goes.
RunReport makeRun(const RunOptions &options, std::atomic<long long> &stepsDone);

#endif
