#include "widget.h"
#include "window.h"

#include <QtTest>
#include <QtWidgets>
#include <qcustomplot.h>

#include "modalanswers.h"

struct PlotCase
{
    QString mode;
    int strips, ticks, points;
    QList<int> columns;
    double lastValue;
    QPointF x, y; // the axes' ranges
};
Q_DECLARE_METATYPE(PlotCase)

static QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The main window with its field, plot and snapshot.
class WindowTest : public QObject
{
    Q_OBJECT
    QScopedPointer<Window> w;
    QTimer *timer = nullptr;
    Widget *field = nullptr;
    QObject *at(const QString &n) const { return w->findChild<QObject *>(n); }
    QVariant get(const char *n, const char *p = "value") { return at(n)->property(p); }
    void set(QString n, QVariant v, const char *p = "value") { at(n)->setProperty(p, v); }
    void click(const char *n) { w->findChild<QAbstractButton *>(n)->click(); }
    const GasModel &model() const { return w->gasModel(); }
    QString state() // whether the animation runs, and what the play button shows
    {
        const QWidget *play = w->findChild<QPushButton *>("togglePlayButton");
        return (timer->isActive() ? "running " : "stopped ") + play->property("text").toString() +
               (play->isEnabled() ? "" : " disabled");
    }
    QCustomPlot *plot() const { return w->findChild<QCustomPlot *>(); }
    static QPointF range(const QCPAxis *axis) { return {axis->range().lower, axis->range().upper}; }
    // Electrons clicked in these columns fly straight up for good: atoms at 25 + 400k miss them.
    void placeMovers(int strips, const QList<int> &columns)
    {
        set("binsBox", strips), set("sideBox", 400), set("defDirBox", 0);
        set("randomDefDirBox", false, "checked");
        for (int x : columns)
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, 200));
    }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i) { // the timer's two slots, in order
            field->animate();
            w->replot();
        }
    }
