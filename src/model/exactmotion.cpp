#include "gasmodel.h"

#include <algorithm>
#include <array>
#include <cmath>
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

// floor and ceil of the small numbers that index nodes near the field, by truncation: the
// library's versions take several times longer on processors without a rounding instruction.
double floorOf(double v)
{
    const double truncated = double(static_cast<long long>(v));
    return truncated > v ? truncated - 1 : truncated;
}

double ceilOf(double v)
{
    const double truncated = double(static_cast<long long>(v));
    return truncated < v ? truncated + 1 : truncated;
}

bool isWithin(double value, double low, double high)
{
    return value >= low && value <= high;
}

// The atoms as a leg of the path meets them: circles of radius `reach` about every node
// (originX + i * side, originY + j * side).
struct Lattice
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

AtomsOnLeg atomsOnLeg(const Lattice &lattice, double x, double y, double dx, double dy,
                      double length)
{
    const double reachSquared = lattice.reach * lattice.reach;
    const double band = insideTolerance * reachSquared;
    const double perSide = lattice.perSide;
    const double x1 = x + length * dx;
    const double y1 = y + length * dy;
    // The nodes within reach of the leg's box; one that rounding leaves out lies a rounding
    // error from the reach, where the leg could only touch its circle.
    const double firstColumn =
        ceilOf((std::min(x, x1) - lattice.reach - lattice.originX) * perSide);
    const double lastColumn =
        floorOf((std::max(x, x1) + lattice.reach - lattice.originX) * perSide);
    const double firstRow = ceilOf((std::min(y, y1) - lattice.reach - lattice.originY) * perSide);
    const double lastRow = floorOf((std::max(y, y1) + lattice.reach - lattice.originY) * perSide);
    AtomsOnLeg met{length, QPointF()};
    for (double row = firstRow; row <= lastRow; ++row) {
        const double nodeY = lattice.originY + lattice.side * row;
        for (double column = firstColumn; column <= lastColumn; ++column) {
            const double nodeX = lattice.originX + lattice.side * column;
            const double ex = x - nodeX;
            const double ey = y - nodeY;
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
                met.node = QPointF(nodeX, nodeY);
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

// One electron's step along its true path: straight legs between contacts, each wall line
// (r inside a wall) and each atom circle (radius R about any lattice node, inside the field or
// not) met in the order of time, with a specular reflection about the normal at every contact.
// Each leg adds its share of the step to the strips it crosses, each wall contact the depth by
// which the unreflected rest of the step would have overshot.
//
// An electron inside an atom's reach (placed there, or overtaken by a new spacing or radius)
// passes through the atoms around it until it is out of them, then moves on as any other.
void GasModel::flyExactly(QPointF &position, double &angle, double cosA, double sinA, double s,
                          double qPerPixel)
{
    const double r = electronR;
    double x = position.x();
    double y = position.y();
    // A disc as wide as the field is wedged between its walls and cannot move.
    if (!(r + r < width && r + r < height)) {
        if (!previewing)
            accumulateMove(x, x, qPerPixel * s);
        return;
    }
    const Lattice lattice{double(originX), double(originY), double(side), nodesPerPixel,
                          atomR + electronR};
    // Discs that leave no point of the plane free form one solid: nothing to bounce off, and an
    // electron inside it can only pass through.
    const bool atomsApart = 2 * lattice.reach * lattice.reach < lattice.side * lattice.side;
    if (x < r || x > width - r || y < r || y > height - r)
        settleWithinWalls(x, y, atomsApart);
    double dx = cosA;
    double dy = sinA;
    bool turned = false;
    double remaining = s;
    for (int legs = 0; remaining > 0; ++legs) {
        if (legs == maxLegsPerStep) {
            if (!previewing)
                accumulateMove(x, x, qPerPixel * remaining);
            break;
        }
        // Within one spacing the nodes near the leg are few: at most four by four.
        double leg = atomsApart ? std::min(remaining, lattice.side) : remaining;
        Obstacle obstacle = Obstacle::None;
        QPointF node;
        if (atomsApart) {
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
        if (!isWithin(x + leg * dx, r, width - r)) {
            const double toSideWall = timeToWallLine(x, dx, r, width - r);
            if (toSideWall <= leg) {
                leg = toSideWall;
                obstacle = Obstacle::SideWall;
            }
        }
        if (!isWithin(y + leg * dy, r, height - r)) {
            const double toEndWall = timeToWallLine(y, dy, r, height - r);
            if (toEndWall <= leg) {
                leg = toEndWall;
                obstacle = Obstacle::EndWall;
            }
        }

        const double x0 = x;
        x += leg * dx;
        y += leg * dy;
        remaining -= leg;
        if (!previewing)
            accumulateMove(x0, x, qPerPixel * leg);

        switch (obstacle) {
        case Obstacle::None:
            continue;
        case Obstacle::SideWall:
            x = dx < 0 ? r : width - r;
            if (!previewing)
                wallDepthSum += remaining * std::abs(dx);
            dx = -dx;
            break;
        case Obstacle::EndWall:
            y = dy < 0 ? r : height - r;
            if (!previewing)
                wallDepthSum += remaining * std::abs(dy);
            dy = -dy;
            break;
        case Obstacle::Atom: {
            const double nx = x - node.x();
            const double ny = y - node.y();
            const double length = std::sqrt(nx * nx + ny * ny);
            const double along = 2 * (dx * nx + dy * ny) / (length * length);
            dx -= along * nx;
            dy -= along * ny;
            break;
        }
        }
        turned = true;
    }
    position = QPointF(x, y);
    if (turned)
        angle = std::atan2(dy, dx);
}
