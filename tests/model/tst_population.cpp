#include "modelsetup.h"

#include <QtTest>

#include <cstdlib>

class PopulationTest : public QObject
{
    Q_OBJECT
private slots:
    void originRule_data();
    void originRule();
    void setNumberKeepsTheFirstElectrons();
    void coveredFieldUsesTheNinthCandidate();
    void unseededRunsRepeat();
    void addElectronTakesAnyPoint();
    void saveAndRestoreAreExact();
};

void PopulationTest::originRule_data()
{
    QTest::addColumn<int>("sideAtSizing");
    QTest::addColumn<int>("fieldWidth");
    QTest::addColumn<int>("sideLater");
    QTest::addColumn<int>("origin");
    QTest::addColumn<double>("nodeNear400");

    // The node reached from the origin nearest x = 400 shows where the
    // lattice lies: an electron placed there is reflected by it.
    QTest::newRow("400 by 25") << 25 << 400 << 25 << 25 << 400.0;
    QTest::newRow("remainder 1 acts as 0") << 25 << 401 << 25 << 25 << 400.0;
    QTest::newRow("remainder 10 halves") << 25 << 410 << 25 << 5 << 405.0;
    QTest::newRow("spacing set later keeps origin") << 25 << 400 << 30 << 25 << 385.0;
    QTest::newRow("start-up: 25 then 50") << 25 << 400 << 50 << 25 << 375.0;
}

void PopulationTest::originRule()
{
    QFETCH(int, sideAtSizing);
    QFETCH(int, fieldWidth);
    QFETCH(int, sideLater);
    QFETCH(int, origin);
    QFETCH(double, nodeNear400);

    GasModel model;
    model.setSide(sideAtSizing);
    model.setSize(fieldWidth, 400);
    model.setSide(sideLater);
    model.setAtomR(1);
    model.setElectronR(1);
    model.setSpeed(20); // s = 1
    model.setBinsNumber(1);
    QCOMPARE(model.latticeOriginX(), origin);

    // Moving right onto the node row y = origin, ending 1 short of the node.
    model.addElectron(int(nodeNear400) - 2, model.latticeOriginY(), 0.0);
    model.step(50);
    QCOMPARE(model.electronDirections().at(0), 2 * std::atan2(0.0, -1.0) - 0.0 - kPi);
}

void PopulationTest::setNumberKeepsTheFirstElectrons()
{
    GasModel model;
    setUpModel(model);
    model.setNumber(10);
    const QVector<QPointF> first = model.electronPositions();
    const QVector<double> firstDirections = model.electronDirections();

    model.setNumber(4);
    QCOMPARE(model.number(), 4);
    QCOMPARE(model.electronPositions(), first.mid(0, 4));
    QCOMPARE(model.electronDirections(), firstDirections.mid(0, 4));

    model.setNumber(10);
    QCOMPARE(model.electronPositions().size(), 10);
    QCOMPARE(model.electronDirections().size(), 10);
    QCOMPARE(model.electronPositions().mid(0, 4), first.mid(0, 4));
    QVERIFY(model.electronPositions().mid(4) != first.mid(4));
    for (const QPointF &p : model.electronPositions()) {
        QCOMPARE(p.x(), std::floor(p.x()));
        QVERIFY(p.x() >= 0 && p.x() < 400 && p.y() >= 0 && p.y() < 400);
    }
    for (double a : model.electronDirections()) {
        const double degrees = a / 0.017453292519943295;
        QVERIFY(qAbs(degrees - std::round(degrees)) < 1e-9 && degrees >= 0 && degrees < 360);
    }
}

void PopulationTest::coveredFieldUsesTheNinthCandidate()
{
    // Atoms of radius 400 cover every spot: each electron draws nine
    // candidates (x then y) and an angle, and keeps the ninth candidate.
    GasModel model;
    setUpModel(model, {50, 400, 4, 100, 3});
    std::srand(5);
    model.setNumber(6);

    std::srand(5);
    for (int i = 0; i < 6; ++i) {
        int x = 0, y = 0;
        for (int attempt = 0; attempt < 9; ++attempt) {
            x = std::rand() % 400;
            y = std::rand() % 400;
        }
        const double angle = (std::rand() % 360) * 0.017453292519943295;
        QCOMPARE(model.electronPositions().at(i), QPointF(x, y));
        QCOMPARE(model.electronDirections().at(i), angle);
    }
}

void PopulationTest::unseededRunsRepeat()
{
    // A generator that was never seeded behaves as if seeded with 1, so every
    // run of the program places the same electrons.
    GasModel first, second;
    setUpModel(first);
    setUpModel(second);
    std::srand(1);
    first.setNumber(25);
    std::srand(1);
    second.setNumber(25);
    QCOMPARE(first.electronPositions(), second.electronPositions());
    QCOMPARE(first.electronDirections(), second.electronDirections());
}

void PopulationTest::addElectronTakesAnyPoint()
{
    GasModel model;
    setUpModel(model);
    model.addElectron(25, 25, 1.0);  // the centre of an atom
    model.addElectron(0, 399, -2.0); // over two walls
    QCOMPARE(model.number(), 2);
    QCOMPARE(model.electronPositions(), (QVector<QPointF>{{25, 25}, {0, 399}}));
    QCOMPARE(model.electronDirections(), (QVector<double>{1.0, -2.0}));
}

void PopulationTest::saveAndRestoreAreExact()
{
    GasModel model;
    setUpModel(model, {7, 3, 2, 313, 3});
    model.setNumber(50);
    model.step(50);
    const QVector<QPointF> positions = model.electronPositions();
    const QVector<double> directions = model.electronDirections();

    model.saveState();
    model.setPreviewing(true);
    for (int i = 0; i < 60; ++i)
        model.step(50);
    model.setPreviewing(false);
    QVERIFY(model.electronPositions() != positions);
    model.restoreState();

    QCOMPARE(model.electronPositions(), positions);
    QCOMPARE(model.electronDirections(), directions);
    QCOMPARE(model.number(), 50);
}

QTEST_APPLESS_MAIN(PopulationTest)
#include "tst_population.moc"
