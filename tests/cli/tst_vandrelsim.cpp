#include "lesson.h"

#include <QProcess>
#include <QtTest>

class RunnerTest : public QObject
{
    Q_OBJECT
    QTemporaryDir folder;

private slots:
    // A lesson at spacing 30 with four strips, the last selected, and two electrons aimed by
    // hand; "LESSON" in the rows names it.
    void initTestCase()
    {
        Lesson lesson;
        lesson.side = 30;
        lesson.bins = 4;
        lesson.selectedBin = 4;
        lesson.electrons = {{QPointF(200.5, 395.25), 0.1}, {QPointF(10, 20), -2.5}};
        QFile file(folder.filePath("gap.vandrel"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lesson.toJson());
        lesson.side = 3;
        QFile bad(folder.filePath("bad.vandrel"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(lesson.toJson());
    }
    void output_data()
    {
        QTest::addColumn<QString>("arguments");
        // A good run: the exact stdout, or its start when no newline ends it, or its end after "…".
        // Bad input: the words that stderr must name, the option first.
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &arguments, const char *expected) {
            QTest::newRow(name) << arguments << expected;
        };
        row("unknown option", "--sides 50", "--sides");
        row("missing value", "--steps 1 --side", "--side");
        row("trailing garbage", "--side 12abc", "--side 12abc");
        row("out of range", "--speed 1000.5", "--speed 1000.5");
        row("nan", "--atom-radius nan", "--atom-radius nan");
        row("bin index above the bins", "--bin-index 5 --bins 4", "--bin-index 5");
        row("bearing garbage", "--electron 10,10,9x", "--electron 9x");
        row("value to a switch", "--help=full", "--help");
        // Straight down from (200, 395) with r = 2, s = 5: the wall at 398 mirrors it, depth 2.
        const QString wall = "--steps 1 --side 400 --electron-radius 2 --electron 200,395,180";
        // One contact in the step's 5 pixels: a mean free path of 5.
        row("wall series", wall, "t,probability,pressure,mean_free_path\n0.05,0,2,5\n");
        // Along the true path the same: 3 down to the wall line at 398, 2 back; the rest of the
        // step beyond the wall, 2, is its depth. The summary ends as the series does (2 / 0.05)
        // and has no error after one step.
        row("summary of a wall hit, exact", wall + " --motion exact --output summary",
            "quantity,measured,standard_error,expected\nprobability,0,nan,0.3297161688769426\n"
            "pressure,40,nan,0.6331396389701");
        // At speed 1000 the first goes on meeting only the walls; one from (25, 60) straight up
        // meets the atom at (25, 25) after 23 pixels.
        row("electrons that met only walls",
            wall + " --speed 1000 --electron 25,60,0 --motion exact --output summary",
            "…\nwall_only_electrons,1,nan,nan\n");
        row("unknown motion", "--motion smooth", "--motion smooth");
        // A run estimated at over two seconds (with no electrons a step costs what one
        // electron's does, 50 ns) shows no progress line when stderr is not a terminal; with no
        // electrons the density is 0 / 0.
        row("long run", "--steps 40000001 --output density", "bin,density\n1,nan\n2,nan\n3,nan\n");
        // The last --output wins, each --electron adds one. Bearing 90 is the screen angle 0
        // (right), bearing 0 is straight up.
        row("repeated options",
            "--steps 0 --output density --output positions --electron 10,20,90 --electron 30,40,0",
            "x,y,angle\n10,20,0\n30,40,-1.5707963267948966\n");
        // The defaults: 392^2 - 64 pi 14^2 of free area, the whole of the four wall lines free.
        // The defaults: 392^2 - 64 pi 14^2 of free area, the whole of the four wall lines free, and
        // 64 whole circles of radius 14 besides: a mean free path of pi A / (1568 + 64 * 28 pi).
        row("expected", "--electrons 500 --output expected",
            "quantity,value\nfree_area,114255.86175336965\nfree_wall_length,1568\n"
            "free_boundary_length,7197.73403523");
        // The lesson's electrons to the last bit; options override it, fewer strips move the
        // selected one to the last, --electrons replaces its electrons: with none, nothing is
        // measured.
        row("lesson", "--lesson LESSON/gap.vandrel --steps 0 --output positions",
            "x,y,angle\n200.5,395.25,0.1\n10,20,-2.5\n");
        row("options over a lesson",
            "--lesson LESSON/gap.vandrel --bins 2 --electrons 0 --steps 1 --output summary",
            "quantity,measured,standard_error,expected\nprobability,nan,nan,0.47787486170316124\n"
            "pressure,nan,nan,0\ndensity_1,nan,nan,0.5221251382968383\n"
            "density_2,nan,nan,0.47787486170316124\nmean_free_path,nan,nan,9.800114654115694\n"
            "wall_only_electrons,nan,nan,nan\n");
        row("lesson out of range", "--lesson LESSON/bad.vandrel",
            "--lesson LESSON/bad.vandrel: side: 3 is not an integer from 5 to 400");
        row("expected without room", "--electron-radius 200 --bins 1 --output expected",
            "quantity,value\nfree_area,0\nfree_wall_length,0\nfree_boundary_length,0\n"
            "probability,nan\npressure,nan\ndensity_1,nan\nmean_free_path,nan\n");
    }
    // Bad input (exit 2) is neither run nor replaced by a default: no stdout, one stderr line.
    void output()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, expected);
        arguments.replace("LESSON", folder.path());
        expected.replace("LESSON", folder.path());
        QProcess runner;
        runner.start(VANDREL_SIM, arguments.split(' ', Qt::SkipEmptyParts));
        QVERIFY(runner.waitForFinished(60000));
        QCOMPARE(runner.exitStatus(), QProcess::NormalExit);
        const QByteArray out = runner.readAllStandardOutput();
        const QByteArray err = runner.readAllStandardError();
        if (expected.startsWith("--")) {
            QCOMPARE(runner.exitCode(), 2);
            QCOMPARE(out, "");
            QCOMPARE(err.count('\n'), 1);
            QVERIFY2(err.endsWith('\n'), err);
            for (const QString &word : expected.split(' '))
                QVERIFY2(err.contains(word.toUtf8()), err);
        } else if (expected.startsWith("…")) {
            QCOMPARE(runner.exitCode(), 0);
            QVERIFY2(out.endsWith(expected.mid(1).toUtf8()), out);
        } else {
            QCOMPARE(runner.exitCode(), 0);
            QCOMPARE(err, "");
            QCOMPARE(expected.endsWith('\n') ? out : out.left(expected.size()), expected.toUtf8());
        }
    }
    // On a terminal the same long run shows percent and time left, and erases the line before
    // the table. script(1) runs it on a pseudo-terminal and copies what that shows, each newline
    // as a return and a newline.
    void progressOnTerminal()
    {
        QProcess script;
        const QString command = QString("'%1' --steps 40000001 --output density").arg(VANDREL_SIM);
        script.start("script", {"--quiet", "--return", "--command", command, "/dev/null"});
        QVERIFY(script.waitForFinished(60000));
        QCOMPARE(script.exitCode(), 0);
        const QByteArray shown = script.readAllStandardOutput();
        QVERIFY2(shown.contains("% done, about "), shown);
        QVERIFY2(shown.endsWith("\r\033[Kbin,density\r\n1,nan\r\n2,nan\r\n3,nan\r\n"), shown);
    }
};

QTEST_GUILESS_MAIN(RunnerTest)
#include "tst_vandrelsim.moc"
