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

// Where the field lands on the device: the device pixel ratio, and the
// field's top left corner in logical pixels of the picture.
struct Placement
{
    double ratio;
    QPoint offset;
};
Q_DECLARE_METATYPE(Placement)

class FieldTest : public QObject
{
    Q_OBJECT
    QScopedPointer<GasModel> model;
    QScopedPointer<Widget> field;
    void apply(const Settings &s) // as the main window pushes them
    {
        field->setSide(s[0]);
        field->setAtomR(s[1]);
        field->setElectronR(s[2]);
        field->setBinsNumber(s[3]);
        field->setBinIndex(qMax(1.0, s[4]));
        field->setShowBins(s[4]);
    }
    // Grey, so that anything the field paints beyond itself would show.
    static QImage blankPicture(const Placement &placement)
    {
        const QSizeF logical =
            QSizeF(400, 400) + QSizeF(placement.offset.x(), placement.offset.y());
        QImage image((logical * placement.ratio).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(placement.ratio);
        image.fill(Qt::gray);
        return image;
    }
    // The field as the widget paints itself onto a screen of that ratio.
    QImage picture(const Placement &placement)
    {
        QImage image = blankPicture(placement);
        field->render(&image, placement.offset, QRegion(), QWidget::DrawChildren);
        return image;
    }
private slots:
    void init()
    {
        std::srand(1);
        field.reset();
        model.reset(new GasModel);
        field.reset(new Widget(model.get()));
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
        const int first = std::rand();
        const int second = std::rand();
        QCOMPARE(next, qIsNaN(angle) ? second : first);
        QCOMPARE(model->electronPositions(), QVector<QPointF>{QPointF(100, 100)});
        QCOMPARE(model->electronDirections(),
                 QVector<double>{qIsNaN(angle) ? first % 360 * degree : angle});
        QCOMPARE(numberChanged, QList<QVariantList>{{1}});
        // A double click comes as a click, then a double-click press and its release.
        QTest::mouseClick(field.get(), Qt::LeftButton, {}, QPoint(60, 70));
        QTest::mouseDClick(field.get(), Qt::LeftButton, {}, QPoint(60, 70));
        QTest::mouseRelease(field.get(), Qt::LeftButton, {}, QPoint(60, 70));
        QCOMPARE(model->electronPositions().mid(1), QVector<QPointF>(2, QPointF(60, 70)));
    }
    void matchesPlainDrawing_data()
    {
        QTest::addColumn<Settings>("s");
        QTest::addColumn<int>("trailTolerance"); // grey levels near the dots, 1/16 device pixel off
        QTest::addColumn<Placement>("placement");
        QTest::addColumn<Placement>("before"); // where these settings were painted just before
        const Placement plain{1, {0, 0}};
        QTest::newRow("defaults") << Settings{50, 10, 4, 3, 0} << 0 << plain << plain;
        QTest::newRow("no edge atoms at spacing 25")
            << Settings{25, 10, 4, 3, 0} << 0 << plain << plain;
        QTest::newRow("spacing 5 radius 10") << Settings{5, 10, 4, 3, 0} << 0 << plain << plain;
        QTest::newRow("spacing 5 radius 400") << Settings{5, 400, 4, 7, 3} << 0 << plain << plain;
        QTest::newRow("electrons covering the field")
            << Settings{50, 10, 400, 3, 2} << 0 << plain << plain;
        QTest::newRow("trail mode") << Settings{50, 10, 4, 3, 2} << 40 << plain << plain;

        const Placement projector15{1.5, {0, 0}};
        const Placement projector15HalfPixelIn{1.5, {1, 1}}; // the field at device pixel 1.5
        const Placement projector2{2, {0, 0}};
        QTest::newRow("defaults at ratio 1.5, moved from ratio 1")
            << Settings{50, 10, 4, 3, 0} << 0 << projector15 << plain;
        QTest::newRow("spacing 5 radius 10 at ratio 1.5")
            << Settings{5, 10, 4, 3, 0} << 0 << projector15 << plain;
        QTest::newRow("spacing 5 radius 10 at ratio 1.5, moved half a device pixel")
            << Settings{5, 10, 4, 3, 0} << 0 << projector15HalfPixelIn << projector15;
        QTest::newRow("atoms across the edges at ratio 1.5, half a device pixel in")
            << Settings{50, 30, 4, 3, 0} << 0 << projector15HalfPixelIn << projector15;
        QTest::newRow("trail mode at ratio 1.5")
            << Settings{50, 10, 4, 3, 2} << 40 << projector15 << projector15;
        QTest::newRow("trail mode at ratio 1.5, half a device pixel in")
            << Settings{50, 10, 4, 3, 2} << 40 << projector15HalfPixelIn << plain;
        QTest::newRow("spacing 5 radius 10 at ratio 1.25")
            << Settings{5, 10, 4, 3, 0} << 0 << Placement{1.25, {0, 0}} << plain;
        QTest::newRow("defaults at ratio 2, moved from ratio 1")
            << Settings{50, 10, 4, 3, 0} << 0 << projector2 << plain;
        QTest::newRow("spacing 5 radius 10 at ratio 2")
            << Settings{5, 10, 4, 3, 0} << 0 << projector2 << projector15;
        QTest::newRow("spacing 5 radius 400 at ratio 2")
            << Settings{5, 400, 4, 7, 3} << 0 << projector2 << plain;
        QTest::newRow("trail mode at ratio 2")
            << Settings{50, 10, 4, 3, 2} << 40 << projector2 << plain;
    }
    // Painted first with other settings, then with these where the field was
    // before, so that a cache kept from either would show.
    void matchesPlainDrawing()
    {
        QFETCH(Settings, s);
        QFETCH(int, trailTolerance);
        QFETCH(Placement, placement);
        QFETCH(Placement, before);
        apply({50, 10, 4, 3, 1});
        picture(placement);
        apply(s);
        field->setNumber(10);
        field->setTrace(trailTolerance > 0);
        model->step(50); // the preview must restore this state, not the freshly placed one
        const QVector<QPointF> positions = model->electronPositions();
        const QVector<double> directions = model->electronDirections();
        const double path = model->elapsedPath();
        picture(before);
        QImage image = picture(placement);
        QVERIFY(model->electronDirections() == directions);
        QCOMPARE(model->elapsedPath(), path);
        QVERIFY(!std::memcmp(model->electronPositions().data(), positions.data(),
                             positions.size() * sizeof(QPointF)));

        QImage expected = blankPicture(placement); // nothing cached
        QPainter painter(&expected);
        painter.translate(placement.offset);
        painter.setClipRect(QRect(0, 0, 400, 400));
        painter.setRenderHint(QPainter::Antialiasing); // as the widget fills its background
        painter.fillRect(QRect(0, 0, 400, 400), QBrush(Qt::white));
        painter.setPen(QPen(Qt::black, 1)); // one logical pixel wide, as a widget's painter has
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
        QVector<QPointF> atoms;
        QVector<QPointF> dots;
        for (int y = model->latticeOriginY(); y < 400; y += s[0])
            for (int x = model->latticeOriginX(); x < 400; x += s[0])
                atoms << QPointF(x, y);
        discs(atoms, Qt::black, s[1]);
        discs(positions, Qt::red, s[2]);
        for (int tick = 0; trailTolerance > 0 && tick < 60; ++tick) {
            model->step(50);
            dots += model->electronPositions();
        }
        discs(dots, Qt::black, 1);
        painter.end();

        // A dot of diameter 2 and its rim may differ a little, in device pixels.
        const double ratio = placement.ratio;
        const double reach = 1.5 * ratio + 1;
        for (const QPointF &dot : dots) {
            const QPointF centre = (dot + placement.offset) * ratio;
            for (int y = std::floor(centre.y() - reach); y <= centre.y() + reach; ++y) {
                for (int x = std::floor(centre.x() - reach); x <= centre.x() + reach; ++x) {
                    if (!image.valid(x, y))
                        continue;
                    const int difference =
                        qAbs(qGray(image.pixel(x, y)) - qGray(expected.pixel(x, y)));
                    if (difference <= trailTolerance)
                        image.setPixel(x, y, expected.pixel(x, y));
                }
            }
        }
        QCOMPARE(image, expected);
    }
};

QTEST_MAIN(FieldTest)
#include "tst_field.moc"
