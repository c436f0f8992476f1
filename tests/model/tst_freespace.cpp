#include "freespace.h"
#include "gasmodel.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using Doubles = QVector<double>;

namespace {
constexpr double pi = 3.141592653589793;

// The program's 400 x 400 field with its lattice origin (25, 25).
LatticeGeometry programField(double side, double atomR, double electronR, int strips)
{
    return {400, 400, 25, 25, side, atomR, electronR, strips};
}

// As the window sets a model up: the size first, while the spacing is still 25.
void setUp(GasModel &model, const LatticeGeometry &geometry)
{
    model.setSize(400, 400);
    model.setSide(int(geometry.side));
    model.setAtomR(geometry.atomR);
    model.setElectronR(geometry.electronR);
    model.setBinsNumber(geometry.strips);
}

double largestDifference(const Doubles &actual, const Doubles &expected)
{
    if (actual.size() != expected.size())
        return qInf();
    double largest = 0.0;
    for (int i = 0; i < actual.size(); ++i)
        largest = std::max(largest, std::abs(actual[i] - expected[i]));
    return largest;
}

// What a chord `distance` from the centre cuts off a disc of radius R.
double circularSegment(double distance, double R)
{
    return R * R * std::acos(distance / R) - distance * std::sqrt(R * R - distance * distance);
}

// The free part of the vertical line at x between y = from and y = to: the
// gaps between the chords of all discs that reach it.
double freeLengthOfVerticalLine(const LatticeGeometry &g, double x, double from, double to)
{
    const double reach = g.atomR + g.electronR;
    QVector<QPair<double, double>> chords;
    const int firstColumn = int(std::floor((x - reach - g.originX) / g.side));
    const int lastColumn = int(std::ceil((x + reach - g.originX) / g.side));
    const int firstRow = int(std::floor((from - reach - g.originY) / g.side));
    const int lastRow = int(std::ceil((to + reach - g.originY) / g.side));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const double across = x - (g.originX + column * g.side);
        if (std::abs(across) >= reach)
            continue;
        const double halfChord = std::sqrt(reach * reach - across * across);
        for (int row = firstRow; row <= lastRow; ++row) {
            const double centre = g.originY + row * g.side;
            const double start = std::max(from, centre - halfChord);
            const double end = std::min(to, centre + halfChord);
            if (start < end)
                chords.append({start, end});
        }
    }
    std::sort(chords.begin(), chords.end());
    double free = 0.0;
    double coveredUpTo = from;
    for (const auto &chord : chords) {
        free += std::max(0.0, chord.first - coveredUpTo);
        coveredUpTo = std::max(coveredUpTo, chord.second);
    }
    return free + std::max(0.0, to - coveredUpTo);
}

// The shares and the wall length from free lengths of vertical lines,
// integrated strip by strip with four-point Gauss-Legendre on panels of 1/40
// pixel. Corners in the free length that no panel knows of (where a disc's
// edge grazes the line, where chords meet) hold this to about 3e-7.
QPair<Doubles, double> sharesAndWallLengthLineByLine(const LatticeGeometry &g)
{
    const double nodes[4] = {-0.8611363115940526, -0.3399810435848563, 0.3399810435848563,
                             0.8611363115940526};
    const double weights[4] = {0.3478548451374538, 0.6521451548625461, 0.6521451548625461,
                               0.3478548451374538};
    const double r = g.electronR;
    const double stripWidth = g.width / g.strips;
    Doubles shares(g.strips, 0.0);
    double area = 0.0;
    for (int strip = 0; strip < g.strips; ++strip) {
        const double from = std::max(r, stripWidth * strip);
        const double to = std::min(g.width - r, stripWidth * (strip + 1));
        const int panels = int(std::ceil((to - from) * 40));
        const double halfPanel = (to - from) / panels / 2;
        for (int panel = 0; panel < panels; ++panel) {
            const double middle = from + (2 * panel + 1) * halfPanel;
            for (int k = 0; k < 4; ++k) {
                const double x = middle + nodes[k] * halfPanel;
                shares[strip] +=
                    weights[k] * halfPanel * freeLengthOfVerticalLine(g, x, r, 400 - r);
            }
        }
        area += shares[strip];
    }
    for (double &share : shares)
        share /= area;
    // The field and lattice are symmetric in their diagonal: the walls y = r
    // and y = 400 - r measure what x = r and x = 400 - r do.
    const double wallLength = 2 * (freeLengthOfVerticalLine(g, r, r, 400 - r) +
                                   freeLengthOfVerticalLine(g, 400 - r, r, 400 - r));
    return {shares, wallLength};
}
} // namespace

