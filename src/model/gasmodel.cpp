#include "gasmodel.h"

#include <cmath>

namespace {
constexpr double degreesToRadians = 0.017453292519943295;
} // namespace

GasModel::GasModel()
{
    applyOriginRule();
    clearStatistics();
}

double GasModel::bearingToAngle(double degrees)
{
    return (degrees - 90) * degreesToRadians;
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

// Only a change after the measurement began mixes two settings in its totals.
void GasModel::noteChange(Setting setting)
{
    if (elapsed > 0) {
        changedSinceReset |= setting;
        changedSinceStripsBegan |= setting;
    }
}

void GasModel::setSide(int s)
{
    if (s != side)
        noteChange(Lattice);
    side = s;
    nodesPerPixel = 1.0 / s;
}
void GasModel::setAtomR(double r)
{
    if (r != atomR)
        noteChange(Lattice);
    atomR = r;
}
void GasModel::setElectronR(double r)
{
    if (r != electronR)
        noteChange(Lattice);
    electronR = r;
}
void GasModel::setSpeed(double v)
{
    if (v != speed)
        noteChange(Speed);
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
    if (k != binIndex)
        noteChange(SelectedStrip);
    binIndex = k;
}

// New strips start the strip totals afresh; the selected strip's total goes on.
void GasModel::setBinsNumber(int n)
{
    if (n != binsNumber)
        noteChange(Strips);
    changedSinceStripsBegan = 0;
    binsNumber = n;
    binWidth = double(width) / n;
    stripsPerPixel = 1 / binWidth;
    densityHistogram.fill(0.0, n);
    binTime.fill(0.0, n);
    electronStripTimes.assign(std::size_t(count) * qMax(n, 0), 0.0);
}

void GasModel::addElectron(int x, int y, double angle)
{
    addElectronAt(QPointF(x, y), angle);
}

// A new electron starts with no totals of its own.
void GasModel::addElectronAt(const QPointF &centre, double angle)
{
    positions.append(centre);
    startPositions.append(centre);
    reversal.reset(); // an undo would not know the new electron
    directions.append(angle);
    headings.emplace_back();
    headingAngles.push_back(std::nan(""));
    electronTotals.emplace_back();
    electronStripTimes.resize(electronStripTimes.size() + binsNumber);
    ++count;
    headFromAngle(count - 1);
    noteChange(ElectronCount);
}

// The heading along the electron's angle, kept until the angle changes.
void GasModel::headFromAngle(int electron)
{
    const double a = directions[electron];
    headings[electron] = QPointF(std::cos(a), std::sin(a));
    headingAngles[electron] = a;
}

// Angles the exact flow left behind its headings are worked out when read, and only then.
const QVector<double> &GasModel::electronDirections() const
{
    if (directionsBehind) {
        for (int i = 0; i < count; ++i) {
            if (std::isnan(headingAngles[i]))
                directions[i] = std::atan2(headings[i].y(), headings[i].x());
        }
        directionsBehind = false;
    }
    return directions;
}

void GasModel::clearStatistics()
{
    timeSeries.clear();
    probabilitySeries.clear();
    pressureSeries.clear();
    meanFreePathSeries.clear();
    entropySeries.clear();
    startPositions = positions;
    stepsSinceReset = 0;
    reversal.reset();
    lastReturn.reset();
    densityHistogram.fill(0.0, binsNumber);
    binTime.fill(0.0, binsNumber);
    elapsed = 0.0;
    selectedBinTime = 0.0;
    wallDepthSum = 0.0;
    pathTotal = 0.0;
    contactTotal = 0.0;
    electronTotals.assign(count, ElectronTotals());
    electronStripTimes.assign(std::size_t(count) * qMax(binsNumber, 0), 0.0);
    changedSinceReset = 0;
    changedSinceStripsBegan = 0;
}

bool GasModel::electronsKeptInPockets() const
{
    return 2 * (atomR + electronR) >= side && freeArea() > 0;
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

double GasModel::freeBoundaryLength() const
{
    return freeSpace().boundaryLength;
}

Expectations GasModel::expectations() const
{
    Expectations expected(freeSpace(), count, tickMs * speed / 1000.0, binIndex);
    expected.takeEntropy(entropySpread());
    return expected;
}

double GasModel::expectedMeanFreePath() const
{
    return expectations().meanFreePath();
}

double GasModel::expectedProbability() const
{
    return expectations().probability();
}

double GasModel::expectedPressure() const
{
    return expectations().pressure();
}

QVector<double> GasModel::expectedDensity() const
{
    return freeSpace().stripShares;
}

// Worked out again only for another count or other strips' shares: up to a few milliseconds.
const EntropySpread &GasModel::entropySpread() const
{
    const QPair<int, QVector<double>> key(count, expectedDensity());
    if (entropySpreadKey != key) {
        entropySpreadCache = equilibriumEntropy(key.second, key.first);
        entropySpreadKey = key;
    }
    return entropySpreadCache;
}

double GasModel::expectedEntropy() const
{
    return entropySpread().mean;
}
