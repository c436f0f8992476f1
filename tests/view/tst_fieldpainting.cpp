#include "gasmodel.h"
#include "widget.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int previewTicks = 60;
constexpr double pi = 3.141592653589793;

struct Settings
{
    int side = 50;
    double atomR = 10;
    double electronR = 4;
    bool showBins = false;
    int bins = 3;
    int binIndex = 1; // counted from 1, as the form shows it
};

// A field set up the way the main window pushes its settings.
struct Field
{
    explicit Field(const Settings &s) { apply(s); }
    void apply(const Settings &s)
    {
        widget.setSide(s.side);
        widget.setAtomR(s.atomR);
        widget.setElectronR(s.electronR);
        widget.setSpeed(100);
        widget.setBinsNumber(s.bins);
        widget.setBinIndex(s.binIndex);
        widget.setShowBins(s.showBins);
    }
    QImage picture()
    {
        QImage image(widget.size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        widget.render(&image);
        return image;
    }
    GasModel model;
    Widget widget{&model};
};

// The scene drawn the plain way, with nothing skipped and nothing cached;
// the centres of the trail dots are added to `dots`.
QImage referencePicture(GasModel &model, const Settings &s, bool trace, QVector<QPointF> &dots)
{
    QImage image(400, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.fillRect(image.rect(), Qt::white);
    if (s.showBins) {
        const double binWidth = 400.0 / s.bins;
        for (int i = 1; i < s.bins; ++i)
            painter.drawLine(QLineF(i * binWidth, 0, i * binWidth, 400));
        painter.fillRect(QRectF((s.binIndex - 1) * binWidth, 0, binWidth, 400), Qt::cyan);
    }
    painter.setBrush(Qt::black);
    for (int y = model.latticeOriginY(); y <= 399; y += s.side)
        for (int x = model.latticeOriginX(); x <= 399; x += s.side)
            painter.drawEllipse(QRectF(x - s.atomR, y - s.atomR, 2 * s.atomR, 2 * s.atomR));
    painter.setBrush(Qt::red);
    const double r = s.electronR;
    for (const QPointF &c : model.electronPositions())
        painter.drawEllipse(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    if (trace) {
        painter.setBrush(Qt::black);
        model.saveState();
        model.setPreviewing(true);
        for (int tick = 0; tick < previewTicks; ++tick) {
            model.step(50);
            for (const QPointF &c : model.electronPositions()) {
                painter.drawEllipse(QRectF(c.x() - 1, c.y() - 1, 2, 2));
                dots.append(c);
            }
        }
        model.setPreviewing(false);
        model.restoreState();
    }
    return image;
}

int channelDifference(QRgb a, QRgb b)
{
    return qMax(qAbs(qRed(a) - qRed(b)),
                qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
}

// Pixels that a trail dot (diameter 2 plus its one-pixel rim) can touch.
QImage dotNeighbourhoods(const QVector<QPointF> &dots)
{
    QImage mask(400, 400, QImage::Format_Mono);
    mask.fill(0);
    for (const QPointF &c : dots) {
        for (int y = int(std::floor(c.y() - 2.5)); y <= int(std::floor(c.y() + 2.5)); ++y)
            for (int x = int(std::floor(c.x() - 2.5)); x <= int(std::floor(c.x() + 2.5)); ++x)
                if (mask.rect().contains(x, y))
                    mask.setPixel(x, y, 1);
    }
    return mask;
}

template <class T> bool sameBits(const QVector<T> &a, const QVector<T> &b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}
} // namespace

Q_DECLARE_METATYPE(Settings)

class FieldPaintingTest : public QObject
{
    Q_OBJECT
private slots:
    void pixels_data();
    void pixels();
    void matchesPlainDrawing_data();
    void matchesPlainDrawing();
    void dragLineOnlyWhileHeld();
    void trailPreviewLeavesElectronsExactly();
};

void FieldPaintingTest::pixels_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QPolygon>("electrons");
    QTest::addColumn<QPolygon>("black");
    QTest::addColumn<QPolygon>("white");
    QTest::addColumn<QPolygon>("coloured");
    QTest::addColumn<QColor>("colour");

    const Settings lattice50;
    QTest::newRow("spacing 50") << lattice50 << QPolygon()
                                << QPolygon({{25, 25}, {33, 25}, {375, 375}})
                                << QPolygon({{36, 25}, {50, 25}}) << QPolygon() << QColor();
    QTest::newRow("electrons over atoms")
        << lattice50 << QPolygon({{50, 50}, {25, 25}}) << QPolygon() << QPolygon({{55, 50}})
        << QPolygon({{50, 50}, {25, 25}}) << QColor(Qt::red);
    QTest::newRow("atoms over the selected strip")
        << Settings{50, 10, 4, true, 4, 2} << QPolygon() << QPolygon({{125, 125}})
        << QPolygon({{50, 50}, {250, 50}}) << QPolygon({{150, 50}, {199, 399}}) << QColor(Qt::cyan);
    QTest::newRow("one strip") << Settings{50, 10, 4, true, 1, 1} << QPolygon() << QPolygon()
                               << QPolygon() << QPolygon({{0, 0}, {399, 399}}) << QColor(Qt::cyan);
    // The nodes on the field's edges are not painted.
    QTest::newRow("spacing 25") << Settings{25, 5, 4, false, 3, 1} << QPolygon()
                                << QPolygon({{25, 25}, {375, 375}})
                                << QPolygon({{0, 100}, {100, 0}, {399, 100}, {100, 399}})
                                << QPolygon() << QColor();
    QTest::newRow("spacing 400") << Settings{400, 10, 4, false, 3, 1} << QPolygon()
                                 << QPolygon({{25, 25}}) << QPolygon({{75, 75}, {25, 75}})
                                 << QPolygon() << QColor();
}

void FieldPaintingTest::pixels()
{
    QFETCH(Settings, settings);
    QFETCH(QPolygon, electrons);
    QFETCH(QPolygon, black);
    QFETCH(QPolygon, white);
    QFETCH(QPolygon, coloured);
    QFETCH(QColor, colour);

    Field field(settings);
    for (const QPoint &p : electrons)
        field.model.addElectron(p.x(), p.y(), 0);
    const QImage picture = field.picture();
    const auto check = [&](const QPolygon &probes, const QColor &expected) {
        for (const QPoint &p : probes)
            QVERIFY2(picture.pixelColor(p) == expected,
                     qPrintable(QStringLiteral("(%1, %2) is %3")
                                    .arg(p.x())
                                    .arg(p.y())
                                    .arg(picture.pixelColor(p).name())));
    };
    check(black, Qt::black);
    check(white, Qt::white);
    check(coloured, colour);
}

void FieldPaintingTest::matchesPlainDrawing_data()
{
    QTest::addColumn<Settings>("before"); // shown first
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<int>("electrons"); // randomly placed; 0: four on whole-pixel lanes
    QTest::addColumn<bool>("trace");
    QTest::addColumn<int>("maxDifference"); // on any channel, and only next to trail dots

    const auto row = [](const char *name, const Settings &settings, int electrons,
                        bool trace = false, int maxDifference = 0) {
        QTest::newRow(name) << settings << settings << electrons << trace << maxDifference;
    };
    row("defaults", {50, 10, 4, false, 3, 1}, 20);
    row("defaults with strips", {50, 10, 4, true, 3, 2}, 20);
    row("spacing 5 radius 10", {5, 10, 4, true, 7, 3}, 20);
    row("spacing 5 radius 400", {5, 400, 4, true, 7, 3}, 20);
    row("spacing 7 radius 4.9", {7, 4.9, 4, true, 7, 7}, 20);
    row("spacing 25 strip outside", {25, 5, 4, true, 3, 4}, 20);
    row("electrons covering the field", {50, 10, 400, true, 3, 2}, 3);
    row("electron radius 250", {50, 10, 250, false, 3, 1}, 4);
    // Dots on whole pixels differ only by the rounding of blending them in;
    // elsewhere the cached dots sit up to 1/16 pixel off the exact centre.
    row("trail on whole pixels", {50, 10, 4, true, 3, 2}, 0, true, 2);
    row("trail mode", {50, 10, 4, true, 3, 2}, 10, true, 40);
    row("trail mode dense", {7, 4.9, 2, false, 3, 1}, 10, true, 40);

    // A changed setting must show at the next paint.
    const auto change = [](const char *name, const Settings &settings) {
        QTest::newRow(name) << Settings{50, 10, 4, true, 3, 1} << settings << 5 << false << 0;
    };
    change("strip index changed", {50, 10, 4, true, 3, 2});
    change("bins changed", {50, 10, 4, true, 4, 1});
    change("strips hidden", {50, 10, 4, false, 3, 1});
    change("spacing changed", {25, 10, 4, true, 3, 1});
    change("atom radius changed", {50, 10.5, 4, true, 3, 1});
}

void FieldPaintingTest::matchesPlainDrawing()
{
    QFETCH(Settings, before);
    QFETCH(Settings, settings);
    QFETCH(int, electrons);
    QFETCH(bool, trace);
    QFETCH(int, maxDifference);

    Field field(before);
    field.picture();
    field.apply(settings);
    if (electrons > 0) {
        std::srand(11);
        field.widget.setNumber(electrons);
    } else {
        // Free lanes between the rows and columns of atoms, 5 pixels per tick.
        field.model.addElectron(30, 50, 0);
        field.model.addElectron(370, 150, pi);
        field.model.addElectron(50, 30, pi / 2);
        field.model.addElectron(150, 370, -pi / 2);
    }
    field.widget.setTrace(trace);
    const QImage shown = field.picture();
    QVector<QPointF> dots;
    const QImage expected = referencePicture(field.model, settings, trace, dots);
    const QImage nearDots = dotNeighbourhoods(dots);

    int worst = 0;
    int strayPixels = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            const int d = channelDifference(shown.pixel(x, y), expected.pixel(x, y));
            worst = qMax(worst, d);
            strayPixels += d > 0 && nearDots.pixelIndex(x, y) == 0;
        }
    }
    QVERIFY2(worst <= maxDifference, qPrintable(QString::number(worst)));
    QCOMPARE(strayPixels, 0);
}

