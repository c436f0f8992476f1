#ifndef VANDREL_TOOLS_CSV_OUTPUT_H
#define VANDREL_TOOLS_CSV_OUTPUT_H

#include <string>

class GasModel;
struct RunOptions;

// A run that has ended: its model and what it was asked to do.
struct FinishedRun
{
    const GasModel &model;
    const RunOptions &options;
};

// The rows of each table the runner can print, without the header line; every
// number so that it reads back to the same double.
std::string seriesHeader();                       // t and each quantity plotted in time
std::string seriesRows(const GasModel &model);    // one per sample
std::string densityRows(const GasModel &model);   // one per strip, numbered from 1
std::string positionsRows(const GasModel &model); // one per electron
std::string expectedRows(const GasModel &model);  // the free space and the expected values
std::string summaryRows(const GasModel &model);   // each measured value with its error
std::string resultsHeader();                      // the results table's one column list
std::string resultsRows(const FinishedRun &run);  // the run as a row of that table
std::string reversalRows(const FinishedRun &run); // how many came back after a reversal

// A table --output can ask for: its name there, its CSV header line (which
// --help shows too), its rows, whether a run gives one row, so that a sweep's runs stand one
// under the other, and whether it tells of a reversal.
struct OutputKind
{
    const char *name;
    std::string (*header)();
    std::string (*rows)(const FinishedRun &run);
    bool rowPerRun;
    bool needsReversal = false;
};

// Every output kind, the default first.
inline constexpr OutputKind outputKinds[] = {
    {"series", seriesHeader, [](const FinishedRun &run) { return seriesRows(run.model); }, false},
    {"density", [] { return std::string("bin,density"); },
     [](const FinishedRun &run) { return densityRows(run.model); }, false},
    {"positions", [] { return std::string("x,y,angle"); },
     [](const FinishedRun &run) { return positionsRows(run.model); }, false},
    {"expected", [] { return std::string("quantity,value"); },
     [](const FinishedRun &run) { return expectedRows(run.model); }, false},
    {"summary", [] { return std::string("quantity,measured,standard_error,expected"); },
     [](const FinishedRun &run) { return summaryRows(run.model); }, false},
    {"results", resultsHeader, resultsRows, true},
    {"reversal", [] { return std::string("electrons,returned,median_distance,max_distance"); },
     reversalRows, true, true},
};

#endif
