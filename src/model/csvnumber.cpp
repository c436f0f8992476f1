#include "csvnumber.h"

#include <charconv>
#include <cmath>

std::string csvNumber(double value)
{
    if (std::isnan(value))
        return "nan";
    // Without a precision, to_chars writes the fewest characters that read
    // back to the same double; like printf in the C locale, unlike printf
    // itself once a GUI program has taken the user's locale.
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}
