#include "gasmodel.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

constexpr double kPi = 3.141592653589793, kTwoPi = 6.283185307179586, kThreePi = 9.42477796076938;

// The size first (while the spacing is still 25), then the settings, as the field view does.
static void setUpModel(GasModel &model, int side = 50, double atomR = 10, double electronR = 4,
                       double speed = 100, int bins = 3, int fieldWidth = 400)
{
    model.setSize(fieldWidth, 400), model.setSide(side), model.setAtomR(atomR);
    model.setElectronR(electronR), model.setSpeed(speed), model.setBinsNumber(bins);
}
static bool sameElectrons(const GasModel &m, const QVector<QPointF> &p, const QVector<double> &a)
{
    return m.number() == p.size() && p.size() == a.size() &&
           !std::memcmp(m.electronPositions().data(), p.data(), p.size() * sizeof(QPointF)) &&
           !std::memcmp(m.electronDirections().data(), a.data(), a.size() * sizeof(double));
}
// An independent transcription of the motion rules on a 400 x 400 field with origin (25, 25).
static void referenceStep(QPointF &p, double &a, double r, double R, double s, int side)
{
    const double px = p.x(), py = p.y();
    double x = px + s * std::cos(a), y = py + s * std::sin(a);
    const double ob = y + r - 400, orr = x + r - 400, tt = y - r, tl = x - r;
    if (ob > 0)
        y = (400 - r) - ob, a = kTwoPi - a;
    if (orr > 0)
        x = (400 - r) - orr, a = kThreePi - a;
    if (tt < 0)
        y = r - tt, a = kTwoPi - a;
    if (tl < 0)
        x = r - tl, a = kThreePi - a;
    p = QPointF(x, y);
    const double u = (x - 25) / side, v = (y - 25) / side;
    const double xc = side * std::ceil(u) + 25, xf = side * std::floor(u) + 25;
    const double yc = side * std::ceil(v) + 25, yf = side * std::floor(v) + 25;
    const QPointF *hit = nullptr, nodes[4] = {{xc, yc}, {xc, yf}, {xf, yf}, {xf, yc}};
    for (const QPointF &n : nodes)
        if (std::sqrt((x - n.x()) * (x - n.x()) + (y - n.y()) * (y - n.y())) <= R)
            hit = &n;
    if (!hit)
        return;
    const double hx = hit->x(), hy = hit->y(), dx = x - px, dy = y - py;
    a = 2 * std::atan2(y - hy, x - hx) - a - kPi;
    const double qa = dx * dx + dy * dy, qb = 2 * (dx * (px - hx) + dy * (py - hy));
    const double qc = ((hx - px) * (hx - px) + (hy - py) * (hy - py)) - R * R;
    const double t =
        (2 * (dx * (hx - px) + dy * (hy - py)) - std::sqrt(qb * qb + qa * (-4) * qc)) / (qa + qa);
    const double rem = (1 - t) * std::sqrt(qa);
    p = QPointF(px + t * dx + rem * std::cos(a), py + t * dy + rem * std::sin(a));
}

