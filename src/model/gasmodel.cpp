#include "gasmodel.h"
#include "fieldlayercache.h"

#include <cmath>
#include <cstdlib>

namespace {
constexpr double degreesToRadians = 0.017453292519943295;
// A batch of the measurement gives an error only once it is long enough for an electron to
// cross the 400-pixel field twice: shorter batches follow each other too closely, and their
// spread understates the error.
constexpr double shortestBatch = 800;
} // namespace

GasModel::GasModel()
    : backgroundBrush(Qt::white, Qt::SolidPattern), trailBrush(Qt::black, Qt::SolidPattern),
      atomBrush(Qt::black, Qt::SolidPattern), electronBrush(Qt::red, Qt::SolidPattern),
      binBrush(Qt::cyan, Qt::SolidPattern), layerCache(std::make_unique<FieldLayerCache>())
{
    applyOriginRule();
    clearStatistics();
}

GasModel::~GasModel() = default;

double GasModel::bearingToAngle(double degrees)
{
    return (degrees - 90) * degreesToRadians;
}

double GasModel::randomDirection()
{
    return (std::rand() % 360) * degreesToRadians;
}

// The lattice origin is the node nearest the top-left corner that leaves equal
// margins; with no remainder the first node sits one spacing in.
void GasModel::applyOriginRule()
{
    originX = (width % side) / 2;
    if (originX == 0)
        originX = side;
    originY = (height % side) / 2;
    if (originY == 0)
        originY = side;
}

void GasModel::setSize(int w, int h)
{
    width = w;
    height = h;
    applyOriginRule();
}

void GasModel::setSide(int s)
{
    side = s;
    nodesPerPixel = 1.0 / s;
}
void GasModel::setAtomR(double r)
{
    atomR = r;
}
void GasModel::setElectronR(double r)
{
    electronR = r;
}
void GasModel::setSpeed(double v)
{
    speed = v;
}
void GasModel::setMotion(Motion m)
{
    motionKind = m;
}
void GasModel::setShowBins(bool b)
{
    showBins = b;
}
void GasModel::setBinIndex(int k)
{
    binIndex = k;
}

void GasModel::setBinsNumber(int n)
{
    binsNumber = n;
    binWidth = double(width) / n;
    stripsPerPixel = 1 / binWidth;
    densityHistogram.fill(0.0, n);
    binTime.fill(0.0, n);
    stripBatches.restart(elapsed, n, shortestBatch);
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

void GasModel::setNumber(int n)
{
    while (n < count) {
        positions.removeLast();
        directions.removeLast();
        --count;
    }
    // Where atoms leave no room at all there is nothing to look for.
    bool lookFurther = count < n && freeArea() > 0;
    while (count < n) {
        int x = 0;
        int y = 0;
        bool clear = false;
        // Nine tries for a free spot first, as ever.
        for (int attempt = 0; attempt < 9 && !clear; ++attempt) {
            x = std::rand() % width;
            y = std::rand() % height;
            clear = isClearOfAtoms(x, y);
        }
        // An electron started inside an atom would measure nothing but the atom, so the search
        // goes on with further draws, keeping the last one if none is free. Free spots too rare
        // to turn up within the bound are not looked for again in this call: later electrons
        // take their ninth candidate, as on a field that atoms cover.
        for (int attempt = 0; lookFurther && !clear && attempt < extraPlacementTries; ++attempt) {
            x = std::rand() % width;
            y = std::rand() % height;
            clear = isClearOfAtoms(x, y);
        }
        lookFurther = lookFurther && clear;
        const double angle = randomDirection();
        positions.append(QPointF(x, y));
        directions.append(angle);
        ++count;
    }
}

void GasModel::addElectron(int x, int y, double angle)
{
    addElectronAt(QPointF(x, y), angle);
}

void GasModel::addElectronAt(const QPointF &centre, double angle)
{
    positions.append(centre);
    directions.append(angle);
    ++count;
}

void GasModel::setPreviewing(bool b)
{
    previewing = b;
}

void GasModel::saveState()
{
    savedPositions = positions;
    savedDirections = directions;
}

void GasModel::restoreState()
{
    positions = savedPositions;
    directions = savedDirections;
}

void GasModel::clearStatistics()
{
    timeSeries.clear();
    probabilitySeries.clear();
    pressureSeries.clear();
    densityHistogram.fill(0.0, binsNumber);
    binTime.fill(0.0, binsNumber);
    elapsed = 0.0;
    selectedBinTime = 0.0;
    wallDepthSum = 0.0;
    runBatches.restart(0.0, 2, shortestBatch);
    stripBatches.restart(0.0, binsNumber, shortestBatch);
}

// The geometry the settings describe, as the free space takes it; its result is
// kept until one of them changes.
const FreeSpace &GasModel::freeSpace() const
{
    LatticeGeometry geometry;
    geometry.width = width;
    geometry.height = height;
    geometry.originX = originX;
    geometry.originY = originY;
    geometry.side = side;
    geometry.atomR = atomR;
    geometry.electronR = electronR;
    geometry.strips = binsNumber;
    if (freeSpaceGeometry != geometry) {
        freeSpaceCache = computeFreeSpace(geometry);
        freeSpaceGeometry = geometry;
    }
    return freeSpaceCache;
}

double GasModel::freeArea() const
{
    return freeSpace().area;
}

double GasModel::freeWallLength() const
{
    return freeSpace().wallLength;
}

double GasModel::expectedProbability() const
{
    const QVector<double> &shares = freeSpace().stripShares;
    if (binIndex < 0 || binIndex >= shares.size())
        return std::nan("");
    return shares[binIndex];
}

// One tick of the window moves each electron by the step of step(50).
double GasModel::expectedPressure() const
{
    const double stepLength = 50 * speed / 1000.0;
    return expectedWallPressure(freeSpace(), count, stepLength);
}

QVector<double> GasModel::expectedDensity() const
{
    return freeSpace().stripShares;
}
