#include "lesson.h"
#include "notelabel.h"
#include "readout.h"
#include "resultstablemodel.h"
#include "widget.h"
#include "window.h"

#include <QtTest>
#include <QtWidgets>
#include <qcustomplot.h>

#include <csignal>
#include <limits>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

using Range = QPointF; // lower, upper: compared to within rounding

// Movers in the given columns after some ticks, and what the plot shows then.
struct Plotted
{
    QString mode;
    QList<int> columns;
    int ticks;
    int points;
    double lastValue;
    QVector<double> reference; // the expected values, left to right
    Range bottom;
    Range left;
};
Q_DECLARE_METATYPE(Plotted)

// A save through the dialog over an old file, and what it comes to.
struct Save
{
    QString type;  // the file type chosen in the dialog
    QString typed; // the name typed there
    QString mode;
    QString saved; // the name written to, where an old file stood
    // What is written: "field" or "plot" for a picture of it, "%PDF" for a PDF, "lesson", else
    // the CSV itself; nothing when the save fails.
    QByteArray written;
    QString told = QString(); // the message of a failed save, %1 the file's path
    bool pipe = false;        // a named pipe stands under the name, not a file
    int sizeLimit = 0;        // bytes a file may take, as if the disk were full
};
Q_DECLARE_METATYPE(Save)

static Range rangeOf(const QCPAxis *axis)
{
    return {axis->range().lower, axis->range().upper};
}

// While it lives, the files this process writes stop growing at the given size, as on a full
// disk; 0 leaves them unlimited.
class FileSizeLimit
{
    rlimit before;

public:
    explicit FileSizeLimit(int bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before);
        if (bytes == 0)
            return;
        signal(SIGXFSZ, SIG_IGN); // a failed write then, rather than the end of the process
        rlimit limited = before;
        limited.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before); }
};

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
    std::unique_ptr<QTimer> answering;
    QStringList messages; // the text of each message met since answering began, noted if rich

    template <typename Control> Control *control(const QString &name) const
    {
        return window->findChild<Control *>(name);
    }
    // A box to a number, a check box or a button to true or false, as the user sets them.
    void set(const QString &box, const QVariant &value)
    {
        const bool checked = value.typeId() == QMetaType::Bool;
        control<QWidget>(box)->setProperty(checked ? "checked" : "value", value);
    }
    void click(const QString &button) { control<QAbstractButton>(button)->click(); }
    // Shown and given the keyboard, as the shortcuts need.
    bool shownActive()
    {
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }
    const GasModel &model() const { return window->gasModel(); }
    QString readout() const { return control<QLabel>("readoutLabel")->text(); }
    QCustomPlot *plot() const { return control<QCustomPlot>(QString()); }
    // From now on every message is noted and answered with the button, every file dialog filled
    // in by the function and accepted, as the Save button does.
    void answer(
        QMessageBox::StandardButton button,
        const std::function<void(QFileDialog *)> &fill = [](QFileDialog *) {})
    {
        messages.clear();
        answering = std::make_unique<QTimer>();
        connect(answering.get(), &QTimer::timeout, this, [this, button, fill] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *message = qobject_cast<QMessageBox *>(modal)) {
                const bool plain = message->textFormat() == Qt::PlainText;
                messages << (plain ? "" : "rich text: ") + message->text();
                message->done(button);
            } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                fill(dialog);
                static_cast<QDialog *>(dialog)->accept();
            }
        });
        answering->start(0);
    }
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
        set("binsBox", strips);
        set("sideBox", 400);
        set("defDirBox", 0);
        set("randomDefDirBox", false);
        for (int x : columns)
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, 200));
    }

