#include "gasmodel.h"

#include <cmath>
#include <cstring>

namespace {
constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;  // mirror in a horizontal wall: a -> 2pi - a
constexpr double threePi = 9.42477796076938; // mirror in a vertical wall: a -> 3pi - a

// A disc at least as wide as the field touches both walls wherever it is, so
// no mirror brings it inside; its centre is held within the field instead of
// being thrown ever farther out by alternating mirrors.
void keepWithinField(double &coordinate, double radius, int extent)
{
    if (radius + radius < extent)
        return;
    if (coordinate < 0.0)
        coordinate = 0.0;
    else if (coordinate > extent)
        coordinate = extent;
}

bool isWithinReach(const QPointF &p, const QPointF &node, double reach)
{
    const double dx = p.x() - node.x();
    const double dy = p.y() - node.y();
    return dx * dx + dy * dy < reach * reach;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Mirrors a coordinate beyond the line `low` or `high` back between them, as often as it takes:
// a path folded into the band between two mirrors. Returns how many mirrors it took; the depth
// is how far it lay beyond the first.
int foldBetween(double &coordinate, double low, double high, double &depth)
{
    const double overshoot = coordinate > high ? coordinate - high : low - coordinate;
    if (!(overshoot > 0) || !(high > low))
        return 0;
    depth += overshoot;
    // Beyond `high` by o, the centre comes back o inside it, bouncing between the two lines
    // with a period of twice the band.
    const double band = high - low;
    const double travelled = std::fmod(overshoot, 2 * band);
    const bool backFromFirstLine = travelled <= band;
    const double fromLine = backFromFirstLine ? travelled : travelled - band;
    if ((coordinate > high) == backFromFirstLine)
        coordinate = high - fromLine;
    else
        coordinate = low + fromLine;
    return 1 + int(overshoot / band);
}
} // namespace

void GasModel::step(int ms)
{
    const double s = ms * speed / 1000.0;
    // Each electron's move counts for an equal share of the step.
    const double q = count > 0 ? s / count : 0.0;
    if (motionKind == Motion::Exact) {
        stepExactly(s, q / s); // along the true path each pixel counts for its share of q
    } else {
        QPointF *centres = positions.data();
        double *angles = directions.data();
        for (int i = 0; i < count; ++i)
            stepAlongSteps(i, centres[i], angles[i], s, q);
    }
    elapsed += s;
    noteStepForReturn();
    takeSampleIfDue();
}

// Moves to the end of the step along the angle, mirrors in the walls crossed, bounces off at most
// one atom within reach of the end point, and mirrors back inside a wall line that the end still
// lies beyond.
void GasModel::stepAlongSteps(int electron, QPointF &position, double &angle, double s, double q)
{
    // The angle leads here: one the exact flow left behind its heading is worked out first.
    if (std::isnan(headingAngles[electron]))
        angle = std::atan2(headings[electron].y(), headings[electron].x());
    double a = angle;
    if (!sameBits(headingAngles[electron], a))
        headFromAngle(electron);
    const QPointF previous = position;
    const QPointF heading = headings[electron];
    QPointF next(previous.x() + s * heading.x(), previous.y() + s * heading.y());
    StepRecord record;
    record.contacts = reflectFromWalls(next, a, record.wallDepth);
    if (collideWithAtom(next, a, previous, record.contacts > 0)) {
        ++record.contacts;
        ++record.atomContacts;
    }
    const double r = electronR;
    if (!(next.x() >= r && next.x() <= width - r && next.y() >= r && next.y() <= height - r))
        record.contacts += returnWithinWallLines(next, a, record.wallDepth);
    angle = a;
    position = next;
    accumulateMove(electron, previous.x(), next.x(), q, s);
    recordStep(electron, s, record);
}

// Mirrors the centre in the line at distance r inside each wall it crossed, so
// the disc ends as far inside as it overshot. All four tests use the values
// on entry; touching a wall exactly is not a crossing.
int GasModel::reflectFromWalls(QPointF &p, double &a, double &depth)
{
    const double r = electronR;
    const double overBottom = p.y() + r - height;
    const double overRight = p.x() + r - width;
    const double topValue = p.y() - r;
    const double leftValue = p.x() - r;

    double passDepth = 0.0;
    int walls = 0;
    if (overBottom > 0) {
        p.setY((height - r) - overBottom);
        a = twoPi - a;
        passDepth += overBottom;
        ++walls;
    }
    if (overRight > 0) {
        p.setX((width - r) - overRight);
        a = threePi - a;
        passDepth += overRight;
        ++walls;
    }
    if (topValue < 0) {
        p.setY(r - topValue);
        a = twoPi - a;
        passDepth += -topValue;
        ++walls;
    }
    if (leftValue < 0) {
        p.setX(r - leftValue);
        a = threePi - a;
        passDepth += -leftValue;
        ++walls;
    }

    keepWithinField(p.rx(), r, width);
    keepWithinField(p.ry(), r, height);

    wallDepthSum += passDepth;
    depth += passDepth;
    return walls;
}

// An atom's bounce can carry the end of a step beyond a wall line, and so can a wall mirror of an
// electron placed far across a wall; the next step's wall pass would not bring it back. It is
// mirrored inside at once, each mirror a wall contact; how far the end lay beyond the line is
// its depth, which counts towards the pressure as any other. A step that ends inside the wall
// lines is left as it is.
int GasModel::returnWithinWallLines(QPointF &p, double &a, double &depth)
{
    const double r = electronR;
    double foldDepth = 0.0;
    const int sideMirrors = foldBetween(p.rx(), r, width - r, foldDepth);
    if (sideMirrors % 2 == 1)
        a = threePi - a;
    const int endMirrors = foldBetween(p.ry(), r, height - r, foldDepth);
    if (endMirrors % 2 == 1)
        a = twoPi - a;
    wallDepthSum += foldDepth;
    depth += foldDepth;
    return sideMirrors + endMirrors;
}

// The lattice nodes at the corners of the cell holding (x, y): ceil/ceil,
// ceil/floor, floor/floor, floor/ceil. On a cell edge two of them coincide.
std::array<QPointF, 4> GasModel::surroundingNodes(double x, double y) const
{
    const double u = (x - originX) / side;
    const double v = (y - originY) / side;
    const double xc = side * std::ceil(u) + originX;
    const double xf = side * std::floor(u) + originX;
    const double yc = side * std::ceil(v) + originY;
    const double yf = side * std::floor(v) + originY;
    return {QPointF(xc, yc), QPointF(xc, yf), QPointF(xf, yf), QPointF(xf, yc)};
}

// Reflects from the lattice node within reach of the step's end point (the
// last hit in the order ceil/ceil, ceil/floor, floor/floor, floor/ceil). The
// new direction mirrors in the normal through the end point; the centre is
// moved back to the contact point on the segment and on by the rest of the
// step's length along the new direction. Returns whether it bounced.
bool GasModel::collideWithAtom(QPointF &p, double &a, QPointF previous, bool mirroredByWall)
{
    const double reach = atomR + electronR;
    // Past this bound the rounded root is surely above reach; it only skips sqrt.
    const double reachSquaredBound = reach * reach * (1 + 0x1p-40);
    const std::array<QPointF, 4> nodes = surroundingNodes(p.x(), p.y());

    const QPointF *hit = nullptr;
    for (const QPointF &node : nodes) {
        const double dx = p.x() - node.x();
        const double dy = p.y() - node.y();
        const double d2 = dx * dx + dy * dy;
        if (d2 <= reachSquaredBound && std::sqrt(d2) <= reach)
            hit = &node;
    }
    if (!hit)
        return false;
    const QPointF h = *hit;

    const double incoming = a;
    const double reflected = 2 * std::atan2(p.y() - h.y(), p.x() - h.x()) - incoming - pi;
    a = reflected;

    const double dX = p.x() - previous.x();
    const double dY = p.y() - previous.y();
    const double qa = dX * dX + dY * dY;
    // An end point equal to the start (a wall mirror can send an electron
    // straight back) leaves no segment to find the contact on: the electron
    // turns where it is.
    if (qa == 0.0)
        return true;
    const double qb = 2 * (dX * (previous.x() - h.x()) + dY * (previous.y() - h.y()));
    const double hx = h.x() - previous.x();
    const double hy = h.y() - previous.y();
    const double qc = (hx * hx + hy * hy) - reach * reach;
    // A segment that only grazes the circle can give a discriminant a rounding
    // error below zero; it is a tangent, so its root is the double one.
    double discriminant = qb * qb + qa * (-4) * qc;
    if (discriminant < 0.0)
        discriminant = 0.0;
    const double t = (2 * (dX * hx + dY * hy) - std::sqrt(discriminant)) / (qa + qa);

    const double length = std::sqrt(qa);
    const double rest = (1 - t) * length;
    const QPointF contact(previous.x() + t * dX, previous.y() + t * dY);
    p = QPointF(contact.x() + rest * std::cos(reflected), contact.y() + rest * std::sin(reflected));

    // The normal through the end point leans away from the one at the contact
    // on a grazing hit, and the rest of the step can then lead back into the
    // atom. A step that came from outside must stay outside: it bounces about
    // the normal at the contact point instead. One that started inside (placed
    // there, or overtaken by a new spacing or radius) keeps the rule above.
    const bool cameFromOutside = hx * hx + hy * hy >= reach * reach;
    if (cameFromOutside && isWithinReach(p, h, reach)) {
        // After a wall mirror the electron did not come along its angle but
        // along the segment, so that is the direction to reflect.
        const double along = mirroredByWall ? std::atan2(dY, dX) : incoming;
        a = 2 * std::atan2(contact.y() - h.y(), contact.x() - h.x()) - along - pi;
        p = QPointF(contact.x() + rest * std::cos(a), contact.y() + rest * std::sin(a));
    }
    return true;
}
