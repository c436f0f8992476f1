#include "modelsetup.h"

#include <QtTest>

#include <cstdlib>

class StatisticsTest : public QObject
{
    Q_OBJECT
private slots:
    void samplingTimes_data();
    void samplingTimes();
    void stripOfAMove_data();
    void stripOfAMove();
    void stripsMatchAScanOfEveryStrip_data();
    void stripsMatchAScanOfEveryStrip();
    void resets();
    void seriesStopAtTheCap();
    void densityWithoutElectronsIsNotANumber();
};

void StatisticsTest::samplingTimes_data()
{
    QTest::addColumn<double>("speed");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QList<int>>("sampledSteps");

    QTest::newRow("default speed") << 100.0 << 10 << QList<int>{1, 5, 6, 7, 8, 9, 10};
    QTest::newRow("fastest samples every step") << 1000.0 << 4 << QList<int>{1, 2, 3, 4};
    // s = 0.5: the second sample waits for elapsed >= 20 + 0.005.
    QTest::newRow("slow") << 10.0 << 42 << QList<int>{1, 41, 42};
}

void StatisticsTest::samplingTimes()
{
    QFETCH(double, speed);
    QFETCH(int, steps);
    QFETCH(QList<int>, sampledSteps);

    GasModel model;
    setUpModel(model, {50, 10, 4, speed, 3});
    model.addElectron(200, 200, 0.3);
    for (int i = 0; i < steps; ++i)
        model.step(50);

    const double s = 50 * speed / 1000.0;
    QVector<double> expected;
    for (int k : sampledSteps)
        expected.append(s * k / 100);
    const QVector<double> times = model.timeData();
    QCOMPARE(times.size(), expected.size());
    for (int i = 0; i < times.size(); ++i)
        QVERIFY2(qAbs(times[i] - expected[i]) < 1e-12, qPrintable(QString::number(times[i])));
    QCOMPARE(model.probabilityData().size(), times.size());
    QCOMPARE(model.pressureData().size(), times.size());
}

void StatisticsTest::stripOfAMove_data()
{
    QTest::addColumn<int>("bins");
    QTest::addColumn<int>("x");
    QTest::addColumn<double>("speed");
    QTest::addColumn<int>("expectedStrip");

    // One electron moving right by s = speed / 20 from (x, 200).
    QTest::newRow("130 to 136 crosses 133.3") << 3 << 130 << 120.0 << -1;
    QTest::newRow("inside the middle strip") << 3 << 140 << 100.0 << 1;
    QTest::newRow("lower bound inclusive") << 4 << 100 << 100.0 << 1;
    QTest::newRow("ending on the bound crosses") << 4 << 95 << 100.0 << -1;
    QTest::newRow("one strip") << 1 << 3 << 100.0 << 0;
    QTest::newRow("last of a hundred") << 100 << 390 << 20.0 << 97;
}

void StatisticsTest::stripOfAMove()
{
    QFETCH(int, bins);
    QFETCH(int, x);
    QFETCH(double, speed);
    QFETCH(int, expectedStrip);

    GasModel model;
    setUpModel(model, {400, 5, 2, speed, bins});
    model.setBinIndex(expectedStrip < 0 ? 0 : expectedStrip);
    model.addElectron(x, 200, 0.0);
    model.addElectron(x, 210, 0.0);
    model.step(50);

    const double share = speed / 20 / 2;
    QVector<double> expected(bins, 0.0);
    if (expectedStrip >= 0)
        expected[expectedStrip] = share + share;
    QCOMPARE(model.binAccumulators(), expected);
    QCOMPARE(model.selectedBinAccumulator(), expectedStrip >= 0 ? share + share : 0.0);
}

void StatisticsTest::stripsMatchAScanOfEveryStrip_data()
{
    QTest::addColumn<int>("bins");
    for (int bins : {1, 3, 7, 30, 100})
        QTest::addRow("%d strips", bins) << bins;
}

