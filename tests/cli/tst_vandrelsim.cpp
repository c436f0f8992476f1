#include "lesson.h"

#include <QProcess>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

class RunnerTest : public QObject
{
    Q_OBJECT
    QTemporaryDir folder;

    // The runner's stdout for a good run, which must say nothing on stderr unless told to.
    QByteArray run(const QString &arguments, const QByteArray &said = QByteArray())
    {
        QProcess runner;
        runner.start(VANDREL_SIM, QString(arguments).replace("LESSON", folder.path()).split(' '));
        runner.waitForFinished(60000);
        [&] {
            QCOMPARE(runner.exitCode(), 0);
            QCOMPARE(runner.readAllStandardError(), said);
        }();
        return runner.readAllStandardOutput();
    }

private slots:
    // A lesson at spacing 30 with four strips, the last selected, and two electrons aimed by
    // hand; "LESSON" in the rows names it.
    void initTestCase()
    {
        Lesson lesson;
        lesson.settings.setValue(SettingKey::Side, 30);
        lesson.settings.setValue(SettingKey::Strips, 4);
        lesson.settings.setValue(SettingKey::SelectedStrip, 4);
        lesson.electrons = {{QPointF(200.5, 395.25), 0.1}, {QPointF(10, 20), -2.5}};
        QFile file(folder.filePath("gap.vandrel"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lesson.toJson());
        // A named pipe that nobody writes to, and a name and a key that would move the cursor
        // and clear the terminal.
        QCOMPARE(mkfifo(QFile::encodeName(folder.filePath("pipe.vandrel")).constData(), 0600), 0);
        QFile control(folder.filePath("new\nline.vandrel"));
        QVERIFY(control.open(QIODevice::WriteOnly));
        control.write(lesson.toJson().replace("\"side\"", "\"a\\nb\\u001b[2J\": 1, \"side\""));
    }
    void output_data()
    {
        QTest::addColumn<QString>("arguments");
        // A good run: the exact stdout, or its start when no newline ends it, or its end after "…".
        // Bad input: the line on stderr, after the program's name.
        QTest::addColumn<QString>("expected");
        // Where stdout goes: a pipe read to its end, /dev/full, nowhere (closed) or a pipe
        // without a reader. Where it fails, expected is the line on stderr, none for a reader
        // that went away.
        QTest::addColumn<QString>("into");
        const auto row = [](const char *name, const QString &arguments, const char *expected,
                            const char *into = "pipe") {
            QTest::newRow(name) << arguments << expected << into;
        };
        // Straight down from (200, 395) with r = 2, s = 5: the wall at 398 mirrors it, depth 2.
        const QString wall = "--steps 1 --side 400 --electron-radius 2 --electron 200,395,180";
        // One contact in the step's 5 pixels: a mean free path of 5. The only electron lies in
        // the middle strip: an entropy of ln of its share.
        row("wall series", wall,
            "t,probability,pressure,mean_free_path,entropy\n0.05,0,2,5,-1.0856729418996396\n");
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
        // A run estimated at over two seconds (with no electrons a step costs what one
        // electron's does, 50 ns) shows no progress line when stderr is not a terminal; with no
        // electrons nothing is measured.
        row("long run", "--steps 40000001 --output summary",
            "quantity,measured,standard_error,expected\nprobability,nan,nan,0.3206307876663256");
        // The defaults: 392^2 - 64 pi 14^2 of free area, the whole of the four wall lines free, and
        // 64 whole circles of radius 14 besides: a mean free path of pi A / (1568 + 64 * 28 pi).
        row("expected", "--electrons 500 --output expected",
            "quantity,value\nfree_area,114255.86175336965\nfree_wall_length,1568\n"
            "free_boundary_length,7197.73403523");
        // The lesson's electrons to the last bit, but for one its settings leave within reach of
        // the atom at (205, 385): to the nearest whole pixel clear of it, on the wall line.
        // Options override the lesson, fewer strips move the selected one to the last,
        // --electrons replaces its electrons: with none, nothing is measured.
        row("lesson", "--lesson LESSON/gap.vandrel --steps 0 --output positions",
            "x,y,angle\n196,396,0.1\n10,20,-2.5\n");
        row("options over a lesson",
            "--lesson LESSON/gap.vandrel --bins 2 --electrons 0 --steps 1 --output summary",
            "quantity,measured,standard_error,expected\nprobability,nan,nan,0.47787486170316124\n"
            "pressure,nan,nan,0\ndensity_1,nan,nan,0.5221251382968383\n"
            "density_2,nan,nan,0.47787486170316124\nmean_free_path,nan,nan,9.800114654115694\n"
            "entropy,nan,nan,nan\nwall_only_electrons,nan,nan,nan\n");
        // Every path retraced after 20 steps out along their true paths.
        row("reversal", "--electrons 200 --motion exact --reverse-after 20 --output reversal",
            "electrons,returned,median_distance,max_distance\n200,200,");
        row("lesson in a named pipe", "--lesson LESSON/pipe.vandrel",
            "--lesson LESSON/pipe.vandrel: a named pipe (FIFO), not a regular file");
        row("control characters on one line", "--lesson LESSON/new\nline.vandrel",
            "--lesson LESSON/new\\nline.vandrel: a\\nb\\x1b[2J: not a field of a lesson");
        const QString positions = "--electrons 500 --steps 10 --output positions";
        row("a full disk", positions,
            "vandrel-sim: cannot write the output: No space left on device", "/dev/full");
        row("a closed stdout", positions,
            "vandrel-sim: cannot write the output: Bad file descriptor", "closed");
        row("a reader gone", positions, "", "no reader");
        row("expected without room", "--electron-radius 200 --bins 1 --output expected",
            "quantity,value\nfree_area,0\nfree_wall_length,0\nfree_boundary_length,0\n"
            "probability,nan\npressure,nan\ndensity_1,nan\nmean_free_path,nan\nentropy,nan\n");
    }
    // Bad input (exit 2) is neither run nor replaced by a default: no stdout, one stderr line.
    void output()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, expected);
        QFETCH(QString, into);
        arguments.replace("LESSON", folder.path());
        expected.replace("LESSON", folder.path());
        QProcess runner;
        if (into == "/dev/full")
            runner.setStandardOutputFile(into);
        else if (into == "closed")
            runner.setChildProcessModifier([] { close(STDOUT_FILENO); });
        else if (into == "no reader")
            runner.setChildProcessModifier([] {
                int ends[2];
                if (pipe(ends) == 0 && close(ends[0]) == 0)
                    dup2(ends[1], STDOUT_FILENO);
            });
        runner.start(VANDREL_SIM, arguments.split(' ', Qt::SkipEmptyParts));
        QVERIFY(runner.waitForFinished(60000));
        const QByteArray out = runner.readAllStandardOutput();
        const QByteArray err = runner.readAllStandardError();
        if (into != "pipe") {
            const bool gone = expected.isEmpty();
            QCOMPARE(runner.exitStatus(), gone ? QProcess::CrashExit : QProcess::NormalExit);
            QCOMPARE(runner.exitCode(), gone ? SIGPIPE : 1);
            QCOMPARE(err, gone ? QByteArray() : expected.toUtf8() + '\n');
            return;
        }
        QCOMPARE(runner.exitStatus(), QProcess::NormalExit);
        if (expected.startsWith("--")) {
            QCOMPARE(runner.exitCode(), 2);
            QCOMPARE(out, "");
            QCOMPARE(err, "vandrel-sim: " + expected.toUtf8() + '\n');
        } else if (expected.startsWith("…")) {
            QCOMPARE(runner.exitCode(), 0);
            QVERIFY2(out.endsWith(expected.mid(1).toUtf8()), out);
        } else {
            QCOMPARE(runner.exitCode(), 0);
            QCOMPARE(err, "");
            QCOMPARE(expected.endsWith('\n') ? out : out.left(expected.size()), expected.toUtf8());
        }
    }
    // A sweep prints what its runs print when made one by one, whatever the jobs, and their
    // expected columns as --output expected gives them for the settings; a lesson and its settings
    // as options expect the same to the byte.
    void sameRunsAnyWay()
    {
        const QString common = "--motion exact --electrons 30 --steps 300 --output results";
        const QByteArray sweep = run("--vary side=30,40 --jobs 2 " + common);
        QCOMPARE(run("--vary side=30,40 --jobs 1 " + common), sweep);
        const QList<QByteArray> rows = sweep.split('\n');
        QCOMPARE(rows.size(), 4);
        QCOMPARE(run("--side 40 " + common), rows[0] + '\n' + rows[2] + '\n');
        const QList<QByteArray> columns = rows[0].split(',');
        const QList<QByteArray> values = rows[1].split(',');
        const QList<QByteArray> expected =
            run("--side 30 --electrons 30 --output expected").split('\n');
        for (const QByteArray quantity : {"probability", "pressure", "mean_free_path"}) {
            const QByteArray value = values[columns.indexOf(quantity + "_expected")];
            QVERIFY2(expected.contains(quantity + ',' + value), quantity);
        }
        QCOMPARE(run("--lesson LESSON/gap.vandrel --output expected"),
                 run("--side 30 --bins 4 --bin-index 4 --electrons 2 --output expected"));
    }
    // The example lessons are the same in either language but for their words, and each meets
    // its expected values within three errors along the true paths.
    void exampleLessons()
    {
        const QDir lessons(EXAMPLE_LESSONS);
        QCOMPARE(lessons.entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"en", "ru"}));
        const QStringList names = QDir(lessons.filePath("en")).entryList(QDir::Files);
        QCOMPARE(QDir(lessons.filePath("ru")).entryList(QDir::Files), names);
        QVERIFY(names.size() >= 5);
        for (const QString &path : lessons.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            for (const QString &name : names) {
                const QString lesson = lessons.filePath(path + '/' + name);
                QList<QByteArray> rows =
                    run("--lesson " + lesson + " --motion exact --steps 10000 --output summary")
                        .split('\n');
                for (const QByteArray &row : rows.mid(1, rows.size() - 2)) {
                    const QList<QByteArray> cells = row.split(',');
                    const double error = cells[2].toDouble();
                    const double offExpected = cells[1].toDouble() - cells[3].toDouble();
                    QVERIFY2(!(error > 0) || std::abs(offExpected) < 3 * error,
                             qPrintable(lesson + ": " + row));
                }
            }
        }
    }
    // The series stops at its last sample, and says so once.
    void seriesTellsWhereItStops()
    {
        const QByteArray said = "vandrel-sim: the series stops at t = 5000.15, the 100000th "
                                "sample, where the program stops recording; the summary covers "
                                "the whole run\n";
        const QByteArray series = run("--electrons 2 --steps 150000 --output series", said);
        QVERIFY(series.endsWith("\n5000.15," + series.split('\n').at(100000).mid(8) + '\n'));
    }
    void progressOnTerminal_data()
    {
        QTest::addColumn<int>("signal"); // sent once the line shows; 0 lets the run end
        QTest::newRow("to the end") << 0;
        QTest::newRow("Ctrl+C") << SIGINT;
        QTest::newRow("killed") << SIGTERM;
    }
    // On a terminal the same long run shows percent and time left, and erases the line before
    // the table, or before it ends by a signal that interrupts it. Its stderr is a
    // pseudo-terminal, which shows each newline as a return and a newline.
    void progressOnTerminal()
    {
        QFETCH(int, signal);
        const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
        const QByteArray screen = ptsname(terminal);
        QProcess runner;
        runner.setChildProcessModifier(
            [&screen] { dup2(open(screen.constData(), O_RDWR | O_NOCTTY), STDERR_FILENO); });
        runner.start(VANDREL_SIM, {"--steps", "40000001", "--output", "expected"});
        QVERIFY(runner.waitForStarted());
        QByteArray shown;
        char buffer[256];
        pollfd reading{terminal, POLLIN, 0};
        bool sent = false;
        // Read until the run's end closes the terminal's other side.
        for (ssize_t got = 1; got > 0 && poll(&reading, 1, 60000) == 1;) {
            got = read(terminal, buffer, sizeof buffer);
            shown.append(buffer, qMax<ssize_t>(got, 0));
            if (signal && !sent && shown.contains("% done, about "))
                sent = kill(pid_t(runner.processId()), signal) == 0;
        }
        close(terminal);
        QVERIFY(runner.waitForFinished(60000));
        QVERIFY2(shown.contains("% done, about "), shown);
        QVERIFY2(shown.endsWith("\r\033[K"), shown);
        QCOMPARE(runner.exitStatus(), signal ? QProcess::CrashExit : QProcess::NormalExit);
        QCOMPARE(runner.exitCode(), signal);
        QCOMPARE(runner.readAllStandardOutput().left(25),
                 signal ? "" : "quantity,value\nfree_area,");
    }
};

QTEST_GUILESS_MAIN(RunnerTest)
#include "tst_vandrelsim.moc"
