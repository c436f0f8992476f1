#include "gasmodel.h"

#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <cstring>

constexpr double kPi = 3.141592653589793, kTwoPi = 6.283185307179586, kThreePi = 9.42477796076938;
using Doubles = QVector<double>;

// The size first (while the spacing is still 25), then the settings, as the field view does.
static void setUp(GasModel &m, int side = 50, double atomR = 10, double electronR = 4,
                  double speed = 100, int bins = 3, int fieldWidth = 400)
{
    m.setSize(fieldWidth, 400), m.setSide(side), m.setAtomR(atomR), m.setElectronR(electronR);
    m.setSpeed(speed), m.setBinsNumber(bins);
}
static bool same(const GasModel &m, const QVector<QPointF> &p, const Doubles &a)
{
    return m.number() == p.size() && p.size() == a.size() &&
           !std::memcmp(m.electronPositions().data(), p.data(), p.size() * sizeof(QPointF)) &&
           !std::memcmp(m.electronDirections().data(), a.data(), a.size() * sizeof(double));
}
static void run(GasModel &m, int steps)
{
    while (steps-- > 0)
        m.step(50);
}
// An independent transcription of the motion rules on a 400 x 400 field with origin (25, 25).
static void referenceStep(QPointF &p, double &a, double r, double R, double s, int side)
{
    const double px = p.x(), py = p.y();
    double x = px + s * std::cos(a), y = py + s * std::sin(a);
    const double ob = y + r - 400, orr = x + r - 400, tt = y - r, tl = x - r;
    const auto wall = [&a](bool hit, double &c, double to, double turn) {
        c = hit ? to : c, a = hit ? turn - a : a;
    };
    wall(ob > 0, y, (400 - r) - ob, kTwoPi), wall(orr > 0, x, (400 - r) - orr, kThreePi);
    wall(tt < 0, y, r - tt, kTwoPi), wall(tl < 0, x, r - tl, kThreePi);
    const bool mirrored = ob > 0 || orr > 0 || tt < 0 || tl < 0;
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
    const double incoming = a;
    a = 2 * std::atan2(y - hy, x - hx) - a - kPi;
    const double qa = dx * dx + dy * dy, qb = 2 * (dx * (px - hx) + dy * (py - hy));
    const double qc = ((hx - px) * (hx - px) + (hy - py) * (hy - py)) - R * R;
    const double t =
        (2 * (dx * (hx - px) + dy * (hy - py)) - std::sqrt(qb * qb + qa * (-4) * qc)) / (qa + qa);
    const double rem = (1 - t) * std::sqrt(qa);
    const double contactX = px + t * dx;
    const double contactY = py + t * dy;
    p = QPointF(contactX + rem * std::cos(a), contactY + rem * std::sin(a));
    // From outside the reach, a bounce that would end inside turns about the contact's normal.
    const double startDistanceSquared = (px - hx) * (px - hx) + (py - hy) * (py - hy);
    const double endDistanceSquared = (p.x() - hx) * (p.x() - hx) + (p.y() - hy) * (p.y() - hy);
    if (startDistanceSquared >= R * R && endDistanceSquared < R * R) {
        const double along = mirrored ? std::atan2(dy, dx) : incoming; // the segment, after a wall
        a = 2 * std::atan2(contactY - hy, contactX - hx) - along - kPi;
        p = QPointF(contactX + rem * std::cos(a), contactY + rem * std::sin(a));
    }
}

