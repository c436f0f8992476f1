#include "run_options.h"

#include "strict_number.h"

#include <QCommandLineParser>
#include <QHash>

#include <algorithm>
#include <optional>

namespace {
// The options of a run beside the settings.
struct RunInteger
{
    const char *name;
    const char *valueName;
    const char *meaning;
    long long min;
    long long max;
    int RunOptions::*field;
};

const RunInteger runIntegers[] = {
    {"steps", "M", "steps of 50 ms", 0, 100000000, &RunOptions::steps},
    {"seed", "S",
     "start of the random placement and directions; 1 gives the program's own electrons", 0,
     2147483647, &RunOptions::seed},
    {"reverse-after", "M",
     "steps before every electron's direction is reversed, then as many again (in place of "
     "--steps)",
     1, 50000000, &RunOptions::reverseAfter},
};

// The options whose values have a form of their own.
const QString electronOption = QStringLiteral("electron");
const QString outputOption = QStringLiteral("output");
const QString lessonOption = QStringLiteral("lesson");
const QString varyOption = QStringLiteral("vary");
const QString jobsOption = QStringLiteral("jobs");
const QString fillStripOption = QStringLiteral("fill-strip");

constexpr int fieldLimit = GasModel::fieldSize - 1; // the last whole pixel
constexpr double maxBearing = 360;
constexpr int maxJobs = 1024;

const SettingDefinition *settingOption(const QString &name)
{
    for (const SettingDefinition &setting : settingTable()) {
        if (setting.option && name == QLatin1String(setting.option))
            return &setting;
    }
    return nullptr;
}

const RunInteger *runInteger(const QString &name)
{
    for (const RunInteger &option : runIntegers) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

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

QString choiceNames(const SettingDefinition &setting)
{
    return QStringLiteral("%1 or %2")
        .arg(QLatin1String(setting.choices[0]), QLatin1String(setting.choices[1]));
}

QString settingRange(const SettingDefinition &setting)
{
    if (setting.choices)
        return choiceNames(setting);
    if (setting.whole)
        return integerRange((long long)setting.minimum, (long long)setting.runnerMaximum);
    return realRange(setting.minimum, setting.runnerMaximum);
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

// The options --vary takes: those of one value of their own.
bool isVariable(const QString &name)
{
    return settingOption(name) || runInteger(name);
}

QString variableNames()
{
    QStringList names;
    for (const SettingDefinition &setting : settingTable()) {
        if (setting.option)
            names << QString::fromLatin1(setting.option);
    }
    for (const RunInteger &option : runIntegers)
        names << QString::fromLatin1(option.name);
    return names.join(QStringLiteral(", "));
}

QString varyForm()
{
    return QStringLiteral("NAME=V1,V2,... with NAME one of %1").arg(variableNames());
}

// What a value-taking option accepts, for the error line; empty for options
// that take no value.
QString acceptedFor(const QString &name)
{
    if (const SettingDefinition *setting = settingOption(name))
        return settingRange(*setting) + (setting->key == SettingKey::SelectedStrip
                                             ? QStringLiteral(", at most the bin count")
                                             : QString());
    if (const RunInteger *option = runInteger(name))
        return integerRange(option->min, option->max);
    if (name == electronOption)
        return electronForm();
    if (name == outputOption)
        return outputKindNames();
    if (name == lessonOption)
        return QStringLiteral("a lesson file saved by the program");
    if (name == varyOption)
        return varyForm();
    if (name == jobsOption)
        return integerRange(1, maxJobs);
    return {};
}

QString rejectValue(const QString &name, const QString &value, const QString &problem,
                    const QString &accepted)
{
    return QStringLiteral("--%1: value '%2' %3; accepted: %4").arg(name, value, problem, accepted);
}

QString describe(const QString &meaning, const QString &range, const QString &defaultValue)
{
    return QStringLiteral("%1, %2 (default: %3)").arg(meaning, range, defaultValue);
}

QString outputDescription()
{
    QStringList kinds;
    // A header too long for a line is told below.
    constexpr int longestHeaderShown = 60;
    for (const OutputKind &kind : outputKinds) {
        const QString header = QString::fromStdString(kind.header());
        kinds << QStringLiteral("%1 (%2)").arg(
            QLatin1String(kind.name),
            header.size() > longestHeaderShown ? QStringLiteral("its columns below") : header);
    }
    const QString last = kinds.takeLast();
    return QStringLiteral("the table to print: %1 or %2 (default: %3)")
        .arg(kinds.join(QStringLiteral(", ")), last, QLatin1String(outputKinds[0].name));
}

QString settingDescription(const SettingDefinition &setting)
{
    if (setting.key == SettingKey::Motion)
        return QStringLiteral(
                   "how a step moves the electrons: %1 (to the end of the step, then mirrored in "
                   "the walls crossed and bounced off at most one atom near the end point, as the "
                   "program does by default) or %2 (along the true path, every wall and atom met "
                   "in turn, as with the program's Exact collisions box) (default: %1)")
            .arg(QLatin1String(setting.choices[0]), QLatin1String(setting.choices[1]));
    const QString meaning =
        *setting.unit ? QStringLiteral("%1 in %2")
                            .arg(QLatin1String(setting.meaning), QLatin1String(setting.unit))
                      : QLatin1String(setting.meaning);
    const QString maximum =
        setting.key == SettingKey::SelectedStrip
            ? QStringLiteral("B")
            : QString::number(setting.runnerMaximum, 'f', setting.whole ? 0 : -1);
    return describe(meaning, QStringLiteral("%1 ... %2").arg(shortest(setting.minimum), maximum),
                    shortest(setting.defaultValue));
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

    for (const SettingDefinition &setting : settingTable()) {
        if (setting.option)
            parser.addOption({QLatin1String(setting.option), settingDescription(setting),
                              QLatin1String(setting.valueName)});
    }
    const RunOptions defaults;
    for (const RunInteger &o : runIntegers) {
        const QString range = QStringLiteral("%1 ... %2").arg(o.min).arg(o.max);
        const int byDefault = defaults.*o.field;
        parser.addOption(
            {QLatin1String(o.name),
             describe(QLatin1String(o.meaning), range,
                      byDefault < o.min ? QStringLiteral("none") : QString::number(byDefault)),
             QLatin1String(o.valueName)});
    }
    parser.addOption({fillStripOption,
                      QStringLiteral("place the random electrons in the selected strip only, at "
                                     "free spots, as the program's Fill the selected strip "
                                     "button does")});
    parser.addOption(
        {electronOption,
         QStringLiteral("one more electron at (X, Y), X and Y 0 ... %1, moving on bearing DEG, "
                        "degrees clockwise from up, 0 ... %2; repeatable, added after the "
                        "random ones")
             .arg(fieldLimit)
             .arg(maxBearing),
         QStringLiteral("X,Y,DEG")});
    parser.addOption(
        {lessonOption,
         QStringLiteral("take the settings and the electrons from a lesson saved by the program "
                        "(*.vandrel); the options given as well override it, and --electrons N "
                        "puts N random electrons in place of its own"),
         QStringLiteral("FILE")});
    parser.addOption(
        {varyOption,
         QStringLiteral("one run for each value V1, V2, ... of the option NAME (%1), the other "
                        "options as given; repeated, one run for each combination of the values, "
                        "the first option's varying slowest; at most %2 runs, a row each: with "
                        "--output results or reversal")
             .arg(variableNames())
             .arg(maxRuns),
         QStringLiteral("NAME=V1,V2,...")});
    parser.addOption({jobsOption,
                      QStringLiteral("runs made at once, 1 ... %1 (default: the machine's cores); "
                                     "the output is the same whatever the number")
                          .arg(maxJobs),
                      QStringLiteral("J")});
    parser.addOption({outputOption, outputDescription(), QStringLiteral("KIND")});
    parser.addOption(helpOption);
    parser.addOption(versionOption);
}

QString helpText(const QCommandLineParser &parser)
{
    // The runner has no QCoreApplication, so Qt cannot name the program itself.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("vandrel-sim"));
    return text +
           QStringLiteral(
               "\n"
               "Output: CSV on stdout, a header line naming the columns first.\n"
               "  series     a row per sample: t, the model time (the path each electron\n"
               "             has flown, in pixels, divided by 100); probability, the\n"
               "             share of that time the electrons spent in the selected\n"
               "             strip; pressure, the running total of the depths (pixels)\n"
               "             by which electrons overshot the walls, which the program\n"
               "             plots divided by t; mean_free_path, the path flown per\n"
               "             contact with a wall or an atom (pixels, nan before the\n"
               "             first); entropy, that of the electrons' places over the\n"
               "             strips against the free space's, at that moment (0 where they\n"
               "             are spread as the free space is, below 0 elsewhere)\n"
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
               "             boundary), entropy (of electrons placed independently over the\n"
               "             free space); nan where no electron fits; --steps does not\n"
               "             change it\n"
               "  summary    probability, pressure (per unit of t, as plotted),\n"
               "             density_1 ... density_B, mean_free_path and entropy at the end\n"
               "             of the run, each with its standard error from the spread\n"
               "             among the electrons (nan with fewer than two that moved; for\n"
               "             the entropy, a value of one moment, its spread at equilibrium)\n"
               "             and its expected value (nan where there is none); measured\n"
               "             and error nan without electrons; then wall_only_electrons, how\n"
               "             many electrons that moved met no atom, only walls (error and\n"
               "             expected value nan)\n"
               "  (series and density end at the 100000th sample, where the program stops\n"
               "  recording, after about 83 minutes of its time; stderr then says so)\n"
               "  results    a row per run, as the program's results table: the settings\n"
               "             side,atom_radius,electron_radius,speed,electrons,bins,\n"
               "             bin_index,motion; seed,steps,reverse_after (the steps before a\n"
               "             reversal); T and moved_electrons (those that moved); then for\n"
               "             each quantity q of the summary q,q_error,q_expected (density:\n"
               "             the selected strip's share; entropy: its spread at equilibrium)\n"
               "  reversal   a row per run of --reverse-after: the electrons, how many\n"
               "             are back within 1e-6 pixels of where they started, the\n"
               "             median and the largest distance from there\n"
               "\n"
               "Exit status:\n"
               "  0    the run finished and all of its table was written\n"
               "  1    the output could not be written (a full disk, a closed stdout):\n"
               "       one line on stderr says why\n"
               "  2    bad input: one line on stderr names the option, the value and what\n"
               "       is accepted; nothing is run and nothing printed on stdout\n"
               "  130  interrupted by SIGINT (Ctrl+C), 143 by SIGTERM: the progress line\n"
               "       is cleared and the run ends by the signal, 128 + its number\n"
               "  141  the reader of the output went away, as with | head: the run ends\n"
               "       by SIGPIPE without a word, as other command-line tools do\n"
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
               "--output summary\n"
               "  How the way back fails with the way out, the rate of chaos:\n"
               "    vandrel-sim --electrons 200 --motion exact --vary "
               "reverse-after=10,20,40,80,160,320 --output reversal\n"
               "  The pressure against the spacing, four runs on every core:\n"
               "    vandrel-sim --vary side=30,40,50,60 --motion exact --electrons 300 "
               "--steps 6000 --output results\n");
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

// Empty on success, else the error line. The selected strip is checked against the strips once
// they are known.
QString parseSetting(const SettingDefinition &setting, const QString &value, GasSettings &settings)
{
    const QString name = QLatin1String(setting.option);
    if (setting.choices) {
        for (int choice = 0; choice < 2; ++choice) {
            if (value == QLatin1String(setting.choices[choice])) {
                settings.setValue(setting.key, choice);
                return {};
            }
        }
        return rejectValue(name, value, QStringLiteral("is not a motion"), choiceNames(setting));
    }
    if (setting.whole) {
        long long parsed = 0;
        const QString problem = checkInteger(value, (long long)setting.minimum,
                                             (long long)setting.runnerMaximum, parsed);
        if (!problem.isEmpty())
            return rejectValue(name, value, problem, acceptedFor(name));
        settings.setValue(setting.key, double(parsed));
        return {};
    }
    double parsed = 0;
    const QString problem = checkReal(value, setting.minimum, setting.runnerMaximum, parsed);
    if (!problem.isEmpty())
        return rejectValue(name, value, problem, acceptedFor(name));
    settings.setValue(setting.key, parsed);
    return {};
}

// One option's value onto the options of a run: empty on success, else the error line.
QString applyValue(const QString &name, const QString &value, RunOptions &options)
{
    if (const SettingDefinition *setting = settingOption(name))
        return parseSetting(*setting, value, options.settings);
    if (const RunInteger *option = runInteger(name)) {
        long long parsed = 0;
        const QString problem = checkInteger(value, option->min, option->max, parsed);
        if (!problem.isEmpty())
            return rejectValue(name, value, problem, integerRange(option->min, option->max));
        options.*option->field = int(parsed);
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
    return {};
}

// Empty on success, else the error line naming the file and the field.
QString takeLesson(const QString &fileName, RunOptions &options)
{
    QString problem;
    const std::optional<Lesson> lesson = Lesson::read(fileName, &problem);
    if (!lesson)
        return QStringLiteral("--%1 %2: %3").arg(lessonOption, fileName, problem);
    // Its electrons are its own, not random ones.
    options.settings = lesson->settings;
    options.settings.setValue(SettingKey::Electrons, 0);
    options.lessonElectrons = lesson->electrons;
    return {};
}

// A setting to vary and its values.
struct Variation
{
    QString name;
    QStringList values;
};

// Empty on success, else the error line; every value is checked here, alone.
QString parseVariation(const QString &text, const RunOptions &base, Variation &variation)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    variation.name = text.left(equals);
    if (equals < 0 || !isVariable(variation.name))
        return rejectValue(varyOption, text, QStringLiteral("does not name an option to vary"),
                           varyForm());
    variation.values = text.mid(equals + 1).split(QLatin1Char(','));
    for (const QString &value : variation.values) {
        RunOptions scratch = base;
        const QString error = applyValue(variation.name, value, scratch);
        if (!error.isEmpty())
            return QStringLiteral("--%1 %2: %3").arg(varyOption, text, error);
    }
    return {};
}

// The selected strip as given must lie within the strips; one a lesson brought becomes the last
// strip where there are fewer, as the form does.
QString settleSelectedStrip(RunOptions &options, bool given, const QString &context)
{
    GasSettings &settings = options.settings;
    const int strips = settings.strips();
    if (!given) {
        settings.setValue(SettingKey::SelectedStrip, std::min(settings.selectedStrip(), strips));
        return {};
    }
    if (settings.selectedStrip() <= strips)
        return {};
    const QString name = QLatin1String(definitionOf(SettingKey::SelectedStrip).option);
    return context + rejectValue(name, QString::number(settings.selectedStrip()),
                                 QStringLiteral("is out of range"),
                                 integerRange(1, strips) + QStringLiteral(" (the bin count)"));
}
} // namespace

CommandLine parseCommandLine(const QStringList &arguments, int machineCores)
{
    CommandLine result;
    const auto finish = [&result](CommandLine::Action action, const QString &message) {
        result.action = action;
        result.message = message;
        result.runs.clear();
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

    RunOptions base;
    if (parser.isSet(lessonOption)) {
        const QString error = takeLesson(parser.value(lessonOption), base);
        if (!error.isEmpty())
            return finish(CommandLine::Action::Reject, error);
    }
    // Qt keeps each option's values apart; walking the names in the order
    // they were given finds the leftmost bad value.
    const QString selectedStripOption =
        QLatin1String(definitionOf(SettingKey::SelectedStrip).option);
    QHash<QString, int> valuesSeen;
    QVector<Variation> variations;
    result.jobs = std::clamp(machineCores, 1, maxJobs);
    for (const QString &name : parser.optionNames()) {
        const QString value = parser.values(name).value(valuesSeen[name]++);
        QString error;
        if (name == varyOption) {
            Variation variation;
            error = parseVariation(value, base, variation);
            variations.append(variation);
        } else if (name == jobsOption) {
            long long jobs = 0;
            const QString problem = checkInteger(value, 1, maxJobs, jobs);
            if (!problem.isEmpty())
                error = rejectValue(name, value, problem, integerRange(1, maxJobs));
            result.jobs = int(jobs);
        } else {
            error = applyValue(name, value, base);
        }
        if (!error.isEmpty())
            return finish(CommandLine::Action::Reject, error);
    }
    if (parser.isSet(QStringLiteral("electrons")))
        base.lessonElectrons.clear();
    base.fillStrip = parser.isSet(fillStripOption);
    const auto given = [&](const QString &name) {
        return parser.isSet(name) ||
               std::any_of(variations.begin(), variations.end(),
                           [&](const Variation &v) { return v.name == name; });
    };
    const QString reverseOption = QStringLiteral("reverse-after");
    if (given(reverseOption) && given(QStringLiteral("steps")))
        return finish(CommandLine::Action::Reject,
                      QStringLiteral("--steps: not with --%1, which makes twice its steps; "
                                     "accepted: one of them")
                          .arg(reverseOption));
    if (base.output->needsReversal && !given(reverseOption))
        return finish(CommandLine::Action::Reject,
                      QStringLiteral("--%1 %2: tells what a reversal brought back; accepted: "
                                     "with --%3")
                          .arg(outputOption, QLatin1String(base.output->name), reverseOption));

    qint64 runCount = 1;
    for (const Variation &variation : variations) {
        runCount *= variation.values.size();
        if (runCount > maxRuns)
            return finish(CommandLine::Action::Reject,
                          QStringLiteral("--%1: more than %2 runs; accepted: at most %2 runs")
                              .arg(varyOption)
                              .arg(maxRuns));
    }
    if (!variations.isEmpty() && !base.output->rowPerRun)
        return finish(CommandLine::Action::Reject,
                      QStringLiteral("--%1: prints one row per run; accepted: with --%2 results "
                                     "or reversal")
                          .arg(varyOption, outputOption));

    const bool selectedStripGiven = given(selectedStripOption);
    for (qint64 run = 0; run < runCount; ++run) {
        RunOptions options = base;
        QString context;
        // The last variation varies fastest.
        qint64 rest = run;
        for (auto variation = variations.rbegin(); variation != variations.rend(); ++variation) {
            const QString &value = variation->values.at(rest % variation->values.size());
            rest /= variation->values.size();
            applyValue(variation->name, value, options);
            context += QStringLiteral("--%1 %2=%3: ").arg(varyOption, variation->name, value);
        }
        const QString error = settleSelectedStrip(options, selectedStripGiven, context);
        if (!error.isEmpty())
            return finish(CommandLine::Action::Reject, error);
        result.runs.append(options);
    }
    return result;
}
