#ifndef VANDREL_TOOLS_STRICT_NUMBER_H
#define VANDREL_TOOLS_STRICT_NUMBER_H

#include <string>

// Whole-text number parsing for command-line values: the entire text must be
// the number, so "12abc", "", " 5", "nan" and "inf" are all refused.
enum class NumberParse { Ok, Malformed, TooLarge };

// A decimal integer with an optional sign.
NumberParse parseInteger(const std::string &text, long long &value);

// A finite decimal number: digits, optional point and exponent, optional sign.
NumberParse parseReal(const std::string &text, double &value);

#endif
