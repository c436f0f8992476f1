#include "gasmodel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
constexpr double never = std::numeric_limits<double>::infinity();

// A pocket between overlapping atoms, or the narrow channels of a dense lattice, can turn an
// electron thousands of times within one fast step. Past this many legs it spends the rest of
// the step where it is, which keeps a tick's work bounded at any setting.
constexpr int maxLegsPerStep = 64;

// Rounding can leave a contact point a hair inside a circle; within this fraction of R^2 of it
// a centre counts as on the circle, so that it bounces rather than slipping through.
constexpr double insideTolerance = 1e-9;

// What ends a straight leg of the path.
enum class Obstacle { None, SideWall, EndWall, Atom };

// When a centre at `position` moving at `velocity` (a component of a unit vector) reaches the
// line at `low` or `high` in that coordinate; at once when it is already on or beyond it.
double timeToWallLine(double position, double velocity, double low, double high)
{
    if (velocity < 0)
        return std::max(0.0, (position - low) / -velocity);
    if (velocity > 0)
        return std::max(0.0, (high - position) / velocity);
    return never;
}

// The indices of the nodes just above and below a small number: ceil and floor of numbers within
// a few hundred of 0 wherever the discs leave gaps, by truncating them shifted to be positive.
// The library's versions take several times longer on processors without a rounding
// instruction, and a branch on the sign would be mispredicted. The shift costs the last ten bits
// of the fraction, which moves a box edge by 1e-13 at most: a node it leaves out lies that close
// to the reach, where a leg can only touch its circle.
constexpr long long indexShift = 1024;

long long floorIndex(double v)
{
    return static_cast<long long>(v + indexShift) - indexShift;
}

long long ceilIndex(double v)
{
    return indexShift - static_cast<long long>(indexShift - v);
}

bool isWithin(double value, double low, double high)
{
    return value >= low && value <= high;
}

// The atoms as a leg of the path meets them: circles of radius `reach` about every node
// (originX + i * side, originY + j * side).
struct LatticeCircles
{
    double originX;
    double originY;
    double side;
    double perSide; // 1 / side
    double reach;
};

// What a leg from (x, y) along (dx, dy) meets within `length`: the first circle it enters, or,
// where it starts deep inside circles, how long until it is out of them all.
struct AtomsOnLeg
{
    double entry;       // when it enters a circle, else `length`
    QPointF node;       // the circle's centre, when it enters one
    double leaving = 0; // when deep inside: how long until out of every such circle
};

AtomsOnLeg atomsOnLeg(const LatticeCircles &lattice, double x, double y, double dx, double dy,
                      double length)
{
    const double reachSquared = lattice.reach * lattice.reach;
    const double band = insideTolerance * reachSquared;
    const double perSide = lattice.perSide;
    const double x1 = x + length * dx;
    const double y1 = y + length * dy;
    // The nodes within reach of the leg's box, their offsets from (x, y) stepping by a spacing.
    const long long firstColumn =
        ceilIndex((std::min(x, x1) - lattice.reach - lattice.originX) * perSide);
    const long long lastColumn =
        floorIndex((std::max(x, x1) + lattice.reach - lattice.originX) * perSide);
    const long long firstRow =
        ceilIndex((std::min(y, y1) - lattice.reach - lattice.originY) * perSide);
    const long long lastRow =
        floorIndex((std::max(y, y1) + lattice.reach - lattice.originY) * perSide);
    const int columns = int(lastColumn - firstColumn) + 1;
    const int rows = int(lastRow - firstRow) + 1;
    const double firstEx = x - (lattice.originX + lattice.side * double(firstColumn));
    double ey = y - (lattice.originY + lattice.side * double(firstRow));
    AtomsOnLeg met{length, QPointF()};
    for (int row = 0; row < rows; ++row, ey -= lattice.side) {
        double ex = firstEx;
        for (int column = 0; column < columns; ++column, ex -= lattice.side) {
            const double b = dx * ex + dy * ey; // < 0: heading towards the node
            const double c = ex * ex + ey * ey - reachSquared;
            if (c < -band) {
                met.leaving = std::max(met.leaving, -b + std::sqrt(b * b - c));
                continue;
            }
            // Entered at the smaller root of t^2 + 2 b t + c = 0, in the form that keeps its
            // digits; no earlier than c / -2b, so most nodes need no root.
            if (b >= 0 || c > -2 * b * met.entry)
                continue;
            const double discriminant = b * b - c;
            if (discriminant <= 0)
                continue; // a tangent only touches
            const double t = c > 0 ? c / (-b + std::sqrt(discriminant)) : 0.0;
            if (t < met.entry) {
                met.entry = t;
                met.node = QPointF(lattice.originX + lattice.side * double(firstColumn + column),
                                   lattice.originY + lattice.side * double(firstRow + row));
            }
        }
    }
    return met;
}
} // namespace