Q_DECLARE_METATYPE(LatticeGeometry)

class FreeSpaceTest : public QObject
{
    Q_OBJECT
private slots:
    void closedForms_data()
    {
        QTest::addColumn<LatticeGeometry>("geometry");
        QTest::addColumn<double>("area");
        QTest::addColumn<double>("wallLength");
        QTest::addColumn<Doubles>("shares");

        // R = 14: 8 x 8 whole discs in the 392-wide square of centres. The strip
        // edges 400/3 and 800/3 pass 25/3 from the columns at 125 and 275, and
        // each cuts off 8 segments for the middle strip.
        const double disc = pi * 14 * 14;
        const double area = 392.0 * 392 - 64 * disc;
        const double cut = 8 * circularSegment(25.0 / 3, 14);
        const double outer = ((400.0 / 3 - 4) * 392 - (24 * disc - cut)) / area;
        const double middle = (400.0 / 3 * 392 - (16 * disc + 2 * cut)) / area;
        QTest::newRow("defaults") << programField(50, 10, 4, 3) << area << 4 * 392.0
                                  << Doubles{outer, middle, outer};

        // R = 12, centres in [4, 396], 5 x 5 nodes at 25 + 90 k. The right and
        // bottom walls pass 11 from the last column's and row's nodes, the edge
        // x = 200 passes 5 from the column at 205. No two cuts of a disc meet
        // (5^2 + 11^2 > 12^2): each cuts off one segment.
        const double disc12 = pi * 12 * 12;
        const double wallCut = circularSegment(11, 12);
        const double edgeCut = circularSegment(5, 12);
        const double area12 = 392.0 * 392 - 25 * disc12 + 10 * wallCut;
        // Left of 200: columns 25 and 115 (bottom row cut) and column 205's edge segments.
        const double left = 196.0 * 392 - (10 * disc12 - 2 * wallCut + 5 * edgeCut);
        const double wallLength = 4 * 392.0 - 10 * 2 * std::sqrt(12.0 * 12 - 11 * 11);
        QTest::newRow("walls and a strip edge cut discs")
            << programField(90, 8, 4, 2) << area12 << wallLength
            << Doubles{left / area12, 1 - left / area12};
    }
    void closedForms()
    {
        QFETCH(LatticeGeometry, geometry);
        QFETCH(double, area);
        QFETCH(double, wallLength);
        QFETCH(Doubles, shares);

        const FreeSpace space = computeFreeSpace(geometry);
        QCOMPARE_LE(std::abs(space.area - area), 1e-9 * area);
        QCOMPARE_LE(std::abs(space.wallLength - wallLength), 1e-9 * wallLength);
        QCOMPARE_LE(largestDifference(space.stripShares, shares), 1e-12);
    }

    // The window reads these on every tick; they must follow the settings.
    void modelFollowsItsSettings()
    {
        GasModel model;
        setUp(model, programField(50, 10, 4, 3));
        model.setNumber(500);
        model.setBinIndex(1);
        const FreeSpace defaults = computeFreeSpace(programField(50, 10, 4, 3));
        QCOMPARE(model.expectedDensity(), defaults.stripShares);
        QCOMPARE(model.expectedProbability(), defaults.stripShares[1]);
        // 100 N s L / (8 A) with N = 500, s = 5, L = 1568, A = 114255.86...
        QCOMPARE_LE(std::abs(model.expectedPressure() - 428.8620229023382), 1e-9);
        model.setSpeed(200);
        model.setNumber(125);
        QCOMPARE_LE(std::abs(model.expectedPressure() - 428.8620229023382 / 2), 1e-9);

        model.setSide(90);
        model.setAtomR(8);
        model.setElectronR(5);
        model.setBinsNumber(2);
        const FreeSpace changed = computeFreeSpace(programField(90, 8, 5, 2));
        QCOMPARE(model.freeArea(), changed.area);
        QCOMPARE(model.freeWallLength(), changed.wallLength);
        QCOMPARE(model.expectedDensity(), changed.stripShares);
    }