private slots:
    void init()
    {
        w.reset(new Window(nullptr));
        timer = w->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        field = w->findChild<Widget *>();
    }
    void session_data()
    {
        QTest::addColumn<QStringList>("texts"); // settingsBox, Play, Pause
        QTest::newRow("english") << QStringList{"Settings", "Play", "Pause"};
        QTest::newRow("russian") << QStringList{"Настройки", "Запуск", "Приостановить"};
    }
    // A user through the states, from the form's defaults to Clear.
    void session()
    {
        QFETCH(QStringList, texts);
        QTranslator translator; // uninstalls itself at the end of the test
        QVERIFY(texts[0] == "Settings" ||
                (translator.load("vandrel_ru", ":/resources/translations") &&
                 QCoreApplication::installTranslator(&translator)));
        init(); // the form sets its texts once, when it is built
        QCOMPARE(get("settingsBox", "title").toString(), texts[0]);
        QCOMPARE(state(), "stopped " + texts[1]);
        QVERIFY(get("numberBox") == 0 && get("sideBox") == 50 && get("binsBox") == 3 &&
                get("randomDefDirBox", "checked").toBool() &&
                get("plotProbabilityButton", "checked").toBool());
        QCOMPARE(model().binAccumulators().size(), 3); // the model holds what the form shows
        set("trailModeCheckBox", true, "checked");     // while stopped, and back: still stopped
        QCOMPARE(state(), "stopped " + texts[1] + " disabled");
        set("trailModeCheckBox", false, "checked");
        QCOMPARE(state(), "stopped " + texts[1]);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(get("numberBox"), 1);
        click("togglePlayButton");
        QCOMPARE(state(), "running " + texts[2]);
        for (int i = 0; i < 3; ++i) // timer ticks
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        set("trailModeCheckBox", true, "checked"); // the disabled button keeps its text
        QCOMPARE(state(), "stopped " + texts[2] + " disabled");
        set("trailModeCheckBox", false, "checked");
        QCOMPARE(state(), "running " + texts[2]);
        click("togglePlayButton");
        QCOMPARE(state(), "stopped " + texts[1]);
        click("togglePlayButton");
        set("numberBox", 500); // at its maximum the box stays, without a change signal
        QSignalSpy boxChanged(w->findChild<QSpinBox *>("numberBox"), &QSpinBox::valueChanged);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(model().number() == 501 && get("numberBox") == 500 && boxChanged.isEmpty());
        set("binsBox", 5);
        click("clearButton");
        QCOMPARE(state(), "stopped " + texts[1]);
        QVERIFY(get("numberBox") == 0 && model().number() == 0 && model().timeData().isEmpty() &&
                model().elapsedPath() == 0);
        QCOMPARE(model().binAccumulators(), QVector<double>(5, 0.0)); // the settings stay
        // Fewer strips clamp the index first: the field has the new index when it changes.
        set("showBinsBox", true, "checked");
        set("binIndexBox", 5);
        QVector<int> stripsAtIndexChange;
        connect(w->findChild<QSpinBox *>("binIndexBox"), &QSpinBox::valueChanged, this,
                [&] { stripsAtIndexChange.append(model().binAccumulators().size()); });
        set("binsBox", 2);
        QVERIFY(get("binIndexBox") == 2 && stripsAtIndexChange == QVector<int>{5});
        QCOMPARE(field->grab().toImage().pixelColor(300, 50), QColor(Qt::cyan)); // between atoms
    }
    void plots_data()
    {
        QTest::addColumn<PlotCase>("c");
        // Columns 100 and 200, in strips 1 (selected) and 2 of three, hit the top at tick 40 (depth
        // 4 each, T = 2), the bottom at 118 (depth 2), the top at 197 (depth 5).
        QTest::newRow("probability, samples at ticks 1, 5 to 8")
            << PlotCase{"Probability", 3, 8, 5, {100, 200}, 0.5, {0.05, 0.4}, {0, 1}};
        QTest::newRow("pressure, one sample: refused")
            << PlotCase{"Pressure", 3, 1, 1, {100, 200}, 0, {0, 1000}, {0, 1}};
        QTest::newRow("pressure, three wall hits")
            << PlotCase{"Pressure", 3, 200, 197, {100, 200}, 2.2, {0.05, 10}, {-0.2, 4.2}};
        // Each strip's density is its share of the movers; the last strip's is checked.
        QTest::newRow("density, one strip")
            << PlotCase{"Density", 1, 100, 2, {100, 300}, 1, {0, 0.999}, {0, 1}};
        QTest::newRow("density, three equal strips")
            << PlotCase{"Density", 3, 100, 6, {100, 200, 300}, 1 / 3.0, {0, 0.999}, {0, 2 / 3.0}};
        QTest::newRow("density, largest 0.6")
            << PlotCase{"Density", 4, 100, 8, {50, 150, 350, 360, 370}, 0.6, {0, 0.999}, {0, 1}};
        QTest::newRow("density, no electrons: 0 / 0")
            << PlotCase{"Density", 3, 100, 6, {}, qQNaN(), {0, 0.999}, {0, 1}};
    }
    void plots()
    {
        QFETCH(PlotCase, c);
        placeMovers(c.strips, c.columns);
        set("plot" + c.mode + "Button", true, "checked");
        for (int i = 0; i < c.ticks; ++i) // the timer's two slots, in order
            field->animate(), w->replot();
        QCOMPARE(plot()->yAxis->label(), c.mode.toLower());
        QCOMPARE(plot()->xAxis->label(), c.mode == "Density" ? " " : "T");
        QVector<double> x = model().timeData(), y = model().probabilityData();
        const QVector<double> density = model().densityData(), pressure = model().pressureData();
        if (c.mode == "Density") // each strip from its left edge to just short of its right one
            x.clear(), y.clear();
        for (int i = 0; c.mode == "Density" && i < density.size(); ++i)
            x << double(i) / density.size() << double(i + 1) / density.size() - 0.001,
                y << density[i] << density[i];
        for (int i = 0; c.mode == "Pressure" && i < x.size(); ++i) // the depth sum per time
            y[i] = pressure[i] / x[i];
        const auto data = plot()->graph(0)->data();
        QCOMPARE(data->size(), c.points);
        QCOMPARE(x.size(), c.points);
        for (int i = 0; i < c.points; ++i) {
            QCOMPARE(data->at(i)->key, x[i]);
            QCOMPARE(data->at(i)->value, y[i]); // NaN matches NaN
        }
        QCOMPARE(y.last(), c.lastValue);
        QCOMPARE(range(plot()->xAxis), c.x);
        QCOMPARE(range(plot()->yAxis), c.y);
        // Already in key order, so a plain rebuild that sorts the points draws the same.
        QVERIFY(std::is_sorted(x.begin(), x.end()));
    }
    // While paused, the plot follows its controls at once instead of at the next tick.
    void pausedPlotFollowsItsControls()
    {
        placeMovers(3, {100, 200});
        for (int tick = 0; tick < 10; ++tick) {
            field->animate();
            w->replot();
        }
        QSignalSpy redrawn(plot(), &QCustomPlot::afterReplot);
        set("plotPressureButton", true, "checked");
        QCOMPARE(redrawn.size(), 1);
        QCOMPARE(plot()->yAxis->label(), "pressure");
        QCOMPARE(plot()->graph(0)->dataCount(), model().timeData().size());
        set("plotDensityButton", true, "checked");
        QCOMPARE(redrawn.size(), 2);
        QCOMPARE(plot()->yAxis->label(), "density");
        click("clearButton");
        QCOMPARE(redrawn.size(), 3);
        QCOMPARE(plot()->graphCount(), 0);
        QCOMPARE(plot()->yAxis->label(), QString());
        QCOMPARE(plot()->xAxis->label(), QString());
        QCOMPARE(range(plot()->xAxis), QPointF(0, 1000));
        QCOMPARE(range(plot()->yAxis), QPointF(0, 1));
    }
    // Typing a number applies it on Enter only; the arrows still apply at once.
    void typedElectronCountWaitsForEnter()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        set("randomDefDirBox", false, "checked");
        for (int i = 0; i < 13; ++i)
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(20 + 10 * i, 300));
        const QVector<QPointF> placed = model().electronPositions();
        auto *numberBox = w->findChild<QSpinBox *>("numberBox");
        numberBox->setFocus();
        numberBox->selectAll();
        QTest::keyClicks(numberBox, "2");
        QCOMPARE(model().electronPositions(), placed);
        QTest::keyClicks(numberBox, "0");
        QCOMPARE(model().number(), 13);
        QTest::keyClick(numberBox, Qt::Key_Return);
        QCOMPARE(model().number(), 20);
        QCOMPARE(model().electronPositions().mid(0, 13), placed);
        QTest::keyClick(numberBox, Qt::Key_Up);
        QCOMPARE(model().number(), 21);
    }
    // The first Escape drops a half-typed value and leaves the box; the second closes the window.
    void escapeLeavesABoxBeforeTheWindow()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *sideBox = w->findChild<QSpinBox *>("sideBox");
        sideBox->setFocus();
        sideBox->selectAll();
        QTest::keyClicks(sideBox, "3");
        QTest::keyClick(sideBox, Qt::Key_Escape);
        QVERIFY(w->isVisible());
        QCOMPARE(sideBox->text(), "50");
        QCOMPARE(sideBox->value(), 50);
        QCOMPARE(QApplication::focusWidget(), field);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }
    void referenceLine_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("points");
        QTest::addColumn<QPointF>("leftRange");
        // Two movers of the 400-spacing lattice: the free area is 392^2 - 196 pi, its wall length
        // 4 * 392; no wall is hit before tick 40.
        const double expectedPressure = 100 * 2 * 5 * 1568 / (8 * (392.0 * 392 - 196 * M_PI));
        QTest::newRow("probability") << "Probability" << 8 << 2 << QPointF(0, 1);
        // The data are all 0, a range the plot refuses; the reference widens it with its margin.
        QTest::newRow("pressure above the data")
            << "Pressure" << 20 << 2 << QPointF(0, expectedPressure * 1.05);
        QTest::newRow("density") << "Density" << 8 << 6 << QPointF(0, 1);
    }
    void referenceLine()
    {
        QFETCH(QString, mode);
        QFETCH(int, ticks);
        QFETCH(int, points);
        QFETCH(QPointF, leftRange);
        placeMovers(3, {100, 200});
        set("plot" + mode + "Button", true, "checked");
        tick(ticks);
        QCOMPARE(plot()->graphCount(), 1);
        set("expectedCheckBox", true, "checked");
        QCOMPARE(plot()->graphCount(), 2);
        const QCPGraph *reference = plot()->graph(1);
        QCOMPARE(reference->pen().color(), QColor("#c00000"));
        QCOMPARE(reference->pen().widthF(), 2.0);
        QCOMPARE(reference->pen().style(), Qt::DashLine);
        QCOMPARE(reference->dataCount(), points);
        // Over the data's span: from the first sample to the last, or strip by strip.
        const auto data = plot()->graph(0)->data();
        const QVector<double> shares = model().expectedDensity();
        for (int i = 0; i < points; ++i) {
            const bool density = mode == "Density";
            const double expected = mode == "Probability" ? model().expectedProbability()
                                    : mode == "Pressure"  ? model().expectedPressure()
                                                          : shares[i / 2];
            const int sameKey = density ? i : i * (data->size() - 1);
            QCOMPARE(reference->data()->at(i)->value, expected);
            QCOMPARE(reference->data()->at(i)->key, data->at(sameKey)->key);
        }
        QCOMPARE(range(plot()->yAxis), leftRange);
        tick(1);
        QCOMPARE(plot()->graphCount(), 2);
        set("electronRadBox", 200); // no centre fits: nothing to expect
        tick(1);
        QCOMPARE(plot()->graphCount(), 1);
        set("electronRadBox", 4);
        click("clearButton");
        QVERIFY(get("expectedCheckBox", "checked").toBool());
        w->replot(); // redrawn from the emptied series: no samples to draw a line over
        QCOMPARE(plot()->graphCount(), mode == "Density" ? 2 : 1);
    }
    void plottedNumbersAsCsv_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("withReference");
        QTest::addColumn<QByteArray>("start"); // header and first row; later rows are checked below
        QTest::addColumn<int>("rows");
        // The mover in strip 1 of 3 keeps half the electrons there; samples at ticks 1, 5 to 8.
        QTest::newRow("probability")
            << "Probability" << false << QByteArray("t,probability\n0.050000000000000003,0.5\n")
            << 5;
        QTest::newRow("pressure, per time")
            << "Pressure" << true << QByteArray("t,pressure,expected\n0.050000000000000003,0,")
            << 5;
        QTest::newRow("density, one row per strip")
            << "Density" << false << QByteArray("strip,density\n1,0.5\n2,0.5\n3,0\n") << 3;
        QTest::newRow("density with reference")
            << "Density" << true << QByteArray("strip,density,expected\n1,0.5,") << 3;
    }
    void plottedNumbersAsCsv()
    {
        QFETCH(QString, mode);
        QFETCH(bool, withReference);
        QFETCH(QByteArray, start);
        QFETCH(int, rows);
        placeMovers(3, {100, 200});
        set("plot" + mode + "Button", true, "checked");
        set("expectedCheckBox", withReference, "checked");
        tick(8);
        QTemporaryDir dir;
        QVERIFY(w->saveTo(dir.filePath("numbers.CSV")));
        const QByteArray csv = contents(dir.filePath("numbers.CSV"));
        QVERIFY2(csv.startsWith(start), csv);
        QList<QByteArray> lines = csv.split('\n');
        QCOMPARE(lines.takeLast(), QByteArray()); // the last line ends too
        QCOMPARE(lines.size(), 1 + rows);
        const QVector<double> time = model().timeData();
        for (int i = 0; i < rows; ++i) {
            const QList<QByteArray> cells = lines[1 + i].split(',');
            QCOMPARE(cells.size(), withReference ? 3 : 2);
            // Every number reads back to the very value plotted.
            const double key = plot()->graph(0)->data()->at(mode == "Density" ? 2 * i : i)->key;
            const double value = plot()->graph(0)->data()->at(mode == "Density" ? 2 * i : i)->value;
            QCOMPARE(cells[0].toDouble(), mode == "Density" ? i + 1.0 : key);
            QCOMPARE(cells[1].toDouble(), value);
            if (withReference)
                QCOMPARE(cells[2].toDouble(),
                         plot()->graph(1)->data()->at(mode == "Density" ? 2 * i : 0)->value);
        }
    }
    // The Save dialog's file types, the replace question and the warning, as a user meets them.
    void savingThroughTheDialog()
    {
        placeMovers(3, {100, 200});
        tick(8);
        QTemporaryDir dir;
        const QString numbersType = "CSV Data (*.csv)";
        const QString pictureType = "PNG Images (*.png)";
        const QString numbers = dir.filePath("numbers.csv");
        {
            ModalAnswers answers({chooseFile(dir.filePath("numbers"), numbersType)});
            click("saveButton");
            QVERIFY(answers.allUsedAsExpected());
        }
        const QByteArray firstSave = contents(numbers);
        QVERIFY2(firstSave.startsWith("t,probability\n"), firstSave);
        tick(1);
        {
            ModalAnswers answers({chooseFile(dir.filePath("numbers"), numbersType),
                                  answerMessage("numbers.csv", QMessageBox::No),
                                  cancelFileDialog()});
            click("saveButton");
            QVERIFY(answers.allUsedAsExpected());
        }
        QCOMPARE(contents(numbers), firstSave);
        {
            ModalAnswers answers(
                {chooseFile(numbers, pictureType), answerMessage("numbers.csv", QMessageBox::Yes)});
            click("saveButton");
            QVERIFY(answers.allUsedAsExpected());
        }
        QVERIFY(contents(numbers) != firstSave);
        {
            ModalAnswers answers({chooseFile(dir.filePath("shot"), pictureType)});
            click("saveButton");
            QVERIFY(answers.allUsedAsExpected());
        }
        QCOMPARE(QImageReader(dir.filePath("shot.png")).format(), "png");
        {
            ModalAnswers answers({chooseFile(dir.filePath("missing/numbers.csv"), numbersType),
                                  answerMessage("numbers.csv", QMessageBox::Ok)});
            click("saveButton");
            QVERIFY(answers.allUsedAsExpected());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"numbers.csv", "shot.png"}));
    }
    // A failed write leaves what stood under the name untouched.
    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("shot.xyz");
        QFile old(name);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(!w->saveTo(name)); // no writer knows this format
        QCOMPARE(contents(name), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"shot.xyz"}));
    }
    void snapshot_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written"); // empty when the save must fail
        QTest::newRow("png") << "shot.png" << QString("shot.png");
        QTest::newRow("bmp") << "shot.bmp" << QString("shot.bmp");
        QTest::newRow("unknown format") << "shot.xyz" << QString();
        QTest::newRow("missing directory") << "missing/shot.png" << QString();
    }
    // One electron at (50, 200) flying straight up, in trail mode.
    void snapshot()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QTemporaryDir dir;
        placeMovers(3, {50});
        set("showBinsBox", true, "checked");
        set("trailModeCheckBox", true, "checked");
        const auto electrons = std::pair(model().electronPositions(), model().electronDirections());
        QCOMPARE(w->saveTo(dir.filePath(name)), !written.isEmpty());
        QVERIFY(std::pair(model().electronPositions(), model().electronDirections()) == electrons);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).join(""), written);
        if (written.isEmpty())
            return;
        QImageReader reader(dir.filePath(written)); // in the format its suffix names
        QCOMPARE(reader.format(), QFileInfo(written).suffix().toLatin1());
        const QImage shot = reader.read();
        QCOMPARE(shot.size(), QSize(400, 400));
        QCOMPARE(shot.pixelColor(25, 25), QColor(Qt::black)); // an atom
        QCOMPARE(shot.pixelColor(50, 200), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(5, 200), QColor(Qt::cyan)); // the selected strip
        QVERIFY(qGray(shot.pixel(50, 180)) < 128);           // a trail dot, four ticks ahead
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
