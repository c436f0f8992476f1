#include "gasmodel.h"

#include <cmath>

namespace {
// Strip j holds the centres with w*j <= x < w*(j+1).
bool inStrip(double x, double w, int j)
{
    return w * j <= x && x < w * (j + 1);
}
} // namespace

// A move counts for a strip only when it starts and ends inside it.
void GasModel::accumulateMove(double x0, double x1, double q)
{
    const double w = binWidth;
    const int k = binIndex;
    if (inStrip(x0, w, k) && inStrip(x1, w, k))
        selectedBinTime += q;

    // The only strip that can hold x0 is the one its quotient names, give or
    // take one for rounding at the edges; testing those with the same bounds
    // finds exactly what a test of every strip would find.
    const double guess = std::floor(x0 / w);
    if (!(guess >= -1.0 && guess <= binsNumber))
        return;
    const int first = int(guess) - 1;
    for (int j = first; j <= first + 2; ++j) {
        if (j < 0 || j >= binsNumber || !inStrip(x0, w, j))
            continue;
        if (inStrip(x1, w, j))
            binTime[j] += q;
        return;
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
