#ifndef VANDREL_GASMODEL_H
#define VANDREL_GASMODEL_H

#include "entropy.h"
#include "expectations.h"
#include "freespace.h"
#include "randomsequence.h"
#include "ratioestimate.h"

#include <QPair>
#include <QPoint>
#include <QPointF>
#include <QVector>

#include <array>
#include <optional>
#include <vector>

// The Vandrel gas: light discs ("electrons") flying in straight lines through a
// square lattice of fixed hard discs ("atoms") inside a walled field, plus the
// statistics measured from their motion. Coordinates are the field view's
// pixels: origin top-left, x right, y down; an angle a means (cos a, sin a),
// so angles grow clockwise on screen.
class GasModel
{
public:
    GasModel();
    // A copy moves on as the model would, apart from it: the trail preview steps one to show the
    // next seconds of paths.
    GasModel(const GasModel &) = default;
    GasModel &operator=(const GasModel &) = default;

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
    // After a change of the lattice or the radii: each electron left within an atom's reach or
    // beyond a wall line goes to the nearest whole pixel where a new one could be placed, keeping
    // its direction; where there is none it stays. Returns how many moved.
    int moveTrappedElectronsToFreeSpots();

    // Takes away every electron and places n at random in the selected strip, as setNumber places
    // them over the field, then starts the measurement anew: a gas let out of one strip.
    void fillSelectedStrip(int n);

    // Turns every electron back along the way it came; the model's clock runs on. A second
    // Reverse straight after the first undoes it to the last bit.
    void reverseDirections();
    // How many electrons are back where the measurement began, once as many steps have passed
    // since the last Reverse as before it, at the same speed: within returnTolerance pixels.
    struct ReturnReport
    {
        int electrons = 0;
        int returned = 0;
        double medianDistance = 0.0;
        double maxDistance = 0.0;
    };
    std::optional<ReturnReport> returnReport() const { return lastReturn; }
    // The report now, whenever it is asked for.
    ReturnReport returnToStart() const;
    static constexpr double returnTolerance = 1e-6;

    // The model's own random sequence, which placement and random directions draw from: rand()'s,
    // started from `seed` as srand() starts it (1 unless seeded).
    void seedRandom(unsigned seed);
    // A whole number of degrees, 0 ... 359, from that sequence.
    double randomDirection();

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
    // The path flown per contact with a wall or an atom, NaN before the first contact.
    QVector<double> meanFreePathData() const { return meanFreePathSeries; }
    // The entropy of the electrons' places over the strips at each sample.
    QVector<double> entropyData() const { return entropySeries; }

    // What the plots show now, from each electron's own totals since the last reset (or since
    // it was added), with the standard error from their spread. The pressure is that of all
    // the electrons now present.
    Measurement measuredProbability() const;
    Measurement measuredPressure() const;
    // One strip's share of the density, counted from 0.
    Measurement measuredShare(int strip) const;
    Measurement measuredMeanFreePath() const;
    // The entropy now, with the spread it has at equilibrium for its error: one moment is one
    // draw from that spread.
    Measurement measuredEntropy() const;
    // Now, and where the measurement began (or the electrons were added).
    double entropyNow() const;
    double entropyAtStart() const;
    // The strip, counted from 0, that held every electron where the measurement began; -1 where
    // they were spread over more.
    int startingStrip() const;
    // The atoms the electrons that moved have met on average, and how many of those met none:
    // flying exactly along a lattice row or diagonal, an electron may only ever meet walls.
    double atomContactsPerElectron() const;
    int electronsMeetingNoAtom() const;

    // The settings the expected values depend on. Changed after the measurement began, they
    // leave the totals mixing two settings, which no expected value describes.
    enum Setting : unsigned {
        Lattice = 1,       // spacing and radii
        Speed = 2,         // the step's length
        ElectronCount = 4, // the pressure is that of all the electrons
        Strips = 8,        // the strips' number and so their width
        SelectedStrip = 16,
    };
    // Those changed since the statistics began, and since the strip totals began (they start
    // again with new strips).
    unsigned settingsChangedSinceReset() const { return changedSinceReset; }
    unsigned settingsChangedSinceStripsBegan() const { return changedSinceStripsBegan; }

    // Where the atoms close every corridor between them, each electron stays in the pocket it
    // started in: the values then hold only on average over placements.
    bool electronsKeptInPockets() const;

