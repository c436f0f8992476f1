#include "modelsetup.h"

#include <QtTest>

#include <cstdlib>
#include <cstring>

// An independent transcription of the motion rules, written from the rules
// themselves, to check the model's arithmetic bit for bit.
namespace reference {
constexpr double pi = 3.141592653589793;

struct World
{
    double W = 400, H = 400, r, R;
    int side, ox, oy;
};

void walls(const World &w, double &x, double &y, double &a)
{
    const double ob = y + w.r - w.H, orr = x + w.r - w.W, tt = y - w.r, tl = x - w.r;
    if (ob > 0) {
        y = (w.H - w.r) - ob;
        a = 6.283185307179586 - a;
    }
    if (orr > 0) {
        x = (w.W - w.r) - orr;
        a = 9.42477796076938 - a;
    }
    if (tt < 0) {
        y = w.r - tt;
        a = 6.283185307179586 - a;
    }
    if (tl < 0) {
        x = w.r - tl;
        a = 9.42477796076938 - a;
    }
}

void atom(const World &w, double &x, double &y, double &a, double px, double py)
{
    const double u = (x - w.ox) / w.side, v = (y - w.oy) / w.side;
    const double cx[4] = {w.side * std::ceil(u) + w.ox, w.side * std::ceil(u) + w.ox,
                          w.side * std::floor(u) + w.ox, w.side * std::floor(u) + w.ox};
    const double cy[4] = {w.side * std::ceil(v) + w.oy, w.side * std::floor(v) + w.oy,
                          w.side * std::floor(v) + w.oy, w.side * std::ceil(v) + w.oy};
    int hit = -1;
    for (int n = 0; n < 4; ++n)
        if (std::sqrt((x - cx[n]) * (x - cx[n]) + (y - cy[n]) * (y - cy[n])) <= w.R)
            hit = n;
    if (hit < 0)
        return;
    const double hx = cx[hit], hy = cy[hit];
    a = 2 * std::atan2(y - hy, x - hx) - a - pi;
    const double dx = x - px, dy = y - py;
    const double qa = dx * dx + dy * dy;
    const double qb = 2 * (dx * (px - hx) + dy * (py - hy));
    const double qc = ((hx - px) * (hx - px) + (hy - py) * (hy - py)) - w.R * w.R;
    const double t =
        (2 * (dx * (hx - px) + dy * (hy - py)) - std::sqrt(qb * qb + qa * (-4) * qc)) / (qa + qa);
    const double rem = (1 - t) * std::sqrt(qa);
    x = px + t * dx + rem * std::cos(a);
    y = py + t * dy + rem * std::sin(a);
}
} // namespace reference

static bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class MotionTest : public QObject
{
    Q_OBJECT
private slots:
    void wallReflection_data();
    void wallReflection();
    void atomReflection_data();
    void atomReflection();
    void agreesWithTheRulesBitForBit_data();
    void agreesWithTheRulesBitForBit();
    void stepBackOntoItselfNearAnAtomStaysPut();
    void electronsWiderThanTheFieldStayBounded();
    void previewMovesAlikeButRecordsNothing();
};

void MotionTest::wallReflection_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("endX");
    QTest::addColumn<double>("endY");
    QTest::addColumn<double>("endAngle");
    QTest::addColumn<double>("depth");

    const double down = kPi / 2;
    // r = 2, s = 5 throughout.
    QTest::newRow("bottom") << 200 << 395 << down << 200.0 << 396.0 << 6.283185307179586 - down
                            << 2.0;
    QTest::newRow("top") << 200 << 5 << -down << 200.0 << 4.0 << 6.283185307179586 + down << 2.0;
    QTest::newRow("right") << 395 << 200 << 0.0 << 396.0 << 200.0 << 9.42477796076938 << 2.0;
    QTest::newRow("left") << 5 << 200 << kPi << 4.0 << 200.0 << 9.42477796076938 - kPi << 2.0;
    QTest::newRow("touching is no reflection")
        << 200 << 393 << down << 200.0 << 398.0 << down << 0.0;
    const double diag = kPi / 4;
    const double overRight = 395 + 5 * std::cos(diag) + 2 - 400;
    const double overBottom = 395 + 5 * std::sin(diag) + 2 - 400;
    QTest::newRow("corner mirrors both")
        << 395 << 395 << diag << 398 - overRight << 398 - overBottom
        << 9.42477796076938 - (6.283185307179586 - diag) << overBottom + overRight;
}

