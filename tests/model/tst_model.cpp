#include "gasmodel.h"

#include <QtTest>

#include <cmath>
#include <cstdlib>

using Doubles = QVector<double>;
using Points = QVector<QPointF>;

struct Settings
{
    int side;
    double atomR;
    double electronR;
    double speed;
    int strips;
};
Q_DECLARE_METATYPE(Settings)

const Settings defaults{50, 10, 4, 100, 3};

// As the field view does it: the 400 x 400 size first, while the spacing is still 25, so the
// lattice origin is (25, 25) whatever the spacing.
static void setUp(GasModel &model, const Settings &settings)
{
    model.setSize(400, 400);
    model.setSide(settings.side);
    model.setAtomR(settings.atomR);
    model.setElectronR(settings.electronR);
    model.setSpeed(settings.speed);
    model.setBinsNumber(settings.strips);
}

// Every electron's x, y and angle, to compare exactly: QPointF's == is fuzzy.
static Doubles flat(const Points &positions, const Doubles &angles)
{
    Doubles values;
    for (int i = 0; i < positions.size(); ++i)
        values << positions[i].x() << positions[i].y() << angles[i];
    return values;
}

static Doubles flat(const GasModel &model)
{
    return flat(model.electronPositions(), model.electronDirections());
}

// Everything measured, in one list.
static Doubles statistics(const GasModel &model)
{
    return model.timeData() + model.probabilityData() + model.pressureData() + model.densityData() +
           model.binAccumulators() +
           Doubles{model.elapsedPath(), model.wallDepthTotal(), model.selectedBinAccumulator()};
}

// The motion rules written out apart from the model, for a step of 50 ms: move; mirror in the
// lines r inside the walls crossed (all judged on entry; a horizontal wall turns the angle a into
// 2 pi - a, a vertical one into 3 pi - a); bounce off the last node in reach of the end point
// among the corners of its cell, taken ceil/ceil, ceil/floor, floor/floor, floor/ceil.
static void referenceStep(QPointF &position, double &angle, const Settings &settings)
{
    const double radius = settings.electronR;
    const double reach = settings.atomR + radius;
    const double stepLength = 50 * settings.speed / 1000;
    const QPointF start = position;
    double x = start.x() + stepLength * std::cos(angle);
    double y = start.y() + stepLength * std::sin(angle);
    const double overBottom = y + radius - 400;
    const double overRight = x + radius - 400;
    const double overTop = radius - y;
    const double overLeft = radius - x;
    if (overBottom > 0) {
        y = 400 - radius - overBottom;
        angle = 2 * M_PI - angle;
    }
    if (overRight > 0) {
        x = 400 - radius - overRight;
        angle = 3 * M_PI - angle;
    }
    if (overTop > 0) {
        y = radius + overTop;
        angle = 2 * M_PI - angle;
    }
    if (overLeft > 0) {
        x = radius + overLeft;
        angle = 3 * M_PI - angle;
    }
    position = QPointF(x, y);

    const int side = settings.side;
    const double right = 25 + side * std::ceil((x - 25) / side);
    const double left = 25 + side * std::floor((x - 25) / side);
    const double lower = 25 + side * std::ceil((y - 25) / side);
    const double upper = 25 + side * std::floor((y - 25) / side);
    const auto squared = [](QPointF vector) { return QPointF::dotProduct(vector, vector); };
    const QPointF corners[] = {{right, lower}, {right, upper}, {left, upper}, {left, lower}};
    const QPointF *node = nullptr;
    for (const QPointF &corner : corners) {
        if (std::sqrt(squared(position - corner)) <= reach)
            node = &corner;
    }
    if (!node)
        return;
    const double incoming = angle;
    angle = 2 * std::atan2(y - node->y(), x - node->x()) - incoming - M_PI;
    // The contact is at the first fraction t of the step with |start + t move - node| = reach:
    // t^2 |move|^2 + 2 t move.(start - node) + |start - node|^2 - reach^2 = 0.
    const QPointF move = position - start;
    const QPointF fromNode = start - *node;
    const double quadratic = squared(move);
    const double linear = 2 * QPointF::dotProduct(move, fromNode);
    const double constant = squared(fromNode) - reach * reach;
    const double discriminant = linear * linear - 4 * quadratic * constant;
    const double fraction = (-linear - std::sqrt(discriminant)) / (2 * quadratic);
    const QPointF contact = start + fraction * move;
    const double rest = (1 - fraction) * std::sqrt(quadratic);
    position = contact + rest * QPointF(std::cos(angle), std::sin(angle));
    // A step from outside the reach (constant >= 0) that would end inside it turns about the
    // normal at the contact instead; after a wall it came along the segment, not its angle.
    if (constant >= 0 && squared(position - *node) < reach * reach) {
        const bool mirrored = overBottom > 0 || overRight > 0 || overTop > 0 || overLeft > 0;
        const double along = mirrored ? std::atan2(move.y(), move.x()) : incoming;
        angle = 2 * std::atan2(contact.y() - node->y(), contact.x() - node->x()) - along - M_PI;
        position = contact + rest * QPointF(std::cos(angle), std::sin(angle));
    }
}