    // The values the plotted statistics approach for electrons spread evenly
    // over the free space with evenly spread directions: the free area, its
    // length along the walls, the selected strip's share, the wall pressure at
    // the current count and speed, and every strip's share. NaN (and an area
    // of 0) where no centre fits. Cheap enough to call on every tick: the
    // geometry is worked out again only when a setting it depends on changes.
    double freeArea() const;
    double freeWallLength() const;
    // The free wall length and the arcs of the atoms' reach that border the free space.
    double freeBoundaryLength() const;
    double expectedProbability() const;
    double expectedPressure() const;
    QVector<double> expectedDensity() const;
    double expectedMeanFreePath() const;
    double expectedEntropy() const;
    // All of them, for the settings and the electrons now.
    Expectations expectations() const;

    // Read-only views for the drawing, tests, benchmarks and the command-line runner.
    int fieldWidth() const { return width; }
    int fieldHeight() const { return height; }
    int latticeSpacing() const { return side; }
    double atomRadius() const { return atomR; }
    double electronRadius() const { return electronR; }
    double electronSpeed() const { return speed; }
    bool stripsShown() const { return showBins; }
    int stripCount() const { return binsNumber; }
    int selectedStrip() const { return binIndex; }
    double stripWidth() const { return binWidth; }
    const QVector<QPointF> &electronPositions() const { return positions; }
    const QVector<double> &electronDirections() const;
    int latticeOriginX() const { return originX; }
    int latticeOriginY() const { return originY; }
    double elapsedPath() const { return elapsed; }
    double wallDepthTotal() const { return wallDepthSum; }
    double selectedBinAccumulator() const { return selectedBinTime; }
    // Electrons that have moved since the statistics began (or since they were added).
    int movedElectrons() const;
    // Reflections off walls and atoms since the statistics began.
    double contactsSinceReset() const { return contactTotal; }
    const QVector<double> &binAccumulators() const { return binTime; }

    // A bearing in degrees clockwise from straight up, as the screen angle the
    // motion uses (0 points right, angles grow clockwise).
    static double bearingToAngle(double degrees);

    // Samples stop being recorded once the series hold this many.
    static constexpr int maxSamples = 100000;
    // The demonstration's square field, and its tick: one step of the window's timer and of the
    // runner, the step the expected pressure is counted for.
    static constexpr int fieldSize = 400;
    static constexpr int tickMs = 50;
    // Draws after the nine usual ones to find an electron a spot clear of the atoms.
    static constexpr int extraPlacementTries = 10000;

private:
    // What one electron has done since the statistics began or since it was added.
    struct ElectronTotals
    {
        double path = 0.0;
        double selectedStripTime = 0.0; // path flown in the selected strip
        double wallDepth = 0.0;
        double contacts = 0.0; // reflections off walls and atoms
        int atomContacts = 0;
    };
    // What one electron's step added to its totals, beside what it adds to its strips.
    struct StepRecord
    {
        double wallDepth = 0.0;
        int contacts = 0;
        int atomContacts = 0;
    };

    void applyOriginRule();
    void noteChange(Setting setting);
    const FreeSpace &freeSpace() const;
    std::array<QPointF, 4> surroundingNodes(double x, double y) const;
    bool isClearOfAtoms(double x, double y) const;
    bool isFreeSpot(int x, int y) const;
    bool isTrapped(const QPointF &centre) const;
    std::optional<QPoint> nearestFreeSpot(const QPointF &centre,
                                          const std::vector<bool> &freePixels) const;
    void headFromAngle(int electron);
    void stepAlongSteps(int electron, QPointF &position, double &angle, double s, double q);
    // Returns how many walls mirrored the point; their depth goes to `depth`.
    int reflectFromWalls(QPointF &p, double &a, double &depth);
    int returnWithinWallLines(QPointF &p, double &a, double &depth);
    bool collideWithAtom(QPointF &p, double &a, QPointF previous, bool mirroredByWall);
    void settleWithinWalls(double &x, double &y, bool atomsApart) const;
    void placeRandomElectrons(int n, int firstColumn, int columns);
    QVector<int> stripCounts(const QVector<QPointF> &centres) const;
    const EntropySpread &entropySpread() const;
    void noteStepForReturn();
    struct Course;
    void stepExactly(double s, double qPerPixel);
    void flyExactly(int electron, QPointF &position, double angle, const Course &course);
    int stripOf(double x) const;
    void accumulateMove(int electron, double x0, double x1, double weight, double path);
    void addToStrip(int electron, int strip, double weight, double path);
    void recordStep(int electron, double s, const StepRecord &record);
    void takeSampleIfDue();
    Measurement ratioOverElectrons(double ElectronTotals::*a, double ElectronTotals::*b) const;

