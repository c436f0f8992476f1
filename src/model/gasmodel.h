#ifndef VANDREL_GASMODEL_H
#define VANDREL_GASMODEL_H

#include "batchmeans.h"
#include "freespace.h"

#include <QBrush>
#include <QPointF>
#include <QVector>

#include <array>
#include <memory>
#include <optional>

class QImage;
class QPainter;
class QPen;
class QRect;
class QPaintEvent;
class FieldLayerCache;
struct DevicePlacement;

// The Vandrel gas: light discs ("electrons") flying in straight lines through a
// square lattice of fixed hard discs ("atoms") inside a walled field, plus the
// statistics measured from their motion. Coordinates are the field view's
// pixels: origin top-left, x right, y down; an angle a means (cos a, sin a),
// so angles grow clockwise on screen.
class GasModel
{
public:
    GasModel();
    ~GasModel();
    GasModel(const GasModel &) = delete;
    GasModel &operator=(const GasModel &) = delete;

    // Parameters. Values are stored unchecked; the settings form bounds them.
    void setSize(int w, int h);
    void setSide(int s);
    void setAtomR(double r);
    void setElectronR(double r);
    void setSpeed(double v);
    void setShowBins(bool b);
    void setBinIndex(int k);
    void setBinsNumber(int n);

    // Population.
    void setNumber(int n);
    void addElectron(int x, int y, double angle);
    // At an exact position, as a lesson brings back electrons aimed by hand.
    void addElectronAt(const QPointF &centre, double angle);
    int number() const { return count; }

    // Trail preview support.
    void setPreviewing(bool b);
    void saveState();
    void restoreState();

    // How a step moves the electrons. Stepwise: to the end of the step first, then mirrored in
    // the walls crossed and bounced off at most one atom within reach of the end point.
    // Exact: along the true path, meeting the walls and atoms in the order of time, as often
    // as the step's length allows.
    enum class Motion { Stepwise, Exact };
    void setMotion(Motion m);
    Motion motion() const { return motionKind; }

    void clearStatistics();
    void step(int ms);

    QVector<double> timeData() const { return timeSeries; }
    QVector<double> probabilityData() const { return probabilitySeries; }
    QVector<double> pressureData() const { return pressureSeries; }
    QVector<double> densityData() const { return densityHistogram; }

    // What the plots show now, from the running totals since the last reset (which go on past
    // the last sample), with its standard error by batch means: NaN until the run is long
    // enough to tell.
    struct Measurement
    {
        double value;
        double standardError;
    };
    Measurement measuredProbability() const;
    Measurement measuredPressure() const;
    // One strip's share of the density, counted from 0.
    Measurement measuredShare(int strip) const;

    void paint(QPainter *painter, QPaintEvent *event);

    // The values the plotted statistics approach for electrons spread evenly
    // over the free space with evenly spread directions: the free area, its
    // length along the walls, the selected strip's share, the wall pressure at
    // the current count and speed, and every strip's share. NaN (and an area
    // of 0) where no centre fits. Cheap enough to call on every tick: the
    // geometry is worked out again only when a setting it depends on changes.
    double freeArea() const;
    double freeWallLength() const;
    double expectedProbability() const;
    double expectedPressure() const;
    QVector<double> expectedDensity() const;

    // Read-only views for tests, benchmarks and the command-line runner.
    const QVector<QPointF> &electronPositions() const { return positions; }
    const QVector<double> &electronDirections() const { return directions; }
    int latticeOriginX() const { return originX; }
    int latticeOriginY() const { return originY; }
    double elapsedPath() const { return elapsed; }
    double wallDepthTotal() const { return wallDepthSum; }
    double selectedBinAccumulator() const { return selectedBinTime; }
    const QVector<double> &binAccumulators() const { return binTime; }

    // A bearing in degrees clockwise from straight up, as the screen angle the
    // motion uses (0 points right, angles grow clockwise).
    static double bearingToAngle(double degrees);
    // A whole number of degrees, 0 ... 359, drawn from rand().
    static double randomDirection();

    // Samples stop being recorded once the series hold this many.
    static constexpr int maxSamples = 100000;
    // Draws after the nine usual ones to find an electron a spot clear of the atoms.
    static constexpr int extraPlacementTries = 10000;

private:
    void applyOriginRule();
    const FreeSpace &freeSpace() const;
    std::array<QPointF, 4> surroundingNodes(double x, double y) const;
    bool isClearOfAtoms(double x, double y) const;
    // Returns whether any wall mirrored the point.
    bool reflectFromWalls(QPointF &p, double &a);
    void collideWithAtom(QPointF &p, double &a, QPointF previous, bool mirroredByWall);
    void settleWithinWalls(double &x, double &y, bool atomsApart) const;
    void flyExactly(QPointF &position, double &angle, double cosA, double sinA, double s,
                    double qPerPixel);
    int stripOf(double x) const;
    void accumulateMove(double x0, double x1, double weight);
    void takeSampleIfDue();
    void recordBatches();
    void paintField(QPainter *painter, QPaintEvent *event);
    int lastElectronCoveringField() const;
    void paintStrips(QPainter *painter) const;
    void paintAtoms(QPainter *painter, const QRect &pixels) const;
    const QImage &staticLayer(const QPen &pen, const DevicePlacement &placement);
    void paintTrailDots(QPainter *painter);

    int width = 0;
    int height = 0;
    int originX = 0;
    int originY = 0;
    QBrush backgroundBrush;
    QBrush trailBrush;
    QBrush atomBrush;
    QBrush electronBrush;
    QBrush binBrush;
    int side = 25;
    double nodesPerPixel = 1.0 / 25; // 1 / side, to find nearby nodes without dividing
    double atomR = 5.0;
    double electronR = 2.0;
    double speed = 100.0;
    Motion motionKind = Motion::Stepwise;
    int count = 0;
    QVector<double> directions;
    QVector<QPointF> positions;
    QVector<double> savedDirections;
    QVector<QPointF> savedPositions;
    bool previewing = false;
    bool showBins = false;
    int binsNumber = 0;
    int binIndex = 0;
    double binWidth = 0.0;
    double stripsPerPixel = 0.0; // 1 / binWidth, to find a strip without dividing
    double elapsed = 0.0;
    double selectedBinTime = 0.0;
    double wallDepthSum = 0.0;
    QVector<double> binTime;
    QVector<double> timeSeries;
    QVector<double> probabilitySeries;
    QVector<double> densityHistogram;
    QVector<double> pressureSeries;
    // The batches behind the standard errors: of the selected strip's time and the wall
    // depths, and of every strip's time, which starts again with the strips.
    BatchMeans runBatches;
    BatchMeans stripBatches;
    // cos and sin of each electron's angle, recomputed only when the angle's bits change.
    QVector<double> cachedAngle;
    QVector<double> cachedCos;
    QVector<double> cachedSin;

    // The free space of the geometry it was computed for.
    mutable std::optional<LatticeGeometry> freeSpaceGeometry;
    mutable FreeSpace freeSpaceCache;

    // Pre-rendered pieces of the picture; they change only with the settings.
    std::unique_ptr<FieldLayerCache> layerCache;
};

#endif