class ModelTest : public QObject
{
    Q_OBJECT
private slots:
    // Where atoms cover every spot an electron takes the last of its nine (x, y) tries.
    void placement()
    {
        GasModel covered;
        setUp(covered, {5, 400, 400, 1000, 3});
        std::srand(5);
        covered.setNumber(1);
        std::srand(5);
        for (int draw = 0; draw < 16; ++draw)
            std::rand();
        const int x = std::rand() % 400;
        const int y = std::rand() % 400;
        QCOMPARE(covered.electronPositions(), Points{QPointF(x, y)});
    }
    void oneStep_data()
    {
        // r = 2, reach 14, a step of speed / 20; nodes at 25 + 50 k.
        QTest::addColumn<double>("speed");
        QTest::addColumn<QPointF>("start");
        QTest::addColumn<double>("bearing");
        QTest::addColumn<Doubles>("end"); // x, y, angle
        // Down by 5 to exactly r from the bottom wall: touching is no crossing.
        QTest::newRow("touching") << 100.0 << QPointF(200, 393) << 180.0
                                  << Doubles{200, 398, M_PI / 2};
        // Down by 20, the wall mirrors it back onto its start, 13 below the node (225, 375): with
        // no segment to find a contact on, it turns where it is, from up (3 pi / 2 after the
        // mirror) about the normal pi / 2 to 2 (pi / 2) - 3 pi / 2 - pi, pointing down again.
        QTest::newRow("zero-length")
            << 400.0 << QPointF(225, 388) << 180.0 << Doubles{225, 388, -3 * M_PI / 2};
        // Both graze the atom at (125, 75); turned about the normal through the end point they
        // would end 12.58 and 9.97 from it, inside the reach.
        QTest::newRow("grazing, speed 100")
            << 100.0 << QPointF(124, 61) << 100.0
            << Doubles{128.78620710664907, 59.609250039804607, -6.5795965480049592};
        QTest::newRow("grazing, speed 300")
            << 300.0 << QPointF(107, 73) << 135.0
            << Doubles{107.01122730317832, 85.268228261810776, 2.0450772312942904};
    }
    void oneStep()
    {
        QFETCH(double, speed);
        QFETCH(QPointF, start);
        QFETCH(double, bearing);
        QFETCH(Doubles, end);
        GasModel model;
        setUp(model, {50, 12, 2, speed, 3});
        model.addElectron(start.x(), start.y(), GasModel::bearingToAngle(bearing));
        model.step(50);
        QCOMPARE(flat(model), end);
    }
    void agreesWithTheRules_data()
    {
        QTest::addColumn<Settings>("settings"); // side, atomR, electronR, speed, strips
        QTest::newRow("defaults") << defaults;
        QTest::newRow("fast") << Settings{33, 6, 3, 1000, 30};
        QTest::newRow("overlapping discs") << Settings{20, 9, 3, 100, 3};
        QTest::newRow("slow") << Settings{25, 9, 2, 0.1, 100};
    }
    // 500 electrons for 3000 steps: the motion and the strip times exactly as written out.
    void agreesWithTheRules()
    {
        QFETCH(Settings, settings);
        GasModel model;
        setUp(model, settings);
        model.setBinIndex(settings.strips / 2);
        model.setNumber(500);
        Points positions = model.electronPositions();
        Doubles angles = model.electronDirections();
        // A move counts for a strip, an equal share of the step, if it starts and ends there.
        const double stepLength = 50 * settings.speed / 1000;
        const double stripWidth = 400.0 / settings.strips;
        Doubles stripTimes(settings.strips, 0.0);
        for (int step = 0; step < 3000; ++step) {
            const Points before = model.electronPositions();
            model.step(50);
            for (int i = 0; i < positions.size(); ++i) {
                referenceStep(positions[i], angles[i], settings);
                const QPointF start = before[i];
                const QPointF end = model.electronPositions()[i];
                // An atom's bounce can carry a centre past the wall line, even past x = 400.
                const int strip = int(start.x() / stripWidth);
                if (strip < settings.strips && stripWidth * strip <= qMin(start.x(), end.x()) &&
                    qMax(start.x(), end.x()) < stripWidth * (strip + 1))
                    stripTimes[strip] += stepLength / 500;
            }
        }
        QCOMPARE(flat(model), flat(positions, angles));
        QCOMPARE(model.binAccumulators(), stripTimes);
        QCOMPARE(model.selectedBinAccumulator(), stripTimes[settings.strips / 2]);
    }
    // The sampling clock at the default speed, its cap, and what each reset clears.
    void samplesAndResets()
    {
        GasModel model;
        setUp(model, defaults);
        model.setNumber(30);
        // The first step after a reset samples; later ones once the path (5 a step) has gone
        // 20 past the last time sampled, a hundredth of the path: after 0.25 every step does.
        for (int step = 0; step < 10; ++step)
            model.step(50);
        QCOMPARE(model.timeData(), (Doubles{0.05, 0.25, 0.3, 0.35, 0.4, 0.45, 0.5}));
        for (int step = 0; step < GasModel::maxSamples; ++step)
            model.step(50);
        // At the cap the series stop and the density is no longer worked out.
        const Doubles density = model.densityData();
        model.step(50);
        QCOMPARE(model.timeData().size(), GasModel::maxSamples);
        QCOMPARE(model.densityData(), density);

        // New strips: the density and the strip times start again, the series go on, the
        // expected density is worked out for them.
        const Doubles pressure = model.pressureData();
        QCOMPARE(model.expectedDensity().size(), 3);
        model.setBinsNumber(5);
        QCOMPARE(model.densityData() + model.binAccumulators(), Doubles(10, 0.0));
        QCOMPARE(model.expectedDensity().size(), 5);
        QCOMPARE(model.pressureData(), pressure);

        // Clearing drops everything measured and keeps the electrons.
        model.step(50);
        const Points positions = model.electronPositions();
        model.clearStatistics();
        QCOMPARE(statistics(model), Doubles(5 + 5 + 3, 0.0));
        QCOMPARE(model.electronPositions(), positions);
    }
};

QTEST_APPLESS_MAIN(ModelTest)
#include "tst_model.moc"