    int width = 0;
    int height = 0;
    int originX = 0;
    int originY = 0;
    int side = 25;
    double nodesPerPixel = 1.0 / 25; // 1 / side, to find nearby nodes without dividing
    double atomR = 5.0;
    double electronR = 2.0;
    double speed = 100.0;
    Motion motionKind = Motion::Stepwise;
    RandomSequence random;
    int count = 0;
    // Each electron's direction: its angle, and the unit vector the motion follows. The stepwise
    // rule works on angles and takes the vector from the angle; the exact flow turns the vector
    // itself, and the angle is worked out from it only when someone reads it.
    mutable QVector<double> directions;
    std::vector<QPointF> headings;
    // The angle each heading was worked out from, or NaN where the exact flow turned it: then
    // the heading leads, and the direction follows it when read.
    std::vector<double> headingAngles;
    mutable bool directionsBehind = false;
    QVector<QPointF> positions;
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
    QVector<double> meanFreePathSeries;
    QVector<double> entropySeries;
    // Where each electron was when the measurement began or it was added, and the steps since.
    QVector<QPointF> startPositions;
    int stepsSinceReset = 0;
    // The last Reverse: the step it came at and the speed then, and the directions before it.
    struct Reversal
    {
        int atStep;
        double speed;
        QVector<double> directions;
        std::vector<QPointF> headings;
        std::vector<double> headingAngles;
    };
    std::optional<Reversal> reversal;
    std::optional<ReturnReport> lastReturn;
    // The path all the electrons flew and their contacts, since the statistics began.
    double pathTotal = 0.0;
    double contactTotal = 0.0;
    // Per electron: its totals, and the path it flew in each strip (a row of binsNumber each).
    std::vector<ElectronTotals> electronTotals;
    std::vector<double> electronStripTimes;
    unsigned changedSinceReset = 0;
    unsigned changedSinceStripsBegan = 0;

    // The free space of the geometry it was computed for.
    mutable std::optional<LatticeGeometry> freeSpaceGeometry;
    mutable FreeSpace freeSpaceCache;
    // The entropy's spread at equilibrium for the electrons and the strips' shares it was for.
    mutable std::optional<QPair<int, QVector<double>>> entropySpreadKey;
    mutable EntropySpread entropySpreadCache{};
};

// The per-move bookkeeping, inline: it runs for every leg of every electron.

// The strip holding x (w * j <= x < w * (j + 1)); -1 or binsNumber for a centre beyond the
// walls, where an electron placed across a wall starts.
inline int GasModel::stripOf(double x) const
{
    const double guess = x * stripsPerPixel;
    if (!(guess >= 0.0))
        return -1;
    int j = guess < binsNumber ? int(guess) : binsNumber;
    // The product can round across a strip edge; the bounds decide.
    const double w = binWidth;
    if (!(w * j <= x))
        --j;
    else if (!(x < w * (j + 1)))
        ++j;
    return j < binsNumber ? j : binsNumber;
}

// Strips beyond the walls count nowhere.
inline void GasModel::addToStrip(int electron, int strip, double weight, double path)
{
    if (strip < 0 || strip >= binsNumber)
        return;
    binTime[strip] += weight;
    electronStripTimes[std::size_t(electron) * binsNumber + strip] += path;
    if (strip == binIndex) {
        selectedBinTime += weight;
        electronTotals[electron].selectedStripTime += path;
    }
}

inline void GasModel::recordStep(int electron, double s, const StepRecord &record)
{
    ElectronTotals &totals = electronTotals[electron];
    totals.path += s;
    totals.wallDepth += record.wallDepth;
    totals.contacts += record.contacts;
    totals.atomContacts += record.atomContacts;
    pathTotal += s;
    contactTotal += record.contacts;
}

#endif
