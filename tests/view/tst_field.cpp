#include "gasmodel.h"
#include "widget.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

constexpr double degree = 0.017453292519943295;

struct Settings
{
    int side;
    double atomR;
    double electronR;
    int strips;
    int shownStrip; // counted from 1; 0: strips hidden
    bool trail;
};
Q_DECLARE_METATYPE(Settings)

// Where the field lands on the device: the device pixel ratio, the field's
// top left corner in logical pixels of the picture, and the side the view
// shows the 400-pixel model at.
struct Placement
{
    double ratio;
    QPoint offset;
    int side = 400;
};
Q_DECLARE_METATYPE(Placement)

class FieldTest : public QObject
{
    Q_OBJECT
    QScopedPointer<GasModel> model;
    QScopedPointer<Widget> field;
    void apply(const Settings &settings) // as the main window pushes them
    {
        field->setSide(settings.side);
        field->setAtomR(settings.atomR);
        field->setElectronR(settings.electronR);
        field->setBinsNumber(settings.strips);
        field->setBinIndex(qMax(1, settings.shownStrip));
        field->setShowBins(settings.shownStrip > 0);
        field->setTrace(settings.trail);
    }
    // Grey, so that anything the field paints beyond itself would show.
    static QImage blankPicture(const Placement &placement)
    {
        const QSizeF logical = QSizeF(placement.side, placement.side) +
                               QSizeF(placement.offset.x(), placement.offset.y());
        QImage image((logical * placement.ratio).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(placement.ratio);
        image.fill(Qt::gray);
        return image;
    }
    // The field as the widget paints itself onto a screen of that ratio.
    QImage picture(const Placement &placement)
    {
        QImage image = blankPicture(placement);
        field->setViewSide(placement.side);
        field->render(&image, placement.offset, QRegion(), QWidget::DrawChildren);
        return image;
    }
private slots:
    void init()
    {
        field.reset();
        model.reset(new GasModel);
        field.reset(new Widget(model.get()));
    }
    void placement_data()
    {
        QTest::addColumn<double>("bearing"); // negative: random directions for clicks
        QTest::addColumn<QPolygon>("moves"); // after the press at (100, 100)
        QTest::addColumn<double>("angle");   // NaN: the first rand() value chooses it
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
        for (const QPoint &point : moves)
            QTest::mouseMove(field.get(), point);
        const QPoint last = moves.value(moves.size() - 1, QPoint(100, 100));
        QTest::mouseRelease(field.get(), Qt::LeftButton, {}, last);
        QTest::mouseRelease(field.get(), Qt::LeftButton, {}, last); // no gesture: no electron
        RandomSequence fromTheStart; // the model's own sequence, unseeded
        const int first = fromTheStart.next();
        const int second = fromTheStart.next();
        // Only a random click draws a value.
        QCOMPARE(model->randomDirection(), (qIsNaN(angle) ? second : first) % 360 * degree);
        QCOMPARE(model->electronPositions(), QVector<QPointF>{QPointF(100, 100)});
        QCOMPARE(model->electronDirections(),
                 QVector<double>{qIsNaN(angle) ? first % 360 * degree : angle});
        QCOMPARE(numberChanged, QList<QVariantList>{{1}});
    }
    void matchesPlainDrawing_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<Placement>("placement");
        QTest::addColumn<Placement>("before"); // where these settings were painted just before
        const Placement plain{1, {0, 0}};
        QTest::newRow("defaults") << Settings{50, 10, 4, 3, 0, false} << plain << plain;
        // The field at device pixel 1.5, painted just before at 0.
        QTest::newRow(
            "atoms across the edges at ratio 1.5, half a device pixel in, larger electrons")
            << Settings{50, 24.7, 6, 3, 0, false} << Placement{1.5, {1, 1}}
            << Placement{1.5, {0, 0}};
        // The field at device pixel 2.5.
        QTest::newRow(
            "half atoms along the edges at ratio 1.25, half a device pixel in, smaller electrons")
            << Settings{25, 10, 3, 3, 0, false} << Placement{1.25, {2, 2}} << plain;
        QTest::newRow("trail mode in the lecture view at 1.5 times, strips shown")
            << Settings{50, 10, 4, 3, 2, true} << Placement{1, {0, 0}, 600} << plain;
        // Painted just before at ratio 2.
        QTest::newRow("lecture view at 1.75 times on a projector at 1.5")
            << Settings{25, 10, 3, 3, 0, false} << Placement{1.5, {1, 1}, 700}
            << Placement{2, {0, 0}};
    }
    // Painted first with other settings, then with these where the field was
    // before, so that a cache kept from either would show.
    void matchesPlainDrawing()
    {
        QFETCH(Settings, settings);
        QFETCH(Placement, placement);
        QFETCH(Placement, before);
        apply({50, 10, 4, 3, 1, false});
        picture(placement);
        apply(settings);
        field->setNumber(10);
        model->step(50); // the preview starts from here, not from where they were placed
        const QVector<QPointF> positions = model->electronPositions();
        picture(before);
        QImage image = picture(placement);

        QImage expected = blankPicture(placement); // nothing cached
        QPainter painter(&expected);
        painter.translate(placement.offset);
        painter.scale(placement.side / 400.0, placement.side / 400.0);
        painter.setClipRect(QRect(0, 0, 400, 400));
        painter.setRenderHint(QPainter::Antialiasing); // as the widget fills its background
        painter.fillRect(QRect(0, 0, 400, 400), QBrush(Qt::white));
        painter.setPen(QPen(Qt::black, 1)); // one logical pixel wide, as a widget's painter has
        const double stripWidth = 400.0 / settings.strips;
        for (int strip = 1; settings.shownStrip && strip < settings.strips; ++strip)
            painter.drawLine(QLineF(strip * stripWidth, 0, strip * stripWidth, 400));
        if (settings.shownStrip)
            painter.fillRect(QRectF((settings.shownStrip - 1) * stripWidth, 0, stripWidth, 400),
                             Qt::cyan);
        const auto discs = [](QPainter &painter, const QVector<QPointF> &centres, QColor colour,
                              double radius) {
            painter.setBrush(colour);
            for (const QPointF &centre : centres)
                painter.drawEllipse(centre, radius, radius);
        };
        QVector<QPointF> atoms;
        QVector<QPointF> dots;
        // Every node whose disc may reach into the field, beyond it too.
        const int side = settings.side;
        for (int y = model->latticeOriginY() % side - side; y < 400 + side; y += side)
            for (int x = model->latticeOriginX() % side - side; x < 400 + side; x += side)
                atoms << QPointF(x, y);
        discs(painter, atoms, Qt::black, settings.atomR);
        discs(painter, positions, Qt::red, settings.electronR);
        for (int tick = 0; settings.trail && tick < 60; ++tick) {
            model->step(50);
            dots += model->electronPositions();
        }
        discs(painter, dots, Qt::black, 1);
        painter.end();

        // Electrons and dots are copied from sprites placed to an eighth of a
        // device pixel, so their rims may differ by a few grey levels; no
        // other pixel may differ at all.
        QImage rims = blankPicture(placement);
        rims.fill(Qt::black);
        QPainter rimPainter(&rims);
        rimPainter.translate(placement.offset);
        rimPainter.scale(placement.side / 400.0, placement.side / 400.0);
        rimPainter.setPen(Qt::NoPen);
        discs(rimPainter, positions, Qt::white, settings.electronR + 1.5);
        discs(rimPainter, dots, Qt::white, 2.5);
        rimPainter.end();
        int largestRimDifference = 0;
        int differentElsewhere = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int difference = qGray(image.pixel(x, y)) - qGray(expected.pixel(x, y));
                if (rims.pixel(x, y) != qRgb(0, 0, 0))
                    largestRimDifference = qMax(largestRimDifference, qAbs(difference));
                else if (image.pixel(x, y) != expected.pixel(x, y))
                    ++differentElsewhere;
            }
        }
        QCOMPARE(differentElsewhere, 0);
        QCOMPARE_LE(largestRimDifference, 40);
    }
};

QTEST_MAIN(FieldTest)
#include "tst_field.moc"
