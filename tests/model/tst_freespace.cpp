#include "freespace.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <numeric>

using Doubles = QVector<double>;
Q_DECLARE_METATYPE(LatticeGeometry)

// The program's 400 x 400 field with its lattice origin (25, 25).
static LatticeGeometry programField(int side, double atomR, double electronR, int strips)
{
    return {400, 400, 25, 25, double(side), atomR, electronR, strips};
}

// The free part of the vertical line at x between the walls (y from r to 400 - r): the gaps
// between the chords that the discs of radius R = atomR + r around the nodes cut from it.
static double freeLengthOfLine(const LatticeGeometry &geometry, double x)
{
    const double reach = geometry.atomR + geometry.electronR;
    const double side = geometry.side;
    Doubles nodes; // the lattice lines from a reach beyond one wall to a reach beyond the other
    for (double node = 25 - side * std::ceil((25 + reach) / side); node < 400 + reach; node += side)
        nodes.append(node);
    QVector<QPair<double, double>> chords;
    for (double column : nodes) {
        const double across = std::abs(x - column);
        if (across >= reach)
            continue;
        const double halfChord = std::sqrt(reach * reach - across * across);
        for (double row : nodes)
            chords.append({row - halfChord, row + halfChord});
    }
    std::sort(chords.begin(), chords.end());
    const double end = 400 - geometry.electronR;
    double free = 0;
    double coveredUpTo = geometry.electronR;
    for (const auto &chord : chords) {
        free += std::max(0.0, std::min(chord.first, end) - coveredUpTo);
        coveredUpTo = std::max(coveredUpTo, chord.second);
    }
    return free + std::max(0.0, end - coveredUpTo);
}

// The free border's length: the free wall length, and the points of every circle of radius R
// that lie within the wall lines and outside every other circle, counted at equal steps of angle.
// Each circle's steps start at another fraction of a step, so that the counts' rounding at the
// ends of the arcs, alike on every circle of a lattice, averages out.
static double freeBoundaryByPoints(const LatticeGeometry &geometry, double wallLength)
{
    const double reach = geometry.atomR + geometry.electronR;
    const double r = geometry.electronR;
    const double side = geometry.side;
    const int steps = 40000;
    double length = wallLength;
    double phase = 0;
    for (double row = 25 - side * std::ceil((25 + reach) / side); row < 400 + reach; row += side) {
        for (double column = 25 - side * std::ceil((25 + reach) / side); column < 400 + reach;
             column += side) {
            int free = 0;
            phase = std::fmod(phase + 0.6180339887, 1.0);
            for (int step = 0; step < steps; ++step) {
                const double angle = 2 * M_PI * (step + phase) / steps;
                const double x = column + reach * std::cos(angle);
                const double y = row + reach * std::sin(angle);
                bool clear = x >= r && x <= 400 - r && y >= r && y <= 400 - r;
                for (int i = -1; i <= 1 && clear; ++i) {
                    for (int j = -1; j <= 1 && clear; ++j)
                        clear = (i == 0 && j == 0) ||
                                std::hypot(x - column - i * side, y - row - j * side) > reach;
                }
                free += clear;
            }
            length += 2 * M_PI * reach * free / steps;
        }
    }
    return length;
}

class FreeSpaceTest : public QObject
{
    Q_OBJECT
private slots:
    void againstLineByLine_data()
    {
        QTest::addColumn<LatticeGeometry>("geometry");
        // R = 14: 8 x 8 whole discs in the 392-wide square of centres, the strip edges 25/3
        // from two columns of them.
        QTest::newRow("defaults") << programField(50, 10, 4, 3);
        // 2R > spacing > R sqrt(2): the discs overlap and leave a gap in every cell.
        QTest::newRow("spacing 20, R = 12") << programField(20, 9, 3, 3);
        QTest::newRow("spacing 30, R = 20, walls cut") << programField(30, 8, 12, 7);
        // R = 14 at spacing 35: the discs about the nodes at -10 and 410 touch the wall lines.
        QTest::newRow("discs touching the wall lines") << programField(35, 10, 4, 3);
    }
    // Against the free lengths of vertical lines integrated strip by strip with the midpoint
    // rule on panels of 1/200 pixel. Where a disc's edge grazes a line the free length has a
    // square-root corner, which holds this to about 2e-7 in the shares and 1e-6 in the area of
    // the narrowest gaps.
    void againstLineByLine()
    {
        QFETCH(LatticeGeometry, geometry);
        const FreeSpace space = computeFreeSpace(geometry);
        const double radius = geometry.electronR;
        const double stripWidth = 400.0 / geometry.strips;
        Doubles areas;
        for (int strip = 0; strip < geometry.strips; ++strip) {
            const double from = std::max(radius, stripWidth * strip);
            const double to = std::min(400 - radius, stripWidth * (strip + 1));
            const int panels = int(std::ceil((to - from) * 200));
            const double panel = (to - from) / panels;
            double area = 0;
            for (int i = 0; i < panels; ++i)
                area += panel * freeLengthOfLine(geometry, from + (i + 0.5) * panel);
            areas.append(area);
        }
        const double area = std::accumulate(areas.begin(), areas.end(), 0.0);
        QCOMPARE_LE(std::abs(space.area / area - 1), 1e-5);
        for (int strip = 0; strip < geometry.strips; ++strip)
            QCOMPARE_LE(std::abs(space.stripShares[strip] - areas[strip] / area), 1e-6);
        // The field and lattice are symmetric in their diagonal: the walls y = r and y = 400 - r
        // measure what x = r and x = 400 - r do. Both measure each wall line exactly.
        const double wallLength =
            2 * (freeLengthOfLine(geometry, radius) + freeLengthOfLine(geometry, 400 - radius));
        QCOMPARE(space.wallLength, wallLength);
        QCOMPARE_LE(std::abs(space.boundaryLength / freeBoundaryByPoints(geometry, wallLength) - 1),
                    1e-4);
    }
};

QTEST_APPLESS_MAIN(FreeSpaceTest)
#include "tst_freespace.moc"
