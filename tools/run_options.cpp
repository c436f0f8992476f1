#include "run_options.h"

#include "strict_number.h"

#include <QCommandLineParser>
#include <QHash>

#include <algorithm>
#include <optional>

namespace {
struct IntegerOption
{
    const char *name;
    const char *valueName;
    const char *meaning;
    long long min;
    long long max;
    int RunOptions::*field;
};

struct RealOption
{
    const char *name;
    const char *valueName;
    const char *meaning;
    double min;
    double max;
    double RunOptions::*field;
};

constexpr int maxBins = 100;

const IntegerOption integerOptions[] = {
    {"electrons", "N", "random electrons", 0, 1000000, &RunOptions::electrons},
    {"side", "S", "lattice spacing in pixels", 5, 400, &RunOptions::side},
    {"bins", "B", "vertical strips", 1, maxBins, &RunOptions::bins},
    {"steps", "M", "steps of 50 ms", 0, 100000000, &RunOptions::steps},
    {"seed", "S",
     "start of the random placement and directions; 1 gives the program's own electrons", 0,
     2147483647, &RunOptions::seed},
};

const RealOption realOptions[] = {
    {"atom-radius", "R", "atom radius in pixels", 0.1, 400, &RunOptions::atomRadius},
    {"electron-radius", "r", "electron radius in pixels", 0.1, 400, &RunOptions::electronRadius},
    {"speed", "V", "pixels per second", 0.1, 1000, &RunOptions::speed},
};

// The options whose values have a form of their own.
const QString electronOption = QStringLiteral("electron");
const QString binIndexOption = QStringLiteral("bin-index");
const QString outputOption = QStringLiteral("output");
const QString motionOption = QStringLiteral("motion");
const QString lessonOption = QStringLiteral("lesson");
const QString stepwiseMotion = QStringLiteral("stepwise");
const QString exactMotion = QStringLiteral("exact");

constexpr int fieldLimit = 399;
constexpr double maxBearing = 360;

// As printf's %g writes it: 0.1, 400, 1e+06.
QString shortest(double x)
{
    return QString::number(x);
}

QString integerRange(long long min, long long max)
{
    return QStringLiteral("an integer from %1 to %2").arg(min).arg(max);
}

QString realRange(double min, double max)
{
    return QStringLiteral("a number from %1 to %2").arg(shortest(min), shortest(max));
}

QString electronForm()
{
    return QStringLiteral("X,Y,DEG with X and Y integers from 0 to %1 and DEG %2")
        .arg(fieldLimit)
        .arg(realRange(0, maxBearing));
}

QString outputKindNames()
{
    QStringList names;
    for (const OutputKind &kind : outputKinds)
        names << QString::fromLatin1(kind.name);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// What a value-taking option accepts, for the error line; empty for options
// that take no value.
QString acceptedFor(const QString &name)
{
    for (const IntegerOption &o : integerOptions)
        if (name == QLatin1String(o.name))
            return integerRange(o.min, o.max);
    for (const RealOption &o : realOptions)
        if (name == QLatin1String(o.name))
            return realRange(o.min, o.max);
    if (name == electronOption)
        return electronForm();
    if (name == binIndexOption)
        return integerRange(1, maxBins) + QStringLiteral(", at most the bin count");
    if (name == outputOption)
        return outputKindNames();
    if (name == motionOption)
        return QStringLiteral("%1 or %2").arg(stepwiseMotion, exactMotion);
    if (name == lessonOption)
        return QStringLiteral("a lesson file saved by the program");
    return {};
}

QString rejectValue(const QString &name, const QString &value, const QString &problem,
                    const QString &accepted)
{
    return QStringLiteral("--%1: value '%2' %3; accepted: %4").arg(name, value, problem, accepted);
}

QString describe(const char *meaning, const QString &range, const QString &defaultValue)
{
    return QStringLiteral("%1, %2 (default: %3)").arg(QLatin1String(meaning), range, defaultValue);
}

QString outputDescription()
{
    QStringList kinds;
    for (const OutputKind &kind : outputKinds)
        kinds << QStringLiteral("%1 (%2)").arg(QLatin1String(kind.name),
                                               QString::fromStdString(kind.header()));
    const QString last = kinds.takeLast();
    return QStringLiteral("the table to print: %1 or %2 (default: %3)")
        .arg(kinds.join(QStringLiteral(", ")), last, QLatin1String(outputKinds[0].name));
}

const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Show this help."));
const QCommandLineOption versionOption(QStringLiteral("version"),
                                       QStringLiteral("Show the program's version."));

void declareOptions(QCommandLineParser &parser)
{
    // "-side 50" reads as "--side 50" rather than as five one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Runs the Vandrel gas on the 400 x 400 field and prints CSV on stdout."));

    const RunOptions defaults;
    for (const IntegerOption &o : integerOptions) {
        const QString range = QStringLiteral("%1 ... %2").arg(o.min).arg(o.max);
        parser.addOption({QLatin1String(o.name),
                          describe(o.meaning, range, QString::number(defaults.*o.field)),
                          QLatin1String(o.valueName)});
    }
    for (const RealOption &o : realOptions) {
        const QString range = QStringLiteral("%1 ... %2").arg(shortest(o.min), shortest(o.max));
        parser.addOption({QLatin1String(o.name),
                          describe(o.meaning, range, shortest(defaults.*o.field)),
                          QLatin1String(o.valueName)});
    }
    parser.addOption(
        {electronOption,
         QStringLiteral("one more electron at (X, Y), X and Y 0 ... %1, moving on bearing DEG, "
                        "degrees clockwise from up, 0 ... %2; repeatable, added after the "
                        "random ones")
             .arg(fieldLimit)
             .arg(maxBearing),
         QStringLiteral("X,Y,DEG")});
    parser.addOption(
        {binIndexOption,
         describe("selected strip", QStringLiteral("1 ... B"), QString::number(defaults.binIndex)),
         QStringLiteral("K")});
    parser.addOption(
        {motionOption,
         QStringLiteral("how a step moves the electrons: %1 (to the end of the step, then "
                        "mirrored in the walls crossed and bounced off at most one atom near the "
                        "end point, as the program does by default) or %2 (along the true path, "
                        "every wall and atom met in turn, as with the program's Exact collisions "
                        "box) (default: %1)")
             .arg(stepwiseMotion, exactMotion),
         QStringLiteral("RULE")});
    parser.addOption(
        {lessonOption,
         QStringLiteral("take the settings and the electrons from a lesson saved by the program "
                        "(*.vandrel); the options given as well override it, and --electrons N "
                        "puts N random electrons in place of its own"),
         QStringLiteral("FILE")});
    parser.addOption({outputOption, outputDescription(), QStringLiteral("KIND")});
    parser.addOption(helpOption);
    parser.addOption(versionOption);
}

QString helpText(const QCommandLineParser &parser)
{
    // The runner has no QCoreApplication, so Qt cannot name the program itself.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("vandrel-sim"));
    return text + QStringLiteral(
                      "\n"
                      "Output: CSV on stdout, a header line naming the columns first.\n"
                      "  series     a row per sample: t, the model time (the path each electron\n"
                      "             has flown, in pixels, divided by 100); probability, the\n"
                      "             share of that time the electrons spent in the selected\n"
                      "             strip; pressure, the running total of the depths (pixels)\n"
                      "             by which electrons overshot the walls, which the program\n"
                      "             plots divided by t; mean_free_path, the path flown per\n"
                      "             contact with a wall or an atom (pixels, nan before the\n"
                      "             first)\n"
                      "  density    a row per strip, numbered from 1 at the left: its share of\n"
                      "             the electrons' time, the shares summing to 1\n"
                      "  positions  a row per electron: x and y of its centre in pixels (origin\n"
                      "             top left, y down) and angle, its direction in radians, 0\n"
                      "             pointing right and growing clockwise; --electron's bearing\n"
                      "             DEG is the angle (DEG - 90) pi / 180\n"
                      "  expected   what the curves approach for electrons spread evenly over\n"
                      "             the free space, with directions spread evenly: free_area\n"
                      "             (square pixels), free_wall_length and free_boundary_length\n"
                      "             (pixels: the walls, and the walls with the atoms' arcs),\n"
                      "             probability, pressure (per unit of t), density_1 ...\n"
                      "             density_B, mean_free_path (pi times the area over the\n"
                      "             boundary); nan where no electron fits; --steps does not\n"
                      "             change it\n"
                      "  summary    probability, pressure (per unit of t, as plotted),\n"
                      "             density_1 ... density_B and mean_free_path at the end of\n"
                      "             the run, each with its\n"
                      "             standard error from the spread among the electrons (nan with\n"
                      "             fewer than two that moved) and its expected value (nan where\n"
                      "             there is none); measured and error nan without electrons;\n"
                      "             then wall_only_electrons, how many electrons that moved\n"
                      "             met no atom, only walls (error and expected value nan)\n"
                      "\n"
                      "Exit status:\n"
                      "  0  the run finished and its table was printed\n"
                      "  2  bad input: one line on stderr names the option, the value and what\n"
                      "     is accepted; nothing is run and nothing printed on stdout\n"
                      "\n"
                      "Examples:\n"
                      "  The probability and pressure series of 500 random electrons:\n"
                      "    vandrel-sim --electrons 500 --steps 2000 --output series\n"
                      "  Their density across ten strips:\n"
                      "    vandrel-sim --electrons 500 --bins 10 --output density\n"
                      "  One electron sent straight down into the wall, after one step:\n"
                      "    vandrel-sim --electron 200,395,180 --steps 1 --output positions\n"
                      "  What the curves of 500 electrons approach, in three strips:\n"
                      "    vandrel-sim --electrons 500 --output expected\n"
                      "  A measurement with exact collisions, its errors and expected values:\n"
                      "    vandrel-sim --electrons 500 --steps 40000 --motion exact --output "
                      "summary\n"
                      "  The same for a lesson saved by the program, whatever motion it chose:\n"
                      "    vandrel-sim --lesson gap.vandrel --steps 40000 --motion exact "
                      "--output summary\n");
}

// The option an argument names: "--side=5" and "-side" both name "side".
QString optionName(const QString &argument)
{
    const QString option = argument.section(QLatin1Char('='), 0, 0);
    return option.mid(option.startsWith(QLatin1String("--")) ? 2 : 1);
}

bool isOption(const QString &argument)
{
    return argument.startsWith(QLatin1Char('-'));
}

// An option as the user typed it, without any "=value".
QString asTyped(const QString &name, const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1))
        if (isOption(argument) && optionName(argument) == name)
            return argument.section(QLatin1Char('='), 0, 0);
    return QStringLiteral("--") + name;
}

