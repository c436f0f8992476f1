#include <QProcess>
#include <QtTest>

class TestVandrelSim : public QObject
{
    Q_OBJECT
private slots:
    void statusAndOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        // The exact stdout (its start when no newline ends it), or the words stderr must name.
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *name, const QString &args, const char *expected) {
            QTest::newRow(name) << args.split(' ', Qt::SkipEmptyParts) << QByteArray(expected);
        };
        row("unknown option", "--sides 50", "--sides");
        row("missing value", "--steps 1 --side", "--side");
        row("trailing garbage", "--side 12abc", "--side 12abc");
        row("out of range", "--speed 1000.5", "--speed 1000.5");
        row("nan", "--atom-radius nan", "--atom-radius nan");
        row("bin index above the bins", "--bin-index 5 --bins 4", "--bin-index 5");
        row("electron bearing garbage", "--electron 10,10,9x", "--electron 9x");
        // Straight down from (200, 395) with r = 2, s = 5: y = 2 * (400 - 2) - 400, depth 2.
        const QString wall = "--steps 1 --side 400 --electron-radius 2 --electron 200,395,180 ";
        row("wall", wall + "--output positions", "x,y,angle\n200,396,4.7123889803846897\n");
        row("wall series", wall, "t,probability,pressure\n0.050000000000000003,0,2\n");
        row("no electrons: 0 / 0", "--steps 1 --bins 2 --output density",
            "bin,density\n1,nan\n2,nan\n");
        row("help", "--help", "Usage: vandrel-sim [options]");
    }
    // Bad input (exit 2) never runs nor falls back to a default: no stdout, one stderr line.
    void statusAndOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        QProcess sim;
        sim.start(VANDREL_SIM, arguments);
        QVERIFY(sim.waitForFinished(60000) && sim.exitStatus() == QProcess::NormalExit);
        const QByteArray out = sim.readAllStandardOutput(), err = sim.readAllStandardError();
        const bool good = !expected.startsWith("--");
        QCOMPARE(sim.exitCode(), good ? 0 : 2);
        QCOMPARE(expected.endsWith('\n') ? out : out.left(expected.size()), good ? expected : "");
        QVERIFY2(good ? err.isEmpty() : err.count('\n') == 1 && err.endsWith('\n'), err);
        for (const QByteArray &word : expected.split(' '))
            QVERIFY2(good || err.contains(word), err);
    }
};

QTEST_GUILESS_MAIN(TestVandrelSim)
#include "tst_vandrelsim.moc"