class ModelTest : public QObject
{
    Q_OBJECT
    static void run(GasModel &model, int steps)
    {
        while (steps-- > 0)
            model.step(50);
    }
private slots:
    // Runs first, before anything in this process has called rand().
    void placementDrawsFromRand()
    {
        GasModel unseeded, seeded, covered;
        setUpModel(unseeded);
        setUpModel(seeded);
        unseeded.setNumber(10);
        std::srand(1);
        seeded.setNumber(10);
        QVERIFY(sameElectrons(seeded, unseeded.electronPositions(), unseeded.electronDirections()));
        seeded.setNumber(4);
        QVERIFY(sameElectrons(seeded, unseeded.electronPositions().mid(0, 4),
                              unseeded.electronDirections().mid(0, 4)));
        // Atoms cover every spot: each electron draws nine (x, y) candidates, keeping the last.
        setUpModel(covered, 50, 400);
        std::srand(5);
        covered.setNumber(6);
        std::srand(5);
        for (int i = 0; i < 6; ++i) {
            int x = 0, y = 0;
            for (int attempt = 0; attempt < 9; ++attempt)
                x = std::rand() % 400, y = std::rand() % 400;
            QCOMPARE(covered.electronPositions().at(i), QPointF(x, y));
            QCOMPARE(covered.electronDirections().at(i),
                     (std::rand() % 360) * 0.017453292519943295);
        }
    }
    // Sized at spacing 25, then respaced; a probe ending 1 short of the node comes straight back.
    void originRule()
    {
        const auto lattice = [](int fieldWidth, int side, int origin, int node) {
            GasModel model;
            setUpModel(model, side, 1, 1, 20, 3, fieldWidth);
            model.addElectron(node - 2, model.latticeOriginY(), 0.0);
            model.step(50);
            return model.latticeOriginX() == origin && model.electronDirections().at(0) == kPi;
        };
        QVERIFY(lattice(400, 25, 25, 400));
        QVERIFY(lattice(401, 25, 25, 400)); // remainder 1 acts as 0
        QVERIFY(lattice(410, 25, 5, 405));  // remainder 10 halves
        QVERIFY(lattice(400, 50, 25, 375)); // the spacing set after the size keeps the origin
    }
    void reflection_data()
    {
        QTest::addColumn<QVector<double>>("move");     // side, speed, x, y, angle
        QTest::addColumn<QVector<double>>("expected"); // x, y (NaN: unchecked), angle, depth
        const auto row = [](const char *name, QVector<double> move, QVector<double> expected) {
            QTest::newRow(name) << move << expected;
        };
        // s = 5, r = 2; spacing 400 puts the nodes at 25 + 400k, out of reach.
        const double down = kPi / 2, diag = kPi / 4;
        row("bottom wall", {400, 100, 200, 395, down}, {200, 396, kTwoPi - down, 2});
        row("touching is no reflection", {400, 100, 200, 393, down}, {200, 398, down, 0});
        const double overRight = 395 + 5 * std::cos(diag) + 2 - 400;
        const double overBottom = 395 + 5 * std::sin(diag) + 2 - 400;
        row("corner mirrors both", {400, 100, 395, 395, diag},
            {398 - overRight, 398 - overBottom, kThreePi - (kTwoPi - diag),
             overBottom + overRight});
        // Reach R = 12 + 2, nodes at 25 + 50k.
        row("head-on comes straight back", {50, 100, 207, 225, 0}, {210, 225, kPi, 0});
        row("reach exactly R is a hit", {50, 100, 206, 225, 0}, {211, 225, kPi, 0});
        // Spacing 20: (35, 25) is 10 from (45, 25) and (25, 25); the later, (25, 25), decides.
        row("later node decides", {20, 100, 35, 20, down}, {qQNaN(), 0, -down - kPi, 0});
        // s = 4: the wall mirrors it onto its start, 4 from the node (200, 400): no segment.
        row("no-length step by a node", {25, 80, 200, 396, down},
            {200, 396, 2 * std::atan2(-4.0, 0.0) - (kTwoPi - down) - kPi, 2});
    }
    void reflection()
    {
        QFETCH(QVector<double>, move);
        QFETCH(QVector<double>, expected);
        GasModel model;
        setUpModel(model, int(move[0]), 12, 2, move[1]);
        model.addElectron(int(move[2]), int(move[3]), move[4]);
        model.step(50);
        const QPointF end = qIsNaN(expected[0]) ? model.electronPositions().at(0)
                                                : QPointF(expected[0], expected[1]);
        QVERIFY(sameElectrons(model, {end}, {expected[2]}));
        QCOMPARE(model.pressureData(), QVector<double>{expected[3]});
    }
    void agreesWithTheRulesBitForBit_data()
    {
        QTest::addColumn<QVector<double>>("settings"); // side, atomR, electronR, speed, bins
        QTest::newRow("defaults") << QVector<double>{50, 10, 4, 100, 3};
        QTest::newRow("dense small") << QVector<double>{7, 1.5, 0.7, 37.3, 7};
        QTest::newRow("fast") << QVector<double>{33, 6, 3, 1000, 30};
        QTest::newRow("slow") << QVector<double>{25, 9, 2, 0.1, 100};
    }
    // Motion and strips as transcribed, a previewing twin recording nothing, exact save/restore.
    void agreesWithTheRulesBitForBit()
    {
        QFETCH(QVector<double>, settings);
        const int side = int(settings[0]), bins = int(settings[4]);
        GasModel model, twin;
        for (GasModel *m : {&model, &twin}) {
            setUpModel(*m, side, settings[1], settings[2], settings[3], bins);
            m->setBinIndex(bins / 2);
            std::srand(7);
            m->setNumber(60);
        }
        twin.setPreviewing(true);
        const double s = 50 * settings[3] / 1000.0, w = 400.0 / bins;
        QVector<QPointF> p = model.electronPositions();
        QVector<double> a = model.electronDirections(), strips(bins, 0.0);
        for (int step = 0; step < 400; ++step) {
            model.step(50);
            twin.step(50);
            for (int i = 0; i < p.size(); ++i) {
                const double x0 = p[i].x();
                referenceStep(p[i], a[i], settings[2], settings[1] + settings[2], s, side);
                for (int j = 0; j < bins; ++j)
                    if (w * j <= qMin(x0, p[i].x()) && qMax(x0, p[i].x()) < w * (j + 1))
                        strips[j] += s / 60;
            }
            QVERIFY2(sameElectrons(model, p, a), qPrintable(QString("step %1").arg(step)));
        }
        QCOMPARE(model.binAccumulators(), strips);
        QCOMPARE(model.selectedBinAccumulator(), strips[bins / 2]);
        QVERIFY(sameElectrons(twin, p, a));
        const QVector<double> totals{twin.wallDepthTotal(), twin.elapsedPath(),
                                     twin.selectedBinAccumulator()};
        QCOMPARE(totals + twin.binAccumulators() + twin.timeData(), QVector<double>(3 + bins, 0.0));
        model.saveState();
        run(model, 60);
        model.restoreState();
        QVERIFY(sameElectrons(model, p, a));
    }
    // Touching every wall on every step, such discs were once thrown ever farther out.
    void discsWiderThanTheFieldStayBounded()
    {
        GasModel model;
        setUpModel(model, 5, 400, 400, 1000, 100);
        model.setNumber(50);
        for (int i = 0; i < 3000; ++i) {
            model.step(50);
            for (const QPointF &p : model.electronPositions())
                QVERIFY(qAbs(p.x()) <= 2050 && qAbs(p.y()) <= 2050);
        }
    }
    void stripBoundaries()
    {
        // Every strip, then the start's strip selected, after a move right by speed / 20.
        const auto strips = [](int bins, int x, double speed) {
            GasModel model;
            setUpModel(model, 400, 5, 2, speed, bins);
            model.setBinIndex(x * bins / 400);
            model.addElectron(x, 200, 0.0);
            model.step(50);
            return model.binAccumulators() + QVector<double>{model.selectedBinAccumulator()};
        };
        QCOMPARE(strips(3, 130, 120), QVector<double>(4, 0.0));          // 130 to 136 crosses 133.3
        QCOMPARE(strips(4, 100, 100), (QVector<double>{0, 5, 0, 0, 5})); // lower bound inclusive
        QCOMPARE(strips(4, 95, 100), QVector<double>(5, 0.0));           // upper bound exclusive
    }
    // The sampling clock at the default speed, the cap, and the table of resets.
    void seriesLifecycle()
    {
        GasModel model;
        setUpModel(model, 50, 10, 4, 100, 4);
        model.setNumber(3);
        run(model, 10);
        QCOMPARE(model.timeData(), (QVector<double>{0.05, 0.25, 0.3, 0.35, 0.4, 0.45, 0.5}));
        run(model, GasModel::maxSamples);
        const QVector<double> density = model.densityData();
        run(model, 50);
        const QVector<double> pressure = model.pressureData();
        QVERIFY(std::is_sorted(pressure.begin(), pressure.end()));
        QCOMPARE(model.timeData().size(), GasModel::maxSamples);
        QCOMPARE(pressure.size(), GasModel::maxSamples);
        QCOMPARE(model.densityData(), density);
        model.setBinsNumber(5);
        QCOMPARE(model.binAccumulators() + model.densityData(), QVector<double>(10, 0.0));
        QCOMPARE(model.pressureData(), pressure);
        QCOMPARE(model.elapsedPath(), 5.0 * (10 + GasModel::maxSamples + 50));
        run(model, 1);
        const QVector<QPointF> electrons = model.electronPositions();
        model.clearStatistics();
        const QVector<double> totals{model.elapsedPath(), model.wallDepthTotal(),
                                     model.selectedBinAccumulator()};
        QCOMPARE(totals + model.binAccumulators(), QVector<double>(8, 0.0));
        QVERIFY((model.timeData() + model.probabilityData() + model.pressureData()).isEmpty());
        QCOMPARE(model.electronPositions(), electrons);
    }
};

QTEST_APPLESS_MAIN(ModelTest)
#include "tst_model.moc"