// A centre beyond a wall line (an electron placed across a wall) is put back on the line. Where
// that lands it within an atom's reach, it slides along the line out of the atom, to where the
// line meets the circle. One placed inside an atom is left to pass out of it.
void GasModel::settleWithinWalls(double &x, double &y, bool atomsApart) const
{
    const double r = electronR;
    const bool placedClear = atomsApart && isClearOfAtoms(x, y);
    const bool onSideWall = x < r || x > width - r;
    x = std::clamp(x, r, width - r);
    y = std::clamp(y, r, height - r);
    const double reach = atomR + electronR;
    const double deepInside = reach * reach * (1 - insideTolerance);
    // Sliding out of one atom can lead into its neighbour, or off a corner's other line.
    for (int slide = 0; placedClear && slide < 4; ++slide) {
        const std::array<QPointF, 4> nodes = surroundingNodes(x, y);
        const auto covering = std::find_if(nodes.begin(), nodes.end(), [&](const QPointF &node) {
            const QPointF fromNode = QPointF(x, y) - node;
            return QPointF::dotProduct(fromNode, fromNode) < deepInside;
        });
        if (covering == nodes.end())
            return;
        // Along the wall line, away from the node (towards the middle from right under it).
        double &along = onSideWall ? y : x;
        const double across = onSideWall ? x - covering->x() : y - covering->y();
        const double node = onSideWall ? covering->y() : covering->x();
        const double middle = onSideWall ? height / 2.0 : width / 2.0;
        const double away = along > node || (along == node && node < middle) ? 1.0 : -1.0;
        along = node + away * std::sqrt(reach * reach - across * across);
        x = std::clamp(x, r, width - r);
        y = std::clamp(y, r, height - r);
    }
}

// What every electron's path meets in a step: the wall lines, r inside the walls, and the atoms
// as circles of radius R about every node, inside the field or not.
struct GasModel::Course
{
    double s;         // the step's length
    double qPerPixel; // what each pixel of path adds to the strip accumulators
    double left;
    double right;
    double top;
    double bottom;
    // A disc as wide as the field is wedged between its walls and cannot move.
    bool wedged;
    LatticeCircles lattice;
    // Discs that leave no point of the plane free form one solid: nothing to bounce off, and an
    // electron inside it can only pass through.
    bool atomsApart;
};

void GasModel::stepExactly(double s, double qPerPixel)
{
    const double r = electronR;
    const double reach = atomR + electronR;
    const Course course{s,
                        qPerPixel,
                        r,
                        width - r,
                        r,
                        height - r,
                        !(r + r < width && r + r < height),
                        {double(originX), double(originY), double(side), nodesPerPixel, reach},
                        2 * reach * reach < double(side) * side};
    QPointF *centres = positions.data();
    const double *angles = directions.constData();
    for (int i = 0; i < count; ++i)
        flyExactly(i, centres[i], angles[i], course);
}

