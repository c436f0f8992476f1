#include <QProcess>
#include <QtTest>

class TestVandrelSim : public QObject
{
    Q_OBJECT
    int status = -1; // -1 when the program crashed or hung
    QByteArray out, err;
    void runSim(const QStringList &arguments)
    {
        QProcess process;
        process.start(VANDREL_SIM, arguments);
        const bool ended = process.waitForFinished(60000);
        status = ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        out = process.readAllStandardOutput();
        err = process.readAllStandardError();
    }
private slots:
    void statusAndOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected"); // the exact stdout, or the words stderr names
        const auto row = [](const char *name, const QStringList &args, const char *expected) {
            QTest::newRow(name) << args << QByteArray(expected);
        };
        row("unknown option", {"--sides", "50"}, "--sides");
        row("missing value", {"--steps", "1", "--side"}, "--side");
        row("trailing garbage", {"--side", "12abc"}, "--side 12abc");
        row("below range", {"--side", "4"}, "--side 4");
        row("above range", {"--speed", "1000.5"}, "--speed 1000.5");
        row("bin index above the bins", {"--bin-index", "5", "--bins", "4"}, "--bin-index 5");
        row("electron of two fields", {"--electron", "200,395"}, "--electron 200,395");
        row("electron bearing garbage", {"--electron", "10,10,9x"}, "--electron 9x");
        row("bad output", {"--output", "table"}, "--output table");
        row("nan", {"--atom-radius", "nan"}, "--atom-radius nan");
        // Straight down from (200, 395) with r = 2, s = 5: y = 2 * (400 - 2) - 400, depth 2.
        const QStringList wall{"--steps",           "1", "--side",     "400",
                               "--electron-radius", "2", "--electron", "200,395,180"};
        row("wall positions", wall + QStringList{"--output", "positions"},
            "x,y,angle\n200,396,4.7123889803846897\n");
        row("wall series", wall, "t,probability,pressure\n0.050000000000000003,0,2\n");
        row("no electrons: 0 / 0", {"--steps", "1", "--bins", "2", "--output", "density"},
            "bin,density\n1,nan\n2,nan\n");
    }
    // Bad input (exit 2) never runs nor falls back to a default: no stdout, one stderr line.
    void statusAndOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        runSim(arguments);
        const bool good = !expected.startsWith("--");
        QCOMPARE(status, good ? 0 : 2);
        QCOMPARE(out, good ? expected : QByteArray());
        QVERIFY2(good ? err.isEmpty() : err.count('\n') == 1 && err.endsWith('\n'), err);
        for (const QByteArray &word : expected.split(' '))
            QVERIFY2(good || err.contains(word), err);
    }
    void seriesRowsDensityAndHelp()
    {
        runSim({"--steps", "10", "--electrons", "3"}); // samples at steps 1, 5, 6, ..., 10
        QCOMPARE(out.count('\n'), 1 + 7);
        runSim({"--electrons", "200", "--steps", "40", "--bins", "7", "--output", "density"});
        const QList<QByteArray> lines = out.trimmed().split('\n');
        QCOMPARE(lines.size(), 1 + 7);
        double sum = 0;
        for (int j = 1; j <= 7; ++j)
            sum += lines[j].split(',').value(1).toDouble();
        QCOMPARE(sum, 1.0);
        runSim({"--help"});
        QCOMPARE(status, 0);
        QVERIFY(out.contains("--electron-radius") && err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVandrelSim)
#include "tst_vandrelsim.moc"