void StatisticsTest::stripsMatchAScanOfEveryStrip()
{
    QFETCH(int, bins);
    GasModel model;
    setUpModel(model, {20, 3, 1, 173, bins});
    model.setBinIndex(bins / 2);
    std::srand(11);
    model.setNumber(80);

    const double w = 400.0 / bins;
    const double q = 50 * 173 / 1000.0 / 80;
    QVector<double> scanned(bins, 0.0);
    double selected = 0;
    for (int stepIndex = 0; stepIndex < 300; ++stepIndex) {
        const QVector<QPointF> before = model.electronPositions();
        model.step(50);
        for (int i = 0; i < before.size(); ++i) {
            const double x0 = before[i].x(), x1 = model.electronPositions()[i].x();
            const int k = bins / 2;
            if (w * k <= x0 && x0 < w * (k + 1) && w * k <= x1 && x1 < w * (k + 1))
                selected += q;
            for (int j = 0; j < bins; ++j)
                if (w * j <= x0 && x0 < w * (j + 1) && w * j <= x1 && x1 < w * (j + 1))
                    scanned[j] += q;
        }
    }
    QCOMPARE(model.binAccumulators(), scanned);
    QCOMPARE(model.selectedBinAccumulator(), selected);
}

void StatisticsTest::resets()
{
    GasModel model;
    setUpModel(model);
    model.setNumber(20);
    for (int i = 0; i < 30; ++i)
        model.step(50);
    const QVector<QPointF> electrons = model.electronPositions();
    const int samples = model.timeData().size();
    QVERIFY(samples > 10);

    model.setBinsNumber(5);
    QCOMPARE(model.binAccumulators(), QVector<double>(5, 0.0));
    QCOMPARE(model.densityData(), QVector<double>(5, 0.0));
    QCOMPARE(model.timeData().size(), samples);
    QCOMPARE(model.elapsedPath(), 150.0);

    model.setBinIndex(2);
    model.setSide(30);
    model.setSpeed(7);
    QCOMPARE(model.timeData().size(), samples);
    QCOMPARE(model.electronPositions(), electrons);

    model.clearStatistics();
    QVERIFY(model.timeData().isEmpty() && model.probabilityData().isEmpty() &&
            model.pressureData().isEmpty());
    QCOMPARE(model.densityData(), QVector<double>(5, 0.0));
    QCOMPARE(model.elapsedPath(), 0.0);
    QCOMPARE(model.wallDepthTotal(), 0.0);
    QCOMPARE(model.selectedBinAccumulator(), 0.0);
    QCOMPARE(model.electronPositions(), electrons);

    model.step(50);
    QCOMPARE(model.timeData(), QVector<double>{7 * 50 / 1000.0 / 100});
}

void StatisticsTest::seriesStopAtTheCap()
{
    GasModel model;
    setUpModel(model, {50, 10, 4, 1000, 4});
    model.setNumber(3);
    QVector<double> density;
    double lastPressure = 0;
    for (int i = 0; i < GasModel::maxSamples + 50; ++i) {
        model.step(50);
        if (i == GasModel::maxSamples - 1)
            density = model.densityData();
        const double pressure = model.pressureData().last();
        QVERIFY(pressure >= lastPressure);
        lastPressure = pressure;
    }
    QCOMPARE(model.timeData().size(), GasModel::maxSamples);
    QCOMPARE(model.probabilityData().size(), GasModel::maxSamples);
    QCOMPARE(model.pressureData().size(), GasModel::maxSamples);
    QCOMPARE(model.densityData(), density);
    QCOMPARE(model.elapsedPath(), 50.0 * (GasModel::maxSamples + 50));
}

void StatisticsTest::densityWithoutElectronsIsNotANumber()
{
    GasModel model;
    setUpModel(model);
    model.step(50);
    QCOMPARE(model.timeData().size(), 1);
    QVERIFY(std::isnan(model.densityData().at(0)));
    QCOMPARE(model.probabilityData().at(0), 0.0);
}

QTEST_APPLESS_MAIN(StatisticsTest)
#include "tst_statistics.moc"
