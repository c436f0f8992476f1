#ifndef VANDREL_CSVNUMBER_H
#define VANDREL_CSVNUMBER_H

#include <string>

// A number as a CSV cell: what printf's "%.17g" writes in the C locale, so that
// it reads back to the same double, with a decimal point whatever the
// program's locale; "nan" for every not-a-number whatever its sign bit.
std::string csvNumber(double value);

#endif
