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
        process.start(QStringLiteral(VANDREL_SIM), arguments);
        status = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
                     ? process.exitCode()
                     : -1;
        out = process.readAllStandardOutput();
        err = process.readAllStandardError();
    }

private slots:
    void statusAndOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("expectedStatus");
        QTest::addColumn<QByteArray>("expected"); // the exact stdout, or the words stderr names
        const auto row = [](const char *name, const QStringList &args, int status,
                            const char *out) {
            QTest::newRow(name) << args << status << QByteArray(out);
        };
        row("unknown option", {"--sides", "50"}, 2, "--sides");
        row("missing value", {"--steps", "1", "--side"}, 2, "--side");
        row("trailing garbage", {"--side", "12abc"}, 2, "--side 12abc");
        row("below range", {"--side", "4"}, 2, "--side 4");
        row("above range", {"--speed", "1000.5"}, 2, "--speed 1000.5");
        row("bin index above the bins", {"--bin-index", "5", "--bins", "4"}, 2, "--bin-index 5");
        row("electron of two fields", {"--electron", "200,395"}, 2, "--electron 200,395");
        row("electron bearing garbage", {"--electron", "10,10,9x"}, 2, "--electron 9x");
        row("bad output", {"--output", "table"}, 2, "--output table");
        row("nan", {"--atom-radius", "nan"}, 2, "--atom-radius nan");
        row("inf", {"--electron-radius", "inf"}, 2, "--electron-radius inf");
        // Straight down from (200, 395) with r = 2 and s = 5, far from the nodes at 25 + 400k:
        // mirrored to y = 2 * (400 - 2) - 400 = 396 with angle 2pi - pi/2 and depth 2.
        const QStringList wall{"--steps",           "1", "--side",     "400",
                               "--electron-radius", "2", "--electron", "200,395,180"};
        row("wall positions", wall + QStringList{"--output", "positions"}, 0,
            "x,y,angle\n200,396,4.7123889803846897\n");
        row("wall series", wall, 0, "t,probability,pressure\n0.050000000000000003,0,2\n");
        row("no electrons: 0 / 0", {"--steps", "1", "--bins", "2", "--output", "density"}, 0,
            "bin,density\n1,nan\n2,nan\n");
    }

    // Bad input never runs nor falls back to a default: nothing on stdout, one stderr line.
    void statusAndOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, expectedStatus);
        QFETCH(QByteArray, expected);
        runSim(arguments);
        QCOMPARE(status, expectedStatus);
        QCOMPARE(out, status == 0 ? expected : QByteArray());
        QVERIFY2(status == 0 ? err.isEmpty() : err.count('\n') == 1 && err.endsWith('\n'), err);
        for (const QByteArray &word : expected.split(' '))
            QVERIFY2(status == 0 || err.contains(word), err);
    }

    void seriesRowsDensityAndHelp()
    {
        // At 5 pixels a step the samples come at steps 1, 5, 6, ..., 10: seven rows.
        runSim({"--steps", "10", "--electrons", "3"});
        QCOMPARE(out.count('\n'), 1 + 7);
        runSim({"--electrons", "200", "--steps", "40", "--bins", "7", "--output", "density"});
        const QList<QByteArray> lines = out.trimmed().split('\n');
        QCOMPARE(lines.size(), 1 + 7);
        double sum = 0;
        for (int j = 1; j <= 7; ++j) {
            QVERIFY(lines[j].startsWith(QByteArray::number(j) + ','));
            sum += lines[j].mid(lines[j].indexOf(',') + 1).toDouble();
        }
        QCOMPARE(sum, 1.0);

        runSim({"--help"});
        QCOMPARE(status, 0);
        QVERIFY(out.contains("--electron-radius") && err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVandrelSim)
#include "tst_vandrelsim.moc"
