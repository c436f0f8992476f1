#include "run_options.h"

#include <QtTest>

// What a run's option holds, by the option's name, as the command line writes it.
static QString valueOf(const RunOptions &run, const QString &name)
{
    for (const SettingDefinition &setting : settingTable()) {
        if (!setting.option || name != QLatin1String(setting.option))
            continue;
        const double value = run.settings.value(setting.key);
        return setting.choices ? QLatin1String(setting.choices[int(value)])
                               : QString::number(value);
    }
    if (name == "steps")
        return QString::number(run.steps);
    if (name == "seed")
        return QString::number(run.seed);
    if (name == "output")
        return QLatin1String(run.output->name);
    if (name == "placed")
        return QString::number(run.placedElectrons.size());
    return "?";
}

class RunOptionsTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("arguments");
        // Bad input: the words that the error line must hold, the option first. Else each run's
        // options as NAME=VALUE, the runs apart by " | ".
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &arguments, const char *expected) {
            QTest::newRow(name) << arguments << expected;
        };
        row("defaults", "",
            "side=50 atom-radius=10 electron-radius=4 speed=100 electrons=0 bins=3 bin-index=1 "
            "motion=stepwise steps=100 seed=1 output=series");
        row("unknown option", "--sides 50", "--sides");
        row("missing value", "--steps 1 --side", "--side");
        row("trailing garbage", "--side 12abc", "--side 12abc");
        row("a newline after the number", "--side 12\n", "--side 12");
        row("out of range", "--speed 1000.5", "--speed 1000.5");
        row("nan", "--atom-radius nan", "--atom-radius nan");
        row("bin index above the bins", "--bin-index 5 --bins 4", "--bin-index 5 1 to 4");
        row("bearing garbage", "--electron 10,10,9x", "--electron 9x");
        row("value to a switch", "--help=full", "--help");
        row("unknown motion", "--motion smooth", "--motion smooth");
        // The last of a repeated option wins, each --electron adds one.
        row("repeated options",
            "--steps 0 --output density --output positions --electron 10,20,90 --electron 30,40,0",
            "steps=0 output=positions placed=2");
        // The product of the values, the first option's slowest, the rest as given; a strip
        // selected beyond the strips of one of them is refused for it.
        row("vary", "--vary side=30,40 --vary electrons=1,2 --speed 7 --output results",
            "side=30 electrons=1 speed=7 | side=30 electrons=2 | side=40 electrons=1 | "
            "side=40 electrons=2");
        row("vary over an option given", "--side 20 --vary side=30 --output results", "side=30");
        row("vary the strips below the one selected",
            "--bin-index 3 --vary bins=4,2 --output results", "--vary bins=2 --bin-index 3");
        row("vary a bad value", "--vary speed=1,0 --output results", "--vary speed=1,0 --speed 0");
        row("vary no option", "--vary output=series", "--vary output=series");
        row("vary into a long table", "--vary side=30,40", "--vary --output results");
        row("too many runs", "--vary seed=" + QString("1,").repeated(10000) + "1 --output results",
            "--vary at most 10000 runs");
        row("jobs", "--jobs 0", "--jobs 0");
        row("reversal with steps", "--vary reverse-after=1,2 --steps 9 --output results",
            "--steps --reverse-after");
        row("a reversal told without one", "--output reversal",
            "--output reversal --reverse-after");
    }
    void parse()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, expected);
        const CommandLine parsed =
            parseCommandLine(QStringList("vandrel-sim") + arguments.split(' ', Qt::SkipEmptyParts));
        if (expected.startsWith("--")) {
            QCOMPARE(parsed.action, CommandLine::Action::Reject);
            for (const QString &word : expected.split(' '))
                QVERIFY2(parsed.message.contains(word), qPrintable(parsed.message));
            return;
        }
        QCOMPARE(parsed.action, CommandLine::Action::Run);
        const QStringList runs = expected.split(" | ");
        QCOMPARE(parsed.runs.size(), runs.size());
        for (int i = 0; i < runs.size(); ++i) {
            for (const QString &pair : runs[i].split(' ')) {
                const QString name = pair.section('=', 0, 0);
                QCOMPARE(name + '=' + valueOf(parsed.runs[i], name), pair);
            }
        }
    }
};

QTEST_APPLESS_MAIN(RunOptionsTest)
#include "tst_runoptions.moc"
