#include "run_options.h"

#include "strict_number.h"

#include <cstdio>
#include <optional>

namespace {
struct IntegerOption
{
    const char *name;
    long long min;
    long long max;
    int RunOptions::*field;
};

struct RealOption
{
    const char *name;
    double min;
    double max;
    double RunOptions::*field;
};

const IntegerOption integerOptions[] = {
    {"--electrons", 0, 1000000, &RunOptions::electrons},
    {"--side", 5, 400, &RunOptions::side},
    {"--bins", 1, 100, &RunOptions::bins},
    {"--steps", 0, 100000000, &RunOptions::steps},
};

const RealOption realOptions[] = {
    {"--atom-radius", 0.1, 400, &RunOptions::atomRadius},
    {"--electron-radius", 0.1, 400, &RunOptions::electronRadius},
    {"--speed", 0.1, 1000, &RunOptions::speed},
};

constexpr int fieldLimit = 399;
constexpr double maxBearing = 360;

std::string shortest(double x)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", x);
    return text;
}

std::string integerRange(long long min, long long max)
{
    return "an integer from " + std::to_string(min) + " to " + std::to_string(max);
}

std::string realRange(double min, double max)
{
    return "a number from " + shortest(min) + " to " + shortest(max);
}

const std::string electronForm = "X,Y,DEG with X and Y integers from 0 to " +
                                 std::to_string(fieldLimit) + " and DEG " +
                                 realRange(0, maxBearing);

std::string rejectValue(const std::string &option, const std::string &value,
                        const std::string &problem, const std::string &accepted)
{
    return option + ": value '" + value + "' " + problem + "; accepted: " + accepted;
}

// Empty on success, else the problem in words.
template <typename Number>
std::string checkNumber(NumberParse parsed, const char *malformed, const Number &value, Number min,
                        Number max)
{
    if (parsed == NumberParse::Malformed)
        return malformed;
    if (parsed == NumberParse::TooLarge || value < min || value > max)
        return "is out of range";
    return "";
}

std::string checkInteger(const std::string &text, long long min, long long max, long long &value)
{
    const NumberParse parsed = parseInteger(text, value);
    return checkNumber(parsed, "is not an integer", value, min, max);
}

std::string checkReal(const std::string &text, double min, double max, double &value)
{
    const NumberParse parsed = parseReal(text, value);
    return checkNumber(parsed, "is not a number", value, min, max);
}

std::vector<std::string> splitOnCommas(const std::string &text)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ',')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// Empty on success, else the error line.
std::string parsePlacedElectron(const std::string &value, PlacedElectron &electron)
{
    const std::vector<std::string> parts = splitOnCommas(value);
    if (parts.size() != 3)
        return rejectValue("--electron", value, "is not X,Y,DEG", electronForm);

    const char *const names[2] = {"X", "Y"};
    int *const coordinates[2] = {&electron.x, &electron.y};
    for (int i = 0; i < 2; ++i) {
        long long coordinate = 0;
        const std::string problem = checkInteger(parts[i], 0, fieldLimit, coordinate);
        if (!problem.empty())
            return rejectValue("--electron", value,
                               "has " + std::string(names[i]) + " '" + parts[i] + "' that " +
                                   problem,
                               electronForm);
        *coordinates[i] = int(coordinate);
    }
    const std::string problem = checkReal(parts[2], 0, maxBearing, electron.bearing);
    if (!problem.empty())
        return rejectValue("--electron", value, "has DEG '" + parts[2] + "' that " + problem,
                           electronForm);
    return {};
}

std::string parseOutputKind(const std::string &value, OutputKind &kind)
{
    if (value == "series")
        kind = OutputKind::Series;
    else if (value == "density")
        kind = OutputKind::Density;
    else if (value == "positions")
        kind = OutputKind::Positions;
    else
        return rejectValue("--output", value, "is not an output kind",
                           "series, density or positions");
    return {};
}

