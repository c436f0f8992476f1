#include "widget.h"
#include "window.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QtTest>

#include <cstring>

// Every corner of the settings form with a full box of electrons, placed at
// those settings (so on a covered field they start inside the atoms' reach).
class ExtremeSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void cornersStayFiniteAndNear_data();
    void cornersStayFiniteAndNear();
};

struct Corner
{
    int side, bins, binIndex;
    double atomR, electronR, speed;
};
Q_DECLARE_METATYPE(Corner)

void ExtremeSettingsTest::cornersStayFiniteAndNear_data()
{
    QTest::addColumn<Corner>("corner");
    for (int bits = 0; bits < 64; ++bits) {
        const auto high = [bits](int b) { return (bits >> b & 1) != 0; };
        const int bins = high(4) ? 100 : 1;
        if (bins == 1 && high(5))
            continue; // with one strip both ends are the same strip
        const Corner c{high(0) ? 400 : 5,   bins,
                       high(5) ? bins : 1,  high(1) ? 400 : 0.1,
                       high(2) ? 400 : 0.1, high(3) ? 1000 : 0.1};
        QTest::addRow("side %d atom %g electron %g speed %g bins %d index %d", c.side, c.atomR,
                      c.electronR, c.speed, c.bins, c.binIndex)
            << c;
    }
}

void ExtremeSettingsTest::cornersStayFiniteAndNear()
{
    QFETCH(Corner, corner);
    Window window;
    auto *field = window.findChild<Widget *>();
    window.findChild<QSpinBox *>("sideBox")->setValue(corner.side);
    window.findChild<QDoubleSpinBox *>("atomRadBox")->setValue(corner.atomR);
    window.findChild<QDoubleSpinBox *>("electronRadBox")->setValue(corner.electronR);
    window.findChild<QDoubleSpinBox *>("speedBox")->setValue(corner.speed);
    window.findChild<QSpinBox *>("binsBox")->setValue(corner.bins);
    window.findChild<QSpinBox *>("binIndexBox")->setValue(corner.binIndex);
    window.findChild<QCheckBox *>("showBinsBox")->setChecked(true);
    window.findChild<QSpinBox *>("numberBox")->setValue(500);
    const GasModel &model = window.gasModel();
    QCOMPARE(model.number(), 500);

    // No wall pass takes a centre farther from the field; one atom hit takes
    // it at most 4R + s from where the wall pass left it (back to the reach
    // circle, then on by the rest of the step). Twice that is far more than
    // the motion ever does, and a runaway electron would pass it quickly.
    const double reach = corner.atomR + corner.electronR;
    const double bound = 200 + 2 * (4 * reach + corner.speed / 20);
    double farthest = 0, slowestMs = 0;
    QElapsedTimer clock;
    for (int tick = 1; tick <= 2000; ++tick) {
        clock.start();
        field->animate();
        slowestMs = qMax(slowestMs, clock.nsecsElapsed() / 1e6);
        for (const QPointF &p : model.electronPositions()) {
            const double off = qMax(qAbs(p.x() - 200), qAbs(p.y() - 200));
            if (!(off <= bound)) // true for not-a-number too
                QFAIL(qPrintable(
                    QStringLiteral("tick %1: (%2, %3)").arg(tick).arg(p.x()).arg(p.y())));
            farthest = qMax(farthest, off);
        }
        if (tick % 500 == 0)
            QCOMPARE(renderToImage(field).size(), QSize(400, 400));
    }
    window.replot();

    // The trail preview at these settings puts every electron back bit for bit.
    const QVector<QPointF> positions = model.electronPositions();
    const QVector<double> directions = model.electronDirections();
    window.findChild<QCheckBox *>("trailModeCheckBox")->setChecked(true);
    renderToImage(field);
    QVERIFY(!std::memcmp(positions.constData(), model.electronPositions().constData(),
                         500 * sizeof(QPointF)));
    QVERIFY(!std::memcmp(directions.constData(), model.electronDirections().constData(),
                         500 * sizeof(double)));
    qInfo("farthest %.1f from the centre (bound %.1f), slowest tick %.2f ms", farthest, bound,
          slowestMs);
}

QTEST_MAIN(ExtremeSettingsTest)
#include "tst_extremesettings.moc"
