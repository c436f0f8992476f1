#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestVandrelSim : public QObject
{
    Q_OBJECT
private slots:
    void statusAndOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        // A good run: the exact stdout, or its start when no newline ends it.
        // Bad input: the words stderr must name, the option first.
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *name, const QString &commandLine, const char *expected) {
            const QStringList arguments = commandLine.split(' ', Qt::SkipEmptyParts);
            QTest::newRow(name) << arguments << QByteArray(expected);
        };
        row("unknown option", "--sides 50", "--sides");
        row("missing value", "--steps 1 --side", "--side");
        row("trailing garbage", "--side 12abc", "--side 12abc");
        row("out of range", "--speed 1000.5", "--speed 1000.5");
        row("nan", "--atom-radius nan", "--atom-radius nan");
        row("bin index above the bins", "--bin-index 5 --bins 4", "--bin-index 5");
        row("electron bearing garbage", "--electron 10,10,9x", "--electron 9x");
        row("value given to a switch", "--help=full", "--help");
        // Straight down from (200, 395) with r = 2, s = 5: y = 2 * (400 - 2) - 400, depth 2.
        const QString wall = "--steps 1 --side 400 --electron-radius 2 --electron 200,395,180 ";
        row("wall", wall + "--output positions", "x,y,angle\n200,396,4.7123889803846897\n");
        row("wall series", wall, "t,probability,pressure\n0.050000000000000003,0,2\n");
        row("no electrons: 0 / 0", "--steps 1 --bins 2 --output density",
            "bin,density\n1,nan\n2,nan\n");
        // Bearing 90 is the screen angle 0 (right), bearing 0 is straight up.
        row("the last --output wins, each --electron adds one",
            "--steps 0 --output density --output positions --electron 10,20,90 --electron 30,40,0",
            "x,y,angle\n10,20,0\n30,40,-1.5707963267948966\n");
        // The defaults: 392^2 - 64 pi 14^2 of free area, the whole of the four wall lines free.
        row("expected at the defaults", "--electrons 500 --output expected",
            "quantity,value\nfree_area,114255.86175336965\nfree_wall_length,1568\n"
            "probability,0.3206307876663");
        row("expected with no room for an electron",
            "--electron-radius 200 --bins 1 --output expected",
            "quantity,value\nfree_area,0\nfree_wall_length,0\nprobability,nan\npressure,nan\n"
            "density_1,nan\n");
        row("help", "--help", "Usage: vandrel-sim [options]");
        row("version", "--version", "vandrel-sim 1.");
    }
    // Bad input (exit 2) never runs nor falls back to a default: no stdout, one stderr line.
    void statusAndOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        QProcess sim;
        sim.start(VANDREL_SIM, arguments);
        const bool finished = sim.waitForFinished(60000);
        QVERIFY(finished);
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        const QByteArray out = sim.readAllStandardOutput();
        const QByteArray err = sim.readAllStandardError();

        const bool badInput = expected.startsWith("--");
        if (badInput) {
            QCOMPARE(sim.exitCode(), 2);
            QVERIFY2(out.isEmpty(), out);
            const bool oneLine = err.count('\n') == 1 && err.endsWith('\n');
            QVERIFY2(oneLine, err);
            for (const QByteArray &word : expected.split(' '))
                QVERIFY2(err.contains(word), err);
            return;
        }
        QCOMPARE(sim.exitCode(), 0);
        const bool wholeOutputExpected = expected.endsWith('\n');
        const QByteArray checkedOutput = wholeOutputExpected ? out : out.left(expected.size());
        QCOMPARE(checkedOutput, expected);
        QVERIFY2(err.isEmpty(), err);
    }

    void progressOnTerminalOnly_data()
    {
        QTest::addColumn<bool>("stderrIsTerminal");
        QTest::newRow("terminal") << true;
        QTest::newRow("redirected") << false;
    }
    // A run estimated at over two seconds (20000 electrons x 2001 steps x 50 ns)
    // shows percent and time left on a terminal and erases the line at the end;
    // a script that redirects stderr sees nothing. stdout is the same CSV either way.
    void progressOnTerminalOnly()
    {
        QFETCH(bool, stderrIsTerminal);
        const QStringList longRun = {"--electrons", "20000",    "--steps",
                                     "2001",        "--output", "density"};
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString csvPath = directory.filePath("density.csv");

        QProcess process;
        if (stderrIsTerminal) {
            // script(1) runs the command on a pseudo-terminal and copies what it shows to stdout.
            const QString command =
                QString("'%1' %2 > '%3'").arg(VANDREL_SIM, longRun.join(' '), csvPath);
            process.start("script", {"--quiet", "--return", "--command", command, "/dev/null"});
        } else {
            process.setStandardOutputFile(csvPath);
            process.start(VANDREL_SIM, longRun);
        }
        const bool finished = process.waitForFinished(120000);
        QVERIFY(finished);
        QCOMPARE(process.exitCode(), 0);
        const QByteArray stderrShown =
            stderrIsTerminal ? process.readAllStandardOutput() : process.readAllStandardError();

        if (stderrIsTerminal) {
            QVERIFY2(stderrShown.contains("% done, about "), stderrShown);
            const QByteArray eraseLine = "\r\033[K";
            QVERIFY2(stderrShown.endsWith(eraseLine), stderrShown.right(80));
        } else {
            QVERIFY2(stderrShown.isEmpty(), stderrShown);
        }
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.size(), 5); // header, three strips, the empty text after the last newline
        QCOMPARE(lines.first(), "bin,density");
    }
};

QTEST_GUILESS_MAIN(TestVandrelSim)
#include "tst_vandrelsim.moc"
