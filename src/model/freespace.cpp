#include "freespace.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

bool LatticeGeometry::operator==(const LatticeGeometry &other) const
{
    return width == other.width && height == other.height && originX == other.originX &&
           originY == other.originY && side == other.side && atomR == other.atomR &&
           electronR == other.electronR && strips == other.strips;
}

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// The area under the arc sqrt(R^2 - t^2) from t = 0 to t = u (|u| <= R):
// (u * sqrt(R^2 - u^2) + R^2 * asin(u / R)) / 2, written in u / R.
double areaUnderArc(double u, double R)
{
    const double sine = std::clamp(u / R, -1.0, 1.0);
    return 0.5 * R * R * (sine * std::sqrt(1.0 - sine * sine) + std::asin(sine));
}

// Half the chord that a disc of radius R cuts from a line `distance` from its
// centre; no chord at or beyond R.
double halfChord(double distance, double R)
{
    return distance < R ? std::sqrt(R * R - distance * distance) : 0.0;
}

// The nearest of the lattice lines origin + k * side to `coordinate`.
double nearestLatticeLine(double coordinate, double origin, double side)
{
    return origin + side * std::round((coordinate - origin) / side);
}

// The discs on a segment [from, to] of a line parallel to a lattice axis.
// Every row of nodes across the line (centres origin + k * side along it)
// cuts one chord from it, all of the same half-length h: in each row the node
// in the lattice line nearest the line reaches farthest, and that distance is
// the same for every row. Once 2h >= side neighbouring chords meet and nothing
// of the line is free.
// Below that the chords are disjoint and the covered length is
// constant + perHalfChord * h, with coefficients that change only at the h
// where a chord's end passes an end of the segment.
class ChordCover
{
public:
    struct Law
    {
        double constant = 0.0;
        double perHalfChord = 0.0;
    };

    ChordCover(double from, double to, double origin, double side);

    double length() const { return to - from; }
    bool coversAll(double h) const { return h + h >= side; }
    // The half-lengths strictly between 0 and side / 2 where the law changes.
    const std::vector<double> &lawChanges() const { return changes; }
    const Law &lawFor(double h) const;
    double freeLength(double h) const;

private:
    Law lawAt(double h) const;

    double from;
    double to;
    double side;
    std::vector<double> centres;
    std::vector<double> changes;
    // laws[k] holds from changes[k - 1] to changes[k] (from 0, up to side / 2).
    std::vector<Law> laws;
};

ChordCover::ChordCover(double from, double to, double origin, double side)
    : from(from), to(to), side(side)
{
    // Chords shorter than the spacing come only from rows within side / 2 of the segment.
    const double longestHalfChord = side / 2;
    const double firstRow = std::ceil((from - longestHalfChord - origin) / side);
    const double lastRow = std::floor((to + longestHalfChord - origin) / side);
    for (double row = firstRow; row <= lastRow; ++row)
        centres.push_back(origin + side * row);

    for (double centre : centres) {
        for (double end : {from, to}) {
            const double h = std::abs(centre - end);
            if (h > 0.0 && h < longestHalfChord)
                changes.push_back(h);
        }
    }
    std::sort(changes.begin(), changes.end());
    changes.erase(std::unique(changes.begin(), changes.end()), changes.end());

    double lawStart = 0.0;
    for (double change : changes) {
        laws.push_back(lawAt((lawStart + change) / 2));
        lawStart = change;
    }
    laws.push_back(lawAt((lawStart + longestHalfChord) / 2));
}

// The law that holds around half-length h: a chord end inside the segment
// moves with h, one beyond it is held at the segment's end.
ChordCover::Law ChordCover::lawAt(double h) const
{
    Law law;
    for (double centre : centres) {
        const double chordStart = centre - h;
        const double chordEnd = centre + h;
        if (chordEnd <= from || chordStart >= to)
            continue;
        if (chordStart > from) {
            law.constant -= centre;
            law.perHalfChord += 1.0;
        } else {
            law.constant -= from;
        }
        if (chordEnd < to) {
            law.constant += centre;
            law.perHalfChord += 1.0;
        } else {
            law.constant += to;
        }
    }
    return law;
}

const ChordCover::Law &ChordCover::lawFor(double h) const
{
    const auto nextChange = std::upper_bound(changes.begin(), changes.end(), h);
    return laws[std::size_t(nextChange - changes.begin())];
}

double ChordCover::freeLength(double h) const
{
    if (h <= 0.0)
        return length();
    if (coversAll(h))
        return 0.0;
    const Law &law = lawFor(h);
    return std::max(0.0, length() - (law.constant + law.perHalfChord * h));
}