// The faults Qt's parser finds: unknown options, a value given with "=" to an
// option that takes none, and a value missing after the last argument.
QString parserFault(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("unknown option '%1'; accepted: the options listed by --help")
            .arg(asTyped(unknown.first(), arguments));
    for (const QString &argument : arguments.mid(1)) {
        if (isOption(argument) && argument.contains(QLatin1Char('=')) &&
            acceptedFor(optionName(argument)).isEmpty())
            return QStringLiteral("%1: takes no value, given '%2'; accepted: %1 alone")
                .arg(argument.section(QLatin1Char('='), 0, 0), argument);
    }
    const QString name = optionName(arguments.last());
    return QStringLiteral("--%1: missing value; accepted: %2").arg(name, acceptedFor(name));
}

// Empty on success, else the error line.
QString parsePlacedElectron(const QString &value, PlacedElectron &electron)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 3)
        return rejectValue(electronOption, value, QStringLiteral("is not X,Y,DEG"), electronForm());

    const QString coordinateNames[2] = {QStringLiteral("X"), QStringLiteral("Y")};
    int *const coordinates[2] = {&electron.x, &electron.y};
    for (int i = 0; i < 2; ++i) {
        long long coordinate = 0;
        const QString problem = checkInteger(parts[i], 0, fieldLimit, coordinate);
        if (!problem.isEmpty())
            return rejectValue(
                electronOption, value,
                QStringLiteral("has %1 '%2' that %3").arg(coordinateNames[i], parts[i], problem),
                electronForm());
        *coordinates[i] = int(coordinate);
    }
    const QString problem = checkReal(parts[2], 0, maxBearing, electron.bearing);
    if (!problem.isEmpty())
        return rejectValue(electronOption, value,
                           QStringLiteral("has DEG '%1' that %2").arg(parts[2], problem),
                           electronForm());
    return {};
}

