#include "modalanswers.h"
#include "widget.h"
#include "window.h"

#include <QtTest>
#include <QtWidgets>
#include <qcustomplot.h>

#include <memory>

using Range = QPointF; // lower, upper: compared to within rounding

static Range rangeOf(const QCPAxis *axis)
{
    return {axis->range().lower, axis->range().upper};
}

static QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The main window as a user drives it, with the timer's ticks run by hand.
class WindowTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<Window> window;
    QTimer *timer = nullptr;
    Widget *field = nullptr;

    template <typename Control> Control *control(const QString &name) const
    {
        return window->findChild<Control *>(name);
    }
    void check(const QString &box, bool checked)
    {
        control<QAbstractButton>(box)->setChecked(checked);
    }
    void click(const QString &button) { control<QAbstractButton>(button)->click(); }
    const GasModel &model() const { return window->gasModel(); }
    QCustomPlot *plot() const { return control<QCustomPlot>(QString()); }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i) {
            field->animate();
            window->replot();
        }
    }
    // Whether the motion runs, and what the play button tells.
    QString state() const
    {
        const QAbstractButton *play = control<QAbstractButton>("togglePlayButton");
        const QString motion = timer->isActive() ? "running " : "stopped ";
        return motion + play->text() + (play->isEnabled() ? "" : " disabled");
    }
    // With spacing 400 the only atoms sit at 25 + 400k: electrons clicked in these columns,
    // aimed straight up, fly up and down for good and never change strips.
    void placeMovers(int strips, const QList<int> &columns)
    {
        control<QSpinBox>("binsBox")->setValue(strips);
        control<QSpinBox>("sideBox")->setValue(400);
        control<QDoubleSpinBox>("defDirBox")->setValue(0);
        check("randomDefDirBox", false);
        for (int x : columns)
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, 200));
    }

