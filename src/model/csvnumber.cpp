#include "csvnumber.h"

#include <charconv>
#include <cmath>

std::string csvNumber(double value)
{
    if (std::isnan(value))
        return "nan";
    // to_chars is printf in the C locale, unlike printf itself once a GUI
    // program has taken the user's locale.
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
    return std::string(text, result.ptr);
}
