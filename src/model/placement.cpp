#include "gasmodel.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double degreesToRadians = 0.017453292519943295;
} // namespace

void GasModel::seedRandom(unsigned seed)
{
    random.seed(seed);
}

double GasModel::randomDirection()
{
    return random.below(360) * degreesToRadians;
}

// True when (x, y) is farther than atomR + electronR from all four lattice
// nodes around it, tested in the same node order as the collision.
bool GasModel::isClearOfAtoms(double x, double y) const
{
    const double reach = atomR + electronR;
    // Outside these bounds the rounded root surely lies on the same side of reach; they only
    // spare the square root, which placement takes thousands of times where spots are rare.
    const double surelyClear = reach * reach * (1 + 0x1p-40);
    const double surelyWithin = reach * reach * (1 - 0x1p-40);
    const std::array<QPointF, 4> nodes = surroundingNodes(x, y);
    for (const QPointF &node : nodes) {
        const double dx = node.x() - x;
        const double dy = node.y() - y;
        const double d2 = dx * dx + dy * dy;
        if (d2 > surelyClear)
            continue;
        if (d2 < surelyWithin || !(std::sqrt(d2) > reach))
            return false;
    }
    return true;
}

// A spot where the whole electron lies inside the walls, clear of the atoms.
bool GasModel::isFreeSpot(int x, int y) const
{
    const bool withinWallLines =
        x >= electronR && x <= width - electronR && y >= electronR && y <= height - electronR;
    return withinWallLines && isClearOfAtoms(x, y);
}

void GasModel::setNumber(int n)
{
    if (n < count) {
        positions.resize(n);
        directions.resize(n);
        headings.resize(n);
        headingAngles.resize(n);
        startPositions.resize(n);
        electronTotals.resize(n);
        electronStripTimes.resize(std::size_t(n) * binsNumber);
        count = n;
        noteChange(ElectronCount);
        reversal.reset();
    }
    placeRandomElectrons(n - count, 0, width);
}

// The whole pixels of the selected strip, w k <= x < w (k + 1).
void GasModel::fillSelectedStrip(int n)
{
    setNumber(0);
    const int firstColumn = std::max(0, int(std::ceil(binWidth * binIndex)));
    const int end = std::min(width, int(std::ceil(binWidth * (binIndex + 1))));
    if (end > firstColumn)
        placeRandomElectrons(n, firstColumn, end - firstColumn);
    clearStatistics();
}

// n electrons at whole pixels in the given columns (the whole field, or the selected strip), with
// whole degrees for directions.
void GasModel::placeRandomElectrons(int n, int firstColumn, int columns)
{
    // Where atoms leave no room at all there is nothing to look for.
    const bool wholeField = firstColumn == 0 && columns == width;
    const bool room = wholeField ? freeArea() > 0 : expectedDensity().value(binIndex, 0.0) > 0;
    bool lookFurther = n > 0 && room;
    for (int placed = 0; placed < n; ++placed) {
        int x = 0;
        int y = 0;
        bool free = false;
        // Nine tries for a free spot first, as ever.
        for (int attempt = 0; attempt < 9 && !free; ++attempt) {
            x = firstColumn + random.below(columns);
            y = random.below(height);
            free = isFreeSpot(x, y);
        }
        // An electron started inside an atom or across a wall would measure the atom or the
        // wall, so the search goes on with further draws, keeping the last one if none is free.
        // Free spots too rare to turn up within the bound are not looked for again in this
        // call: later electrons take their ninth candidate, as on a field that atoms cover.
        for (int attempt = 0; lookFurther && !free && attempt < extraPlacementTries; ++attempt) {
            x = firstColumn + random.below(columns);
            y = random.below(height);
            free = isFreeSpot(x, y);
        }
        lookFurther = lookFurther && free;
        addElectronAt(QPointF(x, y), randomDirection());
    }
}

// Deep within an atom's reach (by more than the exact motion's rounding on a contact) or beyond
// a wall line. The nearest node is a corner of the lattice cell holding the centre.
bool GasModel::isTrapped(const QPointF &centre) const
{
    const double r = electronR;
    if (!(centre.x() >= r && centre.x() <= width - r && centre.y() >= r &&
          centre.y() <= height - r))
        return true;
    const double reach = atomR + electronR;
    const double deepInside = reach * reach * (1 - 1e-9);
    for (const QPointF &node : surroundingNodes(centre.x(), centre.y())) {
        const QPointF fromNode = centre - node;
        if (QPointF::dotProduct(fromNode, fromNode) < deepInside)
            return true;
    }
    return false;
}

int GasModel::moveTrappedElectronsToFreeSpots()
{
    // Which whole pixels are free, worked out once and only when an electron needs one.
    std::vector<bool> freePixels;
    bool anyFree = false;
    int moved = 0;
    for (int i = 0; i < count; ++i) {
        if (!isTrapped(positions[i]))
            continue;
        if (freePixels.empty()) {
            freePixels.resize(std::size_t(width + 1) * (height + 1));
            for (int y = 0; y <= height; ++y) {
                for (int x = 0; x <= width; ++x) {
                    const bool free = isFreeSpot(x, y);
                    freePixels[std::size_t(y) * (width + 1) + x] = free;
                    anyFree = anyFree || free;
                }
            }
        }
        if (!anyFree)
            return moved;
        if (const std::optional<QPoint> spot = nearestFreeSpot(positions[i], freePixels)) {
            positions[i] = QPointF(*spot);
            // Before the first step the measurement begins from there.
            if (stepsSinceReset == 0)
                startPositions[i] = positions[i];
            ++moved;
        }
    }
    return moved;
}

// Ring by ring of whole pixels about the one nearest the centre: a pixel of ring k lies at least
// k - 1/2 from the centre, so once that is farther than the best free pixel found, none nearer
// is left. Of pixels at equal distances the first found wins.
std::optional<QPoint> GasModel::nearestFreeSpot(const QPointF &centre,
                                                const std::vector<bool> &freePixels) const
{
    const int cx = qRound(centre.x());
    const int cy = qRound(centre.y());
    std::optional<QPoint> best;
    double bestSquared = 0;
    const auto consider = [&](int x, int y) {
        if (x < 0 || x > width || y < 0 || y > height ||
            !freePixels[std::size_t(y) * (width + 1) + x])
            return;
        const double dx = x - centre.x();
        const double dy = y - centre.y();
        const double squared = dx * dx + dy * dy;
        if (!best || squared < bestSquared) {
            best = QPoint(x, y);
            bestSquared = squared;
        }
    };
    const int lastRing =
        std::max({std::abs(cx), std::abs(width - cx), std::abs(cy), std::abs(height - cy)});
    for (int ring = 0; ring <= lastRing; ++ring) {
        const double nearestInRing = ring - 0.5;
        if (best && nearestInRing > 0 && nearestInRing * nearestInRing > bestSquared)
            break;
        for (int x = cx - ring; x <= cx + ring; ++x) {
            consider(x, cy - ring);
            if (ring > 0)
                consider(x, cy + ring);
        }
        for (int y = cy - ring + 1; y <= cy + ring - 1; ++y) {
            consider(cx - ring, y);
            consider(cx + ring, y);
        }
    }
    return best;
}