void MotionTest::wallReflection()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(double, angle);
    QFETCH(double, endX);
    QFETCH(double, endY);
    QFETCH(double, endAngle);
    QFETCH(double, depth);

    GasModel model;
    setUpModel(model, sparseLattice());
    model.addElectron(x, y, angle);
    model.step(50);

    const QPointF p = model.electronPositions().at(0);
    QVERIFY2(sameBits(p.x(), endX), qPrintable(QString::number(p.x(), 'g', 17)));
    QVERIFY2(sameBits(p.y(), endY), qPrintable(QString::number(p.y(), 'g', 17)));
    QVERIFY(sameBits(model.electronDirections().at(0), endAngle));
    QCOMPARE(model.wallDepthTotal(), depth);
    QCOMPARE(model.pressureData(), QVector<double>{depth});
}

void MotionTest::atomReflection_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QPointF>("node");
    QTest::addColumn<double>("endX");

    // Atom radius 10 and electron radius 4 (reach 14), s = 5, nodes at 25 + 50k.
    QTest::newRow("head-on comes straight back")
        << 50 << QPoint(207, 225) << 0.0 << QPointF(225, 225) << 210.0;
    QTest::newRow("reach exactly R is a hit")
        << 50 << QPoint(206, 225) << 0.0 << QPointF(225, 225) << 211.0;
    // Spacing 20 on origin 25: the end point (35, 25) lies 10 from the nodes
    // (45, 25) and (25, 25); the last in the node order, (25, 25), decides.
    QTest::newRow("later node decides")
        << 20 << QPoint(35, 20) << kPi / 2 << QPointF(25, 25) << -1.0;
}

void MotionTest::atomReflection()
{
    QFETCH(int, side);
    QFETCH(QPoint, start);
    QFETCH(double, angle);
    QFETCH(QPointF, node);
    QFETCH(double, endX);

    GasModel model;
    ModelSettings settings;
    settings.side = side;
    setUpModel(model, settings);
    model.addElectron(start.x(), start.y(), angle);
    model.step(50);

    const QPointF end(start.x() + 5 * std::cos(angle), start.y() + 5 * std::sin(angle));
    const double expected = 2 * std::atan2(end.y() - node.y(), end.x() - node.x()) - angle - kPi;
    QVERIFY(sameBits(model.electronDirections().at(0), expected));
    if (endX >= 0)
        QCOMPARE(model.electronPositions().at(0).x(), endX);
    if (QByteArray(QTest::currentDataTag()).startsWith("head-on"))
        QCOMPARE(std::fmod(model.electronDirections().at(0) - angle + 4 * kPi, 2 * kPi), kPi);
}

void MotionTest::agreesWithTheRulesBitForBit_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<double>("atomR");
    QTest::addColumn<double>("electronR");
    QTest::addColumn<double>("speed");

    QTest::newRow("defaults") << 50 << 10.0 << 4.0 << 100.0;
    QTest::newRow("dense small") << 7 << 1.5 << 0.7 << 37.3;
    QTest::newRow("fast") << 33 << 6.0 << 3.0 << 1000.0;
    QTest::newRow("slow") << 25 << 9.0 << 2.0 << 0.1;
}

