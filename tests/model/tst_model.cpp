#include "gasmodel.h"
#include "results.h"
#include "settings.h"

#include <QtTest>

#include <cmath>
#include <random>

using Doubles = QVector<double>;
using Points = QVector<QPointF>;

struct Settings
{
    int side;
    double atomR;
    double electronR;
    double speed;
    int strips;
};
Q_DECLARE_METATYPE(Settings)

const Settings defaults{50, 10, 4, 100, 3};

// A step of 50 ms from a start, and what it comes to: where it ends, in which direction, the depth
// it adds to the wall pressure's sum, the walls and atoms it meets and, of those, the atoms.
struct Step
{
    bool exact; // else stepwise
    Settings settings;
    QPointF start;
    double bearing;
    QPointF end;
    double angle;
    double depth;
    int contacts;
    int atoms;
    int firstStrip = 0;  // counted from 0, and the selected one
    Doubles shares = {}; // of the step, from the first strip on; none: not looked at
};
Q_DECLARE_METATYPE(Step)

static GasSettings gasSettings(const Settings &settings, int electrons = 0)
{
    GasSettings gas;
    gas.setValue(SettingKey::Side, settings.side);
    gas.setValue(SettingKey::AtomRadius, settings.atomR);
    gas.setValue(SettingKey::ElectronRadius, settings.electronR);
    gas.setValue(SettingKey::Speed, settings.speed);
    gas.setValue(SettingKey::Strips, settings.strips);
    gas.setValue(SettingKey::Electrons, electrons);
    return gas;
}

// As the field view does it: the 400 x 400 size first, while the spacing is still 25, so the
// lattice origin is (25, 25) whatever the spacing.
static void setUp(GasModel &model, const Settings &settings, int electrons = 0)
{
    model.setSize(400, 400);
    gasSettings(settings, electrons).apply(model);
}

static void run(GasModel &model, int steps)
{
    for (int step = 0; step < steps; ++step)
        model.step(50);
}

// Every electron's x, y and angle, to compare exactly: QPointF's == is fuzzy.
static Doubles flat(const Points &positions, const Doubles &angles)
{
    Doubles values;
    for (int i = 0; i < positions.size(); ++i)
        values << positions[i].x() << positions[i].y() << angles[i];
    return values;
}

static Doubles flat(const GasModel &model)
{
    return flat(model.electronPositions(), model.electronDirections());
}

// Everything measured, in one list.
static Doubles statistics(const GasModel &model)
{
    return model.timeData() + model.probabilityData() + model.pressureData() + model.densityData() +
           model.binAccumulators() +
           Doubles{model.elapsedPath(), model.wallDepthTotal(), model.selectedBinAccumulator()};
}

