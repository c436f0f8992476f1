#ifndef VANDREL_TOOLS_CSV_OUTPUT_H
#define VANDREL_TOOLS_CSV_OUTPUT_H

#include <string>

class GasModel;

// The rows of each table the runner can print, without the header line; every
// number so that it reads back to the same double.
std::string seriesHeader();                       // t and each quantity plotted in time
std::string seriesRows(const GasModel &model);    // one per sample
std::string densityRows(const GasModel &model);   // one per strip, numbered from 1
std::string positionsRows(const GasModel &model); // one per electron
std::string expectedRows(const GasModel &model);  // the free space and the expected values
std::string summaryRows(const GasModel &model);   // each measured value with its error

// A table --output can ask for: its name there, its CSV header line (which
// --help shows too) and its rows.
struct OutputKind
{
    const char *name;
    std::string (*header)();
    std::string (*rows)(const GasModel &model);
};

// Every output kind, the default first.
inline constexpr OutputKind outputKinds[] = {
    {"series", seriesHeader, seriesRows},
    {"density", [] { return std::string("bin,density"); }, densityRows},
    {"positions", [] { return std::string("x,y,angle"); }, positionsRows},
    {"expected", [] { return std::string("quantity,value"); }, expectedRows},
    {"summary", [] { return std::string("quantity,measured,standard_error,expected"); },
     summaryRows},
};

#endif
