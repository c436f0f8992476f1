#include "gasmodel.h"
#include "widget.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <cstring>

constexpr double degree = 0.017453292519943295;
using Settings = QVector<double>; // side, atomR, electronR, bins, index counted from 1 (0: hidden)

class FieldTest : public QObject
{
    Q_OBJECT
    QScopedPointer<GasModel> model;
    QScopedPointer<Widget> field;
    void apply(const Settings &s) // as the main window pushes them
    {
        field->setSide(s[0]), field->setAtomR(s[1]), field->setElectronR(s[2]);
        field->setBinsNumber(s[3]), field->setBinIndex(qMax(1.0, s[4])), field->setShowBins(s[4]);
    }
    QImage picture() { return field->grab().toImage().convertToFormat(QImage::Format_RGB32); }
private slots:
    void init()
    {
        std::srand(1);
        field.reset(), model.reset(new GasModel), field.reset(new Widget(model.get()));
    }
    void placement_data()
    {
        QTest::addColumn<double>("bearing"); // negative: random directions for clicks
        QTest::addColumn<QPolygon>("moves"); // after the press at (100, 100)
        QTest::addColumn<double>("angle");   // NaN: the first rand() value chooses it
        QTest::newRow("bearing 0 goes up") << 0.0 << QPolygon() << -90 * degree;
        QTest::newRow("random") << -1.0 << QPolygon() << qQNaN();
        QTest::newRow("2 px: click, 180 down") << 180.0 << QPolygon{{101, 101}} << 90 * degree;
        QTest::newRow("3 px: drag") << -1.0 << QPolygon{{102, 101}} << std::atan2(1, 2);
        QTest::newRow("drag released outside")
            << -1.0 << QPolygon{{300, 100}, {450, -20}} << std::atan2(-120, 350);
    }
    void placement()
    {
        QFETCH(double, bearing);
        QFETCH(QPolygon, moves);
        QFETCH(double, angle);
        field->setDefaultRandom(bearing < 0);
        field->setDefaultDirection(bearing);
        QSignalSpy numberChanged(field.get(), &Widget::numberChanged);
        QTest::mousePress(field.get(), Qt::LeftButton, {}, QPoint(100, 100));
        for (const QPoint &p : moves)
            QTest::mouseMove(field.get(), p);
        const QPoint last = moves.value(moves.size() - 1, QPoint(100, 100));
        QTest::mouseRelease(field.get(), Qt::LeftButton, {}, last);
        QTest::mouseRelease(field.get(), Qt::LeftButton, {}, last); // no gesture: no electron
        const int next = std::rand(); // only a random click draws a value
        std::srand(1);
        const int first = std::rand(), second = std::rand();
        QCOMPARE(next, qIsNaN(angle) ? second : first);
        QCOMPARE(model->electronPositions(), QVector<QPointF>{QPointF(100, 100)});
        QCOMPARE(model->electronDirections(),
                 QVector<double>{qIsNaN(angle) ? first % 360 * degree : angle});
        QCOMPARE(numberChanged, QList<QVariantList>{{1}});
        QTest::mouseClick(field.get(), Qt::LeftButton, {},
                          QPoint(60, 70)); // as a double click comes
        QTest::mouseDClick(field.get(), Qt::LeftButton, {}, QPoint(60, 70));
        QTest::mouseRelease(field.get(), Qt::LeftButton, {}, QPoint(60, 70));
        QCOMPARE(model->electronPositions().mid(1), QVector<QPointF>(2, QPointF(60, 70)));
    }
    void matchesPlainDrawing_data()
    {
        QTest::addColumn<Settings>("s");
        QTest::addColumn<int>("trailTolerance"); // grey levels near the dots, 1/16 pixel off
        QTest::newRow("defaults") << Settings{50, 10, 4, 3, 0} << 0;
        QTest::newRow("no edge atoms at spacing 25") << Settings{25, 10, 4, 3, 0} << 0;
        QTest::newRow("spacing 5 radius 10") << Settings{5, 10, 4, 3, 0} << 0;
        QTest::newRow("spacing 5 radius 400") << Settings{5, 400, 4, 7, 3} << 0;
        QTest::newRow("electrons covering the field") << Settings{50, 10, 400, 3, 2} << 0;
        QTest::newRow("trail mode") << Settings{50, 10, 4, 3, 2} << 40;
    }
    // Painted first with other settings, so that a stale cache would show.
    void matchesPlainDrawing()
    {
        QFETCH(Settings, s);
        QFETCH(int, trailTolerance);
        apply({50, 10, 4, 3, 1});
        picture();
        apply(s);
        field->setNumber(10);
        field->setTrace(trailTolerance > 0);
        model->step(50); // the preview must restore this state, not the freshly placed one
        const QVector<QPointF> positions = model->electronPositions();
        const QVector<double> directions = model->electronDirections();
        const double path = model->elapsedPath();
        picture();
        QImage image = picture();
        QVERIFY(model->electronDirections() == directions && model->elapsedPath() == path &&
                !std::memcmp(model->electronPositions().data(), positions.data(),
                             positions.size() * sizeof(QPointF)));
        QImage expected(400, 400, QImage::Format_RGB32); // nothing cached
        expected.fill(Qt::white);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 0)); // cosmetic, one pixel wide
        const double w = 400 / s[3];        // of a strip
        for (int i = 1; s[4] && i < s[3]; ++i)
            painter.drawLine(QLineF(i * w, 0, i * w, 400));
        if (s[4])
            painter.fillRect(QRectF((s[4] - 1) * w, 0, w, 400), Qt::cyan);
        const auto discs = [&](const QVector<QPointF> &at, QColor colour, double r) {
            painter.setBrush(colour);
            for (const QPointF &c : at)
                painter.drawEllipse(c, r, r);
        };
        QVector<QPointF> atoms, dots;
        for (int y = model->latticeOriginY(); y < 400; y += s[0])
            for (int x = model->latticeOriginX(); x < 400; x += s[0])
                atoms << QPointF(x, y);
        discs(atoms, Qt::black, s[1]);
        discs(positions, Qt::red, s[2]);
        for (int tick = 0; trailTolerance > 0 && tick < 60;
             ++tick, dots += model->electronPositions())
            model->step(50);
        discs(dots, Qt::black, 1);
        painter.end();
        for (const QPointF &c : dots) // a dot of diameter 2 and its rim may differ a little
            for (int y = std::floor(c.y() - 2.5); y <= c.y() + 2.5; ++y)
                for (int x = std::floor(c.x() - 2.5); x <= c.x() + 2.5; ++x)
                    if (image.valid(x, y) && qAbs(qGray(image.pixel(x, y)) -
                                                  qGray(expected.pixel(x, y))) <= trailTolerance)
                        image.setPixel(x, y, expected.pixel(x, y));
        QCOMPARE(image, expected);
    }
};

QTEST_MAIN(FieldTest)
#include "tst_field.moc"
