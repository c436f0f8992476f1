#include "windowdriver.h"

#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {
struct Range
{
    double lower;
    double upper;
};

void compareRange(const QCPAxis *axis, Range expected)
{
    QVERIFY2(qAbs(axis->range().lower - expected.lower) < 1e-12,
             qPrintable(QString::number(axis->range().lower, 'g', 17)));
    QVERIFY2(qAbs(axis->range().upper - expected.upper) < 1e-12,
             qPrintable(QString::number(axis->range().upper, 'g', 17)));
}

const char *const probability = "plotProbabilityButton";
const char *const pressure = "plotPressureButton";
const char *const density = "plotDensityButton";

// At the size the plot has in the full-screen window, whatever the size of
// the hidden window.
QImage picture(QCustomPlot *plot)
{
    return plot->toPixmap(620, 280).toImage();
}

// The plot built the plain way, with the plot widget left to order the points
// itself: the picture every tick must show.
QImage plainRebuild(QCustomPlot *plot, const GasModel &model, const QString &mode)
{
    plot->clearGraphs();
    QVector<double> x = model.timeData();
    QVector<double> y = mode == pressure ? model.pressureData() : model.probabilityData();
    if (mode == pressure) {
        for (int i = 0; i < x.size(); ++i)
            y[i] /= x[i];
    } else if (mode == density) {
        const QVector<double> d = model.densityData();
        x.clear();
        y.clear();
        const double w = 1.0 / d.size();
        for (int i = 0; i < d.size(); ++i) {
            x << i * w << (i + 1) * w - 0.001;
            y << d[i] << d[i];
        }
    }
    plot->yAxis->setLabel(mode == pressure  ? "pressure"
                          : mode == density ? "density"
                                            : "probability");
    plot->xAxis->setLabel(mode == density ? " " : "T");
    plot->addGraph(plot->xAxis, plot->yAxis);
    plot->graph(0)->setData(x, y);
    plot->xAxis->setRange(x.first(), x.last());
    const auto [min, max] = std::minmax_element(y.cbegin(), y.cend());
    if (mode == probability)
        plot->yAxis->setRange(0, 1);
    else if (mode == density)
        plot->yAxis->setRange(0, qMin(2 * *max, 1.0));
    else
        plot->yAxis->setRange(*min - (*max - *min) * 0.05, *max + (*max - *min) * 0.05);
    plot->replot();
    return picture(plot);
}
} // namespace

Q_DECLARE_METATYPE(Range)

class PlotsTest : public QObject
{
    Q_OBJECT
private slots:
    void emptyUntilFirstTick();
    void timePlots_data();
    void timePlots();
    void densityStaircase_data();
    void densityStaircase();
    void drawsLikePlainRebuild_data();
    void drawsLikePlainRebuild();
    void modeSwitchWaitsForTick();
    void clearEmptiesPlot();
};

void PlotsTest::emptyUntilFirstTick()
{
    WindowDriver driver;
    driver.placeVerticalMovers({100});
    QCOMPARE(driver.plot->graphCount(), 0);
    compareRange(driver.plot->xAxis, {0, 1000});
    compareRange(driver.plot->yAxis, {0, 1});
}

// Two electrons move up and down in columns 100 and 200, in strips 1 and 2 of
// three: strip 1 (the selected one) holds half of them all the time. Both hit
// the top wall at tick 40 (depth 4 each, T = 2), the bottom at tick 118 (depth
// 2) and the top again at tick 197 (depth 5).
void PlotsTest::timePlots_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("points");
    QTest::addColumn<double>("firstValue");
    QTest::addColumn<double>("lastValue");
    QTest::addColumn<Range>("xRange");
    QTest::addColumn<Range>("yRange");

    // A single sample gives empty ranges, which the plot refuses.
    QTest::newRow("probability, one sample")
        << probability << 1 << 1 << 0.5 << 0.5 << Range{0, 1000} << Range{0, 1};
    QTest::newRow("probability, samples at ticks 1, 5 to 8")
        << probability << 8 << 5 << 0.5 << 0.5 << Range{0.05, 0.4} << Range{0, 1};
    QTest::newRow("pressure, one sample")
        << pressure << 1 << 1 << 0.0 << 0.0 << Range{0, 1000} << Range{0, 1};
    QTest::newRow("pressure, no wall reached")
        << pressure << 8 << 5 << 0.0 << 0.0 << Range{0.05, 0.4} << Range{0, 1};
    QTest::newRow("pressure, three wall hits")
        << pressure << 200 << 197 << 0.0 << 22 / 10.0 << Range{0.05, 10} << Range{-0.2, 4.2};
}

void PlotsTest::timePlots()
{
    QFETCH(QString, button);
    QFETCH(int, ticks);
    QFETCH(int, points);
    QFETCH(double, firstValue);
    QFETCH(double, lastValue);
    QFETCH(Range, xRange);
    QFETCH(Range, yRange);

    WindowDriver driver;
    driver.placeVerticalMovers({100, 200});
    driver.choosePlot(qPrintable(button));
    driver.tick(ticks);

    const bool isPressure = button == pressure;
    QCOMPARE(driver.plot->graphCount(), 1);
    QCOMPARE(driver.plot->yAxis->label(), isPressure ? "pressure" : "probability");
    QCOMPARE(driver.plot->xAxis->label(), "T");

    const QVector<double> time = driver.model().timeData();
    const QVector<double> measured =
        isPressure ? driver.model().pressureData() : driver.model().probabilityData();
    const auto data = driver.plot->graph(0)->data();
    QCOMPARE(data->size(), points);
    QCOMPARE(time.size(), points);
    for (int i = 0; i < points; ++i) {
        QCOMPARE(data->at(i)->key, time[i]);
        QCOMPARE(data->at(i)->value, isPressure ? measured[i] / time[i] : measured[i]);
    }
    QCOMPARE(data->at(0)->key, 0.05);
    QCOMPARE(data->at(0)->value, firstValue);
    QCOMPARE(data->at(points - 1)->value, lastValue);
    compareRange(driver.plot->xAxis, xRange);
    compareRange(driver.plot->yAxis, yRange);
}

