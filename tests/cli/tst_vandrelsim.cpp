#include <QProcess>
#include <QtTest>

namespace {
struct Outcome
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Outcome runSim(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(VANDREL_SIM), arguments);
    Outcome outcome;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return outcome;
    outcome.exitCode = process.exitCode();
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    return outcome;
}

QList<QByteArray> rows(const QByteArray &csv)
{
    QList<QByteArray> lines = csv.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

class TestVandrelSim : public QObject
{
    Q_OBJECT

private slots:
    void rejectsBadInput_data();
    void rejectsBadInput();
    void printsExactResults_data();
    void printsExactResults();
    void samplesOnTheModelClock();
    void densityCoversAllStripsReproducibly();
    void helpGoesToStdout();
};

void TestVandrelSim::rejectsBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("range");

    const QString sides = "5 to 400";
    QTest::newRow("unknown option") << QStringList{"--sides", "50"} << "--sides"
                                    << ""
                                    << "";
    QTest::newRow("stray word") << QStringList{"density"} << "density"
                                << ""
                                << "";
    QTest::newRow("missing value") << QStringList{"--steps", "1", "--side"} << "--side"
                                   << "" << sides;
    QTest::newRow("trailing garbage") << QStringList{"--side", "12abc"} << "--side"
                                      << "12abc" << sides;
    QTest::newRow("empty value") << QStringList{"--side", ""} << "--side"
                                 << "''" << sides;
    QTest::newRow("real for integer") << QStringList{"--side", "50.0"} << "--side"
                                      << "50.0" << sides;
    QTest::newRow("below range") << QStringList{"--side", "4"} << "--side"
                                 << "4" << sides;
    QTest::newRow("above range") << QStringList{"--side", "401"} << "--side"
                                 << "401" << sides;
    QTest::newRow("negative electrons") << QStringList{"--electrons", "-1"} << "--electrons"
                                        << "-1"
                                        << "0 to 1000000";
    QTest::newRow("too many steps") << QStringList{"--steps", "100000001"} << "--steps"
                                    << "100000001"
                                    << "0 to 100000000";
    QTest::newRow("integer overflow") << QStringList{"--steps", "99999999999999999999"} << "--steps"
                                      << "99999999999999999999"
                                      << "0 to 100000000";
    QTest::newRow("speed below") << QStringList{"--speed", "0.09"} << "--speed"
                                 << "0.09"
                                 << "0.1 to 1000";
    QTest::newRow("speed above") << QStringList{"--speed", "1000.5"} << "--speed"
                                 << "1000.5"
                                 << "0.1 to 1000";
    QTest::newRow("nan radius") << QStringList{"--atom-radius", "nan"} << "--atom-radius"
                                << "nan"
                                << "0.1 to 400";
    QTest::newRow("infinite radius")
        << QStringList{"--electron-radius", "inf"} << "--electron-radius"
        << "inf"
        << "0.1 to 400";
    QTest::newRow("bins zero") << QStringList{"--bins", "0"} << "--bins"
                               << "0"
                               << "1 to 100";
    QTest::newRow("bin index above bins")
        << QStringList{"--bin-index", "5", "--bins", "4"} << "--bin-index"
        << "5"
        << "1 to 4";
    QTest::newRow("bin index empty")
        << QStringList{"--bin-index", "2", "--bin-index", ""} << "--bin-index"
        << "''"
        << "1 to 3";
    QTest::newRow("bin index zero") << QStringList{"--bin-index", "0"} << "--bin-index"
                                    << "0"
                                    << "1 to 3";
    const QString placement = "0 to 399";
    QTest::newRow("electron two fields") << QStringList{"--electron", "200,395"} << "--electron"
                                         << "200,395" << placement;
    QTest::newRow("electron x outside") << QStringList{"--electron", "400,10,0"} << "--electron"
                                        << "400,10,0" << placement;
    QTest::newRow("electron bearing outside")
        << QStringList{"--electron", "10,10,361"} << "--electron"
        << "10,10,361"
        << "0 to 360";
    QTest::newRow("electron bearing garbage")
        << QStringList{"--electron", "10,10,9x"} << "--electron"
        << "10,10,9x"
        << "0 to 360";
    QTest::newRow("bad output") << QStringList{"--output", "table"} << "--output"
                                << "table"
                                << "series, density or positions";
}

// Bad input must never run, crash or fall back to a default: one stderr line
// naming what was wrong, status 2, nothing on stdout.
void TestVandrelSim::rejectsBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, option);
    QFETCH(QString, value);
    QFETCH(QString, range);

    const Outcome outcome = runSim(arguments);
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QByteArray());
    QCOMPARE(outcome.err.count('\n'), 1);
    QVERIFY(outcome.err.endsWith('\n'));
    const QString line = QString::fromUtf8(outcome.err);
    QVERIFY2(line.contains(option), qPrintable(line));
    QVERIFY2(line.contains(value), qPrintable(line));
    QVERIFY2(line.contains(range), qPrintable(line));
}