private slots:
    void init()
    {
        window = std::make_unique<Window>();
        timer = window->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        field = control<Widget>(QString());
    }
    // A user through the states, from the form's defaults to Clear.
    void session()
    {
        QCOMPARE(state(), "stopped Play");
        QCOMPARE(model().binAccumulators().size(), 3); // the model starts from the form
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(control<QSpinBox>("numberBox")->value(), 1);
        click("togglePlayButton");
        QCOMPARE(state(), "running Pause");
        check("trailModeCheckBox", true); // the disabled button keeps its text
        QCOMPARE(state(), "stopped Pause disabled");
        check("trailModeCheckBox", false);
        QCOMPARE(state(), "running Pause");
        click("togglePlayButton");
        QCOMPARE(state(), "stopped Play");

        // At its maximum the box stays as it is, and sends no change.
        control<QSpinBox>("numberBox")->setValue(500);
        QSignalSpy boxChanges(control<QSpinBox>("numberBox"), &QSpinBox::valueChanged);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(model().number(), 501);
        QCOMPARE(boxChanges.size(), 0);

        control<QSpinBox>("binsBox")->setValue(5);
        click("togglePlayButton");
        tick(3);
        click("clearButton");
        QCOMPARE(state(), "stopped Play");
        QCOMPARE(model().number(), 0);
        QVERIFY(model().timeData().isEmpty());
        QCOMPARE(model().binAccumulators(), QVector<double>(5, 0.0)); // the settings stay

        // Fewer strips lower the index first, so the field has it before the new count.
        check("showBinsBox", true);
        control<QSpinBox>("binIndexBox")->setValue(5);
        QVector<int> stripsWhenIndexChanged;
        connect(control<QSpinBox>("binIndexBox"), &QSpinBox::valueChanged, this,
                [&] { stripsWhenIndexChanged << model().binAccumulators().size(); });
        control<QSpinBox>("binsBox")->setValue(2);
        QCOMPARE(stripsWhenIndexChanged, QVector<int>{5});
    }
    void plots_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("strips");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("lastValue");
        QTest::addColumn<Range>("bottom");
        QTest::addColumn<Range>("left");
        // Columns 100 and 200 lie in strips 1 (selected) and 2 of three; both hit the top wall
        // at tick 40 (depth 4 each, T = 2), the bottom at 118 (2), the top at 197 (5).
        QTest::newRow("probability: samples at ticks 1, 5 to 8")
            << "Probability" << 3 << QList<int>{100, 200} << 8 << 5 << 0.5 << Range(0.05, 0.4)
            << Range(0, 1);
        QTest::newRow("pressure: one sample, ranges refused")
            << "Pressure" << 3 << QList<int>{100, 200} << 1 << 1 << 0.0 << Range(0, 1000)
            << Range(0, 1);
        QTest::newRow("pressure: three wall hits, 5% margins")
            << "Pressure" << 3 << QList<int>{100, 200} << 200 << 197 << 2.2 << Range(0.05, 10)
            << Range(-0.2, 4.2);
        // A staircase of 2 points per strip, each strip's share of the movers.
        QTest::newRow("density: four equal strips, up to twice the largest")
            << "Density" << 4 << QList<int>{50, 150, 250, 350} << 100 << 8 << 0.25
            << Range(0, 0.999) << Range(0, 0.5);
        QTest::newRow("density: largest 0.6, up to 1")
            << "Density" << 4 << QList<int>{50, 150, 350, 360, 370} << 100 << 8 << 0.6
            << Range(0, 0.999) << Range(0, 1);
        QTest::newRow("density: no electrons, 0 / 0") << "Density" << 3 << QList<int>{} << 100 << 6
                                                      << qQNaN() << Range(0, 0.999) << Range(0, 1);
    }
    void plots()
    {
        QFETCH(QString, mode);
        QFETCH(int, strips);
        QFETCH(QList<int>, columns);
        QFETCH(int, ticks);
        QFETCH(int, points);
        QFETCH(double, lastValue);
        QFETCH(Range, bottom);
        QFETCH(Range, left);
        placeMovers(strips, columns);
        check("plot" + mode + "Button", true);
        tick(ticks);
        QCOMPARE(plot()->yAxis->label(), mode.toLower());
        QCOMPARE(plot()->xAxis->label(), mode == "Density" ? " " : "T");
        const QCPGraph *curve = plot()->graph(0);
        QCOMPARE(curve->dataCount(), points);
        QCOMPARE(curve->data()->at(points - 1)->value, lastValue); // NaN matches NaN
        QCOMPARE(rangeOf(plot()->xAxis), bottom);
        QCOMPARE(rangeOf(plot()->yAxis), left);
    }
    // While paused, the plot follows its controls at once instead of at the next tick.
    void pausedPlotFollowsItsControls()
    {
        placeMovers(3, {100, 200});
        tick(10);
        QSignalSpy redraws(plot(), &QCustomPlot::afterReplot);
        check("plotPressureButton", true);
        QCOMPARE(redraws.size(), 1);
        QCOMPARE(plot()->yAxis->label(), "pressure");
        check("expectedCheckBox", true);
        QCOMPARE(redraws.size(), 2);
        QCOMPARE(plot()->graphCount(), 2);
        click("clearButton"); // back to the empty plot of the start
        QCOMPARE(redraws.size(), 3);
        QCOMPARE(plot()->graphCount(), 0);
        QCOMPARE(plot()->yAxis->label(), QString());
        QCOMPARE(rangeOf(plot()->xAxis), Range(0, 1000));
        QCOMPARE(rangeOf(plot()->yAxis), Range(0, 1));
        QVERIFY(control<QCheckBox>("expectedCheckBox")->isChecked());
    }
    void referenceLine_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QVector<double>>("levels"); // the line's values, left to right
        QTest::addColumn<Range>("left");
        // Two movers among the atoms at 25 + 400k: free area 392^2 - 196 pi, free wall 4 * 392
        // (as vandrel-sim --side 400 --output expected gives them).
        const double probability = 0.32723611810933467;
        const double pressure = 100 * 2 * 5 * 1568 / (8 * (392.0 * 392 - 196 * M_PI));
        const QVector<double> shares{0.32723611810933467, 0.34150450857394177, 0.33125937331672345};
        QTest::newRow("probability")
            << "Probability" << 8 << QVector<double>(2, probability) << Range(0, 1);
        // No wall hit yet: all 0, which the plot refuses; the line widens it, with its margin.
        QTest::newRow("pressure above the data")
            << "Pressure" << 20 << QVector<double>(2, pressure) << Range(0, pressure * 1.05);
        QTest::newRow("density, strip by strip")
            << "Density" << 8
            << QVector<double>{shares[0], shares[0], shares[1], shares[1], shares[2], shares[2]}
            << Range(0, 1);
    }
    void referenceLine()
    {
        QFETCH(QString, mode);
        QFETCH(int, ticks);
        QFETCH(QVector<double>, levels);
        QFETCH(Range, left);
        placeMovers(3, {100, 200});
        check("plot" + mode + "Button", true);
        check("expectedCheckBox", true);
        tick(ticks);
        const auto data = plot()->graph(0)->data();
        const auto line = plot()->graph(1)->data();
        QCOMPARE(plot()->graph(1)->pen(), QPen(QColor("#c00000"), 2, Qt::DashLine));
        QCOMPARE(line->size(), levels.size());
        QCOMPARE(line->at(0)->key, data->at(0)->key);
        QCOMPARE(line->at(line->size() - 1)->key, data->at(data->size() - 1)->key);
        for (int i = 0; i < levels.size(); ++i)
            QCOMPARE(line->at(i)->value, levels[i]);
        QCOMPARE(rangeOf(plot()->yAxis), left);
        control<QDoubleSpinBox>("electronRadBox")->setValue(200); // no room: no line
        tick(1);
        QCOMPARE(plot()->graphCount(), 1);
    }
    void savedFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("withReference");
        QTest::addColumn<QByteArray>("written"); // "" when the save fails, the CSV itself
        // Two movers in strips 1 and 2 of 3 after 8 ticks, samples at ticks 1, 5 to 8.
        QTest::newRow("picture") << "shot.png"
                                 << "Probability" << false << QByteArray("png");
        QTest::newRow("other picture format") << "shot.bmp"
                                              << "Probability" << false << QByteArray("bmp");
        QTest::newRow("unknown format") << "shot.xyz"
                                        << "Probability" << false << QByteArray();
        QTest::newRow("missing folder") << "none/a.png"
                                        << "Probability" << false << QByteArray();
        QTest::newRow("probability") << "p.CSV"
                                     << "Probability" << false
                                     << QByteArray("t,probability\n"
                                                   "0.050000000000000003,0.5\n"
                                                   "0.25,0.5\n"
                                                   "0.29999999999999999,0.5\n"
                                                   "0.34999999999999998,0.5\n"
                                                   "0.40000000000000002,0.5\n");
        QTest::newRow("density with its reference") << "d.csv"
                                                    << "Density" << true
                                                    << QByteArray("strip,density,expected\n"
                                                                  "1,0.5,0.32723611810933467\n"
                                                                  "2,0.5,0.34150450857394177\n"
                                                                  "3,0,0.33125937331672345\n");
    }
    // Pictures of the field in the suffix's format; the plotted numbers as CSV. A failed save
    // leaves what stood under the name as it was.
    void savedFiles()
    {
        QFETCH(QString, name);
        QFETCH(QString, mode);
        QFETCH(bool, withReference);
        QFETCH(QByteArray, written);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        QFile old(path);
        if (old.open(QIODevice::WriteOnly))
            old.write("old");
        old.close();
        placeMovers(3, {100, 200});
        check("plot" + mode + "Button", true);
        check("expectedCheckBox", withReference);
        tick(8);
        check("showBinsBox", true);
        check("trailModeCheckBox", true);
        const QVector<QPointF> electrons = model().electronPositions();
        QCOMPARE(window->saveTo(path), !written.isEmpty());
        QCOMPARE(model().electronPositions(), electrons); // the trail preview leaves them
        if (written.isEmpty()) {
            QCOMPARE(contents(path), QByteArray(old.exists() ? "old" : ""));
        } else if (name.endsWith(".csv", Qt::CaseInsensitive)) {
            QCOMPARE(contents(path), written);
        } else {
            QImageReader reader(path);
            QCOMPARE(reader.format(), written);
            const QImage shot = reader.read();
            QCOMPARE(shot.size(), QSize(400, 400));
            QCOMPARE(shot.pixelColor(25, 25), QColor(Qt::black)); // an atom
            QCOMPARE(shot.pixelColor(100, 160), QColor(Qt::red)); // an electron
            QCOMPARE(shot.pixelColor(5, 300), QColor(Qt::cyan));  // the selected strip
            QVERIFY(qGray(shot.pixel(100, 150)) < 128);           // a trail dot ahead
        }
    }
    // The Save dialog's file types, the replace question and the warning, as a user meets them.
    void savingThroughTheDialog()
    {
        QTemporaryDir folder;
        const QString numbers = folder.filePath("numbers.csv");
        const QString csv = "CSV Data (*.csv)";
        const QString png = "PNG Images (*.png)";
        const auto saveAnswering = [&](const QList<ModalAnswers::Answer> &answers) {
            ModalAnswers answering(answers);
            click("saveButton");
            return answering.allUsedAsExpected();
        };
        // A name without a suffix takes the chosen type's.
        QVERIFY(saveAnswering({chooseFile(folder.filePath("numbers"), csv)}));
        QCOMPARE(contents(numbers), QByteArray("t,probability\n"));
        // Replacing asks first; No goes back to the dialog.
        tick(1);
        QVERIFY(saveAnswering({chooseFile(folder.filePath("numbers"), csv),
                               answerMessage("numbers.csv", QMessageBox::No), cancelFileDialog()}));
        QCOMPARE(contents(numbers), QByteArray("t,probability\n"));
        QVERIFY(saveAnswering(
            {chooseFile(numbers, png), answerMessage("numbers.csv", QMessageBox::Yes)}));
        QVERIFY(contents(numbers).startsWith("t,probability\n0.05"));
        QVERIFY(saveAnswering({chooseFile(folder.filePath("none/a.csv"), csv),
                               answerMessage("a.csv", QMessageBox::Ok)}));
    }
    // A typed number applies on Enter only, the arrows at once; the first Escape drops a
    // half-typed value and leaves the box, the second closes the window.
    void typingInBoxes()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        for (int i = 0; i < 13; ++i)
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(20 + 10 * i, 300));
        const QVector<QPointF> placed = model().electronPositions();
        QSpinBox *numberBox = control<QSpinBox>("numberBox");
        numberBox->setFocus();
        numberBox->selectAll();
        QTest::keyClicks(numberBox, "20");
        QCOMPARE(model().electronPositions(), placed);
        QTest::keyClick(numberBox, Qt::Key_Return);
        QCOMPARE(model().electronPositions().mid(0, 13), placed);
        QTest::keyClick(numberBox, Qt::Key_Up);
        QCOMPARE(model().number(), 21);

        QSpinBox *sideBox = control<QSpinBox>("sideBox");
        sideBox->setFocus();
        sideBox->selectAll();
        QTest::keyClicks(sideBox, "3");
        QTest::keyClick(sideBox, Qt::Key_Escape);
        QCOMPARE(sideBox->text(), "50");
        QCOMPARE(QApplication::focusWidget(), field);
        QVERIFY(window->isVisible());
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