void MotionTest::agreesWithTheRulesBitForBit()
{
    QFETCH(int, side);
    QFETCH(double, atomR);
    QFETCH(double, electronR);
    QFETCH(double, speed);

    GasModel model;
    setUpModel(model, {side, atomR, electronR, speed, 3});
    std::srand(7);
    model.setNumber(60);

    reference::World w{400,
                       400,
                       electronR,
                       atomR + electronR,
                       side,
                       model.latticeOriginX(),
                       model.latticeOriginY()};
    QVector<QPointF> pos = model.electronPositions();
    QVector<double> dir = model.electronDirections();
    const double s = 50 * speed / 1000.0;
    for (int stepIndex = 0; stepIndex < 400; ++stepIndex) {
        model.step(50);
        for (int i = 0; i < pos.size(); ++i) {
            const double px = pos[i].x(), py = pos[i].y();
            double a = dir[i];
            double x = px + s * std::cos(a), y = py + s * std::sin(a);
            reference::walls(w, x, y, a);
            reference::atom(w, x, y, a, px, py);
            pos[i] = QPointF(x, y);
            dir[i] = a;
            const QPointF got = model.electronPositions().at(i);
            if (!sameBits(got.x(), x) || !sameBits(got.y(), y) ||
                !sameBits(model.electronDirections().at(i), a))
                QFAIL(qPrintable(QString("electron %1 differs at step %2").arg(i).arg(stepIndex)));
        }
    }
}

void MotionTest::stepBackOntoItselfNearAnAtomStaysPut()
{
    // Spacing 25 puts a node at (200, 400). Moving 4 pixels down from
    // (200, 396) with r = 2, the bottom wall mirrors the electron exactly back
    // onto its start, within reach of that node: the segment has no length.
    GasModel model;
    setUpModel(model, {25, 5, 2, 80, 3});
    const double down = kPi / 2;
    model.addElectron(200, 396, down);
    model.step(50);

    const double afterWall = 6.283185307179586 - down;
    QCOMPARE(model.electronPositions().at(0), QPointF(200, 396));
    QVERIFY(
        sameBits(model.electronDirections().at(0), 2 * std::atan2(-4.0, 0.0) - afterWall - kPi));
    for (int i = 0; i < 1000; ++i)
        model.step(50);
    QVERIFY(allFinite(model));
}

void MotionTest::electronsWiderThanTheFieldStayBounded()
{
    // Discs of radius 400 touch every wall wherever they are; alternating
    // mirrors used to throw them ever farther out until they overflowed.
    // An atom may still push one out for a step (within twice its reach),
    // and the next wall pass brings it back.
    GasModel model;
    setUpModel(model, {5, 400, 400, 1000, 100});
    model.setNumber(50);
    const double bound = 400 + 2 * (400 + 400) + 50;
    for (int i = 0; i < 3000; ++i) {
        model.step(50);
        for (const QPointF &p : model.electronPositions())
            QVERIFY(qAbs(p.x()) <= bound && qAbs(p.y()) <= bound);
    }
}

void MotionTest::previewMovesAlikeButRecordsNothing()
{
    GasModel recorded, previewed;
    setUpModel(recorded);
    setUpModel(previewed);
    std::srand(3);
    recorded.setNumber(40);
    std::srand(3);
    previewed.setNumber(40);
    previewed.setPreviewing(true);
    for (int i = 0; i < 200; ++i) {
        recorded.step(50);
        previewed.step(50);
    }
    QCOMPARE(previewed.electronPositions(), recorded.electronPositions());
    QCOMPARE(previewed.electronDirections(), recorded.electronDirections());
    QVERIFY(recorded.wallDepthTotal() > 0);
    QCOMPARE(previewed.wallDepthTotal(), 0.0);
    QCOMPARE(previewed.elapsedPath(), 0.0);
    QCOMPARE(previewed.selectedBinAccumulator(), 0.0);
    QCOMPARE(previewed.binAccumulators(), QVector<double>(3, 0.0));
    QVERIFY(previewed.timeData().isEmpty());
}

QTEST_APPLESS_MAIN(MotionTest)
#include "tst_motion.moc"