QString parseOutputKind(const QString &value, const OutputKind *&output)
{
    for (const OutputKind &kind : outputKinds) {
        if (value == QLatin1String(kind.name)) {
            output = &kind;
            return {};
        }
    }
    return rejectValue(outputOption, value, QStringLiteral("is not an output kind"),
                       outputKindNames());
}

// Empty on success, else the error line. The bin index is only kept here: it
// is checked once the bin count is known.
QString applyValue(const QString &name, const QString &value, RunOptions &options,
                   std::optional<QString> &binIndexText)
{
    for (const IntegerOption &o : integerOptions) {
        if (name != QLatin1String(o.name))
            continue;
        long long parsed = 0;
        const QString problem = checkInteger(value, o.min, o.max, parsed);
        if (!problem.isEmpty())
            return rejectValue(name, value, problem, integerRange(o.min, o.max));
        options.*o.field = int(parsed);
        return {};
    }
    for (const RealOption &o : realOptions) {
        if (name != QLatin1String(o.name))
            continue;
        const QString problem = checkReal(value, o.min, o.max, options.*o.field);
        if (!problem.isEmpty())
            return rejectValue(name, value, problem, realRange(o.min, o.max));
        return {};
    }
    if (name == electronOption) {
        PlacedElectron electron;
        const QString error = parsePlacedElectron(value, electron);
        if (error.isEmpty())
            options.placedElectrons.append(electron);
        return error;
    }
    if (name == outputOption)
        return parseOutputKind(value, options.output);
    if (name == motionOption) {
        if (value != stepwiseMotion && value != exactMotion)
            return rejectValue(name, value, QStringLiteral("is not a motion"),
                               acceptedFor(motionOption));
        options.exactCollisions = value == exactMotion;
        return {};
    }
    if (name == binIndexOption)
        binIndexText = value;
    return {};
}

