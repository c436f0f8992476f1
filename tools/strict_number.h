#ifndef VANDREL_TOOLS_STRICT_NUMBER_H
#define VANDREL_TOOLS_STRICT_NUMBER_H

#include <QString>

// Range-checked numbers from command-line values. The whole text must be the
// number in plain decimal notation: Qt's own conversions would also take
// surrounding spaces and, for reals, "nan" and "inf".
//
// Each returns the problem in words ("is not an integer", "is not a number",
// "is out of range"), or an empty string when value holds the number.
QString checkInteger(const QString &text, long long min, long long max, long long &value);
QString checkReal(const QString &text, double min, double max, double &value);

#endif
