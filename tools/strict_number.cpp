#include "strict_number.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Only the characters of plain decimal notation: this keeps out the
// whitespace, hexadecimal, "inf" and "nan" forms that strtod would take.
bool hasOnlyDecimalCharacters(const std::string &text)
{
    for (char c : text)
        if (!isDigit(c) && c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E')
            return false;
    return true;
}
} // namespace

NumberParse parseInteger(const std::string &text, long long &value)
{
    const std::size_t start = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (start == text.size())
        return NumberParse::Malformed;
    for (std::size_t i = start; i < text.size(); ++i)
        if (!isDigit(text[i]))
            return NumberParse::Malformed;

    errno = 0;
    char *end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    if (errno == ERANGE)
        return NumberParse::TooLarge;
    return *end == '\0' ? NumberParse::Ok : NumberParse::Malformed;
}

NumberParse parseReal(const std::string &text, double &value)
{
    if (text.empty() || !hasOnlyDecimalCharacters(text))
        return NumberParse::Malformed;

    errno = 0;
    char *end = nullptr;
    value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0')
        return NumberParse::Malformed;
    // strtod also flags underflow to a tiny or zero value; only overflow matters.
    if (errno == ERANGE && std::isinf(value))
        return NumberParse::TooLarge;
    return NumberParse::Ok;
}
