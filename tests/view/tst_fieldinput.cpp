#include "gasmodel.h"
#include "widget.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <cstdlib>

namespace {
constexpr unsigned seed = 1;
constexpr double degree = 0.017453292519943295;

QPointF heading(double angle)
{
    return QPointF(std::cos(angle), std::sin(angle));
}

QPointF unit(QPointF v)
{
    return v / std::hypot(v.x(), v.y());
}

// The first values rand() gives after seeding: what a click may draw.
QVector<int> randomDraws(int n)
{
    std::srand(seed);
    QVector<int> draws;
    for (int i = 0; i < n; ++i)
        draws.append(std::rand());
    std::srand(seed);
    return draws;
}
} // namespace

class FieldInputTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void placement_data();
    void placement();
    void doubleClickPlacesTwo_data();
    void doubleClickPlacesTwo();

private:
    GasModel *model = nullptr;
    Widget *field = nullptr;
};

void FieldInputTest::init()
{
    model = new GasModel;
    field = new Widget(model);
}

void FieldInputTest::cleanup()
{
    delete field;
    delete model;
}

void FieldInputTest::placement_data()
{
    QTest::addColumn<bool>("random");
    QTest::addColumn<double>("bearing");
    QTest::addColumn<QPolygon>("moves");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<bool>("drawsRandom");
    QTest::addColumn<QPointF>("expectedHeading"); // unused when drawsRandom

    const QPoint press(100, 100);
    QTest::newRow("click bearing 0 goes up")
        << false << 0.0 << QPolygon() << press << false << QPointF(0, -1);
    QTest::newRow("click bearing 90 goes right")
        << false << 90.0 << QPolygon() << press << false << QPointF(1, 0);
    QTest::newRow("click bearing 180 goes down")
        << false << 180.0 << QPolygon() << press << false << QPointF(0, 1);
    QTest::newRow("click bearing 270 goes left")
        << false << 270.0 << QPolygon() << press << false << QPointF(-1, 0);
    QTest::newRow("click random") << true << 90.0 << QPolygon() << press << true << QPointF();
    QTest::newRow("move of 2 is a click") << false << 180.0 << QPolygon({QPoint(101, 101)})
                                          << QPoint(101, 101) << false << QPointF(0, 1);
    QTest::newRow("move of 3 is a drag") << true << 0.0 << QPolygon({QPoint(102, 101)})
                                         << QPoint(102, 101) << false << unit(QPointF(2, 1));
    QTest::newRow("drag back within 2 is a click")
        << false << 270.0 << QPolygon({QPoint(140, 130), QPoint(98, 100)}) << QPoint(98, 100)
        << false << QPointF(-1, 0);
    QTest::newRow("release point is not looked at") << false << 0.0 << QPolygon({QPoint(100, 160)})
                                                    << QPoint(300, 100) << false << QPointF(0, 1);
    QTest::newRow("drag released outside")
        << true << 0.0 << QPolygon({QPoint(300, 100), QPoint(450, -20)}) << QPoint(460, -30)
        << false << unit(QPointF(350, -120));
}

void FieldInputTest::placement()
{
    QFETCH(bool, random);
    QFETCH(double, bearing);
    QFETCH(QPolygon, moves);
    QFETCH(QPoint, release);
    QFETCH(bool, drawsRandom);
    QFETCH(QPointF, expectedHeading);

    field->setDefaultRandom(random);
    field->setDefaultDirection(bearing);
    QSignalSpy numberChanged(field, &Widget::numberChanged);
    const QVector<int> draws = randomDraws(2);
    if (drawsRandom)
        expectedHeading = heading((draws[0] % 360) * degree);

    const QPoint press(100, 100);
    QTest::mousePress(field, Qt::LeftButton, {}, press);
    for (const QPoint &p : moves)
        QTest::mouseMove(field, p);
    QCOMPARE(model->number(), 0);
    QTest::mouseRelease(field, Qt::LeftButton, {}, release);

    QCOMPARE(model->number(), 1);
    QCOMPARE(model->electronPositions().first(), QPointF(press));
    const QPointF actual = heading(model->electronDirections().first());
    QVERIFY2(std::hypot(actual.x() - expectedHeading.x(), actual.y() - expectedHeading.y()) < 1e-12,
             qPrintable(QStringLiteral("heading (%1, %2)").arg(actual.x()).arg(actual.y())));
    // Exactly one draw for a click, none for a drag.
    QCOMPARE(std::rand(), draws[drawsRandom ? 1 : 0]);
    QCOMPARE(numberChanged.count(), 1);
    QCOMPARE(numberChanged.first().first().toInt(), 1);

    // The gesture is over: another release places nothing.
    QTest::mouseRelease(field, Qt::LeftButton, {}, release);
    QCOMPARE(model->number(), 1);
    QCOMPARE(numberChanged.count(), 1);
}

void FieldInputTest::doubleClickPlacesTwo_data()
{
    QTest::addColumn<bool>("random");
    QTest::newRow("default direction") << false;
    QTest::newRow("random directions") << true;
}

void FieldInputTest::doubleClickPlacesTwo()
{
    QFETCH(bool, random);
    field->setDefaultRandom(random);
    field->setDefaultDirection(180);
    QSignalSpy numberChanged(field, &Widget::numberChanged);
    const QVector<int> draws = randomDraws(2);

    // What the window system delivers: press, release, double click, release.
    const QPoint at(60, 70);
    QTest::mousePress(field, Qt::LeftButton, {}, at);
    QTest::mouseRelease(field, Qt::LeftButton, {}, at);
    QTest::mouseDClick(field, Qt::LeftButton, {}, at);
    QTest::mouseRelease(field, Qt::LeftButton, {}, at);

    QCOMPARE(model->number(), 2);
    QCOMPARE(model->electronPositions(), QVector<QPointF>({QPointF(at), QPointF(at)}));
    for (int i = 0; i < 2; ++i) {
        const QPointF expected = random ? heading((draws[i] % 360) * degree) : QPointF(0, 1);
        const QPointF actual = heading(model->electronDirections()[i]);
        QVERIFY(std::hypot(actual.x() - expected.x(), actual.y() - expected.y()) < 1e-12);
    }
    QCOMPARE(numberChanged.count(), 2);
    QCOMPARE(numberChanged[0].first().toInt(), 1);
    QCOMPARE(numberChanged[1].first().toInt(), 2);
}

QTEST_MAIN(FieldInputTest)
#include "tst_fieldinput.moc"
