#include "widget.h"
#include "window.h"

#include <QAbstractButton>
#include <QImageReader>
#include <QSpinBox>
#include <QtTest>
#include <qcustomplot.h>

namespace {
// The main window with handles on its field and plot; a tick runs the timer's two slots in order.
struct WindowDriver
{
    Window window;
    Widget *field = window.findChild<Widget *>();
    QCustomPlot *plot = window.findChild<QCustomPlot *>();
    const GasModel &model = window.gasModel();

    template <typename T = QAbstractButton> T *control(const QString &name)
    {
        return window.findChild<T *>(name);
    }
    void choose(const QString &mode) { control("plot" + mode + "Button")->setChecked(true); }
    void tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            field->animate();
            window.replot();
        }
    }
    // Clicked electrons fly straight up (direction 0), keeping their column and strip for good.
    // With a spacing of 400 the atoms sit at x = 25 + 400k, out of reach of columns x >= 50.
    void placeVerticalMovers(const QList<int> &columns)
    {
        control<QSpinBox>("sideBox")->setValue(400);
        control("randomDefDirBox")->setChecked(false);
        control<QDoubleSpinBox>("defDirBox")->setValue(0);
        for (int x : columns)
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, 200));
    }
};

// The points a mode shows, built plainly from the model's series.
auto expectedCurve(const GasModel &model, const QString &mode)
{
    QVector<double> x, y;
    if (mode == "Density") { // each strip from its left edge to just short of its right one
        const QVector<double> density = model.densityData();
        for (int i = 0; i < density.size(); ++i) {
            x << double(i) / density.size() << double(i + 1) / density.size() - 0.001;
            y << density[i] << density[i];
        }
        return std::pair(x, y);
    }
    x = model.timeData();
    y = mode == "Pressure" ? model.pressureData() : model.probabilityData();
    for (int i = 0; mode == "Pressure" && i < x.size(); ++i)
        y[i] /= x[i]; // the running depth sum per time
    return std::pair(x, y);
}

void compareRange(const QCPAxis *axis, QCPRange expected)
{
    QCOMPARE(axis->range().lower, expected.lower);
    QCOMPARE(axis->range().upper, expected.upper);
}

struct PlotCase
{
    QString mode;
    int strips, ticks, points;
    QList<int> columns;
    double lastValue;
    QCPRange x, y;
};
} // namespace

Q_DECLARE_METATYPE(PlotCase)

class PlotsTest : public QObject
{
    Q_OBJECT
private slots:
    void plots_data()
    {
        QTest::addColumn<PlotCase>("c");
        // Electrons in columns 100 and 200 move up and down in strips 1 and 2 of three: the
        // selected strip 1 holds half of them. Both hit the top wall at tick 40 (depth 4 each,
        // T = 2), the bottom at tick 118 (depth 2) and the top again at tick 197 (depth 5).
        // A single sample gives empty ranges, which the plot refuses.
        QTest::newRow("probability, samples at ticks 1, 5 to 8")
            << PlotCase{"Probability", 3, 8, 5, {100, 200}, 0.5, {0.05, 0.4}, {0, 1}};
        QTest::newRow("pressure, one sample")
            << PlotCase{"Pressure", 3, 1, 1, {100, 200}, 0, {0, 1000}, {0, 1}};
        QTest::newRow("pressure, three wall hits")
            << PlotCase{"Pressure", 3, 200, 197, {100, 200}, 2.2, {0.05, 10}, {-0.2, 4.2}};
        // Each strip's density is its share of the vertical movers; the last strip's is checked.
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
        WindowDriver driver;
        driver.control<QSpinBox>("binsBox")->setValue(c.strips);
        driver.placeVerticalMovers(c.columns);
        driver.choose(c.mode);
        driver.tick(c.ticks);

        QCOMPARE(driver.plot->yAxis->label(), c.mode.toLower());
        QCOMPARE(driver.plot->xAxis->label(), c.mode == "Density" ? " " : "T");
        const auto [x, y] = expectedCurve(driver.model, c.mode);
        const auto data = driver.plot->graph(0)->data();
        QCOMPARE(data->size(), c.points);
        QCOMPARE(x.size(), c.points);
        for (int i = 0; i < c.points; ++i) {
            QCOMPARE(data->at(i)->key, x[i]);
            QCOMPARE(data->at(i)->value, y[i]); // NaN matches NaN
        }
        QCOMPARE(y.last(), c.lastValue);
        compareRange(driver.plot->xAxis, c.x);
        compareRange(driver.plot->yAxis, c.y);

        // The same picture as a plain rebuild, which leaves the plot to order the points itself.
        const QImage drawn = driver.plot->toPixmap(620, 280).toImage();
        driver.plot->clearGraphs();
        driver.plot->addGraph()->setData(x, y);
        QCOMPARE(driver.plot->toPixmap(620, 280).toImage(), drawn);

        // A mode switch reaches the plot only through the next tick; Clear empties it at once.
        driver.choose(c.mode == "Density" ? "Pressure" : "Density");
        QCOMPARE(driver.plot->yAxis->label(), c.mode.toLower());
        driver.control("clearButton")->click();
        QCOMPARE(driver.plot->graphCount(), 0);
        compareRange(driver.plot->xAxis, {0, 1000});
        compareRange(driver.plot->yAxis, {0, 1});
    }

    void snapshot_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("written"); // empty when the save must fail
        QTest::newRow("png") << "shot.png" << QStringList{"shot.png"};
        QTest::newRow("bmp") << "shot.bmp" << QStringList{"shot.bmp"};
        QTest::newRow("no suffix") << "shot" << QStringList{"shot.png"};
        QTest::newRow("missing directory") << "missing/shot.png" << QStringList();
        QTest::newRow("unknown suffix") << "shot.xyz" << QStringList();
    }
    // One electron at (50, 200) flying straight up, its trail dots 5 pixels apart above it.
    void snapshot()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, written);
        QTemporaryDir dir;
        WindowDriver driver;
        driver.placeVerticalMovers({50});
        driver.control("showBinsBox")->setChecked(true);
        driver.control("trailModeCheckBox")->setChecked(true);
        const QVector<QPointF> positions = driver.model.electronPositions();
        const QVector<double> directions = driver.model.electronDirections();

        QCOMPARE(driver.window.saveShotTo(dir.filePath(name)), !written.isEmpty());
        QCOMPARE(driver.model.electronPositions(), positions);
        QCOMPARE(driver.model.electronDirections(), directions);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), written);
        for (const QString &file : written) { // in the format its suffix names
            QImageReader reader(dir.filePath(file));
            QCOMPARE(reader.format(), QFileInfo(file).suffix().toLatin1());
            const QImage shot = reader.read();
            QCOMPARE(shot.size(), QSize(400, 400));
            QCOMPARE(shot.pixelColor(25, 25), QColor(Qt::black)); // an atom
            QCOMPARE(shot.pixelColor(50, 200), QColor(Qt::red));
            QCOMPARE(shot.pixelColor(5, 200), QColor(Qt::cyan)); // the selected strip
            QCOMPARE(shot.pixelColor(300, 200), QColor(Qt::white));
            QVERIFY(qGray(shot.pixel(50, 180)) < 128); // a trail dot: an antialiased disc
            QCOMPARE(shot.pixelColor(50, 182), QColor(Qt::cyan)); // between two dots
        }
    }
};

QTEST_MAIN(PlotsTest)
#include "tst_plots.moc"
