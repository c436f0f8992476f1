#include "gasmodel.h"

#include <cmath>

namespace {
// Strip j holds the centres with w*j <= x < w*(j+1). Both bounds are always
// evaluated, so no branch depends on where a move ends.
bool inStrip(double x, double w, int j)
{
    return (w * j <= x) & (x < w * (j + 1));
}
} // namespace

// A move counts for a strip only when it starts and ends inside it.
void GasModel::accumulateMove(double x0, double x1, double q)
{
    const double w = binWidth;
    const int k = binIndex;
    // A move that leaves its strip adds q * 0 = +0, which changes no sum: narrow
    // strips make the outcome unpredictable, so it is not branched on.
    selectedBinTime += q * double(inStrip(x0, w, k) & inStrip(x1, w, k));

    const double guess = std::floor(x0 / w);
    if (!(guess >= -1.0 && guess <= binsNumber))
        return;
    int j = int(guess);
    // The quotient can round across a strip edge; the bounds decide.
    if (!(w * j <= x0))
        --j;
    else if (!(x0 < w * (j + 1)))
        ++j;
    if (j < 0 || j >= binsNumber)
        return;
    binTime[j] += q * double(inStrip(x1, w, j));
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
