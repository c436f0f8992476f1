#include "gasmodel.h"

#include <algorithm>
#include <cmath>

// The strip holding x (w * j <= x < w * (j + 1)); -1 or binsNumber for a centre beyond the
// walls, which an atom's bounce can leave there.
int GasModel::stripOf(double x) const
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
    return std::min(j, binsNumber);
}

// A move from x0 to x1 spends its share of the step, weight, along its chord: each strip the
// chord crosses gets the part of the weight that lies over it, overlap / |x1 - x0|. A move
// within one strip, or straight up or down, gives that strip the whole weight.
void GasModel::accumulateMove(double x0, double x1, double weight)
{
    const double low = std::min(x0, x1);
    const double high = std::max(x0, x1);
    const int first = stripOf(low);
    const int last = stripOf(high);
    if (first == last) {
        if (first >= 0 && first < binsNumber) {
            binTime[first] += weight;
            if (first == binIndex)
                selectedBinTime += weight;
        }
        return;
    }
    const double w = binWidth;
    const double perPixel = weight / (high - low);
    for (int j = std::max(first, 0); j <= std::min(last, binsNumber - 1); ++j) {
        const double overlap = std::min(high, w * (j + 1)) - std::max(low, w * j);
        const double share = overlap * perPixel;
        binTime[j] += share;
        if (j == binIndex)
            selectedBinTime += share;
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

// Each batch boundary keeps the running totals, so a step costs nothing between boundaries.
void GasModel::recordBatches()
{
    if (runBatches.endsBatch(elapsed))
        runBatches.record(elapsed, {selectedBinTime, wallDepthSum});
    if (stripBatches.endsBatch(elapsed))
        stripBatches.record(elapsed, binTime);
}

GasModel::Measurement GasModel::measuredProbability() const
{
    const auto batchValue = [](double length, const double *amounts) {
        return amounts[0] / length;
    };
    return {selectedBinTime / elapsed, runBatches.standardError(batchValue)};
}

// As plotted: the depth sum per unit of T, which is a hundredth of the path.
GasModel::Measurement GasModel::measuredPressure() const
{
    const auto batchValue = [](double length, const double *amounts) {
        return amounts[1] / (length / 100);
    };
    return {wallDepthSum / (elapsed / 100), runBatches.standardError(batchValue)};
}

GasModel::Measurement GasModel::measuredShare(int strip) const
{
    if (strip < 0 || strip >= binsNumber)
        return {std::nan(""), std::nan("")};
    const int strips = binsNumber;
    const auto share = [strip, strips](const double *stripTimes) {
        double sum = 0.0;
        for (int j = 0; j < strips; ++j)
            sum += stripTimes[j];
        return stripTimes[strip] / sum;
    };
    const auto batchValue = [&share](double, const double *amounts) { return share(amounts); };
    return {share(binTime.constData()), stripBatches.standardError(batchValue)};
}