// Empty on success, else the error line naming the file and the field.
QString takeLesson(const QString &fileName, RunOptions &options)
{
    QString problem;
    const std::optional<Lesson> lesson = Lesson::read(fileName, &problem);
    if (!lesson)
        return QStringLiteral("--%1 %2: %3").arg(lessonOption, fileName, problem);
    options.side = lesson->side;
    options.atomRadius = lesson->atomRadius;
    options.electronRadius = lesson->electronRadius;
    options.speed = lesson->speed;
    options.exactCollisions = lesson->exactCollisions;
    options.bins = lesson->bins;
    options.binIndex = lesson->selectedBin;
    options.lessonElectrons = lesson->electrons;
    return {};
}
} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine result;
    const auto finish = [&result](CommandLine::Action action, const QString &message) {
        result.action = action;
        result.message = message;
        return result;
    };

    QCommandLineParser parser;
    declareOptions(parser);
    if (!parser.parse(arguments))
        return finish(CommandLine::Action::Reject, parserFault(parser, arguments));
    if (!parser.positionalArguments().isEmpty())
        return finish(CommandLine::Action::Reject,
                      QStringLiteral("unexpected argument '%1'; accepted: the options listed by "
                                     "--help")
                          .arg(parser.positionalArguments().first()));
    if (parser.isSet(helpOption))
        return finish(CommandLine::Action::ShowText, helpText(parser));
    if (parser.isSet(versionOption))
        return finish(CommandLine::Action::ShowText,
                      QStringLiteral("vandrel-sim " VANDREL_VERSION "\n"));

    if (parser.isSet(lessonOption)) {
        const QString error = takeLesson(parser.value(lessonOption), result.options);
        if (!error.isEmpty())
            return finish(CommandLine::Action::Reject, error);
    }
    // Qt keeps each option's values apart; walking the names in the order
    // they were given finds the leftmost bad value.
    QHash<QString, int> valuesSeen;
    std::optional<QString> binIndexText;
    for (const QString &name : parser.optionNames()) {
        const QString value = parser.values(name).value(valuesSeen[name]++);
        const QString error = applyValue(name, value, result.options, binIndexText);
        if (!error.isEmpty())
            return finish(CommandLine::Action::Reject, error);
    }

    if (binIndexText) {
        const int bins = result.options.bins;
        long long index = 0;
        const QString problem = checkInteger(*binIndexText, 1, bins, index);
        if (!problem.isEmpty())
            return finish(CommandLine::Action::Reject,
                          rejectValue(binIndexOption, *binIndexText, problem,
                                      integerRange(1, bins) + QStringLiteral(" (the bin count)")));
        result.options.binIndex = int(index);
    } else {
        // Fewer strips than a lesson's selected one: the last, as the form does.
        result.options.binIndex = std::min(result.options.binIndex, result.options.bins);
    }
    if (parser.isSet(QStringLiteral("electrons")))
        result.options.lessonElectrons.clear();
    return result;
}