// Vertical movers never leave their strip, so each strip's density is its
// share of the electrons.
void PlotsTest::densityStaircase_data()
{
    QTest::addColumn<int>("strips");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QList<double>>("expected");
    QTest::addColumn<double>("yUpper");

    QTest::newRow("one strip") << 1 << QList<int>{100, 300} << QList<double>{1} << 1.0;
    QTest::newRow("three equal strips")
        << 3 << QList<int>{100, 200, 300} << QList<double>{1 / 3.0, 1 / 3.0, 1 / 3.0} << 2 / 3.0;
    QTest::newRow("largest 0.6") << 4 << QList<int>{50, 60, 70, 150, 250}
                                 << QList<double>{0.6, 0.2, 0.2, 0} << 1.0;
    QTest::newRow("largest 0.4") << 4 << QList<int>{50, 60, 150, 250, 350}
                                 << QList<double>{0.4, 0.2, 0.2, 0.2} << 0.8;
    // No electrons: every strip divides 0 by 0.
    QTest::newRow("no electrons") << 3 << QList<int>{} << QList<double>{NAN, NAN, NAN} << 1.0;
}

void PlotsTest::densityStaircase()
{
    QFETCH(int, strips);
    QFETCH(QList<int>, columns);
    QFETCH(QList<double>, expected);
    QFETCH(double, yUpper);

    WindowDriver driver;
    driver.control<QSpinBox>("binsBox")->setValue(strips);
    driver.placeVerticalMovers(columns);
    driver.choosePlot(density);
    driver.tick(100);

    QCOMPARE(driver.plot->yAxis->label(), "density");
    QCOMPARE(driver.plot->xAxis->label(), " ");
    const auto data = driver.plot->graph(0)->data();
    QCOMPARE(data->size(), 2 * strips);
    const double w = 1.0 / strips;
    for (int i = 0; i < strips; ++i) {
        QCOMPARE(data->at(2 * i)->key, i * w);
        QCOMPARE(data->at(2 * i + 1)->key, (i + 1) * w - 0.001);
        for (int edge : {2 * i, 2 * i + 1}) {
            const double value = data->at(edge)->value;
            if (std::isnan(expected[i]))
                QVERIFY(std::isnan(value));
            else
                QVERIFY2(qAbs(value - expected[i]) < 1e-12, qPrintable(QString::number(value)));
        }
    }
    compareRange(driver.plot->xAxis, {0, 0.999});
    compareRange(driver.plot->yAxis, {0, yUpper});
}

void PlotsTest::drawsLikePlainRebuild_data()
{
    QTest::addColumn<QString>("button");
    for (const char *button : {probability, pressure, density})
        QTest::newRow(button) << button;
}

// Many electrons flying every way over the default lattice, long enough for
// hundreds of uneven samples.
void PlotsTest::drawsLikePlainRebuild()
{
    QFETCH(QString, button);

    WindowDriver driver;
    driver.control<QSpinBox>("numberBox")->setValue(40);
    driver.choosePlot(qPrintable(button));
    driver.tick(400);
    const QImage drawn = picture(driver.plot);

    QCOMPARE(drawn, plainRebuild(driver.plot, driver.model(), button));
}

// The radio buttons reach the plot only through the next tick.
void PlotsTest::modeSwitchWaitsForTick()
{
    WindowDriver driver;
    driver.placeVerticalMovers({100, 200});
    driver.choosePlot(pressure);
    driver.tick(200);

    driver.choosePlot(density);
    QCOMPARE(driver.plot->yAxis->label(), "pressure");
    QCOMPARE(driver.plot->graph(0)->data()->size(), 197);
    compareRange(driver.plot->yAxis, {-0.2, 4.2});

    driver.tick();
    QCOMPARE(driver.plot->yAxis->label(), "density");
    QCOMPARE(driver.plot->graph(0)->data()->size(), 6);
    compareRange(driver.plot->xAxis, {0, 0.999});

    driver.choosePlot(probability);
    driver.tick();
    QCOMPARE(driver.plot->yAxis->label(), "probability");
    QCOMPARE(driver.plot->graph(0)->data()->size(), 199);
    compareRange(driver.plot->xAxis, {0.05, 10.1});
    compareRange(driver.plot->yAxis, {0, 1});
}

void PlotsTest::clearEmptiesPlot()
{
    WindowDriver driver;
    driver.placeVerticalMovers({100, 200});
    driver.choosePlot(pressure);
    driver.tick(200);

    driver.control<QPushButton>("clearButton")->click();
    QCOMPARE(driver.plot->graphCount(), 0);
    compareRange(driver.plot->xAxis, {0, 1000});
    compareRange(driver.plot->yAxis, {0, 1});

    // The first tick after Clear records one sample: its empty time range is
    // refused and the axis keeps the range Clear set.
    driver.tick();
    QCOMPARE(driver.plot->graphCount(), 1);
    QCOMPARE(driver.plot->graph(0)->data()->size(), 1);
    QCOMPARE(driver.plot->graph(0)->data()->at(0)->key, 0.05);
    compareRange(driver.plot->xAxis, {0, 1000});
    compareRange(driver.plot->yAxis, {0, 1});
}

QTEST_MAIN(PlotsTest)
#include "tst_plots.moc"