// The motion rules written out apart from the model, for a step of 50 ms: move; mirror in the
// lines r inside the walls crossed (all judged on entry; a horizontal wall turns the angle a into
// 2 pi - a, a vertical one into 3 pi - a); bounce off the last node in reach of the end point
// among the corners of its cell, taken ceil/ceil, ceil/floor, floor/floor, floor/ceil.
static void referenceStep(QPointF &position, double &angle, const Settings &settings)
{
    const double radius = settings.electronR;
    const double reach = settings.atomR + radius;
    const double stepLength = 50 * settings.speed / 1000;
    const QPointF start = position;
    double x = start.x() + stepLength * std::cos(angle);
    double y = start.y() + stepLength * std::sin(angle);
    const double overBottom = y + radius - 400;
    const double overRight = x + radius - 400;
    const double overTop = radius - y;
    const double overLeft = radius - x;
    if (overBottom > 0) {
        y = 400 - radius - overBottom;
        angle = 2 * M_PI - angle;
    }
    if (overRight > 0) {
        x = 400 - radius - overRight;
        angle = 3 * M_PI - angle;
    }
    if (overTop > 0) {
        y = radius + overTop;
        angle = 2 * M_PI - angle;
    }
    if (overLeft > 0) {
        x = radius + overLeft;
        angle = 3 * M_PI - angle;
    }
    position = QPointF(x, y);

    const int side = settings.side;
    const double right = 25 + side * std::ceil((x - 25) / side);
    const double left = 25 + side * std::floor((x - 25) / side);
    const double lower = 25 + side * std::ceil((y - 25) / side);
    const double upper = 25 + side * std::floor((y - 25) / side);
    const auto squared = [](QPointF vector) { return QPointF::dotProduct(vector, vector); };
    const QPointF corners[] = {{right, lower}, {right, upper}, {left, upper}, {left, lower}};
    const QPointF *node = nullptr;
    for (const QPointF &corner : corners) {
        if (std::sqrt(squared(position - corner)) <= reach)
            node = &corner;
    }
    if (!node)
        return;
    const double incoming = angle;
    angle = 2 * std::atan2(y - node->y(), x - node->x()) - incoming - M_PI;
    // The contact is at the first fraction t of the step with |start + t move - node| = reach:
    // t^2 |move|^2 + 2 t move.(start - node) + |start - node|^2 - reach^2 = 0.
    const QPointF move = position - start;
    const QPointF fromNode = start - *node;
    const double quadratic = squared(move);
    const double linear = 2 * QPointF::dotProduct(move, fromNode);
    const double constant = squared(fromNode) - reach * reach;
    // A tangent's discriminant can round below 0; its root is the double one.
    const double discriminant = qMax(0.0, linear * linear - 4 * quadratic * constant);
    const double fraction = (-linear - std::sqrt(discriminant)) / (2 * quadratic);
    const QPointF contact = start + fraction * move;
    const double rest = (1 - fraction) * std::sqrt(quadratic);
    position = contact + rest * QPointF(std::cos(angle), std::sin(angle));
    // A step from outside the reach (constant >= 0) that would end inside it turns about the
    // normal at the contact instead; after a wall it came along the segment, not its angle.
    if (constant >= 0 && squared(position - *node) < reach * reach) {
        const bool mirrored = overBottom > 0 || overRight > 0 || overTop > 0 || overLeft > 0;
        const double along = mirrored ? std::atan2(move.y(), move.x()) : incoming;
        angle = 2 * std::atan2(contact.y() - node->y(), contact.x() - node->x()) - along - M_PI;
        position = contact + rest * QPointF(std::cos(angle), std::sin(angle));
    }
    // A bounce that ends beyond a wall line is mirrored back in it (never by more than the field).
    const double far = 400 - radius;
    if (position.x() > far) {
        position.setX(far - (position.x() - far));
        angle = 3 * M_PI - angle;
    } else if (position.x() < radius) {
        position.setX(radius + (radius - position.x()));
        angle = 3 * M_PI - angle;
    }
    if (position.y() > far) {
        position.setY(far - (position.y() - far));
        angle = 2 * M_PI - angle;
    } else if (position.y() < radius) {
        position.setY(radius + (radius - position.y()));
        angle = 2 * M_PI - angle;
    }
}

// How far a centre lies within the reach of the nearest atom, negative outside: the nearest
// node is a corner of its lattice cell (with origin 25) while the discs leave gaps.
static double depthInAtoms(const QPointF &centre, const Settings &settings)
{
    const double reach = settings.atomR + settings.electronR;
    const double side = settings.side;
    const double left = 25 + side * std::floor((centre.x() - 25) / side);
    const double top = 25 + side * std::floor((centre.y() - 25) / side);
    double nearest = side;
    for (double x : {left, left + side})
        for (double y : {top, top + side})
            nearest = qMin(nearest, std::hypot(centre.x() - x, centre.y() - y));
    return reach - nearest;
}