    void overlappingDiscs_data()
    {
        QTest::addColumn<LatticeGeometry>("geometry");
        // 2R > spacing > R sqrt(2): the discs overlap and leave a gap in every cell.
        QTest::newRow("spacing 20, R = 12") << programField(20, 9, 3, 3);
        QTest::newRow("spacing 30, R = 20, walls cut") << programField(30, 8, 12, 7);
        QTest::newRow("spacing 7, R = 3.8, narrow gaps") << programField(7, 1.9, 1.9, 5);
    }
    void overlappingDiscs()
    {
        QFETCH(LatticeGeometry, geometry);

        const FreeSpace space = computeFreeSpace(geometry);
        const auto [shares, wallLength] = sharesAndWallLengthLineByLine(geometry);
        QCOMPARE_LE(largestDifference(space.stripShares, shares), 1e-6);
        // Both measure each wall line exactly.
        QCOMPARE_LE(std::abs(space.wallLength - wallLength), 1e-9);
    }

    void noFreeSpace_data()
    {
        QTest::addColumn<LatticeGeometry>("geometry");
        QTest::newRow("electron as wide as the field") << programField(50, 10, 200, 3);
        // R = 36 > 50 / sqrt(2): the discs overlap even at the cell centres.
        QTest::newRow("atoms cover every point") << programField(50, 32, 4, 3);
        QTest::newRow("densest lattice, largest radii") << programField(5, 400, 400, 3);
    }
    void noFreeSpace()
    {
        QFETCH(LatticeGeometry, geometry);

        GasModel model;
        setUp(model, geometry);
        model.setNumber(500);
        QCOMPARE(model.freeArea(), 0.0);
        QVERIFY(std::isnan(model.expectedProbability()));
        QVERIFY(std::isnan(model.expectedPressure()));
        const Doubles density = model.expectedDensity();
        QCOMPARE(density.size(), 3);
        QVERIFY(
            std::all_of(density.begin(), density.end(), [](double d) { return std::isnan(d); }));
    }

    // 500 electrons spread evenly over the free space, in directions spread
    // evenly (whole degrees put some on orbits along open channels that never
    // mix). Over 30000 ticks, runs from eight seeds put the middle strip 0.001
    // to 0.005 below its share, the outer ones up to 0.004 above, and the
    // pressure 4% to 5% low: a 5-pixel step is not short against the 7-pixel
    // band between each wall and the first atoms, and a move across a strip
    // edge counts for neither strip.
    void longRunApproachesExpectedValues()
    {
        GasModel model;
        setUp(model, programField(50, 10, 4, 3));
        QRandomGenerator random(1);
        while (model.number() < 500) {
            const int x = random.bounded(4, 397);
            const int y = random.bounded(4, 397);
            const double fromNode =
                std::hypot(std::remainder(x - 25, 50), std::remainder(y - 25, 50));
            if (fromNode > 14)
                model.addElectron(x, y, random.bounded(2 * pi));
        }
        for (int tick = 0; tick < 30000; ++tick)
            model.step(50);

        QCOMPARE_LE(largestDifference(model.densityData(), model.expectedDensity()), 0.008);
        const double pressure = model.wallDepthTotal() / (model.elapsedPath() / 100);
        QCOMPARE_LE(std::abs(pressure / model.expectedPressure() - 1), 0.07);
    }
};

QTEST_APPLESS_MAIN(FreeSpaceTest)
#include "tst_freespace.moc"
