#include "widget.h"
#include "window.h"

#include <QAbstractButton>
#include <QImageReader>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <qcustomplot.h>

#include <cstdlib>

namespace {
// The points a plot mode shows, built plainly from the model's series.
std::pair<QVector<double>, QVector<double>> curve(const GasModel &model, const QString &mode)
{
    QVector<double> x = model.timeData(), y = model.probabilityData();
    if (mode == "Density") { // each strip from its left edge to just short of its right one
        const QVector<double> density = model.densityData();
        x.clear(), y.clear();
        for (int i = 0; i < density.size(); ++i) {
            x << double(i) / density.size() << double(i + 1) / density.size() - 0.001;
            y << density[i] << density[i];
        }
    } else if (mode == "Pressure") { // the running depth sum per time
        y = model.pressureData();
        for (int i = 0; i < x.size(); ++i)
            y[i] /= x[i];
    }
    return {x, y};
}

struct PlotCase
{
    QString mode;
    int strips, ticks, points;
    QList<int> columns;
    double lastValue;
    QPointF x, y; // the axes' ranges
};
} // namespace

Q_DECLARE_METATYPE(PlotCase)

// The main window with its field, plot and snapshot.
class WindowTest : public QObject
{
    Q_OBJECT
    QScopedPointer<Window> window;
    QTimer *timer = nullptr;
    Widget *field = nullptr;
    QObject *control(const QString &n) const { return window->findChild<QObject *>(n); }
    QVariant get(const char *n, const char *p = "value") const { return control(n)->property(p); }
    void set(QString n, QVariant v, const char *p = "value") { control(n)->setProperty(p, v); }
    void click(const char *n) { qobject_cast<QAbstractButton *>(control(n))->click(); }
    const GasModel &model() const { return window->gasModel(); }
    QColor pixel(int x, int y) const { return field->grab().toImage().pixelColor(x, y); }
    QString state() const // whether the animation runs, and what the play button shows
    {
        return (timer->isActive() ? "running " : "stopped ") +
               get("togglePlayButton", "text").toString() +
               (get("togglePlayButton", "enabled").toBool() ? "" : " disabled");
    }
    QCustomPlot *plot() const { return window->findChild<QCustomPlot *>(); }
    QPointF range(const QCPAxis *axis) const { return {axis->range().lower, axis->range().upper}; }
    // Electrons clicked in these columns fly straight up for good: at spacing 400 the atoms sit at
    // x = 25 + 400k, out of their reach.
    void placeMovers(int strips, const QList<int> &columns)
    {
        set("binsBox", strips), set("sideBox", 400), set("defDirBox", 0);
        set("randomDefDirBox", false, "checked");
        for (int x : columns)
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, 200));
    }
