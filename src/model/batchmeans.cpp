#include "batchmeans.h"

#include <cmath>
#include <limits>

void BatchMeans::restart(double time, int totals, double shortestBatch)
{
    boundaries = {Boundary{time, QVector<double>(totals, 0.0)}};
    shortest = shortestBatch;
    // Five doublings from the start reach the shortest batch that gives an error.
    length = shortestBatch / maxBatches;
}

void BatchMeans::record(double time, const QVector<double> &totals)
{
    if (!endsBatch(time))
        return;
    // Batches hold whole steps: steps longer than the first length set it.
    if (boundaries.size() == 1)
        length = time - boundaries.last().time;
    boundaries.append(Boundary{time, totals});
    if (completeBatches() < maxBatches)
        return;
    QVector<Boundary> merged;
    for (int i = 0; i < boundaries.size(); i += 2)
        merged.append(boundaries[i]);
    boundaries = merged;
    length *= 2;
}

double BatchMeans::standardError(const BatchValue &value) const
{
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    const int n = completeBatches();
    if (n < minBatches || length < shortest)
        return notANumber;
    QVector<double> values;
    QVector<double> amounts(boundaries.first().totals.size());
    for (int i = 1; i <= n; ++i) {
        const Boundary &from = boundaries[i - 1];
        const Boundary &to = boundaries[i];
        for (int k = 0; k < amounts.size(); ++k)
            amounts[k] = to.totals[k] - from.totals[k];
        values.append(value(to.time - from.time, amounts.constData()));
    }
    double mean = 0.0;
    for (double v : values)
        mean += v / n;
    double squares = 0.0;
    for (double v : values)
        squares += (v - mean) * (v - mean);
    // The spread of the batch values, over the square root of their number.
    const double error = std::sqrt(squares / (n - 1) / n);
    return std::isfinite(error) ? error : notANumber;
}