class ModelTest : public QObject
{
    Q_OBJECT
private slots:
    // Runs first, before anything in this process has called rand().
    void placementAndLattice()
    {
        GasModel unseeded, seeded, covered, odd, even, respaced; // all sized at spacing 25 first
        setUp(unseeded), setUp(seeded), setUp(covered, 5, 400, 400, 1000, 100);
        unseeded.setNumber(10);
        std::srand(1);
        seeded.setNumber(10);
        QVERIFY(same(seeded, unseeded.electronPositions(), unseeded.electronDirections()));
        std::srand(5); // atoms cover every spot: nine (x, y) tries each, the last one kept
        covered.setNumber(50);
        std::srand(5);
        for (int i = 0, x = 0, y = 0; i < 50; ++i) {
            for (int attempt = 0; attempt < 9; ++attempt)
                x = std::rand() % 400, y = std::rand() % 400;
            QCOMPARE(covered.electronPositions().at(i), QPointF(x, y));
            QCOMPARE(covered.electronDirections().at(i), (std::rand() % 360) * kPi / 180);
        }
        // Touching every wall on every step, such wide discs were once thrown ever farther out.
        for (int i = 0; i < 3000; ++i, covered.step(50))
            for (const QPointF &p : covered.electronPositions())
                QVERIFY(qAbs(p.x()) <= 2050 && qAbs(p.y()) <= 2050);
        setUp(odd, 25, 10, 4, 100, 3, 401), setUp(even, 25, 10, 4, 100, 3, 410), setUp(respaced);
        // Remainder 1 acts as 0, remainder 10 halves, the spacing set later keeps the origin.
        QCOMPARE(QPoint(odd.latticeOriginX(), even.latticeOriginX()), QPoint(25, 5));
        QCOMPARE(QPoint(respaced.latticeOriginX(), respaced.latticeOriginY()), QPoint(25, 25));
    }
    void oneStep_data()
    {
        // side, speed, x, y, angle, bins; then x, y (x NaN: unchecked), angle, wall depth and
        // maybe every strip's time and the selected (the start's) strip's.
        QTest::addColumn<Doubles>("c");
        const auto row = [](const char *name, Doubles c) { QTest::newRow(name) << c; };
        const double down = kPi / 2, diag = kPi / 4, overR = 395 + 5 * std::cos(diag) + 2 - 400,
                     overB = 395 + 5 * std::sin(diag) + 2 - 400;
        // s = 5, r = 2; nodes at 25 + 400k are out of reach, at 25 + 50k they reach R = 14.
        row("bottom wall", {400, 100, 200, 395, down, 3, 200, 396, kTwoPi - down, 2});
        row("touching", {400, 100, 200, 393, down, 3, 200, 398, down, 0});
        row("corner", {400, 100, 395, 395, diag, 3, 398 - overR, 398 - overB,
                       kThreePi - (kTwoPi - diag), overB + overR});
        row("head-on", {50, 100, 207, 225, 0, 3, 210, 225, kPi, 0});
        row("reach exactly R", {50, 100, 206, 225, 0, 3, 211, 225, kPi, 0});
        // (35, 25) is 10 from both (45, 25) and (25, 25); the later, (25, 25), decides.
        row("later node", {20, 100, 35, 20, down, 3, qQNaN(), 0, -down - kPi, 0});
        // s = 4: the wall mirrors it onto its start, 4 from the node (200, 400): no segment.
        row("zero-length step", {25, 80, 200, 396, down, 3, 200, 396,
                                 2 * std::atan2(-4.0, 0.0) - (kTwoPi - down) - kPi, 2});
        row("130 to 136 crosses 133.3", {400, 120, 130, 200, 0, 3, 136, 200, 0, 0, 0, 0, 0, 0});
    }
    void oneStep()
    {
        QFETCH(Doubles, c);
        GasModel m;
        setUp(m, int(c[0]), 12, 2, c[1], int(c[5]));
        m.setBinIndex(int(c[2] * c[5] / 400));
        m.addElectron(int(c[2]), int(c[3]), c[4]);
        m.step(50);
        const QPointF end = qIsNaN(c[6]) ? m.electronPositions().at(0) : QPointF(c[6], c[7]);
        QVERIFY(same(m, {end}, {c[8]}));
        QCOMPARE(m.pressureData(), Doubles{c[9]});
        if (c.size() > 10)
            QCOMPARE(m.binAccumulators() + Doubles{m.selectedBinAccumulator()}, c.mid(10));
    }
    void agreesWithTheRulesBitForBit_data()
    {
        QTest::addColumn<Doubles>("c"); // side, atomR, electronR, speed, bins
        QTest::newRow("defaults") << Doubles{50, 10, 4, 100, 3};
        QTest::newRow("dense small") << Doubles{7, 1.5, 0.7, 37.3, 7};
        QTest::newRow("fast") << Doubles{33, 6, 3, 1000, 30};
        QTest::newRow("slow") << Doubles{25, 9, 2, 0.1, 100};
    }
    // Motion and strips as transcribed, a previewing twin recording nothing, exact save/restore.
    void agreesWithTheRulesBitForBit()
    {
        QFETCH(Doubles, c);
        const int side = int(c[0]), bins = int(c[4]);
        GasModel model, twin;
        for (GasModel *m : {&model, &twin}) {
            setUp(*m, side, c[1], c[2], c[3], bins);
            m->setBinIndex(bins / 2);
            std::srand(7);
            m->setNumber(60);
        }
        twin.setPreviewing(true);
        const double s = 50 * c[3] / 1000.0, w = 400.0 / bins;
        QVector<QPointF> p = model.electronPositions();
        Doubles a = model.electronDirections(), strips(bins, 0.0);
        for (int step = 0; step < 400; ++step, model.step(50), twin.step(50))
            for (int i = 0; i < p.size(); ++i) {
                const double x0 = p[i].x();
                referenceStep(p[i], a[i], c[2], c[1] + c[2], s, side);
                for (int j = 0; j < bins; ++j)
                    if (w * j <= qMin(x0, p[i].x()) && qMax(x0, p[i].x()) < w * (j + 1))
                        strips[j] += s / 60;
            }
        QVERIFY(same(model, p, a));
        QCOMPARE(model.binAccumulators() + Doubles{model.selectedBinAccumulator()},
                 strips + Doubles{strips[bins / 2]});
        QVERIFY(same(twin, p, a));
        const Doubles recorded{twin.elapsedPath(), twin.wallDepthTotal(),
                               twin.selectedBinAccumulator()};
        QCOMPARE(twin.binAccumulators() + twin.timeData() + recorded, Doubles(bins + 3, 0.0));
        model.saveState();
        run(model, 60);
        model.restoreState();
        QVERIFY(same(model, p, a));
    }
    void grazingBounceStaysOutside_data()
    {
        QTest::addColumn<QPointF>("start");
        QTest::addColumn<double>("bearing");
        QTest::addColumn<double>("speed");
        QTest::addColumn<QPointF>("end");
        QTest::addColumn<double>("angle");
        // Both graze the atom at (125, 75); the normal through the end point would leave them
        // 12.58 and 9.97 from its centre, inside the reach of 14.
        QTest::newRow("speed 100")
            << QPointF(124, 61) << 100.0 << 100.0 << QPointF(128.78620710664907, 59.609250039804607)
            << -6.5795965480049592;
        QTest::newRow("speed 300")
            << QPointF(107, 73) << 135.0 << 300.0 << QPointF(107.01122730317832, 85.268228261810776)
            << 2.0450772312942904;
    }
    void grazingBounceStaysOutside()
    {
        QFETCH(QPointF, start);
        QFETCH(double, bearing);
        QFETCH(double, speed);
        QFETCH(QPointF, end);
        QFETCH(double, angle);
        GasModel model;
        setUp(model, 50, 10, 4, speed);
        model.addElectron(int(start.x()), int(start.y()), GasModel::bearingToAngle(bearing));
        model.step(50);
        QVERIFY(same(model, {end}, {angle}));
    }
    void noStepFromOutsideEndsWithinReach_data()
    {
        QTest::addColumn<double>("speed");
        QTest::newRow("speed 100") << 100.0;
        QTest::newRow("speed 300") << 300.0;
    }
    // At the defaults the discs leave gaps of 22, so only the nearest node can be in reach.
    void noStepFromOutsideEndsWithinReach()
    {
        QFETCH(double, speed);
        const double side = 50;
        const double reach = 14;
        GasModel model;
        setUp(model, int(side), 10, 4, speed);
        model.setNumber(500);
        const auto distanceToNearestNode = [&](const QPointF &p) {
            const double nodeX = 25 + side * std::round((p.x() - 25) / side);
            const double nodeY = 25 + side * std::round((p.y() - 25) / side);
            return std::hypot(p.x() - nodeX, p.y() - nodeY);
        };
        int stepsFromOutside = 0;
        for (int step = 0; step < 3000; ++step) {
            const QVector<QPointF> before = model.electronPositions();
            model.step(50);
            const QVector<QPointF> &after = model.electronPositions();
            for (int i = 0; i < before.size(); ++i) {
                if (distanceToNearestNode(before[i]) < reach)
                    continue;
                ++stepsFromOutside;
                QVERIFY2(distanceToNearestNode(after[i]) >= reach,
                         qPrintable(QString("step %1, electron %2").arg(step).arg(i)));
            }
        }
        QVERIFY(stepsFromOutside > 1000000);
    }
    // The sampling clock at the default speed, the cap, and the table of resets.
    void seriesLifecycle()
    {
        GasModel m;
        setUp(m, 50, 10, 4, 100, 4);
        m.setNumber(3);
        run(m, 10);
        QCOMPARE(m.timeData(), (Doubles{0.05, 0.25, 0.3, 0.35, 0.4, 0.45, 0.5}));
        run(m, GasModel::maxSamples + 50);
        const Doubles pressure = m.pressureData();
        QCOMPARE(m.timeData().size() + pressure.size(), 2 * GasModel::maxSamples);
        m.setBinsNumber(5); // new strips: the density and the strip times go, the rest stays
        QCOMPARE(m.binAccumulators() + m.densityData(), Doubles(10, 0.0));
        QCOMPARE(m.pressureData(), pressure);
        QCOMPARE(m.elapsedPath(), 5.0 * (10 + GasModel::maxSamples + 50));
        run(m, 1);
        const QVector<QPointF> electrons = m.electronPositions();
        m.clearStatistics();
        QCOMPARE(Doubles({m.elapsedPath(), m.wallDepthTotal(), m.selectedBinAccumulator()}) +
                     m.binAccumulators(),
                 Doubles(8, 0.0));
        QVERIFY((m.timeData() + m.probabilityData() + m.pressureData()).isEmpty());
        QCOMPARE(m.electronPositions(), electrons);
    }
};

QTEST_APPLESS_MAIN(ModelTest)
#include "tst_model.moc"