// One electron's step along its true path: straight legs between contacts, each wall line and
// each atom circle met in the order of time, with a specular reflection about the normal at every
// contact. Each leg adds its share of the step to the strips it crosses, each wall contact the
// depth by which the unreflected rest of the step would have overshot.
//
// An electron inside an atom's reach (placed there, or overtaken by a new spacing or radius)
// passes through the atoms around it until it is out of them, then moves on as any other.
void GasModel::flyExactly(int electron, QPointF &position, double angle, const Course &course)
{
    const LatticeCircles &lattice = course.lattice;
    double x = position.x();
    double y = position.y();
    // The path flown within one strip is summed leg by leg and handed to the strip when the
    // electron leaves it or the step ends: most steps stay in one strip.
    int strip = stripOf(x);
    double stripLeft = binWidth * strip;
    double stripRight = binWidth * (strip + 1);
    double pathInStrip = 0.0;
    const auto fly = [&](double x0, double x1, double path) {
        if (x1 >= stripLeft && x1 < stripRight) {
            pathInStrip += path;
            return;
        }
        addToStrip(electron, strip, course.qPerPixel * pathInStrip, pathInStrip);
        accumulateMove(electron, x0, x1, course.qPerPixel * path, path);
        pathInStrip = 0.0;
        strip = stripOf(x1);
        stripLeft = binWidth * strip;
        stripRight = binWidth * (strip + 1);
    };
    StepRecord record;
    const auto finish = [&] {
        addToStrip(electron, strip, course.qPerPixel * pathInStrip, pathInStrip);
        wallDepthSum += record.wallDepth;
        recordStep(electron, course.s, record);
    };

    if (course.wedged) {
        fly(x, x, course.s);
        finish();
        return;
    }
    if (x < course.left || x > course.right || y < course.top || y > course.bottom)
        settleWithinWalls(x, y, course.atomsApart);
    // The heading leads; it follows the angle only where the angle was set since.
    const double headingAngle = headingAngles[electron];
    if (!std::isnan(headingAngle) && std::memcmp(&headingAngle, &angle, sizeof angle) != 0)
        headFromAngle(electron);
    double dx = headings[electron].x();
    double dy = headings[electron].y();
    bool turned = false;
    double remaining = course.s;
    for (int legs = 0; remaining > 0; ++legs) {
        if (legs == maxLegsPerStep) {
            fly(x, x, remaining);
            break;
        }
        // Within one spacing the nodes near the leg are few: at most four by four.
        double leg = course.atomsApart ? std::min(remaining, lattice.side) : remaining;
        Obstacle obstacle = Obstacle::None;
        QPointF node;
        if (course.atomsApart) {
            const AtomsOnLeg met = atomsOnLeg(lattice, x, y, dx, dy, leg);
            if (met.leaving > 0) {
                leg = std::min(remaining, met.leaving);
            } else if (met.entry < leg) {
                leg = met.entry;
                obstacle = Obstacle::Atom;
                node = met.node;
            }
        }
        // A wall line is met only where the leg would end beyond it.
        if (!isWithin(x + leg * dx, course.left, course.right)) {
            const double toSideWall = timeToWallLine(x, dx, course.left, course.right);
            if (toSideWall <= leg) {
                leg = toSideWall;
                obstacle = Obstacle::SideWall;
            }
        }
        if (!isWithin(y + leg * dy, course.top, course.bottom)) {
            const double toEndWall = timeToWallLine(y, dy, course.top, course.bottom);
            if (toEndWall <= leg) {
                leg = toEndWall;
                obstacle = Obstacle::EndWall;
            }
        }

        const double x0 = x;
        x += leg * dx;
        y += leg * dy;
        remaining -= leg;
        fly(x0, x, leg);

        switch (obstacle) {
        case Obstacle::None:
            continue;
        case Obstacle::SideWall:
            x = dx < 0 ? course.left : course.right;
            record.wallDepth += remaining * std::abs(dx);
            dx = -dx;
            break;
        case Obstacle::EndWall:
            y = dy < 0 ? course.top : course.bottom;
            record.wallDepth += remaining * std::abs(dy);
            dy = -dy;
            break;
        case Obstacle::Atom: {
            // Mirrored in the normal from the node through the contact.
            const double nx = x - node.x();
            const double ny = y - node.y();
            const double along = 2 * (dx * nx + dy * ny) / (nx * nx + ny * ny);
            dx -= along * nx;
            dy -= along * ny;
            ++record.atomContacts;
            break;
        }
        }
        ++record.contacts;
        turned = true;
    }
    position = QPointF(x, y);
    if (turned) {
        headings[electron] = QPointF(dx, dy);
        headingAngles[electron] = std::nan("");
        directionsBehind = true;
    }
    finish();
}