void TestVandrelSim::printsExactResults_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("expected");

    // With spacing 400 the nodes sit at 25 + 400k, far from (200, 396). The
    // electron heads straight down, overshoots the bottom by 2 and is mirrored
    // to 2 * (400 - 2) - 400 = 396 with angle 2pi - pi/2.
    const QStringList wall{"--steps",           "1", "--side",     "400",
                           "--electron-radius", "2", "--electron", "200,395,180"};
    QTest::newRow("wall positions") << (wall + QStringList{"--output", "positions"})
                                    << QByteArray("x,y,angle\n200,396,4.7123889803846897\n");
    // The pressure column is the raw depth sum; strip 1 of 3 never sees x = 200.
    QTest::newRow("wall series") << wall
                                 << QByteArray("t,probability,pressure\n"
                                               "0.050000000000000003,0,2\n");
    // The same move lies wholly in strip 2, so all the time counts there.
    QTest::newRow("selected strip") << (wall + QStringList{"--bin-index", "2"})
                                    << QByteArray("t,probability,pressure\n"
                                                  "0.050000000000000003,1,2\n");
    QTest::newRow("no steps") << QStringList{"--steps", "0", "--bins", "2", "--output", "density"}
                              << QByteArray("bin,density\n1,0\n2,0\n");
    // No electrons: the normalisation divides 0 by 0.
    QTest::newRow("no electrons") << QStringList{"--steps", "1",        "--bins",
                                                 "2",       "--output", "density"}
                                  << QByteArray("bin,density\n1,nan\n2,nan\n");
    QTest::newRow("no positions") << QStringList{"--output", "positions"}
                                  << QByteArray("x,y,angle\n");
}

void TestVandrelSim::printsExactResults()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, expected);

    const Outcome outcome = runSim(arguments);
    QCOMPARE(outcome.err, QByteArray());
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, expected);
}

// At 5 pixels a step the samples come at steps 1, 5, 6, 7, ...: seven in ten.
void TestVandrelSim::samplesOnTheModelClock()
{
    const Outcome outcome = runSim({"--steps", "10", "--electrons", "3"});
    QCOMPARE(outcome.exitCode, 0);
    const QList<QByteArray> lines = rows(outcome.out);
    QCOMPARE(lines.size(), 1 + 7);
    QCOMPARE(lines.first(), QByteArray("t,probability,pressure"));
    const int sampledSteps[7] = {1, 5, 6, 7, 8, 9, 10};
    double lastPressure = 0;
    for (int i = 0; i < 7; ++i) {
        const QList<QByteArray> fields = lines[i + 1].split(',');
        QCOMPARE(fields.size(), 3);
        QCOMPARE(fields[0].toDouble(), sampledSteps[i] * 5.0 / 100);
        const double pressure = fields[2].toDouble();
        QVERIFY(pressure >= lastPressure);
        lastPressure = pressure;
    }
}

void TestVandrelSim::densityCoversAllStripsReproducibly()
{
    const QStringList arguments{"--electrons", "200", "--steps",  "40",
                                "--bins",      "7",   "--output", "density"};
    const Outcome first = runSim(arguments);
    QCOMPARE(first.exitCode, 0);
    const QList<QByteArray> lines = rows(first.out);
    QCOMPARE(lines.size(), 1 + 7);
    QCOMPARE(lines.first(), QByteArray("bin,density"));
    double sum = 0;
    for (int j = 1; j <= 7; ++j) {
        const QList<QByteArray> fields = lines[j].split(',');
        QCOMPARE(fields.value(0).toInt(), j);
        const double density = fields.value(1).toDouble();
        QVERIFY(density > 0 && density < 1);
        sum += density;
    }
    QCOMPARE(sum, 1.0);
    // The random draws are never seeded: the same command gives the same gas.
    QCOMPARE(runSim(arguments).out, first.out);
}

void TestVandrelSim::helpGoesToStdout()
{
    const Outcome outcome = runSim({"--help"});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.err, QByteArray());
    for (const char *option :
         {"--electrons", "--electron ", "--side", "--atom-radius", "--electron-radius", "--speed",
          "--bins", "--bin-index", "--steps", "--output"})
        QVERIFY2(outcome.out.contains(option), option);
}

QTEST_GUILESS_MAIN(TestVandrelSim)
#include "tst_vandrelsim.moc"