std::string acceptedFor(const std::string &option)
{
    for (const IntegerOption &o : integerOptions)
        if (option == o.name)
            return integerRange(o.min, o.max);
    for (const RealOption &o : realOptions)
        if (option == o.name)
            return realRange(o.min, o.max);
    if (option == "--electron")
        return electronForm;
    if (option == "--bin-index")
        return integerRange(1, 100) + ", at most the bin count";
    if (option == "--output")
        return "series, density or positions";
    return {};
}

// Empty on success, else the error line.
std::string applyOption(const std::string &option, const std::string &value, RunOptions &options,
                        std::optional<std::string> &binIndexText)
{
    for (const IntegerOption &o : integerOptions) {
        if (option != o.name)
            continue;
        long long parsed = 0;
        const std::string problem = checkInteger(value, o.min, o.max, parsed);
        if (!problem.empty())
            return rejectValue(option, value, problem, integerRange(o.min, o.max));
        options.*o.field = int(parsed);
        return {};
    }
    for (const RealOption &o : realOptions) {
        if (option != o.name)
            continue;
        const std::string problem = checkReal(value, o.min, o.max, options.*o.field);
        return problem.empty() ? "" : rejectValue(option, value, problem, realRange(o.min, o.max));
    }
    if (option == "--electron") {
        PlacedElectron electron;
        const std::string error = parsePlacedElectron(value, electron);
        if (error.empty())
            options.placedElectrons.push_back(electron);
        return error;
    }
    if (option == "--output")
        return parseOutputKind(value, options.output);
    // The bin index is checked once the bin count is known.
    binIndexText = value;
    return {};
}
} // namespace

CommandLine parseCommandLine(const std::vector<std::string> &arguments)
{
    CommandLine result;
    std::optional<std::string> binIndexText;
    const auto reject = [&result](const std::string &error) {
        result.action = CommandLine::Action::Reject;
        result.error = error;
        return result;
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &option = arguments[i];
        if (option == "--help") {
            result.action = CommandLine::Action::ShowHelp;
            return result;
        }
        const std::string accepted = acceptedFor(option);
        if (accepted.empty())
            return reject("unknown option '" + option +
                          "'; accepted: the options listed by --help");
        if (i + 1 == arguments.size())
            return reject(option + ": missing value; accepted: " + accepted);
        const std::string error = applyOption(option, arguments[++i], result.options, binIndexText);
        if (!error.empty())
            return reject(error);
    }

    if (binIndexText) {
        const int bins = result.options.bins;
        long long index = 0;
        const std::string problem = checkInteger(*binIndexText, 1, bins, index);
        if (!problem.empty())
            return reject(rejectValue("--bin-index", *binIndexText, problem,
                                      integerRange(1, bins) + " (the bin count)"));
        result.options.binIndex = int(index);
    }
    return result;
}

const char *usageText()
{
    return "Usage: vandrel-sim [options]\n"
           "Runs the Vandrel gas on the 400 x 400 field and prints CSV on stdout.\n"
           "\n"
           "  --electrons N          random electrons, 0 ... 1000000 (0)\n"
           "  --electron X,Y,DEG     one more electron at (X, Y), X and Y 0 ... 399, moving on\n"
           "                         bearing DEG, degrees clockwise from up, 0 ... 360;\n"
           "                         repeatable, added after the random ones\n"
           "  --side S               lattice spacing, 5 ... 400 (50)\n"
           "  --atom-radius R        0.1 ... 400 (10)\n"
           "  --electron-radius r    0.1 ... 400 (4)\n"
           "  --speed V              pixels per second, 0.1 ... 1000 (100)\n"
           "  --bins B               vertical strips, 1 ... 100 (3)\n"
           "  --bin-index K          selected strip, 1 ... B (1)\n"
           "  --steps M              steps of 50 ms, 0 ... 100000000 (100)\n"
           "  --output KIND          series (t,probability,pressure), density (bin,density)\n"
           "                         or positions (x,y,angle) (series)\n"
           "  --help                 this text\n"
           "\n"
           "Bad input: one line on stderr and exit status 2.\n";
}
