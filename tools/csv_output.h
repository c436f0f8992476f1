#ifndef VANDREL_TOOLS_CSV_OUTPUT_H
#define VANDREL_TOOLS_CSV_OUTPUT_H

#include <string>

class GasModel;

// CSV tables of a model's results, a header line first, every number with
// 17 significant digits so that it reads back to the same double.
std::string seriesCsv(const GasModel &model);    // t,probability,pressure per sample
std::string densityCsv(const GasModel &model);   // bin,density with strips from 1
std::string positionsCsv(const GasModel &model); // x,y,angle per electron

// "%.17g", with every not-a-number written as "nan" whatever its sign bit.
std::string formatNumber(double x);

#endif