void FieldPaintingTest::dragLineOnlyWhileHeld()
{
    Field field{Settings{}};
    QCOMPARE(QColor(field.picture().pixel(100, 50)), QColor(Qt::white));
    QTest::mousePress(&field.widget, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(&field.widget, QPoint(150, 50));
    QVERIFY(qRed(field.picture().pixel(100, 50)) < 160);
    QTest::mouseRelease(&field.widget, Qt::LeftButton, {}, QPoint(150, 50));
    QCOMPARE(QColor(field.picture().pixel(100, 50)), QColor(Qt::white));
}

void FieldPaintingTest::trailPreviewLeavesElectronsExactly()
{
    Field field{Settings{}};
    // Along y = 50 the path runs between two rows of atoms: dots every 5 pixels.
    field.model.addElectron(30, 50, 0);
    QCOMPARE(QColor(field.picture().pixel(100, 50)), QColor(Qt::white));
    field.widget.setTrace(true);
    const QImage preview = field.picture();
    QVERIFY(qRed(preview.pixel(100, 50)) < 160);
    QVERIFY(qRed(preview.pixel(99, 49)) < 160);
    QCOMPARE(QColor(preview.pixel(102, 50)), QColor(Qt::white));
    QCOMPARE(field.model.electronPositions().first(), QPointF(30, 50));
    field.widget.setTrace(false);
    QCOMPARE(QColor(field.picture().pixel(100, 50)), QColor(Qt::white));

    field.widget.setTrace(true);
    std::srand(5);
    field.widget.setNumber(13);
    field.model.step(50); // so that the saved state is not the freshly placed one
    const QVector<QPointF> positions = field.model.electronPositions();
    const QVector<double> directions = field.model.electronDirections();
    const double path = field.model.elapsedPath();
    const int samples = field.model.timeData().size();
    field.picture();
    field.picture();
    QCOMPARE(field.model.number(), 13);
    QVERIFY(sameBits(field.model.electronPositions(), positions));
    QVERIFY(sameBits(field.model.electronDirections(), directions));
    QCOMPARE(field.model.elapsedPath(), path);
    QCOMPARE(field.model.timeData().size(), samples);
}

QTEST_MAIN(FieldPaintingTest)
#include "tst_fieldpainting.moc"