// The field of centres and the lattice, in the names the integration uses.
struct Frame
{
    double left;
    double right;
    double top;
    double bottom;
    double reach; // R = atomR + electronR
};

Frame frameOf(const LatticeGeometry &g)
{
    const double r = g.electronR;
    return {r, g.width - r, r, g.height - r, g.atomR + g.electronR};
}

// The free length of the four lines where a centre meets a wall.
double freeWallLength(const LatticeGeometry &g, const Frame &f)
{
    double length = 0.0;
    if (f.bottom >= f.top) {
        const ChordCover rowsAlongSideWall(f.top, f.bottom, g.originY, g.side);
        for (double x : {f.left, f.right}) {
            const double column = nearestLatticeLine(x, g.originX, g.side);
            length += rowsAlongSideWall.freeLength(halfChord(std::abs(x - column), f.reach));
        }
    }
    if (f.right >= f.left) {
        const ChordCover columnsAlongEndWall(f.left, f.right, g.originX, g.side);
        for (double y : {f.top, f.bottom}) {
            const double row = nearestLatticeLine(y, g.originY, g.side);
            length += columnsAlongEndWall.freeLength(halfChord(std::abs(y - row), f.reach));
        }
    }
    return length;
}

// The x between which the free length of a vertical line follows one formula:
// strip edges, the walls, and around every node column the midpoints to its
// neighbours and the distances at which its half-chord reaches 0, a change of
// law or full cover. Sorted, inside [left, right], ends included.
std::vector<double> formulaChanges(const LatticeGeometry &g, const Frame &f, const ChordCover &rows)
{
    // Offsets beyond side / 2 lie nearer the next column and change nothing.
    std::vector<double> offsetsFromColumn{g.side / 2};
    std::vector<double> reachedHalfChords = rows.lawChanges();
    reachedHalfChords.push_back(0.0);
    reachedHalfChords.push_back(g.side / 2);
    for (double h : reachedHalfChords) {
        const double offset = std::sqrt(std::max(0.0, f.reach * f.reach - h * h));
        if (h <= f.reach && offset < g.side / 2)
            offsetsFromColumn.push_back(offset);
    }

    std::vector<double> cuts{f.left, f.right};
    for (int j = 1; j < g.strips; ++j)
        cuts.push_back(g.width / g.strips * j);
    const double firstColumn = std::floor((f.left - g.originX) / g.side);
    const double lastColumn = std::ceil((f.right - g.originX) / g.side);
    for (double i = firstColumn; i <= lastColumn; ++i) {
        const double column = g.originX + g.side * i;
        for (double offset : offsetsFromColumn) {
            cuts.push_back(column - offset);
            cuts.push_back(column + offset);
        }
    }

    const auto outside = [&f](double x) { return !(x >= f.left && x <= f.right); };
    cuts.erase(std::remove_if(cuts.begin(), cuts.end(), outside), cuts.end());
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

// The free area between the vertical lines x = a and x = b, over which the
// nearest node column and the cover law stay the same: the integral of the
// line's free length, length - constant - perHalfChord * h(x), with
// h(x) = sqrt(R^2 - (x - column)^2), in closed form.
double freeAreaBetween(double a, double b, const LatticeGeometry &g, const Frame &f,
                       const ChordCover &rows)
{
    const double middle = (a + b) / 2;
    const double column = nearestLatticeLine(middle, g.originX, g.side);
    const double h = halfChord(std::abs(middle - column), f.reach);
    if (h <= 0.0)
        return rows.length() * (b - a);
    if (rows.coversAll(h))
        return 0.0;
    const ChordCover::Law &law = rows.lawFor(h);
    const double underArcs = areaUnderArc(b - column, f.reach) - areaUnderArc(a - column, f.reach);
    const double area = (rows.length() - law.constant) * (b - a) - law.perHalfChord * underArcs;
    return std::max(0.0, area);
}
// The angles at which a point on a circle of radius R lies more than h along the direction phi
// from the circle's centre, R cos(theta - phi) > h: beyond a line, or inside a neighbouring circle
// of the same radius whose centre lies 2h away.
struct ArcCut
{
    double phi;
    double h;
};

// How much of a circle of radius R the cuts leave, in radians, from the union of the arcs they
// take away.
double anglesLeft(const std::vector<ArcCut> &cuts, double R)
{
    constexpr double fullTurn = 2 * M_PI;
    std::vector<std::pair<double, double>> taken;
    for (const ArcCut &cut : cuts) {
        if (cut.h >= R)
            continue; // never reaches the circle, or only touches it
        if (cut.h <= -R)
            return 0.0; // the whole circle
        const double halfWidth = std::acos(cut.h / R);
        double start = std::remainder(cut.phi - halfWidth, fullTurn);
        if (start < 0)
            start += fullTurn;
        const double end = start + 2 * halfWidth;
        // An arc across the angle 0 is taken as two.
        if (end > fullTurn) {
            taken.emplace_back(start, fullTurn);
            taken.emplace_back(0.0, end - fullTurn);
        } else {
            taken.emplace_back(start, end);
        }
    }
    std::sort(taken.begin(), taken.end());
    double left = fullTurn;
    double coveredUpTo = 0.0;
    for (const auto &[start, end] : taken) {
        if (end <= coveredUpTo)
            continue;
        left -= end - std::max(start, coveredUpTo);
        coveredUpTo = end;
    }
    return std::max(0.0, left);
}

// The arcs of the circles about the nodes that border the free space. While the discs leave gaps
// (2 R^2 < side^2) a circle can only meet the four next to it, at the spacing's distance.
double freeArcLength(const LatticeGeometry &g, const Frame &f)
{
    const double R = f.reach;
    if (!(R > 0.0) || 2 * R * R >= g.side * g.side || !(f.right >= f.left && f.bottom >= f.top))
        return 0.0;
    std::vector<ArcCut> neighbours;
    if (2 * R > g.side) {
        for (double phi : {0.0, M_PI / 2, M_PI, -M_PI / 2})
            neighbours.push_back({phi, g.side / 2});
    }
    const double firstColumn = std::ceil((f.left - R - g.originX) / g.side);
    const double lastColumn = std::floor((f.right + R - g.originX) / g.side);
    const double firstRow = std::ceil((f.top - R - g.originY) / g.side);
    const double lastRow = std::floor((f.bottom + R - g.originY) / g.side);
    double length = 0.0;
    for (double row = firstRow; row <= lastRow; ++row) {
        const double y = g.originY + g.side * row;
        for (double column = firstColumn; column <= lastColumn; ++column) {
            const double x = g.originX + g.side * column;
            // Beyond the lines x = left, x = right, y = top and y = bottom.
            std::vector<ArcCut> cuts{{M_PI, x - f.left},
                                     {0.0, f.right - x},
                                     {-M_PI / 2, y - f.top},
                                     {M_PI / 2, f.bottom - y}};
            cuts.insert(cuts.end(), neighbours.begin(), neighbours.end());
            length += R * anglesLeft(cuts, R);
        }
    }
    return length;
}
} // namespace

