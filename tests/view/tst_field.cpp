#include "gasmodel.h"
#include "widget.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
constexpr double degree = 0.017453292519943295;

struct Settings
{
    int side = 50;
    double atomR = 10, electronR = 4;
    bool showBins = false;
    int bins = 3, index = 1; // of the selected strip, counted from 1, as the form shows it
};

// A field set up the way the main window pushes its settings.
struct Field
{
    GasModel model;
    Widget widget{&model};
    void apply(const Settings &s)
    {
        widget.setSide(s.side), widget.setAtomR(s.atomR), widget.setElectronR(s.electronR);
        widget.setBinsNumber(s.bins), widget.setBinIndex(s.index), widget.setShowBins(s.showBins);
    }
    QImage picture() { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};
} // namespace

class FieldTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { std::srand(1); }
    void placement_data()
    {
        QTest::addColumn<double>("bearing"); // negative: random directions for clicks
        QTest::addColumn<QPolygon>("moves"); // after the press at (100, 100)
        QTest::addColumn<double>("angle");   // NaN: the first rand() value chooses it
        const auto row = [](const char *name, double bearing, QPolygon moves, double angle) {
            QTest::newRow(name) << bearing << moves << angle;
        };
        row("bearing 0 goes up", 0, {}, -90 * degree);
        row("bearing 90 goes right", 90, {}, 0);
        row("random", -1, {}, qQNaN());
        row("move of 2 is a click, bearing 180 down", 180, {{101, 101}}, 90 * degree);
        row("move of 3 is a drag", -1, {{102, 101}}, std::atan2(1, 2));
        row("back within 2 is a click, bearing 270 left", 270, {{140, 130}, {98, 100}},
            180 * degree);
        row("drag released outside", -1, {{300, 100}, {450, -20}}, std::atan2(-120, 350));
    }
    void placement()
    {
        QFETCH(double, bearing);
        QFETCH(QPolygon, moves);
        QFETCH(double, angle);
        Field f;
        f.widget.setDefaultRandom(bearing < 0);
        f.widget.setDefaultDirection(bearing);
        QSignalSpy numberChanged(&f.widget, &Widget::numberChanged);
        QTest::mousePress(&f.widget, Qt::LeftButton, {}, QPoint(100, 100));
        for (const QPoint &p : moves)
            QTest::mouseMove(&f.widget, p);
        const QPoint last = moves.value(moves.size() - 1, QPoint(100, 100));
        QTest::mouseRelease(&f.widget, Qt::LeftButton, {}, last);
        QTest::mouseRelease(&f.widget, Qt::LeftButton, {}, last); // no gesture: no electron
        const int next = std::rand(); // only a random click draws one value
        std::srand(1);
        const int first = std::rand(), second = std::rand();
        QCOMPARE(next, qIsNaN(angle) ? second : first);
        QCOMPARE(f.model.electronPositions(), QVector<QPointF>{QPointF(100, 100)});
        QCOMPARE(f.model.electronDirections(),
                 QVector<double>{qIsNaN(angle) ? first % 360 * degree : angle});
        QCOMPARE(numberChanged, QList<QVariantList>{{1}});
    }
    void doubleClickPlacesTwo()
    {
        Field f;
        QTest::mouseClick(&f.widget, Qt::LeftButton, {}, QPoint(60, 70)); // as a double click comes
        QTest::mouseDClick(&f.widget, Qt::LeftButton, {}, QPoint(60, 70));
        QTest::mouseRelease(&f.widget, Qt::LeftButton, {}, QPoint(60, 70));
        QCOMPARE(f.model.electronPositions(), QVector<QPointF>(2, QPointF(60, 70)));
    }
    void matchesPlainDrawing_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<int>(
            "trailTolerance"); // grey levels near the dots, 1/16 pixel off at most
        QTest::newRow("defaults") << Settings{} << 0;
        QTest::newRow("spacing 5 radius 10") << Settings{5, 10, 4, true, 7, 3} << 0;
        QTest::newRow("spacing 5 radius 400") << Settings{5, 400, 4, true, 7, 3} << 0;
        QTest::newRow("electrons covering the field") << Settings{50, 10, 400, true, 3, 2} << 0;
        QTest::newRow("no edge atoms at spacing 25") << Settings{25, 5, 4, false, 3, 1} << 0;
        QTest::newRow("trail mode") << Settings{50, 10, 4, true, 3, 2} << 40;
    }
    void matchesPlainDrawing()
    {
        QFETCH(Settings, settings);
        QFETCH(int, trailTolerance);
        Field f;
        f.apply({50, 10, 4, true, 3, 1}); // painted first, so that a stale cache would show
        f.picture();
        f.apply(settings);
        f.widget.setNumber(10);
        f.widget.setTrace(trailTolerance > 0);
        f.model.step(50); // the preview must restore this state, not the freshly placed one
        const QVector<QPointF> positions = f.model.electronPositions();
        const QVector<double> directions = f.model.electronDirections();
        const double path = f.model.elapsedPath();
        f.picture();
        QImage image = f.picture();
        QVERIFY(f.model.electronDirections() == directions && f.model.elapsedPath() == path &&
                !std::memcmp(f.model.electronPositions().data(), positions.data(),
                             positions.size() * sizeof(QPointF)));
        // The same scene drawn plainly, nothing cached; then the trail, moving the model on.
        QImage expected(400, 400, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 0));     // cosmetic, one pixel wide
        const double w = 400.0 / settings.bins; // of a strip
        for (int i = 1; settings.showBins && i < settings.bins; ++i)
            painter.drawLine(QLineF(i * w, 0, i * w, 400));
        if (settings.showBins)
            painter.fillRect(QRectF((settings.index - 1) * w, 0, w, 400), Qt::cyan);
        painter.setBrush(Qt::black);
        for (int y = f.model.latticeOriginY(); y < 400; y += settings.side)
            for (int x = f.model.latticeOriginX(); x < 400; x += settings.side)
                painter.drawEllipse(QPointF(x, y), settings.atomR, settings.atomR);
        painter.setBrush(Qt::red);
        for (const QPointF &c : positions)
            painter.drawEllipse(c, settings.electronR, settings.electronR);
        painter.setBrush(Qt::black);
        QVector<QPointF> dots;
        for (int tick = 0; trailTolerance > 0 && tick < 60; ++tick) {
            f.model.step(50);
            for (const QPointF &c : f.model.electronPositions())
                painter.drawEllipse(c, 1, 1);
            dots += f.model.electronPositions();
        }
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
