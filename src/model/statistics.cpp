#include "gasmodel.h"

#include <algorithm>
#include <cmath>

// A move from x0 to x1 spends its share of the step, weight, along its chord: each strip the
// chord crosses gets the part of the weight that lies over it, overlap / |x1 - x0|. A move
// within one strip, or straight up or down, gives that strip the whole weight. The electron's own
// strip times get the path in the same parts.
void GasModel::accumulateMove(int electron, double x0, double x1, double weight, double path)
{
    const double low = std::min(x0, x1);
    const double high = std::max(x0, x1);
    const int first = stripOf(low);
    const int last = stripOf(high);
    if (first == last) {
        addToStrip(electron, first, weight, path);
        return;
    }
    const double w = binWidth;
    const double perPixel = weight / (high - low);
    const double pathPerPixel = path / (high - low);
    for (int j = std::max(first, 0); j <= std::min(last, binsNumber - 1); ++j) {
        const double overlap = std::min(high, w * (j + 1)) - std::max(low, w * j);
        addToStrip(electron, j, overlap * perPixel, overlap * pathPerPixel);
    }
}

// Samples follow the model clock: the first step after a reset always samples,
// later ones once elapsed has moved 20 past the last stored (scaled) time, and
// recording stops for good at maxSamples.
void GasModel::takeSampleIfDue()
{
    if (!timeSeries.isEmpty()) {
        if (elapsed < 20 + timeSeries.last())
            return;
        if (timeSeries.size() > maxSamples - 1)
            return;
    }
    timeSeries.append(elapsed / 100);
    probabilitySeries.append(selectedBinTime / elapsed);
    pressureSeries.append(wallDepthSum);
    meanFreePathSeries.append(contactTotal > 0 ? pathTotal / contactTotal : std::nan(""));
    entropySeries.append(entropyNow());
    if (binsNumber >= 1) {
        double sum = 0.0;
        for (int j = 0; j < binsNumber; ++j) {
            densityHistogram[j] = binTime[j] / elapsed;
            sum += densityHistogram[j];
        }
        for (int j = 0; j < binsNumber; ++j)
            densityHistogram[j] /= sum;
    }
}

int GasModel::movedElectrons() const
{
    return int(std::count_if(electronTotals.begin(), electronTotals.end(),
                             [](const ElectronTotals &totals) { return totals.path > 0; }));
}

// Sum a / sum b of the electrons' own totals, over those that have moved.
Measurement GasModel::ratioOverElectrons(double ElectronTotals::*a, double ElectronTotals::*b) const
{
    RatioEstimate estimate;
    for (const ElectronTotals &totals : electronTotals) {
        if (totals.path > 0)
            estimate.add(totals.*a, totals.*b);
    }
    return estimate.measurement();
}

// The probability is the path flown in the selected strip per path flown.
Measurement GasModel::measuredProbability() const
{
    return ratioOverElectrons(&ElectronTotals::selectedStripTime, &ElectronTotals::path);
}

// As plotted: the wall depth of all the electrons per unit of T, a hundredth of the path each
// flies, that is 100 N times the depth per path.
Measurement GasModel::measuredPressure() const
{
    const Measurement perPath =
        ratioOverElectrons(&ElectronTotals::wallDepth, &ElectronTotals::path);
    const double scale = 100.0 * count;
    return {perPath.value * scale, perPath.standardError * scale};
}

// A strip's share is the path flown in it per path flown in any strip.
Measurement GasModel::measuredShare(int strip) const
{
    if (strip < 0 || strip >= binsNumber)
        return {std::nan(""), std::nan("")};
    RatioEstimate estimate;
    for (int i = 0; i < count; ++i) {
        if (!(electronTotals[i].path > 0))
            continue;
        const double *stripTimes = electronStripTimes.data() + std::size_t(i) * binsNumber;
        double inAnyStrip = 0.0;
        for (int j = 0; j < binsNumber; ++j)
            inAnyStrip += stripTimes[j];
        estimate.add(stripTimes[strip], inAnyStrip);
    }
    return estimate.measurement();
}

// The path flown per contact; an electron that met nothing yet still counts its path.
Measurement GasModel::measuredMeanFreePath() const
{
    return ratioOverElectrons(&ElectronTotals::path, &ElectronTotals::contacts);
}

// How many of the given centres lie in each strip; those beyond the walls in none.
QVector<int> GasModel::stripCounts(const QVector<QPointF> &centres) const
{
    QVector<int> counts(qMax(binsNumber, 0), 0);
    for (const QPointF &centre : centres) {
        const int strip = stripOf(centre.x());
        if (strip >= 0 && strip < binsNumber)
            ++counts[strip];
    }
    return counts;
}

double GasModel::entropyNow() const
{
    return stripEntropy(stripCounts(positions), expectedDensity());
}

double GasModel::entropyAtStart() const
{
    return stripEntropy(stripCounts(startPositions), expectedDensity());
}

int GasModel::startingStrip() const
{
    const QVector<int> counts = stripCounts(startPositions);
    const int strip = int(std::max_element(counts.begin(), counts.end()) - counts.begin());
    return count > 0 && counts.value(strip) == count ? strip : -1;
}

Measurement GasModel::measuredEntropy() const
{
    return {entropyNow(), entropySpread().deviation};
}

double GasModel::atomContactsPerElectron() const
{
    int moved = 0;
    double atomContacts = 0.0;
    for (const ElectronTotals &totals : electronTotals) {
        if (totals.path > 0) {
            ++moved;
            atomContacts += totals.atomContacts;
        }
    }
    return moved > 0 ? atomContacts / moved : std::nan("");
}

int GasModel::electronsMeetingNoAtom() const
{
    return int(std::count_if(
        electronTotals.begin(), electronTotals.end(),
        [](const ElectronTotals &totals) { return totals.path > 0 && totals.atomContacts == 0; }));
}