FreeSpace computeFreeSpace(const LatticeGeometry &g)
{
    FreeSpace space;
    const int strips = std::max(g.strips, 0);
    space.stripShares.fill(notANumber, strips);
    if (!(g.side > 0.0))
        return space;

    const Frame f = frameOf(g);
    space.wallLength = freeWallLength(g, f);
    space.boundaryLength = space.wallLength + freeArcLength(g, f);
    if (!(f.right > f.left && f.bottom > f.top))
        return space;

    const ChordCover rows(f.top, f.bottom, g.originY, g.side);
    const std::vector<double> cuts = formulaChanges(g, f, rows);
    const double stripWidth = strips > 0 ? g.width / strips : 0.0;
    QVector<double> stripAreas(strips, 0.0);
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        const double a = cuts[k];
        const double b = cuts[k + 1];
        const double area = freeAreaBetween(a, b, g, f, rows);
        space.area += area;
        if (strips > 0) {
            const int strip = int(std::floor((a + b) / 2 / stripWidth));
            stripAreas[std::clamp(strip, 0, strips - 1)] += area;
        }
    }
    if (space.area > 0.0) {
        for (int j = 0; j < strips; ++j)
            space.stripShares[j] = stripAreas[j] / space.area;
    }
    return space;
}

// An electron spread evenly over the free space lies within du of a stretch
// dl of free wall line with probability dl du / A. Heading at an angle theta
// to the wall (towards it for theta in 0 ... pi; density 1 / (2 pi)), it
// overshoots by s sin(theta) - u when that is positive. Over u that sums to
// (s sin(theta))^2 / 2, over theta to pi s^2 / 4: an electron adds s^2 / (8 A)
// per step and unit of free wall length, the N of them N s^2 L / (8 A). The
// plot divides the running sum by T, which grows by s / 100 a step, so it
// tends to 100 N s L / (8 A).
double expectedWallPressure(const FreeSpace &space, int electrons, double stepLength)
{
    if (!(space.area > 0.0))
        return notANumber;
    return 100.0 * electrons * stepLength * space.wallLength / (8.0 * space.area);
}