private slots:
    void init()
    {
        window.reset(new Window(nullptr));
        timer = window->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        field = window->findChild<Widget *>();
    }
    void startsStoppedWithTheFormDefaults_data()
    {
        QTest::addColumn<QStringList>("texts"); // settingsBox, pointsLabel, Play, Pause
        QTest::newRow("english") << QStringList{"Settings", "Electrons:", "Play", "Pause"};
        QTest::newRow("russian") << QStringList{"Настройки", "Электроны:", "Запуск",
                                                "Приостановить"};
    }
    void startsStoppedWithTheFormDefaults()
    {
        QFETCH(QStringList, texts);
        QTranslator translator; // uninstalls itself at the end of the test
        QVERIFY(texts[0] == "Settings" ||
                (translator.load("vandrel_ru", ":/resources/translations") &&
                 QCoreApplication::installTranslator(&translator)));
        init(); // the form sets its texts once, when it is built
        QCOMPARE(get("settingsBox", "title").toString(), texts[0]);
        QCOMPARE(get("pointsLabel", "text").toString(), texts[1]);
        QCOMPARE(state(), "stopped " + texts[2]);
        QCOMPARE(timer->interval(), 50);
        const QList<QPair<const char *, double>> values{
            {"numberBox", 0},  {"sideBox", 50},   {"atomRadBox", 10}, {"electronRadBox", 4},
            {"speedBox", 100}, {"defDirBox", 23}, {"binsBox", 3},     {"binIndexBox", 1}};
        for (const auto &[name, value] : values)
            QVERIFY2(get(name).toDouble() == value, name);
        QStringList checked; // of all check boxes and radio buttons
        for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
            if (button->isChecked())
                checked << button->objectName();
        QCOMPARE(checked, QStringList({"randomDefDirBox", "plotProbabilityButton"}));
        // The model holds what the form shows.
        QCOMPARE(model().binAccumulators().size(), 3);
        QCOMPARE(pixel(75, 75), QColor(Qt::black)); // an atom's centre at spacing 50
        QCOMPARE(pixel(50, 25), QColor(Qt::white));
        QCOMPARE(pixel(33, 25), QColor(Qt::black)); // atom radius 10
        std::srand(7);
        const double angle = (std::rand() % 360) * 0.017453292519943295;
        std::srand(7);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(model().electronDirections(), QVector<double>{angle}); // random directions
        QCOMPARE(pixel(52, 50), QColor(Qt::red));                       // electron radius 4
        QCOMPARE(pixel(55, 50), QColor(Qt::white));
        QCOMPARE(get("numberBox").toInt(), 1); // moved by numberChanged
        click("togglePlayButton");
        QCOMPARE(state(), "running " + texts[3]);
        // At its maximum the number box stays, without a change signal.
        set("numberBox", 500);
        QSignalSpy boxChanged(window->findChild<QSpinBox *>("numberBox"), &QSpinBox::valueChanged);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(model().number() == 501 && get("numberBox").toInt() == 500 && boxChanged.isEmpty());
    }
    void stateTransitions_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("trailMode");
        QTest::newRow("stopped") << false << false;
        QTest::newRow("running") << true << false;
        QTest::newRow("trail mode while stopped") << false << true;
        QTest::newRow("trail mode while running") << true << true;
    }
    void stateTransitions()
    {
        QFETCH(bool, running);
        QFETCH(bool, trailMode);
        set("binsBox", 5);
        set("numberBox", 6);
        click("togglePlayButton");
        for (int i = 0; i < 3; ++i) // timer ticks
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        if (!running)
            click("togglePlayButton");
        const QString shown = state();
        QCOMPARE(shown, running ? "running Pause" : "stopped Play");
        if (trailMode) {
            set("trailModeCheckBox", true, "checked"); // the disabled button keeps its text
            QCOMPARE(state(), "stopped " + shown.section(' ', 1) + " disabled");
            set("trailModeCheckBox", false, "checked");
            QCOMPARE(state(), shown);
            set("trailModeCheckBox", true, "checked");
        }
        click("clearButton");
        QCOMPARE(state(), "stopped Play");
        QVERIFY(get("numberBox").toInt() == 0 && model().number() == 0 &&
                model().timeData().isEmpty() && model().elapsedPath() == 0);
        QCOMPARE(model().binAccumulators(), QVector<double>(5, 0.0)); // the settings stay
    }
    void fewerBinsClampTheIndexFirst()
    {
        set("showBinsBox", true, "checked");
        set("binsBox", 5);
        set("binIndexBox", 5);
        QVector<int> stripsAtIndexChange; // in the field, which has taken the new index by then
        connect(window->findChild<QSpinBox *>("binIndexBox"), &QSpinBox::valueChanged, this,
                [&] { stripsAtIndexChange.append(model().binAccumulators().size()); });
        set("binsBox", 2);
        QCOMPARE(get("binIndexBox").toInt(), 2);
        QCOMPARE(stripsAtIndexChange, QVector<int>{5});
        QCOMPARE(pixel(300, 50), QColor(Qt::cyan)); // y = 50 runs between the atoms
    }
    void plots_data()
    {
        QTest::addColumn<PlotCase>("c");
        // Columns 100 and 200, in strips 1 (selected) and 2 of three, hit the top at tick 40 (depth
        // 4 each, T = 2), the bottom at 118 (depth 2), the top at 197 (depth 5). One sample:
        // refused.
        QTest::newRow("probability, samples at ticks 1, 5 to 8")
            << PlotCase{"Probability", 3, 8, 5, {100, 200}, 0.5, {0.05, 0.4}, {0, 1}};
        QTest::newRow("pressure, one sample")
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
            field->animate(), window->replot();
        QCOMPARE(plot()->yAxis->label(), c.mode.toLower());
        QCOMPARE(plot()->xAxis->label(), c.mode == "Density" ? " " : "T");
        const auto [x, y] = curve(model(), c.mode);
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
        // The same picture as a plain rebuild, which leaves the plot to order the points itself.
        const QImage drawn = plot()->toPixmap(620, 280).toImage();
        plot()->clearGraphs();
        plot()->addGraph()->setData(x, y);
        QCOMPARE(plot()->toPixmap(620, 280).toImage(), drawn);
        // A mode switch reaches the plot only through the next tick; Clear empties it at once.
        set(c.mode == "Density" ? "plotPressureButton" : "plotDensityButton", true, "checked");
        QCOMPARE(plot()->yAxis->label(), c.mode.toLower());
        click("clearButton");
        QCOMPARE(plot()->graphCount(), 0);
        QCOMPARE(range(plot()->xAxis), QPointF(0, 1000));
        QCOMPARE(range(plot()->yAxis), QPointF(0, 1));
    }
    void snapshot_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written"); // empty when the save must fail
        QTest::newRow("png") << "shot.png" << QString("shot.png");
        QTest::newRow("bmp") << "shot.bmp" << QString("shot.bmp");
        QTest::newRow("no suffix") << "shot" << QString("shot.png");
        QTest::newRow("missing directory") << "missing/shot.png" << QString();
        QTest::newRow("unknown suffix") << "shot.xyz" << QString();
    }
    // One electron at (50, 200) flying straight up, its trail dots 5 pixels apart above it.
    void snapshot()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QTemporaryDir dir;
        placeMovers(3, {50});
        set("showBinsBox", true, "checked");
        set("trailModeCheckBox", true, "checked");
        const auto electrons = std::pair(model().electronPositions(), model().electronDirections());
        QCOMPARE(window->saveShotTo(dir.filePath(name)), !written.isEmpty());
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
        QCOMPARE(shot.pixelColor(5, 200), QColor(Qt::cyan));  // the selected strip
        QVERIFY(qGray(shot.pixel(50, 180)) < 128);            // a trail dot: an antialiased disc
        QCOMPARE(shot.pixelColor(50, 182), QColor(Qt::cyan)); // between two dots
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