private slots:
    void initTestCase()
    {
        // The remembered save folder goes to a test folder, not the user's settings.
        QStandardPaths::setTestModeEnabled(true);
    }
    void init()
    {
        QSettings().clear(); // no folder or file type remembered from another test
        window = std::make_unique<Window>();
        timer = window->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        // Ticks come from tick() alone: a slow build must not step the motion while a test
        // waits on a message box.
        timer->setInterval(std::numeric_limits<int>::max());
        field = control<Widget>(QString());
    }
    void cleanup() { answering.reset(); }
    // A user through the states, from the form's defaults to Clear.
    void session()
    {
        QVERIFY(shownActive());
        QCOMPARE(state(), "stopped Play");
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(50, 50));
        // The click took the focus from the electrons box, which would keep a Space; Space
        // plays through the play button, so not while trail mode disables it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(state(), "running Pause");
        set("trailModeCheckBox", true); // the disabled button keeps its text
        QTest::keyClick(field, Qt::Key_Space);
        QCOMPARE(state(), "stopped Pause disabled");
        set("trailModeCheckBox", false);
        QCOMPARE(state(), "running Pause");
        click("togglePlayButton");
        QCOMPARE(state(), "stopped Play");

        set("binsBox", 5);
        click("togglePlayButton");
        tick(3);
        // A new measurement, the motion running on; the other motion starts one too.
        click("resetStatisticsButton");
        QCOMPARE(state(), "running Pause");
        QVERIFY(model().timeData().isEmpty());
        QCOMPARE(readout(), QString());
        tick(1);
        set("exactCollisionsCheckBox", true);
        QVERIFY(model().timeData().isEmpty());
        QCOMPARE(state(), "running Pause");
        tick(3);
        click("clearButton"); // stops a running demonstration
        QCOMPARE(state(), "stopped Play");
        QCOMPARE(model().binAccumulators(), QVector<double>(5, 0.0)); // the settings stay

        // Fewer strips lower the index first, so the field has it before the new count.
        set("showBinsBox", true);
        set("binIndexBox", 5);
        QVector<int> stripsWhenIndexChanged;
        connect(control<QSpinBox>("binIndexBox"), &QSpinBox::valueChanged, this,
                [&] { stripsWhenIndexChanged << model().binAccumulators().size(); });
        set("binsBox", 2);
        QCOMPARE(stripsWhenIndexChanged, QVector<int>{5});
    }
    void roundedReadout_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("error");
        QTest::addColumn<double>("expected");
        // The value and its error, and where the error is not 0 the distance in errors.
        QTest::addColumn<QString>("shown");
        QTest::newRow("two digits of the error")
            << 0.31874 << 0.00213 << 0.3206 << "0.3187 ± 0.0021 (−0.9)";
        QTest::newRow("error in tens") << 428.86 << 123.4 << 428.86 << "430 ± 120 (0.0)";
        QTest::newRow("rounding adds a digit") << 0.3 << 0.0996 << 0.1 << "0.30 ± 0.10 (+2.0)";
        QTest::newRow("error 0") << 0.5 << 0.0 << 0.5 << "0.5000 ± 0";
    }
    void roundedReadout()
    {
        QFETCH(double, value);
        QFETCH(double, error);
        QFETCH(double, expected);
        QFETCH(QString, shown);
        const RoundedMeasurement rounded = roundedMeasurement(value, error);
        QString told = rounded.value + " ± " + rounded.error;
        if (error > 0)
            told += " (" + distanceInErrors(value, expected, error) + ")";
        QCOMPARE(told, shown);
    }
    void twoDigits_data()
    {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("shown");
        QTest::newRow("small") << 5.4321e-10 << "5.4·10⁻¹⁰";
        QTest::newRow("a fraction") << 0.1349 << "0.13";
        QTest::newRow("hundreds") << 161.84 << "160";
    }
    void twoDigits()
    {
        QFETCH(double, number);
        QFETCH(QString, shown);
        QCOMPARE(::twoDigits(number), shown);
    }
    void readoutTells_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QVariantMap>("settings"); // a box's name and its value, before the run
        QTest::addColumn<QVariantMap>("changed");  // and after its first tick; "field": a click
        // A pattern of the read-out after two ticks, its line of notes after a newline; "~" is a
        // no-break space.
        QTest::addColumn<QString>("told");
        const auto row = [](const char *name, const char *mode, const QVariantMap &settings,
                            const QString &told, const QVariantMap &changed = {}) {
            QTest::newRow(name) << QString(mode) << settings << changed << told;
        };
        const QVariantMap exact{{"exactCollisionsCheckBox", true}};
        const QString number = "\\d+(\\.\\d+)?";
        const QString measured = number + "~±~" + number;
        const QString stepwise = "The stepwise rule settles off the expected value, the more the "
                                 "faster; “Exact collisions” meets it\\.$";
        row("one electron: no spread", "Probability", {{"numberBox", 1}},
            "^P~=~" + number + "~±~—, expected " + number + "\n" + stepwise);
        row("stepwise: its bias told", "Density", {},
            "^Strip~1:~" + measured + ", expected " + number + " \\(.*~σ\\)\n" + stepwise);
        row("pockets", "Pressure", {{"exactCollisionsCheckBox", true}, {"atomRadBox", 22}},
            "σ\\)\nEach electron stays in its own pocket: the values hold on average over "
            "placements\\.$");
        // Too few contacts yet to tell electrons that meet only walls.
        row("the mean free path in pixels", "MeanFreePath", exact,
            "^ℓ~=~" + measured + "~px, expected " + number + " \\(.*σ\\)\n$");
        // The pressure depends on the count, the probability on the strips but not the count.
        row("settings changed", "Pressure", exact,
            "^p~=~" + measured + ", expected " + number +
                "\nThe settings changed since the measurement began: “Reset statistics” starts it "
                "again\\.$",
            {{"numberBox", 40}});
        row("a change it does not depend on", "Probability", exact, "\\d~σ\\)\n$",
            {{"numberBox", 40}});
        row("no room", "Probability", {}, ", no room for electrons\n$", {{"electronRadBox", 200}});
        // A step of 5 against gaps of 30 - 28; of 50 against the reach across, 28, narrower than
        // the gaps of 72, with or without the expected value.
        row("a step across the gaps", "Pressure", {{"sideBox", 30}},
            "\nA step of 5 px crosses gaps of 2 px: electrons pass through atoms; “Exact "
            "collisions” meets the expected value\\.$");
        row("a step across the atoms", "Probability",
            {{"sideBox", 100}, {"speedBox", 1000}, {"expectedCheckBox", false}},
            "^P~=~" + measured +
                "\nA step of 50 px crosses atoms 28 px across: electrons pass through them; "
                "“Exact collisions” meets the expected value\\.$");
        // Reach 4 about nodes at 5 + 10 k: straight up along x = 200 meets no atom, while the
        // others meet one every 6 pixels or so, 16 in two steps of 50.
        row("electrons that met only walls", "MeanFreePath",
            {{"exactCollisionsCheckBox", true},
             {"sideBox", 10},
             {"atomRadBox", 3},
             {"electronRadBox", 1},
             {"speedBox", 1000},
             {"defDirBox", 0},
             {"randomDefDirBox", false}},
            "\nElectrons that met only walls since the measurement began: [1-9]\\d*; they lift "
            "ℓ\\.$",
            {{"field", QPoint(200, 200)}});
    }
    // What the line under the plot says of the measured value, as soon as two electrons have
    // moved, beside the expected value, and the notes under it.
    void readoutTells()
    {
        QFETCH(QString, mode);
        QFETCH(QVariantMap, settings);
        QFETCH(QVariantMap, changed);
        QFETCH(QString, told);
        set("plot" + mode + "Button", true);
        set("expectedCheckBox", true);
        settings.insert("numberBox", settings.value("numberBox", 30));
        for (auto box = settings.begin(); box != settings.end(); ++box)
            set(box.key(), box.value());
        tick(1);
        for (auto box = changed.begin(); box != changed.end(); ++box) {
            if (box.key() == "field")
                QTest::mouseClick(field, Qt::LeftButton, {}, box.value().toPoint());
            else
                set(box.key(), box.value());
        }
        tick(1);
        QString shown = readout() + "\n" + control<NoteLabel>("readoutNoteLabel")->note();
        shown.replace(QChar(0x00a0), '~');
        QVERIFY2(QRegularExpression(told).match(shown).hasMatch(), qPrintable(shown));
    }
    void plots_data()
    {
        QTest::addColumn<Plotted>("plotted");
        // Among the atoms at 25 + 400k: free area 392^2 - 196 pi, free wall 4 * 392, and the
        // strips' shares of the free area, as vandrel-sim --side 400 --bins 4 --output expected
        // gives them.
        const double pressure = 100 * 2 * 5 * 1568 / (8 * (392.0 * 392 - 196 * M_PI));
        const QVector<double> shares{0.24185999096584923, 0.2561283814304563, 0.2561283814304563,
                                     0.24588324617323806};
        QVector<double> staircase;
        for (double share : shares)
            staircase << share << share;
        // Columns 50 and 200 lie in strips 1 (selected) and 3 of four; both hit the top wall
        // at tick 40 (depth 4 each, T = 2), the bottom at 118 (2), the top at 197 (5).
        const QVector<double> twoOfPressure(2, pressure);
        QTest::newRow("probability: samples at ticks 1, 5 to 8") << Plotted{
            "Probability", {50, 200}, 8, 5, 0.5, {shares[0], shares[0]}, {0.05, 0.4}, {0, 1}};
        // All 0, which the plot refuses; the reference widens it, with its margin.
        QTest::newRow("pressure: no wall hit yet") << Plotted{
            "Pressure", {50, 200}, 20, 17, 0, twoOfPressure, {0.05, 1}, {0, pressure * 1.05}};
        QTest::newRow("pressure: three wall hits, 5% margins") << Plotted{
            "Pressure", {50, 200}, 200, 197, 2.2, twoOfPressure, {0.05, 10}, {-0.2, 4.2}};
        // A staircase of 2 points per strip, each strip's share of the movers, up to twice the
        // largest share but no higher than 1.
        QTest::newRow("density: four equal strips") << Plotted{
            "Density", {50, 150, 250, 350}, 100, 8, 0.25, staircase, {0, 0.999}, {0, 0.5}};
        QTest::newRow("density: largest 0.6") << Plotted{
            "Density", {50, 150, 350, 360, 370}, 100, 8, 0.6, staircase, {0, 0.999}, {0, 1}};
        QTest::newRow("density: no electrons, 0 / 0")
            << Plotted{"Density", {}, 100, 8, qQNaN(), staircase, {0, 0.999}, {0, 1}};
    }
    void plots()
    {
        QFETCH(Plotted, plotted);
        placeMovers(4, plotted.columns);
        set("plot" + plotted.mode + "Button", true);
        set("expectedCheckBox", true);
        tick(plotted.ticks);
        QCOMPARE(plot()->xAxis->label(), plotted.mode == "Density" ? " " : "T");
        const auto data = plot()->graph(0)->data();
        const int points = data->size();
        QCOMPARE(points, plotted.points);
        QCOMPARE(data->at(points - 1)->value, plotted.lastValue);
        QCOMPARE(rangeOf(plot()->xAxis), plotted.bottom);
        QCOMPARE(rangeOf(plot()->yAxis), plotted.left);
        // The reference spans the data, as a dashed dark red line.
        const auto line = plot()->graph(1)->data();
        QCOMPARE(plot()->graph(1)->pen(), QPen(QColor("#c00000"), 2, Qt::DashLine));
        QCOMPARE(line->at(0)->key, data->at(0)->key);
        QCOMPARE(line->at(line->size() - 1)->key, data->at(points - 1)->key);
        QCOMPARE(line->size(), plotted.reference.size());
        for (int i = 0; i < line->size(); ++i)
            QCOMPARE(line->at(i)->value, plotted.reference[i]);
        set("electronRadBox", 200); // no room: no reference
        tick(1);
        QCOMPARE(plot()->graphCount(), 1);
    }
    // While paused, the plot follows its controls at once instead of at the next tick.
    void pausedPlotFollowsItsControls()
    {
        placeMovers(3, {100, 200});
        tick(10);
        QSignalSpy redraws(plot(), &QCustomPlot::afterReplot);
        set("plotPressureButton", true);
        set("expectedCheckBox", true);
        QCOMPARE(plot()->graphCount(), 2);
        // New strips start the density afresh, and its read-out with them.
        set("plotDensityButton", true);
        set("binsBox", 4);
        QCOMPARE(plot()->graph(0)->data()->size(), 8);
        QCOMPARE(readout(), QString());
        // Back to the ranges of the start, the expected line across them until the first sample.
        set("plotProbabilityButton", true);
        click("clearButton");
        QCOMPARE(redraws.size(), 6);
        QCOMPARE(plot()->graph(0)->data()->size(), 0);
        QCOMPARE(plot()->yAxis->label(), "probability");
        QCOMPARE(rangeOf(plot()->xAxis), Range(0, 1000));
        QCOMPARE(rangeOf(plot()->yAxis), Range(0, 1));
        const auto line = plot()->graph(1)->data();
        QCOMPARE(line->size(), 2);
        QCOMPARE(Range(line->at(0)->key, line->at(1)->key), Range(0, 1000));
        QCOMPARE(line->at(0)->value, model().expectedProbability());
        // The entropy of electrons in one strip is far below 0 from the start: its frame holds
        // the value now before the first sample.
        placeMovers(3, {60, 80, 100, 120});
        set("plotEntropyButton", true);
        const double entropyNow = model().measuredEntropy().value;
        QVERIFY(plot()->yAxis->range().lower < entropyNow);
    }
    void savedFiles_data()
    {
        QTest::addColumn<Save>("save");
        const auto row = [](const char *name, const Save &save) { QTest::newRow(name) << save; };
        const char *field = "PNG Images (*.png)";
        const char *numbers = "CSV Data (*.csv)";
        const char *plotPdf = "Plot for a slide (*.pdf)";
        const char *plotPicture = "Plot for a slide, picture (*.png)";
        const char *lesson = "Lesson (*.vandrel)";
        row("the suffix's picture format", {field, "shot.BMP", "Probability", "shot.BMP", "field"});
        row("PDF by the suffix", {field, "plot.PDF", "Pressure", "plot.PDF", "%PDF"});
        row("plot picture", {plotPicture, "plot", "Density", "plot.png", "plot"});
        row("picture suffix, plot type", {plotPdf, "slide.png", "Density", "slide.png", "plot"});
        // Two movers in strips 1 and 2 of 3 after 8 ticks, samples at ticks 1, 5 to 8.
        row("probability", {numbers, "p.CSV", "Probability", "p.CSV",
                            "t,probability,expected\n"
                            "0.05,0.5,0.3272361181093347\n"
                            "0.25,0.5,0.3272361181093347\n"
                            "0.3,0.5,0.3272361181093347\n"
                            "0.35,0.5,0.3272361181093347\n"
                            "0.4,0.5,0.3272361181093347\n"});
        row("density, a suffix not the type's", {numbers, "d.txt", "Density", "d.txt.csv",
                                                 "strip,density,expected\n"
                                                 "1,0.5,0.3272361181093347\n"
                                                 "2,0.5,0.34150450857394177\n"
                                                 "3,0,0.33125937331672345\n"});
        row("lesson by the suffix",
            {numbers, "gap.vandrel", "Probability", "gap.vandrel", "lesson"});
        row("lesson, a suffix not the type's",
            {lesson, "gap.json", "Probability", "gap.json.vandrel", "lesson"});
        row("lesson onto a full disk",
            {lesson, "full", "Probability", "full.vandrel", "",
             "Could not save the lesson to %1: File too large.", false, 64});
        row("PDF onto a full disk",
            {plotPdf, "full", "Pressure", "full.pdf", "",
             "Could not save the plot to %1: File too large.", false, 4096});
        row("onto a named pipe",
            {numbers, "pipe.csv", "Probability", "pipe.csv", "",
             "Could not save the numbers to %1: a named pipe (FIFO), not a regular file.", true});
    }
    // Pictures of the field, trail preview included, at its own size in the lecture view too; the
    // plot for a 16:9 slide whatever the window's size; the plotted numbers with their reference
    // as CSV; the lesson. A typed suffix of the program's decides what is written, another name
    // gets the chosen type's suffix, and the question before replacing names the final name. A
    // failed save says what and why, and leaves what stood under the name as it was.
    void savedFiles()
    {
        QFETCH(Save, save);
        const auto &[type, typed, mode, saved, written, told, pipe, sizeLimit] = save;
        QTemporaryDir folder;
        const QString path = folder.filePath(saved);
        if (pipe) {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QFile old(path);
            old.open(QIODevice::WriteOnly);
            old.write("old");
        }
        placeMovers(3, {100, 200});
        set("plot" + mode + "Button", true);
        set("expectedCheckBox", true);
        tick(8);
        set("trailModeCheckBox", true);
        window->resize(1200, 900);
        window->show();
        window->setLectureView(true);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()) && field->width() > 400);
        answer(QMessageBox::Yes, [&](QFileDialog *dialog) {
            dialog->selectNameFilter(save.type);
            dialog->selectFile(folder.filePath(save.typed));
        });
        {
            const FileSizeLimit disk(sizeLimit);
            window->saveShot();
        }
        QStringList expectedMessages;
        if (!pipe)
            expectedMessages << saved + " already exists.\nDo you want to replace it?";
        if (!told.isEmpty())
            expectedMessages << told.arg(QDir::toNativeSeparators(path));
        QCOMPARE(messages, expectedMessages);
        // No temporary file left behind.
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            QStringList(saved));
        if (pipe) {
            QVERIFY(!QFileInfo(path).isFile());
        } else if (written.isEmpty()) {
            QCOMPARE(contents(path), "old");
        } else if (written == "%PDF") {
            const QRegularExpression slide(R"(/MediaBox \[0 0 960(\.0*)? 540(\.0*)?\])");
            QVERIFY(slide.match(QString::fromLatin1(contents(path))).hasMatch());
        } else if (written == "plot") {
            QCOMPARE(QImageReader(path).format(), "png");
            QCOMPARE(QImage(path).size(), QSize(1920, 1080));
        } else if (written == "lesson") {
            QCOMPARE(contents(path), window->lesson().toJson());
        } else if (written != "field") {
            QCOMPARE(contents(path), written);
        } else {
            QCOMPARE(QImageReader(path).format(), QFileInfo(path).suffix().toLower());
            const QImage shot(path);
            QCOMPARE(shot.size(), QSize(400, 400));
            QCOMPARE(shot.pixelColor(100, 160), QColor(Qt::red)); // an electron
            QVERIFY(qGray(shot.pixel(100, 150)) < 128);           // a trail dot ahead
        }
    }
    // A name without a suffix takes the chosen type's; replacing asks first, and No goes back
    // to the dialog. Ctrl+S opens the dialog, in the folder saved to last and with the file type
    // chosen last, in the next run too.
    void savingThroughTheDialog()
    {
        QTemporaryDir folder;
        const QString numbers = folder.filePath("numbers.csv");
        QCOMPARE(window->saveTo(numbers), QString());
        tick(1);
        QVERIFY(shownActive());
        QStringList chosenNames{folder.filePath("numbers"), folder.filePath("other"),
                                folder.filePath("next")};
        QString openedIn;
        answer(QMessageBox::No, [&](QFileDialog *dialog) {
            messages << dialog->windowTitle() + ", " + dialog->selectedNameFilter();
            openedIn = dialog->directory().path();
            dialog->selectNameFilter("CSV Data (*.csv)");
            dialog->selectFile(chosenNames.takeFirst());
        });
        QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
        window = std::make_unique<Window>();
        click("saveButton");
        QCOMPARE(messages,
                 QStringList({"Save Shot, PNG Images (*.png)",
                              "numbers.csv already exists.\nDo you want to replace it?",
                              "Save Shot, CSV Data (*.csv)", "Save Shot, CSV Data (*.csv)"}));
        QCOMPARE(contents(numbers), "t,probability\n");
        QCOMPARE(openedIn, folder.path());
    }
    // Saved through the dialog's lesson type and opened with Ctrl+O, or dropped on the window:
    // every setting and the electrons, 500 of them, come back to the last bit; opening ends
    // trail mode, pauses and starts the measurement again.
    void lessonRoundTrip()
    {
        set("sideBox", 37);
        set("atomRadBox", 7.25);
        set("electronRadBox", 2.5);
        set("speedBox", 333.33);
        set("defDirBox", 271.5);
        set("randomDefDirBox", false);
        set("exactCollisionsCheckBox", true);
        set("binsBox", 7);
        set("binIndexBox", 6);
        set("showBinsBox", true);
        set("plotDensityButton", true);
        set("expectedCheckBox", true);
        set("numberBox", 500);
        tick(3);
        QTemporaryDir folder;
        QStringList chosenNames{folder.filePath("gap"), folder.filePath("gap.vandrel")};
        answer(QMessageBox::No, [&](QFileDialog *dialog) {
            dialog->selectNameFilter("Lesson (*.vandrel)");
            dialog->selectFile(chosenNames.takeFirst());
        });
        QVERIFY(shownActive());
        QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
        const QByteArray saved = contents(folder.filePath("gap.vandrel"));
        QCOMPARE_LT(saved.size(), 50000);

        init();
        QVERIFY(shownActive());
        click("togglePlayButton");
        set("trailModeCheckBox", true);
        QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(window->lesson().toJson(), saved);
        QCOMPARE(plot()->yAxis->label(), "density"); // drawn as its settings draw it
        QCOMPARE(plot()->graphCount(), 2);
        QCOMPARE(state(), "stopped Play"); // trail mode ended too
        QVERIFY(model().timeData().isEmpty());

        // Straight to the window: Qt hands a drop only to the target of a real drag.
        init();
        QObject *dropTarget = window.get();
        QMimeData dragged;
        for (const QString name : {"notes.txt", "gap.vandrel"}) {
            dragged.setUrls({QUrl::fromLocalFile(folder.filePath(name))});
            QDragEnterEvent entering(QPoint(1, 1), Qt::CopyAction, &dragged, Qt::LeftButton, {});
            entering.ignore();
            dropTarget->event(&entering);
            QCOMPARE(entering.isAccepted(), name.endsWith(".vandrel"));
        }
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &dragged, Qt::LeftButton, {});
        dropTarget->event(&drop);
        QCoreApplication::processEvents();
        QCOMPARE(window->lesson().toJson(), saved);
    }
    // Two spacings recorded, the second only once the measurement starts again: the Results plot
    // shows them against the spacing with the expected curve through each one's expected value;
    // the table goes to CSV under the one column list, and to a lesson and back. Rows not saved
    // are not lost by closing without a question.
    void results()
    {
        set("numberBox", 30);
        set("exactCollisionsCheckBox", true);
        tick(20);
        click("recordButton");
        set("sideBox", 40);
        tick(1);
        click("recordButton");
        QVERIFY(control<NoteLabel>("readoutNoteLabel")->note().startsWith("Not recorded"));
        click("resetStatisticsButton");
        tick(20);
        click("recordButton");
        const ResultsTableModel &table = window->resultsTable();
        set("plotResultsButton", true);
        set("expectedCheckBox", true);
        QCOMPARE(plot()->xAxis->label(), "spacing");
        QCOMPARE(plot()->yAxis->label(), "pressure");
        const auto points = plot()->graph(0)->data();
        QCOMPARE(points->size(), 2);
        QCOMPARE(points->at(0)->key, 40.0);
        const auto curve = plot()->graph(1)->data();
        for (const ResultsRow &row : table.rows()) {
            const double side = row.settings.side();
            const auto onCurve =
                std::find_if(curve->constBegin(), curve->constEnd(),
                             [side](const QCPGraphData &p) { return p.key == side; });
            QVERIFY(onCurve != curve->constEnd());
            QCOMPARE(onCurve->value, row.valueOf(Quantity::Pressure).expected);
        }
        QVERIFY(readout().startsWith("Recorded as row 2 of the results. Rows: 2; beyond 2 σ of "
                                     "their expected values: "));

        QTemporaryDir folder;
        QVERIFY(window->saveTo(folder.filePath("results.csv")).isEmpty());
        const QList<QByteArray> lines = contents(folder.filePath("results.csv")).split('\n');
        QCOMPARE(lines.first(), resultsColumns().join(',').toUtf8());
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[2].startsWith("40,10,4,100,30,3,1,exact,,,,"));
        QVERIFY(window->saveTo(folder.filePath("results.vandrel")).isEmpty());
        click("recordButton");
        answer(QMessageBox::No);
        QVERIFY(shownActive());
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(messages, QStringList("The results table has 3 rows that are not saved. End the "
                                       "program without them?"));

        init();
        QVERIFY(window->openLesson(folder.filePath("results.vandrel")));
        QCOMPARE(window->lesson().toJson(), contents(folder.filePath("results.vandrel")));
    }
    void badLessons_data()
    {
        QTest::addColumn<QByteArray>("text"); // or <missing>, <folder>, <pipe>, <loop>, <device>
        QTest::addColumn<QString>("told");    // empty: the lesson opens
        Lesson lesson;
        lesson.electrons = {{QPointF(200.5, 395), -1.5707963267948966}};
        const QByteArray good = lesson.toJson();
        const auto changed = [&good](const char *from, const QByteArray &to) {
            QByteArray text = good;
            return text.replace(from, to);
        };
        const auto row = [](const char *name, const QByteArray &text, const char *told) {
            QTest::newRow(name) << text << QString::fromUtf8(told);
        };
        row("missing file", "<missing>", "no such file");
        row("folder", "<folder>", "a folder, not a regular file");
        row("named pipe", "<pipe>", "a named pipe (FIFO), not a regular file");
        row("device", "<device>", "a device, not a regular file");
        row("loop of links", "<loop>", "a loop of symbolic links");
        row("empty", "\n", "not a lesson: the file is empty");
        row("cut short", good.left(good.size() / 2),
            "not a lesson: unterminated object at character 204");
        row("not an object", "[1, 2]", "not a lesson: the text is not one JSON object");
        row("another format", changed("vandrel-lesson", "vandrel-lecture"),
            "format: \"vandrel-lecture\" is not \"vandrel-lesson\"");
        row("newer major version", changed("\"1.0\"", "\"2.0\""),
            "version: \"2.0\" is not a version this program reads; it reads 1.x");
        row("version and a newline", changed("\"1.0\"", "\"1.0\\n\""),
            "version: \"1.0\\n\" is not a version such as \"1.1\"");
        row("text for a number", changed("\"side\": 50", "\"side\": \"50\""),
            "side: \"50\" is not an integer from 5 to 400");
        row("fraction for an integer", changed("\"bins\": 3", "\"bins\": 2.5"),
            "bins: 2.5 is not an integer from 1 to 100");
        // Numbers as the language writes them, a decimal comma in Russian.
        row("negative, in Russian",
            "<ru>" + changed("\"electronRadius\": 4", "\"electronRadius\": -4.5"),
            "electronRadius: -4,5 is not a number from 0,1 to 400");
        row("strip beyond the strips", changed("\"selectedBin\": 1", "\"selectedBin\": 4"),
            "selectedBin: 4 is not an integer from 1 to 3");
        row("unknown plot", changed("probability", "free path"),
            "plot: \"free path\" is not one of probability, pressure, density, mean_free_path, "
            "entropy, results");
        row("number for a switch", changed("\"showBins\": false", "\"showBins\": 0"),
            "showBins: 0 is not true or false");
        row("missing setting", changed("    \"showExpected\": false,\n", ""),
            "showExpected: missing");
        // Quoted as plain text, escaped, cut to 40 characters.
        row("markup in a key",
            changed("\"side\": 50,",
                    "\"side\": 50, \"<a href=\\\"https://example.com/\\\">click here</a>\": 5,"),
            "<a href=\"https://example.com/\">click her…: not a field of a lesson");
        row("control characters in a key",
            changed("\"side\": 50,", "\"side\": 50, \"a\\nb\\u001b[2Jc\\u202ed\": 5,"),
            "a\\nb\\x1b[2Jc\\u202ed: not a field of a lesson");
        row("off the field", changed("200.5", "400.5"),
            "electrons[0].x: 400.5 is not a number from 0 to 400");
        row("not a number", changed("395", "\"nan\""),
            "electrons[0].y: \"nan\" is not a number from 0 to 400");
        row("no angle", changed(", -1.5707963267948966", ""),
            "electrons[0]: a list of 2 is not [x, y, angle]");
        row("too many electrons",
            changed("[200.5, 395, -1.5707963267948966]",
                    QByteArray("[1, 1, 0],").repeated(500) + "[1, 1, 0]"),
            "electrons: a list of 501 is not a list of at most 500 electrons");
        // Newer minor versions add fields and may tell more of an electron.
        row("newer minor version",
            changed("\"1.0\",", "\"1.7\", \"tracks\": true,").replace("0.5, 395,", "0.5, 395, 1,"),
            "");
    }
    // A file that is no good lesson is told, naming it and what is wrong, and changes nothing:
    // not the settings, not the electrons, not the running motion.
    void badLessons()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, told);
        const auto backToEnglish = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        if (text.startsWith("<ru>")) {
            text.remove(0, 4);
            QLocale::setDefault(QLocale::Russian);
        }
        QTemporaryDir folder;
        QString path = folder.filePath("<b>bad.vandrel");
        if (text == "<folder>") {
            path = folder.path();
        } else if (text == "<device>") {
            path = "/dev/zero";
        } else if (text == "<pipe>") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (text == "<loop>") {
            QVERIFY(QFile::link(path, path));
        } else if (text != "<missing>") {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(text);
        }
        set("numberBox", 3);
        set("sideBox", 44);
        click("togglePlayButton");
        const QByteArray before = window->lesson().toJson();
        answer(QMessageBox::Ok);
        QCOMPARE(window->openLesson(path), told.isEmpty());
        if (told.isEmpty()) {
            QCOMPARE(model().electronPositions(), QVector<QPointF>{QPointF(200.5, 395)});
            return;
        }
        const QString named = QDir::toNativeSeparators(path);
        QCOMPARE(messages, QStringList("Could not open the lesson " + named + ":\n" + told + "."));
        QCOMPARE(window->lesson().toJson(), before);
        QCOMPARE(state(), "running Pause");
    }
    // A typed number of electrons applies on Enter only, adding to those placed; the arrows apply
    // at once. The first Escape drops a half-typed value and leaves the box, the second closes
    // the window.
    void typingInBoxes()
    {
        QVERIFY(shownActive());
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(20, 300));
        QSpinBox *numberBox = control<QSpinBox>("numberBox");
        numberBox->setFocus();
        numberBox->selectAll();
        QTest::keyClicks(numberBox, "2 0"); // the box keeps the Space: no Play
        QCOMPARE(state(), "stopped Play");
        QCOMPARE(model().number(), 1);
        QTest::keyClick(numberBox, Qt::Key_Return);
        QCOMPARE(model().number(), 20);
        QCOMPARE(model().electronPositions().first(), QPointF(20, 300)); // more are added
        QTest::keyClick(numberBox, Qt::Key_Up);
        QCOMPARE(model().number(), 21);

        QSpinBox *sideBox = control<QSpinBox>("sideBox");
        sideBox->setFocus();
        sideBox->selectAll();
        QTest::keyClicks(sideBox, "3");
        QTest::keyClick(sideBox, Qt::Key_Escape);
        QCOMPARE(sideBox->text(), "50");
        QCOMPARE(QApplication::focusWidget(), field);
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