class ModelTest : public QObject
{
    Q_OBJECT
private slots:
    // Where atoms cover every spot an electron takes the last of its nine (x, y) tries: there is
    // nothing further to look for.
    void placement()
    {
        GasModel covered;
        setUp(covered, {5, 400, 400, 1000, 3});
        covered.seedRandom(5);
        covered.setNumber(1);
        RandomSequence draws(5);
        for (int draw = 0; draw < 16; ++draw)
            draws.next();
        const int x = draws.below(400);
        const int y = draws.below(400);
        QCOMPARE(covered.electronPositions(), Points{QPointF(x, y)});
    }
    void handWorkedStep_data()
    {
        // r = 2, reach 14; nodes at 25 + 50 k (spacing 30: at -5 + 30 k).
        QTest::addColumn<Step>("step");
        const auto at = [](int side, double speed) { return Settings{side, 12, 2, speed, 3}; };
        // Down by 5 to exactly r from the bottom wall: touching is no crossing.
        QTest::newRow("stepwise, touching")
            << Step{false, at(50, 100), {200, 393}, 180, {200, 398}, M_PI / 2, 0, 0, 0};
        // Down by 20, the wall mirrors it back onto its start, 13 below the node (225, 375): with
        // no segment to find a contact on, it turns where it is, from up (3 pi / 2 after the
        // mirror) about the normal pi / 2 to 2 (pi / 2) - 3 pi / 2 - pi, pointing down again.
        QTest::newRow("stepwise, zero-length")
            << Step{false, at(50, 400), {225, 388}, 180, {225, 388}, -3 * M_PI / 2, 10, 2, 1};
        // Into the corner where the lines r inside the right and bottom walls meet, after
        // 8 sqrt 2 of 20, then straight back; each wall's depth is the rest times cos 45.
        const double corner = 406 - 10 * M_SQRT2;
        const double cornerDepth = 20 * M_SQRT2 - 16;
        QTest::newRow("exact, corner") << Step{
            true, at(50, 400), {390, 390}, 135, {corner, corner}, -3 * M_PI / 4, cornerDepth, 2, 0};
        // Placed 5 above the node (225, 75), well inside its reach, and heading down through
        // it: out of it at 89 without a turn.
        QTest::newRow("exact, leaving an atom")
            << Step{true, at(50, 400), {225, 70}, 180, {225, 90}, M_PI / 2, 0, 0, 0};
        // Left along y = 35: the atom at (-5, 25), outside the field, reaches x = -5 + sqrt 96,
        // before the line x = 2; the normal there is (sqrt 96, 10) / 14, the rest sqrt 96 - 7.
        const double chord = std::sqrt(96.0);
        const double rest = chord - 7;
        const QPointF contact(-5 + chord - rest / 49, 35 + rest * 5 * chord / 49);
        const double outwards = std::atan2(5 * chord, -1);
        QTest::newRow("exact, atom outside the field")
            << Step{true, at(30, 200), {12, 35}, 270, contact, outwards, 0, 1, 1};
        // One electron far from the atoms at 25 + 400 k, moving along y = 200 over 100 strips.
        const Settings narrowStrips{400, 1, 1, 400, 100};
        QTest::newRow("exact, across narrow strips") << Step{
            true, narrowStrips, {198, 200}, 90, {218, 200}, 0, 0, 0, 0, 49, {2, 4, 4, 4, 4, 2}};
        // The lower edge belongs to the strip.
        QTest::newRow("exact, straight up on an edge") << Step{
            true, {400, 1, 1, 100, 100}, {200, 200}, 0, {200, 195}, -M_PI / 2, 0, 0, 0, 50, {5}};
        // An electron 195 wide, right by 50 between wall lines 10 apart: the wall at 205 mirrors it
        // to 160, 35 beyond the line at 195 (depth 45 + 35), and it folds back four more times,
        // to 200: five mirrors in all, leftwards.
        QTest::newRow("stepwise, folded between the wall lines")
            << Step{false, {400, 12, 195, 1000, 3}, {200, 200}, 90, {200, 200}, 3 * M_PI, 80, 5, 0};
    }
    // Single steps worked out by hand, in either motion; a move spends its share of the step along
    // its chord (the stepwise rule's shares are checked against the rules written out).
    void handWorkedStep()
    {
        QFETCH(Step, step);
        GasModel model;
        setUp(model, step.settings);
        model.setMotion(step.exact ? GasModel::Motion::Exact : GasModel::Motion::Stepwise);
        model.setBinIndex(step.firstStrip);
        model.addElectron(step.start.x(), step.start.y(), GasModel::bearingToAngle(step.bearing));
        model.step(50);
        QCOMPARE_LT(QLineF(model.electronPositions().first(), step.end).length(), 1e-9);
        QCOMPARE(model.electronDirections().first(), step.angle);
        QCOMPARE(model.wallDepthTotal() + 1, step.depth + 1); // fuzzy, also where it should be 0
        QCOMPARE(model.contactsSinceReset(), step.contacts);
        QCOMPARE(model.atomContactsPerElectron(), step.atoms);
        QCOMPARE(model.electronsMeetingNoAtom(), step.atoms == 0 ? 1 : 0);
        if (step.shares.isEmpty())
            return;
        Doubles expected(step.settings.strips, 0.0);
        std::copy(step.shares.begin(), step.shares.end(), expected.begin() + step.firstStrip);
        QCOMPARE(model.binAccumulators(), expected);
        QCOMPARE(model.selectedBinAccumulator(), step.shares.first());
    }
    void exactRuns_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<int>("steps");
        QTest::newRow("defaults") << defaults << 4000;
        QTest::newRow("pockets, fast") << Settings{20, 9, 3, 1000, 100} << 400;
    }
    // 500 random electrons along their true paths: never into an atom's reach or beyond a wall
    // line, never farther than the step, from the first (so placed clear of both); a copy made
    // for the trail preview goes where the model goes.
    void exactRuns()
    {
        QFETCH(Settings, settings);
        QFETCH(int, steps);
        GasModel model;
        setUp(model, settings);
        model.setMotion(GasModel::Motion::Exact);
        model.setNumber(500);
        GasModel preview = model;
        run(preview, 60);
        const double stepLength = settings.speed / 20;
        const double reach = settings.atomR + settings.electronR;
        const double r = settings.electronR;
        const QRectF withinWallLines(r, r, 400 - 2 * r, 400 - 2 * r);
        for (int step = 0; step < steps; ++step) {
            const Points before = model.electronPositions();
            model.step(50);
            const Points &after = model.electronPositions();
            for (int i = 0; i < 500; ++i) {
                QVERIFY(depthInAtoms(after[i], settings) < 1e-9 * reach);
                QVERIFY(withinWallLines.contains(after[i]));
                QVERIFY(QLineF(before[i], after[i]).length() <= stepLength * (1 + 1e-12));
            }
            if (step == 59)
                QCOMPARE(flat(model), flat(preview));
        }
    }
    void agreesWithTheRules_data()
    {
        QTest::addColumn<Settings>("settings"); // side, atomR, electronR, speed, strips
        QTest::newRow("fast") << Settings{33, 6, 3, 1000, 30};
        QTest::newRow("overlapping discs") << Settings{20, 9, 3, 100, 3};
        QTest::newRow("slow") << Settings{25, 9, 2, 0.1, 100};
    }
    // 500 electrons for 3000 steps: the motion and the strip times exactly as written out.
    void agreesWithTheRules()
    {
        QFETCH(Settings, settings);
        GasModel model;
        setUp(model, settings);
        model.setBinIndex(settings.strips / 2);
        model.setNumber(500);
        Points positions = model.electronPositions();
        Doubles angles = model.electronDirections();
        // Each move spends an equal share of the step along its chord: each strip gets the part
        // over it, a move straight up or down the whole share.
        const double share = 50 * settings.speed / 1000 / 500;
        const double stripWidth = 400.0 / settings.strips;
        Doubles stripTimes(settings.strips, 0.0);
        for (int step = 0; step < 3000; ++step) {
            const Points before = model.electronPositions();
            model.step(50);
            for (int i = 0; i < positions.size(); ++i) {
                referenceStep(positions[i], angles[i], settings);
                const double low = qMin(before[i].x(), positions[i].x());
                const double high = qMax(before[i].x(), positions[i].x());
                for (int strip = 0; strip < settings.strips; ++strip) {
                    const double left = stripWidth * strip;
                    const double right = stripWidth * (strip + 1);
                    if (low == high && left <= low && low < right)
                        stripTimes[strip] += share;
                    else if (low < right && left < high)
                        stripTimes[strip] +=
                            share * (qMin(high, right) - qMax(low, left)) / (high - low);
                }
            }
        }
        QCOMPARE(flat(model), flat(positions, angles));
        for (int strip = 0; strip < settings.strips; ++strip)
            QCOMPARE(model.binAccumulators()[strip], stripTimes[strip]);
        QCOMPARE(model.selectedBinAccumulator(), stripTimes[settings.strips / 2]);
    }
    void resultsRow_data()
    {
        QTest::addColumn<int>("index"); // in the table of quantities
        for (int index = 0; index < quantityTable().size(); ++index)
            QTest::newRow(quantityTable()[index].key) << index;
    }
    // A measurement as a results row: each quantity has its three columns, holding what the model
    // measures and expects for it (a profile, for the selected strip), and the cells read back to
    // the same row, in a lesson's order or any other.
    void resultsRow()
    {
        QFETCH(int, index);
        const QuantityDefinition &definition = quantityTable()[index];
        const QString quantity = definition.key;
        GasModel model;
        setUp(model, Settings{30, 8, 3, 300, 5}, 40);
        model.setBinIndex(3);
        model.setMotion(GasModel::Motion::Exact);
        run(model, 20);
        const ResultsRow row = ResultsRow::of(model);
        const QStringList columns = resultsColumns();
        const QStringList cells = resultsCells(row);
        const Measurement measured = definition.measured(model, 3);
        const int first = columns.indexOf(quantity);
        QCOMPARE(columns.mid(first, 3),
                 QStringList({quantity, quantity + "_error", quantity + "_expected"}));
        QCOMPARE(cells[first].toDouble(), measured.value);
        QCOMPARE(cells[first + 1].toDouble(), measured.standardError);
        QCOMPARE(cells[first + 2].toDouble(), definition.expected(model, 3));
        QString wrong;
        QStringList reversedColumns = columns;
        QStringList reversedCells = cells;
        std::reverse(reversedColumns.begin(), reversedColumns.end());
        std::reverse(reversedCells.begin(), reversedCells.end());
        const std::optional<ResultsRow> back =
            resultsRowFrom(reversedColumns, reversedCells, &wrong);
        QVERIFY(back);
        QCOMPARE(resultsCells(*back), cells);
    }
    void ratioEstimateByHand_data()
    {
        QTest::addColumn<Doubles>("a");
        QTest::addColumn<Doubles>("b");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("error");
        // m = 6 / 4; residuals -0.5, 0.5, 0; SE^2 = 0.5 / (3 * 2 * (4 / 3)^2) = 3 / 64.
        QTest::newRow("three electrons")
            << Doubles{1, 2, 3} << Doubles{1, 1, 2} << 1.5 << std::sqrt(3.0 / 64);
        // One without a contact counts with its path: m = 12 / 2; residuals -3, 5, -2;
        // SE^2 = 38 / (3 * 2 * (2 / 3)^2) = 57 / 4.
        QTest::newRow("one without a contact")
            << Doubles{3, 5, 4} << Doubles{1, 0, 1} << 6.0 << std::sqrt(57.0 / 4);
        // One alone gives no spread; with no contacts at all there is no value.
        QTest::newRow("one electron") << Doubles{2} << Doubles{4} << 0.5 << qQNaN();
        QTest::newRow("no contacts") << Doubles{3, 5} << Doubles{0, 0} << qQNaN() << qQNaN();
    }
    void ratioEstimateByHand()
    {
        QFETCH(Doubles, a);
        QFETCH(Doubles, b);
        QFETCH(double, value);
        QFETCH(double, error);
        RatioEstimate estimate;
        for (int i = 0; i < a.size(); ++i)
            estimate.add(a[i], b[i]);
        const Measurement measured = estimate.measurement();
        QCOMPARE(measured.value, value);
        QCOMPARE(measured.standardError, error);
    }
    // Electrons whose totals a_i = p b_i + e_i scatter by a known sigma about a known p: over many
    // experiments the distance of the estimate from p, in its own errors, has an RMS of 1.
    void ratioEstimateIsHonest()
    {
        const double p = 0.3;
        std::mt19937 random(11);
        std::uniform_real_distribution<double> path(100, 1000);
        std::normal_distribution<double> scatter(0, 20);
        double squaredDistances = 0;
        const int experiments = 400;
        for (int experiment = 0; experiment < experiments; ++experiment) {
            RatioEstimate estimate;
            for (int electron = 0; electron < 50; ++electron) {
                const double b = path(random);
                estimate.add(p * b + scatter(random), b);
            }
            const Measurement measured = estimate.measurement();
            const double distance = (measured.value - p) / measured.standardError;
            squaredDistances += distance * distance;
        }
        const double rms = std::sqrt(squaredDistances / experiments);
        // From 400 experiments the RMS itself scatters by about 4 %.
        QVERIFY2(rms > 0.88 && rms < 1.12, qPrintable(QString::number(rms)));
    }
    void reversal_data()
    {
        QTest::addColumn<bool>("exact");
        QTest::addColumn<int>("returned"); // of 200 after 20 steps out and 20 back
        QTest::newRow("stepwise") << false << 31;
        QTest::newRow("exact") << true << 200;
    }
    // Reverse twice in a row changes no direction to the last bit. Reversed after 20 steps, the
    // exact motion retraces every path within 1e-6 pixels in 20 more; the stepwise rule brings
    // back only the electrons that met nothing.
    void reversal()
    {
        QFETCH(bool, exact);
        QFETCH(int, returned);
        GasModel model;
        setUp(model, defaults, 200);
        model.setMotion(exact ? GasModel::Motion::Exact : GasModel::Motion::Stepwise);
        run(model, 20);
        const Doubles before = flat(model);
        model.reverseDirections();
        model.reverseDirections();
        QCOMPARE(flat(model), before);
        model.reverseDirections();
        run(model, 19);
        QVERIFY(!model.returnReport());
        model.step(50);
        QCOMPARE(model.returnReport()->returned, returned);
        // An electron added between two Reverses ends the undo: the second turns it back too.
        model.reverseDirections();
        const double newcomerAngle = 0.5;
        model.addElectronAt(QPointF(200.5, 212.5), newcomerAngle);
        model.reverseDirections();
        const double turnedAngle = model.electronDirections().last();
        QCOMPARE(std::cos(turnedAngle), -std::cos(newcomerAngle));
        QCOMPARE(std::sin(turnedAngle), -std::sin(newcomerAngle));
    }
    void entropyOfAFilledStrip_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<int>("strip"); // counted from 0
        QTest::newRow("defaults, the first of three") << defaults << 0;
        QTest::newRow("ten strips") << Settings{30, 8, 4, 100, 10} << 7;
    }
    // All the electrons at free spots in the strip's own columns: the entropy is ln q of the strip.
    void entropyOfAFilledStrip()
    {
        QFETCH(Settings, settings);
        QFETCH(int, strip);
        GasModel model;
        setUp(model, settings);
        model.setBinIndex(strip);
        model.fillSelectedStrip(300);
        const double width = 400.0 / settings.strips;
        for (const QPointF &centre : model.electronPositions()) {
            QVERIFY(centre.x() >= width * strip && centre.x() < width * (strip + 1));
            QVERIFY(depthInAtoms(centre, settings) < 0);
        }
        const double share = model.expectedDensity()[strip];
        QCOMPARE(model.entropyNow(), std::log(share));
        QCOMPARE(model.entropyAtStart(), std::log(share));
        QCOMPARE(model.startingStrip(), strip);
    }
    // The entropy of electrons placed independently, each in a strip with the strip's share:
    // over many placements its mean and spread are those worked out.
    void equilibriumEntropyMatchesPlacements()
    {
        const QVector<double> shares{0.05, 0, 0.2, 0.3, 0.45};
        const int electrons = 40;
        const EntropySpread spread = equilibriumEntropy(shares, electrons);
        std::mt19937 random(7);
        std::discrete_distribution<int> strip(shares.begin(), shares.end());
        const int placements = 40000;
        double sum = 0;
        double squares = 0;
        for (int placement = 0; placement < placements; ++placement) {
            QVector<int> counts(shares.size(), 0);
            for (int electron = 0; electron < electrons; ++electron)
                ++counts[strip(random)];
            const double entropy = stripEntropy(counts, shares);
            sum += entropy;
            squares += entropy * entropy;
        }
        const double mean = sum / placements;
        const double deviation = std::sqrt(squares / placements - mean * mean);
        // The mean of 40000 scatters by a two-hundredth of the spread, the spread by a
        // three-hundredth.
        QCOMPARE_LT(std::abs(mean - spread.mean), 4 * deviation / 200);
        QCOMPARE_LT(std::abs(deviation / spread.deviation - 1), 0.015);
    }
    void trappedElectronsMove_data()
    {
        QTest::addColumn<Settings>("settings"); // applied at once to 50 electrons of the defaults
        QTest::newRow("atoms grown") << Settings{50, 30, 4, 100, 3};
        QTest::newRow("spacing and electrons grown") << Settings{37, 10, 9.5, 100, 3};
        QTest::newRow("a wide electron") << Settings{50, 10, 150, 100, 3};
        QTest::newRow("no room") << Settings{50, 10, 200, 100, 3};
    }
    // Settings applied under electrons move each one they leave in an atom or across a wall to
    // the nearest whole pixel with room for it, keeping its direction; the others stay, and so
    // do all where there is no room.
    void trappedElectronsMove()
    {
        QFETCH(Settings, settings);
        GasModel model;
        setUp(model, defaults, 50);
        const Points before = model.electronPositions();
        const Doubles directions = model.electronDirections();
        gasSettings(settings, 50).apply(model);
        const double r = settings.electronR;
        const auto free = [&](const QPointF &p) {
            return p.x() >= r && p.x() <= 400 - r && p.y() >= r && p.y() <= 400 - r &&
                   depthInAtoms(p, settings) < 0;
        };
        Points freePixels;
        for (int x = 0; x <= 400; ++x)
            for (int y = 0; y <= 400; ++y)
                if (free(QPointF(x, y)))
                    freePixels << QPointF(x, y);
        for (int i = 0; i < 50; ++i) {
            const QPointF now = model.electronPositions()[i];
            QCOMPARE(model.electronDirections()[i], directions[i]);
            if (free(before[i]) || freePixels.isEmpty()) {
                QCOMPARE(now, before[i]);
                continue;
            }
            QVERIFY(freePixels.contains(now));
            const auto distance = [&](const QPointF &p) { return QLineF(before[i], p).length(); };
            for (const QPointF &pixel : freePixels)
                QVERIFY(distance(pixel) >= distance(now));
        }
    }
    // The density at the samples' cap, and what each reset clears.
    void samplesAndResets()
    {
        GasModel model;
        setUp(model, defaults);
        model.setNumber(30);
        // Past the cap (a sample a step after the first five), the density is no longer worked out.
        run(model, GasModel::maxSamples + 10);
        const Doubles density = model.densityData();
        model.step(50);
        QCOMPARE(model.densityData(), density);

        // New strips: the density and the strip times start again, the series go on, the
        // expected density is worked out for them.
        const Doubles pressure = model.pressureData();
        model.setBinsNumber(5);
        QCOMPARE(model.densityData() + model.binAccumulators(), Doubles(10, 0.0));
        QCOMPARE(model.expectedDensity().size(), 5);
        QCOMPARE(model.pressureData(), pressure);

        // Clearing drops everything measured and keeps the electrons.
        model.step(50);
        const Points positions = model.electronPositions();
        model.clearStatistics();
        QCOMPARE(statistics(model), Doubles(5 + 5 + 3, 0.0));
        QCOMPARE(model.electronPositions(), positions);
    }
};

QTEST_APPLESS_MAIN(ModelTest)
#include "tst_model.moc"
