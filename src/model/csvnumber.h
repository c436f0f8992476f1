#ifndef VANDREL_CSVNUMBER_H
#define VANDREL_CSVNUMBER_H

#include <string>

// A number as a CSV cell: the shortest text that reads back to the same double
// ("0.05", "1e-05"), with a decimal point whatever the program's locale; "nan"
// for every not-a-number whatever its sign bit.
std::string csvNumber(double value);

#endif
