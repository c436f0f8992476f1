#include "widget.h"
#include "window.h"

#include <QFile>
#include <QSpinBox>
#include <QtTest>
#include <qcustomplot.h>

// A long run with a full box: the series stop at their cap, and nothing else
// grows with the run's length.
class SoakTest : public QObject
{
    Q_OBJECT
private slots:
    void sampleCapBoundsTheRun();
};

namespace {
// Resident memory of this process in kB, from the kernel's status file.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

void SoakTest::sampleCapBoundsTheRun()
{
    Window window; // never shown: the field's repaint after each step is free
    auto *field = window.findChild<Widget *>();
    auto *plot = window.findChild<QCustomPlot *>();
    window.findChild<QSpinBox *>("numberBox")->setValue(500);
    const GasModel &model = window.gasModel();
    QCOMPARE(model.number(), 500);

    int tick = 0;
    for (; model.timeData().size() < GasModel::maxSamples; ++tick)
        field->animate();
    const int capTick = tick;
    QElapsedTimer clock;
    clock.start();
    window.replot();
    const double capMs = clock.nsecsElapsed() / 1e6;
    QCOMPARE(plot->graph(0)->dataCount(), GasModel::maxSamples);
    const QVector<double> times = model.timeData();
    const QVector<double> density = model.densityData();
    const QVector<double> binTime = model.binAccumulators();
    const double path = model.elapsedPath();
    const long capKb = residentKb();

    for (; tick < 120000; ++tick)
        field->animate();
    clock.start();
    window.replot();
    const double endMs = clock.nsecsElapsed() / 1e6;
    const long endKb = residentKb();

    // Recording stopped for good: the accumulators ran on, but the density
    // was not recomputed from them.
    QCOMPARE(model.timeData(), times);
    QCOMPARE(model.probabilityData().size(), GasModel::maxSamples);
    QCOMPARE(model.pressureData().size(), GasModel::maxSamples);
    QCOMPARE(model.densityData(), density);
    QCOMPARE(model.elapsedPath(), path + (tick - capTick) * 5.0);
    QVERIFY(model.binAccumulators() != binTime);
    QCOMPARE(plot->graph(0)->dataCount(), GasModel::maxSamples);
    qInfo("cap at tick %d; replot %.1f ms there and %.1f ms at tick %d; resident %ld kB there "
          "and %ld kB at the end",
          capTick, capMs, endMs, tick, capKb, endKb);
#ifdef __SANITIZE_ADDRESS__
    qInfo("resident memory not compared: the address sanitizer's quarantine inflates it");
#else
    QVERIFY(capKb > 0 && endKb > 0);
    QVERIFY2(endKb - capKb < 20 * 1024, qPrintable(QString::number(endKb - capKb)));
#endif
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
